#pragma once

// A small software canvas: straight-alpha RGBA pixels, shapes filled with
// 4x4 supersampling and source-over blending. Drawing units map to pixels
// through a scale, so one drawing serves several icon sizes.

#include "tools/art/Colour.h"
#include "tools/art/Shapes.h"

#include <functional>
#include <vector>

namespace tavrin::art {

using Paint = std::function<Rgba(double x, double y)>;

Paint Solid(Rgba colour);
// Colour from c0 at p0 to c1 at p1, constant across the line between them.
Paint LinearGradient(Point p0, Rgba c0, Point p1, Rgba c1);
// Colour from inner at the centre to outer at the radius.
Paint RadialGradient(Point centre, double radius, Rgba inner, Rgba outer);

class Canvas {
public:
    Canvas(int width, int height, Rgba background = Rgba{0.0, 0.0, 0.0, 0.0});

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Drawing units per pixel: a drawing made for 48 units drawn at scale 16/48.
    void SetScale(double pixelsPerUnit) { scale_ = pixelsPerUnit; }
    double Scale() const { return scale_; }

    Rgba Pixel(int x, int y) const;
    void SetPixel(int x, int y, Rgba colour);
    // Source-over blend of colour with its alpha times coverage.
    void Blend(int x, int y, Rgba colour, double coverage = 1.0);

    // Fills the inside of shape with paint; opacity scales the paint's alpha.
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    void Fill(const Shape& shape, Rgba colour) { Fill(shape, Solid(colour)); }

    // Every pixel gets pixelColour evaluated at subsample points, averaged.
    void Render(const std::function<Rgba(double x, double y)>& pixelColour);

    // Places other with its top-left corner at (x, y), source-over.
    void Draw(const Canvas& other, int x, int y);

private:
    int width_;
    int height_;
    double scale_ = 1.0;
    std::vector<Rgba> pixels_;
};

} // namespace tavrin::art
