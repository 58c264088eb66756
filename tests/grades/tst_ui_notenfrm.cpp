#include "GradesFixture.h"

#include "widgets/GridView.h"
#include "app/TTambFrm.h"
#include "grades/ui/TNotenfrm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

namespace {

TNotenfrm *gradesWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *frm = qobject_cast<TNotenfrm *>(w))
            return frm;
    return nullptr;
}

struct Program
{
    ScriptedInteraction ui;
    std::unique_ptr<TTambFrm> main;

    explicit Program(int points = -1)
    {
        StartOptions options;
        options.ui = &ui;
        options.workingDirectory = QDir::tempPath();
        main = std::make_unique<TTambFrm>(options);
        Model record = pupilModel();
        record.SchoolName = QStringLiteral("Kepler-Gymnasium");
        if (points >= 0)
            setAllGrades(record, points);
        main->model() = record;
    }
    ~Program()
    {
        if (TNotenfrm *frm = gradesWindow())
            delete frm;
    }

    TNotenfrm *open()
    {
        main->NotenClick();
        TNotenfrm *frm = gradesWindow();
        if (frm)
            frm->FormActivate();
        return frm;
    }
};

QPoint cellCentre(GridView *grid, int col, int row)
{
    return grid->visualRect(grid->model()->index(row, col)).center();
}

// The cell (col, row) of a grid in the coordinates of the window's body,
// where the editors lie.
QRect cellInWindow(TNotenfrm *frm, GridView *grid, int col, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    return QRect(grid->viewport()->mapTo(frm->body(), cell.topLeft()), cell.size());
}

} // namespace

class TestUiNotenfrm : public QObject
{
    Q_OBJECT
private slots:
    void opensBesideTheMainWindowAndCloses();
    void showsTheComputedState();
    void editorSitsOverItsCell_data();
    void editorSitsOverItsCell();
    void typingIntoTheEditors();
    void activationPicksUpChanges();
    void keyboardPaths_data();
    void keyboardPaths();
};

void TestUiNotenfrm::opensBesideTheMainWindowAndCloses()
{
    Program p(11);
    TNotenfrm *frm = p.open();
    QVERIFY(frm);
    const int screenWidth = p.main->screen()->geometry().width();
    QCOMPARE(p.main->x(), 0);
    QCOMPARE(frm->x(), screenWidth - TNotenfrm::OuterWidth);
    QVERIFY(frm->isVisible());
    QCOMPARE(frm->windowTitle(), QStringLiteral("Kepler-Gymnasium - Noten und Abitur"));
    QCOMPARE(p.main->model().GridRows, SubjectCount);

    // The same window again while it is open.
    p.main->NotenClick();
    QCOMPARE(gradesWindow(), frm);

    QPointer<TNotenfrm> guard(frm);
    frm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QCOMPARE(p.main->x(), (screenWidth - p.main->width()) / 2);

    TNotenfrm *again = p.open();
    QVERIFY(again);
    QVERIFY(again->isVisible());
}

void TestUiNotenfrm::showsTheComputedState()
{
    Program p(11);
    setWrittenExams(p.main->model(), {10, 12, 9, 8}, {-1, -1, 12}, 11);
    TNotenfrm *frm = p.open();
    QCOMPARE(frm->findChild<QLabel *>(QStringLiteral("PSersterBlockPl"))->text(),
             QStringLiteral("440"));
    QCOMPARE(frm->findChild<QLabel *>(QStringLiteral("DSNotePl"))->text(), QStringLiteral("2,0"));
    QVERIFY(frm->findChild<CaptionBox *>(QStringLiteral("DSNoteGBx"))->isVisibleTo(frm));
    QVERIFY(!frm->findChild<CaptionBox *>(QStringLiteral("NzulGBx"))->isVisibleTo(frm));
    const QModelIndex d1 = frm->nFaecherSgr()->model()->index(D, 3);
    QCOMPARE(d1.data().toString(), QStringLiteral("  11"));

    // Not admitted: the reasons in their moved box.
    setGrade(p.main->model(), G, 2, 0);
    frm->FormActivate();
    auto *box = frm->findChild<CaptionBox *>(QStringLiteral("NzulGBx"));
    QVERIFY(box->isVisibleTo(frm));
    QCOMPARE(box->geometry(), QRect(312, 408, 337, 215));
    QCOMPARE(box->title(), QStringLiteral(" Nichtzulassung zur schriftlichen Abiturprüfung "));
    QVERIFY(frm->findChild<QLabel *>(QStringLiteral("NzulLbl"))->text().contains(
        QStringLiteral("\n - Null Punkte in mindestens einem Pflichtfach")));
    QVERIFY(!frm->findChild<CaptionBox *>(QStringLiteral("DSNoteGBx"))->isVisibleTo(frm));
}

void TestUiNotenfrm::editorSitsOverItsCell_data()
{
    QTest::addColumn<bool>("exams");
    QTest::addColumn<QPoint>("clicked");
    QTest::addColumn<QPoint>("edited");
    QTest::addColumn<QString>("editor");

    QTest::newRow("half-year series") << false << QPoint(5, 0) << QPoint(5, 1) << "HjNotenEd";
    QTest::newRow("single grade") << false << QPoint(6, S) << QPoint(6, S) << "HjEinzelNoteEd";
    QTest::newRow("subject series") << false << QPoint(0, Geo) << QPoint(4, Geo) << "FNotenEd";
    QTest::newRow("all grades") << false << QPoint(0, 0) << QPoint(3, 1) << "AlleNotenEd";
    QTest::newRow("written results") << true << QPoint(1, 0) << QPoint(1, 1) << "AbiNotenEd";
    QTest::newRow("oral result") << true << QPoint(2, 5) << QPoint(2, 5) << "AbiEinzelNoteEd";
}

void TestUiNotenfrm::editorSitsOverItsCell()
{
    QFETCH(bool, exams);
    QFETCH(QPoint, clicked);
    QFETCH(QPoint, edited);
    QFETCH(QString, editor);
    Program p(9);
    TNotenfrm *frm = p.open();
    GridView *grid = exams ? frm->nPfaecherSgr() : frm->nFaecherSgr();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      cellCentre(grid, clicked.x(), clicked.y()));
    auto *edit = frm->findChild<QLineEdit *>(editor);
    QVERIFY(edit->isVisibleTo(frm));
    QCOMPARE(edit->geometry(), cellInWindow(frm, grid, edited.x(), edited.y()));
    QCOMPARE(edit->geometry(), frm->view().editorRect);
    for (auto *other : frm->findChildren<QLineEdit *>())
        if (other != edit)
            QVERIFY(!other->isVisibleTo(frm));
    QVERIFY(frm->findChild<QLabel *>(QStringLiteral("NotEingLbl"))->isVisibleTo(frm));
    QCOMPARE(int(p.main->model().Modified), 0); // opening changes nothing
}

void TestUiNotenfrm::typingIntoTheEditors()
{
    Program p;
    TNotenfrm *frm = p.open();
    GridView *grid = frm->nFaecherSgr();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 3, 0));
    QLineEdit *edit = frm->editor(GradeEditor::HjNotenEd);
    QVERIFY(edit->isVisibleTo(frm));

    QTest::keyClicks(edit, QStringLiteral("16"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(p.main->model().Grades[1][D], quint8(0));
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->geometry(), cellInWindow(frm, grid, 3, D));

    QTest::keyClicks(edit, QStringLiteral("12"));
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(p.main->model().Grades[1][D] & 0x8F, 0x80 | 12);
    QCOMPARE(edit->geometry(), cellInWindow(frm, grid, 3, E));
    QCOMPARE(grid->model()->index(D, 3).data().toString(), QStringLiteral("  12"));

    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!edit->isVisibleTo(frm));
    QVERIFY(!frm->findChild<QLabel *>(QStringLiteral("NotEingLbl"))->isVisibleTo(frm));

    // The single grade editor shows the grade and keeps two characters.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 3, D));
    QLineEdit *single = frm->editor(GradeEditor::HjEinzelNoteEd);
    QCOMPARE(single->text(), QStringLiteral("12"));
    single->clear();
    QTest::keyClicks(single, QStringLiteral("123"));
    QTest::keyClick(single, Qt::Key_Return);
    QCOMPARE(p.main->model().Grades[1][D] & 0x8F, 0x80 | 12);
    QVERIFY(!single->isVisibleTo(frm));

    // Deleting the half-year from its series, after the question.
    p.ui.answers = {Answer::Yes};
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(grid, 3, 0));
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(p.ui.boxes.last().text, QStringLiteral("Alle Noten des 1. Halbjahres löschen?"));
    QCOMPARE(p.main->model().Grades[1][D], quint8(0));
    QVERIFY(!edit->isVisibleTo(frm));
}

void TestUiNotenfrm::activationPicksUpChanges()
{
    Program p(10);
    TNotenfrm *frm = p.open();
    QCOMPARE(frm->nFaecherSgr()->model()->index(Ev, 3).data().toString(), QStringLiteral("  10"));
    drop(p.main->model(), Ev);
    take(p.main->model(), Et, AllYears, QStringLiteral("4"));
    frm->FormActivate();
    QCOMPARE(frm->nFaecherSgr()->model()->index(Ev, 3).data().toString(), QString());
    QCOMPARE(frm->nFaecherSgr()->model()->index(Et, 3).data().toString(), QStringLiteral(" --"));
}

void TestUiNotenfrm::keyboardPaths_data()
{
    // Keys from the course grid's cell (3, Deutsch); digits are typed. Then:
    // the focused widget, the grid's cursor or the edited cell, the editor's
    // selected text (or the last message) and the undo steps made.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("steps");

    QTest::newRow("grade: old value selected") << "Return" << "HjEinzelNoteEd" << QPoint(3, D) << "9" << 0;
    QTest::newRow("typing replaces it") << "Return 12 Return" << "NFaecherSgr" << QPoint(3, D) << "" << 1;
    QTest::newRow("escape: no change") << "Return Escape" << "NFaecherSgr" << QPoint(3, D) << "" << 0;
    QTest::newRow("same value: no change") << "Return 9 Return" << "NFaecherSgr" << QPoint(3, D) << "" << 0;
    QTest::newRow("tab to the results") << "Tab" << "NPfaecherSgr" << QPoint(0, 1) << "" << 0;
    QTest::newRow("written result") << "Tab Right Return" << "AbiEinzelNoteEd" << QPoint(1, 1) << "10" << 0;
    QTest::newRow("oral result") << "Tab Down Down Down Down Right Right Return 7 Return"
                                 << "NPfaecherSgr" << QPoint(2, 5) << "" << 1;
    QTest::newRow("written series") << "Tab Up Right Return" << "AbiNotenEd" << QPoint(1, 1) << "" << 0;
    QTest::newRow("half-year series") << "Up Return" << "HjNotenEd" << QPoint(3, D) << "" << 0;
    QTest::newRow("target grade") << "Zielnote" << "NFaecherSgr" << QPoint(3, D)
                                  << "Es fehlen keine Noten mehr: die Durchschnittsnote 2,0 ist nicht erreicht." << 0;
    QTest::newRow("desired grade") << "Wunschnote" << "NFaecherSgr" << QPoint(3, D) << "" << 1;
}

void TestUiNotenfrm::keyboardPaths()
{
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    QFETCH(QPoint, cell);
    Program p(9);
    setWrittenExams(p.main->model(), {10, 10, 10, 10}, {}, 10);
    p.main->settle();
    TNotenfrm *frm = p.open();
    QVERIFY(QTest::qWaitForWindowActive(frm));
    p.ui.boxes.clear(); // the notice at start
    frm->nFaecherSgr()->setFocus();
    frm->nFaecherSgr()->setCursorCell(3, D);
    for (const QString &key : keys.split(u' ')) {
        QWidget *at = QApplication::focusWidget();
        const bool target = key == QLatin1String("Zielnote");
        if (target || key == QLatin1String("Wunschnote")) {
            p.ui.inputs = {target ? QStringLiteral("2,0") : QStringLiteral("15")};
            QTest::keyClick(frm, target ? Qt::Key_N : Qt::Key_W,
                            Qt::ControlModifier | Qt::ShiftModifier);
        } else if (key.at(0).isDigit()) {
            QTest::keyClicks(at, key);
        } else {
            QTest::keyClick(at, QKeySequence::fromString(key)[0].key());
        }
    }
    QWidget *focused = QApplication::focusWidget();
    QCOMPARE(focused->objectName(), focus);
    if (auto *edit = qobject_cast<QLineEdit *>(focused)) {
        QCOMPARE(edit->geometry(), frm->view().editorRect);
        QCOMPARE(QPoint(frm->view().EditCol + (edit->height() == 20 ? 2 : 0), frm->view().EditRow), cell);
        QTEST(edit->selectedText(), "selected");
    } else {
        QCOMPARE(static_cast<GridView *>(focused)->cursorCell(), cell);
        QTEST(p.ui.boxes.isEmpty() ? QString() : p.ui.boxes.last().text, "selected");
    }
    QTEST(p.main->history().undoCount(), "steps");
    QCOMPARE(int(p.main->model().Modified), p.main->history().undoCount() > 0 ? 2 : 0);
}

QTEST_MAIN(TestUiNotenfrm)
#include "tst_ui_notenfrm.moc"
