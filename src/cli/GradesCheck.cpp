// Kept apart from BatchCheck.cpp: the grades header and the selection file
// header cannot share one translation unit.
#include "cli/BatchCheck.h"

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
