// The data check over the full demo data set: the duplicate check and the
// person search against the floor of sorting the same number of name-table
// entries, and how soon a stop request ends a running check.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>

#include "DemoDataSet.h"
#include "check/core/CheckSink.h"
#include "check/core/CheckWorker.h"
#include "check/core/DatenCheck.h"
#include "check/core/DoppelName.h"
#include "base/AppState.h"
#include "records/ExSpieler.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace {

using namespace v3;

// Counts the lines, ignores the rest.
struct CountingSink : ICheckSink {
    void PercentText(const std::string&) override {}
    void ProgressRange(int, int, int) override {}
    void ProgressPos(int) override {}
    void Status(const std::string&) override {}
    void AddLine(const std::string&) override { ++lines; }
    void SelectLine(size_t) override {}
    void Finished(uint64_t) override {
        std::lock_guard lock(m);
        done = true;
        finishedAt = std::chrono::steady_clock::now();
        cv.notify_all();
    }
    size_t lines = 0;
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    std::chrono::steady_clock::time_point finishedAt;
};

// The demo world, built once for all benchmarks.
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

// A table of the size the check allocates, holding the data set's names in
// the order the check finds them (as far as they go), for the floor.
std::vector<tagDOPPELNAME> NameTable(size_t n) {
    std::vector<tagDOPPELNAME> table;
    table.reserve(n);
    auto add = [&](const std::string& vor, const std::string& nach) {
        if (table.size() < n) table.push_back({"Land", "Ort", "Funktion", nach, vor, 0});
    };
    for (const auto& land : Daten().AlleLaender) {
        if (!land) continue;
        add(land->TrainerVorname(), land->TrainerNachname());
        for (const auto& v : land->VereinsListe()) {
            add(v->TrainerVorname(), v->Trainername());
            add(v->ManagerVorname(), v->Managername());
            for (const auto& s : v->SpielerListe()) add(s->Vorname(), s->Nachname());
            add(v->Name(), v->Name());
        }
        for (const auto& p : land->Coaches()) add(p->Vorname(), p->Nachname());
        for (const auto& p : land->Managers()) add(p->Vorname(), p->Nachname());
        for (const auto& p : land->Celebrities()) add(p->Vorname(), p->Nachname());
    }
    for (const auto& s : Daten().ExSpielerListe) add(s->Vorname(), s->Nachname());
    while (table.size() < n) add("Vorname", "Nachname" + std::to_string(table.size()));
    return table;
}

size_t Entries() {
    CountingSink sink;
    std::atomic<bool> stop{false};
    return CountAll(PrepareCheckRun(sink, stop));
}

void BM_DatenCheck(benchmark::State& state) {
    World();
    size_t lines = 0;
    for (auto _ : state) {
        CountingSink sink;
        std::atomic<bool> stop{false};
        DatenCheck(PrepareCheckRun(sink, stop));
        lines = sink.lines;
    }
    state.counters["entries"] = double(Entries());
    state.counters["pairs"] = double(lines / 3);
}
BENCHMARK(BM_DatenCheck)->Unit(benchmark::kMillisecond);

void BM_SuchePerson(benchmark::State& state) {
    World();
    const CSpieler& s = *Daten().AlleLaender[0]->VereinsListe()[0]->SpielerListe()[0];
    size_t lines = 0;
    for (auto _ : state) {
        CountingSink sink;
        std::atomic<bool> stop{false};
        CheckRun run = PrepareCheckRun(sink, stop);
        run.nachname = s.Nachname();
        SuchePerson(run);
        lines = sink.lines;
    }
    state.counters["hits"] = double(lines);
}
BENCHMARK(BM_SuchePerson)->Unit(benchmark::kMillisecond);

// The floor: sorting as many entries as the check's table holds, by the same
// order, the cheapest way (an index of the entries, as the check does).
void BM_SortFloor(benchmark::State& state) {
    World();
    const std::vector<tagDOPPELNAME> table = NameTable(Entries());
    std::vector<uint32_t> order(table.size());
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0u);
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            const int c = compareDoppelName(table[a], table[b]);
            return c != 0 ? c < 0 : a < b;
        });
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["entries"] = double(table.size());
}
BENCHMARK(BM_SortFloor)->Unit(benchmark::kMillisecond);

// From the stop request to the run's end, with the request at a random
// moment of the run (table, sort or scan); the time of each iteration is
// that latency alone.
void BM_StopLatency(benchmark::State& state) {
    World();
    std::mt19937 rng(5);
    double worst = 0;
    // How long a whole run takes, to spread the stop requests over it.
    const auto t0 = std::chrono::steady_clock::now();
    {
        CountingSink sink;
        std::atomic<bool> stop{false};
        DatenCheck(PrepareCheckRun(sink, stop));
    }
    const auto whole = std::chrono::steady_clock::now() - t0;
    for (auto _ : state) {
        CountingSink sink;
        CheckWorker worker;
        worker.Start(CheckKind::DatenCheck, PrepareCheckRun(sink, worker.StopFlag()));
        std::this_thread::sleep_for(whole * std::uniform_real_distribution<double>(0, 0.9)(rng));
        const auto asked = std::chrono::steady_clock::now();
        worker.RequestStop();
        {
            std::unique_lock lock(sink.m);
            sink.cv.wait(lock, [&] { return sink.done; });
        }
        worker.Join();
        const double s = std::chrono::duration<double>(std::max(sink.finishedAt, asked) - asked).count();
        worst = std::max(worst, s);
        state.SetIterationTime(s);
    }
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(BM_StopLatency)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
