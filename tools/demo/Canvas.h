#pragma once
// A small RGB drawing surface for the demo pictures. Shapes are given as
// "inside" tests and drawn with 4 x 4 samples per pixel, so even 32 x 32
// pictures get clean edges.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Bmp.h"

namespace v3::demo {

struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb Mix(Rgb a, Rgb b, double t);           // a at t = 0, b at t = 1
Rgb Scale(Rgb c, double f);                 // brighter (f > 1) or darker, clamped
Rgb FromBmp(BmpColour c);

using Inside = std::function<bool(double x, double y)>;
using Shade = std::function<Rgb(double x, double y)>;

class Canvas {
public:
    Canvas(int width, int height, Rgb background);
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb& At(int x, int y) { return px_[static_cast<size_t>(y) * width_ + x]; }
    const Rgb& At(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }

    // Covers the samples inside the shape with the colour (alpha 0..1).
    void Fill(const Inside& inside, Rgb colour, double alpha = 1.0);
    // The same with a colour that depends on the place.
    void Fill(const Inside& inside, const Shade& shade, double alpha = 1.0);
    // Pixel-exact: sets every pixel whose centre is inside (no smoothing).
    void Set(const Inside& inside, Rgb colour);

    // 24-bit picture, channels rounded and clamped.
    BmpImage ToImage() const;

private:
    int width_, height_;
    std::vector<Rgb> px_;
};

// Shape helpers (pixel coordinates, y downwards).
Inside Rect(double x0, double y0, double x1, double y1);
Inside Circle(double cx, double cy, double r);
Inside Ring(double cx, double cy, double rOuter, double rInner);
Inside Polygon(std::vector<std::pair<double, double>> points);  // even-odd rule
Inside Star(double cx, double cy, double rOuter, double rInner, int points, double rotationDeg);
// Band of half-width w around the line through (x0, y0) and (x1, y1).
Inside Band(double x0, double y0, double x1, double y1, double w);
Inside And(Inside a, Inside b);
Inside Or(Inside a, Inside b);
Inside Not(Inside a);

// A 5 x 7 pixel font for A..Z, 0..9 and a few signs; scale 1 or more. Letters it
// does not know are left out. Returns the width drawn.
int TextWidth(const std::string& text, int scale);
void DrawText(Canvas& c, const std::string& text, int x, int y, int scale, Rgb colour);

}  // namespace v3::demo
