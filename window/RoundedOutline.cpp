#include "window/RoundedOutline.h"

#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tavrin {

namespace {

// How many pixels of row `row` (0 = the outermost row of the corner) the
// corner ellipse cuts away from the side.
int CornerInset(int row, int ellipseWidth, int ellipseHeight)
{
    const double radiusX = ellipseWidth / 2.0;
    const double radiusY = ellipseHeight / 2.0;
    // Distance of the row's pixel centres from the ellipse's centre line.
    const double dy = radiusY - (row + 0.5);
    const double ratio = 1.0 - (dy * dy) / (radiusY * radiusY);
    if (ratio <= 0.0)
        return static_cast<int>(std::ceil(radiusX));
    const double halfWidth = radiusX * std::sqrt(ratio);
    // The first column whose centre (column + 0.5) lies within the ellipse.
    return std::max(0, static_cast<int>(std::ceil(radiusX - halfWidth - 0.5)));
}

} // namespace

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return {};
    const int ew = std::clamp(ellipseWidth, 0, width);
    const int eh = std::clamp(ellipseHeight, 0, height);
    const int cornerRows = eh / 2;

    QRegion region;
    if (ew < 2 || eh < 2)
        return QRegion(left, top, width, height);
    for (int row = 0; row < cornerRows; ++row) {
        const int inset = CornerInset(row, ew, eh);
        const int rowWidth = width - 2 * inset;
        if (rowWidth <= 0)
            continue;
        region += QRect(left + inset, top + row, rowWidth, 1);
        region += QRect(left + inset, bottom - 1 - row, rowWidth, 1);
    }
    region += QRect(left, top + cornerRows, width, height - 2 * cornerRows);
    return region;
}

QRegion OutlineRegion(QSize windowSize)
{
    return RoundRectRegion(0, 0, windowSize.width() + 1, windowSize.height() + 5, OutlineCornerEllipse,
                           OutlineCornerEllipse);
}

void ApplyRoundedOutline(QWidget *window)
{
    window->setMask(OutlineRegion(window->size()));
}

} // namespace tavrin
