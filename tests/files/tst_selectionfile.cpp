#include "FileTestSupport.h"

#include "files/FileNames.h"
#include "files/SelectionFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;
using test::FileContent;

namespace {

// Reads bytes as a file of the given kind.
ReadStatus readBytes(Model &m, ScriptedInteraction &ui, const QByteArray &bytes, bool withGrades,
                     const QString &name = QStringLiteral("C:/Schule/wahl.tmd"))
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadSelection(m, ui, buffer, withGrades, name);
}

QByteArray writeBytes(Model &m, bool withGrades)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m.FileWords = EncodeChoice(m);
    if (!WriteSelection(m, buffer, withGrades))
        return QByteArray();
    return bytes;
}

// A device that fails after a number of bytes.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(const QByteArray &data, qint64 goodBytes) : m_data(data), m_good(goodBytes) {}

protected:
    qint64 readData(char *out, qint64 max) override
    {
        if (m_pos >= m_good)
            return -1;
        const qint64 n = qMin(max, qMin(m_good, qint64(m_data.size())) - m_pos);
        memcpy(out, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_good;
    qint64 m_pos = 0;
};

// The pupil of the layout tests: English, Physics and History as core
// subjects, Gemeinschaftskunde oral, a seminar course in task field II,
// study groups 2, 0, 0, 1.
QList<qint64> sampleWords(int count)
{
    QList<qint64> w = test::presetWords(count);
    w[2] = 0xF7;  // Englisch: taken, K, s, four half-years
    w[6] = 0xF1;  // Bild. Kunst
    w[8] = 0xF3;  // Geschichte: taken, K
    w[9] = 0x99;  // Gemeinschaftskunde: taken, m, half-years 1 and 4
    w[12] = 0xF1; // ev. Religion
    w[16] = 0xF7; // Physik: taken, K, s
    w[17] = 0xF1; // Chemie
    w[20] = 0x31 + 2 * 2048; // seminar course, task field II
    w[30] = 0x20010;
    return w;
}

} // namespace

class TestSelectionFile : public QObject
{
    Q_OBJECT
private slots:
    void nameCheck_data();
    void nameCheck();
    void defaultFileName_data();
    void defaultFileName();
    void kindOfPath_data();
    void kindOfPath();

    void encodePresetChoice();
    void encodeStudyGroupsAndBLL();
    void encodeGradeMasks();
    void fileSizes();

    void assembledSelectionFile();
    void assembledFileWithGrades();
    void settingsBlockBooleans_data();
    void settingsBlockBooleans();
    void headers_data();
    void headers();
    void nameCheckOnRead_data();
    void nameCheckOnRead();
    void bllForms_data();
    void bllForms();
    void bllTaskField_data();
    void bllTaskField();
    void cellsFollowHalfYearBits();
    void electiveLanguageHours_data();
    void electiveLanguageHours();
    void noBLLRestoresRowName();
    void consistencyNote_data();
    void consistencyNote();
    void selectionAfterGradesShowsNoGrades();
    void roundTrip_data();
    void roundTrip();
    void longTextsStayReadable();
    void failingDevices();
    void trailingBytesOnDisk_data();
    void trailingBytesOnDisk();
    void pathErrors();
};

void TestSelectionFile::nameCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("one byte") << "a" << 0;
    QTest::newRow("two bytes") << "ab" << 97;
    QTest::newRow("abc") << "abc" << 97 * 2 + 98;
    // One byte per character: "ä" is 228 in the file's code page.
    QTest::newRow("umlaut") << QStringLiteral("äbc") << 228 * 2 + 98;
    QTest::newRow("last ignored") << "abz" << 97 * 2 + 98;
}

void TestSelectionFile::nameCheck()
{
    QFETCH(QString, name);
    QFETCH(int, value);
    QCOMPARE(NameCheck(name), value);
}

void TestSelectionFile::defaultFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("expected");
    const QDate october(2009, 10, 15);
    QTest::newRow("11 a in October") << "ab" << "11 a" << october << "000293-1012";
    QTest::newRow("12 in October") << "ab" << "12" << october << "000293-0911";
    QTest::newRow("11 a in March") << "ab" << "11 a" << QDate(2010, 3, 15) << "000293-1012";
    QTest::newRow("last of August") << "ab" << "11 a" << QDate(2009, 8, 31) << "000293-0911";
    QTest::newRow("first of September") << "ab" << "11 a" << QDate(2009, 9, 1) << "000293-1012";
    QTest::newRow("class 10") << "ab" << "10" << october << "000293-1012";
    QTest::newRow("class J1 is no number") << "ab" << "J1" << october << "000293-1012";
    QTest::newRow("class K1 is no number") << "ab" << "K1" << october << "000293-1012";
    QTest::newRow("year 2000s single digit") << "ab" << "11 a" << QDate(2005, 1, 1) << "000293-0507";
    QTest::newRow("weighted umlaut") << QStringLiteral("ä") << "11 a" << october << "000228-1012";
    QTest::newRow("weighted by position") << "abc" << "11 a" << october << "000590-1012";
}

void TestSelectionFile::defaultFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, klasse);
    QFETCH(QDate, today);
    QFETCH(QString, expected);
    Daten d;
    d.Name = name;
    d.Klasse = klasse;
    QCOMPARE(DefaultFileName(d, today), expected);
    QCOMPARE(SchoolYearText(klasse, today), expected.right(4).left(2) + "-" + expected.right(2));
}

void TestSelectionFile::kindOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    const int none = int(SelectionKind::None);
    const int tmd = int(SelectionKind::Selection);
    const int tnd = int(SelectionKind::WithGrades);
    QTest::newRow("x.tnd") << "/home/a/x.tnd" << tnd;
    QTest::newRow("X.TND") << "C:/A/X.TND" << tnd;
    QTest::newRow("x.tmd") << "x.tmd" << tmd;
    QTest::newRow("mixed case") << "/a/b.TmD" << tmd;
    QTest::newRow("x.txt") << "/a/x.txt" << none;
    QTest::newRow("no extension") << "/a/x" << none;
    QTest::newRow("dot in folder only") << "/a.tnd/file" << none;
    QTest::newRow("longer extension") << "/a/x.tmdx" << none;
    QTest::newRow("two dots") << "/a/b.c.tmd" << tmd;
}

void TestSelectionFile::kindOfPath()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    QCOMPARE(int(KindOfPath(path)), kind);
}

void TestSelectionFile::encodePresetChoice()
{
    const Model m = test::startedModel();
    const QList<qint32> words = EncodeChoice(m);
    QCOMPARE(words.size(), 67);
    const QList<qint64> preset = test::presetWords(67);
    for (int i = 0; i < 67; ++i)
        QVERIFY2(words[i] == preset[i], qPrintable(QStringLiteral("word %1").arg(i)));
}

void TestSelectionFile::encodeStudyGroupsAndBLL()
{
    Model m = test::startedModel();
    m.FaecherSgr.setCell(4, 30, QStringLiteral("  2"));
    m.FaecherSgr.setCell(7, 30, QStringLiteral("  1"));
    m.BLLField = 3;
    QCOMPARE(EncodeChoice(m)[30], 0x20010);
    QCOMPARE(EncodeChoice(m)[20], 0); // the task field counts only with the achievement
    m.Choice[Taken][20] = m.Choice[HalfYear1][20] = m.Choice[HalfYear2][20] = true;
    QCOMPARE(EncodeChoice(m)[20], 0x31 + 3 * 2048);
    m.FaecherSgr.setCell(5, 30, QStringLiteral("9"));
    m.FaecherSgr.setCell(6, 30, QStringLiteral("  9"));
    QCOMPARE(EncodeChoice(m)[30], 0x29910);
}

void TestSelectionFile::encodeGradeMasks()
{
    Model m = test::startedModel();
    m.Grades[1][1] = 0xFF;
    m.Grades[2][1] = 0x9A;
    m.Grades[3][1] = 0x7F;
    m.Grades[4][1] = 0xFF;
    m.Grades[1][34] = 0x8F;
    const QList<qint32> words = EncodeChoice(m);
    QCOMPARE(quint32(words[31]), 0xFF0F8A8Fu);
    QCOMPARE(words[64], 0x8F);
    QCOMPARE(words[65], 0);
    QCOMPARE(words[66], 0);
}

void TestSelectionFile::fileSizes()
{
    Model m = test::startedModel();
    m.SchoolName = QStringLiteral("Schule");
    m.FspiHours = QStringLiteral("4");
    m.PersonalData = {QStringLiteral("Name, Vor"), QStringLiteral("1.1.90"), QStringLiteral("12"),
                      QStringLiteral("rk"), 1};
    int settings = 4 + 6;
    for (int row = 2; row <= 5; ++row)
        settings += 4 + int(m.SubjectText[0][row].size());
    settings += 1 + 4 + int(m.SubjectText[0][29].size()) + 2 + 4 + 1;
    const int personal = 4 + 9 + 4 + 6 + 4 + 2 + 4 + 2;
    const int tmd = 4 + settings + 4 + personal + 1 + 124;
    QCOMPARE(writeBytes(m, false).size(), tmd);
    QCOMPARE(writeBytes(m, true).size(), tmd + 140);
    QVERIFY(m.FileWords.isEmpty());
}

void TestSelectionFile::assembledSelectionFile()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(31);
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QVERIFY(ui.boxes.isEmpty());

    // Settings block and personal data.
    QCOMPARE(m.SchoolName, QStringLiteral("Testgymnasium"));
    QCOMPARE(m.SubjectText[0][5], QStringLiteral("Spanisch"));
    QCOMPARE(m.SubjectText[0][29], QStringLiteral("Italienisch"));
    QCOMPARE(m.FspiHours, QStringLiteral("3"));
    QCOMPARE(m.PersonalData, (Daten{QStringLiteral("Muster, Max"), QStringLiteral("01.02.1993"),
                                    QStringLiteral("11 a"), QStringLiteral("ev"), 0}));
    QCOMPARE(m.CurrentFile, QStringLiteral("C:/Schule/wahl.tmd"));
    QCOMPARE(m.view.title, QDir::toNativeSeparators(QStringLiteral("C:/Schule/wahl.tmd"))
                               + QStringLiteral(" - Tamberon für die Oberstufe - Testgymnasium"));

    // Choice and core slots.
    const QList<qint64> words = sampleWords(31);
    for (int row = 1; row < SubjectCount; ++row)
        for (int c = 0; c < 8; ++c)
            QVERIFY2(m.Choice[c][row] == bool(words[row] & (1 << c)),
                     qPrintable(QStringLiteral("Choice[%1][%2]").arg(c).arg(row)));
    QCOMPARE(m.CoreSlots[3], quint8(2));
    QCOMPARE(m.CoreSlots[4], quint8(16));
    QCOMPARE(m.CoreSlots[5], quint8(8));
    QCOMPARE(m.BLLField, quint8(2));
    QVERIFY(m.BLLSocialField);
    QCOMPARE(m.view.width, 775);
    QVERIFY(m.view.afSemKVisible);
    QCOMPARE(m.view.afSemKCaption,
             QStringLiteral("Aufgabenfeld der besonderen Lernleistung: gesellschaftswissenschaftlich"));

    struct Cell
    {
        int col, row;
        const char16_t *text;
    };
    const Cell course[] = {
        {1, 2, u" K"}, {2, 2, u" s"}, {3, 2, u""}, {4, 2, u" 4"}, {7, 2, u" 4"},
        {1, 5, u""}, {2, 5, u""}, {3, 5, u""}, {4, 5, u""},
        {4, 6, u" 2"}, {7, 6, u" 2"}, {4, 7, u""},
        {1, 8, u" K"}, {4, 8, u" 4"}, {5, 8, u" 4"}, {6, 8, u" 4"}, {7, 8, u" 4"},
        {3, 9, u" m"}, {4, 9, u" 2"}, {5, 9, u""}, {6, 9, u""}, {7, 9, u" 2"},
        {4, 10, u""}, {5, 10, u" 2"}, {6, 10, u" 2"}, {7, 10, u""},
        {3, 11, u" ¤"}, {1, 15, u" K"}, {2, 15, u" s"},
        {1, 16, u" K"}, {2, 16, u" s"}, {4, 16, u" 4"}, {7, 16, u" 4"},
        {4, 17, u" 2"}, {4, 18, u""},
        {0, 20, u"BLL - Seminarkurs"}, {4, 20, u" 3"}, {5, 20, u" 3"}, {6, 20, u""},
        {3, 29, u""}, {4, 29, u""},
        {4, 30, u"2"}, {5, 30, u"0"}, {6, 30, u"0"}, {7, 30, u"1"},
    };
    for (const Cell &cell : course)
        QVERIFY2(m.FaecherSgr.cell(cell.col, cell.row) == QString::fromUtf16(cell.text),
                 qPrintable(QStringLiteral("(%1,%2) = \"%3\"")
                                .arg(cell.col).arg(cell.row)
                                .arg(m.FaecherSgr.cell(cell.col, cell.row))));
    const Cell exams[] = {
        {1, 1, u"   Deutsch"}, {2, 1, u" s"}, {4, 1, u"   Deutsch"},
        {1, 2, u"   Mathematik"}, {2, 2, u" s"}, {4, 2, u"   Mathematik"},
        {1, 3, u"   Englisch"}, {4, 3, u"   Englisch"},
        {1, 4, u"   Physik"}, {4, 4, u"   Physik"},
        {1, 5, u"   Geschichte"}, {4, 5, u"   -------"},
        {3, 6, u" m P"}, {4, 6, u"   Gemeinschaftskunde"},
    };
    for (const Cell &cell : exams)
        QVERIFY2(m.PfaecherSgr.cell(cell.col, cell.row) == QString::fromUtf16(cell.text),
                 qPrintable(QStringLiteral("P(%1,%2) = \"%3\"")
                                .arg(cell.col).arg(cell.row)
                                .arg(m.PfaecherSgr.cell(cell.col, cell.row))));
    for (int i = 0; i < GradeColumns; ++i)
        QCOMPARE(m.Grades[1][i], quint8(0));
}

void TestSelectionFile::assembledFileWithGrades()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(66);
    content.words[31] = 0x8A8B8C8D;
    content.words[64] = 0x01020304;
    content.words[65] = 12345; // ignored
    QCOMPARE(readBytes(m, ui, test::assemble(content), true), ReadStatus::Loaded);
    QCOMPARE(m.Grades[1][1], quint8(0x8D));
    QCOMPARE(m.Grades[2][1], quint8(0x8C));
    QCOMPARE(m.Grades[3][1], quint8(0x8B));
    QCOMPARE(m.Grades[4][1], quint8(0x8A));
    QCOMPARE(m.Grades[1][34], quint8(4));
    QCOMPARE(m.Grades[4][34], quint8(1));
    QCOMPARE(m.Grades[1][2], quint8(0));
    QCOMPARE(m.CoreSlots[4], quint8(16));
}

void TestSelectionFile::settingsBlockBooleans_data()
{
    QTest::addColumn<int>("wirtschaftOral");
    QTest::addColumn<int>("offered");
    QTest::addColumn<int>("oral");
    QTest::newRow("all set") << 1 << 1 << 1;
    QTest::newRow("none set") << 0 << 0 << 0;
    QTest::newRow("offered, not oral") << 0 << 1 << 0;
}

void TestSelectionFile::settingsBlockBooleans()
{
    QFETCH(int, wirtschaftOral);
    QFETCH(int, offered);
    QFETCH(int, oral);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.wirtschaftOral = wirtschaftOral;
    content.electiveOffered = offered;
    content.electiveOral = oral;
    content.words = test::presetWords(31);
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    // The file's school settings hold over the defaults of the table reset,
    // and the cells match them.
    QCOMPARE(m.Allowed[3][11], bool(wirtschaftOral));
    QCOMPARE(m.Allowed[0][29], bool(offered));
    QCOMPARE(m.Allowed[3][29], bool(oral));
    QCOMPARE(m.FaecherSgr.cell(3, 11), wirtschaftOral ? QString() : QStringLiteral(" ¤"));
    QCOMPARE(m.FaecherSgr.cell(3, 29), oral ? QString() : QStringLiteral(" ¤"));
}

void TestSelectionFile::headers_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<int>("header");
    QTest::addColumn<bool>("block");
    QTest::addColumn<QString>("cause"); // empty: loaded
    QTest::newRow("tmd 6030") << false << 6030 << true << QString();
    QTest::newRow("tmd 30") << false << 30 << false << QString();
    QTest::newRow("tnd 6030") << true << 6030 << true << QString();
    QTest::newRow("tnd 1030") << true << 1030 << false << QString();
    QTest::newRow("tmd 1030") << false << 1030 << false << OtherKindCause;
    QTest::newRow("tnd 30") << true << 30 << false << OtherKindCause;
    QTest::newRow("tmd 6031") << false << 6031 << true << ForeignCause;
    QTest::newRow("tnd 5030") << true << 5030 << true << OlderCause;
    QTest::newRow("tmd 6130") << false << 6130 << true << NewerCause;
    QTest::newRow("tmd 0") << false << 0 << false << ForeignCause;
    QTest::newRow("tnd -1") << true << -1 << false << ForeignCause;
    QTest::newRow("text") << true << 0x6e69656b << false << ForeignCause; // "kein"
}

void TestSelectionFile::headers()
{
    QFETCH(bool, withGrades);
    QFETCH(int, header);
    QFETCH(bool, block);
    QFETCH(QString, cause);
    Model m = test::startedModel(QStringLiteral("Altschule"), QStringLiteral("Russisch"),
                                 QStringLiteral("--"), QString());
    const Model before = m;
    ScriptedInteraction ui;
    FileContent content;
    content.header = header;
    content.settingsBlock = block;
    content.words = sampleWords(withGrades ? 66 : 31);
    QCOMPARE(readBytes(m, ui, test::assemble(content), withGrades),
             cause.isEmpty() ? ReadStatus::Loaded : ReadStatus::VersionError);
    if (!cause.isEmpty()) {
        QCOMPARE(ui.boxes.size(), 1);
        // Another program's file warns; the rest informs.
        QCOMPARE(ui.boxes[0].kind, cause == ForeignCause ? BoxKind::Warning : BoxKind::Information);
        QCOMPARE(ui.boxes[0].text, QStringLiteral("Datei- und Programmversion nicht kompatibel\n\r")
                                          + QDir::toNativeSeparators(QStringLiteral("C:/Schule/wahl.tmd: ")) + cause);
        QCOMPARE(test::modelDiff(m, before), QString());
        return;
    }
    QVERIFY(ui.boxes.isEmpty());
    QCOMPARE(m.SchoolName, block ? QStringLiteral("Testgymnasium") : QStringLiteral("Altschule"));
    QCOMPARE(m.SubjectText[0][5], block ? QStringLiteral("Spanisch") : QStringLiteral("Russisch"));
    QCOMPARE(m.CoreSlots[3], quint8(2));
    QCOMPARE(m.PersonalData.Name, QStringLiteral("Muster, Max"));
}

void TestSelectionFile::nameCheckOnRead_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("loads");
    QTest::newRow("first character") << 0 << false;
    QTest::newRow("middle character") << 5 << false;
    QTest::newRow("second to last") << 9 << false;
    QTest::newRow("last character") << 10 << true;
}

void TestSelectionFile::nameCheckOnRead()
{
    QFETCH(int, position);
    QFETCH(bool, loads);
    Model m = test::startedModel();
    const Model before = m;
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(31);
    content.nameCheck = test::handNameCheck(content.name);
    content.name[position] = QChar(u'X');
    const ReadStatus status = readBytes(m, ui, test::assemble(content), false);
    if (loads) {
        QCOMPARE(status, ReadStatus::Loaded);
        QCOMPARE(m.PersonalData.Name, QStringLiteral("Muster, MaX"));
        return;
    }
    QCOMPARE(status, ReadStatus::DataError);
    QCOMPARE(ui.boxes.size(), 1);
    QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Error));
    QCOMPARE(ui.boxes[0].text, QStringLiteral("Datenfehler\n\r")
                                          + QDir::toNativeSeparators(QStringLiteral("C:/Schule/wahl.tmd: ")) + TruncatedCause);
    QCOMPARE(test::modelDiff(m, before), QString());
}

void TestSelectionFile::bllForms_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("seminar course") << 0x31 << "BLL - Seminarkurs" << " 3" << " 3";
    QTest::newRow("competition") << 0x01 << "BLL - Wettbewerb" << "" << "";
    QTest::newRow("not chosen") << 0x00 << "Bes. Lernleistung" << "" << "";
}

void TestSelectionFile::bllForms()
{
    QFETCH(int, word);
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, second);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = test::presetWords(31);
    content.words[20] = word;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QCOMPARE(m.SubjectText[0][20], name);
    QCOMPARE(m.FaecherSgr.cell(0, 20), name);
    QCOMPARE(m.FaecherSgr.cell(4, 20), first);
    QCOMPARE(m.FaecherSgr.cell(5, 20), second);
    QCOMPARE(m.Choice[HalfYear1][20], !first.isEmpty());
}

void TestSelectionFile::bllTaskField_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("social");
    QTest::newRow("0") << 0 << "Aufgabenfeld der besonderen Lernleistung ist noch nicht festgelegt"
                       << 750 << false;
    QTest::newRow("I") << 1
                       << "Aufgabenfeld der besonderen Lernleistung: sprachlich-literarisch-künstlerisch"
                       << 750 << false;
    QTest::newRow("II") << 2 << "Aufgabenfeld der besonderen Lernleistung: gesellschaftswissenschaftlich"
                        << 775 << true;
    QTest::newRow("III") << 3
                         << "Aufgabenfeld der besonderen Lernleistung: mathematisch-naturwissenschaftlich"
                         << 780 << false;
    QTest::newRow("unknown") << 7 << "" << 750 << false;
}

void TestSelectionFile::bllTaskField()
{
    QFETCH(int, field);
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, social);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = test::presetWords(31);
    content.words[20] = 0x01 + field * 2048;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QCOMPARE(int(m.BLLField), field);
    QCOMPARE(m.view.afSemKCaption, caption);
    QVERIFY(m.view.afSemKVisible);
    QCOMPARE(m.view.width, width);
    QCOMPARE(m.BLLSocialField, social);
}

void TestSelectionFile::cellsFollowHalfYearBits()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = test::presetWords(31);
    content.words[2] = 0xF7;  // Englisch core
    content.words[9] = 0x11;  // Gemeinschaftskunde half-year 1 only (Wirtschaft core)
    content.words[10] = 0x41; // Geographie half-year 3 only
    content.words[11] = 0xF3; // Wirtschaft core
    content.words[18] = 0x39; // Biologie oral, half-years 1 and 2
    content.words[19] = 0x00; // sport dropped
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    const QString none;
    QCOMPARE(m.FaecherSgr.cell(7, 9), none);
    QCOMPARE(m.FaecherSgr.cell(4, 9), QStringLiteral(" 2"));
    QCOMPARE(m.FaecherSgr.cell(5, 10), none);
    QCOMPARE(m.FaecherSgr.cell(6, 10), QStringLiteral(" 2"));
    for (int c = 4; c <= 7; ++c) {
        QCOMPARE(m.FaecherSgr.cell(c, 19), none);
        QCOMPARE(m.FaecherSgr.cell(c, 11), QStringLiteral(" 4"));
    }
    // The oral role writes no half-year course.
    QCOMPARE(m.FaecherSgr.cell(4, 18), QStringLiteral(" 2"));
    QCOMPARE(m.FaecherSgr.cell(6, 18), none);
    QCOMPARE(m.FaecherSgr.cell(7, 18), none);
    QCOMPARE(m.FaecherSgr.cell(3, 18), QStringLiteral(" m"));
    // No core subject's name lands in the written mark of Mathematik.
    QCOMPARE(m.PfaecherSgr.cell(2, 2), QStringLiteral(" s"));
    QCOMPARE(m.CoreSlots[5], quint8(11));
    QCOMPARE(m.PfaecherSgr.cell(1, 5), QStringLiteral("   Wirtschaft"));
}

void TestSelectionFile::electiveLanguageHours_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("cell");
    QTest::newRow("3 hours") << "3" << " 3";
    QTest::newRow("2 hours") << "2" << " 2";
    QTest::newRow("no hours") << "" << " 4";
}

void TestSelectionFile::electiveLanguageHours()
{
    QFETCH(QString, hours);
    QFETCH(QString, cell);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.hours = hours;
    content.words = test::presetWords(31);
    content.words[29] = 0xF1;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    for (int c = 4; c <= 7; ++c)
        QCOMPARE(m.FaecherSgr.cell(c, 29), cell);
}

void TestSelectionFile::noBLLRestoresRowName()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = test::presetWords(31);
    content.words[20] = 0x31 + 3 * 2048;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QCOMPARE(m.SubjectText[0][20], QStringLiteral("BLL - Seminarkurs"));
    // The oral subject shows the achievement's final name.
    content.words[20] = 0x39 + 2 * 2048;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   BLL - Seminarkurs"));
    content.words[20] = 0;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QCOMPARE(m.SubjectText[0][20], QStringLiteral("Bes. Lernleistung"));
    QCOMPARE(m.FaecherSgr.cell(0, 20), QStringLiteral("Bes. Lernleistung"));
}

void TestSelectionFile::consistencyNote_data()
{
    QTest::addColumn<int>("word0");
    QTest::addColumn<bool>("note");
    QTest::newRow("current") << 6030 << false;
    QTest::newRow("old") << 30 << false;
    QTest::newRow("other row count") << 6031 << true;
    QTest::newRow("below") << 6000 << false;
}

void TestSelectionFile::consistencyNote()
{
    QFETCH(int, word0);
    QFETCH(bool, note);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(31);
    content.words[0] = word0;
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    QCOMPARE(ui.boxes.size(), note ? 1 : 0);
    if (note)
        QCOMPARE(ui.boxes[0].text, QStringLiteral("Datei- und Programmversion nicht kompatibel"));
    QCOMPARE(m.CoreSlots[3], quint8(2));
}

void TestSelectionFile::selectionAfterGradesShowsNoGrades()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(66);
    for (int w = 31; w <= 64; ++w)
        content.words[w] = 0x8C8C8C8C;
    QCOMPARE(readBytes(m, ui, test::assemble(content), true), ReadStatus::Loaded);
    QCOMPARE(m.Grades[2][5], quint8(0x8C));
    content.words = sampleWords(31);
    QCOMPARE(readBytes(m, ui, test::assemble(content), false), ReadStatus::Loaded);
    for (int r = 0; r < 5; ++r)
        for (int i = 0; i < GradeColumns; ++i)
            QCOMPARE(m.Grades[r][i], quint8(0));
}

void TestSelectionFile::roundTrip_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::newRow("tmd") << false;
    QTest::newRow("tnd") << true;
}

void TestSelectionFile::roundTrip()
{
    QFETCH(bool, withGrades);
    Model source = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(31);
    QCOMPARE(readBytes(source, ui, test::assemble(content), false), ReadStatus::Loaded);
    source.PersonalData = {QStringLiteral("Öztürk, Ayşe"), QStringLiteral("29.2.1992"),
                           QStringLiteral("J1"), QStringLiteral("isl"), 1};
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i <= 34; ++i)
            source.Grades[r][i] = quint8((r * 37 + i * 11) | 0x70);
    const QByteArray bytes = writeBytes(source, withGrades);
    QVERIFY(!bytes.isEmpty());

    Model target = test::startedModel();
    QCOMPARE(readBytes(target, ui, bytes, withGrades), ReadStatus::Loaded);
    for (int c = 0; c < 8; ++c)
        for (int row = 0; row < SubjectCount; ++row)
            QCOMPARE(target.Choice[c][row], source.Choice[c][row]);
    QCOMPARE(target.BLLField, source.BLLField);
    // "ş" has no place in the code page: it is stored as "?".
    QCOMPARE(target.PersonalData.Name, QStringLiteral("Öztürk, Ay?e"));
    QCOMPARE(target.PersonalData.Klasse, QStringLiteral("J1"));
    QCOMPARE(target.PersonalData.ReletU, quint8(1));
    QCOMPARE(target.FaecherSgr, source.FaecherSgr);
    QCOMPARE(target.PfaecherSgr, source.PfaecherSgr);
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i <= 34; ++i) {
            const quint8 expected =
                !withGrades ? 0 : r == 4 ? source.Grades[r][i] : quint8(source.Grades[r][i] & 0x8F);
            QCOMPARE(target.Grades[r][i], expected);
        }
}

void TestSelectionFile::longTextsStayReadable()
{
    Model source = test::startedModel();
    source.SchoolName = QString(300, u's');
    source.PersonalData.Name = QString(400, u'n');
    const QByteArray bytes = writeBytes(source, false);
    Model target = test::startedModel();
    ScriptedInteraction ui;
    QCOMPARE(readBytes(target, ui, bytes, false), ReadStatus::Loaded);
    QCOMPARE(target.SchoolName, QString(255, u's'));
    QCOMPARE(target.PersonalData.Name, QString(255, u'n'));
}

void TestSelectionFile::failingDevices()
{
    Model m = test::startedModel();
    FileContent content;
    content.words = sampleWords(31);
    const QByteArray bytes = test::assemble(content);
    for (qint64 good : {qint64(0), qint64(10), qint64(bytes.size() - 1)}) {
        Model copy = m;
        ScriptedInteraction ui;
        FailingDevice device(bytes, good);
        device.open(QIODevice::ReadOnly);
        QCOMPARE(ReadSelection(copy, ui, device, false), ReadStatus::InputOutputError);
        QCOMPARE(ui.boxes.size(), 1);
        // A device that fails may look cut short as well.
        QVERIFY(ui.boxes[0].text.startsWith(QStringLiteral("Datei-E/A-Fehler\n\r")));
        QCOMPARE(test::modelDiff(copy, m), QString());
    }
    FailingDevice device(QByteArray(), 0);
    device.open(QIODevice::WriteOnly);
    m.FileWords = EncodeChoice(m);
    QVERIFY(!WriteSelection(m, device, false));
    QVERIFY(m.FileWords.isEmpty());
}

void TestSelectionFile::pathErrors()
{
    QTemporaryDir dir;
    Model m = test::startedModel();
    const Model before = m;
    ScriptedInteraction ui;
    const QString missing = dir.filePath(QStringLiteral("fehlt.tmd"));
    QCOMPARE(ReadSelection(m, ui, missing, false), ReadStatus::CannotOpen);
    QCOMPARE(ui.boxes.size(), 1);
    QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Error));
    QCOMPARE(ui.boxes[0].text, QStringLiteral("Datei ") + QDir::toNativeSeparators(missing)
                                   + QStringLiteral(" kann nicht geöffnet werden"));
    QCOMPARE(test::modelDiff(m, before), QString());

    // Writing into a missing folder fails; writing over a file replaces it whole.
    QVERIFY(!WriteSelection(m, dir.filePath(QStringLiteral("fehlt/x.tmd")), false));
    const QString path = dir.filePath(QStringLiteral("x.tmd"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    QVERIFY(WriteSelection(m, path, false));
    QCOMPARE(QFileInfo(path).size(), writeBytes(m, false).size());
    Model loaded = test::startedModel();
    QCOMPARE(ReadSelection(loaded, ui, path, false), ReadStatus::Loaded);
    QCOMPARE(loaded.CurrentFile, path);
}

void TestSelectionFile::trailingBytesOnDisk_data()
{
    QTest::addColumn<int>("fileSize"); // 0: no bytes added
    QTest::newRow("as written") << 0;
    QTest::newRow("one byte more") << -1;
    QTest::newRow("one block") << 4096;
    QTest::newRow("two blocks") << 8192;
    QTest::newRow("two blocks and a bit") << 10000;
    QTest::newRow("beyond what is read") << 70000;
}

void TestSelectionFile::trailingBytesOnDisk()
{
    // Read from disk in blocks: whatever follows the stored items is ignored,
    // however the file's end falls on the blocks.
    QFETCH(int, fileSize);
    Model source = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.words = sampleWords(31);
    QCOMPARE(readBytes(source, ui, test::assemble(content), false), ReadStatus::Loaded);
    QByteArray bytes = writeBytes(source, true);
    const qsizetype size = fileSize < 0 ? bytes.size() + 1 : fileSize == 0 ? bytes.size() : fileSize;
    QVERIFY(size >= bytes.size());
    bytes.append(QByteArray(size - bytes.size(), char(0xA5)));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("x.tnd"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    Model fromDisk = test::startedModel();
    QCOMPARE(ReadSelection(fromDisk, ui, path, true), ReadStatus::Loaded);
    Model fromMemory = test::startedModel();
    QCOMPARE(readBytes(fromMemory, ui, writeBytes(source, true), true), ReadStatus::Loaded);
    fromMemory.CurrentFile = fromDisk.CurrentFile;
    fromMemory.view.title = fromDisk.view.title;
    QCOMPARE(test::modelDiff(fromDisk, fromMemory), QString());
}

QTEST_GUILESS_MAIN(TestSelectionFile)
#include "tst_selectionfile.moc"
