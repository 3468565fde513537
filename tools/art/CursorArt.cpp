#include "tools/art/CursorArt.h"

#include <array>
#include <cmath>

namespace tavrin::art {

namespace {

constexpr int kSize = 32;

Shape Arrow()
{
    const double x = kCursorHotspotX;
    const double y = kCursorHotspotY;
    return Polygon({{x, y},
                    {x, y + 17.0},
                    {x + 4.2, y + 13.2},
                    {x + 7.2, y + 19.8},
                    {x + 9.9, y + 18.6},
                    {x + 6.9, y + 12.1},
                    {x + 12.4, y + 12.1}});
}

Canvas Frame(const Theme& theme, double glow)
{
    Canvas canvas(kSize, kSize);
    const Shape arrow = Arrow();
    const Rgba halo = Mix(theme.titleTop, theme.headerDeep, 0.5);
    // The glow: a soft halo whose reach and strength follow the frame.
    const double reach = 1.5 + 3.0 * glow;
    canvas.Render([&](double x, double y) {
        const double d = arrow(x, y);
        if (d <= 0.0 || d > reach)
            return Rgba{halo.r, halo.g, halo.b, 0.0};
        const double fade = 1.0 - d / reach;
        return WithAlpha(halo, (0.25 + 0.55 * glow) * fade * fade);
    });
    canvas.Fill(Inflate(arrow, 1.0), theme.outline);
    canvas.Fill(arrow, LinearGradient({kCursorHotspotX, kCursorHotspotY}, Hex(0xFFFFFF),
                                      {kCursorHotspotX + 6.0, kCursorHotspotY + 18.0}, theme.headerLight));
    // A line of shine along the arrow's left edge.
    canvas.Fill(Intersect(arrow, Capsule({kCursorHotspotX + 1.2, kCursorHotspotY + 3.0},
                                         {kCursorHotspotX + 1.2, kCursorHotspotY + 13.0}, 0.5)),
                WithAlpha(Hex(0xFFFFFF), 0.8));
    // Pixels too faint to show are cleared completely.
    for (int py = 0; py < kSize; ++py)
        for (int px = 0; px < kSize; ++px)
            if (ToByte(canvas.Pixel(px, py).a) < 8)
                canvas.SetPixel(px, py, Rgba{0.0, 0.0, 0.0, 0.0});
    return canvas;
}

} // namespace

AnimatedCursor SkinCursor(const Theme& theme)
{
    AnimatedCursor cursor;
    constexpr std::array<double, 4> glows{0.0, 0.35, 0.7, 1.0};
    for (double glow : glows)
        cursor.frames.push_back(Frame(theme, glow));
    cursor.hotspotX = kCursorHotspotX;
    cursor.hotspotY = kCursorHotspotY;
    cursor.sequence = {0, 1, 2, 3, 2, 1};
    cursor.rates = {12, 6, 6, 12, 6, 6};
    return cursor;
}

} // namespace tavrin::art
