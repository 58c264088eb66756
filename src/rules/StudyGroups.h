#pragma once

class QString;

namespace tamb {

struct Model;
class Interaction;

// Places the hours editor `AGStdEd` over cell (col, 30) and shows it.
void ShowHoursEditor(Model &m, int col);

// Every key pressed in the hours editor: `key` is a Qt::Key code, `typed`
// the text the key produces. One digit confirmed with Enter is stored;
// 0 or an empty editor clears the half-year, Escape hides the editor.
void AGStdEdKeyDown(Model &m, Interaction &ui, int key, const QString &typed);

} // namespace tamb
