#pragma once

// Choices set up directly, as loaded data would set them, for the tests of
// the whole-choice check, the Block I preview and the BLL dialog.

#include "TestSupport.h"

#include <initializer_list>

namespace tamb::test {

// Gives a subject exactly the listed half-years (1..4) with the given cell
// text; chosen when it has any.
inline void setCourses(Model &m, int row, std::initializer_list<int> halfYears,
                       const QString &hours = QStringLiteral(" 2"))
{
    for (int h = 1; h <= 4; ++h) {
        m.Choice[3 + h][row] = false;
        m.FaecherSgr.setCell(3 + h, row, QString());
    }
    for (int h : halfYears) {
        m.Choice[3 + h][row] = true;
        m.FaecherSgr.setCell(3 + h, row, hours);
    }
    m.Choice[Taken][row] = halfYears.size() > 0;
}

inline void setCore(Model &m, int row, int slot)
{
    setCourses(m, row, {1, 2, 3, 4}, QStringLiteral(" 4"));
    m.Choice[Core][row] = true;
    m.CoreSlots[slot] = quint8(row);
    m.FaecherSgr.setCell(1, row, QStringLiteral(" K"));
}

inline void setWritten(Model &m, int row, bool on = true)
{
    m.Choice[Written][row] = on;
    m.FaecherSgr.setCell(2, row, on ? QStringLiteral(" s") : QString());
}

inline void setOral(Model &m, int row, bool on = true)
{
    m.Choice[Oral][row] = on;
    m.FaecherSgr.setCell(3, row, on ? QStringLiteral(" m") : QString());
}

inline void setStudyGroups(Model &m, const QString &cell)
{
    for (int col = 4; col <= 7; ++col)
        m.FaecherSgr.setCell(col, SubjectCount, cell);
}

// A complete choice of exactly 128 weekly hours (32 in each half-year) and
// 40 countable courses: core D, M, Englisch (slot 3), Physik (slot 4),
// Geschichte (slot 5); written D, M, E, Ph; oral ev. Religion; Bild. Kunst,
// Chemie, Sport, Gk and Geo by default; study groups 2 hours each half-year.
inline Model completeModel()
{
    Model m = startedModel();
    setCore(m, 2, 3);
    setCore(m, 16, 4);
    setCore(m, 8, 5);
    setWritten(m, 2);
    setWritten(m, 16);
    setCourses(m, 12, {1, 2, 3, 4});
    setOral(m, 12);
    setCourses(m, 6, {1, 2, 3, 4});
    setCourses(m, 17, {1, 2, 3, 4});
    setStudyGroups(m, QStringLiteral("  2"));
    return m;
}

} // namespace tamb::test
