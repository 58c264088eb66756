#include "rules/StudyGroups.h"

#include "model/Model.h"

namespace tamb {

// TODO(check): study-group hours editor.
void ShowHoursEditor(Model &, int) {}

} // namespace tamb
