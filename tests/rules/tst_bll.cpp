#include "ChoiceBuilder.h"

#include "rules/BLLDialog.h"
#include "rules/Dispatch.h"
#include "model/MainWindowLogic.h"

#include <QTemporaryDir>

#include <QtTest>

using namespace tamb;
using namespace tamb::test;

namespace {

constexpr int BLL = 20;
constexpr int ExamRow5 = SubjectCount + 4;

// Opens the dialog the way the oral rule leaves it: shown, then `ClickCol`
// back at 3 when opened from the " m" column.
BLLDialogState openDialog(Model &m, bool fromOralColumn = false)
{
    BLLDialogState s;
    BLLFormShow(m, s);
    if (fromOralColumn)
        m.ClickCol = 3;
    return s;
}

// The achievement as a competition, chosen, in task field II, oral subject.
void competitionAsOralSubject(Model &m)
{
    setOral(m, 12, false);
    BLLDialogState s = openDialog(m, true);
    ArtRGrClick(m, s, 1);
    AufgabenfeldRgrClick(m, s, 1);
    ScriptedInteraction ui;
    BLLFormClose(m, ui, s);
}

} // namespace

class TestBLL : public QObject
{
    Q_OBJECT
private slots:
    void seminarThenCompetition();
    void showingTakesTheItemsOfTheChoice_data();
    void showingTakesTheItemsOfTheChoice();
    void fieldNeedsAForm();
    void fields_data();
    void fields();
    void oralSubject_data();
    void oralSubject();
    void gradeMovesIntoTheOralExam();
    void closingWithoutAForm();
    void closingRunsTheWholeRefresh();
    void dialogMarksTheChoiceChanged();
    void endedAchievementForgetsTheDialog();
};

void TestBLL::seminarThenCompetition()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    BLLDialogState s = openDialog(m);
    QVERIFY(!s.fieldEnabled);
    ArtRGrClick(m, s, 0);
    QCOMPARE(m.FaecherSgr.cell(0, BLL), QStringLiteral("BLL - Seminarkurs"));
    QCOMPARE(m.FaecherSgr.cell(4, BLL), QStringLiteral(" 3"));
    QCOMPARE(m.FaecherSgr.cell(5, BLL), QStringLiteral(" 3"));
    QCOMPARE(m.FaecherSgr.cell(8, BLL), QStringLiteral("   2"));
    QVERIFY(m.Choice[HalfYear1][BLL] && m.Choice[HalfYear2][BLL]);
    QVERIFY(!m.Choice[HalfYear3][BLL] && !m.Choice[HalfYear4][BLL]);
    QVERIFY(s.fieldEnabled);
    QCOMPARE(m.view.afSemKCaption,
             QStringLiteral("Das Aufgabenfeld der besonderen Lernleistung ist noch nicht festgelegt"));
    QVERIFY(!m.Choice[Taken][BLL]); // chosen when the dialog closes
    BLLFormClose(m, ui, s);
    QVERIFY(m.Choice[Taken][BLL]);
    QCOMPARE(m.SubjectText[0][BLL], QStringLiteral("BLL - Seminarkurs"));
    QVERIFY(m.view.afSemKVisible);
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("17"));
    QCOMPARE(m.WostSgr.cell(2, 0), QStringLiteral("17"));
    QCOMPARE(m.WostSgr.cell(3, 0), QStringLiteral("14"));

    s = openDialog(m);
    QCOMPARE(s.art, 0);
    ArtRGrClick(m, s, 1);
    QCOMPARE(m.FaecherSgr.cell(0, BLL), QStringLiteral("BLL - Wettbewerb"));
    QCOMPARE(m.FaecherSgr.cell(4, BLL), QString());
    QCOMPARE(m.FaecherSgr.cell(5, BLL), QString());
    QCOMPARE(m.FaecherSgr.cell(8, BLL), QString());
    QVERIFY(!m.Choice[HalfYear1][BLL] && !m.Choice[HalfYear2][BLL]);
    BLLFormClose(m, ui, s);
    QCOMPARE(m.SubjectText[0][BLL], QStringLiteral("BLL - Wettbewerb"));
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("14"));
    QCOMPARE(m.WostSgr.cell(2, 0), QStringLiteral("14"));
}

void TestBLL::showingTakesTheItemsOfTheChoice_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("seminar");
    QTest::addColumn<int>("bllField");
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("field");

    QTest::newRow("not chosen") << false << true << 2 << -1 << -1;
    QTest::newRow("seminar, field II") << true << true << 2 << 0 << 1;
    QTest::newRow("competition, field III") << true << false << 3 << 1 << 2;
    QTest::newRow("field not yet set") << true << true << 0 << 0 << -1;
}

void TestBLL::showingTakesTheItemsOfTheChoice()
{
    QFETCH(bool, chosen);
    QFETCH(bool, seminar);
    QFETCH(int, bllField);
    QFETCH(int, art);
    QFETCH(int, field);

    Model m = startedModel();
    m.Choice[Taken][BLL] = chosen;
    m.Choice[HalfYear1][BLL] = seminar;
    m.BLLField = quint8(bllField);
    m.ClickCol = 3;
    BLLDialogState s;
    BLLFormShow(m, s);
    QCOMPARE(m.ClickCol, -1);
    QVERIFY(m.view.afSemKVisible);
    QCOMPARE(s.art, art);
    QCOMPARE(s.field, field);
    QCOMPARE(s.fieldEnabled, art >= 0);
}

void TestBLL::fieldNeedsAForm()
{
    Model m = startedModel();
    BLLDialogState s = openDialog(m);
    AufgabenfeldRgrClick(m, s, 1);
    QCOMPARE(s.field, -1);
    QCOMPARE(m.BLLField, quint8(0));
    QVERIFY(!m.BLLSocialField);
    QCOMPARE(m.view.width, 750);
}

void TestBLL::fields_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("social");

    QTest::newRow("I") << 0
                       << "Aufgabenfeld der besonderen Lernleistung: sprachlich-literarisch-künstlerisch"
                       << 775 << false;
    QTest::newRow("II") << 1 << "Aufgabenfeld der besonderen Lernleistung: gesellschaftswissenschaftlich"
                        << 775 << true;
    QTest::newRow("III") << 2
                         << "Aufgabenfeld der besonderen Lernleistung: mathematisch-naturwissenschaftlich"
                         << 780 << false;
}

void TestBLL::fields()
{
    QFETCH(int, item);
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, social);

    Model m = startedModel();
    m.BLLSocialField = !social;
    BLLDialogState s = openDialog(m);
    ArtRGrClick(m, s, 1);
    AufgabenfeldRgrClick(m, s, item);
    QCOMPARE(m.view.afSemKCaption, caption);
    QCOMPARE(m.view.width, width);
    QCOMPARE(m.BLLSocialField, social);
    QCOMPARE(int(m.BLLField), item + 1);
    QVERIFY(!m.Choice[Oral][BLL]);
    // A form picked again keeps the task field's text.
    ArtRGrClick(m, s, 0);
    QCOMPARE(m.view.afSemKCaption, caption);
}

void TestBLL::oralSubject_data()
{
    QTest::addColumn<bool>("fromOralColumn");
    QTest::addColumn<bool>("alreadyOral");
    QTest::addColumn<int>("writtenSocial"); // a written "g" row, 0 none
    QTest::addColumn<int>("otherOral");     // another oral subject, 0 none
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("oral");

    QTest::newRow("field II from m") << true << false << 0 << 0 << 1 << true;
    QTest::newRow("field II from the name") << false << false << 0 << 0 << 1 << false;
    QTest::newRow("field I from m") << true << false << 0 << 0 << 0 << false;
    QTest::newRow("field III from m") << true << false << 0 << 0 << 2 << false;
    QTest::newRow("II to I, nothing social written") << false << true << 0 << 0 << 0 << false;
    QTest::newRow("II to III, nothing social written") << false << true << 0 << 0 << 2 << false;
    QTest::newRow("II to I, Geschichte written") << false << true << 8 << 0 << 0 << true;
    QTest::newRow("II to III, Ethik written") << false << true << 14 << 0 << 2 << true;
    QTest::newRow("field II from m, another oral subject meanwhile")
        << true << false << 0 << 10 << 1 << false;
}

void TestBLL::oralSubject()
{
    QFETCH(bool, fromOralColumn);
    QFETCH(bool, alreadyOral);
    QFETCH(int, writtenSocial);
    QFETCH(int, otherOral);
    QFETCH(int, item);
    QFETCH(bool, oral);

    Model m = startedModel();
    if (writtenSocial)
        m.Choice[Written][writtenSocial] = true;
    if (otherOral) {
        setOral(m, otherOral);
        m.PfaecherSgr.setCell(4, 6, QStringLiteral("   ") + m.name(otherOral));
    }
    if (alreadyOral) {
        m.Choice[Taken][BLL] = true;
        m.BLLField = 2;
        m.BLLSocialField = true;
        setOral(m, BLL);
        m.PfaecherSgr.setCell(4, 6, QStringLiteral("   Bes. Lernleistung"));
        m.PfaecherSgr.setCell(3, 6, QStringLiteral(" m P"));
    }
    BLLDialogState s = openDialog(m, fromOralColumn);
    ArtRGrClick(m, s, 0);
    AufgabenfeldRgrClick(m, s, item);

    QCOMPARE(m.Choice[Oral][BLL], oral);
    QCOMPARE(m.FaecherSgr.cell(3, BLL), oral ? QStringLiteral(" m") : QString());
    // The achievement is the oral exam once it is chosen, when the dialog
    // closes with its form: the overview names it from then on.
    ScriptedInteraction ui;
    BLLFormClose(m, ui, s);
    QCOMPARE(m.Choice[Oral][BLL], oral);
    if (oral) {
        QVERIFY(m.PfaecherSgr.cell(4, 6).startsWith(QStringLiteral("   ")));
        QCOMPARE(m.PfaecherSgr.cell(3, 6), QStringLiteral(" m P"));
    } else if (otherOral) {
        QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   ") + m.name(otherOral));
        QVERIFY(m.Choice[Oral][otherOral]);
    } else {
        QCOMPARE(m.PfaecherSgr.cell(4, 6), QString());
    }
    if (fromOralColumn && oral)
        QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   BLL - Seminarkurs"));
    QCOMPARE(CountChosen(m, SubjectCount, Oral), oral || otherOral ? 1 : 0);
}

void TestBLL::gradeMovesIntoTheOralExam()
{
    Model m = startedModel();
    m.Choice[Taken][BLL] = true;
    m.Grades[1][BLL] = m.Grades[2][BLL] = quint8(11 | GradePresent);
    BLLDialogState s = openDialog(m, true);
    QCOMPARE(s.art, 1);
    ArtRGrClick(m, s, 0);
    AufgabenfeldRgrClick(m, s, 1);
    QVERIFY(m.Choice[Oral][BLL]);
    QCOMPARE(m.Grades[2][ExamRow5], quint8(11 | GradePresent | ExamResult));
    QCOMPARE(m.Grades[1][BLL], quint8(0));
    QCOMPARE(m.Grades[2][BLL], quint8(0));
    // The seminar's courses give way to the examination.
    QVERIFY(!m.Choice[HalfYear1][BLL] && !m.Choice[HalfYear2][BLL]);

    // Without a grade nothing moves.
    Model n = startedModel();
    s = openDialog(n, true);
    ArtRGrClick(n, s, 0);
    AufgabenfeldRgrClick(n, s, 1);
    QVERIFY(n.Choice[Oral][BLL]);
    QCOMPARE(n.Grades[2][ExamRow5], quint8(0));
    QVERIFY(n.Choice[HalfYear1][BLL] && n.Choice[HalfYear2][BLL]);
}

void TestBLL::closingWithoutAForm()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    Refresh(m, ui);
    const Model before = m;
    BLLDialogState s = openDialog(m);
    BLLFormClose(m, ui, s);
    QVERIFY(!m.Choice[Taken][BLL]);
    QVERIFY(std::equal(&m.Choice[0][0], &m.Choice[0][0] + 8 * SubjectCount, &before.Choice[0][0]));
    QCOMPARE(dump(m.FaecherSgr), dump(before.FaecherSgr));
    QCOMPARE(m.view.messages, before.view.messages);
    QCOMPARE(m.Modified, before.Modified);
}

void TestBLL::closingRunsTheWholeRefresh()
{
    Model m = completeModel();
    competitionAsOralSubject(m);
    QVERIFY(m.Choice[Oral][BLL]);
    QCOMPARE(m.FaecherSgr.cell(8, 12), QStringLiteral("4"));
    QVERIFY(m.view.menusEnabled);

    // Field I takes the oral role away; closing must take the menus with it.
    BLLDialogState s = openDialog(m);
    AufgabenfeldRgrClick(m, s, 0);
    ScriptedInteraction ui;
    BLLFormClose(m, ui, s);
    QVERIFY(!m.Choice[Oral][BLL]);
    QCOMPARE(m.view.messages, QStringLiteral("»Das mündliche Prüfungsfach ist noch nicht gewählt"));
    QVERIFY(!m.view.menusEnabled);
    QVERIFY(!m.view.legendVisible);
    QCOMPARE(m.FaecherSgr.cell(8, 1), QStringLiteral("    4"));
}

void TestBLL::dialogMarksTheChoiceChanged()
{
    Model m = startedModel();
    BLLDialogState s = openDialog(m);
    ArtRGrClick(m, s, 0);
    QCOMPARE(m.Modified, quint8(1));
    m.Modified = 0;
    AufgabenfeldRgrClick(m, s, 2);
    QCOMPARE(m.Modified, quint8(1));
    // Changed grades stay the stronger mark.
    m.Modified = 2;
    ArtRGrClick(m, s, 1);
    QCOMPARE(m.Modified, quint8(2));
}

// A form picked in a dialog still open when the achievement ends ("&Neu",
// dropped by its name) does not come back when the dialog closes, and
// nothing of it stays on the row.
void TestBLL::endedAchievementForgetsTheDialog()
{
    for (bool newForm : {true, false}) {
        QTemporaryDir dir; // no settings file
        Model m = startedModel();
        m.ProgDir = dir.path();
        ScriptedInteraction ui;
        click(m, ui, 0, BLL);
        BLLDialogState s = openDialog(m);
        ArtRGrClick(m, s, 0);
        AufgabenfeldRgrClick(m, s, 1);
        if (!newForm) {
            BLLFormClose(m, ui, s);
            s = openDialog(m);
        }
        newForm ? NeuesFormularClick(m, ui) : click(m, ui, 0, BLL);
        for (bool closed : {false, true}) {
            if (closed)
                BLLFormClose(m, ui, s);
            QVERIFY(!m.Choice[Taken][BLL] && !m.Choice[HalfYear1][BLL] && !m.view.afSemKVisible);
            QCOMPARE(m.name(BLL), QStringLiteral("Bes. Lernleistung"));
            QCOMPARE(m.FaecherSgr.cell(0, BLL) + m.FaecherSgr.cell(4, BLL), m.name(BLL));
        }
    }
}

QTEST_GUILESS_MAIN(TestBLL)
#include "tst_bll.moc"
