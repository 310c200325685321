#pragma once
// An own chant: a sound file of the fan-chant folder, with the same fields as
// a fan chant (its text is the sound file's name).
#include "records/FanChant.h"

namespace v3 {

class CEigenerFangesang : public FanChant {
public:
    // Every number 0 (club and opponent included), empty texts.
    CEigenerFangesang() : FanChant(0, 0) {}

    // The eight values at the current place, written as they are (untrimmed).
    bool SpeichernV3Localized(CV3File& file, int) { return Write(file, false); }
};

}  // namespace v3
