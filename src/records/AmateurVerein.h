#pragma once
// An amateur club of a country: its name only. A main country keeps 40 of
// them, each written as an "AMATEURV" section.
#include <string>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CAmateurVerein : public CV3Object {
public:
    // Name "AV%0.6d" with the next running number.
    CAmateurVerein();

    const std::string& Name() const { return name_; }
    // Any text on one line (a line break would split the stored line).
    bool Name(const std::string& text);

    // The "AMATEURV" section: the name, trimmed first (the record keeps the
    // trimmed name). The writer returns false when a line could not be
    // written; the reader returns false, with the name unchanged, when the
    // section is missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    // Takes the predecessor's amateur club: its name on one line. False,
    // unchanged, at the end of the file.
    bool MergeV2Daten(CV3File& file);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

    friend bool operator==(const CAmateurVerein& a, const CAmateurVerein& b) { return a.name_ == b.name_; }

private:
    std::string name_;
};

}  // namespace v3
