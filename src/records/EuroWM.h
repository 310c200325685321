#pragma once
// One entry of the list of European and world championship hosts: three
// numbers (year, kind, nation number of the host), stored without a section.
#include <array>
#include <cstdint>

namespace v3 {

class CV3File;

class CEuroWM {
public:
    CEuroWM() = default;
    CEuroWM(int year, int kind, int nation) : values_{year, kind, nation} {}

    int Year() const { return values_[0]; }
    bool Year(int v) {
        values_[0] = v;
        return true;
    }
    int Kind() const { return values_[1]; }
    bool Kind(int v) {
        values_[1] = v;
        return true;
    }
    int Nation() const { return values_[2]; }
    bool Nation(int v) {
        values_[2] = v;
        return true;
    }

    // The three values as ints at the file's current place, in the order above.
    bool SpeichernV3Localized(CV3File& file, int language) const;
    bool LadenV3Localized(CV3File& file, int language);
    // Reads the predecessor's record: the same three values, one per line.
    // False, unchanged, when incomplete.
    bool Laden(CV3File& file);

    bool operator==(const CEuroWM&) const = default;

private:
    std::array<int32_t, 3> values_{};
};

}  // namespace v3
