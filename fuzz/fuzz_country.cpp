// Loads one main country from a tiny data set in which one of its files is
// replaced by the fuzzer's bytes: the first byte picks the country file or one
// of its league files, the rest is that file's content.
//
// The tiny data set is a small main country of the demo world (one league)
// cut down at start: two clubs of one player each in a league of two, one
// record of each pool, one amateur club and one youth player, so a load reads
// every kind of section from under three kilobytes. With the environment
// variable V3FUZZ_WRITE_SEEDS naming a folder, the start also writes one seed
// per file there.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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

constexpr int kLand = 9;
constexpr size_t kKeep = 1;

template <class List>
void Keep(List& list) {
    if (list.size() > kKeep) list.resize(kKeep);
}

struct TinyCountry {
    fs::path installDir;
    std::vector<fs::path> files;  // the country file first, then its league files
    std::vector<std::string> original;
    v3::CountryCounts counts;
    std::array<int, v3::kLaenderSlots> ligaAnzahl{};
    int startjahr = 0;
};

const TinyCountry& Setup() {
    static const TinyCountry tiny = [] {
        TinyCountry t;
        t.installDir = v3fuzz::RamFolder() / "inst";
        const fs::path data = t.installDir / "DATA.V3";
        fs::create_directories(data);
        v3::ScopedAppState state;
        state->installDir = t.installDir;
        v3::demo::DemoAssetFiles assets;
        if (!v3::demo::BuildDemoDataSet(v3::demo::kDefaultDemoSeed, assets)) std::abort();
        v3::CLand& land = *v3::Daten().AlleLaender.at(kLand);
        v3::CountryCounts& c = state->countryCounts[kLand];
        c.amateurClubs = c.youthPlayers = c.coaches = c.goalkeeperCoaches = c.managers = c.referees = c.sponsors =
            c.celebrities = c.reporters = c.critics = int(kKeep);
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
        // Two clubs in a league of two.
        constexpr int kClubs = 2;
        if (land.VereinsListe().size() > size_t(kClubs)) land.VereinsListe().resize(kClubs);
        land.ClubCount(kClubs);
        c.clubs = kClubs;
        for (auto& liga : land.Ligen())
            if (liga) liga->Size(kClubs);
        for (auto& club : land.VereinsListe())
            if (club) Keep(club->SpielerListe());
        state->AktuellesLand = kLand;
        if (!land.SpeichernV3Localized(0, v3::kDirDataV3)) std::abort();
        t.counts = c;
        t.ligaAnzahl = state->LigaAnzahl;
        t.startjahr = state->Saisonstartjahr;
        t.files.push_back(data / v3::LandDatei[kLand]);
        for (const auto& e : fs::directory_iterator(data))
            if (e.path() != t.files.front()) t.files.push_back(e.path());
        std::sort(t.files.begin() + 1, t.files.end());
        for (const auto& f : t.files) {
            std::string bytes;
            if (!v3::ReadWholeFile(f, bytes)) std::abort();
            t.original.push_back(std::move(bytes));
        }
        if (const char* seeds = std::getenv("V3FUZZ_WRITE_SEEDS")) {
            fs::create_directories(seeds);
            for (size_t i = 0; i < t.files.size(); ++i)
                v3fuzz::Put(fs::path(seeds) / t.files[i].filename(), char(i) + t.original[i]);
        }
        return t;
    }();
    return tiny;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TinyCountry& t = Setup();
    if (size == 0) return 0;
    const size_t which = data[0] % t.files.size();
    v3fuzz::Put(t.files[which], v3fuzz::Bytes(data + 1, size - 1));
    {
        v3::ScopedAppState state;
        state->installDir = t.installDir;
        state->countryCounts[kLand] = t.counts;
        state->LigaAnzahl = t.ligaAnzahl;
        state->Saisonstartjahr = t.startjahr;
        state->AktuellesLand = kLand;
        v3::CLand().LadenV3Localized(0, v3::kDirDataV3);
    }
    v3fuzz::Put(t.files[which], t.original[which]);
    return 0;
}
