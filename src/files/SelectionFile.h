#pragma once

#include "files/SafeWrite.h"
#include "model/Model.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <exception>
#include <optional>

class QIODevice;

namespace tamb {

class Interaction;

// Choice words 0..30 (selection file), 0..65 (with grades); EncodeChoice
// yields two more (65 and 66, both 0).
constexpr int ChoiceWordCount = SubjectCount + 1;
constexpr int GradeWordCount = 2 * SubjectCount + 6;
constexpr int EncodedWordCount = 2 * SubjectCount + 7;
// Grade rows 1..34 sit in words 31..64.
constexpr int StoredGradeRows = 34;

// Header of the current format: 6030.
qint32 FileHeader(const Model &m);
// Whether a header is accepted for the kind, and whether it has the
// settings block (only the current header has one).
bool HeaderAccepted(const Model &m, qint32 header, bool withGrades);
bool HasSettingsBlock(const Model &m, qint32 header);

// Check value of the stored name: each byte weighted by its distance from
// the last one, which does not count.
qint32 NameCheck(const QString &name);

// Packs the choice, the study-group hours and the grades into 67 words.
QList<qint32> EncodeChoice(const Model &m);

// Why a file could not be read, in plain German: the second line of the message.
extern const QString TruncatedCause;   // "Die Datei ist abgeschnitten oder beschädigt."
extern const QString EmptyCause;       // "Die Datei ist leer."
extern const QString ForeignCause;     // "Dies ist keine TAMBERON-Datei."
extern const QString NewerCause;       // "Die Datei stammt aus einer neueren Programmversion."
extern const QString OlderCause;       // "Die Datei stammt aus einer älteren Programmversion."
extern const QString OtherKindCause;   // a selection file named as one with grades, or the reverse
extern const QString UnreadableCause;  // the device failed

// Errors of reading a selection file, each with its message and its cause.
class SelectionFileError : public std::exception
{
public:
    SelectionFileError(const QString &message, const QString &cause);
    const QString &message() const { return m_message; }
    const QString &cause() const { return m_cause; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QString m_cause;
    QByteArray m_what;
};

// The header names another version or kind.
class EDatPrgInkompError : public SelectionFileError
{
public:
    explicit EDatPrgInkompError(const QString &cause = ForeignCause);
};

// The stored name does not match its check value.
class EDatenfehlerError : public SelectionFileError
{
public:
    EDatenfehlerError();
};

// The file ends early, holds an impossible string length, or the device fails.
class FileIOError : public SelectionFileError
{
public:
    explicit FileIOError(const QString &cause = TruncatedCause);
};

// What a refused header says of the file.
QString HeaderCause(const Model &m, qint32 header, bool withGrades);
// The message of a refused file: the program's text, then the file and the cause.
QString ReadErrorText(const SelectionFileError &error, const QString &fileName);

extern const QString VersionErrorText;      // "Datei- und Programmversion nicht kompatibel"
extern const QString DataErrorText;         // "Datenfehler"
extern const QString InputOutputErrorText;  // "Datei-E/A-Fehler"
QString CannotOpenText(const QString &path);   // "Datei <path> kann nicht geöffnet werden"
QString CannotCreateText(const QString &path); // "Datei <path> kann nicht erstellt werden"

// The school's catalog settings as a file carries them.
struct SettingsBlock
{
    QString SchoolName;
    QString Languages[4]; // SubjectText[0][2..5]
    bool WirtschaftOral = false;
    QString ElectiveLanguage;
    bool ElectiveOffered = false;
    bool ElectiveOral = false;
    QString FspiHours;
};

// Everything a file holds, checked and not yet applied.
struct SelectionData
{
    qint32 Header = 0;
    std::optional<SettingsBlock> Settings;
    qint32 NameCheckValue = 0;
    Daten PersonalData;
    QList<qint32> Words; // 31 or 66
};

// The bytes of a file from the model and the given words (at least 31 or 66).
QByteArray EncodeSelection(const Model &m, const QList<qint32> &words, bool withGrades);

// Checks a whole file. Throws EDatPrgInkompError, EDatenfehlerError or
// FileIOError; bytes after the last word are ignored.
SelectionData ParseSelection(const Model &m, const QByteArray &bytes, bool withGrades);

// Writes the file from the model and `FileWords` (encoded anew when they
// are missing); `FileWords` is emptied afterwards. False on a write error.
bool WriteSelection(Model &m, QIODevice &device, bool withGrades);
// Writes atomically: on failure the old file stays as it was.
WriteOutcome WriteSelection(Model &m, const QString &path, bool withGrades);

// What a file held when this program last opened or saved it; a save over it asks first
// when someone else has changed it since.
void RememberDiskCopy(Model &m, const QString &path, const QByteArray &bytes);
bool ChangedOnDisk(const Model &m, const QString &path);

enum class ReadStatus { Loaded, VersionError, DataError, InputOutputError, CannotOpen };

// Reads, checks and, only when the whole file is sound, rebuilds the model
// and the grids; every error is reported through `ui` and leaves the model
// as it was. `fileName` becomes `CurrentFile` on success (the device
// overload keeps `CurrentFile` when it is empty). The caller refreshes.
ReadStatus ReadSelection(Model &m, Interaction &ui, QIODevice &device, bool withGrades,
                         const QString &fileName = QString());
ReadStatus ReadSelection(Model &m, Interaction &ui, const QString &path, bool withGrades);

// Applies checked data: settings block, personal data, table reset, choice,
// grades (with grades only), title.
void ApplySelection(Model &m, Interaction &ui, const SelectionData &data, bool withGrades);

// Rebuilds `Choice`, the core slots, the BLL fields and the cells from words 0..30.
void DecodeChoice(Model &m, Interaction &ui, const QList<qint32> &words);
// Rebuilds grade rows 1..34 from words 31..64.
void DecodeGrades(Model &m, const QList<qint32> &words);

// Title after reading or saving: path + " - Tamberon für die Oberstufe - " + school.
QString FileTitle(const Model &m, const QString &path);

} // namespace tamb
