#pragma once

#include <QString>

namespace tamb {

struct Model;

// What a screen reader says for a cell of the course table
// ("Englisch, Kernfach", "Englisch, Halbjahr 2: Kurs, 4 Wochenstunden").
QString CourseCellName(const Model &m, int col, int row);
// Tooltip of a column head of the course table ("K: Kernfach").
QString CourseHeadTip(int col);

} // namespace tamb
