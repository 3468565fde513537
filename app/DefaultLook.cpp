#include "app/DefaultLook.h"

#include "app/Form1.h"
#include "bar/OutlookBar.h"
#include "platform/BmpReader.h"
#include "platform/ImageList.h"
#include "platform/ImgButton.h"
#include "platform/JpegDecoder.h"
#include "platform/PictureBox.h"
#include "platform/RasterImage.h"

#include <QFile>

namespace tavrin {

QImage ResourcePicture(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    const std::size_t size = std::size_t(bytes.size());
    std::optional<Raster> raster;
    if (resourcePath.endsWith(QStringLiteral(".jpg")))
        raster = DecodeJpeg(data, size);
    else if (resourcePath.endsWith(QStringLiteral(".bmp")))
        raster = ReadBmp(data, size);
    else
        return QImage(resourcePath);
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
    list1->SetHeaderBitmap(ResourcePicture(QStringLiteral(":/default/header.bmp")));

    for (int i = 0; i < 8; ++i)
        ImageList2->AddIcon(QImage(QStringLiteral(":/stock/stock%1.png").arg(i)));
}

} // namespace tavrin
