#include "files/SaveOpen.h"

#include "files/Clock.h"
#include "files/FileNames.h"
#include "files/SelectionFile.h"
#include "model/Interaction.h"
#include "model/Model.h"
#include "rules/Dispatch.h"

#include <QDir>
#include <QFileInfo>

namespace tamb {

const QString SaveDialogTitle = QStringLiteral("Tamberon speichern");
const QString OpenDialogTitle = QStringLiteral("Tamberon laden");
const QString OpenDefaultSuffix = QStringLiteral("tmd");
const QString SelectionFilter = QStringLiteral("Tamberondatei (mit Namen *.TMD)|*.TMD");
const QString SelectionGradesFilter = QStringLiteral("Tamberondatei (mit Noten *.TND)|*.TND");
const QString FolderName = QStringLiteral("Tamberon");
const QString FolderCreatedText = QStringLiteral("Verzeichnis Tamberon wurde erstellt!");
const QString FolderNotCreatedText =
    QStringLiteral("Verzeichnis Tamberon konnte nicht erstellt werden!");
const QString FolderNotEnteredText =
    QStringLiteral("Verzeichnis Tamberon konnte nicht aufgerufen werden!");
const QString FolderNotEnteredErrorText =
    QStringLiteral("Fehler! Das Verzeichnis Tamberon\n\rkonnte nicht aufgerufen werden!");

QString SavedText(const QString &path)
{
    return QStringLiteral("Datei: ") + path + QStringLiteral(" gespeichert!");
}

QString ChangedOnDiskText(const QString &path)
{
    return QStringLiteral("Die Datei %1 wurde seit dem Öffnen oder Speichern von einem anderen "
                          "Programm oder Benutzer geändert.\n\rSoll sie trotzdem überschrieben "
                          "werden?")
        .arg(path);
}

FolderAccess FolderAccess::real()
{
    FolderAccess access;
    access.exists = [](const QString &path) { return QFileInfo(path).isDir(); };
    access.create = [](const QString &path) { return QDir().mkdir(path); };
    access.enter = [](const QString &path) {
        return QFileInfo(path).isDir() && QDir(path).isReadable();
    };
    return access;
}

QString WorkingFolder(const Model &m)
{
    if (!m.WorkDir.isEmpty())
        return m.WorkDir;
    return m.ProgDir.isEmpty() ? QDir::currentPath() : m.ProgDir;
}

const QStringList OpenFilters = {QStringLiteral("Tamberon-Dateien (*.tmd *.tnd)"),
                                 QStringLiteral("Alle Dateien (*)")};

QString OpenFolder(const Model &m)
{
    const QString folder = WorkingFolder(m);
    const QString inside = QDir(folder).filePath(FolderName);
    return QFileInfo(inside).isDir() ? inside : folder;
}

QString ProposedFileName(const Model &m, bool withGrades)
{
    const QString suffix = withGrades ? QStringLiteral(".tnd") : QStringLiteral(".tmd");
    if (!m.CurrentFile.isEmpty())
        return QFileInfo(m.CurrentFile).completeBaseName() + suffix;
    return DefaultFileName(m.PersonalData, Today()) + suffix;
}

void PrepareSave(Model &m)
{
    m.GridRows = SubjectCount;
    m.FileWords = EncodeChoice(m);
}

namespace {

// Files go into a folder "Tamberon": unless the chosen folder's path names
// it already, its subfolder of that name is used, created when missing.
// False when saving must stop.
bool enterFileFolder(Model &m, Interaction &ui, bool withGrades, const FolderAccess &folders)
{
    const QString folder = m.WorkDir;
    if (folder.contains(FolderName))
        return true;
    const QString sub = QDir(folder).filePath(FolderName);
    if (folders.exists(sub)) {
        if (!folders.enter(sub)) {
            ui.error(FolderNotEnteredErrorText);
            return false;
        }
        m.WorkDir = sub;
        return true;
    }
    if (folders.create(sub)) {
        ui.inform(FolderCreatedText);
        if (folders.enter(sub))
            m.WorkDir = sub;
        else
            ui.error(withGrades ? FolderNotEnteredErrorText : FolderNotEnteredText);
        return true;
    }
    ui.error(FolderNotCreatedText);
    if (withGrades)
        ui.error(FolderNotEnteredErrorText);
    return true;
}

bool saveFile(Model &m, Interaction &ui, bool withGrades, const FolderAccess &folders)
{
    // The next save offers the file last opened or saved, where it is.
    const QString folder =
        m.CurrentFile.isEmpty() ? WorkingFolder(m) : QFileInfo(m.CurrentFile).absolutePath();
    const QString chosen = ui.saveFileName(SaveDialogTitle, folder, ProposedFileName(m, withGrades),
                                           withGrades ? SelectionGradesFilter : SelectionFilter);
    if (chosen.isEmpty())
        return false;

    const QFileInfo info(chosen);
    m.WorkDir = info.absolutePath();
    if (!enterFileFolder(m, ui, withGrades, folders))
        return false;

    QString name = info.fileName();
    if (!name.contains(u'.'))
        name += withGrades ? QStringLiteral(".TND") : QStringLiteral(".TMD");
    const QString path = QDir(m.WorkDir).filePath(name);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (ChangedOnDisk(m, path)
        && ui.messageBox(BoxKind::Warning, ChangedOnDiskText(shownPath), Buttons::YesNo)
               != Answer::Yes)
        return false;
    const WriteOutcome written = WriteSelection(m, path, withGrades);
    if (!written) {
        ui.error(CannotSaveText(QStringLiteral("Datei ") + shownPath, written));
        return false;
    }
    m.view.title = FileTitle(m, path);
    m.CurrentFile = path;
    m.FileWords.clear();
    ui.inform(SavedText(shownPath));
    // A file with grades holds everything. A selection file alone leaves
    // grades changed since the last such file unsaved, so closing still asks.
    if (withGrades || m.Modified != 2)
        m.Modified = 0;
    return true;
}

} // namespace

bool SaveSelection(Model &m, Interaction &ui, const FolderAccess &folders)
{
    return saveFile(m, ui, false, folders);
}

bool SaveSelectionWithGrades(Model &m, Interaction &ui, const FolderAccess &folders)
{
    return saveFile(m, ui, true, folders);
}

OpenOutcome OeffnenClick(Model &m, Interaction &ui)
{
    m.GridRows = SubjectCount;
    const QString path = ui.openFileName(OpenDialogTitle, OpenDefaultSuffix, OpenFolder(m), OpenFilters);
    if (path.isEmpty())
        return OpenOutcome::Cancelled;
    return OpenSelectionFile(m, ui, path);
}

OpenOutcome OpenSelectionFile(Model &m, Interaction &ui, const QString &path)
{
    m.GridRows = SubjectCount;
    OpenOutcome outcome = OpenOutcome::NothingRead;
    const SelectionKind kind = KindOfPath(path);
    if (kind != SelectionKind::None) {
        const ReadStatus status = ReadSelection(m, ui, path, kind == SelectionKind::WithGrades);
        outcome = status == ReadStatus::Loaded ? OpenOutcome::Loaded : OpenOutcome::Refused;
    }
    Refresh(m, ui);
    return outcome;
}

} // namespace tamb
