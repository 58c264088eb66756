// Whole programs: the main window's start beside the bare Qt program, and
// the batch checker beside cat over the same 2 000 files.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

namespace {

using namespace tamb;

struct Start
{
    double ms = -1;
    double peakKb = -1;
};

// Starts a start program with the launch time and reads what it printed;
// nothing when it failed.
std::optional<Start> startOnce(const QString &program, const QStringList &arguments)
{
    static const QRegularExpression report(QStringLiteral("shown_us=(-?\\d+) peak_kb=(-?\\d+)"));
    QProcess process;
    process.setProcessEnvironment(bench::programEnvironment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 t0 = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
    process.start(program, QStringList{QStringLiteral("--t0"), QString::number(t0)} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    const auto match = report.match(QString::fromLatin1(process.readAllStandardOutput()));
    if (!match.hasMatch() || match.captured(1).toLongLong() < 0)
        return std::nullopt;
    return Start{match.captured(1).toDouble() / 1e3, match.captured(2).toDouble()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The bare Qt program and the main window started in turns, so that both
// meet the machine in the same state (its speed changes from second to
// second); the medians of each and their peak memory as counters.
void StartPrograms(benchmark::State &state)
{
    constexpr int Pairs = 15;
    std::vector<double> bare, main;
    Start bareStart, mainStart;
    for (auto _ : state) {
        for (int i = 0; i < Pairs; ++i) {
            const auto b = startOnce(QStringLiteral(BENCH_BAREQT), {});
            const auto m = startOnce(QStringLiteral(BENCH_MAINWINDOW),
                                     {QStringLiteral("--dir"), bench::programDir()});
            if (!b || !m) {
                state.SkipWithError("a start program did not report its start");
                return;
            }
            bare.push_back(b->ms);
            main.push_back(m->ms);
            bareStart = *b;
            mainStart = *m;
        }
        state.SetIterationTime(median(main) / 1e3);
    }
    state.counters["bare_ms"] = median(bare);
    state.counters["main_ms"] = median(main);
    state.counters["bare_peak_KiB"] = bareStart.peakKb;
    state.counters["main_peak_KiB"] = mainStart.peakKb;
}
BENCHMARK(StartPrograms)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Runs a program over the files in the program folder; its output is dropped.
void overFiles(benchmark::State &state, const QString &program, const QStringList &options,
               bool checker)
{
    const QStringList files = bench::checkedFiles();
    for (auto _ : state) {
        QProcess process;
        process.setWorkingDirectory(bench::programDir());
        process.setProcessEnvironment(bench::programEnvironment());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        process.start(program, options + files);
        const bool finished = process.waitForFinished(120000);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        // The checker ends with 1 when a choice is incomplete; 2 would mean
        // that a file could not be read.
        const int worst = checker ? 1 : 0;
        if (!finished || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() > worst) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    state.counters["files"] = double(files.size());
}

void CatFiles(benchmark::State &state)
{
    const QString cat = QStandardPaths::findExecutable(QStringLiteral("cat"));
    if (cat.isEmpty()) {
        state.SkipWithError("no cat");
        return;
    }
    overFiles(state, cat, {}, false);
}
BENCHMARK(CatFiles)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void CheckerJson(benchmark::State &state)
{
#ifdef BENCH_CHECKER
    overFiles(state, QStringLiteral(BENCH_CHECKER), {QStringLiteral("--json")}, true);
#else
    state.SkipWithError("tamberon-check is not built");
#endif
}
BENCHMARK(CheckerJson)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
