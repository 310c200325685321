// demo: writes a complete demo installation into a folder.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "Commands.h"
#include "DemoDataSet.h"
#include "base/AppState.h"

namespace v3tool {
namespace {

constexpr const char* kUsage = "demo DIR [--seed N]";

int Usage() {
    std::fprintf(stderr, "Aufruf: v3tool %s\n", kUsage);
    return 2;
}

// A seed is a decimal number 0..4294967295.
bool ParseSeed(const std::string& text, uint32_t& seed) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long v = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v > 0xFFFFFFFFull) return false;
    seed = uint32_t(v);
    return true;
}

}  // namespace

int CmdDemo(const Args& args) {
    std::string dir;
    uint32_t seed = v3::demo::kDefaultDemoSeed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed") {
            if (i + 1 >= args.size() || !ParseSeed(args[i + 1], seed)) return Usage();
            ++i;
        } else if (!args[i].empty() && args[i][0] != '-' && dir.empty()) {
            dir = args[i];
        } else {
            return Usage();
        }
    }
    if (dir.empty()) return Usage();

    // An installation is written into a new or empty folder only, never over
    // somebody's data.
    std::error_code ec;
    if (std::filesystem::exists(dir, ec)) {
        if (!std::filesystem::is_directory(dir, ec)) {
            std::printf("%s ist kein Verzeichnis.\n", dir.c_str());
            return 1;
        }
        if (!std::filesystem::is_empty(dir, ec) || ec) {
            std::printf("Das Verzeichnis %s ist nicht leer; die Demo-Installation wird nur in ein leeres "
                        "Verzeichnis geschrieben.\n",
                        dir.c_str());
            return 1;
        }
    }

    v3::ScopedAppState state;
    v3::StderrUserInterface ui(false);
    state->SetUserInterface(&ui);
    std::string error;
    v3::demo::DemoInstallationSummary summary;
    if (!v3::demo::WriteDemoInstallation(dir, seed, &error, &summary)) {
        std::printf("Die Demo-Installation konnte nicht geschrieben werden: %s\n", error.c_str());
        return 1;
    }
    std::printf("Demo-Installation geschrieben: %s (Seed %u)\n", dir.c_str(), unsigned(seed));
    std::printf("%d L\xC3\xA4nder, %d Vereine, %d Spieler, %d Dateien\n", summary.countries, summary.clubs,
                summary.players, summary.files);
    return 0;
}

}  // namespace v3tool
