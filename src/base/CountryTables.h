#pragma once
// How many records of each kind a country holds: clubs, amateur clubs and the
// pools of people. The fixed values by country index are kept here; the state
// (App().countryCounts) holds the copy in use, whose bonus slot follows the
// bonus country.
#include <array>

namespace v3 {

struct CountryCounts {
    int clubs = 0;
    int amateurClubs = 0;
    int youthPlayers = 0;
    int coaches = 0;
    int goalkeeperCoaches = 0;
    int managers = 0;
    int referees = 0;
    int sponsors = 0;
    int celebrities = 0;
    int reporters = 0;
    int critics = 0;

    friend bool operator==(const CountryCounts&, const CountryCounts&) = default;
};

// League sizes kept per country (the leagues of a country, an extra league and one spare).
inline constexpr int kLeagueSizeSlots = 7;

// The fixed counts of country index land: 0..10 each their own, every index from
// 11 on (and any index outside the table) the value of 11.
CountryCounts FixedCountryCounts(int land);

// Number of the perimeter-board picture ("kom<n>.bmp") of the sponsor at list
// position `position` (0-based) of country `land`: the countries' pictures are
// numbered in the order 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 7, 37 by the sponsor
// counts of App().countryCounts; a country not in that order comes after all
// twelve.
int SponsorPictureNumber(int land, int position);

}  // namespace v3
