#pragma once

// TImgButton: a drawn-only button of 28 x 15 pixels made of three pictures:
// PictureNormal at rest, PictureEnter while the pointer is over it and
// PictureDown while the left button is held on it. A click is reported when
// the left button is released over the button.

#include <QImage>
#include <QWidget>

#include <functional>

namespace tavrin {

class TImgButton : public QWidget {
    Q_OBJECT

public:
    enum class State { Normal, Enter, Down };

    static constexpr int kWidth = 28;
    static constexpr int kHeight = 15;

    explicit TImgButton(QWidget *parent = nullptr);

    // Replacing a picture keeps the button's size and position.
    void SetPictureNormal(const QImage &picture);
    void SetPictureEnter(const QImage &picture);
    void SetPictureDown(const QImage &picture);
    const QImage &PictureNormal() const { return m_normal; }
    const QImage &PictureEnter() const { return m_enter; }
    const QImage &PictureDown() const { return m_down; }

    State CurrentState() const;
    const QImage &CurrentPicture() const;

    // Called on a click, after the clicked() signal.
    std::function<void()> OnClick;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void SetPointerInside(bool inside);

    QImage m_normal;
    QImage m_enter;
    QImage m_down;
    bool m_pointerInside = false;
    bool m_pressed = false;
};

} // namespace tavrin
