#include "rules/BLLDialog.h"

#include "model/History.h"
#include "model/Model.h"
#include "rules/Dispatch.h"
#include "rules/ExamOverview.h"
#include "rules/ExamRules.h"

namespace tamb {

const QString BLLCaption = QStringLiteral("Besondere Lernleistung");
const QString BLLSeminarName = QStringLiteral("BLL - Seminarkurs");
const QString BLLArtCaption = QStringLiteral("Form der Besonderen Lernleistung");
const QStringList BLLArtItems = {QStringLiteral("Seminarkurs"), QStringLiteral("Wettbewerb")};
const QString BLLFieldCaption = QStringLiteral("Zuordunung zu einem Aufgabenfeld");
const QStringList BLLFieldItems = {
    QStringLiteral("I  ...  sprachlich-literarisch-künstlerisch"),
    QStringLiteral("II  ... gesellschaftswissenschaftlich"),
    QStringLiteral("III ... mathematisch-naturwissenschaftlich-technisch"),
};

namespace {

const QString FieldCaptionPrefix = QStringLiteral("Aufgabenfeld der besonderen Lernleistung: ");

// A state picked before the achievement ended (new form, file read,
// dropped by its name) is taken afresh from the model.
void follow(const Model &m, BLLDialogState &s)
{
    if (s.serial != m.BLLDialogSerial)
        FollowBLLDialog(m, s);
}

// The dialog changes the saved choice; a clean state must ask before closing.
// The item already chosen, clicked again, changes nothing.
void markChanged(Model &m, const Model &before)
{
    if (!SameState(before, m))
        NoteChange(m, GradesOf(m) != GradesOf(before));
}

// A social-science subject (field letter "g") is written.
bool socialScienceWritten(const Model &m)
{
    for (int row = FindField(m, SubjectCount, QStringLiteral("g"));
         row > 0 && row < SubjectCount && m.field(row) == u"g"; ++row)
        if (m.Choice[Written][row])
            return true;
    return false;
}

bool otherOralSubject(const Model &m, int row)
{
    for (int r = 1; r < SubjectCount; ++r)
        if (r != row && m.Choice[Oral][r])
            return true;
    return false;
}

} // namespace

bool FollowBLLDialog(const Model &m, BLLDialogState &s)
{
    const BLLDialogState before = s;
    s = BLLDialogState();
    s.serial = m.BLLDialogSerial;
    const int bll = m.BLLRow;
    if (bll > 0 && bll < SubjectCount && m.Choice[Taken][bll]) {
        // A seminar course whose courses gave way to the oral exam is one still.
        s.art = m.Choice[HalfYear1][bll] || m.name(bll) == BLLSeminarName ? 0 : 1;
        s.field = m.BLLField >= 1 && m.BLLField <= 3 ? m.BLLField - 1 : -1;
        // The form is known, so the task field can be changed at once.
        s.fieldEnabled = true;
    }
    return !(s == before);
}

void BLLFormShow(Model &m, BLLDialogState &s)
{
    // A task field picked now counts as a click in " m" only when the oral
    // rule opened the dialog.
    m.ClickCol = -1;
    m.view.afSemKVisible = true;
    FollowBLLDialog(m, s);
}

void ArtRGrClick(Model &m, BLLDialogState &s, int item)
{
    const int bll = m.BLLRow;
    if (item < 0 || item > 1 || bll <= 0 || bll >= SubjectCount)
        return;
    follow(m, s);
    const Model before = m;
    s.art = item;
    TextGrid &g = m.FaecherSgr;
    if (item == 0) {
        m.SubjectText[0][bll] = BLLSeminarName;
        g.setCell(4, bll, QStringLiteral(" 3"));
        g.setCell(5, bll, QStringLiteral(" 3"));
        m.Choice[HalfYear1][bll] = true;
        m.Choice[HalfYear2][bll] = true;
        g.setCell(8, bll, QStringLiteral("   2"));
    } else {
        m.SubjectText[0][bll] = QStringLiteral("BLL - Wettbewerb");
        m.Choice[HalfYear1][bll] = false;
        m.Choice[HalfYear2][bll] = false;
        g.setCell(4, bll, QString());
        g.setCell(5, bll, QString());
        g.setCell(8, bll, QString());
    }
    g.setCell(0, bll, m.SubjectText[0][bll]);

    s.fieldEnabled = true;
    if (s.field < 0)
        m.view.afSemKCaption =
            QStringLiteral("Das Aufgabenfeld der besonderen Lernleistung ist noch nicht festgelegt");
    // The main window shows the new name while the dialog stays open.
    ShowExamOverview(m);
    markChanged(m, before);
}

void AufgabenfeldRgrClick(Model &m, BLLDialogState &s, int item)
{
    const int bll = m.BLLRow;
    if (bll <= 0 || bll >= SubjectCount)
        return;
    follow(m, s);
    if (!s.fieldEnabled || item < 0 || item > 2)
        return;
    const Model before = m;
    s.field = item;

    bool condition = false;
    if (item == 1) {
        m.view.width = m.NormalWidth + 25;
        m.view.afSemKCaption = FieldCaptionPrefix + QStringLiteral("gesellschaftswissenschaftlich");
        m.BLLSocialField = true;
        condition = true;
    } else {
        if (item == 0) {
            m.view.width = m.NormalWidth + 25;
            m.view.afSemKCaption =
                FieldCaptionPrefix + QStringLiteral("sprachlich-literarisch-künstlerisch");
        } else {
            m.view.afSemKCaption =
                FieldCaptionPrefix + QStringLiteral("mathematisch-naturwissenschaftlich");
            m.view.width = m.NormalWidth + 30;
        }
        m.BLLSocialField = false;
        // Outside field II the achievement stays the oral subject only with
        // a written social-science subject.
        if (m.Choice[Oral][bll]) {
            condition = socialScienceWritten(m);
            // As the oral rule takes the role away: the seminar gets its
            // courses and grade back.
            if (!condition)
                RemoveOralRole(m, SubjectCount, bll);
        }
    }
    m.BLLField = quint8(item + 1);

    // Opened from the " m" column: the achievement becomes the oral subject,
    // unless another subject has taken that role meanwhile.
    if (m.ClickCol == 3 && m.Allowed[Oral][bll] && condition && !otherOralSubject(m, bll)) {
        m.Choice[Oral][bll] = true;
        m.FaecherSgr.setCell(3, bll, QStringLiteral(" m"));
        MoveBLLGradeToOralExam(m);
    }
    ShowExamOverview(m);
    markChanged(m, before);
}

void BLLFormClose(Model &m, Interaction &ui, BLLDialogState &s)
{
    const int bll = m.BLLRow;
    follow(m, s);
    if (s.art >= 0 && bll > 0 && bll < SubjectCount) {
        m.Choice[Taken][bll] = true;
        m.SubjectText[0][bll] = m.FaecherSgr.cell(0, bll);
        m.view.afSemKVisible = true;
    }
    // Closed without a form: no achievement, so no oral exam in it either.
    if (bll > 0 && bll < SubjectCount && !m.Choice[Taken][bll]) {
        if (m.Choice[Oral][bll])
            RemoveOralRole(m, SubjectCount, bll);
        // No task-field label on an achievement that is not chosen.
        m.view.afSemKVisible = false;
    }
    // The whole refresh: column 8, the count and the menus must follow a
    // choice that the dialog completed or broke.
    Refresh(m, ui);
}

void MoveBLLGradeToOralExam(Model &m)
{
    const int bll = m.BLLRow;
    if (bll <= 0 || bll >= SubjectCount)
        return;
    const quint8 total = m.Grades[1][bll];
    if (total == 0)
        return;
    constexpr int ExamRow5 = SubjectCount - 1 + 5;
    m.Grades[2][ExamRow5] = quint8((total & PointsMask) | GradePresent | ExamResult);
    m.Grades[1][bll] = 0;
    m.Grades[2][bll] = 0;
    m.Choice[HalfYear1][bll] = false;
    m.Choice[HalfYear2][bll] = false;
}

} // namespace tamb
