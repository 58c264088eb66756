#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace tamb {

// Puts a top-level window with its frame, title bar included, at `frameTopLeft`
// and moves it as far as needed into the free area of its screen. A window
// larger than that area starts at the area's top left, so that its title
// bar and close button stay reachable. The window manager frames a window
// only after it is shown: the placement is repeated until the frame is known.
void placeOnScreen(QWidget *window, QPoint frameTopLeft);

// The free area of the window's screen less the window's frame: the most
// room its contents can have.
QSize roomOnScreen(const QWidget *window);

} // namespace tamb
