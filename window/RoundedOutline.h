#pragma once

// The window's outline: a rectangle with rounded corners, cut once from
// the window's size. Outside it the window is neither drawn nor hit by
// the pointer (a real X shape on X11).

#include <QRegion>
#include <QSize>

class QWidget;

namespace tavrin {

// Width and height of the ellipse that rounds the outline's corners.
inline constexpr int OutlineCornerEllipse = 9;

// The pixels of a rounded rectangle from (left, top) up to, not including,
// (right, bottom), its corners cut by an ellipse of the given size: a pixel
// belongs to it when its centre lies inside the rectangle and, within a
// corner box, inside the corner's ellipse.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

// The window's outline: the rounded rectangle from (0, 0) to
// (width + 1, height + 5) with 9 x 9 corners. It reaches one pixel past the
// right edge and five below the bottom, so the upper corners are rounded
// and the lower ones stay square.
QRegion OutlineRegion(QSize windowSize);

// Gives the window its outline (as a mask), from its current size.
void ApplyRoundedOutline(QWidget *window);

} // namespace tavrin
