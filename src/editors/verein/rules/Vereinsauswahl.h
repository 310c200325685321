#pragma once
// The club selection: working copies of every offered country's clubs,
// coaches and managers; the club list's lines and its three sort keys; the
// crest preview; the staging of crest files while a club is edited; and the
// two ways out, "Übernehmen" (everything into the data set) and "Abbrechen".
//
// Crest files pass three stages, all in the data directory's crest folder,
// with P = "Temp" ("Bemp" for the bonus country) and name = country code +
// club number + ".BMP": the club editor's file P + ".BMP" while one club is
// edited, the selection's file P + "Loc" + name while the selection is open,
// and the pending file P + name (listed in GeaenderteWappen) until the data
// set is saved.
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/rules/SquadEditor.h"
#include "records/ExSpieler.h"
#include "records/Manager.h"
#include "records/TrainerUndCo.h"
#include "records/Verein.h"

namespace v3 {

// League of a club in none of its country's leagues.
inline constexpr int kLigaKeine = 127;

// Sort keys of the club list's headers.
enum SortKey : int { kSortName = 1, kSortStaerke = 2, kSortLiga = 3 };

// What the selection knows of one country beside its working lists.
struct LandArbeit {
    bool angeboten = false;  // has lists and is offered
    int bonus = 0;           // CLand::BonusLand
    std::string titel;       // name, tab, abbreviation (code page 1252)
    int amateure = 0;        // clubs with an amateur link
};

// "%.2f" of the program's own: integer part, point, hundredths after adding
// 0.005 to the fraction.
std::string ZweiNachkomma(double wert);
// Mean of the squad's strengths; 0 for an empty squad.
float KaderStaerke(const CVerein& verein);
// The crest folder of the data directory, as a stored path ending in '\'.
std::string WappenOrdner();
// Bonus country: "Bemp"/"BW_", else "Temp"/"VW_".
const char* WappenPrefix(bool bonus);
const char* WappenOrigPrefix(bool bonus);

class CVereinsauswahl {
public:
    // Builds the working set (a progress window advances once per country
    // slot) and counts every club's squad. Mode 0 edits clubs, mode 1 squads (the
    // former players are copied too).
    explicit CVereinsauswahl(int modus);

    int Modus() const { return modus_; }
    std::array<LandArbeit, kLaenderSlots>& Laender() { return laender_; }
    LandArbeit& Land(int land) { return laender_[size_t(land)]; }
    // Country indexes of the offered countries, in order.
    std::vector<int> AngeboteneLaender() const;
    int AktuellesLand() const { return land_; }

    // Selecting a country: current country, every club's league and strength
    // recomputed, then the list sorted by strength (ties by name, then league).
    void LandWechsel(int land);
    // A header click; false when the key was the last one (nothing changes).
    bool Sortiere(int key);
    uint16_t Sortierfolge() const { return sortierfolge_; }
    void Sortierfolge(uint16_t v) { sortierfolge_ = v; }

    // The working clubs of a country (of the current one), and the lines
    // of the current one (code page 1252).
    Liste<CVerein>& Vereine(int land) { return set_.laender[size_t(land)].vereine; }
    const Liste<CVerein>& Vereine(int land) const { return set_.laender[size_t(land)].vereine; }
    Liste<CVerein>& Vereine() { return Vereine(land_); }
    // The working set the squad editor (mode 1) works on.
    SquadWorkingSet& Set() { return set_; }
    std::string Zeile(const CVerein& verein) const;
    std::vector<std::string> Zeilen() const;

    // The crest file the preview shows for line `zeile` (host path), or empty
    // when none exists.
    std::filesystem::path Vorschau(int zeile) const;

    // Editing line `zeile`: stages the crest files and makes the editor's
    // crest file. Returns its host path; empty when nothing could be staged
    // (a message has been shown).
    std::filesystem::path BearbeitenVorbereiten(int zeile);
    // The club editor's OK: its crest file becomes the Loc file, the club
    // takes the old one's place and the amateur count is kept. Returns the
    // line to select next.
    int Bearbeitet(int zeile, std::unique_ptr<CVerein> verein, int amateure);
    // The club editor's cancel: the editor's crest file goes. Returns the next line.
    int NichtBearbeitet(int zeile);

    // Squad size of a club as the working set holds it.
    int Kadergroesse(int land, int vereinsNummer) const;

    // Mode 1: the working copy of the former players.
    Liste<CExSpieler>& ExSpieler() { return set_.exSpieler; }

    // "Übernehmen": every offered country's clubs (sorted by club number),
    // coaches and managers, and in mode 1 the former players, go into the data
    // set; crest changes become pending. The working set is empty afterwards.
    void Uebernehmen();
    // "Abbrechen": the Loc files go and the working set is dropped. The data
    // set is unchanged.
    void Abbrechen();

    // Crest names touched in this selection (ordinary, bonus).
    const std::vector<std::string>& Beruehrt(bool bonus) const { return bonus ? beruehrtBonus_ : beruehrt_; }

private:
    void SortPass(int key);
    bool BonusLand() const { return laender_[size_t(land_)].bonus == 2; }

    int modus_;
    int land_ = 0;
    uint16_t sortierfolge_ = 0;
    std::array<LandArbeit, kLaenderSlots> laender_;
    SquadWorkingSet set_;
    std::vector<std::string> beruehrt_, beruehrtBonus_;
};

}  // namespace v3
