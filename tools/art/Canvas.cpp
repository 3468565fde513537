#include "tools/art/Canvas.h"

#include <algorithm>
#include <cmath>

namespace tavrin::art {

namespace {

constexpr int kSubsamples = 4;

} // namespace

Paint Solid(Rgba colour)
{
    return [colour](double, double) { return colour; };
}

Paint LinearGradient(Point p0, Rgba c0, Point p1, Rgba c1)
{
    const double dx = p1.x - p0.x;
    const double dy = p1.y - p0.y;
    const double length2 = dx * dx + dy * dy;
    return [=](double x, double y) {
        const double t = Clamp01(((x - p0.x) * dx + (y - p0.y) * dy) / length2);
        return Mix(c0, c1, t);
    };
}

Paint RadialGradient(Point centre, double radius, Rgba inner, Rgba outer)
{
    return [=](double x, double y) {
        return Mix(inner, outer, Clamp01(std::hypot(x - centre.x, y - centre.y) / radius));
    };
}

Canvas::Canvas(int width, int height, Rgba background)
    : width_(width)
    , height_(height)
    , pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background)
{
}

Rgba Canvas::Pixel(int x, int y) const
{
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Canvas::SetPixel(int x, int y, Rgba colour)
{
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
}

void Canvas::Blend(int x, int y, Rgba colour, double coverage)
{
    const double alpha = Clamp01(colour.a * coverage);
    if (alpha <= 0.0)
        return;
    const Rgba under = Pixel(x, y);
    const double outAlpha = alpha + under.a * (1.0 - alpha);
    if (outAlpha <= 0.0) {
        SetPixel(x, y, Rgba{0.0, 0.0, 0.0, 0.0});
        return;
    }
    const double keep = under.a * (1.0 - alpha);
    SetPixel(x, y,
             Rgba{(colour.r * alpha + under.r * keep) / outAlpha, (colour.g * alpha + under.g * keep) / outAlpha,
                  (colour.b * alpha + under.b * keep) / outAlpha, outAlpha});
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity)
{
    for (int py = 0; py < height_; ++py) {
        for (int px = 0; px < width_; ++px) {
            int inside = 0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSubsamples) / scale_;
                    const double y = (py + (sy + 0.5) / kSubsamples) / scale_;
                    if (shape(x, y) <= 0.0)
                        ++inside;
                }
            }
            if (inside == 0)
                continue;
            const double coverage = static_cast<double>(inside) / (kSubsamples * kSubsamples);
            const Rgba colour = paint((px + 0.5) / scale_, (py + 0.5) / scale_);
            Blend(px, py, colour, coverage * opacity);
        }
    }
}

void Canvas::Render(const std::function<Rgba(double x, double y)>& pixelColour)
{
    constexpr double count = kSubsamples * kSubsamples;
    for (int py = 0; py < height_; ++py) {
        for (int px = 0; px < width_; ++px) {
            Rgba sum{0.0, 0.0, 0.0, 0.0};
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const Rgba c = pixelColour((px + (sx + 0.5) / kSubsamples) / scale_,
                                               (py + (sy + 0.5) / kSubsamples) / scale_);
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            if (sum.a <= 0.0) {
                SetPixel(px, py, Rgba{0.0, 0.0, 0.0, 0.0});
                continue;
            }
            SetPixel(px, py, Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / count});
        }
    }
}

void Canvas::Draw(const Canvas& other, int x, int y)
{
    for (int oy = 0; oy < other.Height(); ++oy) {
        for (int ox = 0; ox < other.Width(); ++ox) {
            const int tx = x + ox;
            const int ty = y + oy;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_)
                continue;
            Blend(tx, ty, other.Pixel(ox, oy));
        }
    }
}

} // namespace tavrin::art
