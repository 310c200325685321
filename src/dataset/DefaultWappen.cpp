#include "dataset/DefaultWappen.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "base/Layout.h"
#include "platform/Bmp.h"
#include "platform/FileOps.h"

namespace v3 {
namespace {

constexpr int kSize = 32;
constexpr int kSub = 4;  // samples per pixel and axis, for smooth edges

// Half the shield's width at height y (pixel units), measured from its centre
// line; negative outside its top and bottom. `inset` shrinks the outline evenly.
double HalfWidth(double y, double inset) {
    const double top = 2.0 + inset, shoulder = 15.0, bottom = 30.0 - inset * 1.6;
    const double full = 13.0 - inset;
    if (y < top || y > bottom) return -1.0;
    if (y <= shoulder) return full;
    const double t = (y - shoulder) / (bottom - shoulder);
    return full * (1.0 - std::pow(t, 1.8));
}

struct Rgbf {
    double r, g, b;
};

// The colour at one sample point: white outside, a navy rim, a silver field with
// a slate-blue band from the upper left to the lower right edged in white.
Rgbf Sample(double x, double y) {
    const double cx = kSize / 2.0;
    const double dx = std::abs(x - cx);
    if (dx > HalfWidth(y, 0.0)) return {255, 255, 255};
    if (dx > HalfWidth(y, 2.0)) return {34, 46, 82};
    // Distance from the band's centre line, the diagonal through (4, 4) and (28, 28).
    const double d = std::abs((x - 4.0) - (y - 4.0)) / std::sqrt(2.0);
    // Light falls from the upper left: the field brightens towards that corner.
    const double light = 1.0 + 0.10 * (1.0 - (x + y) / (2.0 * kSize));
    if (d < 3.4) return {70 * light, 92 * light, 138 * light};
    if (d < 4.4) return {246, 246, 248};
    return {198 * light, 204 * light, 214 * light};
}

std::string Paint() {
    BmpImage rgb = BmpImage::Blank(kSize, kSize, 24);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Rgbf sum{0, 0, 0};
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const Rgbf c = Sample(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            const double n = kSub * kSub;
            uint8_t* p = &rgb.At(x, y);
            p[0] = static_cast<uint8_t>(std::clamp(std::lround(sum.r / n), 0L, 255L));
            p[1] = static_cast<uint8_t>(std::clamp(std::lround(sum.g / n), 0L, 255L));
            p[2] = static_cast<uint8_t>(std::clamp(std::lround(sum.b / n), 0L, 255L));
        }
    }
    return WriteBmp(ToIndexed8(rgb));
}

}  // namespace

const std::string& DefaultWappen() {
    // Immutable and the same for every caller: computed once.
    static const std::string bytes = Paint();
    return bytes;
}

bool CopyDefaultWappenToFile(const std::string& storedPath) {
    const std::filesystem::path host = (!storedPath.empty() && storedPath[0] == '/')
                                           ? std::filesystem::path(storedPath)
                                           : HostPath(storedPath);
    std::error_code ec;
    if (std::filesystem::exists(host, ec)) MakeWritable(host);
    return WriteWholeFile(host, DefaultWappen());
}

}  // namespace v3
