#include "StartedWindow.h"
#include "../grades/GradesFixture.h"

#include "app/HelpWindow.h"
#include "app/TTambFrm.h"
#include "grades/GradeEntry.h"
#include "grades/ui/TNotenfrm.h"
#include "model/Settings.h"
#include "print/ui/TDruckFrm.h"
#include "print/ui/TPersDatenFrm.h"
#include "widgets/GridView.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

struct Started : test::StartedWindow
{
    bool activated = activate();

    Started() { window->faecherSgr()->setFocus(); }
    GridView *grid() const { return window->faecherSgr(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(grid(), key, modifiers);
    }
    void mouse(int col, int row)
    {
        const QPoint at = grid()->visualRect(grid()->model()->index(row, col)).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
    }
    QString state()
    {
        return test::dump(model().FaecherSgr) + test::dump(model().PfaecherSgr) + model().view.messages
               + QString::number(ui.beeps) + model().view.hint;
    }
};

QString accessibleCellName(GridView *grid, int col, int row)
{
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    if (!table || !table->tableInterface())
        return QStringLiteral("<no table>");
    QAccessibleInterface *cell = table->tableInterface()->cellAt(row, col);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
}

using Keys = QList<int>;

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void cursorMoves_data();
    void cursorMoves();
    void keyActsAsTheMouse_data();
    void keyActsAsTheMouse();
    void studyGroupEditorFromTheKeyboard();
    void refusalIsAnnounced();
    void accessibleNames_data();
    void accessibleNames();
    void headTips_data();
    void headTips();
    void shortcutsAndStatusLine();
    void modifiedMark();
    void gradesGridKeys();
    void refusedGradeInput();
    void dialogKeys();
};

void TestKeyboard::cursorMoves_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("focus starts at the first subject") << Keys{} << QPoint(0, 1);
    QTest::newRow("down, down") << Keys{Qt::Key_Down, Qt::Key_Down} << QPoint(0, 3);
    QTest::newRow("right, up stays in the head") << Keys{Qt::Key_Right, Qt::Key_Up, Qt::Key_Up}
                                                 << QPoint(1, 0);
    QTest::newRow("end") << Keys{Qt::Key_End} << QPoint(8, 1);
    QTest::newRow("end, home") << Keys{Qt::Key_End, Qt::Key_Home} << QPoint(0, 1);
    QTest::newRow("ctrl end") << Keys{int(Qt::Key_End) | int(Qt::ControlModifier)} << QPoint(8, 30);
    QTest::newRow("page down goes on") << Keys{Qt::Key_PageDown} << QPoint(0, 30);
}

void TestKeyboard::cursorMoves()
{
    QFETCH(Keys, keys);
    QFETCH(QPoint, cell);
    Started s;
    QVERIFY(s.activated);
    for (int key : keys)
        s.key(Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(s.grid()->cursorCell(), cell);
}

void TestKeyboard::keyActsAsTheMouse_data()
{
    QTest::addColumn<QList<QPoint>>("cells");
    QTest::addColumn<int>("key");
    QTest::newRow("subjects, Space") << QList<QPoint>{{0, 2}, {0, 3}, {0, 8}} << int(Qt::Key_Space);
    QTest::newRow("core and half-years, Return")
        << QList<QPoint>{{0, 2}, {1, 2}, {5, 2}, {6, 2}} << int(Qt::Key_Return);
    QTest::newRow("refused written exam") << QList<QPoint>{{2, 8}, {2, 2}} << int(Qt::Key_Space);
}

// Same cells by key and by mouse: the same model, messages, beeps and hint.
void TestKeyboard::keyActsAsTheMouse()
{
    QFETCH(QList<QPoint>, cells);
    QFETCH(int, key);
    Started byKey;
    Started byMouse;
    for (const QPoint &cell : cells) {
        byKey.grid()->setCursorCell(cell.x(), cell.y());
        byKey.key(Qt::Key(key));
        byMouse.mouse(cell.x(), cell.y());
        QCOMPARE(byKey.state(), byMouse.state());
    }
    QCOMPARE(byKey.window->history().undoCount(), byMouse.window->history().undoCount());
}

void TestKeyboard::studyGroupEditorFromTheKeyboard()
{
    Started s;
    s.grid()->setCursorCell(4, 30);
    s.key(Qt::Key_Return);
    QVERIFY(s.window->hoursEditor()->isVisible());
    QVERIFY(s.window->hoursEditor()->hasFocus());
    QTest::keyClicks(s.window->hoursEditor(), QStringLiteral("2"));
    QTest::keyClick(s.window->hoursEditor(), Qt::Key_Return);
    QVERIFY(!s.window->hoursEditor()->isVisible());
    QVERIFY(s.grid()->hasFocus());
    QCOMPARE(s.grid()->cursorCell(), QPoint(4, 30));
    QCOMPARE(s.model().FaecherSgr.cell(4, 30).trimmed(), QStringLiteral("2"));
}

void TestKeyboard::refusalIsAnnounced()
{
    Started s;
    // Find a click that the rules refuse with a hint.
    QPoint refused(-1, -1);
    for (int row = 1; row < SubjectCount && refused.x() < 0; ++row)
        for (int col = 1; col <= 3 && refused.x() < 0; ++col) {
            Model probe = s.model();
            ScriptedInteraction ui;
            test::click(probe, ui, col, row);
            if (probe.view.hintShown)
                refused = QPoint(col, row);
        }
    QVERIFY(refused.x() >= 0);
    s.grid()->setCursorCell(refused.x(), refused.y());
    s.key(Qt::Key_Space);
    QVERIFY(s.model().view.hintShown);
    QCOMPARE(s.window->hintLine()->text(), shownText(s.model().view.hint).simplified());
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(s.window->hintLine());
    QCOMPARE(line->text(QAccessible::Name), s.window->hintLine()->text());
    // The next click takes the hint away.
    s.grid()->setCursorCell(0, 2);
    s.key(Qt::Key_Space);
    QCOMPARE(s.window->hintLine()->text(), QString());
}

void TestKeyboard::accessibleNames_data()
{
    QTest::addColumn<QList<QPoint>>("clicks");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("name");
    QTest::newRow("core") << QList<QPoint>{{0, 2}, {1, 2}} << QPoint(1, 2) << "Englisch, Kernfach";
    QTest::newRow("course") << QList<QPoint>{{0, 2}} << QPoint(5, 2)
                            << "Englisch, Halbjahr 2: Kurs, 4 Wochenstunden";
    QTest::newRow("no course") << QList<QPoint>{} << QPoint(5, 2)
                               << "Englisch, Halbjahr 2: kein Kurs, nicht wählbar";
    QTest::newRow("not taken") << QList<QPoint>{} << QPoint(0, 2) << "Englisch, nicht gewählt";
    QTest::newRow("written not possible") << QList<QPoint>{} << QPoint(2, 8)
                                          << "Geschichte, schriftliches Prüfungsfach: nein, nicht "
                                             "wählbar: Geschichte ist kein Kernfach und kann "
                                             "deshalb kein schriftliches Prüfungsfach sein!";
    QTest::newRow("head") << QList<QPoint>{} << QPoint(1, 0) << "K: Kernfach";
}

void TestKeyboard::accessibleNames()
{
    QFETCH(QList<QPoint>, clicks);
    QFETCH(QPoint, cell);
    QFETCH(QString, name);
    Started s;
    for (const QPoint &click : clicks)
        s.window->clickCourseTable(click.x(), click.y());
    QCOMPARE(accessibleCellName(s.grid(), cell.x(), cell.y()), name);
    // The message area reads as its text.
    auto *messages = s.window->findChild<QLabel *>(QStringLiteral("Label1"));
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(messages);
    QVERIFY(!messages->text().isEmpty());
    QCOMPARE(area->text(QAccessible::Name), messages->text());
}

void TestKeyboard::headTips_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("tip");
    QTest::newRow("K") << 1 << "K: Kernfach";
    QTest::newRow("s") << 2 << "s: schriftliches Prüfungsfach";
    QTest::newRow("m") << 3 << "m: mündliches Prüfungsfach";
    QTest::newRow("1") << 4 << "1: Kurshalbjahr 1";
    QTest::newRow("4") << 7 << "4: Kurshalbjahr 4";
    QTest::newRow("Zahl") << 8 << "Zahl: Kurse und Block-I-Anrechnung";
}

void TestKeyboard::headTips()
{
    QFETCH(int, col);
    QFETCH(QString, tip);
    Started s;
    QAbstractItemModel *model = s.grid()->model();
    QCOMPARE(model->data(model->index(0, col), Qt::ToolTipRole).toString(), tip);
    // A body cell's tooltip is at most why its click would be refused.
    QVERIFY(model->data(model->index(2, col), Qt::ToolTipRole).toString() != tip);
}

void TestKeyboard::shortcutsAndStatusLine()
{
    Started s;
    const QList<std::pair<const char *, QKeySequence>> keys = {
        {"NeuesFormular", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"Oeffnen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Wahlspeichern", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"WahlundNotenMP", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Drucken", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Rueckgaengig", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"Wiederholen", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"Beenden", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Vergroessern", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"Verkleinern", QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"Originalgroesse", QKeySequence(Qt::CTRL | Qt::Key_0)},
    };
    for (const auto &[name, sequence] : keys) {
        auto *action = s.window->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        QVERIFY2(action->shortcuts().contains(sequence), name);
    }
    auto *neu = s.window->findChild<QAction *>(QStringLiteral("NeuesFormular"));
    neu->showStatusText(s.window.get());
    QCOMPARE(s.window->statusBar()->currentMessage(), QStringLiteral("Bestehendes Formular leeren"));
    // Ctrl+O reaches the open dialog (cancelled by the script).
    s.ui.openFolders.clear();
    QTest::keyClick(s.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(s.ui.openFolders.size(), 1);
}

void TestKeyboard::modifiedMark()
{
    Started s;
    QVERIFY(!s.window->isWindowModified());
    QCOMPARE(test::shownTitle(*s.window), s.model().view.title);
    s.window->clickCourseTable(0, 2);
    QVERIFY(s.window->isWindowModified());
    QCOMPARE(test::shownTitle(*s.window), s.model().view.title + QStringLiteral("*"));
}

void TestKeyboard::gradesGridKeys()
{
    ScriptedInteraction ui;
    Model m = test::pupilModel();
    TNotenfrm frm(m, ui, nullptr);
    frm.show();
    frm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    frm.FormActivate();
    GridView *grid = frm.nFaecherSgr();
    grid->setFocus();
    // Return on a course cell starts the single grade entry there.
    grid->setCursorCell(3, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(frm.activeEditor(), GradeEditor::HjEinzelNoteEd);
    QLineEdit *edit = frm.editor(GradeEditor::HjEinzelNoteEd);
    QTest::keyClicks(edit, QStringLiteral("12"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(int(m.Grades[1][1] & PointsMask), 12);
    QCOMPARE(frm.activeEditor(), GradeEditor::None);
    QVERIFY(grid->hasFocus());
    QCOMPARE(grid->cursorCell(), QPoint(3, 1));
    QCOMPARE(accessibleCellName(grid, 3, 1), QStringLiteral("Deutsch, Halbjahr 1: 12 Punkte"));
    // A digit starts the entry and is its first character.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_7);
    QCOMPARE(frm.activeEditor(), GradeEditor::HjEinzelNoteEd);
    QCOMPARE(frm.editor(GradeEditor::HjEinzelNoteEd)->text(), QStringLiteral("7"));
    QTest::keyClick(frm.editor(GradeEditor::HjEinzelNoteEd), Qt::Key_Return);
    QCOMPARE(int(m.Grades[2][1] & PointsMask), 7);
}

void TestKeyboard::refusedGradeInput()
{
    ScriptedInteraction ui;
    Model m = test::pupilModel();
    TNotenfrm frm(m, ui, nullptr);
    frm.show();
    frm.FormActivate();
    StartHalfYearSeries(m, const_cast<GradesView &>(frm.view()), 1);
    frm.showView();
    QLineEdit *edit = frm.editor(GradeEditor::HjNotenEd);
    const quint8 before = m.Grades[1][1];
    QTest::keyClicks(edit, QStringLiteral("16"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(ui.beeps, 1);
    QCOMPARE(edit->accessibleDescription(), QStringLiteral("0 bis 15 Punkte"));
    QCOMPARE(m.Grades[1][1], before);
    // A good value is no refusal.
    QTest::keyClicks(edit, QStringLiteral("9"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(ui.beeps, 1);
}

void TestKeyboard::dialogKeys()
{
    Started s;
    Model &m = s.model();
    {
        // Return with data missing: the action is refused with the notice.
        TPersDatenFrm dialog(m, s.ui, PersonalDataUse::Print, s.window.get());
        dialog.show();
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("NameEd"));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Muster, Max"));
        QTest::keyClick(name, Qt::Key_Return);
        auto *notice = dialog.findChild<QLabel *>(QStringLiteral("unvollstLbl"));
        QVERIFY(notice->isVisible());
        QVERIFY(dialog.isVisible());
        // Tab goes down the left column, then through the radio groups (button by
        // button, or on Windows a group at once); the arrows choose the item they
        // move to.
        QStringList order;
        const auto note = [&order](const QWidget *w) {
            QString name = w->objectName();
            while (name.back().isDigit())
                name.chop(1);
            if (order.isEmpty() || order.last() != name)
                order << name;
        };
        note(dialog.focusWidget());
        for (int i = 0; i < 6 && !dialog.focusWidget()->objectName().startsWith(u"ReletURgr"); ++i) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            note(dialog.focusWidget());
        }
        QCOMPARE(order, QStringList({"NameEd", "GebtagEd", "KlasseCbx", "BekenntnisCbx", "WahlartRGR",
                                     "ReletURgr"}));
        QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("ReletURgr0"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Down);
        QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("ReletURgr1"));
        QCOMPARE(dialog.form().ReletU, 1);
        // Escape cancels.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    {
        // Return with complete data acts as the action button.
        m.PersonalData = {QStringLiteral("Muster, Max"), QStringLiteral("01.02.1993"),
                          QStringLiteral("11 a"), QStringLiteral("ev"), 1};
        TPersDatenFrm dialog(m, s.ui, PersonalDataUse::Print, s.window.get());
        QSignalSpy print(&dialog, &TPersDatenFrm::printRequested);
        dialog.show();
        auto *birthday = dialog.findChild<QLineEdit *>(QStringLiteral("GebtagEd"));
        birthday->setFocus();
        QTest::keyClick(birthday, Qt::Key_Return);
        QCOMPARE(print.size(), 1);
    }
    {
        TDruckFrm preview(m, s.window.get());
        preview.show();
        QTest::keyClick(&preview, Qt::Key_Escape);
        QVERIFY(!preview.isVisible());
    }
    HelpWindow::showContents();
    QPointer<QWidget> help;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<HelpWindow *>(w) && w->isVisible())
            help = w;
    QVERIFY(help);
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help || !help->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_ui_keyboard.moc"
