#pragma once

#include <QString>

namespace tamb {

class TextGrid;

// What a screen reader says for a cell of the grades grid
// ("Englisch, Halbjahr 2: 12 Punkte", "Englisch, Halbjahr 2: keine Note").
QString GradeCellName(const TextGrid &grid, int col, int row);

} // namespace tamb
