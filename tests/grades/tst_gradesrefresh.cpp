#include "GradesFixture.h"

#include "rules/Dispatch.h"

#include <QTest>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

class TestGradesRefresh : public QObject
{
    Q_OBJECT
private slots:
    void subjectsAndExaminations();
    void fifthComponentName_data();
    void fifthComponentName();
    void specialLearningAchievementTotal();
    void examinationCells();
    void reopenAfterChoiceChange();
    void markersFromTheCourseTable();
};

void TestGradesRefresh::subjectsAndExaminations()
{
    Model m = pupilModel();
    m.SchoolName = QStringLiteral("Kepler-Gymnasium");
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(g.caption, QStringLiteral("Kepler-Gymnasium - Noten und Abitur"));
    QCOMPARE(g.Rows, SubjectCount);
    QCOMPARE(g.NFaecherSgr.rowCount(), SubjectCount);
    QCOMPARE(g.NFaecherSgr.cell(0, 0), QStringLiteral("Fächer"));
    QCOMPARE(g.NFaecherSgr.cell(6, 0), QStringLiteral(" 4"));
    QCOMPARE(g.NFaecherSgr.cell(0, 29), QStringLiteral("--"));
    // A course without a grade, none where no course is taken.
    QCOMPARE(g.NFaecherSgr.cell(3, Gk), QStringLiteral(" --"));
    QCOMPARE(g.NFaecherSgr.cell(4, Gk), QString());
    QCOMPARE(g.NFaecherSgr.cell(6, Gk), QStringLiteral(" --"));

    const QStringList exams = {QStringLiteral("Prüfungsfächer"), QStringLiteral("Deutsch"),
                               QStringLiteral("Englisch"), QStringLiteral("Mathematik"),
                               QStringLiteral("Biologie"), QStringLiteral("Geschichte")};
    for (int e = 0; e <= 5; ++e)
        QCOMPARE(g.NPfaecherSgr.cell(0, e), exams[e]);
    QCOMPARE(g.NPfaecherSgr.cell(1, 0), QStringLiteral("  s"));
    QCOMPARE(g.NPfaecherSgr.cell(2, 0), QStringLiteral("  m"));
    QCOMPARE(g.NPfaecherSgr.cell(3, 0), QStringLiteral("gesamt"));

    // A grade of 0 points is a grade.
    setAllGrades(m, 9);
    setGrade(m, F, 1, 0);
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(m.Grades[1][F], quint8(0x80));
    QCOMPARE(g.NFaecherSgr.cell(3, F), QStringLiteral("   (0)"));
}

void TestGradesRefresh::fifthComponentName_data()
{
    QTest::addColumn<QString>("bllName");
    QTest::addColumn<bool>("bllOral");
    QTest::addColumn<QString>("shown");
    QTest::newRow("seminar course") << "BLL - Seminarkurs" << true << "Seminarkurs (BLL)";
    QTest::newRow("competition") << "BLL - Wettbewerb" << true << "BLL - Wettbewerb";
    QTest::newRow("oral subject") << "BLL - Seminarkurs" << false << "Geschichte";
}

void TestGradesRefresh::fifthComponentName()
{
    QFETCH(QString, bllName);
    QFETCH(bool, bllOral);
    Model m = pupilModel();
    m.SubjectText[0][BLL] = bllName;
    if (bllOral) {
        m.Choice[Oral][G] = false;
        m.Choice[Taken][BLL] = true;
        m.Choice[Oral][BLL] = true;
    }
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QTEST(g.NPfaecherSgr.cell(0, 5), "shown");
}

void TestGradesRefresh::specialLearningAchievementTotal()
{
    // The total grade of a competition shows in half-years 1 and 2.
    Model m = pupilModel();
    m.Choice[Taken][BLL] = true;
    setGrade(m, BLL, 1, 3);
    setGrade(m, BLL, 2, 3);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(g.NFaecherSgr.cell(3, BLL), QStringLiteral("   3"));
    QCOMPARE(g.NFaecherSgr.cell(4, BLL), QStringLiteral("   3"));
    QCOMPARE(g.NFaecherSgr.cell(5, BLL), QString());

    // A seminar course: two courses, no missing-grade marks beyond them.
    take(m, BLL, {1, 2}, QStringLiteral("2"));
    m.SubjectText[0][BLL] = QStringLiteral("BLL - Seminarkurs");
    m.Grades[1][BLL] = 0;
    m.Grades[2][BLL] = 0;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(g.NFaecherSgr.cell(3, BLL), QStringLiteral(" --"));
    QCOMPARE(g.NFaecherSgr.cell(5, BLL), QString());
}

void TestGradesRefresh::examinationCells()
{
    Model m = pupilModel();
    setAllGrades(m, 9);
    setWrittenExams(m, {7, 12}, {-1, 3}, 15);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(g.NPfaecherSgr.cell(1, 1), QStringLiteral("   7"));
    QCOMPARE(g.NPfaecherSgr.cell(1, 2), QStringLiteral("  12"));
    QCOMPARE(g.NPfaecherSgr.cell(2, 2), QStringLiteral("   3"));
    QCOMPARE(g.NPfaecherSgr.cell(2, 5), QStringLiteral("  15"));
    QCOMPARE(g.NPfaecherSgr.cell(1, 3), QString());
    QCOMPARE(g.NPfaecherSgr.cell(3, 2), QStringLiteral("   36"));
    QCOMPARE(g.NPfaecherSgr.cell(3, 5), QStringLiteral("   60"));
}

void TestGradesRefresh::reopenAfterChoiceChange()
{
    Model m = pupilModel();
    setAllGrades(m, 9);
    GradesView g;
    RefreshGrades(m, g, SubjectCount);
    QCOMPARE(g.NFaecherSgr.cell(3, Ev), QStringLiteral("    9"));

    drop(m, Ev);
    take(m, Et, AllYears, QStringLiteral("4"));
    RefreshGrades(m, g, SubjectCount);
    for (int c = 3; c <= 6; ++c) {
        QCOMPARE(g.NFaecherSgr.cell(c, Ev), QString());
        QCOMPARE(g.NFaecherSgr.cell(c, Et), QStringLiteral(" --"));
    }
    QCOMPARE(g.NFaecherSgr.cell(0, 0), QStringLiteral("Fächer"));
    QVERIFY(g.AdmissionFlags & MissingFirstThree);
}

void TestGradesRefresh::markersFromTheCourseTable()
{
    // A complete choice laid out as the course table has it; the refresh of
    // the course table writes the Block I markers that the grades window reads.
    Model m = startedModel();
    const auto courses = [&m](int row, const QString &hours) {
        m.Choice[Taken][row] = true;
        for (int h = 1; h <= 4; ++h) {
            m.Choice[h + 3][row] = true;
            m.FaecherSgr.setCell(h + 3, row, hours);
        }
    };
    const auto core = [&](int row, int slot) {
        courses(row, QStringLiteral(" 4"));
        m.Choice[Core][row] = true;
        m.CoreSlots[slot] = quint8(row);
        m.FaecherSgr.setCell(1, row, QStringLiteral(" K"));
    };
    core(E, 3);
    core(Ph, 4);
    core(G, 5);
    for (int row : {E, Ph}) {
        m.Choice[Written][row] = true;
        m.FaecherSgr.setCell(2, row, QStringLiteral(" s"));
    }
    courses(Ev, QStringLiteral(" 2"));
    m.Choice[Oral][Ev] = true;
    m.FaecherSgr.setCell(3, Ev, QStringLiteral(" m"));
    courses(BK, QStringLiteral(" 2"));
    courses(Ch, QStringLiteral(" 2"));
    for (int col = 4; col <= 7; ++col)
        m.FaecherSgr.setCell(col, SubjectCount, QStringLiteral("  2"));
    ScriptedInteraction ui;
    Refresh(m, ui);
    QVERIFY2(m.view.menusEnabled, qPrintable(m.view.messages));
    QCOMPARE(m.FaecherSgr.cell(8, D), QStringLiteral("4*"));
    QCOMPARE(m.FaecherSgr.cell(8, BK), QStringLiteral("4(2*)"));

    setAllGrades(m, 10);
    setGrades(m, BK, {12, 8, 13, 8});
    GradesView g;
    RefreshGrades(m, g, m.GridRows);
    QCOMPARE(bitsPattern(m, BK, Compulsory), QStringLiteral("1010"));
    QCOMPARE(bitsPattern(m, D, Compulsory), QStringLiteral("1111"));
    QCOMPARE(int(g.AdmissionFlags), 0);
    QVERIFY(g.ErsterBlockLbl.text.startsWith(QStringLiteral("Punktsumme aus 4")));
    QVERIFY(g.AbiblockGBx.visible);
}

QTEST_GUILESS_MAIN(TestGradesRefresh)
#include "tst_gradesrefresh.moc"
