#pragma once
// Fictitious but natural names for the demo installation: persons, towns and
// clubs, fan groups, stadiums, companies, kit suppliers, media and cups, each in
// the language of its country (country index 0..36; 37, the bonus slot, takes a
// neutral mix). Everything is drawn from word and syllable tables with the
// random source given, so the same seed gives the same names. Results are code
// page 1252 bytes.
#include <string>

#include "platform/Random.h"

namespace v3::demo {

struct ClubName {
    std::string name;       // 3..19 characters, "FC Lindenbrück", "Harwick Rovers"
    std::string shortCode;  // 3 capital letters A..Z, "LIN"
    std::string town;       // the town the club is named after
};

class DemoNames {
public:
    static constexpr size_t kMaxFirstName = 13;
    static constexpr size_t kMaxLastName = 16;
    static constexpr size_t kMinClubName = 3;
    static constexpr size_t kMaxClubName = 19;
    static constexpr size_t kMaxFanGroup = 49;
    static constexpr size_t kMaxKitSupplier = 20;

    // The random source must outlive this object.
    explicit DemoNames(IRandom& random) : random_(random) {}

    std::string FirstName(int land);   // at most 13 characters
    std::string LastName(int land);    // at most 16 characters
    std::string Town(int land);        // at most 15 characters
    ClubName Club(int land);
    std::string FanGroup(int land, const ClubName& club);  // at most 49 characters
    std::string Stadium(int land, const std::string& town);  // at most 30 characters
    std::string Company(int land);       // sponsors, at most 30 characters
    std::string KitSupplier();           // at most 20 characters, language-neutral brand names
    std::string Newspaper(int land);     // at most 30 characters
    std::string Broadcaster(int land);   // at most 20 characters
    std::string Cup(int land);           // the national cup, at most 20 characters

private:
    int Pick(size_t n);  // 0..n-1
    IRandom& random_;
};

}  // namespace v3::demo
