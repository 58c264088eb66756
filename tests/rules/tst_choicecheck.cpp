#include "ChoiceBuilder.h"

#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"

#include <QtTest>
#include <functional>

using namespace tamb;
using namespace tamb::test;

using Mutation = std::function<void(Model &)>;
Q_DECLARE_METATYPE(Mutation)

namespace {

// Hours, check and messages as the refresh runs them.
int check(Model &m)
{
    SumWeeklyHours(m, SubjectCount);
    const int mask = CheckChoice(m, SubjectCount);
    ShowMessages(m, SubjectCount, mask);
    return mask;
}

void dropSubject(Model &m, int row)
{
    for (int c = Taken; c <= HalfYear4; ++c)
        m.Choice[c][row] = false;
    for (int col = 1; col <= 8; ++col)
        m.FaecherSgr.setCell(col, row, QString());
}

} // namespace

class TestChoiceCheck : public QObject
{
    Q_OBJECT
private slots:
    void initialChoice();
    void completeChoice();
    void faults_data();
    void faults();
    void sportSubstitutes_data();
    void sportSubstitutes();
    void singleSportCoursesMakeSportChosen();
    void hasWrittenForeignLanguage_data();
    void hasWrittenForeignLanguage();
};

void TestChoiceCheck::initialChoice()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    Refresh(m, ui);
    for (int h = 1; h <= 4; ++h)
        QCOMPARE(m.WostSgr.cell(h, 0), QStringLiteral("14"));
    const int mask = CheckChoice(m, SubjectCount);
    QCOMPARE(mask, 1 + 2 + 4 + 8 + 16 + 32 + 64 + 128 + 256 + 2048);
    QCOMPARE(m.view.messages,
             QStringLiteral("»Es fehlen noch 3 Kernfächer darunter: \r\n\n"
                            "...  eine Fremdsprache\r\n\n"
                            "...  eine weitere Fremdsprache \n\r\toder eine Naturwissenschaft\r\n\n"
                            "»Es fehlen noch 2 schriftliche Prüfungsfächer darunter: \r\n\n"
                            " ... eine als Kernfach belegte Fremdsprache\r\n\n"
                            "»Das mündliche Prüfungsfach ist noch nicht gewählt\r\n\n"
                            "»Es fehlt Religion oder Ethik\r\n\n"
                            "»Bildende Kunst oder Musik muss gewählt werden\r\n\n"
                            "»Es fehlen naturwissenschaftliche Fächer"));
    QCOMPARE(m.view.messagesColor, LabelColor::Red);
    QCOMPARE(m.view.messagesPointSize, 11);
    QVERIFY(!m.view.messagesBold);
    QVERIFY(!m.view.menusEnabled);
}

void TestChoiceCheck::completeChoice()
{
    Model m = completeModel();
    QCOMPARE(check(m), 0);
    QCOMPARE(m.view.messages, QStringLiteral("Es wurden keine Fehler bei der Tamberon gefunden"));
    QCOMPARE(m.view.messagesColor, LabelColor::Green);
    QVERIFY(!m.view.messagesBold);
}

void TestChoiceCheck::faults_data()
{
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("text");

    QTest::newRow("four core subjects") << Mutation([](Model &m) {
        m.Choice[Core][8] = false;
        m.CoreSlots[5] = 0;
    }) << 1 << QStringLiteral("»Es fehlt noch ein Kernfach");
    QTest::newRow("no language among the core subjects") << Mutation([](Model &m) {
        m.Choice[Core][2] = false;
        setCore(m, 17, 3);
    }) << 2 << QStringLiteral("»...  eine Fremdsprache");
    QTest::newRow("one language or science in slots 3 to 5") << Mutation([](Model &m) {
        m.Choice[Core][16] = false;
        setCore(m, 12, 4);
    }) << 4 << QStringLiteral("»...  eine weitere Fremdsprache \n\r\toder eine Naturwissenschaft");
    QTest::newRow("three written subjects") << Mutation([](Model &m) { setWritten(m, 16, false); })
                                            << 8
                                            << QStringLiteral("»Es fehlt noch ein schriftliches Prüfungsfach");
    QTest::newRow("no written language") << Mutation([](Model &m) {
        setWritten(m, 2, false);
        setWritten(m, 8);
    }) << 16 << QStringLiteral("» ... eine als Kernfach belegte Fremdsprache");
    QTest::newRow("no oral subject") << Mutation([](Model &m) { setOral(m, 12, false); }) << 32
                                     << QStringLiteral("»Das mündliche Prüfungsfach ist noch nicht gewählt");
    QTest::newRow("no religion or ethics") << Mutation([](Model &m) { m.Choice[Taken][12] = false; })
                                           << 64 << QStringLiteral("»Es fehlt Religion oder Ethik");
    QTest::newRow("religion and ethics") << Mutation([](Model &m) { m.Choice[Taken][14] = true; })
                                         << 64 << QStringLiteral("»Es fehlt Religion oder Ethik");
    QTest::newRow("no art or music") << Mutation([](Model &m) { m.Choice[Taken][6] = false; })
                                     << 128
                                     << QStringLiteral("»Bildende Kunst oder Musik muss gewählt werden");
    QTest::newRow("no science") << Mutation([](Model &m) {
        m.Choice[Taken][16] = false;
        m.Choice[Taken][17] = false;
    }) << 256 << QStringLiteral("»Es fehlen naturwissenschaftliche Fächer");
    QTest::newRow("one science") << Mutation([](Model &m) { m.Choice[Taken][17] = false; })
                                 << 512 << QStringLiteral("»Sie haben nur eine Naturwissenschaft gewählt");
    QTest::newRow("no sport") << Mutation([](Model &m) {
        dropSubject(m, 19);
        setStudyGroups(m, QStringLiteral("  4"));
    }) << 1024
       << QStringLiteral("»Sport ist nicht gewählt, haben Sie ein Attest?\n\r  Dann wählen Sie bitte Ersatzfächer");
    QTest::newRow("127 hours") << Mutation([](Model &m) {
        m.FaecherSgr.setCell(4, SubjectCount, QStringLiteral("  1"));
    }) << 2048
       << QStringLiteral("Nach § 10 NGVO sind in den vier Halbjahren \r\ndurchschnittlich mindestens 32 "
                         "Wochen-\r\nstunden in Kursen oder Arbeitsgemeinschaften \r\nzu besuchen.\r\n\r\n"
                         "Bitte wählen Sie weitere Kurse oder\r\nArbeitsgemeinschaften!");

    // Combinations.
    QTest::newRow("hours hidden behind another fault") << Mutation([](Model &m) {
        m.FaecherSgr.setCell(4, SubjectCount, QStringLiteral("  1"));
        setOral(m, 12, false);
    }) << 32 + 2048 << QStringLiteral("»Das mündliche Prüfungsfach ist noch nicht gewählt");
    QTest::newRow("slot 3 empty") << Mutation([](Model &m) {
        m.Choice[Core][2] = false;
        m.CoreSlots[3] = 0;
    }) << 1 + 2 + 4
       << QStringLiteral("»Es fehlt noch ein Kernfach\r\n\n...  eine Fremdsprache\r\n\n"
                         "...  eine weitere Fremdsprache \n\r\toder eine Naturwissenschaft");
    QTest::newRow("two written subjects missing") << Mutation([](Model &m) {
        setWritten(m, 2, false);
        setWritten(m, 16, false);
    }) << 8 + 16
       << QStringLiteral("»Es fehlen noch 2 schriftliche Prüfungsfächer darunter: \r\n\n"
                         " ... eine als Kernfach belegte Fremdsprache");
    QTest::newRow("religion, art and one science") << Mutation([](Model &m) {
        m.Choice[Taken][12] = false;
        m.Choice[Taken][6] = false;
        m.Choice[Taken][17] = false;
    }) << 64 + 128 + 512
       << QStringLiteral("»Es fehlt Religion oder Ethik\r\n\n»Bildende Kunst oder Musik muss gewählt werden"
                         "\r\n\n»Sie haben nur eine Naturwissenschaft gewählt");
}

void TestChoiceCheck::faults()
{
    QFETCH(Mutation, mutation);
    QFETCH(int, mask);
    QFETCH(QString, text);

    Model m = completeModel();
    mutation(m);
    QCOMPARE(check(m), mask);
    QCOMPARE(m.view.messages, text);
    QCOMPARE(m.view.messagesColor, LabelColor::Red);
    QCOMPARE(m.view.messagesPointSize, 11);
    QCOMPARE(m.view.messagesBold, mask == FaultHours);
}

void TestChoiceCheck::sportSubstitutes_data()
{
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<bool>("fault");

    // Sport dropped; the study groups make up for its hours.
    QTest::newRow("nothing") << Mutation([](Model &) {}) << true;
    QTest::newRow("art and music") << Mutation([](Model &m) { setCourses(m, 7, {1, 2, 3, 4}); })
                                   << false;
    QTest::newRow("three sciences") << Mutation([](Model &m) { setCourses(m, 18, {1, 2, 3, 4}); })
                                    << false;
    QTest::newRow("language ending after half-year 1")
        << Mutation([](Model &m) { setCourses(m, 3, {1}, QStringLiteral(" 4")); }) << false;
    QTest::newRow("language with half-year 2") << Mutation([](Model &m) {
        setCourses(m, 3, {1, 2}, QStringLiteral(" 4"));
    }) << true;
    QTest::newRow("unchosen language in half-years 1 and 3") << Mutation([](Model &m) {
        setCourses(m, 3, {1, 3}, QStringLiteral(" 4"));
        m.Choice[Taken][3] = false;
    }) << false;
    QTest::newRow("one elective") << Mutation([](Model &m) { setCourses(m, 28, {1, 2}); }) << true;
    QTest::newRow("two electives") << Mutation([](Model &m) {
        setCourses(m, 28, {1, 2});
        setCourses(m, 27, {3, 4});
    }) << false;
    QTest::newRow("electives, one the oral subject") << Mutation([](Model &m) {
        setCourses(m, 28, {1, 2});
        setCourses(m, 27, {3, 4});
        setOral(m, 12, false);
        setOral(m, 27);
    }) << true;
    QTest::newRow("third science in one pair") << Mutation([](Model &m) {
        setCourses(m, 18, {3, 4});
        m.Choice[Taken][18] = false;
    }) << true;
    QTest::newRow("three sport courses and an elective") << Mutation([](Model &m) {
        setCourses(m, 19, {1, 2, 3});
        m.Choice[Taken][19] = false;
        setCourses(m, 28, {1, 2});
    }) << false;
    QTest::newRow("three sport courses") << Mutation([](Model &m) {
        setCourses(m, 19, {1, 2, 3});
        m.Choice[Taken][19] = false;
    }) << true;
}

void TestChoiceCheck::sportSubstitutes()
{
    QFETCH(Mutation, mutation);
    QFETCH(bool, fault);

    Model m = completeModel();
    setCourses(m, 19, {});
    setStudyGroups(m, QStringLiteral("  9"));
    mutation(m);
    QCOMPARE(bool(check(m) & FaultSport), fault);
}

void TestChoiceCheck::singleSportCoursesMakeSportChosen()
{
    Model m = completeModel();
    setCourses(m, 19, {1, 2, 3, 4});
    m.Choice[Taken][19] = false;
    QCOMPARE(check(m), 0);
    QVERIFY(m.Choice[Taken][19]);
}

void TestChoiceCheck::hasWrittenForeignLanguage_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("expected");
    QTest::newRow("Deutsch only") << 1 << false;
    QTest::newRow("Französisch") << 3 << true;
    QTest::newRow("fourth language") << 5 << true;
    QTest::newRow("Geschichte") << 8 << false;
}

void TestChoiceCheck::hasWrittenForeignLanguage()
{
    QFETCH(int, row);
    QFETCH(bool, expected);
    Model m = startedModel();
    m.Choice[Written][row] = true;
    QCOMPARE(HasWrittenForeignLanguage(m), expected);
}

QTEST_GUILESS_MAIN(TestChoiceCheck)
#include "tst_choicecheck.moc"
