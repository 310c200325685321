#include "editors/wettbewerb/rules/Statistik.h"

#include <algorithm>
#include <cstdio>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/SpielerTexte.h"
#include "records/Stadion.h"
#include "records/Verein.h"

namespace v3 {
namespace {

bool Frueher(const CDatum& a, const CDatum& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

int64_t StadionPlaetze(const CStadion* s) {
    if (!s) return 0;
    int64_t sum = 0;
    for (int t = 0; t < 4; ++t) sum += int64_t(s->Stehplaetze(t)) + s->Sitzplaetze(t) + s->Logen(t);
    return sum;
}

bool IstEuroLand(size_t land) { return land >= size_t(kHauptlaender) && land < size_t(kFesteLaender); }

// Right-aligned in seven characters.
std::string Sieben(int64_t n) {
    std::string t = MitTausenderpunkt(n);
    return t.size() < 7 ? std::string(7 - t.size(), ' ') + t : t;
}

// The count after its tab stops: one more tab for each of 1000, 100, 10 it is below.
std::string GestufteZahl(int n) {
    std::string out = "\t";
    for (int grenze : {1000, 100, 10})
        if (n < grenze) out += '\t';
    return out + MitTausenderpunkt(n);
}

}  // namespace

Statistik BerechneStatistik(const DataSet& daten) {
    Statistik s;
    const AppState& app = App();
    s.ligen.resize(daten.AlleLaender.size());
    CDatum aeltestes;
    aeltestes.day = 1;
    aeltestes.month = 1;
    aeltestes.year = 2100;
    const CSpieler* oldie = nullptr;
    const CVerein* oldieVerein = nullptr;
    const CVerein *meiste = nullptr, *wenigste = nullptr, *staerkster = nullptr, *schwaechster = nullptr;
    const CVerein *groesstes = nullptr, *kleinstes = nullptr;
    std::vector<int> ligaVon;  // league index by club number, -1 for none

    for (size_t c = 0; c < daten.AlleLaender.size(); ++c) {
        const CLand* land = daten.AlleLaender[c].get();
        if (!land) continue;
        auto& ligen = s.ligen[c];
        const bool euro = IstEuroLand(c);
        // The first league (of the country's counted leagues) that lists each club.
        ligaVon.assign(land->VereinsListe().size() + 1, -1);
        if (!euro) {
            const size_t anzahl = c < size_t(kLaenderSlots) ? size_t(std::max(0, app.LigaAnzahl[c])) : 0;
            for (size_t l = anzahl < land->Ligen().size() ? anzahl : land->Ligen().size(); l-- > 0;) {
                const CLiga& liga = *land->Ligen()[l];
                for (int i = 0; i < liga.Size(); ++i) {
                    const int nr = liga.ClubNumber(i);
                    if (nr > 0 && size_t(nr) < ligaVon.size()) ligaVon[size_t(nr)] = int(l);
                }
            }
        }
        for (const auto& vp : land->VereinsListe()) {
            const CVerein& v = *vp;
            int summe = 0;
            const int anzahl = int(v.SpielerListe().size());
            for (const auto& pp : v.SpielerListe()) {
                const CSpieler& p = *pp;
                const int st = p.Staerke(), pos = p.Hauptposition();
                if (st >= 1 && st <= 12) ++s.proStaerke[size_t(st)];
                if (pos >= 1 && pos <= 10) ++s.proPosition[size_t(pos)];
                summe += st;
                if (Frueher(p.GeburtsDatum(), aeltestes)) {
                    aeltestes = p.GeburtsDatum();
                    oldie = &p;
                    oldieVerein = &v;
                }
            }
            s.spieler += anzahl;
            ++s.vereine;
            const double schnitt = anzahl ? double(summe) / anzahl : 0.0;
            if (anzahl) {
                if (schnitt > s.staerkster) s.staerkster = schnitt, staerkster = &v;
                if (schnitt < s.schwaechster) s.schwaechster = schnitt, schwaechster = &v;
            }
            if (anzahl > s.meiste) s.meiste = anzahl, meiste = &v;
            if (anzahl < s.wenigste) s.wenigste = anzahl, wenigste = &v;
            s.summeSchnitte += int64_t(schnitt);
            const int64_t plaetze = StadionPlaetze(v.Stadion());
            if (plaetze > s.groesstes) s.groesstes = plaetze, groesstes = &v;
            if (plaetze < s.kleinstes) s.kleinstes = plaetze, kleinstes = &v;
            s.summePlaetze += plaetze;
            if (euro) {
                s.euro += anzahl;
            } else {
                const int nr = v.VereinsNummer();
                const int l = nr > 0 && size_t(nr) < ligaVon.size() ? ligaVon[size_t(nr)] : -1;
                if (l >= 0 && l < kMaxLigen) {
                    ligen[size_t(l)].spieler += anzahl;
                    ligen[size_t(l)].summeSchnitt += schnitt;
                }
            }
        }
        if (c < size_t(kHauptlaender)) {
            const size_t anzahl = size_t(std::max(0, app.LigaAnzahl[c]));
            for (size_t l = 0; l < anzahl && l < land->Ligen().size() && l < size_t(kMaxLigen); ++l) {
                const CLiga& liga = *land->Ligen()[l];
                if (liga.Size() <= 0) continue;
                const double schnitt = ligen[l].summeSchnitt / liga.Size();
                if (schnitt > s.staerksteLigaSchnitt) {
                    s.staerksteLigaSchnitt = schnitt;
                    s.staerksteLiga = app.Laendername[c] + " - " + liga.Name();
                }
            }
        }
    }

    if (oldie) {
        s.oldie = oldie->Vorname() + " " + oldie->Nachname();
        s.oldieVerein = oldieVerein->Name();
        s.oldieAlter = app.Saisonstartjahr - aeltestes.year - (aeltestes.month > 6 ? 1 : 0);
    }
    auto name = [](const CVerein* v) { return v ? v->Name() : std::string(); };
    s.meisteVerein = name(meiste);
    s.wenigsteVerein = name(wenigste);
    s.staerksterVerein = name(staerkster);
    s.schwaechsterVerein = name(schwaechster);
    s.groesstesVerein = name(groesstes);
    s.kleinstesVerein = name(kleinstes);
    return s;
}

std::string MitTausenderpunkt(int64_t n) {
    if (n < 1000 && n > -1000) return std::to_string(n);
    char rest[8];
    std::snprintf(rest, sizeof rest, "%03d", int(n < 0 ? -(n % 1000) : n % 1000));
    return std::to_string(n / 1000) + "." + rest;
}

std::string Zwei(double v) {
    char text[48];
    std::snprintf(text, sizeof text, "%3.2f", v);
    return text;
}

std::vector<std::string> SpielerZeilen(const Statistik& s, const DataSet& daten) {
    std::vector<std::string> out;
    const AppState& app = App();
    auto zeilen = [&](size_t c) {
        if (c >= daten.AlleLaender.size() || !daten.AlleLaender[c]) return;
        const int nation = app.NationNummer[c];
        if (nation == -1 || app.LigaAnzahl[c] <= 0) return;
        const CNation* n =
            nation >= 0 && size_t(nation) < daten.NationenListe.size() ? daten.NationenListe[size_t(nation)].get() : nullptr;
        const std::string kuerzel = n ? n->Kuerzel() : std::string();
        const CLand& land = *daten.AlleLaender[c];
        for (size_t l = 0; l < size_t(app.LigaAnzahl[c]) && l < land.Ligen().size() && l < size_t(kMaxLigen); ++l)
            out.push_back(kuerzel + "\t" + land.Ligen()[l]->Name() + "\t" + MitTausenderpunkt(s.ligen[c][l].spieler));
    };
    for (size_t c = 0; c < size_t(kHauptlaender); ++c) zeilen(c);
    zeilen(size_t(kBonusLandIndex));
    out.push_back("Ausland" + std::string(22, ' ') + "  1.430");
    out.push_back("Euro" + std::string(27, ' ') + Sieben(s.euro));
    out.push_back("Gesamt" + std::string(21, ' ') + Sieben(int64_t(s.spieler) + kAuslandSpieler));
    return out;
}

std::vector<std::string> StaerkeZeilen(const Statistik& s) {
    std::vector<std::string> out;
    for (int st = 1; st <= 12; ++st) out.push_back(std::to_string(st) + GestufteZahl(s.proStaerke[size_t(st)]));
    return out;
}

std::vector<std::string> PositionsZeilen(const Statistik& s) {
    std::vector<std::string> out;
    for (int pos = 1; pos <= 10; ++pos)
        out.push_back(std::string(PositionShortText(pos)) + GestufteZahl(s.proPosition[size_t(pos)]));
    return out;
}

}  // namespace v3
