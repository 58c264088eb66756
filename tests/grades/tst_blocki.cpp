#include "GradesFixture.h"

#include <QTest>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

namespace {

// Variants of the pupil record, by token.
void applySetup(Model &m, const QString &setup)
{
    const QStringList tokens = setup.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &t : tokens) {
        if (t == QLatin1String("Mu")) {
            take(m, Mu, AllYears, QStringLiteral("4(2°)"));
            m.FaecherSgr.setCell(8, BK, QStringLiteral("4(2°)"));
        } else if (t == QLatin1String("MuCore")) {
            take(m, Mu, AllYears, QStringLiteral("4*"), true);
            m.FaecherSgr.setCell(8, BK, QStringLiteral("4"));
        } else if (t == QLatin1String("BKCore")) {
            // Art core but not written: music carries the marker alone.
            take(m, BK, AllYears, QStringLiteral("4*"), true);
            take(m, Mu, AllYears, QStringLiteral("4(2°)"));
        } else if (t == QLatin1String("sci")) {
            take(m, B, AllYears, QStringLiteral("4(4^)"));
            take(m, Ch, AllYears, QStringLiteral("4(4^)"));
            m.FaecherSgr.setCell(8, Ph, QStringLiteral("4(4^)"));
        } else if (t == QLatin1String("PhCore")) {
            take(m, B, AllYears, QStringLiteral("4(4~)"));
            take(m, Ch, AllYears, QStringLiteral("4(4~)"));
            take(m, Ph, AllYears, QStringLiteral("4*"), true);
        } else if (t == QLatin1String("BOral")) {
            take(m, G, AllYears, QStringLiteral("4*"));
            take(m, B, AllYears, QStringLiteral("4*"), false, false, true);
            take(m, Ch, AllYears, QStringLiteral("4(4~)"));
            m.FaecherSgr.setCell(8, Ph, QStringLiteral("4(4~)"));
        } else if (t == QLatin1String("ChOral")) {
            take(m, G, AllYears, QStringLiteral("4*"));
            take(m, Ch, AllYears, QStringLiteral("4*"), false, false, true);
            take(m, B, AllYears, QStringLiteral("4(4~)"));
            m.FaecherSgr.setCell(8, Ph, QStringLiteral("4(4~)"));
        } else if (t == QLatin1String("PhCoreBOral")) {
            take(m, G, AllYears, QStringLiteral("4*"));
            take(m, Ph, AllYears, QStringLiteral("4*"), true);
            take(m, B, AllYears, QStringLiteral("4*"), false, false, true);
            take(m, Ch, AllYears, QStringLiteral("4(4~)"));
        } else if (t == QLatin1String("Geo1")) {
            take(m, Geo, {2}, QStringLiteral("1*"));
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown setup ") + t));
        }
    }
}

// "6:9,12,12,7 7:-,5,5,5": points per row and taken half-year, "-" for none.
void applyGrades(Model &m, const QString &grades)
{
    for (const QString &entry : grades.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        const int row = parts[0].toInt();
        QList<int> points;
        for (const QString &p : parts[1].split(QLatin1Char(',')))
            points.append(p == QLatin1String("-") ? -1 : p.toInt());
        setGrades(m, row, points);
    }
}

Model recordWith(const QString &setup, int points)
{
    Model m = pupilModel();
    applySetup(m, setup);
    setAllGrades(m, points);
    return m;
}

BlockIValues run(Model &m)
{
    GradesView g;
    g.Rows = m.GridRows;
    return ComputeBlockI(m, g);
}

// Base record without a third core subject: 26 compulsory courses.
Model twentySixCompulsory()
{
    Model m = pupilModel();
    take(m, E, AllYears, QStringLiteral("4"));
    m.Choice[Written][Ev] = false;
    return m;
}

} // namespace

class TestBlockI : public QObject
{
    Q_OBJECT
private slots:
    void zeroPoints_data();
    void zeroPoints();
    void compulsoryMarks_data();
    void compulsoryMarks();
    void religionMovesAheadOnEqualPoints();
    void fillUpAndExtension_data();
    void fillUpAndExtension();
    void missingGradeStopsFillUp();
    void roundingOfBlockI_data();
    void roundingOfBlockI();
    void recordsAroundForty_data();
    void recordsAroundForty();
    void specialLearningAchievement_data();
    void specialLearningAchievement();
    void coursesWithoutSubjectFlagCount();
    void staleCountedBitsAreCleared();
    void cellsShowCountedAndReleased();
};

void TestBlockI::zeroPoints_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("zeros"); // "row:h ..."
    QTest::addColumn<int>("zeroCompulsory");
    QTest::addColumn<int>("zeroCompulsory13");

    QTest::newRow("core subject") << "" << "1:2" << 1 << 1;
    QTest::newRow("oral subject in 4") << "" << "8:4" << 1 << 0;
    QTest::newRow("plain language") << "" << "3:1" << 0 << 0;
    QTest::newRow("religion") << "" << "12:3" << 1 << 1;
    QTest::newRow("sport") << "" << "19:1" << 1 << 1;
    QTest::newRow("art alone") << "" << "6:2" << 1 << 1;
    QTest::newRow("music, art without zero") << "Mu" << "7:2" << 0 << 0;
    QTest::newRow("art with music") << "Mu" << "6:2" << 0 << 0;
    QTest::newRow("art and music") << "Mu" << "6:1 7:2" << 1 << 1;
    QTest::newRow("art in 4, music in 2") << "Mu" << "6:4 7:2" << 1 << 0;
    QTest::newRow("art, music core") << "MuCore" << "6:2" << 0 << 0;
    QTest::newRow("music core") << "MuCore" << "7:1" << 1 << 1;
    QTest::newRow("physics alone") << "" << "16:2" << 1 << 1;
    QTest::newRow("physics of three") << "sci" << "16:1" << 0 << 0;
    QTest::newRow("physics and chemistry") << "sci" << "16:1 17:2" << 1 << 1;
    QTest::newRow("physics in 4, chemistry") << "sci" << "16:4 17:2" << 1 << 0;
    QTest::newRow("chemistry of three") << "sci" << "17:2" << 0 << 0;
    QTest::newRow("biology of three") << "sci" << "18:3" << 0 << 0;
    QTest::newRow("chemistry and biology") << "sci" << "17:1 18:3" << 1 << 1;
    QTest::newRow("all three, two in 4") << "sci" << "16:4 17:4 18:3" << 2 << 0;
    QTest::newRow("written biology") << "" << "18:4" << 1 << 0;
}

void TestBlockI::zeroPoints()
{
    QFETCH(QString, setup);
    QFETCH(QString, zeros);
    Model m = recordWith(setup, 8);
    for (const QString &z : zeros.split(QLatin1Char(' '))) {
        const QStringList rh = z.split(QLatin1Char(':'));
        setGrade(m, rh[0].toInt(), rh[1].toInt(), 0);
    }
    const BlockIValues v = run(m);
    QTEST(v.ZeroCompulsory, "zeroCompulsory");
    QTEST(v.ZeroCompulsory13, "zeroCompulsory13");
}

void TestBlockI::compulsoryMarks_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("grades");
    QTest::addColumn<QString>("expected"); // "row:pattern ..." of compulsory grades

    QTest::newRow("best two") << "" << "6:9,12,12,7" << "6:0110";
    QTest::newRow("best two, ties early") << "" << "6:10,10,10,10" << "6:1100";
    QTest::newRow("best two, gaps") << "" << "6:-,8,-,9" << "6:0101";
    QTest::newRow("art or music: music better") << "Mu" << "6:10,10,11,11 7:12,12,5,5"
                                                << "6:0000 7:1100";
    QTest::newRow("art or music: tie") << "Mu" << "6:12,12,5,5 7:12,12,5,5" << "6:1100 7:0000";
    QTest::newRow("art or music: more grades") << "Mu" << "6:15,-,-,- 7:5,5,5,5"
                                               << "6:0000 7:1100";
    QTest::newRow("marker on music only") << "BKCore" << "6:8,8,8,8 7:15,15,15,15"
                                          << "6:1111 7:0000 8:1111 9:1001";
    QTest::newRow("two sciences") << "sci" << "16:10,10,10,10 17:9,9,9,9 18:11,11,11,11"
                                  << "16:1111 17:0000 18:1111";
    QTest::newRow("two sciences, tie") << "sci" << "16:9,9,9,9 17:9,9,9,9 18:11,11,11,11"
                                       << "16:0000 17:1111 18:1111";
    QTest::newRow("one science: own better") << "PhCore" << "17:9,9,9,9 18:8,8,8,8"
                                             << "16:1111 17:1111 18:0000";
    QTest::newRow("one science: partner better") << "PhCore" << "17:8,8,8,8 18:9,9,9,9"
                                                 << "17:0000 18:1111";
    QTest::newRow("one science: missing loses") << "PhCore" << "17:12,12,12,- 18:5,5,5,5"
                                                << "17:0000 18:1111";
    QTest::newRow("one science: gap filled") << "PhCore" << "17:15,15,15,- 18:-,-,-,5"
                                             << "17:1110 18:0001";
    QTest::newRow("one science beside oral biology")
        << "BOral" << "16:12,12,12,12 17:10,10,10,10 18:8,8,8,8" << "16:1111 17:0000 18:1111";
    QTest::newRow("one science beside oral chemistry")
        << "ChOral" << "16:8,8,8,8 17:10,10,10,10 18:9,9,9,9" << "16:0000 17:1111 18:1111";
    QTest::newRow("two sciences core and oral")
        << "PhCoreBOral" << "16:10,10,10,10 17:15,15,15,15 18:5,5,5,5" << "16:1111 17:0000 18:1111";
    QTest::newRow("all compulsory, gaps") << "" << "9:7,- 1:-,5,5,5" << "9:1000 1:0111";
    QTest::newRow("one course") << "Geo1" << "10:6" << "10:0100";
}

void TestBlockI::compulsoryMarks()
{
    QFETCH(QString, setup);
    QFETCH(QString, grades);
    QFETCH(QString, expected);
    Model m = recordWith(setup, 7);
    applyGrades(m, grades);
    run(m);
    for (const QString &entry : expected.split(QLatin1Char(' '))) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        QCOMPARE(bitsPattern(m, parts[0].toInt(), Compulsory | Counted), parts[1]);
    }
}

void TestBlockI::religionMovesAheadOnEqualPoints()
{
    // 26 compulsory courses, 13 candidates of 15 points; the 14th slot goes
    // to one of two 12-point courses of Englisch and Ethik.
    Model m = twentySixCompulsory();
    drop(m, Ev);
    take(m, Et, AllYears, QStringLiteral("4"));
    setAllGrades(m, 15);
    setGrades(m, E, {12, 15, 15, 15});
    setGrades(m, Et, {12, 5, 5, 5});
    const BlockIValues v = run(m);
    QCOMPARE(v.CompulsoryCount, 26);
    QCOMPARE(v.Count, 40);
    QVERIFY(m.Grades[1][Et] & Counted);
    QVERIFY(!(m.Grades[1][E] & Counted));
    QCOMPARE(v.Sum, 39 * 15 + 12);
}

void TestBlockI::fillUpAndExtension_data()
{
    QTest::addColumn<int>("compulsoryPoints");
    QTest::addColumn<int>("otherPoints");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("blockI");

    // 26 compulsory courses and 18 candidates.
    QTest::newRow("equal to the average: 40") << 10 << 10 << 40 << 400 << 400;
    // Art's two best courses are compulsory: two courses of 12 there.
    QTest::newRow("above the average") << 8 << 12 << 42 << 408 << 389;
    QTest::newRow("below the average: 40") << 12 << 8 << 40 << 424 << 424;
}

void TestBlockI::fillUpAndExtension()
{
    QFETCH(int, compulsoryPoints);
    QFETCH(int, otherPoints);
    Model m = twentySixCompulsory();
    setCompulsoryAndOthers(m, compulsoryPoints, otherPoints);
    setGrades(m, E, {otherPoints, otherPoints, otherPoints, otherPoints});
    const BlockIValues v = run(m);
    QCOMPARE(v.CompulsoryCount, 26);
    QTEST(v.Count, "count");
    QTEST(v.Sum, "sum");
    QTEST(v.BlockI, "blockI");
}

void TestBlockI::missingGradeStopsFillUp()
{
    // With a grade missing only the courses above the running average join.
    Model m = twentySixCompulsory();
    setCompulsoryAndOthers(m, 10, 9);
    setGrades(m, E, {12, 12, 12, 9});
    m.Grades[4][F] = 0;
    const BlockIValues v = run(m);
    QCOMPARE(v.Missing, 1);
    QCOMPARE(v.Missing13, 0);
    QCOMPARE(v.Count, 26 + 3);
    QCOMPARE(v.Sum, 260 + 36);
}

void TestBlockI::roundingOfBlockI_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("blockI");
    QTest::newRow("40 courses") << 40 << 401 << 401;
    QTest::newRow("41 courses") << 41 << 410 << 400;
    QTest::newRow("half to even, down") << 48 << 471 << 392;
    QTest::newRow("half to even, up") << 48 << 477 << 398;
    QTest::newRow("below half") << 44 << 424 << 385;
    QTest::newRow("above half") << 42 << 421 << 401;
    QTest::newRow("few courses") << 12 << 100 << 100;
}

void TestBlockI::roundingOfBlockI()
{
    QFETCH(int, count);
    QFETCH(int, sum);
    QTEST(BlockIPoints(count, sum), "blockI");
}

void TestBlockI::recordsAroundForty_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("blockI");
    QTest::addColumn<QString>("caption");

    const QString rounded = QStringLiteral("\r\n\t\t (notfalls gerundet)");
    QTest::newRow("41 courses, 410 points")
        << 0 << 41 << 410 << 400 << QStringLiteral("Punktsumme aus 41 einfach gewerteten Kursen") + rounded;
    QTest::newRow("40 courses, 401 points")
        << 1 << 40 << 401 << 401 << QStringLiteral("Punktsumme aus 40 einfach gewerteten Kursen");
    QTest::newRow("48 courses, exact half down")
        << 2 << 48 << 471 << 392 << QStringLiteral("Punktsumme aus 48 einfach gewerteten Kursen") + rounded;
    QTest::newRow("48 courses, exact half up")
        << 3 << 48 << 477 << 398 << QStringLiteral("Punktsumme aus 48 einfach gewerteten Kursen") + rounded;
}

void TestBlockI::recordsAroundForty()
{
    QFETCH(int, variant);
    Model m = pupilModel();
    switch (variant) {
    case 0: // 30 compulsory: 289 points; 11 candidates of 11, 3 of 5
        setCompulsoryAndOthers(m, 10, 11);
        setGrades(m, D, {9, 9, 9, 9});
        setGrades(m, E, {9, 9, 9, 9});
        setGrades(m, M, {9, 9, 9, 10});
        setGrades(m, S, {11, 11, 11, 5});
        setGrades(m, BK, {10, 10, 5, 5});
        break;
    case 1: // 291 points; 10 candidates of 11, 4 of 10
        setCompulsoryAndOthers(m, 10, 11);
        setGrades(m, D, {9, 9, 9, 9});
        setGrades(m, E, {9, 9, 9, 9});
        setGrades(m, M, {9, 10, 10, 10});
        setGrades(m, S, {11, 11, 10, 10});
        setGrades(m, BK, {10, 10, 10, 10});
        break;
    case 2: // with Latein: 48 courses, all counted
    case 3:
        take(m, L, AllYears, QStringLiteral("4"));
        setCompulsoryAndOthers(m, 9, 11);
        setGrades(m, BK, {11, 11, 11, 11});
        setGrades(m, D, variant == 2 ? QList<int>{9, 9, 9, 8} : QList<int>{10, 10, 10, 11});
        break;
    }
    GradesView g;
    const BlockIValues v = ComputeBlockI(m, g);
    QTEST(v.Count, "count");
    QTEST(v.Sum, "sum");
    QTEST(v.BlockI, "blockI");
    QTEST(g.ErsterBlockLbl.text, "caption");
    QCOMPARE(g.PSersterBlockPl.text, QString::number(v.BlockI));
    QVERIFY(g.ErsterBlockGBx.visible);
}

void TestBlockI::specialLearningAchievement_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("cell");
    QTest::newRow("4 points count nothing") << 4 << 40 << 400 << "   4";
    QTest::newRow("12 points count twice") << 12 << 40 << 404 << "  12";
}

void TestBlockI::specialLearningAchievement()
{
    QFETCH(int, points);
    Model m = pupilModel();
    m.Choice[Taken][BLL] = true;
    m.SubjectText[0][BLL] = QStringLiteral("BLL - Wettbewerb");
    setAllGrades(m, 10);
    setGrade(m, BLL, 1, points);
    setGrade(m, BLL, 2, points);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    const BlockIValues v = ComputeBlockI(m, g);
    QTEST(v.Count, "count");
    QTEST(v.Sum, "sum");
    QTEST(g.NFaecherSgr.cell(3, BLL), "cell");
    QTEST(g.NFaecherSgr.cell(4, BLL), "cell");
    QCOMPARE(g.NFaecherSgr.cell(5, BLL), QString());
}

void TestBlockI::coursesWithoutSubjectFlagCount()
{
    // Latein taken for half-years 1 and 2 only: its courses are real.
    Model m = pupilModel();
    take(m, L, {1, 2}, QStringLiteral("2"));
    m.Choice[Taken][L] = false;
    setAllGrades(m, 10);
    setGrades(m, L, {15, 15});
    const BlockIValues v = run(m);
    QCOMPARE(bitsPattern(m, L, Counted), QStringLiteral("1100"));
    QCOMPARE(v.Count, 40);
    QCOMPARE(v.Sum, 410);
    QCOMPARE(v.BlockI, 410);
}

void TestBlockI::staleCountedBitsAreCleared()
{
    // A counted bit from an earlier run (or a file) on a course of a row
    // that is not chosen as a subject must not survive.
    Model m = pupilModel();
    take(m, L, {1, 2}, QStringLiteral("2"));
    m.Choice[Taken][L] = false;
    setAllGrades(m, 10);
    m.Grades[1][L] = GradePresent | Counted | Compulsory | 1;
    m.Grades[3][21] = GradePresent | Counted | 9; // no course at all
    const BlockIValues v = run(m);
    QVERIFY(!(m.Grades[1][L] & (Counted | Compulsory)));
    QCOMPARE(m.Grades[3][21], quint8(GradePresent | 9));
    QCOMPARE(v.Count, 40);
    QCOMPARE(v.Sum, 400);
}

void TestBlockI::cellsShowCountedAndReleased()
{
    Model m = pupilModel();
    setAllGrades(m, 11);
    m.Grades[4][D] = 0;
    setGrades(m, S, {12, 3, 12, 0});
    setGrade(m, F, 2, 10);
    setGrade(m, F, 1, 7);
    setGrade(m, G, 2, 5);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    const struct
    {
        int col;
        int row;
        const char16_t *text;
    } cells[] = {
        {0, 0, u"Fächer"}, {1, 0, u"Art"}, {2, 0, u" Prf"}, {3, 0, u" 1"}, {6, 0, u" 4"},
        {0, D, u"Deutsch"}, {1, D, u" K"}, {2, D, u" s"}, {3, D, u"  11"}, {6, D, u" --"},
        {2, G, u" m"}, {4, G, u"    5"},
        {3, S, u"  12"}, {4, S, u"   (3)"}, {5, S, u"  12"}, {6, S, u"   (0)"},
        {3, F, u"   (7)"}, {4, F, u"  (10)"},
        {3, Gk, u"  11"}, {4, Gk, u""}, {6, Gk, u"  11"},
        {0, W, u"Wirtschaft"}, {3, W, u""}, {1, W, u""},
    };
    for (const auto &c : cells)
        QCOMPARE(g.NFaecherSgr.cell(c.col, c.row), QString::fromUtf16(c.text));
}

QTEST_GUILESS_MAIN(TestBlockI)
#include "tst_blocki.moc"
