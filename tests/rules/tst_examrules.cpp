#include "tst_rulestate.h"

#include "rules/ExamRules.h"

#include <QTest>

using namespace tamb;
using test::clicks;
using test::rowState;

namespace {

// Englisch (slot 3), Physik (slot 4), Geschichte (slot 5) as core subjects.
const QList<int> ThreeCores = {1, 2, 1, 16, 1, 8};

} // namespace

class TestExamRules : public QObject
{
    Q_OBJECT
private slots:
    void writtenClick_data();
    void writtenClick();
    void writtenSubjectRemoved();
    void socialWrittenGoesOralGoes_data();
    void socialWrittenGoesOralGoes();
    void droppedLanguageKeepsOtherWrittenName();
};

void TestExamRules::writtenClick_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("hint"); // empty: no hint, no beep
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("overviewAfter");

    QTest::newRow("not a core subject")
        << QList<int>{} << 8
        << "Geschichte ist kein Kernfach und kann deshalb\n\rkein schriftliches Prüfungsfach sein!"
        << "T---1234|||| 2| 2| 2| 2" << "/|/|/|/";
    QTest::newRow("third written subject")
        << ThreeCores << 16 << "" << "TKs-1234| K| s|| 4| 4| 4| 4"
        << "Englisch/|Physik/Physik|Geschichte/|/";
    QTest::newRow("fourth must be a language")
        << ThreeCores + QList<int>{2, 16} << 8 << "" << "TK--1234| K||| 4| 4| 4| 4"
        << "Englisch/|Physik/Physik|Geschichte/|/";
    QTest::newRow("fourth is the language")
        << ThreeCores + QList<int>{2, 16} << 2 << "" << "TKs-1234| K| s|| 4| 4| 4| 4"
        << "Englisch/Englisch|Physik/Physik|Geschichte/-----|/";
    QTest::newRow("fourth after a written language")
        << ThreeCores + QList<int>{2, 2} << 8 << "" << "TKs-1234| K| s|| 4| 4| 4| 4"
        << "Englisch/Englisch|Physik/-----|Geschichte/Geschichte|/";
    QTest::newRow("fifth written subject")
        << ThreeCores + QList<int>{2, 2, 2, 16} << 8
        << "Schon 4 schriftliche Prüfungsfächer gewählt!" << "TK--1234| K||| 4| 4| 4| 4"
        << "Englisch/Englisch|Physik/Physik|Geschichte/-----|/";
    QTest::newRow("Deutsch with three written")
        << ThreeCores + QList<int>{2, 2} << 1 << "Deutsch muss schriftliches Prüfungsfach sein!"
        << "TKs-1234| K| s| ¤| 4| 4| 4| 4" << "Englisch/Englisch|Physik/|Geschichte/|/";
    QTest::newRow("Mathematik with four written")
        << ThreeCores + QList<int>{2, 2, 2, 16} << 15
        << "Schon 4 schriftliche Prüfungsfächer gewählt!" << "TKs-1234| K| s| ¤| 4| 4| 4| 4"
        << "Englisch/Englisch|Physik/Physik|Geschichte/-----|/";
    QTest::newRow("removed from four")
        << ThreeCores + QList<int>{2, 2, 2, 16} << 16 << "" << "TK--1234| K||| 4| 4| 4| 4"
        << "Englisch/Englisch|Physik/|Geschichte/|/";
    QTest::newRow("oral subject not written")
        << QList<int>{1, 8, 3, 8} << 8 << "" << "TK-m1234| K|| m| 4| 4| 4| 4"
        << "/|/|Geschichte/|m P/Geschichte";
}

void TestExamRules::writtenClick()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, row);
    QFETCH(QString, hint);
    QFETCH(QString, state);
    QFETCH(QString, overviewAfter);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, setup);
    QCOMPARE(ui.beeps, 0);
    test::click(m, ui, 2, row);
    QCOMPARE(m.view.hintShown, !hint.isEmpty());
    if (!hint.isEmpty())
        QCOMPARE(m.view.hint, hint);
    QCOMPARE(ui.beeps > 0, !hint.isEmpty());
    QCOMPARE(rowState(m, row), state);
    QCOMPARE(test::overview(m), overviewAfter);
    // Written subjects are core subjects, at most four.
    QVERIFY(CountChosen(m, SubjectCount, Written) <= 4);
    for (int r = 1; r < SubjectCount; ++r)
        QVERIFY(!m.Choice[Written][r] || m.Choice[Core][r]);
}

void TestExamRules::writtenSubjectRemoved()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, ThreeCores);
    clicks(m, ui, {{2, 2}});
    QCOMPARE(m.PfaecherSgr.cell(4, 3), QStringLiteral("   Englisch"));
    m.Grades[4][2] = 0xCA;
    const int exam4 = SubjectCount + 3;
    m.Grades[1][exam4] = 0xC5;
    m.Grades[3][exam4] = 0xC6;
    clicks(m, ui, {{2, 2}});
    QCOMPARE(rowState(m, 2), QStringLiteral("TK--1234| K||| 4| 4| 4| 4"));
    QCOMPARE(m.PfaecherSgr.cell(4, 3), QString());
    QCOMPARE(m.Grades[4][2], quint8(0x8A));
    QCOMPARE(m.Grades[1][exam4], quint8(0));
    QCOMPARE(m.Grades[3][exam4], quint8(0));
}

void TestExamRules::socialWrittenGoesOralGoes_data()
{
    QTest::addColumn<QList<int>>("setup"); // ends with the click that removes G as written
    QTest::addColumn<quint8>("bllField");
    QTest::addColumn<bool>("oralStays");

    // Physik oral on the strength of the written Geschichte.
    const QList<int> base = ThreeCores + QList<int>{2, 8, 3, 17};
    QTest::newRow("s click") << base + QList<int>{2, 8} << quint8(0) << false;
    QTest::newRow("s click, BLL in field II") << base + QList<int>{2, 8} << quint8(2) << true;
    QTest::newRow("K click") << base + QList<int>{1, 8} << quint8(0) << false;
    QTest::newRow("name click") << base + QList<int>{0, 8} << quint8(0) << false;
    // Gk oral needs nothing.
    QTest::newRow("social oral subject")
        << ThreeCores + QList<int>{2, 8, 3, 9, 2, 8} << quint8(0) << true;
}

void TestExamRules::socialWrittenGoesOralGoes()
{
    QFETCH(QList<int>, setup);
    QFETCH(quint8, bllField);
    QFETCH(bool, oralStays);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    m.BLLField = bllField;
    clicks(m, ui, setup.mid(0, setup.size() - 2));
    QCOMPARE(CountChosen(m, SubjectCount, Oral), 1);
    QVERIFY(!m.PfaecherSgr.cell(4, 6).isEmpty());
    clicks(m, ui, setup.mid(setup.size() - 2));
    QVERIFY(!m.Choice[Written][8]);
    QCOMPARE(CountChosen(m, SubjectCount, Oral), oralStays ? 1 : 0);
    QCOMPARE(m.PfaecherSgr.cell(4, 6).isEmpty(), !oralStays);
    if (!oralStays)
        QCOMPARE(m.FaecherSgr.cell(3, 17), QString());
}

// Dropping a written language by name leaves the name of the subject that
// is still written in slot 5.
void TestExamRules::droppedLanguageKeepsOtherWrittenName()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, ThreeCores);
    clicks(m, ui, {{2, 2}, {2, 8}});
    QCOMPARE(test::overview(m), QStringLiteral("Englisch/Englisch|Physik/-----|Geschichte/Geschichte|/"));
    clicks(m, ui, {{0, 2}});
    QCOMPARE(rowState(m, 2), QStringLiteral("--------|||||||"));
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,16,8"));
    // Three written subjects: no placeholder either.
    QCOMPARE(test::overview(m), QStringLiteral("/|Physik/|Geschichte/Geschichte|/"));
    QVERIFY(m.Choice[Written][8]);
}

QTEST_GUILESS_MAIN(TestExamRules)
#include "tst_examrules.moc"
