#pragma once
// Trimming of record texts before they are written: blanks, tabs and line-end
// characters at either end are dropped; the bytes in between stay as they are.
#include <string>
#include <string_view>

namespace v3 {

inline std::string TrimWhite(std::string_view s) {
    auto white = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    size_t b = 0, e = s.size();
    while (b < e && white(s[b])) ++b;
    while (e > b && white(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace v3
