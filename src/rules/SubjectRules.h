#pragma once

namespace tamb {

struct Model;
class Interaction;

// Click on a subject's name (column 0), or dropping called by another rule.
void SubjectRule(Model &m, Interaction &ui, int col, int row);
// Click in a half-year column 4..7 of a subject row.
void HalfYearRule(Model &m, Interaction &ui, int col, int row);

} // namespace tamb
