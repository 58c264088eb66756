#include "print/RecordingCanvas.h"

namespace tamb {

void RecordingCanvas::text(int x, int y, const QString &text)
{
    m_items.append({Kind::Text, x, y, x, y, text, m_fontSize, Fill::Ink});
}

QSize RecordingCanvas::extentAt(int points, const QString &text) const
{
    const double pixels = points * m_pixelsPerPoint;
    return {static_cast<int>(text.size() * pixels / 2), static_cast<int>(pixels * 1.2)};
}

QSize RecordingCanvas::textExtent(const QString &text)
{
    return extentAt(m_fontSize, text);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2)
{
    m_items.append({Kind::Line, x1, y1, x2, y2, {}, m_fontSize, Fill::Ink});
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom, Fill fill)
{
    m_items.append({Kind::Rect, left, top, right, bottom, {}, m_fontSize, fill});
}

QList<RecordingCanvas::Item> RecordingCanvas::textItems(const QString &text) const
{
    QList<Item> found;
    for (const Item &item : m_items)
        if (item.kind == Kind::Text && item.text == text)
            found.append(item);
    return found;
}

} // namespace tamb
