#include "print/ui/PrintJob.h"

#include "print/FormLayout.h"
#include "print/ui/QPainterCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace tamb {

void PrepareFormPrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

bool PrintForm(QPrinter &printer, const Model &model, int rows, const Daten &personalData,
               const QString &wahlart, const QDate &today)
{
    printer.setFullPage(true);
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    // The heading starts at the top of the page: move the form below a
    // printer's unprintable top margin (a PDF has none). Sideways the form
    // has room enough on the left.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const int top = qRound(layout.minimumMargins().top() * dpiY / 25.4);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.translate(0, top);
    QPainterCanvas canvas(painter);
    FormPage page = FormPage::printer(dpiY, paper.width(), paper.height() - top);
    page.wahlart = wahlart;
    page.today = today;
    DrawForm(canvas, model, FactorForDpi(dpiX), rows, personalData, page);
    return painter.end();
}

} // namespace tamb
