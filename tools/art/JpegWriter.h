#pragma once

#include "tools/art/Canvas.h"

#include <QByteArray>

namespace tavrin::art {

// Baseline JPEG with fixed settings (quality 92, no chroma subsampling so
// one-pixel lines keep their colour). The same canvas always gives the same bytes.
QByteArray EncodeJpeg(const Canvas& canvas);

} // namespace tavrin::art
