#include "GradesFixture.h"

#include <QTest>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

Q_DECLARE_METATYPE(tamb::BlockIValues)

namespace {

// An admitted state of the counters: 40 counted courses, none under 5.
BlockIValues admitted()
{
    BlockIValues v;
    v.LastHalfYear = 4;
    v.CompulsoryCount = 30;
    v.CompulsoryCount13 = 22;
    v.CompulsorySum13 = 220;
    v.Count = 40;
    v.Sum = 400;
    v.BlockI = 400;
    return v;
}

const QString WrittenCaption = QStringLiteral(" Nichtzulassung zur schriftlichen Abiturprüfung ");
const QString OralCaption = QStringLiteral(" Nichtzulassung zur mündlichen Abiturprüfung ");
const QString WrittenHead = QStringLiteral(" Nichtzulassung zur schriftlichen Prüfung!");
const QString OralHead = QStringLiteral(" Nichtzulassung zur mündlichen Prüfung!");

} // namespace

class TestAdmission : public QObject
{
    Q_OBJECT
private slots:
    void flags_data();
    void flags();
    void box_data();
    void box();
    void records_data();
    void records();
    void admittedRecordShowsBlockII();
};

void TestAdmission::flags_data()
{
    QTest::addColumn<BlockIValues>("values");
    QTest::addColumn<int>("flags");

    BlockIValues v = admitted();
    QTest::newRow("admitted") << v << 0;

    v = admitted();
    v.Count = 30;
    v.Missing = 10;
    v.Missing13 = 0;
    v.Under5_13 = 8;
    v.BlockI = 300;
    QTest::newRow("under 5 in 1-3: (30+10)/5 = 8 not < 8") << v << 0x0100;
    v.Under5_13 = 9;
    QTest::newRow("under 5 in 1-3: 9") << v << (0x0004 | 0x0100);

    v = admitted();
    v.Missing13 = 1;
    v.Missing = 1;
    QTest::newRow("missing in 1-3") << v << (0x0001 | 0x0100);

    v = admitted();
    v.ZeroCompulsory = 1;
    v.ZeroCompulsory13 = 1;
    QTest::newRow("zero in 1-3") << v << (0x0002 | 0x0200);
    v.ZeroCompulsory13 = 0;
    QTest::newRow("zero in 4") << v << 0x0200;

    v = admitted();
    v.LastHalfYear = 3;
    v.CompulsoryCount13 = 30;
    v.CompulsorySum13 = 49;
    v.BlockI = 180;
    QTest::newRow("200 out of reach after 3") << v << 0x0008;
    v.LastHalfYear = 2;
    QTest::newRow("200 out of reach after 2") << v << 0;
    v.LastHalfYear = 3;
    v.CompulsorySum13 = 50;
    QTest::newRow("200 just reachable") << v << 0;

    v = admitted();
    v.BlockI = 199;
    QTest::newRow("Block I 199") << v << 0x0800;
    v.LastHalfYear = 3;
    QTest::newRow("Block I 199 before 4") << v << 0;

    v = admitted();
    v.Under5 = 9;
    QTest::newRow("9 of 40 under 5") << v << 0x0400;
    v.Under5 = 8;
    QTest::newRow("8 of 40 under 5") << v << 0;

    v = admitted();
    v.Under5_13 = 9;
    v.Under5 = 9;
    QTest::newRow("under 5, both") << v << (0x0004 | 0x0400);
}

void TestAdmission::flags()
{
    QFETCH(BlockIValues, values);
    QTEST(int(AdmissionFlagsFor(values)), "flags");
}

void TestAdmission::box_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("written, all reasons")
        << 0x0F0F << WrittenCaption
        << WrittenHead + crlf + " - in den ersten drei Halbj. fehlt mindestens eine Note " + crlf
               + " - Null Punkte in mindestens einem Pflichtfach" + crlf
               + " - mehr als 20 % der Kurse im Block I unter 5 NP" + crlf
               + " - 200 Punkte im Block I sind nicht mehr erreichbar";
    QTest::newRow("written hides oral")
        << 0x0202 << WrittenCaption
        << WrittenHead + crlf + " - Null Punkte in mindestens einem Pflichtfach";
    QTest::newRow("oral, all reasons")
        << 0x0F00 << OralCaption
        << OralHead + crlf + " - Es sind nicht alle erforderlichen Noten vorhanden" + crlf
               + " - Null Punkte in mindestens einem Pflichtfach" + crlf
               + " - mehr als 20% der Kurse im Block I unter 5 NP" + crlf
               + " - im Block I wurden 200 Punkte nicht erreicht";
    QTest::newRow("oral, Block I")
        << 0x0800 << OralCaption << OralHead + crlf + " - im Block I wurden 200 Punkte nicht erreicht";
}

void TestAdmission::box()
{
    QFETCH(int, flags);
    GradesView g;
    g.GPZGBx.visible = true;
    g.DSNoteGBx.visible = true;
    g.AdmissionFlags = quint16(flags);
    ShowNonAdmission(g);
    QTEST(g.NzulGBx.text, "caption");
    QTEST(g.NzulLbl.text, "text");
    QVERIFY(g.NzulGBx.visible);
    QCOMPARE(g.NzulGBx.top, 408);
    QCOMPARE(g.NzulGBxHeight, 215);
    QVERIFY(!g.AbiblockGBx.visible);
    QVERIFY(!g.GPZGBx.visible);
    QVERIFY(!g.DSNoteGBx.visible);
}

void TestAdmission::records_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstReason");

    QTest::newRow("grade missing in 2")
        << 0 << 0x0101 << WrittenCaption
        << " - in den ersten drei Halbj. fehlt mindestens eine Note ";
    QTest::newRow("only half-year 1") << 1 << 0x0101 << WrittenCaption
                                      << " - in den ersten drei Halbj. fehlt mindestens eine Note ";
    QTest::newRow("zero in Geschichte in 2") << 2 << 0x0202 << WrittenCaption
                                             << " - Null Punkte in mindestens einem Pflichtfach";
    QTest::newRow("Block I under 200") << 3 << 0x0800 << OralCaption
                                       << " - im Block I wurden 200 Punkte nicht erreicht";
    QTest::newRow("compulsory courses under 5")
        << 4 << (0x0004 | 0x0400) << WrittenCaption
        << " - mehr als 20 % der Kurse im Block I unter 5 NP";
    QTest::newRow("grade missing in 4") << 5 << 0x0100 << OralCaption
                                        << " - Es sind nicht alle erforderlichen Noten vorhanden";
    QTest::newRow("200 out of reach after 3")
        << 6 << (0x0004 | 0x0008 | 0x0100 | 0x0400) << WrittenCaption
        << " - mehr als 20 % der Kurse im Block I unter 5 NP";
}

void TestAdmission::records()
{
    QFETCH(int, variant);
    Model m = pupilModel();
    setAllGrades(m, 9);
    setWrittenExams(m, {10, 10, 10, 10}, {}, 10);
    switch (variant) {
    case 0:
        m.Grades[2][F] = 0;
        break;
    case 1:
        for (int r = 1; r < SubjectCount; ++r)
            for (int h = 2; h <= 4; ++h)
                m.Grades[h][r] = 0;
        break;
    case 2:
        setGrade(m, G, 2, 0);
        break;
    case 3: // all 5, a few 4
        setAllGrades(m, 5);
        setGrades(m, D, {4, 4, 4, 5});
        break;
    case 4: // the compulsory courses of half-years 1 to 3 under 5
        setCompulsoryAndOthers(m, 3, 9);
        break;
    case 5:
        m.Grades[4][Ev] = 0;
        break;
    case 6: // five core subjects, 29 compulsory courses in 1 to 3 with 1 point
        take(m, F, AllYears, QStringLiteral("4*"), true);
        take(m, L, AllYears, QStringLiteral("4*"), true);
        setAllGrades(m, 1);
        for (int r = 1; r < SubjectCount; ++r)
            m.Grades[4][r] = 0;
        break;
    }
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QTEST(int(g.AdmissionFlags), "flags");
    QTEST(g.NzulGBx.text, "caption");
    QFETCH(QString, firstReason);
    QCOMPARE(g.NzulLbl.text.section(QStringLiteral("\r\n"), 1, 1), firstReason);
    if (variant == 6)
        QCOMPARE(g.NzulLbl.text.section(QStringLiteral("\r\n"), 2, 2),
                 QStringLiteral(" - 200 Punkte im Block I sind nicht mehr erreichbar"));
    QVERIFY(g.NzulGBx.visible);
    QVERIFY(!g.AbiblockGBx.visible);
    QVERIFY(!g.GPZGBx.visible);
    QVERIFY(!g.DSNoteGBx.visible);
}

void TestAdmission::admittedRecordShowsBlockII()
{
    Model m = pupilModel();
    setAllGrades(m, 9);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(int(g.AdmissionFlags), 0);
    QVERIFY(!g.NzulGBx.visible);
    QVERIFY(g.AbiblockGBx.visible);
    QCOMPARE(g.AbiblockLbl.text, QStringLiteral("Punktsumme aus der Abiturprüfung"));
    QCOMPARE(g.PSAbiblockPl.text, QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TestAdmission)
#include "tst_admission.moc"
