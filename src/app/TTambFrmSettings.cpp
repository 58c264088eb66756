// Main window: the settings dialog.
#include "app/TTambFrm.h"

namespace tamb {

void TTambFrm::openSettingsDialog()
{
    // TODO(settings): create and show TEinstellungenFrm, hide the main window.
}

} // namespace tamb
