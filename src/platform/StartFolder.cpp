#include "platform/StartFolder.h"

#include "model/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tamb::platform {

namespace {

bool sameFolder(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && QDir(a) == QDir(b);
}

bool holdsSettings(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(SettingsFileName));
}

// QFileInfo::isWritable does not see Windows' access lists; creating a file
// does.
bool writable(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("tamberon-XXXXXX.tmp")));
    return probe.open();
}

} // namespace

QString ChooseStartFolder(const StartFolderFacts &facts)
{
    const QString &cwd = facts.workingDirectory;
    if (facts.workingDirectoryHasSettings || facts.userFolder.isEmpty())
        return cwd;
    const bool startedElsewhere = sameFolder(cwd, facts.homeFolder) || QDir(cwd).isRoot()
                                  || sameFolder(cwd, facts.installFolder)
                                  || !facts.workingDirectoryWritable;
    if (startedElsewhere || facts.userFolderHasSettings)
        return facts.userFolder;
    return cwd;
}

StartFolderFacts GatherStartFolderFacts()
{
    StartFolderFacts facts;
    facts.workingDirectory = QDir::currentPath();
    facts.workingDirectoryHasSettings = holdsSettings(facts.workingDirectory);
    facts.homeFolder = QDir::homePath();
    facts.installFolder = QCoreApplication::applicationDirPath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty())
        facts.userFolder = QDir(documents).filePath(QStringLiteral("Tamberon"));
    facts.userFolderHasSettings = holdsSettings(facts.userFolder);
    // Writability only matters when the other facts leave the choice open.
    facts.workingDirectoryWritable = true;
    if (ChooseStartFolder(facts) == facts.workingDirectory && !facts.workingDirectoryHasSettings)
        facts.workingDirectoryWritable = writable(facts.workingDirectory);
    return facts;
}

QStringList DefaultSettingsFiles()
{
    return QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation,
                                     QStringLiteral("tamberon/") + SettingsFileName);
}

bool CopyDefaultSettings(const QString &folder, const QStringList &defaults)
{
    const QString target = QDir(folder).filePath(SettingsFileName);
    if (QFileInfo::exists(target))
        return false;
    for (const QString &source : defaults) {
        if (!QFileInfo(source).isFile())
            continue;
        if (!QFile::copy(source, target))
            return false;
        // The copy belongs to the user, who changes it in the settings dialog.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        return true;
    }
    return false;
}

QString PrepareStartFolder()
{
    const StartFolderFacts facts = GatherStartFolderFacts();
    QString folder = ChooseStartFolder(facts);
    if (folder != facts.workingDirectory && !QDir().mkpath(folder))
        folder = facts.workingDirectory;
    CopyDefaultSettings(folder, DefaultSettingsFiles());
    return folder;
}

} // namespace tamb::platform
