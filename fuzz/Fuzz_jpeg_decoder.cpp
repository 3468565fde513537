// JPEG frame pieces from arbitrary bytes.
#include "platform/JpegDecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<tavrin::Raster> raster = tavrin::DecodeJpeg(data, size);
    if (raster && raster->pixels.size() != std::size_t(raster->width) * std::size_t(raster->height))
        std::abort();
    return 0;
}
