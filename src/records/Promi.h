#pragma once
// A celebrity of a country, with a favourite club.
#include <cstdint>
#include <string>

#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CPromi : public CV3Object {
public:
    // Surname "NA%0.6d", first name "VN%0.6d", no favourite club.
    CPromi();

    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    // Club number of the favourite club ("Lieblingsverein"), 0 = none.
    int32_t Lieblingsverein() const { return lieblingsverein_; }
    bool Lieblingsverein(int32_t v);  // >= 0

    // The "PROMI" section; the writer trims the names first. The reader
    // returns false when the section or some of its values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Takes the predecessor's celebrity record: names and favourite club.
    // False, unchanged, when incomplete.
    bool MergeV2Daten(CV3File& file);

    friend bool operator==(const CPromi& a, const CPromi& b) {
        return a.nachname_ == b.nachname_ && a.vorname_ == b.vorname_ && a.lieblingsverein_ == b.lieblingsverein_;
    }

private:
    std::string nachname_;
    std::string vorname_;
    int32_t lieblingsverein_ = 0;
};

}  // namespace v3
