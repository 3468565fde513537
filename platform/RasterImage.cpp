#include "platform/RasterImage.h"

#include <cstring>

namespace tavrin {

QImage ToQImage(const Raster &raster)
{
    if (raster.IsEmpty() || raster.pixels.size() != std::size_t(raster.width) * std::size_t(raster.height))
        return {};
    QImage image(raster.width, raster.height, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < raster.height; ++y)
        std::memcpy(image.scanLine(y), raster.pixels.data() + std::size_t(y) * std::size_t(raster.width),
                    std::size_t(raster.width) * sizeof(std::uint32_t));
    return image;
}

} // namespace tavrin
