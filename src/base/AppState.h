#pragma once
// The application-wide state: every value the program shares across records,
// data set and editors lives here once, reached through App(). Tests install a
// fresh one per test with ScopedAppState.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "base/CountryTables.h"
#include "platform/GlyphRenderer.h"
#include "platform/Random.h"
#include "platform/UserInterface.h"

namespace v3 {

struct DataSet;
class CPictureCache;

constexpr int kLaenderSlots = 38;  // 0..36 fixed countries, 37 the bonus slot

struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Where messages and questions go; never null.
    IUserInterface* ui = nullptr;
    // The uniform random source; never null.
    IRandom* random = nullptr;
    // Draws texts with real fonts (the sponsors' boards); never null. The
    // default opens its fonts on first use.
    IGlyphRenderer* glyphs = nullptr;

    // Running number behind placeholder names; only grows during a run.
    uint32_t runningNumber = 0;
    // Last error reported by a record through SetError.
    std::string lastError;
    std::string lastErrorClass;

    // Host folder that stands for the working directory of the stored paths.
    std::filesystem::path installDir = ".";

    std::string DatenVerzeichnis = "\\DATA.V3\\";
    std::string ModVerzeichnis = "\\DATA.MOD\\";
    int32_t GeleseneFileID = 0;

    // Per-country tables, copied from the program's fixed tables; slot 37 is
    // replaced while a bonus country exists and LigaAnzahl[0] follows the data set.
    std::array<std::string, kLaenderSlots> Laendername;
    std::array<std::string, kLaenderSlots> Laenderkuerzel;
    std::array<int, kLaenderSlots> NationNummer{};
    std::array<int, kLaenderSlots> LigaAnzahl{};
    std::array<std::string, kLaenderSlots> Flaggenbild;
    // Clubs, amateur clubs and pool sizes by country, copied from the fixed
    // table; slot 37 follows the bonus country.
    std::array<CountryCounts, kLaenderSlots> countryCounts{};
    // Size of each league of each country as its league files were last read
    // (or its leagues created).
    std::array<std::array<int, kLeagueSizeSlots>, kLaenderSlots> leagueSizes{};

    // Test hook: when set and true for a host path, every write to that file
    // fails as a full disk would. Never set by the program itself.
    std::function<bool(const std::filesystem::path&)> failWritesTo;

    // The program's picture cache (set by the desktop program for its run; null
    // where no pictures are shown).
    CPictureCache* pictures = nullptr;

    // The data set the document owns, made on first use by Daten() (the data
    // set's own layer knows how to make one). The state is its only owner; the
    // shared pointer carries its deleter, so this layer needs no definition of it.
    std::shared_ptr<DataSet> daten;

    // The bonus country (all -1 while none exists): the nation it represents,
    // its position in AlleLaender and the country that lent its national team.
    int BonusNation = -1;
    int BonusLandIndex = -1;
    int BonusQuellLand = -1;
    // The user's own map picture and default crest of the bonus country (host
    // paths, or empty when it uses a predefined nation's pictures).
    std::string BonusKarteDatei;
    std::string BonusWappenDatei;

    int AktuellesLand = 0;
    // Season start year, the first value of the small-settings record; kept here so
    // records constructed before or without that record see the same year.
    int Saisonstartjahr = 1998;
    bool DatenGeaendert = false;
    bool AnimationAktiv = false;
    bool DarstellungOk = true;
    bool LadenOk = false;
    bool BandenSpeichern = false;
    // The process-wide sound switch: on while an audio output is in use
    // (SoundLibInit .. SoundLibExit). While it is off every sound is silent.
    bool SoundAktiv = false;
    // Board templates (stored paths) whose fault has been shown already: a
    // missing or broken template is reported once, not once for every sponsor
    // that uses it. An entry goes when the template reads well again; the save
    // empties the set when it asks about the board pictures.
    std::set<std::string> reportedBoardTemplates;

    void SetUserInterface(IUserInterface* u) { ui = u ? u : &silentUi_; }
    void SetRandom(IRandom* r) { random = r ? r : &defaultRandom_; }
    void SetGlyphRenderer(IGlyphRenderer* g) { glyphs = g ? g : defaultGlyphs_.get(); }

private:
    SilentUserInterface silentUi_;
    StdRandom defaultRandom_;
    std::unique_ptr<IGlyphRenderer> defaultGlyphs_;
};

// The state in use.
AppState& App();
// A draw 0..k-1 from the state's random source (k > 0).
int RandomBelow(int k);

// Installs a fresh state for its lifetime and puts the previous one back after.
class ScopedAppState {
public:
    ScopedAppState();
    ~ScopedAppState();
    ScopedAppState(const ScopedAppState&) = delete;
    ScopedAppState& operator=(const ScopedAppState&) = delete;
    AppState& operator*() { return state_; }
    AppState* operator->() { return &state_; }

private:
    AppState state_;
    AppState* previous_;
};

}  // namespace v3
