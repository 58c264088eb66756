// The batch checker: reading files as "Öffnen" does, the grades, the three
// report formats, statistics, PDF forms and exit statuses.
#include "TestSupport.h"

#include "yeargroup/BatchCheck.h"
#include "cli/CommandLine.h"
#include "yeargroup/JsonWriter.h"
#include "yeargroup/Reports.h"
#include "cli/Run.h"
#include "files/SelectionFile.h"
#include "model/ByteIO.h"
#include "model/Settings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;
using namespace tamb::check;

namespace {

// Catalog rows of the test pupils.
enum Row { D = 1, E = 2, BK = 6, G = 8, Gk = 9, Geo = 10, Ev = 12, M = 15, Ph = 16, Ch = 17, S = 19 };

void take(Model &m, int row, std::initializer_list<int> halfYears, bool core = false,
          bool written = false, bool oral = false)
{
    for (int c = 0; c < 8; ++c)
        m.Choice[c][row] = false;
    m.Choice[Taken][row] = true;
    m.Choice[Core][row] = core;
    m.Choice[Written][row] = written;
    m.Choice[Oral][row] = oral;
    for (int h : halfYears)
        m.Choice[HalfYear1 + h - 1][row] = true;
}

void studyGroups(Model &m, std::initializer_list<int> hours)
{
    int col = 4;
    for (int h : hours)
        m.FaecherSgr.setCell(col++, SubjectCount, QString::number(h));
}

// The start choice with the pupil's data: far from complete.
Model startPupil(const QString &name = QStringLiteral("Muster, Max"))
{
    Model m = test::startedModel();
    m.PersonalData = {name, QStringLiteral("01.02.1993"), QStringLiteral("11 a"),
                      QStringLiteral("ev"), 0};
    return m;
}

// Core D, M, E, Ph, G; written D, M, E, Ph; oral ev. Religion; BK, Ch,
// Sport, Gk, Geo; study groups 2 hours: 128 hours, 40 countable courses.
Model completePupil(const QString &name = QStringLiteral("Muster, Max"))
{
    Model m = startPupil(name);
    take(m, E, {1, 2, 3, 4}, true, true);
    take(m, Ph, {1, 2, 3, 4}, true, true);
    take(m, G, {1, 2, 3, 4}, true);
    take(m, Ev, {1, 2, 3, 4}, false, false, true);
    take(m, BK, {1, 2, 3, 4});
    take(m, Ch, {1, 2, 3, 4});
    studyGroups(m, {2, 2, 2, 2});
    return m;
}

// Faultless, but Sport in two half-years only: 38 countable courses.
Model shortPupil()
{
    Model m = completePupil();
    take(m, S, {1, 2});
    studyGroups(m, {2, 2, 4, 4});
    return m;
}

// Every course of the choice gets p points; the exams w (written, no oral
// exam) and f (fifth component); -1 leaves them out.
void grade(Model &m, int p, int w = -1, int f = -1, int lastHalfYear = 4)
{
    for (int r = 1; r < SubjectCount; ++r)
        for (int h = 1; h <= 4; ++h)
            m.Grades[h][r] =
                m.Choice[HalfYear1 + h - 1][r] && h <= lastHalfYear ? quint8(p | GradePresent) : 0;
    for (int e = 1; e <= 5; ++e) {
        quint8 &written = m.Grades[1][SubjectCount - 1 + e];
        quint8 &oral = m.Grades[2][SubjectCount - 1 + e];
        written = e <= 4 && w >= 0 ? quint8(w | GradePresent | ExamResult) : 0;
        oral = e == 5 && f >= 0 ? quint8(f | GradePresent | ExamResult) : 0;
    }
}

QString save(Model m, const QString &path, bool withGrades)
{
    if (!WriteSelection(m, path, withGrades))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A selection file as written before the settings block existed.
QByteArray oldSelection(const Model &m)
{
    ByteWriter w;
    w.writeInt32(30);
    w.writeInt32(NameCheck(m.PersonalData.Name));
    w.writeString(m.PersonalData.Name);
    w.writeString(m.PersonalData.Geburtstag);
    w.writeString(m.PersonalData.Klasse);
    w.writeString(m.PersonalData.Bekenntnis);
    w.writeByte(m.PersonalData.ReletU);
    const QList<qint32> words = EncodeChoice(m);
    for (int i = 0; i < ChoiceWordCount; ++i)
        w.writeInt32(words[i]);
    return w.data();
}

QJsonArray row(const QJsonValue &grid, int r)
{
    return grid.toArray().at(r).toArray();
}

QStringList texts(const QJsonArray &array)
{
    QStringList out;
    for (const QJsonValue &v : array)
        out.append(v.toString());
    return out;
}

struct Output
{
    int status = 0;
    QByteArray out;
    QByteArray err;
};

// The library's run, as the executable does it, into buffers; `workers`
// threads when given.
Output runIn(const QString &folder, const QStringList &arguments, int workers = 0)
{
    const Options options = parseArguments(arguments);
    if (!options.usageError.isEmpty())
        return {UsageError, {}, options.usageError.toUtf8()};
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = workers > 0 ? run(options, folder, out, err, workers)
                                   : run(options, folder, out, err);
    return {status, out.data(), err.data()};
}

// The built executable.
Output execute(const QString &folder, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(TAMBERON_CHECK_EXE), arguments);
    if (!process.waitForFinished(120000))
        qFatal("tamberon-check did not finish");
    // Windows' C runtime ends the lines of the standard streams with CR LF.
    const auto lines = [](QByteArray bytes) { return bytes.replace("\r\n", "\n"); };
    return {process.exitCode(), lines(process.readAllStandardOutput()),
            lines(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Model m_started;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase();
    void readErrors_data();
    void readErrors();
    void informationWhileReading();
    void choices_data();
    void choices();
    void courseTableCells();
    void grades_data();
    void grades();
    void settingsOfTheWorkingFolder();
    void jsonParsesInOrder();
    void jsonTexts_data();
    void jsonTexts();
    void jsonNesting();
    void csvLines();
    void statistics();
    void threadsKeepTheOrder_data();
    void threadsKeepTheOrder();
    void textReport();
    void exitStatus_data();
    void exitStatus();
    void usage_data();
    void usage();
    void pdfForms();
    void shellCases_data();
    void shellCases();
    void formsNeedTheFormChecker();
    void targetGrade();
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_started = startedModel(m_dir.path());

    save(completePupil(), path(QStringLiteral("complete.tmd")), false);
    save(startPupil(), path(QStringLiteral("start.tmd")), false);
    save(shortPupil(), path(QStringLiteral("short.tmd")), false);
    Model graded = completePupil(QStringLiteral("Graf, Gerda"));
    grade(graded, 10, 10, 10);
    save(graded, path(QStringLiteral("complete.tnd")), true);
    Model started = startPupil();
    grade(started, 10, 10, 10);
    save(started, path(QStringLiteral("start.tnd")), true);

    // Broken copies of the complete file.
    const QByteArray good = bytesOf(path(QStringLiteral("complete.tmd")));
    QByteArray version = good;
    version[0] = char(0xD2); // header 6098
    put(path(QStringLiteral("version.tmd")), version);
    QByteArray data = good;
    const qsizetype name = data.indexOf("Muster, Max");
    QVERIFY(name > 0);
    data[name] = 'N';
    put(path(QStringLiteral("data.tmd")), data);
    put(path(QStringLiteral("short-read.tmd")), good.left(good.size() - 10));
    put(path(QStringLiteral("complete.txt")), good);
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.tmd")));
}

void TestCli::readErrors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");

    QTest::newRow("header of another version") << "version.tmd" << "tmd"
                                                << "Datei- und Programmversion nicht kompatibel";
    QTest::newRow("selection read as file with grades")
        << "complete.tmd.tnd" << "tnd" << "COPY";
    QTest::newRow("name does not match") << "data.tmd" << "tmd" << "Datenfehler";
    QTest::newRow("file ends early") << "short-read.tmd" << "tmd" << "Datei-E/A-Fehler";
    QTest::newRow("missing") << "nowhere.tnd" << "tnd" << "OPEN";
    QTest::newRow("other extension") << "complete.txt" << "" << "Unbekannter Dateityp";
    QTest::newRow("extension in the middle") << "complete.tmd.bak" << "" << "Unbekannter Dateityp";
    QTest::newRow("no extension") << "complete" << "" << "Unbekannter Dateityp";
}

void TestCli::readErrors()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, error);
    const QString full = path(file);
    QString expected = error;
    if (error == u"OPEN")
        expected = CannotOpenText(QDir::toNativeSeparators(full));
    if (error == u"COPY") {
        // A selection file renamed to ".tnd" ends before the grades.
        QFile::copy(path(QStringLiteral("complete.tmd")), full);
        expected = QStringLiteral("Datei-E/A-Fehler");
    }

    const FileCheck c = checkFile(m_started, full);
    QCOMPARE(c.error.value_or(QString()), expected);
    QVERIFY(!c.complete);

    const QJsonObject json = QJsonDocument::fromJson(jsonObject(c)).object();
    QCOMPARE(json.value(u"file").toString(), full);
    QCOMPARE(json.value(u"kind").toString(), kind);
    QCOMPARE(json.value(u"kind").isNull(), kind.isEmpty());
    QCOMPARE(json.value(u"error").toString(), expected);
    QCOMPARE(json.keys(), QStringList({"error", "file", "kind"}));
}

void TestCli::informationWhileReading()
{
    // A word 0 that names other grid rows is reported and reading goes on.
    Model m = completePupil();
    QList<qint32> words = EncodeChoice(m);
    words[0] = 6031;
    put(path(QStringLiteral("note.tmd")), EncodeSelection(m, words, false));

    const FileCheck c = checkFile(m_started, path(QStringLiteral("note.tmd")));
    QVERIFY(c.read());
    QCOMPARE(c.notes, QStringList{VersionErrorText});
    QVERIFY(c.complete);
    const QJsonObject json = QJsonDocument::fromJson(jsonObject(c)).object();
    QCOMPARE(json.value(u"notes").toArray(), QJsonArray{VersionErrorText});
    QVERIFY(json.value(u"error").isNull());
}

void TestCli::choices_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("messagesStart");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<int>>("hours");

    QTest::newRow("complete") << "complete.tmd" << 0 << true
                              << "Es wurden keine Fehler bei der Tamberon gefunden" << "40 (34*)"
                              << QList<int>{32, 32, 32, 32};
    QTest::newRow("start choice")
        << "start.tmd" << 2559 << false
        << "»Es fehlen noch 3 Kernfächer darunter: \r\n\n...  eine Fremdsprache"
        << "   20" << QList<int>{14, 14, 14, 14};
    QTest::newRow("faultless, 38 courses")
        << "short.tmd" << 0 << false
        << " Der Block I enthält 2z u wenig anrechenbare Kurse,\n\r es müssen min. 40 Kurse"
        << "38 (34*)" << QList<int>{32, 32, 32, 32};
    QTest::newRow("incomplete with grades") << "start.tnd" << 2559 << false << "»Es fehlen"
                                            << "   20" << QList<int>{14, 14, 14, 14};
}

void TestCli::choices()
{
    QFETCH(QString, file);
    QFETCH(int, mask);
    QFETCH(bool, complete);
    QFETCH(QString, messagesStart);
    QFETCH(QString, count);
    QFETCH(QList<int>, hours);

    const FileCheck c = checkFile(m_started, path(file));
    QVERIFY(c.read());
    QCOMPARE(c.faultMask, mask);
    QCOMPARE(c.complete, complete);
    QVERIFY(!c.grades); // no grades for an incomplete choice or a selection file

    const QJsonObject json = QJsonDocument::fromJson(jsonObject(c)).object();
    QCOMPARE(json.value(u"faultMask").toInt(), mask);
    QCOMPARE(json.value(u"complete").toBool(), complete);
    QVERIFY2(json.value(u"messages").toString().startsWith(messagesStart),
             qPrintable(json.value(u"messages").toString()));
    QCOMPARE(json.value(u"blockICount").toArray().at(1).toString(), count);
    QJsonArray expectedHours;
    for (int h : hours)
        expectedHours.append(h);
    QCOMPARE(json.value(u"weeklyHours").toArray(), expectedHours);
    QVERIFY(json.value(u"grades").isNull());
    QCOMPARE(json.value(u"notes").toArray(), QJsonArray());
}

void TestCli::courseTableCells()
{
    const FileCheck c = checkFile(m_started, path(QStringLiteral("complete.tmd")));
    const QJsonObject json = QJsonDocument::fromJson(jsonObject(c)).object();

    const QJsonValue table = json.value(u"courseTable");
    QCOMPARE(table.toArray().size(), 31);
    QCOMPARE(texts(row(table, 0)),
             QStringList({"Fächer", " K", " s", " m", " 1", " 2", " 3", " 4", "  Zahl"}));
    QCOMPARE(texts(row(table, D)),
             QStringList({"Deutsch", " K", " s", " ¤", " 4", " 4", " 4", " 4", "4*"}));
    QCOMPARE(texts(row(table, E)),
             QStringList({"Englisch", " K", " s", "", " 4", " 4", " 4", " 4", "4*"}));
    QCOMPARE(texts(row(table, BK)),
             QStringList({"Bild. Kunst", "", "", "", " 2", " 2", " 2", " 2", "4(2*)"}));
    QCOMPARE(texts(row(table, Gk)),
             QStringList({"Gemeinschaftskunde", "", "", "", " 2", "", "", " 2", "2*"}));
    QCOMPARE(texts(row(table, Ev)),
             QStringList({"ev. Religion", "", "", " m", " 2", " 2", " 2", " 2", "4*"}));
    QCOMPARE(texts(row(table, S)),
             QStringList({"Sport", "", "", "", " 2", " 2", " 2", " 2", "4"}));
    QCOMPARE(texts(row(table, 30)),
             QStringList({"Arbeitsgemeinschaften", "", "", "", "2", "2", "2", "2", ""}));

    const QJsonValue exams = json.value(u"examTable");
    QCOMPARE(exams.toArray().size(), 7);
    QCOMPARE(row(exams, 0).size(), 6);
    QCOMPARE(row(exams, 0).at(1).toString(), QStringLiteral(" Kernfächer"));
    QCOMPARE(row(exams, 3).at(1).toString(), QStringLiteral("   Englisch"));
    QCOMPARE(row(exams, 3).at(4).toString(), QStringLiteral("   Englisch"));
    QCOMPARE(row(exams, 4).at(4).toString(), QStringLiteral("   Physik"));
    QCOMPARE(row(exams, 5).at(1).toString(), QStringLiteral("   Geschichte"));
    // After opening the overview follows the roles as after clicks: the
    // unwritten core slot of four written subjects shows " -----".
    QCOMPARE(row(exams, 5).at(4).toString(), QStringLiteral(" -----"));
    QCOMPARE(row(exams, 6).at(3).toString(), QStringLiteral(" m P"));
    QCOMPARE(row(exams, 6).at(4).toString(), QStringLiteral("   ev. Religion"));

    QCOMPARE(json.value(u"blockICount").toArray().at(0).toString(),
             QStringLiteral("Block I: Anrechenbare Kurse (davon verpflichtend*)"));
    const QJsonObject pupil = json.value(u"pupil").toObject();
    QCOMPARE(pupil.value(u"name").toString(), QStringLiteral("Muster, Max"));
    QCOMPARE(pupil.value(u"birthday").toString(), QStringLiteral("01.02.1993"));
    QCOMPARE(pupil.value(u"class").toString(), QStringLiteral("11 a"));
    QCOMPARE(pupil.value(u"denomination").toString(), QStringLiteral("ev"));
    QCOMPARE(pupil.value(u"religionOrEthics").toInt(-1), 0);
}

void TestCli::grades_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("fifth");
    QTest::addColumn<int>("lastHalfYear");
    // Expected: Block I, flags, then Block II, total, average, verdict as
    // JSON texts ("null" for none).
    QTest::addColumn<int>("blockI");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("blockII");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("passed with 2,3") << 10 << 10 << 10 << 4 << 400 << 0 << "200" << "600"
                                     << "\"2,3\"" << "null";
    QTest::newRow("passed with 1,6") << 12 << 12 << 12 << 4 << 480 << 0 << "240" << "720"
                                     << "\"1,6\"" << "null";
    QTest::newRow("no results yet") << 10 << -1 << -1 << 4 << 400 << 0 << "0" << "null"
                                    << "null" << "null";
    QTest::newRow("failed") << 10 << 4 << 4 << 4 << 400 << 0 << "80" << "null" << "null"
                            << "\"Abitur nicht bestanden!\\r\\nweniger als 100 NP in der "
                               "Abiturprüfung!\\r\\nnicht in 3 Fächern mind. 20 NP in der "
                               "Abiturprüfung!\"";
    QTest::newRow("only half-year 1") << 10 << -1 << -1 << 1 << 90 << 0x0101 << "null"
                                      << "null" << "null" << "null";
}

void TestCli::grades()
{
    QFETCH(int, points);
    QFETCH(int, written);
    QFETCH(int, fifth);
    QFETCH(int, lastHalfYear);
    QFETCH(int, blockI);
    QFETCH(int, flags);
    QFETCH(QString, blockII);
    QFETCH(QString, total);
    QFETCH(QString, average);
    QFETCH(QString, verdict);

    Model m = completePupil();
    grade(m, points, written, fifth, lastHalfYear);
    const QString file = save(m, path(QStringLiteral("graded.tnd")), true);
    const FileCheck c = checkFile(m_started, file);
    QVERIFY(c.complete);
    QVERIFY(c.grades);

    const QJsonObject g =
        QJsonDocument::fromJson(jsonObject(c)).object().value(u"grades").toObject();
    auto jsonText = [&g](const char *key) {
        const QJsonValue v = g.value(QLatin1String(key));
        return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    };
    QCOMPARE(g.value(u"blockI").toInt(), blockI);
    QCOMPARE(g.value(u"admissionFlags").toInt(), flags);
    QCOMPARE(jsonText("blockII"), blockII);
    QCOMPARE(jsonText("total"), total);
    QCOMPARE(jsonText("average"), average);
    QCOMPARE(jsonText("verdict"), verdict);
    QCOMPARE(g.value(u"under5").toString(), QString());
    if (flags != 0) {
        const QJsonObject no = g.value(u"nonAdmission").toObject();
        QCOMPARE(no.value(u"caption").toString(),
                 QStringLiteral(" Nichtzulassung zur schriftlichen Abiturprüfung "));
        QCOMPARE(no.value(u"text").toString(),
                 QStringLiteral(" Nichtzulassung zur schriftlichen Prüfung!\r\n"
                                " - in den ersten drei Halbj. fehlt mindestens eine Note "));
        QCOMPARE(g.value(u"blockICaption").toString(),
                 QStringLiteral("Punktsumme aus 9 einfach gewerteten Kursen"));
        return;
    }
    QVERIFY(g.value(u"nonAdmission").isNull());
    QCOMPARE(g.value(u"blockICaption").toString(),
             QStringLiteral("Punktsumme aus 40 einfach gewerteten Kursen"));

    const QString p = points < 10 ? QStringLiteral("    %1").arg(points)
                                  : QStringLiteral("  %1").arg(points);
    const QJsonValue courses = g.value(u"courseGrades");
    QCOMPARE(courses.toArray().size(), 30);
    QCOMPARE(texts(row(courses, 0)), QStringList({"Fächer", "Art", " Prf", " 1", " 2", " 3", " 4"}));
    QCOMPARE(texts(row(courses, D)), QStringList({"Deutsch", " K", " s", p, p, p, p}));
    QCOMPARE(texts(row(courses, Ev)), QStringList({"ev. Religion", "", " m", p, p, p, p}));
    QCOMPARE(texts(row(courses, Gk)), QStringList({"Gemeinschaftskunde", "", "", p, "", "", p}));
    const QJsonValue exams = g.value(u"examGrades");
    QCOMPARE(exams.toArray().size(), 6);
    QCOMPARE(texts(row(exams, 0)), QStringList({"Prüfungsfächer", "  s", "  m", "gesamt"}));
    QCOMPARE(texts(row(exams, 3)).at(0), QStringLiteral("Mathematik"));
    auto result = [](int r) { return QString::number(r).rightJustified(4); };
    if (written >= 0)
        QCOMPARE(texts(row(exams, 1)),
                 QStringList({"Deutsch", result(written), "",
                              QStringLiteral("   %1").arg(4 * written)}));
    if (fifth >= 0)
        QCOMPARE(texts(row(exams, 5)),
                 QStringList({"ev. Religion", "", result(fifth),
                              QStringLiteral("   %1").arg(4 * fifth)}));
}

void TestCli::settingsOfTheWorkingFolder()
{
    QTemporaryDir school;
    Model settings;
    BuildCatalog(settings);
    settings.ProgDir = school.path();
    settings.SchoolName = QStringLiteral("Gymnasium am See");
    settings.SubjectText[0][5] = QStringLiteral("Russisch");
    QVERIFY(WriteSettings(settings));
    put(school.filePath(QStringLiteral("old.tmd")), oldSelection(completePupil()));
    save(completePupil(), school.filePath(QStringLiteral("new.tmd")), false);

    // An old file carries no settings: those of the working folder stay.
    const Output inSchool = execute(school.path(), {"--json", "old.tmd", "new.tmd"});
    QCOMPARE(inSchool.status, 0);
    QCOMPARE(inSchool.err, QByteArray());
    const QJsonArray files = QJsonDocument::fromJson(inSchool.out).array();
    QCOMPARE(files.size(), 2);
    QCOMPARE(files[0].toObject().value(u"school").toString(), QStringLiteral("Gymnasium am See"));
    QCOMPARE(row(files[0].toObject().value(u"courseTable"), 5).at(0).toString(),
             QStringLiteral("Russisch"));
    // A current file brings its own.
    QCOMPARE(files[1].toObject().value(u"school").toString(), QStringLiteral("[ Schule ]"));

    // No settings file: no message, the default school.
    const Output elsewhere = execute(m_dir.path(), {"--json", school.filePath("old.tmd")});
    QCOMPARE(elsewhere.err, QByteArray());
    QCOMPARE(QJsonDocument::fromJson(elsewhere.out).array()[0].toObject().value(u"school").toString(),
             QStringLiteral("[ Schule ]"));

    // A damaged one is worth a line on stderr; the files are checked all the same.
    put(school.filePath(QStringLiteral("Tamberon.tme")), QByteArray("\xff\xff\xff\xff"));
    const Output damaged = execute(school.path(), {"old.tmd"});
    QCOMPARE(damaged.status, 0);
    QVERIFY(QString::fromUtf8(damaged.err).contains(QStringLiteral("Tamberon.tme ist beschädigt")));
    QVERIFY(damaged.out.contains("Schule:              [ Schule ]\n"));
}

void TestCli::jsonTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected"); // between the quotes

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("plain") << QStringLiteral(" 4(2*)") << QByteArray(" 4(2*)");
    QTest::newRow("escapes") << QStringLiteral("a\"b\\c\n\r\t")
                             << QByteArray(R"(a\"b\\c\n\r\t)");
    QTest::newRow("control characters")
        << QStringView(u"\x01\x1f\0\x7f", 4).toString() << QByteArray("\\u0001\\u001f\\u0000\x7f");
    QTest::newRow("two-byte") << QStringLiteral("Prüfung ¤ °") << QByteArray("Pr\xc3\xbc" "fung \xc2\xa4 \xc2\xb0");
    QTest::newRow("three-byte") << QStringLiteral("„10 €“") << QByteArray("\xe2\x80\x9e" "10 \xe2\x82\xac\xe2\x80\x9c");
    QTest::newRow("surrogate pair") << QStringLiteral("a😀b") << QByteArray("a\xf0\x9f\x98\x80" "b");
    QTest::newRow("pairs, escape, three-byte")
        << QStringLiteral("😀😀\n€") << QByteArray("\xf0\x9f\x98\x80\xf0\x9f\x98\x80\\n\xe2\x82\xac");
    const QString lone = QStringView(u"x\xd800y", 3).toString();
    QTest::newRow("lone surrogate") << lone << lone.toUtf8();
    // Longer than the writer's first buffer, in characters of three bytes.
    QTest::newRow("long") << QString(3000, QChar(0x20AC)) << QString(3000, QChar(0x20AC)).toUtf8();
}

void TestCli::jsonTexts()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    JsonWriter json;
    json.beginArray().value(text).texts(&text, 1).endArray();
    const QByteArray quoted = '"' + expected + '"';
    QCOMPARE(json.text(), '[' + quoted + ",[" + quoted + "]]");
    QJsonParseError error;
    const QJsonArray parsed = QJsonDocument::fromJson(json.text(), &error).array();
    if (!text.contains(QChar(0xd800))) {
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(parsed.at(0).toString(), text);
    }
}

void TestCli::jsonNesting()
{
    const QString cells[3] = {QStringLiteral("a"), QString(), QStringLiteral("c")};
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("grid")).beginArray();
    json.texts(cells, 3).texts(cells, 0);
    json.beginArray().value(1).value(true).null().endArray();
    json.endArray();
    json.key(QStringLiteral("empty")).beginObject().endObject();
    json.key(QStringLiteral("n")).value(-2147483647 - 1);
    json.endObject();
    QCOMPARE(json.text(),
             QByteArray(R"({"grid":[["a","","c"],[],[1,true,null]],"empty":{},"n":-2147483648})"));
}

void TestCli::jsonParsesInOrder()
{
    const QStringList files{path("complete.tnd"), path("data.tmd"), path("start.tmd"),
                            path("complete.txt"), path("complete.tmd")};
    const Output plain = runIn(m_dir.path(), QStringList{"--json"} + files);
    QCOMPARE(plain.status, int(SomeUnreadable));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(plain.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(doc.isArray());
    const QJsonArray array = doc.array();
    QCOMPARE(array.size(), files.size());
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(array[i].toObject().value(u"file").toString(), files[i]);
    QCOMPARE(array[0].toObject().value(u"pupil").toObject().value(u"name").toString(),
             QStringLiteral("Graf, Gerda"));
    QVERIFY(array[0].toObject().value(u"grades").isObject());

    // With statistics the array sits in "files" beside "stats".
    const Output withStats = runIn(m_dir.path(), QStringList{"--json", "--stats"} + files);
    const QJsonObject both = QJsonDocument::fromJson(withStats.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(both.value(u"files").toArray(), array);
    QCOMPARE(both.value(u"stats").toObject().value(u"pupils").toInt(), 3);

    // Quotes, backslashes and control characters in the file's texts.
    const QString name = QStringLiteral("Weiß, Jörg \"J\" \\ \x01\t");
    save(completePupil(name), path("odd.tmd"), false);
    const Output odd = runIn(m_dir.path(), {"--json", path("odd.tmd")});
    const QJsonArray single = QJsonDocument::fromJson(odd.out, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(single.size(), 1);
    QCOMPARE(single[0].toObject().value(u"pupil").toObject().value(u"name").toString(), name);
}

void TestCli::csvLines()
{
    // A name with the separator and a quote.
    save(completePupil(QStringLiteral("Kurz; \"Kiki\"")), path("quote.tmd"), false);
    const Output csv = runIn(m_dir.path(), {"--csv", path("complete.tnd"), path("start.tmd"),
                                            path("quote.tmd"), path("nowhere.tmd")});
    QCOMPARE(csv.status, int(SomeUnreadable));
    const QStringList lines = QString::fromUtf8(csv.out).split(u'\n');
    QCOMPARE(lines.size(), 6); // header, four files, end
    QCOMPARE(lines[0].split(u';').size(), 18);
    QVERIFY(lines[0].startsWith(QStringLiteral("Datei;Name;Klasse;vollständig;Fehlermaske;")));
    QCOMPARE(lines[1].split(u';'),
             QStringList({path("complete.tnd"), "Graf, Gerda", "11 a", "ja", "0",
                          "Deutsch, Englisch, Geschichte, Mathematik, Physik",
                          "Deutsch, Englisch, Mathematik, Physik", "ev. Religion", "32", "32",
                          "32", "32", "40", "400", "200", "600", "2,3", ""}));
    QCOMPARE(lines[2].split(u';'),
             QStringList({path("start.tmd"), "Muster, Max", "11 a", "nein", "2559",
                          "Deutsch, Mathematik", "Deutsch, Mathematik", "", "14", "14", "14",
                          "14", "20", "", "", "", "", ""}));
    QVERIFY(lines[3].startsWith(path("quote.tmd") + QStringLiteral(";\"Kurz; \"\"Kiki\"\"\";11 a;ja;")));
    QCOMPARE(lines[4], path("nowhere.tmd") + QString(17, u';')
                           + CannotOpenText(QDir::toNativeSeparators(path("nowhere.tmd"))));
    QCOMPARE(lines[5], QString());
}

void TestCli::threadsKeepTheOrder_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("files");

    // More files than one batch of checks, readable and not, in a mixed order.
    QTest::newRow("json") << QStringList{"--json"} << 700;
    QTest::newRow("json and statistics") << QStringList{"--json", "--stats"} << 700;
    QTest::newRow("csv and statistics") << QStringList{"--csv", "--stats"} << 300;
    QTest::newRow("text and statistics") << QStringList{"--stats"} << 300;
}

void TestCli::threadsKeepTheOrder()
{
    QFETCH(QStringList, options);
    QFETCH(int, files);
    const QStringList names{"complete.tnd", "start.tmd",     "data.tmd",    "complete.tmd",
                            "short.tmd",    "nowhere.tnd",   "start.tnd",   "version.tmd",
                            "complete.txt", "short-read.tmd", "folder.tmd"};
    QStringList arguments = options;
    for (int i = 0; i < files; ++i)
        arguments.append(path(names[(i * 7) % names.size()]));

    const Output alone = runIn(m_dir.path(), arguments, 1);
    for (int workers : {2, 5}) {
        const Output shared = runIn(m_dir.path(), arguments, workers);
        QCOMPARE(shared.status, alone.status);
        QCOMPARE(shared.err, alone.err);
        QVERIFY2(shared.out == alone.out, qPrintable(QStringLiteral("%1 workers").arg(workers)));
    }
    QVERIFY(alone.out.size() > files * 40);
}

void TestCli::statistics()
{
    const Output out = runIn(m_dir.path(), {"--csv", "--stats", path("complete.tmd"),
                                            path("complete.tnd"), path("start.tmd"),
                                            path("data.tmd")});
    const QString text = QString::fromUtf8(out.out);
    const QString stats = text.mid(text.indexOf(QStringLiteral("\n\n")) + 2);
    QStringList lines = stats.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(), QStringLiteral("Fach;Halbjahr 1;Halbjahr 2;Halbjahr 3;Halbjahr 4;"
                                               "Kernfach;schriftlich;mündlich"));
    QStringList subjects;
    for (const QString &line : lines)
        subjects.append(line.section(u';', 0, 0));
    // Catalog order; languages that are not offered ("--") are left out.
    QCOMPARE(subjects.first(), QStringLiteral("Deutsch"));
    QVERIFY(!subjects.contains(QStringLiteral("--")));
    QCOMPARE(subjects.indexOf(QStringLiteral("Mathematik")) + 1,
             subjects.indexOf(QStringLiteral("Physik")));
    auto counts = [&lines](const QString &subject) {
        for (const QString &line : lines)
            if (line.startsWith(subject + u';'))
                return line.section(u';', 1);
        return QString();
    };
    // Three pupils read: two complete, the start choice.
    QCOMPARE(counts("Deutsch"), QStringLiteral("3;3;3;3;3;3;0"));
    QCOMPARE(counts("Englisch"), QStringLiteral("2;2;2;2;2;2;0"));
    QCOMPARE(counts("Geschichte"), QStringLiteral("3;3;3;3;2;0;0"));
    QCOMPARE(counts("Gemeinschaftskunde"), QStringLiteral("3;0;0;3;0;0;0"));
    QCOMPARE(counts("ev. Religion"), QStringLiteral("2;2;2;2;0;0;2"));
    QCOMPARE(counts("Latein"), QStringLiteral("0;0;0;0;0;0;0"));

    const Output json = runIn(m_dir.path(), {"--json", "--stats", path("complete.tmd"),
                                             path("start.tmd")});
    const QJsonObject all = QJsonDocument::fromJson(json.out).object().value(u"stats").toObject();
    QCOMPARE(all.value(u"pupils").toInt(), 2);
    const QJsonObject first = all.value(u"subjects").toArray().at(0).toObject();
    QCOMPARE(first.value(u"subject").toString(), QStringLiteral("Deutsch"));
    QCOMPARE(first.value(u"halfYears").toArray(), QJsonArray({2, 2, 2, 2}));
    QCOMPARE(first.value(u"written").toInt(), 2);
}

void TestCli::textReport()
{
    const Output out = runIn(m_dir.path(), {"--stats", path("complete.tnd"), path("start.tmd"),
                                            path("version.tmd")});
    QCOMPARE(out.status, int(SomeUnreadable));
    const QString text = QString::fromUtf8(out.out);
    const QStringList reports = text.split(QStringLiteral("\n\n"));
    QVERIFY(reports.size() >= 5);

    const QString complete = reports[0];
    QVERIFY(complete.contains(QStringLiteral("Schüler(in):         Graf, Gerda\n")));
    QVERIFY(complete.contains(QStringLiteral("Klasse:              11 a\n")));
    QVERIFY(complete.contains(QStringLiteral("Wahl:                vollständig\n")));
    QVERIFY(complete.contains(QStringLiteral("Wochenstunden:       32 / 32 / 32 / 32")));
    QVERIFY(complete.contains(QStringLiteral("Anrechenbare Kurse:  40 (davon verpflichtend 34)")));
    QVERIFY(complete.contains(
        QStringLiteral("Kernfächer:          Deutsch, Englisch, Geschichte, Mathematik, Physik\n")));
    QVERIFY(complete.contains(QStringLiteral("Mündlich:            ev. Religion\n")));
    QVERIFY(complete.contains(QStringLiteral("Block I:             400 Punkte")));
    QVERIFY(complete.contains(QStringLiteral("Block II:            200 Punkte\n")));
    QVERIFY(complete.contains(QStringLiteral("Gesamtpunktzahl:     600\n")));
    QVERIFY(complete.contains(QStringLiteral("Durchschnittsnote:   2,3")));

    // The message area line by line, without control characters.
    const QString start = reports[1];
    QVERIFY(start.contains(QStringLiteral("Wahl:                unvollständig (Fehlermaske 2559)\n"
                                          "                     »Es fehlen noch 3 Kernfächer darunter:\n"
                                          "                     ...  eine Fremdsprache\n")));
    QVERIFY(!start.contains(u'\r'));
    QVERIFY(!start.contains(u'\t'));
    QVERIFY(reports[2].contains(
        QStringLiteral("Fehler:              Datei- und Programmversion nicht kompatibel")));
    QVERIFY(text.contains(QStringLiteral("3 Dateien: 1 vollständig, 1 unvollständig, 1 nicht lesbar\n")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("\nDeutsch +2 +2 +2 +2 +2 +2 +0\n"))));
}

void TestCli::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");

    QTest::newRow("all complete") << QStringList{"complete.tmd", "complete.tnd"} << 0;
    QTest::newRow("one incomplete") << QStringList{"complete.tmd", "short.tmd"} << 1;
    QTest::newRow("one unreadable") << QStringList{"start.tmd", "data.tmd", "complete.tmd"} << 2;
    QTest::newRow("unknown kind") << QStringList{"--csv", "complete.txt"} << 2;
    QTest::newRow("folder") << QStringList{"folder.tmd"} << 2;
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no file") << QStringList{"--json"} << 64;
}

void TestCli::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const Output out = execute(m_dir.path(), arguments);
    QCOMPARE(out.status, status);
    if (status != 64)
        QVERIFY(!out.out.isEmpty());
}

void TestCli::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("nothing") << QStringList{} << "keine Datei angegeben";
    QTest::newRow("json and csv") << QStringList{"--json", "--csv", "a.tmd"}
                                  << "--json und --csv schließen einander aus";
    QTest::newRow("unknown option") << QStringList{"--xml", "a.tmd"} << "unbekannte Option --xml";
    QTest::newRow("pdf without folder") << QStringList{"a.tmd", "--pdf"}
                                        << "--pdf verlangt ein Verzeichnis";
    QTest::newRow("pdf before an option") << QStringList{"--pdf", "--json", "a.tmd"}
                                          << "--pdf verlangt ein Verzeichnis";
    QTest::newRow("pdf twice") << QStringList{"--pdf", "x", "--pdf=y", "a.tmd"}
                               << "--pdf ist mehrfach angegeben";
    QTest::newRow("target out of range") << QStringList{"--zielnote", "4,5", "a.tnd"}
                                         << "--zielnote verlangt eine Durchschnittsnote";
    QTest::newRow("target with a point") << QStringList{"--zielnote=2.0", "a.tnd"}
                                         << "--zielnote verlangt eine Durchschnittsnote";
    QTest::newRow("pdf folder is a file")
        << QStringList{"--pdf", "complete.tmd/sub", "complete.tmd"} << "";
}

void TestCli::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const Output out = execute(m_dir.path(), arguments);
    QCOMPARE(out.status, 64);
    QCOMPARE(out.out, QByteArray());
    const QString err = QString::fromUtf8(out.err);
    QVERIFY2(err.startsWith(QStringLiteral("tamberon-check: ") + reason), qPrintable(err));
    if (!reason.isEmpty())
        QVERIFY(err.contains(QStringLiteral("Aufruf: tamberon-check [--json | --csv] [--stats] "
                                            "[--pdf VERZEICHNIS] DATEI...")));
}

void TestCli::shellCases_data()
{
    QTest::addColumn<QString>("script"); // $C is the checker
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("seen"); // in stdout and stderr
    QTest::newRow("version") << "$C --version" << 0 << "tamberon-check 6.0.1\n";
    QTest::newRow("unknown short option") << "$C -x complete.tmd" << 64 << "unbekannte Option -x";
    QTest::newRow("full disk") << "$C complete.tmd >/dev/full" << 2
                               << "Die Ausgabe kann nicht geschrieben werden: Der Datenträger ist voll.";
    QTest::newRow("closed pipe")
        << "{ sleep 0.3; $C complete.tmd; echo $? >status; } | true; exit $(cat status)" << 2
        << "Die Ausgabe kann nicht geschrieben werden";
    QTest::newRow("pipe as file") << "rm -f p.tmd; mkfifo p.tmd && $C p.tmd" << 2
                                  << "Datei p.tmd kann nicht geöffnet werden";
    QTest::newRow("name not in UTF-8")
        << "n=$(printf 'sch\\374ler.tmd'); cp complete.tmd \"$n\"; $C \"$n\"; s=$?; rm \"$n\"; exit $s"
        << 0 << "1 Datei: 1 vollständig";
}

void TestCli::shellCases()
{
    QFETCH(QString, script);
    QFETCH(int, status);
    QFETCH(QString, seen);
#ifdef Q_OS_WIN
    QSKIP("cases of a POSIX shell (pipes, /dev/full, file names in any bytes)");
#endif
    QProcess shell;
    shell.setWorkingDirectory(m_dir.path());
    script.replace(QStringLiteral("$C"), QStringLiteral("'" TAMBERON_CHECK_EXE "'"));
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    QVERIFY(shell.waitForFinished(60000));
    const QString output = QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
    QCOMPARE(shell.exitCode(), status);
    QVERIFY2(output.contains(seen), qPrintable(output));
}

void TestCli::pdfForms()
{
    // "complete" twice (tmd and tnd): the second form gets its own name.
    const QString forms = path(QStringLiteral("forms/new"));
    const Output out = execute(m_dir.path(), {"--json", "--pdf", forms, "complete.tmd",
                                              "start.tmd", "complete.tnd", "short.tmd"});
    QCOMPARE(out.status, 1);
    const QJsonArray files = QJsonDocument::fromJson(out.out).array();
    QCOMPARE(files.size(), 4);
    const QString first = QDir(forms).filePath(QStringLiteral("complete.pdf"));
    const QString second = QDir(forms).filePath(QStringLiteral("complete-2.pdf"));
    QCOMPARE(files[0].toObject().value(u"pdf").toString(), first);
    QVERIFY(files[1].toObject().value(u"pdf").isNull());
    QCOMPARE(files[2].toObject().value(u"pdf").toString(), second);
    QVERIFY(files[3].toObject().value(u"pdf").isNull());
    QCOMPARE(QDir(forms).entryList(QDir::Files), QStringList({"complete-2.pdf", "complete.pdf"}));

    for (const QString &file : {first, second}) {
        const QByteArray pdf = bytesOf(file);
        QVERIFY(pdf.startsWith("%PDF-"));
        // One A4 page (595 x 842 points).
        const QString text = QString::fromLatin1(pdf);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595(\\.\\d+)? 84[12](\\.\\d+)?\\]"))));
    }
}

void TestCli::formsNeedTheFormChecker()
{
    // The checker alone, without the program beside it that draws the forms.
    QTemporaryDir lone;
    QVERIFY(lone.isValid());
    const QString copy = QDir(lone.path()).filePath(QFileInfo(TAMBERON_CHECK_EXE).fileName());
    QVERIFY(QFile::copy(QStringLiteral(TAMBERON_CHECK_EXE), copy));
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(copy, {"--pdf", path("lone"), "complete.tmd"});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), int(SomeUnreadable));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QVERIFY(QString::fromUtf8(process.readAllStandardError())
                .contains(QStringLiteral("die Formulare können nicht geschrieben werden")));
    QVERIFY(!QFileInfo::exists(path("lone")));

    // Checking without forms needs nothing beside it.
    process.start(copy, {"--csv", "complete.tmd"});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), int(AllComplete));
}

// Block I 400 and the written results 10 (160 points): the fifth component
// needs 8 points for 2,3.
void TestCli::targetGrade()
{
    Model m = completePupil();
    grade(m, 10, 10, -1);
    const QString file = save(m, path(QStringLiteral("target.tnd")), true);
    const Output out = runIn(m_dir.path(), {"--json", "--zielnote", "2,3", file, path("complete.tmd")}, 1);
    const QJsonArray files = QJsonDocument::fromJson(out.out).array();
    QCOMPARE(files[0].toObject().value(u"zielnote").toObject(),
             QJsonDocument::fromJson(R"({"note":"2,3","fehlend":1,"punkte":8})").object());
    QVERIFY(!files[1].toObject().contains(u"zielnote"));
    QVERIFY(runIn(m_dir.path(), {"--zielnote=2,3", file}, 1).out.contains(
        "Zielnote:            Für die Durchschnittsnote 2,3 sind in der noch fehlenden Note "
        "mindestens 8 Punkte nötig."));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
