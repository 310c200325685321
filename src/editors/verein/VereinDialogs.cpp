#include "editors/verein/VereinDialogs.h"

#include "editors/verein/NationalteamTrikotDlg.h"
#include "editors/verein/VereinsNamenDlg.h"
#include "editors/verein/VereinsauswahlDlg.h"
#include "ui/EditorRegistry.h"

namespace v3 {

void RegisterVereinEditors(CEditorRegistry& editors) {
    editors.Register("OnInternationalTeam",
                     [&editors](const CommandArgs&) { return RunNationalteamTrikotDialog(editors.Parent()); });
    editors.Register("OnVereinsAuswahl", [&editors](const CommandArgs&) { return RunVereinsauswahl(0, editors.Parent()); });
    editors.Register("OnVereinespielerSpieler",
                     [&editors](const CommandArgs&) { return RunVereinsauswahl(1, editors.Parent()); });
    editors.Register("OnAmateuervereineAuswahl",
                     [&editors](const CommandArgs&) { return RunVereinsNameAendernDlg(0, editors.Parent()); });
    editors.Register("OnInternationalAusruester",
                     [&editors](const CommandArgs&) { return RunVereinsNameAendernDlg(1, editors.Parent()); });
    editors.Register("OnInternationalAuereuropischevereine",
                     [&editors](const CommandArgs&) { return RunVereinsAuswahlInterDlg(editors.Parent()); });
}

}  // namespace v3
