#include "model/SettingsEditor.h"

#include "model/ByteIO.h"
#include "model/Interaction.h"
#include "model/Model.h"
#include "model/Settings.h"
#include "rules/CoreRules.h"
#include "rules/ExamOverview.h"
#include "rules/ExamRules.h"

namespace tamb {

const QString SettingsCaption = QStringLiteral("Tamberon für die Oberstufe - Einstellungen");

const QStringList CompulsoryLanguages = {
    QStringLiteral("Englisch"),      QStringLiteral("Französisch"), QStringLiteral("Latein"),
    QStringLiteral("Griechisch"),    QStringLiteral("Russisch"),    QStringLiteral("Spanisch"),
    QStringLiteral("Italienisch"),   QStringLiteral("Portugiesisch"), NotOffered,
};

const QStringList ElectiveLanguages = {
    QStringLiteral("Französisch"), QStringLiteral("Latein"),      QStringLiteral("Griechisch"),
    QStringLiteral("Russisch"),    QStringLiteral("Hebräisch"),   QStringLiteral("Italienisch"),
    QStringLiteral("Spanisch"),    QStringLiteral("Portugiesisch"), QStringLiteral("Chinesisch"),
    QStringLiteral("Japanisch"),   QStringLiteral("Türkisch"),
};

namespace {

constexpr int FourthLanguage = 5;
constexpr int ElectiveLanguage = 29;

// Grid row 1..4 of the compulsory-area grid stands for catalog index 2..5.
constexpr int subjectOfRow(int row)
{
    return row + 1;
}

int hoursItem(const QString &hours)
{
    bool ok = false;
    const int n = hours.toInt(&ok);
    return ok && n >= 2 && n <= 4 ? n - 2 : -1;
}

// A language the school no longer offers leaves the pupil's choice as a
// whole: flags, core slot, exam overview, grades and cells go together, so
// that no later refresh brings back a course of a subject that is gone.
void dropLanguage(Model &m, int row)
{
    bool chosen = false;
    for (int c = Taken; c <= HalfYear4; ++c)
        chosen = chosen || m.Choice[c][row];
    for (int col = 4; col <= 8; ++col)
        m.FaecherSgr.setCell(col, row, QString());
    if (!chosen)
        return;
    if (m.Choice[Core][row])
        FreeCoreSlot(m, row);
    if (m.Choice[Oral][row])
        RemoveOralRole(m, SubjectCount, row);
    for (int c = Taken; c <= HalfYear4; ++c)
        m.Choice[c][row] = false;
    for (auto &column : m.Grades)
        column[row] = 0;
    ShowExamOverview(m);
}

} // namespace

SettingsEditor::SettingsEditor(Model &m) : m_model(m)
{
    m_view.FremdsprLbx = CompulsoryLanguages;
    m_view.FspiWahlberLbx = ElectiveLanguages;
    for (const QString &name : m.SubjectText[0])
        m_namesBefore.append(name);
    m_electiveOfferedBefore = m.Allowed[0][ElectiveLanguage];
    m_fspiHoursBefore = m.FspiHours;
}

void SettingsEditor::Cancel()
{
    for (int row = 0; row < SubjectCount; ++row)
        m_model.SubjectText[0][row] = m_namesBefore.value(row);
    m_model.Allowed[0][ElectiveLanguage] = m_electiveOfferedBefore;
    m_model.FspiHours = m_fspiHoursBefore;
}

void SettingsEditor::FormShow()
{
    const Model &m = m_model;
    m_view.caption = SettingsCaption;
    m_view.currentSchool = m.SchoolName;

    TextGrid &languages = m_view.FremdsprachenSgr;
    languages.setCell(0, 0, QStringLiteral("Bisher:"));
    languages.setCell(1, 0, QStringLiteral("Neu:"));
    for (int row = 1; row <= 4; ++row)
        languages.setCell(0, row, m.SubjectText[0][subjectOfRow(row)]);

    // A language already in use is not offered again.
    for (int row = 1; row <= 4; ++row)
        m_view.FremdsprLbx.removeOne(m.SubjectText[0][subjectOfRow(row)]);

    TextGrid &elective = m_view.FspiWahlberSGr;
    elective.setCell(0, 0, QStringLiteral("Bisher"));
    elective.setCell(1, 0, QStringLiteral("Neu"));
    elective.setCell(0, 1, m.SubjectText[0][ElectiveLanguage]);
    // A school may give its elective language up.
    if (m.SubjectText[0][ElectiveLanguage] != NotOffered)
        m_view.FspiWahlberLbx.append(NotOffered);

    m_view.wostItem = hoursItem(m.FspiHours);
}

void SettingsEditor::setNewSchoolName(const QString &text)
{
    m_view.newSchool = text;
}

void SettingsEditor::FremdsprachenSgrMouseUp(int col, int row)
{
    // Only the cells of the new choice open the picker; the header and the
    // current names stay as they are.
    if (col != 1 || row < 1 || row > 4)
        return;
    m_fremdsprCol = col;
    m_fremdsprRow = row;
    m_view.fremdsprLbxVisible = true;
}

void SettingsEditor::FremdsprLbxClick(int index)
{
    if (m_fremdsprRow < 1 || index < 0 || index >= m_view.FremdsprLbx.size())
        return;
    Model &m = m_model;
    const int row = m_fremdsprRow;
    const int subject = subjectOfRow(row);
    const QString entry = m_view.FremdsprLbx.at(index);
    const QString before = m_view.FremdsprachenSgr.cell(m_fremdsprCol, row);

    if (entry != NotOffered) {
        m_view.FremdsprachenSgr.setCell(m_fremdsprCol, row, entry);
        // A language given up here may still be the elective one.
        if (m.SubjectText[0][subject] != QStringLiteral("Englisch"))
            m_view.FspiWahlberLbx.append(m.SubjectText[0][subject]);
        m.SubjectText[0][subject] = entry;
        m_view.FremdsprLbx.removeAt(index);
        if (!before.isEmpty())
            m_view.FremdsprLbx.append(before);
    } else if (subject == FourthLanguage) {
        // Only the fourth language may be left out.
        m_view.FremdsprachenSgr.setCell(m_fremdsprCol, row, NotOffered);
        m.SubjectText[0][subject] = NotOffered;
        m_view.FremdsprLbx.removeAt(index);
        if (!before.isEmpty())
            m_view.FremdsprLbx.append(before);
    }
    m_view.fremdsprLbxVisible = false;
    m_view.fspiWahlberLbxVisible = false;
}

void SettingsEditor::FspiWahlberSGrMouseUp(int col, int row)
{
    if (row != 1)
        return;
    if (col == 1) {
        m_fspiCol = col;
        m_fspiRow = row;
        m_view.fspiWahlberLbxVisible = true;
    } else if (col == 0 && m_view.FspiWahlberSGr.cell(0, row) != NotOffered) {
        // The hours of the language in use.
        m_view.wostRgrVisible = true;
    }
}

void SettingsEditor::FspiWahlberLbxClick(int index)
{
    if (m_fspiRow != 1 || index < 0 || index >= m_view.FspiWahlberLbx.size())
        return;
    const QString entry = m_view.FspiWahlberLbx.takeAt(index);
    m_view.FspiWahlberSGr.setCell(m_fspiCol, m_fspiRow, entry);
    const bool offered = entry != NotOffered;
    // A picked language moves to the end; "--" is used up.
    if (offered)
        m_view.FspiWahlberLbx.append(entry);
    m_model.Allowed[0][ElectiveLanguage] = offered;
    m_view.wostRgrVisible = offered;
    m_view.fspiWahlberLbxVisible = false;
}

void SettingsEditor::WostRgrClick(int index)
{
    if (index < 0 || index > 2)
        return;
    m_view.wostItem = index;
    m_model.FspiHours = QString::number(index + 2);
}

bool SettingsEditor::FormClose(Interaction &ui)
{
    Model &m = m_model;

    // A longer name could not be read back from the settings file.
    if (!m_view.newSchool.isEmpty())
        m.SchoolName = m_view.newSchool.left(MaxStringLength);

    for (int row = 1; row <= 4; ++row) {
        const QString &chosen = m_view.FremdsprachenSgr.cell(1, row);
        if (!chosen.isEmpty())
            m.SubjectText[0][subjectOfRow(row)] = chosen;
    }

    const bool fourthOffered = m.SubjectText[0][FourthLanguage] != NotOffered;
    for (int mark = 0; mark <= 3; ++mark)
        m.Allowed[mark][FourthLanguage] = fourthOffered;
    if (!fourthOffered)
        dropLanguage(m, FourthLanguage);

    // The current elective language is the one shown in cell (0,1).
    const QString &chosen = m_view.FspiWahlberSGr.cell(1, 1);
    const QString &current = m.SubjectText[0][ElectiveLanguage];
    const bool keepsLanguage = chosen.isEmpty() && current != NotOffered;
    if (!chosen.isEmpty() && chosen != NotOffered) {
        m.SubjectText[0][ElectiveLanguage] = chosen;
        m.Allowed[0][ElectiveLanguage] = true;
        m.Allowed[3][ElectiveLanguage] = true;
        if (m_view.wostItem < 0)
            m.FspiHours = QStringLiteral("4");
    } else if (keepsLanguage) {
        // The pupil's choice of the language is left to the pupil.
        m.Allowed[3][ElectiveLanguage] = true;
        if (m_view.wostItem < 0)
            m.FspiHours = QStringLiteral("4");
    } else {
        m.SubjectText[0][ElectiveLanguage] = NotOffered;
        m.Allowed[0][ElectiveLanguage] = false;
        m.Allowed[3][ElectiveLanguage] = false;
        dropLanguage(m, ElectiveLanguage);
    }

    const WriteOutcome written = WriteSettings(m);
    if (!written) {
        ui.warn(SettingsNotWrittenWarning + QStringLiteral("\n\r\n\r") + written.reason);
        return false;
    }
    return true;
}

} // namespace tamb
