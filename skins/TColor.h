#pragma once

// A colour as skins and the window store it: a signed 32-bit value with red
// in bits 0-7, green in 8-15 and blue in 16-23. Negative values name a
// system colour by their low byte; clNone and clDefault are markers.

#include <cstdint>

namespace tavrin {

using TColor = std::int32_t;

constexpr TColor RgbColor(int red, int green, int blue)
{
    return static_cast<TColor>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}

constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clBlack = 0x00000000;
constexpr TColor clGray = 0x00808080;
constexpr TColor clMaroon = 0x00000080;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

} // namespace tavrin
