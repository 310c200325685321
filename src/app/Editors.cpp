#include "app/MainFrame.h"

namespace v3 {

// Each editor, once built, registers the action behind its menu entry here, for
// example: frame.Runner().Register("OnVereinsAuswahl", [&frame](const CommandArgs&) { ... return ok; });
// The action opens the editor modally and returns whether it was closed with OK.
void RegisterEditors(CMainFrame&) {}

}  // namespace v3
