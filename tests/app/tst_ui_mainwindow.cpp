#include "TestSupport.h"

#include "widgets/GridView.h"
#include "app/TTambFrm.h"
#include "app/UserSettings.h"
#include "model/MainWindowLogic.h"
#include "model/Settings.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

struct Started
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<TTambFrm> window;

    explicit Started(const QString &school = QString(), QSize screen = {1280, 1024})
    {
        if (!school.isEmpty()) {
            Model settings = test::startedModel();
            settings.ProgDir = dir.path();
            settings.SchoolName = school;
            WriteSettings(settings);
        }
        StartOptions options;
        options.ui = &ui;
        options.screen = screen;
        options.workingDirectory = dir.path();
        window = std::make_unique<TTambFrm>(options);
    }

    template<typename T>
    T *child(const char *name) const { return window->findChild<T *>(QString::fromLatin1(name)); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startBoxes_data();
    void startBoxes();
    void titles_data();
    void titles();
    void settingsNotice_data();
    void settingsNotice();
    void menus();
    void newFormKeepsModified();
    void closeQuery_data();
    void closeQuery();
    void layout();
    void messagesKeepTheirSize();
    void zoom_data();
    void zoom();
};

void TestMainWindow::initTestCase()
{
    // The user's settings (recent files, zoom) of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
    UserSettings().clear();
}

void TestMainWindow::startBoxes_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("warning");
    QTest::newRow("1024 wide, any height") << QSize(1024, 600) << QString();
    QTest::newRow("800 x 600") << QSize(800, 600)
                               << QStringLiteral("Die Bildschirmauflösung ist zu klein!\r\nDie aktuelle "
                                                 "Einstellung ist: 800 x 600\n\rSie sollten 1024 x 768 einstellen!");
}

void TestMainWindow::startBoxes()
{
    QFETCH(QSize, screen);
    QFETCH(QString, warning);
    Started s(QStringLiteral("Schule"), screen);
    QVERIFY(s.ui.boxes.size() >= 1);
    QCOMPARE(s.ui.boxes[0].kind, BoxKind::Plain);
    QCOMPARE(s.ui.boxes[0].text, ProgramInfoText);
    QVERIFY(ProgramInfoText.contains(QStringLiteral("\r\n") + QString(29, u' ') + QStringLiteral("in Baden-Württemberg")));
    QVERIFY(ProgramInfoText.endsWith(QString(42, u' ') + QStringLiteral("6.0.1")));
    if (warning.isEmpty()) {
        QCOMPARE(s.ui.boxes.size(), 1);
    } else {
        QCOMPARE(s.ui.boxes.size(), 2);
        QCOMPARE(s.ui.boxes[1].kind, BoxKind::Information);
        QCOMPARE(s.ui.boxes[1].text, warning);
    }
}

void TestMainWindow::titles_data()
{
    QTest::addColumn<QString>("school");
    QTest::addColumn<QString>("beforeShow");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no settings file") << QString()
                                      << "Tamberon für die Oberstufe - [ Schule ]"
                                      << "[ Schule ] - Tamberon für die Kursstufe BW";
    QTest::newRow("settings file") << "Gymnasium Musterstadt"
                                   << "Gymnasium Musterstadt - Tamberon für die Oberstufe"
                                   << "Gymnasium Musterstadt - Tamberon für die Kursstufe BW";
}

void TestMainWindow::titles()
{
    QFETCH(QString, school);
    QFETCH(QString, beforeShow);
    QFETCH(QString, shown);
    Started s(school);
    QCOMPARE(test::shownTitle(*s.window), beforeShow);
    s.window->show();
    QCOMPARE(test::shownTitle(*s.window), shown);
}

void TestMainWindow::settingsNotice_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nein") << false;
}

void TestMainWindow::settingsNotice()
{
    QFETCH(bool, yes);
    Started s;
    s.window->show();
    QCOMPARE(s.ui.boxes.size(), 2);
    QCOMPARE(s.ui.boxes[1].kind, BoxKind::Warning);
    QCOMPARE(s.ui.boxes[1].text, SettingsMissingWarning);
    auto *panel = s.child<QLabel>("EinstPnl");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->text(), QStringLiteral("Sollen die Einstellungen jetzt überprüft werden?"));
    QVERIFY(!s.child<GridView>("FaecherSgr")->isVisible());
    QVERIFY(!s.child<QLabel>("Label1")->isVisible());

    QTest::mouseClick(s.child<QPushButton>(yes ? "EinstJaBtn" : "EinstNeinBtn"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(!s.child<QPushButton>("EinstJaBtn")->isVisible());
    for (const char *name : {"FaecherSgr", "PfaecherSgr", "WostSgr", "KurszSgr"})
        QVERIFY2(s.child<GridView>(name)->isVisible(), name);
    for (const char *name : {"KKFPnl", "KPnl", "PrfPnl", "AGPnl", "sPnl", "zPnl", "mPrfPnl", "mPnl"})
        QVERIFY2(s.child<QLabel>(name)->isVisible(), name);
    QCOMPARE(s.window->model().SettingsSeen, yes);
    QCOMPARE(s.ui.windows.contains(Window::SettingsDialog), yes);
}

void TestMainWindow::menus()
{
    Started s(QStringLiteral("Schule"));
    s.window->show();
    QVERIFY(!s.window->speichernAction()->isEnabled());
    QVERIFY(!s.window->druckenAction()->isEnabled());
    QVERIFY(!s.window->notenAction()->isEnabled());
    QStringList captions;
    for (QAction *action : s.window->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, QStringList({"&Datei", "&Bearbeiten", "&Neu", "D&rucken", "No&ten", "&Ansicht", "&Einstellungen", "&Hilfe"}));
    QMenu *datei = s.window->menuBar()->actions().constFirst()->menu();
    QStringList items;
    for (QAction *action : datei->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items, QStringList({"&Öffnen", "&Jahrgang öffnen ...", "&Zuletzt geöffnet", "-", "&Speichern", "-", "&Beenden"}));
    QStringList saveItems;
    for (QAction *action : s.window->speichernAction()->menu()->actions())
        saveItems << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(saveItems, QStringList({"&Wahl speichern    (*.tmd)", "-", "Wahl und &Noten   (*.tnd)", "-"}));
    // Every separator of the submenu shows, the last one too.
    QMenu *save = s.window->speichernAction()->menu();
    save->popup(QPoint(0, 0));
    for (QAction *action : save->actions())
        QVERIFY(!save->actionGeometry(action).isEmpty());
    save->hide();
}

void TestMainWindow::newFormKeepsModified()
{
    Started s(QStringLiteral("Schule"));
    s.window->show();
    s.window->model().Modified = 1;
    s.ui.answers = {Answer::No}; // the question before discarding: go on
    s.window->NeuesFormularClick();
    QCOMPARE(int(s.window->model().Modified), 1);
    QCOMPARE(s.window->model().view.title, QStringLiteral("Schule - Tamberon für die Kursstufe BW"));
    QCOMPARE(test::shownTitle(*s.window), QStringLiteral("Schule - Tamberon für die Kursstufe BW*"));
    QVERIFY(!s.window->speichernAction()->isEnabled());
}

void TestMainWindow::closeQuery_data()
{
    QTest::addColumn<int>("modified");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("closes");
    QTest::newRow("unchanged") << 0 << QString() << int(Answer::Cancel) << QString() << true;
    QTest::newRow("Abbrechen") << 1 << QString() << int(Answer::Cancel)
                               << "Wahl noch nicht gespeichert!\n\rSoll jetzt gespeichert werden?" << false;
    QTest::newRow("Nein") << 1 << QString() << int(Answer::No)
                          << "Wahl noch nicht gespeichert!\n\rSoll jetzt gespeichert werden?" << true;
    QTest::newRow("file, Nein") << 2 << "/tmp/Tamberon/001234-1012.tnd" << int(Answer::No)
                                << "001234-1012.tnd geändert\n\rSoll jetzt gespeichert werden?" << true;
}

void TestMainWindow::closeQuery()
{
    QFETCH(int, modified);
    QFETCH(QString, file);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closes);
    Started s(QStringLiteral("Schule"));
    s.window->show();
    Model &m = s.window->model();
    m.Modified = quint8(modified);
    m.CurrentFile = file;
    const QString tableBefore = test::dump(m.FaecherSgr);
    s.ui.boxes.clear();
    s.ui.answers = {Answer(answer)};
    QCOMPARE(s.window->close(), closes);
    if (question.isEmpty()) {
        QVERIFY(s.ui.boxes.isEmpty());
    } else {
        QCOMPARE(s.ui.boxes.size(), 1);
        QCOMPARE(s.ui.boxes[0].kind, BoxKind::Plain);
        QCOMPARE(s.ui.boxes[0].buttons, Buttons::YesNoCancel);
        QCOMPARE(s.ui.boxes[0].text, question);
    }
    QCOMPARE(s.window->isVisible(), !closes);
    QCOMPARE(test::dump(m.FaecherSgr), tableBefore);
    QCOMPARE(int(m.Modified), modified);
}

void TestMainWindow::layout()
{
    Started s(QStringLiteral("Schule"));
    s.window->show();
    const struct
    {
        const char *name;
        QRect geometry;
    } widgets[] = {
        {"FaecherSgr", {8, 7, 299, 654}},   {"PfaecherSgr", {380, 7, 319, 178}},
        {"WostSgr", {8, 661, 256, 22}},     {"KurszSgr", {8, 683, 299, 22}},
        {"KKFPnl", {383, 9, 150, 24}},      {"KPnl", {382, 34, 30, 123}},
        {"zPnl", {534, 9, 10, 148}},        {"PrfPnl", {545, 9, 151, 24}},
        {"sPnl", {545, 34, 30, 123}},       {"mPrfPnl", {383, 158, 161, 24}},
        {"mPnl", {545, 158, 30, 24}},       {"AGPnl", {10, 639, 169, 22}},
        {"FehlerBev", {380, 233, 332, 327}}, {"Bevel2", {380, 567, 332, 116}},
    };
    for (const auto &w : widgets) {
        QWidget *widget = s.window->findChild<QWidget *>(QString::fromLatin1(w.name));
        QVERIFY2(widget, w.name);
        QCOMPARE(widget->geometry(), w.geometry);
    }
    QCOMPARE(s.child<QLabel>("KontollLbl")->text(), QStringLiteral("KONTROLLE:"));
    QCOMPARE(s.child<QLabel>("GarantieLbl")->text(),
             QStringLiteral("Absolute Fehlerfreiheit kann nicht garantiert werden.\nIm Zweifelsfall gilt die NGVO!"));
    auto *grid = s.child<GridView>("FaecherSgr");
    QCOMPARE(grid->model()->data(grid->model()->index(1, 4)).toString(), QStringLiteral(" 4"));
    QCOMPARE(grid->model()->data(grid->model()->index(1, 8)).toString(), QStringLiteral("    4"));
}

// The message area has one size of type, whatever it shows and however it
// came to show it.
void TestMainWindow::messagesKeepTheirSize()
{
    Started s(QStringLiteral("Schule"));
    s.window->show();
    auto *label = s.child<QLabel>("Label1");
    const qreal size = label->font().pointSizeF();
    QVERIFY(size >= 7);
    s.window->NeuesFormularClick();
    QCOMPARE(label->font().pointSizeF(), size);
    s.ui.openNames = {s.dir.filePath(QStringLiteral("fehlt.tmd"))};
    s.window->OeffnenClick();
    QCOMPARE(label->font().pointSizeF(), size);
    for (int row : {2, 16, 17, 6})
        s.window->clickCourseTable(0, row);
    QCOMPARE(label->font().pointSizeF(), size);
}

// The remembered size holds where the window fits the screen; else the
// largest step below it that fits.
void TestMainWindow::zoom_data()
{
    QTest::addColumn<int>("remembered");
    QTest::addColumn<int>("started");
    QTest::newRow("none") << 0 << 100;
    QTest::newRow("80 %") << 80 << 80;
    QTest::newRow("200 %, too large") << 200 << 0; // smaller, as the screen allows
}

void TestMainWindow::zoom()
{
    QFETCH(int, remembered);
    QFETCH(int, started);
    UserSettings().clear();
    if (remembered > 0)
        UserSettings().setValue(QStringLiteral("zoom"), remembered);
    Started s(QStringLiteral("Schule"));
    s.window->show();
    if (started == 0) {
        QVERIFY(s.window->zoom() >= 100 && s.window->zoom() < remembered);
        started = s.window->zoom();
    }
    QCOMPARE(s.window->zoom(), started);
    auto *scroll = s.window->findChild<QAbstractScrollArea *>(QStringLiteral("TambfrmScroll"));
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    const QSize grid = s.child<GridView>("FaecherSgr")->size();
    QCOMPARE(grid, QSize(qRound(299 * started / 100.0), qRound(654 * started / 100.0)));
    // The narrowed fonts of the cells, which come from a cache after the first time.
    const auto cellFonts = [&s] {
        QStringList fonts;
        const QAbstractItemModel *cells = s.child<GridView>("FaecherSgr")->model();
        for (int r = 0; r < cells->rowCount(); ++r)
            for (int c = 0; c < cells->columnCount(); ++c)
                fonts << cells->index(r, c).data(Qt::FontRole).value<QFont>().key();
        return fonts;
    };
    const QStringList startFonts = cellFonts();
    // Ctrl++ grows everything together and is remembered; Ctrl+0 goes back.
    s.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    QTest::keyClick(s.window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(s.window->zoom() > started);
    QCOMPARE(UserSettings().value(QStringLiteral("zoom")).toInt(), s.window->zoom());
    QVERIFY(s.child<QLabel>("KontollLbl")->font().pixelSize() > 19 * started / 100);
    QTest::keyClick(s.window.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(s.window->zoom(), 100);
    QCOMPARE(s.child<GridView>("FaecherSgr")->size(), QSize(299, 654));
    QCOMPARE(s.child<QLabel>("KontollLbl")->font().pixelSize(), 19);
    if (started == 100)
        QCOMPARE(cellFonts(), startFonts);
}

QTEST_MAIN(TestMainWindow)
#include "tst_ui_mainwindow.moc"
