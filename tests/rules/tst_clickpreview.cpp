#include "RandomClicks.h"

#include "model/History.h"
#include "rules/ChoiceCheck.h"
#include "rules/ClickPreview.h"

#include <QTest>

using namespace tamb;
using namespace tamb::test;

namespace {

const char *const KindNames[] = {"no change", "refused", "question", "dialog", "change"};

QString outcomeText(ClickKind kind, const QString &hint, const QString &question,
                 const Shortfall *after)
{
    QString s = QStringLiteral("%1 hint \"%2\" question \"%3\"")
                    .arg(QLatin1String(KindNames[int(kind)]), hint, question);
    if (after)
        s += QStringLiteral(" mask %1 core %2 written %3 hours %4 countable %5")
                 .arg(after->mask).arg(after->missingCore).arg(after->missingWritten)
                 .arg(after->weeklyHours).arg(after->countable);
    return s;
}

QString predicted(const ClickOutcome &o)
{
    return outcomeText(o.kind, o.hint, o.question, o.kind == ClickKind::Change ? &o.after : nullptr);
}

// What the click into `m` did, seen from outside: the boxes and windows it
// opened, its beep and hint, and whether the state changed.
QString observed(Model &m, ScriptedInteraction &ui, const Step &s)
{
    Model before = m;
    Refresh(before, ui);
    const int beeps = ui.beeps;
    const qsizetype boxes = ui.boxes.size();
    const qsizetype windows = ui.windows.size();
    play(m, ui, s);
    const QString hint = m.view.hintShown ? m.view.hint : QString();
    const QString question = ui.boxes.size() > boxes ? ui.boxes[boxes].text : QString();
    ClickKind kind = ClickKind::NoChange;
    Model after = m;
    const Shortfall shortfall = ShortfallOf(after);
    if (ui.windows.size() > windows)
        kind = ClickKind::Dialog;
    else if (ui.boxes.size() > boxes)
        kind = ClickKind::Question;
    else if (!SameState(before, m))
        kind = ClickKind::Change;
    else if (ui.beeps > beeps || !hint.isEmpty())
        kind = ClickKind::Refused;
    return outcomeText(kind, hint, question, kind == ClickKind::Change ? &shortfall : nullptr);
}

} // namespace

class TestClickPreview : public QObject
{
    Q_OBJECT
private slots:
    void predictsTheClick_data();
    void predictsTheClick();
};

void TestClickPreview::predictsTheClick_data()
{
    QTest::addColumn<int>("state");
    for (int i = 0; i < startStates().size(); ++i)
        QTest::newRow(startStates()[i].name) << i;
}

// Random runs: before every step the whole table is previewed on the model
// as it is; the step's own cell must then do exactly what its preview said,
// and the preview leaves the model untouched.
void TestClickPreview::predictsTheClick()
{
    QFETCH(int, state);
    const StartState &start = startStates()[state];
    constexpr int Steps = 150;
    constexpr int RunLength = 50;
    QRandomGenerator rng(0x5C1C0000u + quint32(state));
    Model m;
    ScriptedInteraction ui;
    QList<Step> run;
    int previewed = 0;
    for (int i = 0; i < Steps; ++i) {
        if (i % RunLength == 0) {
            m = start.make();
            run.clear();
        }
        const Step step = randomStep(rng);
        run.append(step);
        const Model kept = m;
        const ClickPreview preview(m);
        QVERIFY(m == kept);
        if (!preview.contains(step.col, step.row)) {
            play(m, ui, step);
            continue;
        }
        ++previewed;
        const QString expected = predicted(preview.at(step.col, step.row));
        const QString actual = observed(m, ui, step);
        if (expected != actual)
            QFAIL(qPrintable(QStringLiteral("after %1:\npredicted %2\nclicked   %3")
                                 .arg(describe(run), expected, actual)));
    }
    QVERIFY(previewed > Steps / 2);
}

QTEST_GUILESS_MAIN(TestClickPreview)
#include "tst_clickpreview.moc"
