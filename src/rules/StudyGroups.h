#pragma once

namespace tamb {

struct Model;
class Interaction;

// Places the hours editor over cell (col, 30).
void ShowHoursEditor(Model &m, int col);

} // namespace tamb
