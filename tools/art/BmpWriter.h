#pragma once

#include "tools/art/Canvas.h"

#include <QByteArray>

namespace tavrin::art {

// An uncompressed 24-bit Windows bitmap: file header, BITMAPINFOHEADER,
// bottom-up rows of blue, green, red padded to four bytes. Alpha is dropped.
QByteArray EncodeBmp24(const Canvas& canvas);

} // namespace tavrin::art
