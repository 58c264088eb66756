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

    preview->setInteraction(m_ui);
    // True once printed (the printer setup confirmed).
    auto print = [this, dialog](QWidget *parent) {
        QPrinter printer(QPrinter::HighResolution);
        PrepareFormPrinter(printer);
        QPrintDialog setup(&printer, parent);
        if (setup.exec() != QDialog::Accepted)
            return false;
        if (!PrintForm(printer, m_model, m_model.GridRows, m_model.PersonalData,
                       dialog->wahlartText()))
            m_ui->beep();
        return true;
    };
    connect(dialog, &TPersDatenFrm::previewRequested, preview, [dialog, preview] {
        preview->setWahlart(dialog->wahlartText());
        // Printed from the preview: done, as with the dialog's own button.
        if (preview->exec() == QDialog::Accepted)
            dialog->accept();
    });
    connect(dialog, &TPersDatenFrm::printRequested, this, [print, dialog] { print(dialog); });
    connect(preview, &TDruckFrm::printRequested, preview, [print, preview] {
        if (print(preview))
            preview->accept();
    });

    dialog->exec();
    delete dialog.data();
    refreshView();
}

} // namespace tamb
