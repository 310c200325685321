#pragma once
// A reporter of a broadcaster, with an attitude towards the player's club.
#include <cstdint>
#include <string>

#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CReporter : public CV3Object {
public:
    // Broadcaster "SE%0.6d", surname "NA%0.6d", first name "VN%0.6d" (in this order).
    CReporter();

    const std::string& Sender() const { return sender_; }
    bool Sender(const std::string& v) { return SetRecordText(sender_, v); }
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& v) { return SetRecordText(nachname_, v); }
    const std::string& Vorname() const { return vorname_; }
    bool Vorname(const std::string& v) { return SetRecordText(vorname_, v); }
    // Attitude: the position on the editor's scale from "Böse" to "Lieb".
    int32_t Einstellung() const { return einstellung_; }
    bool Einstellung(int32_t v) { einstellung_ = v; return true; }

    // The "REPORTER" section; the writer trims the texts first. The reader
    // returns false when the section or some of its values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;
    // Reads the predecessor's reporter record: broadcaster, names, attitude.
    // False, unchanged, when incomplete.
    bool Laden(CV3File& file);

    friend bool operator==(const CReporter& a, const CReporter& b) {
        return a.sender_ == b.sender_ && a.nachname_ == b.nachname_ && a.vorname_ == b.vorname_ &&
               a.einstellung_ == b.einstellung_;
    }

private:
    std::string sender_;
    std::string nachname_;
    std::string vorname_;
    int32_t einstellung_ = 0;
};

}  // namespace v3
