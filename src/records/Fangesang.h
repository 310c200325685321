#pragma once
// A fan chant: a text the fans sing, for one club or all, against one
// opponent or all, possibly about one player.
#include "records/FanChant.h"

namespace v3 {

class CFangesang : public FanChant {
public:
    // Empty texts, nation number 0, club and opponent -1 ("Alle"), kind and frequency 0.
    CFangesang() : FanChant(-1, -1) {}

    // The eight values at the current place; only the text is trimmed first.
    bool SpeichernV3Localized(CV3File& file, int) { return Write(file, true); }
};

}  // namespace v3
