#pragma once

#include "model/Model.h"

#include <QDate>
#include <QMarginsF>
#include <QSize>
#include <QTransform>
#include <QString>

class QPrinter;

namespace tamb {

// Prints the form as one page on a printer that the user has chosen (a PDF
// file included). Returns false when the printer could not be started.
bool PrintForm(QPrinter &printer, const Model &model, int rows, const Daten &personalData,
               const QString &wahlart, const QDate &today = QDate());

// Where the form's page goes on the paper (device pixels): inside the
// printable area (`minimumMargins` in millimetres) and at least 5 mm from
// every edge, scaled down evenly where that leaves less room than the page.
QTransform FormTransform(const QSize &paper, int dpiX, int dpiY, const QMarginsF &minimumMargins);

// A printer set up for the form: full A4 portrait page at the device's own
// resolution.
void PrepareFormPrinter(QPrinter &printer);

} // namespace tamb
