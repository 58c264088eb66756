#pragma once

#include "grades/GradesView.h"

#include <QString>
#include <Qt>
#include <optional>

namespace tamb {

struct Model;
class Interaction;

// Keys that the grade editors hand on; Click is a click into the editor.
enum class EditKey { Return, Down, Right, Delete, Escape, Click };

// Mouse-up on the courses grid: the left button starts a mode, deletes,
// asks for a desired grade or fills with averages; the right button
// toggles whether a course is counted.
void NFaecherSgrMouseUp(Model &m, GradesView &g, Interaction &ui, int col, int row,
                        Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
// Mouse-up on the examinations grid.
void NPfaecherSgrMouseUp(Model &m, GradesView &g, int col, int row);
void Block1PnlClick(Model &m, GradesView &g);

// A key in the editor in use, with the editor's text. False when the key
// is not one of the mode's keys (the editor then handles it itself).
bool GradeEditorKey(Model &m, GradesView &g, Interaction &ui, EditKey key, const QString &text);

// The modes.
void StartHalfYearSeries(Model &m, GradesView &g, int h);
void StartSubjectSeries(Model &m, GradesView &g, int r);
void StartAllGradesSeries(Model &m, GradesView &g);
void StartWrittenResultsSeries(Model &m, GradesView &g);
void StartSingleGrade(Model &m, GradesView &g, int h, int r);
void StartSingleResult(Model &m, GradesView &g, int c, int e);
// Hides the editor and both labels.
void EndEntry(GradesView &g);

// After confirmation: the grades of half-year h, or every grade and result.
void DeleteHalfYear(Model &m, GradesView &g, Interaction &ui, int h);
void DeleteAllGrades(Model &m, GradesView &g, Interaction &ui);

// A key that would store the editor's text while the text is no grade
// (an empty text is no refusal: the single modes delete with it).
bool RefusedGradeInput(const GradesView &g, EditKey key, const QString &text);
// What a refused input is told: "0 bis 15 Punkte".
extern const QString GradeRangeHint;

// Points typed into an editor: a whole number from 0 to 15, or nothing.
std::optional<int> typedPoints(const QString &text);

// Stores a half-year grade (the special learning achievement's total in
// half-years 1 and 2) without recomputing.
void StoreGrade(Model &m, GradesView &g, int h, int r, int p);

// Manual optimisation, desired grade, averages fill.
void ToggleCounted(Model &m, GradesView &g, Interaction &ui, int h, int r);
void DesiredGrade(Model &m, GradesView &g, Interaction &ui, int h);
void FillWithAverages(Model &m, GradesView &g, int h);
// Whether ToggleCounted acts on cell (h + 2, r): a grade that is not compulsory.
bool CanToggleCounted(const Model &m, int h, int r);
// The half-year the tools of the menus act on: that of the cursor's column,
// else the first one with a missing grade, else the last.
int ToolHalfYear(const Model &m, const GradesView &g, int cursorCol);

} // namespace tamb
