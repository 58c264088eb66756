// The printed form: the preview image at u = 4 and a 600 dpi PDF page.

#include "BenchSupport.h"

#include "print/FormLayout.h"
#include "print/ui/PrintJob.h"
#include "print/ui/QPainterCanvas.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace {

using namespace tamb;

const QString Wahlart = QStringLiteral("Wahl der Kurse");
const QDate Today(2025, 2, 14);

void DrawFormPreview(benchmark::State &state)
{
    const Model m = bench::gradedModel();
    const int u = 4;
    QImage image(210 * u, 297 * u, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        FormPage page;
        page.wahlart = Wahlart;
        page.today = Today;
        DrawForm(canvas, m, u, m.GridRows, m.PersonalData, page);
    }
}
BENCHMARK(DrawFormPreview)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void DrawFormPdf600(benchmark::State &state)
{
    const Model m = bench::gradedModel();
    const QString path = QDir(bench::scratchDir()).filePath(QStringLiteral("form.pdf"));
    bool ok = true;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setOutputFileName(path);
        PrepareFormPrinter(printer);
        ok = PrintForm(printer, m, m.GridRows, m.PersonalData, Wahlart, Today) && ok;
    }
    if (!ok || QFileInfo(path).size() == 0)
        state.SkipWithError("no PDF written");
}
BENCHMARK(DrawFormPdf600)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
