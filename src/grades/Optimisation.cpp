// What-if tools: counting a course by hand, a desired grade for a
// half-year, and filling later half-years with averages.
#include "grades/GradeEntry.h"

#include "grades/Grades.h"
#include "model/Interaction.h"
#include "model/Model.h"

namespace tamb {

namespace {

int rowsOf(const GradesView &g) { return qBound(1, g.Rows, SubjectCount); }

bool hasCourse(const Model &m, int h, int r) { return m.Choice[h + 3][r]; }

// A grade released from Block I by hand.
QString releasedText(int p, bool doubleCourse)
{
    if (p <= 9)
        return QStringLiteral("   (") + QString::number(p) + QLatin1Char(')');
    return (doubleCourse ? QStringLiteral("  (") : QStringLiteral(" (")) + QString::number(p)
           + QLatin1Char(')');
}

} // namespace

void ToggleCounted(Model &m, GradesView &g, Interaction &ui, int h, int r)
{
    const int rows = rowsOf(g);
    if (h < 1 || h > 4 || r < 1 || r >= rows)
        return;
    const quint8 b = m.Grades[h][r];
    if (b == 0 || (b & Compulsory))
        return;

    const CountedCourses now = CountCountedCourses(m, rows);
    const int blockI = BlockIPoints(now.count, now.sum);
    const int p = points(b);
    // The total of a special learning achievement without courses counts as
    // two courses; a seminar course's courses count like any other.
    const bool twice = r == m.BLLRow && CountsDouble(m) && h <= 2;
    const int weight = twice ? 2 : 1;
    const bool counted = b & Counted;
    int count = now.count;
    int sum = now.sum;
    if (!counted) {
        count += weight;
        sum += weight * p;
    } else if (twice ? now.count > 41 : now.count >= 41) {
        count -= weight;
        sum -= weight * p;
    } else {
        return;
    }

    const int changed = BlockIPoints(count, sum);
    if (changed >= blockI)
        return;
    if (ui.messageBox(BoxKind::Confirmation,
                      QStringLiteral("Dieser Vorgang wird die Punktsumme in Block I verringern.\r\n"
                                     "Trotzdem durchführen?"),
                      Buttons::YesNo)
        != Answer::Yes)
        return;

    if (twice) {
        for (int k = 1; k <= 2; ++k)
            m.Grades[k][r] = counted ? quint8(m.Grades[k][r] & ~Counted)
                                     : quint8(m.Grades[k][r] | Counted);
    } else {
        m.Grades[h][r] = counted ? quint8(b & ~Counted) : quint8(b | Counted);
    }
    // Under-5 count, admission, Block II, total and average follow the
    // courses counted now; the tool's own texts are shown over them.
    RecomputeKeepingSelection(m, g);
    const QString text = counted ? releasedText(p, twice) : countedGradeText(p);
    if (twice) {
        g.NFaecherSgr.setCell(3, r, text);
        g.NFaecherSgr.setCell(4, r, text);
    } else {
        g.NFaecherSgr.setCell(h + 2, r, text);
    }
    g.PSersterBlockPl.text = QString::number(changed);
    g.ErsterBlockLbl.text = QStringLiteral("Punktsumme aus ") + QString::number(count)
                            + QStringLiteral(" einfach gewerteten Kursen");
}

void DesiredGrade(Model &m, GradesView &g, Interaction &ui, int h)
{
    if (h < 1 || h > 4)
        return;
    int value = -1;
    while (value < 0 || value > 15) {
        const std::optional<QString> answer =
            ui.inputQuery(QStringLiteral("Wunschnote"),
                          QStringLiteral("Bitte geben Sie die gewünschte Note ein:"),
                          QStringLiteral("15"));
        if (!answer)
            return; // cancelled: nothing changes
        bool ok = false;
        value = answer->trimmed().toInt(&ok);
        if (!ok) {
            ui.messageBox(BoxKind::Error,
                          QStringLiteral("'") + *answer + QStringLiteral("' ist kein gültiger Integerwert"),
                          Buttons::Ok);
            return;
        }
    }
    for (int r = 1; r < rowsOf(g); ++r) {
        if (!hasCourse(m, h, r))
            continue;
        StoreGrade(m, g, h, r, value);
        RecomputeBlockIOnly(m, g);
    }
    // Block II and the total follow the new Block I.
    RecomputeAll(m, g);
}

void FillWithAverages(Model &m, GradesView &g, int h)
{
    if (h < 1 || h > 4)
        return;
    const int rows = rowsOf(g);
    for (int k = h; k <= 4; ++k)
        for (int r = 1; r < rows; ++r)
            if (hasCourse(m, k, r)) {
                m.Grades[k][r] = 0;
                g.NFaecherSgr.setCell(k + 2, r, QStringLiteral(" --"));
            }
    // Half-year 4 is always among them: the examinations are not yet taken.
    for (int e = 1; e <= 5; ++e)
        for (int c = 1; c <= 3; ++c) {
            m.Grades[c][examColumn(rows, e)] = 0;
            g.NPfaecherSgr.setCell(c, e, QString());
        }

    for (int r = 1; r < rows; ++r) {
        bool later = false;
        for (int k = h; k <= 4; ++k)
            later = later || hasCourse(m, k, r);
        if (!later)
            continue;
        // Each subject's own average of its earlier grades, cut to a whole number.
        int sum = 0;
        int n = 0;
        for (int k = 1; k < h; ++k)
            if (m.Grades[k][r] != 0) {
                sum += points(m.Grades[k][r]);
                ++n;
            }
        const int fill = n > 0 ? sum / n : 5;
        for (int k = h; k <= 4; ++k)
            if (hasCourse(m, k, r))
                StoreGrade(m, g, k, r, fill);
        RecomputeBlockIOnly(m, g);
    }
    RecomputeAll(m, g);
}

bool CanToggleCounted(const Model &m, int h, int r)
{
    return h >= 1 && h <= 4 && r >= 1 && r < SubjectCount && m.Grades[h][r] != 0
           && !(m.Grades[h][r] & Compulsory);
}

int ToolHalfYear(const Model &m, const GradesView &g, int cursorCol)
{
    if (cursorCol >= 3 && cursorCol <= 6)
        return cursorCol - 2;
    for (int h = 1; h <= 4; ++h)
        for (int r = 1; r < rowsOf(g); ++r)
            if (hasCourse(m, h, r) && m.Grades[h][r] == 0 && !(r == m.BLLRow && h >= 3))
                return h;
    return 4;
}

} // namespace tamb
