// Main window: the settings dialog.
#include "app/TTambFrm.h"

#include "app/TEinstellungenFrm.h"
#include "grades/ui/TNotenfrm.h"
#include "model/History.h"
#include "rules/Dispatch.h"

namespace tamb {

void TTambFrm::openSettingsDialog()
{
    if (!m_einstellungenFrm) {
        auto *frm = new TEinstellungenFrm(m_model);
        m_einstellungenFrm = frm;
        connect(frm, &TEinstellungenFrm::closed, this, [this, frm](bool apply) {
            const Model before = m_model;
            // Closing applies the settings and writes them; a failure has
            // been reported and they hold for this run. "Abbrechen" takes
            // back what the picks changed at once.
            if (apply)
                frm->editor().FormClose(*m_ui);
            else
                frm->editor().Cancel();
            // The dialog goes away; the next use creates it anew.
            m_einstellungenFrm = nullptr;
            frm->deleteLater();
            // Showing lays the table out with the new catalog and sets the
            // title; the refresh then recomputes what depends on the choice.
            show();
            Refresh(m_model, *m_ui);
            refreshView();
            // Steps made with other school settings cannot be taken back.
            FormPaint(m_model);
            if (!SameSchool(before, m_model))
                m_history.clear();
            settle();
            updateEditActions();
            // An open grades window shows the school's new name and subjects.
            if (auto *grades = qobject_cast<TNotenfrm *>(m_notenFrm.data()); grades && grades->isVisible())
                grades->FormActivate();
        });
    }
    m_einstellungenFrm->show();
    m_einstellungenFrm->activateWindow();
    hide();
}

} // namespace tamb
