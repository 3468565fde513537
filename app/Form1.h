#pragma once

// The launcher's one window: a frameless 174-pixel-wide frame of pictures
// around the launcher bar, with its timers, picture lists, tray icon and
// menus. Every event goes to a handler method of this class.

#include "skins/SkinCatalogue.h"
#include "skins/SkinTargets.h"
#include "store/SettingsRecord.h"
#include "store/Sqlite3Database.h"
#include "window/Docking.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QActionGroup;

namespace tavrin {

class TPanel;
class TImage;
class TImgButton;
class ImageList;
class TCoolTrayIcon;
class TsuiPopupMenu;
class SkinCursor;
class TmxOutlookBarPro;
class TmxButton;
class WindowMover;

class TForm1 : public QWidget, public SettingsWindow, public SkinTargets, public SkinMenuWindow {
    Q_OBJECT

public:
    static constexpr int DefinedWidth = 174;
    static constexpr int DefinedHeight = 673;
    static constexpr int DefinedLeft = 1600;
    static constexpr int DefinedTop = 132;

    // Builds the window as its definition describes it; FormCreate runs
    // separately, before the first show.
    TForm1();
    ~TForm1() override;

    // ---- controls --------------------------------------------------------
    TPanel *Panel1 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr,
          *Panel6 = nullptr, *Panel7 = nullptr, *Panel8 = nullptr, *Panel9 = nullptr, *Panel10 = nullptr,
          *Panel11 = nullptr;
    TImage *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr, *Image5 = nullptr,
               *Image6 = nullptr, *Image7 = nullptr, *Image8 = nullptr, *Image9 = nullptr;
    QLabel *Label1 = nullptr;
    TImgButton *ImgButton1 = nullptr, *ImgButton2 = nullptr;
    TmxOutlookBarPro *list1 = nullptr;
    QTimer *Timer1 = nullptr, *Timer2 = nullptr;
    std::unique_ptr<ImageList> ImageList1, ImageList2;
    std::unique_ptr<TCoolTrayIcon> CoolTrayIcon1;
    std::unique_ptr<QMenu> PopupMenu1;
    std::unique_ptr<TsuiPopupMenu> suiPopupMenu1;
    QAction *N1 = nullptr, *N2 = nullptr, *N12 = nullptr, *N4 = nullptr;
    QAction *N5 = nullptr, *N3 = nullptr, *N6 = nullptr, *N8 = nullptr, *N9 = nullptr;
    TsuiPopupMenu *N7 = nullptr;
    QAction *N10 = nullptr, *N11 = nullptr, *N21 = nullptr, *N22 = nullptr, *N23 = nullptr, *N24 = nullptr,
            *N25 = nullptr;

    // ---- handlers ----------------------------------------------------------
    void FormCreate();
    void FormShow();
    // Returns false when the close was abandoned (the position could not
    // be stored): the window and the store stay open.
    bool FormClose();
    void Image2MouseDown(QWidget *sender, QPoint globalPos, Qt::MouseButtons buttons);
    void Image2MouseMove(QWidget *sender, QPoint globalPos, Qt::MouseButtons buttons);
    void N4Click();
    void ImgButton2Click();
    void list1Click();
    void list1MouseMove();
    void _button_click(TmxButton *sender);
    void Timer1Timer();
    void Timer2Timer();
    void CoolTrayIcon1Click();
    void N1Click();
    void N2Click();
    void N5Click();
    void N3Click();
    void N10Click(QAction *sender);

    // ---- state the tests read ---------------------------------------------
    QString CurrentSkinName() const { return currentSkinName_; }
    const TSQLite3Database &Store() const { return store_; }
    bool StayOnTop() const { return stayOnTop_; }
    bool HasContextMenu() const { return contextMenuEnabled_; }
    // Moves through the snapping rule, like every move of the window.
    void MoveWindow(QPoint topLeft);
    QPoint WindowPos() const;
    bool TrayAvailable() const;

    // ---- SettingsWindow ----------------------------------------------------
    void SetTitleText(const QString &text) override;
    void SetCurrentSkinName(const QString &name) override;
    void SetWindowHeight(int height) override;
    void SetWindowTop(int top) override;
    void SetWindowLeft(int left) override;
    int WindowWidth() const override;
    int PrimaryScreenWidth() const override;
    void RemoveContextMenu() override;
    void ToggleStayOnTop() override { N5Click(); }
    void ToggleSavePosition() override { N3Click(); }

    // ---- SkinTargets -------------------------------------------------------
    void SetColor(ColorTarget target, TColor color) override;
    void SetPicture(PictureTarget target, const Raster &picture) override;
    void SetSkinCursor(std::optional<CursorFile> cursor) override;
    void SetCursorNumbersToSkinCursor() override;
    void RepaintBar() override;

    // ---- SkinMenuWindow ----------------------------------------------------
    void EnableSkinSubmenu() override;
    void CheckSkinItem(std::size_t index) override;
    void ApplySkin(const QString &name, bool repaintBar) override;

    // Runs a handler inside the error box guard: whatever escapes it is
    // shown in the error box, and the program carries on.
    void Guarded(const std::function<void()> &handler);

    // How the error box is shown; tests record the messages instead.
    std::function<void(QWidget *owner, const QString &message)> ShowError;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildTray();
    void WireEvents();
    void LayOut();
    void LoadDefaultLook();
    void ApplyStayOnTopState();
    void CutRoundedOutline();
    void InitSkins();
    void PopulateBarStep();
    void SetUpTrayIcon();
    QRect WorkArea() const;
    QSize PrimaryScreenSize() const;
    WindowBox DockState() const;
    void ApplyMoves(const WindowBox &window, const WindowMoves &moves);

    QString currentSkinName_;
    // Opened by the creation handler, closed by the close handler; until it
    // is open every statement raises "database is not connected."
    TSQLite3Database store_;
    std::unique_ptr<WindowMover> mover_;
    std::unique_ptr<SkinCursor> skinCursor_;
    QActionGroup *skinGroup_ = nullptr;
    TmxButton *ClickedButton = nullptr;
    bool stayOnTop_ = false;
    bool savePosition_ = false;
    bool contextMenuEnabled_ = true;
    bool created_ = false;
    bool closing_ = false;
};

} // namespace tavrin
