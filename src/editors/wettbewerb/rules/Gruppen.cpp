#include "editors/wettbewerb/rules/Gruppen.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "editors/wettbewerb/rules/Wettbewerbe.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/TurnierGruppe.h"
#include "records/Verein.h"
#include "shell/CountryChooser.h"

namespace v3 {

int DataSetParticipants::NationCount() const { return int(Daten().NationenListe.size()); }
const CNation* DataSetParticipants::Nation(int nr) const { return NationByNumber(nr); }
int DataSetParticipants::ClubCount(int land) const {
    const auto& l = Daten().AlleLaender;
    return land >= 0 && size_t(land) < l.size() && l[size_t(land)] ? int(l[size_t(land)]->VereinsListe().size()) : 0;
}

namespace {

const CLand* GruppenLand(int land) {
    const auto& l = Daten().AlleLaender;
    return land >= 0 && size_t(land) < l.size() ? l[size_t(land)].get() : nullptr;
}

int GruppenNation(int land) { return land >= 0 && land < kLaenderSlots ? App().NationNummer[size_t(land)] : -1; }

void GruppenFehler(const std::string& text) {
    App().ui->MessageBox(text, "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
}

}  // namespace

// ---------------------------------------------------------------- European club competition

CLeagueGruppen::CLeagueGruppen() {
    const auto& liste = Daten().CLeagueListe;
    for (size_t g = 0; g < liste.size() && g < size_t(kGruppen); ++g) {
        if (!liste[g]) continue;
        for (int i = 0; i < kTeilnehmer && i < liste[g]->GetCount(); ++i) {
            Teilnehmer& t = gruppen_[g][size_t(i)];
            t.land = NationNr(liste[g]->NationNr(i));
            t.verein = t.land >= 0 ? liste[g]->TeamNr(i) : 0;
        }
    }
}

std::vector<int> CLeagueGruppen::Countries() {
    std::vector<int> out;
    const auto& laender = Daten().AlleLaender;
    for (size_t land = 0; land < laender.size(); ++land) {
        const CLand* l = laender[land].get();
        if (!l || l->BonusLand() == 1) continue;
        const CNation* n = NationByNumber(GruppenNation(int(land)));
        if (!n || n->NationWertA() != 0) continue;
        out.push_back(int(land));
    }
    return out;
}

std::string CLeagueGruppen::CountryLine(int land) {
    const CLand* l = GruppenLand(land);
    const std::string name = NationNameOf(GruppenNation(land));
    return l && l->BonusLand() == 2 ? "Bonusland: " + name : name;
}

std::vector<int> CLeagueGruppen::Clubs(int land, int current) {
    std::vector<int> out;
    const CLand* l = GruppenLand(land);
    if (!l) return out;
    if (!l->Ligen().empty() && l->Ligen()[0]->Size() > 0) {
        const CLiga& liga = *l->Ligen()[0];
        for (int i = 0; i < liga.Size(); ++i)
            if (l->VereinMitNummer(liga.ClubNumber(i))) out.push_back(liga.ClubNumber(i));
    } else {
        for (const auto& v : l->VereinsListe()) out.push_back(v->VereinsNummer());
    }
    if (current > 0 && l->VereinMitNummer(current) && std::find(out.begin(), out.end(), current) == out.end())
        out.push_back(current);
    return out;
}

std::string CLeagueGruppen::ClubName(int land, int verein) {
    const CLand* l = GruppenLand(land);
    const CVerein* v = l ? l->VereinMitNummer(verein) : nullptr;
    return v ? v->Name() : std::string();
}

bool CLeagueGruppen::Leave(int gruppe) const {
    for (int i = 0; i < kTeilnehmer; ++i)
        if (!At(gruppe)[size_t(i)].Complete()) {
            char text[96];
            std::snprintf(text, sizeof text, "Bitte w\xC3\xA4hlen Sie ein Land und einen Verein f\xC3\xBCr Teilnehmer %d aus!",
                          i + 1);
            GruppenFehler(text);
            return false;
        }
    return true;
}

std::string CLeagueGruppen::Repetitions() const {
    std::string out;
    constexpr int kAlle = kGruppen * kTeilnehmer;
    for (int a = 0; a < kAlle; ++a)
        for (int b = a + 1; b < kAlle; ++b) {
            const Teilnehmer& x = gruppen_[size_t(a / kTeilnehmer)][size_t(a % kTeilnehmer)];
            const Teilnehmer& y = gruppen_[size_t(b / kTeilnehmer)][size_t(b % kTeilnehmer)];
            if (!x.Complete() || !(x == y)) continue;
            char line[160];
            std::snprintf(line, sizeof line, "Der Teilnehmer %d in Gruppe %d ist schon in Gruppe %d als Teilnehmer %d vorhanden!\n",
                          a % kTeilnehmer + 1, a / kTeilnehmer + 1, b / kTeilnehmer + 1, b % kTeilnehmer + 1);
            out += line;
        }
    return out;
}

bool CLeagueGruppen::Ok(int shown) {
    if (!Leave(shown)) return false;
    const std::string rep = Repetitions();
    if (!rep.empty()) {
        GruppenFehler(rep);
        return false;
    }
    auto& liste = Daten().CLeagueListe;
    while (liste.size() < size_t(kGruppen)) liste.push_back(std::make_unique<CChampionsLeagueGruppe>(int(liste.size())));
    const DataSetParticipants lookup;
    for (size_t g = 0; g < size_t(kGruppen); ++g)
        for (int i = 0; i < kTeilnehmer; ++i) {
            const Teilnehmer& t = gruppen_[g][size_t(i)];
            if (t.Complete()) liste[g]->SetTeilnehmer(i, GruppenNation(t.land), t.verein, lookup);
        }
    return true;
}

// ---------------------------------------------------------------- championship groups

TurnierGruppen::TurnierGruppen(int mode) : mode_(mode == 1 ? 1 : 2) {
    gruppen_.resize(size_t(GroupCount()));
    teams_.resize(size_t(GroupCount()));
    const auto& liste = mode_ == 1 ? Daten().EMGruppenListe : Daten().WMGruppenListe;
    for (size_t g = 0; g < liste.size() && g < gruppen_.size(); ++g)
        for (int p = 0; liste[g] && p < kPositionen && p < liste[g]->GetCount(); ++p) {
            gruppen_[g][size_t(p)] = liste[g]->NationNr(p);
            teams_[g][size_t(p)] = liste[g]->TeamNr(p);
        }
}

std::vector<int> TurnierGruppen::Nations(int current) const {
    std::vector<int> out;
    auto offer = [&](int nr) {
        const CNation* n = NationByNumber(nr);
        if (!n || nr <= 0 || (mode_ == 1 && n->NationWertA() != 0)) return;
        if (std::find(out.begin(), out.end(), nr) == out.end()) out.push_back(nr);
    };
    for (int land = 0; land < kFesteLaender; ++land) offer(App().NationNummer[size_t(land)]);
    for (int nr : kWeitereNationen)
        if (NationNr(nr) == -1) offer(nr);
    if (current > 0 && NationByNumber(current) && std::find(out.begin(), out.end(), current) == out.end())
        out.push_back(current);
    return out;
}

std::string TurnierGruppen::Repetitions() const {
    std::string out;
    const int alle = GroupCount() * kPositionen;
    for (int a = 0; a < alle; ++a)
        for (int b = a + 1; b < alle; ++b) {
            const int x = gruppen_[size_t(a / kPositionen)][size_t(a % kPositionen)];
            const int y = gruppen_[size_t(b / kPositionen)][size_t(b % kPositionen)];
            if (x <= 0 || x != y) continue;
            out += "Die Nation " + NationNameOf(x) + " spielt sowohl auf Position " + std::to_string(a % kPositionen + 1) +
                   " in Gruppe " + std::to_string(a / kPositionen + 1) + " als auch auf Position " +
                   std::to_string(b % kPositionen + 1) + " in Gruppe " + std::to_string(b / kPositionen + 1) +
                   ". Jede Nation darf aber nur einmal am Wettbewerb teilnehmen!\n";
        }
    return out;
}

bool TurnierGruppen::Ok() {
    const std::string rep = Repetitions();
    if (!rep.empty()) {
        GruppenFehler(rep);
        return false;
    }
    auto& liste = mode_ == 1 ? Daten().EMGruppenListe : Daten().WMGruppenListe;
    while (liste.size() < gruppen_.size())
        liste.push_back(std::make_unique<CTurnierGruppe>(kPositionen, int(liste.size())));
    const DataSetParticipants lookup;
    for (size_t g = 0; g < gruppen_.size(); ++g) {
        CTurnierGruppe& rec = *liste[g];
        if (rec.GetCount() < kPositionen) rec.Resize(kPositionen);
        for (int p = 0; p < kPositionen; ++p) {
            const int nation = gruppen_[g][size_t(p)];
            const int team = rec.NationNr(p) == nation ? teams_[g][size_t(p)] : 0;
            if (!rec.SetTeilnehmer(p, nation, team, lookup)) break;
        }
    }
    return true;
}

}  // namespace v3
