// Whole programs: the main window's start beside the bare Qt program, and
// the batch checker beside cat over the same 2 000 files.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <chrono>

namespace {

using namespace tamb;

QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// Starts a start program with the launch time and reads what it printed.
void startProgram(benchmark::State &state, const QString &program, QStringList arguments)
{
    const QRegularExpression report(QStringLiteral("shown_us=(-?\\d+) peak_kb=(-?\\d+)"));
    double peakKb = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(offscreen());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 t0 = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
        process.start(program, QStringList{QStringLiteral("--t0"), QString::number(t0)}
                                   + arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not finish normally");
            break;
        }
        const auto match = report.match(QString::fromLatin1(process.readAllStandardOutput()));
        if (!match.hasMatch() || match.captured(1).toLongLong() < 0) {
            state.SkipWithError("the program reported no start time");
            break;
        }
        state.SetIterationTime(match.captured(1).toDouble() / 1e6);
        peakKb = match.captured(2).toDouble();
    }
    state.counters["peak_KiB"] = peakKb;
}

void StartBareQt(benchmark::State &state)
{
    startProgram(state, QStringLiteral(BENCH_BAREQT), {});
}
BENCHMARK(StartBareQt)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);

void StartMainWindow(benchmark::State &state)
{
    startProgram(state, QStringLiteral(BENCH_MAINWINDOW), {QStringLiteral("--dir"), bench::programDir()});
}
BENCHMARK(StartMainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);

// Runs a program over the files in the program folder; its output is dropped.
void overFiles(benchmark::State &state, const QString &program, const QStringList &options,
               bool checker)
{
    const QStringList files = bench::checkedFiles();
    for (auto _ : state) {
        QProcess process;
        process.setWorkingDirectory(bench::programDir());
        process.setProcessEnvironment(offscreen());
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
