#include "platform/Text1252.h"

#include <stdexcept>

namespace v3 {
namespace {

// Unicode code points of the bytes 0x80..0x9F; the undefined bytes map to themselves.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char32_t(b);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i and moves i past it; false on broken input.
bool DecodeUtf8(std::string_view s, size_t& i, char32_t& c) {
    unsigned char b = s[i];
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || s.size() - i <= size_t(extra)) return false;
    static constexpr unsigned char kLead[4] = {0x7F, 0x1F, 0x0F, 0x07};
    c = b & kLead[extra];
    for (int k = 1; k <= extra; ++k) {
        unsigned char n = s[i + k];
        if ((n & 0xC0) != 0x80) return false;
        c = (c << 6) | (n & 0x3F);
    }
    static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += extra + 1;
    return true;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (unsigned char b : cp1252) AppendUtf8(out, CodePoint(b));
    return out;
}

Utf8ToCp1252Result Utf8ToCp1252(std::string_view utf8) {
    Utf8ToCp1252Result r;
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        size_t start = i;
        char32_t c = 0;
        if (!DecodeUtf8(utf8, i, c)) {
            r.badCharacter = "\xEF\xBF\xBD";  // U+FFFD stands for the broken bytes
            return r;
        }
        int byte = -1;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = int(c);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kHigh[k] == c) byte = 0x80 + k;
        }
        if (byte < 0) {
            r.badCharacter = std::string(utf8.substr(start, i - start));
            return r;
        }
        out += char(byte);
    }
    r.text = std::move(out);
    return r;
}

std::string RefusedCharacterMessage(const std::string& badCharacter) {
    return "Das Zeichen \"" + badCharacter +
           "\" kann in den Daten nicht gespeichert werden. Bitte ersetzen Sie es.";
}

std::string Cp(std::string_view utf8) {
    auto r = Utf8ToCp1252(utf8);
    if (!r.text) throw std::invalid_argument("text not representable in code page 1252");
    return *r.text;
}

}  // namespace v3
