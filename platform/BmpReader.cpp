#include "platform/BmpReader.h"

#include "platform/DibPixels.h"
#include "platform/FileBytes.h"
#include "platform/LittleEndian.h"

namespace tavrin {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::int64_t MaxBmpFileBytes = std::int64_t(256) * 1024 * 1024;

std::optional<Raster> Fail(QString *error, const char *reason)
{
    if (error != nullptr)
        *error = QString::fromLatin1(reason);
    return std::nullopt;
}

} // namespace

std::optional<Raster> ReadBmp(const std::uint8_t *data, std::size_t size, QString *error)
{
    if (data == nullptr || size < FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return Fail(error, "not a BMP file");
    const std::uint32_t pixelOffset = ReadU32(data + 10);

    const std::optional<DibHeader> header = ParseDibHeader(data + FileHeaderSize, size - FileHeaderSize);
    if (!header)
        return Fail(error, "unsupported or damaged BMP header");
    if (pixelOffset < FileHeaderSize + header->headerSize || pixelOffset >= size)
        return Fail(error, "BMP pixel data lies outside the file");

    const bool topDown = header->height < 0;
    const std::uint32_t rows = topDown ? std::uint32_t(-std::int64_t(header->height)) : std::uint32_t(header->height);
    std::optional<Raster> raster = DecodeDibPixels(*header, std::uint32_t(header->width), rows, topDown,
                                                   data + pixelOffset, size - pixelOffset, false);
    if (!raster)
        return Fail(error, "BMP pixel data is truncated or too large");
    return raster;
}

std::optional<Raster> ReadBmpFile(const QString &path, QString *error)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path, MaxBmpFileBytes);
    if (!bytes)
        return Fail(error, "cannot read the file");
    return ReadBmp(bytes->data(), bytes->size(), error);
}

} // namespace tavrin
