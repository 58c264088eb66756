#pragma once

#include <QString>

namespace tamb {

struct Model;
class Interaction;

// Click on a subject's name (column 0), or dropping called by another rule.
void SubjectRule(Model &m, Interaction &ui, int col, int row);
// Click in a half-year column 4..7 of a subject row.
void HalfYearRule(Model &m, Interaction &ui, int col, int row);

// Course of `row` in half-year 1..4: flag and cell together.
void SetCourse(Model &m, int row, int halfYear, const QString &text);
void ClearCourse(Model &m, int row, int halfYear);
// Grades of the four half-year courses of `row`.
void ClearCourseGrades(Model &m, int row);
// Taking the compulsory-area language `row` withdraws the elective-area
// language of the same name (row 29).
void WithdrawElectiveLanguage(Model &m, int count, int row);

} // namespace tamb
