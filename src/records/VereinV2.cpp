// The import of the predecessor's clubs: club, squad, stadium and amateur
// clubs (layouts in docs/predecessor-format.md).
#include <array>

#include "base/AppState.h"
#include "records/AVerein.h"
#include "records/AmateurVerein.h"
#include "records/PersonDates.h"
#include "records/Stadion.h"
#include "records/V2LineReader.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// The squad a scratch club gets before it takes a predecessor club.
constexpr int kStandardKader = 24;

bool ValidKit(const TRIKOTSATZ& k) {
    auto colour = [](int32_t c) { return c >= 0 && c <= kMaxTrikotFarbe; };
    return colour(k.TrikotFarbe) && colour(k.HosenFarbe) && colour(k.StutzenFarbe) && colour(k.StreifenFarbe) &&
           k.Streifen >= 0 && k.Streifen <= kMaxStreifen && (k.Ringelsocken == 0 || k.Ringelsocken == 1);
}

}  // namespace

void CVerein::LadenV3Convert() {
    Kader kader;
    for (int i = 0; i < kStandardKader; ++i) kader.push_back(std::make_unique<CSpieler>());
    ReplaceSquad(std::move(kader));
}

void CVerein::ConvertAVerein(const CAVerein& a) {
    const int jahr = App().Saisonstartjahr;
    Name(V2Text(a.name, 19));
    Kuerzel(V2Text(a.kuerzel, 3));
    Anfeuerung(V2Text(a.anfeuerung, 49));
    Fanbezeichnung(V2Text(a.fanbezeichnung, 49));
    Artikel(a.artikel);
    SatzBau(a.satzBau);

    w_.trainer.Nachname(a.trainerNachname);
    w_.trainer.Vorname(a.trainerVorname);
    w_.trainer.GeburtsDatum(a.trainerGeburtsDatum);
    w_.trainer.Alter(AgeInSeason(a.trainerGeburtsDatum, jahr));
    w_.trainer.Kompetenz(a.trainerKompetenz);
    w_.trainer.Ruf(a.trainerRuf);
    w_.manager.Nachname(a.managerNachname);
    w_.manager.Vorname(a.managerVorname);
    w_.manager.GeburtsDatum(a.managerGeburtsDatum);
    w_.manager.Alter(AgeInSeason(a.managerGeburtsDatum, jahr));
    w_.manager.Kompetenz(a.managerKompetenz);

    for (int set = 0; set < (a.hatAuswaertsTrikot ? 2 : 1); ++set) {
        TRIKOTSATZ kit = a.kits[size_t(set)];
        if (!ValidKit(kit)) continue;
        // As the club reader does, so that the set reads back as it is kept.
        RepairHoopedSocks(kit);
        TrikotSatz(set, kit);
    }
    Guthaben(a.guthaben);
    Fanaufkommen(a.fanaufkommen);
    MaxFanAufkommen(a.maxFanAufkommen);
    FanArt(a.fanArt);
    FanFreundschaft(a.fanFreundschaft);
    ErzRivale(a.erzRivale);
    Vorstand(a.vorstand);
    FinanzKraft(a.finanzKraft);
    Hooligans(a.hooligans);
    Opposition(a.opposition);
    Medienstadt(a.medienstadt);
    XKoord(a.xKoord);
    YKoord(a.yKoord);
    Praesidentname(V2Text(a.praesidentname, 28));
    PraesidentVorname(V2Text(a.praesidentVorname, 28));
    PraesidentDatum(a.praesidentDatum);
    GruendungsDatum(a.gruendungsDatum);
    MeisterTitel(a.meisterTitel);
    PokalSiege(a.pokalSiege);
    UEFASiege(a.uefaSiege);
    WeltpokalSiege(a.weltpokalSiege);
    if (a.hatNeueTitel) {
        LigapokalSiege(a.ligapokalSiege);
        ChampionsLeagueSiege(a.championsLeagueSiege);
    }
    ErzielteTore(a.erzielteTore);
    KassierteTore(a.kassierteTore);
    Spiele(a.spiele);
    Punkte(a.punkte);
}

bool CVerein::MergeV2Daten(CV3File& file, int land, int liga) {
    CAVerein alt;
    if (!alt.Laden(file)) return false;
    // The predecessor's players take the places of ours in squad order, each
    // keeping what only this program knows of him; further players are new,
    // and players beyond the predecessor's squad leave it. Built aside, so a
    // damaged record leaves the squad as it was.
    Kader kader;
    std::vector<CSpieler*> neue;
    for (int i = 0; i < alt.spielerAnzahl; ++i) {
        const bool vorhanden = size_t(i) < spielerListe_.size() && spielerListe_[size_t(i)];
        auto spieler = vorhanden ? std::make_unique<CSpieler>(*spielerListe_[size_t(i)]) : std::make_unique<CSpieler>();
        if (!spieler->MergeV2Daten(file)) return false;
        if (!vorhanden) {
            spieler->RandBartHaarTyp();
            spieler->RueckenNummer(0);
            neue.push_back(spieler.get());
        }
        kader.push_back(std::move(spieler));
    }
    ConvertAVerein(alt);
    ReplaceSquad(std::move(kader));
    for (CSpieler* spieler : neue) spieler->RueckenNummer(SucheFreieRueckenNummer());
    LandNr(land);
    Liga(liga);
    return true;
}

bool CStadion::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    std::string name = r.Str(), ort = r.Str();
    // Per stand: standing places, seats, boxes, roof.
    std::array<std::array<int32_t, 4>, kTribuenen> staende{};
    for (auto& stand : staende)
        for (int32_t& v : stand) r.Int(v);
    const int32_t tafel = r.Int(), heizung = r.Int(), licht = r.Int();
    if (!r.Ok()) return false;
    Name(V2Text(name, 28));
    Ort(V2Text(ort, 20));
    for (int s = 0; s < kTribuenen; ++s) {
        Stehplaetze(s, staende[size_t(s)][0]);
        Sitzplaetze(s, staende[size_t(s)][1]);
        Logen(s, staende[size_t(s)][2]);
        Dach(s, staende[size_t(s)][3]);
    }
    Anzeigetafel(tafel);
    Rasenheizung(heizung);
    Flutlicht(licht);
    return true;
}

bool CAmateurVerein::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    std::string name;
    if (!r.Str(name)) return false;
    Name(name);
    return true;
}

}  // namespace v3
