#pragma once
// One of the 40 international (non-European) clubs: a name and a number that
// is stored and copied but not edited. Written as an "IVEREIN" section.
#include <cstdint>
#include <string>

namespace v3 {

class CV3File;

class CIVerein {
public:
    const std::string& Name() const { return name_; }
    // Any text on one line (a line break would split the stored line).
    bool Name(const std::string& text);
    int32_t Kennzahl() const { return kennzahl_; }
    bool Kennzahl(int32_t v) { return kennzahl_ = v, true; }

    // The "IVEREIN" section: the name (trimmed first; the record keeps the
    // trimmed name) and Kennzahl. The writer returns false when a line could
    // not be written; the reader returns false, with the club unchanged, when
    // the section is missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);

    friend bool operator==(const CIVerein&, const CIVerein&) = default;

private:
    std::string name_;
    int32_t kennzahl_ = 0;
};

}  // namespace v3
