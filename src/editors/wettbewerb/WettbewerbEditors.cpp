#include "editors/wettbewerb/WettbewerbEditors.h"

#include <functional>
#include <memory>

#include "base/AppState.h"
#include "editors/wettbewerb/StatistikDialoge.h"
#include "editors/wettbewerb/WettbewerbDialoge.h"
#include "ui/EditorRegistry.h"

namespace v3 {

void RegisterWettbewerbEditors(CEditorRegistry& editors) {
    using Make = std::function<std::unique_ptr<QDialog>(QWidget*)>;
    const std::pair<const char*, Make> eintraege[] = {
        {"OnNationaleWettbewerbe",
         [](QWidget* p) { return std::make_unique<CNationaleWettbewerbeDlg>(App().AktuellesLand, p); }},
        {"OnInternationalInternationalewettbewerbe",
         [](QWidget* p) { return std::make_unique<CInternationaleWettbewerbeDlg>(p); }},
        {"OnInternationalCleaguegruppen", [](QWidget* p) { return std::make_unique<CChampionsLeagueGruppenDlg>(p); }},
        {"OnInternationalEMGruppen", [](QWidget* p) { return std::make_unique<CLaenderTurnierEditorDlg>(1, p); }},
        {"OnInternationalWMGruppen", [](QWidget* p) { return std::make_unique<CLaenderTurnierEditorDlg>(2, p); }},
        {"OnInternationalWMEM", [](QWidget* p) { return std::make_unique<CWMEMDlg>(p); }},
        {"OnInternationalBestespielerderwelt", [](QWidget* p) { return std::make_unique<CWeltBesteSpielerDlg>(p); }},
        {"OnBesonderesUefa5jahreswertung", [](QWidget* p) { return std::make_unique<CUEFAWertungDlg>(p); }},
        {"OnBesonderesStatistik", [](QWidget* p) { return std::make_unique<CStatistikDlg>(p); }},
    };
    for (const auto& [handler, make] : eintraege)
        editors.Register(handler, [&editors, make = make](const CommandArgs&) {
            return make(editors.Parent())->exec() == QDialog::Accepted;
        });
}

}  // namespace v3
