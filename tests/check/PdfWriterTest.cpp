// The PDF writer: a valid structure, the texts byte for byte with their fonts
// and places, and the file written as a whole.
#include "check/core/PdfWriter.h"

#include <gtest/gtest.h>

#include "PdfText.h"
#include "TestUtil.h"

using namespace v3;

namespace {

constexpr double kPt = 72.0 / 254.0;

TEST(PdfWriter, PagesCarryTheirTextsWithFontAndPlace) {
    const std::vector<PrintPage> pages = {
        {{80, 54, PrintFont::Title, "FC (Alpha) \\ M\xFCnchen", PrintAlign::Left},
         {205, 118, PrintFont::Normal, "Kurz", PrintAlign::Left}},
        {{1000, 200, PrintFont::Bold, "Seite 2", PrintAlign::Centre}},
        {},
    };
    const std::string pdf = PdfDocument(pages);
    EXPECT_EQ(pdf.find("M\xFC"), std::string::npos) << "bytes above 127 go in as escapes";
    const auto read = v3test::PdfPages(pdf);
    ASSERT_EQ(read.size(), 3u);
    ASSERT_EQ(read[0].size(), 2u);
    const v3test::PdfText& title = read[0][0];
    EXPECT_EQ(title.text, "FC (Alpha) \\ M\xFCnchen");
    EXPECT_EQ(title.font, "F2");
    const double em = 36 / kPrintCellPerEm;
    EXPECT_NEAR(title.size, em * kPt, 0.01);
    EXPECT_NEAR(title.x, 80 * kPt, 0.01);
    // The item's y is the top of its cells; the PDF places the baseline.
    EXPECT_NEAR(title.y, (kA4Height - 54 - em * kPrintAscentPerEm) * kPt, 0.01);
    EXPECT_EQ(read[0][1].font, "F1");
    // A centred text starts half its width left of its place.
    const v3test::PdfText& footer = read[1][0];
    EXPECT_NEAR(footer.x, (1000 - 7 * 0.6 * 14 / kPrintCellPerEm / 2) * kPt, 0.01);
    EXPECT_TRUE(read[2].empty());
    EXPECT_NE(pdf.find("/MediaBox [0 0 595.28 841.89]"), std::string::npos);
}

TEST(PdfWriter, WritesTheWholeFileOrReportsWhy) {
    v3test::TempDir dir;
    const std::vector<PrintPage> pages = {{{10, 10, PrintFont::Normal, "x", PrintAlign::Left}}};
    std::string error;
    ASSERT_TRUE(WritePdf(dir.File("a.pdf"), pages, &error)) << error;
    EXPECT_EQ(v3test::ReadBytes(dir.path() / "a.pdf"), PdfDocument(pages));
    EXPECT_FALSE(WritePdf(dir.path() / "missing" / "a.pdf", pages, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
