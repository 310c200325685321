#pragma once
// The printed pages of the data check's result list: the heading "Gefundene
// doppelte Einträge", the lines one line height apart (the blank separators
// keep their place but are not printed) and the footer "Seite n" one line
// below the last line of each page, centred across the page.
#include <string>
#include <vector>

#include "check/core/PrintItem.h"

namespace v3 {

// Pages for lines (code page 1252) on paper of the given size (0.1 mm). A
// page holds at least one line, whatever the paper.
std::vector<PrintPage> CheckListPages(const std::vector<std::string>& lines, int pageWidth, int pageHeight);

inline constexpr int kCheckListMargin = 50;
inline constexpr int kCheckListLineHeight = kPrintFontHeightNormal;
// First line: below the heading at twice its height.
inline constexpr int kCheckListFirstLine = kCheckListMargin + 2 * kPrintFontHeightTitle;

}  // namespace v3
