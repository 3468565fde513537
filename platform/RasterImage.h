#pragma once

// Decoded pictures as Qt images.

#include "platform/Raster.h"

#include <QImage>

namespace tavrin {

// A QImage in Format_ARGB32 holding the raster's pixels; a null image for
// an empty raster.
QImage ToQImage(const Raster &raster);

} // namespace tavrin
