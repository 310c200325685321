// Text drawn with real fonts into coverage masks. The checks are about
// geometry and font choice, never about the exact pixels of a glyph.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "platform/FreeTypeGlyphRenderer.h"

namespace {

using v3::FontRequest;
using v3::TextMask;

FontRequest Req(const char* face, int height, int weight = 400) {
    FontRequest r;
    r.face = face;
    r.height = height;
    r.weight = weight;
    return r;
}

int InkInRow(const TextMask& m, int y) {
    int n = 0;
    for (int x = m.maskLeft; x < m.maskLeft + m.maskWidth; ++x) n += m.At(x, y) >= 128;
    return n;
}

int Ink(const TextMask& m) {
    return static_cast<int>(std::count_if(m.coverage.begin(), m.coverage.end(), [](uint8_t v) { return v >= 128; }));
}

class FreeTypeGlyphRendererTest : public ::testing::Test {
protected:
    TextMask Render(const std::string& text, const FontRequest& r) {
        TextMask m;
        std::string error;
        EXPECT_TRUE(renderer.Render(text, r, m, &error)) << error;
        EXPECT_EQ(m.coverage.size(), static_cast<size_t>(m.maskWidth) * m.maskHeight);
        return m;
    }
    v3::FreeTypeGlyphRenderer renderer;
};

TEST_F(FreeTypeGlyphRendererTest, StoredFaceNamesResolveToMetricCompatibleFaces) {
    struct Case {
        const char* face;
        int weight;
        bool italic;
        const char* file;
    };
    const Case cases[] = {
        {"Arial", 400, false, "LiberationSans-Regular"},
        {"arial", 700, false, "LiberationSans-Bold"},
        {"Times New Roman", 400, true, "LiberationSerif-Italic"},
        {"Times New Roman", 700, true, "LiberationSerif-BoldItalic"},
        {"Courier New", 400, false, "LiberationMono-Regular"},
        {"", 400, false, "DejaVuSans"},
        {"Keine solche Schrift", 400, false, "DejaVuSans"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        FontRequest r = Req(c.face, -16, c.weight);
        r.italic = c.italic;
        std::string file = renderer.ResolveFontFile(r);
        EXPECT_NE(file.find(c.file), std::string::npos) << file;
        EXPECT_EQ(Render("abc", r).fontFile, file);
    }
}

TEST_F(FreeTypeGlyphRendererTest, ExtentFollowsTheStoredHeightConventionAndAdvanceWidths) {
    // Positive: the cell height itself; negative: the character height, the cell being taller.
    EXPECT_NEAR(Render("Hg", Req("Arial", 20)).extentHeight, 20, 1);
    TextMask em = Render("Hg", Req("Arial", -16));
    EXPECT_GT(em.extentHeight, 16);
    EXPECT_LT(em.extentHeight, 20);
    EXPECT_NEAR(Render("Hg", Req("Arial", 0)).extentHeight, FontRequest::kDefaultCellHeight, 1);

    // A monospaced face gives every character the same advance; a proportional one does not.
    EXPECT_EQ(Render("iiii", Req("Courier New", -16)).extentWidth, Render("MMMM", Req("Courier New", -16)).extentWidth);
    EXPECT_LT(Render("iiii", Req("Arial", -16)).extentWidth, Render("MMMM", Req("Arial", -16)).extentWidth);

    // Ink sits on the baseline: a descender reaches below it, the capital above it.
    TextMask hg = Render("Hg", Req("Arial", -30));
    int top = INT_MAX, bottom = INT_MIN;
    for (int y = hg.maskTop; y < hg.maskTop + hg.maskHeight; ++y)
        if (InkInRow(hg, y)) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_GE(top, 0);
    EXPECT_LT(top, hg.ascent - 15);
    EXPECT_GT(bottom, hg.ascent);
    EXPECT_LT(bottom, hg.extentHeight);

    // An empty text has a cell but no width and no ink.
    TextMask empty = Render("", Req("Arial", -16));
    EXPECT_EQ(empty.extentWidth, 0);
    EXPECT_GT(empty.extentHeight, 0);
    EXPECT_EQ(Ink(empty), 0);
}

TEST_F(FreeTypeGlyphRendererTest, StyleAttributesChangeTheDrawing) {
    const FontRequest plain = Req("Arial", -20);
    TextMask regular = Render("Werbung", plain);

    FontRequest bold = plain;
    bold.weight = 700;
    EXPECT_GT(Ink(Render("Werbung", bold)), Ink(regular));

    FontRequest wide = plain;
    wide.width = 20;  // average character width far above the face's own
    EXPECT_GT(Render("Werbung", wide).extentWidth, regular.extentWidth * 3 / 2);

    // Underline: a row of ink across the whole advance below the baseline;
    // strike-out: such a row above it. The plain text has neither.
    auto fullRows = [](const TextMask& m, int from, int to) {
        int rows = 0;
        for (int y = from; y < to; ++y) {
            bool full = true;
            for (int x = 0; x < m.extentWidth && full; ++x) full = m.At(x, y) >= 128;
            rows += full;
        }
        return rows;
    };
    FontRequest under = plain;
    under.underline = true;
    FontRequest strike = plain;
    strike.strikeOut = true;
    EXPECT_EQ(fullRows(regular, 0, regular.extentHeight), 0);
    TextMask u = Render("Werbung", under);
    EXPECT_GT(fullRows(u, u.ascent, u.extentHeight), 0);
    EXPECT_EQ(fullRows(u, 0, u.ascent), 0);
    TextMask s = Render("Werbung", strike);
    EXPECT_GT(fullRows(s, 0, s.ascent), 0);
    EXPECT_EQ(fullRows(s, s.ascent, s.extentHeight), 0);

    // Italic leans: its top rows lie further right than its bottom rows, compared with upright.
    FontRequest italic = plain;
    italic.italic = true;
    auto lean = [](const TextMask& m) {
        auto centre = [&](int y) {
            long sum = 0, n = 0;
            for (int x = m.maskLeft; x < m.maskLeft + m.maskWidth; ++x)
                if (m.At(x, y) >= 128) sum += x, ++n;
            return n ? static_cast<double>(sum) / n : 0.0;
        };
        return centre(m.ascent - 12) - centre(m.ascent - 1);
    };
    EXPECT_GT(lean(Render("llll", italic)), lean(Render("llll", plain)) + 1.0);
}

TEST_F(FreeTypeGlyphRendererTest, TwoLevelOrGreyEdges) {
    FontRequest r = Req("Times New Roman", -24);
    TextMask mono = Render("Sonne", r);
    EXPECT_TRUE(std::all_of(mono.coverage.begin(), mono.coverage.end(), [](uint8_t v) { return v == 0 || v == 255; }));
    r.antialias = true;
    TextMask grey = Render("Sonne", r);
    EXPECT_TRUE(std::any_of(grey.coverage.begin(), grey.coverage.end(), [](uint8_t v) { return v > 0 && v < 255; }));
}

TEST_F(FreeTypeGlyphRendererTest, HostileInputIsRefusedOrBounded) {
    TextMask m;
    std::string error;
    for (const char* bad : {"\xFF", "a\xC3", "\xE2\x82", "\xC0\x80", "\xED\xA0\x80"}) {
        EXPECT_FALSE(renderer.Render(bad, Req("Arial", -16), m, &error)) << bad;
        EXPECT_EQ(error, "Der Text ist kein gültiges UTF-8.");
    }
    // Sizes from a damaged file are bounded; nothing huge is allocated.
    FontRequest huge = Req("Arial", INT_MIN);
    huge.width = INT_MAX;
    m = Render("Ab", huge);
    EXPECT_LE(m.extentHeight, 2 * v3::FreeTypeGlyphRenderer::kMaxPixelSize);
    EXPECT_GT(Ink(m), 0);
    EXPECT_FALSE(renderer.Render(std::string(5000, 'W'), Req("Arial", -500), m, &error));
    EXPECT_EQ(error, "Der Text ist zu lang zum Zeichnen.");
    // Characters the face lacks and control characters still advance.
    EXPECT_GT(Render("\t\x01\xE4\xB8\xAD", Req("Arial", -16)).extentWidth, 0);
}

}  // namespace
