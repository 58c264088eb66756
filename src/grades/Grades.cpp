// Grades window: rows, stored grades and the whole recomputation.
#include "grades/Grades.h"

#include <algorithm>
#include <array>

#include "model/Model.h"

namespace tamb {

namespace {

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

const QString GradeHeaders[7] = {QStringLiteral("Fächer"), QStringLiteral("Art"),
                                 QStringLiteral(" Prf"),   QStringLiteral(" 1"),
                                 QStringLiteral(" 2"),     QStringLiteral(" 3"),
                                 QStringLiteral(" 4")};
const QString ExamHeaders[4] = {QStringLiteral("Prüfungsfächer"), QStringLiteral("  s"),
                                QStringLiteral("  m"), QStringLiteral("gesamt")};

void writeHeaders(GradesView &g)
{
    for (int c = 0; c < 7; ++c)
        g.NFaecherSgr.setCell(c, 0, GradeHeaders[c]);
    for (int c = 0; c < 4; ++c)
        g.NPfaecherSgr.setCell(c, 0, ExamHeaders[c]);
}

// The name shown for the fifth component: the seminar course as special
// learning achievement gets its own.
QString oralComponentName(const Model &m, int row)
{
    if (row == m.BLLRow && m.name(row).contains(QStringLiteral("Sem")))
        return QStringLiteral("Seminarkurs (BLL)");
    return m.name(row);
}

} // namespace

namespace {

QString buildPresent(int p)
{
    return blanks(p <= 9 ? 4 : 3) + QString::number(p);
}

QString buildResult(int p)
{
    return blanks(p <= 9 ? 3 : 2) + QString::number(p);
}

QString buildCounted(int p)
{
    return blanks(p <= 9 ? 4 : 2) + QString::number(p);
}

QString buildUncounted(int p)
{
    return blanks(p < 10 ? 3 : 2) + QLatin1Char('(') + QString::number(p) + QLatin1Char(')');
}

QString buildTyped(int p)
{
    return (p <= 9 ? QStringLiteral(" ") : QString()) + QString::number(p);
}

// The texts of 0..15 points are made once: Block I rewrites every grade
// cell on each run. They are kept in static storage like literals, so that
// copies need no reference counting (several threads copy them at once).
constexpr qsizetype Room = 16;

template<QString (*Build)(int)>
QString gradeText(int p)
{
    if (p < 0 || p > 15)
        return Build(p);
    static char16_t storage[16][Room];
    static const std::array<QString, 16> texts = [] {
        std::array<QString, 16> t;
        for (int points = 0; points < 16; ++points) {
            const QString built = Build(points);
            const qsizetype size = qMin(built.size(), Room);
            Q_ASSERT(size == built.size());
            std::copy_n(built.utf16(), size, storage[points]);
            t[points] = QString::fromRawData(reinterpret_cast<const QChar *>(storage[points]),
                                             size);
        }
        return t;
    }();
    return texts[p];
}

} // namespace

QString presentGradeText(int p)
{
    return gradeText<buildPresent>(p);
}

QString resultText(int p)
{
    return gradeText<buildResult>(p);
}

QString countedGradeText(int p)
{
    return gradeText<buildCounted>(p);
}

QString uncountedGradeText(int p)
{
    return gradeText<buildUncounted>(p);
}

QString typedGradeText(int p)
{
    return gradeText<buildTyped>(p);
}

void RefreshGrades(Model &m, GradesView &g, int rows)
{
    rows = qBound(1, rows, SubjectCount);
    g.Rows = rows;
    if (g.NFaecherSgr.rowCount() != rows)
        g.NFaecherSgr.resize(7, rows);
    g.NFaecherSgr.clear();
    writeHeaders(g);
    g.caption = m.SchoolName + QStringLiteral(" - Noten und Abitur");

    for (int r = 1; r < rows; ++r) {
        g.NFaecherSgr.setCell(0, r, m.name(r));
        if (m.Choice[Core][r])
            g.NFaecherSgr.setCell(1, r, QStringLiteral(" K"));
        if (m.Choice[Written][r])
            g.NFaecherSgr.setCell(2, r, QStringLiteral(" s"));
        if (m.Choice[Oral][r])
            g.NFaecherSgr.setCell(2, r, QStringLiteral(" m"));
        for (int h = 1; h <= 4; ++h)
            if (m.Choice[h + 3][r])
                g.NFaecherSgr.setCell(h + 2, r, QStringLiteral("-"));
    }

    // Examination subjects: the written ones in catalog order, then the oral one.
    for (int e = 1; e <= 5; ++e)
        g.NPfaecherSgr.setCell(0, e, QString());
    int e = 1;
    for (int r = 1; r < rows && e <= 4; ++r)
        if (m.Choice[Written][r])
            g.NPfaecherSgr.setCell(0, e++, m.name(r));
    for (int r = 1; r < rows; ++r)
        if (m.Choice[Oral][r])
            g.NPfaecherSgr.setCell(0, 5, oralComponentName(m, r));

    FillGradeGrids(m, g, rows);
    RecomputeAll(m, g);
}

void FillGradeGrids(const Model &m, GradesView &g, int rows)
{
    rows = qBound(1, rows, SubjectCount);
    g.NPfaecherSgr.clearCells(1, 3, 1, 5);
    g.NFaecherSgr.clearCells(3, 6, 1, rows - 1);

    for (int r = 1; r < rows; ++r) {
        for (int h = 1; h <= 4; ++h) {
            if (!m.Choice[h + 3][r])
                continue;
            const quint8 b = m.Grades[h][r];
            if (b != 0)
                g.NFaecherSgr.setCell(h + 2, r, presentGradeText(points(b)));
            else if (!(r == m.BLLRow && h >= 3))
                g.NFaecherSgr.setCell(h + 2, r, QStringLiteral(" --"));
        }
    }

    // A special learning achievement without courses: its total grade in
    // the columns of half-years 1 and 2.
    const int bll = m.BLLRow;
    if (bll > 0 && bll < rows && m.Choice[Taken][bll] && !m.Choice[HalfYear1][bll]
        && !m.Choice[HalfYear2][bll] && m.Grades[1][bll] != 0) {
        const QString text = resultText(points(m.Grades[1][bll]));
        g.NFaecherSgr.setCell(3, bll, text);
        g.NFaecherSgr.setCell(4, bll, text);
    }

    // Written and oral results. The "gesamt" column holds component points
    // up to 60, which its byte cannot keep; only Block II writes it.
    for (int e = 1; e <= 5; ++e)
        for (int c = 1; c <= 2; ++c) {
            const quint8 b = m.Grades[c][examColumn(rows, e)];
            if (b != 0)
                g.NPfaecherSgr.setCell(c, e, resultText(points(b)));
        }
}

namespace {

// After Block I: the reasons against admission, or Block II and the total.
void showAdmissionOrTotal(Model &m, GradesView &g)
{
    if (g.AdmissionFlags != 0)
        ShowNonAdmission(g);
    else
        ComputeBlockII(m, g);
}

} // namespace

void RecomputeAll(Model &m, GradesView &g)
{
    ComputeBlockI(m, g);
    showAdmissionOrTotal(m, g);
}

void RecomputeKeepingSelection(Model &m, GradesView &g)
{
    ComputeBlockIKeepingSelection(m, g);
    showAdmissionOrTotal(m, g);
}

QList<QPoint> NeededResults(const Model &m)
{
    QList<QPoint> needed;
    int e = 1;
    for (int r = 1; r < SubjectCount && e <= 4; ++r)
        if (m.Choice[Written][r])
            needed.append(QPoint(1, e++));
    for (int r = 1; r < SubjectCount; ++r)
        if (m.Choice[Oral][r]) {
            needed.append(QPoint(2, 5));
            break;
        }
    return needed;
}

void RecomputeBlockIOnly(Model &m, GradesView &g)
{
    ComputeBlockI(m, g);
    if (g.AdmissionFlags != 0)
        ShowNonAdmission(g);
    else
        g.NzulGBx.visible = false;
}

} // namespace tamb
