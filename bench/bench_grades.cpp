// The grades window's computation for a complete graded record.

#include "BenchSupport.h"

#include "grades/Grades.h"
#include "grades/GradesView.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tamb;

void BlockIAdmissionBlockII(benchmark::State &state)
{
    Model m = bench::gradedModel();
    GradesView g;
    RefreshGrades(m, g, m.GridRows);
    quint16 flags = 0;
    for (auto _ : state) {
        const BlockIValues v = ComputeBlockI(m, g);
        flags = AdmissionFlagsFor(v);
        ComputeBlockII(m, g);
        benchmark::DoNotOptimize(flags);
        benchmark::DoNotOptimize(g.PSAbiblockPl.text.size());
    }
    if (flags != 0)
        state.SkipWithError("the record is not admitted");
}
BENCHMARK(BlockIAdmissionBlockII)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
