#include "app/Form1.h"

#include "app/CreationSteps.h"
#include "app/DefaultLook.h"
#include "bar/BarPopulationTarget.h"
#include "bar/EntryIcons.h"
#include "bar/OutlookBar.h"
#include "bar/PopulateBar.h"
#include "platform/CjkFont.h"
#include "platform/ImageList.h"
#include "platform/ImgButton.h"
#include "platform/MessageBoxes.h"
#include "platform/Panel.h"
#include "platform/PictureBox.h"
#include "platform/SkinCursor.h"
#include "platform/SkinnedMenu.h"
#include "platform/TrayIcon.h"
#include "platform/X11Desktop.h"
#include "skins/SkinCatalogue.h"
#include "store/Statements.h"
#include "window/RoundedOutline.h"
#include "window/WindowMover.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace tavrin {

TForm1::TForm1()
    : ShowError(ShowErrorBox)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrin"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFont(CjkFont());
    resize(DefinedWidth, DefinedHeight);
    move(DefinedLeft, DefinedTop);

    BuildControls();
    BuildMenus();
    BuildTray();
    WireEvents();
    LoadDefaultLook();
    LayOut();
    // The window manager must place this window exactly, also partly off
    // the screen, and never give it a frame or a taskbar button.
    x11::PrepareLauncherWindow(this);
}

TForm1::~TForm1()
{
    store_.Close();
}

void TForm1::Guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        ShowError(this, CurrentExceptionMessage());
    }
}

void TForm1::FormCreate()
{
    const std::vector<CreationStep> steps = {
        {QStringLiteral("scratch icon"), [] { /* the picture lists copy pictures directly */ }, false},
        {QStringLiteral("double buffering"), [] { /* Qt paints every widget double buffered */ }, false},
        {QStringLiteral("open store"),
         [this] {
             store_.Open(QStringLiteral("data.db"));
         },
         false},
        {QStringLiteral("settings"), [this] { LoadSettings(store_, *this); }, false},
        {QStringLiteral("outline"), [this] { CutRoundedOutline(); }, false},
        {QStringLiteral("skin"), [this] { InitSkins(); }, true},
        {QStringLiteral("bar"), [this] { PopulateBarStep(); }, false},
        {QStringLiteral("tray"), [this] { SetUpTrayIcon(); }, false},
    };
    const std::optional<QString> error = RunCreationSteps(steps);
    created_ = true;
    if (error)
        ShowError(this, *error);
}

void TForm1::CutRoundedOutline()
{
    ApplyRoundedOutline(this);
}

void TForm1::PopulateBarStep()
{
    EntryIcons icons(*ImageList1, *ImageList2);
    BarPopulationTarget target(*list1, *ImageList1, icons, [this](TmxButton *button) { _button_click(button); });
    PopulateBar(store_, target);
}

void TForm1::SetUpTrayIcon()
{
    CoolTrayIcon1->SetIcon(ApplicationIcon());
    CoolTrayIcon1->SetHint(Label1->text());
}

void TForm1::FormShow()
{
    // No taskbar button, ever; and the stay-on-top state survives the
    // window manager forgetting it on every unmap.
    x11::PrepareLauncherWindow(this);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormShow();
    QTimer::singleShot(0, this, [this] { ApplyStayOnTopState(); });
}

bool TForm1::FormClose()
{
    if (savePosition_) {
        const QPoint position = WindowPos();
        store_.Execute(sql::SavePosition, {QString::number(position.y()), QString::number(position.x())});
    }
    store_.Close();
    return true;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool closed = false;
    Guarded([&] { closed = FormClose(); });
    if (!closed) {
        event->ignore();
        return;
    }
    event->accept();
    closing_ = true;
    Timer1->stop();
    Timer2->stop();
    CoolTrayIcon1->SystemTrayIcon().hide();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    if (contextMenuEnabled_ && suiPopupMenu1)
        suiPopupMenu1->popup(event->globalPos());
    event->accept();
}

// ---- SettingsWindow ----------------------------------------------------------

void TForm1::SetTitleText(const QString &text)
{
    Label1->setText(text);
    Label1->adjustSize();
}

void TForm1::SetCurrentSkinName(const QString &name)
{
    currentSkinName_ = name;
}

void TForm1::SetWindowHeight(int height)
{
    // Heights the window system cannot take are clamped, not refused.
    setFixedHeight(std::clamp(height, 1, 32767));
    LayOut();
}

void TForm1::SetWindowTop(int top)
{
    MoveWindow(QPoint(WindowPos().x(), top));
}

void TForm1::SetWindowLeft(int left)
{
    MoveWindow(QPoint(left, WindowPos().y()));
}

int TForm1::WindowWidth() const
{
    return width();
}

int TForm1::PrimaryScreenWidth() const
{
    return PrimaryScreenSize().width();
}

void TForm1::RemoveContextMenu()
{
    contextMenuEnabled_ = false;
}

} // namespace tavrin
