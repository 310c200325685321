#include "check/core/PdfWriter.h"

#include <cstdio>

#include "platform/FileOps.h"

namespace v3 {
namespace {

constexpr double kPointsPerUnit = 72.0 / 254.0;  // 0.1 mm in points

std::string Num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

// A PDF literal string; everything outside printable ASCII as an octal escape.
std::string Literal(const std::string& text) {
    std::string out = "(";
    for (unsigned char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", unsigned(c));
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + ")";
}

std::string Content(const PrintPage& page, int pageHeight) {
    std::string s;
    for (const PrintItem& item : page) {
        const double em = PrintFontHeight(item.font) / kPrintCellPerEm;
        double x = item.x;
        if (item.align == PrintAlign::Centre) x -= double(item.text.size()) * em * 0.6 / 2;
        const double baseline = item.y + em * kPrintAscentPerEm;
        s += "BT /";
        s += PrintFontBold(item.font) ? "F2 " : "F1 ";
        s += Num(em * kPointsPerUnit) + " Tf 1 0 0 1 " + Num(x * kPointsPerUnit) + " " +
             Num((pageHeight - baseline) * kPointsPerUnit) + " Tm " + Literal(item.text) + " Tj ET\n";
    }
    return s;
}

}  // namespace

std::string PdfDocument(const std::vector<PrintPage>& pages, int pageWidth, int pageHeight) {
    std::string doc = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> offsets;  // of objects 1..n
    auto object = [&](const std::string& body) {
        offsets.push_back(doc.size());
        doc += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    // 1 catalogue, 2 page tree, 3 and 4 the fonts, then page and content per page.
    const size_t n = pages.size();
    std::string kids;
    for (size_t i = 0; i < n; ++i) kids += std::to_string(5 + 2 * i) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(n) + " /MediaBox [0 0 " +
           Num(pageWidth * kPointsPerUnit) + " " + Num(pageHeight * kPointsPerUnit) +
           "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Courier-Bold /Encoding /WinAnsiEncoding >>");
    for (size_t i = 0; i < n; ++i) {
        object("<< /Type /Page /Parent 2 0 R /Contents " + std::to_string(6 + 2 * i) + " 0 R >>");
        const std::string content = Content(pages[i], pageHeight);
        object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    }
    const size_t xref = doc.size();
    doc += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t off : offsets) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%010zu 00000 n \n", off);
        doc += buf;
    }
    doc += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return doc;
}

bool WritePdf(const std::filesystem::path& path, const std::vector<PrintPage>& pages, std::string* error,
              int pageWidth, int pageHeight) {
    return WriteWholeFile(path, PdfDocument(pages, pageWidth, pageHeight), error);
}

}  // namespace v3
