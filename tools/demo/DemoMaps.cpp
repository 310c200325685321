#include "DemoMaps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

#include "Jpeg.h"
#include "MapShapes.h"
#include "platform/Bmp.h"

namespace v3::demo {
namespace {

constexpr int kLabelSub = 3;  // label samples per pixel and axis

struct View {
    const char* stem;
    double lon0, lat0, lon1, lat1;
    std::array<const char*, 3> targets;
};

// The map views: a longitude/latitude box that is fitted into the picture, and
// the regions that form the country. The boxes match make_map_shapes.py.
constexpr View kViews[] = {
    {"ger", 5.8, 47.2, 15.1, 55.1, {"Germany"}},
    {"eng", -5.8, 49.9, 1.8, 55.9, {"England"}},
    {"fra", -5.2, 41.3, 9.6, 51.1, {"France"}},
    {"ita", 6.6, 36.6, 18.6, 47.1, {"Italy"}},
    {"spa", -9.4, 35.9, 4.4, 43.8, {"Spain"}},
    {"por", -9.6, 36.9, -6.1, 42.2, {"Portugal"}},
    {"ni", 3.3, 50.7, 7.3, 53.6, {"Netherlands"}},
    {"tur", 25.6, 35.8, 44.9, 42.2, {"Turkey"}},
    {"a", 9.5, 46.3, 17.2, 49.1, {"Austria"}},
    {"sco", -7.7, 54.6, -0.7, 60.9, {"Scotland"}},
    {"ch", 5.9, 45.8, 10.5, 47.9, {"Switzerland"}},
    {"bel", 2.5, 49.4, 6.5, 51.6, {"Belgium"}},
    {"rus", 19.6, 41.1, 180.0, 78.0, {"Russia"}},
    {"rum", 20.2, 43.6, 29.8, 48.3, {"Romania"}},
    {"gri", 19.3, 34.8, 28.3, 41.8, {"Greece"}},
    {"dan", 8.0, 54.5, 15.2, 57.8, {"Denmark"}},
    {"swe", 10.9, 55.3, 24.2, 69.1, {"Sweden"}},
    {"pol", 14.1, 49.0, 24.2, 54.9, {"Poland"}},
    {"bul", 22.3, 41.2, 28.7, 44.3, {"Bulgaria"}},
    {"hun", 16.1, 45.7, 22.9, 48.6, {"Hungary"}},
    {"fin", 20.5, 59.7, 31.6, 70.1, {"Finland"}},
    {"isr", 34.2, 29.4, 35.9, 33.4, {"Israel"}},
    {"isl", -24.6, 63.3, -13.4, 66.6, {"Iceland"}},
    {"nor", 4.5, 57.9, 31.2, 71.2, {"Norway"}},
    {"kro", 13.4, 42.3, 19.5, 46.6, {"Croatia"}},
    {"zyp", 32.2, 34.5, 34.7, 35.8, {"Cyprus", "N. Cyprus"}},
    {"ukr", 22.1, 44.3, 40.3, 52.4, {"Ukraine"}},
    {"nir", -8.2, 54.0, -5.4, 55.35, {"NorthernIreland"}},
    {"mal", 14.15, 35.78, 14.6, 36.1, {"Malta"}},
    {"irl", -10.7, 51.4, -5.9, 55.4, {"Ireland"}},
    {"lux", 5.7, 49.4, 6.6, 50.2, {"Luxembourg"}},
    {"swk", 16.8, 47.7, 22.6, 49.7, {"Slovakia"}},
    {"slo", 13.3, 45.4, 16.7, 46.9, {"Slovenia"}},
    {"tsc", 12.0, 48.5, 18.9, 51.1, {"Czechia"}},
    {"wal", -5.4, 51.3, -2.6, 53.5, {"Wales"}},
    {"bos", 15.7, 42.5, 19.7, 45.3, {"Bosnia and Herz."}},
    {"jug", 18.4, 41.8, 23.1, 46.2, {"Serbia", "Montenegro", "Kosovo"}},
    {"usa", -125.0, 24.0, -66.5, 49.5, {"United States of America"}},
    {"jp", 129.0, 30.9, 146.0, 45.6, {"Japan"}},
    {"arg", -73.6, -55.1, -53.6, -21.7, {"Argentina"}},
    {"bra", -74.0, -33.8, -34.7, 5.3, {"Brazil"}},
};
constexpr int kCountryViews = 37;
// Bonus maps b1..b8 by view; bn is drawn without geography.
constexpr int kBonusViews[8] = {11, 37, 38, 17, 15, 16, 39, 40};

struct OutlineRing {
    int region;
    std::vector<std::pair<double, double>> lonLat;
};

// Decodes the packed outlines once; the result never changes.
const std::vector<OutlineRing>& Rings() {
    static const std::vector<OutlineRing> rings = [] {
        auto digit = [](char ch) -> int {
            if (ch >= 'A' && ch <= 'Z') return ch - 'A';
            if (ch >= 'a' && ch <= 'z') return ch - 'a' + 26;
            if (ch >= '0' && ch <= '9') return ch - '0' + 52;
            return ch == '+' ? 62 : 63;
        };
        const char* p = kShapePoints;
        auto next = [&]() {
            long z = 0;
            int shift = 0;
            for (;;) {
                const int d = digit(*p++);
                z |= static_cast<long>(d & 31) << shift;
                shift += 5;
                if (!(d & 32)) break;
            }
            return (z & 1) ? -((z + 1) >> 1) : (z >> 1);
        };
        std::vector<OutlineRing> out;
        for (int i = 0; i < kShapeRingCount; ++i) {
            OutlineRing r{kShapeRings[i].region, {}};
            long x = 0, y = 0;
            for (int k = 0; k < kShapeRings[i].points; ++k) {
                x += next();
                y += next();
                r.lonLat.push_back({x / 1000.0, y / 1000.0});
            }
            out.push_back(std::move(r));
        }
        return out;
    }();
    return rings;
}

int RegionIndex(const char* name) {
    for (int i = 0; i < kShapeRegionCount; ++i)
        if (std::strcmp(kShapeRegionNames[i], name) == 0) return i;
    return -1;
}

// ---- value noise for the relief

double Hash(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}
double ValueNoise(double x, double y, uint32_t seed) {
    const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    const double fx = x - xi, fy = y - yi;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed), c = Hash(xi, yi + 1, seed),
                 d = Hash(xi + 1, yi + 1, seed);
    return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}
double Fbm(double x, double y, uint32_t seed) {
    double sum = 0, amp = 0.5, f = 1;
    for (int o = 0; o < 5; ++o) {
        sum += amp * ValueNoise(x * f, y * f, seed + o * 101);
        f *= 2.03;
        amp *= 0.5;
    }
    return sum;
}

enum Label : uint8_t { kSea = 0, kOther = 1, kTarget = 2 };

struct Raster {
    int w, h;
    std::vector<uint8_t> px;
    uint8_t& At(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
};

// Fills one ring (even-odd within the ring) with a label, sampling pixel centres.
void FillRing(Raster& r, const std::vector<std::pair<double, double>>& pts, uint8_t label) {
    std::vector<std::vector<double>> rows(static_cast<size_t>(r.h));
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const auto [xa, ya] = pts[j];
        const auto [xb, yb] = pts[i];
        if (ya == yb) continue;
        const double lo = std::min(ya, yb), hi = std::max(ya, yb);
        const int r0 = std::max(0, static_cast<int>(std::ceil(lo - 0.5)));
        const int r1 = std::min(r.h - 1, static_cast<int>(std::ceil(hi - 0.5)) - 1);
        for (int row = r0; row <= r1; ++row) {
            const double yc = row + 0.5;
            rows[row].push_back(xa + (xb - xa) * (yc - ya) / (yb - ya));
        }
    }
    for (int row = 0; row < r.h; ++row) {
        auto& xs = rows[row];
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            const int x0 = std::max(0, static_cast<int>(std::ceil(xs[k] - 0.5)));
            const int x1 = std::min(r.w - 1, static_cast<int>(std::floor(xs[k + 1] - 0.5)));
            for (int x = x0; x <= x1; ++x) r.At(x, row) = label;
        }
    }
}

// Labels at kLabelSub samples per pixel for a geographic view.
Raster LabelsFor(const View& v) {
    Raster r{kMapWidth * kLabelSub, kMapHeight * kLabelSub, {}};
    r.px.assign(static_cast<size_t>(r.w) * r.h, kSea);
    const double lat0 = (v.lat0 + v.lat1) / 2, k = std::cos(lat0 * M_PI / 180.0);
    const double s = std::min(kMapWidth * 0.92 / ((v.lon1 - v.lon0) * k), kMapHeight * 0.92 / (v.lat1 - v.lat0));
    const double cx = (v.lon0 + v.lon1) / 2, cy = lat0;
    std::vector<int> targets;
    for (const char* t : v.targets)
        if (t) targets.push_back(RegionIndex(t));
    // A ring on the far side of the date line is shifted by a whole turn, as one
    // piece, so that it continues the view instead of lying across it.
    auto shiftOf = [&](const OutlineRing& ring) {
        double sum = 0;
        for (auto [lon, lat] : ring.lonLat) sum += lon;
        const double mean = sum / static_cast<double>(ring.lonLat.size());
        return mean < cx - 180 ? 360.0 : mean > cx + 180 ? -360.0 : 0.0;
    };
    auto project = [&](const OutlineRing& ring) {
        const double shift = shiftOf(ring);
        std::vector<std::pair<double, double>> out;
        out.reserve(ring.lonLat.size());
        for (auto [lon, lat] : ring.lonLat)
            out.push_back({(kMapWidth / 2.0 + (lon + shift - cx) * k * s) * kLabelSub,
                           (kMapHeight / 2.0 - (lat - cy) * s) * kLabelSub});
        return out;
    };
    const double margin = 0.3 * (v.lon1 - v.lon0) + 2;
    auto visible = [&](const OutlineRing& ring) {
        const double shift = shiftOf(ring);
        for (auto [lon0, lat] : ring.lonLat) {
            const double lon = lon0 + shift;
            if (lon > v.lon0 - margin && lon < v.lon1 + margin && lat > v.lat0 - margin && lat < v.lat1 + margin)
                return true;
        }
        return false;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (const OutlineRing& ring : Rings()) {
            const bool isTarget = std::find(targets.begin(), targets.end(), ring.region) != targets.end();
            if (isTarget != (pass == 1) || !visible(ring)) continue;
            FillRing(r, project(ring), isTarget ? kTarget : kOther);
        }
    }
    return r;
}

// An island of our own for the neutral bonus nation.
Raster NeutralLabels() {
    Raster r{kMapWidth * kLabelSub, kMapHeight * kLabelSub, {}};
    r.px.assign(static_cast<size_t>(r.w) * r.h, kSea);
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const double u = (x / double(r.w) - 0.5) * 2.0, v = (y / double(r.h) - 0.5) * 2.0;
            const double radial = 1.0 - std::sqrt(u * u * 0.9 + v * v * 1.1);
            const double n = Fbm(x / (kLabelSub * 70.0), y / (kLabelSub * 70.0), 7777);
            if (radial * 0.9 + (n - 0.5) * 0.9 > 0.18) r.At(x, y) = kTarget;
        }
    }
    return r;
}

struct Col {
    double r, g, b;
};
Col MixC(Col a, Col b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

MapPictures Render(const Raster& sub, uint32_t seed) {
    const int W = kMapWidth, H = kMapHeight;
    // The share of each label in every pixel, and the label most of it has.
    std::vector<std::array<double, 3>> share(static_cast<size_t>(W) * H);
    std::vector<uint8_t> major(static_cast<size_t>(W) * H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            std::array<double, 3> c{0, 0, 0};
            for (int sy = 0; sy < kLabelSub; ++sy)
                for (int sx = 0; sx < kLabelSub; ++sx) c[sub.px[static_cast<size_t>(y * kLabelSub + sy) * sub.w + x * kLabelSub + sx]] += 1;
            for (double& v : c) v /= kLabelSub * kLabelSub;
            share[static_cast<size_t>(y) * W + x] = c;
            major[static_cast<size_t>(y) * W + x] =
                static_cast<uint8_t>(std::max_element(c.begin(), c.end()) - c.begin());
        }
    }
    auto at = [&](int x, int y) { return major[static_cast<size_t>(std::clamp(y, 0, H - 1)) * W + std::clamp(x, 0, W - 1)]; };

    // Distance to the coast over the sea (chamfer), for lighter shallow water.
    std::vector<double> dist(static_cast<size_t>(W) * H, 1e9);
    for (size_t i = 0; i < dist.size(); ++i)
        if (major[i] != kSea) dist[i] = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const int y0 = pass ? H - 1 : 0, y1 = pass ? -1 : H, dy = pass ? -1 : 1;
        for (int y = y0; y != y1; y += dy) {
            const int x0 = pass ? W - 1 : 0, x1 = pass ? -1 : W, dx = pass ? -1 : 1;
            for (int x = x0; x != x1; x += dx) {
                double& d = dist[static_cast<size_t>(y) * W + x];
                const int py = y - dy, px = x - dx;
                if (py >= 0 && py < H) d = std::min(d, dist[static_cast<size_t>(py) * W + x] + 1);
                if (px >= 0 && px < W) d = std::min(d, dist[static_cast<size_t>(y) * W + px] + 1);
                if (py >= 0 && py < H && px >= 0 && px < W) d = std::min(d, dist[static_cast<size_t>(py) * W + px] + 1.414);
            }
        }
    }

    const Col seaDeep{118, 163, 205}, seaShallow{176, 210, 234}, other{232, 228, 216};
    const Col low{143, 188, 112}, mid{196, 196, 132}, high{176, 150, 112};
    auto height = [&](int x, int y) { return Fbm(x / 55.0, y / 55.0, seed); };
    BmpImage pic = BmpImage::Blank(W, H, 24);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const auto& c = share[static_cast<size_t>(y) * W + x];
            const double d = dist[static_cast<size_t>(y) * W + x];
            Col sea = MixC(seaShallow, seaDeep, std::min(1.0, d / 28.0));
            // Faint waves of latitude lines keep the sea from looking empty.
            if (y % 40 == 0) sea = MixC(sea, {255, 255, 255}, 0.12);
            const double h = height(x, y);
            const double slope = (height(x - 1, y - 1) - height(x + 1, y + 1)) * 9.0;
            Col land = h < 0.5 ? MixC(low, mid, std::max(0.0, (h - 0.3) / 0.2)) : MixC(mid, high, std::min(1.0, (h - 0.5) / 0.2));
            const double light = std::clamp(1.0 + slope, 0.78, 1.18);
            land = {land.r * light, land.g * light, land.b * light};
            const Col otherShaded = {other.r * (0.97 + 0.03 * light), other.g * (0.97 + 0.03 * light),
                                     other.b * (0.97 + 0.03 * light)};
            Col out{sea.r * c[kSea] + otherShaded.r * c[kOther] + land.r * c[kTarget],
                    sea.g * c[kSea] + otherShaded.g * c[kOther] + land.g * c[kTarget],
                    sea.b * c[kSea] + otherShaded.b * c[kOther] + land.b * c[kTarget]};
            const uint8_t m = at(x, y);
            if (m != kSea) {
                bool coast = false, border = false;
                for (auto [ox, oy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const uint8_t n = at(x + ox, y + oy);
                    if (n == kSea) coast = true;
                    if (m == kTarget && n == kOther) border = true;
                }
                if (border) out = MixC(out, {70, 62, 60}, 0.75);
                else if (coast) out = MixC(out, {90, 110, 130}, 0.35);
            }
            if (x == 0 || y == 0 || x == W - 1 || y == H - 1) out = {60, 70, 84};
            uint8_t* p = &pic.At(x, y);
            p[0] = static_cast<uint8_t>(std::clamp(std::lround(out.r), 0L, 255L));
            p[1] = static_cast<uint8_t>(std::clamp(std::lround(out.g), 0L, 255L));
            p[2] = static_cast<uint8_t>(std::clamp(std::lround(out.b), 0L, 255L));
        }
    }

    // The mask: 0 where a club may stand, the country without its outermost pixels.
    BmpImage mask = BmpImage::Blank(W, H, 1);
    mask.palette = {{255, 255, 255}, {0, 0, 0}};
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            bool inside = at(x, y) == kTarget && x > 1 && y > 1 && x < W - 2 && y < H - 2;
            for (auto [ox, oy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (at(x + ox, y + oy) != kTarget) inside = false;
            mask.At(x, y) = inside ? 0 : 1;
        }
    }
    return {EncodeJpeg(pic, 90), WriteBmp(mask)};
}

}  // namespace

std::string CountryMapName(int land) {
    if (land < 0 || land >= kCountryViews) return {};
    return std::string("k_") + kViews[land].stem + ".jpg";
}

std::string BonusMapName(int predefined) {
    if (predefined < 0 || predefined >= kBonusMaps) return {};
    if (predefined == 8) return "bn.jpg";
    std::string name = "b";
    name += std::to_string(predefined + 1);
    name += ".jpg";
    return name;
}

std::string MaskNameFor(const std::string& mapName) {
    if (mapName.size() >= 4 && mapName.compare(mapName.size() - 4, 4, ".jpg") == 0)
        return mapName.substr(0, mapName.size() - 4) + ".bmp";
    return mapName + ".bmp";
}

MapPictures MakeCountryMap(int land) {
    if (land < 0 || land >= kCountryViews) return {};
    return Render(LabelsFor(kViews[land]), 1000u + static_cast<uint32_t>(land));
}

MapPictures MakeBonusMap(int predefined) {
    if (predefined < 0 || predefined >= kBonusMaps) return {};
    if (predefined == 8) return Render(NeutralLabels(), 2000u);
    return Render(LabelsFor(kViews[kBonusViews[predefined]]), 1000u + static_cast<uint32_t>(kBonusViews[predefined]));
}

}  // namespace v3::demo
