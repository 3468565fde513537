#pragma once

// The window's snapping rule: a requested position is pulled onto the
// edges of the work area once the window comes within snapping distance.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavrin {

// Distance below which an edge of the window is put onto the work area's edge.
inline constexpr int SnapBuffer = 10;

// The position the window actually takes when `requested` is asked for.
// Four tests run in order: left edge, top edge, right edge (left + width),
// bottom edge (top + height), each against the matching edge of
// `workArea`; a test whose distance is below SnapBuffer puts that edge
// exactly on the work area's edge, and a later test overrides an earlier
// one on the same axis. The position (0, 0) is taken as it is.
QPoint SnapToWorkArea(QPoint requested, QSize size, QRect workArea);

} // namespace tavrin
