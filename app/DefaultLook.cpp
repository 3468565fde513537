#include "app/DefaultLook.h"

#include "app/Form1.h"
#include "bar/EntryIcons.h"
#include "platform/ImageList.h"
#include "platform/ImgButton.h"
#include "platform/PictureBox.h"
#include "platform/RasterImage.h"
#include "skins/SkinLoader.h"


namespace tavrin {

QImage ResourcePicture(const QString &resourcePath)
{
    const std::optional<Raster> raster = LoadPictureFile(resourcePath);
    return raster ? ToQImage(*raster) : QImage();
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const char *size : {"16", "32", "48"})
        icon.addFile(QStringLiteral(":/icons/tavrin-%1.png").arg(QLatin1String(size)));
    return icon;
}

QIcon PlaceholderTrayIcon()
{
    return QIcon(QStringLiteral(":/icons/tray_placeholder.png"));
}

void TForm1::LoadDefaultLook()
{
    const std::pair<TImage *, const char *> frame[] = {
        {Image1, "title_left"},   {Image2, "title_middle"},  {Image3, "title_right"},
        {Image4, "border_left"},  {Image5, "border_right"},  {Image6, "bottom_left"},
        {Image7, "bottom_middle"}, {Image8, "bottom_right"}, {Image9, "background"},
    };
    for (const auto &[image, name] : frame)
        image->SetPicture(ResourcePicture(QStringLiteral(":/default/%1.jpg").arg(QLatin1String(name))));

    ImgButton1->SetPictureNormal(ResourcePicture(QStringLiteral(":/default/close_normal.bmp")));
    ImgButton1->SetPictureEnter(ResourcePicture(QStringLiteral(":/default/close_enter.bmp")));
    ImgButton1->SetPictureDown(ResourcePicture(QStringLiteral(":/default/close_down.bmp")));
    ImgButton2->SetPictureNormal(ResourcePicture(QStringLiteral(":/default/minimize_normal.bmp")));
    ImgButton2->SetPictureEnter(ResourcePicture(QStringLiteral(":/default/minimize_enter.bmp")));
    ImgButton2->SetPictureDown(ResourcePicture(QStringLiteral(":/default/minimize_down.bmp")));
    // list1 starts with the default header bitmap of its own.
    LoadStockPictures(*ImageList2);
}

} // namespace tavrin
