#include "editors/verein/VereinDialogs.h"

#include "editors/verein/NationalteamTrikotDlg.h"
#include "ui/EditorRegistry.h"

namespace v3 {

void RegisterVereinEditors(CEditorRegistry& editors) {
    editors.Register("OnInternationalTeam",
                     [&editors](const CommandArgs&) { return RunNationalteamTrikotDialog(editors.Parent()); });
}

}  // namespace v3
