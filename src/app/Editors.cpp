#include "app/MainFrame.h"
#include "check/CheckDialogs.h"

namespace v3 {

// Each editor, once built, registers the action behind its menu entry here, for
// example: frame.Runner().Register("OnVereinsAuswahl", [&frame](const CommandArgs&) { ... return ok; });
// The action opens the editor modally and returns whether it was closed with OK.
void RegisterEditors(CMainFrame& frame) {
    frame.Runner().Register("OnDatencheck",
                            [&frame](const CommandArgs&) { return RunDatenCheckDialog(&frame, &frame.Printer()); });
    frame.Runner().Register("OnDrucken", [&frame](const CommandArgs& a) {
        return RunVereineDruckenDialog(&frame, a.land, &frame.Printer());
    });
}

}  // namespace v3
