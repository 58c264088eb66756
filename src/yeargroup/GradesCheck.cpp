// The grades as the grades window computes them when it is opened.
#include "yeargroup/BatchCheck.h"

#include "grades/Grades.h"

namespace tamb::check {

GradesView gradesAsOpened(Model &m)
{
    m.GridRows = SubjectCount;
    GradesView view;
    RefreshGrades(m, view, m.GridRows);
    return view;
}

} // namespace tamb::check
