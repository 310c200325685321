#include "check/CheckDialogs.h"

#include "check/DatenCheckDlg.h"
#include "check/VereineDrucken.h"
#include "base/AppState.h"
#include "ui/EditorRegistry.h"

namespace v3 {

bool RunDatenCheckDialog(QWidget* parent, QPrinter* printer) {
    CDatenCheckDlg dlg(parent, {}, printer);
    return dlg.exec() == QDialog::Accepted;
}

bool RunVereineDruckenDialog(QWidget* parent, int land, QPrinter* printer) {
    if (land >= 0) App().AktuellesLand = land;
    CVereineDrucken dlg(parent, printer);
    return dlg.exec() == QDialog::Accepted;
}

void RegisterCheckEditors(CEditorRegistry& editors) {
    editors.Register("OnDatencheck",
                     [&editors](const CommandArgs&) { return RunDatenCheckDialog(editors.Parent(), editors.Printer()); });
    editors.Register("OnDrucken", [&editors](const CommandArgs& a) {
        return RunVereineDruckenDialog(editors.Parent(), a.land, editors.Printer());
    });
}

}  // namespace v3
