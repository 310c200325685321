// Readers of the predecessor's players and former players (layout in
// docs/predecessor-format.md).
#include "base/Layout.h"
#include "records/Datum.h"
#include "records/ExSpieler.h"
#include "records/Spieler.h"
#include "records/V2LineReader.h"

namespace v3 {
namespace {
// Abilities, properties and character traits use the bits 1..16.
constexpr uint32_t kBits1bis16 = 0x1FFFEu;
}  // namespace

bool CSpieler::Laden(CV3File& file) {
    V2LineReader r(file);
    const bool neu = V2NeueVariante();
    std::string nachname = r.Str(), vorname = r.Str();
    std::string kuenstlername = neu ? r.Str() : kuenstlername_;
    const int32_t nationalitaet = r.Int();
    const int32_t nationalitaet2 = neu ? r.Int() : nationalitaet2_;
    CDatum geburt = geburtsDatum_;
    r.Datum(geburt);
    const int32_t haupt = r.Int(), neben1 = r.Int(), neben2 = r.Int(), staerke = r.Int();
    int32_t fuss = r.Int();
    const uint32_t plus = uint32_t(r.Int()) & kBits1bis16, minus = uint32_t(r.Int()) & kBits1bis16;
    const int32_t eigenschaft = r.Int(), charakter = r.Int();
    const int32_t verletzung = r.Int(), publikum = r.Int(), haut = r.Int(), haar = r.Int();
    const int32_t national = r.Int();
    if (!r.Ok()) return false;

    // The older variant counts the foot from 0 (right, left, both).
    if (!neu) ++fuss;
    Nachname(V2Text(nachname, kMaxNachname));
    Vorname(V2Text(vorname, kMaxVorname));
    Kuenstlername(V2Text(kuenstlername, kMaxKuenstlername));
    Nationalitaet(nationalitaet);
    if (nationalitaet2 >= -1 && nationalitaet2 < kAnzahlNationen) nationalitaet2_ = nationalitaet2;
    GeburtsDatum(geburt.day, geburt.month, geburt.year);
    Hauptposition(haupt);
    Nebenposition1(neben1);
    Nebenposition2(neben2);
    Staerke(staerke);
    Fuss(fuss);
    // An ability is never strength and weakness at once; the strength wins.
    faehigkeitPlus_ = plus;
    faehigkeitMinus_ = minus & ~plus;
    EigenschaftAll(int32_t(uint32_t(eigenschaft) & kBits1bis16));
    CharakterAll(int32_t(uint32_t(charakter) & kBits1bis16));
    Verletzung(verletzung);
    Publikum(publikum);
    Hautfarbe(haut);
    Haarfarbe(haar);
    NationalSpieler(national & (kNationalspieler | kNationalZurueckgetreten));
    return true;
}

bool CSpieler::MergeV2Daten(CV3File& file) {
    if (!Laden(file)) return false;
    ConvertV3Spieler();
    return true;
}

bool CExSpieler::Laden(CV3File& file) {
    if (!CSpieler::Laden(file)) return false;
    V2LineReader r(file);
    const int32_t nation = r.Int(), verein = r.Int();
    if (!r.Ok()) return false;
    LetzterVereinNation(nation);
    LetzterVerein(verein);
    SetFromOldFormat(true);
    return true;
}

}  // namespace v3
