#include "cli/Run.h"

#include "yeargroup/BatchCheck.h"
#include "cli/PdfForm.h"
#include "yeargroup/Parallel.h"
#include "yeargroup/Reports.h"
#include "model/Settings.h"

#include <QDir>
#include <QIODevice>

#include <functional>
#include <optional>
#include <vector>

namespace tamb::check {

namespace {

// Files checked before their reports are written.
constexpr qsizetype Batch = 256;

struct Checked
{
    // Kept while forms or statistics need the model.
    std::optional<FileCheck> check;
    QByteArray report;
    bool read = false;
    bool complete = false;
};

void write(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

} // namespace

int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err,
        int workers, const FormWriter &writeForm)
{
    std::optional<PdfNames> pdfNames;
    if (options.pdf) {
        if (!writeForm) {
            write(err, QStringLiteral("tamberon-check: Formulare können hier nicht geschrieben "
                                      "werden\n"));
            return SomeUnreadable;
        }
        if (!QDir().mkpath(options.pdfFolder)) {
            write(err, QStringLiteral("tamberon-check: Verzeichnis %1 kann nicht angelegt werden\n")
                           .arg(QDir::toNativeSeparators(options.pdfFolder)));
            return UsageError;
        }
        pdfNames.emplace(options.pdfFolder);
    }

    // One start for all files; every file gets its own copy.
    QString settingsProblem;
    const Model started = startedModel(folder, &settingsProblem);
    if (!settingsProblem.isEmpty())
        write(err, QStringLiteral("tamberon-check: %1\n").arg(settingsProblem));
    Statistics stats;
    int complete = 0;
    int incomplete = 0;
    int unreadable = 0;
    bool pdfFailed = false;

    switch (options.format) {
    case Format::Json:
        write(out, options.stats ? QStringLiteral("{\"files\":[\n") : QStringLiteral("[\n"));
        break;
    case Format::Csv:
        write(out, csvHeader());
        break;
    case Format::Text:
        break;
    }

    // The report of a file; with forms it follows the form's writing.
    const auto report = [&options](const FileCheck &c, const PdfResult &pdf) {
        switch (options.format) {
        case Format::Json:
            return jsonObject(c, pdf);
        case Format::Csv:
            return csvLine(c).toUtf8();
        case Format::Text:
            break;
        }
        return textReport(c, pdf).toUtf8();
    };

    // Counts a checked file and adds its report, in the order of the files.
    const qsizetype count = options.files.size();
    QByteArray pending;
    pending.reserve(1 << 20);
    const auto finish = [&](const Checked &slot, qsizetype i) {
        if (!slot.read)
            ++unreadable;
        else if (slot.complete)
            ++complete;
        else
            ++incomplete;
        if (slot.read && options.stats)
            stats.add(slot.check->model);
        if (i > 0 && options.format == Format::Json)
            pending += ",\n";
        if (!pdfNames) {
            pending += slot.report;
            return;
        }
        const FileCheck &c = *slot.check;
        PdfResult pdf = QString();
        if (c.complete) {
            const QString path = pdfNames->nameFor(c.file);
            const WriteOutcome written = writeForm(c.model, path);
            if (written) {
                pdf = path;
            } else {
                pdfFailed = true;
                write(err, QStringLiteral("tamberon-check: %1: %2\n")
                               .arg(c.file, CannotSaveText(QStringLiteral("Formular ")
                                                               + QDir::toNativeSeparators(path),
                                                           written)));
            }
        }
        pending += report(c, pdf);
    };

    // Checked in parallel a batch at a time, finished here in order; forms
    // are drawn on this thread.
    // Each further worker starts its own program: copies of one model on
    // several threads would share (and count references to) its texts.
    std::vector<std::optional<Model>> ownStart(size_t(qMax(workers, 1)));
    std::vector<Checked> batch;
    for (qsizetype first = 0; first < count; first += Batch) {
        const qsizetype end = qMin(count, first + Batch);
        // What a slot held is dropped by the worker that fills it again.
        batch.resize(size_t(qMax<qsizetype>(qsizetype(batch.size()), end - first)));
        inParallel(first, end, workers, [&](qsizetype i, int worker) {
            const Model *start = &started;
            if (worker > 0) {
                std::optional<Model> &own = ownStart[size_t(worker)];
                if (!own)
                    own.emplace(startedModel(folder));
                start = &*own;
            }
            Checked &slot = batch[size_t(i - first)];
            slot = Checked();
            slot.check.emplace(checkFile(*start, options.files[i]));
            if (options.target && slot.check->grades)
                slot.check->target = PointsForTarget(slot.check->model, *options.target);
            slot.read = slot.check->read();
            slot.complete = slot.check->complete;
            if (!pdfNames) {
                slot.report = report(*slot.check, std::nullopt);
                // Freed by the thread that made it.
                if (!options.stats)
                    slot.check.reset();
            }
        });
        for (qsizetype i = first; i < end; ++i)
            finish(batch[size_t(i - first)], i);
        // One write for the whole batch.
        out.write(pending);
        pending.resize(0); // the room stays
    }
    inParallel(0, qsizetype(batch.size()), workers,
               [&](qsizetype i, int) { batch[size_t(i)] = Checked(); });

    switch (options.format) {
    case Format::Json:
        if (options.stats)
            out.write("\n],\n\"stats\":" + statisticsJson(stats) + "}\n");
        else
            write(out, QStringLiteral("\n]\n"));
        break;
    case Format::Csv:
        if (options.stats)
            write(out, u'\n' + statisticsCsv(stats));
        break;
    case Format::Text:
        write(out, textSummary(int(count), complete, incomplete, unreadable));
        if (options.stats)
            write(out, u'\n' + statisticsText(stats));
        break;
    }

    if (unreadable > 0 || pdfFailed)
        return SomeUnreadable;
    return incomplete > 0 ? SomeIncomplete : AllComplete;
}

int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err,
        const FormWriter &writeForm)
{
    return run(options, folder, out, err, readingWorkers(), writeForm);
}

} // namespace tamb::check
