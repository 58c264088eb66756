#include "rules/SubjectRules.h"

#include "model/Interaction.h"
#include "model/Model.h"
#include "rules/CoreRules.h"
#include "rules/Dispatch.h"
#include "rules/ExamRules.h"

namespace tamb {

namespace {

// Fixed rows of the course table.
enum Row : int {
    German = 1,
    FourthLanguage = 5,
    Art = 6,
    Music = 7,
    History = 8,
    SocialStudies = 9,
    Geography = 10,
    Economics = 11,
    Protestant = 12,
    Catholic = 13,
    Ethics = 14,
    Maths = 15,
    Physics = 16,
    Chemistry = 17,
    Biology = 18,
    Sport = 19,
    Achievement = 20,
    ComputerScience = 25,
    ElectiveLanguage = 29,
};

const QString Four = QStringLiteral(" 4");
const QString Two = QStringLiteral(" 2");
const QString PlainTwo = QStringLiteral("2");
const QString SingleTwo = QStringLiteral("  2");
const QString RestoredTwo = QStringLiteral("   2");
const QString Blocked = QStringLiteral(" ¤");

void clearCells(Model &m, int row, int from, int to)
{
    for (int col = from; col <= to; ++col)
        m.FaecherSgr.setCell(col, row, QString());
}

// A subject that goes loses its oral role the one way, grades included.
void dropOralRole(Model &m, int row)
{
    if (m.Choice[Oral][row])
        RemoveOralRole(m, SubjectCount, row);
}

void clearFlags(Model &m, int row)
{
    for (int c = Taken; c <= HalfYear4; ++c)
        m.Choice[c][row] = false;
}

void setAllCourses(Model &m, int row, const QString &text)
{
    for (int h = 1; h <= 4; ++h)
        SetCourse(m, row, h, text);
}

void clearAllCourses(Model &m, int row)
{
    for (int h = 1; h <= 4; ++h)
        ClearCourse(m, row, h);
}

// A row taken by its half-years counts as chosen once half-years 1 and 3 are set.
void chosenWhenBothPairs(Model &m, int row)
{
    if (m.Choice[HalfYear1][row] && m.Choice[HalfYear3][row])
        m.Choice[Taken][row] = true;
}

bool economicsCore(const Model &m) { return m.Choice[Core][Economics]; }

// Religion or ethics: the new one replaces the one chosen so far.
void exchangeReligion(Model &m, int row)
{
    int old = 0;
    for (int r : {Protestant, Catholic, Ethics})
        if (m.Choice[Taken][r])
            old = r;
    m.Allowed[Oral][row] = true;
    if (old == row)
        return;
    if (old > 0) {
        const bool wasWritten = m.Choice[Written][old];
        if (m.Choice[Core][old])
            m.CoreSlots[5] = 0;
        dropOralRole(m, old);
        clearFlags(m, old);
        clearCells(m, old, 1, 8);
        ClearCourseGrades(m, old);
        if (wasWritten)
            WithdrawOralWithoutSocialWritten(m, SubjectCount, old);
    }
    m.Choice[Taken][row] = true;
    setAllCourses(m, row, Two);
}

void chooseSubject(Model &m, Interaction &ui, int row)
{
    switch (row) {
    case 2: case 3: case 4: case FourthLanguage:
        m.Choice[Taken][row] = true;
        setAllCourses(m, row, Four);
        WithdrawElectiveLanguage(m, SubjectCount, row);
        break;
    case Art: case Music: case History:
    case Physics: case Chemistry: case Biology: case Sport: case ComputerScience:
        m.Choice[Taken][row] = true;
        setAllCourses(m, row, Two);
        break;
    case SocialStudies:
        m.Choice[Taken][row] = true;
        SetCourse(m, row, 1, Two);
        ClearCourse(m, row, 2);
        ClearCourse(m, row, 3);
        SetCourse(m, row, 4, Two);
        break;
    case Geography:
        m.Choice[Taken][row] = true;
        ClearCourse(m, row, 1);
        SetCourse(m, row, 2, Two);
        SetCourse(m, row, 3, Two);
        ClearCourse(m, row, 4);
        break;
    case Protestant: case Catholic: case Ethics:
        exchangeReligion(m, row);
        break;
    case Achievement:
        ShowBLLDialog(m, ui);
        break;
    case 21: case 22: case 23: case 24: case 26: case 27: case 28:
        // An elective starts in the first pair.
        m.Choice[Taken][row] = true;
        SetCourse(m, row, 1, Two);
        SetCourse(m, row, 2, Two);
        break;
    case ElectiveLanguage:
        m.Choice[Taken][row] = true;
        setAllCourses(m, row, ElectiveHoursText(m));
        break;
    default: // German, Economics, Maths
        break;
    }
}

// Social studies or geography dropped by name: back to the default pair,
// or with Wirtschaft as core subject the one extra half-year toggled.
void dropSocialSubject(Model &m, int row, int extraHalfYear, int defaultA, int defaultB)
{
    const int extraCol = extraHalfYear + 3;
    if (!economicsCore(m)) {
        m.Choice[defaultA + 3][row] = false;
        m.Choice[defaultB + 3][row] = false;
        for (int h = 1; h <= 4; ++h)
            m.FaecherSgr.setCell(h + 3, row, m.Choice[h + 3][row] ? SingleTwo : QString());
        return;
    }
    if (m.Choice[Oral][row]) {
        RemoveOralRole(m, SubjectCount, row);
        m.Choice[extraCol][row] = false;
        m.Allowed[Oral][row] = false;
        m.FaecherSgr.setCell(extraCol, row, QString());
        m.FaecherSgr.setCell(3, row, Blocked);
    } else if (m.Choice[extraCol][row]) {
        m.Choice[extraCol][row] = false;
        m.FaecherSgr.setCell(extraCol, row, QString());
        m.Allowed[Oral][row] = false;
        m.FaecherSgr.setCell(3, row, Blocked);
    } else {
        SetCourse(m, row, extraHalfYear, Two);
        m.FaecherSgr.setCell(3, row, QString());
        m.Allowed[Oral][row] = true;
    }
}

void dropSubject(Model &m, int row)
{
    const int count = SubjectCount;
    const bool fixedCore = row == German || row == Maths;
    if (!fixedCore && m.Choice[Core][row])
        RemoveCoreRole(m, count, row);
    if (!fixedCore && m.Choice[Written][row]) {
        m.FaecherSgr.setCell(2, row, QString());
        m.Choice[Written][row] = false;
        WithdrawOralWithoutSocialWritten(m, count, row);
    }

    switch (row) {
    case 2: case 3: case 4: case FourthLanguage:
        if (!m.Allowed[0][row])
            break;
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 1, 8);
        ClearCourseGrades(m, row);
        if (m.name(ElectiveLanguage) == m.name(row))
            m.Allowed[0][ElectiveLanguage] = true;
        break;
    case Art: case Music: {
        // One of art and music always stays.
        ClearCourseGrades(m, row);
        const int partner = row == Art ? Music : Art;
        if (!m.Choice[Taken][partner]) {
            m.Choice[Taken][partner] = true;
            setAllCourses(m, partner, Two);
        }
        // No exam in a subject that is no longer taken.
        dropOralRole(m, row);
        clearAllCourses(m, row);
        m.Choice[Taken][row] = false;
        break;
    }
    case History:
        // History cannot be dropped.
        setAllCourses(m, row, Two);
        break;
    case SocialStudies:
        dropSocialSubject(m, row, 4, 2, 3);
        break;
    case Geography:
        dropSocialSubject(m, row, 2, 1, 4);
        break;
    case Economics:
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 1, 8);
        ClearCourseGrades(m, row);
        // Wirtschaft exists only as a core subject: no exam roles without it.
        m.Allowed[Written][row] = false;
        m.Allowed[Oral][row] = false;
        SetCourse(m, SocialStudies, 4, RestoredTwo);
        SetCourse(m, Geography, 2, RestoredTwo);
        for (int r : {SocialStudies, Geography}) {
            m.Allowed[Oral][r] = true;
            if (!m.Choice[Oral][r])
                m.FaecherSgr.setCell(3, r, QString());
        }
        break;
    case Protestant: case Catholic:
        // Core and written role went above.
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 1, 7);
        m.Choice[Taken][Ethics] = true;
        setAllCourses(m, Ethics, Two);
        break;
    case Ethics:
        // Ethik cannot be dropped: it loses its exam roles and stays with
        // its two-hour courses; religion loses any courses left over.
        dropOralRole(m, row);
        for (int r : {Protestant, Catholic}) {
            clearAllCourses(m, r);
            ClearCourseGrades(m, r);
        }
        m.Choice[Taken][row] = true;
        setAllCourses(m, row, Two);
        break;
    case Physics: case Chemistry: case Biology:
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 1, 1);
        if (m.Allowed[Written][row])
            m.FaecherSgr.setCell(2, row, QString());
        clearCells(m, row, 3, 8);
        // Dropping a science brings the other two in.
        for (int r : {Physics, Chemistry, Biology}) {
            if (r != row && !m.Choice[Taken][r]) {
                m.Choice[Taken][r] = true;
                setAllCourses(m, r, Two);
            }
        }
        break;
    case Sport:
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 1, 7);
        break;
    case Achievement: {
        // The oral role goes first: it may give the seminar its courses back.
        dropOralRole(m, row);
        m.Choice[Taken][row] = false;
        EndBLL(m);
        m.FaecherSgr.setCell(3, row, QString());
        ClearCourse(m, row, 1);
        ClearCourse(m, row, 2);
        break;
    }
    case 21: case 22: case 23: case 24: case 26: case 27: case 28: case ElectiveLanguage:
        // The elective language may be the oral subject: its mark goes too.
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 4, 8);
        break;
    case ComputerScience:
        dropOralRole(m, row);
        clearFlags(m, row);
        clearCells(m, row, 4, 8);
        m.FaecherSgr.setCell(3, row, QString());
        break;
    default:
        break;
    }
}

void addCourses(Model &m, int col, int row)
{
    const int h = col - 3;
    const int first = col <= 5 ? 1 : 3; // first half-year of the clicked pair
    auto setPair = [&](const QString &text) {
        SetCourse(m, row, first, text);
        SetCourse(m, row, first + 1, text);
    };

    switch (row) {
    case 2: case 3: case 4: case FourthLanguage:
        // A language that the school does not offer gets no courses.
        if (m.Allowed[0][row] && !m.Choice[Taken][row]
            && (m.Choice[Core][2] || m.Choice[Core][3] || m.Choice[Core][4])) {
            setPair(Four);
            chosenWhenBothPairs(m, row);
        }
        break;
    case Art: case Music: {
        const int partner = row == Art ? Music : Art;
        if (!m.Choice[Taken][row] && m.Choice[Taken][partner])
            setPair(PlainTwo);
        chosenWhenBothPairs(m, row);
        break;
    }
    case SocialStudies: case Geography: {
        // With Wirtschaft as core subject the one extra half-year comes back.
        const int extraCol = row == SocialStudies ? 7 : 5;
        if (economicsCore(m) && col == extraCol) {
            SetCourse(m, row, extraCol - 3, SingleTwo);
            m.Allowed[Oral][row] = true;
            if (!m.Choice[Oral][row])
                m.FaecherSgr.setCell(3, row, QString());
        }
        break;
    }
    case Physics: case Chemistry: case Biology: {
        auto chosen = [&](int r) { return m.Choice[Taken][r]; };
        if (!chosen(row)
            && ((chosen(Maths) && chosen(Physics)) || (chosen(Physics) && chosen(Chemistry))
                || (chosen(Maths) && chosen(Chemistry)))) {
            setPair(PlainTwo);
            chosenWhenBothPairs(m, row);
        }
        break;
    }
    case Sport:
        SetCourse(m, row, h, Two);
        break;
    case 21: case 22: case 23: case 24: case 26: case 27: case 28:
        // An elective occupies exactly one pair: it moves with its grades.
        m.Choice[Taken][row] = true;
        setPair(Two);
        if (first == 1 && m.Choice[HalfYear3][row]) {
            ClearCourse(m, row, 3);
            ClearCourse(m, row, 4);
            m.Grades[1][row] = m.Grades[3][row];
            m.Grades[2][row] = m.Grades[4][row];
            m.Grades[3][row] = m.Grades[4][row] = 0;
        } else if (first == 3 && m.Choice[HalfYear1][row]) {
            ClearCourse(m, row, 1);
            ClearCourse(m, row, 2);
            m.Grades[3][row] = m.Grades[1][row];
            m.Grades[4][row] = m.Grades[2][row];
            m.Grades[1][row] = m.Grades[2][row] = 0;
        }
        break;
    case ComputerScience:
    case ElectiveLanguage:
        if (row == ElectiveLanguage && !m.Allowed[0][row])
            break;
        // Starts in the first pair; both pairs make it chosen.
        if (!m.Choice[Taken][row] && (first == 1 || m.Choice[HalfYear1][row])) {
            // The elective language has the school's hours however it comes about.
            setPair(row == ComputerScience ? Two : ElectiveHoursText(m));
            if (m.Choice[HalfYear1][row] && m.Choice[HalfYear3][row]) {
                m.Choice[Taken][row] = true;
                for (int c = HalfYear1; c <= HalfYear4; ++c)
                    m.Choice[c][row] = true;
            }
        }
        break;
    default:
        break;
    }
}

// Sport given up course by course (medical certificate).
void removeSportCourse(Model &m, int halfYear)
{
    const int row = Sport;
    const bool core = m.Choice[Core][row];
    const bool written = m.Choice[Written][row];
    const bool oral = m.Choice[Oral][row];
    m.Choice[Taken][row] = false;
    if (!written && !oral) {
        ClearCourse(m, row, halfYear);
        m.Grades[halfYear][row] = 0;
    } else {
        // An exam subject short of a course keeps none.
        for (int h : {3, 4}) {
            ClearCourse(m, row, h);
            m.Grades[h][row] = 0;
        }
        for (int h = 1; h <= 3; ++h)
            ClearCourse(m, row, h);
        m.Choice[Written][row] = false;
        dropOralRole(m, row);
    }
    // Sport short of a course is no core subject either: the slot is freed
    // as the core rule frees it, and the courses left become two-hour ones.
    if (core)
        RemoveCoreRole(m, SubjectCount, row);
    if (m.Allowed[Written][row])
        m.FaecherSgr.setCell(2, row, QString());
    m.FaecherSgr.setCell(3, row, QString());
}

void removeCourses(Model &m, int col, int row)
{
    const int h = col - 3;
    const int first = col <= 5 ? 1 : 3;
    switch (row) {
    case SocialStudies: case Geography: {
        const int extraCol = row == SocialStudies ? 7 : 5;
        if (!economicsCore(m) || col != extraCol)
            break;
        m.Choice[col][row] = false;
        m.Allowed[Oral][row] = false;
        dropOralRole(m, row);
        m.FaecherSgr.setCell(3, row, Blocked);
        m.FaecherSgr.setCell(col, row, QString());
        m.Grades[h][row] = 0;
        break;
    }
    case Sport:
        removeSportCourse(m, h);
        break;
    case 21: case 22: case 23: case 24: case 26: case 27: case 28: case ElectiveLanguage:
        m.Grades[first][row] = m.Grades[first + 1][row] = 0;
        m.Choice[Taken][row] = false;
        ClearCourse(m, row, first);
        ClearCourse(m, row, first + 1);
        // The elective language may be the oral subject: not without courses.
        if (!m.Choice[HalfYear1][row] && !m.Choice[HalfYear2][row]
            && !m.Choice[HalfYear3][row] && !m.Choice[HalfYear4][row])
            dropOralRole(m, row);
        break;
    case ComputerScience:
        ClearCourse(m, row, 3);
        ClearCourse(m, row, 4);
        break;
    default:
        break;
    }
}

} // namespace

void SetCourse(Model &m, int row, int halfYear, const QString &text)
{
    m.Choice[halfYear + 3][row] = true;
    m.FaecherSgr.setCell(halfYear + 3, row, text);
}

void ClearCourse(Model &m, int row, int halfYear)
{
    m.Choice[halfYear + 3][row] = false;
    m.FaecherSgr.setCell(halfYear + 3, row, QString());
}

void ClearCourseGrades(Model &m, int row)
{
    for (int h = 1; h <= 4; ++h)
        m.Grades[h][row] = 0;
}

void WithdrawElectiveLanguage(Model &m, int count, int row)
{
    const int elective = count - 1;
    if (row == elective || m.name(elective) != m.name(row))
        return;
    if (m.Choice[Oral][elective])
        RemoveOralRole(m, count, elective);
    m.Allowed[0][elective] = false;
    m.Choice[Taken][elective] = false;
    clearAllCourses(m, elective);
    ClearCourseGrades(m, elective);
}

void SubjectRule(Model &m, Interaction &ui, int col, int row)
{
    if (row < 1 || row >= SubjectCount)
        return;
    if (!m.Choice[Taken][row] && col == 0 && m.Allowed[0][row])
        chooseSubject(m, ui, row);
    else
        dropSubject(m, row);
}

void HalfYearRule(Model &m, Interaction &, int col, int row)
{
    if (row < 1 || row >= SubjectCount || col < 4 || col > 7)
        return;
    if (!m.Choice[col][row])
        addCourses(m, col, row);
    else if (row >= SocialStudies)
        removeCourses(m, col, row);
}

} // namespace tamb
