#include "TestSupport.h"

#include "rules/StudyGroups.h"

#include <QtTest>

using namespace tamb;
using namespace tamb::test;

namespace {

// "Enter", "Esc", "Shift" or a typed character.
void press(Model &m, ScriptedInteraction &ui, const QString &token)
{
    if (token == u"Enter")
        AGStdEdKeyDown(m, ui, Qt::Key_Return, QStringLiteral("\r"));
    else if (token == u"Esc")
        AGStdEdKeyDown(m, ui, Qt::Key_Escape, QStringLiteral("\x1b"));
    else if (token == u"Shift")
        AGStdEdKeyDown(m, ui, Qt::Key_Shift, QString());
    else
        AGStdEdKeyDown(m, ui, token.at(0).isDigit() ? Qt::Key_0 + token.at(0).digitValue()
                                                    : Qt::Key_A + (token.at(0).unicode() - u'a'),
                       token);
}

} // namespace

class TestStudyGroups : public QObject
{
    Q_OBJECT
private slots:
    void editorOverCell_data();
    void editorOverCell();
    void keys_data();
    void keys();
    void ninePerHalfYear();
    void editorKeepsItsColumn();
};

void TestStudyGroups::editorOverCell_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("left");
    QTest::newRow("half-year 1") << 4 << 179;
    QTest::newRow("half-year 2") << 5 << 200;
    QTest::newRow("half-year 3") << 6 << 221;
    QTest::newRow("half-year 4") << 7 << 242;
}

void TestStudyGroups::editorOverCell()
{
    QFETCH(int, col);
    QFETCH(int, left);
    Model m = startedModel();
    ScriptedInteraction ui;
    click(m, ui, col, SubjectCount);
    QVERIFY(m.view.hoursEditorVisible);
    QCOMPARE(m.view.hoursEditorLeft, left);
    QCOMPARE(m.view.hoursEditorTop, 639);
    QCOMPARE(m.view.hoursEditorWidth, 20);
    QCOMPARE(m.ClickCol, col);
    QCOMPARE(m.Modified, quint8(1));
}

void TestStudyGroups::keys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("editor");

    QTest::newRow("one digit") << "" << QStringList{"3", "Enter"} << "  3" << false << "";
    QTest::newRow("only the last digit counts") << "" << QStringList{"1", "2", "Enter"} << "  2"
                                                << false << "";
    QTest::newRow("digit held") << "  4" << QStringList{"7"} << "  4" << true << "7";
    QTest::newRow("Shift empties the editor") << "" << QStringList{"7", "Shift", "Enter"} << ""
                                              << false << "";
    QTest::newRow("Enter on an empty editor clears") << "  5" << QStringList{"Enter"} << "" << false
                                                     << "";
    QTest::newRow("zero clears") << "  5" << QStringList{"0", "Enter"} << "" << false << "";
    QTest::newRow("Escape keeps the cell") << "  5" << QStringList{"8", "Esc"} << "  5" << false
                                           << "";
    QTest::newRow("a letter is no number") << "  5" << QStringList{"a", "Enter"} << "  5" << true
                                           << "";
    QTest::newRow("a letter, then a digit") << "  5" << QStringList{"a", "Enter", "6", "Enter"}
                                            << "  6" << false << "";
}

void TestStudyGroups::keys()
{
    QFETCH(QString, before);
    QFETCH(QStringList, keys);
    QFETCH(QString, cell);
    QFETCH(bool, visible);
    QFETCH(QString, editor);

    Model m = startedModel();
    ScriptedInteraction ui;
    m.FaecherSgr.setCell(6, SubjectCount, before);
    click(m, ui, 6, SubjectCount);
    for (const QString &key : keys)
        press(m, ui, key);
    QCOMPARE(m.FaecherSgr.cell(6, SubjectCount), cell);
    QCOMPARE(m.view.hoursEditorVisible, visible);
    QCOMPARE(m.view.hoursEditorText, editor);
    // The other half-years stay as they were; the sums follow.
    for (int col : {4, 5, 7})
        QCOMPARE(m.FaecherSgr.cell(col, SubjectCount), QString());
    QCOMPARE(m.WostSgr.cell(3, 0), QString::number(14 + cellNumber(cell)));
}

void TestStudyGroups::ninePerHalfYear()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    for (int col = 4; col <= 7; ++col) {
        click(m, ui, col, SubjectCount);
        press(m, ui, QStringLiteral("9"));
        press(m, ui, QStringLiteral("Enter"));
    }
    int sum = 0;
    for (int h = 1; h <= 4; ++h) {
        QCOMPARE(m.FaecherSgr.cell(h + 3, SubjectCount), QStringLiteral("  9"));
        sum += m.WostSgr.cell(h, 0).toInt();
    }
    QCOMPARE(sum, 56 + 36);
    // Study groups count in no course count.
    QCOMPARE(m.FaecherSgr.cell(8, SubjectCount), QString());
}

void TestStudyGroups::editorKeepsItsColumn()
{
    // A click elsewhere while the editor stays open must not let the entry
    // land in another cell of row 30 (the name cell included).
    Model m = startedModel();
    ScriptedInteraction ui;
    click(m, ui, 5, SubjectCount);
    click(m, ui, 0, 28);
    QVERIFY(m.view.hoursEditorVisible);
    press(m, ui, QStringLiteral("4"));
    press(m, ui, QStringLiteral("Enter"));
    QCOMPARE(m.FaecherSgr.cell(5, SubjectCount), QStringLiteral("  4"));
    QCOMPARE(m.FaecherSgr.cell(0, SubjectCount), QStringLiteral("Arbeitsgemeinschaften"));
}

QTEST_GUILESS_MAIN(TestStudyGroups)
#include "tst_studygroups.moc"
