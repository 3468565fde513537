#include "tools/art/FrameArt.h"

#include <array>
#include <cmath>

namespace tavrin::art {

namespace {

constexpr int kTitleHeight = 26;
constexpr double kCornerRadius = 5.0;
// The right end of the title strip is always drawn 81 pixels wide.
constexpr double kTitleRightShown = 81.0;

// Colour of a frame point from its signed distance to the window's outer
// edge: the outer line, the inner line, then the face.
Rgba Banded(double distance, Rgba outer, Rgba inner, Rgba face)
{
    if (distance > -1.0)
        return outer;
    if (distance > -2.0)
        return inner;
    return face;
}

} // namespace

Rgba TitleColour(const Theme& theme, double y)
{
    const double t = Clamp01((y - 2.0) / (kTitleHeight - 2.0));
    Rgba colour = Mix(theme.titleTop, theme.titleBottom, t);
    // A soft sheen just under the top lines.
    colour = Mix(colour, theme.innerLine, 0.18 * (1.0 - SmoothStep(2.0, 7.0, y)));
    return colour;
}

Canvas TitleLeft(const Theme& theme)
{
    Canvas canvas(75, kTitleHeight);
    const Shape corner = RoundRect(0.0, 0.0, 400.0, 400.0, kCornerRadius);
    canvas.Render([&](double x, double y) {
        return Banded(corner(x, y), theme.outline, theme.innerLine, TitleColour(theme, y));
    });
    return canvas;
}

Canvas TitleMiddle(const Theme& theme)
{
    Canvas canvas(75, kTitleHeight);
    canvas.Render([&](double, double y) { return Banded(-y, theme.outline, theme.innerLine, TitleColour(theme, y)); });
    return canvas;
}

Canvas TitleRight(const Theme& theme)
{
    constexpr int width = 120;
    Canvas canvas(width, kTitleHeight);
    // Drawn in the coordinates it is shown in, so the edge lines keep one
    // pixel each after the squeeze to 81 columns.
    const double squeeze = kTitleRightShown / width;
    const Shape corner = RoundRect(-400.0, 0.0, kTitleRightShown, 400.0, kCornerRadius);
    canvas.Render([&](double x, double y) {
        const double shownX = x * squeeze;
        const bool nearerRight = kTitleRightShown - shownX < y;
        const Rgba inner = nearerRight ? theme.titleAccent : theme.innerLine;
        return Banded(corner(shownX, y), theme.outline, inner, TitleColour(theme, y));
    });
    return canvas;
}

Canvas BorderLeft(const Theme& theme)
{
    Canvas canvas(8, 18);
    canvas.Render([&](double x, double) {
        const Rgba face = Mix(Lighten(theme.side, 0.12), theme.side, SmoothStep(2.0, 5.0, x));
        return Banded(-x, theme.edge, theme.innerLine, face);
    });
    return canvas;
}

Canvas BorderRight(const Theme& theme)
{
    Canvas canvas(8, 18);
    canvas.Render([&](double x, double) { return Banded(x - 8.0, theme.edge, theme.sideAccent, theme.side); });
    return canvas;
}

Canvas BottomLeft(const Theme& theme)
{
    Canvas canvas(8, 8);
    const Shape corner = RoundRect(0.0, -400.0, 400.0, 8.0, 0.0);
    canvas.Render([&](double x, double y) {
        const bool nearerLeft = x < 8.0 - y;
        const Rgba inner = nearerLeft ? theme.innerLine : theme.sideAccent;
        const Rgba face = Mix(Lighten(theme.side, 0.12), theme.side, SmoothStep(2.0, 5.0, x));
        return Banded(corner(x, y), theme.edge, inner, face);
    });
    return canvas;
}

Canvas BottomMiddle(const Theme& theme)
{
    Canvas canvas(50, 8);
    canvas.Render([&](double, double y) { return Banded(y - 8.0, theme.edge, theme.sideAccent, theme.side); });
    return canvas;
}

Canvas BottomRight(const Theme& theme)
{
    Canvas canvas(8, 8);
    const Shape corner = RoundRect(-400.0, -400.0, 8.0, 8.0, 0.0);
    canvas.Render([&](double x, double y) { return Banded(corner(x, y), theme.edge, theme.sideAccent, theme.side); });
    return canvas;
}

Canvas Background(const Theme& theme)
{
    constexpr int width = 160;
    constexpr int height = 138;
    // The picture is shown stretched to 158 x 639; the streaks are laid out
    // in those coordinates so they rise at a gentle slant on screen.
    constexpr double shownWidth = 158.0;
    constexpr double shownHeight = 639.0;
    struct Streak {
        double centre;
        double width;
        double strength;
    };
    constexpr std::array<Streak, 9> streaks{{
        {40.0, 22.0, 0.55},
        {95.0, 7.0, 0.45},
        {150.0, 30.0, 0.50},
        {215.0, 10.0, 0.40},
        {290.0, 40.0, 0.45},
        {360.0, 9.0, 0.35},
        {430.0, 28.0, 0.40},
        {505.0, 12.0, 0.30},
        {575.0, 34.0, 0.35},
    }};

    Canvas canvas(width, height);
    canvas.Render([&](double x, double y) {
        const double sx = x * shownWidth / width;
        const double sy = y * shownHeight / height;
        // Distance along the rising diagonal; lines of equal value rise to the right.
        const double along = sx * 0.55 + sy * 0.835;
        double light = 0.0;
        for (const Streak& streak : streaks) {
            const double offset = (along - streak.centre) / streak.width;
            light += streak.strength * std::exp(-offset * offset * 2.0);
        }
        // Almost white near the upper-left corner, the pale field elsewhere.
        const double corner = std::hypot(sx / shownWidth, sy / 260.0);
        Rgba colour = Mix(theme.fieldLight, theme.field, SmoothStep(0.0, 1.15, corner));
        colour = Mix(colour, theme.streak, Clamp01(light) * 0.75);
        return colour;
    });
    return canvas;
}

Canvas HeaderBar(const Theme& theme)
{
    constexpr int width = 158;
    constexpr int height = 25;
    constexpr double middle = 12.5;
    Canvas canvas(width, height);
    const Shape outer = RoundRect(0.0, 0.0, width, height, 1.5);
    canvas.Render([&](double x, double y) {
        const double d = outer(x, y);
        if (d > 0.0)
            return theme.headerOutline;
        const double t = Clamp01(std::fabs(y - middle) / (middle - 2.0));
        Rgba face = Mix(theme.headerDeep, theme.headerLight, std::pow(t, 1.6));
        // Gloss: the upper half a touch brighter than the lower.
        if (y < middle)
            face = Mix(face, theme.innerLine, 0.10 * (1.0 - y / middle));
        return Banded(d, theme.headerOutline, theme.headerInner, face);
    });
    return canvas;
}

} // namespace tavrin::art
