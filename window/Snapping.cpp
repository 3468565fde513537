#include "window/Snapping.h"

#include <cstdlib>

namespace tavrin {

namespace {

bool WithinSnap(int edge, int target)
{
    return std::abs(edge - target) < SnapBuffer;
}

} // namespace

QPoint SnapToWorkArea(QPoint requested, QSize size, QRect workArea)
{
    if (requested.isNull())
        return requested;

    // QRect::right() and bottom() are one short of the edge; the edges
    // here are the first pixel outside the area.
    const int areaLeft = workArea.x();
    const int areaTop = workArea.y();
    const int areaRight = workArea.x() + workArea.width();
    const int areaBottom = workArea.y() + workArea.height();

    int left = requested.x();
    int top = requested.y();
    if (WithinSnap(left, areaLeft))
        left = areaLeft;
    if (WithinSnap(top, areaTop))
        top = areaTop;
    if (WithinSnap(left + size.width(), areaRight))
        left = areaRight - size.width();
    if (WithinSnap(top + size.height(), areaBottom))
        top = areaBottom - size.height();
    return {left, top};
}

} // namespace tavrin
