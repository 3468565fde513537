#pragma once

// The device-independent bitmap shared by BMP files and by the images inside
// icon and cursor files: the info header (CORE, INFO, V2 to V5), the colour
// masks, the palette and the uncompressed pixel rows.

#include "platform/Raster.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavrin {

struct DibHeader {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;      // as stored: negative means rows run top-down
    int bitCount = 0;
    bool useMasks = false;        // BI_BITFIELDS / BI_ALPHABITFIELDS
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
    std::vector<std::uint32_t> palette; // opaque 0xFFRRGGBB entries
    std::size_t endOffset = 0;    // bytes from the header start to past the palette
};

// Reads the info header at `data` (`size` bytes up to the end of the buffer)
// with its masks and palette. Only uncompressed and bit-field images with 1,
// 4, 8, 16, 24 or 32 bits per pixel are accepted.
std::optional<DibHeader> ParseDibHeader(const std::uint8_t *data, std::size_t size);

// Bytes of one stored row: rows are padded to four bytes.
std::uint64_t DibRowStride(std::uint32_t width, int bitCount);

// Decodes `rows` rows of `width` pixels from `bits`, which must hold
// DibRowStride * rows bytes (checked). 32-bit images without an alpha mask
// are opaque unless `alphaFromReservedByte` asks for their fourth byte.
std::optional<Raster> DecodeDibPixels(const DibHeader &header, std::uint32_t width, std::uint32_t rows,
                                      bool topDown, const std::uint8_t *bits, std::size_t available,
                                      bool alphaFromReservedByte);

} // namespace tavrin
