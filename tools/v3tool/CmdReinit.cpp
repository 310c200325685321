// reinit: restores the delivered data set of an installation from DATA.ORG.
#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"

namespace v3tool {
namespace {

constexpr const char* kUsage = "reinit DIR --yes";

}  // namespace

int CmdReinit(const Args& args) {
    std::string dir;
    const char* warning =
        "v3tool reinit: der Datensatz in DATA.V3 wird unwiderruflich durch DATA.ORG ersetzt; "
        "bitte mit --yes best\xC3\xA4tigen.";
    if (int rc = InstallDirWithYes(args, kUsage, warning, dir)) return rc;

    v3::ScopedAppState state;
    v3::StderrUserInterface ui(true);
    state->SetUserInterface(&ui);
    state->installDir = dir;
    v3::CEDITORDoc doc;
    // The restored files are the result; the reload shows that they form a data set.
    doc.OnDateiReinitialisierung();
    if (doc.BeendenAngefordert()) {
        std::printf("Die Originaldaten in %s konnten nicht wiederhergestellt werden.\n", dir.c_str());
        return 1;
    }
    if (!state->LadenOk) {
        std::printf("%s", doc.LadeFehler().c_str());
        std::printf("Die Originaldaten wurden kopiert, lassen sich aber nicht laden.\n");
        return 1;
    }
    std::printf("Wiederhergestellt: %s (%zu L\xC3\xA4nder)\n", dir.c_str(), v3::Daten().AlleLaender.size());
    return 0;
}

}  // namespace v3tool
