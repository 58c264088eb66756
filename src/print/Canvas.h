#pragma once

#include <QSize>
#include <QString>

namespace tamb {

// What a filled rectangle is filled with: the drawing colour (thick lines)
// or the page's background (erasing).
enum class Fill { Ink, Paper };

// The drawing surface of the printed form, in device pixels. The core has no
// fonts: measuring text is the surface's business.
class Canvas
{
public:
    virtual ~Canvas() = default;

    // Size in points of the default sans-serif face used from now on.
    virtual void setFontSize(int points) = 0;
    virtual int fontSize() const = 0;
    // Text with its top-left corner at (x, y), background left as it is.
    virtual void text(int x, int y, const QString &text) = 0;
    // Width and height of a text in the current font.
    virtual QSize textExtent(const QString &text) = 0;
    // One-pixel line from (x1, y1) towards (x2, y2); the end point itself
    // is not drawn.
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // The pixels left <= x < right, top <= y < bottom.
    virtual void fillRect(int left, int top, int right, int bottom, Fill fill = Fill::Ink) = 0;
};

} // namespace tamb
