#pragma once
// The map page of the club editor: the country's picture with the club's
// position, and the mask that says where a club may stand (bit 0).
#include <filesystem>
#include <string>

#include "platform/Bmp.h"

namespace v3 {

// Size of the built-in map; the masks' rows are 56 bytes (448 pixels) long.
inline constexpr int kKarteBreite = 440;
inline constexpr int kKarteHoehe = 330;

// The pictures of a country's map in the installation's "\SUPPORT.GFX\":
// "k_" + the flag picture's name with ".jpg", the mask beside it with ".bmp".
std::string KartenDatei(int land);
// A map name with ".jpg" replaced by ".bmp" (".bmp" added when it has none).
std::string MaskenDatei(const std::string& karte);
// The built-in mask: an oval country in the middle of the built-in map.
BmpImage EingebauteMaske();

class CLandkarte {
public:
    // bonusStatus: the country's BonusLand value (2 for the bonus country);
    // bonusVordefiniert: its BonusPredefined value.
    void Init(int land, int bonusStatus, int bonusVordefiniert, const std::string& vereinsName, int vereinsNummer,
              int x, int y);

    // A left click at (x, y): taken when the mask bit there is 0.
    bool Klick(int x, int y);
    int X() const { return x_; }
    int Y() const { return y_; }
    const std::string& VereinsName() const { return name_; }
    int VereinsNummer() const { return nummer_; }

    // The picture's host path; empty when the built-in picture is shown.
    const std::filesystem::path& Bild() const { return bild_; }
    const BmpImage& Maske() const { return maske_; }
    bool EingebautesBild() const { return bild_.empty(); }
    // The picture could not be read after all: the built-in map takes its place.
    void BildFehlt();

    // The mask bit of (x, y); 1 (not a place for a club) outside the mask.
    bool Gesperrt(int x, int y) const;

private:
    std::filesystem::path bild_;
    BmpImage maske_;
    std::string name_;
    int nummer_ = 0;
    int x_ = 0, y_ = 0;
};

}  // namespace v3
