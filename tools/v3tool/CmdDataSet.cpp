// validate and resave: load the data set of an installation, report, save it back.
#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3tool {
namespace {

// Takes exactly one argument, an existing folder; prints the usage otherwise.
bool InstallDir(const Args& args, const char* usage, std::filesystem::path& dir) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        std::fprintf(stderr, "Aufruf: v3tool %s\n", usage);
        return false;
    }
    dir = args[0];
    return true;
}

// Loads the installation's data set with messages going to stderr; the load's
// error report goes to stdout.
bool Load(const std::filesystem::path& dir, v3::CEDITORDoc& doc) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        std::printf("Das Verzeichnis %s gibt es nicht.\n", dir.c_str());
        return false;
    }
    v3::App().installDir = dir;
    doc.ClearBonusLandGlobals();
    bool ok = doc.LadenV3Localized();
    if (!ok) {
        std::printf("%s", doc.LadeFehler().c_str());
        std::printf("Der Datensatz in %s konnte nicht geladen werden.\n", dir.c_str());
    }
    return ok;
}

}  // namespace

int CmdValidate(const Args& args) {
    std::filesystem::path dir;
    if (!InstallDir(args, "validate DIR", dir)) return 2;
    v3::ScopedAppState state;
    v3::StderrUserInterface ui(false);
    state->SetUserInterface(&ui);
    v3::CEDITORDoc doc;
    if (!Load(dir, doc)) return 1;
    size_t vereine = 0, spieler = 0;
    for (const auto& land : v3::Daten().AlleLaender)
        for (const auto& verein : land->VereinsListe()) {
            ++vereine;
            spieler += verein->SpielerListe().size();
        }
    std::printf("OK: %zu L\xC3\xA4nder, %zu Vereine, %zu Spieler\n", v3::Daten().AlleLaender.size(), vereine,
                spieler);
    return 0;
}

int CmdResave(const Args& args) {
    std::filesystem::path dir;
    if (!InstallDir(args, "resave DIR", dir)) return 2;
    v3::ScopedAppState state;
    v3::StderrUserInterface ui(false);
    state->SetUserInterface(&ui);
    v3::CEDITORDoc doc;
    if (!Load(dir, doc)) return 1;
    state->BandenSpeichern = false;
    if (!doc.SpeichernV3Localized()) {
        std::printf("Der Datensatz in %s konnte nicht vollst\xC3\xA4ndig gespeichert werden.\n", dir.c_str());
        return 1;
    }
    std::printf("Gespeichert: %s\n", dir.c_str());
    return 0;
}

}  // namespace v3tool
