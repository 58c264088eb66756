#include "TestSupport.h"

#include "files/SelectionFile.h"
#include "rules/Dispatch.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace tamb;

// Inputs that once made a reader misbehave: each must be read or refused
// cleanly (the sanitizers watch), and a refusal must leave the model alone.
class TestFuzzRegressions : public QObject
{
    Q_OBJECT
private slots:
    void readsCleanly_data();
    void readsCleanly();
};

void TestFuzzRegressions::readsCleanly_data()
{
    QTest::addColumn<QString>("path");
    // Resolved by name: the data folder itself need not exist.
    const QDir root(QDir::cleanPath(QStringLiteral(TAMBERON_TEST_DATA "/../../fuzz/regressions")));
    for (const QString &kind : {QStringLiteral("tmd"), QStringLiteral("tnd")}) {
        const QDir dir(root.filePath(kind));
        for (const QFileInfo &file : dir.entryInfoList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(kind + u'/' + file.fileName())) << file.filePath();
    }
    // The first finding: choice word 0 holding the smallest integer.
    QVERIFY(QFileInfo::exists(root.filePath(QStringLiteral("tmd/word0-int-min.tmd"))));
}

void TestFuzzRegressions::readsCleanly()
{
    QFETCH(QString, path);
    const bool withGrades = path.endsWith(QStringLiteral(".tnd"));
    Model m = test::startedModel();
    const Model before = m;
    ScriptedInteraction ui;
    const ReadStatus status = ReadSelection(m, ui, path, withGrades);
    Refresh(m, ui);
    if (status != ReadStatus::Loaded) {
        QCOMPARE(test::dump(m.FaecherSgr), test::dump(before.FaecherSgr));
        QCOMPARE(m.PersonalData, before.PersonalData);
    }
    for (int row = 1; row <= SubjectCount; ++row)
        for (int col = 4; col <= 7; ++col) {
            bool ok = true;
            const QString &text = m.FaecherSgr.cell(col, row);
            if (!text.isEmpty())
                cellNumber(text, &ok);
            QVERIFY2(ok, qPrintable(text));
        }
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
