#pragma once
// The rules of the all-players editor (CSpielerEditorAlleDlg): every player,
// trainer and manager of the current country's clubs in one list, edited on
// copies of the clubs with the squad editor's commands, each acting on the
// club of the selected line.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editors/spieler/rules/SquadEditor.h"

namespace v3 {

// The header sorts of the all-players list.
enum class AllSort { Position = 0, Name = 1, Staerke = 2, Verein = 3 };

class AllPlayersRules {
public:
    static constexpr size_t kEntries = 7560;
    struct Entry {
        int kind = -1;  // -1 free, else LineKind
        int club = -1;  // index into the working clubs
        CSpieler* player = nullptr;
    };

    // Copies of country `land`'s clubs, free trainers and managers and of the
    // former players; the entry table; squad sizes set and amateur links
    // counted, with the progress window advancing once per club.
    explicit AllPlayersRules(int land);

    int Land() const { return land_; }
    SquadWorkingSet& Set() { return set_; }
    OwnedList<CVerein>& Clubs() { return set_.laender[size_t(land_)].vereine; }
    const std::vector<Entry>& Entries() const { return entries_; }
    int AmateurLinks() const { return amateurLinks_; }

    // List lines: entry indexes in list order.
    const std::vector<int>& Rows() const { return rows_; }
    const Entry& RowEntry(int row) const { return entries_[size_t(rows_[size_t(row)])]; }
    std::string Line(int row) const;  // code page 1252
    std::string Title(int row) const;
    CVerein& RowClub(int row) { return *Clubs()[size_t(RowEntry(row).club)]; }

    // A header click: the table sorted by `key`, runs of equal entries by the
    // keys chosen before; the list rebuilt.
    void Sort(AllSort key);
    const std::vector<AllSort>& SortKeys() const { return keys_; }

    // Runs a squad command on the club of line `row`: `command` gets the
    // club's rules bound to the working lists and the player's position in
    // its squad (-1 for a trainer or manager line) and returns what the
    // squad rules returned. Players the command removed lose their entry and
    // line; a player it added takes the first free entry and a line at `row`.
    // `adds`: the command adds a player, refused with its message when the
    // table is full. Returns the line to select, none when nothing changed.
    using SquadCommand = std::function<std::optional<int>(SquadEditorRules&, int)>;
    std::optional<int> Command(int row, bool adds, const SquadCommand& command);
    // What the squad rules of line `row`'s club are bound to (choosers, page context).
    SquadEditorRules::Binding BindingFor(int row);

    // OK: every club's problems in one box (false: the editor stays open);
    // otherwise the corrections, the transfers, and the copies into the data set.
    bool Ok();

    OwnedList<CExSpieler>& GivenAway() { return abgegeben_; }
    OwnedList<CExSpieler>& Fetched() { return geholt_; }

private:
    void RebuildRows();
    int FreeEntry() const;
    int land_;
    SquadWorkingSet set_;
    OwnedList<CExSpieler> abgegeben_, geholt_;
    std::vector<Entry> entries_;
    std::vector<int> rows_;
    std::vector<AllSort> keys_;
    int amateurLinks_ = 0;
};

// The separator between a club's name and its message in the OK box.
inline constexpr const char* kVereinTrenner = ": ";

}  // namespace v3
