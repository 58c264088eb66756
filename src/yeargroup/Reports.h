#pragma once

#include "yeargroup/BatchCheck.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tamb::check {

// The printed form of a file: not asked for (no value), not written (empty),
// or the path of the PDF file.
using PdfResult = std::optional<QString>;

// Readable German report of one file, ending with a blank line.
QString textReport(const FileCheck &c, const PdfResult &pdf = std::nullopt);
// Closing lines of the readable report: how many files were complete.
QString textSummary(int files, int complete, int incomplete, int unreadable);
QString statisticsText(const Statistics &stats);

// One JSON object per file (one line, no line break).
QByteArray jsonObject(const FileCheck &c, const PdfResult &pdf = std::nullopt);
QByteArray statisticsJson(const Statistics &stats);

// ";"-separated lines; each ends with a line break.
QString csvHeader();
QString csvLine(const FileCheck &c);
QString statisticsCsv(const Statistics &stats);
// A field quoted when it holds ";", a quote or a line break.
QString csvField(const QString &text);

} // namespace tamb::check
