#include "platform/Bmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <stdexcept>

namespace v3 {
namespace {

// Larger pictures than this are refused: no file of the program comes near it,
// and it keeps every size computation far from overflow.
constexpr int32_t kMaxSide = 32768;

uint16_t Get16(std::string_view b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}
uint32_t Get32(std::string_view b, size_t at) {
    return static_cast<uint32_t>(Get16(b, at)) | static_cast<uint32_t>(Get16(b, at + 2)) << 16;
}

void Put16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, static_cast<uint16_t>(v));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

uint32_t Key(BmpColour c) { return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; }
BmpColour FromKey(uint32_t k) { return {uint8_t(k >> 16), uint8_t(k >> 8), uint8_t(k)}; }

int Distance(BmpColour a, BmpColour b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    // Weighted as the eye weights the channels.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct WeightedColour {
    uint32_t key;
    uint32_t count;
};

// Median cut: splits the box with the widest channel range at the pixel-weighted
// median until there are `wanted` boxes; each box gives its weighted mean colour.
std::vector<BmpColour> MedianCut(std::vector<WeightedColour> colours, size_t wanted) {
    struct Box {
        size_t begin, end;
    };
    auto channel = [](uint32_t key, int c) { return static_cast<int>((key >> (16 - 8 * c)) & 0xFF); };
    auto widest = [&](const Box& b, int& range) {
        int best = 0;
        range = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, channel(colours[i].key, c));
                hi = std::max(hi, channel(colours[i].key, c));
            }
            if (hi - lo > range) {
                range = hi - lo;
                best = c;
            }
        }
        return best;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (boxes.size() < wanted) {
        int bestRange = 0;
        size_t bestBox = boxes.size();
        int bestChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            int range;
            const int c = widest(boxes[i], range);
            if (range > bestRange) {
                bestRange = range;
                bestBox = i;
                bestChannel = c;
            }
        }
        if (bestBox == boxes.size()) break;
        Box b = boxes[bestBox];
        std::sort(colours.begin() + static_cast<std::ptrdiff_t>(b.begin),
                  colours.begin() + static_cast<std::ptrdiff_t>(b.end),
                  [&](const WeightedColour& x, const WeightedColour& y) {
                      const int cx = channel(x.key, bestChannel), cy = channel(y.key, bestChannel);
                      return cx != cy ? cx < cy : x.key < y.key;
                  });
        uint64_t total = 0;
        for (size_t i = b.begin; i < b.end; ++i) total += colours[i].count;
        uint64_t run = 0;
        size_t split = b.begin + 1;
        for (size_t i = b.begin; i < b.end - 1; ++i) {
            run += colours[i].count;
            split = i + 1;
            if (run * 2 >= total) break;
        }
        boxes[bestBox] = {b.begin, split};
        boxes.push_back({split, b.end});
    }
    std::vector<BmpColour> out;
    for (const Box& b : boxes) {
        uint64_t sum[3] = {0, 0, 0}, n = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            for (int c = 0; c < 3; ++c) sum[c] += uint64_t(channel(colours[i].key, c)) * colours[i].count;
            n += colours[i].count;
        }
        if (n == 0) continue;
        out.push_back({uint8_t((sum[0] + n / 2) / n), uint8_t((sum[1] + n / 2) / n), uint8_t((sum[2] + n / 2) / n)});
    }
    return out;
}

}  // namespace

uint32_t BmpHeader::Rows() const {
    return height < 0 ? static_cast<uint32_t>(-static_cast<int64_t>(height)) : static_cast<uint32_t>(height);
}

uint64_t BmpHeader::RowBytes() const {
    const uint64_t w = width < 0 ? 0 : static_cast<uint64_t>(width);
    return (w * bitCount + 31) / 32 * 4;
}

uint32_t BmpHeader::PaletteEntries() const {
    if (coloursUsed != 0) return coloursUsed;
    return bitCount <= 8 ? (1u << bitCount) : 0;
}

BmpError ParseBmpHeader(std::string_view b, BmpHeader& h) {
    h = BmpHeader{};
    if (b.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize || Get16(b, 0) != kBmpMagic) return BmpError::NotBitmap;
    h.fileSize = Get32(b, 2);
    h.pixelOffset = Get32(b, 10);
    h.infoSize = Get32(b, 14);
    h.width = static_cast<int32_t>(Get32(b, 18));
    h.height = static_cast<int32_t>(Get32(b, 22));
    h.planes = Get16(b, 26);
    h.bitCount = Get16(b, 28);
    h.compression = Get32(b, 30);
    h.imageSize = Get32(b, 34);
    h.coloursUsed = Get32(b, 46);
    h.coloursImportant = Get32(b, 50);
    if (h.infoSize < kBmpInfoHeaderSize) return BmpError::NotBitmap;
    if (h.compression != 0) return BmpError::Compressed;
    if (h.bitCount != 1 && h.bitCount != 8 && h.bitCount != 24) return BmpError::UnsupportedDepth;
    if (h.width <= 0 || h.width > kMaxSide || h.height == 0 || h.height < -kMaxSide || h.height > kMaxSide)
        return BmpError::BadSize;
    return BmpError::None;
}

BmpImage BmpImage::Blank(int width, int height, uint16_t bitsPerPixel) {
    BmpImage img;
    img.width = width;
    img.height = height;
    img.bitsPerPixel = bitsPerPixel;
    img.pixels.assign(static_cast<size_t>(width) * height * (bitsPerPixel == 24 ? 3 : 1), 0);
    if (bitsPerPixel == 1) img.palette = {{0, 0, 0}, {255, 255, 255}};
    if (bitsPerPixel == 8) img.palette.assign(256, BmpColour{});
    return img;
}

BmpColour BmpImage::Rgb(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * width + x) * BytesPerPixel();
    if (bitsPerPixel == 24) return {pixels[at], pixels[at + 1], pixels[at + 2]};
    return pixels[at] < palette.size() ? palette[pixels[at]] : BmpColour{};
}

std::string WriteBmp(const BmpImage& img) {
    if (img.width <= 0 || img.height <= 0 ||
        img.pixels.size() != static_cast<size_t>(img.width) * img.height * img.BytesPerPixel() ||
        (img.bitsPerPixel != 1 && img.bitsPerPixel != 8 && img.bitsPerPixel != 24))
        throw std::invalid_argument("WriteBmp: inconsistent picture");
    const uint32_t entries = img.bitsPerPixel == 24 ? 0 : (1u << img.bitsPerPixel);
    const uint32_t rowBytes = (static_cast<uint32_t>(img.width) * img.bitsPerPixel + 31) / 32 * 4;
    const uint32_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize + entries * 4;
    const uint32_t imageSize = rowBytes * static_cast<uint32_t>(img.height);

    std::string out;
    out.reserve(offset + imageSize);
    out += "BM";
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kBmpInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(img.width));
    Put32(out, static_cast<uint32_t>(img.height));
    Put16(out, 1);
    Put16(out, img.bitsPerPixel);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 0);  // resolution not given
    Put32(out, 0);
    Put32(out, entries);
    Put32(out, entries);
    for (uint32_t i = 0; i < entries; ++i) {
        const BmpColour c = i < img.palette.size() ? img.palette[i] : BmpColour{};
        out += static_cast<char>(c.b);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.r);
        out += '\0';
    }
    std::string row(rowBytes, '\0');
    for (int y = img.height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), '\0');
        const uint8_t* src = img.pixels.data() + static_cast<size_t>(y) * img.width * img.BytesPerPixel();
        for (int x = 0; x < img.width; ++x) {
            if (img.bitsPerPixel == 1) {
                if (src[x] & 1) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            } else if (img.bitsPerPixel == 8) {
                row[x] = static_cast<char>(src[x]);
            } else {
                row[x * 3] = static_cast<char>(src[x * 3 + 2]);  // stored blue, green, red
                row[x * 3 + 1] = static_cast<char>(src[x * 3 + 1]);
                row[x * 3 + 2] = static_cast<char>(src[x * 3]);
            }
        }
        out += row;
    }
    return out;
}

BmpError ReadBmp(std::string_view b, BmpImage& out) {
    out = BmpImage{};
    BmpHeader h;
    if (BmpError e = ParseBmpHeader(b, h); e != BmpError::None) return e;
    const uint32_t entries = h.PaletteEntries();
    if (h.bitCount <= 8 && entries > (1u << h.bitCount)) return BmpError::NotBitmap;
    const uint64_t paletteAt = uint64_t(kBmpFileHeaderSize) + h.infoSize;
    const uint64_t paletteEnd = paletteAt + uint64_t(entries) * 4;
    if (paletteEnd > b.size()) return BmpError::Truncated;
    // An offset that points into the headers is no offset of pixels.
    if (h.pixelOffset != 0 && h.pixelOffset < paletteAt) return BmpError::NotBitmap;
    const uint64_t pixelAt = h.pixelOffset != 0 ? h.pixelOffset : paletteEnd;
    const uint64_t rowBytes = h.RowBytes();
    const uint32_t rows = h.Rows();
    if (pixelAt > b.size() || rowBytes * rows > b.size() - pixelAt) return BmpError::Truncated;

    out.width = h.width;
    out.height = static_cast<int>(rows);
    out.bitsPerPixel = h.bitCount;
    for (uint32_t i = 0; h.bitCount <= 8 && i < entries; ++i) {
        const size_t at = static_cast<size_t>(paletteAt) + i * 4;
        out.palette.push_back({static_cast<uint8_t>(b[at + 2]), static_cast<uint8_t>(b[at + 1]),
                               static_cast<uint8_t>(b[at])});
    }
    out.pixels.assign(static_cast<size_t>(out.width) * out.height * out.BytesPerPixel(), 0);
    for (uint32_t r = 0; r < rows; ++r) {
        const uint32_t y = h.TopDown() ? r : rows - 1 - r;  // r: stored order
        const uint8_t* src = reinterpret_cast<const uint8_t*>(b.data()) + pixelAt + uint64_t(r) * rowBytes;
        uint8_t* dst = out.pixels.data() + static_cast<size_t>(y) * out.width * out.BytesPerPixel();
        for (int x = 0; x < out.width; ++x) {
            if (h.bitCount == 1) {
                dst[x] = (src[x / 8] >> (7 - x % 8)) & 1;
            } else if (h.bitCount == 8) {
                dst[x] = src[x];
            } else {
                dst[x * 3] = src[x * 3 + 2];
                dst[x * 3 + 1] = src[x * 3 + 1];
                dst[x * 3 + 2] = src[x * 3];
            }
        }
    }
    return BmpError::None;
}

BmpImage ToIndexed8(const BmpImage& rgb, std::span<const PaletteSlot> fixedSlots) {
    if (rgb.bitsPerPixel != 24) throw std::invalid_argument("ToIndexed8: needs a 24-bit picture");
    BmpImage out = BmpImage::Blank(rgb.width, rgb.height, 8);
    std::array<bool, 256> used{};
    std::map<uint32_t, int> entryOf;  // colour -> palette index
    for (const PaletteSlot& s : fixedSlots) {
        if (s.index < 0 || s.index > 255) continue;
        out.palette[s.index] = s.colour;
        used[s.index] = true;
        entryOf.emplace(Key(s.colour), s.index);
    }
    std::map<uint32_t, uint32_t> counts;
    for (size_t i = 0; i + 2 < rgb.pixels.size(); i += 3)
        ++counts[Key({rgb.pixels[i], rgb.pixels[i + 1], rgb.pixels[i + 2]})];
    std::vector<WeightedColour> fresh;
    for (const auto& [key, n] : counts)
        if (!entryOf.count(key)) fresh.push_back({key, n});
    const size_t free = static_cast<size_t>(std::count(used.begin(), used.end(), false));

    std::vector<BmpColour> chosen;
    if (fresh.size() <= free) {
        for (const auto& w : fresh) chosen.push_back(FromKey(w.key));
    } else {
        chosen = MedianCut(fresh, free);
    }
    int next = 0;
    std::vector<int> candidates;  // entries that picture colours may map to
    for (const PaletteSlot& s : fixedSlots)
        if (s.index >= 0 && s.index <= 255) candidates.push_back(s.index);
    for (const BmpColour& c : chosen) {
        while (used[next]) ++next;
        out.palette[next] = c;
        used[next] = true;
        entryOf.emplace(Key(c), next);
        candidates.push_back(next);
    }
    // Nearest entry for every colour of the picture.
    std::map<uint32_t, uint8_t> mapping;
    for (const auto& [key, n] : counts) {
        (void)n;
        if (auto it = entryOf.find(key); it != entryOf.end()) {
            mapping[key] = static_cast<uint8_t>(it->second);
            continue;
        }
        const BmpColour c = FromKey(key);
        int best = candidates.empty() ? 0 : candidates.front();
        for (int i : candidates)
            if (Distance(c, out.palette[i]) < Distance(c, out.palette[best])) best = i;
        mapping[key] = static_cast<uint8_t>(best);
    }
    for (size_t p = 0, i = 0; i + 2 < rgb.pixels.size(); ++p, i += 3)
        out.pixels[p] = mapping[Key({rgb.pixels[i], rgb.pixels[i + 1], rgb.pixels[i + 2]})];

    // General colours for the remaining entries: a 6 x 6 x 6 cube, then greys.
    std::vector<BmpColour> general;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) general.push_back({uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)});
    for (int v = 8; v < 256; v += 8) general.push_back({uint8_t(v), uint8_t(v), uint8_t(v)});
    size_t g = 0;
    for (int i = 0; i < 256; ++i) {
        if (used[i]) continue;
        while (g < general.size() && entryOf.count(Key(general[g]))) ++g;
        if (g == general.size()) break;
        out.palette[i] = general[g];
        entryOf.emplace(Key(general[g]), i);
        used[i] = true;
        ++g;
    }
    return out;
}

}  // namespace v3
