#pragma once
// The bonus country: one extra country (index 37) with a league of its own that
// takes over the national team of a chosen nation. Here are its rules without
// the dialog window: the nations offered, the dialog's checks, the tournament
// block, creating, replacing and removing the country, the bonus slot of the
// per-country tables and the bonus crests. The records it is made of are CLand
// (CreateBonusLandFrom, LadenV3LocalizedBonus, ...) and CVerein
// (CreateBonusVereinFrom).
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/BonusTables.h"

namespace v3 {

class CLand;

// Crest code of a nation for the bonus crest names ("Bel" for nation 6): the
// European nations of the fixed country table have one, every other nation
// the empty code.
std::string NationsKuerzel(int nation);

// Position 0..8 of the nation among the predefined bonus nations (by the name
// of its national team), -1 when it is none of them.
int VordefinierteBonusNationVon(int nation);

// Nations whose national team is never taken over while it plays in a tournament.
inline constexpr std::array<int, 25> kBonusTurnierFreieNationen = {1,  4,  5,  8,  10, 11, 12, 22, 31,
                                                                   32, 33, 29, 30, 40, 41, 43, 44, 48,
                                                                   56, 64, 70, 71, 72, 91, 108};

// One entry of the list "Land": a nation number and its team's name (code page
// 1252); the last entry is "Kein" with the number 0.
struct BonusNationEintrag {
    int nation = 0;
    std::string name;
};
// The nations offered: every national team other than number 0 and the teams
// of the main countries (0..10) that is the team of a further European country
// (11..36), the current bonus nation, or marked in its record (NationWertA not
// 0: a nation outside Europe that may become a bonus country); then "Kein".
std::vector<BonusNationEintrag> BonusNationenListe();

// The dialog's values. A list without a choice holds kKeineWahl.
inline constexpr int kKeineWahl = -1;
inline constexpr int kEigeneDatei = kVordefinierteBonusNationen;  // crest or map from the user's file
struct BonusLandAuswahl {
    int nation = kKeineWahl;  // national-team number; 0 is "Kein" (remove the bonus country)
    int wappen = kKeineWahl;  // 0..8 a predefined crest, kEigeneDatei the file wappenDatei
    std::string wappenDatei;  // host path or stored path
    int karte = kKeineWahl;   // 0..8 a predefined map, kEigeneDatei the file karteDatei
    std::string karteDatei;
    int gelbSperre = kKeineWahl;   // list index
    int haarfarbe = 0;             // 0 "Hellblond", 1 "Dunkelblond", 4 "Schwarz"
    int hautfarbe = 0;             // 0 "Hell", 1 "Dunkel", 2 "Schwarz"
    int ligaGroesse = kKeineWahl;  // list index k: a league of 12 + 2k clubs
    int pokal = 0;                 // list index; the cup mode is index + 1
    int absteiger = 2;             // 2..4
    int superCup = 1;              // 1..2 games
};
inline constexpr int kLigaGroessen = 7;  // 12, 14, ..., 24 clubs
inline int LigaGroesseAusIndex(int index) { return 12 + 2 * index; }
inline int LigaGroesseIndex(int groesse) { return groesse > 12 ? (groesse - 12) / 2 : 0; }
// "Spiel" for one super-cup game, "Spiele" otherwise.
std::string SuperCupText(int spiele);

// Checks the dialog's values as "OK" does and returns the messages of every
// failed check in the order the checks run (empty: the values are accepted).
// "Kein" is always accepted. istJpeg decides whether the user's map loads as a
// JPEG picture; without it the file must open and carry the JPEG start and
// frame markers.
std::vector<std::string> PruefeBonusLandAuswahl(const BonusLandAuswahl& auswahl,
                                                const std::function<bool(const std::string&)>& istJpeg = {});

// The dialog's values of the existing bonus country, or the defaults without one.
BonusLandAuswahl BonusLandVorbelegung();

// The message that forbids changing or removing the bonus country while its
// national team plays in the World Cup ("WM") or the European championship
// ("EM"); empty when nothing forbids it.
std::string BonusLandTurnierSperre();

// The bonus slot (37) of the per-country tables for a bonus country of
// `nation` with a first league of `ligaGroesse` clubs: one league, its size,
// 18 clubs (12-club league) or 26, the pool sizes of a bonus country, the
// team's name and crest code; AktuellesLand becomes 37.
void BonusSlotBelegen(int nation, int ligaGroesse);
// The first of the countries 0..36 whose team is `nation` lends it: its media
// pool sizes go into the bonus slot, its BonusLand flag becomes 1 (when it is
// loaded) and BonusQuellLand its index. Returns the index, or -1 when no
// country has that team. Its own NationNummer entry is left to the caller.
int BonusQuellLandSetzen(int nation);
// The slot of a bonus country read back from its file: BonusSlotBelegen and
// BonusQuellLandSetzen, the lender gives its team up, and slot 37 stands for
// `nation` as the bonus country.
void BonusSlotNachLaden(int nation, int ligaGroesse);
// Resets the bonus slot: a lender gets its team back, the bonus values become
// -1, slot 37 takes the values of the fixed table ("Fehler!" as its name), and
// the remembered user map and crest are forgotten.
void BonusSlotZuruecksetzen();

// Removes the bonus country, when there is one: the lender gets its team back
// and its flag 0, the chants and own chants of the bonus nation are deleted,
// its clubs' places in the Champions League groups go to clubs drawn from the
// first leagues of the countries 0..36 (except the places of club numbers
// the lender has: they name its own clubs again), the country is destroyed, and
// NationNummer[37], BonusLandIndex and BonusNation become -1.
void EntferneBonusLand();

// "OK" of the dialog with values that passed the checks: a nation creates
// (or replaces) the bonus country, "Kein" removes it and resets the slot.
// False, changing nothing, when the data set does not hold the 37 countries
// and the nation list.
bool BonusLandUebernehmen(const BonusLandAuswahl& auswahl);

// Besonderes -> "Neues Bonusland erzeugen" with the dialog given as a function:
// it receives the prefilled values and returns true for "OK" (with values that
// passed PruefeBonusLandAuswahl) or false for "Abbrechen". Returns true when
// the dialog's values were applied. AnimationAktiv and DatenGeaendert are set
// on every way out.
bool OnBonuslanderzeugenaendern(const std::function<bool(BonusLandAuswahl&)>& dialog);

// Copies the crests of clubs 1..vereine of country quellLand (or, for -1, the
// default crest) to those of country zielLand: "BW_" names for the bonus
// country, "VW_" otherwise, in the "Wappen\" folders of the two stored
// directories (".\DATA.V3\"). A club without a crest of the source country
// takes the default crest file, and when that file is missing the built-in
// crest. An existing crest is replaced only when erzwingen is set or its
// source is not older (the built-in crest counts as older than any file).
// quellVerein and zielVerein are -1 for all clubs, or one club number each.
// Nothing is made (false) without a bonus nation, clubs, target directory or
// default crest; a failed copy is reported ("Fehler beim Speichern der
// Wappen!") and ends the copying with false.
// Makes the crests of clubs 1..vereine of the bonus country `land`: the
// lender's crest of the same club number, else the default crest of
// wappenWahl (0..8 a predefined nation's flag, -1 the user's crest file).
bool CreateBonusWappen(const CLand* leiher, int vereine, int land, int wappenWahl);

bool CopyLaenderWappen(int quellLand, int quellVerein, int zielLand, int zielVerein, int vereine,
                       const std::string& quellVerzeichnis, const std::string& zielVerzeichnis,
                       const std::string& standardWappen, int erzwingen);

}  // namespace v3
