#include "editors/spielplan/SpielplanEditors.h"

#include "base/AppState.h"
#include "editors/spielplan/SpielplanDialoge.h"
#include "ui/EditorRegistry.h"

namespace v3 {

void RegisterSpielplanEditors(CEditorRegistry& editors) {
    editors.Register("OnBesonderesSpielplne", [&editors](const CommandArgs& a) {
        CSpielplanAuswahlDlg dlg(a.land >= 0 ? a.land : App().AktuellesLand, editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
    editors.Register("OnBesonderesKleinigkeiten", [&editors](const CommandArgs&) {
        CKleinigkeitenDlg dlg(editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
}

}  // namespace v3
