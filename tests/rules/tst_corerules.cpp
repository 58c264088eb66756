#include "tst_rulestate.h"

#include "rules/CoreRules.h"

#include <QTest>

using namespace tamb;
using test::clicks;
using test::rowState;

class TestCoreRules : public QObject
{
    Q_OBJECT
private slots:
    void threeCoreSubjects_data();
    void threeCoreSubjects();
    void slotAdmission_data();
    void slotAdmission();
    void freeSlotMovesUp_data();
    void freeSlotMovesUp();
    void sixthCoreSubject_data();
    void sixthCoreSubject();
    void fixedCoreSubjects();
    void economicsAsCoreAndBack();
    void religionAsCoreDropsTheOther();
    void removedCoreKeepsCourses_data();
    void removedCoreKeepsCourses();
    void removedCoreClearsExamGrades();
};

void TestCoreRules::threeCoreSubjects_data()
{
    QTest::addColumn<QList<int>>("order");
    // Englisch, Physik, Geschichte in every order end in the same slots.
    const QList<QList<int>> orders = {{2, 16, 8}, {2, 8, 16}, {16, 2, 8},
                                      {16, 8, 2}, {8, 2, 16}, {8, 16, 2}};
    for (const QList<int> &o : orders)
        QTest::addRow("%d-%d-%d", o[0], o[1], o[2]) << o;
}

void TestCoreRules::threeCoreSubjects()
{
    QFETCH(QList<int>, order);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    for (int row : order)
        test::click(m, ui, 1, row);
    QCOMPARE(test::coreSlots(m), QStringLiteral("2,16,8"));
    QCOMPARE(m.PfaecherSgr.cell(1, 3), QStringLiteral("   Englisch"));
    QCOMPARE(test::overview(m), QStringLiteral("Englisch/|Physik/|Geschichte/|/"));
    QCOMPARE(rowState(m, 2), QStringLiteral("TK--1234| K||| 4| 4| 4| 4"));
    QCOMPARE(rowState(m, 16), QStringLiteral("TK--1234| K||| 4| 4| 4| 4"));
    QCOMPARE(rowState(m, 8), QStringLiteral("TK--1234| K||| 4| 4| 4| 4"));
    QCOMPARE(CountChosen(m, SubjectCount, Core), 5);
    QCOMPARE(ui.beeps, 0);
}

void TestCoreRules::slotAdmission_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("slotsAfter");

    QTest::newRow("history takes slot 5") << QList<int>{} << 8 << "0,0,8";
    QTest::newRow("science takes slot 4") << QList<int>{} << 17 << "0,17,0";
    QTest::newRow("language takes slot 3") << QList<int>{} << 3 << "3,0,0";
    QTest::newRow("second science takes slot 5") << QList<int>{1, 16} << 18 << "0,16,18";
    QTest::newRow("second language takes slot 4") << QList<int>{1, 2} << 4 << "2,4,0";
    QTest::newRow("art finds slot 5 taken") << QList<int>{1, 8} << 6 << "0,0,8";
    QTest::newRow("third science finds no slot") << QList<int>{1, 16, 1, 17} << 18 << "0,16,17";
    QTest::newRow("only a language fits slot 3") << QList<int>{1, 8, 1, 16} << 7 << "0,16,8";
    QTest::newRow("language after slots 4 and 5") << QList<int>{1, 8, 1, 16} << 2 << "2,16,8";
    QTest::newRow("Wirtschaft finds slot 5 taken") << QList<int>{1, 8} << 11 << "0,0,8";
}

void TestCoreRules::slotAdmission()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, row);
    QFETCH(QString, slotsAfter);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    test::clicks(m, ui, setup);
    const QString before = rowState(m, row);
    test::click(m, ui, 1, row);
    QCOMPARE(test::coreSlots(m), slotsAfter);
    const bool admitted = slotsAfter.split(u',').contains(QString::number(row));
    if (admitted) {
        QCOMPARE(rowState(m, row).left(2), QStringLiteral("TK"));
        QCOMPARE(m.FaecherSgr.cell(7, row), QStringLiteral(" 4"));
    } else {
        QCOMPARE(rowState(m, row), before); // a refused click changes nothing
    }
    QCOMPARE(ui.beeps, 0);
}

void TestCoreRules::freeSlotMovesUp_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("slotsAfter");
    QTest::addColumn<QString>("overviewAfter");

    // K clicks (column 1) and s clicks (column 2) build the slots.
    QTest::newRow("science never moves into slot 3")
        << QList<int>{1, 2, 1, 16, 1, 8} << 2 << "0,16,8" << "/|Physik/|Geschichte/|/";
    QTest::newRow("language and science move up")
        << QList<int>{1, 2, 1, 3, 1, 16} << 2 << "3,16,0" << "Französisch/|Physik/|/|/";
    QTest::newRow("written language moves with its name")
        << QList<int>{1, 2, 1, 3, 2, 3, 1, 8} << 2 << "3,0,8"
        << "Französisch/Französisch|/|Geschichte/|/";
    QTest::newRow("slot 4 freed: science moves up")
        << QList<int>{1, 2, 1, 16, 1, 17} << 16 << "2,17,0" << "Englisch/|Chemie/|/|/";
    QTest::newRow("slot 4 freed: history stays")
        << QList<int>{1, 2, 1, 16, 1, 8} << 16 << "2,0,8" << "Englisch/|/|Geschichte/|/";
    QTest::newRow("slot 5 freed")
        << QList<int>{1, 2, 1, 16, 1, 8, 2, 2, 2, 8} << 8 << "2,16,0"
        << "Englisch/Englisch|Physik/|/|/";
}

void TestCoreRules::freeSlotMovesUp()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, removed);
    QFETCH(QString, slotsAfter);
    QFETCH(QString, overviewAfter);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    test::clicks(m, ui, setup);
    test::click(m, ui, 1, removed);
    QCOMPARE(test::coreSlots(m), slotsAfter);
    QCOMPARE(test::overview(m), overviewAfter);
    QVERIFY(!m.Choice[Core][removed]);
    QVERIFY(!m.Choice[Written][removed]);
}

void TestCoreRules::sixthCoreSubject_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("asked");

    QTest::newRow("chosen language, yes") << 3 << Answer::Yes << "T---1234||||4|4|4|4" << true;
    QTest::newRow("chosen language, no") << 3 << Answer::No << "T---1234|||| 4| 4| 4| 4" << true;
    QTest::newRow("Gk, yes: its two courses") << 9 << Answer::Yes << "T---1--4||||4|||4" << true;
    QTest::newRow("Geographie, no") << 10 << Answer::No << "T----23-||||| 2| 2|" << true;
    QTest::newRow("music not chosen: no question") << 7 << Answer::Yes << "--------|||||||" << false;
}

void TestCoreRules::sixthCoreSubject()
{
    QFETCH(int, row);
    QFETCH(Answer, answer);
    QFETCH(QString, state);
    QFETCH(bool, asked);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 2}, {1, 16}, {1, 8}, {0, 3}});
    ui.answers = {answer};
    test::click(m, ui, 1, row);
    QCOMPARE(ui.beeps, 1);
    QCOMPARE(ui.boxes.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(ui.boxes[0].kind, BoxKind::Confirmation);
        QCOMPARE(ui.boxes[0].buttons, Buttons::YesNo);
        QCOMPARE(ui.boxes[0].text, QStringLiteral("Sie haben schon 5 Kernfächer gewählt. Wollen Sie in\n\r")
                                       + m.name(row) + QStringLiteral(" den 4-stündigen Kurs besuchen?"));
    }
    QCOMPARE(rowState(m, row), state);
    QCOMPARE(test::coreSlots(m), QStringLiteral("2,16,8"));
}

void TestCoreRules::fixedCoreSubjects()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    test::click(m, ui, 1, 1);
    QCOMPARE(ui.beeps, 0); // only with five core subjects
    QCOMPARE(rowState(m, 1), QStringLiteral("TKs-1234| K| s| ¤| 4| 4| 4| 4"));
    clicks(m, ui, {{1, 2}, {1, 16}, {1, 8}, {1, 15}});
    QCOMPARE(ui.beeps, 1);
    QVERIFY(m.view.hintShown);
    QCOMPARE(m.view.hint, QStringLiteral("schon 5 Kernfächer gewählt!"));
    QCOMPARE(rowState(m, 15), QStringLiteral("TKs-1234| K| s| ¤| 4| 4| 4| 4"));
}

void TestCoreRules::economicsAsCoreAndBack()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 11}});
    QCOMPARE(rowState(m, 11), QStringLiteral("TK--1234| K||| 4| 4| 4| 4"));
    QCOMPARE(rowState(m, 9), QStringLiteral("T---1---|||| 2|||"));
    QCOMPARE(rowState(m, 10), QStringLiteral("T-----3-|||||| 2|"));
    QVERIFY(m.Allowed[Written][11] && m.Allowed[Oral][11]);

    // Gk the oral subject meanwhile: its mark stays when Wirtschaft goes.
    clicks(m, ui, {{3, 9}, {1, 11}});
    QCOMPARE(rowState(m, 11), QStringLiteral("--------|||||||"));
    QVERIFY(!m.Allowed[Written][11] && !m.Allowed[Oral][11]);
    QCOMPARE(rowState(m, 9), QStringLiteral("T--m1--4||| m| 2||| 2"));
    QCOMPARE(rowState(m, 10), QStringLiteral("T----23-||||| 2| 2|"));
    QVERIFY(m.Allowed[Oral][9] && m.Allowed[Oral][10]);
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,0"));
}

void TestCoreRules::religionAsCoreDropsTheOther()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{0, 12}, {1, 13}});
    QCOMPARE(rowState(m, 12), QStringLiteral("--------|||||||"));
    QCOMPARE(rowState(m, 13), QStringLiteral("TK--1234| K||| 4| 4| 4| 4"));
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,13"));
}

void TestCoreRules::removedCoreKeepsCourses_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("state");

    QTest::newRow("Physik") << QList<int>{1, 16} << 16 << "T---1234||||2|2|2|2";
    QTest::newRow("Englisch keeps four hours") << QList<int>{1, 2} << 2 << "T---1234|||| 4| 4| 4| 4";
    QTest::newRow("Gk back to its default") << QList<int>{1, 9} << 9 << "T---1--4|||| 2||| 2";
    QTest::newRow("Geographie back to its default") << QList<int>{1, 10} << 10
                                                     << "T----23-||||| 2| 2|";
    QTest::newRow("written history") << QList<int>{1, 8, 2, 8} << 8 << "T---1234||||2|2|2|2";
    // Sport short of a course loses the core role by itself (see
    // tst_examoverview); a click on " K" here takes it from full sport.
    QTest::newRow("sport") << QList<int>{1, 19} << 19 << "T---1234||||2|2|2|2";
}

void TestCoreRules::removedCoreKeepsCourses()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, row);
    QFETCH(QString, state);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    test::clicks(m, ui, setup);
    test::click(m, ui, 1, row);
    QCOMPARE(rowState(m, row), state);
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,0"));
    QCOMPARE(test::overview(m), QStringLiteral("/|/|/|/"));
}

void TestCoreRules::removedCoreClearsExamGrades()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 16}});
    m.Grades[2][16] = 0xCB; // an exam result on a half-year entry
    m.Grades[3][16] = 0x8C;
    const int exam2 = SubjectCount + 1;
    m.Grades[1][exam2] = 0xC7;
    m.Grades[2][exam2] = 0xC8;
    m.Grades[3][exam2] = 0xC9;
    clicks(m, ui, {{1, 16}});
    QCOMPARE(m.Grades[2][16], quint8(0x8B));
    QCOMPARE(m.Grades[3][16], quint8(0x8C));
    for (int c = 1; c <= 3; ++c)
        QCOMPARE(m.Grades[c][exam2], quint8(0));
}

QTEST_GUILESS_MAIN(TestCoreRules)
#include "tst_corerules.moc"
