#include "FileTestSupport.h"

#include "files/SelectionFile.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using namespace tamb;
using test::FileContent;

namespace {

ReadStatus readBytes(Model &m, ScriptedInteraction &ui, QByteArray bytes, bool withGrades)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadSelection(m, ui, buffer, withGrades, QStringLiteral("/tmp/kaputt.tmd"));
}

// The first two lines of the message about that file, its name as the platform writes it.
QString brokenFileText(const QString &cause)
{
    return QStringLiteral("Datei-E/A-Fehler\n\r") + QDir::toNativeSeparators(QStringLiteral("/tmp/kaputt.tmd"))
           + QStringLiteral(": ") + cause;
}

QByteArray validFile(bool withGrades)
{
    FileContent content;
    content.name = QStringLiteral("Müller, Jürgen");
    content.words = test::presetWords(withGrades ? 66 : 31);
    content.words[2] = 0xF7;
    content.words[16] = 0xF3;
    content.words[8] = 0xF3;
    content.words[20] = 0x31 + 2 * 2048;
    if (withGrades)
        for (int w = 31; w <= 64; ++w)
            content.words[w] = 0x8A8B8C8D;
    return test::assemble(content);
}

// A model with a choice of its own, grades and a changed flag: whatever a
// refused file would disturb shows.
Model loadedModel()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    FileContent content;
    content.school = QStringLiteral("Vorher-Gymnasium");
    content.name = QStringLiteral("Vorher, Vera");
    content.words = test::presetWords(66);
    content.words[3] = 0xF7;
    content.words[17] = 0xF3;
    content.words[12] = 0xF3;
    content.words[40] = 0x01020304;
    readBytes(m, ui, test::assemble(content), true);
    m.Modified = 1;
    m.CurrentFile = QStringLiteral("/tmp/vorher.tnd");
    return m;
}

qint32 wordAt(const QByteArray &b, int pos)
{
    return qint32(quint32(quint8(b[pos])) | quint32(quint8(b[pos + 1])) << 8
                  | quint32(quint8(b[pos + 2])) << 16 | quint32(quint8(b[pos + 3])) << 24);
}

// Offsets of the length words of every string of a current file.
QList<int> stringOffsets(const QByteArray &b)
{
    QList<int> out;
    int pos = 4;
    auto text = [&] {
        out << pos;
        pos += 4 + wordAt(b, pos);
    };
    for (int i = 0; i < 5; ++i)
        text(); // school and the four languages
    pos += 1;
    text();
    pos += 2;
    text();
    pos += 4; // name check value
    for (int i = 0; i < 4; ++i)
        text();
    return out;
}

QString expectedText(ReadStatus status)
{
    switch (status) {
    case ReadStatus::VersionError:
        return QStringLiteral("Datei- und Programmversion nicht kompatibel");
    case ReadStatus::DataError:
        return QStringLiteral("Datenfehler");
    case ReadStatus::InputOutputError:
        return QStringLiteral("Datei-E/A-Fehler");
    default:
        return QString();
    }
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTruncation_data();
    void everyTruncation();
    void absurdLengths_data();
    void absurdLengths();
    void randomByteChanges();

private:
    Model m_before;
};

void TestBadInput::initTestCase()
{
    m_before = loadedModel();
    QCOMPARE(m_before.SchoolName, QStringLiteral("Vorher-Gymnasium"));
    QVERIFY(m_before.Choice[Core][17]);
}

void TestBadInput::everyTruncation_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::newRow("tmd") << false;
    QTest::newRow("tnd") << true;
}

void TestBadInput::everyTruncation()
{
    QFETCH(bool, withGrades);
    const QByteArray file = validFile(withGrades);
    {
        Model m = m_before;
        ScriptedInteraction ui;
        QCOMPARE(readBytes(m, ui, file, withGrades), ReadStatus::Loaded);
    }
    for (qsizetype size = 0; size < file.size(); ++size) {
        Model m = m_before;
        ScriptedInteraction ui;
        const ReadStatus status = readBytes(m, ui, file.left(size), withGrades);
        QVERIFY2(status == ReadStatus::InputOutputError, qPrintable(QString::number(size)));
        QCOMPARE(ui.boxes.size(), 1);
        QCOMPARE(int(ui.boxes[0].kind), int(BoxKind::Error));
        QCOMPARE(ui.boxes[0].text, brokenFileText(size == 0 ? EmptyCause : TruncatedCause));
        const QString diff = test::modelDiff(m, m_before);
        QVERIFY2(diff.isEmpty(), qPrintable(QString::number(size) + u' ' + diff));
    }
}

void TestBadInput::absurdLengths_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<qint64>("length");
    for (bool grades : {false, true}) {
        const char *kind = grades ? "tnd" : "tmd";
        QTest::addRow("%s -1", kind) << grades << qint64(-1);
        QTest::addRow("%s 256", kind) << grades << qint64(256);
        QTest::addRow("%s 2^31-1", kind) << grades << qint64(2147483647);
        QTest::addRow("%s -2^31", kind) << grades << qint64(-2147483647 - 1);
    }
}

void TestBadInput::absurdLengths()
{
    QFETCH(bool, withGrades);
    QFETCH(qint64, length);
    const QByteArray file = validFile(withGrades);
    const QList<int> offsets = stringOffsets(file);
    QCOMPARE(offsets.size(), 11);
    for (int offset : offsets) {
        QByteArray bad = file;
        const quint32 bits = quint32(length);
        for (int i = 0; i < 4; ++i)
            bad[offset + i] = char((bits >> (8 * i)) & 0xFF);
        Model m = m_before;
        ScriptedInteraction ui;
        QCOMPARE(readBytes(m, ui, bad, withGrades), ReadStatus::InputOutputError);
        QCOMPARE(ui.boxes.size(), 1);
        QCOMPARE(ui.boxes[0].text, brokenFileText(TruncatedCause));
        QCOMPARE(test::modelDiff(m, m_before), QString());
    }
}

void TestBadInput::randomByteChanges()
{
    QRandomGenerator random(20091015);
    const QByteArray files[2] = {validFile(false), validFile(true)};
    int refused = 0;
    for (int n = 0; n < 10000; ++n) {
        const bool withGrades = n % 2 == 1;
        QByteArray bad = files[withGrades];
        const int pos = int(random.bounded(bad.size()));
        bad[pos] = char(quint8(bad[pos]) ^ quint8(1 + random.bounded(255)));
        Model m = m_before;
        ScriptedInteraction ui;
        const ReadStatus status = readBytes(m, ui, bad, withGrades);
        const QString where = QStringLiteral("change %1 at %2").arg(n).arg(pos);
        if (status == ReadStatus::Loaded) {
            // A changed choice word or text is a file like any other.
            QVERIFY2(ui.boxes.size() <= 1, qPrintable(where));
            continue;
        }
        ++refused;
        QVERIFY2(ui.boxes.size() == 1 && ui.boxes[0].text.section(u'\n', 0, 0) == expectedText(status), qPrintable(where));
        const QString diff = test::modelDiff(m, m_before);
        QVERIFY2(diff.isEmpty(), qPrintable(where + u' ' + diff));
    }
    // Headers, lengths and names are most of a file.
    QVERIFY(refused > 1000);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
