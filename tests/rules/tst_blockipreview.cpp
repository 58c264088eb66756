#include "ChoiceBuilder.h"

#include "rules/BlockIPreview.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"

#include <QtTest>
#include <functional>

using namespace tamb;
using namespace tamb::test;

using Mutation = std::function<void(Model &)>;
using Cells = QMap<int, QString>; // row -> column 8
Q_DECLARE_METATYPE(Mutation)

class TestBlockIPreview : public QObject
{
    Q_OBJECT
private slots:
    void completeChoice();
    void markers_data();
    void markers();
    void singleCourseLosesOralCell();
    void minimumCourses_data();
    void minimumCourses();
    void countCourses_data();
    void countCourses();
    void faultShowsBareCounts();
    void legend();
};

void TestBlockIPreview::completeChoice()
{
    Model m = completeModel();
    ScriptedInteraction ui;
    Refresh(m, ui);
    const Cells expected = {{1, "4*"},  {2, "4*"},  {6, "4(2*)"}, {8, "4*"},  {9, "2*"},
                            {10, "2*"}, {12, "4*"}, {15, "4*"},   {16, "4*"}, {17, "4*"},
                            {19, "4"}};
    for (int row = 1; row < SubjectCount; ++row)
        QCOMPARE(m.FaecherSgr.cell(8, row), expected.value(row));
    QCOMPARE(m.KurszSgr.cell(0, 0), QStringLiteral("Block I: Anrechenbare Kurse (davon verpflichtend*)"));
    QCOMPARE(m.KurszSgr.cell(1, 0), QStringLiteral("40 (34*)"));
    QCOMPARE(m.view.messages, QStringLiteral("Es wurden keine Fehler bei der Tamberon gefunden"));
    QCOMPARE(m.view.messagesColor, LabelColor::Green);
    QVERIFY(m.view.legendVisible);
    QVERIFY(m.view.menusEnabled);
}

void TestBlockIPreview::markers_data()
{
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QString>("count");

    QTest::newRow("art with two courses, no music") << Mutation([](Model &m) {
        setCourses(m, 6, {1, 2});
        setCourses(m, 28, {1, 2});
    }) << Cells{{6, "2"}, {28, "2"}} << QStringLiteral("40 (32*)");
    QTest::newRow("art and music") << Mutation([](Model &m) { setCourses(m, 7, {1, 2, 3, 4}); })
                                   << Cells{{6, "4(2°)"}, {7, "4(2°)"}} << QStringLiteral("44 (34*)");
    QTest::newRow("art and music, music oral") << Mutation([](Model &m) {
        setCourses(m, 7, {1, 2, 3, 4});
        setOral(m, 12, false);
        setOral(m, 7);
    }) << Cells{{6, "4"}, {7, "4*"}, {12, "4"}} << QStringLiteral("44 (32*)");
    QTest::newRow("art and music, art core and written") << Mutation([](Model &m) {
        setCourses(m, 7, {1, 2, 3, 4});
        m.Choice[Core][8] = false;
        setCore(m, 6, 5);
        setWritten(m, 6);
        setCourses(m, 8, {1, 2, 3, 4});
    }) << Cells{{6, "4*"}, {7, "4"}, {8, "4*"}} << QStringLiteral("44 (36*)");
    QTest::newRow("music alone") << Mutation([](Model &m) {
        setCourses(m, 6, {});
        setCourses(m, 7, {1, 2, 3, 4});
    }) << Cells{{6, ""}, {7, "4(2*)"}} << QStringLiteral("40 (34*)");
    QTest::newRow("three sciences") << Mutation([](Model &m) {
        m.Choice[Core][16] = false;
        setCore(m, 3, 4);
        setWritten(m, 16, false);
        setWritten(m, 3);
        setCourses(m, 16, {1, 2, 3, 4});
        setCourses(m, 18, {1, 2, 3, 4});
    }) << Cells{{3, "4*"}, {16, "4(4^)"}, {17, "4(4^)"}, {18, "4(4^)"}}
       << QStringLiteral("48 (38*)");
    QTest::newRow("three sciences, physics core") << Mutation([](Model &m) {
        setCourses(m, 18, {1, 2, 3, 4});
    }) << Cells{{16, "4*"}, {17, "4(4~)"}, {18, "4(4~)"}} << QStringLiteral("44 (34*)");
    QTest::newRow("three sciences, biology oral") << Mutation([](Model &m) {
        setCourses(m, 18, {1, 2, 3, 4});
        setOral(m, 12, false);
        setOral(m, 18);
    }) << Cells{{12, "4"}, {16, "4*"}, {17, "4(4~)"}, {18, "4*"}} << QStringLiteral("44 (34*)");
    QTest::newRow("third science for one pair") << Mutation([](Model &m) {
        setCourses(m, 18, {3, 4});
        m.Choice[Taken][18] = false;
    }) << Cells{{17, "4*"}, {18, "2*"}} << QStringLiteral("42 (36*)");
    QTest::newRow("electives and sport courses stay bare") << Mutation([](Model &m) {
        setCourses(m, 25, {1, 2, 3, 4});
        setCourses(m, 19, {1, 2, 3});
    }) << Cells{{19, "3"}, {25, "4"}} << QStringLiteral("43 (34*)");
    QTest::newRow("geography oral with two courses") << Mutation([](Model &m) {
        setOral(m, 12, false);
        setOral(m, 10);
    }) << Cells{{10, "2*"}, {12, "4"}} << QStringLiteral("40 (30*)");
}

void TestBlockIPreview::markers()
{
    QFETCH(Mutation, mutation);
    QFETCH(Cells, cells);
    QFETCH(QString, count);

    Model m = completeModel();
    mutation(m);
    SumWeeklyHours(m, SubjectCount);
    QCOMPARE(CheckChoice(m, SubjectCount), 0);
    BlockIPreview(m, SubjectCount);
    for (auto it = cells.cbegin(); it != cells.cend(); ++it)
        QCOMPARE(m.FaecherSgr.cell(8, it.key()), it.value());
    QCOMPARE(m.KurszSgr.cell(1, 0), count);
}

void TestBlockIPreview::singleCourseLosesOralCell()
{
    Model m = completeModel();
    setCourses(m, 9, {1});
    setStudyGroups(m, QStringLiteral("  9"));
    QVERIFY(m.Allowed[Oral][9]);
    ScriptedInteraction ui;
    Refresh(m, ui);
    QCOMPARE(m.FaecherSgr.cell(8, 9), QStringLiteral("1*"));
    QVERIFY(!m.Allowed[Oral][9]);
    QCOMPARE(m.FaecherSgr.cell(3, 9), QStringLiteral(" ¤"));
    // Geographie keeps its two courses and its oral cell.
    QCOMPARE(m.FaecherSgr.cell(8, 10), QStringLiteral("2*"));
    QVERIFY(m.Allowed[Oral][10]);
    QCOMPARE(m.FaecherSgr.cell(3, 10), QString());
}

void TestBlockIPreview::minimumCourses_data()
{
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("enough");
    QTest::newRow("39") << -1 << false;
    QTest::newRow("40") << 0 << true;
    QTest::newRow("42") << 2 << true;
}

void TestBlockIPreview::minimumCourses()
{
    QFETCH(int, extra);
    QFETCH(bool, enough);

    Model m = completeModel();
    setStudyGroups(m, QStringLiteral("  9"));
    if (extra < 0)
        setCourses(m, 10, {2}); // Geographie with a single course
    else if (extra > 0)
        setCourses(m, 28, {1, 2});
    ScriptedInteraction ui;
    Refresh(m, ui);
    QCOMPARE(m.view.menusEnabled, enough);
    QVERIFY(m.view.legendVisible);
    const int total = 40 + extra;
    QCOMPARE(m.KurszSgr.cell(1, 0).section(u' ', 0, 0), QString::number(total));
    if (enough) {
        QCOMPARE(m.view.messagesColor, LabelColor::Green);
    } else {
        QCOMPARE(m.view.messages,
                 QStringLiteral(" Der Block I enthält 1z u wenig anrechenbare Kurse,\n\r"
                                " es müssen min. 40 Kurse gewertet werden!"));
        QCOMPARE(m.view.messagesColor, LabelColor::Red);
        QCOMPARE(m.view.messagesPointSize, 11);
        QVERIFY(!m.view.messagesBold);
    }
}

void TestBlockIPreview::countCourses_data()
{
    QTest::addColumn<QStringList>("column");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("compulsory");

    QTest::newRow("bare counts") << QStringList{"    4", "    2", "    1", "", "   2"} << 9 << 0;
    QTest::newRow("all compulsory") << QStringList{"4*", "2*", "1*"} << 7 << 7;
    QTest::newRow("two of four") << QStringList{"4(2*)", "4"} << 8 << 2;
    QTest::newRow("art or music") << QStringList{"4(2°)", "4(2°)"} << 8 << 2;
    QTest::newRow("two sciences once") << QStringList{"4(4^)", "4(4^)", "4(4^)"} << 12 << 8;
    QTest::newRow("one science once") << QStringList{"4*", "4(4~)", "4(4~)"} << 12 << 8;
    QTest::newRow("plain subject") << QStringList{"3"} << 3 << 0;
}

void TestBlockIPreview::countCourses()
{
    QFETCH(QStringList, column);
    QFETCH(int, total);
    QFETCH(int, compulsory);

    Model m = startedModel();
    for (int row = 1; row < SubjectCount; ++row)
        m.FaecherSgr.setCell(8, row, row <= column.size() ? column.at(row - 1) : QString());
    const CourseCount count = CountCourses(m, SubjectCount);
    QCOMPARE(count.total, total);
    QCOMPARE(count.compulsory, compulsory);
}

void TestBlockIPreview::faultShowsBareCounts()
{
    Model m = completeModel();
    ScriptedInteraction ui;
    Refresh(m, ui);
    QVERIFY(m.view.menusEnabled);
    setOral(m, 12, false);
    Refresh(m, ui);
    QCOMPARE(m.FaecherSgr.cell(8, 1), QStringLiteral("    4"));
    QCOMPARE(m.FaecherSgr.cell(8, 9), QStringLiteral("    2"));
    QCOMPARE(m.KurszSgr.cell(0, 0), QStringLiteral(" Im Block I anrechenbare Kurse (min. 40)"));
    QCOMPARE(m.KurszSgr.cell(1, 0), QStringLiteral("   40"));
    QVERIFY(!m.view.menusEnabled);
    QVERIFY(!m.view.legendVisible);
    // Mended again: the markers return.
    setOral(m, 12);
    Refresh(m, ui);
    QCOMPARE(m.FaecherSgr.cell(8, 1), QStringLiteral("4*"));
    QVERIFY(m.view.menusEnabled);
}

void TestBlockIPreview::legend()
{
    Model m = startedModel();
    ShowLegend(m);
    QVERIFY(m.view.legendVisible);
    QCOMPARE(m.view.legend,
             QStringLiteral("Zeichenerklärung:  Im Block I der Gesamtqualifikation sind\n\r"
                            " * ... anrechnungspflichtige Kurse\n\r"
                            " ° ... in Bildender Kunst oder in Musik wahlweise zwei Kurse \n\r"
                            "\t(aus einem der beiden Fächer)  ...\n\r"
                            " ^ ...  die Kurse aus zwei (verschiedenen) Naturwissenschaften  ...\n\r"
                            " ~ ...  die Kurse aus einer der beiden Naturwissenschaften ...\n\r"
                            " 4(2*) von den vier möglichen Kursen zwei ...\n\r"
                            "\t ...anrechnungspflichtig"));
}

QTEST_GUILESS_MAIN(TestBlockIPreview)
#include "tst_blockipreview.moc"
