#include "TestSupport.h"

#include "model/ByteIO.h"
#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Model schoolModel(const QString &dir)
{
    Model m = test::startedModel();
    m.ProgDir = dir;
    m.SchoolName = QStringLiteral("Gymnasium Überlingen");
    m.SubjectText[0][3] = QStringLiteral("Spanisch");
    m.SubjectText[0][5] = QStringLiteral("Griechisch");
    m.SubjectText[0][29] = QStringLiteral("Türkisch");
    m.Allowed[0][29] = true;
    m.Allowed[3][29] = false;
    m.FspiHours = QStringLiteral("3");
    return m;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip();
    void bytesAreWindows1252();
    void emptyHours();
    void damagedFileIsMissing_data();
    void damagedFileIsMissing();
    void everyTruncationIsMissing();
    void missingFileWarnsAndOffersNotice();
    void noticeNotShownWithSchoolName();
    void progDirAfterDirectoryChange();
    void failedWriteKeepsOldFile();
};

void TestSettings::roundTrip()
{
    QTemporaryDir dir;
    const Model written = schoolModel(dir.path());
    QVERIFY(WriteSettings(written));

    Model read = test::startedModel();
    read.ProgDir = dir.path();
    QVERIFY(ReadSettings(read));
    QCOMPARE(read.SchoolName, written.SchoolName);
    for (int row : {2, 3, 4, 5, 29})
        QCOMPARE(read.SubjectText[0][row], written.SubjectText[0][row]);
    QCOMPARE(read.Allowed[0][29], true);
    QCOMPARE(read.Allowed[3][29], false);
    QCOMPARE(read.FspiHours, QStringLiteral("3"));
    QCOMPARE(read.view.title, QStringLiteral("Gymnasium Überlingen - Tamberon für die Oberstufe"));
}

void TestSettings::bytesAreWindows1252()
{
    QTemporaryDir dir;
    Model m = test::startedModel();
    m.ProgDir = dir.path();
    m.SchoolName = QStringLiteral("Gö");
    m.FspiHours = QStringLiteral("4");
    QVERIFY(WriteSettings(m));
    const QByteArray bytes = fileBytes(QDir(dir.path()).filePath("Tamberon.tme"));
    QCOMPARE(bytes.left(6), QByteArray::fromHex("0200000047f6"));
    // Französisch: 11 bytes, ö as the single byte F6.
    const qsizetype french = 6 + 4 + 8;
    QCOMPARE(bytes.mid(french, 4), QByteArray::fromHex("0b000000"));
    QCOMPARE(bytes.mid(french + 4, 11), QByteArray("Franz\xf6sisch"));
    // Flags, then "4".
    QCOMPARE(bytes.right(7), QByteArray::fromHex("0000" "01000000" "34"));
}

void TestSettings::emptyHours()
{
    QTemporaryDir dir;
    Model m = test::startedModel();
    m.ProgDir = dir.path();
    m.FspiHours.clear();
    QVERIFY(WriteSettings(m));
    QCOMPARE(fileBytes(SettingsPath(m)).right(4), QByteArray(4, '\0'));
    m.FspiHours = QStringLiteral("2");
    QVERIFY(ReadSettings(m));
    QVERIFY(m.FspiHours.isEmpty());
}

void TestSettings::damagedFileIsMissing_data()
{
    QTest::addColumn<qint32>("length");
    QTest::newRow("-1") << qint32(-1);
    QTest::newRow("256") << qint32(256);
    QTest::newRow("2^31-1") << qint32(0x7fffffff);
    QTest::newRow("beyond the end") << qint32(200);
}

void TestSettings::damagedFileIsMissing()
{
    QFETCH(qint32, length);
    QTemporaryDir dir;
    const Model good = schoolModel(dir.path());
    ByteWriter w;
    w.writeString(QStringLiteral("Schule"));
    w.writeInt32(length);
    w.writeString(QStringLiteral("x"));
    writeBytes(SettingsPath(good), w.data());

    Model m = test::startedModel();
    m.ProgDir = dir.path();
    const Model before = m;
    QVERIFY(!ReadSettings(m));
    QCOMPARE(m.SchoolName, before.SchoolName);
    QCOMPARE(m.SubjectText[0][2], before.SubjectText[0][2]);
    QCOMPARE(m.view.title, before.view.title);
}

void TestSettings::everyTruncationIsMissing()
{
    QTemporaryDir dir;
    const Model good = schoolModel(dir.path());
    const QByteArray full = EncodeSettings(good);
    for (qsizetype size = 0; size < full.size(); ++size) {
        Model m = test::startedModel();
        QVERIFY2(!DecodeSettings(m, full.left(size)), qPrintable(QString::number(size)));
        QCOMPARE(m.SchoolName, NoSchool);
        QCOMPARE(m.SubjectText[0][29], NotOffered);
        QVERIFY(!m.Allowed[0][29]);
    }
    Model m = test::startedModel();
    QVERIFY(DecodeSettings(m, full));
    QCOMPARE(m.SchoolName, good.SchoolName);
}

void TestSettings::missingFileWarnsAndOffersNotice()
{
    QTemporaryDir dir;
    Model m = test::startedModel();
    m.ProgDir = dir.path();
    ScriptedInteraction ui;
    ReadSettingsOrWarn(m, ui);
    QCOMPARE(ui.boxes.size(), 1);
    QCOMPARE(ui.boxes[0].kind, BoxKind::Warning);
    QCOMPARE(ui.boxes[0].text, SettingsMissingWarning);
    QVERIFY(ui.boxes[0].text.contains(QStringLiteral("\n\r         (Einstellungen)")));
    QVERIFY(m.view.settingsNotice);
}

void TestSettings::noticeNotShownWithSchoolName()
{
    QTemporaryDir dir;
    Model m = test::startedModel();
    m.ProgDir = dir.path();
    m.SchoolName = QStringLiteral("Schule am See");
    ScriptedInteraction ui;
    ReadSettingsOrWarn(m, ui);
    QCOMPARE(ui.boxes.size(), 1);
    QVERIFY(!m.view.settingsNotice);

    Model seen = test::startedModel();
    seen.ProgDir = dir.path();
    seen.SettingsSeen = true;
    ReadSettingsOrWarn(seen, ui);
    QVERIFY(!seen.view.settingsNotice);
}

void TestSettings::progDirAfterDirectoryChange()
{
    QTemporaryDir progDir;
    QTemporaryDir elsewhere;
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(progDir.path()));
    Model m = schoolModel(QDir::currentPath());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QVERIFY(WriteSettings(m));
    QVERIFY(QFile::exists(QDir(progDir.path()).filePath("Tamberon.tme")));
    QVERIFY(!QFile::exists(QDir(elsewhere.path()).filePath("Tamberon.tme")));
    Model read = test::startedModel();
    read.ProgDir = m.ProgDir;
    QVERIFY(ReadSettings(read));
    QCOMPARE(read.SchoolName, m.SchoolName);
    QDir::setCurrent(start);
}

void TestSettings::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    Model m = schoolModel(dir.path());
    QVERIFY(WriteSettings(m));
    const QByteArray before = fileBytes(SettingsPath(m));
    m.ProgDir = QDir(dir.path()).filePath(QStringLiteral("missing/folder"));
    QVERIFY(!WriteSettings(m));
    m.ProgDir = dir.path();
    QCOMPARE(fileBytes(SettingsPath(m)), before);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
