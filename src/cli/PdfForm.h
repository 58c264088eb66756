#pragma once

#include "model/Model.h"
#include "yeargroup/PdfNames.h"

#include <QDate>
#include <QString>

namespace tamb::check {

// Resolution of the PDF page: the printer layout at 300 dpi.
constexpr int PdfDpi = 300;

// Writes the printed form of the model as one A4 page to `path`, atomically.
// Needs a QGuiApplication (fonts). False when the file cannot be written.
bool writeFormPdf(const Model &m, const QString &path, const QDate &today = QDate());

} // namespace tamb::check
