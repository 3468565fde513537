#include "tools/art/ButtonArt.h"

#include "tools/art/FrameArt.h"

namespace tavrin::art {

namespace {

constexpr int kWidth = 28;
constexpr int kHeight = 15;
// The buttons sit 6 pixels below the top of the title strip.
constexpr double kTopInTitle = 6.0;

Canvas Plate(const Theme& theme, const PlateTones& tones)
{
    Canvas canvas(kWidth, kHeight);
    canvas.Render([&](double, double y) { return TitleColour(theme, y + kTopInTitle); });

    const Shape plate = RoundRect(0.0, 0.0, kWidth, kHeight, 4.0);
    canvas.Fill(plate, tones.outline);
    const Shape face = Inflate(plate, -1.0);
    canvas.Fill(face, LinearGradient({0.0, 1.0}, tones.light, {0.0, kHeight - 1.0}, tones.deep));
    // Glass: a bright upper half and a faint glow along the bottom.
    const Shape upper = Intersect(face, RoundRect(1.0, 1.0, kWidth - 1.0, kHeight * 0.52, 3.0));
    canvas.Fill(upper, LinearGradient({0.0, 1.0}, WithAlpha(Hex(0xFFFFFF), 0.65), {0.0, kHeight * 0.52},
                                      WithAlpha(Hex(0xFFFFFF), 0.18)));
    const Shape glow = Intersect(face, Ellipse(kWidth / 2.0, kHeight + 1.5, kWidth * 0.42, 5.0));
    canvas.Fill(glow, WithAlpha(Lighten(tones.light, 0.3), 0.45));
    canvas.Fill(Intersect(Outline(face, 1.0), RoundRect(0.0, 0.0, kWidth, 4.0, 0.0)),
                WithAlpha(Hex(0xFFFFFF), 0.55));
    return canvas;
}

void Sign(Canvas& canvas, const Shape& sign, const PlateTones& tones)
{
    canvas.Fill(Inflate(sign, 1.0), tones.glyphOutline);
    canvas.Fill(sign, LinearGradient({0.0, 3.0}, Hex(0xFFFFFF), {0.0, 12.0}, Hex(0xE6EEF8)));
}

} // namespace

Canvas MinimiseButton(const Theme& theme, ButtonState state)
{
    const PlateTones& tones = theme.minimise[static_cast<int>(state)];
    Canvas canvas = Plate(theme, tones);
    Sign(canvas, RoundRect(9.0, 8.5, 19.0, 11.0, 0.6), tones);
    return canvas;
}

Canvas CloseButton(const Theme& theme, ButtonState state)
{
    const PlateTones& tones = theme.close[static_cast<int>(state)];
    Canvas canvas = Plate(theme, tones);
    const Shape cross = Union(Capsule({10.5, 4.0}, {17.5, 11.0}, 1.25), Capsule({17.5, 4.0}, {10.5, 11.0}, 1.25));
    Sign(canvas, cross, tones);
    return canvas;
}

} // namespace tavrin::art
