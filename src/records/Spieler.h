#pragma once
// One footballer of a club squad, stored as a "SPIELER" section.
#include <cstdint>
#include <span>
#include <string>

#include "records/Datum.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CSpieler : public CV3Object {
public:
    // Bits of NationalSpieler().
    static constexpr int kNationalspieler = 1;
    static constexpr int kNationalZurueckgetreten = 2;
    static constexpr int kImNationalkader = 4;
    // Bit 7 of the nationality byte: the player counts as a domestic player.
    static constexpr int kFussballinlaenderBit = 0x80;

    static constexpr size_t kMaxNachname = 16;
    static constexpr size_t kMaxVorname = 13;
    static constexpr size_t kMaxKuenstlername = 30;

    // A new player: placeholder names and random birth date, looks, strength
    // and so on, drawn from App().random for the season start year and the
    // current country of App().
    CSpieler();
    CSpieler(const CSpieler&) = default;
    CSpieler& operator=(const CSpieler&) = default;
    ~CSpieler() override;

    // Copies every value, the Geladen marker included.
    void CopyDataFrom(const CSpieler& other) { *this = other; }
    // Same values in every field that is stored or copied; the Geladen marker
    // (where the record came from) is not compared.
    bool operator==(const CSpieler& other) const;

    // Texts. A setter refuses text longer than its limit or text with a line
    // break (which would split the stored line) and then keeps the old text.
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& text);
    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& text);
    const std::string& Kuenstlername() const { return kuenstlername_; }
    // Also sets HatKuenstlername to (text is not empty).
    bool Kuenstlername(const std::string& text);
    int HatKuenstlername() const { return hatKuenstlername_; }

    // Values stored and copied unchanged; any value is accepted.
    int32_t Reserviert1() const { return reserviert1_; }
    bool Reserviert1(int32_t v);
    int32_t Reserviert2() const { return reserviert2_; }
    bool Reserviert2(int32_t v);
    int32_t Reserviert3() const { return reserviert3_; }
    bool Reserviert3(int32_t v);
    int32_t Reserviert4() const { return reserviert4_; }
    bool Reserviert4(int32_t v);

    int Hautfarbe() const { return hautfarbe_; }
    bool Hautfarbe(int v);  // 0..3
    int Haarfarbe() const { return haarfarbe_; }
    bool Haarfarbe(int v);  // 0..6

    // Recomputes the age from the birth date against the season start year
    // (as an 8-bit value, one less for a birthday after June) and returns it.
    int Alter();
    // The stored age, as last computed, set or read.
    int StoredAlter() const { return alter_; }
    bool Alter(int v);  // 0..255

    int Staerke() const { return staerke_; }
    bool Staerke(int v);  // 1..12

    // The whole nationality byte: nation number in bits 0..6, bit 7 Fussballinlaender.
    int Nationalitaet() const { return nationalitaet_; }
    bool Nationalitaet(int v);  // 0..255
    // The nation number alone (bits 0..6); the setter keeps bit 7.
    int NationNumber() const { return nationalitaet_ & 0x7F; }
    bool NationNumber(int v);  // 0..127
    bool Fussballinlaender() const { return (nationalitaet_ & kFussballinlaenderBit) != 0; }
    bool Fussballinlaender(bool on);

    int Hauptposition() const { return hauptposition_; }
    bool Hauptposition(int v);  // 1..10
    // Secondary positions: 0 = none, else 2..10 (never the goalkeeper).
    int Nebenposition1() const { return nebenposition1_; }
    bool Nebenposition1(int v);
    int Nebenposition2() const { return nebenposition2_; }
    bool Nebenposition2(int v);

    int Fuss() const { return fuss_; }
    bool Fuss(int v);  // 1..3

    // Ability n (1..16): 1 strength, -1 weakness, 0 neutral; 0 for any other n.
    int Faehigkeit(int n) const;
    // v > 0 makes ability n a strength, v < 0 a weakness, v = 0 neutral.
    // Refused for n outside 1..16.
    bool Faehigkeit(int n, int v);
    uint32_t FaehigkeitPlus() const { return faehigkeitPlus_; }
    uint32_t FaehigkeitMinus() const { return faehigkeitMinus_; }

    // Properties and character traits, bit n for trait n (1..16).
    int32_t Eigenschaft() const { return eigenschaft_; }
    bool Eigenschaft(int n) const;
    // Sets bit n when v is 1, else clears it; refused for n outside 1..16.
    bool Eigenschaft(int n, int v);
    bool EigenschaftAll(int32_t mask);
    int32_t Charakter() const { return charakter_; }
    bool Charakter(int n) const;
    bool Charakter(int n, int v);
    bool CharakterAll(int32_t mask);

    int Talent() const { return talent_; }
    bool Talent(int v);  // 1..5
    int Verletzung() const { return verletzung_; }
    bool Verletzung(int v);  // 1..7
    int Publikum() const { return publikum_; }
    bool Publikum(int v);  // 1..3
    int Konstanz() const { return konstanz_; }
    bool Konstanz(int v);  // 0..10

    const CDatum& GeburtsDatum() const { return geburtsDatum_; }
    // Stores the date (a day beyond the month's end becomes its last day) and
    // sets the age to |year - season start year|, one less for a birthday after
    // June. Refused, changing nothing, for a date the calendar cannot hold.
    bool GeburtsDatum(int day, int month, int year);

    // Second nationality: -1 = none, else a nation number.
    int Nationalitaet2() const { return nationalitaet2_; }
    // v = -1 is always accepted; otherwise v must index an entry of the nation
    // list (given here as the nations' names in list order) whose name has at
    // least 2 characters.
    bool Nationalitaet2(int v, std::span<const std::string> nationNames);

    int NationalSpieler() const { return nationalSpieler_; }
    bool NationalSpieler(int v);  // 0..8

    // 1 when the record was read from a file.
    int Geladen() const { return geladen_; }
    // Marks a player made in memory whose attributes are final as loaded.
    bool Geladen(int v) {
        geladen_ = v ? 1 : 0;
        return true;
    }

    // The world's best in ability n: the lowest n in 1..16 whose bit is set, 0 for none.
    int BesterSpieler() const;
    // n in 0..16; for n > 0 the player must have ability n as a strength.
    // Stores 1 << n, or 0 for n = 0.
    bool BesterSpieler(int n);
    int32_t BesterSpielerMaske() const { return besterSpieler_; }

    int BesterHauptposition() const { return besterHauptposition_; }
    bool BesterHauptposition(int v);  // 0, or the player's own Hauptposition

    int Kapitaen() const { return kapitaen_; }
    bool Kapitaen(int v);  // 0..1
    int RueckenNummer() const { return rueckenNummer_; }
    bool RueckenNummer(int v);  // 0..99

    // Looks: beard bits in the low 16 bits, hair style in the high 16 bits.
    bool SetBartTyp(int bit, bool on);  // bit 0..3
    bool SetBart(int bits);             // only bits 0..3 may be set
    int GetBart() const { return int(bartHaarTyp_ & 0xFFFFu); }
    bool SetHaarTyp(int v);  // 0..3
    int GetHaarTyp() const { return int(bartHaarTyp_ >> 16); }
    uint32_t BartHaarTyp() const { return bartHaarTyp_; }
    // A random beard (by hair colour) and hair style (by skin colour).
    void RandBartHaarTyp();

    // Writes the "SPIELER" section, trimming the texts first (the record keeps
    // the trimmed texts). False when the file refused a line.
    virtual bool SpeichernV3Localized(CV3File& file, int sprache);
    // Reads the "SPIELER" section, taking the values as read except an
    // injury or crowd value out of its range, which becomes 1. False, with the
    // record unchanged, when the file holds no such section.
    virtual bool LadenV3Localized(CV3File& file, int sprache);

    // The predecessor's player record (docs/predecessor-format.md): puts the
    // values it holds into this record; a value this record refuses leaves
    // its field as it was, a text too long is cut. False, with the record
    // unchanged, when the record is not complete.
    bool Laden(CV3File& file);
    // Fits a player read from the predecessor to this program: the age is
    // taken against the season start year, the talent follows from strength
    // and age, and the marks that the data set sets itself (national squad,
    // world's best, captain's resignation) are cleared.
    void ConvertV3Spieler();
    // Laden, then ConvertV3Spieler: the values this program has beyond the
    // predecessor's (looks, shirt number, consistency, ...) stay.
    bool MergeV2Daten(CV3File& file);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    std::string nachname_;
    std::string vorname_;
    std::string kuenstlername_;
    uint8_t hatKuenstlername_ = 0;
    int32_t reserviert1_ = 0;
    uint8_t hautfarbe_ = 0;
    uint8_t haarfarbe_ = 0;
    uint8_t alter_ = 0;
    uint8_t staerke_ = 1;
    uint8_t nationalitaet_ = 0;
    int32_t hauptposition_ = 6;
    uint8_t nebenposition1_ = 0;
    uint8_t nebenposition2_ = 0;
    int32_t fuss_ = 1;
    uint32_t faehigkeitPlus_ = 0;
    uint32_t faehigkeitMinus_ = 0;
    int32_t eigenschaft_ = 0;
    int32_t charakter_ = 0;
    int32_t talent_ = 3;
    int32_t verletzung_ = 1;
    int32_t publikum_ = 1;
    CDatum geburtsDatum_;
    int32_t konstanz_ = 0;
    int32_t nationalitaet2_ = 0;
    int32_t nationalSpieler_ = 0;
    uint8_t geladen_ = 0;
    int32_t besterSpieler_ = 0;
    int32_t besterHauptposition_ = 0;
    int32_t kapitaen_ = 0;
    int32_t rueckenNummer_ = 1;
    uint32_t bartHaarTyp_ = 0;
    int32_t reserviert2_ = 0;
    int32_t reserviert3_ = 0;
    int32_t reserviert4_ = 0;
};

}  // namespace v3
