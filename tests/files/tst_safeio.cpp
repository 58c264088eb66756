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
    bool mounted = QDir().mkpath(path) && mount({"-t", "tmpfs", "-o", "size=64k", "tmpfs", path});

    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {path});
    }
    static bool mount(const QStringList &arguments)
    {
        return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
    }
    void fill() const
    {
        QFile filler(QDir(path).filePath(QStringLiteral("fill")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
    }
};

QByteArray bytesOf(const QString &path)
{
    return ReadWholeFile(path, 1 << 20).bytes;
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
    }
    QDir().mkpath(folder);
    const QString name = writer == u"settings" ? SettingsFileName : QStringLiteral("alt.tmd");
    const QString path = QDir(folder).filePath(name);
    const QByteArray old = QByteArrayLiteral("der alte Inhalt");
    QVERIFY(WriteWholeFile(path, old));
    if (fault == u"full")
        disk->fill();
    if (fault == u"readonly" && !SmallDisk::mount({"-o", "remount,ro", folder}))
        QSKIP("the tmpfs cannot be made read-only here");
    if (fault == u"gone")
        QVERIFY(QDir(folder).removeRecursively());

    WriteOutcome outcome;
    if (writer == u"selection") {
        Model m = test::startedModel();
        m.PersonalData.Klasse = QStringLiteral("11 a");
        m.Modified = 1;
        m.view.title = QStringLiteral("alter Titel");
        ScriptedInteraction ui;
        ui.saveNames << path;
        outcome.ok = SaveSelection(m, ui);
        QCOMPARE(ui.boxes.size(), 1);
        QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Error));
        QVERIFY(ui.boxes[0].text.startsWith(QStringLiteral("Datei ") + QDir::toNativeSeparators(path)));
        outcome.reason = ui.boxes[0].text;
        QCOMPARE(int(m.Modified), 1);
        QCOMPARE(m.view.title, QStringLiteral("alter Titel"));
    } else if (writer == u"settings") {
        Model m = test::startedModel();
        m.ProgDir = folder;
        outcome = WriteSettings(m);
    } else {
        outcome = WriteWholeFile(path, [&fault](QIODevice &device) {
            device.write("neu");
            return fault != u"failing" && device.write(QByteArray(256 * 1024, 'n')) > 0;
        });
    }
    QVERIFY(!outcome.ok);
    reason.replace(QStringLiteral("%1"), QDir::toNativeSeparators(folder));
    QVERIFY2(outcome.reason.endsWith(reason), qPrintable(outcome.reason));
    if (fault == u"gone") {
        QVERIFY(!QFileInfo::exists(folder));
    } else {
        QCOMPARE(bytesOf(path), old);
        QDir(folder).remove(QStringLiteral("fill"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{name});
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
        Model m = test::startedModel();
        change(m);
        QTest::newRow(name) << "" << EncodeSettings(m) << "settings" << 0;
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
        QVERIFY(WriteWholeFile(path, bytes));
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
    if (kind.isEmpty())
        QCOMPARE(bytesOf(path), bytes);
}

void TestSafeIo::startArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outcome"); // help, version, the file or the error
    QTest::newRow("help") << QStringList{"a.tmd", "-h"} << "help";
    QTest::newRow("value to a flag") << QStringList{"--help=1", "a.tnd"} << "unbekannte Option --help=1";
    QTest::newRow("version") << QStringList{"--version"} << "version";
    QTest::newRow("file after --") << QStringList{"--", "-a.tmd"} << "-a.tmd";
    QTest::newRow("unknown") << QStringList{"-x", "a.tmd"} << "unbekannte Option -x";
    QTest::newRow("two files") << QStringList{"a.tmd", "b.tmd"}
                               << "nur eine Datei kann geöffnet werden";
}

void TestSafeIo::startArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outcome);
    const StartArguments s = ParseStartArguments(arguments);
    QCOMPARE(s.help ? "help" : s.version ? "version" : s.error.isEmpty() ? s.file : s.error, outcome);
}

QTEST_GUILESS_MAIN(TestSafeIo)
#include "tst_safeio.moc"
