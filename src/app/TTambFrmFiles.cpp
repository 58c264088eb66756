// Main window: opening and saving selection files.
#include "app/TTambFrm.h"

namespace tamb {

void TTambFrm::OeffnenClick()
{
    // TODO(files): open a selection file.
}

void TTambFrm::WahlspeichernClick()
{
    // TODO(files): save the choice.
}

void TTambFrm::WahlundNotenMPClick()
{
    // TODO(files): save the choice and grades.
}

bool TTambFrm::saveBeforeClose(CloseAction action)
{
    // Saving does not exist yet: the window stays open.
    return action == CloseAction::Close;
}

} // namespace tamb
