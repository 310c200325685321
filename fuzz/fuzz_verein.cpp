// Reads a single-club file and its crest into the club editor, as the
// editor's import does. The input holds both: its first two bytes give the
// crest's length (little-endian, cut to what follows), then come the crest's
// bytes, and the rest is the club file.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "FuzzSupport.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/verein/rules/VereinsEditor.h"
#include "records/Spieler.h"
#include "records/Verein.h"

namespace fs = std::filesystem;

namespace {

// The installation the editor copies an accepted crest into.
const fs::path& Installation() {
    static const fs::path dir = [] {
        fs::path p = v3fuzz::RamFolder() / "inst";
        fs::create_directories(p / "DATA.V3" / "Wappen");
        return p;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t crestSize = std::min(size - 2, size_t(data[0]) | size_t(data[1]) << 8);
    const fs::path ven = v3fuzz::RamFolder() / "klub.ven";
    const fs::path crest = v3fuzz::RamFolder() / "klub.bmp";
    v3fuzz::Put(crest, v3fuzz::Bytes(data + 2, crestSize));
    v3fuzz::Put(ven, v3fuzz::Bytes(data + 2 + crestSize, size - 2 - crestSize));

    v3::ScopedAppState state;
    state->installDir = Installation();
    // A country of two clubs; the file is read into the place of the first.
    v3::Liste<v3::CVerein> vereine;
    for (int n = 1; n <= 2; ++n) {
        auto club = std::make_unique<v3::CVerein>(n);
        club->SpielerListe().push_back(std::make_unique<v3::CSpieler>());
        vereine.push_back(std::move(club));
    }
    v3::CVereinsEditor editor(*vereine.front(), vereine, 0, 0, 0);
    editor.VereinEinlesen(ven, crest);
    return 0;
}
