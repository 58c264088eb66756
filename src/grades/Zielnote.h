#pragma once

#include <QString>
#include <optional>

namespace tamb {

struct Model;
class Interaction;

// "Which points do I still need?": the least points p (0 to 15) that, entered
// for every grade still missing, pass the Abitur with the target average
// grade or better, computed as the grades window computes.
struct TargetPoints
{
    int target = 0;  // average grade times ten, 10 to 40
    int missing = 0; // courses without a grade and needed results without one
    // The least p; without missing grades 0 when the target is reached.
    // None when not even 15 points reach it.
    std::optional<int> points;
};

// "2,0" as 20; nothing unless the text is d,d from 1,0 to 4,0.
std::optional<int> ParseTargetGrade(const QString &text);

TargetPoints PointsForTarget(const Model &m, int target);
// The answer in one German sentence.
QString TargetSentence(const TargetPoints &answer);

// "&Zielnote ...": asks for the target and answers; changes nothing.
void AskTargetGrade(const Model &m, Interaction &ui);

} // namespace tamb
