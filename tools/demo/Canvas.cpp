#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace v3::demo {
namespace {

constexpr int kSub = 4;

double Clamp255(double v) { return std::clamp(v, 0.0, 255.0); }

// 5 x 7 glyphs, one string of 7 rows of 5 characters each ('#' ink).
const std::map<char, const char*>& Glyphs() {
    static const std::map<char, const char*> g = {
        {'A', " ### #   ##   #######   ##   ##   #"}, {'B', "#### #   ##   ##### #   ##   ##### "},
        {'C', " ### #   ##    #    #    #   # ### "}, {'D', "#### #   ##   ##   ##   ##   ##### "},
        {'E', "######    #    #### #    #    #####"}, {'F', "######    #    #### #    #    #    "},
        {'G', " ### #   ##    # ####   ##   # ####"}, {'H', "#   ##   ##   #######   ##   ##   #"},
        {'I', " ###   #    #    #    #    #   ### "}, {'J', "  ###   #    #    #    # #  #  ##  "},
        {'K', "#   ##  # # #  ##   # #  #  # #   #"}, {'L', "#    #    #    #    #    #    #####"},
        {'M', "#   ### ### # ## # ##   ##   ##   #"}, {'N', "#   ##   ###  ## # ##  ###   ##   #"},
        {'O', " ### #   ##   ##   ##   ##   # ### "}, {'P', "#### #   ##   ##### #    #    #    "},
        {'Q', " ### #   ##   ##   ## # ##  #  ## #"}, {'R', "#### #   ##   ##### # #  #  # #   #"},
        {'S', " #####    #     ###     #    ##### "}, {'T', "#####  #    #    #    #    #    #  "},
        {'U', "#   ##   ##   ##   ##   ##   # ### "}, {'V', "#   ##   ##   ##   ##   # # #   #  "},
        {'W', "#   ##   ##   ## # ## # ## # # # # "}, {'X', "#   ##   # # #   #   # # #   ##   #"},
        {'Y', "#   ##   # # #   #    #    #    #  "}, {'Z', "#####    #   #   #   #   #    #####"},
        {'0', " ### #   ##  ### # ###  ##   # ### "}, {'1', "  #   ##    #    #    #    #   ### "},
        {'2', " ### #   #    #   #   #   #   #####"}, {'3', "#####   #   #     #     ##   # ### "},
        {'4', "   #   ##  # # #  # #####   #    # "}, {'5', "######    ####     #    ##   # ### "},
        {'6', "  ##  #   #    #### #   ##   # ### "}, {'7', "#####    #   #   #   #    #    #   "},
        {'8', " ### #   ##   # ### #   ##   # ### "}, {'9', " ### #   ##   # ####    #   #  ##  "},
        {'.', "                          ##   ##  "}, {'-', "                ###                "},
        {' ', "                                   "},
    };
    return g;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Scale(Rgb c, double f) {
    if (f <= 1.0) return {c.r * f, c.g * f, c.b * f};
    // Brightening moves towards white, so saturated colours stay in range.
    const double t = std::min(1.0, f - 1.0);
    return Mix(c, {255, 255, 255}, t);
}
Rgb FromBmp(BmpColour c) { return {double(c.r), double(c.g), double(c.b)}; }

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height, background) {}

void Canvas::Fill(const Inside& inside, Rgb colour, double alpha) {
    Fill(inside, [colour](double, double) { return colour; }, alpha);
}

void Canvas::Fill(const Inside& inside, const Shade& shade, double alpha) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            Rgb sum;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double fx = x + (sx + 0.5) / kSub, fy = y + (sy + 0.5) / kSub;
                    if (!inside(fx, fy)) continue;
                    ++hits;
                    const Rgb c = shade(fx, fy);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            if (!hits) continue;
            const Rgb mean{sum.r / hits, sum.g / hits, sum.b / hits};
            At(x, y) = Mix(At(x, y), mean, alpha * hits / double(kSub * kSub));
        }
    }
}

void Canvas::Set(const Inside& inside, Rgb colour) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (inside(x + 0.5, y + 0.5)) At(x, y) = colour;
}

BmpImage Canvas::ToImage() const {
    BmpImage img = BmpImage::Blank(width_, height_, 24);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb& c = At(x, y);
            uint8_t* p = &img.At(x, y);
            p[0] = static_cast<uint8_t>(std::lround(Clamp255(c.r)));
            p[1] = static_cast<uint8_t>(std::lround(Clamp255(c.g)));
            p[2] = static_cast<uint8_t>(std::lround(Clamp255(c.b)));
        }
    }
    return img;
}

Inside Rect(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}
Inside Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}
Inside Ring(double cx, double cy, double ro, double ri) {
    return [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= ro * ro && d >= ri * ri;
    };
}
Inside Polygon(std::vector<std::pair<double, double>> p) {
    return [p = std::move(p)](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].second > y) != (p[j].second > y) &&
                x < (p[j].first - p[i].first) * (y - p[i].second) / (p[j].second - p[i].second) + p[i].first)
                in = !in;
        }
        return in;
    };
}
Inside Star(double cx, double cy, double ro, double ri, int n, double rot) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 2 * n; ++i) {
        const double a = (rot - 90.0 + 180.0 * i / n) * M_PI / 180.0;
        const double r = (i % 2) ? ri : ro;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return Polygon(std::move(pts));
}
Inside Band(double x0, double y0, double x1, double y1, double w) {
    const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    return [=](double x, double y) { return std::abs(dy * (x - x0) - dx * (y - y0)) / len <= w; };
}
Inside And(Inside a, Inside b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}
Inside Or(Inside a, Inside b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}
Inside Not(Inside a) {
    return [a = std::move(a)](double x, double y) { return !a(x, y); };
}

int TextWidth(const std::string& text, int scale) {
    int n = 0;
    for (char ch : text)
        if (Glyphs().count(ch)) ++n;
    return n == 0 ? 0 : (n * 6 - 1) * scale;
}

void DrawText(Canvas& c, const std::string& text, int x, int y, int scale, Rgb colour) {
    for (char ch : text) {
        auto it = Glyphs().find(ch);
        if (it == Glyphs().end()) continue;
        const std::string rows = it->second;
        for (int gy = 0; gy < 7; ++gy)
            for (int gx = 0; gx < 5; ++gx)
                if (static_cast<size_t>(gy * 5 + gx) < rows.size() && rows[gy * 5 + gx] == '#')
                    for (int sy = 0; sy < scale; ++sy)
                        for (int sx = 0; sx < scale; ++sx) {
                            const int px = x + gx * scale + sx, py = y + gy * scale + sy;
                            if (px >= 0 && py >= 0 && px < c.Width() && py < c.Height()) c.At(px, py) = colour;
                        }
        x += 6 * scale;
    }
}

}  // namespace v3::demo
