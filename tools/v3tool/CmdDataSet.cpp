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

}  // namespace

int CmdValidate(const Args& args) {
    std::filesystem::path dir;
    if (!InstallDir(args, "validate DIR", dir)) return 2;
    v3::ScopedAppState state;
    v3::StderrUserInterface ui(false);
    state->SetUserInterface(&ui);
    v3::CEDITORDoc doc;
    if (!LoadDataSet(dir, doc, stdout)) return 1;
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
    if (!LoadDataSet(dir, doc, stdout)) return 1;
    state->BandenSpeichern = false;
    if (!doc.SpeichernV3Localized()) {
        std::printf("Der Datensatz in %s konnte nicht vollst\xC3\xA4ndig gespeichert werden.\n", dir.c_str());
        return 1;
    }
    std::printf("Gespeichert: %s\n", dir.c_str());
    return 0;
}

}  // namespace v3tool
