// A small program for the tray test on a real desktop: shows the tray icon
// with a menu and a window with the skinned context menu, and prints every
// event it sees on standard output, one per line.

#include "platform/SkinnedMenu.h"
#include "platform/TrayIcon.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

#include <cstdio>

namespace {

void Report(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class ProbeWindow : public QWidget {
public:
    explicit ProbeWindow(tavrin::TsuiPopupMenu *menu) : m_menu(menu) {}

protected:
    void contextMenuEvent(QContextMenuEvent *event) override { m_menu->popup(event->globalPos()); }

private:
    tavrin::TsuiPopupMenu *m_menu;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QMenu trayMenu;
    for (const char *caption : {"显示", "隐藏", "-", "退出"}) {
        if (QString::fromUtf8(caption) == QStringLiteral("-"))
            trayMenu.addSeparator();
        else
            trayMenu.addAction(QString::fromUtf8(caption));
    }
    QObject::connect(&trayMenu, &QMenu::aboutToShow, [] { Report(QStringLiteral("tray menu shown")); });
    QObject::connect(&trayMenu, &QMenu::triggered, [](QAction *action) {
        Report(QStringLiteral("tray menu item ") + action->text());
        if (action->text() == QStringLiteral("退出"))
            QApplication::quit();
    });

    tavrin::TCoolTrayIcon tray;
    tray.SetPopupMenu(&trayMenu);
    tray.SetHint(QStringLiteral("Tavrin"));
    tray.OnClick = [&tray] {
        Report(QStringLiteral("click"));
        tray.ShowMenuAt(QCursor::pos());
    };
    tray.OnDblClick = [] { Report(QStringLiteral("double click")); };
    tray.OnAvailabilityChanged = [](bool available) {
        Report(QStringLiteral("tray available %1").arg(available ? 1 : 0));
    };
    Report(QStringLiteral("started, tray available %1").arg(tavrin::TCoolTrayIcon::IsAvailable() ? 1 : 0));

    tavrin::TsuiPopupMenu contextMenu;
    QAction *onTop = contextMenu.addAction(QStringLiteral("窗口置顶"));
    onTop->setCheckable(true);
    onTop->setChecked(true);
    contextMenu.addAction(QStringLiteral("退出时保存位置"))->setCheckable(true);
    contextMenu.addSeparator();
    tavrin::TsuiPopupMenu *skins = contextMenu.AddSubMenu(QStringLiteral("皮肤"));
    auto *group = new QActionGroup(&contextMenu);
    for (const char *name : {"春草绿", "动感兰", "复古灰", "古典青", "冷艳紫", "落日黄", "玫瑰红"}) {
        QAction *item = skins->addAction(QString::fromUtf8(name));
        item->setCheckable(true);
        group->addAction(item);
    }
    group->actions().at(1)->setChecked(true);
    contextMenu.addSeparator();
    contextMenu.addAction(QStringLiteral("退出"));
    QObject::connect(&contextMenu, &QMenu::triggered,
                     [](QAction *action) { Report(QStringLiteral("context menu item ") + action->text()); });

    ProbeWindow window(&contextMenu);
    window.setWindowTitle(QStringLiteral("tray-probe"));
    window.resize(200, 150);
    window.move(100, 100);
    window.show();

    return QApplication::exec();
}
