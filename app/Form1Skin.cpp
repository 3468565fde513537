// What a skin changes in the window, the skin step of the creation handler
// and the skin menu's command.

#include "app/Form1.h"

#include "bar/OutlookBar.h"
#include "platform/ImgButton.h"
#include "platform/Panel.h"
#include "platform/PictureBox.h"
#include "platform/RasterImage.h"
#include "platform/SkinCursor.h"
#include "platform/SkinnedMenu.h"
#include "platform/TColor.h"
#include "skins/SkinCatalogue.h"
#include "skins/SkinLoader.h"
#include "store/Statements.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace tavrin {

void TForm1::SetColor(ColorTarget target, TColor color)
{
    switch (target) {
    case ColorTarget::Label1Font: {
        QPalette palette = Label1->palette();
        palette.setColor(QPalette::WindowText, ToQColor(color, palette.color(QPalette::WindowText)));
        Label1->setPalette(palette);
        break;
    }
    case ColorTarget::BarFont: list1->SetHeaderFontColor(color); break;
    case ColorTarget::BarButtonFont: list1->SetButtonFontColor(color); break;
    case ColorTarget::BarXPBackground: list1->SetXPBackground(color); break;
    case ColorTarget::BarXPBorder: list1->SetXPBorderColor(color); break;
    case ColorTarget::BarXPPressed: list1->SetXPPressedBackground(color); break;
    case ColorTarget::BarButtonHighlightFont: list1->SetButtonHighlightFontColor(color); break;
    case ColorTarget::MenuBarColor: suiPopupMenu1->SetBarColor(color); break;
    case ColorTarget::MenuBarToColor: suiPopupMenu1->SetBarToColor(color); break;
    case ColorTarget::MenuFontColor: suiPopupMenu1->SetFontColor(color); break;
    case ColorTarget::MenuSelectedBorderColor: suiPopupMenu1->SetSelectedBorderColor(color); break;
    case ColorTarget::MenuSelectedColor: suiPopupMenu1->SetSelectedColor(color); break;
    case ColorTarget::MenuSelectedFontColor: suiPopupMenu1->SetSelectedFontColor(color); break;
    case ColorTarget::MenuSeparatorColor: suiPopupMenu1->SetSeparatorColor(color); break;
    }
}

void TForm1::SetPicture(PictureTarget target, const Raster &picture)
{
    const QImage image = ToQImage(picture);
    switch (target) {
    case PictureTarget::Image1: Image1->SetPicture(image); break;
    case PictureTarget::Image2: Image2->SetPicture(image); break;
    case PictureTarget::Image3: Image3->SetPicture(image); break;
    case PictureTarget::Image4: Image4->SetPicture(image); break;
    case PictureTarget::Image5: Image5->SetPicture(image); break;
    case PictureTarget::Image6: Image6->SetPicture(image); break;
    case PictureTarget::Image7: Image7->SetPicture(image); break;
    case PictureTarget::Image8: Image8->SetPicture(image); break;
    case PictureTarget::Image9: Image9->SetPicture(image); break;
    case PictureTarget::CloseNormal: ImgButton1->SetPictureNormal(image); break;
    case PictureTarget::CloseEnter: ImgButton1->SetPictureEnter(image); break;
    case PictureTarget::CloseDown: ImgButton1->SetPictureDown(image); break;
    case PictureTarget::MinimizeNormal: ImgButton2->SetPictureNormal(image); break;
    case PictureTarget::MinimizeEnter: ImgButton2->SetPictureEnter(image); break;
    case PictureTarget::MinimizeDown: ImgButton2->SetPictureDown(image); break;
    case PictureTarget::HeaderBitmap: list1->SetHeaderBitmap(image); break;
    }
}

void TForm1::SetSkinCursor(std::optional<CursorFile> cursor)
{
    skinCursor_->SetCursor(std::move(cursor));
}

void TForm1::SetCursorNumbersToSkinCursor()
{
    skinCursor_->Attach(std::vector<QWidget *>{this, list1, Panel1, Panel2, Panel3, Panel4, Panel5, Panel6, Panel7,
                                               Panel8, Panel9, Panel10});
}

void TForm1::RepaintBar()
{
    list1->repaint();
}

void TForm1::EnableSkinSubmenu()
{
    N7->menuAction()->setEnabled(true);
}

void TForm1::CheckSkinItem(std::size_t index)
{
    skinGroup_->actions().at(qsizetype(index))->setChecked(true);
}

void TForm1::ApplySkin(const QString &name, bool repaintBar)
{
    LoadSkin(*this, name, repaintBar);
}

void TForm1::InitSkins()
{
    tavrin::InitSkins(*this, currentSkinName_);
}

void TForm1::N10Click(QAction *sender)
{
    // The item's caption is the skin's name; the menu shows it unchanged.
    const qsizetype index = skinGroup_->actions().indexOf(sender);
    if (index < 0)
        return;
    sender->setChecked(true);
    tavrin::N10Click(*this, store_, currentSkinName_, SkinCatalogue()[std::size_t(index)].name);
}

} // namespace tavrin
