#pragma once

// Shapes as signed distance functions in drawing units: negative inside,
// positive outside, zero on the outline. Combining them is plain min/max.

#include <functional>
#include <vector>

namespace tavrin::art {

using Shape = std::function<double(double x, double y)>;

struct Point {
    double x = 0.0;
    double y = 0.0;
};

Shape Circle(double cx, double cy, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
// Axis-aligned rectangle from (x0, y0) to (x1, y1) with rounded corners.
Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
// A stroke from a to b with round ends, halfWidth on either side.
Shape Capsule(Point a, Point b, double halfWidth);
// A closed polygon given by its corners in order.
Shape Polygon(std::vector<Point> corners);
// The half plane left of the directed line from a to b (y grows downwards).
Shape HalfPlane(Point a, Point b);

Shape Union(Shape first, Shape second);
Shape Intersect(Shape first, Shape second);
Shape Subtract(Shape shape, Shape cut);
// A band of the given width centred on the outline of shape.
Shape Outline(Shape shape, double width);
// Grows (positive) or shrinks (negative) the shape.
Shape Inflate(Shape shape, double amount);
// The shape turned by degrees (clockwise on screen) about (cx, cy).
Shape Rotate(Shape shape, double cx, double cy, double degrees);
Shape Translate(Shape shape, double dx, double dy);

} // namespace tavrin::art
