// One click in the course table and the refresh it triggers.

#include "BenchSupport.h"

#include "model/ScriptedInteraction.h"
#include "rules/ClickPreview.h"
#include "rules/Dispatch.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace tamb;
using Clock = std::chrono::steady_clock;

// The whole way from a new form to a complete choice; the reported time is
// the mean time of one click of the way. Copying the new form is not timed.
void ClickAndRefresh(benchmark::State &state)
{
    const Model start = bench::startedModel();
    const auto &clicks = bench::completionClicks();
    ScriptedInteraction ui;
    for (auto _ : state) {
        Model m = start;
        ui.beeps = 0;
        const auto t0 = Clock::now();
        for (const bench::Cell &c : clicks)
            FaecherSgrMouseDown(m, ui, c.col, c.row);
        const auto t1 = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count()
                               / double(clicks.size()));
        if (!bench::isComplete(m)) {
            state.SkipWithError("the clicks did not complete the choice");
            break;
        }
    }
    state.counters["clicks"] = double(clicks.size());
}
BENCHMARK(ClickAndRefresh)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The refresh alone, on the complete choice (Block I preview included).
void RefreshComplete(benchmark::State &state)
{
    Model m = bench::completeModel();
    ScriptedInteraction ui;
    for (auto _ : state) {
        Refresh(m, ui);
        benchmark::DoNotOptimize(m.view.menusEnabled);
    }
    if (!bench::isComplete(m))
        state.SkipWithError("the choice is not complete");
}
BENCHMARK(RefreshComplete)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The refresh and then the outcome of a click into each of the 232 cells
// of the table, as the main window computes it after every change.
void refreshWithPreview(benchmark::State &state, const Model &start)
{
    Model m = start;
    ScriptedInteraction ui;
    int refused = 0;
    for (auto _ : state) {
        Refresh(m, ui);
        const ClickPreview preview(m);
        benchmark::DoNotOptimize(preview.before().mask);
        refused = 0;
        for (int row = ClickPreview::FirstRow; row <= ClickPreview::LastRow; ++row)
            for (int col = 0; col < ClickPreview::Columns; ++col)
                refused += preview.refused(col, row) ? 1 : 0;
    }
    state.counters["refused"] = refused;
}

void ClickPreviewComplete(benchmark::State &state)
{
    refreshWithPreview(state, bench::completeModel());
}
BENCHMARK(ClickPreviewComplete)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void ClickPreviewNewForm(benchmark::State &state)
{
    refreshWithPreview(state, bench::startedModel());
}
BENCHMARK(ClickPreviewNewForm)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
