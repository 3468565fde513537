#pragma once

// TCoolTrayIcon: the program's icon in the notification area, with its tip,
// its menu and click reports.
//
// Clicks: the right button opens the popup menu at the pointer as soon as
// it is pressed. A left click is reported through OnClick only once the
// desktop's double-click time has passed without a second click; a double
// click is reported through OnDblClick and gives no OnClick. Without an
// OnDblClick handler a left click is reported at once.
//
// The icon is shown from construction on. When no tray host is running,
// the icon waits and appears once a host starts; OnAvailabilityChanged
// tells when a host comes or goes.

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

class QMenu;

namespace tavrin {

// Tells single left clicks from double clicks. Fed with the presses of the
// tray icon; reports a single click once the double-click time has run out
// without a second press.
class TrayClickSorter : public QObject {
    Q_OBJECT

public:
    explicit TrayClickSorter(QObject *parent = nullptr);

    // The left button went down on the icon.
    void LeftPressed();
    // The platform recognised a double click.
    void DoubleClicked();
    // The double-click time ran out; the sorter's own timer calls this.
    void WaitOver();

    bool ClickPending() const { return m_waiting.isActive(); }
    // The wait started by the last press, in milliseconds.
    int WaitInterval() const { return m_waiting.interval(); }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

private:
    QTimer m_waiting;
};

class TCoolTrayIcon : public QObject {
    Q_OBJECT

public:
    // Shows the icon at once with the placeholder picture; with a null
    // placeholder a small window pictogram is drawn.
    explicit TCoolTrayIcon(const QIcon &placeholder = QIcon(), QObject *parent = nullptr);
    ~TCoolTrayIcon() override;

    void SetIcon(const QIcon &icon);
    QIcon Icon() const { return m_icon.icon(); }

    void SetHint(const QString &hint);
    QString Hint() const { return m_icon.toolTip(); }

    // The menu that the right button opens (not owned).
    void SetPopupMenu(QMenu *menu);
    QMenu *PopupMenu() const { return m_popupMenu; }

    // Pops the menu up with its top-left corner at a screen point.
    void ShowMenuAt(const QPoint &globalPos);

    // Whether a tray host is running on the desktop now.
    static bool IsAvailable();
    // What the last check found.
    bool Available() const { return m_available; }

    // The window pictogram used when no placeholder is given.
    static QIcon DrawnPlaceholder();

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(bool available)> OnAvailabilityChanged;

    // Interval of the check for a tray host, in milliseconds.
    static constexpr int kAvailabilityPollMs = 2000;

    QSystemTrayIcon &SystemTrayIcon() { return m_icon; }

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);
    void CheckAvailability();

    QSystemTrayIcon m_icon;
    QPointer<QMenu> m_popupMenu;
    TrayClickSorter m_clicks;
    QTimer m_availabilityPoll;
    bool m_available = false;
};

} // namespace tavrin
