// The year group window over the 2 000 files: read and counted, then sorted
// and filtered.

#include "BenchSupport.h"

#include "yeargroup/Parallel.h"
#include "yeargroup/YearGroup.h"
#include "yeargroup/ui/YearGroupModels.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

namespace {

using namespace tamb;

// Listed, read on all cores and counted, as the window does it (without the window).
void YearGroupReadCount(benchmark::State &state)
{
    bench::checkedFiles();
    for (auto _ : state) {
        const QStringList files = check::selectionFilesIn(bench::programDir(), false);
        check::YearGroupReader reader(bench::programDir(), files, check::readingWorkers());
        reader.run();
        const std::vector<check::PupilRecord> records = reader.takeRecords();
        benchmark::DoNotOptimize(check::statisticsOf(records).pupils());
    }
}
BENCHMARK(YearGroupReadCount)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The whole window in its own process: main window, then the year group
// window until its list is read, counted and painted; its peak memory.
void YearGroupWindowShown(benchmark::State &state)
{
    bench::checkedFiles();
    const QRegularExpression report(QStringLiteral("shown_us=(\\d+) peak_kb=(\\d+) rows=(\\d+)"));
    double peakKb = 0;
    double rows = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(bench::programEnvironment());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(BENCH_YEARGROUPWINDOW),
                      {QStringLiteral("--dir"), bench::programDir()});
        const auto match = report.match(process.waitForFinished(60000)
                                            ? QString::fromLatin1(process.readAllStandardOutput())
                                            : QString());
        if (!match.hasMatch()) {
            state.SkipWithError("the year group window reported nothing");
            break;
        }
        state.SetIterationTime(match.captured(1).toDouble() / 1e6);
        peakKb = match.captured(2).toDouble();
        rows = match.captured(3).toDouble();
    }
    state.counters["peak_KiB"] = peakKb;
    state.counters["files"] = rows;
}
BENCHMARK(YearGroupWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(7)->ReportAggregatesOnly(true);

// The 2 000 rows behind the window's filter, read once.
struct Rows
{
    PupilTableModel pupils;
    PupilFilter filter;
    Rows()
    {
        check::YearGroupReader reader(bench::programDir(), bench::checkedFiles(),
                                      check::readingWorkers());
        reader.run();
        pupils.setRecords(reader.takeRecords());
        filter.setSourceModel(&pupils);
        filter.setSortLocaleAware(true);
    }
};

Rows &rows()
{
    static Rows r;
    return r;
}

// One click on a column header: by name, then by status, each way.
void YearGroupSort(benchmark::State &state)
{
    Rows &r = rows();
    int i = 0;
    for (auto _ : state) {
        const int column = i % 2 ? PupilTableModel::Status : PupilTableModel::Name;
        r.filter.sort(column, (i / 2) % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        benchmark::DoNotOptimize(r.filter.rowCount());
        ++i;
    }
}
BENCHMARK(YearGroupSort)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A letter typed into the search field and the problems filter, sorted by name.
void YearGroupFilter(benchmark::State &state)
{
    Rows &r = rows();
    r.filter.sort(PupilTableModel::Name);
    int i = 0;
    for (auto _ : state) {
        r.filter.setSearch(i % 3 == 0 ? QStringLiteral("Jörg 1") : QString());
        r.filter.setProblemsOnly(i % 2 == 1);
        benchmark::DoNotOptimize(r.filter.rowCount());
        ++i;
    }
}
BENCHMARK(YearGroupFilter)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
