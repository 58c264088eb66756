#include "StartedWindow.h"

#include "app/TTambFrm.h"
#include "app/UserSettings.h"
#include "rules/Explanations.h"
#include "widgets/GridView.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace tamb;

namespace {

struct Started : test::StartedWindow
{
    Started() { QTRY_VERIFY(window->clickPreviewCurrent()); }
    GridView *grid() const { return window->faecherSgr(); }
    QString tip(int col, int row) const
    {
        return grid()->model()->index(row, col).data(Qt::ToolTipRole).toString();
    }
    QString name(int col, int row) const
    {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid());
        return table->tableInterface()->cellAt(row, col)->text(QAccessible::Name);
    }
    int marks(int col, int row) const { return grid()->gridModel()->marksOf(col, row); }
};

} // namespace

class TestClickPreviewWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        UserSettings().clear();
    }
    void refusedCells_data();
    void refusedCells();
    void suggestionsAndMessages();
};

void TestClickPreviewWindow::refusedCells_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tip"); // empty: the cell can be clicked
    QTest::newRow("s of Geschichte, not core")
        << 2 << 8
        << "Geschichte ist kein Kernfach und kann deshalb\nkein schriftliches Prüfungsfach sein!";
    QTest::newRow("name of Deutsch") << 0 << 1 << "Nicht wählbar";
    QTest::newRow("half-year of Geographie") << 5 << 10 << "Nicht wählbar";
    QTest::newRow("K of Englisch") << 1 << 2 << "";
}

// A cell that the click would refuse is dimmed and says why, in its tooltip
// and its spoken name; the click itself still beeps and hints as before.
// Previewing changes neither the model nor the undo history.
void TestClickPreviewWindow::refusedCells()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, tip);
    Started s;
    QCOMPARE(s.tip(col, row), tip);
    QCOMPARE(bool(s.marks(col, row) & TextGridModel::Dimmed), !tip.isEmpty());
    if (!tip.isEmpty())
        QVERIFY2(s.name(col, row).endsWith(QStringLiteral(", nicht wählbar")
                                           + (tip.startsWith(u'N') ? QString()
                                                                   : QStringLiteral(": ") + tip.simplified())),
                 qPrintable(s.name(col, row)));
    const Model kept = s.model();
    const int steps = s.window->history().undoCount();
    s.window->updateClickPreview();
    QVERIFY(s.model() == kept);
    QCOMPARE(s.window->history().undoCount(), steps);

    const int beeps = s.ui.beeps;
    s.window->clickCourseTable(col, row);
    QCOMPARE(s.ui.beeps > beeps, tip.contains(u'!'));
    QCOMPARE(s.model().view.hintShown, tip.contains(u'!'));
    QVERIFY(!s.window->clickPreviewCurrent());
}

// "Vorschläge zeigen" is off at first and remembered; it marks the cells
// that bring the choice closer to complete. A chosen message marks the
// cells that mend it, by a click or by the keys of the message area.
void TestClickPreviewWindow::suggestionsAndMessages()
{
    {
        Started s;
        QVERIFY(!s.window->suggestionsAction()->isChecked());
        QCOMPARE(s.marks(1, 2), 0);
        s.window->suggestionsAction()->trigger();
    }
    Started s;
    QVERIFY(s.window->suggestionsAction()->isChecked());
    // A language as core subject mends "...  eine Fremdsprache"; Astronomie adds hours only.
    QCOMPARE(s.marks(1, 2), int(TextGridModel::Suggested));
    QVERIFY(s.name(1, 2).endsWith(QStringLiteral(", Vorschlag")));
    QCOMPARE(s.marks(4, 21), 0);

    const QStringList lines = MessageLines(s.model().view.messages);
    const int religion = int(lines.indexOf(QStringLiteral("Es fehlt Religion oder Ethik")));
    QVERIFY(religion > 0);
    s.window->selectMessage(religion);
    for (int row : {12, 13, 14})
        QVERIFY(s.marks(0, row) & TextGridModel::Targeted);
    QVERIFY(!(s.marks(1, 2) & TextGridModel::Targeted));

    auto *area = s.window->findChild<QLabel *>(QStringLiteral("Label1"));
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Up);
    QCOMPARE(s.window->selectedMessage(), religion - 1);
    QTest::keyClick(area, Qt::Key_Escape);
    QCOMPARE(s.window->selectedMessage(), -1);
    QCOMPARE(s.marks(0, 12) & TextGridModel::Targeted, 0);
}

QTEST_MAIN(TestClickPreviewWindow)
#include "tst_ui_clickpreview.moc"
