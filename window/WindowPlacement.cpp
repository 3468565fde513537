#include "window/WindowPlacement.h"

#include "platform/X11Desktop.h"
#include "window/Snapping.h"

#include <QWidget>

namespace tavrin {

QPoint SnappedPosition(const QWidget *window, QPoint requested)
{
    return SnapToWorkArea(requested, window->size(), x11::WorkArea(window));
}

void MoveSnapped(QWidget *window, QPoint requested)
{
    x11::MoveWindow(window, SnappedPosition(window, requested));
}

QPoint CurrentPosition(const QWidget *window)
{
    return x11::WindowPosition(window);
}

} // namespace tavrin
