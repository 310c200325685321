#pragma once
// The data set of the demo installation: a complete, plausible world of 37
// countries with leagues, clubs, squads, staff, officials, media, sponsors,
// national teams, competitions, chants, talks and quiz questions, drawn from
// one seed. The same seed always gives the same data set and the same files.
#include <cstdint>
#include <filesystem>
#include <string>

#include "DemoAssets.h"

namespace v3::demo {

inline constexpr uint32_t kDefaultDemoSeed = 1;
// The season the demo world starts in; with a start year before 2000 the first
// country plays in six leagues, so every league file of the catalogue is used.
inline constexpr int kDemoStartYear = 1998;

// Replaces the data set of App() (Daten()) by the demo world of `seed`. The
// per-country tables are reset (no bonus country) and the season start year
// becomes kDemoStartYear. While it runs, App().random is a StdRandom(seed), so
// the records' own construction draws are part of the seeded world; the
// previous random source is put back afterwards. The half-time talks and own
// fan chants name the sound files of `assets`; a talk only takes a file that
// exists in the Ansprachen folder of App().installDir. Returns false, with
// the record and value in `error`, when a record refuses a generated value
// (the data set then holds what was built up to there).
bool BuildDemoDataSet(uint32_t seed, const DemoAssetFiles& assets, std::string* error = nullptr);

struct DemoInstallationSummary {
    int countries = 0;
    int clubs = 0;
    int players = 0;
    int files = 0;  // files below the installation folder after the write
};

// Writes a complete installation into `dir` (created when missing): the sound
// files and pictures (WriteDemoAssets), the data set in DATA.V3 written by the
// document's save with the sponsors' board pictures, a crest in DATA.V3/Wappen
// for every club, DATA.ORG as a copy of DATA.V3, the predecessor's data in
// DATA.VER (WriteDemoPredecessor) and the empty folder DATA.SAV. Uses App():
// installDir becomes `dir`, BandenSpeichern is on for the save and put back
// afterwards, and the data set is freed at the end. Returns false with the
// reason in `error` when something could not be built or written.
bool WriteDemoInstallation(const std::filesystem::path& dir, uint32_t seed, std::string* error = nullptr,
                           DemoInstallationSummary* summary = nullptr);

}  // namespace v3::demo
