#include "rules/Dispatch.h"

#include "model/Interaction.h"
#include "model/Model.h"
#include "rules/BlockIPreview.h"
#include "rules/ChoiceCheck.h"
#include "rules/CoreRules.h"
#include "rules/ExamOverview.h"
#include "rules/ExamRules.h"
#include "rules/StudyGroups.h"
#include "rules/SubjectRules.h"

namespace tamb {

void FaecherSgrMouseDown(Model &m, Interaction &ui, int col, int row)
{
    const int count = SubjectCount;
    m.ClickCol = col;
    m.ClickRow = row;
    m.view.hintShown = false;
    const GradeTable grades = GradesOf(m);

    const bool subjectRow = row >= 1 && row < count;
    switch (col) {
    case 0:
        if (subjectRow && row != 1 && row != 15)
            SubjectRule(m, ui, 0, row);
        break;
    case 1:
        if (subjectRow && m.Allowed[1][row])
            CoreRule(m, ui, count, row);
        break;
    case 2:
        if (subjectRow && m.Allowed[2][row])
            WrittenRule(m, ui, count, row);
        break;
    case 3:
        if (subjectRow && m.Allowed[3][row])
            OralRule(m, ui, count, row);
        break;
    case 4: case 5: case 6: case 7:
        if (row >= 0 && row < count)
            HalfYearRule(m, ui, col, row);
        else if (row == count)
            ShowHoursEditor(m, col);
        break;
    default:
        break;
    }
    // A click never hides grades changed before; a click that drops
    // grades is a change of the grades itself.
    if (col >= 0 && col < 8)
        NoteChange(m, GradesOf(m) != grades);
    Refresh(m, ui);
}

void RefreshChecks(Model &m, Interaction &)
{
    ShowExamOverview(m);
    SumWeeklyHours(m, SubjectCount);
    const int mask = CheckChoice(m, SubjectCount);
    ShowMessages(m, SubjectCount, mask);
}

void Refresh(Model &m, Interaction &)
{
    const int count = SubjectCount;
    // The overview and the core slots follow the roles before the check reads them.
    ShowExamOverview(m);
    SumWeeklyHours(m, count);
    const int mask = CheckChoice(m, count);
    ShowMessages(m, count, mask);
    if (mask == 0) {
        const bool enough = BlockIPreview(m, count);
        ShowLegend(m);
        m.view.menusEnabled = enough;
        return;
    }
    for (int row = 1; row < count; ++row) {
        int n = 0;
        for (int c = HalfYear1; c <= HalfYear4; ++c)
            n += m.Choice[c][row] ? 1 : 0;
        static const QString counts[5] = {QString(), QStringLiteral("    1"),
                                          QStringLiteral("    2"), QStringLiteral("    3"),
                                          QStringLiteral("    4")};
        m.FaecherSgr.setCell(8, row, counts[n]);
    }
    m.KurszSgr.setCell(1, 0, QString());
    m.KurszSgr.setCell(0, 0, QStringLiteral(" Im Block I anrechenbare Kurse (min. 40)"));
    const CourseCount courses = CountCourses(m, count);
    m.KurszSgr.setCell(1, 0, QStringLiteral("   ") + QString::number(courses.total));
    m.view.legendVisible = false;
    m.view.menusEnabled = false;
}

void ShowBLLDialog(Model &, Interaction &ui)
{
    ui.showWindow(Window::BLLDialog);
}

void AfSemKLblClick(Model &m, Interaction &ui)
{
    ShowBLLDialog(m, ui);
    Refresh(m, ui);
}

} // namespace tamb
