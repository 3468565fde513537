#pragma once

// A decoded picture: width x height pixels, row by row from the top, each a
// 32-bit 0xAARRGGBB value with straight (not premultiplied) alpha.

#include <cstdint>
#include <vector>

namespace tavrin {

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t Pixel(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// The largest picture the decoders accept, in pixels; anything larger is
// refused before memory is reserved for it.
constexpr std::uint64_t MaxRasterPixels = 40'000'000;

constexpr std::uint32_t Argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return (alpha & 0xFFu) << 24 | (red & 0xFFu) << 16 | (green & 0xFFu) << 8 | (blue & 0xFFu);
}

} // namespace tavrin
