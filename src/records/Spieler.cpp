#include "records/Spieler.h"

#include <array>
#include <cstdlib>

#include "base/AppState.h"
#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueRange.h"

namespace v3 {
namespace {

// Konstanz: the first index whose bound is not below the draw 1..100.
constexpr std::array<int, 11> kKonstanzGrenzen = {4, 8, 12, 17, 23, 30, 40, 55, 75, 90, 100};

// Looks by region: cumulative percentages of the skin colours 0..2 and of the
// hair colours 0..4.
constexpr std::array<std::array<int, 3>, 7> kHautGrenzen = {
    {{5, 30, 100}, {80, 90, 100}, {30, 90, 100}, {96, 98, 100}, {90, 95, 100}, {95, 97, 100}, {90, 95, 100}}};
constexpr std::array<std::array<int, 5>, 7> kHaarGrenzen = {{{0, 0, 30, 60, 100},
                                                             {40, 80, 85, 95, 100},
                                                             {0, 5, 40, 40, 100},
                                                             {20, 40, 80, 90, 100},
                                                             {10, 20, 60, 90, 100},
                                                             {20, 40, 80, 90, 100},
                                                             {20, 40, 80, 90, 100}}};

// Chance in percent of a beard by hair colour 0..6, and the cumulative
// percentages of the hair styles 0..3 by skin colour 0..3.
constexpr std::array<int, 7> kBartChance = {5, 10, 15, 5, 20, 10, 5};
constexpr std::array<std::array<int, 4>, 4> kHaarTypGrenzen = {
    {{20, 60, 80, 100}, {30, 70, 80, 100}, {30, 60, 90, 100}, {20, 70, 75, 100}}};

// Looks region of a country: the main countries by their own mapping, every
// other country (and an index outside the table) the general region 6.
int LooksRegion(int land) {
    switch (land) {
        case 0:
            return 3;
        case 1:
            return 4;
        case 2:
            return 6;
        case 3:
        case 4:
            return 5;
        default:
            return (land >= 5 && land <= 10) ? land - 5 : 6;
    }
}

int TalentAus(int s, int a) {
    if (s >= 11 || (InRange(s, 9, 10) && a < 21)) return 1;
    if (s >= 9 || (InRange(s, 7, 8) && a < 22)) return 2;
    if (s >= 7 || (InRange(s, 5, 6) && a < 22)) return 3;
    if (s >= 5 || (InRange(s, 3, 4) && a < 21)) return 4;
    return 5;
}

// Age for a birth year and month: |year - Y|, one less after June, as 8 bits.
uint8_t AlterAus(int year, int month) {
    int a = std::abs(year - App().Saisonstartjahr);
    if (month > 6) --a;
    return uint8_t(a);
}

bool SetText(std::string& field, const std::string& text, size_t maxLength) {
    return text.size() <= maxLength && SetRecordText(field, text);
}

}  // namespace

CSpieler::CSpieler() : CV3Object("CSpieler") {
    AppState& app = App();
    const int y = app.Saisonstartjahr;
    const int land = app.AktuellesLand;

    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("NA");

    const int a = RandomBelow(10);
    const int m = RandomBelow(12) + 1;
    const int d = RandomBelow(31) + 1;
    geburtsDatum_.Init(d, m, y - 18 - a, 0, 0, 0);
    alter_ = AlterAus(geburtsDatum_.year, geburtsDatum_.month);

    const int k = RandomBelow(100) + 1;
    for (size_t i = 0; i < kKonstanzGrenzen.size(); ++i) {
        if (k <= kKonstanzGrenzen[i]) {
            konstanz_ = int32_t(i);
            break;
        }
    }

    const int region = LooksRegion(land);
    const int r = RandomBelow(100) + 1;
    for (size_t j = 0; j < kHautGrenzen[region].size(); ++j) {
        if (r <= kHautGrenzen[region][j]) {
            hautfarbe_ = uint8_t(j);
            break;
        }
    }
    const int t = RandomBelow(100) + 1;
    for (size_t h = 0; h < kHaarGrenzen[region].size(); ++h) {
        if (t <= kHaarGrenzen[region][h]) {
            haarfarbe_ = uint8_t(h);
            break;
        }
    }
    if (hautfarbe_ == 1 || hautfarbe_ == 2) haarfarbe_ = 4;

    staerke_ = uint8_t(RandomBelow(12) + 1);
    talent_ = TalentAus(staerke_, alter_);

    nationalitaet_ = (land >= 0 && land < kLaenderSlots) ? uint8_t(app.NationNummer[size_t(land)] & 0x7F) : 0;
    // Second nationality 0, as the setter would store it for the first nation.
    nationalitaet2_ = 0;

    verletzung_ = RandomBelow(100) < 10 ? RandomBelow(7) + 1 : 1;
    publikum_ = RandomBelow(100) < 10 ? RandomBelow(3) + 1 : 1;
}

CSpieler::~CSpieler() = default;

bool CSpieler::operator==(const CSpieler& o) const {
    return nachname_ == o.nachname_ && vorname_ == o.vorname_ && kuenstlername_ == o.kuenstlername_ &&
           hatKuenstlername_ == o.hatKuenstlername_ && reserviert1_ == o.reserviert1_ &&
           hautfarbe_ == o.hautfarbe_ && haarfarbe_ == o.haarfarbe_ && alter_ == o.alter_ &&
           staerke_ == o.staerke_ && nationalitaet_ == o.nationalitaet_ &&
           hauptposition_ == o.hauptposition_ && nebenposition1_ == o.nebenposition1_ &&
           nebenposition2_ == o.nebenposition2_ && fuss_ == o.fuss_ && faehigkeitPlus_ == o.faehigkeitPlus_ &&
           faehigkeitMinus_ == o.faehigkeitMinus_ && eigenschaft_ == o.eigenschaft_ &&
           charakter_ == o.charakter_ && talent_ == o.talent_ && verletzung_ == o.verletzung_ &&
           publikum_ == o.publikum_ && geburtsDatum_.day == o.geburtsDatum_.day &&
           geburtsDatum_.month == o.geburtsDatum_.month && geburtsDatum_.year == o.geburtsDatum_.year &&
           konstanz_ == o.konstanz_ && nationalitaet2_ == o.nationalitaet2_ &&
           nationalSpieler_ == o.nationalSpieler_ && besterSpieler_ == o.besterSpieler_ &&
           besterHauptposition_ == o.besterHauptposition_ && kapitaen_ == o.kapitaen_ &&
           rueckenNummer_ == o.rueckenNummer_ && bartHaarTyp_ == o.bartHaarTyp_ &&
           reserviert2_ == o.reserviert2_ && reserviert3_ == o.reserviert3_ && reserviert4_ == o.reserviert4_;
}

bool CSpieler::Nachname(const std::string& text) {
    return SetText(nachname_, text, kMaxNachname);
}
bool CSpieler::Vorname(const std::string& text) {
    return SetText(vorname_, text, kMaxVorname);
}

bool CSpieler::Kuenstlername(const std::string& text) {
    if (!SetText(kuenstlername_, text, kMaxKuenstlername)) return false;
    hatKuenstlername_ = text.empty() ? 0 : 1;
    return true;
}

bool CSpieler::Reserviert1(int32_t v) {
    return reserviert1_ = v, true;
}
bool CSpieler::Reserviert2(int32_t v) {
    return reserviert2_ = v, true;
}
bool CSpieler::Reserviert3(int32_t v) {
    return reserviert3_ = v, true;
}
bool CSpieler::Reserviert4(int32_t v) {
    return reserviert4_ = v, true;
}

bool CSpieler::Hautfarbe(int v) {
    return SetIn(hautfarbe_, v, 0, 3);
}
bool CSpieler::Haarfarbe(int v) {
    return SetIn(haarfarbe_, v, 0, 6);
}

int CSpieler::Alter() {
    alter_ = uint8_t(App().Saisonstartjahr - geburtsDatum_.year);
    if (geburtsDatum_.month > 6) alter_ = uint8_t(alter_ - 1);
    return alter_;
}

bool CSpieler::Alter(int v) {
    return SetIn(alter_, v, 0, 255);
}
bool CSpieler::Staerke(int v) {
    return SetIn(staerke_, v, 1, 12);
}
bool CSpieler::Nationalitaet(int v) {
    return SetIn(nationalitaet_, v, 0, 255);
}

bool CSpieler::NationNumber(int v) {
    if (!InRange(v, 0, 0x7F)) return false;
    nationalitaet_ = uint8_t((nationalitaet_ & kFussballinlaenderBit) | v);
    return true;
}

bool CSpieler::Fussballinlaender(bool on) {
    nationalitaet_ = uint8_t(on ? (nationalitaet_ | kFussballinlaenderBit) : (nationalitaet_ & 0x7F));
    return true;
}

bool CSpieler::Hauptposition(int v) {
    return SetIn(hauptposition_, v, 1, 10);
}

bool CSpieler::Nebenposition1(int v) {
    return v == 0 ? SetIn(nebenposition1_, v, 0, 0) : SetIn(nebenposition1_, v, 2, 10);
}
bool CSpieler::Nebenposition2(int v) {
    return v == 0 ? SetIn(nebenposition2_, v, 0, 0) : SetIn(nebenposition2_, v, 2, 10);
}

bool CSpieler::Fuss(int v) {
    return SetIn(fuss_, v, 1, 3);
}

int CSpieler::Faehigkeit(int n) const {
    if (!InRange(n, 1, 16)) return 0;
    const uint32_t bit = 1u << n;
    if (faehigkeitPlus_ & bit) return 1;
    if (faehigkeitMinus_ & bit) return -1;
    return 0;
}

bool CSpieler::Faehigkeit(int n, int v) {
    if (!InRange(n, 1, 16)) return false;
    const uint32_t bit = 1u << n;
    if (v > 0) {
        faehigkeitPlus_ |= bit;
        faehigkeitMinus_ &= ~bit;
    } else if (v < 0) {
        faehigkeitMinus_ |= bit;
        faehigkeitPlus_ &= ~bit;
    } else {
        faehigkeitPlus_ &= ~bit;
        faehigkeitMinus_ &= ~bit;
    }
    return true;
}

namespace {

bool TestBit(int32_t mask, int n) {
    return InRange(n, 1, 16) && (uint32_t(mask) & (1u << n)) != 0;
}

bool SetBit(int32_t& mask, int n, int v) {
    if (!InRange(n, 1, 16)) return false;
    const uint32_t bit = 1u << n;
    mask = int32_t(v == 1 ? (uint32_t(mask) | bit) : (uint32_t(mask) & ~bit));
    return true;
}

}  // namespace

bool CSpieler::Eigenschaft(int n) const {
    return TestBit(eigenschaft_, n);
}
bool CSpieler::Eigenschaft(int n, int v) {
    return SetBit(eigenschaft_, n, v);
}
bool CSpieler::EigenschaftAll(int32_t mask) {
    return eigenschaft_ = mask, true;
}
bool CSpieler::Charakter(int n) const {
    return TestBit(charakter_, n);
}
bool CSpieler::Charakter(int n, int v) {
    return SetBit(charakter_, n, v);
}
bool CSpieler::CharakterAll(int32_t mask) {
    return charakter_ = mask, true;
}

bool CSpieler::Talent(int v) {
    return SetIn(talent_, v, 1, 5);
}
bool CSpieler::Verletzung(int v) {
    return SetIn(verletzung_, v, 1, 7);
}
bool CSpieler::Publikum(int v) {
    return SetIn(publikum_, v, 1, 3);
}
bool CSpieler::Konstanz(int v) {
    return SetIn(konstanz_, v, 0, 10);
}

bool CSpieler::GeburtsDatum(int day, int month, int year) {
    CDatum datum = geburtsDatum_;
    if (datum.Init(day, month, year, 0, 0, 0) < 0.0) return false;
    geburtsDatum_ = datum;
    alter_ = AlterAus(year, month);
    return true;
}

bool CSpieler::Nationalitaet2(int v, std::span<const std::string> nationNames) {
    if (v != -1 && (v < 0 || size_t(v) >= nationNames.size() || nationNames[size_t(v)].size() < 2))
        return false;
    nationalitaet2_ = v;
    return true;
}

bool CSpieler::NationalSpieler(int v) {
    return SetIn(nationalSpieler_, v, 0, 8);
}

int CSpieler::BesterSpieler() const {
    for (int n = 1; n <= 16; ++n) {
        if (uint32_t(besterSpieler_) & (1u << n)) return n;
    }
    return 0;
}

bool CSpieler::BesterSpieler(int n) {
    if (!InRange(n, 0, 16)) return false;
    if (n > 0 && Faehigkeit(n) != 1) return false;
    besterSpieler_ = n == 0 ? 0 : int32_t(1u << n);
    return true;
}

bool CSpieler::BesterHauptposition(int v) {
    if (!InRange(v, 0, 10) || (v != 0 && v != hauptposition_)) return false;
    besterHauptposition_ = v;
    return true;
}

bool CSpieler::Kapitaen(int v) {
    return SetIn(kapitaen_, v, 0, 1);
}
bool CSpieler::RueckenNummer(int v) {
    return SetIn(rueckenNummer_, v, 0, 99);
}

bool CSpieler::SetBartTyp(int bit, bool on) {
    if (!InRange(bit, 0, 3)) return false;
    const uint32_t b = 1u << bit;
    bartHaarTyp_ = on ? (bartHaarTyp_ | b) : (bartHaarTyp_ & ~b);
    return true;
}

bool CSpieler::SetBart(int bits) {
    if (bits < 0 || (bits & ~0xF) != 0) return false;
    bartHaarTyp_ = (bartHaarTyp_ & 0xFFFF0000u) | uint32_t(bits);
    return true;
}

bool CSpieler::SetHaarTyp(int v) {
    if (!InRange(v, 0, 3)) return false;
    bartHaarTyp_ = (bartHaarTyp_ & 0xFFFFu) | (uint32_t(v) << 16);
    return true;
}

void CSpieler::ConvertV3Spieler() {
    alter_ = AlterAus(geburtsDatum_.year, geburtsDatum_.month);
    talent_ = TalentAus(staerke_, alter_);
    nationalSpieler_ &= ~kImNationalkader;
    besterSpieler_ = 0;
    besterHauptposition_ = 0;
    kapitaen_ = 0;
}

void CSpieler::RandBartHaarTyp() {
    const int h = haarfarbe_;
    const int s = hautfarbe_;
    // A colour outside the tables (only possible from a file) gets no beard and
    // the styles of the first skin colour.
    const int chance = h < int(kBartChance.size()) ? kBartChance[size_t(h)] : 0;
    if (RandomBelow(100) < chance) SetBartTyp(RandomBelow(3) + 1, true);
    const int x = RandomBelow(100);
    if (h == 5) {
        SetHaarTyp(0);
        return;
    }
    const auto& grenzen = kHaarTypGrenzen[s < int(kHaarTypGrenzen.size()) ? size_t(s) : 0];
    for (size_t t = 0; t < grenzen.size(); ++t) {
        if (x < grenzen[t]) {
            SetHaarTyp(int(t));
            return;
        }
    }
}

bool CSpieler::SpeichernV3Localized(CV3File& file, int /*sprache*/) {
    nachname_ = TrimWhite(nachname_);
    vorname_ = TrimWhite(vorname_);
    kuenstlername_ = TrimWhite(kuenstlername_);

    bool ok = file.NewSection("SPIELER");
    ok &= file.PutStr(nachname_);
    ok &= file.PutStr(vorname_);
    ok &= file.PutInt(reserviert1_);
    ok &= file.PutInt(hautfarbe_);
    ok &= file.PutInt(haarfarbe_);
    ok &= file.PutInt(alter_);
    ok &= file.PutInt(staerke_);
    ok &= file.PutInt(nationalitaet_);
    ok &= file.PutInt(hauptposition_);
    ok &= file.PutInt(nebenposition1_);
    ok &= file.PutInt(nebenposition2_);
    ok &= file.PutLng(int32_t(faehigkeitPlus_));
    ok &= file.PutLng(int32_t(faehigkeitMinus_));
    ok &= file.PutInt(eigenschaft_);
    ok &= file.PutInt(charakter_);
    ok &= file.PutInt(hatKuenstlername_);
    ok &= file.PutStr(kuenstlername_);
    ok &= file.PutInt(fuss_);
    ok &= file.PutInt(talent_);
    ok &= file.PutInt(verletzung_);
    ok &= file.PutInt(publikum_);
    ok &= file.PutDatum(geburtsDatum_);
    ok &= file.PutInt(konstanz_);
    ok &= file.PutInt(nationalitaet2_);
    ok &= file.PutInt(nationalSpieler_);
    ok &= file.PutInt(besterSpieler_);
    ok &= file.PutInt(besterHauptposition_);
    ok &= file.PutInt(kapitaen_);
    ok &= file.PutInt(rueckenNummer_);
    ok &= file.PutLng(int32_t(bartHaarTyp_));
    ok &= file.PutInt(reserviert2_);
    ok &= file.PutInt(reserviert3_);
    ok &= file.PutInt(reserviert4_);
    ok &= file.EndSection(1);
    return ok;
}

namespace {

// A text value replaces the field only when a line was there to read.
void ReadText(CV3File& file, std::string& field) {
    std::string value;
    if (file.GetStr(value)) field = std::move(value);
}

void ReadSigned(CV3File& file, int32_t& field) {
    uint32_t value;
    if (file.GetULng(value)) field = int32_t(value);
}

}  // namespace

bool CSpieler::LadenV3Localized(CV3File& file, int /*sprache*/) {
    if (!file.FindSection("SPIELER")) return false;
    geladen_ = 1;
    ReadText(file, nachname_);
    ReadText(file, vorname_);
    file.GetInt(reserviert1_);
    file.GetByte(hautfarbe_);
    file.GetByte(haarfarbe_);
    file.GetByte(alter_);
    file.GetByte(staerke_);
    file.GetByte(nationalitaet_);
    file.GetInt(hauptposition_);
    file.GetByte(nebenposition1_);
    file.GetByte(nebenposition2_);
    file.GetULng(faehigkeitPlus_);
    file.GetULng(faehigkeitMinus_);
    ReadSigned(file, eigenschaft_);
    ReadSigned(file, charakter_);
    file.GetByte(hatKuenstlername_);
    ReadText(file, kuenstlername_);
    file.GetInt(fuss_);
    file.GetInt(talent_);
    file.GetInt(verletzung_);
    if (!InRange(verletzung_, 1, 7)) verletzung_ = 1;
    file.GetInt(publikum_);
    if (!InRange(publikum_, 1, 3)) publikum_ = 1;
    file.GetDatum(geburtsDatum_);
    file.GetInt(konstanz_);
    file.GetInt(nationalitaet2_);
    file.GetInt(nationalSpieler_);
    file.GetInt(besterSpieler_);
    file.GetInt(besterHauptposition_);
    file.GetInt(kapitaen_);
    file.GetInt(rueckenNummer_);
    file.GetULng(bartHaarTyp_);
    file.GetInt(reserviert2_);
    file.GetInt(reserviert3_);
    file.GetInt(reserviert4_);
    file.EndSection(1);
    return true;
}

}  // namespace v3
