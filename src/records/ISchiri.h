#pragma once
// An international referee. Written without a section of its own, at the
// writer's current place inside the caller's section.
#include <cstdint>
#include <string>

#include "records/NSchiri.h"
#include "records/RecordText.h"

namespace v3 {

class CV3File;

class CISchiri {
public:
    static constexpr int kMaxKompetenz = 10;
    static constexpr int kMaxHaerte = 10;

    // Surname "NA%0.6d", first name "NA%0.6d", then competence and hardness,
    // each drawn 0..10; nation number and properties 0.
    CISchiri();

    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    int32_t Kompetenz() const { return kompetenz_; }
    bool Kompetenz(int32_t v);  // 0..10
    int32_t Haerte() const { return haerte_; }
    bool Haerte(int32_t v);  // 0..10
    // Nation number 0..116 of the referee's nationality.
    int32_t Nation() const { return nation_; }
    bool Nation(int32_t v);
    // Bits of SchiriEigenschaft.
    int32_t SchiriEigenschaften() const { return schiriEigenschaften_; }
    bool SchiriEigenschaften(int32_t v);  // bits 0..4 only

    // Writes / reads the six values at the current place; the writer trims the
    // names first. Both return false when a value could not be written or read.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    // Reads the predecessor's international referee: names, competence,
    // hardness, nation number, and in the newer variant the properties. False,
    // unchanged, when incomplete.
    bool Laden(CV3File& file);

    friend bool operator==(const CISchiri&, const CISchiri&) = default;

private:
    std::string nachname_;
    std::string vorname_;
    int32_t kompetenz_ = 0;
    int32_t haerte_ = 0;
    int32_t nation_ = 0;
    int32_t schiriEigenschaften_ = 0;
};

}  // namespace v3
