#include "editors/verein/rules/Trikots.h"

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "records/Nation.h"

namespace v3 {

const std::array<const char*, kStreifenAnzahl> StreifenNamen = {
    "neutral", "längs", "quer", "Halb/Halb", "Schulter", "Brustring", "Ärmel", "Mittelstr.", "kariert", "schräg"};

std::optional<TrikotFehler> PruefeTrikots(const std::array<TRIKOTSATZ, 2>& s) {
    const TRIKOTSATZ& a = s[0];
    const TRIKOTSATZ& b = s[1];
    if (a.Streifen == b.Streifen &&
        (a.TrikotFarbe == b.TrikotFarbe || (a.Streifen != 0 && a.StreifenFarbe == b.StreifenFarbe)))
        return TrikotFehler{1, 0, "Bitte unterschiedliche Farben für die Trikots beider Sätze eintragen!"};
    if (a.Streifen != 0 && a.StreifenFarbe == a.TrikotFarbe)
        return TrikotFehler{2, 0,
                            "Bitte die Streifen des Trikots des ersten Trikotsatzes in einer anderen Farbe als die "
                            "Trikothauptfarbe eintragen!"};
    if (b.Streifen != 0 && b.StreifenFarbe == b.TrikotFarbe)
        return TrikotFehler{3, 1,
                            "Bitte die Streifen des Trikots des zweiten Trikotsatzes in einer anderen Farbe als die "
                            "Trikothauptfarbe eintragen!"};
    if (a.Ringelsocken != 0 && a.HosenFarbe == a.StutzenFarbe)
        return TrikotFehler{4, 0,
                            "Bitte bei den Ringelsocken des Heimtrikots unterschiedliche Farben für Stutzen und Hose "
                            "auswählen!"};
    if (b.Ringelsocken != 0 && b.HosenFarbe == b.StutzenFarbe)
        return TrikotFehler{5, 1,
                            "Bitte bei den Ringelsocken des zweiten Trikotsatzes unterschiedliche Farben für Stutzen "
                            "und Hose auswählen!"};
    return std::nullopt;
}

void CTrikotsaetze::InitWerte(const std::array<TRIKOTSATZ, 2>& saetze) {
    saetze_ = saetze;
    gezeigt_ = 0;
}

bool CTrikotsaetze::CheckData() {
    const auto fehler = PruefeTrikots(saetze_);
    if (!fehler) return true;
    gezeigt_ = fehler->satz;
    App().ui->MessageBox(fehler->text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

CNationalteamTrikots::CNationalteamTrikots() {
    for (const auto& n : Daten().NationenListe) {
        namen_.push_back(n ? n->Name() : std::string());
        saetze_.push_back(n ? std::array<TRIKOTSATZ, 2>{n->Kit(0), n->Kit(1)} : std::array<TRIKOTSATZ, 2>{});
    }
}

size_t CNationalteamTrikots::Bearbeitet(size_t i, const std::array<TRIKOTSATZ, 2>& saetze) {
    if (i >= saetze_.size()) return 0;
    saetze_[i] = saetze;
    return i + 1 < saetze_.size() ? i + 1 : 0;
}

void CNationalteamTrikots::Ok() const {
    auto& liste = Daten().NationenListe;
    for (size_t i = 0; i < liste.size() && i < saetze_.size(); ++i) {
        if (!liste[i]) continue;
        auto saetze = saetze_[i];
        liste[i]->TrikotSatz(saetze, 2, true);
    }
}

}  // namespace v3
