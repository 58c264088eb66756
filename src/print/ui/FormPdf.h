#pragma once

#include "files/SafeWrite.h"
#include "model/Model.h"

#include <QDate>
#include <QString>

namespace tamb {

// Resolution of the PDF page: the printer layout at 300 dpi.
constexpr int FormPdfDpi = 300;

// Writes the printed form as one A4 page to `path`, atomically (the old
// file stays whole on failure). Needs a QGuiApplication (fonts).
WriteOutcome WriteFormPdf(const QString &path, const Model &model, int rows, const Daten &personalData,
                          const QString &wahlart, const QDate &today = QDate());

} // namespace tamb
