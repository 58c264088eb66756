#pragma once

#include <QString>

namespace tamb {

struct Model;
class Interaction;

// Click in column s.
void WrittenRule(Model &m, Interaction &ui, int count, int row);
// Click in column m.
void OralRule(Model &m, Interaction &ui, int count, int row);

// Takes the oral role away from `row` (the oral rule's removing step):
// flag, cell, exam grades; the BLL gets its total grade back. Every rule
// that takes the role away calls it.
void RemoveOralRole(Model &m, int count, int row);
// A written subject of the social-science field `row` has gone: an oral
// subject that needed it loses its role.
void WithdrawOralWithoutSocialWritten(Model &m, int count, int row);

// Refusal hints; a subject's name goes before the first, second and last.
extern const QString NotCoreHint;       // " ist kein Kernfach und kann deshalb ..."
extern const QString MustBeWrittenHint; // " muss schriftliches Prüfungsfach sein!"
extern const QString NoSocialExamHint;  // "Es ist noch kein Prüfungsfach aus ..."
extern const QString OtherOralHint;     // " schon als mündliches ..."
// "Schon 4 schriftliche Prüfungsfächer gewählt!"
QString WrittenCountHint(int written);

// Column of examination row 1..5 in `Grades`.
inline int ExamGradeColumn(int count, int examRow) { return count - 1 + examRow; }

} // namespace tamb
