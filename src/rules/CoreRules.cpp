#include "rules/CoreRules.h"

#include "model/Interaction.h"
#include "model/Model.h"
#include "rules/ExamRules.h"
#include "rules/SubjectRules.h"

namespace tamb {

namespace {

constexpr int German = 1;
constexpr int SocialStudies = 9;
constexpr int Geography = 10;
constexpr int Economics = 11;
constexpr int Maths = 15;

const QString Letter_f = QStringLiteral("f");
const QString Letter_n = QStringLiteral("n");

bool languageOrScience(const Model &m, int row)
{
    return m.field(row) == Letter_f || m.field(row) == Letter_n;
}

void showHint(Model &m, Interaction &ui, const QString &text)
{
    ui.beep();
    m.view.hint = text;
    m.view.hintShown = true;
}

} // namespace

const QString CoreCountHint = QStringLiteral("schon 5 Kernfächer gewählt!");

namespace {

void removeCore(Model &m, Interaction &ui, int count, int row)
{
    RemoveCoreRole(m, count, row);
    if (CountChosen(m, count, Core) == 5)
        showHint(m, ui, CoreCountHint);
}

void addCore(Model &m, Interaction &ui, int count, int row, int coreCount)
{
    if (coreCount >= 5) {
        ui.beep();
        FourHourQuestion(m, ui, count, row);
        return;
    }
    // Slot by field letter: languages 3, 4, 5; sciences 4, 5; others 5 only.
    int slot = 0;
    const QString &letter = m.field(row);
    if (letter == Letter_f) {
        for (int k = 3; k <= 5 && slot == 0; ++k)
            if (m.CoreSlots[k] == 0)
                slot = k;
    } else if (letter == Letter_n) {
        if (m.CoreSlots[4] == 0)
            slot = 4;
        else if (m.CoreSlots[5] == 0)
            slot = 5;
    } else if (m.CoreSlots[5] == 0) {
        slot = 5;
        if (row == Economics) {
            m.Allowed[Written][row] = true;
            m.Allowed[Oral][row] = true;
            m.FaecherSgr.setCell(2, row, QString());
            m.FaecherSgr.setCell(3, row, QString());
        }
        if (row >= 12 && row <= 14) {
            for (int other = 12; other <= 14; ++other) {
                if (other == row || !m.Choice[Taken][other])
                    continue;
                if (m.Choice[Oral][other])
                    RemoveOralRole(m, count, other);
                for (int c = Core; c <= HalfYear4; ++c)
                    m.Choice[c][other] = false;
                for (int col = 1; col <= 8; ++col)
                    m.FaecherSgr.setCell(col, other, QString());
                m.Choice[Taken][other] = false;
            }
        }
    }
    if (slot > 0) {
        m.CoreSlots[slot] = quint8(row);
        m.Choice[Taken][row] = true;
        m.Choice[Core][row] = true;
    }
    if (m.Choice[Core][row]) {
        for (int h = 1; h <= 4; ++h)
            SetCourse(m, row, h, QStringLiteral(" 4"));
        m.FaecherSgr.setCell(1, row, QStringLiteral(" K"));
    }
    if (row == Economics && m.Choice[Core][row]) {
        // Each of the two keeps a single course.
        ClearCourse(m, Geography, 2);
        ClearCourse(m, SocialStudies, 4);
        m.Allowed[Written][row] = true;
        m.Allowed[Oral][row] = true;
    }
    WithdrawElectiveLanguage(m, count, row);
}

} // namespace

void CoreRule(Model &m, Interaction &ui, int count, int row)
{
    if (row < 1 || row >= count)
        return;
    const int coreCount = CountChosen(m, count, Core);
    if (m.Choice[Core][row])
        removeCore(m, ui, count, row);
    else
        addCore(m, ui, count, row, coreCount);
}

void RemoveCoreRole(Model &m, int count, int row)
{
    if (row < 1 || row >= count || row == German || row == Maths)
        return;
    const bool wasWritten = m.Choice[Written][row];
    FreeCoreSlot(m, row);
    switch (row) {
    case 6: case 7: case 8:
    case 12: case 13: case 14: case 16: case 17: case 18: case 19:
        // The courses stay, now as two-hour courses.
        for (int h = 1; h <= 4; ++h)
            if (m.Choice[h + 3][row])
                m.FaecherSgr.setCell(h + 3, row, QStringLiteral("2"));
        m.Choice[Core][row] = false;
        m.FaecherSgr.setCell(1, row, QString());
        break;
    case SocialStudies:
        SetCourse(m, row, 1, QStringLiteral(" 2"));
        ClearCourse(m, row, 2);
        ClearCourse(m, row, 3);
        SetCourse(m, row, 4, QStringLiteral(" 2"));
        break;
    case Geography:
        ClearCourse(m, row, 1);
        SetCourse(m, row, 2, QStringLiteral(" 2"));
        SetCourse(m, row, 3, QStringLiteral(" 2"));
        ClearCourse(m, row, 4);
        break;
    case Economics:
        // Geographie and Gemeinschaftskunde get their second course back.
        SetCourse(m, Geography, 2, QStringLiteral(" 2"));
        SetCourse(m, SocialStudies, 4, QStringLiteral(" 2"));
        for (int r : {Geography, SocialStudies}) {
            m.Allowed[Oral][r] = true;
            if (!m.Choice[Oral][r]) // keep the mark of the oral subject
                m.FaecherSgr.setCell(3, r, QString());
        }
        if (m.Choice[Oral][row])
            RemoveOralRole(m, count, row);
        for (int c = Taken; c <= HalfYear4; ++c)
            m.Choice[c][row] = false;
        m.Allowed[Written][row] = false;
        m.Allowed[Oral][row] = false;
        for (int col = 3; col <= 8; ++col)
            m.FaecherSgr.setCell(col, row, QString());
        ClearCourseGrades(m, row);
        break;
    default: // languages keep their courses and texts
        break;
    }
    // No longer core, no longer written.
    m.Choice[Core][row] = false;
    m.Choice[Written][row] = false;
    m.FaecherSgr.setCell(1, row, QString());
    m.FaecherSgr.setCell(2, row, QString());
    if (wasWritten)
        WithdrawOralWithoutSocialWritten(m, count, row);
    for (int h = 1; h <= 4; ++h)
        m.Grades[h][row] &= quint8(~ExamResult);
    const int exam = ExamGradeColumn(count, 2);
    for (int c = 1; c <= 3; ++c)
        m.Grades[c][exam] = 0;
}

void FourHourQuestion(Model &m, Interaction &ui, int, int row)
{
    if (!m.Choice[Taken][row])
        return;
    const QString text = QStringLiteral("Sie haben schon 5 Kernfächer gewählt. Wollen Sie in\n\r")
                         + m.name(row) + QStringLiteral(" den 4-stündigen Kurs besuchen?");
    if (ui.messageBox(BoxKind::Confirmation, text, Buttons::YesNo) != Answer::Yes)
        return;
    // Only the courses taken get four hours: Gemeinschaftskunde and
    // Geographie have two of their four half-years.
    const QString four = QStringLiteral("4");
    for (int h = 1; h <= 4; ++h)
        if (m.Choice[h + 3][row])
            m.FaecherSgr.setCell(h + 3, row, four);
}

void FreeCoreSlot(Model &m, int row)
{
    int slot = 0;
    for (int k = 3; k <= 5 && slot == 0; ++k)
        if (m.CoreSlots[k] == row)
            slot = k;
    if (slot == 0)
        return;
    m.CoreSlots[slot] = 0;

    // The overview follows the slots at the refresh.
    auto moveUp = [&](int from) {
        m.CoreSlots[from - 1] = m.CoreSlots[from];
        m.CoreSlots[from] = 0;
    };
    // Slot 3 takes only a language, slot 4 a language or a science.
    if (slot == 3) {
        if (m.field(m.CoreSlots[4]) == Letter_f) {
            moveUp(4);
            if (languageOrScience(m, m.CoreSlots[5]))
                moveUp(5);
        }
    } else if (slot == 4) {
        if (languageOrScience(m, m.CoreSlots[5]))
            moveUp(5);
    }
}

} // namespace tamb
