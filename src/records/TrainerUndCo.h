#pragma once
// A coach with his assistant, kept in a country's coach pool and embedded in a club.
#include <cstdint>
#include <string>

#include "records/Datum.h"
#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CTrainerUndCo : public CV3Object {
public:
    // Coach types 0..6: "Kumpeltyp", "lustiger Geselle", "Motivationskünstler",
    // "PR-Mann", "Schleifer", "Wissenschaftler", "keiner".
    static constexpr int kRufAnzahl = 7;
    static constexpr int kMaxKompetenz = 15;

    // Draws the birth date (31 to 50 years before the season start year
    // App().Saisonstartjahr) and the competence 1..15, then takes the surname
    // "NA%0.6d" and the first name "VN%0.6d"; the age follows from the date.
    CTrainerUndCo();

    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const CDatum& GeburtsDatum() const { return geburtsDatum_; }
    bool GeburtsDatum(const CDatum& v) { geburtsDatum_ = v; return true; }
    int Kompetenz() const { return kompetenz_; }
    bool Kompetenz(int v);  // 0..15
    int Ruf() const { return ruf_; }
    bool Ruf(int v);  // 0..6
    int Alter() const { return alter_; }
    bool Alter(int v);  // 0..255
    int32_t TrainerWert1() const { return trainerWert1_; }
    bool TrainerWert1(int32_t v) { trainerWert1_ = v; return true; }
    int32_t TrainerWert2() const { return trainerWert2_; }
    bool TrainerWert2(int32_t v) { trainerWert2_ = v; return true; }

    // The "TRAINER" section; the writer trims the names first. The reader
    // returns false when the section or some of its values are missing (what is
    // missing keeps its value).
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Takes the predecessor's coach record: names, birth date (the age follows
    // from it), competence, coach type. False, with the record unchanged, when
    // the record is not complete.
    bool MergeV2Daten(CV3File& file);

    friend bool operator==(const CTrainerUndCo& a, const CTrainerUndCo& b) {
        return a.vorname_ == b.vorname_ && a.nachname_ == b.nachname_ && a.geburtsDatum_ == b.geburtsDatum_ &&
               a.kompetenz_ == b.kompetenz_ && a.ruf_ == b.ruf_ && a.alter_ == b.alter_ &&
               a.trainerWert1_ == b.trainerWert1_ && a.trainerWert2_ == b.trainerWert2_;
    }

private:
    std::string vorname_;
    std::string nachname_;
    CDatum geburtsDatum_;
    uint8_t kompetenz_ = 0;
    uint8_t ruf_ = 0;
    uint8_t alter_ = 0;
    int32_t trainerWert1_ = 0;
    int32_t trainerWert2_ = 0;
};

}  // namespace v3
