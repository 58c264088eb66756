#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace tamb {

// Sizes of the windows that the user can enlarge ("Ansicht"), in percent.
constexpr int SmallestZoom = 80;
constexpr int LargestZoom = 200;
constexpr int NormalZoom = 100;
const QList<int> &ZoomSteps();
// The next step from `percent` up (direction > 0) or down; the same at either end.
int NextZoom(int percent, int direction);

inline int Zoomed(int pixels, int percent)
{
    return (pixels * percent + 50) / 100;
}

// Scales a window drawn by hand: the fonts of `root` and of its widgets, and
// the places, sizes, column widths and row heights of the widgets that
// stand where the code put them (not those of a layout). Call it after
// every change of the widgets: what the code set since is taken as the
// size at 100 % (a label sized to its text keeps that size).
void ApplyZoom(QWidget *root, int percent);

// Where the code put `widget`, at 100 %.
QRect UnzoomedGeometry(const QWidget *widget);

} // namespace tamb
