// Loads a whole installation in which one file of DATA.V3 is replaced by the
// fuzzer's bytes: the first byte chooses the file, the rest is its content.
// The installation is the demo world's data set (without pictures and sounds,
// which the load does not read), written once at start.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoDataSet.h"
#include "base/AppState.h"
#include "dataset/EditorDoc.h"
#include "platform/FileOps.h"

namespace fs = std::filesystem;

namespace {

struct Installation {
    fs::path dir;
    std::vector<fs::path> files;
    std::vector<std::string> original;
};

const Installation& Setup() {
    static const Installation inst = [] {
        Installation in;
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        in.dir = fs::path(base) / ("v3fuzz_load_" + std::to_string(getpid()));
        fs::remove_all(in.dir);
        fs::create_directories(in.dir / "DATA.V3" / "Wappen");
        v3::ScopedAppState state;
        state->installDir = in.dir;
        v3::demo::DemoAssetFiles assets;
        assets.fanChants = {"Fangesang1.wav"};
        if (!v3::demo::BuildDemoDataSet(1, assets)) std::abort();
        state->BandenSpeichern = false;
        if (!v3::CEDITORDoc().SpeichernV3Localized()) std::abort();
        for (const auto& e : fs::directory_iterator(in.dir / "DATA.V3"))
            if (e.is_regular_file()) in.files.push_back(e.path());
        std::sort(in.files.begin(), in.files.end());
        for (const auto& f : in.files) {
            std::string bytes;
            v3::ReadWholeFile(f, bytes);
            in.original.push_back(std::move(bytes));
        }
        return in;
    }();
    return inst;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Installation& in = Setup();
    if (size == 0 || in.files.empty()) return 0;
    size_t which = data[0] % in.files.size();
    v3::WriteWholeFile(in.files[which], std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    {
        v3::ScopedAppState state;
        state->installDir = in.dir;
        v3::CEDITORDoc doc;
        doc.LadenV3Localized();
    }
    v3::WriteWholeFile(in.files[which], in.original[which]);
    return 0;
}
