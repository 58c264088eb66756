#pragma once

#include "model/TextGrid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

namespace tamb {

// Catalog size: indices 1..29 are subjects, grid row 30 is "Arbeitsgemeinschaften".
constexpr int SubjectCount = 30;
// Grade columns: one per subject row, then the five examination components.
constexpr int GradeColumns = SubjectCount + 5;

// Rows of `Choice`.
enum ChoiceRow : int {
    Taken = 0,
    Core = 1,    // K
    Written = 2, // s
    Oral = 3,    // m
    HalfYear1 = 4,
    HalfYear2 = 5,
    HalfYear3 = 6,
    HalfYear4 = 7,
};

// Bits of a grade byte; points 0..15 in the low four bits.
enum GradeBits : quint8 {
    PointsMask = 0x0F,
    Counted = 0x10,
    Compulsory = 0x20,
    ExamResult = 0x40,
    GradePresent = 0x80,
};

inline const QString NoSchool = QStringLiteral("[ Schule ]");
inline const QString NotOffered = QStringLiteral("--");

// The pupil's personal data (record `daten`).
struct Daten
{
    QString Name;       // "Name, Vorname"
    QString Geburtstag; // date of birth as typed
    QString Klasse;     // "11 a" .. "12" or typed text
    QString Bekenntnis; // "ev", "rk", "isl", "ohne" or typed text
    quint8 ReletU = 0;  // 0 Religion, 1 Ethik in class 11

    bool operator==(const Daten &) const = default;
};

enum class LabelColor { Black, Red, Green, Purple };

// What the main window shows beyond the grids: computed by the logic,
// displayed by the widgets.
struct MainView
{
    QString title;
    int width = 750;

    // Message area (`Label1`).
    QString messages;
    LabelColor messagesColor = LabelColor::Red;
    int messagesPointSize = 11;
    bool messagesBold = false;

    // Legend of the Block I marks (`Label2`, `Bevel2`).
    bool legendVisible = false;
    QString legend;

    // "&Speichern", "D&rucken", "Noten": enabled and disabled together.
    bool menusEnabled = false;

    // Task field of the special learning achievement (`AfSemKLbl`).
    bool afSemKVisible = false;
    QString afSemKCaption;

    // Hint of the course table: shown at the click after a refusal,
    // switched off by the next click.
    bool hintShown = false;
    QString hint;

    // Settings notice in place of the grids.
    bool settingsNotice = false;

    // Study-group hours editor `AGStdEd` over row 30.
    bool hoursEditorVisible = false;
    int hoursEditorLeft = 112;
    int hoursEditorTop = 680;
    int hoursEditorWidth = 20;
    QString hoursEditorText;
    int hoursEditorColumn = 4; // the half-year column the editor covers

    bool operator==(const MainView &) const = default;
};

// The whole model of one choice, as owned by the main window.
struct Model
{
    // Row 0 offered; rows 1, 2, 3: may be K, s, m.
    bool Allowed[4][SubjectCount] = {};
    // Row 0 long name, 1 abbreviation, 2 field letter, 3 unused.
    QString SubjectText[4][SubjectCount];
    // See ChoiceRow.
    bool Choice[8][SubjectCount] = {};
    // [half-year or exam column 1..4][grade row]; see GradeBits.
    quint8 Grades[5][GradeColumns] = {};
    // Catalog indices of the core subjects in slot order, [1..5]; 0 = free.
    quint8 CoreSlots[6] = {0, 1, 15, 0, 0, 0};

    int ClickCol = 0;
    int ClickRow = 0;

    QList<qint32> FileWords;
    QString CurrentFile;
    // The selection file last opened or saved, absolute, and its bytes then.
    QString DiskFile;
    QByteArray DiskBytes;
    Daten PersonalData;

    int GridRows = SubjectCount;
    QString SchoolName = NoSchool;
    int BLLRow = 20;
    quint8 BLLField = 0;
    bool BLLSocialField = false;
    int NormalWidth = 750;
    int DataVersion = 60;
    QString FspiHours;
    QString ProgDir;
    // Folder of the last save; file dialogs start there. Empty: `ProgDir`.
    QString WorkDir;
    bool SettingsSeen = false;
    quint8 Modified = 0;
    // Counts the ends of a special learning achievement (new form, file
    // read, dropped by its name): a form picked in a dialog that was open
    // before such an end no longer counts.
    quint32 BLLDialogSerial = 0;

    TextGrid FaecherSgr{9, SubjectCount + 1};
    TextGrid PfaecherSgr{6, 7};
    TextGrid WostSgr{5, 1};
    TextGrid KurszSgr{2, 1};

    MainView view;

    bool operator==(const Model &) const = default;

    const QString &name(int row) const { return SubjectText[0][row]; }
    const QString &abbreviation(int row) const { return SubjectText[1][row]; }
    const QString &field(int row) const { return SubjectText[2][row]; }
};

// Number in a cell text after its leading blanks ("  12" -> 12).
// Returns 0 and clears *ok when there is no number.
int cellNumber(const QString &text, bool *ok = nullptr);

// Catalog and course table.
void BuildCatalog(Model &m);
void ResetChoice(Model &m);
void ClearTable(Model &m, int count = SubjectCount);
void LayoutTable(Model &m, int count = SubjectCount);
int CountChosen(const Model &m, int count, int row);
int FindField(const Model &m, int count, const QString &letter);
int NextChosen(const Model &m, int start, int count, int row);
void SumWeeklyHours(Model &m, int count = SubjectCount);

// Cell text of an elective-area language course: " " + `FspiHours`, or
// " 4" where the setting is not one or two digits.
QString ElectiveHoursText(const Model &m);

// The special learning achievement is gone (new form, dropped by its name):
// its plain name, no task-field label, and an open dialog starts afresh.
void EndBLL(Model &m);

// The grades as one value, to tell whether a step changed them.
using GradeTable = std::array<quint8, 5 * GradeColumns>;
GradeTable GradesOf(const Model &m);

// A change for the close query: 1 for the choice, 2 once grades changed,
// which only a save with grades takes along.
void NoteChange(Model &m, bool gradesChanged);

// Window titles.
QString TitleAfterCatalog(const Model &m);  // "Tamberon für die Oberstufe - " + school
QString TitleAfterSettings(const Model &m); // school + " - Tamberon für die Oberstufe"
QString TitleShown(const Model &m);         // school + " - Tamberon für die Kursstufe BW"

} // namespace tamb
