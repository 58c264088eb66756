#pragma once

#include <QList>

namespace tamb {

struct Model;
class Interaction;

// The pupil of the handbook's worked example: Englisch, Französisch and
// Physik as core subjects, Englisch and Physik written, Geschichte oral,
// ev. Religion, Bild. Kunst, Chemie and a Psychologie elective.
struct ExampleClick
{
    int col;
    int row;
};
extern const QList<ExampleClick> ExampleChoiceClicks;
// The clicks after which the handbook shows the message area half-way.
constexpr int ExampleHalfWay = 3;

// Clicks the example's choice into a model as it is after start.
void ClickExampleChoice(Model &m, Interaction &ui, int clicks = -1);
// Every half-year grade and every examination result of the example.
void EnterExampleGrades(Model &m);

} // namespace tamb
