#pragma once

#include "print/Canvas.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace tamb {

// The form's canvas on a QPainter (preview image or printer page). Point
// sizes follow the device's resolution, so the same point size is the same
// size on paper.
class QPainterCanvas : public Canvas
{
public:
    explicit QPainterCanvas(QPainter &painter, const QColor &paper = Qt::white);

    void setFontSize(int points) override;
    int fontSize() const override { return m_font.pointSize(); }
    void text(int x, int y, const QString &text) override;
    QSize textExtent(const QString &text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void fillRect(int left, int top, int right, int bottom, Fill fill = Fill::Ink) override;

    // The form's face: the common sans-serif face (Arial or its metric twins).
    static QFont defaultFont(int points);

private:
    QPainter &m_painter;
    QColor m_paper;
    QFont m_font;
};

} // namespace tamb
