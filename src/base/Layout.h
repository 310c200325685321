#pragma once
// Where every file of the data set lies and what it is called, the fixed
// per-country tables, and the mapping of stored backslash paths onto the host.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace v3 {

struct AppState;

// Directory names; each begins and ends with a backslash, as stored paths use.
inline constexpr const char* kDirDataV3 = "\\DATA.V3\\";
inline constexpr const char* kDirDataOrg = "\\DATA.ORG\\";
inline constexpr const char* kDirDataVer = "\\DATA.VER\\";
inline constexpr const char* kDirDataSav = "\\DATA.SAV\\";
inline constexpr const char* kDirDataMod = "\\DATA.MOD\\";
inline constexpr const char* kDirFanWaves = "\\FanWaves\\";
inline constexpr const char* kDirAnsprachen = "\\Ansprachen\\";
inline constexpr const char* kDirSupportGfx = "\\SUPPORT.GFX\\";
inline constexpr const char* kDirWappen = "Wappen\\";  // appended to a data directory
// Defined beside the others; the editor does not use them.
inline constexpr const char* kDirDataUsr = "\\DATA.USR\\";
inline constexpr const char* kDirDataBak = "\\DATA.BAK\\";
inline constexpr const char* kDirDataDef = "\\DATA.DEF\\";
inline constexpr const char* kDirDataCar = "\\DATA.CAR\\";
inline constexpr const char* kDirDataCal = "\\DATA.CAL\\";
inline constexpr const char* kDirDataOtb = "\\DATA.OTB\\";
inline constexpr const char* kDirDataAll = "\\DATA.ALL\\";
inline constexpr const char* kDirBonusV3 = "\\BONUS.V3\\";

inline constexpr int kHauptlaender = 11;     // countries 0..10 have files and leagues
inline constexpr int kFesteLaender = 37;     // countries 0..36
inline constexpr int kBonusLandIndex = 37;
inline constexpr int kMaxLigen = 6;
inline constexpr int kAnzahlNationen = 117;  // national teams in the nation list
inline constexpr int kAnzahlISchiris = 40;   // international referees
// No list of the data set comes near this; a larger count in a file is damage.
inline constexpr int kMaxListenAnzahl = 100000;
// Highest club number of country 0 (its surplus clubs are numbered up to here).
inline constexpr int kMaxVereinsNummerLand0 = 108;
// The predecessor knew the countries 0..4.
inline constexpr int kV2Laender = 5;

// Country files by country index 0..10, then "Internat.sav" (11) and "Bonus1.sav" (12).
extern const std::array<const char*, 13> LandDatei;
// League files by country row 0..11 (row 11: bonus country) and league 0..5.
extern const std::array<std::array<const char*, kMaxLigen>, 12> LigaDatei;
inline constexpr int kLandDateiInternat = 11;
inline constexpr int kLandDateiBonus = 12;

// Continent names by continent number 0..5.
extern const std::array<const char*, 6> Kontinent;

// Single global files.
inline constexpr const char* kLaenderDatei = "Laender.sav";
inline constexpr const char* kKleinigDatei = "Kleinig.sav";
inline constexpr const char* kAVereineDatei = "AVereine.sav";
inline constexpr const char* kISchirisDatei = "ISchiris.sav";
inline constexpr const char* kCLeagueDatei = "CLeague.sav";
inline constexpr const char* kEmwmDatei = "EMWM.sav";
inline constexpr const char* kQuizDatei = "Quiz.sav";
inline constexpr const char* kFangesaDatei = "Fangesa.sav";
inline constexpr const char* kFanwavesDatei = "Fanwaves.sav";
inline constexpr const char* kExSpielDatei = "ExSpiel.sav";
inline constexpr const char* kSonSpielDatei = "SonSpiel.sav";

inline constexpr int kJugendDateien = 20;
// Pool file n (1..20): "Jugend<n>.sav"; it holds pool list n - 1.
std::string JugendDatei(int n);
// Pool players read from pool file n: 100 for files 1..3, 60 for 4..20.
int JugendAnzahl(int n);

// Files of the older format (never written).
const std::vector<std::string>& AltformatKatalog();

// Puts the fixed per-country tables into the state (slot 37 as without a bonus country).
void ResetLaenderTabellen(AppState& state);
// Country index whose national team has nation number nr; the first of the 38
// slots that has it, or -1.
int NationNr(int nr);

// "." + directory + file name, the stored form of a path.
std::string DatenPfad(const std::string& verzeichnis, const std::string& datei);
// Crest name of club number vereinNr (1-based) of a country: Laenderkuerzel + number + ".BMP".
std::string WappenName(int land, int vereinNr);
// Stored path of a club's crest in directory verzeichnis: "." + verzeichnis +
// "Wappen\" + "VW_" (or "BW_" for the bonus country) + crest name.
std::string WappenDatei(const std::string& verzeichnis, int land, int vereinNr);

// Maps a stored path (".\DATA.V3\Wappen\VW_D1.BMP", code page 1252, backslashes)
// onto the installation directory. Every component that exists there under a name
// differing only in the case of A..Z is taken with the existing name; components
// that do not exist keep the stored case. "." and empty components are skipped and
// ".." is dropped, so a stored name can never reach outside the installation.
std::filesystem::path HostPath(const std::string& storedPath);
std::filesystem::path HostPath(const std::filesystem::path& installDir, const std::string& storedPath);
// Whether two file names are equal but for the case of A..Z (the matching of
// stored names against the host's files).
bool SameIgnoringAsciiCase(const std::string& a, const std::string& b);
// A stored path mapped by HostPath, or a host path beginning with '/' taken as it is.
std::filesystem::path HostOrAbsolutePath(const std::string& path);

}  // namespace v3
