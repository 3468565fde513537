// One start-up measurement: starts a program and watches the X server for
// its window. Prints, on one line,
//   map_ms=<exec to window viewable> paint_ms=<exec to window painted> hwm_kb=<peak RSS>
// "Painted" is when the pixel at the window's centre, read from the screen,
// is no longer the black of the bare root window. The program is ended
// after the measurement.
//
// usage: startup_bench_probe WINDOW_TITLE PROGRAM [ARGS...]

#include "XWindowWait.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using xwindowwait::Clock;
using xwindowwait::MsSince;

long WindowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return -1;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success
        && data != nullptr) {
        if (format == 32 && count == 1)
            pid = *reinterpret_cast<long *>(data);
    }
    if (data != nullptr)
        XFree(data);
    return pid;
}

unsigned long ScreenPixel(Display *display, int x, int y)
{
    XImage *image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel & 0xFFFFFF;
}

long PeakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void EndChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WINDOW_TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char *title = argv[1];
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    const auto deadline = start + std::chrono::seconds(30);
    Window window = 0;
    while (window == 0 && Clock::now() < deadline) {
        window = xwindowwait::FindWindow(display, DefaultRootWindow(display), title, 2,
                                         [&](Window candidate) { return WindowPid(display, candidate) == pid; });
        if (window == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (window == 0) {
        std::fprintf(stderr, "no window titled %s appeared\n", title);
        EndChild(pid);
        return 1;
    }
    const double mapMs = MsSince(start);

    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), attributes.width / 2,
                          attributes.height / 2, &x, &y, &child);
    x = std::max(0, std::min(x, screenWidth - 1));
    y = std::max(0, std::min(y, screenHeight - 1));
    double paintMs = -1;
    while (Clock::now() < deadline) {
        if (ScreenPixel(display, x, y) != 0) {
            paintMs = MsSince(start);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long hwm = PeakRssKb(pid);
    EndChild(pid);
    XCloseDisplay(display);
    std::printf("map_ms=%.1f paint_ms=%.1f hwm_kb=%ld\n", mapMs, paintMs, hwm);
    return paintMs < 0 ? 1 : 0;
}
