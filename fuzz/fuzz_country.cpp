// Loads one main country of a tiny data set from the fuzzer's bytes: the
// country file, then after a line "%%LIGA%%" its league file (none when the
// line is missing). Both are written into a folder in RAM and read by the
// country's load, as the data set's load reads them.
//
// The tiny data set is a small main country of the demo world (one league)
// cut down: two clubs of one player each in a league of two, one record of
// each pool, one amateur club and one youth player, so a load reads every
// kind of section from under three kilobytes. With the environment variable
// V3FUZZ_WRITE_SEEDS naming a folder, the start builds the demo world and
// writes that country there as a seed.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "DemoDataSet.h"
#include "FuzzSupport.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "platform/FileOps.h"
#include "records/AmateurJugendSpieler.h"
#include "records/AmateurVerein.h"
#include "records/Kritiker.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Promi.h"
#include "records/Reporter.h"
#include "records/Sponsor.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/Verein.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLand = 9;     // a main country with one league file
constexpr size_t kKeep = 1;  // records per pool, players per club
constexpr int kClubs = 2;    // clubs, and the league's size
constexpr std::string_view kLigaTrenner = "%%LIGA%%\n";

template <class List>
void Keep(List& list) {
    if (list.size() > kKeep) list.resize(kKeep);
}

// The record counts of the tiny country.
v3::CountryCounts TinyCounts() {
    v3::CountryCounts c;
    c.amateurClubs = c.youthPlayers = c.coaches = c.goalkeeperCoaches = c.managers = c.referees = c.sponsors =
        c.celebrities = c.reporters = c.critics = int(kKeep);
    c.clubs = kClubs;
    return c;
}

void SetTinyState(v3::AppState& app, const fs::path& installDir) {
    app.installDir = installDir;
    app.countryCounts[kLand] = TinyCounts();
    app.LigaAnzahl[kLand] = 1;
    app.Saisonstartjahr = v3::demo::kDemoStartYear;
    app.AktuellesLand = kLand;
}

// Builds the demo world, cuts the country down and writes its files into
// `seeds` as one seed: the country file, the separator, the league file.
void WriteSeed(const fs::path& seeds) {
    const fs::path inst = v3fuzz::RamFolder() / "seed";
    fs::create_directories(inst / "DATA.V3");
    v3::ScopedAppState state;
    v3::demo::DemoAssetFiles assets;
    if (!v3::demo::BuildDemoDataSet(v3::demo::kDefaultDemoSeed, assets)) std::abort();
    SetTinyState(*state, inst);
    v3::CLand& land = *v3::Daten().AlleLaender.at(kLand);
    Keep(land.AmateurVereine());
    Keep(land.YouthPlayers());
    Keep(land.Coaches());
    Keep(land.GoalkeeperCoaches());
    Keep(land.Managers());
    Keep(land.Referees());
    Keep(land.Sponsors());
    Keep(land.Celebrities());
    Keep(land.Reporters());
    Keep(land.Critics());
    if (land.VereinsListe().size() > size_t(kClubs)) land.VereinsListe().resize(kClubs);
    land.ClubCount(kClubs);
    for (auto& liga : land.Ligen())
        if (liga) liga->Size(kClubs);
    for (auto& club : land.VereinsListe())
        if (club) Keep(club->SpielerListe());
    if (!land.SpeichernV3Localized(0, v3::kDirDataV3)) std::abort();
    std::string landDatei, ligaDatei;
    if (!v3::ReadWholeFile(inst / "DATA.V3" / v3::LandDatei[kLand], landDatei) ||
        !v3::ReadWholeFile(inst / "DATA.V3" / v3::LigaDatei[kLand][0], ligaDatei))
        std::abort();
    fs::create_directories(seeds);
    v3fuzz::Put(seeds / "land-und-liga", landDatei + std::string(kLigaTrenner) + ligaDatei);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* seeds = std::getenv("V3FUZZ_WRITE_SEEDS")) WriteSeed(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path inst = [] {
        fs::path p = v3fuzz::RamFolder() / "inst";
        fs::create_directories(p / "DATA.V3");
        return p;
    }();
    static const fs::path landPfad = inst / "DATA.V3" / v3::LandDatei[kLand];
    static const fs::path ligaPfad = inst / "DATA.V3" / v3::LigaDatei[kLand][0];
    const std::string_view bytes = v3fuzz::Bytes(data, size);
    const size_t trenner = bytes.find(kLigaTrenner);
    v3fuzz::Put(landPfad, bytes.substr(0, trenner));
    if (trenner == std::string_view::npos) {
        std::error_code ec;
        fs::remove(ligaPfad, ec);
    } else {
        v3fuzz::Put(ligaPfad, bytes.substr(trenner + kLigaTrenner.size()));
    }
    v3::ScopedAppState state;
    SetTinyState(*state, inst);
    v3::CLand().LadenV3Localized(0, v3::kDirDataV3);
    return 0;
}
