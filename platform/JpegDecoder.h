#pragma once

// JPEG pictures decoded with libjpeg. Errors never leave the decoder as a
// jump or an exit: a missing file, an unreadable header and a corrupt or
// truncated body all come back as "no picture", and libjpeg's messages are
// kept off stderr. Colour, grayscale and CMYK/YCCK pictures are decoded.

#include "platform/Raster.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tavrin {

// The decoded picture, or nothing; `error`, when given, receives the reason.
std::optional<Raster> DecodeJpeg(const std::uint8_t *data, std::size_t size, QString *error = nullptr);

// The same for a file.
std::optional<Raster> DecodeJpegFile(const QString &path, QString *error = nullptr);

} // namespace tavrin
