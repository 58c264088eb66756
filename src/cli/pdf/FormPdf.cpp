// The printed form as a PDF file: the part of the checker that needs QtGui.
#include "cli/PdfForm.h"

#include "print/FormLayout.h"
#include "print/ui/QPainterCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tamb::check {

WriteOutcome writeFormPdf(const Model &m, const QString &path, const QDate &today)
{
    return WriteWholeFile(path, [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setResolution(PdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("TAMBERON 6.0.1"));
        writer.setTitle(QStringLiteral("BELEGPLAN-WAHLBOGEN ") + m.PersonalData.Name);

        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        // Positions are measured from the paper's corner.
        const QRect paper = writer.pageLayout().fullRectPixels(PdfDpi);
        QPainterCanvas canvas(painter);
        FormPage page = FormPage::printer(PdfDpi, paper.width(), paper.height());
        page.today = today;
        DrawForm(canvas, m, FactorForDpi(PdfDpi), m.GridRows, m.PersonalData, page);
        return painter.end();
    });
}

} // namespace tamb::check
