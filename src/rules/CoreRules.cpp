#include "rules/CoreRules.h"

#include "model/Interaction.h"
#include "model/Model.h"

namespace tamb {

// TODO(rules): core subject rule.
void CoreRule(Model &, Interaction &, int, int) {}
void FourHourQuestion(Model &, Interaction &, int, int) {}
void FreeCoreSlot(Model &, int) {}

} // namespace tamb
