#pragma once

// The launcher's dealings with the X11 desktop: the window's type and
// state as the window manager sees them, where the window really is, the
// work area and screen size, and the hit test under the pointer.
//
// Every function works without X as well (other Qt platforms, such as the
// offscreen one of the tests): it then falls back on what Qt knows.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace tavrin::x11 {

// True when the application runs on an X display (the xcb platform).
bool Available();

// Makes a top-level widget a launcher window: a dock-type window, which
// the window manager gives no frame and places exactly where it asks,
// also partly off the screen, and which has no taskbar or pager button.
// Call it before the first show and again before every later show (the
// window manager forgets the window's state each time it is hidden). The
// window's stay-on-top choice (SetStayOnTop) is carried into the state.
void PrepareLauncherWindow(QWidget *window);

// Keeps the window above all others, or returns it to the layer of
// ordinary windows, without re-creating the native window (its shape and
// position stay). Remembered by the window, so PrepareLauncherWindow
// restores it at the next show.
void SetStayOnTop(QWidget *window, bool on);
bool StaysOnTop(const QWidget *window);

// The work area (the screen less panels and docks) of the screen the
// window is on, in global pixels.
QRect WorkArea(const QWidget *window);

// Size of the primary screen.
QSize PrimaryScreenSize();

// The window's top-left corner as the X server has it; Qt's own idea of
// the position keeps a requested value even when the window manager did
// not grant it.
QPoint WindowPosition(const QWidget *window);

// Moves a top-level window to `topLeft` at once, without animation and
// without changing its size; returns when the X server reports the new
// position (or after a short bound when the window manager refuses).
// Snapping is the caller's business.
void MoveWindow(QWidget *window, QPoint topLeft);

// The pointer position in global pixels.
QPoint PointerPosition();

// The object name of our top-level window under a global point, or ""
// when no window of ours is visible there: over another program's window
// covering ours, over the desktop, over a masked-out part of our window.
// An open popup menu is a top-level window of its own, so over it the
// result is the menu's name, never that of the window it belongs to.
QString TopLevelNameAt(QPoint globalPos);

} // namespace tavrin::x11
