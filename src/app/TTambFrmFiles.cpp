// Main window: opening and saving selection files.
#include "app/TTambFrm.h"

#include "files/SaveOpen.h"
#include "print/ui/TPersDatenFrm.h"

#include <QFileInfo>

namespace tamb {

void TTambFrm::OeffnenClick()
{
    m_model.GridRows = SubjectCount;
    const QString path =
        m_ui->openFileName(OpenDialogTitle, OpenDefaultSuffix, WorkingFolder(m_model));
    if (!path.isEmpty())
        openFile(path);
}

void TTambFrm::openFile(const QString &path)
{
    OpenSelectionFile(m_model, *m_ui, path);
    refreshView();
}

QString FileFromArguments(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.isEmpty() && !argument.startsWith(u'-'))
            return QFileInfo(argument).absoluteFilePath();
    }
    return QString();
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
