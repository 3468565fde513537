#include "platform/TrayIcon.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyleHints>

namespace tavrin {

TrayClickSorter::TrayClickSorter(QObject *parent) : QObject(parent)
{
    m_waiting.setSingleShot(true);
    connect(&m_waiting, &QTimer::timeout, this, &TrayClickSorter::WaitOver);
}

void TrayClickSorter::LeftPressed()
{
    if (!OnDblClick) {
        if (OnClick)
            OnClick();
        return;
    }
    m_waiting.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void TrayClickSorter::DoubleClicked()
{
    m_waiting.stop();
    if (OnDblClick)
        OnDblClick();
}

void TrayClickSorter::WaitOver()
{
    m_waiting.stop();
    if (OnClick)
        OnClick();
}

TCoolTrayIcon::TCoolTrayIcon(const QIcon &placeholder, QObject *parent) : QObject(parent)
{
    m_clicks.OnClick = [this] {
        if (OnClick)
            OnClick();
    };
    m_clicks.OnDblClick = [this] {
        if (OnDblClick)
            OnDblClick();
    };
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TCoolTrayIcon::Activated);

    m_icon.setIcon(placeholder.isNull() ? DrawnPlaceholder() : placeholder);
    m_available = IsAvailable();
    m_icon.show();

    connect(&m_availabilityPoll, &QTimer::timeout, this, &TCoolTrayIcon::CheckAvailability);
    m_availabilityPoll.start(kAvailabilityPollMs);
}

TCoolTrayIcon::~TCoolTrayIcon()
{
    m_availabilityPoll.stop();
    m_icon.hide();
}

void TCoolTrayIcon::SetIcon(const QIcon &icon)
{
    m_icon.setIcon(icon);
}

void TCoolTrayIcon::SetHint(const QString &hint)
{
    m_icon.setToolTip(hint);
}

void TCoolTrayIcon::SetPopupMenu(QMenu *menu)
{
    m_popupMenu = menu;
}

void TCoolTrayIcon::ShowMenuAt(const QPoint &globalPos)
{
    if (m_popupMenu != nullptr)
        m_popupMenu->popup(globalPos);
}

bool TCoolTrayIcon::IsAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TCoolTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        m_clicks.LeftPressed();
        break;
    case QSystemTrayIcon::DoubleClick:
        m_clicks.DoubleClicked();
        break;
    case QSystemTrayIcon::Context:
        // The menu is not handed to QSystemTrayIcon::setContextMenu, which
        // would open it a second time.
        ShowMenuAt(QCursor::pos());
        break;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

void TCoolTrayIcon::CheckAvailability()
{
    const bool available = IsAvailable();
    if (available == m_available)
        return;
    m_available = available;
    if (available && m_icon.isVisible()) {
        // Embed the icon into the host that just appeared.
        m_icon.hide();
        m_icon.show();
    }
    if (OnAvailabilityChanged)
        OnAvailabilityChanged(available);
}

QIcon TCoolTrayIcon::DrawnPlaceholder()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // A window: grey frame with a darker title bar.
    painter.fillRect(2, 4, 28, 24, QColor(0x9A, 0x9A, 0x9A));
    painter.fillRect(3, 5, 26, 3, QColor(0x5E, 0x6E, 0x80));
    painter.fillRect(3, 8, 26, 19, QColor(0xF4, 0xF4, 0xF4));
    // A blue-green picture panel on the left.
    painter.fillRect(5, 10, 10, 15, QColor(0x2A, 0x9D, 0x8F));
    painter.fillRect(6, 18, 8, 6, QColor(0x3C, 0x7D, 0xC8));
    // Text lines on the right.
    for (int line = 0; line < 5; ++line)
        painter.fillRect(17, 11 + line * 3, line % 2 == 0 ? 10 : 8, 1, QColor(0x60, 0x60, 0x60));
    painter.end();
    return QIcon(pixmap);
}

} // namespace tavrin
