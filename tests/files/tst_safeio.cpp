// Faults injected into every writer (full disk, read-only folder, vanished folder, a fill
// that fails) and odd files given to every reader (pipe, folder, zeros, a huge file).
#include "FileTestSupport.h"

#include "files/SafeRead.h"
#include "files/SafeWrite.h"
#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/Settings.h"
#include "model/StartArguments.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace tamb;

namespace {

// A tmpfs of 64 KiB of its own (root only); `mounted` false where that is not possible.
struct SmallDisk
{
    QString path;
    bool mounted = false;

    explicit SmallDisk(const QString &folder) : path(folder)
    {
        QDir().mkpath(folder);
        mounted = QProcess::execute(QStringLiteral("mount"),
                                    {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder})
            == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {path});
    }
    void fill() const
    {
        QFile filler(QDir(path).filePath(QStringLiteral("fill")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
    }
    bool makeReadOnly() const
    {
        return QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", path}) == 0;
    }
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

Model pupil()
{
    Model m = test::startedModel();
    m.PersonalData = {QStringLiteral("ab"), QStringLiteral("1.1.1993"), QStringLiteral("11 a"),
                      QStringLiteral("ev"), 0};
    m.Modified = 1;
    m.view.title = QStringLiteral("alter Titel");
    PrepareSave(m);
    return m;
}

QByteArray settingsWith(const std::function<void(Model &)> &change)
{
    Model m = test::startedModel();
    change(m);
    return EncodeSettings(m);
}

} // namespace

class TestSafeIo : public QObject
{
    Q_OBJECT
private slots:
    void writers_data();
    void writers();
    void readers_data();
    void readers();
    void startArguments_data();
    void startArguments();
};

void TestSafeIo::writers_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reason"); // %1: the folder
    const QString full = QStringLiteral("Der Datenträger ist voll.");
    const QString readOnly = QStringLiteral("Der Ordner %1 ist schreibgeschützt.");
    const QString gone = QStringLiteral("Der Ordner %1 existiert nicht (mehr).");
    for (const char *writer : {"selection", "settings", "stream"})
        QTest::addRow("full disk, %s", writer) << "full" << writer << full;
    QTest::newRow("read-only folder, selection") << "readonly" << "selection" << readOnly;
    QTest::newRow("read-only folder, settings") << "readonly" << "settings" << readOnly;
    QTest::newRow("folder gone, selection") << "gone" << "selection" << gone;
    QTest::newRow("folder gone, stream") << "gone" << "stream" << gone;
    QTest::newRow("failing fill, stream") << "failing" << "stream" << QString();
}

// The old file keeps its bytes, nothing is left behind, the reason is told, no success.
void TestSafeIo::writers()
{
    QFETCH(QString, fault);
    QFETCH(QString, writer);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Tamberon"));
    std::optional<SmallDisk> disk;
    if (fault == u"full" || fault == u"readonly") {
        disk.emplace(folder);
        if (!disk->mounted)
            QSKIP("no tmpfs can be mounted here (needs root)");
    } else {
        QDir().mkpath(folder);
    }
    const QString name = writer == u"settings" ? SettingsFileName : QStringLiteral("alt.tmd");
    const QString path = QDir(folder).filePath(name);
    const QByteArray old = QByteArrayLiteral("der alte Inhalt");
    writeFile(path, old);
    if (fault == u"full")
        disk->fill();
    if (fault == u"readonly" && !disk->makeReadOnly())
        QSKIP("the tmpfs cannot be made read-only here");
    if (fault == u"gone")
        QVERIFY(QDir(folder).removeRecursively());

    bool ok = true;
    QString told;
    if (writer == u"selection") {
        Model m = pupil();
        ScriptedInteraction ui;
        ui.saveNames << path;
        ok = SaveSelection(m, ui);
        QCOMPARE(ui.boxes.size(), 1);
        QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Error));
        QVERIFY(ui.boxes[0].text.startsWith(QStringLiteral("Datei ") + QDir::toNativeSeparators(path)));
        told = ui.boxes[0].text;
        QCOMPARE(int(m.Modified), 1);
        QCOMPARE(m.view.title, QStringLiteral("alter Titel"));
    } else if (writer == u"settings") {
        Model m = test::startedModel();
        m.ProgDir = folder;
        const WriteOutcome outcome = WriteSettings(m);
        ok = outcome.ok;
        told = outcome.reason;
    } else {
        const WriteOutcome outcome = WriteWholeFile(path, [&fault](QIODevice &device) {
            device.write("neu");
            return fault != u"failing" && device.write(QByteArray(256 * 1024, 'n')) > 0;
        });
        ok = outcome.ok;
        told = outcome.reason;
    }
    QVERIFY(!ok);
    QVERIFY2(told.endsWith(QString(reason).replace(QStringLiteral("%1"),
                                                   QDir::toNativeSeparators(folder))),
             qPrintable(told));
    if (fault == u"gone") {
        QVERIFY(!QFileInfo::exists(folder));
    } else {
        QCOMPARE(bytesOf(path), old);
        QStringList expected{name};
        if (fault == u"full")
            expected << QStringLiteral("fill");
        expected.sort();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
}

void TestSafeIo::readers_data()
{
    QTest::addColumn<QString>("kind"); // "fifo", "folder", "huge", else the bytes
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<int>("status"); // of the selection file
    const int cannotOpen = int(ReadStatus::CannotOpen);
    const int version = int(ReadStatus::VersionError);
    for (const char *reader : {"selection", "settings"}) {
        QTest::addRow("pipe, %s", reader) << "fifo" << QByteArray() << reader << cannotOpen;
        QTest::addRow("folder, %s", reader) << "folder" << QByteArray() << reader << cannotOpen;
        QTest::addRow("zeros, %s", reader) << "" << QByteArray(400, '\0') << reader << version;
        QTest::addRow("huge, %s", reader) << "huge" << QByteArray() << reader << version;
    }
    const auto settings = [](const char *name, const std::function<void(Model &)> &change) {
        QTest::newRow(name) << "" << settingsWith(change) << "settings" << 0;
    };
    settings("school of control characters", [](Model &m) { m.SchoolName = QStringLiteral("\x01\x02"); });
    settings("empty school", [](Model &m) { m.SchoolName.clear(); });
    settings("repeated language", [](Model &m) { m.SubjectText[0][3] = m.SubjectText[0][2]; });
    settings("empty language", [](Model &m) { m.SubjectText[0][4].clear(); });
    settings("no first language", [](Model &m) { m.SubjectText[0][2] = NotOffered; });
    settings("hours of five", [](Model &m) { m.FspiHours = QStringLiteral("5"); });
}

// Refused at once (a pipe never blocks), the model unchanged, the file left as it is.
void TestSafeIo::readers()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reader);
    QFETCH(int, status);
    QTemporaryDir dir;
    const QString path =
        dir.filePath(reader == u"settings" ? SettingsFileName : QStringLiteral("x.tmd"));
    if (kind == u"fifo") {
        if (QProcess::execute(QStringLiteral("mkfifo"), {path}) != 0)
            QSKIP("no mkfifo here");
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(4) << 30)); // sparse: takes no room
    } else {
        writeFile(path, bytes);
    }

    Model m = test::startedModel();
    m.ProgDir = dir.path();
    m.SettingsSeen = true; // no settings notice in place of the grids
    const Model before = m;
    ScriptedInteraction ui;
    if (reader == u"selection") {
        QCOMPARE(int(ReadSelection(m, ui, path, false)), status);
        QCOMPARE(ui.boxes.size(), 1);
        if (status == int(ReadStatus::CannotOpen))
            QCOMPARE(ui.boxes[0].text, CannotOpenText(QDir::toNativeSeparators(path)));
    } else {
        ReadSettingsOrWarn(m, ui);
        QCOMPARE(ui.boxes.size(), 1);
        const QString expected = kind == u"fifo" || kind == u"folder"
                                     ? CannotOpenText(QDir::toNativeSeparators(path))
                                     : SettingsDamagedText(path);
        QVERIFY2(ui.boxes[0].text.startsWith(SettingsMissingWarning + QStringLiteral("\n\r\n\r") + expected),
                 qPrintable(ui.boxes[0].text));
    }
    QCOMPARE(test::modelDiff(m, before), QString());
    if (!kind.isEmpty() && kind != u"huge" && kind != u"fifo" && kind != u"folder")
        QCOMPARE(bytesOf(path), bytes);
}

void TestSafeIo::startArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outcome"); // help, version, the file or the error
    QTest::newRow("help") << QStringList{"a.tmd", "-h"} << "help";
    QTest::newRow("version") << QStringList{"--version"} << "version";
    QTest::newRow("file") << QStringList{"a.tnd"} << "a.tnd";
    QTest::newRow("file after --") << QStringList{"--", "-a.tmd"} << "-a.tmd";
    QTest::newRow("unknown") << QStringList{"-x", "a.tmd"} << "unbekannte Option -x";
    QTest::newRow("value to a flag") << QStringList{"--help=1"} << "unbekannte Option --help=1";
    QTest::newRow("two files") << QStringList{"a.tmd", "b.tmd"}
                               << "nur eine Datei kann geöffnet werden";
}

void TestSafeIo::startArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outcome);
    const StartArguments start = ParseStartArguments(arguments);
    const QString seen = start.help ? QStringLiteral("help")
                         : start.version ? QStringLiteral("version")
                         : start.error.isEmpty() ? start.file
                                                 : start.error;
    QCOMPARE(seen, outcome);
}

QTEST_GUILESS_MAIN(TestSafeIo)
#include "tst_safeio.moc"
