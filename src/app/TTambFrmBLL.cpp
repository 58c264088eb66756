// Main window: the special learning achievement dialog.
#include "app/TTambFrm.h"

#include "rules/ui/TBLLFrm.h"

namespace tamb {

void TTambFrm::openBLLDialog()
{
    // One dialog at a time; it releases itself when closed.
    if (!m_bllFrm)
        m_bllFrm = new TBLLFrm(m_model, *m_ui, [this] { commitStep(QStringLiteral("Besondere Lernleistung")); }, this);
    m_bllFrm->show();
    m_bllFrm->raise();
    m_bllFrm->activateWindow();
}

void TTambFrm::followBLLDialog()
{
    if (auto *dialog = qobject_cast<TBLLFrm *>(m_bllFrm.data()))
        dialog->followModel();
}

} // namespace tamb
