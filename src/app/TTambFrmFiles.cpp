// Main window: opening and saving selection files.
#include "app/TTambFrm.h"

#include "files/SaveOpen.h"
#include "print/ui/TPersDatenFrm.h"

#include "app/UserSettings.h"
#include "files/FileNames.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace tamb {

namespace {

const QString RecentKey = QStringLiteral("recentFiles");
constexpr int RecentCount = 5;

// The one selection file among dragged data, if there is exactly one.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    return KindOfPath(path) == SelectionKind::None ? QString() : path;
}

} // namespace

void TTambFrm::OeffnenClick()
{
    if (!mayDiscardChanges())
        return;
    m_model.GridRows = SubjectCount;
    const QString path = m_ui->openFileName(OpenDialogTitle, OpenDefaultSuffix, OpenFolder(m_model),
                                            OpenFilters);
    if (!path.isEmpty())
        openFile(path);
}

void TTambFrm::openFile(const QString &path)
{
    if (OpenSelectionFile(m_model, *m_ui, path) == OpenOutcome::Loaded)
        rememberFile(path);
    commitStep(QStringLiteral("Öffnen ") + QFileInfo(path).fileName());
}

void TTambFrm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TTambFrm::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (mayDiscardChanges())
        openFile(path);
}

QStringList TTambFrm::recentFiles() const
{
    return UserSettings().value(RecentKey).toStringList().mid(0, RecentCount);
}

void TTambFrm::rememberFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    UserSettings().setValue(RecentKey, files.mid(0, RecentCount));
    updateRecentMenu();
}

void TTambFrm::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction *item = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(item, &QAction::triggered, this, [this, path] {
            if (mayDiscardChanges())
                openFile(path);
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
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
    // Saving is no step; what it changed (title, mark) holds from now on.
    settle();
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
