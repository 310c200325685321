// Load and save of the full demo installation, each beside its floor:
// - load floor: reading the same files and splitting them into lines;
// - save floor: writing the same bytes into the same files the same safe way
//   (temporary name, flush to disk, rename), so that both pay the same disk cost.
// Run: build/bench/bench_load_save (configure with -DV3_BUILD_BENCH=ON).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "DemoDataSet.h"
#include "base/AppState.h"
#include "dataset/EditorDoc.h"
#include "platform/FileOps.h"

namespace fs = std::filesystem;

namespace {

const fs::path& Installation() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "v3bench_demo";
        fs::remove_all(d);
        v3::ScopedAppState state;
        if (!v3::demo::WriteDemoInstallation(d, 1)) std::abort();
        return d;
    }();
    return dir;
}

std::vector<fs::path> DataFiles() {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(Installation() / "DATA.V3"))
        if (e.is_regular_file()) files.push_back(e.path());
    return files;
}

void BM_Load(benchmark::State& st) {
    Installation();
    for (auto _ : st) {
        v3::ScopedAppState state;
        state->installDir = Installation();
        v3::CEDITORDoc doc;
        if (!doc.LadenV3Localized()) st.SkipWithError("load failed");
    }
}

void BM_LoadFloor(benchmark::State& st) {
    auto files = DataFiles();
    for (auto _ : st) {
        size_t lines = 0;
        std::vector<std::string_view> split;
        for (const auto& f : files) {
            std::string bytes;
            v3::ReadWholeFile(f, bytes);
            split.clear();
            size_t start = 0;
            for (size_t lf; (lf = bytes.find('\n', start)) != std::string::npos; start = lf + 1)
                split.emplace_back(bytes.data() + start, lf - start);
            lines += split.size();
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_Save(benchmark::State& st) {
    v3::ScopedAppState state;
    state->installDir = Installation();
    v3::CEDITORDoc doc;
    if (!doc.LadenV3Localized()) st.SkipWithError("load failed");
    state->BandenSpeichern = false;
    for (auto _ : st)
        if (!doc.SpeichernV3Localized()) st.SkipWithError("save failed");
}

void BM_SaveFloor(benchmark::State& st) {
    std::vector<std::pair<fs::path, std::string>> files;
    for (const auto& f : DataFiles()) {
        std::string bytes;
        v3::ReadWholeFile(f, bytes);
        files.emplace_back(f, std::move(bytes));
    }
    for (auto _ : st)
        for (const auto& [path, bytes] : files) v3::WriteWholeFile(path, bytes);
}

}  // namespace

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
