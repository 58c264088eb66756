#include "app/helpshots/ExamplePupil.h"

#include "grades/Grades.h"
#include "model/Model.h"
#include "rules/Dispatch.h"

namespace tamb {

const QList<ExampleClick> ExampleChoiceClicks = {
    {1, 2}, {1, 3}, {1, 16},          // core: Englisch, Französisch, Physik
    {2, 2}, {2, 16},                  // written: Englisch, Physik
    {0, 12}, {0, 6}, {0, 17},         // ev. Religion, Bild. Kunst, Chemie
    {3, 8},                           // oral: Geschichte
    {0, 28},                          // Psychologie in half-years 1 and 2
};

namespace {

struct RowGrades
{
    int row;
    int points[4]; // half-years 1..4; -1 where the row has no course
};

constexpr RowGrades HalfYearGrades[] = {
    {1, {11, 10, 12, 11}},  // Deutsch
    {2, {12, 13, 12, 13}},  // Englisch
    {3, {9, 8, 10, 9}},     // Französisch
    {6, {13, 14, 12, 9}},   // Bild. Kunst
    {8, {10, 11, 11, 12}},  // Geschichte
    {9, {9, -1, -1, 10}},   // Gemeinschaftskunde
    {10, {-1, 8, 9, -1}},   // Geographie
    {12, {7, 6, 8, 5}},     // ev. Religion
    {15, {7, 8, 6, 8}},     // Mathematik
    {16, {8, 9, 7, 9}},     // Physik
    {17, {6, 5, 7, 4}},     // Chemie
    {19, {14, 13, 14, 15}}, // Sport
    {28, {6, 5, -1, -1}},   // Psychologie
};

// Written results of exam rows 1..4 (Deutsch, Englisch, Mathematik, Physik),
// an additional oral examination in Mathematik, the oral exam in row 5.
constexpr int WrittenResults[4] = {10, 12, 7, 8};
constexpr int MathsOral = 9;
constexpr int OralExam = 11;

} // namespace

void ClickExampleChoice(Model &m, Interaction &ui, int clicks)
{
    const int n = clicks < 0 ? int(ExampleChoiceClicks.size()) : clicks;
    for (int i = 0; i < n; ++i)
        FaecherSgrMouseDown(m, ui, ExampleChoiceClicks[i].col, ExampleChoiceClicks[i].row);
}

void EnterExampleGrades(Model &m)
{
    for (const RowGrades &r : HalfYearGrades)
        for (int h = 1; h <= 4; ++h)
            if (r.points[h - 1] >= 0)
                m.Grades[h][r.row] = quint8(r.points[h - 1] | GradePresent);
    const int rows = SubjectCount;
    for (int e = 1; e <= 4; ++e)
        m.Grades[1][examColumn(rows, e)] = quint8(WrittenResults[e - 1] | GradePresent | ExamResult);
    m.Grades[2][examColumn(rows, 3)] = quint8(MathsOral | GradePresent | ExamResult);
    m.Grades[2][examColumn(rows, 5)] = quint8(OralExam | GradePresent | ExamResult);
}

} // namespace tamb
