#include "shell/CountryChooser.h"

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "base/Layout.h"
#include "records/Nation.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// "Name\tKuerzel" of the nation with this number; the fixed country tables
// stand in when the data set has no such nation.
std::string NationLine(int nationNummer, int position) {
    for (const auto& n : Daten().NationenListe)
        if (n && n->Nr() == nationNummer) return n->Name() + "\t" + n->Kuerzel();
    const AppState& app = App();
    if (position >= 0 && position < kLaenderSlots)
        return app.Laendername[position] + "\t" + app.Laenderkuerzel[position];
    if (nationNummer >= 0 && nationNummer < int(Daten().NationenListe.size()) && Daten().NationenListe[nationNummer]) {
        const CNation& n = *Daten().NationenListe[nationNummer];
        return n.Name() + "\t" + n.Kuerzel();
    }
    return "Nation " + std::to_string(nationNummer) + "\t";
}

std::string ClubLine(const CVerein& v, bool trainer) {
    const std::string& nach = trainer ? v.Trainername() : v.Managername();
    const std::string& vor = trainer ? v.TrainerVorname() : v.ManagerVorname();
    int komp = trainer ? v.KompTrainer() : v.KompManager();
    return v.Name() + "\t" + nach + "\t" + vor + "\t" + std::to_string(komp);
}

}  // namespace

ChooserModel BuildCountryChooser(int mode, const std::vector<const CVerein*>* clubs, const CVerein* excluded1,
                                 const CVerein* excluded2) {
    const AppState& app = App();
    ChooserModel m;
    m.mode = mode;
    m.title = "Bitte Land w\xC3\xA4hlen!";
    m.frameText = "Bitte Land ausw\xC3\xA4hlen!";
    m.okText = "Editieren";
    m.tabStops = {85};
    m.noSelectionMessage = "Bitte w\xC3\xA4hlen sie zuerst ein Land aus der Liste.";

    if (mode == 8 || mode == 9) {
        bool trainer = mode == 8;
        m.layout = 363;
        m.title = trainer ? "Bitte Trainer ausw\xC3\xA4hlen!" : "Bitte Manager ausw\xC3\xA4hlen!";
        m.frameText = m.title;
        m.okText = "OK";
        m.tabStops = {125, 218, 290};
        m.noSelectionMessage = trainer ? "Bitte w\xC3\xA4hlen Sie zuerst einen Trainer aus der Liste!"
                                       : "Bitte w\xC3\xA4hlen Sie zuerst einen Manager aus der Liste!";
        if (clubs)
            for (const CVerein* v : *clubs) {
                if (!v || v == excluded1 || v == excluded2) continue;
                ChooserLine line{ClubLine(*v, trainer), int(m.lines.size()), false, v};
                m.lines.push_back(std::move(line));
            }
        return m;
    }

    int count = (mode == 10 || mode == 11 || mode == 12) ? kFesteLaender : kHauptlaender;
    if (mode == 12) {
        m.title = "Vereine drucken";
        m.okText = "Weiter";
    }
    for (int pos = 0; pos < count; ++pos) {
        int nr = app.NationNummer[pos];
        // A country that lent its team to the bonus country has no number of
        // its own meanwhile; its line stands for the lent team.
        if (nr < 0 && pos == app.BonusQuellLand && app.BonusNation > 0) nr = app.BonusNation;
        m.lines.push_back({NationLine(nr, pos), mode == 11 ? nr : pos});
    }
    if (mode == 11)
        for (int nr : kWeitereNationen)
            if (NationNr(nr) == -1) m.lines.push_back({NationLine(nr, -1), nr, true});
    return m;
}

std::optional<int> AcceptCountryChoice(const ChooserModel& model, int selectedLine) {
    if (selectedLine < 0 || selectedLine >= int(model.lines.size())) {
        App().ui->MessageBox(model.noSelectionMessage, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        return std::nullopt;
    }
    int value = model.lines[selectedLine].value;
    if (model.mode != 8 && model.mode != 9 && model.mode != 11) App().AktuellesLand = value;
    return value;
}

}  // namespace v3
