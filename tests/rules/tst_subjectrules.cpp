#include "tst_rulestate.h"

#include "rules/Dispatch.h"
#include "rules/SubjectRules.h"

#include <QTest>

using namespace tamb;
using test::clicks;
using test::rowState;

namespace {

const QString Empty = QStringLiteral("--------|||||||");
const QString FourTwo = QStringLiteral("T---1234|||| 2| 2| 2| 2");
const QString FourFour = QStringLiteral("T---1234|||| 4| 4| 4| 4");

} // namespace

class TestSubjectRules : public QObject
{
    Q_OBJECT
private slots:
    void dispatch_data();
    void dispatch();
    void hintLastsOneClick();

    void nameClick_data();
    void nameClick();
    void halfYearClick_data();
    void halfYearClick();

    void electiveMovesWithGrades();
    void religionExchangeFreesCoreSlot();
    void ethicsKeepsCoursesLosesRoles();
    void electiveLanguageWithdrawn();
    void electiveLanguageHours_data();
    void electiveLanguageHours();

    void droppedArtLosesOralRole();
    void droppedEconomicsTakesNoExam();
    void sportGivenUpAsWrittenSubject();
};

void TestSubjectRules::dispatch_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("modified");

    QTest::newRow("outside") << -1 << -1 << 0;
    QTest::newRow("below the grid") << 3 << 31 << 1;
    QTest::newRow("count column") << 8 << 2 << 0;
    QTest::newRow("right of the grid") << 9 << 2 << 0;
    QTest::newRow("Deutsch name") << 0 << 1 << 1;
    QTest::newRow("Mathematik name") << 0 << 15 << 1;
    QTest::newRow("study group name") << 0 << 30 << 1;
    QTest::newRow("header of half-year 1") << 4 << 0 << 1;
    QTest::newRow("blocked K of Informatik") << 1 << 25 << 1;
    QTest::newRow("blocked s of Wirtschaft") << 2 << 11 << 1;
    QTest::newRow("blocked m of Deutsch") << 3 << 1 << 1;
}

// Clicks that reach no rule change no cell; only columns 0..7 count as a change.
void TestSubjectRules::dispatch()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, modified);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    const QString before = test::dump(m.FaecherSgr) + test::dump(m.PfaecherSgr);
    test::click(m, ui, col, row);
    QCOMPARE(m.ClickCol, col);
    QCOMPARE(m.ClickRow, row);
    QCOMPARE(int(m.Modified), modified);
    QCOMPARE(test::dump(m.FaecherSgr) + test::dump(m.PfaecherSgr), before);
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("14")); // the refresh ran
    QCOMPARE(ui.beeps, 0);
}

void TestSubjectRules::hintLastsOneClick()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    test::click(m, ui, 2, 8); // Geschichte is no core subject
    QVERIFY(m.view.hintShown);
    QCOMPARE(m.view.hint, QStringLiteral("Geschichte ist kein Kernfach und kann deshalb\n\r"
                                         "kein schriftliches Prüfungsfach sein!"));
    QCOMPARE(ui.beeps, 1);
    test::click(m, ui, 0, 2);
    QVERIFY(!m.view.hintShown);
}

void TestSubjectRules::nameClick_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QStringList>("states");

    // Choosing by name.
    QTest::newRow("Englisch") << QList<int>{} << 2 << QList<int>{2} << QStringList{FourFour};
    QTest::newRow("Bild. Kunst") << QList<int>{} << 6 << QList<int>{6} << QStringList{FourTwo};
    QTest::newRow("Physik") << QList<int>{} << 16 << QList<int>{16} << QStringList{FourTwo};
    QTest::newRow("ev. Religion") << QList<int>{} << 12 << QList<int>{12} << QStringList{FourTwo};
    QTest::newRow("Informatik") << QList<int>{} << 25 << QList<int>{25}
                                << QStringList{"T---1234| ¤| ¤|| 2| 2| 2| 2"};
    QTest::newRow("Psychologie starts in pair 1")
        << QList<int>{} << 28 << QList<int>{28} << QStringList{"T---12--| ¤| ¤| ¤| 2| 2||"};
    QTest::newRow("Wirtschaft only as core")
        << QList<int>{} << 11 << QList<int>{11} << QStringList{"--------|| ¤| ¤||||"};
    QTest::newRow("language not offered")
        << QList<int>{} << 5 << QList<int>{5} << QStringList{"--------| ¤| ¤| ¤||||"};

    // Dropping by name.
    QTest::newRow("art swaps with music") << QList<int>{0, 6} << 6 << QList<int>{6, 7}
                                          << QStringList{Empty, FourTwo};
    QTest::newRow("art dropped, music stays") << QList<int>{0, 6, 0, 7} << 6 << QList<int>{6, 7}
                                              << QStringList{Empty, FourTwo};
    QTest::newRow("physics brings the other two") << QList<int>{0, 16} << 16
                                                  << QList<int>{16, 17, 18}
                                                  << QStringList{Empty, FourTwo, FourTwo};
    QTest::newRow("chemistry keeps the chosen physics")
        << QList<int>{0, 16, 0, 17} << 17 << QList<int>{16, 17, 18}
        << QStringList{FourTwo, Empty, FourTwo};
    QTest::newRow("history stays") << QList<int>{} << 8 << QList<int>{8} << QStringList{FourTwo};
    QTest::newRow("core history stays, without roles")
        << QList<int>{1, 8, 2, 8} << 8 << QList<int>{8} << QStringList{FourTwo};
    QTest::newRow("sport dropped") << QList<int>{} << 19 << QList<int>{19} << QStringList{Empty};
    QTest::newRow("Gemeinschaftskunde single clicks")
        << QList<int>{} << 9 << QList<int>{9} << QStringList{"T---1--4||||  2|||  2"};
    QTest::newRow("Geographie single clicks")
        << QList<int>{} << 10 << QList<int>{10} << QStringList{"T----23-|||||  2|  2|"};
    QTest::newRow("Psychologie dropped")
        << QList<int>{0, 28} << 28 << QList<int>{28} << QStringList{"--------| ¤| ¤| ¤||||"};
    QTest::newRow("Informatik dropped")
        << QList<int>{0, 25} << 25 << QList<int>{25} << QStringList{"--------| ¤| ¤|||||"};
    QTest::newRow("Englisch dropped") << QList<int>{0, 2} << 2 << QList<int>{2} << QStringList{Empty};
    QTest::newRow("core Englisch dropped") << QList<int>{1, 2} << 2 << QList<int>{2}
                                           << QStringList{Empty};
    QTest::newRow("rk replaces ev") << QList<int>{0, 12} << 13 << QList<int>{12, 13, 14}
                                    << QStringList{Empty, FourTwo, Empty};
    QTest::newRow("dropping ev brings Ethik") << QList<int>{0, 12} << 12 << QList<int>{12, 14}
                                             << QStringList{Empty, FourTwo};
    QTest::newRow("Ethik stays") << QList<int>{0, 14} << 14 << QList<int>{14}
                                 << QStringList{FourTwo};
    QTest::newRow("core Ethik stays as a plain subject")
        << QList<int>{1, 14} << 14 << QList<int>{14} << QStringList{FourTwo};
}

void TestSubjectRules::nameClick()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, row);
    QFETCH(QList<int>, checked);
    QFETCH(QStringList, states);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, setup);
    test::click(m, ui, 0, row);
    for (qsizetype i = 0; i < checked.size(); ++i)
        QCOMPARE(rowState(m, checked[i]), states[i]);
    // Core slots only ever hold core subjects.
    for (int k = 3; k <= 5; ++k)
        QVERIFY(m.CoreSlots[k] == 0 || m.Choice[Core][m.CoreSlots[k]]);
}

void TestSubjectRules::halfYearClick_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("state");

    QTest::newRow("Informatik cannot start in half-year 3")
        << QList<int>{} << 6 << 25 << "--------| ¤| ¤|||||";
    QTest::newRow("Informatik in pair 1") << QList<int>{} << 5 << 25 << "----12--| ¤| ¤|| 2| 2||";
    QTest::newRow("Informatik extended to four")
        << QList<int>{4, 25} << 6 << 25 << "T---1234| ¤| ¤|| 2| 2| 2| 2";
    QTest::newRow("Informatik loses pair 2 by any click")
        << QList<int>{0, 25} << 4 << 25 << "T---12--| ¤| ¤|| 2| 2||";
    QTest::newRow("French needs a core language") << QList<int>{} << 4 << 3 << Empty;
    QTest::newRow("French in pair 1") << QList<int>{1, 2} << 4 << 3 << "----12--|||| 4| 4||";
    QTest::newRow("French in both pairs")
        << QList<int>{1, 2, 4, 3} << 7 << 3 << "T---1234|||| 4| 4| 4| 4";
    QTest::newRow("French dropped from both pairs stays") << QList<int>{1, 2, 0, 3} << 4 << 3
                                                           << FourFour;
    QTest::newRow("art by pairs beside music") << QList<int>{0, 7} << 5 << 6 << "----12--||||2|2||";
    QTest::newRow("art by pairs needs music") << QList<int>{} << 4 << 6 << Empty;
    QTest::newRow("third science by pairs") << QList<int>{0, 16} << 6 << 18 << "------34||||||2|2";
    QTest::newRow("second science not by pairs") << QList<int>{} << 4 << 16 << Empty;
    QTest::newRow("Gk half-year 2 without Wirtschaft")
        << QList<int>{} << 5 << 9 << "T---1--4|||| 2||| 2";
    QTest::newRow("Gk half-year 4 stays without Wirtschaft")
        << QList<int>{} << 7 << 9 << "T---1--4|||| 2||| 2";
    QTest::newRow("Gk half-year 4 back with Wirtschaft")
        << QList<int>{1, 11} << 7 << 9 << "T---1--4|||| 2|||  2";
    QTest::newRow("Gk half-year 4 off again with Wirtschaft")
        << QList<int>{1, 11, 7, 9} << 7 << 9 << "T---1---||| ¤| 2|||";
    QTest::newRow("Gk half-year 1 stays with Wirtschaft")
        << QList<int>{1, 11} << 4 << 9 << "T---1---|||| 2|||";
    QTest::newRow("Geo half-year 2 back with Wirtschaft")
        << QList<int>{1, 11} << 5 << 10 << "T----23-|||||  2| 2|";
    QTest::newRow("Psychologie moves to pair 2")
        << QList<int>{0, 28} << 6 << 28 << "T-----34| ¤| ¤| ¤||| 2| 2";
    QTest::newRow("Psychologie moves back to pair 1")
        << QList<int>{7, 28} << 4 << 28 << "T---12--| ¤| ¤| ¤| 2| 2||";
    QTest::newRow("Psychologie removed") << QList<int>{0, 28} << 5 << 28 << "--------| ¤| ¤| ¤||||";
    QTest::newRow("sport half-year 2 off") << QList<int>{} << 5 << 19 << "----1-34|||| 2|| 2| 2";
    QTest::newRow("sport single half-year") << QList<int>{0, 19} << 6 << 19 << "------3-|||||| 2|";
    QTest::newRow("sport by single half-years") // chosen again at the check after the fourth
        << QList<int>{0, 19, 4, 19, 6, 19, 5, 19} << 7 << 19 << FourTwo;
    QTest::newRow("history courses stay") << QList<int>{} << 4 << 8 << FourTwo;
    QTest::newRow("no courses in a language not offered")
        << QList<int>{1, 2} << 4 << 5 << "--------| ¤| ¤| ¤||||";
}

void TestSubjectRules::halfYearClick()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, state);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, setup);
    test::click(m, ui, col, row);
    QCOMPARE(rowState(m, row), state);
}

void TestSubjectRules::electiveMovesWithGrades()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{0, 28}});
    m.Grades[1][28] = 0x8A;
    m.Grades[2][28] = 0x8B;
    clicks(m, ui, {{7, 28}});
    QCOMPARE(rowState(m, 28), QStringLiteral("T-----34| ¤| ¤| ¤||| 2| 2"));
    QCOMPARE(m.Grades[1][28], quint8(0));
    QCOMPARE(m.Grades[2][28], quint8(0));
    QCOMPARE(m.Grades[3][28], quint8(0x8A));
    QCOMPARE(m.Grades[4][28], quint8(0x8B));
    clicks(m, ui, {{5, 28}});
    QCOMPARE(m.Grades[1][28], quint8(0x8A));
    QCOMPARE(m.Grades[2][28], quint8(0x8B));
    // Removing the pair removes its grades.
    clicks(m, ui, {{4, 28}});
    QCOMPARE(rowState(m, 28), QStringLiteral("--------| ¤| ¤| ¤||||"));
    QCOMPARE(m.Grades[1][28], quint8(0));
    QCOMPARE(m.Grades[2][28], quint8(0));
}

void TestSubjectRules::religionExchangeFreesCoreSlot()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 12}, {2, 12}}); // ev core and written in slot 5
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,12"));
    QCOMPARE(test::overview(m), QStringLiteral("/|/|ev. Religion/ev. Religion|/"));
    m.Grades[3][12] = 0x85;
    clicks(m, ui, {{0, 14}});
    QCOMPARE(rowState(m, 12), Empty);
    QCOMPARE(rowState(m, 14), FourTwo);
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,0"));
    QCOMPARE(test::overview(m), QStringLiteral("/|/|/|/"));
    QCOMPARE(m.Grades[3][12], quint8(0));
    QVERIFY(m.Allowed[Oral][14]);
}

void TestSubjectRules::ethicsKeepsCoursesLosesRoles()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{0, 14}, {3, 14}}); // Ethik the oral subject
    QCOMPARE(rowState(m, 14), QStringLiteral("T--m1234||| m| 2| 2| 2| 2"));
    QCOMPARE(test::overview(m), QStringLiteral("/|/|/|m P/Ethik"));
    m.Grades[2][14] = 0x87;
    m.Grades[3][SubjectCount + 4] = 0xC9; // "gesamt" of exam row 5
    // Left-over religion courses (from a file) go.
    m.Choice[HalfYear2][13] = true;
    m.FaecherSgr.setCell(5, 13, QStringLiteral(" 2"));
    m.Grades[2][13] = 0x84;

    clicks(m, ui, {{0, 14}});
    QCOMPARE(rowState(m, 14), FourTwo);
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QString());
    QCOMPARE(m.Grades[2][14], quint8(0x87)); // its grades are kept
    QCOMPARE(m.Grades[3][SubjectCount + 4], quint8(0));
    QCOMPARE(rowState(m, 13), Empty);
    QCOMPARE(m.Grades[2][13], quint8(0));
    QCOMPARE(ui.beeps, 0);
}

void TestSubjectRules::electiveLanguageWithdrawn()
{
    Model m = test::startedModel(QStringLiteral("Schule"), NotOffered, QStringLiteral("Englisch"),
                                 QStringLiteral("3"));
    ScriptedInteraction ui;
    clicks(m, ui, {{0, 29}});
    QCOMPARE(rowState(m, 29), QStringLiteral("T---1234| ¤| ¤|| 3| 3| 3| 3"));
    m.Grades[1][29] = 0x88;

    clicks(m, ui, {{0, 2}});
    QCOMPARE(rowState(m, 2), FourFour);
    QCOMPARE(rowState(m, 29), QStringLiteral("--------| ¤| ¤|||||"));
    QVERIFY(!m.Allowed[0][29]);
    QCOMPARE(m.Grades[1][29], quint8(0));
    clicks(m, ui, {{0, 29}}); // withdrawn: dropping it changes nothing
    QCOMPARE(rowState(m, 29), QStringLiteral("--------| ¤| ¤|||||"));

    clicks(m, ui, {{0, 2}});
    QVERIFY(m.Allowed[0][29]);
    // As core subject the language withdraws it as well, and with it its
    // oral role.
    clicks(m, ui, {{0, 29}, {1, 8}, {2, 8}, {3, 29}});
    QVERIFY(m.Choice[Oral][29]);
    clicks(m, ui, {{1, 2}});
    QVERIFY(!m.Allowed[0][29]);
    QCOMPARE(rowState(m, 29), QStringLiteral("--------| ¤| ¤|||||"));
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QString());
    // A withdrawn language cannot become the oral subject.
    clicks(m, ui, {{3, 29}});
    QCOMPARE(rowState(m, 29), QStringLiteral("--------| ¤| ¤|||||"));
}

void TestSubjectRules::electiveLanguageHours_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("cell");
    QTest::newRow("two") << "2" << " 2";
    QTest::newRow("four") << "4" << " 4";
    QTest::newRow("missing") << "" << " 4";
    QTest::newRow("damaged") << "x3" << " 4";
}

// The elective language's hours come from the settings; a half-year cell
// never holds anything but a number.
void TestSubjectRules::electiveLanguageHours()
{
    QFETCH(QString, hours);
    QFETCH(QString, cell);
    Model m = test::startedModel(QStringLiteral("Schule"), NotOffered, QStringLiteral("Spanisch"),
                                 hours);
    ScriptedInteraction ui;
    clicks(m, ui, {{0, 29}});
    for (int col = 4; col <= 7; ++col)
        QCOMPARE(m.FaecherSgr.cell(col, 29), cell);
    QCOMPARE(m.WostSgr.cell(1, 0).toInt(), 14 + cell.trimmed().toInt());
}

void TestSubjectRules::droppedArtLosesOralRole()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 8}, {2, 8}, {0, 6}, {3, 6}});
    QVERIFY(m.Choice[Oral][6]);
    clicks(m, ui, {{0, 6}}); // music comes in, art goes with its exam
    QCOMPARE(rowState(m, 6), Empty);
    QCOMPARE(rowState(m, 7), FourTwo);
    QCOMPARE(CountChosen(m, SubjectCount, Oral), 0);
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QString());
}

void TestSubjectRules::droppedEconomicsTakesNoExam()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 11}});
    QVERIFY(m.Allowed[Oral][11]);
    clicks(m, ui, {{0, 11}});
    QCOMPARE(rowState(m, 11), Empty);
    QCOMPARE(rowState(m, 9), QStringLiteral("T---1--4|||| 2|||   2"));
    QCOMPARE(rowState(m, 10), QStringLiteral("T----23-|||||   2| 2|"));
    QVERIFY(!m.Allowed[Written][11]);
    QVERIFY(!m.Allowed[Oral][11]);
    clicks(m, ui, {{3, 11}});
    QCOMPARE(CountChosen(m, SubjectCount, Oral), 0);
}

void TestSubjectRules::sportGivenUpAsWrittenSubject()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 19}, {2, 19}});
    QCOMPARE(rowState(m, 19), QStringLiteral("TKs-1234| K| s|| 4| 4| 4| 4"));
    QCOMPARE(test::overview(m), QStringLiteral("/|/|Sport/Sport|/"));
    clicks(m, ui, {{6, 19}});
    // No written exam and no core subject without courses.
    QCOMPARE(rowState(m, 19), Empty);
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,0"));
    QCOMPARE(test::overview(m), QStringLiteral("/|/|/|/"));
}

QTEST_GUILESS_MAIN(TestSubjectRules)
#include "tst_subjectrules.moc"
