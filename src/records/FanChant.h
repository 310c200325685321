#pragma once
// The fields and the stored form that fan chants (CFangesang) and own chants
// recorded as sound files (CEigenerFangesang) share. A chant is written
// without a section of its own, at the writer's current place.
#include <cstdint>
#include <string>

#include "records/RecordText.h"

namespace v3 {

class CV3File;

// Kinds of chant ("Art").
enum FangesangArt : int32_t {
    ArtAnfeuerung = 0,   // "Anfeuerung"
    ArtJubel = 1,        // "Jubel"
    ArtSpott = 2,        // "Spott"
    ArtGegenGegner = 3,  // "gegen Gegner"
    ArtAllgemein = 4,    // "allgemein"
};

class FanChant {
public:
    static constexpr int kArten = 5;
    static constexpr int kHaeufigkeiten = 3;  // "gering", "mittel", "hoch"

    const std::string& Text() const { return text_; }
    bool Text(const std::string& v) { return SetRecordText(text_, v); }
    const std::string& SpielerName() const { return spielerName_; }
    // Also marks the chant as a player chant for a non-empty name and clears
    // that mark for an empty one.
    bool SpielerName(const std::string& v);
    int IsSpielerGesang() const { return isSpielerGesang_; }
    // Nation number 0..116 of the chant's country.
    int32_t Land() const { return land_; }
    bool Land(int32_t v);
    // Club numbers, -1 for "Alle".
    int32_t Verein() const { return verein_; }
    bool Verein(int32_t v);  // >= -1
    int32_t Gegner() const { return gegner_; }
    bool Gegner(int32_t v);  // >= -1
    int32_t Art() const { return art_; }
    bool Art(int32_t v);  // 0..4
    int32_t Haeufigkeit() const { return haeufigkeit_; }
    bool Haeufigkeit(int32_t v);  // 0..2

    // Set by the reader of the predecessor's format; never stored.
    bool AusAltemFormat() const { return ausAltemFormat_; }
    void AusAltemFormat(bool v) { ausAltemFormat_ = v; }

    // Reads the eight values at the current place; false when one was missing
    // (it keeps its value).
    bool LadenV3Localized(CV3File& file, int sprache);
    // Reads the predecessor's chant: text, in the newer variant the player's
    // name, nation, club, opponent, kind, frequency; marks it as read from the
    // old format. Values this record refuses keep theirs. False, unchanged,
    // when incomplete.
    bool Laden(CV3File& file);

    // Compares the stored fields (not the transient old-format mark).
    friend bool operator==(const FanChant& a, const FanChant& b) {
        return a.text_ == b.text_ && a.spielerName_ == b.spielerName_ &&
               a.isSpielerGesang_ == b.isSpielerGesang_ && a.land_ == b.land_ && a.verein_ == b.verein_ &&
               a.gegner_ == b.gegner_ && a.art_ == b.art_ && a.haeufigkeit_ == b.haeufigkeit_;
    }

protected:
    FanChant(int32_t verein, int32_t gegner) : verein_(verein), gegner_(gegner) {}
    ~FanChant() = default;
    FanChant(const FanChant&) = default;
    FanChant& operator=(const FanChant&) = default;

    // Writes the eight values at the current place, trimming the text first
    // when trimText is set; false when a line could not be written.
    bool Write(CV3File& file, bool trimText);

private:
    std::string text_;
    std::string spielerName_;
    uint8_t isSpielerGesang_ = 0;
    int32_t land_ = 0;
    int32_t verein_;
    int32_t gegner_;
    int32_t art_ = ArtAnfeuerung;
    int32_t haeufigkeit_ = 0;
    bool ausAltemFormat_ = false;
};

// A club reference above the first main country's club numbers names no club
// of it any more: a chant of that country's national team loses it (the club,
// or else the opponent), as the load and the import correct them.
void KorrigiereFangesang(FanChant& c);

}  // namespace v3
