#include "TestSupport.h"

#include "model/History.h"
#include "model/MainWindowLogic.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tamb;

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void randomClicksUndoAndRedo_data();
    void randomClicksUndoAndRedo();
    void limitAndNewStepDropsRedo();
    void stepNames_data();
    void stepNames();
};

void TestHistory::randomClicksUndoAndRedo_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2026u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

// Any run of clicks: undoing every step gives back the start, redoing
// every step the end; a click that changes nothing is no step.
void TestHistory::randomClicksUndoAndRedo()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Model m = test::startedModel();
    ScriptedInteraction ui;
    History history;
    const Model start = m;
    int steps = 0;
    Model firstBefore = start;
    for (int i = 0; i < 150; ++i) {
        const Model before = m;
        test::click(m, ui, int(random.bounded(9)), int(random.bounded(1, SubjectCount + 1)));
        const bool changed = !SameState(before, m);
        QCOMPARE(history.record(QStringLiteral("x"), before, m), changed);
        if (changed && steps++ == 0)
            firstBefore = before;
    }
    const Model end = m;
    QCOMPARE(history.undoCount(), steps);
    while (history.undo(m)) {
    }
    QVERIFY(SameState(m, start));
    QCOMPARE(m.Modified, firstBefore.Modified);
    while (history.redo(m)) {
    }
    QVERIFY(SameState(m, end));
    QCOMPARE(m.Modified, end.Modified);
}

void TestHistory::limitAndNewStepDropsRedo()
{
    Model a = test::startedModel();
    History history(History::DefaultLimit);
    QVERIFY(history.limit() >= 100);
    Model b = a;
    for (int i = 0; i < history.limit() + 20; ++i) {
        const Model before = b;
        b.PersonalData.Name = QString::number(i);
        QVERIFY(history.record(QString::number(i), before, b));
    }
    QCOMPARE(history.undoCount(), history.limit());
    QVERIFY(history.undo(b));
    QVERIFY(history.undo(b));
    QCOMPARE(history.redoName(), QString::number(history.limit() + 18));
    const Model before = b;
    b.PersonalData.Name = QStringLiteral("neu");
    QVERIFY(history.record(QStringLiteral("neu"), before, b));
    QVERIFY(!history.canRedo());
    QCOMPARE(history.undoName(), QStringLiteral("neu"));
}

void TestHistory::stepNames_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::newRow("subject") << 0 << 2 << "Englisch";
    QTest::newRow("core") << 1 << 2 << "Englisch Kernfach";
    QTest::newRow("written") << 2 << 2 << "Englisch schriftliches Prüfungsfach";
    QTest::newRow("half-year") << 5 << 2 << "Englisch Halbjahr 2";
}

void TestHistory::stepNames()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, name);
    Model m = test::startedModel();
    FormPaint(m);
    QCOMPARE(ClickStepName(m, col, row), name);
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
