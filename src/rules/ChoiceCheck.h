#pragma once

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

int CheckChoice(Model &m, int count);
void ShowMessages(Model &m, int count, int mask);
bool HasWrittenForeignLanguage(const Model &m);

} // namespace tamb
