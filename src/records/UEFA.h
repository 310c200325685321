#pragma once
// The European five-year ranking of the countries with the values kept beside it.
#include <array>
#include <cstdint>
#include <string>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CUEFA : public CV3Object {
public:
    static constexpr int kPlaetze = 37;       // ranking places
    static constexpr int kSaisons = 6;        // six years ago .. last season
    static constexpr int kBlockEintraege = 3; // entries of each value block
    static constexpr int kKurznamen = 38;

    // Ranking: the nation numbers of countries 0..36 in order; the points of
    // place i are i in every season; second block (nation of country i, 1);
    // settings 3 and 5; every short name "KRZ".
    CUEFA();

    // Nation number at ranking place 0..36 (0 / false outside).
    int Nation(int place) const;
    bool Nation(int place, int nation);
    // Points of a place in season 0 (six years ago) .. 5 (last season).
    int Points(int place, int season) const;
    bool Points(int place, int season, int v);
    // The two blocks of three value pairs (first block: a, b; second block:
    // nation number, value); index 0..2, part 0..1.
    int FirstBlock(int index, int part) const;
    bool FirstBlock(int index, int part, int v);
    int SecondBlock(int index, int part) const;
    bool SecondBlock(int index, int part, int v);
    // The two 8-bit settings, index 0..1.
    int Setting(int index) const;
    bool Setting(int index, uint8_t v);
    // Short names 0..37 (empty / false outside).
    const std::string& ShortName(int index) const;
    bool ShortName(int index, const std::string& text);

    // The "UEFA" section: per place the nation number and its six points, the
    // first block as three pairs, the second block as three pairs, the two
    // settings, the 38 short names. A missing section leaves the record
    // unchanged and gives false.
    bool SpeichernV3Localized(CV3File& file, int language);
    bool LadenV3Localized(CV3File& file, int language);
    // Reads the predecessor's ranking record: per place the nation number and
    // five seasons of points (they become the last five seasons; the oldest
    // is 0), then the 38 short names. False, unchanged, when incomplete.
    bool Laden(CV3File& file);

    bool operator==(const CUEFA& other) const;

    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    using Pair = std::array<int32_t, 2>;
    std::array<int32_t, kPlaetze> nation_{};
    std::array<std::array<int32_t, kSaisons>, kPlaetze> points_{};
    std::array<Pair, kBlockEintraege> firstBlock_{};
    std::array<Pair, kBlockEintraege> secondBlock_{};
    std::array<uint8_t, 2> settings_{3, 5};
    std::array<std::string, kKurznamen> shortNames_;
};

}  // namespace v3
