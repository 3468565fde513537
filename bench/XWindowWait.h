// X11 helpers shared by the benchmarks that watch the launcher's window from
// outside: finding a viewable window by its title among the top-level
// windows and their children (window managers put a frame around them).

#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstring>

namespace xwindowwait {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline bool TitleIs(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

// The first viewable window below `parent`, at most `depth` levels further
// down, that has the title and that `accept` takes.
template <typename Accept>
Window FindWindow(Display *display, Window parent, const char *title, int depth, Accept accept)
{
    Window root = 0, parentOut = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0)
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 || attributes.map_state != IsViewable)
            continue;
        if (TitleIs(display, children[i], title) && accept(children[i]))
            found = children[i];
        else if (depth > 0)
            found = FindWindow(display, children[i], title, depth - 1, accept);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

inline Window FindWindow(Display *display, Window parent, const char *title, int depth)
{
    return FindWindow(display, parent, title, depth, [](Window) { return true; });
}

} // namespace xwindowwait
