#include "tools/art/IconWriter.h"

#include "tools/art/ByteWriter.h"

#include <array>
#include <cstdint>

namespace tavrin::art {

namespace {

struct PaletteEntry {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

// A 6x6x6 colour cube, 24 greys and 16 unused black slots.
std::array<PaletteEntry, 256> FixedPalette()
{
    std::array<PaletteEntry, 256> palette{};
    std::size_t index = 0;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette[index++] = PaletteEntry{static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                                static_cast<std::uint8_t>(b * 51)};
    for (int grey = 0; grey < 24; ++grey) {
        const auto level = static_cast<std::uint8_t>(8 + grey * 10);
        palette[index++] = PaletteEntry{level, level, level};
    }
    return palette;
}

std::uint8_t NearestIndex(const std::array<PaletteEntry, 256>& palette, Rgba colour)
{
    const int r = ToByte(colour.r);
    const int g = ToByte(colour.g);
    const int b = ToByte(colour.b);
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 240; ++i) {
        const PaletteEntry& p = palette[static_cast<std::size_t>(i)];
        const int dr = r - p.r;
        const int dg = g - p.g;
        const int db = b - p.b;
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

bool IsTransparent(Rgba colour)
{
    return ToByte(colour.a) < 128;
}

void WriteMask(ByteWriter& out, const Canvas& canvas)
{
    const int rowBytes = (canvas.Width() + 31) / 32 * 4;
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            if (IsTransparent(canvas.Pixel(x, y)))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        for (std::uint8_t byte : row)
            out.U8(byte);
    }
}

int BitsOf(IconDepth depth)
{
    return depth == IconDepth::Palette256 ? 8 : 32;
}

} // namespace

QByteArray EncodeIconDib(const Canvas& canvas, IconDepth depth)
{
    const int bits = BitsOf(depth);
    const int colourRowBytes = (canvas.Width() * bits + 31) / 32 * 4;
    const int maskRowBytes = (canvas.Width() + 31) / 32 * 4;

    ByteWriter out;
    out.U32(40);
    out.I32(canvas.Width());
    out.I32(canvas.Height() * 2);
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(bits));
    out.U32(0);
    out.U32(static_cast<std::uint32_t>((colourRowBytes + maskRowBytes) * canvas.Height()));
    out.I32(0);
    out.I32(0);
    out.U32(depth == IconDepth::Palette256 ? 256 : 0);
    out.U32(0);

    if (depth == IconDepth::Palette256) {
        const auto palette = FixedPalette();
        for (const PaletteEntry& p : palette) {
            out.U8(p.b);
            out.U8(p.g);
            out.U8(p.r);
            out.U8(0);
        }
        for (int y = canvas.Height() - 1; y >= 0; --y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                const Rgba c = canvas.Pixel(x, y);
                out.U8(IsTransparent(c) ? 0 : NearestIndex(palette, c));
            }
            for (int pad = canvas.Width(); pad < colourRowBytes; ++pad)
                out.U8(0);
        }
    } else {
        for (int y = canvas.Height() - 1; y >= 0; --y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                const Rgba c = canvas.Pixel(x, y);
                const bool clear = ToByte(c.a) == 0;
                out.U8(clear ? 0 : ToByte(c.b));
                out.U8(clear ? 0 : ToByte(c.g));
                out.U8(clear ? 0 : ToByte(c.r));
                out.U8(ToByte(c.a));
            }
        }
    }
    WriteMask(out, canvas);
    return out.Data();
}

namespace {

struct DirectoryEntry {
    const Canvas* canvas;
    std::uint16_t planesOrHotspotX;
    std::uint16_t bitsOrHotspotY;
    QByteArray data;
};

QByteArray EncodeDirectory(std::uint16_t type, const std::vector<DirectoryEntry>& entries)
{
    ByteWriter out;
    out.U16(0);
    out.U16(type);
    out.U16(static_cast<std::uint16_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const DirectoryEntry& entry : entries) {
        out.U8(static_cast<std::uint8_t>(entry.canvas->Width() >= 256 ? 0 : entry.canvas->Width()));
        out.U8(static_cast<std::uint8_t>(entry.canvas->Height() >= 256 ? 0 : entry.canvas->Height()));
        out.U8(0); // 256 or more colours
        out.U8(0);
        out.U16(entry.planesOrHotspotX);
        out.U16(entry.bitsOrHotspotY);
        out.U32(static_cast<std::uint32_t>(entry.data.size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(entry.data.size());
    }
    for (const DirectoryEntry& entry : entries)
        out.Bytes(entry.data);
    return out.Data();
}

} // namespace

QByteArray EncodeIco(const std::vector<IconImage>& images)
{
    std::vector<DirectoryEntry> entries;
    for (const IconImage& image : images) {
        entries.push_back(DirectoryEntry{image.canvas, 1, static_cast<std::uint16_t>(BitsOf(image.depth)),
                                         EncodeIconDib(*image.canvas, image.depth)});
    }
    return EncodeDirectory(1, entries);
}

QByteArray EncodeCur(const Canvas& canvas, int hotspotX, int hotspotY)
{
    std::vector<DirectoryEntry> entries;
    entries.push_back(DirectoryEntry{&canvas, static_cast<std::uint16_t>(hotspotX),
                                     static_cast<std::uint16_t>(hotspotY), EncodeIconDib(canvas, IconDepth::Argb32)});
    return EncodeDirectory(2, entries);
}

} // namespace tavrin::art
