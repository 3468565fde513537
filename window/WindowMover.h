#pragma once

// Dragging the frameless window by its frame pictures: after a button
// press on one of them the window follows the pointer, each step through
// the snapping rule, until the button is released. A pointer movement
// without a held button moves nothing.

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

namespace tavrin {

class WindowMover : public QObject {
    Q_OBJECT

public:
    // Moves the window to a requested position (the caller's move routine,
    // which applies the snapping rule).
    using MoveFunction = std::function<void(QPoint requested)>;

    // `window` is the top-level window to move. Without `moveTo` the mover
    // uses MoveSnapped.
    explicit WindowMover(QWidget *window, MoveFunction moveTo = {});
    ~WindowMover() override;

    WindowMover(const WindowMover &) = delete;
    WindowMover &operator=(const WindowMover &) = delete;

    // A mouse button went down on a frame picture at `globalPos`: the drag
    // starts. Any button starts it. The pointer is grabbed for the window
    // until the button is released.
    void Press(QPoint globalPos);

    // The pointer moved over a frame picture. With a button held during a
    // drag the window follows; without a button nothing moves (and a drag
    // whose release was missed ends).
    void Move(QPoint globalPos, Qt::MouseButtons buttons);

    // Ends a drag (button released, window hidden); harmless without one.
    void Release();

    bool Dragging() const { return dragging_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Follow(QPoint globalPos);

    QWidget *window_;
    MoveFunction moveTo_;
    QPoint grabOffset_;
    bool dragging_ = false;
};

} // namespace tavrin
