#include "platform/StartFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tamb::platform;

namespace {

const QString Home = QStringLiteral("/home/p");
const QString Install = QStringLiteral("/usr/bin");
const QString User = QStringLiteral("/home/p/Dokumente/Tamberon");

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
           && file.write(bytes) == bytes.size();
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class StartFolderTest : public QObject
{
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QString>("cwd");
        QTest::addColumn<bool>("cwdHasSettings");
        QTest::addColumn<bool>("cwdWritable");
        QTest::addColumn<QString>("userFolder");
        QTest::addColumn<bool>("userHasSettings");
        QTest::addColumn<QString>("expected");
        // Started from a terminal.
        QTest::newRow("own folder") << "/home/p/kurs" << false << true << User << false << "/home/p/kurs";
        QTest::newRow("folder with settings") << "/schule" << true << false << User << true << "/schule";
        QTest::newRow("home with settings") << Home << true << true << User << false << Home;
        QTest::newRow("read-only folder") << "/media/cd" << false << false << User << false << User;
        // Started from the menu or a file manager.
        QTest::newRow("home") << Home << false << true << User << false << User;
        QTest::newRow("home, trailing slash") << "/home/p/" << false << true << User << false << User;
        QTest::newRow("root folder") << "/" << false << true << User << false << User;
        QTest::newRow("install folder") << Install << false << true << User << false << User;
        QTest::newRow("folder of the file opened") << "/home/p/Downloads" << false << true << User << true << User;
        QTest::newRow("user folder itself") << User << true << true << User << true << User;
        QTest::newRow("no documents folder") << Home << false << true << QString() << false << Home;
    }
    void choice()
    {
        QFETCH(QString, cwd);
        StartFolderFacts facts;
        facts.workingDirectory = cwd;
        QFETCH(bool, cwdHasSettings);
        facts.workingDirectoryHasSettings = cwdHasSettings;
        QFETCH(bool, cwdWritable);
        facts.workingDirectoryWritable = cwdWritable;
        facts.homeFolder = Home;
        facts.installFolder = Install;
        QFETCH(QString, userFolder);
        facts.userFolder = userFolder;
        QFETCH(bool, userHasSettings);
        facts.userFolderHasSettings = userHasSettings;
        QTEST(ChooseStartFolder(facts), "expected");
    }

    // Menu start in a fresh home: the user's folder is created and gets the
    // school's settings from the system's configuration folder.
    void preparesUserFolder()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows names the user's and the school's folders itself, not through HOME and XDG");
#endif
        QTemporaryDir root;
        const QString home = root.filePath(QStringLiteral("home"));
        const QString school = root.filePath(QStringLiteral("etc/tamberon/Tamberon.tme"));
        QVERIFY(write(school, "school"));
        QVERIFY(QFile::setPermissions(school, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        QVERIFY(QDir().mkpath(home));
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", root.filePath(QStringLiteral("etc")).toLocal8Bit());
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(home));

        const QString folder = PrepareStartFolder();
        QDir::setCurrent(before);
        QCOMPARE(QDir(folder), QDir(home + QStringLiteral("/Documents/Tamberon")));
        QCOMPARE(read(folder + QStringLiteral("/Tamberon.tme")), QByteArray("school"));
        QVERIFY(QFile::permissions(folder + QStringLiteral("/Tamberon.tme")) & QFileDevice::WriteOwner);

        // The pupil's own settings are never replaced.
        QVERIFY(write(folder + QStringLiteral("/Tamberon.tme"), "pupil"));
        QVERIFY(!CopyDefaultSettings(folder, {school}));
        QCOMPARE(read(folder + QStringLiteral("/Tamberon.tme")), QByteArray("pupil"));
    }
};

QTEST_GUILESS_MAIN(StartFolderTest)
#include "tst_startfolder.moc"
