#include "platform/Panel.h"

#include <QPainter>
#include <QPaintEvent>

namespace tavrin {

TPanel::TPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TPanel::SetColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void TPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(m_color, palette().color(QPalette::Window)));
}

} // namespace tavrin
