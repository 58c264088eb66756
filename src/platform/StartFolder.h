#pragma once

#include <QString>
#include <QStringList>

namespace tamb::platform {

// What the program's working folder is chosen from.
struct StartFolderFacts
{
    QString workingDirectory;          // the working directory at start
    bool workingDirectoryHasSettings = false;
    bool workingDirectoryWritable = false;
    QString homeFolder;
    QString installFolder;             // the folder of the program file
    QString userFolder;                // <Documents>/Tamberon; empty when unknown
    bool userFolderHasSettings = false;
};

// The folder that holds the settings file and the pupil's files:
// - the working directory when it already holds the settings file;
// - otherwise the user's folder when the working directory is the home
//   folder, a root folder, the program's own folder or not writable (a start
//   from the menu or a file manager), or when the user's folder already holds
//   the settings file (file managers that start the program in the folder of
//   the file opened);
// - otherwise the working directory.
QString ChooseStartFolder(const StartFolderFacts &facts);

// The facts of this run.
StartFolderFacts GatherStartFolderFacts();

// The school's settings for every user, first found first: the file
// "tamberon/Tamberon.tme" in the system's configuration folders
// (~/.config, /etc/xdg; on Windows AppData\Local, ProgramData).
QStringList DefaultSettingsFiles();

// Copies the first existing file of `defaults` into `folder` when the folder
// has no settings file yet. True when it copied.
bool CopyDefaultSettings(const QString &folder, const QStringList &defaults);

// For the program's start: gathers, chooses, creates the user's folder when it
// is chosen and missing, and copies the school's settings into a folder
// without them. Falls back to the working directory when the user's folder
// cannot be created.
QString PrepareStartFolder();

} // namespace tamb::platform
