#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tamb {

struct Model;
class Interaction;

extern const QString SaveDialogTitle;      // "Tamberon speichern"
extern const QString OpenDialogTitle;      // "Tamberon laden"
extern const QString OpenDefaultSuffix;    // "tmd"
extern const QString SelectionFilter;      // "Tamberondatei (mit Namen *.TMD)|*.TMD"
extern const QString SelectionGradesFilter; // "Tamberondatei (mit Noten *.TND)|*.TND"
extern const QString FolderName;           // "Tamberon"
extern const QString FolderCreatedText;
extern const QString FolderNotCreatedText;
extern const QString FolderNotEnteredText;      // after creating it, selection file
extern const QString FolderNotEnteredErrorText; // "Fehler! ..." LF CR "..."
QString SavedText(const QString &path);         // "Datei: <path> gespeichert!"
// Asked before a save over a file that someone else changed since it was opened or saved.
QString ChangedOnDiskText(const QString &path);

// Folder operations of the save, replaceable so that tests can act out
// folders that cannot be created or used.
struct FolderAccess
{
    std::function<bool(const QString &)> exists; // a folder of that path exists
    std::function<bool(const QString &)> create;
    std::function<bool(const QString &)> enter; // files can be opened in it

    static FolderAccess real();
};

// Where the file dialogs start: the folder of the last save, else the
// program's folder.
QString WorkingFolder(const Model &m);

// The open dialog starts in the folder "Tamberon" of the working folder
// when there is one, and offers the program's files first.
QString OpenFolder(const Model &m);
extern const QStringList OpenFilters; // "Tamberon-Dateien (*.tmd *.tnd)", every file

// The name the save dialog proposes: the current file's, with the
// extension of the kind saved; before any file, one made from the pupil's
// name and the school years.
QString ProposedFileName(const Model &m, bool withGrades);

// Before the personal data dialog of a save: `GridRows` and `FileWords`.
void PrepareSave(Model &m);

// Called by the personal data dialog: asks for the file name, keeps saved
// files in a folder "Tamberon", writes, sets the title and reports. True
// when the file was written.
bool SaveSelection(Model &m, Interaction &ui, const FolderAccess &folders = FolderAccess::real());
bool SaveSelectionWithGrades(Model &m, Interaction &ui,
                             const FolderAccess &folders = FolderAccess::real());

enum class OpenOutcome {
    Cancelled,   // no file chosen; nothing happens
    NothingRead, // neither a selection file nor one with grades
    Loaded,
    Refused,     // an error was reported; the model is unchanged
};

// "&Öffnen": asks for a file, reads it by its extension and refreshes
// (except when cancelled).
OpenOutcome OeffnenClick(Model &m, Interaction &ui);
// The same for a file already chosen (dialog, command line, drop, recent
// files): reads it by its extension and refreshes.
OpenOutcome OpenSelectionFile(Model &m, Interaction &ui, const QString &path);

} // namespace tamb
