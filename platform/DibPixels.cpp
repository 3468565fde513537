#include "platform/DibPixels.h"

#include "platform/LittleEndian.h"

#include <bit>

namespace tavrin {
namespace {

constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t CompressionRgb = 0;
constexpr std::uint32_t CompressionBitFields = 3;
constexpr std::uint32_t CompressionAlphaBitFields = 6;

bool IsKnownHeaderSize(std::uint32_t size)
{
    return size == CoreHeaderSize || size == InfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsContiguousMask(std::uint32_t mask)
{
    if (mask == 0)
        return true;
    const std::uint32_t shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

// One channel of a bit-field pixel scaled to 0..255.
std::uint32_t MaskedChannel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const std::uint64_t value = (pixel & mask) >> shift;
    const std::uint64_t maximum = (std::uint64_t(1) << bits) - 1;
    return std::uint32_t((value * 255 + maximum / 2) / maximum);
}

} // namespace

std::uint64_t DibRowStride(std::uint32_t width, int bitCount)
{
    return (std::uint64_t(width) * std::uint64_t(bitCount) + 31) / 32 * 4;
}

std::optional<DibHeader> ParseDibHeader(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return std::nullopt;
    DibHeader header;
    header.headerSize = ReadU32(data);
    if (!IsKnownHeaderSize(header.headerSize) || header.headerSize > size)
        return std::nullopt;

    std::uint32_t compression = CompressionRgb;
    std::uint32_t colorsUsed = 0;
    int paletteEntrySize = 4;
    std::size_t offset = header.headerSize;
    if (header.headerSize == CoreHeaderSize) {
        header.width = ReadU16(data + 4);
        header.height = ReadU16(data + 6);
        if (ReadU16(data + 8) != 1)
            return std::nullopt;
        header.bitCount = ReadU16(data + 10);
        paletteEntrySize = 3;
    } else {
        header.width = ReadI32(data + 4);
        header.height = ReadI32(data + 8);
        if (ReadU16(data + 12) != 1)
            return std::nullopt;
        header.bitCount = ReadU16(data + 14);
        compression = ReadU32(data + 16);
        colorsUsed = ReadU32(data + 32);
    }

    const int bpp = header.bitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return std::nullopt;
    if (header.width <= 0 || header.height == 0 || header.height == INT32_MIN)
        return std::nullopt;

    if (compression == CompressionBitFields || compression == CompressionAlphaBitFields) {
        if (bpp != 16 && bpp != 32)
            return std::nullopt;
        header.useMasks = true;
        const std::size_t maskCount = compression == CompressionAlphaBitFields ? 4 : 3;
        const std::uint8_t *masks = nullptr;
        bool hasAlphaMask = false;
        if (header.headerSize == InfoHeaderSize) {
            if (size - offset < maskCount * 4)
                return std::nullopt;
            masks = data + offset;
            offset += maskCount * 4;
            hasAlphaMask = maskCount == 4;
        } else {
            // V2 (52 bytes) carries the colour masks inside the header, V3 and
            // later the alpha mask as well.
            masks = data + InfoHeaderSize;
            hasAlphaMask = header.headerSize >= 56;
            if (maskCount == 4 && !hasAlphaMask)
                return std::nullopt;
        }
        header.redMask = ReadU32(masks);
        header.greenMask = ReadU32(masks + 4);
        header.blueMask = ReadU32(masks + 8);
        if (hasAlphaMask)
            header.alphaMask = ReadU32(masks + 12);
        const std::uint32_t allowed = bpp == 16 ? 0xFFFFu : 0xFFFFFFFFu;
        for (const std::uint32_t mask : {header.redMask, header.greenMask, header.blueMask, header.alphaMask}) {
            if ((mask & ~allowed) != 0 || !IsContiguousMask(mask))
                return std::nullopt;
        }
    } else if (compression != CompressionRgb) {
        return std::nullopt;
    }

    if (bpp <= 8) {
        const std::uint32_t fullPalette = 1u << bpp;
        std::uint32_t entries = colorsUsed == 0 ? fullPalette : colorsUsed;
        if (entries > fullPalette)
            entries = fullPalette;
        const std::size_t paletteBytes = std::size_t(entries) * std::size_t(paletteEntrySize);
        if (size - offset < paletteBytes)
            return std::nullopt;
        header.palette.reserve(entries);
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint8_t *entry = data + offset + std::size_t(i) * std::size_t(paletteEntrySize);
            header.palette.push_back(Argb(255, entry[2], entry[1], entry[0]));
        }
        offset += paletteBytes;
    }
    header.endOffset = offset;
    return header;
}

std::optional<Raster> DecodeDibPixels(const DibHeader &header, std::uint32_t width, std::uint32_t rows,
                                      bool topDown, const std::uint8_t *bits, std::size_t available,
                                      bool alphaFromReservedByte)
{
    if (width == 0 || rows == 0 || width > 0x7FFFFFFFu || rows > 0x7FFFFFFFu)
        return std::nullopt;
    if (std::uint64_t(width) * rows > MaxRasterPixels)
        return std::nullopt;
    const std::uint64_t stride = DibRowStride(width, header.bitCount);
    if (stride * rows > available)
        return std::nullopt;

    Raster raster;
    raster.width = int(width);
    raster.height = int(rows);
    raster.pixels.resize(std::size_t(width) * rows);

    const int bpp = header.bitCount;
    for (std::uint32_t row = 0; row < rows; ++row) {
        const std::uint8_t *src = bits + stride * row;
        const std::uint32_t y = topDown ? row : rows - 1 - row;
        std::uint32_t *dst = raster.pixels.data() + std::size_t(y) * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            if (bpp <= 8) {
                const std::uint32_t perByte = 8u / std::uint32_t(bpp);
                const std::uint8_t byte = src[x / perByte];
                const std::uint32_t shift = 8u - std::uint32_t(bpp) * (x % perByte + 1);
                const std::uint32_t index = (byte >> shift) & ((1u << bpp) - 1);
                pixel = index < header.palette.size() ? header.palette[index] : Argb(255, 0, 0, 0);
            } else if (bpp == 16) {
                const std::uint32_t value = ReadU16(src + x * 2);
                if (header.useMasks) {
                    const std::uint32_t alpha = header.alphaMask ? MaskedChannel(value, header.alphaMask) : 255;
                    pixel = Argb(alpha, MaskedChannel(value, header.redMask), MaskedChannel(value, header.greenMask),
                                 MaskedChannel(value, header.blueMask));
                } else {
                    pixel = Argb(255, MaskedChannel(value, 0x7C00), MaskedChannel(value, 0x03E0),
                                 MaskedChannel(value, 0x001F));
                }
            } else if (bpp == 24) {
                const std::uint8_t *p = src + std::size_t(x) * 3;
                pixel = Argb(255, p[2], p[1], p[0]);
            } else {
                const std::uint32_t value = ReadU32(src + std::size_t(x) * 4);
                if (header.useMasks) {
                    const std::uint32_t alpha = header.alphaMask ? MaskedChannel(value, header.alphaMask) : 255;
                    pixel = Argb(alpha, MaskedChannel(value, header.redMask), MaskedChannel(value, header.greenMask),
                                 MaskedChannel(value, header.blueMask));
                } else {
                    pixel = alphaFromReservedByte ? value : (value | 0xFF000000u);
                }
            }
            dst[x] = pixel;
        }
    }
    return raster;
}

} // namespace tavrin
