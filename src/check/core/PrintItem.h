#pragma once
// A printed page as a plain list of texts: where each stands, in which of the
// three printing fonts, and what it says. The core builds the pages (club
// sheets, the data check's list) so that their layout can be checked without
// a printer; the desktop program paints them on a printer, PdfWriter writes
// them into a PDF file.
//
// Units are 0.1 mm from the page's top left corner, y growing downward; a
// text's position is the top left corner of its character cells (or the top
// centre for a centred text).
#include <string>
#include <vector>

namespace v3 {

// The three printing fonts, all "Courier New": the number is the cell height
// (ascent plus descent) in 0.1 mm.
enum class PrintFont { Normal, Bold, Title };
inline constexpr int kPrintFontHeightNormal = 14;  // weight 400
inline constexpr int kPrintFontHeightBold = 14;    // weight 700
inline constexpr int kPrintFontHeightTitle = 36;   // weight 700
inline constexpr const char* kPrintFontFace = "Courier New";

constexpr int PrintFontHeight(PrintFont f) {
    return f == PrintFont::Title ? kPrintFontHeightTitle
           : f == PrintFont::Bold ? kPrintFontHeightBold
                                  : kPrintFontHeightNormal;
}
constexpr bool PrintFontBold(PrintFont f) { return f != PrintFont::Normal; }

// Proportions of the monospaced face (the metric-compatible face the system
// resolves "Courier New" to): cell height and ascent per em, advance per em.
inline constexpr double kPrintCellPerEm = 2320.0 / 2048.0;
inline constexpr double kPrintAscentPerEm = 1705.0 / 2048.0;
inline constexpr double kPrintAdvancePerEm = 1229.0 / 2048.0;

enum class PrintAlign { Left, Centre };

struct PrintItem {
    int x = 0;
    int y = 0;
    PrintFont font = PrintFont::Normal;
    std::string text;  // code page 1252
    PrintAlign align = PrintAlign::Left;

    friend bool operator==(const PrintItem&, const PrintItem&) = default;
};

using PrintPage = std::vector<PrintItem>;

// A4 in 0.1 mm.
inline constexpr int kA4Width = 2100;
inline constexpr int kA4Height = 2970;

}  // namespace v3
