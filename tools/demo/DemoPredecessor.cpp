#include "DemoPredecessor.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "DemoNames.h"
#include "DemoPictures.h"
#include "PredecessorWriter.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/FileOps.h"
#include "records/AmateurJugendSpieler.h"
#include "records/AmateurVerein.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/ISchiri.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/Stadion.h"
#include "records/UEFA.h"
#include "records/Verein.h"

namespace v3::demo {
namespace {

constexpr int kLaender = 5;
constexpr std::array<const char*, kLaender> kSuffix = {"Deut", "Engl", "Fran", "Ital", "Span"};
constexpr std::array<char, kLaender> kWappenbuchstabe = {'D', 'E', 'F', 'I', 'S'};
// The predecessor's club counts: four clubs more than ours in the first
// country, fewer in the others.
constexpr std::array<int, kLaender> kVereine = {112, 92, 40, 36, 40};
struct Liga {
    const char* datei;
    int groesse;
};
const std::array<std::vector<Liga>, kLaender> kLigen = {{
    {{"Liga1Deu.sav", 18}, {"Liga2Deu.sav", 18}, {"LigaRLNo.sav", 18}, {"LigaRLOs.sav", 18}, {"LigaRLSW.sav", 18},
     {"LigaRLSu.sav", 18}},
    {{"Liga1Eng.sav", 20}, {"Liga2Eng.sav", 24}, {"Liga3Eng.sav", 24}},
    {{"Liga1Fra.sav", 20}, {"Liga2Fra.sav", 20}},
    {{"Liga1Ita.sav", 18}},
    {{"Liga1Spa.sav", 20}},
}};
struct Pools {
    int jugend, trainer, twTrainer, manager, schiris, sponsoren, promis;
};
constexpr std::array<Pools, kLaender> kPools = {{
    {1000, 40, 20, 40, 40, 40, 20},
    {800, 40, 20, 40, 40, 40, 20},
    {600, 40, 20, 40, 40, 40, 20},
    {400, 20, 20, 20, 40, 40, 20},
    {500, 20, 20, 20, 40, 40, 20},
}};
constexpr int kAmateurVereine = 40;
constexpr int kISchiris = 40;
constexpr int kStartjahr = 1999;

std::string Pfad(const std::string& datei) { return DatenPfad(kDirDataVer, datei); }

// Up to three initials of a club name (letters A..Z of its words).
std::string Initialen(const std::string& name) {
    std::string s;
    bool wortAnfang = true;
    for (char c : name) {
        if (c == ' ' || c == '-' || c == '.') {
            wortAnfang = true;
            continue;
        }
        if (wortAnfang && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && s.size() < 3)
            s += char(c >= 'a' ? c - 32 : c);
        wortAnfang = false;
    }
    return s;
}

class Generator {
public:
    Generator(const std::filesystem::path& dir, uint32_t seed)
        : dir_(dir), seed_(seed), random_(seed * 2654435761u + 1999u), names_(random_) {}
    bool Run(std::string& fehler);

private:
    int Rand(int k) { return random_.Rand() % k; }
    bool Chance(int prozent) { return Rand(100) < prozent; }
    bool Schliesse(V2Writer& w, const std::string& datei, std::string& fehler) {
        if (w.Close()) return true;
        fehler = "Die Datei " + datei + " der Vorg\xC3\xA4ngerdaten konnte nicht geschrieben werden.";
        return false;
    }
    template <class T>
    void NeuePerson(T& p, int land) {
        p.Nachname(names_.LastName(land));
        p.Vorname(names_.FirstName(land));
    }
    std::unique_ptr<CSpieler> NeuerSpieler(int land, int position);
    CVerein VorgaengerVerein(const CVerein* unserer, int land, int nummer);
    bool Land(int land, std::string& fehler);
    bool Kleinig(std::string& fehler);
    bool Listen(std::string& fehler);
    bool Wappen(std::string& fehler);

    std::filesystem::path dir_;
    uint32_t seed_;
    StdRandom random_;
    DemoNames names_;
    // Kit colours and name of each predecessor club, for its crest.
    struct WappenInfo {
        int land, nummer, farbe1, farbe2;
        std::string name;
    };
    std::vector<WappenInfo> wappen_;
};

std::unique_ptr<CSpieler> Generator::NeuerSpieler(int land, int position) {
    auto s = std::make_unique<CSpieler>();
    NeuePerson(*s, land);
    s->Hauptposition(position);
    return s;
}

CVerein Generator::VorgaengerVerein(const CVerein* unserer, int land, int nummer) {
    if (unserer) {
        // The same club a season earlier.
        CVerein v(*unserer);
        if (Chance(12)) {
            const ClubName c = names_.Club(land);
            v.Name(c.name);
            v.Kuerzel(c.shortCode);
        }
        v.Guthaben(v.Guthaben() - Rand(400));
        v.MeisterTitel(std::max(0, v.MeisterTitel() - Rand(2)));
        v.PokalSiege(std::max(0, v.PokalSiege() - Rand(2)));
        v.Spiele(std::max(0, v.Spiele() - 34));
        if (Chance(40)) {
            CTrainerUndCo t = v.Trainer();
            NeuePerson(t, land);
            v.Trainer(t);
        }
        CVerein::Kader kader;
        for (const auto& s : v.SpielerListe()) {
            if (Chance(12)) continue;  // joined us later
            auto p = std::make_unique<CSpieler>(*s);
            p->Staerke(std::max(1, p->Staerke() - Rand(2)));
            kader.push_back(std::move(p));
        }
        for (int i = Rand(3); i > 0 && kader.size() < size_t(CVerein::kMaxSpieler); --i)
            kader.push_back(NeuerSpieler(land, 1 + Rand(10)));  // has left us since
        v.SpielerListe(std::move(kader));
        if (!v.Stadion()) v.Stadion(std::make_unique<CStadion>());
        if (CStadion* st = v.Stadion())
            for (int t = 0; t < CStadion::kTribuenen; ++t) st->Sitzplaetze(t, st->Sitzplaetze(t) * 9 / 10);
        return v;
    }
    // A club that is not ours any more.
    CVerein v(nummer);
    const ClubName c = names_.Club(land);
    v.Name(c.name);
    v.Kuerzel(c.shortCode);
    v.Fanbezeichnung(names_.FanGroup(land, c));
    v.Anfeuerung("Vorw\xE4rts " + c.shortCode + "!");
    v.Praesidentname(names_.LastName(land));
    v.PraesidentVorname(names_.FirstName(land));
    CTrainerUndCo t = v.Trainer();
    NeuePerson(t, land);
    v.Trainer(t);
    CManager m = v.Manager();
    NeuePerson(m, land);
    v.Manager(m);
    TRIKOTSATZ kit;
    kit.TrikotFarbe = Rand(13);
    kit.HosenFarbe = Rand(13);
    kit.StutzenFarbe = kit.HosenFarbe;
    v.TrikotSatz(0, kit);
    v.TrikotSatz(1, kit);
    auto stadion = std::make_unique<CStadion>();
    stadion->Name(names_.Stadium(land, c.town).substr(0, 28));
    stadion->Ort(c.town.size() >= 2 ? c.town : "Ort");
    v.Stadion(std::move(stadion));
    static constexpr std::array<int, 22> kPositionen = {1, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6,
                                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 10, 10};
    CVerein::Kader kader;
    for (int position : kPositionen) kader.push_back(NeuerSpieler(land, position));
    v.SpielerListe(std::move(kader));
    return v;
}

bool Generator::Land(int land, std::string& fehler) {
    AppState& app = App();
    app.AktuellesLand = land;
    const CLand& l = *Daten().AlleLaender[size_t(land)];
    const bool neu = land < 3;
    const std::string suffix = kSuffix[size_t(land)];
    const int n = kVereine[size_t(land)];

    V2Writer lw(Pfad("Land" + suffix + ".sav"), neu, true);
    V2Writer sw(Pfad("Stad" + suffix + ".sav"), neu);
    lw.Int(int(kLigen[size_t(land)].size()));
    lw.Int(n);
    for (int i = 0; i < 3; ++i) lw.Int(0);
    for (int k = 1; k <= n; ++k) {
        const CVerein* unserer = l.VereinMitNummer(k);
        CVerein v = VorgaengerVerein(unserer, land, k);
        lw.Verein(v);
        sw.Stadion(*v.Stadion());
        const TRIKOTSATZ& kit = v.TrikotSatz(0);
        wappen_.push_back({land, k, kit.TrikotFarbe, kit.Streifen != 0 ? kit.StreifenFarbe : kit.HosenFarbe, v.Name()});
    }
    for (int i = 0; i < kAmateurVereine; ++i) {
        const auto& a = l.AmateurVereine();
        if (size_t(i) < a.size() && !Chance(20))
            lw.Str(a[size_t(i)]->Name());
        else
            lw.Str("SC " + names_.Town(land));
    }
    CTrainerUndCo nt = l.NationalCoach();
    if (Chance(50)) NeuePerson(nt, land);
    lw.Str(nt.Nachname());
    lw.Str(nt.Vorname());
    lw.Int(std::max(1, nt.Kompetenz() - 1));
    lw.Int(nt.Ruf());
    lw.Int(std::max(0, nt.Alter() - 1));
    if (!Schliesse(lw, "Land" + suffix + ".sav", fehler) || !Schliesse(sw, "Stad" + suffix + ".sav", fehler))
        return false;

    int erster = 1;
    for (const Liga& liga : kLigen[size_t(land)]) {
        V2Writer w(Pfad(liga.datei), neu);
        w.Int(liga.groesse);
        for (int i = 0; i < liga.groesse; ++i) w.Int(erster + i);
        erster += liga.groesse;
        if (!Schliesse(w, liga.datei, fehler)) return false;
    }

    const Pools& p = kPools[size_t(land)];
    V2Writer jw(Pfad("Juge" + suffix + ".sav"), neu, true);
    for (int i = 0; i < p.jugend; ++i) {
        const auto& j = l.YouthPlayers();
        if (size_t(i) < j.size() && !Chance(20)) {
            jw.Str(j[size_t(i)]->Vorname());
            jw.Str(j[size_t(i)]->Nachname());
        } else {
            jw.Str(names_.FirstName(land));
            jw.Str(names_.LastName(land));
        }
    }
    if (!Schliesse(jw, "Juge" + suffix + ".sav", fehler)) return false;

    // Each pool: our records, some of them other persons then.
    auto pool = [&](const char* praefix, const auto& liste, int anzahl, auto&& schreibe) {
        V2Writer w(Pfad(praefix + suffix + ".sav"), neu);
        for (int i = 0; i < anzahl; ++i) {
            using T = std::decay_t<decltype(*liste.front())>;
            T r = size_t(i) < liste.size() ? *liste[size_t(i)] : T();
            if (size_t(i) >= liste.size()) {
                // More than we keep: a person of the country (never a placeholder name).
                if constexpr (requires { r.Vorname(std::string()); })
                    NeuePerson(r, land);
                else
                    r.Name(names_.Company(land));
            }
            schreibe(w, r);
        }
        return Schliesse(w, praefix + suffix + ".sav", fehler);
    };
    return pool("Trai", l.Coaches(), p.trainer,
                [&](V2Writer& w, CTrainerUndCo& t) {
                    if (Chance(30)) NeuePerson(t, land);
                    w.Trainer(t);
                }) &&
           pool("TTra", l.GoalkeeperCoaches(), p.twTrainer,
                [&](V2Writer& w, CTWTrainer& t) {
                    if (Chance(30)) NeuePerson(t, land);
                    w.TWTrainer(t);
                }) &&
           pool("Mana", l.Managers(), p.manager,
                [&](V2Writer& w, CManager& m) {
                    if (Chance(30)) NeuePerson(m, land);
                    w.Manager(m);
                }) &&
           pool("NSch", l.Referees(), p.schiris,
                [&](V2Writer& w, CNSchiri& s) {
                    if (Chance(30)) NeuePerson(s, land);
                    w.Schiri(s);
                }) &&
           pool("Spon", l.Sponsors(), p.sponsoren,
                [&](V2Writer& w, CSponsor& s) {
                    if (Chance(20)) s.Name(names_.Company(land));
                    s.SponsorWert(s.SponsorWert() * 9 / 10);
                    w.Sponsor(s);
                }) &&
           pool("Prom", l.Celebrities(), p.promis, [&](V2Writer& w, CPromi& c) {
               if (Chance(30)) NeuePerson(c, land);
               w.Promi(c);
           });
}

bool Generator::Kleinig(std::string& fehler) {
    DataSet& d = Daten();
    V2Writer w(Pfad(kKleinigDatei), true);
    w.UEFA(d.uefa ? *d.uefa : CUEFA());
    for (int land = 0; land < kLaender; ++land) {
        const CLand& l = *d.AlleLaender[size_t(land)];
        const CountryCounts& counts = App().countryCounts[size_t(land)];
        for (int i = 0; i < counts.reporters; ++i) {
            const bool da = size_t(i) < l.Reporters().size();
            CReporter r = da ? *l.Reporters()[size_t(i)] : CReporter();
            if (!da) r.Sender(names_.Broadcaster(land));
            if (!da || Chance(50)) NeuePerson(r, land);
            w.Reporter(r);
        }
        for (int i = 0; i < counts.critics; ++i) {
            const bool da = size_t(i) < l.Critics().size();
            CKritiker k = da ? *l.Critics()[size_t(i)] : CKritiker();
            if (!da || Chance(50)) NeuePerson(k, land);
            w.Kritiker(k);
        }
    }
    w.Int(kStartjahr);
    w.Int(d.kleinigkeiten ? d.kleinigkeiten->TaxRate() : 16);
    w.Int(int(d.EMWMListe.size()));
    for (const auto& e : d.EMWMListe) w.EuroWM(*e);
    return Schliesse(w, kKleinigDatei, fehler);
}

bool Generator::Listen(std::string& fehler) {
    DataSet& d = Daten();
    AppState& app = App();
    {
        V2Writer w(Pfad(kISchirisDatei), false);
        for (int i = 0; i < kISchiris; ++i) {
            const bool da = size_t(i) < d.ISchiriListe.size();
            CISchiri s = da ? *d.ISchiriListe[size_t(i)] : CISchiri();
            if (!da) NeuePerson(s, i % kLaender);
            s.Kompetenz(std::max(0, s.Kompetenz() - Rand(2)));
            w.ISchiri(s);
        }
        if (!Schliesse(w, kISchirisDatei, fehler)) return false;
    }
    {
        // Every second of our former players, and players who ended their
        // careers before our data begins.
        std::vector<std::unique_ptr<CExSpieler>> liste;
        for (size_t i = 0; i < d.ExSpielerListe.size(); i += 2)
            liste.push_back(std::make_unique<CExSpieler>(*d.ExSpielerListe[i]));
        for (int i = 0; i < 24; ++i) {
            const int land = i % kLaender;
            app.AktuellesLand = land;
            auto p = std::make_unique<CExSpieler>();
            NeuePerson(*p, land);
            p->Staerke(1 + Rand(12));
            p->Hauptposition(1 + Rand(10));
            p->LetzterVereinNation(app.NationNummer[size_t(land)]);
            // One of them names a club beyond the first country's clubs.
            p->LetzterVerein(i == 0 ? 120 : 1 + Rand(std::max(1, kVereine[size_t(land)])));
            liste.push_back(std::move(p));
        }
        V2Writer w(Pfad(kExSpielDatei), true);
        w.Int(int(liste.size()));
        for (const auto& p : liste) w.ExSpieler(*p);
        if (!Schliesse(w, kExSpielDatei, fehler)) return false;
    }
    {
        std::vector<CFangesang> liste;
        for (size_t i = 0; i < d.FangesangListe.size(); i += 2) liste.push_back(*d.FangesangListe[i]);
        for (int i = 0; i < 10; ++i) {
            const int land = i % kLaender;
            const CLand& l = *d.AlleLaender[size_t(land)];
            if (l.VereinsListe().empty()) continue;
            const CVerein& v = *l.VereinsListe()[size_t(Rand(int(l.VereinsListe().size())))];
            CFangesang c;
            c.Text("Ole, ole, " + v.Name() + "!");
            c.Land(app.NationNummer[size_t(land)]);
            c.Verein(v.VereinsNummer());
            c.Art(ArtJubel);
            c.Haeufigkeit(1);
            liste.push_back(c);
        }
        V2Writer w(Pfad(kFangesaDatei), true);
        w.Int(int(liste.size()));
        for (const auto& c : liste) w.Gesang(c);
        if (!Schliesse(w, kFangesaDatei, fehler)) return false;
    }
    V2Writer w(Pfad(kFanwavesDatei), false);
    w.Int(int(d.EigeneFangesangListe.size()));
    for (const auto& c : d.EigeneFangesangListe) w.Gesang(*c);
    return Schliesse(w, kFanwavesDatei, fehler);
}

bool Generator::Wappen(std::string& fehler) {
    const std::filesystem::path ordner = dir_ / "DATA.VER" / "WAPPEN";
    if (!CreateFolders(ordner, &fehler)) return false;
    for (const WappenInfo& w : wappen_) {
        // A design of its own, so that a copied crest shows.
        const uint32_t s = seed_ * 104729u + uint32_t(w.land) * 7919u + uint32_t(w.nummer) + 17u;
        const std::string bild = MakeCrest(s, w.farbe1, w.farbe2, Initialen(w.name));
        const std::string name = "VW_" + std::string(1, kWappenbuchstabe[size_t(w.land)]) + std::to_string(w.nummer) + ".BMP";
        if (bild.empty() || !WriteWholeFile(ordner / name, bild, &fehler)) return false;
    }
    const std::array<std::pair<const char*, int>, 2> allgemein = {{{"I0_00.BMP", 3}, {"S0_00.BMP", 4}}};
    for (auto [name, land] : allgemein) {
        const std::string bild = MakeCrest(seed_ + uint32_t(land), 0, 11, std::string(1, kWappenbuchstabe[size_t(land)]));
        if (bild.empty() || !WriteWholeFile(ordner / name, bild, &fehler)) return false;
    }
    return true;
}

bool Generator::Run(std::string& fehler) {
    CEDITORDoc doc;
    doc.ClearBonusLandGlobals();
    if (!doc.LadenV3Localized() || Daten().AlleLaender.size() < size_t(kLaender)) {
        fehler = "Der Datensatz in " + dir_.string() + " konnte nicht geladen werden.";
        return false;
    }
    if (!CreateFolders(dir_ / "DATA.VER", &fehler)) return false;
    for (int land = 0; land < kLaender; ++land)
        if (!Land(land, fehler)) return false;
    return Kleinig(fehler) && Listen(fehler) && Wappen(fehler);
}

}  // namespace

bool WriteDemoPredecessor(const std::filesystem::path& dir, uint32_t seed, std::string* error) {
    // The records' own construction draws come from a source of the seed too.
    StdRandom rng(seed ^ 0x9E3779B9u);
    ScopedAppState state;
    state->installDir = dir;
    state->SetRandom(&rng);
    Generator g(dir, seed);
    std::string fehler;
    const bool ok = g.Run(fehler);
    if (!ok && error) *error = fehler;
    return ok;
}

}  // namespace v3::demo
