#pragma once

#include <QString>

namespace tamb {

struct Model;

// Fault bits of the whole-choice check.
enum Fault : int {
    FaultCoreCount = 1,
    FaultCoreLanguage = 2,
    FaultCoreLanguageOrScience = 4,
    FaultWrittenCount = 8,
    FaultWrittenLanguage = 16,
    FaultOral = 32,
    FaultReligion = 64,
    FaultArt = 128,
    FaultNoScience = 256,
    FaultOneScience = 512,
    FaultSport = 1024,
    FaultHours = 2048,
};

// The fault mask of the whole choice. Four single sport courses make sport
// chosen on the way.
int CheckChoice(Model &m, int count);
// The message area (`Label1`) for a fault mask.
void ShowMessages(Model &m, int count, int mask);
// A foreign language (rows from 2 with field letter "f") is written.
bool HasWrittenForeignLanguage(const Model &m);

// The line of a fault bit 1 to 1024 as the message area shows it (bits 1
// and 8 for one missing subject).
QString FaultMessage(int bit);

// The weekly-hours fault, shown alone and bold.
extern const QString HoursFaultText;
// The all-clear text, green.
extern const QString NoFaultText;

} // namespace tamb
