#include "tools/art/JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace tavrin::art {

namespace {

constexpr int kQuality = 92;

[[noreturn]] void ThrowJpegError(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX] = {};
    (*info->err->format_message)(info, message);
    throw std::runtime_error(message);
}

} // namespace

QByteArray EncodeJpeg(const Canvas& canvas)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ThrowJpegError;

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    QByteArray result;
    try {
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(canvas.Width());
        info.image_height = static_cast<JDIMENSION>(canvas.Height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, kQuality, TRUE);
        info.dct_method = JDCT_ISLOW;
        info.optimize_coding = TRUE;
        for (int i = 0; i < info.num_components; ++i) {
            info.comp_info[i].h_samp_factor = 1;
            info.comp_info[i].v_samp_factor = 1;
        }
        jpeg_start_compress(&info, TRUE);
        std::vector<JSAMPLE> row(static_cast<std::size_t>(canvas.Width()) * 3);
        while (info.next_scanline < info.image_height) {
            const int y = static_cast<int>(info.next_scanline);
            for (int x = 0; x < canvas.Width(); ++x) {
                const Rgba c = canvas.Pixel(x, y);
                row[static_cast<std::size_t>(x) * 3] = ToByte(c.r);
                row[static_cast<std::size_t>(x) * 3 + 1] = ToByte(c.g);
                row[static_cast<std::size_t>(x) * 3 + 2] = ToByte(c.b);
            }
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
        jpeg_finish_compress(&info);
        result = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    } catch (...) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw;
    }
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

} // namespace tavrin::art
