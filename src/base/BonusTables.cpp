#include "base/BonusTables.h"

#include "base/Layout.h"

namespace v3 {

const std::array<VordefinierteBonusNation, kVordefinierteBonusNationen> VordefinierteBonusNationen = {{
    {"Belgien", "bel.bmp", "b1.jpg"},
    {"USA", "usa.bmp", "b2.jpg"},
    {"Japan", "jp.bmp", "b3.jpg"},
    {"Polen", "pol.bmp", "b4.jpg"},
    {"D\xE4nemark", "dan.bmp", "b5.jpg"},
    {"Schweden", "swe.bmp", "b6.jpg"},
    {"Argentinien", "arg.bmp", "b7.jpg"},
    {"Brasilien", "bra.bmp", "b8.jpg"},
    {"Neutral", "wel.bmp", "bn.jpg"},
}};

std::string BonusFlaggenDatei(int vordefiniert) {
    if (vordefiniert < 0 || vordefiniert >= kVordefinierteBonusNationen) return {};
    return DatenPfad(kDirSupportGfx, VordefinierteBonusNationen[size_t(vordefiniert)].flagge);
}

std::string BonusKartenDatei(int vordefiniert) {
    if (vordefiniert < 0 || vordefiniert >= kVordefinierteBonusNationen) return {};
    return DatenPfad(kDirSupportGfx, VordefinierteBonusNationen[size_t(vordefiniert)].karte);
}

}  // namespace v3
