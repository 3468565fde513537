#pragma once

#include "tools/art/Canvas.h"

#include <QByteArray>
#include <QImage>

namespace tavrin::art {

// The canvas as a 32-bit ARGB image (straight alpha).
QImage ToImage(const Canvas& canvas);
// A PNG with alpha, without text or time chunks.
QByteArray EncodePng(const Canvas& canvas);

} // namespace tavrin::art
