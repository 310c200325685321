#include "check/core/CheckListPages.h"

namespace v3 {

std::vector<PrintPage> CheckListPages(const std::vector<std::string>& lines, int pageWidth, int pageHeight) {
    std::vector<PrintPage> pages;
    // A line at y fits while it and the footer line below it end above the
    // bottom margin.
    const int limit = pageHeight - kCheckListMargin - 2 * kCheckListLineHeight;
    size_t i = 0;
    while (i < lines.size()) {
        PrintPage page;
        page.push_back({kCheckListMargin, kCheckListMargin, PrintFont::Title, "Gefundene doppelte Eintr\xE4ge",
                        PrintAlign::Left});
        int y = kCheckListFirstLine;
        do {
            // Lines of at most two characters are the separators of the pairs.
            if (lines[i].size() > 2) page.push_back({kCheckListMargin, y, PrintFont::Normal, lines[i], PrintAlign::Left});
            y += kCheckListLineHeight;
            ++i;
        } while (i < lines.size() && y <= limit);
        page.push_back({pageWidth / 2, y, PrintFont::Normal, "Seite " + std::to_string(pages.size() + 1),
                        PrintAlign::Centre});
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace v3
