#include "PredecessorWriter.h"

#include "records/Datum.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/FanChant.h"
#include "records/ISchiri.h"
#include "records/Kritiker.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Promi.h"
#include "records/Reporter.h"
#include "records/Spieler.h"
#include "records/Sponsor.h"
#include "records/Stadion.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/UEFA.h"
#include "records/V2LineReader.h"
#include "records/Verein.h"

namespace v3::demo {

V2Writer::V2Writer(const std::string& pfad, bool neueVariante, bool mitKopfzeile) : neu_(neueVariante) {
    ok_ = file_.Open(pfad, CV3File::modeWrite | CV3File::modeCreate) != 0;
    if (neu_)
        Int(kV2FileID);
    else if (mitKopfzeile)
        Int(0);
}

bool V2Writer::Close() {
    if (!file_.IsOpen()) return false;
    return file_.Close() && ok_;
}

void V2Writer::Int(int32_t v) { Str(std::to_string(v)); }

void V2Writer::Str(const std::string& text) {
    if (ok_) ok_ = file_.WriteLineQuiet(text);
}

void V2Writer::Datum(const CDatum& date) { Str(date.Text()); }

void V2Writer::Spieler(const CSpieler& s) {
    Str(s.Nachname());
    Str(s.Vorname());
    if (neu_) Str(s.Kuenstlername());
    Int(s.Nationalitaet());
    if (neu_) Int(s.Nationalitaet2());
    Datum(s.GeburtsDatum());
    Int(s.Hauptposition());
    Int(s.Nebenposition1());
    Int(s.Nebenposition2());
    Int(s.Staerke());
    Int(neu_ ? s.Fuss() : s.Fuss() - 1);
    Int(int32_t(s.FaehigkeitPlus()));
    Int(int32_t(s.FaehigkeitMinus()));
    Int(s.Eigenschaft());
    Int(s.Charakter());
    Int(s.Verletzung());
    Int(s.Publikum());
    Int(s.Hautfarbe());
    Int(s.Haarfarbe());
    Int(s.NationalSpieler() & (CSpieler::kNationalspieler | CSpieler::kNationalZurueckgetreten));
}

void V2Writer::ExSpieler(const CExSpieler& s) {
    Spieler(s);
    Int(s.LetzterVereinNation());
    Int(s.LetzterVerein());
}

void V2Writer::Verein(const CVerein& v) {
    Str(v.Name());
    Str(v.Kuerzel());
    Str(v.Anfeuerung());
    Str(v.Fanbezeichnung());
    Int(v.Artikel());
    Int(v.SatzBau());
    const CTrainerUndCo t = v.Trainer();
    Str(t.Nachname());
    Str(t.Vorname());
    Datum(t.GeburtsDatum());
    Int(t.Kompetenz());
    Int(t.Ruf());
    const CManager m = v.Manager();
    Str(m.Nachname());
    Str(m.Vorname());
    Datum(m.GeburtsDatum());
    Int(m.Kompetenz());
    for (int set = 0; set < (neu_ ? 2 : 1); ++set) {
        const TRIKOTSATZ& k = v.TrikotSatz(set);
        for (int32_t x : {k.TrikotFarbe, k.HosenFarbe, k.StutzenFarbe, k.Streifen, k.StreifenFarbe, k.Ringelsocken})
            Int(x);
    }
    for (int32_t x : {v.Guthaben(), v.Fanaufkommen(), v.MaxFanAufkommen(), v.FanArt(), v.FanFreundschaft(),
                      v.ErzRivale(), v.Vorstand(), v.FinanzKraft(), v.Hooligans(), v.Opposition(), v.Medienstadt(),
                      v.XKoord(), v.YKoord()})
        Int(x);
    Str(v.Praesidentname());
    Str(v.PraesidentVorname());
    Datum(v.PraesidentDatum());
    Datum(v.GruendungsDatum());
    for (int32_t x : {v.MeisterTitel(), v.PokalSiege(), v.UEFASiege(), v.WeltpokalSiege()}) Int(x);
    if (neu_) {
        Int(v.LigapokalSiege());
        Int(v.ChampionsLeagueSiege());
    }
    for (int32_t x : {v.ErzielteTore(), v.KassierteTore(), v.Spiele(), v.Punkte()}) Int(x);
    Int(int32_t(v.SpielerListe().size()));
    for (const auto& s : v.SpielerListe()) Spieler(*s);
}

void V2Writer::Stadion(const CStadion& s) {
    Str(s.Name());
    Str(s.Ort());
    for (int t = 0; t < CStadion::kTribuenen; ++t) {
        Int(s.Stehplaetze(t));
        Int(s.Sitzplaetze(t));
        Int(s.Logen(t));
        Int(s.Dach(t));
    }
    Int(s.Anzeigetafel());
    Int(s.Rasenheizung());
    Int(s.Flutlicht());
}

void V2Writer::Trainer(const CTrainerUndCo& t) {
    Str(t.Nachname());
    Str(t.Vorname());
    Datum(t.GeburtsDatum());
    Int(t.Kompetenz());
    Int(t.Ruf());
}

void V2Writer::TWTrainer(const CTWTrainer& t) {
    Str(t.Nachname());
    Str(t.Vorname());
    Datum(t.GeburtsDatum());
    Int(t.Kompetenz());
}

void V2Writer::Manager(const CManager& m) {
    Str(m.Nachname());
    Str(m.Vorname());
    Datum(m.GeburtsDatum());
    Int(m.Kompetenz());
}

void V2Writer::Schiri(const CNSchiri& s) {
    Str(s.Nachname());
    Str(s.Vorname());
    Int(s.Kompetenz());
    Int(s.Haerte());
    Int(s.SchiriVerein());
    if (neu_) Int(s.SchiriEigenschaften());
}

void V2Writer::Sponsor(const CSponsor& s) {
    Str(s.Name());
    Int(int32_t(s.SponsorWert()));
    Int(s.Unternehmensgroesse());
}

void V2Writer::Promi(const CPromi& p) {
    Str(p.Nachname());
    Str(p.Vorname());
    Int(p.Lieblingsverein());
}

void V2Writer::Reporter(const CReporter& r) {
    Str(r.Sender());
    Str(r.Nachname());
    Str(r.Vorname());
    Int(r.Einstellung());
}

void V2Writer::Kritiker(const CKritiker& k) {
    Str(k.Nachname());
    Str(k.Vorname());
}

void V2Writer::ISchiri(const CISchiri& s) {
    Str(s.Nachname());
    Str(s.Vorname());
    Int(s.Kompetenz());
    Int(s.Haerte());
    Int(s.Nation());
    if (neu_) Int(s.SchiriEigenschaften());
}

void V2Writer::UEFA(const CUEFA& u) {
    for (int p = 0; p < CUEFA::kPlaetze; ++p) {
        Int(u.Nation(p));
        for (int s = 1; s < CUEFA::kSaisons; ++s) Int(u.Points(p, s));
    }
    for (int i = 0; i < CUEFA::kKurznamen; ++i) Str(u.ShortName(i));
}

void V2Writer::EuroWM(const CEuroWM& e) {
    Int(e.Year());
    Int(e.Kind());
    Int(e.Nation());
}

void V2Writer::Gesang(const FanChant& c) {
    Str(c.Text());
    if (neu_) Str(c.SpielerName());
    Int(c.Land());
    Int(c.Verein());
    Int(c.Gegner());
    Int(c.Art());
    Int(c.Haeufigkeit());
}

}  // namespace v3::demo
