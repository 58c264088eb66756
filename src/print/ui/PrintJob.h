#pragma once

#include "model/Model.h"

#include <QDate>
#include <QString>

class QPrinter;

namespace tamb {

// Prints the form as one page on a printer that the user has chosen (a PDF
// file included). Returns false when the printer could not be started.
bool PrintForm(QPrinter &printer, const Model &model, int rows, const Daten &personalData,
               const QString &wahlart, const QDate &today = QDate());

// A printer set up for the form: full A4 portrait page at the device's own
// resolution.
void PrepareFormPrinter(QPrinter &printer);

} // namespace tamb
