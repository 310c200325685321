// Bitmap files: writing, reading back, and the reader's refusals.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "TestUtil.h"
#include "platform/Bmp.h"

using namespace v3;
using v3test::U32;

namespace {

void Set32(std::string& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (8 * i));
}

// A picture whose every pixel tells where it is, so a flipped or shifted row shows.
BmpImage Pattern(int w, int h, uint16_t bits) {
    BmpImage img = BmpImage::Blank(w, h, bits);
    for (int i = 0; i < 256 && bits == 8; ++i) img.palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &img.At(x, y);
            if (bits == 1) *p = (x * 3 + y) % 5 == 0;
            else if (bits == 8) *p = uint8_t(x * 13 + y * 31);
            else p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x ^ y);
        }
    return img;
}

}  // namespace

TEST(Bmp, RoundTripKeepsEveryPixelAndTheLayoutOfACrestFile) {
    struct Case {
        int w, h;
        uint16_t bits;
        size_t fileSize;
    } cases[] = {
        {32, 32, 8, 2102},        // a crest: pixels at 1078, 32 bytes a row
        {36, 32, 8, 2230},        // a board template
        {440, 330, 1, 62 + 56 * 330},  // a map mask: 56 bytes a row
        {7, 3, 24, 54 + 24 * 3},  // odd width: rows padded to 4 bytes
        {5, 2, 8, 1078 + 8 * 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + "/" + std::to_string(c.bits));
        const BmpImage img = Pattern(c.w, c.h, c.bits);
        const std::string file = WriteBmp(img);
        ASSERT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(file.substr(0, 2), "BM");
        EXPECT_EQ(U32(file, 2), c.fileSize);
        BmpHeader h;
        ASSERT_EQ(ParseBmpHeader(file, h), BmpError::None);
        EXPECT_EQ(h.width, c.w);
        EXPECT_EQ(h.height, c.h);  // bottom-up
        EXPECT_EQ(h.bitCount, c.bits);
        EXPECT_EQ(h.planes, 1);
        EXPECT_EQ(h.infoSize, 40u);
        BmpImage back;
        ASSERT_EQ(ReadBmp(file, back), BmpError::None);
        EXPECT_EQ(back.width, c.w);
        EXPECT_EQ(back.height, c.h);
        EXPECT_EQ(back.pixels, img.pixels);
        if (c.bits == 8) {
            EXPECT_EQ(back.palette, img.palette);
        }
    }
    // The crest layout: palette at 54 (blue, green, red, 0), bottom row first at 1078.
    const std::string crest = WriteBmp(Pattern(32, 32, 8));
    EXPECT_EQ(U32(crest, 10), 1078u);
    EXPECT_EQ(uint8_t(crest[54 + 4 * 2]), 14);  // entry 2: blue = 2 * 7
    EXPECT_EQ(uint8_t(crest[54 + 4 * 2 + 2]), 2);
    EXPECT_EQ(uint8_t(crest[1078]), uint8_t(0 * 13 + 31 * 31));  // first stored pixel: x 0 of the bottom row
}

TEST(Bmp, ReadsTopDownRowsAndPixelsWithoutAnOffset) {
    const BmpImage img = Pattern(6, 4, 8);
    std::string file = WriteBmp(img);
    // Turn the rows over and say so with a negative height.
    std::string flipped = file.substr(0, 1078);
    for (int r = 3; r >= 0; --r) flipped += file.substr(1078 + r * 8, 8);
    Set32(flipped, 22, uint32_t(-4));
    Set32(flipped, 10, 0);  // no offset: the pixels follow the palette
    BmpImage back;
    ASSERT_EQ(ReadBmp(flipped, back), BmpError::None);
    EXPECT_EQ(back.pixels, img.pixels);
}

TEST(Bmp, ReaderRefusesDamagedFilesWithoutReadingPastThem) {
    const std::string good = WriteBmp(Pattern(32, 32, 8));
    auto with = [&](size_t at, uint32_t v) {
        std::string b = good;
        Set32(b, at, v);
        return b;
    };
    auto with16 = [&](size_t at, uint16_t v) {
        std::string b = good;
        b[at] = char(v);
        b[at + 1] = char(v >> 8);
        return b;
    };
    struct Case {
        const char* what;
        std::string bytes;
        BmpError header;  // ParseBmpHeader
        BmpError whole;   // ReadBmp
    } cases[] = {
        {"empty", "", BmpError::NotBitmap, BmpError::NotBitmap},
        {"header cut", good.substr(0, 53), BmpError::NotBitmap, BmpError::NotBitmap},
        {"not BM", "XM" + good.substr(2), BmpError::NotBitmap, BmpError::NotBitmap},
        {"info header of 12 bytes", with(14, 12), BmpError::NotBitmap, BmpError::NotBitmap},
        {"compressed", with(30, 1), BmpError::Compressed, BmpError::Compressed},
        {"4 bits", with16(28, 4), BmpError::UnsupportedDepth, BmpError::UnsupportedDepth},
        {"width 0", with(18, 0), BmpError::BadSize, BmpError::BadSize},
        {"negative width", with(18, uint32_t(-32)), BmpError::BadSize, BmpError::BadSize},
        {"height 0", with(22, 0), BmpError::BadSize, BmpError::BadSize},
        {"absurd height", with(22, 0x7FFFFFFF), BmpError::BadSize, BmpError::BadSize},
        {"most negative height", with(22, 0x80000000u), BmpError::BadSize, BmpError::BadSize},
        {"palette larger than the depth", with(46, 300), BmpError::None, BmpError::NotBitmap},
        {"palette cut", good.substr(0, 600), BmpError::None, BmpError::Truncated},
        {"last row cut", good.substr(0, good.size() - 1), BmpError::None, BmpError::Truncated},
        {"taller than the file", with(22, 33), BmpError::None, BmpError::Truncated},
        {"wider than the file", with(18, 33), BmpError::None, BmpError::Truncated},
        {"pixels beyond the end", with(10, 0xFFFFFFF0u), BmpError::None, BmpError::Truncated},
        {"pixels inside the headers", with(10, 20), BmpError::None, BmpError::NotBitmap},
        {"info header beyond the end", with(14, 0xFFFFFFF0u), BmpError::None, BmpError::Truncated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BmpHeader h;
        EXPECT_EQ(ParseBmpHeader(c.bytes, h), c.header);
        BmpImage img;
        EXPECT_EQ(ReadBmp(c.bytes, img), c.whole);
        if (c.whole != BmpError::None) {
            EXPECT_TRUE(img.pixels.empty());
        }
    }
}

TEST(Bmp, IndexedPictureKeepsFixedEntriesAndExactColoursWhileTheyFit) {
    BmpImage rgb = BmpImage::Blank(20, 20, 24);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            uint8_t* p = &rgb.At(x, y);
            p[0] = uint8_t(x * 10);
            p[1] = uint8_t(y * 10);
            p[2] = (x + y) % 2 ? 255 : 0;  // 800 colours would be needed; 400 are used
        }
    const PaletteSlot fixed[] = {{0, {4, 2, 2}}, {40, {127, 16, 9}}, {1, {255, 255, 255}}};
    const BmpImage few = ToIndexed8(Pattern(4, 4, 24), fixed);
    EXPECT_EQ(few.palette[40], (BmpColour{127, 16, 9}));
    EXPECT_EQ(few.palette[0], (BmpColour{4, 2, 2}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(few.Rgb(x, y), Pattern(4, 4, 24).Rgb(x, y));  // exact

    // More colours than entries: reduced, every pixel near its colour, fixed entries kept.
    const BmpImage many = ToIndexed8(rgb, fixed);
    EXPECT_EQ(many.palette[1], (BmpColour{255, 255, 255}));
    int worst = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const BmpColour a = rgb.Rgb(x, y), b = many.Rgb(x, y);
            worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        }
    EXPECT_LE(worst, 40);
    EXPECT_EQ(WriteBmp(many), WriteBmp(ToIndexed8(rgb, fixed)));  // deterministic
}
