#include "platform/TrayIcon.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

struct ClickCount {
    int clicks = 0;
    int doubleClicks = 0;

    void Attach(TrayClickSorter &sorter)
    {
        sorter.OnClick = [this] { ++clicks; };
        sorter.OnDblClick = [this] { ++doubleClicks; };
    }
};

TEST(TrayClickSorter, SingleClickWaitsForTheDoubleClickTime)
{
    TrayClickSorter sorter;
    ClickCount count;
    count.Attach(sorter);

    sorter.LeftPressed();
    EXPECT_EQ(count.clicks, 0);
    EXPECT_TRUE(sorter.ClickPending());
    EXPECT_EQ(sorter.WaitInterval(), QGuiApplication::styleHints()->mouseDoubleClickInterval());

    sorter.WaitOver();
    EXPECT_EQ(count.clicks, 1);
    EXPECT_EQ(count.doubleClicks, 0);
    EXPECT_FALSE(sorter.ClickPending());
}

TEST(TrayClickSorter, DoubleClickGivesNoSingleClick)
{
    TrayClickSorter sorter;
    ClickCount count;
    count.Attach(sorter);

    sorter.LeftPressed();
    sorter.DoubleClicked();
    EXPECT_EQ(count.doubleClicks, 1);
    EXPECT_FALSE(sorter.ClickPending());
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
    EXPECT_EQ(count.clicks, 0);
}

TEST(TrayClickSorter, TheTimerReportsTheClick)
{
    TrayClickSorter sorter;
    ClickCount count;
    count.Attach(sorter);
    sorter.LeftPressed();
    EXPECT_TRUE(QTest::qWaitFor([&] { return count.clicks == 1; }, 10000));
    EXPECT_EQ(count.doubleClicks, 0);
}

TEST(TrayClickSorter, WithoutDoubleClickHandlerAClickIsReportedAtOnce)
{
    TrayClickSorter sorter;
    int clicks = 0;
    sorter.OnClick = [&clicks] { ++clicks; };
    sorter.LeftPressed();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(sorter.ClickPending());
}

TEST(TrayIcon, IsShownFromCreationWithAPicture)
{
    TCoolTrayIcon tray;
    EXPECT_TRUE(tray.SystemTrayIcon().isVisible());
    EXPECT_FALSE(tray.Icon().isNull());
    const QImage placeholder = TCoolTrayIcon::DrawnPlaceholder().pixmap(32, 32).toImage();
    EXPECT_EQ(placeholder.size(), QSize(32, 32));
    EXPECT_EQ(placeholder.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(placeholder.pixelColor(16, 16).alpha(), 255);

    QPixmap red(16, 16);
    red.fill(Qt::red);
    tray.SetIcon(QIcon(red));
    EXPECT_EQ(tray.Icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    tray.SetHint(QStringLiteral("Tavrin 启动器"));
    EXPECT_EQ(tray.Hint(), QStringLiteral("Tavrin 启动器"));
    EXPECT_EQ(tray.SystemTrayIcon().toolTip(), QStringLiteral("Tavrin 启动器"));
}

TEST(TrayIcon, RightButtonOpensThePopupMenuAtThePointer)
{
    QMenu menu;
    menu.addAction(QStringLiteral("显示"));
    TCoolTrayIcon tray;
    tray.SetPopupMenu(&menu);
    EXPECT_EQ(tray.PopupMenu(), &menu);
    EXPECT_EQ(tray.SystemTrayIcon().contextMenu(), nullptr);

    QCursor::setPos(300, 200);
    emit tray.SystemTrayIcon().activated(QSystemTrayIcon::Context);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_TRUE(menu.isVisible());
    menu.hide();

    tray.ShowMenuAt(QPoint(50, 60));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), QPoint(50, 60));
    menu.hide();
}

TEST(TrayIcon, LeftClicksAreSortedIntoClickAndDoubleClick)
{
    TCoolTrayIcon tray;
    int clicks = 0;
    int doubleClicks = 0;
    tray.OnClick = [&clicks] { ++clicks; };
    tray.OnDblClick = [&doubleClicks] { ++doubleClicks; };

    emit tray.SystemTrayIcon().activated(QSystemTrayIcon::Trigger);
    emit tray.SystemTrayIcon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(doubleClicks, 1);

    emit tray.SystemTrayIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(QTest::qWaitFor([&clicks] { return clicks == 1; }, 10000));
    EXPECT_EQ(doubleClicks, 1);
}

TEST(TrayIcon, MiddleButtonDoesNothing)
{
    QMenu menu;
    menu.addAction(QStringLiteral("显示"));
    TCoolTrayIcon tray;
    tray.SetPopupMenu(&menu);
    int clicks = 0;
    tray.OnClick = [&clicks] { ++clicks; };
    emit tray.SystemTrayIcon().activated(QSystemTrayIcon::MiddleClick);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(clicks, 0);
}

} // namespace
} // namespace tavrin
