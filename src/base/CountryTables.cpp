#include "base/CountryTables.h"

#include "base/AppState.h"

namespace v3 {
namespace {

constexpr int kFixedRows = 12;  // countries 0..10, then the row shared by 11 and above

//                                       clubs amat youth coach gk  mgr  ref spons celeb rep crit
constexpr std::array<CountryCounts, kFixedRows> kFixed = {{
    {108, 40, 1000, 60, 20, 40, 40, 40, 20, 3, 3},  // 0
    {99, 40, 1000, 60, 20, 40, 60, 40, 20, 3, 3},   // 1
    {46, 40, 600, 60, 20, 40, 40, 40, 20, 3, 3},    // 2
    {44, 40, 600, 60, 20, 20, 40, 40, 20, 3, 3},    // 3
    {50, 40, 600, 60, 20, 20, 40, 40, 20, 3, 3},    // 4
    {26, 40, 400, 40, 20, 20, 40, 40, 20, 3, 3},    // 5
    {26, 40, 400, 40, 20, 20, 40, 40, 20, 3, 3},    // 6
    {26, 40, 400, 40, 20, 20, 40, 40, 20, 3, 3},    // 7
    {18, 40, 300, 40, 20, 20, 40, 40, 20, 3, 3},    // 8
    {18, 40, 300, 40, 20, 20, 40, 40, 20, 3, 3},    // 9
    {18, 40, 300, 40, 20, 20, 40, 40, 20, 3, 3},    // 10
    {8, 1, 300, 40, 20, 20, 40, 40, 20, 0, 0},      // 11 and above
}};

constexpr std::array<int, 12> kSponsorPictureOrder = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 7, 37};

}  // namespace

CountryCounts FixedCountryCounts(int land) {
    if (land < 0 || land >= kFixedRows) land = kFixedRows - 1;
    return kFixed[land];
}

int SponsorPictureNumber(int land, int position) {
    const AppState& s = App();
    auto sponsors = [&s](int l) { return l >= 0 && l < kLaenderSlots ? s.countryCounts[l].sponsors : 0; };
    int first = 1;
    for (int l : kSponsorPictureOrder) {
        if (l == land) return first + position;
        first += sponsors(l);
    }
    return first + position;
}

}  // namespace v3
