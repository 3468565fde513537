#pragma once

// A list of equally sized pictures addressed by position, as the launcher
// bar uses them: every picture added is scaled to the list's size (24 x 24
// unless told otherwise) and appended at the end.

#include <QIcon>
#include <QImage>
#include <QSize>

#include <vector>

namespace tavrin {

class ImageList {
public:
    explicit ImageList(QSize size = QSize(24, 24));

    // Appends a copy scaled to the list's size, keeping the aspect ratio
    // and centring it on a transparent square. Returns the new picture's
    // index, or -1 (and appends nothing) for a null picture.
    int AddIcon(const QImage &picture);
    int AddIcon(const QIcon &icon);

    // A copy of picture `index`; a null picture or icon when out of range.
    QImage GetImage(int index) const;
    QIcon GetIcon(int index) const;

    int Count() const { return static_cast<int>(pictures_.size()); }
    QSize Size() const { return size_; }
    void Clear() { pictures_.clear(); }

private:
    QSize size_;
    std::vector<QImage> pictures_;
};

using TImageList = ImageList;

// The picture scaled to fit `size` (aspect ratio kept) and centred on a
// transparent picture of exactly that size; null for a null picture.
QImage FitPicture(const QImage &picture, QSize size);

} // namespace tavrin
