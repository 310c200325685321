#pragma once
// The fixture editor's rules: the league chooser over working copies of one
// country's leagues, and the matchday editor over a working copy of one league.
//
// The matchday editor keeps each shown field as the club it holds (the club's
// index in the country's club list), never as a name: two clubs of one
// country may share a name, and the fixture table is written back from the
// clubs themselves.
#include <memory>
#include <string>
#include <vector>

#include "records/Liga.h"

namespace v3 {

class CLand;

inline constexpr int kSpielplanMaxSpieltage = 46;
inline constexpr int kSpielplanMaxFelder = 24;  // 12 rows of home and away
inline constexpr int kSpielplanMaxMeldungszeilen = 30;
inline constexpr const char* kPaarungenFestlegen = "Bitte zunächst alle Paarungen\ndieses Spieltags festlegen!";

// Title label of league index `liga` of country `land` (UTF-8): "1. Liga",
// "2. Liga", then the regional leagues; country 1 calls its leagues 2 and 3
// "3. Liga" and "4. Liga", and country 0 from 2000 on plays "RL Nord" and
// "RL Süd" at 2 and 3.
std::string SpielplanLigaLabel(int land, int liga);

// "Spielplanauswahl": working copies of every league of the country.
class SpielplanAuswahl {
public:
    explicit SpielplanAuswahl(int land);
    int Land() const { return land_; }
    // The playing leagues offered (the rest league and leagues kept for
    // another season are not).
    int Anzahl() const;
    const CLiga& Liga(int i) const { return *ligen_[size_t(i)]; }
    // The editor's result replaces working copy i.
    void Ersetzen(int i, const CLiga& ergebnis);
    // "Übernehmen": the working copies become the country's leagues, in order.
    void Uebernehmen();

private:
    int land_;
    std::vector<std::unique_ptr<CLiga>> ligen_;
};

// The matchday editor ("Spielplan").
class SpielplanEditor {
public:
    // A working copy of `liga`, league index `ligaIndex` of country `land`.
    SpielplanEditor(int land, int ligaIndex, const CLiga& liga);

    std::string Titel() const;  // UTF-8
    const CLiga& Ergebnis() const { return liga_; }
    int Spieltage() const;       // 2n - 2, at most 46: the enabled buttons
    int Felder() const;          // home and away fields in use: 2 * (n / 2), at most 24
    int Zeilen() const { return Felder() / 2; }
    int Spieltag() const { return spieltag_; }

    // Name shown in field `slot` (code page 1252), empty for an empty field.
    std::string FeldName(int slot) const;
    int FeldVerein(int slot) const;  // club index in the country, -1 empty
    // "Vereine ohne Gegner": club indexes and their names.
    const std::vector<int>& OhneGegner() const { return ohneGegner_; }
    std::string VereinName(int verein) const;

    // A click on a field: a club in it goes to "Vereine ohne Gegner".
    void SwapVerein(int slot);
    // Choosing entry `eintrag` of "Vereine ohne Gegner": the club goes into
    // the first empty field.
    void OnSelchangeListe(int eintrag);
    // "Spieltag löschen".
    void OnLoeschen();
    // A matchday button: false when the shown matchday is incomplete and
    // stays (the warning comes every second time).
    bool OnRadioSpieltag(int spieltag);
    // "Rückrunde wie Vorrunde" (asks first).
    void OnRueck();
    // "Spielplan erstellen" (asks first).
    void OnDefaultSpielplan();
    // OK: true when the working copy may become the league; otherwise the
    // messages are shown and the editor shows the matchday concerned.
    bool OnOK();

private:
    void Zeigen(int spieltag);
    void Zurueckschreiben();
    // Position (1-based) of a club in the league.
    int Position(int verein) const;
    // Club index of a league position, -1 when none.
    int VereinAn(int position) const;
    // The first matchday whose fields do not form a valid matchday, or -1.
    int UngueltigerSpieltag() const;

    int land_;
    int ligaIndex_;
    CLiga liga_;
    const CLand* landObjekt_;
    int spieltag_ = 0;
    bool gewarnt_ = false;
    std::vector<int> felder_;
    std::vector<int> ohneGegner_;
};

// The lines of the repetition check ("Folgende Partie ist sowohl am ...",
// UTF-8, each ending in a line break) and the first matchday concerned
// (-1 without a repetition). A match and its return match are no repetition.
struct Wiederholungen {
    std::vector<std::string> zeilen;
    int ersterSpieltag = -1;
};
Wiederholungen PruefeWiederholungen(const CLiga& liga, int spieltage, const CLand* land);

}  // namespace v3
