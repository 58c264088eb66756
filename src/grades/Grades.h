#pragma once

#include "grades/GradesView.h"

#include <QList>
#include <QPoint>
#include <QString>

namespace tamb {

struct Model;

// Catalog rows that the Block I rules name.
namespace GradeRows {
constexpr int Art = 6;
constexpr int Music = 7;
constexpr int History = 8;
constexpr int SocialStudies = 9;
constexpr int Geography = 10;
constexpr int Physics = 16;
constexpr int Chemistry = 17;
constexpr int Biology = 18;
constexpr int Sport = 19;
} // namespace GradeRows

// Column of the examination component e (1..5) in `Grades`.
inline int examColumn(int rows, int e) { return rows - 1 + e; }

// Points of a grade byte.
inline int points(quint8 byte) { return byte & PointsMask; }

// Cell texts of a grade.
QString presentGradeText(int p);   // "    7", "   12": grade as stored
QString resultText(int p);         // "   7", "  12": exam results, BLL total
QString countedGradeText(int p);   // "    7", "  12": counted in Block I
QString uncountedGradeText(int p); // "   (7)", "  (12)": not counted
QString typedGradeText(int p);     // " 7", "12": as typed or filled in

// Working values of one Block I run.
struct BlockIValues
{
    int LastHalfYear = 0;
    int ZeroCompulsory = 0;
    int ZeroCompulsory13 = 0;
    int Missing = 0;
    int Missing13 = 0;
    int CompulsoryCount = 0;
    int CompulsoryCount13 = 0;
    int CompulsorySum13 = 0;
    int Under5_13 = 0;
    int Count = 0;
    int Sum = 0;
    int Under5 = 0;
    int BlockI = 0;
};

// Whole window: rows, subjects, stored grades, Block I, then non-admission
// or Block II. Run on every activation and resize of the window.
void RefreshGrades(Model &m, GradesView &g, int rows);
// Stored grades and results into both grids.
void FillGradeGrids(const Model &m, GradesView &g, int rows);

// Selects the counted courses, computes Block I and the admission flags.
BlockIValues ComputeBlockI(Model &m, GradesView &g);
// The same for the courses counted now: the compulsory ones anew, the
// further ones as chosen by hand.
BlockIValues ComputeBlockIKeepingSelection(Model &m, GradesView &g);
// Courses counted in Block I by their `Counted` bits: every counted course
// of a half-year taken, the special learning achievement without courses
// twice with more than 4 points.
struct CountedCourses
{
    int count = 0;
    int sum = 0;
    int under5 = 0;
    bool doubleCourse = false; // the special learning achievement counted twice
};
CountedCourses CountCountedCourses(const Model &m, int rows);
// The special learning achievement without courses, not the oral component:
// its total grade counts as two courses.
bool CountsDouble(const Model &m);

// Block I of a sum of counted points: rounded to 40 courses above 40,
// an exact half to the even number.
int BlockIPoints(int count, int sum);
// "Punktsumme aus ... einfach gewerteten Kursen", with the rounding note above 40.
QString BlockICaption(int count);

// Reasons against admission from the values of a Block I run.
quint16 AdmissionFlagsFor(const BlockIValues &v);
void ShowNonAdmission(GradesView &g);

void ComputeBlockII(Model &m, GradesView &g);
void ShowTotal(GradesView &g, int over19);
// Average grade times ten for a total score: 10 is 1,0.
int AverageGradeTenths(int total);
// "2,3" for 23.
QString AverageGradeText(int tenths);

// Examination results that the choice needs, as (column, examination row):
// the written results of the written subjects and the fifth component's.
// The oral examinations of the written subjects are optional.
QList<QPoint> NeededResults(const Model &m);

// After any change of grades: Block I, then non-admission or Block II.
void RecomputeAll(Model &m, GradesView &g);
// After a change of the counted courses by hand: everything else follows them.
void RecomputeKeepingSelection(Model &m, GradesView &g);
// After a grade change inside a series: Block I, then non-admission or the
// box hidden.
void RecomputeBlockIOnly(Model &m, GradesView &g);

} // namespace tamb
