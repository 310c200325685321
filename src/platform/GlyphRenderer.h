#pragma once
// Draws a line of text into an 8-bit coverage mask. The core uses it for the
// sponsors' perimeter boards, so the desktop program and v3tool draw the same
// glyphs without a window system. The implementation lies in
// FreeTypeGlyphRenderer (fonts resolved through fontconfig).
#include <cstdint>
#include <string>
#include <vector>

namespace v3 {

// A font as the data set stores it (a logical-font description), in neutral terms.
struct FontRequest {
    // Face name in UTF-8 ("Arial", "Times New Roman"); empty takes the family below.
    std::string face;
    enum class Family { DontCare, Serif, Sans, Mono, Script, Decorative };
    // Used when the face name is empty or unknown.
    Family family = Family::DontCare;
    // Height in pixels with the sign convention of the stored font: negative is
    // the character height (em size), positive the cell height (ascent +
    // descent), 0 a default cell height of kDefaultCellHeight.
    int height = 0;
    // Average character width in pixels; 0 keeps the face's own proportions,
    // otherwise the glyphs are stretched or squeezed horizontally to it.
    int width = 0;
    // 100..900; 0 counts as 400 (normal). 600 and above is bold.
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // Grey edges (true) or hinted two-level glyphs, as drawn on a palette surface (false).
    bool antialias = false;

    static constexpr int kDefaultCellHeight = 16;
};

// The drawn text. Coordinates are relative to the top-left corner of the text
// cell, the box that a text-extent measurement reports: extentWidth is the sum
// of the advance widths, extentHeight ascent + descent, the baseline lies
// `ascent` rows below the top. Ink may reach outside that box (italic
// overhang, negative side bearings), so the mask covers the union of the cell
// and every drawn pixel and says where it lies.
struct TextMask {
    int extentWidth = 0;
    int extentHeight = 0;
    int ascent = 0;
    int maskLeft = 0;   // x of the mask's first column, relative to the cell
    int maskTop = 0;    // y of the mask's first row, relative to the cell
    int maskWidth = 0;
    int maskHeight = 0;
    // maskWidth * maskHeight values, rows top to bottom: 0 = no ink, 255 = full ink.
    std::vector<uint8_t> coverage;
    // The font file that drew the text.
    std::string fontFile;

    uint8_t At(int x, int y) const {  // cell coordinates; 0 outside the mask
        int mx = x - maskLeft, my = y - maskTop;
        if (mx < 0 || my < 0 || mx >= maskWidth || my >= maskHeight) return 0;
        return coverage[static_cast<size_t>(my) * maskWidth + mx];
    }
};

class IGlyphRenderer {
public:
    virtual ~IGlyphRenderer() = default;
    // Draws utf8Text (one line) with the requested font. False with a German
    // reason in `error` when no usable font exists or the text is not UTF-8.
    virtual bool Render(const std::string& utf8Text, const FontRequest& font, TextMask& out,
                        std::string* error = nullptr) = 0;
    // The font file that a request resolves to; empty when none.
    virtual std::string ResolveFontFile(const FontRequest& font) = 0;
};

}  // namespace v3
