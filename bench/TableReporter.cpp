#include "TableReporter.h"

#include <QFile>
#include <QString>
#include <QSysInfo>

#include <cstdio>

namespace bench {

namespace {

double toSeconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return value * 1e-9;
    case benchmark::kMicrosecond:
        return value * 1e-6;
    case benchmark::kMillisecond:
        return value * 1e-3;
    case benchmark::kSecond:
        break;
    }
    return value;
}

std::string format(const char *pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string micro(double s) { return format(s < 1e-5 ? "%.2f µs" : "%.1f µs", s * 1e6); }
std::string milli(double s) { return format(s < 1e-2 ? "%.2f ms" : "%.1f ms", s * 1e3); }
std::string mebi(double kib) { return format("%.1f MiB", kib / 1024.0); }

// First "model name" of /proc/cpuinfo where the system has one.
std::string processorName()
{
#ifdef Q_OS_LINUX
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly))
        for (const QByteArray &line : info.readAll().split('\n'))
            if (line.startsWith("model name")) {
                const qsizetype colon = line.indexOf(':');
                return line.mid(colon + 1).trimmed().toStdString();
            }
#endif
    return QSysInfo::currentCpuArchitecture().toStdString();
}

double loadAverage()
{
#ifdef Q_OS_LINUX
    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        return load.readAll().split(' ').value(0).toDouble();
#endif
    return -1;
}

void printRow(const std::string &what, const std::string &median, const std::string &target,
              const std::string &met)
{
    std::printf("| %s | %s | %s | %s |\n", what.c_str(), median.c_str(), target.c_str(),
                met.c_str());
}

std::string verdict(bool met) { return met ? "yes" : "**no**"; }

} // namespace

bool TableReporter::ReportContext(const Context &context)
{
    m_cpus = context.cpu_info.num_cpus;
    m_loadAtStart = loadAverage();
    std::fprintf(stderr, "Running the benchmarks (medians of repetitions)...\n");
    return true;
}

void TableReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        const std::string name = run.run_name.function_name;
        Result &result = m_results[name];
        if (run.error_occurred) {
            result.error = run.error_message;
            std::fprintf(stderr, "  %-24s error: %s\n", name.c_str(), run.error_message.c_str());
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single)
            continue;
        result.seconds = toSeconds(run.GetAdjustedRealTime(), run.time_unit);
        for (const auto &[key, counter] : run.counters)
            result.counters[key] = counter.value;
        const std::string shown = result.seconds < 1e-3 ? micro(result.seconds)
                                                         : milli(result.seconds);
        std::fprintf(stderr, "  %-24s %s\n", name.c_str(), shown.c_str());
    }
}

const TableReporter::Result *TableReporter::find(const std::string &name) const
{
    const auto it = m_results.find(name);
    return it == m_results.end() ? nullptr : &it->second;
}

void TableReporter::Finalize()
{
    std::printf("\nMachine: %s, %d cores; load average %.1f at start, %.1f at end.\n\n",
                processorName().c_str(), m_cpus, m_loadAtStart, loadAverage());
    printRow("Measurement", "Median", "Target", "Met");
    std::printf("|---|---|---|---|\n");

    // Plain timings; a target of 0 means none.
    struct Timing
    {
        const char *name;
        const char *what;
        bool inMilliseconds;
        double target;
    };
    const Timing timings[] = {
        {"ClickAndRefresh", "Click + refresh, per click (16 clicks, new form to complete choice)",
         false, 10e-6},
        {"RefreshComplete", "Refresh alone, complete choice", false, 0},
        {"ClickPreviewComplete", "Refresh with click preview, complete choice",
         true, 2e-3},
        {"ClickPreviewNewForm", "Refresh with click preview, new form", true,
         2e-3},
        {"BlockIAdmissionBlockII", "Block I + admission + Block II, complete graded record",
         false, 10e-6},
        {"ReadDecodeTnd", "Read + decode a tnd file from disk", false, 30e-6},
        {"ParseApplyTnd", "Parse + apply the same bytes (no disk)", false, 0},
        {"EncodeWriteTnd", "Encode + write a tnd file (atomic save)", false, 0},
        {"DrawFormPreview", "DrawForm at u = 4 onto a QImage", true, 10e-3},
        {"DrawFormPdf600", "DrawForm at 600 dpi into a PDF (whole print job)", true, 0},
        {"YearGroupReadCount", "Year group: 2 000 files listed, read on all cores and counted",
         true, 1.0},
        {"YearGroupSort", "Year group window: 2 000 rows sorted (one header click)", true, 50e-3},
        {"YearGroupFilter", "Year group window: 2 000 rows filtered (search, problems only)", true,
         50e-3},
    };
    for (const Timing &t : timings) {
        const Result *r = find(t.name);
        if (!r)
            continue;
        const std::string target = t.target <= 0 ? "–"
                                   : "≤ " + (t.inMilliseconds ? milli(t.target)
                                                              : micro(t.target));
        if (!r->error.empty() || r->seconds < 0) {
            printRow(t.what, "error: " + r->error, target, "–");
            continue;
        }
        printRow(t.what, t.inMilliseconds ? milli(r->seconds) : micro(r->seconds), target,
                 t.target <= 0 ? "–" : verdict(r->seconds <= t.target));
    }

    // The main window beside the bare Qt program, started in turns.
    const auto sound = [](const Result *r) { return r && r->error.empty() && r->seconds >= 0; };
    const auto counter = [](const Result *r, const char *name) {
        const auto it = r->counters.find(name);
        return it == r->counters.end() ? -1.0 : it->second;
    };
    const Result *starts = find("StartPrograms");
    Result bareResult, mainResult;
    if (sound(starts)) {
        bareResult.seconds = counter(starts, "bare_ms") / 1e3;
        bareResult.counters["peak_KiB"] = counter(starts, "bare_peak_KiB");
        mainResult.seconds = counter(starts, "main_ms") / 1e3;
        mainResult.counters["peak_KiB"] = counter(starts, "main_peak_KiB");
    }
    const Result *bare = starts ? &bareResult : nullptr;
    const Result *main = starts ? &mainResult : nullptr;
    const auto peak = [&counter](const Result *r) { return counter(r, "peak_KiB"); };
    if (starts && !sound(starts)) {
        printRow("Start of the bare Qt program and the main window", "error: " + starts->error,
                 "≤ 1.5 × bare", "–");
    } else if (starts) {
        const double timeRatio = main->seconds / bare->seconds;
        const double memoryRatio = peak(main) / peak(bare);
        printRow("Bare Qt program (one 31 x 9 table) shown, from process start",
                 milli(bare->seconds), "–", "–");
        printRow("Bare Qt program, peak memory (VmHWM)", mebi(peak(bare)), "–", "–");
        printRow("Main window created and shown, from process start (in turns with the bare one)",
                 milli(main->seconds) + format(" (%.2f × bare)", timeRatio), "≤ 1.5 × bare",
                 verdict(timeRatio <= 1.5));
        printRow("Main window, peak memory (VmHWM)",
                 mebi(peak(main)) + format(" (%.2f × bare)", memoryRatio), "≤ 1.5 × bare",
                 verdict(peak(main) > 0 && memoryRatio <= 1.5));
    }

    // The year group window in its own process, beside the main window.
    if (const Result *yearGroup = find("YearGroupWindowShown")) {
        if (sound(yearGroup) && sound(main)) {
            const double memoryRatio = peak(yearGroup) / peak(main);
            printRow("Year group window over 2 000 files: read, counted and shown",
                     milli(yearGroup->seconds), "≤ 1000 ms", verdict(yearGroup->seconds <= 1.0));
            printRow("Main window with the year group window, peak memory (VmHWM)",
                     mebi(peak(yearGroup)) + format(" (%.2f × main window)", memoryRatio),
                     "≤ 2 × main window", verdict(peak(yearGroup) > 0 && memoryRatio <= 2.0));
        } else {
            printRow("Year group window", "error: " + yearGroup->error, "≤ 1000 ms", "–");
        }
    }

    // The batch checker beside cat.
    const Result *cat = find("CatFiles");
    const Result *checker = find("CheckerJson");
    const auto files = [](const Result *r) {
        const auto it = r->counters.find("files");
        return it == r->counters.end() ? 0.0 : it->second;
    };
    if (cat) {
        if (sound(cat))
            printRow(format("cat over %.0f files", files(cat)),
                     milli(cat->seconds) + format(" (%.0f files/s)", files(cat) / cat->seconds),
                     "–", "–");
        else
            printRow("cat over the files", "error: " + cat->error, "–", "–");
    }
    if (checker) {
        if (sound(checker)) {
            const double rate = files(checker) / checker->seconds;
            std::string median = milli(checker->seconds) + format(" (%.0f files/s", rate);
            if (sound(cat))
                median += format(", %.1f × cat", checker->seconds / cat->seconds);
            printRow(format("tamberon-check --json over %.0f files", files(checker)),
                     median + ")", "≥ 20000 files/s", verdict(rate >= 20000));
        } else {
            printRow("tamberon-check --json", "error: " + checker->error, "≥ 20000 files/s",
                     "–");
        }
    }
    std::fflush(stdout);
}

} // namespace bench
