// Main window: the grades window ("Noten").
#include "app/TTambFrm.h"

namespace tamb {

void TTambFrm::NotenClick()
{
    m_model.GridRows = SubjectCount;
    openGradesWindow();
}

void TTambFrm::openGradesWindow()
{
    // TODO(grades): create and show TNotenfrm.
}

} // namespace tamb
