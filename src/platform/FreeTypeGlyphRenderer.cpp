#include "platform/FreeTypeGlyphRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string_view>
#include <tuple>
#include <utility>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

namespace v3 {
namespace {

// Faces of the other platform mapped onto their metric-compatible free faces.
// fontconfig's default configuration knows these aliases too; the table keeps
// the mapping when a local configuration lacks them.
struct FaceAlias {
    const char* stored;
    const char* free;
};
constexpr FaceAlias kFaceAliases[] = {
    {"Arial", "Liberation Sans"},         {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"}, {"Times", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},   {"Courier", "Liberation Mono"},
};

constexpr const char* kFallbackFamily = "DejaVu Sans";
// Text masks larger than this many pixels are refused rather than allocated.
constexpr long long kMaxMaskPixels = 16LL * 1024 * 1024;

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string Trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

const char* GenericFamily(FontRequest::Family f) {
    switch (f) {
    case FontRequest::Family::Serif: return "serif";
    case FontRequest::Family::Mono: return "monospace";
    case FontRequest::Family::Script: return "cursive";
    case FontRequest::Family::Decorative: return "fantasy";
    case FontRequest::Family::Sans:
    case FontRequest::Family::DontCare: break;
    }
    return "sans-serif";
}

bool WantsBold(const FontRequest& f) { return f.weight >= 600; }

// Decodes UTF-8 into code points; false for malformed input.
bool DecodeUtf8(const std::string& s, std::vector<char32_t>& out) {
    out.clear();
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra;
        char32_t cp;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else return false;
        if (s.size() - i <= static_cast<size_t>(extra)) return false;
        for (int k = 1; k <= extra; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        out.push_back(cp);
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

long RoundDiv(long long num, long long den) {  // den > 0
    return static_cast<long>(num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den));
}

}  // namespace

struct FreeTypeGlyphRenderer::Impl {
    struct Resolved {
        std::string file;
        int index = 0;
    };

    FT_Library library = nullptr;
    bool libraryFailed = false;
    std::map<std::tuple<std::string, int, bool, bool>, Resolved> resolved;
    std::map<std::pair<std::string, int>, FT_Face> faces;

    ~Impl() {
        for (auto& [key, face] : faces) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    bool EnsureLibrary() {
        if (library) return true;
        if (libraryFailed) return false;
        if (FT_Init_FreeType(&library) != 0) {
            library = nullptr;
            libraryFailed = true;
            return false;
        }
        return true;
    }

    // Asks fontconfig for the best file for a family list, weight and slant.
    static Resolved Match(const std::vector<std::string>& families, bool bold, bool italic) {
        Resolved r;
        if (!FcInit()) return r;
        FcPattern* pattern = FcPatternCreate();
        if (!pattern) return r;
        for (const auto& fam : families)
            FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(fam.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        if (match) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
                r.file = reinterpret_cast<const char*>(file);
                if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) r.index = index;
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        return r;
    }

    FT_Face Open(const Resolved& r) {
        if (r.file.empty() || !EnsureLibrary()) return nullptr;
        auto key = std::make_pair(r.file, r.index);
        if (auto it = faces.find(key); it != faces.end()) return it->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library, r.file.c_str(), r.index, &face) != 0) return nullptr;
        if (!FT_IS_SCALABLE(face)) {
            FT_Done_Face(face);
            return nullptr;
        }
        faces.emplace(key, face);
        return face;
    }

    // The face for a request, and its file; nullptr when not even the fallback opens.
    FT_Face Resolve(const FontRequest& font, std::string& file) {
        std::string face = Trimmed(font.face);
        for (const auto& alias : kFaceAliases)
            if (SameIgnoringCase(face, alias.stored)) face = alias.free;
        bool bold = WantsBold(font);
        auto key = std::make_tuple(face, static_cast<int>(font.family), bold, font.italic);
        auto it = resolved.find(key);
        if (it == resolved.end()) {
            std::vector<std::string> families;
            if (!face.empty()) families.push_back(face);
            families.push_back(GenericFamily(font.family));
            it = resolved.emplace(key, Match(families, bold, font.italic)).first;
        }
        if (FT_Face f = Open(it->second)) {
            file = it->second.file;
            return f;
        }
        Resolved fallback = Match({kFallbackFamily}, bold, font.italic);
        if (FT_Face f = Open(fallback)) {
            it->second = fallback;
            file = fallback.file;
            return f;
        }
        return nullptr;
    }
};

FreeTypeGlyphRenderer::FreeTypeGlyphRenderer() : impl_(std::make_unique<Impl>()) {}
FreeTypeGlyphRenderer::~FreeTypeGlyphRenderer() = default;

std::string FreeTypeGlyphRenderer::ResolveFontFile(const FontRequest& font) {
    std::string file;
    return impl_->Resolve(font, file) ? file : std::string();
}

bool FreeTypeGlyphRenderer::Render(const std::string& utf8Text, const FontRequest& font,
                                   TextMask& out, std::string* error) {
    out = TextMask{};
    auto fail = [&](const char* reason) {
        if (error) *error = reason;
        return false;
    };
    std::vector<char32_t> text;
    if (!DecodeUtf8(utf8Text, text)) return fail("Der Text ist kein gültiges UTF-8.");
    FT_Face face = impl_->Resolve(font, out.fontFile);
    if (!face) return fail("Keine Schriftart gefunden, mit der sich der Text zeichnen lässt.");

    // Vertical metrics in font units: the Windows ascent and descent when the
    // face has them, else its general ascender and descender.
    const long units = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    long asc = face->ascender, desc = -face->descender;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        asc = os2->usWinAscent;
        desc = os2->usWinDescent;
    }
    if (asc + desc <= 0) {
        asc = units * 4 / 5;
        desc = units / 5;
    }

    // Pixel size (em) from the requested height.
    long cell = font.height > 0 ? font.height : FontRequest::kDefaultCellHeight;
    long ppem = font.height < 0 ? -static_cast<long long>(font.height)
                                : RoundDiv(static_cast<long long>(cell) * units, asc + desc);
    ppem = std::clamp<long>(ppem, 1, kMaxPixelSize);
    long xppem = ppem;
    if (font.width > 0 && os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        xppem = std::clamp<long>(RoundDiv(static_cast<long long>(font.width) * units, os2->xAvgCharWidth),
                                 1, kMaxPixelSize);
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(xppem), static_cast<FT_UInt>(ppem)) != 0)
        return fail("Die Schriftart lässt sich nicht in dieser Größe zeichnen.");

    out.ascent = static_cast<int>(RoundDiv(static_cast<long long>(asc) * ppem, units));
    int descent = static_cast<int>(RoundDiv(static_cast<long long>(desc) * ppem, units));
    out.extentHeight = out.ascent + descent;

    const bool fakeBold = WantsBold(font) && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    const bool fakeItalic = font.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    const FT_Int32 loadFlags = font.antialias ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    const FT_Render_Mode renderMode = font.antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;

    struct Placed {
        int x, y, w, h;
        std::vector<uint8_t> pixels;
    };
    std::vector<Placed> placed;
    long pen = 0;
    long long placedPixels = 0;
    int minX = 0, minY = 0, maxX = 0, maxY = out.extentHeight;  // union, half-open
    for (char32_t cp : text) {
        FT_UInt glyph = FT_Get_Char_Index(face, cp);
        if (FT_Load_Glyph(face, glyph, loadFlags) != 0 &&
            FT_Load_Glyph(face, 0, loadFlags) != 0)
            continue;
        FT_GlyphSlot slot = face->glyph;
        if (fakeItalic && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(slot);
        if (fakeBold && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Embolden(slot);
        if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, renderMode) != 0) continue;
        const FT_Bitmap& bm = slot->bitmap;
        Placed p{static_cast<int>(pen) + slot->bitmap_left, out.ascent - slot->bitmap_top,
                 static_cast<int>(bm.width), static_cast<int>(bm.rows), {}};
        if (p.w > 0 && p.h > 0 && bm.buffer) {
            p.pixels.assign(static_cast<size_t>(p.w) * p.h, 0);
            const int pitch = bm.pitch < 0 ? -bm.pitch : bm.pitch;
            for (int r = 0; r < p.h; ++r) {
                const unsigned char* row = bm.buffer + static_cast<size_t>(bm.pitch < 0 ? p.h - 1 - r : r) * pitch;
                for (int c = 0; c < p.w; ++c) {
                    uint8_t v;
                    if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                        v = (row[c >> 3] & (0x80 >> (c & 7))) ? 255 : 0;
                    else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                        v = bm.num_grays == 256 ? row[c]
                                                : static_cast<uint8_t>(row[c] * 255 / std::max(1, bm.num_grays - 1));
                    else
                        v = 0;  // colour glyphs do not occur in the faces resolved here
                    p.pixels[static_cast<size_t>(r) * p.w + c] = v;
                }
            }
            minX = std::min(minX, p.x);
            minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x + p.w);
            maxY = std::max(maxY, p.y + p.h);
            placedPixels += static_cast<long long>(p.w) * p.h;
            placed.push_back(std::move(p));
        }
        pen += (slot->advance.x + 32) >> 6;
        // The mask grows with the text; stop before it (or the glyphs kept
        // for it) becomes absurdly large.
        const long long area = static_cast<long long>(std::max<long>(pen, maxX) - minX) * (maxY - minY);
        if (area > kMaxMaskPixels || placedPixels > kMaxMaskPixels)
            return fail("Der Text ist zu lang zum Zeichnen.");
    }
    out.extentWidth = static_cast<int>(pen);
    maxX = std::max(maxX, out.extentWidth);

    // Underline and strike-out: rows across the whole advance width, given by
    // their centre above the baseline and their thickness in font units.
    struct Band {
        int top, thick;
    };
    std::vector<Band> bands;
    auto band = [&](long centreFromBaseline, long thicknessUnits) {
        int thick = std::max(1, static_cast<int>(RoundDiv(static_cast<long long>(thicknessUnits) * ppem, units)));
        int centre = out.ascent - static_cast<int>(RoundDiv(static_cast<long long>(centreFromBaseline) * ppem, units));
        Band b{centre - thick / 2, thick};
        if (out.extentWidth > 0) {
            minY = std::min(minY, b.top);
            maxY = std::max(maxY, b.top + b.thick);
        }
        bands.push_back(b);
    };
    if (font.underline) {
        long thickness = face->underline_thickness > 0 ? face->underline_thickness : units / 20;
        long position = face->underline_thickness > 0 ? face->underline_position : -units / 10;
        band(position, thickness);
    }
    if (font.strikeOut) {
        const bool known = os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0;
        long thickness = known ? os2->yStrikeoutSize : units / 20;
        long top = known ? os2->yStrikeoutPosition : units / 4;
        band(top - thickness / 2, thickness);
    }

    out.maskLeft = minX;
    out.maskTop = minY;
    out.maskWidth = maxX - minX;
    out.maskHeight = maxY - minY;
    if (static_cast<long long>(out.maskWidth) * out.maskHeight > kMaxMaskPixels)
        return fail("Der Text ist zu lang zum Zeichnen.");
    out.coverage.assign(static_cast<size_t>(out.maskWidth) * out.maskHeight, 0);
    auto put = [&](int x, int y, uint8_t v) {
        uint8_t& dst = out.coverage[static_cast<size_t>(y - minY) * out.maskWidth + (x - minX)];
        dst = std::max(dst, v);
    };
    for (const auto& p : placed)
        for (int r = 0; r < p.h; ++r)
            for (int c = 0; c < p.w; ++c) put(p.x + c, p.y + r, p.pixels[static_cast<size_t>(r) * p.w + c]);
    for (const Band& b : bands)
        for (int y = b.top; y < b.top + b.thick; ++y)
            for (int x = 0; x < out.extentWidth; ++x) put(x, y, 255);
    return true;
}

}  // namespace v3
