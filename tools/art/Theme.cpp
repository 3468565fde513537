#include "tools/art/Theme.h"

namespace tavrin::art {

Theme DefaultTheme()
{
    Theme theme;
    theme.outline = Hex(0x0A3470);
    theme.innerLine = Hex(0xFFFFFF);
    theme.titleTop = Hex(0x60B8EA);
    theme.titleBottom = Hex(0x81CFF5);
    theme.titleAccent = Hex(0x42E0FD);
    theme.side = Hex(0x8ED2F7);
    theme.sideAccent = Hex(0x0CD0FA);
    theme.edge = Hex(0x000000);
    theme.fieldLight = Hex(0xFBFEFF);
    theme.field = Hex(0xD2ECFA);
    theme.streak = Hex(0xFFFFFF);
    theme.headerOutline = Hex(0x2A8ACB);
    theme.headerInner = Hex(0xE2F5FE);
    theme.headerLight = Hex(0xA5DCF7);
    theme.headerDeep = Hex(0x34B7ED);

    theme.minimise[0] = PlateTones{Hex(0xE4F3FD), Hex(0x9FD0F0), Hex(0x1C4C94), Hex(0x2F6BC4)};
    theme.minimise[1] = PlateTones{Hex(0x7FE6FF), Hex(0x1A86E8), Hex(0x0A3C8C), Hex(0x1554B8)};
    theme.minimise[2] = PlateTones{Hex(0x4A79C0), Hex(0x12336E), Hex(0x061A40), Hex(0x0E2C66)};

    theme.close[0] = PlateTones{Hex(0xF1DCE7), Hex(0xC596B3), Hex(0x0A3470), Hex(0x2F5FAE)};
    theme.close[1] = PlateTones{Hex(0xFFB3C0), Hex(0xE0202E), Hex(0x6E0A16), Hex(0x2F5FAE)};
    theme.close[2] = PlateTones{Hex(0x9C918C), Hex(0x5A3626), Hex(0x2A160C), Hex(0x3A4A66)};
    return theme;
}

namespace {

Rgba Turn(Rgba colour, const Recolouring& recolouring)
{
    Hsv hsv = ToHsv(colour);
    // Whites and greys keep their brightness; coloured parts darken or brighten.
    const double valueScale = 1.0 + (recolouring.value - 1.0) * hsv.s;
    hsv.h += recolouring.hueShift;
    hsv.s = Clamp01(hsv.s * recolouring.saturation);
    hsv.v = Clamp01(hsv.v * valueScale);
    return FromHsv(hsv, colour.a);
}

PlateTones Turn(const PlateTones& tones, const Recolouring& recolouring)
{
    return PlateTones{Turn(tones.light, recolouring), Turn(tones.deep, recolouring), Turn(tones.outline, recolouring),
                      Turn(tones.glyphOutline, recolouring)};
}

} // namespace

Theme Recoloured(const Theme& base, const Recolouring& recolouring)
{
    Theme theme = base;
    for (Rgba* colour : {&theme.outline, &theme.innerLine, &theme.titleTop, &theme.titleBottom, &theme.titleAccent,
                         &theme.side, &theme.sideAccent, &theme.edge, &theme.fieldLight, &theme.field, &theme.streak,
                         &theme.headerOutline, &theme.headerInner, &theme.headerLight, &theme.headerDeep})
        *colour = Turn(*colour, recolouring);
    for (int state = 0; state < 3; ++state) {
        theme.minimise[state] = Turn(base.minimise[state], recolouring);
        const bool keep = recolouring.keepWarningClose && state > 0;
        if (!keep)
            theme.close[state] = Turn(base.close[state], recolouring);
    }
    return theme;
}

std::vector<SkinTheme> SkinThemes()
{
    // The default blues sit near 202 degrees; each skin turns them to its own hue.
    return {
        {QString::fromUtf8("春草绿"), Recolouring{-100.0, 0.95, 0.92, true}},
        {QString::fromUtf8("动感兰"), Recolouring{14.0, 1.15, 1.0, true}},
        {QString::fromUtf8("复古灰"), Recolouring{-165.0, 0.16, 0.6, true}},
        {QString::fromUtf8("古典青"), Recolouring{-26.0, 1.0, 0.7, true}},
        {QString::fromUtf8("冷艳紫"), Recolouring{68.0, 0.85, 0.95, true}},
        {QString::fromUtf8("落日黄"), Recolouring{-166.0, 1.0, 1.0, true}},
        {QString::fromUtf8("玫瑰红"), Recolouring{142.0, 0.9, 0.97, false}},
    };
}

} // namespace tavrin::art
