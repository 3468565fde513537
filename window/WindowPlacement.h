#pragma once

// Moving the launcher window the way every move of it goes: through the
// snapping rule against the work area of its screen.

#include <QPoint>
#include <QRect>

class QWidget;

namespace tavrin {

// Where the window ends up when `requested` is asked for: the requested
// position snapped to the work area of the window's screen.
QPoint SnappedPosition(const QWidget *window, QPoint requested);

// Moves the window to the snapped position of `requested` at once (no
// animation, same size). Asking for the position it already has moves
// nothing.
void MoveSnapped(QWidget *window, QPoint requested);

// The window's real position on the screen.
QPoint CurrentPosition(const QWidget *window);

} // namespace tavrin
