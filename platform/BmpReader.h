#pragma once

// A strict reader of Windows bitmap (BMP) files: "BM" file header, a CORE,
// INFO or V2-V5 info header, 1/4/8-bit palettes, 16/24/32-bit pixels with
// or without bit fields, rows bottom-up or top-down. Compressed (RLE,
// JPEG, PNG) bitmaps are refused. Every size is checked against the data.

#include "platform/Raster.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tavrin {

// The decoded picture, or nothing; `error`, when given, receives the reason.
std::optional<Raster> ReadBmp(const std::uint8_t *data, std::size_t size, QString *error = nullptr);

// The same for a file; a missing or unreadable file fails.
std::optional<Raster> ReadBmpFile(const QString &path, QString *error = nullptr);

} // namespace tavrin
