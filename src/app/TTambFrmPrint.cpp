// Main window: printing.
#include "app/TTambFrm.h"

#include "print/ui/PrintJob.h"
#include "print/ui/TDruckFrm.h"
#include "print/ui/TPersDatenFrm.h"

#include <QPrintDialog>
#include <QPrinter>

namespace tamb {

void TTambFrm::DruckenClick()
{
    m_model.GridRows = SubjectCount;
    // The personal data dialog and its preview live for this one use.
    QPointer<TPersDatenFrm> dialog =
        new TPersDatenFrm(m_model, *m_ui, PersonalDataUse::Print, this);
    auto *preview = new TDruckFrm(m_model, dialog);
    m_persDatenFrm = dialog.data();
    m_druckFrm = preview;

    connect(dialog, &TPersDatenFrm::previewRequested, preview, [dialog, preview] {
        preview->setWahlart(dialog->wahlartText());
        preview->exec();
    });
    connect(dialog, &TPersDatenFrm::printRequested, this, [this, dialog] {
        QPrinter printer(QPrinter::HighResolution);
        PrepareFormPrinter(printer);
        QPrintDialog setup(&printer, dialog);
        if (setup.exec() != QDialog::Accepted)
            return;
        if (!PrintForm(printer, m_model, m_model.GridRows, m_model.PersonalData,
                       dialog->wahlartText()))
            m_ui->beep();
    });

    dialog->exec();
    delete dialog.data();
    refreshView();
}

} // namespace tamb
