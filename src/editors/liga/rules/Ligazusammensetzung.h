#pragma once
// The league composition of one country: which clubs start in which league,
// in which order they finished last season, and last season's flags
// (champion, runner-up, promoted, relegated, cup winner, cup finalist, cup
// participant) kept in each club's Status. Works on copies of the country's
// clubs and leagues; OK checks the whole composition and writes it back.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "records/Liga.h"

namespace v3 {

class CLand;
class CVerein;

// The number in bits 0..3 of a club's status.
inline constexpr int32_t kFlagMeister = 1;
inline constexpr int32_t kFlagAbsteiger = 3;
inline constexpr int32_t kFlagAufsteiger = 4;
inline constexpr int32_t kFlagVize = 6;
// Single bits above it.
inline constexpr int32_t kFlagRestliga = 16;
inline constexpr int32_t kFlagPokalsieger = 64;
inline constexpr int32_t kFlagPokalfinalist = 128;
inline constexpr int32_t kFlagPokalteilnehmer = 256;
// What "Flags löschen" passes to SetStatus.
inline constexpr int32_t kFlagsLoeschen = 0;
// Number of small flag pictures.
inline constexpr int kFlaggenBilder = 23;

// The fixed league tables of a country with a league system (positions 0..10;
// zeros for every other country).
struct LigaSystem {
    int spielLigen = 0;        // leagues played
    int pokalAutomatisch = 0;  // the first this many leagues take part in the cup anyway
    int maxTeilnehmer = 0;     // most clubs flagged as cup participants
    // austausch[k]: clubs moving between league k - 1 and league k each season.
    std::array<int, 7> austausch{};
};
const LigaSystem& LigaSystemVon(int position);

// Index 0..22 of a status's small picture, -1 for none.
int FlaggenBild(int32_t status);
// The status after the flag command `flag` (1, 3, 4, 6, 64, 128, 256, or
// kFlagsLoeschen) on a club with this status.
int32_t MitFlagge(int32_t status, int32_t flag);

// One entry of a league line's context menu.
struct FlaggenMenuEintrag {
    const char* text;  // UTF-8
    int32_t flag;
    bool aktiv;
};

class CLigazusammensetzung {
public:
    // mode 0: a country with a league system, its playing leagues and the
    // clubs in none; mode 1: one list of all the country's clubs.
    CLigazusammensetzung(CLand& land, int mode);
    ~CLigazusammensetzung();

    int Mode() const { return mode_; }
    int Position() const { return position_; }
    // Leagues that can be shown (radio buttons): the playing leagues, 1 in mode 1.
    int LigenAnzahl() const { return spielLigen_ > 0 ? spielLigen_ : 1; }
    // League name (code page 1252).
    const std::string& LigaName(int m) const;
    // Number of clubs league m must hold.
    int Groesse(int m) const;

    // Shows league m (the radio buttons): sets the quotas and, in the first
    // league of mode 0, gives the first two lines champion and runner-up.
    void ZeigeLiga(int m);
    int Gezeigt() const { return gezeigt_; }
    int QuoteAbsteiger() const { return quoteAb_; }
    int QuoteAufsteiger() const { return quoteAuf_; }

    // Club numbers of working league m in their order, and of the rest list.
    const std::vector<int>& Liga(int m) const;
    const std::vector<int>& Rest() const { return rest_; }
    // The working copy of a club, or null for a number no club has.
    const CVerein* Verein(int nummer) const;
    int32_t Status(int nummer) const;
    // The text of a list line (code page 1252): the club's name, or a note for
    // a number no club has.
    std::string ZeilenText(int nummer) const;
    bool Frei(int nummer) const;

    // The context menu on line `zeile` of the shown league.
    std::vector<FlaggenMenuEintrag> Menu(int zeile) const;
    // A menu command on line `zeile` of the shown league.
    void SetStatus(int32_t flag, int zeile);

    // ">>": the rest list's lines `zeilen` into the shown league. False, with
    // the message shown, when they do not fit; otherwise the lines they now
    // have in the league.
    bool ZurLiga(std::vector<int> zeilen, std::vector<int>* neueZeilen = nullptr);
    // "<<": the shown league's lines `zeilen` to the top of the rest list.
    void ZumRest(std::vector<int> zeilen);
    // Drag and drop: the club of line `von` goes to line `nach`; the fixture
    // table follows so that every club keeps its fixtures.
    void Verschiebe(int von, int nach);
    // The working copy of league m (fixture table included).
    const CLiga& Arbeitsliga(int m) const { return *ligen_[size_t(m)].liga; }

    // Every check in its order; all problems in one box ("Fehler!") and false,
    // or the composition written back into the country and true.
    bool OnOK();
    // The collected problems of the checks, empty when there are none.
    std::string Probleme() const;

private:
    struct LigaKopie {
        std::unique_ptr<CLiga> liga;  // name, size as read, fixture table
        std::vector<int> vereine;
    };
    int32_t& StatusRef(int nummer);
    void FolgeMeister();
    void SchreibeZurueck();

    CLand& land_;
    int mode_;
    int position_;
    int spielLigen_ = 0;
    std::vector<std::unique_ptr<CVerein>> vereine_;
    std::vector<int32_t> statusBeimOeffnen_;
    std::vector<int32_t> status_;  // the working statuses, by club number - 1
    std::vector<LigaKopie> ligen_;  // the playing leagues, then the rest league (mode 0)
    std::vector<int> rest_;
    std::vector<bool> frei_;  // by club number
    int gezeigt_ = 0;
    int quoteAb_ = 0;
    int quoteAuf_ = 0;
};

}  // namespace v3
