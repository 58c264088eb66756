#include "print/ui/FormPdf.h"

#include "print/FormLayout.h"
#include "print/ui/QPainterCanvas.h"

#include <QPageLayout>
#include <QPageSize>

namespace tamb {

FormPdfPages::FormPdfPages(QIODevice &device, const QString &title) : m_writer(&device)
{
    m_writer.setResolution(FormPdfDpi);
    m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    m_writer.setCreator(QStringLiteral("TAMBERON 6.0.1"));
    m_writer.setTitle(title);
}

bool FormPdfPages::add(const Model &model, int rows, const Daten &personalData, const QString &wahlart,
                       const QDate &today)
{
    if (m_pages)
        m_writer.newPage();
    else if (!m_painter.begin(&m_writer))
        return false;
    m_pages = true;
    // Positions are measured from the paper's corner.
    const QRect paper = m_writer.pageLayout().fullRectPixels(FormPdfDpi);
    QPainterCanvas canvas(m_painter);
    FormPage page = FormPage::printer(FormPdfDpi, paper.width(), paper.height());
    page.wahlart = wahlart;
    page.today = today;
    DrawForm(canvas, model, FactorForDpi(FormPdfDpi), rows, personalData, page);
    return true;
}

bool FormPdfPages::finish()
{
    return m_pages && m_painter.end();
}

WriteOutcome WriteFormPdf(const QString &path, const Model &model, int rows, const Daten &personalData,
                          const QString &wahlart, const QDate &today)
{
    return WriteWholeFile(path, [&](QIODevice &device) {
        FormPdfPages pdf(device, QStringLiteral("BELEGPLAN-WAHLBOGEN ") + personalData.Name);
        return pdf.add(model, rows, personalData, wahlart, today) && pdf.finish();
    });
}

} // namespace tamb
