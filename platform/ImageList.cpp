#include "platform/ImageList.h"

#include <QPainter>
#include <QPixmap>

namespace tavrin {

QImage FitPicture(const QImage &picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return QImage();
    if (picture.size() == size && picture.format() == QImage::Format_ARGB32_Premultiplied)
        return picture;
    QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    const QImage source =
        picture.size() == size ? picture : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&fitted);
    painter.drawImage(QPoint((size.width() - source.width()) / 2, (size.height() - source.height()) / 2), source);
    painter.end();
    return fitted;
}

ImageList::ImageList(QSize size) : size_(size) {}

int ImageList::AddIcon(const QImage &picture)
{
    QImage fitted = FitPicture(picture, size_);
    if (fitted.isNull())
        return -1;
    pictures_.push_back(std::move(fitted));
    return Count() - 1;
}

int ImageList::AddIcon(const QIcon &icon)
{
    if (icon.isNull())
        return -1;
    return AddIcon(icon.pixmap(size_, 1.0).toImage());
}

QImage ImageList::GetImage(int index) const
{
    if (index < 0 || index >= Count())
        return QImage();
    return pictures_[static_cast<std::size_t>(index)];
}

QIcon ImageList::GetIcon(int index) const
{
    const QImage picture = GetImage(index);
    if (picture.isNull())
        return QIcon();
    return QIcon(QPixmap::fromImage(picture));
}

} // namespace tavrin
