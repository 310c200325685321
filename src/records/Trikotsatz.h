#pragma once
// A kit set (shirt, shorts, socks, shirt pattern) as clubs and national teams
// keep two of them, the kit colours, and the packed form in which the record
// files store a set.
#include <array>
#include <cstdint>

namespace v3 {

class CV3File;

// Kit colours are 0..12 (names below); shirt patterns 0..9, 0 = plain.
inline constexpr int kMaxTrikotFarbe = 12;
inline constexpr int kMaxStreifen = 9;
inline constexpr int kTrikotFarbenAnzahl = kMaxTrikotFarbe + 1;

// The colour words by colour number, as shown in the program (UTF-8): lower
// case for running text, capitalised for lists and labels.
extern const std::array<const char*, kTrikotFarbenAnzahl> KitColourNames;
extern const std::array<const char*, kTrikotFarbenAnzahl> KitColourNamesCapitalised;

// One kit. The fields keep the order in which the records hold them.
struct TRIKOTSATZ {
    int32_t TrikotFarbe = 0;    // shirt colour 0..12
    int32_t HosenFarbe = 0;     // shorts colour 0..12
    int32_t StutzenFarbe = 0;   // socks colour 0..12
    int32_t Streifen = 0;       // shirt pattern 0..9, 0 = plain
    int32_t StreifenFarbe = 0;  // second shirt colour 0..12
    int32_t Ringelsocken = 0;   // hooped socks 0/1

    bool operator==(const TRIKOTSATZ&) const = default;

    // The files keep shirt colour and pattern, and socks colour and hoops, in
    // one number each (low 4 bits, next 4 bits). A set whose four packed fields
    // lie outside 0..15 cannot be stored without turning into another set.
    bool Packable() const;
};

// Packed forms: TrikotFarbe + 16 * Streifen and StutzenFarbe + 16 * Ringelsocken.
int32_t PackTrikot(const TRIKOTSATZ& set);
int32_t PackStutzen(const TRIKOTSATZ& set);
// Split a packed number into its low 4 bits and the next 4 bits.
void UnpackTrikot(int32_t packed, TRIKOTSATZ& set);
void UnpackStutzen(int32_t packed, TRIKOTSATZ& set);

// Writes a set as its four stored values, in this order: packed shirt,
// StreifenFarbe, HosenFarbe, packed socks. False when a write failed.
bool WriteKit(CV3File& file, const TRIKOTSATZ& set);
// Reads the four values written by WriteKit into set and unpacks them. Values
// are taken as read; a value line that is missing leaves its fields unchanged.
bool ReadKit(CV3File& file, TRIKOTSATZ& set);

// Hooped socks in the colour of the shorts cannot be told apart from them: the
// socks then take the next colour, or 0 after the last one. Applied by the club
// reader after both sets are read.
void RepairHoopedSocks(TRIKOTSATZ& set);

}  // namespace v3
