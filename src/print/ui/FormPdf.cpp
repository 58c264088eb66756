#include "print/ui/FormPdf.h"

#include "print/FormLayout.h"
#include "print/ui/QPainterCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tamb {

WriteOutcome WriteFormPdf(const QString &path, const Model &model, int rows, const Daten &personalData,
                          const QString &wahlart, const QDate &today)
{
    return WriteWholeFile(path, [&](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setResolution(FormPdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("TAMBERON 6.0.1"));
        writer.setTitle(QStringLiteral("BELEGPLAN-WAHLBOGEN ") + personalData.Name);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        // Positions are measured from the paper's corner.
        const QRect paper = writer.pageLayout().fullRectPixels(FormPdfDpi);
        QPainterCanvas canvas(painter);
        FormPage page = FormPage::printer(FormPdfDpi, paper.width(), paper.height());
        page.wahlart = wahlart;
        page.today = today;
        DrawForm(canvas, model, FactorForDpi(FormPdfDpi), rows, personalData, page);
        return painter.end();
    });
}

} // namespace tamb
