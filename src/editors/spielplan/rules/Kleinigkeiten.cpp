#include "editors/spielplan/rules/Kleinigkeiten.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "records/ExSpieler.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/UEFA.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// Index in the ranking record's first block of the final ground of
// "Pokal der Meister" and of "Europ. Verbandspokal" (the same places as
// their winners in the second block).
constexpr std::array<int, 2> kFinalBlock = {0, 2};

const CVerein* GewaehlterVerein(const VereinWahl& wahl) {
    const auto& laender = Daten().AlleLaender;
    if (!wahl.Gewaehlt() || size_t(wahl.land) >= laender.size() || !laender[size_t(wahl.land)]) return nullptr;
    return laender[size_t(wahl.land)]->VereinMitNummer(wahl.verein);
}

// A club named in the ranking record by nation number and club number.
VereinWahl WahlAusRangliste(int nation, int verein) {
    VereinWahl wahl{NationNr(nation), verein};
    return GewaehlterVerein(wahl) ? wahl : VereinWahl{};
}

CKleinigkeiten& KleinigkeitenRecord() {
    auto& k = Daten().kleinigkeiten;
    if (!k) k = std::make_unique<CKleinigkeiten>();
    return *k;
}

CUEFA& RanglisteRecord() {
    auto& u = Daten().uefa;
    if (!u) u = std::make_unique<CUEFA>();
    return *u;
}

// ---- league structure of country 0

constexpr int kRegionNord = 2;
constexpr int kRegionSued = 5;

bool Nord(const CLand& land, int nummer) {
    const CVerein* v = land.VereinMitNummer(nummer);
    return !v || v->RegionalLiga() != kRegionSued;
}

std::vector<int> Vereine(const CLiga& liga) {
    std::vector<int> v;
    for (int i = 0; i < liga.Size(); ++i) v.push_back(liga.ClubNumber(i));
    return v;
}

// Adds clubs of `quelle` to `ziel` until it holds `groesse`, skipping clubs
// already placed and those `passt` refuses.
void Auffuellen(std::vector<int>& ziel, int groesse, const std::vector<int>& quelle, std::set<int>& vergeben,
                const std::function<bool(int)>& passt) {
    for (int nr : quelle) {
        if (int(ziel.size()) >= groesse) return;
        if (vergeben.count(nr) || !passt(nr)) continue;
        ziel.push_back(nr);
        vergeben.insert(nr);
    }
}

// A league named after `vorbild` with the given clubs and a fresh fixture list.
// A league that could not be filled keeps an even number of clubs.
std::unique_ptr<CLiga> NeueLiga(const CLiga* vorbild, const char* name, const char* kuerzel, std::vector<int> vereine,
                                int groesse, std::set<int>& vergeben) {
    if (int(vereine.size()) < groesse && vereine.size() % 2 == 1) {
        vergeben.erase(vereine.back());
        vereine.pop_back();
    }
    auto liga = std::make_unique<CLiga>();
    liga->Name(vorbild ? vorbild->Name() : name);
    liga->Kuerzel(vorbild ? vorbild->Kuerzel() : kuerzel);
    const int n = std::min(int(vereine.size()), kMaxLigaGroesse);
    for (int i = 0; i < n; ++i) liga->ClubNumber(i, vereine[size_t(i)]);
    liga->Size(n);
    liga->CreateDefaultSpielplan();
    return liga;
}

}  // namespace

// ---------------------------------------------------------------- settings

KleinigkeitenRules::KleinigkeitenRules() {
    const CKleinigkeiten& k = KleinigkeitenRecord();
    startjahr_ = std::clamp(int(k.Saisonstartjahr()), kStartjahrMin, kStartjahrMax);
    steuersatz_ = std::clamp(k.TaxRate(), 0, kSteuersatzMax);
    auswechslungen_ = std::clamp(int(k.FriendlySubstitutions()), kAuswechslungenMin, kAuswechslungenMax);
    name = k.Nachname();
    vorname = k.Vorname();
    tag = std::clamp(k.GeburtsDatum().day, 1, 31);
    monat = std::clamp(k.GeburtsDatum().month, 1, 12);
    jahr = std::clamp(k.GeburtsDatum().year, GeburtsjahrMin(), GeburtsjahrMax());
    const CUEFA& u = RanglisteRecord();
    for (int i = 0; i < 3; ++i) sieger[size_t(i)] = WahlAusRangliste(u.SecondBlock(i, 0), u.SecondBlock(i, 1));
    for (size_t i = 0; i < finale.size(); ++i)
        finale[i] = WahlAusRangliste(u.FirstBlock(kFinalBlock[i], 0), u.FirstBlock(kFinalBlock[i], 1));
}

void KleinigkeitenRules::Startjahr(int jahrNeu) {
    startjahr_ = std::clamp(jahrNeu, kStartjahrMin, kStartjahrMax);
    jahrEingegeben_ = true;
}

std::string KleinigkeitenRules::VereinName(const VereinWahl& wahl) {
    const CVerein* v = GewaehlterVerein(wahl);
    return v ? v->Name() : std::string();
}

bool KleinigkeitenRules::Uebernehmen() {
    CKleinigkeiten& k = KleinigkeitenRecord();
    const int alt = k.Saisonstartjahr();
    // A year read from the file outside the editor's range is only shown
    // clamped; it is written when the user enters a year.
    const int neu = jahrEingegeben_ ? startjahr_ : alt;
    if (std::abs(neu - alt) > kStartjahrOhneFrage &&
        App().ui->MessageBox("Bitte beachten Sie, daß durch die Änderung des Startspieljahres erhebliche Änderungen "
                             "beim Alter der Spieler notwendig werden. Dies kann Ihre Daten unbrauchbar machen.Sind "
                             "Sie sicher daß sie die Veränderung durchführen möchten?",
                             "Achtung!", MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return false;

    std::string fehler;
    auto gleich = [&](int a, int b) { return sieger[size_t(a)].Gewaehlt() && sieger[size_t(a)] == sieger[size_t(b)]; };
    const bool doppelt = neu < 2000 ? gleich(0, 1) || gleich(0, 2) || gleich(1, 2) : gleich(0, 2);
    if (doppelt) fehler += "Ein Verein kann pro Saison nur einen Europapokal gewinnen!\n";
    if (finale[0].Gewaehlt() && finale[0] == finale[1])
        fehler += "Die Austragungsorte der Finalspiele dürfen nicht identisch sein!\n";
    if (neu < 2000 && !sieger[kPokalDerPokalsieger].Gewaehlt())
        fehler += "Bitte wählen sie einen Verein für den Pokal der Pokalsieger aus!\n";
    if (!fehler.empty()) {
        fehler.pop_back();
        App().ui->MessageBox(fehler, "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }

    // Only what passed the checks reaches the ranking record.
    CUEFA& u = RanglisteRecord();
    for (int i = 0; i < 3; ++i)
        if (sieger[size_t(i)].Gewaehlt()) {
            u.SecondBlock(i, 0, App().NationNummer[size_t(sieger[size_t(i)].land)]);
            u.SecondBlock(i, 1, sieger[size_t(i)].verein);
        }
    for (size_t i = 0; i < finale.size(); ++i)
        if (finale[i].Gewaehlt()) {
            u.FirstBlock(kFinalBlock[i], 0, App().NationNummer[size_t(finale[i].land)]);
            u.FirstBlock(kFinalBlock[i], 1, finale[i].verein);
        }

    k.TaxRate(steuersatz_);
    k.FriendlySubstitutions(auswechslungen_);
    CDatum geburt = k.GeburtsDatum();
    if (geburt.Init(tag, monat, std::clamp(jahr, GeburtsjahrMin(), GeburtsjahrMax()), 0, 0, 0) >= 0.0)
        k.GeburtsDatum(geburt);
    k.Nachname(name);
    k.Vorname(vorname);

    auto& laender = Daten().AlleLaender;
    if ((alt < 2000) != (neu < 2000) && !laender.empty() && laender[0]) LigenUmbauen(*laender[0], neu >= 2000);
    k.Saisonstartjahr(neu);
    if (neu != alt) AlterAnpassen();
    return true;
}

// ---------------------------------------------------------------- league structure

void LigenUmbauen(CLand& land, bool abZweitausend) {
    auto& ligen = land.Ligen();
    // The rest league stands last before 2000 and at position 4 from 2000 on;
    // missing leagues are made empty so that both shapes hold their places.
    const size_t restPos = abZweitausend ? 6 : 4;
    while (ligen.size() <= restPos) ligen.insert(ligen.end() - (ligen.empty() ? 0 : 1), std::make_unique<CLiga>());
    auto liga = [&](size_t i) -> const CLiga* { return i < ligen.size() ? ligen[i].get() : nullptr; };

    std::set<int> vergeben;
    for (size_t i = 0; i < 2; ++i)
        for (int nr : Vereine(*ligen[i])) vergeben.insert(nr);
    const std::function<bool(int)> nord = [&](int nr) { return Nord(land, nr); };
    const std::function<bool(int)> sued = [&](int nr) { return !Nord(land, nr); };
    const std::function<bool(int)> alle = [](int) { return true; };
    std::vector<int> rest = Vereine(*ligen[restPos]);

    std::vector<std::unique_ptr<CLiga>> regional;
    if (abZweitausend) {
        // The four regional leagues' clubs by last season's placing, the best
        // of each league first; each goes to the league of its region.
        std::vector<int> kandidaten;
        for (int rang = 0; rang < kMaxLigaGroesse; ++rang)
            for (size_t i = 2; i < 6; ++i)
                if (rang < ligen[i]->Size()) kandidaten.push_back(ligen[i]->ClubNumber(rang));
        const int groesseNord = ligen[2]->Size(), groesseSued = ligen[5]->Size();
        std::vector<int> n, s;
        Auffuellen(n, groesseNord, kandidaten, vergeben, nord);
        Auffuellen(s, groesseSued, kandidaten, vergeben, sued);
        for (const auto& quelle : {kandidaten, rest}) {
            Auffuellen(n, groesseNord, quelle, vergeben, alle);
            Auffuellen(s, groesseSued, quelle, vergeben, alle);
        }
        regional.push_back(NeueLiga(liga(2), "RL Nord", "RLN", n, groesseNord, vergeben));
        regional.push_back(NeueLiga(liga(5), "RL S\xFC" "d", "RLS", s, groesseSued, vergeben));
    } else {
        // Back to four: the leagues kept since 2000 take their clubs again,
        // the north and south leagues theirs, then each fills up from the rest
        // league with clubs of its region first.
        const CLiga* nordLiga = liga(2);
        const CLiga* suedLiga = liga(3);
        const CLiga* altB = ligen.size() > 5 && ligen[5]->Size() > 0 ? liga(5) : nullptr;
        const CLiga* altC = ligen.size() > 6 && ligen[6]->Size() > 0 ? liga(6) : nullptr;
        const std::array<int, 4> groesse = {nordLiga->Size(), altB ? altB->Size() : nordLiga->Size(),
                                            altC ? altC->Size() : suedLiga->Size(), suedLiga->Size()};
        std::array<std::vector<int>, 4> r;
        if (altB) Auffuellen(r[1], groesse[1], Vereine(*altB), vergeben, alle);
        if (altC) Auffuellen(r[2], groesse[2], Vereine(*altC), vergeben, alle);
        Auffuellen(r[0], groesse[0], Vereine(*nordLiga), vergeben, alle);
        Auffuellen(r[3], groesse[3], Vereine(*suedLiga), vergeben, alle);
        std::vector<int> frei = rest;
        for (int nr = 1; nr <= int(land.VereinsListe().size()); ++nr) frei.push_back(nr);
        for (size_t i = 0; i < 4; ++i) Auffuellen(r[i], groesse[i], frei, vergeben, i < 2 ? nord : sued);
        for (size_t i = 0; i < 4; ++i) Auffuellen(r[i], groesse[i], frei, vergeben, alle);
        regional.push_back(NeueLiga(nordLiga, nullptr, nullptr, r[0], groesse[0], vergeben));
        regional.push_back(NeueLiga(altB, "RL Nord-Ost", "RLNO", r[1], groesse[1], vergeben));
        regional.push_back(NeueLiga(altC, "RL West-SW", "RLWS", r[2], groesse[2], vergeben));
        regional.push_back(NeueLiga(suedLiga, nullptr, nullptr, r[3], groesse[3], vergeben));
    }

    // Every club of the country in no playing league forms the rest league,
    // in ascending order as the reader builds it.
    auto restLiga = std::move(ligen[restPos]);
    const std::vector<int> warRest = Vereine(*restLiga);
    int n = 0;
    for (const auto& v : land.VereinsListe()) {
        const int nr = v->VereinsNummer();
        if (!vergeben.count(nr) && n < kMaxLigaGroesse) restLiga->ClubNumber(n++, nr);
    }
    restLiga->Size(n);
    // Clubs that change between a league and the rest list carry the mark of
    // where they are; flags of last season's placing go with a lost place.
    for (auto& v : land.VereinsListe()) {
        const int nr = v->VereinsNummer();
        const bool warFrei = std::find(warRest.begin(), warRest.end(), nr) != warRest.end();
        const bool frei = !vergeben.count(nr);
        if (frei && !warFrei) v->Status((v->Status() & ~0x1F) | 16);
        if (!frei && warFrei) v->Status(v->Status() & ~16);
    }

    std::vector<std::unique_ptr<CLiga>> neu;
    neu.push_back(std::move(ligen[0]));
    neu.push_back(std::move(ligen[1]));
    if (abZweitausend) {
        // The second and third regional leagues stay as they were, kept for a
        // return to four regional leagues; they play no part from 2000 on.
        neu.push_back(std::move(regional[0]));
        neu.push_back(std::move(regional[1]));
        neu.push_back(std::move(restLiga));
        neu.push_back(std::move(ligen[3]));
        neu.push_back(std::move(ligen[4]));
    } else {
        for (auto& r : regional) neu.push_back(std::move(r));
        neu.push_back(std::move(restLiga));
    }
    ligen = std::move(neu);

    App().LigaAnzahl[0] = abZweitausend ? 4 : 6;
    // League sizes by league file: from 2000 on the two kept leagues stand
    // behind the rest league but keep the last two files.
    for (size_t i = 0, datei = 0; i < ligen.size() && datei < size_t(kLeagueSizeSlots); ++i) {
        if (abZweitausend && i == 4) continue;
        if (!abZweitausend && i == 6) break;
        App().leagueSizes[0][datei++] = ligen[i]->Size();
    }
    land.LeagueCount(kMaxLigen);
}

// ---------------------------------------------------------------- ages

namespace {

// Age at the season start Y: Y minus the birth year, one less for a birthday
// after June. A person outside lo..hi gets the birth year that makes him lo
// (hi); day and month stay.
template <class Person>
void StaffAlter(Person& p, int y, bool alterSetzen) {
    CDatum d = p.GeburtsDatum();
    const int spaeter = d.month > 6 ? 1 : 0;
    const int alter = y - d.year - spaeter;
    int jahrNeu = d.year;
    if (alter < kPraesidentMinAlter) jahrNeu = y - kPraesidentMinAlter - spaeter;
    if (alter > kPraesidentMaxAlter) jahrNeu = y - kPraesidentMaxAlter - spaeter;
    if (jahrNeu != d.year && d.Init(d.day, d.month, jahrNeu, 0, 0, 0) >= 0.0) p.GeburtsDatum(d);
    if constexpr (requires { p.Alter(0); })
        if (alterSetzen) p.Alter(std::max(0, y - p.GeburtsDatum().year - spaeter));
}

constexpr int kSpielerMinAlter = 17;
constexpr int kSpielerMaxAlter = 50;

void SpielerAlter(CSpieler& s, int y) {
    const CDatum& d = s.GeburtsDatum();
    const int spaeter = d.month > 6 ? 1 : 0;
    const int alter = y - d.year - spaeter;
    if (alter < kSpielerMinAlter) s.GeburtsDatum(d.day, d.month, y - kSpielerMinAlter - spaeter);
    else if (alter > kSpielerMaxAlter) s.GeburtsDatum(d.day, d.month, y - kSpielerMaxAlter - spaeter);
    else s.Alter();
}

}  // namespace

void AlterAnpassen() {
    const int y = App().Saisonstartjahr;
    DataSet& daten = Daten();
    for (auto& land : daten.AlleLaender) {
        if (!land) continue;
        for (auto& p : land->Coaches()) StaffAlter(*p, y, true);
        for (auto& p : land->GoalkeeperCoaches()) StaffAlter(*p, y, true);
        for (auto& p : land->Managers()) StaffAlter(*p, y, true);
        StaffAlter(land->NationalCoach(), y, true);
        StaffAlter(land->VerbandsPraesident(), y, false);
        for (auto& v : land->VereinsListe()) {
            CTrainerUndCo trainer = v->Trainer();
            StaffAlter(trainer, y, true);
            v->Trainer(trainer);
            CManager manager = v->Manager();
            StaffAlter(manager, y, true);
            v->Manager(manager);
            for (auto& s : v->SpielerListe()) SpielerAlter(*s, y);
        }
    }
    for (auto& s : daten.ExSpielerListe) SpielerAlter(*s, y);
    for (auto& s : daten.SonstigeSpielerListe) SpielerAlter(*s, y);
}

}  // namespace v3
