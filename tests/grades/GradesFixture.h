#pragma once

// Pupil records for the grades tests: a complete choice with its Block I
// markers written directly, independent of the course rules.

#include "TestSupport.h"

#include "grades/Grades.h"
#include "grades/GradesView.h"

#include <QList>
#include <QString>

namespace tamb::test {

namespace rows {
constexpr int D = 1, E = 2, F = 3, L = 4, BK = 6, Mu = 7, G = 8, Gk = 9, Geo = 10, W = 11,
              Ev = 12, Rk = 13, Et = 14, M = 15, Ph = 16, Ch = 17, B = 18, S = 19, BLL = 20,
              Inf = 25;
}

inline void clearChoice(Model &m)
{
    for (auto &line : m.Choice)
        for (bool &flag : line)
            flag = false;
    for (int r = 1; r <= SubjectCount; ++r)
        for (int c = 1; c <= 8; ++c)
            m.FaecherSgr.setCell(c, r, QString());
    for (auto &line : m.Grades)
        for (quint8 &b : line)
            b = 0;
}

// Takes a subject with courses in the given half-years and its Block I marker.
inline void take(Model &m, int row, const QList<int> &halfYears, const QString &marker,
                 bool core = false, bool written = false, bool oral = false)
{
    m.Choice[Taken][row] = true;
    m.Choice[Core][row] = core;
    m.Choice[Written][row] = written;
    m.Choice[Oral][row] = oral;
    for (int h = 1; h <= 4; ++h) {
        m.Choice[h + 3][row] = halfYears.contains(h);
        m.FaecherSgr.setCell(h + 3, row, halfYears.contains(h) ? QStringLiteral(" 4") : QString());
    }
    m.FaecherSgr.setCell(1, row, core ? QStringLiteral(" K") : QString());
    m.FaecherSgr.setCell(2, row, written ? QStringLiteral(" s") : QString());
    m.FaecherSgr.setCell(3, row, oral ? QStringLiteral(" m") : QString());
    m.FaecherSgr.setCell(8, row, marker);
}

inline void drop(Model &m, int row)
{
    for (int c = 0; c < 8; ++c)
        m.Choice[c][row] = false;
    for (int c = 1; c <= 8; ++c)
        m.FaecherSgr.setCell(c, row, QString());
    for (int h = 1; h <= 4; ++h)
        m.Grades[h][row] = 0;
}

const QList<int> AllYears = {1, 2, 3, 4};

// D, M, E core; D, M, E, B written; G oral; F, BK (without Musik), ev,
// Ph, Sport, Gk and Geo. 44 courses, 30 of them compulsory:
// D, E, G, M, Ph, B 4 each, BK 2, Gk 2, Geo 2.
inline Model pupilModel()
{
    Model m = startedModel();
    clearChoice(m);
    using namespace rows;
    take(m, D, AllYears, QStringLiteral("4*"), true, true);
    take(m, E, AllYears, QStringLiteral("4*"), true, true);
    take(m, F, AllYears, QStringLiteral("4"));
    take(m, BK, AllYears, QStringLiteral("4(2*)"));
    take(m, G, AllYears, QStringLiteral("4*"), false, false, true);
    take(m, Gk, {1, 4}, QStringLiteral("2*"));
    take(m, Geo, {2, 3}, QStringLiteral("2*"));
    take(m, Ev, AllYears, QStringLiteral("4"));
    take(m, M, AllYears, QStringLiteral("4*"), true, true);
    take(m, Ph, AllYears, QStringLiteral("4*"));
    take(m, B, AllYears, QStringLiteral("4*"), false, true);
    take(m, S, AllYears, QStringLiteral("4"));
    m.CoreSlots[3] = E;
    m.GridRows = SubjectCount;
    return m;
}

inline void setGrade(Model &m, int row, int h, int p)
{
    m.Grades[h][row] = quint8(p | GradePresent);
}

inline void setGrades(Model &m, int row, const QList<int> &points)
{
    for (int h = 1; h <= 4; ++h)
        m.Grades[h][row] = 0;
    int i = 0;
    for (int h = 1; h <= 4 && i < points.size(); ++h)
        if (m.Choice[h + 3][row]) {
            if (points[i] >= 0)
                setGrade(m, row, h, points[i]);
            ++i;
        }
}

// Every course of the choice gets p points.
inline void setAllGrades(Model &m, int p)
{
    for (int r = 1; r < SubjectCount; ++r)
        for (int h = 1; h <= 4; ++h)
            m.Grades[h][r] = m.Choice[h + 3][r] ? quint8(p | GradePresent) : 0;
}

// Every course of the compulsory rows gets c points, every other one o.
inline void setCompulsoryAndOthers(Model &m, int c, int o)
{
    using namespace rows;
    setAllGrades(m, o);
    for (int r : {D, E, G, Gk, Geo, M, Ph, B})
        for (int h = 1; h <= 4; ++h)
            if (m.Choice[h + 3][r])
                setGrade(m, r, h, c);
    // The two best courses of art are compulsory.
    setGrade(m, BK, 1, c);
    setGrade(m, BK, 2, c);
}

// Examination result: e = 1..5, c = 1 written, 2 oral.
inline void setExam(Model &m, int e, int c, int p)
{
    m.Grades[c][examColumn(m.GridRows, e)] = quint8(p | GradePresent | ExamResult);
}

inline void setWrittenExams(Model &m, const QList<int> &written, const QList<int> &oral,
                            int fifth)
{
    for (int e = 1; e <= 4; ++e) {
        m.Grades[1][examColumn(m.GridRows, e)] = 0;
        m.Grades[2][examColumn(m.GridRows, e)] = 0;
        if (e <= written.size() && written[e - 1] >= 0)
            setExam(m, e, 1, written[e - 1]);
        if (e <= oral.size() && oral[e - 1] >= 0)
            setExam(m, e, 2, oral[e - 1]);
    }
    m.Grades[2][examColumn(m.GridRows, 5)] = 0;
    if (fifth >= 0)
        setExam(m, 5, 2, fifth);
}

inline int countedCourses(const Model &m, int row)
{
    int n = 0;
    for (int h = 1; h <= 4; ++h)
        if (m.Grades[h][row] & Counted)
            ++n;
    return n;
}

// "1100": which half-years of a row carry the given bits.
inline QString bitsPattern(const Model &m, int row, quint8 bits)
{
    QString s;
    for (int h = 1; h <= 4; ++h)
        s += (m.Grades[h][row] & bits) == bits ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

} // namespace tamb::test
