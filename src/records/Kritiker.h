#pragma once
// A critic of a country's media.
#include <string>

#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CKritiker : public CV3Object {
public:
    // Surname "NA%0.6d", first name "VN%0.6d".
    CKritiker();

    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }

    // The "KRITIKER" section; the writer trims the names first. The reader
    // returns false when the section or some of its values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Reads the predecessor's critic record: the two names. False,
    // unchanged, when incomplete.
    bool Laden(CV3File& file);

    friend bool operator==(const CKritiker& a, const CKritiker& b) {
        return a.nachname_ == b.nachname_ && a.vorname_ == b.vorname_;
    }

private:
    std::string nachname_;
    std::string vorname_;
};

}  // namespace v3
