// Main window: opening and saving selection files.
#include "app/TTambFrm.h"

#include "files/SaveOpen.h"
#include "print/ui/TPersDatenFrm.h"

namespace tamb {

void TTambFrm::OeffnenClick()
{
    tamb::OeffnenClick(m_model, *m_ui);
    refreshView();
}

void TTambFrm::WahlspeichernClick()
{
    showPersonalDataForSave(false);
}

void TTambFrm::WahlundNotenMPClick()
{
    showPersonalDataForSave(true);
}

bool TTambFrm::showPersonalDataForSave(bool withGrades)
{
    PrepareSave(m_model);
    QPointer<TPersDatenFrm> dialog = new TPersDatenFrm(
        m_model, *m_ui,
        withGrades ? PersonalDataUse::SaveSelectionWithGrades : PersonalDataUse::SaveSelection, this);
    m_persDatenFrm = dialog.data();
    dialog->exec();
    const bool saved = dialog && dialog->saved();
    delete dialog.data();
    refreshView();
    return saved;
}

bool TTambFrm::saveBeforeClose(CloseAction action)
{
    switch (action) {
    case CloseAction::Close:
        return true;
    case CloseAction::Stay:
        return false;
    case CloseAction::SaveChoice:
        return showPersonalDataForSave(false);
    case CloseAction::SaveChoiceAndGrades:
        return showPersonalDataForSave(true);
    }
    return false;
}

} // namespace tamb
