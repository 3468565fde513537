#pragma once

// Windows icon and cursor files. Each image is stored as a device-independent
// bitmap (BITMAPINFOHEADER with doubled height, bottom-up colour rows, then the
// one-bit AND mask where 1 marks a transparent pixel).

#include "tools/art/Canvas.h"

#include <QByteArray>

#include <vector>

namespace tavrin::art {

enum class IconDepth {
    Palette256, // 8 bits per pixel with a fixed 256-colour palette
    Argb32,     // 32 bits per pixel with alpha
};

struct IconImage {
    const Canvas* canvas = nullptr;
    IconDepth depth = IconDepth::Argb32;
};

QByteArray EncodeIconDib(const Canvas& canvas, IconDepth depth);
// An .ico file holding the images in the given order.
QByteArray EncodeIco(const std::vector<IconImage>& images);
// A .cur file holding one 32-bit image with its hotspot.
QByteArray EncodeCur(const Canvas& canvas, int hotspotX, int hotspotY);

} // namespace tavrin::art
