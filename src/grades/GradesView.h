#pragma once

#include "model/Model.h"
#include "model/TextGrid.h"

#include <QRect>
#include <QString>
#include <QtGlobal>

namespace tamb {

// Where the two grids lie in the window; the editors are placed over their
// cells from these.
namespace GradeGrids {
constexpr int CoursesLeft = 8;
constexpr int CoursesTop = 8;
constexpr int CoursesFirstColumn = 105;
constexpr int CoursesRowHeight = 20;
constexpr int ExamsLeft = 345;
constexpr int ExamsTop = 8;
constexpr int ExamsFirstColumn = 120;
constexpr int ExamsRowHeight = 23;
constexpr int ColumnWidth = 30;
} // namespace GradeGrids

// A label, panel or group box of the grades window: what the computations
// set and the window shows. Positions are relative to the parent widget.
struct Shown
{
    QString text;
    bool visible = true;
    int left = 0;
    int top = 0;
};

// The six grade editors; at most one is in use.
enum class GradeEditor {
    None,
    HjNotenEd,       // half-year series
    AbiNotenEd,      // written results series
    HjEinzelNoteEd,  // single grade
    AbiEinzelNoteEd, // single result
    FNotenEd,        // subject series
    AlleNotenEd,     // all-grades series
};

// Reasons against admission: low byte written, high byte oral examination.
enum AdmissionBits : quint16 {
    MissingFirstThree = 0x0001,
    ZeroFirstThree = 0x0002,
    Under5FirstThree = 0x0004,
    Unreachable200 = 0x0008,
    MissingAny = 0x0100,
    ZeroAny = 0x0200,
    Under5Any = 0x0400,
    Below200 = 0x0800,
};

// The grades window "Noten und Abitur" as data: its grids, every caption,
// visibility and position that the computations change, and the editing
// position. The window only displays it.
struct GradesView
{
    // Rows handed in by the main window (`GridRows`).
    int Rows = SubjectCount;
    QString caption;

    // Courses with their half-year points, and the examination components.
    TextGrid NFaecherSgr{7, SubjectCount};
    TextGrid NPfaecherSgr{4, 6};

    quint16 AdmissionFlags = 0;
    int EditCol = 0;
    int EditRow = 0;
    int EditHalfYear = 0;

    // " Block I ( Kurse) "
    Shown ErsterBlockGBx{QStringLiteral(" Block I ( Kurse) "), false, 312, 168};
    Shown ErsterBlockLbl{QString(), true, 8, 20};
    Shown Unter5ebLbl{QString(), true, 8, 45};
    Shown PSersterBlockPl{QString(), true, 260, 24};

    // " Block II (Abiturprüfung) "
    Shown AbiblockGBx{QStringLiteral(" Block II (Abiturprüfung) "), true, 312, 248};
    Shown AbiblockLbl{QString(), true, 8, 18};
    Shown PSAbiblockPl{QString(), true, 260, 24};

    // Total score.
    Shown GPZGBx{QStringLiteral(" Gesamtpunktzahl "), false, 312, 328};
    Shown GPZLbl{QString(), false, 16, 26};
    Shown GPZPl{QString(), false, 260, 24};
    bool GPZLimitsVisible = false; // "min. 300", "max. 900"

    // Average grade.
    Shown DSNoteGBx{QStringLiteral(" Durchschnittsnote "), false, 312, 408};
    Shown DSLbl{QString(), true, 8, 18};
    Shown DSNotePl{QString(), true, 148, 24};

    // While a needed examination result is missing, total and average are
    // provisional: marked so, with a line naming the missing results.
    Shown VorlGPZLbl{QStringLiteral("(vorläufig)"), false, 150, 30};
    Shown VorlDSLbl{QStringLiteral("(vorläufig)"), false, 216, 30};
    Shown FehltLbl{QString(), false, 312, 478};

    // Non-admission.
    Shown NzulGBx{QStringLiteral("Nichtzulassung"), true, 312, 488};
    int NzulGBxHeight = 65;
    Shown NzulLbl{QString(), true, 8, 18};

    // Grade entry: mode title, subject name and the editor in use.
    Shown NotEingLbl{QString(), false, 41, 648};
    Shown FachnameLbl{QString(), true, 280, 660};
    GradeEditor editor = GradeEditor::None;
    QString editorText;
    QRect editorRect{160, 680, 30, 20};
};

} // namespace tamb
