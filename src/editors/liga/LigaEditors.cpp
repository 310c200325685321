#include "editors/liga/LigaEditors.h"

#include "editors/liga/LigazusammensetzungDlg.h"
#include "ui/EditorRegistry.h"

namespace v3 {

void RegisterLigaEditors(CEditorRegistry& editors) {
    editors.Register("OnBesonderesLigenzusammensetzung", [&editors](const CommandArgs& args) {
        return RunLigazusammensetzungDialog(editors.Parent(), args.mode);
    });
}

}  // namespace v3
