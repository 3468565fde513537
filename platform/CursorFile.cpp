#include "platform/CursorFile.h"

#include "platform/DibPixels.h"
#include "platform/FileBytes.h"
#include "platform/LittleEndian.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace tavrin {
namespace {

constexpr std::int64_t MaxCursorFileBytes = 16 * 1024 * 1024;
constexpr std::size_t IconDirSize = 6;
constexpr std::size_t IconEntrySize = 16;
constexpr std::uint32_t AniFlagIconFrames = 1;
constexpr std::uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool HasTag(const std::uint8_t *p, const char *tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

std::uint32_t ReadU32BigEndian(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | std::uint32_t(p[3]);
}

struct IconEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    std::size_t offset = 0;
    std::size_t length = 0;
};

void PlaceHotspot(CursorFrame &frame, bool isCursor, int x, int y)
{
    if (isCursor) {
        frame.hotspotX = std::clamp(x, 0, frame.width - 1);
        frame.hotspotY = std::clamp(y, 0, frame.height - 1);
    } else {
        frame.hotspotX = frame.width / 2;
        frame.hotspotY = frame.height / 2;
    }
}

std::optional<CursorFrame> PngFrame(const std::uint8_t *data, std::size_t size)
{
    // Signature, IHDR length and tag, then width and height.
    if (size < 24 || !HasTag(data + 12, "IHDR"))
        return std::nullopt;
    const std::uint32_t width = ReadU32BigEndian(data + 16);
    const std::uint32_t height = ReadU32BigEndian(data + 20);
    if (width == 0 || height == 0 || width > MaxCursorSide || height > MaxCursorSide)
        return std::nullopt;
    CursorFrame frame;
    frame.png.assign(data, data + size);
    frame.width = int(width);
    frame.height = int(height);
    return frame;
}

bool AllAlphaZero(const Raster &raster)
{
    return std::all_of(raster.pixels.begin(), raster.pixels.end(),
                       [](std::uint32_t pixel) { return (pixel >> 24) == 0; });
}

// A bitmap image of an icon: the colour (XOR) rows followed by the 1-bit
// AND mask, both bottom-up, the stored height counting both.
std::optional<CursorFrame> BitmapFrame(const std::uint8_t *data, std::size_t size)
{
    const std::optional<DibHeader> header = ParseDibHeader(data, size);
    if (!header || header->height <= 0 || header->width > MaxCursorSide)
        return std::nullopt;
    const std::uint32_t width = std::uint32_t(header->width);
    const std::uint32_t rows = std::uint32_t(header->height) / 2;
    if (rows == 0 || rows > std::uint32_t(MaxCursorSide))
        return std::nullopt;

    const std::uint8_t *colour = data + header->endOffset;
    const std::size_t available = size - header->endOffset;
    std::optional<Raster> image =
        DecodeDibPixels(*header, width, rows, false, colour, available, header->bitCount == 32);
    if (!image)
        return std::nullopt;

    const std::uint64_t colourBytes = DibRowStride(width, header->bitCount) * rows;
    const std::uint64_t maskStride = DibRowStride(width, 1);
    const bool hasMask = available - colourBytes >= maskStride * rows;
    const bool alphaInPixels = header->bitCount == 32 && !AllAlphaZero(*image);
    if (!alphaInPixels) {
        if (!hasMask)
            return std::nullopt;
        const std::uint8_t *mask = colour + colourBytes;
        for (std::uint32_t row = 0; row < rows; ++row) {
            const std::uint8_t *maskRow = mask + maskStride * row;
            std::uint32_t *pixels = image->pixels.data() + std::size_t(rows - 1 - row) * width;
            for (std::uint32_t x = 0; x < width; ++x) {
                const bool transparent = (maskRow[x / 8] >> (7 - x % 8)) & 1;
                const std::uint32_t rgb = pixels[x] & 0x00FFFFFFu;
                // Where the mask is set, a black pixel leaves the screen as it
                // is; any other colour would invert it, shown here as black.
                if (transparent)
                    pixels[x] = rgb == 0 ? 0u : 0xFF000000u;
                else
                    pixels[x] = 0xFF000000u | rgb;
            }
        }
    }

    CursorFrame frame;
    frame.width = int(width);
    frame.height = int(rows);
    frame.image = std::move(*image);
    return frame;
}

int Preference(const IconEntry &entry)
{
    // Cursors are shown at 32 x 32: the entry closest to that size, then the
    // one with the most colours.
    const int distance = std::abs(entry.width - 32) + std::abs(entry.height - 32);
    return distance * 64 - entry.bitCount;
}

// An .ico or .cur file: the directory, then the best image that decodes.
std::optional<CursorFrame> ParseIconResource(const std::uint8_t *data, std::size_t size)
{
    if (size < IconDirSize || ReadU16(data) != 0)
        return std::nullopt;
    const std::uint16_t type = ReadU16(data + 2);
    const std::uint16_t count = ReadU16(data + 4);
    if ((type != 1 && type != 2) || count == 0 || IconDirSize + std::size_t(count) * IconEntrySize > size)
        return std::nullopt;
    const bool isCursor = type == 2;

    std::vector<IconEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t *p = data + IconDirSize + i * IconEntrySize;
        IconEntry entry;
        entry.width = p[0] == 0 ? 256 : p[0];
        entry.height = p[1] == 0 ? 256 : p[1];
        entry.hotspotX = ReadU16(p + 4);
        entry.hotspotY = ReadU16(p + 6);
        entry.bitCount = isCursor ? 0 : ReadU16(p + 6);
        entry.length = ReadU32(p + 8);
        entry.offset = ReadU32(p + 12);
        if (entry.length == 0 || entry.offset > size || entry.length > size - entry.offset)
            continue;
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const IconEntry &a, const IconEntry &b) { return Preference(a) < Preference(b); });

    for (const IconEntry &entry : entries) {
        const std::uint8_t *image = data + entry.offset;
        const bool isPng = entry.length >= sizeof PngSignature &&
                           std::memcmp(image, PngSignature, sizeof PngSignature) == 0;
        std::optional<CursorFrame> frame = isPng ? PngFrame(image, entry.length) : BitmapFrame(image, entry.length);
        if (frame) {
            PlaceHotspot(*frame, isCursor, entry.hotspotX, entry.hotspotY);
            return frame;
        }
    }
    return std::nullopt;
}

std::optional<CursorFile> StaticCursor(const std::uint8_t *data, std::size_t size)
{
    std::optional<CursorFrame> frame = ParseIconResource(data, size);
    if (!frame)
        return std::nullopt;
    CursorFile cursor;
    cursor.frames.push_back(std::move(*frame));
    cursor.sequence = {0};
    cursor.jiffies = {MaxCursorJiffies};
    return cursor;
}

struct AniHeader {
    std::uint32_t frames = 0;
    std::uint32_t steps = 0;
    std::uint32_t displayRate = 0;
    std::uint32_t flags = 0;
};

std::vector<std::uint32_t> ReadU32Table(const std::uint8_t *data, std::size_t length)
{
    std::vector<std::uint32_t> table;
    const std::size_t count = std::min<std::size_t>(length / 4, MaxCursorSteps + 1);
    table.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        table.push_back(ReadU32(data + i * 4));
    return table;
}

// The "icon" chunks of a LIST "fram"; false when one of them is no icon or
// there are too many.
bool ReadFrameList(const std::uint8_t *data, std::size_t size, std::vector<CursorFrame> &frames)
{
    std::size_t pos = 0;
    while (size - pos >= 8) {
        const std::uint8_t *chunk = data + pos;
        const std::uint32_t length = ReadU32(chunk + 4);
        if (length > size - pos - 8)
            return false;
        if (HasTag(chunk, "icon")) {
            if (frames.size() >= MaxCursorFrames)
                return false;
            std::optional<CursorFrame> frame = ParseIconResource(chunk + 8, length);
            if (!frame)
                return false;
            frames.push_back(std::move(*frame));
        }
        pos += 8 + std::size_t(length) + (length & 1);
        if (pos > size)
            break;
    }
    return true;
}

int ClampJiffies(std::uint32_t rate)
{
    return int(std::clamp<std::uint32_t>(rate, 1, MaxCursorJiffies));
}

std::optional<CursorFile> AnimatedCursor(const std::uint8_t *data, std::size_t size)
{
    if (size < 12 || !HasTag(data + 8, "ACON"))
        return std::nullopt;
    const std::size_t end = std::min<std::size_t>(size, std::size_t(ReadU32(data + 4)) + 8);

    std::optional<AniHeader> header;
    std::optional<std::vector<std::uint32_t>> rates;
    std::optional<std::vector<std::uint32_t>> sequence;
    std::vector<CursorFrame> frames;

    std::size_t pos = 12;
    while (end >= pos + 8) {
        const std::uint8_t *chunk = data + pos;
        const std::uint32_t length = ReadU32(chunk + 4);
        if (length > end - pos - 8)
            return std::nullopt;
        const std::uint8_t *body = chunk + 8;
        if (HasTag(chunk, "anih")) {
            if (length < 36 || header)
                return std::nullopt;
            header = AniHeader{ReadU32(body + 4), ReadU32(body + 8), ReadU32(body + 28), ReadU32(body + 32)};
        } else if (HasTag(chunk, "rate")) {
            rates = ReadU32Table(body, length);
        } else if (HasTag(chunk, "seq ")) {
            sequence = ReadU32Table(body, length);
        } else if (HasTag(chunk, "LIST") && length >= 4 && HasTag(body, "fram")) {
            if (!ReadFrameList(body + 4, length - 4, frames))
                return std::nullopt;
        }
        pos += 8 + std::size_t(length) + (length & 1);
    }

    if (!header || (header->flags & AniFlagIconFrames) == 0)
        return std::nullopt;
    if (header->frames == 0 || header->frames > MaxCursorFrames || header->frames > frames.size())
        return std::nullopt;
    frames.resize(header->frames);
    const std::uint32_t steps = header->steps == 0 ? header->frames : header->steps;
    if (steps > MaxCursorSteps)
        return std::nullopt;
    if (!sequence && steps != header->frames)
        return std::nullopt;
    if (sequence && sequence->size() < steps)
        return std::nullopt;
    if (rates && rates->size() < steps)
        return std::nullopt;

    CursorFile cursor;
    cursor.frames = std::move(frames);
    for (std::uint32_t step = 0; step < steps; ++step) {
        const std::uint32_t frame = sequence ? (*sequence)[step] : step;
        if (frame >= header->frames)
            return std::nullopt;
        cursor.sequence.push_back(int(frame));
        cursor.jiffies.push_back(ClampJiffies(rates ? (*rates)[step] : header->displayRate));
    }
    return cursor;
}

} // namespace

std::optional<CursorFile> ParseCursorFile(const std::uint8_t *data, std::size_t size)
{
    if (data == nullptr || size < 4)
        return std::nullopt;
    try {
        if (HasTag(data, "RIFF"))
            return AnimatedCursor(data, size);
        return StaticCursor(data, size);
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

std::optional<CursorFile> LoadCursorFile(const QString &path)
{
    try {
        const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path, MaxCursorFileBytes);
        if (!bytes)
            return std::nullopt;
        return ParseCursorFile(bytes->data(), bytes->size());
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace tavrin
