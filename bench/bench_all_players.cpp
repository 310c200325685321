// "Spielerliste gesamt" on the demo's largest country: opening it (copies of
// the country's clubs, the entry table, every list line) and sorting by each
// header with its lines rebuilt, against the floor of copying the same clubs.
#include <benchmark/benchmark.h>

#include "DemoDataSet.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/rules/AllPlayers.h"
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
        size_t most = 0;
        const auto& laender = Daten().AlleLaender;
        for (size_t l = 0; l < laender.size(); ++l) {
            size_t players = 0;
            for (const auto& v : laender[l]->VereinsListe()) players += v->SpielerListe().size() + 2;
            if (players > most) most = players, land = int(l);
        }
    }
    ScopedAppState state;
    int land = 0;
};

Demo& World() {
    static Demo demo;
    return demo;
}

size_t AllLines(const AllPlayersRules& r) {
    size_t bytes = 0;
    for (size_t i = 0; i < r.Rows().size(); ++i) bytes += r.Line(int(i)).size();
    return bytes;
}

void BM_CopyClubsFloor(benchmark::State& state) {
    const int land = World().land;
    for (auto _ : state) {
        OwnedList<CVerein> copies;
        for (const auto& v : Daten().AlleLaender[size_t(land)]->VereinsListe())
            copies.push_back(std::make_unique<CVerein>(*v));
        benchmark::DoNotOptimize(copies.data());
    }
}
BENCHMARK(BM_CopyClubsFloor)->Unit(benchmark::kMillisecond);

void BM_OpenAllPlayers(benchmark::State& state) {
    const int land = World().land;
    for (auto _ : state) {
        AllPlayersRules r(land);
        benchmark::DoNotOptimize(AllLines(r));
    }
    AllPlayersRules r(land);
    state.counters["lines"] = double(r.Rows().size());
}
BENCHMARK(BM_OpenAllPlayers)->Unit(benchmark::kMillisecond);

// One header click: the sort of the entry table and the lines of the list.
void BM_SortAllPlayers(benchmark::State& state) {
    AllPlayersRules r(World().land);
    const AllSort keys[] = {AllSort::Position, AllSort::Name, AllSort::Staerke, AllSort::Verein};
    size_t k = size_t(state.range(0));
    for (auto _ : state) {
        r.Sort(keys[k]);
        benchmark::DoNotOptimize(AllLines(r));
    }
}
BENCHMARK(BM_SortAllPlayers)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
