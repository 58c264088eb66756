#pragma once

#include "files/SafeWrite.h"
#include "model/Model.h"
#include "yeargroup/PdfNames.h"

#include <QDate>
#include <QString>

namespace tamb::check {

// Writes the printed form of the model as one A4 page to `path`, atomically.
// Needs a QGuiApplication (fonts). The outcome says why the file cannot be written.
WriteOutcome writeFormPdf(const Model &m, const QString &path, const QDate &today = QDate());

} // namespace tamb::check
