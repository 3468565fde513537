#pragma once

// Colours of the artwork: straight (not premultiplied) RGBA, each channel
// from 0 to 1. Plain arithmetic only, so every run gives the same bytes.

#include <cstdint>

namespace tavrin::art {

struct Rgba {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

// 0xRRGGBB as written in a picture description.
Rgba Hex(std::uint32_t rrggbb, double alpha = 1.0);
Rgba WithAlpha(Rgba colour, double alpha);
// Linear blend: t = 0 gives from, t = 1 gives to.
Rgba Mix(Rgba from, Rgba to, double t);
// Moves the colour towards white (amount > 0) or black (amount < 0).
Rgba Lighten(Rgba colour, double amount);
// Relative luminance, 0 (black) to 1 (white).
double Luminance(Rgba colour);

struct Hsv {
    double h = 0.0; // degrees, 0 to 360
    double s = 0.0;
    double v = 0.0;
};

Hsv ToHsv(Rgba colour);
Rgba FromHsv(Hsv hsv, double alpha = 1.0);

// Channel as a byte: rounded and clamped.
std::uint8_t ToByte(double channel);
// The colour as a Windows colour value: red in the low byte.
std::uint32_t ToBgrValue(Rgba colour);

double Clamp01(double value);
double SmoothStep(double edge0, double edge1, double x);

} // namespace tavrin::art
