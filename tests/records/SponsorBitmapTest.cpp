// The sponsor's perimeter board picture and its file.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/GlyphRenderer.h"
#include "platform/Text1252.h"
#include "platform/UserInterface.h"
#include "records/Sponsor.h"
#include "records/V3File.h"

namespace fs = std::filesystem;
using v3::CSponsor;

namespace {

constexpr int kW = 256, kH = 32;

// A template of 36 x 32 pixels whose every pixel tells where it came from, with
// a palette of distinct colours. Rows are stored bottom-up unless topDown.
struct TemplateSpec {
    int seed = 0;
    bool topDown = false;
    int32_t width = 36, height = 32;
    uint16_t bits = 8;
    uint32_t compression = 0;
    uint32_t colours = 0;  // 0: the full palette
    bool withOffset = true;
};

uint8_t TemplatePixel(int seed, int x, int visualRow) {
    return static_cast<uint8_t>((x * 7 + visualRow * 37 + seed * 11 + 3) % 256);
}

std::array<uint8_t, 3> TemplateColour(int seed, int i) {  // blue, green, red
    return {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>((i * 5 + seed) % 256)};
}

void Le16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}
void Le32(std::string& s, uint32_t v) {
    Le16(s, static_cast<uint16_t>(v));
    Le16(s, static_cast<uint16_t>(v >> 16));
}

std::string MakeTemplate(const TemplateSpec& t = {}) {
    const uint32_t colours = t.colours ? t.colours : 256;
    const int stride = ((t.width > 0 ? t.width : 0) * t.bits / 8 + 3) / 4 * 4;
    // Pixel rows as the height says, within reason (an absurd height gets 32).
    const int64_t h = t.height < 0 ? -static_cast<int64_t>(t.height) : t.height;
    const int rows = h > 64 ? 32 : static_cast<int>(h);
    const uint32_t offset = 14 + 40 + colours * 4;
    std::string s = "BM";
    Le32(s, offset + stride * rows);
    Le32(s, 0);
    Le32(s, t.withOffset ? offset : 0);
    Le32(s, 40);
    Le32(s, static_cast<uint32_t>(t.width));
    Le32(s, static_cast<uint32_t>(t.height));
    Le16(s, 1);
    Le16(s, t.bits);
    Le32(s, t.compression);
    Le32(s, 0);  // image size 0: computed by the reader
    Le32(s, 2835);
    Le32(s, 2835);
    Le32(s, t.colours);
    Le32(s, 0);
    for (uint32_t i = 0; i < colours; ++i) {
        auto c = TemplateColour(t.seed, static_cast<int>(i));
        s.append(reinterpret_cast<const char*>(c.data()), 3);
        s += '\x7F';  // the reserved byte is not carried over
    }
    for (int stored = 0; stored < rows; ++stored) {
        int visual = t.topDown ? stored : rows - 1 - stored;
        for (int x = 0; x < stride; ++x) s += static_cast<char>(TemplatePixel(t.seed, x, visual));
    }
    return s;
}

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Get16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

// Board pixel at column x, visual row y (0 = top); the file stores rows bottom-up.
uint8_t At(const std::vector<uint8_t>& bmp, int x, int y) {
    return bmp[1078 + static_cast<size_t>(kH - 1 - y) * kW + x];
}

struct Box {
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;  // inclusive
    int count = 0;
};

// Pixels of the given index between the two template edges.
Box InkBox(const std::vector<uint8_t>& bmp, uint8_t index) {
    Box b;
    for (int y = 0; y < kH; ++y)
        for (int x = 32; x < 224; ++x)
            if (At(bmp, x, y) == index) {
                b.minX = std::min(b.minX, x);
                b.maxX = std::max(b.maxX, x);
                b.minY = std::min(b.minY, y);
                b.maxY = std::max(b.maxY, y);
                ++b.count;
            }
    return b;
}

v3::SponsorFont Font(const char* face, int32_t height, int32_t weight = 400) {
    v3::SponsorFont f;
    f.faceName = face;
    f.height = height;
    f.weight = weight;
    return f;
}

class SponsorBitmapTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = dir.path();
        fs::create_directories(dir.path() / "BANDEN");
    }
    // Templates go into the folder as the game ships it ("BANDEN"); the program
    // asks for ".\banden\bandeNN.bmp".
    void WriteTemplate(int index, const std::string& bytes) {
        char name[32];
        std::snprintf(name, sizeof name, "bande%02d.bmp", index + 1);
        v3test::WriteBytes(dir.path() / "BANDEN" / name, bytes);
    }
    CSponsor Sponsor(const std::string& name, int vorlage = 0, int hinten = 1, int text = 93,
                     const v3::SponsorFont& font = Font("Arial", -16, 700)) {
        CSponsor s;
        EXPECT_TRUE(s.Name(name));
        EXPECT_TRUE(s.BandenVorlage(vorlage));
        EXPECT_TRUE(s.HintergrundFarbe(hinten));
        EXPECT_TRUE(s.TextFarbe(text));
        EXPECT_TRUE(s.Font(font));
        return s;
    }

    v3::ScopedAppState state;
    v3::ScriptedUserInterface ui;
    v3test::TempDir dir;
};

TEST_F(SponsorBitmapTest, BoardIsACompleteBitmapWithTheTemplateAtBothEnds) {
    WriteTemplate(0, MakeTemplate({.seed = 4}));
    std::vector<uint8_t> bmp = Sponsor("abc").ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Get32(bmp, 2), 9270u);
    EXPECT_EQ(Get32(bmp, 6), 0u);
    EXPECT_EQ(Get32(bmp, 10), 1078u);
    EXPECT_EQ(Get32(bmp, 14), 40u);
    EXPECT_EQ(static_cast<int32_t>(Get32(bmp, 18)), 256);
    EXPECT_EQ(static_cast<int32_t>(Get32(bmp, 22)), 32);
    EXPECT_EQ(Get16(bmp, 26), 1);
    EXPECT_EQ(Get16(bmp, 28), 8);
    EXPECT_EQ(Get32(bmp, 30), 0u);
    EXPECT_EQ(Get32(bmp, 46), 256u);
    EXPECT_EQ(Get32(bmp, 50), 256u);
    for (int i = 0; i < 256; ++i) {
        auto c = TemplateColour(4, i);
        ASSERT_EQ(bmp[54 + i * 4], c[0]) << "palette " << i;
        ASSERT_EQ(bmp[55 + i * 4], c[1]) << "palette " << i;
        ASSERT_EQ(bmp[56 + i * 4], c[2]) << "palette " << i;
        ASSERT_EQ(bmp[57 + i * 4], 0) << "palette " << i;
    }
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(At(bmp, x, y), TemplatePixel(4, x, y)) << "left edge x=" << x << " y=" << y;
            ASSERT_EQ(At(bmp, 224 + x, y), TemplatePixel(4, x, y)) << "right edge x=" << x << " y=" << y;
        }
    // Between the edges only the two colours occur.
    for (int y = 0; y < kH; ++y)
        for (int x = 32; x < 224; ++x) ASSERT_TRUE(At(bmp, x, y) == 1 || At(bmp, x, y) == 93) << x << "," << y;
}

TEST_F(SponsorBitmapTest, TemplateNumberPicksTheFileAndTopDownTemplatesKeepTheirOrientation) {
    struct Case {
        int vorlage;
        bool topDown;
    };
    for (Case c : {Case{0, false}, Case{9, true}, Case{35, false}}) {
        SCOPED_TRACE(c.vorlage);
        WriteTemplate(c.vorlage, MakeTemplate({.seed = c.vorlage, .topDown = c.topDown, .height = c.topDown ? -32 : 32}));
        std::vector<uint8_t> bmp = Sponsor("X", c.vorlage).ErzeugeBitmapPtr();
        ASSERT_EQ(bmp.size(), 9270u);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < 32; ++x) {
                ASSERT_EQ(At(bmp, x, y), TemplatePixel(c.vorlage, x, y)) << x << "," << y;
                ASSERT_EQ(At(bmp, 224 + x, y), TemplatePixel(c.vorlage, x, y)) << x << "," << y;
            }
    }
    // A palette shorter than 256 entries and a header without pixel offset are read too.
    WriteTemplate(1, MakeTemplate({.seed = 2, .colours = 16, .withOffset = false}));
    std::vector<uint8_t> bmp = Sponsor("X", 1).ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    EXPECT_EQ(At(bmp, 5, 7), TemplatePixel(2, 5, 7));
    EXPECT_EQ(bmp[54 + 15 * 4 + 2], TemplateColour(2, 15)[2]);
    EXPECT_EQ(bmp[54 + 16 * 4 + 1], 0) << "entries beyond the template's palette are black";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SponsorBitmapTest, NameIsDrawnCentredInTheTextColour) {
    WriteTemplate(0, MakeTemplate());
    struct Case {
        const char* name;
        v3::SponsorFont font;
    };
    const Case cases[] = {
        {"abc", Font("Arial", -16, 700)},
        {"MMMMMMMMMM", Font("Times New Roman", -20)},
        {"Wurst & Co", Font("Courier New", 18)},  // positive: cell height
        {"Hallo", Font("", 0)},                  // no face, default size
        {"\xDC" "bersee", Font("Arial", -14)},   // code page 1252 text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSponsor s = Sponsor(c.name, 0, 1, 93, c.font);
        std::vector<uint8_t> bmp = s.ErzeugeBitmapPtr();
        ASSERT_EQ(bmp.size(), 9270u);
        Box ink = InkBox(bmp, 93);
        ASSERT_GT(ink.count, 0);
        // The ink is centred horizontally within the side bearings' play.
        EXPECT_NEAR((ink.minX + ink.maxX + 1) / 2.0, 128.0, 2.0);
        // And lies in the text cell, which is centred vertically.
        v3::FontRequest req;
        req.face = v3::Cp1252ToUtf8(c.font.faceName);
        req.height = c.font.height;
        req.weight = c.font.weight;
        v3::TextMask mask;
        ASSERT_TRUE(state->glyphs->Render(v3::Cp1252ToUtf8(c.name), req, mask));
        const int top = (32 - mask.extentHeight) / 2;
        EXPECT_GE(ink.minY, std::max(0, top));
        EXPECT_LE(ink.maxY, std::min(31, top + mask.extentHeight - 1));
        EXPECT_GT(ink.maxX - ink.minX, ink.maxY - ink.minY) << "a line of text is wider than high";
    }

    // Upright: the bar of a T is its topmost ink row.
    std::vector<uint8_t> t = Sponsor("TTTT", 0, 1, 93, Font("Arial", -20, 700)).ErzeugeBitmapPtr();
    Box tBox = InkBox(t, 93);
    auto inkInRow = [&](int y) {
        int n = 0;
        for (int x = 32; x < 224; ++x) n += At(t, x, y) == 93;
        return n;
    };
    EXPECT_GT(inkInRow(tBox.minY), 2 * inkInRow(tBox.maxY));

    // A name wider than the board is cut at both sides, centred all the same.
    CSponsor lang = Sponsor("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 0, 1, 93, Font("Arial", -30, 700));
    std::vector<uint8_t> bmp = lang.ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    Box ink = InkBox(bmp, 93);
    EXPECT_EQ(ink.minX, 32);
    EXPECT_EQ(ink.maxX, 223);
}

// A renderer that draws a fixed mask, so placement and the coverage threshold
// can be checked pixel for pixel.
class FixedMaskRenderer : public v3::IGlyphRenderer {
public:
    bool Render(const std::string& text, const v3::FontRequest& font, v3::TextMask& out,
                std::string* error) override {
        lastText = text;
        lastFont = font;
        if (fail) {
            if (error) *error = "kaputt";
            return false;
        }
        out = mask;
        return true;
    }
    std::string ResolveFontFile(const v3::FontRequest&) override { return "fest"; }

    v3::TextMask mask;
    bool fail = false;
    std::string lastText;
    v3::FontRequest lastFont;
};

TEST_F(SponsorBitmapTest, MaskIsPlacedByItsExtentAndThresholdedToTheTextColour) {
    WriteTemplate(0, MakeTemplate());
    FixedMaskRenderer fixed;
    state->SetGlyphRenderer(&fixed);
    // Extent 21 x 9; the mask starts 2 columns left of and 1 row above the cell.
    fixed.mask.extentWidth = 21;
    fixed.mask.extentHeight = 9;
    fixed.mask.maskLeft = -2;
    fixed.mask.maskTop = -1;
    fixed.mask.maskWidth = 25;
    fixed.mask.maskHeight = 11;
    fixed.mask.coverage.assign(25 * 11, 0);
    auto cov = [&](int x, int y) -> uint8_t& { return fixed.mask.coverage[(y + 1) * 25 + (x + 2)]; };
    cov(-2, -1) = 255;  // top-left corner of the mask
    cov(0, 0) = 128;    // exactly half: ink
    cov(5, 4) = 127;    // just below half: background
    cov(22, 9) = 200;   // bottom-right corner of the mask

    v3::SponsorFont f = Font("Times New Roman", -19, 700);
    f.italic = 1;
    f.underline = 1;
    f.width = 7;
    f.pitchAndFamily = 0x12;  // roman family, proportional
    std::vector<uint8_t> bmp = Sponsor("Gr\xFC" "n", 0, 1, 93, f).ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    EXPECT_EQ(fixed.lastText, "Grün");
    EXPECT_EQ(fixed.lastFont.face, "Times New Roman");
    EXPECT_EQ(fixed.lastFont.height, -19);
    EXPECT_EQ(fixed.lastFont.width, 7);
    EXPECT_EQ(fixed.lastFont.weight, 700);
    EXPECT_TRUE(fixed.lastFont.italic);
    EXPECT_TRUE(fixed.lastFont.underline);
    EXPECT_FALSE(fixed.lastFont.strikeOut);
    EXPECT_FALSE(fixed.lastFont.antialias) << "a palette picture gets two-level glyphs";
    EXPECT_EQ(fixed.lastFont.family, v3::FontRequest::Family::Serif);

    const int left = (256 - 21) / 2, top = (32 - 9) / 2;  // 117, 11
    std::vector<std::pair<int, int>> ink;
    for (int y = 0; y < kH; ++y)
        for (int x = 32; x < 224; ++x)
            if (At(bmp, x, y) == 93) ink.emplace_back(x, y);
    const std::vector<std::pair<int, int>> expected = {
        {left - 2, top - 1}, {left, top}, {left + 22, top + 9}};
    EXPECT_EQ(ink, expected);

    // A mask wider and higher than the board is cut at its borders.
    fixed.mask.extentWidth = 400;
    fixed.mask.extentHeight = 60;
    fixed.mask.maskLeft = 0;
    fixed.mask.maskTop = 0;
    fixed.mask.maskWidth = 400;
    fixed.mask.maskHeight = 60;
    fixed.mask.coverage.assign(400 * 60, 255);
    bmp = Sponsor("lang", 0, 1, 93).ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    EXPECT_EQ(InkBox(bmp, 93).count, 192 * 32);

    // A text that cannot be drawn leaves the plain board and is reported once.
    fixed.fail = true;
    bmp = Sponsor("x", 0, 18, 93).ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    EXPECT_EQ(InkBox(bmp, 18).count, 192 * 32);
    Sponsor("y", 0, 18, 93).ErzeugeBitmapPtr();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("kaputt"), std::string::npos);
}

TEST_F(SponsorBitmapTest, ColoursAreTheStoredPaletteIndexes) {
    WriteTemplate(0, MakeTemplate());
    struct Case {
        int hinten, text;
    };
    for (Case c : {Case{1, 93}, Case{0, 127}, Case{125, 1}, Case{255, 254}}) {
        SCOPED_TRACE(c.hinten * 1000 + c.text);
        std::vector<uint8_t> bmp = Sponsor("Bier", 0, c.hinten, c.text).ErzeugeBitmapPtr();
        ASSERT_EQ(bmp.size(), 9270u);
        EXPECT_EQ(At(bmp, 32, 0), c.hinten);
        EXPECT_EQ(At(bmp, 223, 31), c.hinten);
        EXPECT_GT(InkBox(bmp, static_cast<uint8_t>(c.text)).count, 0);
    }
    // Same colour for both: nothing but background between the edges.
    std::vector<uint8_t> bmp = Sponsor("Bier", 0, 40, 40).ErzeugeBitmapPtr();
    EXPECT_EQ(InkBox(bmp, 40).count, 192 * 32);
    // An empty name leaves the plain background.
    bmp = Sponsor("", 0, 18, 93).ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    EXPECT_EQ(InkBox(bmp, 18).count, 192 * 32);
}

// Values as a data file may hold them, outside what the editor offers.
TEST_F(SponsorBitmapTest, StoredValuesOutsideTheirRangesDrawSafely) {
    WriteTemplate(0, MakeTemplate());
    const fs::path file = dir.path() / "sponsor.sav";
    {
        v3::CV3File f;
        ASSERT_TRUE(f.Open(file.string(), v3::CV3File::modeWrite | v3::CV3File::modeCreate));
        f.NewSection("SPONSOR");
        f.PutStr("Riesig");
        f.PutInt(0);
        for (int32_t v : {INT32_MIN, INT32_MAX, 900, 0, 100000}) f.PutLng(v);  // height, width, ..., weight
        for (int b : {1, 1, 1, 0, 0, 0, 0, 0x20}) f.PutInt(b);
        f.PutLng(0);
        f.PutStr("Arial");
        f.PutLng(2 * 65536 + 300);  // size 2, background 300
        f.PutInt(-5);               // text colour
        f.EndSection(1);
        ASSERT_TRUE(f.Close());
    }
    CSponsor s;
    {
        v3::CV3File f;
        ASSERT_TRUE(f.Open(file.string(), v3::CV3File::modeRead));
        ASSERT_TRUE(s.LadenV3Localized(f, 0));
    }
    ASSERT_EQ(s.Font().height, INT32_MIN);
    ASSERT_EQ(s.Font().width, INT32_MAX);
    ASSERT_EQ(s.HintergrundFarbe(), 300);
    ASSERT_EQ(s.TextFarbe(), -5);
    std::vector<uint8_t> bmp = s.ErzeugeBitmapPtr();
    ASSERT_EQ(bmp.size(), 9270u);
    // Indexes outside the palette draw with entry 0 (text and background alike).
    EXPECT_EQ(InkBox(bmp, 0).count, 192 * 32);
}

TEST_F(SponsorBitmapTest, BadTemplatesAreReportedAndGiveNoPicture) {
    const std::string good = MakeTemplate();
    std::string notBm = good;
    notBm[0] = 'M';
    notBm[1] = 'B';
    std::string bigPalette = good;
    bigPalette[46] = '\x2C';  // 300 colours
    bigPalette[47] = '\x01';
    std::string offsetOutside = good;
    offsetOutside[10] = '\xFF';
    offsetOutside[11] = '\xFF';
    struct Case {
        const char* what;
        std::string bytes;  // empty: no file at all
        const char* message;
    };
    const Case cases[] = {
        {"missing", "", "Konnte Datei für SponsorBitmap .\\banden\\bande01.bmp nicht öffnen!"},
        {"empty file", std::string("BM"), "Kein Bitmap-File!"},
        {"not BM", notBm, "Kein Bitmap-File!"},
        {"header cut", good.substr(0, 30), "Kein Bitmap-File!"},
        {"palette cut", good.substr(0, 600), "Kein Bitmap-File!"},
        {"pixels cut", good.substr(0, good.size() - 10), "Kein Bitmap-File!"},
        {"more than 256 colours", bigPalette, "Kein Bitmap-File!"},
        {"pixel offset beyond the end", offsetOutside, "Kein Bitmap-File!"},
        {"compressed", MakeTemplate({.compression = 1}), "Der Editor kann keine gepackten Bitmap-Files laden!"},
        {"24 bits", MakeTemplate({.bits = 24}), "Die Grafik liegt nicht im 256 Farben-Format vor!"},
        {"narrower", MakeTemplate({.width = 32}), "Die Grafik hat eine andere Größe als 36*32 Pixel!"},
        {"wider", MakeTemplate({.width = 256}), "Die Grafik hat eine andere Größe als 36*32 Pixel!"},
        {"lower", MakeTemplate({.height = 31}), "Die Grafik hat eine andere Größe als 36*32 Pixel!"},
        {"absurd height", MakeTemplate({.height = INT32_MIN}), "Die Grafik hat eine andere Größe als 36*32 Pixel!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state->reportedBoardTemplates.clear();
        ui.messages.clear();
        fs::remove(dir.path() / "BANDEN" / "bande01.bmp");
        if (!c.bytes.empty()) WriteTemplate(0, c.bytes);
        EXPECT_TRUE(Sponsor("abc").ErzeugeBitmapPtr().empty());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].text.find(c.message), std::string::npos) << ui.messages[0].text;
        EXPECT_NE(ui.messages[0].text.find(".\\banden\\bande01.bmp"), std::string::npos);
        EXPECT_EQ(ui.messages[0].icon, v3::MsgIcon::Stop);
    }
    // A template number from a file that has no template is a missing file.
    ui.messages.clear();
    const fs::path file = dir.path() / "s.sav";
    {
        v3::CV3File f;
        ASSERT_TRUE(f.Open(file.string(), v3::CV3File::modeWrite | v3::CV3File::modeCreate));
        f.NewSection("SPONSOR");
        f.PutStr("X");
        f.PutInt(-7);
        f.EndSection(1);
        ASSERT_TRUE(f.Close());
    }
    CSponsor s;
    v3::CV3File f;
    ASSERT_TRUE(f.Open(file.string(), v3::CV3File::modeRead));
    s.LadenV3Localized(f, 0);
    ASSERT_EQ(s.BandenVorlage(), -7);
    EXPECT_TRUE(s.ErzeugeBitmapPtr().empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("nicht öffnen!"), std::string::npos);
}

TEST_F(SponsorBitmapTest, ABadTemplateIsReportedOnceUntilItReadsWellAgain) {
    CSponsor s = Sponsor("abc");
    EXPECT_TRUE(s.ErzeugeBitmapPtr().empty());
    EXPECT_TRUE(Sponsor("def").ErzeugeBitmapPtr().empty());
    EXPECT_EQ(ui.messages.size(), 1u) << "one message for the template, not one per sponsor";

    WriteTemplate(0, MakeTemplate());
    EXPECT_EQ(s.ErzeugeBitmapPtr().size(), 9270u);
    fs::remove(dir.path() / "BANDEN" / "bande01.bmp");
    EXPECT_TRUE(s.ErzeugeBitmapPtr().empty());
    EXPECT_EQ(ui.messages.size(), 2u) << "broken again after it was fine: reported again";
}

TEST_F(SponsorBitmapTest, SpeichereAlsBitmapWritesOnlyWhenSwitchedOn) {
    WriteTemplate(0, MakeTemplate());
    CSponsor s = Sponsor("Brauerei");
    const fs::path target = dir.path() / "BANDEN" / "kom1.bmp";

    state->BandenSpeichern = false;
    EXPECT_TRUE(s.SpeichereAlsBitmap(".\\BANDEN\\kom1.bmp"));
    EXPECT_FALSE(fs::exists(target));

    state->BandenSpeichern = true;
    // An older, write-protected picture is replaced.
    v3test::WriteBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_TRUE(s.SpeichereAlsBitmap(".\\BANDEN\\kom1.bmp"));
    std::vector<uint8_t> expected = s.ErzeugeBitmapPtr();
    std::string written = v3test::ReadBytes(target);
    EXPECT_EQ(written, std::string(expected.begin(), expected.end()));
    EXPECT_TRUE(ui.messages.empty());
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path() / "BANDEN")) files += e.is_regular_file();
    EXPECT_EQ(files, 2);
}

TEST_F(SponsorBitmapTest, SpeichereAlsBitmapReportsFailuresAndKeepsTheOldPicture) {
    WriteTemplate(0, MakeTemplate());
    state->BandenSpeichern = true;
    CSponsor s = Sponsor("Brauerei");

    // A folder that does not exist cannot take the file.
    EXPECT_FALSE(s.SpeichereAlsBitmap(".\\NIRGENDS\\kom2.bmp"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Konnte Datei für SponsorBitmap .\\NIRGENDS\\kom2.bmp nicht öffnen!");

    // A full disk: the write message, and the old picture stays.
    const fs::path target = dir.path() / "BANDEN" / "kom2.bmp";
    v3test::WriteBytes(target, "old");
    state->failWritesTo = [&](const fs::path& p) { return p == target; };
    EXPECT_FALSE(s.SpeichereAlsBitmap(".\\BANDEN\\kom2.bmp"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text,
              "Fehler bei Datei .\\BANDEN\\kom2.bmp! Evtl. ist nicht genügend Speicherplatz auf dem "
              "Datenträger oder die Datei ist schreibgeschützt.");
    EXPECT_EQ(v3test::ReadBytes(target), "old");
    state->failWritesTo = nullptr;

    // A broken template: its message, nothing written.
    WriteTemplate(0, "BM");
    EXPECT_FALSE(s.SpeichereAlsBitmap(".\\BANDEN\\kom2.bmp"));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[2].text.find("Kein Bitmap-File!"), std::string::npos);
    EXPECT_EQ(v3test::ReadBytes(target), "old");
}

}  // namespace
