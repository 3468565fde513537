// Handlers of the window: dragging, the title-strip buttons, the tray, the
// two switches, the docking ticks and the clicks of the launcher bar.

#include "app/Form1.h"

#include "bar/EntryHint.h"
#include "bar/OutlookBar.h"
#include "platform/ShellOpen.h"
#include "platform/SkinnedMenu.h"
#include "platform/TrayIcon.h"
#include "platform/X11Desktop.h"
#include "store/Statements.h"
#include "window/Docking.h"
#include "window/Snapping.h"
#include "window/WindowPlacement.h"
#include "window/WindowMover.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace tavrin {

// ---- moving --------------------------------------------------------------

QRect TForm1::WorkArea() const
{
    return x11::WorkArea(this);
}

QSize TForm1::PrimaryScreenSize() const
{
    return x11::PrimaryScreenSize();
}

QPoint TForm1::WindowPos() const
{
    return CurrentPosition(this);
}

void TForm1::MoveWindow(QPoint topLeft)
{
    MoveSnapped(this, topLeft);
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
}

void TForm1::Image2MouseDown(QWidget *, QPoint globalPos, Qt::MouseButtons buttons)
{
    Q_UNUSED(buttons);
    mover_->Press(globalPos);
}

void TForm1::Image2MouseMove(QWidget *, QPoint globalPos, Qt::MouseButtons buttons)
{
    mover_->Move(globalPos, buttons);
}

// ---- title-strip buttons and tray ----------------------------------------

void TForm1::N4Click()
{
    close();
}

void TForm1::ImgButton2Click()
{
    N2Click();
}

bool TForm1::TrayAvailable() const
{
    return CoolTrayIcon1 && CoolTrayIcon1->Available();
}

void TForm1::N2Click()
{
    // With no tray to come back from, hiding would lose the window: it
    // stays where it is.
    if (!TrayAvailable())
        return;
    hide();
}

void TForm1::N1Click()
{
    const QSize screen = PrimaryScreenSize();
    const WindowBox window = DockState();
    ApplyMoves(window, ShowCommandMoves(window, screen.width(), screen.height()));
    show(); // FormShow prepares the window for the window manager
    raise();
    activateWindow();
    Timer1->stop();
    Timer2->stop();
}

void TForm1::CoolTrayIcon1Click()
{
    PopupMenu1->popup(QCursor::pos());
}

// ---- switches --------------------------------------------------------------

void TForm1::ApplyStayOnTopState()
{
    x11::SetStayOnTop(this, stayOnTop_);
}

void TForm1::N5Click()
{
    if (stayOnTop_) {
        N5->setChecked(false);
        stayOnTop_ = false;
        ApplyStayOnTopState();
        store_.Execute(sql::SetStayOnTop(false));
    } else {
        stayOnTop_ = true;
        ApplyStayOnTopState();
        N5->setChecked(true);
        store_.Execute(sql::SetStayOnTop(true));
    }
}

void TForm1::N3Click()
{
    const bool on = !savePosition_;
    savePosition_ = on;
    N3->setChecked(on);
    store_.Execute(sql::SetSavePosition(on));
}

// ---- docking ---------------------------------------------------------------

WindowBox TForm1::DockState() const
{
    const QPoint p = WindowPos();
    return WindowBox{p.x(), p.y(), width(), height()};
}

// Setting a coordinate to the value it has moves nothing, so the ticks ask
// the window system nothing more for a window that is already in place.
void TForm1::ApplyMoves(const WindowBox &window, const WindowMoves &moves)
{
    if (moves.NewTop && *moves.NewTop != window.Top)
        SetWindowTop(*moves.NewTop);
    if (moves.NewLeft && *moves.NewLeft != window.Left)
        SetWindowLeft(*moves.NewLeft);
}

void TForm1::Timer1Timer()
{
    const WindowBox window = DockState();
    const int screenWidth = PrimaryScreenSize().width();
    if (!HoverTickNeedsPointer(window, screenWidth))
        return;
    const bool hovered = x11::TopLevelNameAt(x11::PointerPosition()) == objectName();
    const TickResult result = HoverTick(window, screenWidth, hovered);
    if (result.HideTimer == TimerCommand::Stop)
        Timer2->stop();
    if (result.HideTimer == TimerCommand::Start && !Timer2->isActive())
        Timer2->start();
    ApplyMoves(window, result.Moves);
}

void TForm1::Timer2Timer()
{
    const WindowBox window = DockState();
    ApplyMoves(window, HideTick(window, PrimaryScreenSize().width()));
}

void TForm1::list1MouseMove()
{
    if (!Timer1->isActive())
        Timer1->start();
}

// ---- the bar ---------------------------------------------------------------

void TForm1::list1Click()
{
    for (int i = 0; i < list1->HeaderCount(); ++i)
        list1->Header(i).SetAllowSelected(true);
}

void TForm1::_button_click(TmxButton *sender)
{
    if (sender == nullptr)
        return;
    try {
        ClickedButton = sender;
        const QString parameters = EntryParameters(ClickedButton->Hint);
        const QString target = EntryTarget(ClickedButton->Hint);
        ShellOpen(target, parameters);
    } catch (...) {
        // A failed launch shows nothing from the launcher.
    }
}

} // namespace tavrin
