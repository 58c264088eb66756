#include "FileTestSupport.h"

#include "files/Clock.h"
#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/MainWindowLogic.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

Model pupil()
{
    Model m = test::startedModel(QStringLiteral("Testgymnasium"), QStringLiteral("--"),
                                 QStringLiteral("--"), QString());
    m.PersonalData = {QStringLiteral("ab"), QStringLiteral("1.1.1993"), QStringLiteral("11 a"),
                      QStringLiteral("ev"), 0};
    m.Modified = 1;
    PrepareSave(m);
    return m;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QStringList boxTexts(const ScriptedInteraction &ui)
{
    QStringList out;
    for (const ScriptedInteraction::Box &box : ui.boxes)
        out << box.text;
    return out;
}

} // namespace

class TestSaveOpen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void proposalAndFilter_data();
    void proposalAndFilter();
    void cancelledSaveWritesNothing();
    void folderRule_data();
    void folderRule();
    void extensionAppended_data();
    void extensionAppended();
    void savedStateAndMessages_data();
    void savedStateAndMessages();
    void failedWrite();
    void changedOnDisk_data();
    void changedOnDisk();
    void open_data();
    void open();
    void saveThenOpen();

private:
    QTemporaryDir m_dir;
};

void TestSaveOpen::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SetToday(QDate(2009, 10, 15));
}

void TestSaveOpen::cleanupTestCase()
{
    SetToday(QDate());
}

void TestSaveOpen::proposalAndFilter_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<QString>("filter");
    QTest::newRow("selection") << false << "11 a" << "000293-1012.tmd"
                               << "Tamberondatei (mit Namen *.TMD)|*.TMD";
    QTest::newRow("with grades") << true << "12" << "000293-0911.tnd"
                                 << "Tamberondatei (mit Noten *.TND)|*.TND";
    QTest::newRow("class K1") << false << "K1" << "000293-1012.tmd"
                              << "Tamberondatei (mit Namen *.TMD)|*.TMD";
}

void TestSaveOpen::proposalAndFilter()
{
    QFETCH(bool, withGrades);
    QFETCH(QString, klasse);
    QFETCH(QString, proposal);
    QFETCH(QString, filter);
    Model m = pupil();
    m.PersonalData.Klasse = klasse;
    ScriptedInteraction ui;
    QVERIFY(!(withGrades ? SaveSelectionWithGrades(m, ui) : SaveSelection(m, ui)));
    QCOMPARE(ui.saveProposals, QStringList{proposal});
    QCOMPARE(ui.saveFilters, QStringList{filter});
}

void TestSaveOpen::cancelledSaveWritesNothing()
{
    Model m = pupil();
    m.ProgDir = m_dir.path();
    const Model before = m;
    ScriptedInteraction ui;
    QVERIFY(!SaveSelection(m, ui));
    QVERIFY(ui.boxes.isEmpty());
    QCOMPARE(test::modelDiff(m, before), QString());
    QCOMPARE(WorkingFolder(m), m_dir.path());
}

void TestSaveOpen::folderRule_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<QString>("folder");   // chosen folder below the temporary one
    QTest::addColumn<bool>("subExists");   // "Tamberon" below it exists already
    QTest::addColumn<bool>("canCreate");
    QTest::addColumn<bool>("canEnter");
    QTest::addColumn<QStringList>("messages"); // before the success message
    QTest::addColumn<QString>("fileFolder");   // where the file lands; empty: nowhere

    const QString created = QStringLiteral("Verzeichnis Tamberon wurde erstellt!");
    const QString notCreated = QStringLiteral("Verzeichnis Tamberon konnte nicht erstellt werden!");
    const QString notEntered = QStringLiteral("Verzeichnis Tamberon konnte nicht aufgerufen werden!");
    const QString notEnteredError =
        QStringLiteral("Fehler! Das Verzeichnis Tamberon\n\rkonnte nicht aufgerufen werden!");

    QTest::newRow("path names it") << false << "a/MeineTamberonDateien" << false << true << true
                                   << QStringList{} << "a/MeineTamberonDateien";
    QTest::newRow("other case") << false << "b/tamberon" << false << true << true
                                << QStringList{created} << "b/tamberon/Tamberon";
    QTest::newRow("created") << false << "c" << false << true << true << QStringList{created}
                             << "c/Tamberon";
    QTest::newRow("exists") << true << "d" << true << true << true << QStringList{} << "d/Tamberon";
    QTest::newRow("exists, not entered") << false << "e" << true << true << false
                                         << QStringList{notEnteredError} << "";
    QTest::newRow("created, not entered, tmd") << false << "f" << false << true << false
                                               << QStringList{created, notEntered} << "f";
    QTest::newRow("created, not entered, tnd") << true << "g" << false << true << false
                                               << QStringList{created, notEnteredError} << "g";
    QTest::newRow("not created, tmd") << false << "h" << false << false << true
                                      << QStringList{notCreated} << "h";
    QTest::newRow("not created, tnd") << true << "i" << false << false << true
                                      << QStringList{notCreated, notEnteredError} << "i";
}

void TestSaveOpen::folderRule()
{
    QFETCH(bool, withGrades);
    QFETCH(QString, folder);
    QFETCH(bool, subExists);
    QFETCH(bool, canCreate);
    QFETCH(bool, canEnter);
    QFETCH(QStringList, messages);
    QFETCH(QString, fileFolder);

    const QDir base(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY(QDir().mkpath(base.filePath(folder)));
    if (subExists)
        QVERIFY(QDir().mkpath(base.filePath(folder + QStringLiteral("/Tamberon"))));

    FolderAccess folders = FolderAccess::real();
    if (!canCreate)
        folders.create = [](const QString &) { return false; };
    if (!canEnter)
        folders.enter = [](const QString &) { return false; };

    Model m = pupil();
    ScriptedInteraction ui;
    ui.saveNames << base.filePath(folder + QStringLiteral("/wahl.tmd"));
    const bool saved = withGrades ? SaveSelectionWithGrades(m, ui, folders)
                                  : SaveSelection(m, ui, folders);
    QStringList expected = messages;
    const QString path = base.filePath(fileFolder + QStringLiteral("/wahl.tmd"));
    if (!fileFolder.isEmpty())
        expected << QStringLiteral("Datei: ") + native(path) + QStringLiteral(" gespeichert!");
    QCOMPARE(boxTexts(ui), expected);
    QCOMPARE(saved, !fileFolder.isEmpty());
    if (saved) {
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(m.WorkDir, base.filePath(fileFolder));
    } else {
        QCOMPARE(m.WorkDir, base.filePath(folder));
    }
}

void TestSaveOpen::extensionAppended_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("tmd without extension") << false << "ohne" << "ohne.TMD";
    QTest::newRow("tnd without extension") << true << "ohne" << "ohne.TND";
    QTest::newRow("with extension") << false << "mit.tmd" << "mit.tmd";
    QTest::newRow("other extension kept") << true << "mit.dat" << "mit.dat";
}

void TestSaveOpen::extensionAppended()
{
    QFETCH(bool, withGrades);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString folder = m_dir.filePath(QStringLiteral("Tamberon-ext"));
    QVERIFY(QDir().mkpath(folder));
    Model m = pupil();
    ScriptedInteraction ui;
    ui.saveNames << folder + u'/' + typed;
    QVERIFY(withGrades ? SaveSelectionWithGrades(m, ui) : SaveSelection(m, ui));
    QVERIFY(QFileInfo::exists(folder + u'/' + written));
}

void TestSaveOpen::savedStateAndMessages_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<int>("modifiedBefore");
    QTest::addColumn<int>("modifiedAfter");
    QTest::newRow("selection clears the mark") << false << 1 << 0;
    QTest::newRow("selection leaves changed grades unsaved") << false << 2 << 2;
    QTest::newRow("with grades saves the grades") << true << 2 << 0;
    QTest::newRow("with grades saves the choice") << true << 1 << 0;
}

void TestSaveOpen::savedStateAndMessages()
{
    QFETCH(bool, withGrades);
    QFETCH(int, modifiedBefore);
    QFETCH(int, modifiedAfter);
    const QString folder = m_dir.filePath(QStringLiteral("Tamberon-state"));
    QVERIFY(QDir().mkpath(folder));
    Model m = pupil();
    m.Modified = quint8(modifiedBefore);
    const Model before = m;
    ScriptedInteraction ui;
    const QString path = folder + QStringLiteral("/x.tmd");
    ui.saveNames << path;
    QVERIFY(withGrades ? SaveSelectionWithGrades(m, ui) : SaveSelection(m, ui));
    QCOMPARE(int(m.Modified), modifiedAfter);
    QCOMPARE(m.view.title, native(path) + QStringLiteral(" - Tamberon für die Oberstufe - Testgymnasium"));
    QCOMPARE(ui.boxes.size(), 1);
    QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Information));
    QCOMPARE(ui.boxes[0].text, QStringLiteral("Datei: ") + native(path) + QStringLiteral(" gespeichert!"));
    QVERIFY(m.FileWords.isEmpty());
    // The close query and the next save name the file just written.
    QCOMPARE(m.CurrentFile, path);
    QCOMPARE(CloseQuestionText(m), QStringLiteral("x.tmd geändert\n\rSoll jetzt gespeichert werden?"));
    ui.saveNames.clear();
    SaveSelection(m, ui);
    QCOMPARE(ui.saveProposals.constLast(), QStringLiteral("x.tmd"));
    // The file holds the words prepared before the dialog.
    Model loaded = test::startedModel();
    QCOMPARE(ReadSelection(loaded, ui, path, withGrades), ReadStatus::Loaded);
    QCOMPARE(loaded.PersonalData, before.PersonalData);
}

void TestSaveOpen::failedWrite()
{
    Model m = pupil();
    m.view.title = QStringLiteral("alter Titel");
    ScriptedInteraction ui;
    const QString path = m_dir.filePath(QStringLiteral("Tamberon-fehlt/x.tmd"));
    ui.saveNames << path;
    QVERIFY(!SaveSelection(m, ui));
    QCOMPARE(boxTexts(ui), QStringList{QStringLiteral("Datei ") + native(path)
                                       + QStringLiteral(" kann nicht erstellt werden: Der Ordner ")
                                       + native(QFileInfo(path).path())
                                       + QStringLiteral(" existiert nicht (mehr).")});
    QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Error));
    QCOMPARE(m.view.title, QStringLiteral("alter Titel"));
    QCOMPARE(int(m.Modified), 1);
    QVERIFY(!QFileInfo::exists(path));
}

void TestSaveOpen::changedOnDisk_data()
{
    QTest::addColumn<QByteArray>("outside"); // written by someone else after the save; empty: none
    QTest::addColumn<int>("answer");
    QTest::newRow("unchanged") << QByteArray() << int(Answer::No);
    QTest::newRow("changed, overwrite") << QByteArrayLiteral("fremd") << int(Answer::Yes);
    QTest::newRow("changed, keep") << QByteArrayLiteral("fremd") << int(Answer::No);
}

// A save over a file that someone else saved since asks first.
void TestSaveOpen::changedOnDisk()
{
    QFETCH(QByteArray, outside);
    QFETCH(int, answer);
    const QString path = m_dir.filePath(QStringLiteral("Tamberon-changed/x.tmd"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    Model m = pupil();
    ScriptedInteraction ui;
    ui.saveNames << path << path;
    QVERIFY(SaveSelection(m, ui));
    if (!outside.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(outside);
    }
    ui.boxes.clear();
    ui.answers = {Answer(answer)};
    m.Modified = 1;
    PrepareSave(m);
    const bool asked = !outside.isEmpty();
    const bool kept = asked && answer == int(Answer::No);
    QCOMPARE(SaveSelection(m, ui), !kept);
    QCOMPARE(ui.boxes.value(0).text == ChangedOnDiskText(native(path)), asked);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == outside, kept);
    QCOMPARE(int(m.Modified), kept ? 1 : 0);
}

void TestSaveOpen::open_data()
{
    QTest::addColumn<QString>("name"); // empty: cancelled
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("grades");
    QTest::addColumn<QString>("message");

    test::FileContent content;
    content.words = test::presetWords(66);
    content.words[2] = 0xF7;
    content.words[40] = 0x0A0A0A0A;
    const QByteArray tnd = test::assemble(content);
    content.words = test::presetWords(31);
    content.words[2] = 0xF7;
    const QByteArray tmd = test::assemble(content);

    QTest::newRow("cancelled") << "" << QByteArray() << int(OpenOutcome::Cancelled) << false << "";
    QTest::newRow("x.tnd") << "x.tnd" << tnd << int(OpenOutcome::Loaded) << true << "";
    QTest::newRow("X.TND") << "X.TND" << tnd << int(OpenOutcome::Loaded) << true << "";
    QTest::newRow("x.tmd") << "x.tmd" << tmd << int(OpenOutcome::Loaded) << false << "";
    QTest::newRow("x.txt") << "x.txt" << tmd << int(OpenOutcome::NothingRead) << false << "";
    QTest::newRow("tnd read as tmd") << "y.tmd" << tnd << int(OpenOutcome::Loaded) << false << "";
    QTest::newRow("tmd read as tnd") << "y.tnd" << tmd << int(OpenOutcome::Refused) << false
                                     << "Datei-E/A-Fehler\n\r%1: Die Datei ist abgeschnitten oder beschädigt.";
    QTest::newRow("missing") << "fehlt.tmd" << QByteArray() << int(OpenOutcome::Refused) << false
                             << "Datei %1 kann nicht geöffnet werden";
}

void TestSaveOpen::open()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, outcome);
    QFETCH(bool, grades);
    QFETCH(QString, message);

    const QDir dir(m_dir.filePath(QStringLiteral("open-") + QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY(QDir().mkpath(dir.path()));
    const QString path = dir.filePath(name);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Model m = test::startedModel();
    m.Modified = 1;
    m.GridRows = 7;
    // The refresh runs after every chosen file, read or not.
    m.WostSgr.setCell(1, 0, QStringLiteral("alt"));
    const Model before = m;
    ScriptedInteraction ui;
    if (!name.isEmpty())
        ui.openNames << path;
    QCOMPARE(int(OeffnenClick(m, ui)), outcome);
    // A file just read is unchanged; a refused one leaves the changes pending.
    QCOMPARE(int(m.Modified), outcome == int(OpenOutcome::Loaded) ? 0 : 1);
    QCOMPARE(m.GridRows, SubjectCount);
    QCOMPARE(m.WostSgr.cell(1, 0) == QStringLiteral("alt"), name.isEmpty());
    QCOMPARE(m.Grades[1][10] != 0, grades);
    if (!message.isEmpty())
        QCOMPARE(boxTexts(ui), QStringList{message.arg(native(path))});
    if (outcome == int(OpenOutcome::Loaded)) {
        QCOMPARE(m.CurrentFile, path);
        QVERIFY(m.Choice[Core][2]);
    } else {
        QCOMPARE(m.CurrentFile, before.CurrentFile);
        QVERIFY(!m.Choice[Core][2]);
    }
}

void TestSaveOpen::saveThenOpen()
{
    const QString folder = m_dir.filePath(QStringLiteral("Tamberon-rund"));
    QVERIFY(QDir().mkpath(folder));
    Model m = pupil();
    m.Choice[Taken][25] = m.Choice[HalfYear1][25] = m.Choice[HalfYear2][25] = true;
    m.FaecherSgr.setCell(4, 25, QStringLiteral(" 2"));
    m.FaecherSgr.setCell(5, 25, QStringLiteral(" 2"));
    m.FaecherSgr.setCell(6, 30, QStringLiteral("  3"));
    PrepareSave(m);
    ScriptedInteraction ui;
    ui.saveNames << folder + QStringLiteral("/rund");
    QVERIFY(SaveSelection(m, ui));

    Model other = test::startedModel();
    ui.openNames << folder + QStringLiteral("/rund.TMD");
    QCOMPARE(OeffnenClick(other, ui), OpenOutcome::Loaded);
    for (int c = 0; c < 8; ++c)
        for (int row = 1; row < SubjectCount; ++row)
            QCOMPARE(other.Choice[c][row], m.Choice[c][row]);
    QCOMPARE(other.PersonalData, m.PersonalData);
    QCOMPARE(other.FaecherSgr.cell(5, 25), QStringLiteral(" 2"));
    QCOMPARE(other.FaecherSgr.cell(6, 30), QStringLiteral("3"));
    // Half-year 3: Deutsch 4, Geschichte 2, Geographie 2, Mathematik 4, Sport 2, study groups 3.
    QCOMPARE(other.WostSgr.cell(3, 0), QStringLiteral("17"));
    QCOMPARE(other.view.title, native(folder + QStringLiteral("/rund.TMD"))
                                   + QStringLiteral(" - Tamberon für die Oberstufe - Testgymnasium"));
}

QTEST_GUILESS_MAIN(TestSaveOpen)
#include "tst_saveopen.moc"
