#pragma once

// TImage: a drawn picture. The picture is painted either stretched over the
// whole widget or at its natural size from the top-left corner (the rest is
// left unpainted, so whatever lies beneath shows through).

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>

namespace tavrin {

class TImage : public QWidget {
    Q_OBJECT

public:
    // Reports a press: the pointer's screen position, the button that went
    // down and every button held at that moment.
    using MouseDownHandler = std::function<void(QPoint globalPos, Qt::MouseButton button, Qt::MouseButtons buttons)>;
    // Reports any pointer movement over the picture, with or without a
    // button held.
    using MouseMoveHandler = std::function<void(QPoint globalPos, Qt::MouseButtons buttons)>;

    explicit TImage(QWidget *parent = nullptr);

    void SetPicture(const QImage &picture);
    const QImage &Picture() const { return m_picture; }

    void SetStretch(bool stretch);
    bool Stretch() const { return m_stretch; }

    MouseDownHandler OnMouseDown;
    MouseMoveHandler OnMouseMove;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};

} // namespace tavrin
