#pragma once

namespace tamb {

struct Model;
class Interaction;

// Mouse-down in the course table at cell (col, row); -1 outside every cell.
void FaecherSgrMouseDown(Model &m, Interaction &ui, int col, int row);

// Recomputes the derived state: weekly hours, check, messages, and with a
// faultless choice the Block I preview, legend and menus.
void Refresh(Model &m, Interaction &ui);
// Steps 1 to 3 only (start, new form, closing the BLL dialog).
void RefreshChecks(Model &m, Interaction &ui);

void AfSemKLblClick(Model &m, Interaction &ui);
void ShowBLLDialog(Model &m, Interaction &ui);

} // namespace tamb
