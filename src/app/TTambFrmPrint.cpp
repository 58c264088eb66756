// Main window: printing.
#include "app/TTambFrm.h"

namespace tamb {

void TTambFrm::DruckenClick()
{
    m_model.GridRows = SubjectCount;
    // TODO(print): personal data dialog, preview, print.
}

} // namespace tamb
