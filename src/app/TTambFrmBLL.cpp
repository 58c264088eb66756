// Main window: the special learning achievement dialog.
#include "app/TTambFrm.h"

namespace tamb {

void TTambFrm::openBLLDialog()
{
    // TODO(check): create and show TBLLFrm.
}

} // namespace tamb
