#include "editors/spieler/SpielerEditors.h"

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/SpielerDialoge.h"
#include "editors/spieler/SpielerEditorAlleDlg.h"
#include "editors/spieler/SpielerEditorDlg.h"
#include "platform/Text1252.h"
#include "records/Nation.h"
#include "shell/CountryChooser.h"
#include "ui/EditorRegistry.h"
#include "ui/WidgetText.h"

namespace v3 {

void RegisterSpielerEditors(CEditorRegistry& editors) {
    editors.Register("OnVereinespielerJugendundamateurspieler", [&editors](const CommandArgs& a) {
        const int land = a.land >= 0 ? a.land : App().AktuellesLand;
        const int nation = land >= 0 && land < kLaenderSlots ? App().NationNummer[size_t(land)] : -1;
        const auto& nationen = Daten().NationenListe;
        const QString name = nation >= 0 && size_t(nation) < nationen.size()
                                 ? Qt8(nationen[size_t(nation)]->Name())
                                 : QString();
        CJugendspielerAuswahlDlg dlg(YouthRules::ForCountry(land), name, editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
    editors.Register("OnInternationalSpielerpools", [&editors](const CommandArgs& a) {
        const int pool = std::max(0, a.pool);
        const QString name = pool < int(std::size(kSpielerpools)) ? QString::fromUtf8(kSpielerpools[pool]) : QString();
        CJugendspielerAuswahlDlg dlg(YouthRules::ForPool(pool), name, editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
    editors.Register("OnInternationalSonstigespieler",
                     [&editors](const CommandArgs&) { return RunSonstigeSpieler(editors.Parent()); });
    editors.Register("OnNationalAlphabetischespielerliste", [&editors](const CommandArgs& a) {
        CSpielerEditorAlleDlg dlg(a.land >= 0 ? a.land : App().AktuellesLand, editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
    editors.Register("OnInternationalEhemaligespieler", [&editors](const CommandArgs&) {
        CEhemaligeSpielerDlg dlg(editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
    editors.Register("OnInternationalMitgliederdernationalmannschaft", [&editors](const CommandArgs& a) {
        const int nation = a.nation >= 0 ? a.nation
                                         : App().NationNummer[size_t(std::clamp(App().AktuellesLand, 0, kLaenderSlots - 1))];
        CSpielerUebersichtDlg dlg(nation, editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
}

}  // namespace v3
