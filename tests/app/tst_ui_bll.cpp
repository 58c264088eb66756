#include "TestSupport.h"

#include "app/TTambFrm.h"
#include "rules/ui/TBLLFrm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tamb;

class TestUiBLL : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dialogLooksAsItShould();
    void picksReachTheMainWindow();
    void reopeningShowsTheChoice();
    void hoursEditor_data();
    void hoursEditor();

private:
    TBLLFrm *openDialog();

    QTemporaryDir m_dir;
    ScriptedInteraction m_ui;
    std::unique_ptr<TTambFrm> m_window;
};

void TestUiBLL::init()
{
    m_ui = ScriptedInteraction();
    StartOptions options;
    options.ui = &m_ui;
    options.screen = QSize(1280, 1024);
    options.workingDirectory = m_dir.path();
    m_window = std::make_unique<TTambFrm>(options);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->EinstNeinBtnClick(); // no settings file: leave the notice
}

void TestUiBLL::cleanup()
{
    m_window.reset();
}

TBLLFrm *TestUiBLL::openDialog()
{
    m_window->openWindow(Window::BLLDialog);
    return m_window->findChild<TBLLFrm *>();
}

void TestUiBLL::dialogLooksAsItShould()
{
    TBLLFrm *dialog = openDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Besondere Lernleistung"));
    QVERIFY(dialog->font().bold());
    const QPoint offset = dialog->pos() - m_window->frameGeometry().topLeft();
    QCOMPARE(offset, QPoint(121, 480));

    auto *art = dialog->findChild<QGroupBox *>(QStringLiteral("ArtRGr"));
    auto *field = dialog->findChild<QGroupBox *>(QStringLiteral("AufgabenfeldRgr"));
    QVERIFY(art && field);
    QCOMPARE(art->title(), QStringLiteral("Form der Besonderen Lernleistung"));
    QCOMPARE(field->title(), QStringLiteral("Zuordunung zu einem Aufgabenfeld"));
    QVERIFY(!field->isEnabled());
    QStringList items;
    for (QAbstractButton *b : dialog->artRGr()->buttons())
        items << b->text();
    for (QAbstractButton *b : dialog->aufgabenfeldRgr()->buttons())
        items << b->text();
    QCOMPARE(items, (QStringList{"Seminarkurs", "Wettbewerb",
                                 "I  ...  sprachlich-literarisch-künstlerisch",
                                 "II  ... gesellschaftswissenschaftlich",
                                 "III ... mathematisch-naturwissenschaftlich-technisch"}));
    for (QAbstractButton *b : dialog->artRGr()->buttons() + dialog->aufgabenfeldRgr()->buttons())
        QVERIFY(!b->isChecked());
    // Every item is readable in full.
    for (QAbstractButton *b : dialog->aufgabenfeldRgr()->buttons())
        QVERIFY2(b->geometry().right() <= field->contentsRect().right(), qPrintable(b->text()));

    // Opening again while it is open keeps the one dialog.
    m_window->openWindow(Window::BLLDialog);
    QCOMPARE(m_window->findChildren<TBLLFrm *>().size(), 1);
}

void TestUiBLL::picksReachTheMainWindow()
{
    TBLLFrm *dialog = openDialog();
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("AfSemKLbl"));
    QVERIFY(label);
    const int width = m_window->width();

    dialog->artRGr()->button(0)->click();
    QVERIFY(dialog->findChild<QGroupBox *>(QStringLiteral("AufgabenfeldRgr"))->isEnabled());
    Model &m = m_window->model();
    QCOMPARE(m.FaecherSgr.cell(4, 20), QStringLiteral(" 3"));
    QVERIFY(label->isVisible());
    // The whole caption; on the screen it may be cut short where the face is wide.
    QCOMPARE(label->accessibleName(),
             QStringLiteral("Das Aufgabenfeld der besonderen Lernleistung ist noch nicht festgelegt"));

    dialog->aufgabenfeldRgr()->button(2)->click();
    QCOMPARE(label->accessibleName(),
             QStringLiteral("Aufgabenfeld der besonderen Lernleistung: mathematisch-naturwissenschaftlich"));
    QCOMPARE(m_window->width(), width + 30);
    dialog->aufgabenfeldRgr()->button(1)->click();
    QCOMPARE(m_window->width(), width + 25);

    QPointer<TBLLFrm> guard(dialog);
    dialog->close();
    QTRY_VERIFY(guard.isNull());
    QVERIFY(m.Choice[Taken][20]);
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("17"));
    QVERIFY(label->isVisible());
}

void TestUiBLL::reopeningShowsTheChoice()
{
    TBLLFrm *dialog = openDialog();
    dialog->artRGr()->button(1)->click();
    dialog->aufgabenfeldRgr()->button(0)->click();
    QPointer<TBLLFrm> guard(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape); // closes like the close button
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(m_window->model().SubjectText[0][20], QStringLiteral("BLL - Wettbewerb"));

    dialog = openDialog();
    QVERIFY(dialog->artRGr()->button(1)->isChecked());
    QVERIFY(dialog->aufgabenfeldRgr()->button(0)->isChecked());
    QVERIFY(dialog->findChild<QGroupBox *>(QStringLiteral("AufgabenfeldRgr"))->isEnabled());
    QCOMPARE(m_window->model().ClickCol, -1);
}

void TestUiBLL::hoursEditor_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finalKey");
    QTest::addColumn<QString>("cell");

    QTest::newRow("last digit, Enter") << 5 << "12" << int(Qt::Key_Return) << "  2";
    QTest::newRow("keypad Enter") << 7 << "7" << int(Qt::Key_Enter) << "  7";
    QTest::newRow("Escape") << 4 << "5" << int(Qt::Key_Escape) << "";
}

void TestUiBLL::hoursEditor()
{
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(int, finalKey);
    QFETCH(QString, cell);

    m_window->clickCourseTable(col, SubjectCount);
    QLineEdit *editor = m_window->hoursEditor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->geometry(), QRect(179 + (col - 4) * 21, 639, 20, 20));
    QTest::keyClicks(editor, typed);
    QCOMPARE(editor->text(), typed.right(1));
    QTest::keyClick(editor, Qt::Key(finalKey));
    QVERIFY(!editor->isVisible());
    const Model &m = m_window->model();
    QCOMPARE(m.FaecherSgr.cell(col, SubjectCount), cell);
    QCOMPARE(m.WostSgr.cell(col - 3, 0), QString::number(14 + cellNumber(cell)));
}

QTEST_MAIN(TestUiBLL)
#include "tst_ui_bll.moc"
