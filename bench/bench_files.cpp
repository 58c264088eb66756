// Selection files with grades: from disk into the model and back.

#include "BenchSupport.h"

#include "files/SelectionFile.h"
#include "model/ScriptedInteraction.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

namespace {

using namespace tamb;

QString gradedFile()
{
    static const QString path = [] {
        const QString p = QDir(bench::scratchDir()).filePath(QStringLiteral("pupil.tnd"));
        Model m = bench::gradedModel();
        m.FileWords = EncodeChoice(m);
        if (!WriteSelection(m, p, true))
            bench::fail(QStringLiteral("cannot write ") + p);
        return p;
    }();
    return path;
}

void ReadDecodeTnd(benchmark::State &state)
{
    const QString path = gradedFile();
    Model m = bench::startedModel();
    ScriptedInteraction ui;
    ReadStatus status = ReadStatus::Loaded;
    for (auto _ : state) {
        status = ReadSelection(m, ui, path, true);
        benchmark::DoNotOptimize(m.Grades[1][1]);
    }
    if (status != ReadStatus::Loaded)
        state.SkipWithError("the file was not loaded");
}
BENCHMARK(ReadDecodeTnd)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same without the disk: parse the bytes and apply them.
void ParseApplyTnd(benchmark::State &state)
{
    QFile file(gradedFile());
    if (!file.open(QIODevice::ReadOnly))
        bench::fail(QStringLiteral("cannot read ") + file.fileName());
    const QByteArray bytes = file.readAll();
    Model m = bench::startedModel();
    ScriptedInteraction ui;
    for (auto _ : state) {
        const SelectionData data = ParseSelection(m, bytes, true);
        ApplySelection(m, ui, data, true);
        benchmark::DoNotOptimize(m.Grades[1][1]);
    }
}
BENCHMARK(ParseApplyTnd)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// As the save command does it: encode, then write the file (atomically).
void EncodeWriteTnd(benchmark::State &state)
{
    Model m = bench::gradedModel();
    const QString path = QDir(bench::scratchDir()).filePath(QStringLiteral("written.tnd"));
    bool ok = true;
    for (auto _ : state) {
        m.FileWords = EncodeChoice(m);
        ok = WriteSelection(m, path, true) && ok;
    }
    if (!ok)
        state.SkipWithError("writing failed");
}
BENCHMARK(EncodeWriteTnd)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
