#pragma once

// The picture of each entry, appended to ImageList1 in build order: web
// addresses and shell folders get a stock picture from ImageList2, every
// other target the desktop's own picture of the file or folder it names.

#include "platform/ImageList.h"

#include <QString>

namespace tavrin {

// How many stock pictures ImageList2 holds, and where they are stored.
constexpr int StockPictureCount = 8;
QString StockPicturePath(int index); // ":/stock/stock<index>.png"

// Appends the eight stock pictures in their fixed order. Returns false,
// having appended only those before it, when one cannot be read.
bool LoadStockPictures(ImageList &imageList2);

class EntryIcons {
public:
    // Neither list is owned; both must outlive this object.
    EntryIcons(ImageList &imageList1, const ImageList &imageList2);

    // Appends the picture for `target` to ImageList1 and reports whether
    // one was appended: the stock picture ClassifyTarget names, else the
    // file's own picture when there is one, else nothing.
    bool AddEntryIcon(const QString &target);

private:
    ImageList &imageList1_;
    const ImageList &imageList2_;
    // Carries a stock picture from ImageList2 to ImageList1.
    QImage scratchPicture_;
};

} // namespace tavrin
