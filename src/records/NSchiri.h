#pragma once
// A national referee of a country.
#include <cstdint>
#include <string>

#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

// Referee properties (bits of SchiriEigenschaften).
enum SchiriEigenschaft : int32_t {
    SchiriHeim = 1 << 0,          // "Heimschiedsrichter"
    SchiriGast = 1 << 1,          // "Gastschiedsrichter"
    SchiriHasstMeckern = 1 << 2,  // "haßt Meckern"
    SchiriHasstZeitspiel = 1 << 3,  // "haßt Zeitspiel"
    SchiriHasstCoaching = 1 << 4,   // "haßt Coaching"
    SchiriAlleEigenschaften = 0x1F,
};

class CNSchiri : public CV3Object {
public:
    static constexpr int kMaxKompetenz = 10;
    static constexpr int kMaxHaerte = 10;

    // First name "VN%0.6d", surname "NA%0.6d", then the competence 1..10 drawn.
    CNSchiri();

    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    int Kompetenz() const { return kompetenz_; }
    bool Kompetenz(int v);  // 0..10
    int Haerte() const { return haerte_; }
    bool Haerte(int v);  // 0..10
    // Club number of the referee's club (1-based), 0 = none ("Keiner").
    int32_t SchiriVerein() const { return schiriVerein_; }
    bool SchiriVerein(int32_t v);  // >= 0
    int32_t SchiriEigenschaften() const { return schiriEigenschaften_; }
    bool SchiriEigenschaften(int32_t v);  // bits 0..4 only

    // The "SCHIRI" section; the writer trims the names first. The reader
    // returns false when the section or some of its values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Takes the predecessor's referee record: names, competence, hardness,
    // club number, and in the newer variant the properties. False, unchanged,
    // when incomplete.
    bool MergeV2Daten(CV3File& file);

    friend bool operator==(const CNSchiri& a, const CNSchiri& b) {
        return a.vorname_ == b.vorname_ && a.nachname_ == b.nachname_ && a.kompetenz_ == b.kompetenz_ &&
               a.haerte_ == b.haerte_ && a.schiriVerein_ == b.schiriVerein_ &&
               a.schiriEigenschaften_ == b.schiriEigenschaften_;
    }

private:
    std::string vorname_;
    std::string nachname_;
    uint8_t kompetenz_ = 0;
    uint8_t haerte_ = 0;
    int32_t schiriVerein_ = 0;
    int32_t schiriEigenschaften_ = 0;
};

}  // namespace v3
