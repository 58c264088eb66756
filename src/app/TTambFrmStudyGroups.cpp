// Main window: the study-group hours editor over row 30.
#include "app/TTambFrm.h"

namespace tamb {

void TTambFrm::hoursEditorKey(int, const QString &)
{
    // TODO(check): AGStdEdKeyDown.
}

} // namespace tamb
