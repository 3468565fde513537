#include "bar/EntryIcons.h"

#include "bar/ClassifyTarget.h"
#include "bar/FileIcon.h"

namespace tavrin {

QString StockPicturePath(int index)
{
    return QStringLiteral(":/stock/stock%1.png").arg(index);
}

bool LoadStockPictures(ImageList &imageList2)
{
    for (int i = 0; i < StockPictureCount; ++i) {
        const QImage picture(StockPicturePath(i));
        if (imageList2.AddIcon(picture) < 0)
            return false;
    }
    return true;
}

EntryIcons::EntryIcons(ImageList &imageList1, const ImageList &imageList2)
    : imageList1_(imageList1), imageList2_(imageList2)
{
}

bool EntryIcons::AddEntryIcon(const QString &target)
{
    if (const std::optional<int> stock = ClassifyTarget(target)) {
        scratchPicture_ = imageList2_.GetImage(*stock);
        return imageList1_.AddIcon(scratchPicture_) >= 0;
    }
    if (const std::optional<QImage> picture = FileIcon(target))
        return imageList1_.AddIcon(*picture) >= 0;
    return false;
}

} // namespace tavrin
