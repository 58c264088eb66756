#include "TestSupport.h"

#include "app/TTambFrm.h"
#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

struct Started
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<TTambFrm> window;

    Started()
    {
        Model settings = test::startedModel();
        settings.ProgDir = dir.path();
        settings.SchoolName = QStringLiteral("Schule");
        WriteSettings(settings);
        StartOptions options;
        options.ui = &ui;
        options.screen = {1280, 1024};
        options.workingDirectory = dir.path();
        window = std::make_unique<TTambFrm>(options);
        window->show();
    }
    Model &model() { return window->model(); }
};

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
    void fileFromArguments_data();
    void fileFromArguments();
    void commandLineOpensAsTheMenu();
};

void TestOpenFiles::fileFromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath();
    QTest::newRow("none") << QStringList{"tamberon"} << QString();
    QTest::newRow("relative") << QStringList{"tamberon", "a.tnd"} << here + "/a.tnd";
    QTest::newRow("absolute") << QStringList{"tamberon", "/x/Tamberon/b.TMD"}
                              << QStringLiteral("/x/Tamberon/b.TMD");
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

QTEST_MAIN(TestOpenFiles)
#include "tst_ui_openfiles.moc"
