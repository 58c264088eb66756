#include "rules/ExamRules.h"

#include "model/Interaction.h"
#include "model/Model.h"
#include "rules/BLLDialog.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"
#include "rules/SubjectRules.h"

namespace tamb {

namespace {

const QString Letter_f = QStringLiteral("f");
const QString Letter_g = QStringLiteral("g");
const QString Letter_n = QStringLiteral("n");

void showHint(Model &m, Interaction &ui, const QString &text)
{
    ui.beep();
    m.view.hint = text;
    m.view.hintShown = true;
}

// Walk the social-science rows from the first one: is one of them written?
bool socialSubjectWritten(const Model &m, int count)
{
    int r = FindField(m, count, Letter_g);
    while (r < count && m.field(r) == Letter_g && !m.Choice[Written][r])
        ++r;
    return r < count && m.field(r) == Letter_g && m.Choice[Written][r];
}

// The exam overview follows the flags at the refresh (ShowExamOverview).
void markOral(Model &m, int row)
{
    m.FaecherSgr.setCell(3, row, QStringLiteral(" m"));
}

void addWritten(Model &m, int row)
{
    m.Choice[Written][row] = true;
    m.FaecherSgr.setCell(2, row, QStringLiteral(" s"));
}

void removeWritten(Model &m, int count, int row)
{
    for (int h = 1; h <= 4; ++h)
        m.Grades[h][row] &= quint8(~ExamResult);
    const int exam = ExamGradeColumn(count, 4);
    for (int c = 1; c <= 3; ++c)
        m.Grades[c][exam] = 0;
    m.FaecherSgr.setCell(2, row, QString());
    m.Choice[Written][row] = false;
    WithdrawOralWithoutSocialWritten(m, count, row);
}

} // namespace

const QString NotCoreHint =
    QStringLiteral(" ist kein Kernfach und kann deshalb\n\rkein schriftliches Prüfungsfach sein!");
const QString MustBeWrittenHint = QStringLiteral(" muss schriftliches Prüfungsfach sein!");
const QString NoSocialExamHint = QStringLiteral(
    "Es ist noch kein Prüfungsfach aus \n\rdem gesellschaftswissenschaftlichen\n\rAufgabenfeld gewählt!");
const QString OtherOralHint = QStringLiteral(" schon als mündliches\n\rPrüfungfach gewählt!");

QString WrittenCountHint(int written)
{
    return QStringLiteral("Schon ") + QString::number(written)
        + QStringLiteral(" schriftliche Prüfungsfächer gewählt!");
}

void WrittenRule(Model &m, Interaction &ui, int count, int row)
{
    if (row < 1 || row >= count)
        return;
    int writtenCount = CountChosen(m, count, Written);
    const bool languageWritten = HasWrittenForeignLanguage(m);

    if (!m.Choice[Core][row]) {
        showHint(m, ui, m.name(row) + NotCoreHint);
        return;
    }
    if (writtenCount < 4 && !m.Choice[Written][row] && !m.Choice[Oral][row]) {
        // The fourth written subject must be a foreign language unless one
        // is written already; refused without a word.
        if (!(writtenCount == 3 && m.field(row) != Letter_f && !languageWritten))
            addWritten(m, row);
    } else if (m.Choice[Written][row] && row != 1 && row != 15) {
        removeWritten(m, count, row);
        --writtenCount;
    } else if (row == 1 || row == 15) {
        showHint(m, ui, m.name(row) + MustBeWrittenHint);
    }
    if (writtenCount > 3)
        showHint(m, ui, WrittenCountHint(writtenCount));
}

void OralRule(Model &m, Interaction &ui, int count, int row)
{
    if (row < 1 || row >= count)
        return;
    const int oralCount = CountChosen(m, count, Oral);

    if (!m.Choice[Oral][row] && oralCount == 0 && !m.Choice[Written][row]) {
        // No exam in a subject that the school does not offer.
        if (!m.Choice[Taken][row] && !m.Allowed[0][row])
            return;
        if (m.field(row) == Letter_g) {
            if (!m.Allowed[Oral][row])
                return;
            m.Choice[Oral][row] = true;
            if (row != 11 && !m.Choice[Taken][row])
                SubjectRule(m, ui, 0, row);
            markOral(m, row);
            return;
        }
        bool condition = socialSubjectWritten(m, count);
        const bool achievement = row == m.BLLRow;
        if (achievement) {
            if (!m.Choice[Taken][row]) {
                ShowBLLDialog(m, ui);
                // Opened from the m column: a task field picked now counts.
                m.ClickCol = 3;
            }
            if (m.BLLSocialField)
                condition = true;
        }
        if (m.Allowed[Oral][row] && condition) {
            m.Choice[Oral][row] = true;
            if (!m.Choice[Taken][row]) {
                SubjectRule(m, ui, 0, row);
                if (achievement)
                    m.ClickCol = 3;
            }
            markOral(m, row);
            // The achievement's total grade becomes the oral result and
            // replaces its two seminar courses.
            if (achievement)
                MoveBLLGradeToOralExam(m);
        }
        if (!condition)
            showHint(m, ui, NoSocialExamHint);
        return;
    }

    if (m.Choice[Oral][row])
        RemoveOralRole(m, count, row);
    const int other = NextChosen(m, 2, count, Oral);
    if (other >= 0 && other < count && m.Choice[Oral][other])
        showHint(m, ui, m.name(other) + OtherOralHint);
}

void RemoveOralRole(Model &m, int count, int row)
{
    m.Choice[Oral][row] = false;
    m.FaecherSgr.setCell(3, row, QString());
    m.Grades[4][row] &= quint8(~ExamResult);
    const int exam = ExamGradeColumn(count, 5);
    m.Grades[3][exam] = 0;
    if (row == m.BLLRow) {
        // The oral result goes back to being the achievement's total grade;
        // without a result there is no grade to give back.
        const quint8 result = m.Grades[2][exam];
        const quint8 total = result != 0 ? quint8((result & PointsMask) | GradePresent) : 0;
        m.Grades[1][row] = total;
        m.Grades[2][row] = total;
        if (m.name(row).contains(QStringLiteral("Sem"))) {
            SetCourse(m, row, 1, QStringLiteral(" 3"));
            SetCourse(m, row, 2, QStringLiteral(" 3"));
        }
    }
    m.Grades[2][exam] = 0;
}

void WithdrawOralWithoutSocialWritten(Model &m, int count, int row)
{
    if (CountChosen(m, count, Oral) == 0 || m.field(row) != Letter_g)
        return;
    const int oral = NextChosen(m, 1, count, Oral);
    const bool social = oral >= FindField(m, count, Letter_g) && oral <= FindField(m, count, Letter_n);
    if (social || m.BLLField == 2 || !m.Choice[Oral][oral])
        return;
    // The whole oral role goes: mark, exam grades, the BLL's own grade.
    RemoveOralRole(m, count, oral);
}

} // namespace tamb
