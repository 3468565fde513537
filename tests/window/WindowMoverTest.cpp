#include "window/WindowMover.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

namespace tavrin {
namespace {

class WindowMoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(500, 200, 174, 300);
        frame = new QWidget(&window);
        frame->setGeometry(0, 0, 174, 26);
    }

    // Sends a mouse event to the frame picture as the window system would.
    void Send(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const QPointF local = frame->mapFromGlobal(global);
        QMouseEvent event(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(frame, &event);
    }

    QWidget window;
    QWidget *frame = nullptr;
    std::vector<QPoint> moves;
    WindowMover mover{&window, [this](QPoint requested) { moves.push_back(requested); }};
};

TEST_F(WindowMoverTest, FollowsThePointerWhileTheButtonIsHeld)
{
    mover.Press(QPoint(520, 210));
    EXPECT_TRUE(mover.Dragging());
    Send(QEvent::MouseMove, QPoint(530, 215), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseMove, QPoint(400, 100), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(400, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(mover.Dragging());
    // The point grabbed stays under the pointer: 20 right, 10 below the corner.
    EXPECT_EQ(moves, (std::vector<QPoint>{{510, 205}, {380, 90}}));

    Send(QEvent::MouseMove, QPoint(600, 300), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(moves.size(), 2U);
}

TEST_F(WindowMoverTest, MovementWithoutAHeldButtonMovesNothing)
{
    mover.Move(QPoint(100, 100), Qt::NoButton);
    mover.Move(QPoint(100, 100), Qt::LeftButton);
    EXPECT_TRUE(moves.empty());

    // A drag whose release was missed ends at the first move without a button.
    mover.Press(QPoint(520, 210));
    Send(QEvent::MouseMove, QPoint(530, 230), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(mover.Dragging());
    Send(QEvent::MouseMove, QPoint(540, 240), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(moves.empty());
}

TEST_F(WindowMoverTest, AnyButtonStartsTheDrag)
{
    mover.Press(QPoint(510, 201));
    Send(QEvent::MouseMove, QPoint(520, 211), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(moves, (std::vector<QPoint>{{510, 210}}));
    mover.Release();
    EXPECT_FALSE(mover.Dragging());
}

TEST_F(WindowMoverTest, HidingTheWindowEndsTheDrag)
{
    window.show();
    mover.Press(QPoint(520, 210));
    window.hide();
    EXPECT_FALSE(mover.Dragging());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

} // namespace
} // namespace tavrin
