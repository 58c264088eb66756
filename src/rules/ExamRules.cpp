#include "rules/ExamRules.h"

#include "model/Interaction.h"
#include "model/Model.h"

namespace tamb {

// TODO(rules): written and oral examination rules.
void WrittenRule(Model &, Interaction &, int, int) {}
void OralRule(Model &, Interaction &, int, int) {}

} // namespace tamb
