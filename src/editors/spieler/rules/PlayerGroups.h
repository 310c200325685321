#pragma once
// The rules of the dialogs around players: the transfer and fetch choosers, the
// pool of former players, the national squad and the player overview, and the
// youth and amateur players of a country or of an international pool.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/AmateurJugendSpieler.h"
#include "records/ExSpieler.h"

namespace v3 {

class CSpieler;
class CVerein;

inline constexpr const char* kKeinSpielerGewaehlt = "Bitte selektieren Sie zuerst einen Spieler!";

// Squad size of every club, by country index and club number, as the data
// set holds them plus what the open editors promised (players sent there).
class SquadSizes {
public:
    // Counts the squads of the data set's clubs.
    static SquadSizes FromDataSet();
    int Size(int land, int vereinsNummer) const;
    void Set(int land, int vereinsNummer, int size) { sizes_[{land, vereinsNummer}] = size; }
    void Raise(int land, int vereinsNummer) { ++sizes_[{land, vereinsNummer}]; }

private:
    std::map<std::pair<int, int>, int> sizes_;
};

// ---- transfer chooser ("Vereinsauswahl") ----

// The countries the transfer chooser offers, by country index: every country
// of the data set that has clubs, in index order.
std::vector<int> TransferCountries();
// "name\tabbreviation" of the country's nation.
std::string TransferCountryLine(int land);
// Clubs of country `land` with fewer than 35 players, without the club named
// `ownClub`.
std::vector<const CVerein*> TransferClubs(int land, const std::string& ownClub, const SquadSizes& sizes);

// ---- fetch chooser ("Spieler holen") ----

// A club must keep 16 players: fetching from one with fewer than 17 is refused
// with its message (caption "Fehler!").
inline constexpr int kMindestKaderZumHolen = 17;
bool FetchAllowed(int clubPlayers);
// The fetched player as a transfer record naming the source country's nation
// and the club's number.
std::unique_ptr<CExSpieler> MakeFetchRecord(const CSpieler& player, int land, const CVerein& club);
// Modes of the fetch chooser: the squad editors' (1), and choosing the world's
// best player for ability n (2) or for position n (3), with "Kein Spieler".
inline constexpr int kHolenKader = 1, kHolenFaehigkeit = 2, kHolenPosition = 3;
// The players of a club the chooser lists: in mode 2 the field players whose
// ability n is a strength, in mode 3 the players of main position n, both by
// last name; in the other modes the whole squad in its order.
std::vector<const CSpieler*> FetchCandidates(const CVerein& club, int mode, int n);

// ---- pool of former players ----

class FormerPoolRules {
public:
    // Working copies of the data set's former players.
    FormerPoolRules();
    size_t Count() const { return players_.size(); }
    CExSpieler& Player(size_t i) { return *players_[i]; }
    // "last name, first name" (code page 1252); "Keiner" for an empty pool.
    std::vector<std::string> Lines() const;

    // Sends former player `index` to club `vereinsNummer` of country `land`
    // after the question; the line to select next, or none when nothing
    // happened (no selection, or the question answered with Cancel).
    std::optional<int> Wechseln(int index, int land, int vereinsNummer);
    // Removes former player `index` without a question.
    std::optional<int> Loeschen(int index);
    // Players sent away in this dialog (target nation and club).
    const std::vector<std::unique_ptr<CExSpieler>>& Transfers() const { return transfers_; }
    SquadSizes& Sizes() { return sizes_; }

    // OK: the data set's former players become the working list, and each
    // transferred player joins his target club with its lowest free shirt
    // number (a target that cannot take him keeps him in the pool).
    void Apply();

private:
    std::vector<std::unique_ptr<CExSpieler>> players_;
    std::vector<std::unique_ptr<CExSpieler>> transfers_;
    SquadSizes sizes_;
};

// ---- national squad and overview ----

struct SquadEntry {
    CSpieler* player = nullptr;
    int land = -1;         // country of his club, -1 for none
    std::string club;      // club name (code page 1252), empty for none
};

// What the overview's extra column shows.
enum class OverviewColumn { None, Charakter, Eigenschaften };

// "%s\t%s\t%s\t%s\t%d\t%d\t": position, country short form, club, name (with
// ", first name" when asked), age, strength; then the traits of `column`.
std::string OverviewLine(const SquadEntry& e, bool withFirstName, OverviewColumn column = OverviewColumn::None);

class NationalSquadRules {
public:
    static constexpr int kMin = 16, kMax = 22;
    // Every player of nation `nation` in the data set's clubs and among the
    // other players; the members are those marked as in the squad.
    explicit NationalSquadRules(int nation);
    // For tests: the candidates given.
    NationalSquadRules(int nation, std::vector<SquadEntry> candidates);

    const std::vector<SquadEntry>& Squad() const { return squad_; }
    const std::vector<SquadEntry>& Candidates() const { return candidates_; }
    int Nation() const { return nation_; }
    // Adds candidate `index` (-1: none selected); false with the message shown.
    bool Add(int index);
    // Removes member `index` after the question; false when refused or not confirmed.
    bool Remove(int index);
    // OK: 16 to 22 members; clears the squad mark of the previous members and
    // sets it on the members. False with the message shown.
    bool Ok();

private:
    void Init();
    int nation_;
    std::vector<SquadEntry> candidates_;
    std::vector<SquadEntry> squad_;
    std::vector<CSpieler*> previous_;
};

// ---- youth and amateur players ----

class YouthRules {
public:
    // The youth players of country `land` (clubs allowed) ...
    static YouthRules ForCountry(int land);
    // ... or of international pool `pool` (0-based; names only).
    static YouthRules ForPool(int pool);
    // For tests: working copies of `players`, clubs allowed.
    explicit YouthRules(const std::vector<CAmateurJugendSpieler>& players);

    bool ClubsAllowed() const { return land_ >= 0 || pool_ < 0; }
    size_t Count() const { return players_.size(); }
    const CAmateurJugendSpieler& Player(size_t i) const { return *players_[i]; }
    // Club names of the country (code page 1252), index = club number - 1.
    const std::vector<std::string>& ClubNames() const { return clubNames_; }
    // "last name, first name\tclub" with "Keiner" for no club.
    std::string Line(size_t i) const;
    int PlayersWithClub() const;

    // Whether player i, now with club `oldClub`, may take club `newClub`
    // (0 = "Keiner"): from none to a club only while at most a tenth of the
    // players have one; otherwise the message is shown.
    bool ClubChoiceAllowed(int oldClub, int newClub) const;
    // "Jugendspieler editieren" OK: trims both names, which must not be empty
    // ("Fehler!"), then stores names and club.
    bool Edit(size_t i, const std::string& vorname, const std::string& nachname, int club);
    // OK: the data set's list becomes the working list.
    void Apply();

private:
    YouthRules() = default;
    int land_ = -1, pool_ = -1;
    std::vector<std::unique_ptr<CAmateurJugendSpieler>> players_;
    std::vector<std::string> clubNames_;
};

}  // namespace v3
