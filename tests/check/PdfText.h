#pragma once
// Reads back the texts of a PDF as PdfWriter writes it: follows the cross-
// reference table to the page tree, each page to its content stream, and
// takes every text operation with its font, size and position (points from
// the bottom left corner). Fails the current test on a broken structure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace v3test {

struct PdfText {
    std::string font;  // "F1" or "F2"
    double size = 0, x = 0, y = 0;
    std::string text;  // the string's bytes (code page 1252)
};

inline std::string PdfUnescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            out += s[i];
        } else if (s[i + 1] >= '0' && s[i + 1] <= '7') {
            out += char(std::strtol(s.substr(i + 1, 3).c_str(), nullptr, 8));
            i += 3;
        } else {
            out += s[++i];
        }
    }
    return out;
}

inline std::vector<std::vector<PdfText>> PdfPages(const std::string& pdf) {
    std::vector<std::vector<PdfText>> pages;
    EXPECT_EQ(pdf.rfind("%PDF-1.", 0), 0u);
    const size_t sx = pdf.rfind("startxref\n");
    if (sx == std::string::npos) {
        ADD_FAILURE() << "no startxref";
        return pages;
    }
    const size_t xref = std::stoul(pdf.substr(sx + 10));
    EXPECT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    // Objects by number, from the offsets of the table.
    std::map<int, std::string> objects;
    std::smatch m;
    const std::string head = pdf.substr(xref);
    std::regex_search(head, m, std::regex("xref\n0 (\\d+)\n"));
    const int count = std::stoi(m[1]);
    size_t pos = xref + m.length(0) + 20;  // past entry 0
    for (int n = 1; n < count; ++n, pos += 20) {
        const size_t off = std::stoul(pdf.substr(pos, 10));
        const std::string tag = std::to_string(n) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(off, tag.size(), tag), 0) << "object " << n << " not at its offset";
        const size_t end = pdf.find("\nendobj\n", off);
        objects[n] = pdf.substr(off + tag.size(), end - off - tag.size());
    }
    auto ref = [](const std::string& body, const std::string& key) {
        std::smatch r;
        std::regex_search(body, r, std::regex(key + " (\\d+) 0 R"));
        return r.empty() ? 0 : std::stoi(r[1]);
    };
    const std::string& tree = objects[ref(objects[ref(pdf.substr(xref), "/Root")], "/Pages")];
    std::regex_search(tree, m, std::regex("/Kids \\[([^\\]]*)\\]"));
    const std::string kids = m[1];
    const std::regex kid("(\\d+) 0 R");
    const std::regex op(
        "BT /(F\\d) ([\\d.]+) Tf 1 0 0 1 (-?[\\d.]+) (-?[\\d.]+) Tm \\(((?:\\\\.|[^\\\\)])*)\\) Tj ET");
    for (auto k = std::sregex_iterator(kids.begin(), kids.end(), kid); k != std::sregex_iterator(); ++k) {
        const std::string& page = objects[std::stoi((*k)[1])];
        EXPECT_NE(page.find("/Type /Page"), std::string::npos);
        const std::string& content = objects[ref(page, "/Contents")];
        std::vector<PdfText> texts;
        for (auto t = std::sregex_iterator(content.begin(), content.end(), op); t != std::sregex_iterator(); ++t)
            texts.push_back({(*t)[1], std::stod((*t)[2]), std::stod((*t)[3]), std::stod((*t)[4]),
                             PdfUnescape((*t)[5])});
        pages.push_back(std::move(texts));
    }
    return pages;
}

}  // namespace v3test
