#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavrin {

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void TImage::SetPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TImage::SetStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent * /*event*/)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(rect(), m_picture);
    } else {
        painter.drawImage(QPoint(0, 0), m_picture);
    }
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (OnMouseDown)
        OnMouseDown(event->globalPosition().toPoint(), event->button(), event->buttons());
    event->accept();
}

void TImage::mouseMoveEvent(QMouseEvent *event)
{
    if (OnMouseMove)
        OnMouseMove(event->globalPosition().toPoint(), event->buttons());
    event->accept();
}

} // namespace tavrin
