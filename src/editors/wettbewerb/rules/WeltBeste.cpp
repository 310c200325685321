#include "editors/wettbewerb/rules/WeltBeste.h"

#include <algorithm>

#include "dataset/DataSet.h"
#include "editors/wettbewerb/rules/Wettbewerbe.h"
#include "records/ExSpieler.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/SpielerTexte.h"
#include "records/Verein.h"

namespace v3 {
namespace {

void Merke(std::vector<CSpieler*>& liste, CSpieler* p) {
    if (p && std::find(liste.begin(), liste.end(), p) == liste.end()) liste.push_back(p);
}

}  // namespace

WeltBesteSpieler::WeltBesteSpieler() {
    auto pruefe = [this](CSpieler& p, const CVerein* v) {
        const int f = p.BesterSpieler();
        if (f >= 1 && f <= kFaehigkeiten) {
            faehigkeit_[size_t(f - 1)] = {&p, v};
            Merke(faehigkeitHalter_, &p);
        }
        const int pos = p.BesterHauptposition();
        if (pos >= 1 && pos <= kPositionen) {
            position_[size_t(pos - 1)] = {&p, v};
            Merke(positionHalter_, &p);
        }
    };
    for (const auto& land : Daten().AlleLaender) {
        if (!land || land->BonusLand() == 1) continue;
        for (const auto& v : land->VereinsListe())
            for (const auto& p : v->SpielerListe()) pruefe(*p, v.get());
    }
    for (const auto& p : Daten().ExSpielerListe)
        if (p) pruefe(*p, nullptr);
}

std::string WeltBesteName(const CSpieler& p) {
    std::string name = p.Kuenstlername().empty() ? p.Nachname() + ", " + p.Vorname() : p.Kuenstlername();
    const CNation* n = NationByNumber(p.Nationalitaet() & 0x7F);
    return name + ", " + (n ? n->Kuerzel() : std::string());
}

namespace {

std::string VereinText(const Titelhalter& h) { return h.verein ? h.verein->Name() : "Ehemaliger Spieler"; }

}  // namespace

std::array<std::string, 2> WeltBesteSpieler::FaehigkeitText(int n) const {
    const Titelhalter& h = Faehigkeit(n);
    if (!h.spieler) return {kKeinSpieler, ""};
    return {WeltBesteName(*h.spieler), std::string(PositionShortText(h.spieler->Hauptposition())) + ", " + VereinText(h)};
}

std::array<std::string, 2> WeltBesteSpieler::PositionText(int n) const {
    const Titelhalter& h = Position(n);
    if (!h.spieler) return {kKeinSpieler, ""};
    return {WeltBesteName(*h.spieler), VereinText(h)};
}

void WeltBesteSpieler::SetFaehigkeit(int n, Titelhalter h) {
    Merke(faehigkeitHalter_, faehigkeit_[size_t(n - 1)].spieler);
    faehigkeit_[size_t(n - 1)] = h;
}

void WeltBesteSpieler::SetPosition(int n, Titelhalter h) {
    Merke(positionHalter_, position_[size_t(n - 1)].spieler);
    position_[size_t(n - 1)] = h;
}

void WeltBesteSpieler::Ok() {
    for (CSpieler* p : positionHalter_) p->BesterHauptposition(0);
    for (CSpieler* p : faehigkeitHalter_) p->BesterSpieler(0);
    for (int n = 1; n <= kFaehigkeiten; ++n)
        if (CSpieler* p = faehigkeit_[size_t(n - 1)].spieler) p->BesterSpieler(n);
    for (int n = 1; n <= kPositionen; ++n)
        if (CSpieler* p = position_[size_t(n - 1)].spieler) p->BesterHauptposition(n);
}

}  // namespace v3
