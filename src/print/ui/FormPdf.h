#pragma once

#include "files/SafeWrite.h"
#include "model/Model.h"

#include <QDate>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

class QIODevice;

namespace tamb {

// Resolution of the PDF page: the printer layout at 300 dpi.
constexpr int FormPdfDpi = 300;

// Printed forms as A4 pages of one PDF, drawn into `device` one after
// another. Needs a QGuiApplication (fonts).
class FormPdfPages
{
public:
    FormPdfPages(QIODevice &device, const QString &title);

    // Draws one form on a new page; false when the PDF cannot be started.
    bool add(const Model &model, int rows, const Daten &personalData, const QString &wahlart = {},
             const QDate &today = QDate());
    // Ends the PDF; false when no page was drawn or it could not be ended.
    bool finish();

private:
    QPdfWriter m_writer;
    QPainter m_painter;
    bool m_pages = false;
};

// Writes the printed form as one A4 page to `path`, atomically (the old
// file stays whole on failure).
WriteOutcome WriteFormPdf(const QString &path, const Model &model, int rows, const Daten &personalData,
                          const QString &wahlart, const QDate &today = QDate());

} // namespace tamb
