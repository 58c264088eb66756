#include "cli/Run.h"

#include "cli/BatchCheck.h"
#include "cli/PdfForm.h"
#include "cli/Reports.h"
#include "model/Settings.h"

#include <QDir>
#include <QIODevice>

#include <optional>

namespace tamb::check {

namespace {

void write(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

} // namespace

int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err)
{
    std::optional<PdfNames> pdfNames;
    if (options.pdf) {
        if (!QDir().mkpath(options.pdfFolder)) {
            write(err, QStringLiteral("tamberon-check: Verzeichnis %1 kann nicht angelegt werden\n")
                           .arg(QDir::toNativeSeparators(options.pdfFolder)));
            return UsageError;
        }
        pdfNames.emplace(options.pdfFolder);
    }

    // One start for all files; every file gets its own copy.
    bool settingsDamaged = false;
    const Model started = startedModel(folder, &settingsDamaged);
    if (settingsDamaged)
        write(err, QStringLiteral("tamberon-check: %1 kann nicht gelesen werden, es gelten die "
                                  "Voreinstellungen\n")
                       .arg(QDir::toNativeSeparators(SettingsPath(started))));
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

    for (qsizetype i = 0; i < options.files.size(); ++i) {
        const FileCheck c = checkFile(started, options.files[i]);
        if (!c.read())
            ++unreadable;
        else if (c.complete)
            ++complete;
        else
            ++incomplete;
        if (c.read() && options.stats)
            stats.add(c.model);

        PdfResult pdf;
        if (pdfNames) {
            pdf = QString();
            if (c.complete) {
                const QString path = pdfNames->nameFor(c.file);
                if (writeFormPdf(c.model, path)) {
                    pdf = path;
                } else {
                    pdfFailed = true;
                    write(err, QStringLiteral("tamberon-check: %1: Formular %2 kann nicht geschrieben werden\n")
                                   .arg(c.file, QDir::toNativeSeparators(path)));
                }
            }
        }

        switch (options.format) {
        case Format::Json:
            if (i > 0)
                out.write(",\n", 2);
            out.write(jsonObject(c, pdf));
            break;
        case Format::Csv:
            write(out, csvLine(c));
            break;
        case Format::Text:
            write(out, textReport(c, pdf));
            break;
        }
    }

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
        write(out, textSummary(int(options.files.size()), complete, incomplete, unreadable));
        if (options.stats)
            write(out, u'\n' + statisticsText(stats));
        break;
    }

    if (unreadable > 0 || pdfFailed)
        return SomeUnreadable;
    return incomplete > 0 ? SomeIncomplete : AllComplete;
}

} // namespace tamb::check
