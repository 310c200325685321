#pragma once
// The fixed tables of the bonus country (the extra country in slot 37): the
// nine nations it can be made from with their pictures.
#include <array>
#include <string>

namespace v3 {

// The nine predefined bonus nations with their flag picture (the clubs'
// default crest) and the map of the club editor, both in "\SUPPORT.GFX\".
struct VordefinierteBonusNation {
    const char* name;    // code page 1252, as the national team is called
    const char* flagge;  // "bel.bmp"
    const char* karte;   // "b1.jpg"
};
inline constexpr int kVordefinierteBonusNationen = 9;
extern const std::array<VordefinierteBonusNation, kVordefinierteBonusNationen> VordefinierteBonusNationen;

// Stored paths of the flag picture and of the map of predefined nation 0..8;
// empty for any other number.
std::string BonusFlaggenDatei(int vordefiniert);
std::string BonusKartenDatei(int vordefiniert);

}  // namespace v3
