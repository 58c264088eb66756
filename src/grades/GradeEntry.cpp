// Grade entry: the six editors, their modes and the deletions.
#include "grades/GradeEntry.h"

#include "grades/Grades.h"
#include "model/History.h"
#include "model/Interaction.h"
#include "model/Model.h"

namespace tamb {

namespace {

using namespace GradeGrids;

const QString BllTitle = QStringLiteral("Besondere Lernleistung (Gesamtnote)");
const QString SeminarCourse = QStringLiteral("Seminarkurs (BLL)");

int rowsOf(const GradesView &g) { return qBound(1, g.Rows, SubjectCount); }

bool hasCourse(const Model &m, int h, int r)
{
    return h >= 1 && h <= 4 && r >= 1 && r < SubjectCount && m.Choice[h + 3][r];
}

bool bllIsOral(const Model &m) { return m.Choice[Oral][m.BLLRow]; }

// The series leave out the special learning achievement while it is the
// oral component: its total is entered as a single grade then.
bool seriesSkips(const Model &m, int r) { return r == m.BLLRow && bllIsOral(m); }

// Marks the grades changed (`Modified` 2) when an action changed what the
// files keep of them: opening and closing an editor, the same value again
// or a cancelled question leave the mark as it was.
class ChangeMark
{
public:
    explicit ChangeMark(Model &m) : m(m), before(EnteredGrades(m)) {}
    ~ChangeMark()
    {
        if (EnteredGrades(m) != before)
            m.Modified = 2;
    }

private:
    Model &m;
    const QByteArray before;
};

int nextRowInHalfYear(const Model &m, const GradesView &g, int h, int from)
{
    for (int r = from; r < rowsOf(g); ++r)
        if (hasCourse(m, h, r) && !seriesSkips(m, r))
            return r;
    return 0;
}

int nextHalfYearOfRow(const Model &m, int r, int from)
{
    for (int h = qMax(from, 1); h <= 4; ++h)
        if (hasCourse(m, h, r))
            return h;
    return 0;
}

// The all-grades series visits the rows with a course in half-year 1 or 3.
int nextRowOfAllGrades(const Model &m, const GradesView &g, int from)
{
    for (int r = from; r < rowsOf(g); ++r)
        if ((hasCourse(m, 1, r) || hasCourse(m, 3, r)) && !seriesSkips(m, r))
            return r;
    return 0;
}

QString halfYearTitle(int h, bool colon)
{
    return (colon ? QStringLiteral("Noteneingabe: ") : QStringLiteral("Noteneingabe "))
           + QString::number(h) + QStringLiteral(". Halbjahr");
}

void showTitles(GradesView &g, const QString &title, const QString &subject, bool exam)
{
    const int length = int(title.size());
    g.NotEingLbl.text = title;
    g.NotEingLbl.visible = true;
    g.NotEingLbl.left = exam ? 9 * length / 2 : 41;
    g.FachnameLbl.text = subject;
    g.FachnameLbl.visible = true;
    g.FachnameLbl.top = g.NotEingLbl.top + (exam ? 30 : 6);
    g.FachnameLbl.left = 11 * length;
}

// Editor over cell (col, row) of the courses grid.
void placeOnCourses(GradesView &g, GradeEditor editor, int col, int row)
{
    g.editor = editor;
    g.editorRect = QRect(CoursesLeft + 3 + CoursesFirstColumn + (ColumnWidth + 1) * (col - 1),
                         CoursesTop + 2 + (CoursesRowHeight + 1) * row, ColumnWidth,
                         CoursesRowHeight);
}

// Editor over cell (col, row) of the examinations grid.
void placeOnExams(GradesView &g, GradeEditor editor, int col, int row)
{
    g.editor = editor;
    g.editorRect = QRect(ExamsLeft + 3 + ExamsFirstColumn + (ColumnWidth + 1) * (col - 1),
                         ExamsTop + 2 + (ExamsRowHeight + 1) * row, ColumnWidth,
                         ExamsRowHeight);
}

QString subjectOf(const Model &m, int r) { return r == m.BLLRow ? QString() : m.name(r); }

void storeOralComponent(Model &m, GradesView &g, int p)
{
    m.Grades[2][examColumn(rowsOf(g), 5)] = quint8(p | GradePresent | ExamResult);
    g.NPfaecherSgr.setCell(2, 5, resultText(p));
}

void storeResult(Model &m, GradesView &g, int c, int e, int p)
{
    m.Grades[c][examColumn(rowsOf(g), e)] = quint8(p | GradePresent | ExamResult);
    g.NPfaecherSgr.setCell(c, e, resultText(p));
}

// Results do not change Block I; a pupil not admitted stays so.
void afterResult(Model &m, GradesView &g)
{
    if (g.AdmissionFlags != 0)
        ShowNonAdmission(g);
    else
        ComputeBlockII(m, g);
}

void halfYearSeriesValue(Model &m, GradesView &g, int p)
{
    StoreGrade(m, g, g.EditHalfYear, g.EditRow, p);
    RecomputeAll(m, g);
    const int next = nextRowInHalfYear(m, g, g.EditHalfYear, g.EditRow + 1);
    if (next == 0) {
        EndEntry(g);
        return;
    }
    g.EditRow = next;
    g.editorText.clear();
    placeOnCourses(g, GradeEditor::HjNotenEd, g.EditHalfYear + 2, next);
    g.FachnameLbl.text = subjectOf(m, next);
}

void subjectSeriesValue(Model &m, GradesView &g, int p)
{
    const int r = g.EditRow;
    StoreGrade(m, g, g.EditHalfYear, r, p);
    if (r == m.BLLRow && bllIsOral(m))
        storeOralComponent(m, g, p);
    RecomputeAll(m, g);
    // The special learning achievement has one total grade.
    const int next = r == m.BLLRow ? 0 : nextHalfYearOfRow(m, r, g.EditHalfYear + 1);
    if (next == 0) {
        EndEntry(g);
        return;
    }
    g.EditHalfYear = next;
    g.EditCol = next;
    g.editorText.clear();
    placeOnCourses(g, GradeEditor::FNotenEd, next + 2, r);
    g.NotEingLbl.text = halfYearTitle(next, true);
}

void allGradesValue(Model &m, GradesView &g, int p)
{
    int r = g.EditRow;
    int h = g.EditHalfYear;
    g.NFaecherSgr.setCell(h + 2, r, typedGradeText(p));
    StoreGrade(m, g, h, r, p);
    RecomputeAll(m, g);

    if (m.abbreviation(r) == QLatin1String("Gk") && !m.Choice[Core][r])
        ++h;
    int next = r == m.BLLRow ? 0 : nextHalfYearOfRow(m, r, h + 1);
    if (next == 0) {
        r = nextRowOfAllGrades(m, g, r + 1);
        if (r == 0) {
            EndEntry(g);
            return;
        }
        next = nextHalfYearOfRow(m, r, 1);
    }
    g.EditRow = r;
    g.EditHalfYear = next;
    g.EditCol = next;
    g.editorText.clear();
    placeOnCourses(g, GradeEditor::AlleNotenEd, next + 2, r);
    g.NotEingLbl.text = halfYearTitle(next, true);
    g.FachnameLbl.text = subjectOf(m, r);
}

void writtenSeriesValue(Model &m, GradesView &g, int p)
{
    storeResult(m, g, 1, g.EditRow, p);
    afterResult(m, g);
    if (g.EditRow >= 4) {
        EndEntry(g);
        return;
    }
    ++g.EditRow;
    g.editorText.clear();
    placeOnExams(g, GradeEditor::AbiNotenEd, 1, g.EditRow);
    g.FachnameLbl.text = g.NPfaecherSgr.cell(0, g.EditRow);
}

void singleGradeValue(Model &m, GradesView &g, EditKey key, const QString &text)
{
    const int h = g.EditCol;
    const int r = g.EditRow;
    const QString typed = text.left(2);
    const bool bll = r == m.BLLRow;
    if (typed.isEmpty() && key == EditKey::Return) {
        // Back to no grade.
        m.Grades[h][r] = 0;
        if (bll && h <= 2) {
            m.Grades[1][r] = 0;
            m.Grades[2][r] = 0;
            g.NFaecherSgr.setCell(3, r, QString());
            g.NFaecherSgr.setCell(4, r, QString());
            if (bllIsOral(m)) {
                m.Grades[2][examColumn(rowsOf(g), 5)] = 0;
                g.NPfaecherSgr.setCell(2, 5, QString());
            }
        } else {
            g.NFaecherSgr.setCell(h + 2, r, QStringLiteral(" --"));
        }
        RecomputeAll(m, g);
        EndEntry(g);
        return;
    }
    const std::optional<int> p = typedPoints(typed);
    if (!p) {
        g.editorText.clear();
        return;
    }
    StoreGrade(m, g, h, r, *p);
    if (bll && bllIsOral(m))
        storeOralComponent(m, g, *p);
    RecomputeAll(m, g);
    EndEntry(g);
}

void singleResultValue(Model &m, GradesView &g, const QString &text)
{
    const int c = g.EditCol;
    const int e = g.EditRow;
    if (text.isEmpty()) {
        m.Grades[c][examColumn(rowsOf(g), e)] = 0;
        g.NPfaecherSgr.setCell(c, e, QString());
        afterResult(m, g);
        EndEntry(g);
        return;
    }
    const std::optional<int> p = typedPoints(text);
    if (!p) {
        g.editorText.clear();
        return;
    }
    storeResult(m, g, c, e, *p);
    afterResult(m, g);
    EndEntry(g);
}

} // namespace

std::optional<int> typedPoints(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (QChar ch : trimmed)
        if (!ch.isDigit() || ch.unicode() > u'9')
            return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok || value < 0 || value > 15)
        return std::nullopt;
    return value;
}

void StoreGrade(Model &m, GradesView &g, int h, int r, int p)
{
    const quint8 byte = quint8(p | GradePresent);
    if (r == m.BLLRow && h <= 2) {
        m.Grades[1][r] = byte;
        m.Grades[2][r] = byte;
        // Without courses the total shows in both columns as it is.
        const QString text = hasCourse(m, h, r) ? typedGradeText(p) : resultText(p);
        g.NFaecherSgr.setCell(3, r, text);
        g.NFaecherSgr.setCell(4, r, text);
        return;
    }
    m.Grades[h][r] = byte;
    g.NFaecherSgr.setCell(h + 2, r, typedGradeText(p));
}

void StartHalfYearSeries(Model &m, GradesView &g, int h)
{
    const int r = nextRowInHalfYear(m, g, h, 1);
    if (r == 0)
        return;
    g.EditHalfYear = h;
    g.EditCol = h;
    g.EditRow = r;
    g.editorText.clear();
    placeOnCourses(g, GradeEditor::HjNotenEd, h + 2, r);
    showTitles(g, halfYearTitle(h, false), subjectOf(m, r), false);
}

void StartSubjectSeries(Model &m, GradesView &g, int r)
{
    int h = nextHalfYearOfRow(m, r, 1);
    if (h == 0 && r == m.BLLRow)
        h = 1; // the total grade of a special learning achievement without courses
    if (h == 0)
        return;
    g.EditRow = r;
    g.EditHalfYear = h;
    g.EditCol = h;
    g.editorText.clear();
    placeOnCourses(g, GradeEditor::FNotenEd, h + 2, r);
    if (r == m.BLLRow)
        showTitles(g, BllTitle, QString(), false);
    else
        showTitles(g, halfYearTitle(h, false), m.name(r), false);
}

void StartAllGradesSeries(Model &m, GradesView &g)
{
    const int r = nextRowOfAllGrades(m, g, 1);
    if (r == 0)
        return;
    const int h = nextHalfYearOfRow(m, r, 1);
    g.EditRow = r;
    g.EditHalfYear = h;
    g.EditCol = h;
    g.editorText.clear();
    placeOnCourses(g, GradeEditor::AlleNotenEd, h + 2, r);
    showTitles(g, halfYearTitle(h, false), subjectOf(m, r), false);
}

void StartWrittenResultsSeries(Model &, GradesView &g)
{
    g.EditCol = 1;
    g.EditRow = 1;
    g.editorText.clear();
    placeOnExams(g, GradeEditor::AbiNotenEd, 1, 1);
    showTitles(g, QStringLiteral("Eingabe der Ergebnisse der schriftlichen Abiturprüfung"),
               g.NPfaecherSgr.cell(0, 1), true);
}

void StartSingleGrade(Model &m, GradesView &g, int h, int r)
{
    g.EditCol = h;
    g.EditRow = r;
    g.EditHalfYear = h;
    const quint8 b = m.Grades[h][r];
    g.editorText = b != 0 ? QString::number(points(b)) : QString();
    placeOnCourses(g, GradeEditor::HjEinzelNoteEd, h + 2, r);
    if (r == m.BLLRow)
        showTitles(g, BllTitle, QString(), false);
    else
        showTitles(g, QStringLiteral("Note: ") + QString::number(h) + QStringLiteral(". Halbjahr"),
                   m.name(r), false);
}

void StartSingleResult(Model &m, GradesView &g, int c, int e)
{
    g.EditCol = c;
    g.EditRow = e;
    const quint8 b = m.Grades[c][examColumn(rowsOf(g), e)];
    g.editorText = b != 0 ? QString::number(points(b)) : QString();
    placeOnExams(g, GradeEditor::AbiEinzelNoteEd, c, e);
    if (e == 5 && g.NPfaecherSgr.cell(0, 5) == SeminarCourse)
        showTitles(g, QStringLiteral("Besondere Lernleistung(Gesamtnote):"), QString(), true);
    else
        showTitles(g,
                   c == 1 ? QStringLiteral("Ergebnis der schriftlichen Abiturprüfung in")
                          : QStringLiteral("Ergebnis der mündlichen Abiturprüfung in"),
                   g.NPfaecherSgr.cell(0, e), true);
}

void EndEntry(GradesView &g)
{
    g.editor = GradeEditor::None;
    g.editorText.clear();
    g.NotEingLbl.visible = false;
    g.FachnameLbl.visible = false;
}

void DeleteHalfYear(Model &m, GradesView &g, Interaction &ui, int h)
{
    if (h < 1 || h > 4)
        return;
    const QString question = QStringLiteral("Alle Noten des ") + QString::number(h)
                             + QStringLiteral(". Halbjahres löschen?");
    if (ui.messageBox(BoxKind::Confirmation, question, Buttons::YesNo) != Answer::Yes)
        return;
    if (g.editor == GradeEditor::HjNotenEd) {
        g.editor = GradeEditor::None;
        g.editorText.clear();
    }
    g.FachnameLbl.visible = false;
    g.NotEingLbl.text = QStringLiteral("Noten des ") + QString::number(h)
                        + QStringLiteral(". Halbjahres\r\nwerden gelöscht!");
    g.NotEingLbl.visible = true;
    for (int r = 1; r < rowsOf(g); ++r)
        if (hasCourse(m, h, r)) {
            m.Grades[h][r] = 0;
            g.NFaecherSgr.setCell(h + 2, r, QStringLiteral(" --"));
        }
    RecomputeAll(m, g);
    g.NotEingLbl.text.clear();
    g.NotEingLbl.visible = false;
}

void DeleteAllGrades(Model &m, GradesView &g, Interaction &ui)
{
    switch (ui.messageBox(BoxKind::Confirmation, QStringLiteral("Wirklich alle Noten löschen?"),
                          Buttons::YesNoCancel)) {
    case Answer::Yes:
        for (int c = 1; c <= 4; ++c)
            for (int col = 1; col <= rowsOf(g) + 4; ++col)
                m.Grades[c][col] = 0;
        FillGradeGrids(m, g, rowsOf(g));
        // Block I and what follows from it must not show the old grades.
        RecomputeAll(m, g);
        break;
    case Answer::Cancel:
        EndEntry(g);
        break;
    default:
        break;
    }
}

bool GradeEditorKey(Model &m, GradesView &g, Interaction &ui, EditKey key, const QString &text)
{
    const ChangeMark mark(m);
    g.editorText = text;
    const auto series = [&](void (*store)(Model &, GradesView &, int)) {
        const std::optional<int> p = typedPoints(text);
        if (p)
            store(m, g, *p);
        else
            g.editorText.clear(); // not stored; the series stays on its cell
        return true;
    };
    switch (g.editor) {
    case GradeEditor::None:
        return false;
    case GradeEditor::HjNotenEd:
        if (key == EditKey::Down || key == EditKey::Return || key == EditKey::Click)
            return series(halfYearSeriesValue);
        if (key == EditKey::Delete) {
            DeleteHalfYear(m, g, ui, g.EditHalfYear);
            return true;
        }
        break;
    case GradeEditor::FNotenEd:
        if (key == EditKey::Right || key == EditKey::Return || key == EditKey::Click)
            return series(subjectSeriesValue);
        if (key == EditKey::Delete) {
            DeleteHalfYear(m, g, ui, g.EditHalfYear);
            return true;
        }
        break;
    case GradeEditor::AlleNotenEd:
        if (key == EditKey::Right || key == EditKey::Down || key == EditKey::Return)
            return series(allGradesValue);
        if (key == EditKey::Delete) {
            DeleteAllGrades(m, g, ui);
            return true;
        }
        break;
    case GradeEditor::AbiNotenEd:
        if (key == EditKey::Down || key == EditKey::Return || key == EditKey::Click)
            return series(writtenSeriesValue);
        break;
    case GradeEditor::HjEinzelNoteEd:
        if (key == EditKey::Return || key == EditKey::Click) {
            singleGradeValue(m, g, key, text);
            return true;
        }
        break;
    case GradeEditor::AbiEinzelNoteEd:
        if (key == EditKey::Return) {
            singleResultValue(m, g, text);
            return true;
        }
        break;
    }
    if (key == EditKey::Escape) {
        EndEntry(g);
        return true;
    }
    return false;
}

void NFaecherSgrMouseUp(Model &m, GradesView &g, Interaction &ui, int col, int row,
                        Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const ChangeMark mark(m);
    const int rows = rowsOf(g);
    if (button == Qt::RightButton) {
        if (col >= 3 && col <= 6 && row >= 1 && row < rows)
            ToggleCounted(m, g, ui, col - 2, row);
        return;
    }
    if (button != Qt::LeftButton)
        return;

    if (row == 0) {
        if (col == 0) {
            StartAllGradesSeries(m, g);
        } else if (col >= 3 && col <= 6) {
            const int h = col - 2;
            const bool ctrl = modifiers & Qt::ControlModifier;
            const bool shift = modifiers & Qt::ShiftModifier;
            const bool alt = modifiers & Qt::AltModifier;
            if (ctrl)
                DeleteHalfYear(m, g, ui, h);
            if (shift)
                DesiredGrade(m, g, ui, h);
            if (alt)
                FillWithAverages(m, g, h);
            if (!ctrl && !shift && !alt)
                StartHalfYearSeries(m, g, h);
        }
        return;
    }
    if (row < 1 || row >= rows)
        return;
    if (col >= 3 && col <= 6 && hasCourse(m, col - 2, row)) {
        StartSingleGrade(m, g, col - 2, row);
        return;
    }
    if (row == m.BLLRow && (col == 3 || col == 4) && m.Choice[Taken][row]) {
        StartSingleGrade(m, g, col - 2, row);
        return;
    }
    if (col == 0 && m.Choice[Taken][row]) {
        const bool historyOral = m.Choice[Oral][GradeRows::History];
        if (row == GradeRows::SocialStudies && !(m.Choice[Oral][row] || historyOral))
            return;
        if (row == GradeRows::Geography && !(m.Choice[Oral][row] || historyOral))
            return;
        StartSubjectSeries(m, g, row);
    }
}

void NPfaecherSgrMouseUp(Model &m, GradesView &g, int col, int row)
{
    if (row == 0 && col == 1)
        StartWrittenResultsSeries(m, g);
    else if (((col == 1 || col == 2) && row >= 1 && row <= 4) || (col == 2 && row == 5))
        StartSingleResult(m, g, col, row);
}

void Block1PnlClick(Model &m, GradesView &g)
{
    StartAllGradesSeries(m, g);
}

const QString GradeRangeHint = QStringLiteral("0 bis 15 Punkte");

bool RefusedGradeInput(const GradesView &g, EditKey key, const QString &text)
{
    bool stores = false;
    switch (g.editor) {
    case GradeEditor::None:
        break;
    case GradeEditor::HjNotenEd:
    case GradeEditor::AbiNotenEd:
        stores = key == EditKey::Down || key == EditKey::Return || key == EditKey::Click;
        break;
    case GradeEditor::FNotenEd:
        stores = key == EditKey::Right || key == EditKey::Return || key == EditKey::Click;
        break;
    case GradeEditor::AlleNotenEd:
        stores = key == EditKey::Right || key == EditKey::Down || key == EditKey::Return;
        break;
    case GradeEditor::HjEinzelNoteEd:
        stores = key == EditKey::Return || key == EditKey::Click;
        break;
    case GradeEditor::AbiEinzelNoteEd:
        stores = key == EditKey::Return;
        break;
    }
    // The single grade editor keeps two characters only.
    const QString typed = g.editor == GradeEditor::HjEinzelNoteEd ? text.left(2) : text;
    return stores && !typed.isEmpty() && !typedPoints(typed);
}

} // namespace tamb
