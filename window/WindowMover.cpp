#include "window/WindowMover.h"

#include "window/WindowPlacement.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace tavrin {

WindowMover::WindowMover(QWidget *window, MoveFunction moveTo)
    : window_(window), moveTo_(std::move(moveTo))
{
    if (!moveTo_)
        moveTo_ = [this](QPoint requested) { MoveSnapped(window_, requested); };
}

WindowMover::~WindowMover()
{
    Release();
}

void WindowMover::Press(QPoint globalPos)
{
    if (window_ == nullptr)
        return;
    Release();
    grabOffset_ = globalPos - CurrentPosition(window_);
    dragging_ = true;
    // Every mouse event of the application passes the filter while the
    // drag lasts, whichever widget it is for; the grab keeps the pointer's
    // events with us when it runs ahead of the window.
    qApp->installEventFilter(this);
    window_->grabMouse();
}

void WindowMover::Move(QPoint globalPos, Qt::MouseButtons buttons)
{
    if (!dragging_)
        return;
    if (buttons == Qt::NoButton) {
        Release();
        return;
    }
    Follow(globalPos);
}

void WindowMover::Release()
{
    if (!dragging_)
        return;
    dragging_ = false;
    qApp->removeEventFilter(this);
    if (window_ != nullptr && QWidget::mouseGrabber() == window_)
        window_->releaseMouse();
}

void WindowMover::Follow(QPoint globalPos)
{
    moveTo_(globalPos - grabOffset_);
}

bool WindowMover::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Move(mouse->globalPosition().toPoint(), mouse->buttons());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->buttons() == Qt::NoButton)
            Release();
        return true;
    }
    case QEvent::Hide:
        if (watched == window_)
            Release();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavrin
