// BMP button pictures and header bitmaps from arbitrary bytes.
#include "platform/BmpReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<tavrin::Raster> raster = tavrin::ReadBmp(data, size);
    if (raster && (raster->width < 1 || raster->height < 1 ||
                   raster->pixels.size() != std::size_t(raster->width) * std::size_t(raster->height)))
        std::abort();
    return 0;
}
