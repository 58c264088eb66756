#pragma once

namespace tamb {

struct Model;

// The roles a subject holds, read from the flags. Every rule and every
// display asks these, so that a role taken away is gone everywhere.

// The oral role: the flag, and for the special learning achievement only
// while it is chosen (a form picked in its dialog).
bool HoldsOralRole(const Model &m, int row);
// The row that holds the oral role, 0 if none. With more than one flag
// (damaged files only) the last row, as the grades window lists it.
int OralSubject(const Model &m);

// Core slots 3 to 5 from the core flags, in the order that reading a file
// gives them: languages by catalog order into 3, 4, 5; sciences into 4 or
// 5; any other subject into 5. A choice thus shows the same slots before
// saving and after opening.
void ArrangeCoreSlots(Model &m);

// Rows 3 to 6 of the exam overview `PfaecherSgr` from the roles (rows 1
// and 2, Deutsch and Mathematik, are fixed): the core subjects by slot in
// column 1, beside them in column 4 the written ones (with four written
// subjects, " -----" in the first slot left unwritten), and the oral
// subject with " m P" in row 6. Arranges the slots first. The refresh runs
// it, so no rule writes the overview itself.
void ShowExamOverview(Model &m);

} // namespace tamb
