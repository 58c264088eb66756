#include "GradesFixture.h"

#include "grades/GradeEntry.h"
#include "grades/Zielnote.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

namespace {

const QString Question =
    QStringLiteral("Dieser Vorgang wird die Punktsumme in Block I verringern.\r\nTrotzdem durchführen?");

// 44 courses with grades; the given number counted: the compulsory ones
// (10 points), then further courses of 10 points, with Französisch
// half-years 1 and 2 at 5 and 15 points among them.
Model countedRecord(int counted)
{
    Model m = pupilModel();
    setAllGrades(m, 10);
    GradesView g;
    ComputeBlockI(m, g); // marks the 30 compulsory courses
    setGrade(m, F, 1, 5);
    setGrade(m, F, 2, 15);
    int n = 30;
    for (int r = 1; r < SubjectCount; ++r)
        for (int h = 1; h <= 4; ++h) {
            quint8 &b = m.Grades[h][r];
            b &= quint8(~Counted);
            if (b & Compulsory)
                b |= Counted;
            else if (b != 0 && n < counted)
                b |= Counted, ++n;
        }
    return m;
}

// The walk's record: 41 counted courses with 449 points (Französisch 13 among
// them) give Block I 438; written results 12 and the fifth 6 Block II 216.
Model walkRecord()
{
    Model m = pupilModel();
    setAllGrades(m, 11);
    setGrades(m, Gk, {10, 10});
    setGrades(m, Geo, {10, 10});
    setGrades(m, F, {13, 11, 11, 11});
    setGrades(m, S, {11, 10, 10, 10});
    setWrittenExams(m, {12, 12, 12, 12}, {}, 6);
    return m;
}

// Whether the shown total and average reach `target` (tenths).
bool shownReaches(const GradesView &g, int target)
{
    return g.DSNoteGBx.visible && !g.NzulGBx.visible
           && g.DSNotePl.text <= AverageGradeText(target);
}

GradesView viewOf(Model &m)
{
    GradesView g;
    g.Rows = m.GridRows;
    return g;
}

} // namespace

class TestOptimisation : public QObject
{
    Q_OBJECT
private slots:
    void toggleCounted_data();
    void toggleCounted();
    void toggleLeavesCompulsoryAndEmptyAlone();
    void specialLearningAchievementCountsTwice();
    void desiredGrade_data();
    void desiredGrade();
    void fillWithAverages_data();
    void fillWithAverages();
    void averagesOfEveryRowOwnGrades();
    void everythingFollowsTheTools_data();
    void everythingFollowsTheTools();
    void targetGradeIsTheLeastPoints();
};

void TestOptimisation::toggleCounted_data()
{
    QTest::addColumn<int>("counted");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("halfYear");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("nowCounted");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("blockI");
    QTest::addColumn<QString>("caption");

    // 42 counted courses with 420 points: Block I 400.
    QTest::newRow("release 5 of 42: 405, nothing") << 42 << int(F) << 1 << false << true << true
                                                  << "" << "" << "";
    QTest::newRow("release 15 of 42: 395, yes")
        << 42 << int(F) << 2 << true << true << false << " (15)" << "395"
        << "Punktsumme aus 41 einfach gewerteten Kursen";
    QTest::newRow("release 15 of 42: no") << 42 << int(F) << 2 << true << false << true << ""
                                          << "" << "";
    QTest::newRow("release of 40: nothing") << 40 << int(F) << 2 << false << true << true << ""
                                            << "" << "";
    QTest::newRow("count 5 to 40: 395, yes")
        << 40 << int(S) << 4 << false << true << false << "" << "" << "";
}

void TestOptimisation::toggleCounted()
{
    QFETCH(int, counted);
    QFETCH(int, row);
    QFETCH(int, halfYear);
    QFETCH(bool, yes);
    QFETCH(bool, nowCounted);
    QFETCH(QString, cell);
    Model m = countedRecord(counted);
    QCOMPARE(CountCountedCourses(m, SubjectCount).count, counted);
    if (counted == 40 && row == S) {
        // A course of 5 points that is not counted: counting it lowers Block I.
        setGrade(m, S, 4, 5);
        QVERIFY(!(m.Grades[4][S] & Counted));
    }
    GradesView g = viewOf(m);
    ScriptedInteraction ui;
    ui.answers = {yes ? Answer::Yes : Answer::No};
    const quint8 before = m.Grades[halfYear][row];
    NFaecherSgrMouseUp(m, g, ui, halfYear + 2, row, Qt::RightButton, Qt::NoModifier);

    if (counted == 40 && row == S) {
        QCOMPARE(ui.boxes.size(), 1);
        QVERIFY(m.Grades[4][S] & Counted);
        QCOMPARE(g.NFaecherSgr.cell(6, S), QStringLiteral("    5"));
        QCOMPARE(g.PSersterBlockPl.text, QStringLiteral("395"));
        QCOMPARE(g.ErsterBlockLbl.text, QStringLiteral("Punktsumme aus 41 einfach gewerteten Kursen"));
        return;
    }
    QFETCH(bool, asked);
    QCOMPARE(ui.boxes.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(ui.boxes[0].text, Question);
        QCOMPARE(ui.boxes[0].kind, BoxKind::Confirmation);
        QCOMPARE(ui.boxes[0].buttons, Buttons::YesNo);
    }
    QCOMPARE(bool(m.Grades[halfYear][row] & Counted), nowCounted);
    if (cell.isEmpty()) {
        QCOMPARE(m.Grades[halfYear][row], before);
        QCOMPARE(g.PSersterBlockPl.text, QString());
        return;
    }
    QCOMPARE(g.NFaecherSgr.cell(halfYear + 2, row), cell);
    QTEST(g.PSersterBlockPl.text, "blockI");
    QTEST(g.ErsterBlockLbl.text, "caption");
    // Nothing else is recomputed, and the next run selects afresh.
    QCOMPARE(int(g.AdmissionFlags), 0);
    ComputeBlockI(m, g);
    QVERIFY(m.Grades[halfYear][row] & Counted);
}

void TestOptimisation::toggleLeavesCompulsoryAndEmptyAlone()
{
    Model m = countedRecord(42);
    GradesView g = viewOf(m);
    ScriptedInteraction ui;
    ui.defaultAnswer = Answer::Yes;
    const quint8 compulsory = m.Grades[1][D];
    ToggleCounted(m, g, ui, 1, D);
    ToggleCounted(m, g, ui, 2, Gk); // no course, no grade
    ToggleCounted(m, g, ui, 1, W);
    QCOMPARE(m.Grades[1][D], compulsory);
    QCOMPARE(m.Grades[2][Gk], quint8(0));
    QVERIFY(ui.boxes.isEmpty());
}

void TestOptimisation::specialLearningAchievementCountsTwice()
{
    // 42 counted courses plus the total of a competition counted twice.
    Model m = countedRecord(42);
    m.Choice[Taken][BLL] = true;
    m.Grades[1][BLL] = GradePresent | Counted | 14;
    m.Grades[2][BLL] = GradePresent | Counted | 14;
    QCOMPARE(CountCountedCourses(m, SubjectCount).count, 44);
    GradesView g = viewOf(m);
    ScriptedInteraction ui;
    ui.answers = {Answer::Yes};
    // 448 of 44 is 407; without it 420 of 42 is 400.
    ToggleCounted(m, g, ui, 2, BLL);
    QCOMPARE(ui.boxes.size(), 1);
    QVERIFY(!(m.Grades[1][BLL] & Counted));
    QVERIFY(!(m.Grades[2][BLL] & Counted));
    QCOMPARE(g.NFaecherSgr.cell(3, BLL), QStringLiteral("  (14)"));
    QCOMPARE(g.NFaecherSgr.cell(4, BLL), QStringLiteral("  (14)"));
    QCOMPARE(g.NFaecherSgr.cell(5, BLL), QString());
    QCOMPARE(g.PSersterBlockPl.text, QStringLiteral("400"));

    // A seminar course's courses count once.
    Model s = countedRecord(42);
    take(s, BLL, {1, 2}, QStringLiteral("2"));
    s.Grades[1][BLL] = GradePresent | 3;
    s.Grades[2][BLL] = GradePresent | 3;
    GradesView gs = viewOf(s);
    ScriptedInteraction uis;
    uis.answers = {Answer::Yes};
    ToggleCounted(s, gs, uis, 1, BLL);
    QVERIFY(s.Grades[1][BLL] & Counted);
    QVERIFY(!(s.Grades[2][BLL] & Counted));
    QCOMPARE(gs.ErsterBlockLbl.text, QStringLiteral("Punktsumme aus 43 einfach gewerteten Kursen"));
    QCOMPARE(gs.PSersterBlockPl.text, QString::number(BlockIPoints(43, 423)));
}

void TestOptimisation::desiredGrade_data()
{
    QTest::addColumn<QStringList>("answers"); // "<cancel>" for a cancelled dialog
    QTest::addColumn<int>("prompts");
    QTest::addColumn<int>("expected"); // -1: nothing changed
    QTest::addColumn<QString>("error");

    QTest::newRow("12") << QStringList{"12"} << 1 << 12 << "";
    QTest::newRow("0") << QStringList{"0"} << 1 << 0 << "";
    QTest::newRow("cancelled") << QStringList{"<cancel>"} << 1 << -1 << "";
    QTest::newRow("not a number") << QStringList{"gut"} << 1 << -1
                                  << "'gut' ist kein gültiger Integerwert";
    QTest::newRow("16, then 12") << QStringList{"16", "12"} << 2 << 12 << "";
    QTest::newRow("-1, then cancelled") << QStringList{"-1", "<cancel>"} << 2 << -1 << "";
}

void TestOptimisation::desiredGrade()
{
    QFETCH(QStringList, answers);
    QFETCH(int, expected);
    QFETCH(QString, error);
    Model m = pupilModel();
    setAllGrades(m, 8);
    setGrade(m, F, 3, 14);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    ScriptedInteraction ui;
    for (const QString &a : answers)
        ui.inputs.append(a == QLatin1String("<cancel>") ? std::optional<QString>()
                                                        : std::optional<QString>(a));
    NFaecherSgrMouseUp(m, g, ui, 5, 0, Qt::LeftButton, Qt::ShiftModifier);
    QTEST(int(ui.inputPrompts.size()), "prompts");
    QCOMPARE(ui.inputPrompts[0], QStringLiteral("Bitte geben Sie die gewünschte Note ein:"));
    if (error.isEmpty()) {
        QVERIFY(ui.boxes.isEmpty());
    } else {
        QCOMPARE(ui.boxes.size(), 1);
        QCOMPARE(ui.boxes[0].kind, BoxKind::Error);
        QCOMPARE(ui.boxes[0].text, error);
    }
    for (int r = 1; r < SubjectCount; ++r) {
        if (!m.Choice[HalfYear3][r])
            continue;
        const int want = expected >= 0 ? expected : (r == F ? 14 : 8);
        QCOMPARE(points(m.Grades[3][r]), want);
        QVERIFY(m.Grades[3][r] & GradePresent);
    }
    QCOMPARE(points(m.Grades[2][F]), 8);
    QCOMPARE(m.Grades[3][Gk], quint8(0));
}

void TestOptimisation::fillWithAverages_data()
{
    QTest::addColumn<int>("halfYear");
    QTest::addColumn<int>("french");    // fill of Französisch
    QTest::addColumn<int>("social");    // fill of Gemeinschaftskunde half-year 4
    QTest::addColumn<int>("geography"); // fill of Geographie half-year 3
    // Französisch 9, 10, 13: Gk 7 in 1; Geo 12 in 2.
    QTest::newRow("from 1") << 1 << 5 << 5 << 5;
    QTest::newRow("from 2") << 2 << 9 << 7 << 5;
    QTest::newRow("from 3") << 3 << 9 << 7 << 12;
    QTest::newRow("from 4") << 4 << 10 << 7 << 4;
}

void TestOptimisation::fillWithAverages()
{
    QFETCH(int, halfYear);
    QFETCH(int, french);
    Model m = pupilModel();
    setAllGrades(m, 11);
    setGrades(m, F, {9, 10, 13, 2});
    setGrades(m, Gk, {7, 3});
    setGrades(m, Geo, {12, 4});
    setWrittenExams(m, {9, 9, 9, 9}, {8}, 10);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    ScriptedInteraction ui;
    NFaecherSgrMouseUp(m, g, ui, halfYear + 2, 0, Qt::LeftButton, Qt::AltModifier);
    QVERIFY(ui.boxes.isEmpty());

    for (int h = 1; h <= 4; ++h) {
        QVERIFY(m.Grades[h][F] & GradePresent);
        if (h >= halfYear)
            QCOMPARE(points(m.Grades[h][F]), french);
    }
    QTEST(points(m.Grades[4][Gk]), "social");
    QTEST(points(m.Grades[3][Geo]), "geography");
    QCOMPARE(points(m.Grades[1][D]), halfYear > 1 ? 11 : 5);
    for (int e = 1; e <= 5; ++e)
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(m.Grades[c][examColumn(SubjectCount, e)], quint8(0));
            QCOMPARE(g.NPfaecherSgr.cell(c, e), QString());
        }
    QCOMPARE(g.NFaecherSgr.cell(halfYear + 2, Gk).isEmpty(), halfYear == 2 || halfYear == 3);
    // Everything recomputed at the end.
    QCOMPARE(int(g.AdmissionFlags), 0);
    QCOMPARE(g.PSAbiblockPl.text, QStringLiteral("0"));
}

void TestOptimisation::averagesOfEveryRowOwnGrades()
{
    // An elective of half-years 3 and 4 gets its own fill, not the last
    // subject's.
    Model m = pupilModel();
    take(m, Inf, {3, 4}, QStringLiteral("2"));
    setAllGrades(m, 13);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    FillWithAverages(m, g, 2);
    QCOMPARE(points(m.Grades[2][S]), 13);
    QCOMPARE(points(m.Grades[3][Inf]), 5);
    QCOMPARE(points(m.Grades[4][Inf]), 5);
}

void TestOptimisation::everythingFollowsTheTools_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("blockI");
    QTest::addColumn<int>("total"); // -1: none shown
    QTest::addColumn<QString>("average");
    QTest::addColumn<int>("modified");
    QTest::addColumn<QString>("missing"); // the line of missing results

    QTest::newRow("opened") << "none" << 438 << 654 << "2,0" << 0 << "";
    // Formerly 436 beside the old total 654.
    QTest::newRow("Französisch 1 released") << "toggle" << 436 << 652 << "2,0" << 0 << "";
    // Formerly Block I 472 beside the old total 654 and 2,0.
    QTest::newRow("Wunschnote 14 for 4") << "desired" << 472 << 688 << "1,8" << 2 << "";
    QTest::newRow("Durchschnitte from 4") << "averages" << 438 << -1 << "" << 2 << "";
    QTest::newRow("fifth component missing")
        << "nofifth" << 438 << 630 << "2,1" << 0
        << "Vorläufig: es fehlt noch das Ergebnis in Geschichte (mündlich).";
    QTest::newRow("written and fifth missing")
        << "nowritten" << 438 << 582 << "2,4" << 0
        << "Vorläufig: es fehlen noch die Ergebnisse in Biologie (schriftlich) und Geschichte "
           "(mündlich).";
}

void TestOptimisation::everythingFollowsTheTools()
{
    QFETCH(QString, tool);
    QFETCH(int, blockI);
    QFETCH(int, total);
    QFETCH(QString, missing);
    Model m = walkRecord();
    if (tool == QLatin1String("nofifth") || tool == QLatin1String("nowritten"))
        setWrittenExams(m, {12, 12, 12, tool == QLatin1String("nowritten") ? -1 : 12}, {}, -1);
    GradesView g = viewOf(m);
    RefreshGrades(m, g, SubjectCount);
    ScriptedInteraction ui;
    ui.answers = {Answer::Yes};
    ui.inputs = {QStringLiteral("14")};
    const bool toggle = tool == QLatin1String("toggle");
    if (!tool.startsWith(QLatin1String("no")))
        NFaecherSgrMouseUp(m, g, ui, toggle ? 3 : 6, toggle ? F : 0, toggle ? Qt::RightButton : Qt::LeftButton,
                           tool == QLatin1String("desired") ? Qt::ShiftModifier : Qt::AltModifier);

    // Every figure follows the counted courses and grades shown.
    QCOMPARE(g.PSersterBlockPl.text.toInt(), blockI);
    const CountedCourses counted = CountCountedCourses(m, SubjectCount);
    QCOMPARE(BlockIPoints(counted.count, counted.sum), blockI);
    QCOMPARE(g.DSNoteGBx.visible, total >= 0);
    if (total >= 0) {
        QCOMPARE(g.GPZPl.text.toInt(), total);
        QCOMPARE(total, blockI + g.PSAbiblockPl.text.toInt());
        QTEST(g.DSNotePl.text, "average");
    }
    QTEST(int(m.Modified), "modified");
    QCOMPARE(QList<bool>({g.FehltLbl.visible, g.VorlGPZLbl.visible, g.VorlDSLbl.visible}),
             QList<bool>(3, !missing.isEmpty()));
    QCOMPARE(g.FehltLbl.text, missing);
}

// Random partial records: with the answer p the target is reached, with
// p - 1 it is not; "not reachable" fails even with 15.
void TestOptimisation::targetGradeIsTheLeastPoints()
{
    QRandomGenerator random(2026);
    const auto fill = [](Model m, int p) {
        for (int r = 1; r < SubjectCount; ++r)
            for (int h = 1; h <= 4; ++h)
                if (m.Choice[h + 3][r] && m.Grades[h][r] == 0)
                    setGrade(m, r, h, p);
        for (int e = 1; e <= 5; ++e)
            if (m.Grades[e == 5 ? 2 : 1][examColumn(SubjectCount, e)] == 0)
                setExam(m, e, e == 5 ? 2 : 1, p);
        GradesView g;
        RefreshGrades(m, g, SubjectCount);
        return g;
    };
    int reachable = 0;
    for (int i = 0; i < 150; ++i) {
        Model m = pupilModel();
        const int gaps = random.bounded(0, 60); // percent of grades missing
        const auto some = [&](int least) {
            return random.bounded(100) < gaps ? -1 : random.bounded(least, 16);
        };
        int missing = 0;
        for (int r = 1; r < SubjectCount; ++r)
            for (int h = 1; h <= 4; ++h)
                if (m.Choice[h + 3][r]) {
                    const int p = some(2);
                    missing += p < 0;
                    m.Grades[h][r] = p < 0 ? 0 : quint8(p | GradePresent);
                }
        const QList<int> written = {some(0), some(0), some(0), some(0)};
        const int fifth = some(0);
        setWrittenExams(m, written, {}, fifth);
        missing += int(written.count(-1)) + (fifth < 0);
        const int target = random.bounded(10, 41);

        const TargetPoints answer = PointsForTarget(m, target);
        QCOMPARE(answer.missing, missing);
        const QString sentence = TargetSentence(answer);
        if (!answer.points) {
            QVERIFY2(!shownReaches(fill(m, 15), target), qPrintable(sentence));
            continue;
        }
        ++reachable;
        QVERIFY2(shownReaches(fill(m, *answer.points), target), qPrintable(sentence));
        if (*answer.points > 0)
            QVERIFY2(!shownReaches(fill(m, *answer.points - 1), target), qPrintable(sentence));
    }
    QVERIFY(reachable > 20 && reachable < 140);
}

QTEST_GUILESS_MAIN(TestOptimisation)
#include "tst_optimisation.moc"
