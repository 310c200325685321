#pragma once
// The president of a country's football association.
#include <string>

#include "records/Datum.h"
#include "records/RecordText.h"

namespace v3 {

class CV3File;

class CVerbandsPraesident {
public:
    // Calls setDefaultPraesident.
    CVerbandsPraesident();
    virtual ~CVerbandsPraesident() = default;
    CVerbandsPraesident(const CVerbandsPraesident&) = default;
    CVerbandsPraesident& operator=(const CVerbandsPraesident&) = default;

    // Surname "NA%0.6d", first name "VN%0.6d", and a birth date with the year
    // App().Saisonstartjahr - 40 + rand % 10, then month rand % 12 + 1 and day
    // rand % 31 + 1 (drawn in this order).
    void setDefaultPraesident();

    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const CDatum& GeburtsDatum() const { return geburtsDatum_; }
    bool GeburtsDatum(const CDatum& v) { geburtsDatum_ = v; return true; }

    // The "VPRAESID" section: first name, surname, birth date, written as they
    // are (untrimmed). The reader returns false when the section or some of its
    // values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);

    friend bool operator==(const CVerbandsPraesident& a, const CVerbandsPraesident& b) {
        return a.vorname_ == b.vorname_ && a.nachname_ == b.nachname_ && a.geburtsDatum_ == b.geburtsDatum_;
    }

private:
    std::string vorname_;
    std::string nachname_;
    CDatum geburtsDatum_;
};

}  // namespace v3
