// import: merges the predecessor's data of DATA.VER into the data set of an
// installation and saves it.
#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "records/ExSpieler.h"

namespace v3tool {
namespace {

constexpr const char* kUsage = "import DIR --yes";

}  // namespace

int CmdImport(const Args& args) {
    std::string dir;
    const char* warning =
        "v3tool import: der Datensatz in DATA.V3 wird mit den Vorg\xC3\xA4ngerdaten aus DATA.VER "
        "zusammengef\xC3\xBChrt und gespeichert; bitte mit --yes best\xC3\xA4tigen.";
    if (int rc = InstallDirWithYes(args, kUsage, warning, dir)) return rc;

    v3::ScopedAppState state;
    v3::StderrUserInterface ui(true);
    state->SetUserInterface(&ui);
    state->installDir = dir;
    v3::CEDITORDoc doc;
    doc.OnNewDocument();
    if (!state->LadenOk) {
        std::printf("%s", doc.LadeFehler().c_str());
        std::printf("Der Datensatz in %s konnte nicht geladen werden.\n", dir.c_str());
        return 1;
    }
    const size_t vorher = v3::Daten().ExSpielerListe.size();
    if (!doc.OnDateiV2dateneinlesen()) {
        std::printf("Die Vorg\xC3\xA4ngerdaten wurden nicht \xC3\xBC" "bernommen; der Datensatz in %s bleibt, "
                    "wie er war.\n",
                    dir.c_str());
        return 1;
    }
    if (state->DatenGeaendert) {
        std::printf("Der zusammengef\xC3\xBChrte Datensatz konnte nicht vollst\xC3\xA4ndig gespeichert werden.\n");
        return 1;
    }
    std::printf("\xC3\x9C" "bernommen und gespeichert: %s (%zu ehemalige Spieler neu)\n", dir.c_str(),
                v3::Daten().ExSpielerListe.size() - vorher);
    return 0;
}

}  // namespace v3tool
