#include "rules/StudyGroups.h"

#include "model/Model.h"
#include "rules/Dispatch.h"

#include <QString>

namespace tamb {

namespace {

constexpr int StudyGroupRow = SubjectCount;
constexpr int HalfYearColumnWidth = 20;
// Left edge of half-year 1 in row 30, beside the panel "Arbeitsgemeinschaften".
constexpr int FirstHalfYearLeft = 179;
constexpr int StudyGroupTop = 639;

} // namespace

void ShowHoursEditor(Model &m, int col)
{
    if (col < 4 || col > 7)
        return;
    MainView &v = m.view;
    v.hoursEditorTop = StudyGroupTop;
    v.hoursEditorWidth = HalfYearColumnWidth;
    v.hoursEditorLeft = FirstHalfYearLeft + (col - 4) * (HalfYearColumnWidth + 1);
    v.hoursEditorColumn = col;
    v.hoursEditorVisible = true;
}

void AGStdEdKeyDown(Model &m, Interaction &ui, int key, const QString &typed)
{
    MainView &v = m.view;
    if (key == Qt::Key_Escape) {
        v.hoursEditorVisible = false;
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (v.hoursEditorText.isEmpty())
            v.hoursEditorText = QStringLiteral("0");
        bool ok = false;
        const int hours = v.hoursEditorText.toInt(&ok);
        // The editor writes into the column it was opened over, whatever
        // was clicked since.
        const int col = v.hoursEditorColumn;
        if (ok) {
            if (hours < 1 || hours > 9)
                m.FaecherSgr.setCell(col, StudyGroupRow, QString());
            else
                m.FaecherSgr.setCell(col, StudyGroupRow, QStringLiteral("  ") + QString::number(hours));
            v.hoursEditorVisible = false;
        }
    }

    // Only the last character typed stays in the editor.
    v.hoursEditorText.clear();
    const bool printable = typed.size() == 1 && typed.at(0).isPrint();
    if (v.hoursEditorVisible && printable && key != Qt::Key_Escape && key != Qt::Key_Return
        && key != Qt::Key_Enter)
        v.hoursEditorText = typed;
    Refresh(m, ui);
}

} // namespace tamb
