#include "print/ui/QPainterCanvas.h"

#include <QFontMetrics>

#include <algorithm>
#include <QPainter>

namespace tamb {

QPainterCanvas::QPainterCanvas(QPainter &painter, const QColor &paper)
    : m_painter(painter), m_paper(paper), m_font(defaultFont(10))
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setPen(QPen(Qt::black, 0));
    m_painter.setFont(m_font);
}

QFont QPainterCanvas::defaultFont(int points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

void QPainterCanvas::setFontSize(int points)
{
    m_font.setPointSize(points);
    m_painter.setFont(m_font);
}

void QPainterCanvas::text(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(m_painter.font(), m_painter.device());
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

QSize QPainterCanvas::textExtent(const QString &text)
{
    const QFontMetrics metrics(m_painter.font(), m_painter.device());
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2)
{
    // Straight lines as pixel rows, so that the end point stays out exactly.
    if (y1 == y2) {
        fillRect(std::min(x1, x2 + 1), y1, std::max(x1 + 1, x2), y1 + 1);
    } else if (x1 == x2) {
        fillRect(x1, std::min(y1, y2 + 1), x1 + 1, std::max(y1 + 1, y2));
    } else {
        m_painter.drawLine(x1, y1, x2, y2);
    }
}

void QPainterCanvas::fillRect(int left, int top, int right, int bottom, Fill fill)
{
    if (right <= left || bottom <= top)
        return;
    m_painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                       fill == Fill::Ink ? QColor(Qt::black) : m_paper);
}

} // namespace tamb
