#pragma once
// The rules of the squad player editor (CSpielerEditorDlg): mode 1 edits the
// squad of one club with its trainer and manager, mode 2 the document's other
// players.
//
// How the club selection uses mode 1:
//   - it keeps its working copies in a SquadWorkingSet (SquadWorkingSet::FromDataSet
//     copies every country's clubs, free trainers and free managers, the former
//     players, and counts the squads);
//   - "Spieler" on a club calls RunSpielerEditorModus1(set, land, club, parent)
//     (editors/spieler/SpielerEditorDlg.h), `club` being the selection's working
//     copy in set.laender[land].vereine. On OK that function has already applied
//     the editor's result to the set with SpielerEditorAnwenden and returns true;
//     the selection then refills its club list. On Cancel nothing in the set
//     changes (the squad sizes promised to transfer targets are taken back);
//   - "Übernehmen" of the selection puts the set into the data set
//     (SquadWorkingSet::Uebernehmen).
// Without a dialog (tests, tools) SquadEditorRules in mode 1 is built from the
// same arguments; after a successful Ok() its TakeResult() goes to
// SpielerEditorAnwenden.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/spieler/rules/PlayerGroups.h"
#include "editors/spieler/rules/PlayerPages.h"
#include "records/ExSpieler.h"
#include "records/Manager.h"
#include "records/Spieler.h"
#include "records/TrainerUndCo.h"
#include "records/Verein.h"

namespace v3 {

template <class T>
using OwnedList = std::vector<std::unique_ptr<T>>;

// The working lists of one country in the club selection.
struct SelectionCountry {
    bool copied = false;                 // false: the country's lists were not copied
    OwnedList<CVerein> vereine;          // working clubs, in list order (VereinsNummer = position + 1)
    OwnedList<CTrainerUndCo> trainer;    // free trainers
    OwnedList<CManager> manager;         // free managers
};

// The club selection's working set, the input of mode 1 and what its apply
// step changes.
struct SquadWorkingSet {
    std::vector<SelectionCountry> laender;  // by country index
    OwnedList<CExSpieler> exSpieler;        // working former players
    OwnedList<CExSpieler> geholt;           // players fetched while the selection is open
    SquadSizes groessen;                    // squad size of every club (Kadergroessen)

    // Copies of every country (or of country `land` alone) and of the former
    // players; the squad sizes as counted in the data set.
    static SquadWorkingSet FromDataSet();
    static SquadWorkingSet FromDataSet(int land);
    // The working club `vereinsNummer` of country `land`, or null.
    CVerein* Verein(int land, int vereinsNummer);
    // Puts the copied countries' clubs, free trainers and managers and the
    // former players into the data set (the copies move there).
    void Uebernehmen();
};

// What mode 1 hands back after OK.
struct SquadEditorResult {
    OwnedList<CSpieler> spieler;            // the working player list
    OwnedList<CExSpieler> exSpieler;        // the working former players
    OwnedList<CExSpieler> geholt;           // fetched: source nation and club
    OwnedList<CExSpieler> abgegeben;        // given away: target nation and club, newest first
    OwnedList<CTrainerUndCo> freieTrainer;  // the country's free trainers
    OwnedList<CManager> freieManager;       // the country's free managers
    CTrainerUndCo trainer;                  // the club's trainer and manager
    CManager manager;
    // The trainer and manager the club had when the editor opened, and the
    // clubs of the country that took part in a swap (null: none); on apply
    // a partner receives the one this club had.
    CTrainerUndCo alterTrainer;
    CManager alterManager;
    int trainerPartner = 0, managerPartner = 0;  // VereinsNummer, 0 = none
};

// Applies the result of mode 1 to the working set: the club's squad, the
// former players, the free trainers and managers, the swap partners; each
// given-away player joins his target club with its lowest free shirt number;
// each fetched player leaves his source club; the club's trainer, manager and
// squad size.
void SpielerEditorAnwenden(SquadWorkingSet& set, int land, CVerein& club, SquadEditorResult result);

// The clubs of country `land`: the set's copies when it holds them, else the
// data set's (a transfer may name any country).
OwnedList<CVerein>* ClubsOfCountry(SquadWorkingSet& set, int land);

// A given-away record as a player of its target club among `clubs` (lowest
// free shirt number); false when the club is missing or its squad is full.
bool GiveAwayInto(OwnedList<CVerein>& clubs, const CExSpieler& record);
// Removes from the source club among `clubs` the first player with the
// record's last and first name; false when there is none.
bool RemoveFetched(OwnedList<CVerein>& clubs, const CExSpieler& record);

// Each given-away player joins his target club (or, when it cannot take him,
// the former players); each fetched player leaves his source club; both
// lists end empty (the fetched records join set.geholt).
void ApplyTransfers(SquadWorkingSet& set, OwnedList<CExSpieler>& abgegeben, OwnedList<CExSpieler>& geholt);

// "BesterSpieler"/"BesterHauptposition" of a player that no longer holds them.
void CorrectBest(CSpieler& p);

// Kind of a list line (its item data).
enum class LineKind { Spieler = 0, Trainer = 1, Manager = 2 };
// The header sorts of the squad editor.
enum class SquadSort { Position, Name, Staerke };

inline constexpr int kMaxKader = 35;
inline constexpr int kMinKader = 16;
inline constexpr int kMinHeimspieler = 10;

// The list line of a player (tab-separated columns), with the shirt
// number in mode 1.
std::string SquadPlayerLine(const CSpieler& p, bool withNumber);
// "TRA"/"MA" lines: "%s\t%s, %s\t%d".
std::string SquadStaffLine(LineKind kind, const std::string& nachname, const std::string& vorname, int kompetenz);
// The abbreviation of nation `n` (values above 117 count as 0).
std::string NationKuerzel(int n);
// One stable insertion pass by one key; the header sorts run three passes.
void SortPass(OwnedList<CSpieler>& list, SquadSort key);
void SortSquad(OwnedList<CSpieler>& list, SquadSort header);
// "Der Spieler %s %s hat die gleiche Rückennummer wie %s %s!\n" per duplicate (UTF-8).
std::string DuplicateNumberLines(const OwnedList<CSpieler>& list);
// Players of nation `nation` plus players marked as domestic (a player with both counts twice).
int HomePlayers(const OwnedList<CSpieler>& list, int nation);

class SquadEditorRules {
public:
    // Writes the page shown into the current record; false keeps the user on it.
    using WritePage = std::function<bool()>;

    // Mode 1 on copies of the selection's working lists.
    SquadEditorRules(SquadWorkingSet& set, int land, CVerein& club);
    // Mode 2 on copies of `others` (the document's other players).
    explicit SquadEditorRules(const OwnedList<CSpieler>& others);
    // Bound to lists kept elsewhere (the all-players editor): commands act on
    // `club`'s squad directly.
    struct Binding {
        int land = 0;
        CVerein* club = nullptr;
        OwnedList<CVerein>* vereine = nullptr;
        OwnedList<CExSpieler>* exSpieler = nullptr;
        OwnedList<CExSpieler>* geholt = nullptr;
        OwnedList<CExSpieler>* abgegeben = nullptr;
        OwnedList<CTrainerUndCo>* freieTrainer = nullptr;
        OwnedList<CManager>* freieManager = nullptr;
        SquadSizes* groessen = nullptr;
    };
    explicit SquadEditorRules(const Binding& b);
    // The rules point into their own lists: neither copied nor moved.
    SquadEditorRules(const SquadEditorRules&) = delete;
    SquadEditorRules& operator=(const SquadEditorRules&) = delete;

    int Mode() const { return mode_; }
    int Land() const { return land_; }
    CVerein* Club() const { return club_; }
    OwnedList<CSpieler>& Players() { return *spieler_; }
    const OwnedList<CSpieler>& Players() const { return *spieler_; }
    OwnedList<CExSpieler>& Former() { return *exSpieler_; }
    OwnedList<CExSpieler>& GivenAway() { return *abgegeben_; }
    OwnedList<CExSpieler>& Fetched() { return *geholt_; }
    OwnedList<CTrainerUndCo>& FreeTrainers() { return *freieTrainer_; }
    OwnedList<CManager>& FreeManagers() { return *freieManager_; }
    CTrainerUndCo& Trainer() { return *trainer_; }
    CManager& Manager() { return *manager_; }
    SquadSizes& Sizes() { return *groessen_; }
    // The clubs of the country (trainer and manager swaps, fetch chooser).
    const OwnedList<CVerein>* CountryClubs() const { return vereine_; }
    // The nation number of the country.
    int Nation() const;

    // Lines: one per player, then in mode 1 "TRA" and "MA".
    size_t LineCount() const { return spieler_->size() + (mode_ == 1 ? 2 : 0); }
    LineKind Kind(size_t line) const;
    std::string Line(size_t line) const;
    // Lines and title are code page 1252 (record texts).
    // "Verein - <club>    <kind> - <first> <last>" or "Sonstige Spieler - ...".
    std::string Title(size_t line) const;
    void Sort(SquadSort header) { SortSquad(*spieler_, header); }

    // The shirt-number table of the working list (mode 1).
    ShirtNumberTable Numbers() const;
    double AverageStrength() const;

    // Commands. `line` is the selected line (-1: none); a command that
    // changed the list returns the line to select next, none when refused
    // (its message shown) or cancelled.
    std::optional<int> Neu(int line, const WritePage& write);
    std::optional<int> LoeschenZuEhemaligen(int line, const WritePage& write);
    std::optional<int> EndgueltigLoeschen(int line);
    // With the index chosen from Former() (asked by `choose`, none: cancelled).
    std::optional<int> Ehemalige(int line, const WritePage& write,
                                 const std::function<std::optional<int>()>& choose);
    // The target (country index, club number) asked by `choose`.
    std::optional<int> Wechsel(int line, const WritePage& write,
                               const std::function<std::optional<std::pair<int, int>>()>& choose);
    // The fetched player (a record naming its source) given by `choose`; a
    // player already fetched (here or while the selection is open) is refused.
    std::optional<int> Holen(int line, const WritePage& write,
                             const std::function<std::unique_ptr<CExSpieler>()>& choose);
    // "Spieler ersetzt Trainer/Manager": true when the player took the place.
    bool SpielerErsetzt(int line, LineKind staff);
    // "Trainer/Manager ersetzen" with the index chosen from the free list.
    bool Ersetzen(LineKind staff, const std::function<std::optional<int>()>& choose);
    // Whether "Trainer/Manager ersetzen" is offered.
    bool CanReplace(LineKind staff) const;
    // "Trainer/Manager tauschen" with the club chosen from CountryClubs().
    bool Tauschen(LineKind staff, const CVerein* partner);
    // "Rückennummern neu verteilen" after the question; false when declined.
    bool Renumber(const WritePage& write);
    // OK: validation in its order, then the corrections; false keeps the
    // editor open.
    bool Ok(const WritePage& write);
    // Mode 1 after Ok(): the result for SpielerEditorAnwenden.
    SquadEditorResult TakeResult();
    // Mode 2 after Ok(): the document's other players become the working list.
    void ApplyOthers();
    // Cancel: the squad sizes raised for transfers are lowered again.
    void Cancel();
    // Bound rules: the trainer and manager (after their page was written)
    // go back into the club; nothing otherwise.
    void StoreStaff();

private:
    void Bind();
    bool RefuseFull() const;
    std::optional<int> Insert(std::unique_ptr<CSpieler> p, int line);
    std::optional<int> Remove(size_t index);
    bool RefuseNational(const CSpieler& p) const;
    // The player of `line` for a command that takes him out of the squad; null
    // (with the message) when no player is chosen or he is the last one, whose
    // refusal `letzter` words.
    const CSpieler* SpielerZumEntfernen(int line, const char* letzter) const;
    bool AlreadyFetched(const CExSpieler& r) const;
    int mode_ = 1;
    bool bound_ = false;
    int land_ = 0;
    CVerein* club_ = nullptr;
    SquadEditorResult own_;
    OwnedList<CSpieler>* spieler_ = nullptr;
    OwnedList<CExSpieler>* exSpieler_ = nullptr;
    OwnedList<CExSpieler>* geholt_ = nullptr;
    OwnedList<CExSpieler>* abgegeben_ = nullptr;
    OwnedList<CTrainerUndCo>* freieTrainer_ = nullptr;
    OwnedList<CManager>* freieManager_ = nullptr;
    CTrainerUndCo* trainer_ = nullptr;
    CManager* manager_ = nullptr;
    const OwnedList<CVerein>* vereine_ = nullptr;
    SquadSizes* groessen_ = nullptr;
    const OwnedList<CExSpieler>* selectionFetched_ = nullptr;
    SquadSizes ownSizes_;
    OwnedList<CVerein> noClubs_;
};

}  // namespace v3
