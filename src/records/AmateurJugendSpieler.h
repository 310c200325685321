#pragma once
// A youth or amateur player of a country's pool: names, club and position only.
// It has no section of its own: the country writes its four values inside its
// own section, the pool files its two names.
#include <cstdint>
#include <span>
#include <string>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CAmateurJugendSpieler : public CV3Object {
public:
    // Placeholder names (the surname's number is taken first), no club yet (-1).
    CAmateurJugendSpieler();

    const std::string& Vorname() const { return vorname_; }
    // Refuses text with a line break, which would split the stored line.
    bool Vorname(const std::string& text);
    const std::string& Nachname() const { return nachname_; }
    bool Nachname(const std::string& text);

    // 1-based club number within the current country, 0 = no club, -1 for a new record.
    int VereinNr() const { return vereinNr_; }
    bool VereinNr(int v);  // -1 and above
    // 0-based position: 0 = "T" .. 9 = "S".
    int Position() const { return position_; }
    bool Position(int v);  // 0..9

    // Name of club VereinNr among the current country's clubs, given as their
    // names in list order; empty when VereinNr is 0 or names no club.
    std::string GetTeamName(std::span<const std::string> vereinsNamen) const;

    // The four values as the country stores them: first name and surname
    // (trimmed in the record first), club number, position. False when the file
    // refused a line.
    bool WriteValues(CV3File& file);
    // Reads the four values as they stand; false when one was missing (the
    // values read before it are kept).
    bool ReadValues(CV3File& file);

    // Trims blanks, tabs and line ends from both names (as every writer does first).
    void TrimNames();

private:
    std::string vorname_;
    std::string nachname_;
    int32_t vereinNr_ = -1;
    int32_t position_ = 0;
};

}  // namespace v3
