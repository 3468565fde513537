// The tray icon, the tray menu, the skinned context menu, and the wiring of
// every event to its handler.

#include "app/Form1.h"

#include "app/DefaultLook.h"
#include "bar/OutlookBar.h"
#include "platform/ImgButton.h"
#include "platform/PictureBox.h"
#include "platform/SkinnedMenu.h"
#include "platform/SkinCursor.h"
#include "platform/TrayIcon.h"
#include "skins/SkinCatalogue.h"
#include "window/WindowMover.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace tavrin {

namespace {

QAction *MakeItem(QMenu *menu, const char *name, const QString &caption)
{
    // Captions are shown as they stand: no access keys are added.
    QString shown = caption;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction *item = menu->addAction(shown);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction *MakeSeparator(QMenu *menu, const char *name)
{
    QAction *item = menu->addSeparator();
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

} // namespace

void TForm1::BuildMenus()
{
    PopupMenu1 = std::make_unique<QMenu>();
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = MakeItem(PopupMenu1.get(), "N1", QStringLiteral("显示"));
    N2 = MakeItem(PopupMenu1.get(), "N2", QStringLiteral("隐藏"));
    N12 = MakeSeparator(PopupMenu1.get(), "N12");
    N4 = MakeItem(PopupMenu1.get(), "N4", QStringLiteral("退出"));

    suiPopupMenu1 = std::make_unique<TsuiPopupMenu>();
    suiPopupMenu1->setObjectName(QStringLiteral("suiPopupMenu1"));
    N5 = MakeItem(suiPopupMenu1.get(), "N5", QStringLiteral("窗口置顶"));
    N5->setCheckable(true);
    N3 = MakeItem(suiPopupMenu1.get(), "N3", QStringLiteral("退出时保存位置"));
    N3->setCheckable(true);
    N6 = MakeSeparator(suiPopupMenu1.get(), "N6");
    N7 = suiPopupMenu1->AddSubMenu(QStringLiteral("皮肤"));
    N7->setObjectName(QStringLiteral("N7"));
    N7->menuAction()->setObjectName(QStringLiteral("N7"));
    N7->menuAction()->setEnabled(false);

    skinGroup_ = new QActionGroup(N7);
    skinGroup_->setExclusive(true);
    QAction **skinItems[] = {&N10, &N11, &N21, &N22, &N23, &N24, &N25};
    for (std::size_t i = 0; i < SkinCatalogue().size(); ++i) {
        const SkinEntry &skin = SkinCatalogue()[i];
        QAction *item = MakeItem(N7, skin.itemName, skin.name);
        item->setCheckable(true);
        skinGroup_->addAction(item);
        *skinItems[i] = item;
    }
    N8 = MakeSeparator(suiPopupMenu1.get(), "N8");
    N9 = MakeItem(suiPopupMenu1.get(), "N9", QStringLiteral("退出"));
}

void TForm1::BuildTray()
{
    CoolTrayIcon1 = std::make_unique<TCoolTrayIcon>(PlaceholderTrayIcon());
    CoolTrayIcon1->setObjectName(QStringLiteral("CoolTrayIcon1"));
    CoolTrayIcon1->SetPopupMenu(PopupMenu1.get());
    skinCursor_ = std::make_unique<SkinCursor>();
}

void TForm1::WireEvents()
{
    mover_ = std::make_unique<WindowMover>(this, [this](QPoint requested) { MoveWindow(requested); });

    for (TImage *frame : {Image1, Image2, Image3, Image4, Image5, Image7}) {
        frame->OnMouseDown = [this, frame](QPoint global, Qt::MouseButton, Qt::MouseButtons buttons) {
            Guarded([&] { Image2MouseDown(frame, global, buttons); });
        };
        frame->OnMouseMove = [this, frame](QPoint global, Qt::MouseButtons buttons) {
            Guarded([&] { Image2MouseMove(frame, global, buttons); });
        };
    }
    Label1->installEventFilter(this);

    ImgButton1->OnClick = [this] { Guarded([this] { N4Click(); }); };
    ImgButton2->OnClick = [this] { Guarded([this] { ImgButton2Click(); }); };
    list1->OnClick = [this] { Guarded([this] { list1Click(); }); };
    list1->OnMouseMove = [this] { Guarded([this] { list1MouseMove(); }); };

    connect(Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { Guarded([this] { Timer2Timer(); }); });
    Timer1->start();

    CoolTrayIcon1->OnClick = [this] { Guarded([this] { CoolTrayIcon1Click(); }); };
    CoolTrayIcon1->OnDblClick = [this] { Guarded([this] { N1Click(); }); };

    connect(N1, &QAction::triggered, this, [this] { Guarded([this] { N1Click(); }); });
    connect(N2, &QAction::triggered, this, [this] { Guarded([this] { N2Click(); }); });
    connect(N4, &QAction::triggered, this, [this] { Guarded([this] { N4Click(); }); });
    connect(N9, &QAction::triggered, this, [this] { Guarded([this] { N4Click(); }); });
    connect(N5, &QAction::triggered, this, [this] { Guarded([this] { N5Click(); }); });
    connect(N3, &QAction::triggered, this, [this] { Guarded([this] { N3Click(); }); });
    for (QAction *item : skinGroup_->actions())
        connect(item, &QAction::triggered, this, [this, item] { Guarded([this, item] { N10Click(item); }); });
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            Guarded([&] { Image2MouseDown(Label1, mouse->globalPosition().toPoint(), mouse->buttons()); });
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            Guarded([&] { Image2MouseMove(Label1, mouse->globalPosition().toPoint(), mouse->buttons()); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavrin
