#include "platform/ImgButton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tavrin {

TImgButton::TImgButton(QWidget *parent) : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TImgButton::SetPictureNormal(const QImage &picture)
{
    m_normal = picture;
    update();
}

void TImgButton::SetPictureEnter(const QImage &picture)
{
    m_enter = picture;
    update();
}

void TImgButton::SetPictureDown(const QImage &picture)
{
    m_down = picture;
    update();
}

TImgButton::State TImgButton::CurrentState() const
{
    if (m_pressed && m_pointerInside)
        return State::Down;
    if (m_pointerInside && !m_pressed)
        return State::Enter;
    return State::Normal;
}

const QImage &TImgButton::CurrentPicture() const
{
    switch (CurrentState()) {
    case State::Down:
        return m_down;
    case State::Enter:
        return m_enter;
    case State::Normal:
        break;
    }
    return m_normal;
}

void TImgButton::paintEvent(QPaintEvent * /*event*/)
{
    const QImage &picture = CurrentPicture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture);
}

void TImgButton::SetPointerInside(bool inside)
{
    if (m_pointerInside == inside)
        return;
    m_pointerInside = inside;
    update();
}

void TImgButton::enterEvent(QEnterEvent *event)
{
    SetPointerInside(true);
    QWidget::enterEvent(event);
}

void TImgButton::leaveEvent(QEvent *event)
{
    // While the button is held the pointer is grabbed; its moves decide.
    if (!m_pressed)
        SetPointerInside(false);
    QWidget::leaveEvent(event);
}

void TImgButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_pointerInside = rect().contains(event->position().toPoint());
    update();
    event->accept();
}

void TImgButton::mouseMoveEvent(QMouseEvent *event)
{
    SetPointerInside(rect().contains(event->position().toPoint()));
    event->accept();
}

void TImgButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        event->ignore();
        return;
    }
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    m_pointerInside = inside;
    update();
    event->accept();
    if (inside) {
        emit clicked();
        if (OnClick)
            OnClick();
    }
}

void TImgButton::hideEvent(QHideEvent *event)
{
    // A hidden button gets no leave event: it comes back at rest.
    m_pressed = false;
    m_pointerInside = false;
    QWidget::hideEvent(event);
}

} // namespace tavrin
