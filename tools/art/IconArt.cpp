#include "tools/art/IconArt.h"

namespace tavrin::art {

namespace {

constexpr double kIconUnits = 48.0;

void Sphere(Canvas& canvas, Point centre, double radius, Rgba light, Rgba deep, double outlineWidth)
{
    const Shape ball = Circle(centre.x, centre.y, radius);
    canvas.Fill(Inflate(ball, outlineWidth), Lighten(deep, -0.45));
    canvas.Fill(ball, RadialGradient({centre.x - radius * 0.35, centre.y - radius * 0.4}, radius * 1.45, light, deep));
    // Reflected light at the bottom and a highlight at the top left.
    canvas.Fill(Intersect(ball, Circle(centre.x, centre.y + radius * 0.9, radius * 0.75)),
                WithAlpha(Lighten(light, 0.2), 0.35));
    canvas.Fill(Ellipse(centre.x - radius * 0.25, centre.y - radius * 0.5, radius * 0.55, radius * 0.32),
                WithAlpha(Hex(0xFFFFFF), 0.85));
}

} // namespace

Canvas ApplicationIcon(int size)
{
    Canvas canvas(size, size);
    canvas.SetScale(size / kIconUnits);
    // Coarser sizes get heavier outlines so the shapes stay apart.
    const double outlineWidth = size <= 16 ? 2.2 : (size <= 32 ? 1.5 : 1.1);
    const Point centre{24.0, 24.0};

    const Shape ring = Subtract(Circle(centre.x, centre.y, 19.5), Circle(centre.x, centre.y, 11.0));
    canvas.Fill(Circle(centre.x + 0.8, centre.y + 1.6, 20.5), WithAlpha(Hex(0x000000), 0.18));
    canvas.Fill(Inflate(ring, outlineWidth), Hex(0x0A2F74));
    canvas.Fill(ring, LinearGradient({12.0, 4.0}, Hex(0x7FD2FF), {36.0, 44.0}, Hex(0x0A4FB8)));
    // The ring's glass: a bright crescent on the upper half.
    const Shape upper = Intersect(ring, Ellipse(centre.x, 15.0, 17.0, 10.5));
    canvas.Fill(upper, LinearGradient({0.0, 4.5}, WithAlpha(Hex(0xFFFFFF), 0.8), {0.0, 24.0},
                                      WithAlpha(Hex(0xFFFFFF), 0.05)));
    canvas.Fill(Intersect(ring, Circle(centre.x, centre.y + 14.0, 12.0)), WithAlpha(Hex(0x7FE4FF), 0.3));

    const double ball = size <= 16 ? 7.2 : 6.6;
    Sphere(canvas, {12.0, 13.5}, ball, Hex(0x9FE0FF), Hex(0x1556D0), outlineWidth * 0.8);
    Sphere(canvas, {37.0, 16.0}, ball, Hex(0xC8FF8A), Hex(0x23A12A), outlineWidth * 0.8);
    Sphere(canvas, {24.0, 39.0}, ball, Hex(0xFFD08A), Hex(0xE2380E), outlineWidth * 0.8);
    return canvas;
}

Canvas TrayPlaceholder()
{
    Canvas canvas(32, 32);
    const Shape frame = RoundRect(2.0, 4.0, 30.0, 28.0, 2.0);
    canvas.Fill(Inflate(frame, 0.8), Hex(0x5C6069));
    canvas.Fill(frame, LinearGradient({0, 4.0}, Hex(0xD9DCE1), {0, 28.0}, Hex(0xA9AEB6)));
    // Caption bar of the little window.
    canvas.Fill(Intersect(frame, RoundRect(0.0, 0.0, 32.0, 8.5, 0.0)),
                LinearGradient({0, 4.0}, Hex(0xBFC3CA), {0, 8.5}, Hex(0x868B94)));
    canvas.Fill(Circle(26.5, 6.3, 1.1), Hex(0xF2F3F5));
    canvas.Fill(Circle(23.3, 6.3, 1.1), Hex(0xF2F3F5));
    // Client area.
    const Shape client = RoundRect(4.0, 10.0, 28.0, 26.0, 0.6);
    canvas.Fill(client, Hex(0xFBFCFD));
    // The picture panel on the left.
    const Shape panel = RoundRect(5.5, 11.5, 14.5, 24.5, 0.6);
    canvas.Fill(Inflate(panel, 0.5), Hex(0x1F6E86));
    canvas.Fill(panel, LinearGradient({5.5, 11.5}, Hex(0x5FD6C6), {14.5, 24.5}, Hex(0x2270C8)));
    canvas.Fill(Intersect(panel, Ellipse(9.0, 24.5, 6.5, 4.0)), WithAlpha(Hex(0x2FA85A), 0.85));
    canvas.Fill(Circle(11.8, 14.5, 1.3), WithAlpha(Hex(0xFFF3A0), 0.95));
    // Lines of text on the right.
    for (int line = 0; line < 5; ++line) {
        const double y = 12.5 + line * 2.6;
        const double end = line == 4 ? 22.0 : 26.0;
        canvas.Fill(RoundRect(16.5, y, end, y + 1.2, 0.5), Hex(0x8E939C));
    }
    return canvas;
}

} // namespace tavrin::art
