#include "records/Liga.h"

#include <utility>

#include "base/AppState.h"
#include "records/ReadCount.h"
#include "records/RecordText.h"
#include "records/V3File.h"

namespace v3 {
namespace {

using Pairing = std::pair<int, int>;  // home, away (1-based positions)
using MatchDay = std::vector<Pairing>;

// The first match day of the standard lists; sizes not listed start with
// 1-2, 3-4, 5-6, ...
MatchDay FirstMatchDay(int size) {
    switch (size) {
    case 12:
        return {{9, 10}, {11, 2}, {3, 5}, {6, 7}, {8, 12}, {1, 4}};
    case 18:
        return {{8, 1}, {3, 9}, {18, 13}, {5, 17}, {7, 12}, {14, 10}, {2, 16}, {6, 4}, {11, 15}};
    case 24: {
        MatchDay day{{24, 1}};
        for (int k = 1; k < 12; ++k) day.push_back({2 * k, 2 * k + 1});
        return day;
    }
    default: {
        MatchDay day;
        for (int k = 0; k < size / 2; ++k) day.push_back({2 * k + 1, 2 * k + 2});
        return day;
    }
    }
}

// The first half of the season for ten clubs, as the game has always played it.
const int kErsteHaelfte10[9][10] = {
    {7, 9, 3, 2, 10, 4, 6, 8, 5, 1},  {8, 10, 4, 3, 9, 5, 1, 6, 2, 7},
    {8, 1, 7, 4, 10, 3, 6, 9, 5, 2},  {4, 5, 9, 8, 3, 7, 1, 10, 2, 6},
    {8, 2, 1, 9, 10, 7, 6, 4, 5, 3},  {4, 8, 7, 5, 9, 10, 3, 6, 2, 1},
    {8, 3, 9, 2, 1, 4, 10, 5, 6, 7},  {4, 9, 7, 8, 3, 1, 2, 10, 5, 6},
    {8, 5, 9, 3, 1, 7, 2, 4, 6, 10},
};

// First half of a season by the circle method: one club stays in place while
// the others rotate, so that every pair meets exactly once in size - 1 match
// days. Home and away alternate with the distance from the fixed club, which
// keeps each club's home and away games close to alternating. The labels are
// then renamed so that the first match day is exactly FirstMatchDay(size).
std::vector<MatchDay> CircleFirstHalf(int size) {
    const int m = size - 1;
    std::vector<MatchDay> rounds;
    for (int r = 0; r < m; ++r) {
        MatchDay day;
        day.push_back(r % 2 == 0 ? Pairing{r, m} : Pairing{m, r});
        for (int i = 1; i < size / 2; ++i) {
            const int a = (r + i) % m;
            const int b = (r - i + m) % m;
            day.push_back(i % 2 == 1 ? Pairing{a, b} : Pairing{b, a});
        }
        rounds.push_back(std::move(day));
    }
    const MatchDay first = FirstMatchDay(size);
    std::vector<int> label(size, 0);
    for (int k = 0; k < size / 2; ++k) {
        label[rounds[0][k].first] = first[k].first;
        label[rounds[0][k].second] = first[k].second;
    }
    for (MatchDay& day : rounds)
        for (Pairing& p : day) p = {label[p.first], label[p.second]};
    return rounds;
}

bool HasStandardList(int size) { return size >= 10 && size <= 24 && size % 2 == 0; }

}  // namespace

std::vector<uint32_t> DefaultSpielplanTabelle(int size) {
    if (!HasStandardList(size)) return {};
    std::vector<MatchDay> firstHalf;
    if (size == 10) {
        for (const auto& row : kErsteHaelfte10) {
            MatchDay day;
            for (int k = 0; k < 5; ++k) day.push_back({row[2 * k], row[2 * k + 1]});
            firstHalf.push_back(std::move(day));
        }
    } else {
        firstHalf = CircleFirstHalf(size);
    }
    // Second half: the first half again with home and away swapped. For ten
    // clubs the last match day of the first half is repeated first.
    std::vector<int> order;
    if (size == 10) order.push_back(8);
    for (int d = 0; d < size - 1; ++d)
        if (size != 10 || d != 8) order.push_back(d);

    std::vector<uint32_t> table;
    table.reserve(size_t(size / 2) * size_t(2 * size - 2));
    auto put = [&table](int home, int away) { table.push_back(uint32_t(home) | (uint32_t(away) << 16)); };
    for (const MatchDay& day : firstHalf)
        for (const Pairing& p : day) put(p.first, p.second);
    for (int d : order)
        for (const Pairing& p : firstHalf[d]) put(p.second, p.first);
    return table;
}

CLiga::CLiga() : CV3Object("CLiga") {}

bool CLiga::Name(const std::string& text) {
    return !text.empty() && SetRecordText(name_, text);
}

bool CLiga::Kuerzel(const std::string& text) {
    return !text.empty() && SetRecordText(kuerzel_, text);
}

bool CLiga::Size(int n) {
    if (n < 0 || n > kMaxLigaGroesse) return false;
    size_ = n;
    return true;
}

int CLiga::ClubNumber(int index) const {
    return index >= 0 && index < kMaxLigaGroesse ? clubs_[index] : 0;
}

bool CLiga::ClubNumber(int index, int vereinsNummer) {
    if (index < 0 || index >= kMaxLigaGroesse) return false;
    clubs_[index] = vereinsNummer;
    return true;
}

int CLiga::Fixture(int row, int entry) const {
    if (row < 0 || row >= kMaxSpieltage || entry < 0 || entry >= kMaxLigaGroesse) return 0;
    return spielplan_[row][entry];
}

bool CLiga::Fixture(int row, int entry, int position) {
    if (row < 0 || row >= kMaxSpieltage || entry < 0 || entry >= kMaxLigaGroesse) return false;
    spielplan_[row][entry] = position;
    return true;
}

bool CLiga::CreateDefaultSpielplan() {
    const int spieltage = GetSpielTage();
    if (spieltage < 1) return true;
    const std::vector<uint32_t> table = DefaultSpielplanTabelle(size_);
    if (table.empty()) {
        App().ui->MessageBox(
            "Achtung! für diese Ligagröße existiert noch kein Spielplan! Bitte weiterleiten.", "Achtung!",
            MsgButtons::Ok, MsgIcon::Warning);
        for (int d = 0; d < spieltage; ++d)
            for (int e = 0; e < size_; ++e) spielplan_[d][e] = e + 1;
        return false;
    }
    const int perDay = GetBegegnungenProSpielTag();
    for (int d = 0; d < spieltage; ++d) {
        for (int k = 0; k < perDay; ++k) {
            const uint32_t v = table[size_t(d) * size_t(perDay) + size_t(k)];
            spielplan_[d][2 * k] = int32_t(v & 0xFFFFu);
            spielplan_[d][2 * k + 1] = int32_t(v >> 16);
        }
    }
    return true;
}

bool CLiga::WriteValues(CV3File& file) const {
    bool ok = file.PutStr(name_);
    ok = file.PutStr(kuerzel_) && ok;
    ok = file.PutInt(size_) && ok;
    for (int i = 0; i < size_; ++i) ok = file.PutInt(clubs_[i]) && ok;
    for (int d = 0; d < GetSpielTage(); ++d)
        for (int e = 0; e < size_; ++e) ok = file.PutInt(spielplan_[d][e]) && ok;
    return ok;
}

bool CLiga::ReadValues(CV3File& file) {
    // Read into a copy so that a refused size leaves this league as it was.
    CLiga read(*this);
    file.GetStr(read.name_);
    file.GetStr(read.kuerzel_);
    int size = 0;
    if (!ReadCount(file, size, 0, kMaxLigaGroesse, "LIGA")) return false;
    read.size_ = size;
    for (int i = 0; i < size; ++i) file.GetInt(read.clubs_[i]);
    for (int d = 0; d < read.GetSpielTage(); ++d)
        for (int e = 0; e < size; ++e) file.GetInt(read.spielplan_[d][e]);
    *this = read;
    return true;
}

bool CLiga::SpeichernV3Localized(CV3File& file, int) {
    if (!file.NewSection("LIGA")) return false;
    const bool ok = WriteValues(file);
    return file.EndSection(1) && ok;
}

bool CLiga::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("LIGA")) return false;
    const bool ok = ReadValues(file);
    file.EndSection(1);
    return ok;
}

bool CLiga::operator==(const CLiga& o) const {
    return name_ == o.name_ && kuerzel_ == o.kuerzel_ && size_ == o.size_ && clubs_ == o.clubs_ &&
           spielplan_ == o.spielplan_;
}

}  // namespace v3
