#pragma once

#include "print/Canvas.h"

#include <QList>

namespace tamb {

// A canvas that keeps every drawing call, with a simple fixed text metric:
// a character is half a point wide and a text 1.2 points high, times the
// pixels per point. For tests and for timing the layout without a screen.
class RecordingCanvas : public Canvas
{
public:
    enum class Kind { Text, Line, Rect };
    struct Item
    {
        Kind kind;
        int x1;
        int y1;
        int x2; // lines and rectangles
        int y2;
        QString text;
        int fontSize;
        Fill fill;
    };

    explicit RecordingCanvas(double pixelsPerPoint = 1.0) : m_pixelsPerPoint(pixelsPerPoint) {}

    void setFontSize(int points) override { m_fontSize = points; }
    int fontSize() const override { return m_fontSize; }
    void text(int x, int y, const QString &text) override;
    QSize textExtent(const QString &text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(int left, int top, int right, int bottom, Fill fill = Fill::Ink) override;

    // The metric on its own, for expectations.
    QSize extentAt(int points, const QString &text) const;

    const QList<Item> &items() const { return m_items; }
    // Texts drawn with exactly this content, in drawing order.
    QList<Item> textItems(const QString &text) const;
    void clear() { m_items.clear(); }

private:
    double m_pixelsPerPoint;
    int m_fontSize = 10;
    QList<Item> m_items;
};

} // namespace tamb
