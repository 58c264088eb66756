// The recovery cycle: changes kept, a crash, the next start asks; and when the file is written.
#include "StartedWindow.h"

#include "files/Recovery.h"
#include "model/History.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

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
    QVERIFY(crashed.Modified != 0);
    const QString own = first->window->recoveryFile();
    QVERIFY(QFileInfo::exists(own));

    // A crash leaves the file without a running owner.
    QString orphan = own;
    if (left != u"running") {
        orphan = QFileInfo(own).dir().filePath(QStringLiteral("wahl-abgestuerzt.tmr"));
        if (left == u"damaged") {
            QFile file(orphan);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(300, 'x'));
        } else {
            QVERIFY(QFile::copy(own, orphan));
        }
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
    if (asked) {
        QCOMPARE(int(second.ui.boxes[0].kind), int(BoxKind::Confirmation));
        QVERIFY(second.ui.boxes[0].text.startsWith(
            QStringLiteral("Nicht gespeicherte Änderungen vom ")));
        QVERIFY(!QFileInfo::exists(orphan));
    }
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
    RecoveryKeeper keeper(dir.path());
    Model m = test::startedModel();
    const auto written = [&keeper] {
        QFile file(keeper.path());
        return file.open(QIODevice::ReadOnly) ? DecodeRecovery(file.readAll()) : std::nullopt;
    };
    m.Modified = 1;
    m.SchoolName = QStringLiteral("eins");
    QVERIFY(keeper.changed(m, 0));
    m.SchoolName = QStringLiteral("zwei");
    QVERIFY(keeper.changed(m, 400));
    QCOMPARE(written()->model.SchoolName, QStringLiteral("eins"));
    QVERIFY(keeper.tick(m, 1000));
    QCOMPARE(written()->model.SchoolName, QStringLiteral("zwei"));
    m.SchoolName = QStringLiteral("drei");
    QVERIFY(keeper.tick(m, 30000));
    QCOMPARE(written()->model.SchoolName, QStringLiteral("zwei"));
    QVERIFY(keeper.tick(m, 31000));
    QCOMPARE(written()->model.SchoolName, QStringLiteral("drei"));
    m.Modified = 0;
    QVERIFY(keeper.changed(m, 31100));
    QVERIFY(!QFileInfo::exists(keeper.path()));
}

QTEST_MAIN(TestRecovery)
#include "tst_ui_recovery.moc"
