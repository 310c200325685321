#pragma once
// Uncompressed Windows bitmap files: 1, 8 and 24 bits per pixel, a 14-byte file
// header, a 40-byte information header, the palette and the pixel rows (bottom
// row first unless the height is negative, each row padded to 4 bytes).
// Readers check every offset against the real length of the bytes they get and
// never read past them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace v3 {

struct BmpColour {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const BmpColour&, const BmpColour&) = default;
};

inline constexpr uint16_t kBmpMagic = 19778;          // "BM" read as a little-endian 16-bit value
inline constexpr uint32_t kBmpFileHeaderSize = 14;
inline constexpr uint32_t kBmpInfoHeaderSize = 40;

// The values of both headers as stored.
struct BmpHeader {
    uint32_t fileSize = 0;
    uint32_t pixelOffset = 0;  // 0 in some files: the pixels follow the palette
    uint32_t infoSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // negative: rows stored top row first
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    uint32_t coloursUsed = 0;  // 0: the full palette of the bit depth
    uint32_t coloursImportant = 0;

    bool TopDown() const { return height < 0; }
    // |height| without overflow for the most negative height.
    uint32_t Rows() const;
    // Bytes of one stored row: width * bitCount bits rounded up to 4 bytes.
    uint64_t RowBytes() const;
    // Palette entries the file holds: coloursUsed, or 2^bitCount when that is 0
    // (0 for 24 bits).
    uint32_t PaletteEntries() const;
};

enum class BmpError {
    None,
    NotBitmap,         // shorter than both headers, no "BM", an information header under 40
                       // bytes, more palette entries than the bit depth has, or a pixel
                       // offset inside the headers
    Compressed,        // compression other than 0
    UnsupportedDepth,  // bits per pixel other than 1, 8 or 24
    BadSize,           // width or height 0, negative width, or absurdly large
    Truncated,         // palette or pixel rows reach past the end of the bytes
};

// Reads and checks both headers. Checks in this order: NotBitmap, Compressed,
// UnsupportedDepth, BadSize; the palette and pixels are not looked at.
BmpError ParseBmpHeader(std::string_view bytes, BmpHeader& out);

// A picture in memory, top row first, rows not padded.
struct BmpImage {
    int width = 0;
    int height = 0;
    uint16_t bitsPerPixel = 8;       // 1, 8 or 24
    std::vector<BmpColour> palette;  // 1 and 8 bits: the colour table (2 or 256 entries written)
    // 1 and 8 bits: one palette index per pixel; 24 bits: red, green, blue per pixel.
    std::vector<uint8_t> pixels;

    // A picture of the given size filled with index 0 (24 bits: black).
    static BmpImage Blank(int width, int height, uint16_t bitsPerPixel);
    size_t BytesPerPixel() const { return bitsPerPixel == 24 ? 3 : 1; }
    uint8_t& At(int x, int y) { return pixels[(static_cast<size_t>(y) * width + x) * BytesPerPixel()]; }
    uint8_t At(int x, int y) const { return pixels[(static_cast<size_t>(y) * width + x) * BytesPerPixel()]; }
    BmpColour Rgb(int x, int y) const;  // the pixel's colour, through the palette where there is one
};

// The whole file: both headers (no resolution, colours used = palette size), the palette
// (8 bits: always 256 entries, missing ones black; 1 bit: 2 entries) and the rows
// bottom row first. An 8-bit 32 x 32 picture gives 2102 bytes with the pixels at 1078.
// The picture must be consistent (pixels.size() = width * height * BytesPerPixel()).
std::string WriteBmp(const BmpImage& image);

// Reads a whole file of 1, 8 or 24 bits per pixel. Pixel indexes beyond the
// palette are kept as stored.
BmpError ReadBmp(std::string_view bytes, BmpImage& out);

// A palette entry that must hold a given colour (a sponsor's board colours).
struct PaletteSlot {
    int index = 0;
    BmpColour colour;
};

// Turns a 24-bit picture into an 8-bit one with a 256-entry palette. The fixed
// slots are set first; each other colour of the picture gets a free entry of its
// own while there are enough, else the colours are reduced by median cut to the
// free entries (pixels map to the nearest colour). Entries left over are filled
// with a general colour cube and greys, so a palette editor has colours to paint
// with. Deterministic.
BmpImage ToIndexed8(const BmpImage& rgb, std::span<const PaletteSlot> fixedSlots = {});

}  // namespace v3
