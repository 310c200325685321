#include "shell/DocCommands.h"

namespace v3 {

void RegisterDocCommands(CommandRunner& runner, CEDITORDoc& doc) {
    runner.Register("OnLadenV3", [&doc](const CommandArgs&) {
        doc.OnLadenV3();
        return true;
    });
    runner.Register("OnFileSave", [&doc](const CommandArgs&) {
        doc.OnFileSave();
        return true;
    });
    runner.Register("OnDateiReinitialisierung", [&doc](const CommandArgs&) {
        doc.OnDateiReinitialisierung();
        return true;
    });
    runner.Register("OnDateiV2dateneinlesen", [&doc](const CommandArgs&) { return doc.OnDateiV2dateneinlesen(); });
}

}  // namespace v3
