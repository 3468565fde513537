#include "platform/X11Desktop.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <vector>

namespace tavrin::x11 {

namespace {

const char *const StayOnTopProperty = "tavrinStayOnTop";

// _NET_WM_STATE client message actions.
constexpr long StateRemove = 0;
constexpr long StateAdd = 1;
// Source indication: a normal application.
constexpr long SourceApplication = 1;

Display *XDisplay()
{
    auto *x11App = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11App ? x11App->display() : nullptr;
}

Atom Intern(Display *display, const char *name)
{
    return XInternAtom(display, name, False);
}

// The native window of a top-level widget, created when it does not exist
// yet. The QWindow's id stays right across re-creations of the window.
::Window NativeWindow(QWidget *window)
{
    if (window->windowHandle() == nullptr)
        window->createWinId();
    QWindow *handle = window->windowHandle();
    return handle ? static_cast<::Window>(handle->winId()) : 0;
}

::Window ExistingNativeWindow(const QWidget *window)
{
    QWindow *handle = window->windowHandle();
    return handle ? static_cast<::Window>(handle->winId()) : 0;
}

bool IsMapped(Display *display, ::Window window)
{
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0)
        return false;
    return attributes.map_state != IsUnmapped;
}

std::vector<Atom> ReadAtoms(Display *display, ::Window window, Atom property)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char *data = nullptr;
    std::vector<Atom> atoms;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, XA_ATOM, &actualType, &actualFormat, &count,
                           &bytesAfter, &data) == Success
        && data != nullptr) {
        if (actualType == XA_ATOM && actualFormat == 32) {
            const auto *values = reinterpret_cast<const Atom *>(data);
            atoms.assign(values, values + count);
        }
    }
    if (data != nullptr)
        XFree(data);
    return atoms;
}

std::vector<long> ReadCardinals(Display *display, ::Window window, Atom property)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char *data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, property, 0, 4096, False, XA_CARDINAL, &actualType, &actualFormat,
                           &count, &bytesAfter, &data) == Success
        && data != nullptr) {
        if (actualType == XA_CARDINAL && actualFormat == 32) {
            const auto *items = reinterpret_cast<const long *>(data);
            values.assign(items, items + count);
        }
    }
    if (data != nullptr)
        XFree(data);
    return values;
}

void WriteAtoms(Display *display, ::Window window, Atom property, const std::vector<Atom> &atoms)
{
    XChangeProperty(display, window, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(atoms.data()), static_cast<int>(atoms.size()));
}

void SendStateMessage(Display *display, ::Window window, long action, Atom first, Atom second)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = Intern(display, "_NET_WM_STATE");
    event.xclient.format = 32;
    event.xclient.data.l[0] = action;
    event.xclient.data.l[1] = static_cast<long>(first);
    event.xclient.data.l[2] = static_cast<long>(second);
    event.xclient.data.l[3] = SourceApplication;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
}

// The layer atoms for the stay-on-top choice: the one to have and the one
// not to have. A dock window sits above ordinary windows by itself, so
// "not on top" is asked for with BELOW, which brings it back among them.
struct LayerAtoms {
    Atom wanted;
    Atom unwanted;
};

LayerAtoms LayerFor(Display *display, bool stayOnTop)
{
    const Atom above = Intern(display, "_NET_WM_STATE_ABOVE");
    const Atom below = Intern(display, "_NET_WM_STATE_BELOW");
    return stayOnTop ? LayerAtoms{above, below} : LayerAtoms{below, above};
}

// Writes the state into the property of a window the window manager does
// not manage yet; it reads the property when the window is mapped.
void WriteUnmappedState(Display *display, ::Window window, bool stayOnTop)
{
    const Atom netWmState = Intern(display, "_NET_WM_STATE");
    const Atom skipTaskbar = Intern(display, "_NET_WM_STATE_SKIP_TASKBAR");
    const Atom skipPager = Intern(display, "_NET_WM_STATE_SKIP_PAGER");
    const LayerAtoms layer = LayerFor(display, stayOnTop);

    std::vector<Atom> atoms = ReadAtoms(display, window, netWmState);
    std::erase(atoms, layer.unwanted);
    for (Atom atom : {skipTaskbar, skipPager, layer.wanted}) {
        if (std::find(atoms.begin(), atoms.end(), atom) == atoms.end())
            atoms.push_back(atom);
    }
    WriteAtoms(display, window, netWmState, atoms);
}

// Asks the window manager to change the state of a mapped window.
void SendMappedState(Display *display, ::Window window, bool stayOnTop)
{
    const LayerAtoms layer = LayerFor(display, stayOnTop);
    SendStateMessage(display, window, StateRemove, layer.unwanted, None);
    SendStateMessage(display, window, StateAdd, layer.wanted, None);
    SendStateMessage(display, window, StateAdd, Intern(display, "_NET_WM_STATE_SKIP_TASKBAR"),
                     Intern(display, "_NET_WM_STATE_SKIP_PAGER"));
}

void ApplyState(Display *display, ::Window window, bool stayOnTop)
{
    if (IsMapped(display, window))
        SendMappedState(display, window, stayOnTop);
    else
        WriteUnmappedState(display, window, stayOnTop);
    XFlush(display);
}

std::optional<QPoint> ServerPosition(Display *display, ::Window window)
{
    ::Window child = 0;
    int x = 0;
    int y = 0;
    if (XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child) == 0)
        return std::nullopt;
    return QPoint(x, y);
}

} // namespace

bool Available()
{
    return XDisplay() != nullptr;
}

void PrepareLauncherWindow(QWidget *window)
{
    Display *display = XDisplay();
    if (display == nullptr || window == nullptr)
        return;
    const ::Window native = NativeWindow(window);
    if (native == 0)
        return;
    const Atom dock = Intern(display, "_NET_WM_WINDOW_TYPE_DOCK");
    WriteAtoms(display, native, Intern(display, "_NET_WM_WINDOW_TYPE"), {dock});
    ApplyState(display, native, StaysOnTop(window));
}

void SetStayOnTop(QWidget *window, bool on)
{
    if (window == nullptr)
        return;
    window->setProperty(StayOnTopProperty, on);
    Display *display = XDisplay();
    if (display == nullptr)
        return;
    const ::Window native = ExistingNativeWindow(window);
    if (native == 0)
        return;
    ApplyState(display, native, on);
}

bool StaysOnTop(const QWidget *window)
{
    return window != nullptr && window->property(StayOnTopProperty).toBool();
}

QRect WorkArea(const QWidget *window)
{
    QScreen *screen = window != nullptr ? window->screen() : nullptr;
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect fallback = screen->availableGeometry();

    Display *display = XDisplay();
    if (display == nullptr)
        return fallback;
    const ::Window root = DefaultRootWindow(display);
    const std::vector<long> areas = ReadCardinals(display, root, Intern(display, "_NET_WORKAREA"));
    const std::vector<long> current = ReadCardinals(display, root, Intern(display, "_NET_CURRENT_DESKTOP"));
    const std::size_t desktop = current.empty() ? 0 : static_cast<std::size_t>(current.front());
    if (areas.size() < (desktop + 1) * 4)
        return fallback;
    const long *area = areas.data() + desktop * 4;
    const QRect desktopArea(static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                            static_cast<int>(area[3]));
    const QRect screenArea = desktopArea.intersected(screen->geometry());
    return screenArea.isEmpty() ? fallback : screenArea;
}

QSize PrimaryScreenSize()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QPoint WindowPosition(const QWidget *window)
{
    if (window == nullptr)
        return {};
    Display *display = XDisplay();
    const ::Window native = ExistingNativeWindow(window);
    if (display == nullptr || native == 0 || !window->isVisible() || !IsMapped(display, native))
        return window->pos();
    return ServerPosition(display, native).value_or(window->pos());
}

void MoveWindow(QWidget *window, QPoint topLeft)
{
    if (window == nullptr)
        return;
    Display *display = XDisplay();
    const ::Window native = ExistingNativeWindow(window);
    if (display == nullptr || native == 0 || !window->isVisible() || !IsMapped(display, native)) {
        window->move(topLeft);
        return;
    }
    if (ServerPosition(display, native) == topLeft)
        return;
    if (window->pos() == topLeft) {
        // Qt believes the window is there already and would send nothing.
        XMoveWindow(display, native, topLeft.x(), topLeft.y());
        XFlush(display);
    } else {
        window->move(topLeft);
    }

    // The window manager carries out the move; wait for it, briefly.
    constexpr int MoveWaitMs = 50;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < MoveWaitMs) {
        if (ServerPosition(display, native) == topLeft)
            return;
        QThread::usleep(500);
    }
}

QPoint PointerPosition()
{
    return QCursor::pos();
}

QString TopLevelNameAt(QPoint globalPos)
{
    QWidget *widget = QApplication::widgetAt(globalPos);
    if (widget == nullptr)
        return {};
    return widget->window()->objectName();
}

} // namespace tavrin::x11
