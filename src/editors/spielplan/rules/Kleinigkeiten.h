#pragma once
// The rules of the general settings ("Kleinigkeiten"): the start year, tax
// rate, friendly substitutions and world-federation president, last season's
// European cup winners and the first season's final grounds; and what a new
// start year brings with it: the league structure of country 0 across 2000
// and the ages of every person.
#include <array>
#include <string>

#include "records/Datum.h"

namespace v3 {

class CLand;

inline constexpr int kStartjahrMin = 1999;
inline constexpr int kStartjahrMax = 2050;
inline constexpr int kSteuersatzMax = 80;
inline constexpr int kAuswechslungenMin = 3;
inline constexpr int kAuswechslungenMax = 7;
// The president is 31 to 70 years old at the start of the game.
inline constexpr int kPraesidentMinAlter = 31;
inline constexpr int kPraesidentMaxAlter = 70;
// Start-year moves up to this many years ask nothing.
inline constexpr int kStartjahrOhneFrage = 4;

// The cups in the order of the winners kept in the ranking record.
enum EuroPokal { kPokalDerMeister = 0, kPokalDerPokalsieger = 1, kVerbandspokal = 2 };

// A club of the data set by country index and club number; land -1: none.
struct VereinWahl {
    int land = -1;
    int verein = 0;
    bool Gewaehlt() const { return land >= 0 && verein > 0; }
    bool operator==(const VereinWahl&) const = default;
};

class KleinigkeitenRules {
public:
    // Reads the small-settings record and the ranking record of the data set;
    // values outside the editor's ranges are shown clamped.
    KleinigkeitenRules();

    int Startjahr() const { return startjahr_; }
    void Startjahr(int jahr);  // clamped to 1999..2050; the year counts as entered
    int Steuersatz() const { return steuersatz_; }
    void Steuersatz(int v) { steuersatz_ = v; }
    int Auswechslungen() const { return auswechslungen_; }
    void Auswechslungen(int v) { auswechslungen_ = v; }
    // President's names (code page 1252) and birth date.
    std::string name, vorname;
    int tag = 1, monat = 1, jahr = 1950;
    // The range of the president's birth year for the start year shown.
    int GeburtsjahrMin() const { return startjahr_ - kPraesidentMaxAlter; }
    int GeburtsjahrMax() const { return startjahr_ - kPraesidentMinAlter; }

    // Winners of "Pokal der Meister", "Pokal der Pokalsieger", "Europ.
    // Verbandspokal"; final grounds of "Pokal der Meister" and "Europ.
    // Verbandspokal".
    std::array<VereinWahl, 3> sieger;
    std::array<VereinWahl, 2> finale;
    // Name of a chosen club (code page 1252); empty for none.
    static std::string VereinName(const VereinWahl& wahl);

    // OK: the start-year question, the checks, then everything stored. False
    // when the dialog stays open; nothing of the data set has changed then.
    bool Uebernehmen();

private:
    int startjahr_;
    bool jahrEingegeben_ = false;
    int steuersatz_, auswechslungen_;
};

// Country 0 plays six leagues before 2000 (two leagues, four regional
// leagues) and four from 2000 on (two leagues, two regional leagues). Turns
// the country's league list from one structure into the other: the regional
// clubs are dealt out again, the clubs without a place go to the rest league,
// every new regional league gets its size and a fresh fixture list. Sets the
// table league count of country 0 to match.
void LigenUmbauen(CLand& land, bool abZweitausend);

// After a start-year change: every coach, goalkeeper coach and manager (pools,
// clubs, national coaches) and every association president becomes 31 to 70
// years old, every player 17 to 50, against App().Saisonstartjahr; stored
// ages are recomputed.
void AlterAnpassen();

}  // namespace v3
