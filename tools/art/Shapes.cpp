#include "tools/art/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tavrin::art {

Shape Circle(double cx, double cy, double radius)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Ellipse(double cx, double cy, double rx, double ry)
{
    const double scale = std::min(rx, ry);
    return [=](double x, double y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * scale; };
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius)
{
    const double cx = (x0 + x1) / 2.0;
    const double cy = (y0 + y1) / 2.0;
    const double hx = (x1 - x0) / 2.0 - radius;
    const double hy = (y1 - y0) / 2.0 - radius;
    return [=](double x, double y) {
        const double qx = std::fabs(x - cx) - hx;
        const double qy = std::fabs(y - cy) - hy;
        const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        const double inside = std::min(std::max(qx, qy), 0.0);
        return outside + inside - radius;
    };
}

namespace {

double SegmentDistance(Point p, Point a, Point b)
{
    const double abx = b.x - a.x;
    const double aby = b.y - a.y;
    const double length2 = abx * abx + aby * aby;
    double t = length2 > 0.0 ? ((p.x - a.x) * abx + (p.y - a.y) * aby) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + abx * t), p.y - (a.y + aby * t));
}

} // namespace

Shape Capsule(Point a, Point b, double halfWidth)
{
    return [=](double x, double y) { return SegmentDistance(Point{x, y}, a, b) - halfWidth; };
}

Shape Polygon(std::vector<Point> corners)
{
    return [corners = std::move(corners)](double x, double y) {
        const Point p{x, y};
        double distance = 1e9;
        bool inside = false;
        const std::size_t count = corners.size();
        for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            distance = std::min(distance, SegmentDistance(p, a, b));
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside ? -distance : distance;
    };
}

Shape HalfPlane(Point a, Point b)
{
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double nx = (b.y - a.y) / length;
    const double ny = -(b.x - a.x) / length;
    return [=](double x, double y) { return -((x - a.x) * nx + (y - a.y) * ny); };
}

Shape Union(Shape first, Shape second)
{
    return [=](double x, double y) { return std::min(first(x, y), second(x, y)); };
}

Shape Intersect(Shape first, Shape second)
{
    return [=](double x, double y) { return std::max(first(x, y), second(x, y)); };
}

Shape Subtract(Shape shape, Shape cut)
{
    return [=](double x, double y) { return std::max(shape(x, y), -cut(x, y)); };
}

Shape Outline(Shape shape, double width)
{
    return [=](double x, double y) { return std::fabs(shape(x, y)) - width / 2.0; };
}

Shape Inflate(Shape shape, double amount)
{
    return [=](double x, double y) { return shape(x, y) - amount; };
}

Shape Rotate(Shape shape, double cx, double cy, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return [=](double x, double y) {
        const double dx = x - cx;
        const double dy = y - cy;
        return shape(cx + dx * c + dy * s, cy - dx * s + dy * c);
    };
}

Shape Translate(Shape shape, double dx, double dy)
{
    return [=](double x, double y) { return shape(x - dx, y - dy); };
}

} // namespace tavrin::art
