#include "editors/bonus/BonusEditors.h"

#include "dataset/BonusLand.h"
#include "editors/bonus/BonusLandAuswahlDlg.h"
#include "ui/EditorRegistry.h"

namespace v3 {

bool RunBonusLand(QWidget* parent) {
    return OnBonuslanderzeugenaendern([parent](BonusLandAuswahl& a) {
        CBonusLandAuswahlDlg dlg(parent, a);
        if (dlg.exec() != QDialog::Accepted) return false;
        a = dlg.Auswahl();
        return true;
    });
}

void RegisterBonusEditors(CEditorRegistry& editors) {
    editors.Register("OnBonuslanderzeugenaendern",
                     [&editors](const CommandArgs&) { return RunBonusLand(editors.Parent()); });
}

}  // namespace v3
