#include "StartedWindow.h"
#include "../grades/GradesFixture.h"

#include "app/TTambFrm.h"
#include "grades/ui/TNotenfrm.h"
#include "model/Settings.h"
#include "widgets/GridView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

struct Started : test::StartedWindow
{
    bool activated = activate();

    ~Started()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<TNotenfrm *>(w))
                w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // What the main window shows.
    QString shown()
    {
        const Model &m = model();
        return test::dump(m.FaecherSgr) + test::dump(m.PfaecherSgr) + test::dump(m.WostSgr)
               + test::dump(m.KurszSgr) + m.view.messages + m.view.legend
               + QString::number(m.view.menusEnabled) + QString::number(m.Modified)
               + test::shownTitle(*window) + QString::number(window->speichernAction()->isEnabled());
    }
};

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void clicksUndoAndRedo();
    void refusedClickIsNoStep_data();
    void refusedClickIsNoStep();
    void newAsksAndIsAStep_data();
    void newAsksAndIsAStep();
    void gradeEntryIsAStep();
};

void TestUndo::clicksUndoAndRedo()
{
    Started s;
    QVERIFY(s.activated);
    const QString start = s.shown();
    QVERIFY(!s.window->undoAction()->isEnabled());
    s.window->clickCourseTable(0, 2);
    s.window->clickCourseTable(1, 2);
    const QString end = s.shown();
    QCOMPARE(s.window->undoAction()->text(), QStringLiteral("&Rückgängig: Englisch Kernfach"));
    s.window->undoAction()->trigger();
    QCOMPARE(s.window->undoAction()->text(), QStringLiteral("&Rückgängig: Englisch"));
    QCOMPARE(s.window->redoAction()->text(), QStringLiteral("&Wiederholen: Englisch Kernfach"));
    s.window->undoAction()->trigger();
    QCOMPARE(s.shown(), start);
    QVERIFY(!s.window->undoAction()->isEnabled());
    QTest::keyClick(s.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(s.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(s.shown(), end);
    QTest::keyClick(s.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.window->history().undoCount(), 1);
}

void TestUndo::refusedClickIsNoStep_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("Zahl") << QPoint(8, 3);
    QTest::newRow("Deutsch") << QPoint(0, 1);
    QTest::newRow("outside") << QPoint(-1, -1);
    QTest::newRow("written not allowed") << QPoint(2, 8);
}

void TestUndo::refusedClickIsNoStep()
{
    QFETCH(QPoint, cell);
    Started s;
    s.window->clickCourseTable(0, 2);
    s.window->clickCourseTable(cell.x(), cell.y());
    QCOMPARE(s.window->history().undoCount(), 1);
    QCOMPARE(s.window->history().undoName(), QStringLiteral("Englisch"));
}

void TestUndo::newAsksAndIsAStep_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("Nein goes on") << int(Answer::No) << true;
    QTest::newRow("Abbrechen stops") << int(Answer::Cancel) << false;
}

void TestUndo::newAsksAndIsAStep()
{
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    Started s;
    s.window->clickCourseTable(0, 2);
    const QString chosen = s.shown();
    s.ui.boxes.clear();
    s.ui.answers = {Answer(answer)};
    s.window->NeuesFormularClick();
    QCOMPARE(s.ui.boxes.size(), 1);
    QCOMPARE(s.ui.boxes[0].text,
             QStringLiteral("Wahl noch nicht gespeichert!\n\rSoll jetzt gespeichert werden?"));
    QCOMPARE(s.model().Choice[Taken][2], !cleared);
    QCOMPARE(s.window->history().undoName(), cleared ? QStringLiteral("Neu") : QStringLiteral("Englisch"));
    if (cleared) {
        s.window->Undo();
        QCOMPARE(s.shown(), chosen);
    }
    // Unchanged work: no question.
    s.model().Modified = 0;
    s.ui.boxes.clear();
    s.ui.openNames.clear();
    s.window->OeffnenClick();
    QVERIFY(s.ui.boxes.isEmpty());
}

void TestUndo::gradeEntryIsAStep()
{
    Started s;
    Model record = test::pupilModel();
    record.SchoolName = QStringLiteral("Schule");
    s.model() = record;
    s.window->refreshView();
    s.window->settle();
    s.window->NotenClick();
    TNotenfrm *frm = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *grades = qobject_cast<TNotenfrm *>(w))
            frm = grades;
    QVERIFY(frm);
    QVERIFY(QTest::qWaitForWindowActive(frm));
    frm->FormActivate();
    const QString cellBefore = frm->view().NFaecherSgr.cell(3, 1);
    const quint8 before = s.model().Grades[1][1];
    GridView *grid = frm->nFaecherSgr();
    grid->setFocus();
    grid->setCursorCell(3, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QLineEdit *edit = frm->editor(GradeEditor::HjEinzelNoteEd);
    QTest::keyClicks(edit, QStringLiteral("13"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(int(s.model().Grades[1][1] & PointsMask), 13);
    QCOMPARE(int(s.model().Modified), 2);
    QCOMPARE(s.window->history().undoName(), QStringLiteral("Noteneingabe"));
    // Undo from the grades window's own keys.
    QTest::keyClick(frm, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.model().Grades[1][1], before);
    QCOMPARE(frm->view().NFaecherSgr.cell(3, 1), cellBefore);
    QCOMPARE(int(s.model().Modified), int(record.Modified));
}

QTEST_MAIN(TestUndo)
#include "tst_ui_undo.moc"
