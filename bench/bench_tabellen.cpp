// The player table of the full demo installation (16 625 players) as CSV:
// - export: the records' cells and the CSV text, beside its floor, writing the
//   same text from cells that are ready;
// - apply: reading the edited text, finding every record, comparing every
//   cell and checking 100 changed players, beside its floor, reading the text;
// - both whole commands (load, work, write or save) as a user runs them,
//   beside their floor, the load (and save) of the data set alone.
// Run: build/bench/bench_tabellen (configure with -DV3_BUILD_BENCH=ON).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "DemoDataSet.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/tabelle/rules/Csv.h"
#include "editors/tabelle/rules/Tabellen.h"
#include "platform/FileOps.h"

namespace fs = std::filesystem;

namespace {

const fs::path& Installation() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "v3bench_tabellen";
        fs::remove_all(d);
        v3::ScopedAppState state;
        if (!v3::demo::WriteDemoInstallation(d, 1)) std::abort();
        return d;
    }();
    return dir;
}

// The loaded demo in a state of its own, for the parts without load and save.
struct Geladen {
    v3::ScopedAppState state;
    v3::CEDITORDoc doc;
    Geladen() {
        state->installDir = Installation();
        if (!doc.LadenV3Localized()) std::abort();
        state->BandenSpeichern = false;
    }
};

// The exported player table with 100 players' strengths changed.
std::string GeaenderteSpieler() {
    v3::Tabellenbild bild = v3::Exportiere(v3::Daten(), v3::Tabellenart::Spieler);
    const size_t staerke = 10;  // "Staerke", after the keys, their texts and the names
    if (bild.kopf[staerke] != "Staerke") std::abort();
    for (size_t i = 0; i < 100; ++i) {
        std::string& s = bild.zeilen[i * 150][staerke];
        s = s == "1" ? "2" : std::to_string(std::stoi(s) - 1);
    }
    return v3::WriteCsv(bild.kopf, bild.zeilen);
}

void BM_Export(benchmark::State& st) {
    Geladen g;
    for (auto _ : st) benchmark::DoNotOptimize(v3::ExportiereCsv(v3::Daten(), v3::Tabellenart::Spieler));
}

void BM_ExportFloor(benchmark::State& st) {
    Geladen g;
    const v3::Tabellenbild bild = v3::Exportiere(v3::Daten(), v3::Tabellenart::Spieler);
    for (auto _ : st) benchmark::DoNotOptimize(v3::WriteCsv(bild.kopf, bild.zeilen));
}

void BM_Apply(benchmark::State& st) {
    Geladen g;
    const std::string text = GeaenderteSpieler();
    for (auto _ : st) {
        const v3::CsvErgebnis csv = v3::ReadCsv(text);
        const v3::Uebernahme u = v3::Uebernimm(v3::Daten(), csv.tabelle, std::nullopt, true);
        if (u.aenderungen.size() != 100) st.SkipWithError("not 100 changes");
    }
}

void BM_ApplyFloor(benchmark::State& st) {
    Geladen g;
    const std::string text = GeaenderteSpieler();
    for (auto _ : st) benchmark::DoNotOptimize(v3::ReadCsv(text));
}

// Whole commands: v3tool export and apply, without starting the process.
void BM_ExportCommand(benchmark::State& st) {
    const fs::path ziel = Installation() / "spieler.csv";
    for (auto _ : st) {
        Geladen g;
        if (!v3::WriteWholeFile(ziel, v3::ExportiereCsv(v3::Daten(), v3::Tabellenart::Spieler)))
            st.SkipWithError("write failed");
    }
}

void BM_ExportCommandFloor(benchmark::State& st) {
    for (auto _ : st) Geladen g;
}

// Applies the changed table and then the original again, so each iteration
// starts from the same data set; reported per apply.
void BM_ApplyCommand(benchmark::State& st) {
    std::string geaendert, original;
    {
        Geladen g;
        geaendert = GeaenderteSpieler();
        const v3::Tabellenbild bild = v3::Exportiere(v3::Daten(), v3::Tabellenart::Spieler);
        original = v3::WriteCsv(bild.kopf, bild.zeilen);
    }
    const fs::path datei = Installation() / "edit.csv";
    for (auto _ : st) {
        for (const std::string* text : {&geaendert, &original}) {
            if (!v3::WriteWholeFile(datei, *text)) st.SkipWithError("write failed");
            Geladen g;
            const v3::CsvErgebnis csv = v3::ReadCsvFile(datei.string());
            const v3::Uebernahme u = v3::Uebernimm(v3::Daten(), csv.tabelle, std::nullopt, false);
            if (u.aenderungen.size() != 100 || !g.doc.SpeichernV3Localized())
                st.SkipWithError("apply failed");
        }
    }
    st.SetItemsProcessed(st.iterations() * 2);
}

void BM_ApplyCommandFloor(benchmark::State& st) {
    for (auto _ : st) {
        for (int i = 0; i < 2; ++i) {
            Geladen g;
            if (!g.doc.SpeichernV3Localized()) st.SkipWithError("save failed");
        }
    }
    st.SetItemsProcessed(st.iterations() * 2);
}

BENCHMARK(BM_ExportFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCommandFloor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportCommand)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyCommandFloor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ApplyCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
