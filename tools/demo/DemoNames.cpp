#include "DemoNames.h"

#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Text1252.h"

namespace v3::demo {
namespace {

struct Lang {
    std::vector<const char*> first;
    std::vector<const char*> last;      // whole last names
    std::vector<const char*> lastStem;  // last names built from a stem and an ending
    std::vector<const char*> lastEnd;
    std::vector<const char*> townStem;
    std::vector<const char*> townEnd;
    std::vector<const char*> club;
    std::vector<const char*> fan;
    std::vector<const char*> stadium;
    std::vector<const char*> company;
    std::vector<const char*> paper;
    std::vector<const char*> radio;
    std::vector<const char*> cup;
};

#include "DemoNamesTables.inc"

// The languages of each country with their weights (in percent).
struct LangShare {
    const Lang* lang;
    int weight;
};
std::vector<LangShare> LanguagesOf(int land) {
    switch (land) {
    case 0: return {{&kDeutsch, 100}};
    case 1: return {{&kEnglisch, 100}};
    case 2: return {{&kFranzoesisch, 100}};
    case 3: return {{&kItalienisch, 100}};
    case 4: return {{&kSpanisch, 100}};
    case 5: return {{&kPortugiesisch, 100}};
    case 6: return {{&kNiederlaendisch, 100}};
    case 7: return {{&kTuerkisch, 100}};
    case 8: return {{&kOesterreich, 100}};
    case 9: return {{&kSchottisch, 100}};
    case 10: return {{&kDeutsch, 65}, {&kFranzoesisch, 25}, {&kItalienisch, 10}};
    case 11: return {{&kNiederlaendisch, 55}, {&kFranzoesisch, 45}};
    case 12: return {{&kRussisch, 100}};
    case 13: return {{&kRumaenisch, 100}};
    case 14: return {{&kGriechisch, 100}};
    case 15: return {{&kDaenisch, 100}};
    case 16: return {{&kSchwedisch, 100}};
    case 17: return {{&kPolnisch, 100}};
    case 18: return {{&kBulgarisch, 100}};
    case 19: return {{&kUngarisch, 100}};
    case 20: return {{&kFinnisch, 100}};
    case 21: return {{&kHebraeisch, 100}};
    case 22: return {{&kIslaendisch, 100}};
    case 23: return {{&kNorwegisch, 100}};
    case 24: return {{&kKroatisch, 100}};
    case 25: return {{&kGriechisch, 100}};
    case 26: return {{&kUkrainisch, 100}};
    case 27: return {{&kEnglisch, 55}, {&kIrisch, 30}, {&kSchottisch, 15}};
    case 28: return {{&kMaltesisch, 100}};
    case 29: return {{&kIrisch, 100}};
    case 30: return {{&kLuxemburgisch, 100}};
    case 31: return {{&kSlowakisch, 100}};
    case 32: return {{&kSlowenisch, 100}};
    case 33: return {{&kTschechisch, 100}};
    case 34: return {{&kWalisisch, 100}};
    case 35: return {{&kBosnisch, 100}};
    case 36: return {{&kSerbisch, 100}};
    default: break;
    }
    // The bonus slot and anything else: a neutral mix of the large languages.
    return {{&kEnglisch, 25}, {&kDeutsch, 20}, {&kSpanisch, 20}, {&kItalienisch, 15}, {&kFranzoesisch, 10},
            {&kNiederlaendisch, 10}};
}

// Letters the tables may use that code page 1252 lacks, with the plain letters
// that the game's texts write in their place.
constexpr std::pair<std::string_view, std::string_view> kFold[] = {
    {"č", "c"}, {"ć", "c"}, {"Č", "C"}, {"Ć", "C"}, {"đ", "d"}, {"Đ", "D"}, {"ő", "ö"}, {"Ő", "Ö"},
    {"ű", "ü"}, {"Ű", "Ü"}, {"ł", "l"}, {"Ł", "L"}, {"ş", "s"}, {"Ş", "S"}, {"ğ", "g"}, {"ı", "i"},
    {"İ", "I"}, {"ť", "t"}, {"ň", "n"}, {"ľ", "l"}, {"Ľ", "L"}, {"ř", "r"}, {"ě", "e"}, {"ů", "u"},
    {"ș", "s"}, {"ț", "t"}, {"ă", "a"}, {"ą", "a"}, {"ę", "e"}, {"ś", "s"}, {"ń", "n"}, {"ż", "z"},
    {"ź", "z"}, {"Ď", "D"}, {"ď", "d"}, {"Ň", "N"}, {"Ř", "R"}, {"Ť", "T"}, {"ŵ", "w"}, {"ŷ", "y"}, {"ħ", "h"}, {"ġ", "g"}, {"ċ", "c"},
};

// UTF-8 table text -> code page 1252, folding the letters the code page lacks.
std::string To1252(std::string_view utf8) {
    std::string folded;
    for (size_t i = 0; i < utf8.size();) {
        bool hit = false;
        // Every folded letter is a multi-byte sequence; ASCII stands for itself.
        for (const auto& [from, to] : kFold) {
            if (static_cast<unsigned char>(utf8[i]) < 0x80) break;
            if (utf8.substr(i, from.size()) == from) {
                folded += to;
                i += from.size();
                hit = true;
                break;
            }
        }
        if (!hit) folded += utf8[i++];
    }
    return Cp(folded);
}

void ReplaceAll(std::string& s, std::string_view what, const std::string& with) {
    for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + with.size()))
        s.replace(at, what.size(), with);
}

// Brand words: two or three syllables with an ending, "Norvia", "Veltrix".
constexpr const char* kBrandStart[] = {"Ar", "Bel", "Cor", "Dar", "El", "Fal", "Gal", "Hel", "Ist", "Kal",
                                       "Lum", "Mer", "Nor", "Or", "Pal", "Quin", "Ros", "Sol", "Tor", "Ul",
                                       "Val", "Ves", "Zan", "Kor", "Nex", "Vir", "Sel", "Tam", "Bran", "Cal"};
constexpr const char* kBrandMiddle[] = {"a", "e", "i", "o", "u", "ia", "io", "ea", "ar", "en", "ol", "is"};
constexpr const char* kBrandEnd[] = {"x", "tec", "com", "nova", "lux", "tron", "via", "mar", "dis", "on",
                                     "ar", "ix", "gen", "tis", "ra", "sys", "line", "net", "plan", "ka"};
constexpr const char* kKitSuffix[] = {"", "", "", " Sport", " Sports", " Athletic", " Pro", " Teamwear", " Active"};

char AsciiCapital(unsigned char c) {
    // Code page 1252 letters with accents, folded to their plain letter.
    static const std::string_view from = "\xC0\xC1\xC2\xC3\xC4\xC5\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD1\xD2\xD3"
                                         "\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\x8A\x8E\xDE\xD0";
    static const std::string_view to = "AAAAAACEEEEIIIINOOOOOOUUUUYSZTD";
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c);
    if (c >= 0xE0 && c != 0xF7) c = static_cast<unsigned char>(c - 0x20);  // lower -> upper in Latin-1
    if (c == 0x9A) c = 0x8A;
    if (c == 0x9E) c = 0x8E;
    if (auto at = from.find(static_cast<char>(c)); at != std::string_view::npos) return to[at];
    return 0;
}

}  // namespace

int DemoNames::Pick(size_t n) { return n == 0 ? 0 : static_cast<int>(static_cast<size_t>(random_.Rand()) % n); }

namespace {

const Lang& ChooseLang(int land, int roll100) {
    const auto shares = LanguagesOf(land);
    int acc = 0;
    for (const auto& s : shares) {
        acc += s.weight;
        if (roll100 < acc) return *s.lang;
    }
    return *shares.back().lang;
}

template <typename PickFn>
const char* From(const std::vector<const char*>& v, PickFn&& pick) {
    if (v.empty()) throw std::logic_error("demo names: empty word table");
    return v[static_cast<size_t>(pick(v.size()))];
}

}  // namespace

std::string DemoNames::FirstName(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.first, [&](size_t n) { return Pick(n); }));
        if (s.size() <= kMaxFirstName) return s;
        if (attempt > 50) return s.substr(0, kMaxFirstName);
    }
}

std::string DemoNames::LastName(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s;
        const bool built = !l.lastStem.empty() && (l.last.empty() || Pick(100) < 45);
        if (built) {
            s = To1252(std::string(From(l.lastStem, [&](size_t n) { return Pick(n); })) +
                       From(l.lastEnd, [&](size_t n) { return Pick(n); }));
        } else {
            s = To1252(From(l.last, [&](size_t n) { return Pick(n); }));
        }
        if (s.size() <= kMaxLastName && s.size() >= 3) return s;
        if (attempt > 50) return s.substr(0, kMaxLastName);
    }
}

std::string DemoNames::Town(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    // Code page 1252 capitals: A..Z, À..Þ without ×, Š, Œ, Ž, Ÿ.
    auto capital = [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C ||
               c == 0x8E || c == 0x9F;
    };
    for (int attempt = 0;; ++attempt) {
        const std::string stem = To1252(From(l.townStem, [&](size_t n) { return Pick(n); }));
        std::string end = To1252(From(l.townEnd, [&](size_t n) { return Pick(n); }));
        // A stem that ends a word ("San ", "Saint-") takes an ending that starts
        // one; a stem inside a word takes an ending in lower case. The last
        // attempts take any ending and set its case.
        const bool wordEnds = !stem.empty() && (stem.back() == ' ' || stem.back() == '-');
        if (!end.empty() && wordEnds != capital(end[0])) {
            if (attempt < 30) continue;
            if (wordEnds && end[0] >= 'a' && end[0] <= 'z') end[0] = static_cast<char>(end[0] - 'a' + 'A');
        }
        std::string joined = stem + end;
        // No letter three times in a row where stem and ending meet ("Brønnnes").
        for (size_t i = 2; i < joined.size(); ++i)
            if (joined[i] == joined[i - 1] && joined[i] == joined[i - 2]) joined.erase(i--, 1);
        if (joined.size() >= 3 && joined.size() <= 15 && joined.back() != ' ' && joined.back() != '-') return joined;
        if (attempt > 60) return stem.substr(0, 15);
    }
}

ClubName DemoNames::Club(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    ClubName c;
    for (int attempt = 0;; ++attempt) {
        c.town = Town(land);
        std::string name = To1252(From(l.club, [&](size_t n) { return Pick(n); }));
        ReplaceAll(name, "%T", c.town);
        if (name.size() >= kMinClubName && name.size() <= kMaxClubName) {
            c.name = name;
            break;
        }
        if (attempt > 50) {
            c.name = c.town.substr(0, kMaxClubName);
            break;
        }
    }
    for (char ch : c.town) {
        if (c.shortCode.size() == 3) break;
        if (char a = AsciiCapital(static_cast<unsigned char>(ch))) c.shortCode += a;
    }
    while (c.shortCode.size() < 3) c.shortCode += 'X';
    return c;
}

std::string DemoNames::FanGroup(int land, const ClubName& club) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.fan, [&](size_t n) { return Pick(n); }));
        ReplaceAll(s, "%T", club.town);
        ReplaceAll(s, "%C", club.name);
        if (s.size() <= kMaxFanGroup) return s;
        if (attempt > 50) return s.substr(0, kMaxFanGroup);
    }
}

std::string DemoNames::Stadium(int land, const std::string& town) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.stadium, [&](size_t n) { return Pick(n); }));
        ReplaceAll(s, "%T", town);
        if (s.find("%L") != std::string::npos) ReplaceAll(s, "%L", LastName(land));
        if (s.size() <= 30) return s;
        if (attempt > 50) return s.substr(0, 30);
    }
}

std::string DemoNames::Company(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.company, [&](size_t n) { return Pick(n); }));
        if (s.find("%T") != std::string::npos) ReplaceAll(s, "%T", Town(land));
        if (s.find("%L") != std::string::npos) ReplaceAll(s, "%L", LastName(land));
        if (s.find("%B") != std::string::npos) {
            std::string brand = std::string(kBrandStart[Pick(std::size(kBrandStart))]) +
                                kBrandMiddle[Pick(std::size(kBrandMiddle))] + kBrandEnd[Pick(std::size(kBrandEnd))];
            ReplaceAll(s, "%B", brand);
        }
        if (s.size() <= 30) return s;
        if (attempt > 50) return s.substr(0, 30);
    }
}

std::string DemoNames::KitSupplier() {
    for (;;) {
        std::string s = std::string(kBrandStart[Pick(std::size(kBrandStart))]) +
                        kBrandEnd[Pick(std::size(kBrandEnd))] + kKitSuffix[Pick(std::size(kKitSuffix))];
        if (s.size() <= kMaxKitSupplier) return s;
    }
}

std::string DemoNames::Newspaper(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.paper, [&](size_t n) { return Pick(n); }));
        if (s.find("%T") != std::string::npos) ReplaceAll(s, "%T", Town(land));
        if (s.size() <= 30) return s;
        if (attempt > 50) return s.substr(0, 30);
    }
}

std::string DemoNames::Broadcaster(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.radio, [&](size_t n) { return Pick(n); }));
        if (s.find("%T") != std::string::npos) ReplaceAll(s, "%T", Town(land));
        if (s.size() <= 20) return s;
        if (attempt > 50) return s.substr(0, 20);
    }
}

std::string DemoNames::Cup(int land) {
    const Lang& l = ChooseLang(land, Pick(100));
    for (int attempt = 0;; ++attempt) {
        std::string s = To1252(From(l.cup, [&](size_t n) { return Pick(n); }));
        if (s.size() <= 20) return s;
        if (attempt > 50) return s.substr(0, 20);
    }
}

}  // namespace v3::demo
