#include "TestSupport.h"

#include "model/MainWindowLogic.h"

#include <QTest>

using namespace tamb;

namespace {

const QString Blocked = QStringLiteral(" ¤");

struct Cell
{
    int col;
    int row;
    QString text;
};

} // namespace

class TestCatalog : public QObject
{
    Q_OBJECT
private slots:
    void initialCourseTable_data();
    void initialCourseTable();
    void initialCompanionGrids();
    void initialFlags();
    void fourthLanguage_data();
    void fourthLanguage();
    void newFormBlocksMissingFourthLanguage();
    void electiveLanguageOralCell();
    void findField_data();
    void findField();
    void countChosenIgnoresHeaderAndStudyGroups();
    void nextChosen();
    void newFormRestoresCompulsoryChoice();
    void sumWeeklyHoursIncludesStudyGroups();
    void cellNumber_data();
    void cellNumber();
};

void TestCatalog::initialCourseTable_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    const QList<Cell> cells = {
        {0, 0, "Fächer"}, {1, 0, " K"}, {2, 0, " s"}, {3, 0, " m"}, {4, 0, " 1"},
        {7, 0, " 4"}, {8, 0, "  Zahl"},
        {0, 1, "Deutsch"}, {1, 1, " K"}, {2, 1, " s"}, {3, 1, Blocked}, {4, 1, " 4"},
        {7, 1, " 4"}, {8, 1, "    4"},
        {0, 5, "--"}, {1, 5, Blocked}, {2, 5, Blocked}, {3, 5, Blocked}, {4, 5, ""},
        {0, 8, "Geschichte"}, {1, 8, ""}, {4, 8, " 2"}, {7, 8, " 2"}, {8, 8, "    4"},
        {4, 9, " 2"}, {5, 9, ""}, {6, 9, ""}, {7, 9, " 2"}, {8, 9, "    2"},
        {4, 10, ""}, {5, 10, " 2"}, {6, 10, " 2"}, {7, 10, ""}, {8, 10, "    2"},
        {1, 11, ""}, {2, 11, Blocked}, {3, 11, Blocked},
        {0, 15, "Mathematik"}, {1, 15, " K"}, {2, 15, " s"}, {3, 15, Blocked}, {6, 15, " 4"},
        {4, 19, " 2"}, {7, 19, " 2"}, {8, 19, "    4"},
        {1, 20, Blocked}, {2, 20, Blocked}, {3, 20, ""},
        {1, 21, Blocked}, {3, 21, Blocked}, {3, 25, ""}, {2, 25, Blocked},
        {0, 24, "Problemlösen mit CAS"}, {0, 29, "--"}, {3, 29, Blocked},
        {0, 30, "Arbeitsgemeinschaften"}, {4, 30, ""},
    };
    for (const Cell &c : cells)
        QTest::addRow("%d,%d", c.col, c.row) << c.col << c.row << c.text;
}

void TestCatalog::initialCourseTable()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, text);
    const Model m = test::startedModel();
    QCOMPARE(m.FaecherSgr.cell(col, row), text);
}

void TestCatalog::initialCompanionGrids()
{
    const Model m = test::startedModel();
    QCOMPARE(m.PfaecherSgr.cell(1, 0), QStringLiteral(" Kernfächer"));
    QCOMPARE(m.PfaecherSgr.cell(1, 1), QStringLiteral("   Deutsch"));
    QCOMPARE(m.PfaecherSgr.cell(4, 1), QStringLiteral("   Deutsch"));
    QCOMPARE(m.PfaecherSgr.cell(2, 1), QStringLiteral(" s"));
    QCOMPARE(m.PfaecherSgr.cell(1, 2), QStringLiteral("   Mathematik"));
    QCOMPARE(m.PfaecherSgr.cell(4, 2), QStringLiteral("   Mathematik"));
    QCOMPARE(m.PfaecherSgr.cell(0, 6), QStringLiteral(" m"));
    QCOMPARE(m.PfaecherSgr.cell(1, 6), QStringLiteral("   mündl. Prüfungsfach"));
    QCOMPARE(m.WostSgr.cell(0, 0), QStringLiteral("     Summe der Wochenstunden"));
    // Deutsch, Mathematik 4 + 4, Geschichte, Sport 2 + 2, Gk or Geo 2.
    for (int h = 1; h <= 4; ++h)
        QCOMPARE(m.WostSgr.cell(h, 0), QStringLiteral("14"));
    QCOMPARE(m.KurszSgr.cell(0, 0), QStringLiteral(" Im Block I anrechenbare Kurse (min. 40)"));
}

void TestCatalog::initialFlags()
{
    const Model m = test::startedModel();
    for (int row = 1; row < SubjectCount; ++row)
        QCOMPARE(m.Allowed[0][row], row != 5 && row != 29);
    QVERIFY(m.Choice[Core][1] && m.Choice[Written][15] && !m.Choice[Oral][1]);
    QVERIFY(m.Choice[HalfYear1][9] && !m.Choice[HalfYear2][9] && m.Choice[HalfYear4][9]);
    QVERIFY(!m.Choice[HalfYear1][10] && m.Choice[HalfYear3][10]);
    QCOMPARE(int(m.CoreSlots[1]), 1);
    QCOMPARE(int(m.CoreSlots[2]), 15);
    QCOMPARE(int(m.CoreSlots[3]), 0);
    QCOMPARE(m.BLLRow, 20);
    QCOMPARE(m.view.title, QStringLiteral("Tamberon für die Oberstufe - [ Schule ]"));
}

void TestCatalog::fourthLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("offered");
    QTest::newRow("none") << "--" << false;
    QTest::newRow("Spanisch") << "Spanisch" << true;
}

void TestCatalog::fourthLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, offered);
    const Model m = test::startedModel(QStringLiteral("Schule"), language, NotOffered, QString());
    QCOMPARE(m.FaecherSgr.cell(0, 5), language);
    for (int mark = 0; mark <= 3; ++mark)
        QCOMPARE(m.Allowed[mark][5], offered);
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(m.FaecherSgr.cell(col, 5), offered ? QString() : Blocked);
}

void TestCatalog::newFormBlocksMissingFourthLanguage()
{
    // The reset allows every mark again; the layout must take them back
    // while the school offers no fourth language.
    Model m = test::startedModel();
    ResetChoice(m);
    LayoutTable(m, SubjectCount);
    for (int mark = 0; mark <= 3; ++mark)
        QVERIFY(!m.Allowed[mark][5]);
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(m.FaecherSgr.cell(col, 5), Blocked);
}

void TestCatalog::electiveLanguageOralCell()
{
    const Model with = test::startedModel(QStringLiteral("S"), NotOffered, QStringLiteral("Russisch"), "3");
    QCOMPARE(with.FaecherSgr.cell(0, 29), QStringLiteral("Russisch"));
    QCOMPARE(with.FaecherSgr.cell(3, 29), QString());
    const Model without = test::startedModel();
    QCOMPARE(without.FaecherSgr.cell(3, 29), Blocked);
}

void TestCatalog::findField_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("row");
    QTest::newRow("BLL") << "l" << 20;
    QTest::newRow("social") << "g" << 8;
    QTest::newRow("science") << "n" << 15;
    QTest::newRow("languages") << "f" << 1;
    QTest::newRow("none") << "x" << 29;
    QTest::newRow("sport has no letter") << "" << 19;
}

void TestCatalog::findField()
{
    QFETCH(QString, letter);
    QFETCH(int, row);
    const Model m = test::startedModel();
    QCOMPARE(FindField(m, SubjectCount, letter), row);
}

void TestCatalog::countChosenIgnoresHeaderAndStudyGroups()
{
    Model m = test::startedModel();
    QCOMPARE(CountChosen(m, SubjectCount, Core), 2);
    QCOMPARE(CountChosen(m, SubjectCount, Taken), 6);
    m.Choice[Core][0] = true;
    QCOMPARE(CountChosen(m, SubjectCount, Core), 2);
    m.Choice[Core][29] = true;
    QCOMPARE(CountChosen(m, SubjectCount, Core), 3);
}

void TestCatalog::nextChosen()
{
    Model m = test::startedModel();
    QCOMPARE(NextChosen(m, 2, SubjectCount, Oral), 29);
    m.Choice[Oral][8] = true;
    QCOMPARE(NextChosen(m, 2, SubjectCount, Oral), 8);
    QCOMPARE(NextChosen(m, 9, SubjectCount, Oral), 29);
    QCOMPARE(NextChosen(m, 1, SubjectCount, Taken), 1);
}

void TestCatalog::newFormRestoresCompulsoryChoice()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    // A choice in progress: more courses, marks, grades, study groups.
    m.Choice[Taken][16] = m.Choice[Core][16] = true;
    m.CoreSlots[4] = 16;
    m.FaecherSgr.setCell(1, 16, QStringLiteral(" K"));
    m.FaecherSgr.setCell(4, 16, QStringLiteral(" 4"));
    m.FaecherSgr.setCell(5, 30, QStringLiteral("  3"));
    m.PfaecherSgr.setCell(1, 4, QStringLiteral("   Physik"));
    m.Grades[1][1] = 0x8A;
    m.Modified = 1;
    const Model fresh = test::startedModel();

    NeuesFormularClick(m, ui);
    QCOMPARE(test::dump(m.FaecherSgr), test::dump(fresh.FaecherSgr));
    QCOMPARE(test::dump(m.PfaecherSgr), test::dump(fresh.PfaecherSgr));
    QCOMPARE(int(m.Grades[1][1]), 0);
    QCOMPARE(int(m.CoreSlots[4]), 0);
    QCOMPARE(int(m.Modified), 1);
    QVERIFY(!m.view.menusEnabled);
    QCOMPARE(m.view.title, QStringLiteral("[ Schule ] - Tamberon für die Kursstufe BW"));
}

void TestCatalog::sumWeeklyHoursIncludesStudyGroups()
{
    Model m = test::startedModel();
    for (int col = 4; col <= 7; ++col)
        m.FaecherSgr.setCell(col, 30, QStringLiteral("  9"));
    m.FaecherSgr.setCell(5, 12, QStringLiteral("   2"));
    SumWeeklyHours(m, SubjectCount);
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("23"));
    QCOMPARE(m.WostSgr.cell(2, 0), QStringLiteral("25"));
}

void TestCatalog::cellNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("blank-led") << "    4" << 4 << true;
    QTest::newRow("two digits") << "  12" << 12 << true;
    QTest::newRow("bare") << "2" << 2 << true;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("marker") << "4(2*)" << 0 << false;
}

void TestCatalog::cellNumber()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, ok);
    bool parsed = !ok;
    QCOMPARE(tamb::cellNumber(text, &parsed), value);
    QCOMPARE(parsed, ok);
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"
