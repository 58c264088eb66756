#pragma once

#include <QString>

namespace tamb {

struct Model;
class Interaction;

// Click in column K.
void CoreRule(Model &m, Interaction &ui, int count, int row);
// A sixth core subject: offer four-hour courses instead.
void FourHourQuestion(Model &m, Interaction &ui, int count, int row);
// The refusal of a click on a fixed core subject with five chosen.
extern const QString CoreCountHint;
// Frees the core slot of `row` and moves the later slots up where allowed.
void FreeCoreSlot(Model &m, int row);
// Takes the core role away from `row` as a click on " K" does (not from
// Deutsch and Mathematik): slot freed, courses kept as two-hour courses,
// no longer written. Every rule that takes the role away calls it.
void RemoveCoreRole(Model &m, int count, int row);

} // namespace tamb
