#pragma once
// The predecessor game's data files: plain line files without sections, one
// value per line (numbers in decimal, texts as they stand, dates as
// "dd.mm.yyyy"). A file of the newer of the two predecessor variants begins
// with the identification line kV2FileID; App().GeleseneFileID tells the
// record readers which variant they read.
#include <cstdint>
#include <string>

namespace v3 {

class CDatum;
class CV3File;

// Identification of the newer predecessor variant.
inline constexpr int32_t kV2FileID = 842610482;

// Reads the first line of a predecessor file opened for reading and returns
// what the records read from it take as its identification. An ordinary file
// whose first line is not kV2FileID has none (older variant): the file is read
// from its start again and 0 is returned. A file with a head line (the country
// and youth files of the predecessor) always gives its first line away; the
// number on it is returned as it stands.
int32_t LeseV2Kennung(CV3File& file, bool mitKopfzeile = false);

// True while the records read the newer variant (App().GeleseneFileID).
bool V2NeueVariante();

// A predecessor text cut to the length a field of this program holds.
inline std::string V2Text(const std::string& text, size_t maxLength) { return text.substr(0, maxLength); }

// Reads the values of one predecessor record in order. A value that is not
// there (end of the file) or a number line that holds no number marks the
// record as damaged; its target keeps its value.
class V2LineReader {
public:
    explicit V2LineReader(CV3File& file) : file_(file) {}

    // A number line: optional blanks, an optional sign, decimal digits,
    // optional blanks; within 32 bits.
    bool Int(int32_t& target);
    // The same, returning the number (0 when it was not there).
    int32_t Int();
    // A number within lo..hi; another number also marks the record as damaged
    // (used for counts, which decide how much follows).
    bool Count(int32_t& target, int32_t lo, int32_t hi);
    bool Str(std::string& target);
    std::string Str();
    // "dd.mm.yyyy" naming a day the calendar holds.
    bool Datum(CDatum& target);

    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }

private:
    bool Line(std::string& line);

    CV3File& file_;
    bool ok_ = true;
};

// Opens a predecessor file (a stored path) for reading and reads its
// identification (LeseV2Kennung). False when it cannot be opened.
bool OeffneV2Datei(CV3File& file, const std::string& pfad, int32_t& kennung, bool mitKopfzeile = false);

// The import's two file messages (caption "Fehler!"): a record of the file
// could not be read, or the file could not be opened.
void MeldeV2Datenfehler(const std::string& pfad);
void MeldeV2Oeffnungsfehler(const std::string& pfad);

}  // namespace v3
