#pragma once

// The window's own look, compiled into the program: frame pieces, button
// pictures, the header bitmap, the stock pictures and the icons.

#include <QIcon>
#include <QImage>
#include <QString>

namespace tavrin {

// Decodes a JPEG or BMP picture compiled into the program with the same
// decoders that read skins; one that cannot be decoded gives a null image.
QImage ResourcePicture(const QString &resourcePath);

QIcon ApplicationIcon();
QIcon PlaceholderTrayIcon();

} // namespace tavrin
