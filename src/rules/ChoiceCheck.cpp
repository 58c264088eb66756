#include "rules/ChoiceCheck.h"

#include "model/Model.h"

namespace tamb {

// TODO(check): choice check and messages.
int CheckChoice(Model &, int) { return FaultCoreCount; }
void ShowMessages(Model &, int, int) {}
bool HasWrittenForeignLanguage(const Model &) { return false; }

} // namespace tamb
