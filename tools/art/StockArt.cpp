#include "tools/art/StockArt.h"

#include <cmath>
#include <numbers>

namespace tavrin::art {

namespace {

constexpr int kSize = 24;

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

Point OnCircle(Point centre, double radius, double degrees)
{
    return Point{centre.x + radius * std::cos(Radians(degrees)), centre.y + radius * std::sin(Radians(degrees))};
}

// A bright band over the upper part of a shape, as on glass or plastic.
void Gloss(Canvas& canvas, const Shape& shape, double top, double bottom, double strength)
{
    canvas.Fill(Intersect(shape, RoundRect(-100.0, top, 100.0, bottom, 0.0)),
                LinearGradient({0.0, top}, WithAlpha(Hex(0xFFFFFF), strength), {0.0, bottom},
                               WithAlpha(Hex(0xFFFFFF), 0.0)));
}

void DrawMonitor(Canvas& canvas, double dx)
{
    const Shape bezel = RoundRect(2.0 + dx, 3.0, 22.0 + dx, 17.5, 1.6);
    const Shape screen = RoundRect(3.6 + dx, 4.6, 20.4 + dx, 15.6, 0.6);
    const Shape neck = Polygon({{10.5 + dx, 17.0}, {13.5 + dx, 17.0}, {14.2 + dx, 19.8}, {9.8 + dx, 19.8}});
    const Shape foot = RoundRect(6.5 + dx, 19.4, 17.5 + dx, 21.6, 1.0);
    canvas.Fill(foot, LinearGradient({0, 19.4}, Hex(0xC9CED5), {0, 21.6}, Hex(0x7D848E)));
    canvas.Fill(Outline(foot, 0.6), Hex(0x5E6570));
    canvas.Fill(neck, LinearGradient({10.0 + dx, 0}, Hex(0x8C939C), {14.0 + dx, 0}, Hex(0xB9BFC6)));
    canvas.Fill(bezel, LinearGradient({0, 3.0}, Hex(0x6B727C), {0, 17.5}, Hex(0x30353C)));
    canvas.Fill(Outline(bezel, 0.7), Hex(0x23272D));
    canvas.Fill(screen, LinearGradient({3.6 + dx, 4.6}, Hex(0x7FF0FF), {20.4 + dx, 15.6}, Hex(0x1450C8)));
    // Glare across the screen's upper left.
    canvas.Fill(Intersect(screen, HalfPlane({3.0 + dx, 12.0}, {16.0 + dx, 4.0})), WithAlpha(Hex(0xFFFFFF), 0.28));
}

} // namespace

Canvas WebBrowserPicture()
{
    Canvas canvas(kSize, kSize);
    const Point centre{12.0, 12.6};
    const Shape ring = Rotate(Ellipse(12.0, 12.0, 11.3, 4.6), 12.0, 12.0, -32.0);
    const Shape band = Outline(ring, 1.9);
    const Shape ringLocalUpper = Rotate(HalfPlane({30.0, 12.0}, {-6.0, 12.0}), 12.0, 12.0, -32.0);
    const Paint gold = LinearGradient({4.0, 3.0}, Hex(0xFFF07A), {20.0, 21.0}, Hex(0xE39A00));

    // The far half of the ring passes behind the letter.
    canvas.Fill(Intersect(band, Subtract(Circle(0, 0, 100), ringLocalUpper)), gold);

    // Lowercase e: a thick bowl open to the lower right, with a crossbar.
    const Shape bowl = Subtract(Circle(centre.x, centre.y, 7.4), Circle(centre.x, centre.y, 4.3));
    const Shape opening = Polygon({centre, OnCircle(centre, 12.0, 8.0), OnCircle(centre, 12.0, 52.0)});
    const Shape bar = RoundRect(centre.x - 6.0, centre.y - 1.6, centre.x + 7.2, centre.y + 0.9, 0.3);
    const Shape letter = Union(Subtract(bowl, opening), Intersect(bar, Circle(centre.x, centre.y, 7.4)));
    canvas.Fill(Inflate(letter, 0.7), Hex(0x0B3C8E));
    canvas.Fill(letter, LinearGradient({6.0, 5.0}, Hex(0x6CC8FF), {17.0, 20.0}, Hex(0x0E5CC8)));
    Gloss(canvas, letter, 5.0, 11.0, 0.45);

    // The near half sweeps in front of it.
    canvas.Fill(Intersect(band, ringLocalUpper), gold);
    canvas.Fill(Intersect(Outline(band, 0.5), ringLocalUpper), WithAlpha(Hex(0xB07000), 0.6));
    return canvas;
}

Canvas FolderPicture()
{
    Canvas canvas(kSize, kSize);
    const Shape back = Union(RoundRect(1.5, 5.0, 22.5, 20.5, 1.2), RoundRect(1.5, 3.2, 10.0, 7.0, 1.0));
    canvas.Fill(Inflate(back, 0.6), Hex(0xA8700C));
    canvas.Fill(back, LinearGradient({0, 3.0}, Hex(0xF5C542), {0, 20.0}, Hex(0xD9961A)));
    // A sheet of paper peeking out.
    canvas.Fill(RoundRect(3.5, 6.5, 20.5, 12.0, 0.5), Hex(0xFDFDFB));
    const Shape front = Polygon({{1.5, 8.8}, {22.5, 8.8}, {22.5, 20.5}, {1.5, 20.5}});
    const Shape frontRounded = Intersect(front, RoundRect(1.5, 8.8, 22.5, 20.5, 1.2));
    canvas.Fill(Inflate(frontRounded, 0.6), WithAlpha(Hex(0xA8700C), 0.9));
    canvas.Fill(frontRounded, LinearGradient({0, 8.8}, Hex(0xFFE27A), {0, 20.5}, Hex(0xF2B732)));
    Gloss(canvas, frontRounded, 8.8, 13.0, 0.5);
    return canvas;
}

Canvas ComputerPicture()
{
    Canvas canvas(kSize, kSize);
    DrawMonitor(canvas, 0.0);
    return canvas;
}

Canvas ControlPanelPicture()
{
    Canvas canvas(kSize, kSize);
    const Shape window = RoundRect(1.5, 2.5, 22.5, 21.5, 1.4);
    canvas.Fill(Inflate(window, 0.6), Hex(0x2F5F9E));
    canvas.Fill(window, LinearGradient({0, 2.5}, Hex(0xEAF5FF), {0, 21.5}, Hex(0xBFDDF8)));
    const Shape title = Intersect(window, RoundRect(0.0, 0.0, 24.0, 5.5, 0.0));
    canvas.Fill(title, LinearGradient({0, 2.5}, Hex(0x7DB8F2), {0, 5.5}, Hex(0x2F74D0)));

    // Pie chart with the orange slice pulled out a little.
    const Point centre{9.0, 11.8};
    const Shape pie = Circle(centre.x, centre.y, 4.6);
    const Shape slice = Polygon({centre, OnCircle(centre, 9.0, -75.0), OnCircle(centre, 9.0, -35.0),
                                 OnCircle(centre, 9.0, 5.0)});
    canvas.Fill(Inflate(Subtract(pie, slice), 0.4), Hex(0x123E86));
    canvas.Fill(Subtract(pie, slice), RadialGradient({7.5, 10.0}, 6.0, Hex(0x6FA8F5), Hex(0x1C54B8)));
    const Shape piece = Translate(Intersect(pie, slice), 0.9, -0.7);
    canvas.Fill(Inflate(piece, 0.4), Hex(0xA85200));
    canvas.Fill(piece, RadialGradient({11.0, 8.0}, 5.0, Hex(0xFFC466), Hex(0xF07A10)));

    // A column of slider dots on the right.
    canvas.Fill(RoundRect(17.8, 7.2, 18.6, 16.8, 0.3), Hex(0x7D9CC4));
    for (double y : {8.5, 12.0, 15.5}) {
        canvas.Fill(Circle(18.2, y, 1.35), Hex(0x1F5FB8));
        canvas.Fill(Circle(17.9, y - 0.35, 0.55), WithAlpha(Hex(0xFFFFFF), 0.7));
    }
    // Two bars along the bottom.
    canvas.Fill(RoundRect(4.0, 17.6, 15.5, 18.8, 0.5), Hex(0x2F74D0));
    canvas.Fill(RoundRect(4.0, 19.4, 11.0, 20.6, 0.5), Hex(0x5C95DD));
    return canvas;
}

Canvas DocumentsPicture()
{
    Canvas canvas(kSize, kSize);
    const Shape sheet = RoundRect(4.0, 1.5, 20.0, 22.5, 0.8);
    canvas.Fill(Inflate(sheet, 0.6), Hex(0x5A6F8C));
    canvas.Fill(sheet, LinearGradient({4.0, 1.5}, Hex(0xF4F7FB), {20.0, 22.5}, Hex(0xC9D4E2)));
    // The small picture at the top right: sky, sun and a green hill.
    const Shape frame = RoundRect(12.5, 3.5, 18.0, 9.0, 0.3);
    canvas.Fill(Inflate(frame, 0.5), Hex(0x6E7F96));
    canvas.Fill(frame, LinearGradient({0, 3.5}, Hex(0x6BBEFF), {0, 9.0}, Hex(0xCDEBFF)));
    canvas.Fill(Intersect(frame, Circle(16.6, 5.0, 1.0)), Hex(0xFFE14A));
    canvas.Fill(Intersect(frame, Ellipse(14.0, 10.2, 4.5, 3.0)), Hex(0x3FA83A));
    // Lines of text.
    for (double y : {4.5, 7.0})
        canvas.Fill(RoundRect(6.0, y, 11.0, y + 1.0, 0.4), Hex(0x7D8FA8));
    for (double y : {11.0, 13.5, 16.0, 18.5})
        canvas.Fill(RoundRect(6.0, y, y > 18.0 ? 13.0 : 18.0, y + 1.0, 0.4), Hex(0x7D8FA8));
    return canvas;
}

Canvas PrintersPicture()
{
    Canvas canvas(kSize, kSize);
    // The sheet standing out of the top.
    const Shape paper = RoundRect(6.0, 1.8, 18.0, 11.0, 0.3);
    canvas.Fill(Inflate(paper, 0.5), Hex(0x8A9099));
    canvas.Fill(paper, Hex(0xFFFFFF));
    for (double y : {4.0, 6.0, 8.0})
        canvas.Fill(RoundRect(8.0, y, 16.0, y + 0.7, 0.3), Hex(0xA9B0BA));

    const Shape body = RoundRect(1.5, 8.5, 22.5, 18.5, 2.0);
    canvas.Fill(Inflate(body, 0.6), Hex(0x4C525B));
    canvas.Fill(body, LinearGradient({0, 8.5}, Hex(0xE3E6EA), {0, 18.5}, Hex(0x9198A2)));
    canvas.Fill(RoundRect(5.0, 8.5, 19.0, 9.8, 0.4), Hex(0x5F6671));
    Gloss(canvas, body, 8.5, 12.0, 0.5);
    // The blue light strip across the front.
    const Shape strip = RoundRect(3.5, 13.0, 20.5, 14.6, 0.8);
    canvas.Fill(Inflate(strip, 0.8), WithAlpha(Hex(0x47A3FF), 0.35));
    canvas.Fill(strip, LinearGradient({0, 13.0}, Hex(0x8FD3FF), {0, 14.6}, Hex(0x1F6FE0)));
    // Output tray.
    const Shape tray = RoundRect(4.0, 17.5, 20.0, 21.5, 1.0);
    canvas.Fill(Inflate(tray, 0.5), Hex(0x4C525B));
    canvas.Fill(tray, LinearGradient({0, 17.5}, Hex(0xB9BFC7), {0, 21.5}, Hex(0x737A85)));
    canvas.Fill(RoundRect(6.0, 18.2, 18.0, 19.0, 0.3), Hex(0xFFFFFF));
    return canvas;
}

Canvas NetworkPicture()
{
    Canvas canvas(kSize, kSize);
    DrawMonitor(canvas, 1.0);
    const Point centre{6.8, 7.4};
    const double radius = 5.6;
    const Shape globe = Circle(centre.x, centre.y, radius);
    canvas.Fill(Inflate(globe, 0.7), Hex(0x0B3C8E));
    canvas.Fill(globe, RadialGradient({5.0, 5.2}, 7.5, Hex(0x9ADBFF), Hex(0x1450B8)));
    // Meridians and parallels.
    const Paint grid = Solid(WithAlpha(Hex(0xDDF3FF), 0.75));
    canvas.Fill(Intersect(globe, Outline(Ellipse(centre.x, centre.y, 2.4, radius), 0.55)), grid);
    canvas.Fill(Intersect(globe, RoundRect(centre.x - 0.28, 0.0, centre.x + 0.28, 24.0, 0.0)), grid);
    for (double dy : {-2.6, 0.0, 2.6})
        canvas.Fill(Intersect(globe, RoundRect(0.0, centre.y + dy - 0.28, 24.0, centre.y + dy + 0.28, 0.0)), grid);
    Gloss(canvas, globe, 1.0, 6.0, 0.45);
    return canvas;
}

Canvas RecycleBinPicture()
{
    Canvas canvas(kSize, kSize);
    const Shape body = Polygon({{4.2, 5.5}, {19.8, 5.5}, {17.8, 22.2}, {6.2, 22.2}});
    const Shape bodyRounded = Intersect(body, RoundRect(0.0, 0.0, 24.0, 22.2, 0.0));
    canvas.Fill(bodyRounded, LinearGradient({4.0, 0.0}, WithAlpha(Hex(0xF6FAFF), 0.78), {20.0, 0.0},
                                            WithAlpha(Hex(0xC4D3E6), 0.70)));
    // Ribs seen through the plastic.
    for (double x : {8.0, 12.0, 16.0})
        canvas.Fill(Capsule({x, 8.0}, {x + (x - 12.0) * -0.08, 20.5}, 0.35), WithAlpha(Hex(0x9EB2CC), 0.5));
    canvas.Fill(Outline(bodyRounded, 0.8), Hex(0x7A8FAB));
    // Rim.
    const Shape rim = RoundRect(3.2, 3.8, 20.8, 6.6, 1.3);
    canvas.Fill(rim, LinearGradient({0, 3.8}, Hex(0xFFFFFF), {0, 6.6}, Hex(0xC8D5E5)));
    canvas.Fill(Outline(rim, 0.7), Hex(0x6D83A2));

    // Three arrows chasing each other round a circle.
    const Point centre{12.0, 14.3};
    const double radius = 3.9;
    const Rgba blue = Hex(0x1C6FD8);
    for (int arrow = 0; arrow < 3; ++arrow) {
        const double start = -90.0 + arrow * 120.0 + 14.0;
        const double end = start + 64.0;
        const Shape arc = Intersect(
            Outline(Circle(centre.x, centre.y, radius), 1.5),
            Polygon({centre, OnCircle(centre, 9.0, start), OnCircle(centre, 9.0, (start + end) / 2.0),
                     OnCircle(centre, 9.0, end)}));
        canvas.Fill(arc, blue);
        // The head at the arc's end, pointing along the turn.
        const Point tip = OnCircle(centre, radius, end + 32.0);
        const Point outer = OnCircle(centre, radius + 2.3, end - 2.0);
        const Point inner = OnCircle(centre, radius - 2.3, end - 2.0);
        canvas.Fill(Polygon({tip, outer, inner}), blue);
    }
    Gloss(canvas, bodyRounded, 5.5, 12.0, 0.35);
    return canvas;
}

std::vector<Canvas> StockPictures()
{
    std::vector<Canvas> pictures;
    pictures.push_back(WebBrowserPicture());
    pictures.push_back(FolderPicture());
    pictures.push_back(ComputerPicture());
    pictures.push_back(ControlPanelPicture());
    pictures.push_back(DocumentsPicture());
    pictures.push_back(PrintersPicture());
    pictures.push_back(NetworkPicture());
    pictures.push_back(RecycleBinPicture());
    return pictures;
}

} // namespace tavrin::art
