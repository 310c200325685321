#pragma once
// A league: its name, its clubs (by club number) and its fixture list, with the
// standard fixture lists for the usual league sizes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

inline constexpr int kMaxLigaGroesse = 60;
inline constexpr int kMaxSpieltage = 2 * kMaxLigaGroesse - 2;  // 118 fixture rows

class CLiga : public CV3Object {
public:
    CLiga();

    const std::string& Name() const { return name_; }
    bool Name(const std::string& text);  // rejects empty text
    const std::string& Kuerzel() const { return kuerzel_; }
    bool Kuerzel(const std::string& text);  // rejects empty text

    // Number of clubs, 0..60. Changing it leaves club numbers and fixtures as they are.
    int Size() const { return size_; }
    bool Size(int n);
    // Club number (VereinsNummer) at league position index + 1; index 0..59, else 0 / false.
    int ClubNumber(int index) const;
    bool ClubNumber(int index, int vereinsNummer);
    // Fixture table: row d is match day d + 1 (0..117), entries 2k and 2k + 1 the
    // home and away team of pairing k as 1-based league positions (entry 0..59).
    int Fixture(int row, int entry) const;
    bool Fixture(int row, int entry, int position);

    int GetSpielTage() const { return size_ > 0 ? 2 * size_ - 2 : 0; }
    int GetBegegnungenProSpielTag() const { return size_ / 2; }

    // Fills the fixture table with the standard list of the league's size (true),
    // or, for a size without one, tells the user and fills every match day with
    // the positions in order (false). A league without match days is left alone.
    bool CreateDefaultSpielplan();

    // The whole "LIGA" section: NewSection/FindSection, the values, EndSection.
    bool SpeichernV3Localized(CV3File& file, int language);
    bool LadenV3Localized(CV3File& file, int language);
    // Only the values, for a caller that opens and closes the section itself:
    // Name, Kuerzel, size, the size club numbers, then for each match day the
    // first size entries of its row. The reader refuses a size outside 0..60
    // (message naming the file, false) and then keeps the league unchanged;
    // club numbers and fixture entries are taken as read.
    bool WriteValues(CV3File& file) const;
    bool ReadValues(CV3File& file);

    bool operator==(const CLiga& other) const;

    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    std::string name_ = "-";
    std::string kuerzel_ = "-";
    int32_t size_ = 0;
    std::array<int32_t, kMaxLigaGroesse> clubs_{};
    std::array<std::array<int32_t, kMaxLigaGroesse>, kMaxSpieltage> spielplan_{};
};

// The standard fixture list of a league of the given size, one value per
// pairing (low 16 bits the home position, high 16 bits the away position),
// match day after match day: 2 * size - 2 match days of size / 2 pairings.
// Empty for a size that has none (standard lists exist for 10, 12, ..., 24).
std::vector<uint32_t> DefaultSpielplanTabelle(int size);

}  // namespace v3
