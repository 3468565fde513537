#include "window/Docking.h"

namespace tavrin {

namespace {

// How far the window's right edge lies past the screen's right edge
// (negative when short of it).
int RightOvershoot(const WindowBox &window, int screenWidth)
{
    return window.Left + window.Width - screenWidth;
}

} // namespace

DockEdge DockEdgeOf(const WindowBox &window, int screenWidth)
{
    if (window.Top <= TopDockLimit)
        return DockEdge::Top;
    if (RightOvershoot(window, screenWidth) >= 0)
        return DockEdge::Right;
    return DockEdge::None;
}

bool HoverTickNeedsPointer(const WindowBox &window, int screenWidth)
{
    return DockEdgeOf(window, screenWidth) != DockEdge::None;
}

TickResult HoverTick(const WindowBox &window, int screenWidth, bool hovered)
{
    TickResult result;
    const DockEdge edge = DockEdgeOf(window, screenWidth);
    if (edge == DockEdge::None)
        return result;
    if (!hovered) {
        result.HideTimer = TimerCommand::Start;
        return result;
    }
    result.HideTimer = TimerCommand::Stop;
    if (edge == DockEdge::Top)
        result.Moves.NewTop = 0;
    else
        result.Moves.NewLeft = screenWidth - window.Width;
    return result;
}

WindowMoves HideTick(const WindowBox &window, int screenWidth)
{
    WindowMoves moves;
    if (window.Top <= HideUpwardLimit) {
        moves.NewTop = TopStrip - window.Height;
        if (window.Left + window.Width > screenWidth)
            moves.NewLeft = screenWidth - window.Width;
        return moves;
    }
    if (RightOvershoot(window, screenWidth) >= HideRightLimit)
        moves.NewLeft = screenWidth - RightStrip;
    return moves;
}

WindowMoves ShowCommandMoves(const WindowBox &window, int screenWidth, int screenHeight)
{
    WindowMoves moves;
    if (window.Top < 0 || window.Top > screenHeight)
        moves.NewTop = 2;
    if (window.Left > screenWidth - 10)
        moves.NewLeft = screenWidth - window.Width - 20;
    return moves;
}

} // namespace tavrin
