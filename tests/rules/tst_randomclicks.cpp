#include "RandomClicks.h"

#include <QElapsedTimer>
#include <QTest>

#include <functional>

using namespace tamb;
using namespace tamb::test;

namespace {

bool isHours(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return false;
    return true;
}

// The invariants every click keeps; empty when all hold.
QString brokenInvariant(const Model &m)
{
    for (int row = 1; row <= SubjectCount; ++row)
        for (int col = 4; col <= 7; ++col) {
            const QString &t = m.FaecherSgr.cell(col, row);
            if (!t.isEmpty() && !isHours(t))
                return QStringLiteral("cell (%1,%2) \"%3\"").arg(col).arg(row).arg(t);
        }
    if (CountChosen(m, SubjectCount, Core) > 5)
        return QStringLiteral("more than 5 core subjects");
    if (CountChosen(m, SubjectCount, Written) > 4)
        return QStringLiteral("more than 4 written subjects");
    if (CountChosen(m, SubjectCount, Oral) > 1)
        return QStringLiteral("more than 1 oral subject");
    for (int r = 1; r < SubjectCount; ++r)
        if (m.Choice[Written][r] && !m.Choice[Core][r])
            return QStringLiteral("written row %1 is no core subject").arg(r);
    return {};
}

// Further consistency the rules keep: the core slots, the fixed subjects,
// exam roles only on subjects that are taken, hours exactly where courses are.
QString brokenConsistency(const Model &m)
{
    int inSlots = 0;
    for (int k = 3; k <= 5; ++k) {
        const int r = m.CoreSlots[k];
        if (r == 0)
            continue;
        ++inSlots;
        if (!m.Choice[Core][r])
            return QStringLiteral("slot %1 holds row %2, no core subject").arg(k).arg(r);
    }
    if (CountChosen(m, SubjectCount, Core) != 2 + inSlots)
        return QStringLiteral("core subjects outside the slots");
    for (int r : {1, 8, 15})
        if (!m.Choice[Taken][r])
            return QStringLiteral("row %1 dropped").arg(r);
    if (!m.Allowed[0][5])
        for (int col = 4; col <= 7; ++col)
            if (m.Choice[col][5] || !m.FaecherSgr.cell(col, 5).isEmpty())
                return QStringLiteral("courses in a language not offered");
    for (int r = 1; r < SubjectCount; ++r) {
        if (r == m.BLLRow)
            continue; // the oral role may come before the dialog's answer
        if (m.Choice[Oral][r] && !m.Choice[Taken][r])
            return QStringLiteral("oral row %1 not taken").arg(r);
        if (m.Choice[Written][r] && !m.Choice[Taken][r])
            return QStringLiteral("written row %1 not taken").arg(r);
        if (m.Choice[Core][r] && !m.Choice[Taken][r])
            return QStringLiteral("core row %1 not taken").arg(r);
        if (m.Choice[Oral][r] != (m.FaecherSgr.cell(3, r) == QStringLiteral(" m")))
            return QStringLiteral("oral flag and mark of row %1 differ").arg(r);
        for (int col = 4; col <= 7; ++col)
            if (m.Choice[col][r] && m.FaecherSgr.cell(col, r).isEmpty())
                return QStringLiteral("course (%1,%2) without hours").arg(col).arg(r);
        for (int col = 4; col <= 7; ++col)
            if (!m.Choice[col][r] && !m.FaecherSgr.cell(col, r).isEmpty())
                return QStringLiteral("hours (%1,%2) without course").arg(col).arg(r);
    }
    return {};
}

// The exam overview names exactly the roles held: every name stands for a
// subject that holds the role of its cell, and every role held is shown.
// The special learning achievement holds the oral role only while chosen.
QString brokenOverview(const Model &m)
{
    const TextGrid &p = m.PfaecherSgr;
    const QString blanks = QStringLiteral("   ");
    int written = 0;
    for (int r = 1; r < SubjectCount; ++r)
        written += m.Choice[Written][r] ? 1 : 0;
    int placeholders = 0;
    for (int k = 3; k <= 5; ++k) {
        const int r = m.CoreSlots[k];
        const bool core = r != 0 && m.Choice[Core][r] && m.Choice[Taken][r];
        if (p.cell(1, k) != (core ? blanks + m.name(r) : QString()))
            return QStringLiteral("core cell (1,%1) \"%2\"").arg(k).arg(p.cell(1, k));
        const QString &exam = p.cell(4, k);
        if (core && m.Choice[Written][r]) {
            if (exam != blanks + m.name(r))
                return QStringLiteral("written cell (4,%1) \"%2\"").arg(k).arg(exam);
        } else if (exam == QStringLiteral(" -----")) {
            if (written != 4 || ++placeholders > 1)
                return QStringLiteral("placeholder in (4,%1) with %2 written").arg(k).arg(written);
        } else if (!exam.isEmpty()) {
            return QStringLiteral("written cell (4,%1) \"%2\"").arg(k).arg(exam);
        }
        if (!p.cell(2, k).isEmpty() || !p.cell(3, k).isEmpty())
            return QStringLiteral("text in column 2 or 3 of row %1").arg(k);
    }
    if (written == 4 && placeholders == 0)
        return QStringLiteral("four written subjects, no placeholder");
    for (int r = 1; r < SubjectCount; ++r) {
        if (r == 1 || r == 15 || !m.Choice[Core][r])
            continue;
        bool shown = false;
        for (int k = 3; k <= 5; ++k)
            shown = shown || p.cell(1, k) == blanks + m.name(r);
        if (!shown)
            return QStringLiteral("core row %1 not shown").arg(r);
    }
    int oral = 0;
    for (int r = 1; r < SubjectCount; ++r)
        if (m.Choice[Oral][r] && m.Choice[Taken][r])
            oral = r;
    if (p.cell(4, 6) != (oral ? blanks + m.name(oral) : QString()))
        return QStringLiteral("oral cell (4,6) \"%1\"").arg(p.cell(4, 6));
    if (p.cell(3, 6) != (oral ? QStringLiteral(" m P") : QString()) || !p.cell(2, 6).isEmpty())
        return QStringLiteral("oral cells (2,6) \"%1\" (3,6) \"%2\"")
            .arg(p.cell(2, 6), p.cell(3, 6));
    return {};
}

// Saved and opened again, the choice shows the same overview.
QString brokenRoundTrip(const Model &m)
{
    const QString reopened = test::reopenedOverview(m);
    const QString shown = test::dump(m.PfaecherSgr);
    if (reopened != shown)
        return QStringLiteral("overview after opening:\n%1instead of\n%2").arg(reopened, shown);
    return {};
}

// Shortest sequence found by dropping steps one at a time that still breaks `check`.
QList<Step> shrink(const StartState &start, QList<Step> steps,
                   const std::function<QString(const Model &)> &check)
{
    auto fails = [&](const QList<Step> &seq) {
        Model m = start.make();
        ScriptedInteraction ui;
        for (const Step &s : seq) {
            play(m, ui, s);
            if (!check(m).isEmpty())
                return true;
        }
        return false;
    };
    for (bool shorter = true; shorter;) {
        shorter = false;
        for (qsizetype i = steps.size() - 1; i >= 0; --i) {
            QList<Step> candidate = steps;
            candidate.removeAt(i);
            if (fails(candidate)) {
                steps = candidate;
                shorter = true;
            }
        }
    }
    return steps;
}

} // namespace

class TestRandomClicks : public QObject
{
    Q_OBJECT
private slots:
    void randomClicks_data();
    void randomClicks();
    void formerDeviations();
};

void TestRandomClicks::randomClicks_data()
{
    QTest::addColumn<int>("state");
    for (int i = 0; i < startStates().size(); ++i)
        QTest::newRow(startStates()[i].name) << i;
}

// Random clicks anywhere, random answers, now and then the BLL dialog: no
// crash, no undefined behaviour (sanitizer build), and after every click
// the invariants hold. A run restarts from its state every few hundred clicks.
void TestRandomClicks::randomClicks()
{
    QFETCH(int, state);
    const StartState &start = startStates()[state];
    constexpr int Clicks = 20000; // per start state; five states
    constexpr int RunLength = 400;
    constexpr int RoundTripEvery = 7;
    QRandomGenerator rng(0x7A3B0000u + quint32(state));
    QElapsedTimer timer;
    timer.start();

    Model m = start.make();
    ScriptedInteraction ui;
    QList<Step> run;
    for (int i = 0; i < Clicks; ++i) {
        if (i % RunLength == 0) {
            m = start.make();
            ui.reset();
            run.clear();
        }
        const Step step = test::randomStep(rng);
        run.append(step);
        play(m, ui, step);
        // A dialog closed without a form leaves no oral flag on the achievement.
        if (step.col == DialogStep - 2 && !m.Choice[Taken][m.BLLRow] && m.Choice[Oral][m.BLLRow])
            QFAIL(qPrintable(QStringLiteral("oral flag on the achievement after ")
                             + describe(run)));
        for (const auto &check : {brokenInvariant, brokenConsistency, brokenOverview}) {
            const QString broken = check(m);
            if (!broken.isEmpty())
                QFAIL(qPrintable(broken + QStringLiteral(" after ")
                                 + describe(shrink(start, run, check))));
        }
        if (i % RoundTripEvery == 0) {
            const QString broken = brokenRoundTrip(m);
            if (!broken.isEmpty())
                QFAIL(qPrintable(broken + QStringLiteral(" after ")
                                 + describe(shrink(start, run, brokenRoundTrip))));
        }
    }
    qInfo("%d clicks in %lld ms", Clicks, timer.elapsed());
}

// Two cases the random runs once found, kept as they are now mended.
void TestRandomClicks::formerDeviations()
{
    // Sport as core subject, one half-year clicked away: no longer chosen,
    // so no longer core either; the courses left are two-hour courses and
    // sport cannot be made written.
    Model m = test::startedModel();
    ScriptedInteraction ui;
    for (const Step &s : {Step{1, 19, false}, Step{5, 19, false}, Step{2, 19, false}})
        play(m, ui, s);
    QVERIFY(!m.Choice[Taken][19]);
    QVERIFY(!m.Choice[Core][19]);
    QVERIFY(!m.Choice[Written][19]);
    QCOMPARE(test::coreSlots(m), QStringLiteral("0,0,0"));
    QCOMPARE(test::rowState(m, 19), QStringLiteral("----1-34||||2||2|2"));
    QCOMPARE(m.view.hint, QStringLiteral("Sport ist kein Kernfach und kann deshalb\n\r"
                                         "kein schriftliches Prüfungsfach sein!"));

    // Gemeinschaftskunde raised to four hours as a sixth four-hour subject:
    // "4" only in its two courses, half-years 1 and 4.
    m = clicked(test::startedModel(), {{1, 2}, {1, 16}, {1, 8}});
    ui.reset();
    play(m, ui, {1, 9, true});
    QCOMPARE(test::rowState(m, 9), QStringLiteral("T---1--4||||4|||4"));
    QCOMPARE(m.WostSgr.cell(1, 0), QStringLiteral("26"));
    QCOMPARE(m.WostSgr.cell(2, 0), QStringLiteral("24"));
    QCOMPARE(m.WostSgr.cell(3, 0), QStringLiteral("24"));
    QCOMPARE(m.WostSgr.cell(4, 0), QStringLiteral("26"));
}

QTEST_GUILESS_MAIN(TestRandomClicks)
#include "tst_randomclicks.moc"
