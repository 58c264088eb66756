#pragma once

#include <QString>

namespace tamb {

struct Model;
class Interaction;

extern const QString ProgramInfoText;
QString ScreenWarningText(int width, int height);
QString CloseQuestionText(const Model &m);

// Start sequence of the main window: information, screen check, catalog,
// settings (with warning and notice), table, BLL row, first check.
void FormCreate(Model &m, Interaction &ui, int screenWidth, int screenHeight,
                const QString &workingDirectory);
// After the catalog and the settings: table laid out, BLL row found, first
// check (as at start, also for a model without a window).
void LayOutStartTable(Model &m, Interaction &ui);
// Showing the window: table laid out anew, title.
void FormShow(Model &m);
// Every repaint: names and the blocked exam marks.
void FormPaint(Model &m);
// "&Neu": a new form; `Modified` stays.
void NeuesFormularClick(Model &m, Interaction &ui);
// Answers to the settings notice. "Ja" also opens the settings dialog.
void EinstJaBtnClick(Model &m, Interaction &ui);
void EinstNeinBtnClick(Model &m);

enum class CloseAction { Close, Stay, SaveChoice, SaveChoiceAndGrades };
// Asked before the main window closes.
CloseAction FormCloseQuery(Model &m, Interaction &ui);

} // namespace tamb
