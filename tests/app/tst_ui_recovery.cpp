// The recovery cycle: changes kept, a crash, the next start asks; and when the file is written.
#include "StartedWindow.h"

#include "files/Recovery.h"
#include "files/SafeRead.h"
#include "model/History.h"

#include <QFile>
#include <QFileInfo>

using namespace tamb;

class TestRecovery : public QObject
{
    Q_OBJECT
private slots:
    void cycle_data();
    void cycle();
    void writesAtMostOnceASecond();
};

void TestRecovery::cycle_data()
{
    QTest::addColumn<QString>("left"); // what the first run leaves
    QTest::addColumn<int>("answer");
    QTest::newRow("crash, Ja") << "crash" << int(Answer::Yes);
    QTest::newRow("crash, Nein") << "crash" << int(Answer::No);
    QTest::newRow("damaged file") << "damaged" << int(Answer::Yes);
    QTest::newRow("still running") << "running" << int(Answer::Yes);
}

void TestRecovery::cycle()
{
    QFETCH(QString, left);
    QFETCH(int, answer);
    auto first = std::make_unique<test::StartedWindow>();
    first->window->clickCourseTable(0, 9);
    first->window->clickCourseTable(4, 9);
    const Model crashed = first->model();
    const QString own = first->window->recoveryFile();

    // A crash leaves the file without a running owner.
    QString orphan = own;
    if (left != u"running") {
        orphan = QFileInfo(own).dir().filePath(QStringLiteral("wahl-abgestuerzt.tmr"));
        QVERIFY(left == u"damaged" ? bool(WriteWholeFile(orphan, QByteArray(300, 'x')))
                                   : QFile::copy(own, orphan));
        first.reset();
        QVERIFY(!QFileInfo::exists(own)); // a clean end takes its own file
    }

    test::StartedWindow second;
    const Model fresh = second.model();
    second.ui.boxes.clear(); // those of the start
    second.ui.answers = {Answer(answer)};
    const bool restored = second.window->offerRecovery();
    const bool asked = left == u"crash";
    QCOMPARE(second.ui.boxes.size(), asked ? 1 : 0);
    QCOMPARE(restored, asked && answer == int(Answer::Yes));
    if (asked)
        QVERIFY(second.ui.boxes[0].text.startsWith(QStringLiteral("Nicht gespeicherte Änderungen vom ")));
    const Model &expected = restored ? crashed : fresh;
    QVERIFY(SameState(second.model(), expected));
    QCOMPARE(second.model().Modified, expected.Modified);
    // Restored changes are kept again, in the second run's own file.
    QCOMPARE(QFileInfo::exists(second.window->recoveryFile()), restored);
    QCOMPARE(QFileInfo::exists(orphan + QStringLiteral(".defekt")), left == u"damaged");
    QCOMPARE(QFileInfo::exists(orphan), left == u"running");
    QFile::remove(orphan + QStringLiteral(".defekt"));
}

void TestRecovery::writesAtMostOnceASecond()
{
    QTemporaryDir dir;
    // Nothing on the disk before the first change: the start does not wait for it.
    const QString folder = dir.filePath(QStringLiteral("Wiederherstellung"));
    RecoveryKeeper keeper(folder);
    Model m = test::startedModel();
    QVERIFY(keeper.changed(m, 0));
    QVERIFY(!QFileInfo::exists(folder));
    m.Modified = 1;
    // At ms, a step or the timer with the school `now`; the file then holds `kept`.
    const struct { qint64 ms; bool step; const char *now; const char *kept; } moments[] = {
        {0, true, "eins", "eins"}, {400, true, "zwei", "eins"}, {1000, false, "zwei", "zwei"},
        {30000, false, "drei", "zwei"}, {31000, false, "drei", "drei"}};
    for (const auto &t : moments) {
        m.SchoolName = QString::fromUtf8(t.now);
        QVERIFY(t.step ? keeper.changed(m, t.ms) : keeper.tick(m, t.ms));
        const auto kept = DecodeRecovery(ReadWholeFile(keeper.path(), 1 << 20).bytes);
        QCOMPARE(kept->model.SchoolName, QString::fromUtf8(t.kept));
    }
    m.Modified = 0;
    QVERIFY(keeper.changed(m, 31100));
    QVERIFY(!QFileInfo::exists(keeper.path()));
}

QTEST_MAIN(TestRecovery)
#include "tst_ui_recovery.moc"
