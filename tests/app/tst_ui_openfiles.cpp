#include "StartedWindow.h"

#include "app/TTambFrm.h"
#include "app/UserSettings.h"
#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/Settings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace tamb;

namespace {

using Started = test::StartedWindow;

// A file with a few subjects taken, written beside the settings.
QString writeChoice(Started &s, const QString &name)
{
    for (int row : {2, 3, 8})
        s.window->clickCourseTable(0, row);
    s.model().FileWords = EncodeChoice(s.model());
    const QString path = QDir(s.dir.path()).filePath(name);
    if (!WriteSelection(s.model(), path, false))
        return QString();
    return path;
}

} // namespace

class TestOpenFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fileFromArguments_data();
    void fileFromArguments();
    void commandLineOpensAsTheMenu();
    void openDialogFolderAndFilters_data();
    void openDialogFolderAndFilters();
    void drop_data();
    void drop();
    void recentFiles();

private:
    QTemporaryDir m_user;
};

void TestOpenFiles::initTestCase()
{
    // The user's own settings go to a folder of the test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_user.path());
}

void TestOpenFiles::fileFromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath();
    QTest::newRow("none") << QStringList{"tamberon"} << QString();
    QTest::newRow("relative") << QStringList{"tamberon", "a.tnd"} << here + "/a.tnd";
    // The root with its drive letter where the platform has one.
    const QString absolute = QDir::rootPath() + QStringLiteral("x/Tamberon/b.TMD");
    QTest::newRow("absolute") << QStringList{"tamberon", absolute} << absolute;
    QTest::newRow("options skipped") << QStringList{"tamberon", "-style", "", "c.tmd"}
                                     << here + "/c.tmd";
}

void TestOpenFiles::fileFromArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(FileFromArguments(arguments), file);
}

// The command line and "&Öffnen" end in the same state.
void TestOpenFiles::commandLineOpensAsTheMenu()
{
    Started writer;
    const QString path = writeChoice(writer, QStringLiteral("001234-1012.tmd"));
    QVERIFY(!path.isEmpty());

    Started byMenu;
    byMenu.ui.openNames = {path};
    byMenu.window->OeffnenClick();
    Started byArgument;
    byArgument.window->openFile(FileFromArguments({"tamberon", path}));

    for (Started *s : {&byMenu, &byArgument}) {
        for (int row : {2, 3, 8})
            QVERIFY(s->model().Choice[Taken][row]);
        QCOMPARE(s->model().CurrentFile, path);
    }
    QCOMPARE(test::dump(byArgument.model().FaecherSgr), test::dump(byMenu.model().FaecherSgr));
    QCOMPARE(byArgument.window->windowTitle(), byMenu.window->windowTitle());
    QCOMPARE(test::dump(byArgument.model().PfaecherSgr), test::dump(byMenu.model().PfaecherSgr));
    QCOMPARE(byArgument.model().view.messages, byMenu.model().view.messages);
}

void TestOpenFiles::openDialogFolderAndFilters_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("Tamberon folder") << true;
    QTest::newRow("no Tamberon folder") << false;
}

void TestOpenFiles::openDialogFolderAndFilters()
{
    QFETCH(bool, folderExists);
    Started s;
    if (folderExists)
        QVERIFY(QDir(s.dir.path()).mkdir(QStringLiteral("Tamberon")));
    s.window->OeffnenClick();
    QCOMPARE(s.ui.openFolders.size(), 1);
    QCOMPARE(QDir(s.ui.openFolders[0]).absolutePath(),
             folderExists ? QDir(s.dir.path()).filePath(QStringLiteral("Tamberon")) : QDir(s.dir.path()).absolutePath());
    QCOMPARE(s.ui.openFilters[0].value(0), QStringLiteral("Tamberon-Dateien (*.tmd *.tnd)"));
}

void TestOpenFiles::drop_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("tmd, Nein") << "a.tmd" << int(Answer::No) << true;
    QTest::newRow("TMD, Abbrechen") << "a.TMD" << int(Answer::Cancel) << false;
    QTest::newRow("other file") << "a.txt" << int(Answer::No) << false;
}

// A dropped file opens as "&Öffnen" opens it, after the question.
void TestOpenFiles::drop()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    Started writer;
    const QString written = writeChoice(writer, QStringLiteral("w.tmd"));
    const QString path = QDir(writer.dir.path()).filePath(name);
    QVERIFY(QFile::copy(written, path));

    Started s;
    s.window->clickCourseTable(0, 5); // unsaved work
    s.ui.boxes.clear();
    s.ui.answers = {Answer(answer)};
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.window.get(), &enter);
    QCOMPARE(enter.isAccepted(), name != QStringLiteral("a.txt"));
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.window.get(), &dropped);
    QCOMPARE(s.model().CurrentFile == path, opened);
    QCOMPARE(s.model().Choice[Taken][3], opened);
    QCOMPARE(s.ui.boxes.size(), name == QStringLiteral("a.txt") ? 0 : 1);
}

void TestOpenFiles::recentFiles()
{
    UserSettings().clear();
    Started writer;
    const QString written = writeChoice(writer, QStringLiteral("w.tmd"));
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        paths << QDir(writer.dir.path()).filePath(QStringLiteral("%1.tmd").arg(i));
        QVERIFY(QFile::copy(written, paths.last()));
    }
    Started s;
    QVERIFY(s.window->recentFiles().isEmpty());
    QVERIFY(!s.window->recentMenu()->isEnabled());
    for (const QString &path : paths)
        s.window->openFile(path);
    s.window->openFile(paths[2]); // again: to the front
    s.window->openFile(QDir(writer.dir.path()).filePath(QStringLiteral("missing.tmd")));
    const QStringList expected = {paths[2], paths[5], paths[4], paths[3], paths[1]};
    QCOMPARE(s.window->recentFiles(), expected);
    // Kept for the next start, in the user's settings, not beside the program.
    Started next;
    QCOMPARE(next.window->recentFiles(), expected);
    QFile school(QDir(next.dir.path()).filePath(QStringLiteral("Tamberon.tme")));
    QVERIFY(school.open(QIODevice::ReadOnly));
    QVERIFY(!school.readAll().contains("1.tmd"));
    const QList<QAction *> items = next.window->recentMenu()->actions();
    QCOMPARE(items.size(), 5);
    QCOMPARE(items[1]->text(), QStringLiteral("&2 ") + QDir::toNativeSeparators(paths[5]));
    items[1]->trigger();
    QCOMPARE(next.model().CurrentFile, paths[5]);
}

QTEST_MAIN(TestOpenFiles)
#include "tst_ui_openfiles.moc"
