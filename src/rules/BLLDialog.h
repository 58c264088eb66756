#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tamb {

struct Model;
class Interaction;

// What the dialog "Besondere Lernleistung" shows: the selected items of
// its two radio groups (-1 none) and whether the task field can be picked.
struct BLLDialogState
{
    int art = -1;   // `ArtRGr`: 0 "Seminarkurs", 1 "Wettbewerb"
    int field = -1; // `AufgabenfeldRgr`: 0..2 = task field I..III
    bool fieldEnabled = false;
    quint32 serial = 0; // `BLLDialogSerial` of the model when taken

    bool operator==(const BLLDialogState &) const = default;
};

extern const QString BLLCaption;
extern const QString BLLSeminarName; // "BLL - Seminarkurs"
extern const QString BLLArtCaption;
extern const QStringList BLLArtItems;
extern const QString BLLFieldCaption;
extern const QStringList BLLFieldItems;

// The items of the achievement as the model holds it now; true when they
// differ from what the dialog showed.
bool FollowBLLDialog(const Model &m, BLLDialogState &s);
// Showing the dialog: `ClickCol` = -1, task-field label shown, the items of
// a chosen achievement selected.
void BLLFormShow(Model &m, BLLDialogState &s);
// A form picked: seminar course with two courses of three hours, or a
// competition without courses.
void ArtRGrClick(Model &m, BLLDialogState &s, int item);
// A task field picked; field II makes the achievement an exam subject from
// the social sciences. Opened from the " m" column, the achievement becomes
// the oral subject when it may.
void AufgabenfeldRgrClick(Model &m, BLLDialogState &s, int item);
// Closing: with a form picked the achievement is chosen; then the refresh.
// A form picked before the achievement ended no longer counts.
void BLLFormClose(Model &m, Interaction &ui, BLLDialogState &s);

// The achievement becomes the oral exam: a total grade moves into the oral
// result of exam row 5 and the seminar's courses give way to the exam.
void MoveBLLGradeToOralExam(Model &m);

} // namespace tamb
