#include "platform/JpegDecoder.h"

#include "platform/FileBytes.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include <jpeglib.h>

namespace tavrin {
namespace {

constexpr std::int64_t MaxJpegFileBytes = std::int64_t(256) * 1024 * 1024;
constexpr long MaxDecoderMemory = 512L * 1024 * 1024;
// Progressive pictures with absurd numbers of scans take very long to
// decode; real ones have about ten.
constexpr int MaxScans = 500;

// libjpeg's error manager, extended with the place to jump back to.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBackOnError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<JpegErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jumpBack, 1);
}

// Warnings (corrupt data, premature end of file) end the decoding as well:
// a damaged body must not come out as a picture with made-up rows.
void TreatWarningsAsErrors(j_common_ptr info, int level)
{
    if (level < 0)
        JumpBackOnError(info);
}

void DiscardMessage(j_common_ptr) {}

void LimitScans(j_common_ptr info)
{
    if (info->is_decompressor) {
        auto *decompress = reinterpret_cast<j_decompress_ptr>(info);
        if (decompress->input_scan_number > MaxScans) {
            auto *manager = reinterpret_cast<JpegErrorManager *>(info->err);
            std::snprintf(manager->message, sizeof manager->message, "too many scans");
            std::longjmp(manager->jumpBack, 1);
        }
    }
}

// The functions that call setjmp hold no objects with destructors, so the
// jump back from libjpeg skips nothing that needs cleaning up.

bool ReadHeaderGuarded(jpeg_decompress_struct *info, JpegErrorManager *manager, jpeg_progress_mgr *progress,
                       const unsigned char *data, unsigned long size)
{
    if (setjmp(manager->jumpBack) != 0)
        return false;
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = MaxDecoderMemory;
    info->progress = progress;
    jpeg_mem_src(info, data, size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK)
        return false;
    switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE:
        info->out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info->out_color_space = JCS_CMYK;
        break;
    default:
        info->out_color_space = JCS_RGB;
        break;
    }
    jpeg_calc_output_dimensions(info);
    return true;
}

std::uint32_t ToArgb(const JSAMPLE *sample, int components, bool invertedCmyk)
{
    if (components == 1)
        return 0xFF000000u | std::uint32_t(sample[0]) << 16 | std::uint32_t(sample[0]) << 8 | sample[0];
    if (components == 3)
        return 0xFF000000u | std::uint32_t(sample[0]) << 16 | std::uint32_t(sample[1]) << 8 | sample[2];
    std::uint32_t c = sample[0], m = sample[1], y = sample[2], k = sample[3];
    if (!invertedCmyk) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return 0xFF000000u | (c * k / 255) << 16 | (m * k / 255) << 8 | (y * k / 255);
}

bool DecodeRowsGuarded(jpeg_decompress_struct *info, JpegErrorManager *manager, std::uint32_t *pixels)
{
    if (setjmp(manager->jumpBack) != 0)
        return false;
    jpeg_start_decompress(info);
    const int components = info->output_components;
    if (components != 1 && components != 3 && components != 4)
        return false;
    const JDIMENSION width = info->output_width;
    JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                width * JDIMENSION(components), 1);
    const bool invertedCmyk = info->saw_Adobe_marker;
    while (info->output_scanline < info->output_height) {
        const JDIMENSION y = info->output_scanline;
        if (jpeg_read_scanlines(info, row, 1) != 1)
            return false;
        std::uint32_t *out = pixels + std::size_t(y) * width;
        for (JDIMENSION x = 0; x < width; ++x)
            out[x] = ToArgb(row[0] + std::size_t(x) * std::size_t(components), components, invertedCmyk);
    }
    jpeg_finish_decompress(info);
    return true;
}

std::optional<Raster> Fail(QString *error, const QString &reason)
{
    if (error != nullptr)
        *error = reason;
    return std::nullopt;
}

} // namespace

std::optional<Raster> DecodeJpeg(const std::uint8_t *data, std::size_t size, QString *error)
{
    if (data == nullptr || size == 0)
        return Fail(error, QStringLiteral("empty JPEG data"));

    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    JpegErrorManager manager;
    std::memset(&manager, 0, sizeof manager);
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = JumpBackOnError;
    manager.base.emit_message = TreatWarningsAsErrors;
    manager.base.output_message = DiscardMessage;
    jpeg_progress_mgr progress;
    std::memset(&progress, 0, sizeof progress);
    progress.progress_monitor = LimitScans;

    if (!ReadHeaderGuarded(&info, &manager, &progress, data, static_cast<unsigned long>(size))) {
        const QString reason = QStringLiteral("JPEG header cannot be read: ") + QString::fromLatin1(manager.message);
        jpeg_destroy_decompress(&info);
        return Fail(error, reason);
    }

    const std::uint64_t width = info.output_width;
    const std::uint64_t height = info.output_height;
    if (width == 0 || height == 0 || width * height > MaxRasterPixels) {
        jpeg_destroy_decompress(&info);
        return Fail(error, QStringLiteral("JPEG picture is too large"));
    }

    Raster raster;
    raster.width = int(width);
    raster.height = int(height);
    try {
        raster.pixels.resize(std::size_t(width * height));
    } catch (const std::bad_alloc &) {
        jpeg_destroy_decompress(&info);
        return Fail(error, QStringLiteral("out of memory for the JPEG picture"));
    }
    const bool decoded = DecodeRowsGuarded(&info, &manager, raster.pixels.data());
    const QString reason = QStringLiteral("JPEG data is corrupt: ") + QString::fromLatin1(manager.message);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return Fail(error, reason);
    return raster;
}

std::optional<Raster> DecodeJpegFile(const QString &path, QString *error)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path, MaxJpegFileBytes);
    if (!bytes)
        return Fail(error, QStringLiteral("cannot read the file"));
    return DecodeJpeg(bytes->data(), bytes->size(), error);
}

} // namespace tavrin
