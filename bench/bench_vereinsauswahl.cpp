// Opening the club selection on the full demo: the working set of every
// country (club copies with stadium and squad, coaches, managers) beside its
// floor, copying the same club records alone.
// Run: build/bench/bench_vereinsauswahl (configure with -DV3_BUILD_BENCH=ON).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "DemoDataSet.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/verein/rules/Vereinsauswahl.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace fs = std::filesystem;

namespace {

// The demo, loaded once into a state that lives for the whole run.
v3::AppState& Geladen() {
    static v3::ScopedAppState* state = [] {
        fs::path d = fs::temp_directory_path() / "v3bench_vereinsauswahl";
        fs::remove_all(d);
        {
            v3::ScopedAppState schreiben;
            if (!v3::demo::WriteDemoInstallation(d, 1)) std::abort();
        }
        auto* s = new v3::ScopedAppState;
        (*s)->installDir = d;
        static v3::CEDITORDoc doc;
        if (!doc.LadenV3Localized()) std::abort();
        return s;
    }();
    return **state;
}

void BM_VereinsauswahlOeffnen(benchmark::State& st) {
    Geladen();
    for (auto _ : st) {
        v3::CVereinsauswahl auswahl(0);
        auswahl.LandWechsel(0);
        benchmark::DoNotOptimize(auswahl.Vereine().data());
    }
}

void BM_VereinsKopienFloor(benchmark::State& st) {
    Geladen();
    for (auto _ : st) {
        std::vector<std::unique_ptr<v3::CVerein>> kopien;
        for (const auto& land : v3::Daten().AlleLaender)
            if (land)
                for (const auto& v : land->VereinsListe()) kopien.push_back(std::make_unique<v3::CVerein>(*v));
        benchmark::DoNotOptimize(kopien.data());
    }
}

BENCHMARK(BM_VereinsKopienFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VereinsauswahlOeffnen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
