#include "tools/art/Colour.h"

#include <algorithm>
#include <cmath>

namespace tavrin::art {

double Clamp01(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

Rgba Hex(std::uint32_t rrggbb, double alpha)
{
    return Rgba{((rrggbb >> 16) & 0xFF) / 255.0, ((rrggbb >> 8) & 0xFF) / 255.0,
                (rrggbb & 0xFF) / 255.0, alpha};
}

Rgba WithAlpha(Rgba colour, double alpha)
{
    colour.a = alpha;
    return colour;
}

Rgba Mix(Rgba from, Rgba to, double t)
{
    return Rgba{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Rgba Lighten(Rgba colour, double amount)
{
    const Rgba target = amount >= 0.0 ? Rgba{1.0, 1.0, 1.0, colour.a} : Rgba{0.0, 0.0, 0.0, colour.a};
    return Mix(colour, target, std::fabs(amount));
}

double Luminance(Rgba colour)
{
    return 0.2126 * colour.r + 0.7152 * colour.g + 0.0722 * colour.b;
}

Hsv ToHsv(Rgba colour)
{
    const double high = std::max({colour.r, colour.g, colour.b});
    const double low = std::min({colour.r, colour.g, colour.b});
    const double span = high - low;
    Hsv hsv;
    hsv.v = high;
    hsv.s = high > 0.0 ? span / high : 0.0;
    if (span <= 0.0)
        return hsv;
    double h = 0.0;
    if (high == colour.r)
        h = (colour.g - colour.b) / span;
    else if (high == colour.g)
        h = 2.0 + (colour.b - colour.r) / span;
    else
        h = 4.0 + (colour.r - colour.g) / span;
    h *= 60.0;
    if (h < 0.0)
        h += 360.0;
    hsv.h = h;
    return hsv;
}

Rgba FromHsv(Hsv hsv, double alpha)
{
    double h = std::fmod(hsv.h, 360.0);
    if (h < 0.0)
        h += 360.0;
    const double s = Clamp01(hsv.s);
    const double v = Clamp01(hsv.v);
    const double sector = h / 60.0;
    const int index = static_cast<int>(std::floor(sector)) % 6;
    const double f = sector - std::floor(sector);
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    switch (index) {
    case 0: return Rgba{v, t, p, alpha};
    case 1: return Rgba{q, v, p, alpha};
    case 2: return Rgba{p, v, t, alpha};
    case 3: return Rgba{p, q, v, alpha};
    case 4: return Rgba{t, p, v, alpha};
    default: return Rgba{v, p, q, alpha};
    }
}

std::uint8_t ToByte(double channel)
{
    return static_cast<std::uint8_t>(std::lround(Clamp01(channel) * 255.0));
}

std::uint32_t ToBgrValue(Rgba colour)
{
    return static_cast<std::uint32_t>(ToByte(colour.b)) << 16 | static_cast<std::uint32_t>(ToByte(colour.g)) << 8
        | ToByte(colour.r);
}

} // namespace tavrin::art
