// Entry routine: the single-instance guard, then the window and the loop.

#include "app/Form1.h"
#include "app/SingleInstance.h"
#include "platform/MessageBoxes.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

const char *const GuardName = "Tavrinkvop";

// The window places itself on the screen, which only X11 allows: on a
// Wayland session run through XWayland. Without any display say so plainly.
bool ChooseDisplayPlatform()
{
    if (std::getenv("QT_QPA_PLATFORM") != nullptr)
        return true;
    const char *x11 = std::getenv("DISPLAY");
    if (x11 != nullptr && *x11 != '\0') {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    std::fputs("tavrin: no X display to show the launcher on (DISPLAY is not set)\n", stderr);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (!ChooseDisplayPlatform())
        return 1;

    tavrin::SingleInstance guard(QString::fromLatin1(GuardName));
    if (guard.AlreadyRunning()) {
        QApplication notice(argc, argv);
        tavrin::ShowNotice(QStringLiteral("数据库已锁定，请关闭相应软件后再运行！"), QStringLiteral("提醒"));
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrin"));
    QApplication::setQuitOnLastWindowClosed(false);

    tavrin::TForm1 form;
    form.FormCreate();
    form.show();
    QObject::connect(&form, &QObject::destroyed, &app, &QApplication::quit);
    app.exec();
    return 0;
}
