// "Statistik" over the full demo data set against the floor of visiting the
// same players (reading strength, main position and birth year of each).
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "DemoDataSet.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/wettbewerb/rules/Statistik.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace {

using namespace v3;

class Demo {
public:
    Demo() {
        std::string error;
        if (!demo::BuildDemoDataSet(demo::kDefaultDemoSeed, demo::DemoAssetFiles{}, &error))
            throw std::runtime_error(error);
    }
    ScopedAppState state;
};

Demo& World() {
    static Demo demo;
    return demo;
}

void BM_Statistik(benchmark::State& state) {
    World();
    int players = 0;
    for (auto _ : state) {
        Statistik s = BerechneStatistik(Daten());
        players = s.spieler;
        benchmark::DoNotOptimize(s);
    }
    state.counters["players"] = players;
}
BENCHMARK(BM_Statistik)->Unit(benchmark::kMillisecond);

void BM_VisitFloor(benchmark::State& state) {
    World();
    for (auto _ : state) {
        int64_t sum = 0;
        for (const auto& land : Daten().AlleLaender)
            for (const auto& v : land->VereinsListe())
                for (const auto& p : v->SpielerListe()) sum += p->Staerke() + p->Hauptposition() + p->GeburtsDatum().year;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_VisitFloor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
