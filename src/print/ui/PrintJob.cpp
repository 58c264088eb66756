#include "print/ui/PrintJob.h"

#include "print/FormLayout.h"
#include "print/ui/QPainterCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTransform>

namespace tamb {

void PrepareFormPrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

QTransform FormTransform(const QSize &paper, int dpiX, int dpiY, const QMarginsF &minimumMargins)
{
    // At least 5 mm at every edge, more where the printer cannot print.
    constexpr double LeastMargin = 5.0;
    const double mmX = dpiX / 25.4;
    const double mmY = dpiY / 25.4;
    const double left = qMax(LeastMargin, minimumMargins.left()) * mmX;
    const double top = qMax(LeastMargin, minimumMargins.top()) * mmY;
    const double right = qMax(LeastMargin, minimumMargins.right()) * mmX;
    const double bottom = qMax(LeastMargin, minimumMargins.bottom()) * mmY;
    const QRectF room(left, top, paper.width() - left - right, paper.height() - top - bottom);
    // The form fills the page: it is scaled down evenly into the room and
    // centred in it.
    const double scale = qMin(1.0, qMin(room.width() / paper.width(), room.height() / paper.height()));
    QTransform transform;
    transform.translate(room.left() + (room.width() - paper.width() * scale) / 2,
                        room.top() + (room.height() - paper.height() * scale) / 2);
    transform.scale(scale, scale);
    return transform;
}

bool PrintForm(QPrinter &printer, const Model &model, int rows, const Daten &personalData,
               const QString &wahlart, const QDate &today)
{
    printer.setFullPage(true);
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setTransform(FormTransform(paper.size(), dpiX, dpiY, layout.minimumMargins()));
    QPainterCanvas canvas(painter);
    FormPage page = FormPage::printer(dpiY, paper.width(), paper.height());
    page.wahlart = wahlart;
    page.today = today;
    DrawForm(canvas, model, FactorForDpi(dpiX), rows, personalData, page);
    return painter.end();
}

} // namespace tamb
