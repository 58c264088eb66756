#include "GradesFixture.h"

#include <QTest>

#include <cmath>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

namespace {

const QString Failed = QStringLiteral("Abitur nicht bestanden!");
const QString Under100 = QStringLiteral("\r\nweniger als 100 NP in der Abiturprüfung!");
const QString Under3 = QStringLiteral("\r\nnicht in 3 Fächern mind. 20 NP in der Abiturprüfung!");

// An admitted record: all grades 11, Block I 440.
Model admittedRecord()
{
    Model m = pupilModel();
    setAllGrades(m, 11);
    return m;
}

} // namespace

class TestBlockII : public QObject
{
    Q_OBJECT
private slots:
    void components_data();
    void components();
    void total_data();
    void total();
    void averageGradeForEveryTotal();
    void records_data();
    void records();
    void gridIsTakenOver();
    void componentPointsNotShownWithoutAdmission();
};

void TestBlockII::components_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("oral");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("blockII");

    QTest::newRow("written 10, oral 12") << 10 << 12 << "   42" << 42;
    QTest::newRow("written 9 only") << 9 << -1 << "   36" << 36;
    QTest::newRow("written 4, oral 4") << 4 << 4 << "   16" << 16;
    QTest::newRow("written 15, oral 15") << 15 << 15 << "   60" << 60;
    QTest::newRow("written 0") << 0 << -1 << "   0" << 0;
    QTest::newRow("oral only") << -1 << 12 << "" << 0;
}

void TestBlockII::components()
{
    QFETCH(int, written);
    QFETCH(int, oral);
    Model m = admittedRecord();
    setWrittenExams(m, {written}, {oral}, -1);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QTEST(g.NPfaecherSgr.cell(3, 1), "cell");
    QTEST(g.PSAbiblockPl.text.toInt(), "blockII");
    QCOMPARE(g.NPfaecherSgr.cell(3, 2), QString());
}

void TestBlockII::total_data()
{
    QTest::addColumn<int>("blockI");
    QTest::addColumn<int>("blockII");
    QTest::addColumn<int>("over19");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("verdictTop");

    QTest::newRow("660: 2,0") << 420 << 240 << 5 << true << "660" << "2,0" << "Gesamtpunktzahl:" << 26;
    QTest::newRow("822: 1,1") << 582 << 240 << 5 << true << "822" << "1,1" << "Gesamtpunktzahl:" << 26;
    QTest::newRow("823: 1,0") << 583 << 240 << 5 << true << "823" << "1,0" << "Gesamtpunktzahl:" << 26;
    QTest::newRow("300: 4,0") << 200 << 100 << 3 << true << "300" << "4,0" << "Gesamtpunktzahl:" << 26;
    QTest::newRow("Block II 96, two components")
        << 420 << 96 << 2 << false << "" << "" << Failed + Under100 + Under3 << 16;
    QTest::newRow("Block II 96, three components")
        << 420 << 96 << 3 << false << "" << "" << Failed + Under100 << 24;
    QTest::newRow("Block II 99") << 420 << 99 << 4 << false << "" << "" << Failed + Under100 << 24;
    QTest::newRow("Block II 128, two components")
        << 420 << 128 << 2 << false << "" << "" << Failed + Under3 << 16;
}

void TestBlockII::total()
{
    QFETCH(int, blockI);
    QFETCH(int, blockII);
    QFETCH(int, over19);
    QFETCH(bool, passed);
    GradesView g;
    g.PSersterBlockPl.text = QString::number(blockI);
    g.PSAbiblockPl.text = QString::number(blockII);
    ShowTotal(g, over19);
    QCOMPARE(g.DSNoteGBx.visible, passed);
    QCOMPARE(g.GPZPl.visible, passed);
    QCOMPARE(g.GPZLimitsVisible, passed);
    QCOMPARE(g.PSAbiblockPl.visible, passed);
    QVERIFY(g.GPZGBx.visible);
    QVERIFY(g.GPZLbl.visible);
    QTEST(g.GPZLbl.text, "verdict");
    QTEST(g.GPZLbl.top, "verdictTop");
    if (passed) {
        QCOMPARE(g.GPZGBx.text, QStringLiteral(" Gesamtpunktzahl: "));
        QTEST(g.GPZPl.text, "total");
        QTEST(g.DSNotePl.text, "average");
        QCOMPARE(g.DSLbl.text, QStringLiteral("Durchschnittsnote\r\nlaut Staatsvertrag:"));
    } else {
        QCOMPARE(g.GPZGBx.text, QString());
    }
}

void TestBlockII::averageGradeForEveryTotal()
{
    // KMK: N = 17/3 - E/180, cut after one decimal, never better than 1,0.
    for (int total = 300; total <= 900; ++total) {
        const double n = 17.0 / 3.0 - total / 180.0;
        int tenths = int(std::floor(n * 10.0 + 1e-9));
        if (tenths < 10)
            tenths = 10;
        QCOMPARE(AverageGradeTenths(total), tenths);
        QCOMPARE(AverageGradeText(tenths),
                 QString::number(tenths / 10) + QLatin1Char(',') + QString::number(tenths % 10));
    }
    QCOMPARE(AverageGradeText(AverageGradeTenths(805)), QStringLiteral("1,1"));
    QCOMPARE(AverageGradeText(AverageGradeTenths(804)), QStringLiteral("1,2"));
    QCOMPARE(AverageGradeText(AverageGradeTenths(900)), QStringLiteral("1,0"));
}

void TestBlockII::records_data()
{
    QTest::addColumn<QList<int>>("written");
    QTest::addColumn<QList<int>>("oral");
    QTest::addColumn<int>("fifth");
    QTest::addColumn<QString>("blockII");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("average");

    // D 40, E 48, M (18 + 12) * 4 / 3 = 40, B 32, G 44: 204; 440 + 204 = 644.
    QTest::newRow("passed") << QList<int>{10, 12, 9, 8} << QList<int>{-1, -1, 12, -1} << 11
                            << "204" << "Gesamtpunktzahl:" << "2,0";
    QTest::newRow("under 100") << QList<int>{4, 4, 5, 4} << QList<int>{} << 5 << ""
                               << Failed + Under100 + Under3 << "";
    QTest::newRow("two components of 20")
        << QList<int>{10, 10, 4, 4} << QList<int>{} << 4 << "" << Failed + Under3 << "";
    QTest::newRow("no result yet") << QList<int>{} << QList<int>{} << -1 << "0" << "" << "";
}

void TestBlockII::records()
{
    QFETCH(QList<int>, written);
    QFETCH(QList<int>, oral);
    QFETCH(int, fifth);
    QFETCH(QString, blockII);
    QFETCH(QString, average);
    Model m = admittedRecord();
    setWrittenExams(m, written, oral, fifth);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(g.PSersterBlockPl.text, QStringLiteral("440"));
    QCOMPARE(int(g.AdmissionFlags), 0);
    QCOMPARE(g.PSAbiblockPl.visible, !blockII.isEmpty());
    if (!blockII.isEmpty())
        QCOMPARE(g.PSAbiblockPl.text, blockII);
    QTEST(g.GPZLbl.text, "verdict");
    QCOMPARE(g.DSNoteGBx.visible, !average.isEmpty());
    QCOMPARE(g.GPZGBx.visible, !g.GPZLbl.text.isEmpty());
    if (!average.isEmpty()) {
        QCOMPARE(g.GPZPl.text, QStringLiteral("644"));
        QCOMPARE(g.DSNotePl.text, average);
    }
}

void TestBlockII::gridIsTakenOver()
{
    // The component points of the grid go back into the model, cut to a byte.
    Model m = admittedRecord();
    setWrittenExams(m, {10, 9, 8, 7}, {12}, 11);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(m.Grades[3][examColumn(SubjectCount, 1)], quint8(0));
    ComputeBlockII(m, g);
    QCOMPARE(m.Grades[3][examColumn(SubjectCount, 1)], quint8((42 | 0xC0) & 0xFF));
    QCOMPARE(m.Grades[3][examColumn(SubjectCount, 5)], quint8((44 | 0xC0) & 0xFF));
    QCOMPARE(g.NPfaecherSgr.cell(3, 1), QStringLiteral("   42"));
    // An empty cell clears its value.
    g.NPfaecherSgr.setCell(2, 1, QString());
    ComputeBlockII(m, g);
    QCOMPARE(m.Grades[2][examColumn(SubjectCount, 1)], quint8(0));
    QCOMPARE(g.NPfaecherSgr.cell(3, 1), QStringLiteral("   40"));
}

void TestBlockII::componentPointsNotShownWithoutAdmission()
{
    // The taken-over component points do not fit their byte; without
    // admission nothing recomputes them, so they are not shown at all.
    Model m = admittedRecord();
    setWrittenExams(m, {10, 9, 8, 7}, {12}, 11);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    ComputeBlockII(m, g);
    setGrade(m, G, 2, 0);
    RefreshGrades(m, g, SubjectCount);
    QVERIFY(g.AdmissionFlags != 0);
    QCOMPARE(g.NPfaecherSgr.cell(1, 1), QStringLiteral("  10"));
    QCOMPARE(g.NPfaecherSgr.cell(2, 1), QStringLiteral("  12"));
    for (int e = 1; e <= 5; ++e)
        QCOMPARE(g.NPfaecherSgr.cell(3, e), QString());
}

QTEST_GUILESS_MAIN(TestBlockII)
#include "tst_blockii.moc"
