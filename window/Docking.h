#pragma once

// Edge docking and auto-hide, as decisions over plain numbers: the window's
// position and size, the primary screen's size and whether the pointer is
// over the window. The caller reads those from the desktop, applies the
// moves (each through the snapping rule) and drives the two timers.

#include <optional>

namespace tavrin {

// The window's outer position and size in screen pixels.
struct WindowBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

enum class DockEdge { None, Top, Right };

enum class TimerCommand { Keep, Start, Stop };

// Moves to apply, in this order: first Top, then Left. A missing value
// leaves that coordinate alone.
struct WindowMoves {
    std::optional<int> NewTop;
    std::optional<int> NewLeft;
};

// What a tick asks for: the moves, and what to do with the hide timer
// (Timer2).
struct TickResult {
    WindowMoves Moves;
    TimerCommand HideTimer = TimerCommand::Keep;
};

inline constexpr int TopDockLimit = 3;         // Top <= 3 is docked at the top
inline constexpr int HideUpwardLimit = 20;      // hide tick: Top <= 20 hides upward
inline constexpr int HideRightLimit = -20;      // hide tick: right overshoot >= -20 hides right
inline constexpr int TopStrip = 3;              // rows left on screen when hidden at the top
inline constexpr int RightStrip = 4;            // columns left on screen when hidden at the right
inline constexpr int DockTimerIntervalMs = 100; // interval of both timers

// The edge the window is docked at, derived from its position alone:
// Top when Top <= 3 (negative included), else Right when its right edge
// reaches or passes the screen's right edge, else None.
DockEdge DockEdgeOf(const WindowBox &window, int screenWidth);

// The hover tick's first step: only a docked window needs the pointer
// read and the hit test.
bool HoverTickNeedsPointer(const WindowBox &window, int screenWidth);

// The hover tick (Timer1). `hovered` is looked at only when the window is
// docked: then a hovered window is brought into view (Top 0 at the top
// edge, Left = ScreenWidth - Width at the right edge) and the hide timer
// stopped; an unhovered one stays where it is and the hide timer starts.
// A floating window gets nothing.
TickResult HoverTick(const WindowBox &window, int screenWidth, bool hovered);

// The hide tick (Timer2): the hidden position of the window. Never stops
// its own timer.
WindowMoves HideTick(const WindowBox &window, int screenWidth);

// The position corrections of the Show command: a window above or below
// the screen comes to Top 2, one past ScreenWidth - 10 to 20 pixels short
// of the right edge.
WindowMoves ShowCommandMoves(const WindowBox &window, int screenWidth, int screenHeight);

} // namespace tavrin
