#include "editors/spielplan/rules/Spielplan.h"

#include <algorithm>
#include <cstdio>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3 {
namespace {

const CLand* LandObjekt(int land) {
    const auto& laender = Daten().AlleLaender;
    return land >= 0 && size_t(land) < laender.size() ? laender[size_t(land)].get() : nullptr;
}

// Name of the club at a league position, for the repetition messages (UTF-8).
std::string NameAnPosition(const CLiga& liga, int position, const CLand* land) {
    if (!land || position < 1 || position > liga.Size()) return "?";
    const CVerein* v = land->VereinMitNummer(liga.ClubNumber(position - 1));
    return v ? Cp1252ToUtf8(v->Name()) : "?";
}

}  // namespace

std::string SpielplanLigaLabel(int land, int liga) {
    static const char* const kLabels[] = {"1. Liga", "2. Liga", "RL Nord", "RL Nord-Ost", "RL West-SW", "RL Süd"};
    if (land == 1 && liga == 2) return "3. Liga";
    if (land == 1 && liga == 3) return "4. Liga";
    if (land == 0 && App().Saisonstartjahr > 1999 && liga == 3) return "RL Süd";
    if (liga < 0 || liga >= int(std::size(kLabels))) return std::string();
    return kLabels[liga];
}

// ---------------------------------------------------------------- league chooser

SpielplanAuswahl::SpielplanAuswahl(int land) : land_(land) {
    if (const CLand* l = LandObjekt(land))
        for (const auto& liga : l->Ligen()) ligen_.push_back(std::make_unique<CLiga>(*liga));
}

int SpielplanAuswahl::Anzahl() const {
    const int spielligen = land_ >= 0 && land_ < kLaenderSlots ? App().LigaAnzahl[size_t(land_)] : 0;
    return std::clamp(spielligen, 0, int(ligen_.size()));
}

void SpielplanAuswahl::Ersetzen(int i, const CLiga& ergebnis) {
    if (i >= 0 && size_t(i) < ligen_.size()) ligen_[size_t(i)] = std::make_unique<CLiga>(ergebnis);
}

void SpielplanAuswahl::Uebernehmen() {
    auto& laender = Daten().AlleLaender;
    if (land_ < 0 || size_t(land_) >= laender.size() || !laender[size_t(land_)]) return;
    laender[size_t(land_)]->Ligen() = std::move(ligen_);
    ligen_.clear();
}

// ---------------------------------------------------------------- matchday editor

SpielplanEditor::SpielplanEditor(int land, int ligaIndex, const CLiga& liga)
    : land_(land), ligaIndex_(ligaIndex), liga_(liga), landObjekt_(LandObjekt(land)) {
    Zeigen(0);
}

std::string SpielplanEditor::Titel() const {
    std::string titel = "Spielplan  " + SpielplanLigaLabel(land_, ligaIndex_);
    if (land_ >= 0 && land_ < kLaenderSlots) titel += " - " + Cp1252ToUtf8(App().Laendername[size_t(land_)]);
    return titel;
}

int SpielplanEditor::Spieltage() const { return std::min(liga_.GetSpielTage(), kSpielplanMaxSpieltage); }

int SpielplanEditor::Felder() const { return std::min(2 * liga_.GetBegegnungenProSpielTag(), kSpielplanMaxFelder); }

int SpielplanEditor::Position(int verein) const {
    if (!landObjekt_ || verein < 0 || size_t(verein) >= landObjekt_->VereinsListe().size()) return verein + 1;
    const int nummer = landObjekt_->VereinsListe()[size_t(verein)]->VereinsNummer();
    for (int p = 0; p < liga_.Size(); ++p)
        if (liga_.ClubNumber(p) == nummer) return p + 1;
    return verein + 1;
}

int SpielplanEditor::VereinAn(int position) const {
    if (!landObjekt_ || position < 1 || position > liga_.Size()) return -1;
    const int nummer = liga_.ClubNumber(position - 1);
    const auto& vereine = landObjekt_->VereinsListe();
    for (size_t i = 0; i < vereine.size(); ++i)
        if (vereine[i]->VereinsNummer() == nummer) return int(i);
    return -1;
}

std::string SpielplanEditor::VereinName(int verein) const {
    if (!landObjekt_ || verein < 0 || size_t(verein) >= landObjekt_->VereinsListe().size()) return std::string();
    return landObjekt_->VereinsListe()[size_t(verein)]->Name();
}

std::string SpielplanEditor::FeldName(int slot) const { return VereinName(FeldVerein(slot)); }

int SpielplanEditor::FeldVerein(int slot) const {
    return slot >= 0 && size_t(slot) < felder_.size() ? felder_[size_t(slot)] : -1;
}

void SpielplanEditor::Zeigen(int spieltag) {
    spieltag_ = spieltag;
    felder_.assign(size_t(Felder()), -1);
    ohneGegner_.clear();
    // A position outside the league, a club that is not in the country or a
    // club already shown in an earlier field leaves its field empty.
    for (int i = 0; i < Felder(); ++i) {
        const int verein = VereinAn(liga_.Fixture(spieltag, i));
        if (verein >= 0 && std::find(felder_.begin(), felder_.end(), verein) == felder_.end())
            felder_[size_t(i)] = verein;
    }
    for (int p = 1; p <= liga_.Size(); ++p) {
        const int verein = VereinAn(p);
        if (verein >= 0 && std::find(felder_.begin(), felder_.end(), verein) == felder_.end() &&
            std::find(ohneGegner_.begin(), ohneGegner_.end(), verein) == ohneGegner_.end())
            ohneGegner_.push_back(verein);
    }
}

void SpielplanEditor::Zurueckschreiben() {
    for (int i = 0; i < Felder(); ++i)
        if (felder_[size_t(i)] >= 0) liga_.Fixture(spieltag_, i, Position(felder_[size_t(i)]));
}

void SpielplanEditor::SwapVerein(int slot) {
    if (slot < 0 || slot >= Felder() || felder_[size_t(slot)] < 0) return;
    ohneGegner_.push_back(felder_[size_t(slot)]);
    felder_[size_t(slot)] = -1;
}

void SpielplanEditor::OnSelchangeListe(int eintrag) {
    if (eintrag < 0 || size_t(eintrag) >= ohneGegner_.size()) return;
    const auto frei = std::find(felder_.begin(), felder_.end(), -1);
    if (frei == felder_.end()) return;
    *frei = ohneGegner_[size_t(eintrag)];
    ohneGegner_.erase(ohneGegner_.begin() + eintrag);
    liga_.Fixture(spieltag_, int(frei - felder_.begin()), Position(*frei));
}

void SpielplanEditor::OnLoeschen() {
    for (int i = 0; i < Felder(); ++i) SwapVerein(i);
}

bool SpielplanEditor::OnRadioSpieltag(int spieltag) {
    if (spieltag < 0 || spieltag >= Spieltage()) return false;
    if (!ohneGegner_.empty()) {
        if (!gewarnt_) App().ui->MessageBox(kPaarungenFestlegen, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        gewarnt_ = !gewarnt_;
        return false;
    }
    Zurueckschreiben();
    Zeigen(spieltag);
    return true;
}

void SpielplanEditor::OnRueck() {
    const int haelfte = liga_.Size() - 1;
    const bool vorrunde = spieltag_ < haelfte;
    if (vorrunde && !ohneGegner_.empty()) {
        App().ui->MessageBox(kPaarungenFestlegen, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    if (App().ui->MessageBox("Wollen Sie wirklich eventuelle Änderungen der Rückrunde verwerfen?", "Achtung!",
                             MsgButtons::OkCancel, MsgIcon::Warning) != MsgResult::Ok)
        return;
    if (vorrunde) Zurueckschreiben();
    const int paarungen = liga_.GetBegegnungenProSpielTag();
    for (int i = 0; i < haelfte && i + haelfte < kMaxSpieltage; ++i)
        for (int k = 0; k < paarungen; ++k) {
            liga_.Fixture(i + haelfte, 2 * k, liga_.Fixture(i, 2 * k + 1));
            liga_.Fixture(i + haelfte, 2 * k + 1, liga_.Fixture(i, 2 * k));
        }
    if (!vorrunde) Zeigen(spieltag_);
}

void SpielplanEditor::OnDefaultSpielplan() {
    if (App().ui->MessageBox(
            "Wollen Sie wirklich alle Änderungen verwerfen und den Standardspielplan für diese Liga laden?",
            "Achtung!", MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    liga_.CreateDefaultSpielplan();
    gewarnt_ = false;
    Zeigen(0);
}

int SpielplanEditor::UngueltigerSpieltag() const {
    const int n = liga_.Size();
    for (int d = 0; d < Spieltage(); ++d) {
        std::vector<bool> gesehen(size_t(n) + 1, false);
        for (int i = 0; i < Felder(); ++i) {
            const int p = liga_.Fixture(d, i);
            if (p < 1 || p > n || gesehen[size_t(p)] || VereinAn(p) < 0) return d;
            gesehen[size_t(p)] = true;
        }
    }
    return -1;
}

bool SpielplanEditor::OnOK() {
    if (!ohneGegner_.empty()) {
        App().ui->MessageBox(kPaarungenFestlegen, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    Zurueckschreiben();
    // A matchday never shown may still hold what a damaged file gave it.
    if (const int falsch = UngueltigerSpieltag(); falsch >= 0) {
        App().ui->MessageBox(kPaarungenFestlegen, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        Zeigen(falsch);
        return false;
    }
    const Wiederholungen w = PruefeWiederholungen(liga_, Spieltage(), landObjekt_);
    if (w.zeilen.empty()) return true;
    const bool zeigen =
        w.zeilen.size() <= size_t(kSpielplanMaxMeldungszeilen) ||
        App().ui->MessageBox("Es sind mehr ungültige Partien im Spielplan als auf einem Bildschirm angezeigt werden "
                             "könnten. Wollen Sie alle Partien anzeigen lassen? (Es können unter Umständen sehr viele "
                             "Meldungen sein!)",
                             "Achtung!", MsgButtons::YesNo, MsgIcon::Question) == MsgResult::Yes;
    if (zeigen)
        for (size_t von = 0; von < w.zeilen.size(); von += kSpielplanMaxMeldungszeilen) {
            std::string text;
            for (size_t i = von; i < std::min(w.zeilen.size(), von + kSpielplanMaxMeldungszeilen); ++i)
                text += w.zeilen[i];
            App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        }
    Zeigen(w.ersterSpieltag);
    return false;
}

Wiederholungen PruefeWiederholungen(const CLiga& liga, int spieltage, const CLand* land) {
    Wiederholungen w;
    const int paarungen = liga.GetBegegnungenProSpielTag();
    for (int a = 0; a < spieltage; ++a)
        for (int k = 0; k < paarungen; ++k) {
            const int heim = liga.Fixture(a, 2 * k), gast = liga.Fixture(a, 2 * k + 1);
            for (int b = a + 1; b < spieltage; ++b)
                for (int j = 0; j < paarungen; ++j) {
                    if (liga.Fixture(b, 2 * j) != heim || liga.Fixture(b, 2 * j + 1) != gast) continue;
                    char zeile[512];
                    std::snprintf(zeile, sizeof zeile,
                                  "Folgende Partie ist sowohl am %d. als auch am %d. Spieltag vorhanden: %s  -  %s!\n",
                                  a + 1, b + 1, NameAnPosition(liga, heim, land).c_str(),
                                  NameAnPosition(liga, gast, land).c_str());
                    w.zeilen.emplace_back(zeile);
                    if (w.ersterSpieltag < 0) w.ersterSpieltag = a;
                }
        }
    return w;
}

}  // namespace v3
