#pragma once
// A manager of a country's manager pool, embedded in a club.
#include <cstdint>
#include <string>

#include "records/Datum.h"
#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CManager : public CV3Object {
public:
    static constexpr int kMaxKompetenz = 15;

    // Draws the competence 1..15, takes the surname "NA%0.6d" and the first
    // name "VN%0.6d", then draws the birth date (31 to 50 years before
    // App().Saisonstartjahr); the age follows from the date.
    CManager();

    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const CDatum& GeburtsDatum() const { return geburtsDatum_; }
    bool GeburtsDatum(const CDatum& v) { geburtsDatum_ = v; return true; }
    int Kompetenz() const { return kompetenz_; }
    bool Kompetenz(int v);  // 0..15
    int Alter() const { return alter_; }
    bool Alter(int v);  // 0..255

    // The "MANAGER" section; the writer trims the names first. The reader
    // returns false when the section or some of its values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Takes the predecessor's manager record: names, birth date (the age
    // follows from it), competence. False, unchanged, when incomplete.
    bool MergeV2Daten(CV3File& file);

    friend bool operator==(const CManager& a, const CManager& b) {
        return a.vorname_ == b.vorname_ && a.nachname_ == b.nachname_ && a.geburtsDatum_ == b.geburtsDatum_ &&
               a.kompetenz_ == b.kompetenz_ && a.alter_ == b.alter_;
    }

private:
    std::string vorname_;
    std::string nachname_;
    CDatum geburtsDatum_;
    uint8_t kompetenz_ = 0;
    uint8_t alter_ = 0;
};

}  // namespace v3
