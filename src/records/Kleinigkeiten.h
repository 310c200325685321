#pragma once
// The data set's small general settings: the season start year, the tax rate,
// the substitutions allowed in friendlies, the president of the world
// federation and the names of the two European club competitions.
//
// The season start year is mirrored in App().Saisonstartjahr, which every
// record constructor draws birth dates against: the reader and the year's
// setter keep it in step, the constructor leaves it alone.
#include <array>
#include <cstdint>
#include <string>

#include "records/Datum.h"
#include "records/RecordText.h"

namespace v3 {

class CV3File;

class CKleinigkeiten {
public:
    static constexpr int kMinJahr = 1900;
    static constexpr int kMaxJahr = 2100;
    static constexpr int kMaxSteuersatz = 80;
    static constexpr int kMinAuswechslungen = 3;
    static constexpr int kMaxAuswechslungen = 7;

    // Start year 1998, tax rate 16, 3 substitutions; first name "NV%0.6d",
    // surname "NA%0.6d", a birth date 31 to 50 years before 1998; the
    // competition names "WETTBEWERB%0.2d", each with its own number.
    CKleinigkeiten();

    int32_t Saisonstartjahr() const { return saisonstartjahr_; }
    // 1900..2100; also sets App().Saisonstartjahr.
    bool Saisonstartjahr(int32_t v);
    int TaxRate() const { return taxRate_; }
    bool TaxRate(int v);  // 0..80 per cent
    int32_t FriendlySubstitutions() const { return friendlySubstitutions_; }
    bool FriendlySubstitutions(int32_t v);  // 3..7

    // President of the world federation.
    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const CDatum& GeburtsDatum() const { return geburtsDatum_; }
    bool GeburtsDatum(const CDatum& v) { geburtsDatum_ = v; return true; }

    // Names of the two European club competitions, index 0..1; another index
    // reads an empty text and is refused.
    const std::string& CompetitionName(int index) const;
    bool CompetitionName(int index, const std::string& v);

    // The eight values at the current place (inside the caller's section):
    // start year, tax rate, substitutions, first name, surname, birth date and
    // the two competition names, written as they are. The reader sets
    // App().Saisonstartjahr to the year read; both return false when a value
    // could not be written or read (a missing value keeps its old value).
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);

    friend bool operator==(const CKleinigkeiten&, const CKleinigkeiten&) = default;

private:
    int32_t saisonstartjahr_ = 1998;
    uint8_t taxRate_ = 16;
    std::string vorname_;
    std::string nachname_;
    CDatum geburtsDatum_;
    int32_t friendlySubstitutions_ = 3;
    std::array<std::string, 2> competitionNames_;
};

}  // namespace v3
