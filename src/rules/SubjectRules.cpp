#include "rules/SubjectRules.h"

#include "model/Interaction.h"
#include "model/Model.h"

namespace tamb {

// TODO(rules): subject and half-year rules.
void SubjectRule(Model &, Interaction &, int, int) {}
void HalfYearRule(Model &, Interaction &, int, int) {}

} // namespace tamb
