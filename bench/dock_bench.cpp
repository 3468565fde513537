// Auto-hide timing of a docked launcher window, measured from outside
// through the X server: the pointer is warped away from the window and the
// time until the window sits at its hidden position is taken; then the
// pointer is warped onto the remaining strip and the time until the window
// is back in view is taken. Prints min / median / max of both next to the
// intended bounds (hide 100-200 ms, back within 100 ms).
//
// usage: dock_bench WINDOW_TITLE [TRIALS]   (the window must be docked at
// the top or at the right edge of the screen; TRIALS defaults to 30)

#include "XWindowWait.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using xwindowwait::Clock;
using xwindowwait::FindWindow;
using xwindowwait::MsSince;

struct Box {
    int x, y, w, h;
};

Box WindowBox(Display *display, Window window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

void WarpPointer(Display *display, int x, int y)
{
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, x, y);
    XFlush(display);
}

// Polls the window's position every 0.5 ms until `reached` holds; returns
// the milliseconds taken, or -1 after 3 s.
template <typename Predicate>
double WaitFor(Display *display, Window window, Clock::time_point start, Predicate reached)
{
    const auto deadline = start + std::chrono::seconds(3);
    while (Clock::now() < deadline) {
        if (reached(WindowBox(display, window)))
            return MsSince(start);
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return -1;
}

void Report(const char *what, std::vector<double> values, const char *bound)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    std::printf("%-28s min %7.1f  median %7.1f  max %7.1f ms   (intended: %s)\n", what, values.front(), median,
                values.back(), bound);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WINDOW_TITLE [TRIALS]\n", argv[0]);
        return 2;
    }
    const int trials = argc > 2 ? std::atoi(argv[2]) : 30;
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    const Window window = FindWindow(display, DefaultRootWindow(display), argv[1], 2);
    if (window == 0) {
        std::fprintf(stderr, "no window titled %s\n", argv[1]);
        return 1;
    }

    const Box first = WindowBox(display, window);
    const bool atTop = first.y <= 3;
    if (!atTop && first.x + first.w < screenWidth) {
        std::fprintf(stderr, "the window is not docked (at %d,%d)\n", first.x, first.y);
        return 1;
    }
    const int w = first.w;
    const int h = first.h;
    auto hidden = [&](const Box &b) { return atTop ? b.y == 3 - h : b.x == screenWidth - 4; };
    auto inView = [&](const Box &b) { return atTop ? b.y == 0 : b.x == screenWidth - w; };
    auto stripPoint = [&](const Box &b) {
        return atTop ? std::make_pair(b.x + w / 2, 1) : std::make_pair(screenWidth - 2, b.y + h / 2);
    };
    // Away from the window, on the opposite side of the screen.
    const int awayX = atTop ? (first.x > screenWidth / 2 ? 100 : screenWidth - 100) : 100;
    const int awayY = screenHeight / 2;

    // Bring it into view first.
    const Box now = WindowBox(display, window);
    const auto [sx, sy] = stripPoint(now);
    WarpPointer(display, sx, sy);
    if (WaitFor(display, window, Clock::now(), inView) < 0) {
        std::fprintf(stderr, "the window does not come into view\n");
        return 1;
    }

    std::vector<double> hideMs, showMs;
    for (int trial = 0; trial < trials; ++trial) {
        // Vary the phase against the window's timers.
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + (trial * 37) % 100));
        Clock::time_point start = Clock::now();
        WarpPointer(display, awayX, awayY);
        const double hideTime = WaitFor(display, window, start, hidden);
        if (hideTime < 0) {
            std::fprintf(stderr, "trial %d: the window did not hide\n", trial);
            return 1;
        }
        hideMs.push_back(hideTime);

        std::this_thread::sleep_for(std::chrono::milliseconds(20 + (trial * 53) % 100));
        const auto [px, py] = stripPoint(WindowBox(display, window));
        start = Clock::now();
        WarpPointer(display, px, py);
        const double showTime = WaitFor(display, window, start, inView);
        if (showTime < 0) {
            std::fprintf(stderr, "trial %d: the window did not come back\n", trial);
            return 1;
        }
        showMs.push_back(showTime);
    }
    XCloseDisplay(display);

    std::printf("%d trials, docked at the %s edge, window %dx%d on a %dx%d screen\n", trials,
                atTop ? "top" : "right", w, h, screenWidth, screenHeight);
    Report("pointer leaves -> hidden", hideMs, "100-200 ms");
    Report("strip touched -> in view", showMs, "<= 100 ms");
    return 0;
}
