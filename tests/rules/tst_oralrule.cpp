#include "tst_rulestate.h"

#include "rules/BLLDialog.h"
#include "rules/ExamRules.h"

#include <QTest>

using namespace tamb;
using test::clicks;
using test::rowState;

namespace {

const QString SocialHint = QStringLiteral("Es ist noch kein Prüfungsfach aus \n\r"
                                          "dem gesellschaftswissenschaftlichen\n\r"
                                          "Aufgabenfeld gewählt!");
const int ExamRow5 = SubjectCount + 4;
constexpr int BLL = 20;

// The dialog as the pupil uses it: a form, then a task field, then closing.
void useBLLDialog(Model &m, ScriptedInteraction &ui, int art, int field)
{
    BLLDialogState s;
    ArtRGrClick(m, s, art);
    AufgabenfeldRgrClick(m, s, field);
    BLLFormClose(m, ui, s);
}

} // namespace

class TestOralRule : public QObject
{
    Q_OBJECT
private slots:
    void oralClick_data();
    void oralClick();
    void secondOralSubject();
    void oralRemoved();
    void bllOpensDialogFromOralColumn();
    void bllInSocialField();
    void bllGradeMovesAndReturns_data();
    void bllGradeMovesAndReturns();
};

void TestOralRule::oralClick_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("oral"); // (4,6) of the overview

    QTest::newRow("Physik without a social subject written")
        << QList<int>{} << 16 << SocialHint << "--------|||||||" << "";
    QTest::newRow("Geschichte always")
        << QList<int>{} << 8 << "" << "T--m1234||| m| 2| 2| 2| 2" << "   Geschichte";
    QTest::newRow("Physik with Geschichte written")
        << QList<int>{1, 8, 2, 8} << 16 << "" << "T--m1234||| m| 2| 2| 2| 2" << "   Physik";
    QTest::newRow("Informatik chosen with it")
        << QList<int>{1, 8, 2, 8} << 25 << "" << "T--m1234| ¤| ¤| m| 2| 2| 2| 2" << "   Informatik";
    QTest::newRow("Englisch chosen with four hours")
        << QList<int>{1, 8, 2, 8} << 2 << "" << "T--m1234||| m| 4| 4| 4| 4" << "   Englisch";
    QTest::newRow("kath. Religion replaces ev. Religion")
        << QList<int>{0, 12} << 13 << "" << "T--m1234||| m| 2| 2| 2| 2" << "   kath. Religion";
    QTest::newRow("written subject, silently")
        << QList<int>{1, 8, 2, 8} << 8 << "" << "TKs-1234| K| s|| 4| 4| 4| 4" << "";
    QTest::newRow("Deutsch blocked") << QList<int>{} << 1 << "" << "TKs-1234| K| s| ¤| 4| 4| 4| 4"
                                     << "";
}

void TestOralRule::oralClick()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, row);
    QFETCH(QString, hint);
    QFETCH(QString, state);
    QFETCH(QString, oral);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, setup);
    test::click(m, ui, 3, row);
    QCOMPARE(m.view.hintShown, !hint.isEmpty());
    QCOMPARE(ui.beeps, hint.isEmpty() ? 0 : 1);
    if (!hint.isEmpty())
        QCOMPARE(m.view.hint, hint);
    QCOMPARE(rowState(m, row), state);
    QCOMPARE(m.PfaecherSgr.cell(4, 6), oral);
    QCOMPARE(m.PfaecherSgr.cell(3, 6), oral.isEmpty() ? QString() : QStringLiteral(" m P"));
    if (row == 13)
        QCOMPARE(rowState(m, 12), QStringLiteral("--------|||||||"));
}

void TestOralRule::secondOralSubject()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{3, 8}, {3, 10}});
    QCOMPARE(ui.beeps, 1);
    QCOMPARE(m.view.hint, QStringLiteral("Geschichte schon als mündliches\n\rPrüfungfach gewählt!"));
    QCOMPARE(rowState(m, 10), QStringLiteral("T----23-||||| 2| 2|"));
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   Geschichte"));
}

void TestOralRule::oralRemoved()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{3, 9}});
    m.Grades[4][9] = 0xC9;
    m.Grades[2][ExamRow5] = 0xCA;
    m.Grades[3][ExamRow5] = 0xCB;
    clicks(m, ui, {{3, 9}});
    QCOMPARE(ui.beeps, 0);
    QCOMPARE(rowState(m, 9), QStringLiteral("T---1--4|||| 2||| 2"));
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QString());
    QCOMPARE(m.Grades[4][9], quint8(0x89));
    QCOMPARE(m.Grades[2][ExamRow5], quint8(0));
    QCOMPARE(m.Grades[3][ExamRow5], quint8(0));
    // Free again for another subject.
    clicks(m, ui, {{3, 10}});
    QVERIFY(m.Choice[Oral][10]);
}

// The dialog opened from the m column: task field II then makes the
// achievement the oral subject, with no social subject written.
void TestOralRule::bllOpensDialogFromOralColumn()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{3, BLL}});
    QCOMPARE(ui.windows, QList<Window>{Window::BLLDialog});
    QCOMPARE(m.ClickCol, 3);
    QCOMPARE(m.view.hint, SocialHint); // the dialog has not answered yet
    QVERIFY(!m.Choice[Oral][BLL]);

    useBLLDialog(m, ui, 0, 1);
    QCOMPARE(rowState(m, BLL), QStringLiteral("T--m12--| ¤| ¤| m| 3| 3||"));
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   BLL - Seminarkurs"));
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("17"));

    // A click elsewhere first: the dialog's task field no longer counts.
    Model n = test::startedModel();
    clicks(n, ui, {{3, BLL}, {0, 2}});
    useBLLDialog(n, ui, 1, 1);
    QVERIFY(!n.Choice[Oral][BLL]);
}

void TestOralRule::bllInSocialField()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    useBLLDialog(m, ui, 1, 1); // competition, field II
    clicks(m, ui, {{3, BLL}});
    QCOMPARE(ui.windows.size(), 0); // chosen already: no dialog
    QCOMPARE(rowState(m, BLL), QStringLiteral("T--m----| ¤| ¤| m||||"));
    QCOMPARE(ui.beeps, 0);

    // Field I: the achievement needs a written social subject.
    Model n = test::startedModel();
    useBLLDialog(n, ui, 1, 0);
    clicks(n, ui, {{3, BLL}});
    QCOMPARE(n.view.hint, SocialHint);
    QVERIFY(!n.Choice[Oral][BLL]);
    clicks(n, ui, {{1, 8}, {2, 8}, {3, BLL}});
    QVERIFY(n.Choice[Oral][BLL]);
}

void TestOralRule::bllGradeMovesAndReturns_data()
{
    QTest::addColumn<quint8>("total");
    QTest::addColumn<QString>("oralState");

    QTest::newRow("with a total grade") << quint8(0x8C) << "T--m----| ¤| ¤| m| 3| 3||";
    QTest::newRow("without a grade") << quint8(0) << "T--m12--| ¤| ¤| m| 3| 3||";
}

// A seminar course as oral component: its grade becomes the oral result and
// its courses give way; taking the role away reverses both.
void TestOralRule::bllGradeMovesAndReturns()
{
    QFETCH(quint8, total);
    QFETCH(QString, oralState);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    useBLLDialog(m, ui, 0, 1);
    m.Grades[1][BLL] = m.Grades[2][BLL] = total;

    clicks(m, ui, {{3, BLL}});
    QCOMPARE(rowState(m, BLL), oralState);
    QCOMPARE(m.Grades[2][ExamRow5], total ? quint8(0xCC) : quint8(0));
    QCOMPARE(m.Grades[1][BLL], quint8(0));
    QCOMPARE(m.Grades[2][BLL], quint8(0));

    clicks(m, ui, {{3, BLL}});
    QCOMPARE(rowState(m, BLL), QStringLiteral("T---12--| ¤| ¤|| 3| 3||"));
    // No grade back where there was none.
    QCOMPARE(m.Grades[1][BLL], total);
    QCOMPARE(m.Grades[2][BLL], total);
    QCOMPARE(m.Grades[2][ExamRow5], quint8(0));
}

QTEST_GUILESS_MAIN(TestOralRule)
#include "tst_oralrule.moc"
