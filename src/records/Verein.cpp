#include "records/Verein.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueRange.h"
#include "records/ValueReader.h"

namespace v3 {

namespace {

// A text of minLen..maxLen bytes on one line replaces field.
bool SetText(std::string& field, const std::string& text, size_t minLen, size_t maxLen) {
    return text.size() >= minLen && text.size() <= maxLen && SetRecordText(field, text);
}

// A random date in the given year, month and day drawn after the year.
CDatum DrawDate(int yearBase, int yearSpan) {
    const int a = RandomBelow(yearSpan);
    const int m = RandomBelow(12) + 1;
    const int d = RandomBelow(31) + 1;
    CDatum date;
    date.Init(d, m, yearBase + a, 0, 0, 0);
    return date;
}

// Only what the file keeps of a date: day, month and year.
bool SameDay(const CDatum& a, const CDatum& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

// Preferred shirt numbers of positions 1..10, tried in this order.
constexpr int kWunschNummern[10][3] = {
    {1, 21, 30}, {5, 22, 23}, {4, 6, 14}, {2, 13, 15}, {3, 12, 16},
    {8, 18, 25}, {7, 17, 24}, {19, 28, 29}, {10, 26, 20}, {9, 11, 27},
};
constexpr int kNummern = 100;  // shirt numbers 0..99

}  // namespace

CVerein::CVerein(int vereinsNummer) : CV3Object("CVerein") {
    // Coach and manager have drawn their values as members already.
    const AppState& app = App();
    w_.name = Platzhalter("VE");
    w_.fanbezeichnung = Platzhalter("NA");
    w_.anfeuerung = Platzhalter("NA");
    w_.vereinsNummer = uint8_t(vereinsNummer);
    w_.landNr = uint8_t(app.AktuellesLand);
    w_.praesidentDatum = DrawDate(app.Saisonstartjahr - 70, 40);
    w_.praesidentname = Platzhalter("NA");
    w_.praesidentVorname = Platzhalter("NA");
    w_.gruendungsDatum = DrawDate(1801, 199);
}

CVerein::CVerein(const CVerein& other) : CV3Object(other), w_(other.w_) {
    if (other.stadion_) stadion_ = std::make_unique<CStadion>(*other.stadion_);
    spielerListe_.reserve(other.spielerListe_.size());
    for (const auto& s : other.spielerListe_)
        spielerListe_.push_back(s ? std::make_unique<CSpieler>(*s) : nullptr);
}

CVerein& CVerein::operator=(const CVerein& other) {
    CopyDataFrom(other);
    return *this;
}

CVerein::~CVerein() { ReplaceSquad({}); }

void CVerein::ReplaceSquad(Kader neu) {
    const size_t count = spielerListe_.size();
    for (const auto& s : spielerListe_) {
        if (s) continue;
        App().ui->MessageBox("Verein " + Cp1252ToUtf8(w_.name) + " Null Spieler. ListCount = " +
                                 std::to_string(count) + " !",
                             "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
    }
    spielerListe_ = std::move(neu);
}

void CVerein::CopyDataFrom(const CVerein& other) {
    if (&other == this) return;
    // Built completely before anything of this club changes.
    CVerein copy(other);
    CV3Object::operator=(copy);
    w_ = copy.w_;
    stadion_ = std::move(copy.stadion_);
    ReplaceSquad(std::move(copy.spielerListe_));
}

bool CVerein::operator==(const CVerein& o) const {
    if (!SameDay(w_.praesidentDatum, o.w_.praesidentDatum) || !SameDay(w_.gruendungsDatum, o.w_.gruendungsDatum))
        return false;
    Werte a = w_, b = o.w_;
    a.praesidentDatum = b.praesidentDatum;
    a.gruendungsDatum = b.gruendungsDatum;
    if (!(a == b)) return false;
    if (bool(stadion_) != bool(o.stadion_) || (stadion_ && !(*stadion_ == *o.stadion_))) return false;
    return std::equal(spielerListe_.begin(), spielerListe_.end(), o.spielerListe_.begin(), o.spielerListe_.end(),
                      [](const auto& x, const auto& y) { return x && y ? *x == *y : !x && !y; });
}

bool CVerein::Name(const std::string& text) { return SetText(w_.name, text, 3, 19); }
bool CVerein::Fanbezeichnung(const std::string& text) { return SetText(w_.fanbezeichnung, text, 0, 49); }
bool CVerein::Anfeuerung(const std::string& text) { return SetText(w_.anfeuerung, text, 0, 49); }
bool CVerein::Kuerzel(const std::string& text) { return SetText(w_.kuerzel, text, 0, 3); }

bool CVerein::Praesidentname(const std::string& text) {
    if (SetText(w_.praesidentname, text, 2, 28)) return true;
    SetError("Die Länge des Namens des Vereinspräsidenten ist nicht korrekt!");
    return false;
}

bool CVerein::PraesidentVorname(const std::string& text) {
    if (SetText(w_.praesidentVorname, text, 2, 28)) return true;
    SetError("Die Länge des Vornamens des Vereinspräsidenten ist nicht korrekt!");
    return false;
}

bool CVerein::Artikel(int v) { return SetIn(w_.artikel, v, 0, 2); }
bool CVerein::SatzBau(int v) { return SetIn(w_.satzBau, v, 0, 3); }

bool CVerein::Trainer(const CTrainerUndCo& record) {
    w_.trainer = record;
    return true;
}

bool CVerein::Manager(const CManager& record) {
    w_.manager = record;
    return true;
}

bool CVerein::TrikotSatz(int set, const TRIKOTSATZ& kit) {
    if (!InRange(set, 0, 1) || !kit.Packable()) return false;
    w_.kits[size_t(set)] = kit;
    return true;
}

bool CVerein::Guthaben(int32_t v) { return w_.guthaben = v, true; }
bool CVerein::Fanaufkommen(int v) { return SetIn(w_.fanaufkommen, v, 0, 7); }
bool CVerein::FanArt(int v) { return SetIn(w_.fanArt, v, 0, 8); }
bool CVerein::FanFreundschaft(int v) { return SetIn(w_.fanFreundschaft, v, 0, 255); }
bool CVerein::ErzRivale(int v) { return SetIn(w_.erzRivale, v, 0, 255); }
bool CVerein::Vorstand(int v) { return SetIn(w_.vorstand, v, 0, 5); }
bool CVerein::Pokalmannschaft(int v) { return SetIn(w_.pokalmannschaft, v, 0, 1); }

bool CVerein::Status(int32_t v) { return w_.status = v, true; }
bool CVerein::XKoord(int32_t v) { return w_.xKoord = v, true; }
bool CVerein::YKoord(int32_t v) { return w_.yKoord = v, true; }
bool CVerein::Liga(int v) { return w_.liga = uint8_t(v), true; }
bool CVerein::Staerke(float v) { return w_.staerke = v, true; }
bool CVerein::Mark(int v) { return w_.mark = uint8_t(v), true; }

bool CVerein::Reserviert5(int32_t v) { return w_.reserviert5 = v, true; }

int32_t CVerein::ReserviertBlock(int i) const {
    return InRange(i, 0, kReserviertBlockAnzahl - 1) ? w_.reserviertBlock[size_t(i)] : 0;
}

bool CVerein::ReserviertBlock(int i, int32_t v) {
    if (!InRange(i, 0, kReserviertBlockAnzahl - 1)) return false;
    w_.reserviertBlock[size_t(i)] = v;
    return true;
}

bool CVerein::Opposition(int v) { return SetIn(w_.opposition, v, 0, 6); }

bool CVerein::Amateurabteilung(int n, int vereinsAnzahl) {
    // 0 removes the link; it is never taken for the club's own number, which
    // is 0 only for a club that has no number yet.
    if (n != 0 && n == w_.vereinsNummer) {
        SetError("Der Profiverein ist mit dem Amateurverein identisch!");
        return false;
    }
    if (!InRange(n, 0, vereinsAnzahl)) {
        SetError("Falsches Argument. Entwicklungsabteilung kontakten.");
        return false;
    }
    w_.amateurabteilung = n;
    if (n != 0) w_.aktienGesellschaft = 0;
    return true;
}

bool CVerein::Profiabteilung(int n, int vereinsAnzahl) { return SetIn(w_.profiabteilung, n, 0, vereinsAnzahl); }

bool CVerein::FinanzKraft(int v) { return SetIn(w_.finanzKraft, v, 0, 7); }
bool CVerein::MaxFanAufkommen(int v) { return SetIn(w_.maxFanAufkommen, v, 0, 7); }
bool CVerein::Hooligans(int v) { return SetIn(w_.hooligans, v, 0, 3); }
bool CVerein::Medienstadt(int v) { return SetIn(w_.medienstadt, v, 0, 1); }

bool CVerein::ErzielteTore(int32_t v) { return w_.erzielteTore = v, true; }
bool CVerein::KassierteTore(int32_t v) { return w_.kassierteTore = v, true; }
bool CVerein::Spiele(int32_t v) { return w_.spiele = v, true; }
bool CVerein::Punkte(int32_t v) { return w_.punkte = v, true; }

bool CVerein::PraesidentDatum(const CDatum& date) {
    w_.praesidentDatum = date;
    return true;
}

bool CVerein::GruendungsDatum(const CDatum& date) {
    CDatum rebuilt;
    if (rebuilt.Init(date.day, date.month, date.year, 0, 0, 0) < 0) return false;
    w_.gruendungsDatum = rebuilt;
    return true;
}

bool CVerein::AktienGesellschaft(int v) {
    if (v != 0 && w_.amateurabteilung != 0) return false;
    return SetIn(w_.aktienGesellschaft, v, 0, 1);
}

bool CVerein::MeisterTitel(int v) { return SetIn(w_.meisterTitel, v, 0, 99); }
bool CVerein::PokalSiege(int v) { return SetIn(w_.pokalSiege, v, 0, 99); }
bool CVerein::LigapokalSiege(int v) { return SetIn(w_.ligapokalSiege, v, 0, 99); }
bool CVerein::UEFASiege(int v) { return SetIn(w_.uefaSiege, v, 0, 99); }
bool CVerein::ChampionsLeagueSiege(int v) { return SetIn(w_.championsLeagueSiege, v, 0, 99); }
bool CVerein::WeltpokalSiege(int v) { return SetIn(w_.weltpokalSiege, v, 0, 99); }

bool CVerein::RegionalLiga(int v) {
    if (v != 2 && v != 5) return false;
    w_.regionalLiga = v;
    return true;
}

bool CVerein::LandNr(int v) { return SetIn(w_.landNr, v, 0, 255); }
bool CVerein::VereinsNummer(int v) { return SetIn(w_.vereinsNummer, v, 0, 255); }

bool CVerein::Stadion(std::unique_ptr<CStadion> stadion) {
    stadion_ = std::move(stadion);
    return true;
}

bool CVerein::SpielerListe(Kader liste) {
    ReplaceSquad(std::move(liste));
    return true;
}

int CVerein::SucheFreieRueckenNummer() const {
    std::array<bool, 99> used{};
    for (const auto& s : spielerListe_)
        if (s && InRange(s->RueckenNummer(), 0, 98)) used[size_t(s->RueckenNummer())] = true;
    int n = 1;
    while (n < 99 && used[size_t(n)]) ++n;
    return n;
}

void CVerein::RueckenNrEinstellen(Kader& liste) {
    std::vector<CSpieler*> spieler;
    spieler.reserve(liste.size());
    for (const auto& s : liste) spieler.push_back(s.get());
    RueckenNrEinstellen(std::span<CSpieler* const>(spieler));
}

void CVerein::RueckenNrEinstellen(std::span<CSpieler* const> liste) {
    App().random->Seed(uint32_t(std::time(nullptr)));
    std::array<bool, kNummern> used{};

    // Numbers already worn stay with their first wearer in position order;
    // each position's group is then ordered strongest first.
    std::vector<CSpieler*> folge;
    for (int p = 1; p <= 10; ++p) {
        const size_t begin = folge.size();
        for (CSpieler* s : liste) {
            if (!s || s->Hauptposition() != p) continue;
            const int nr = s->RueckenNummer();
            // A number outside the table (possible only in a damaged file) counts as taken.
            if (nr != 0 && (!InRange(nr, 1, kNummern - 1) || used[size_t(nr)]))
                s->RueckenNummer(0);
            else if (nr != 0)
                used[size_t(nr)] = true;
            folge.push_back(s);
        }
        for (size_t i = begin; i < folge.size(); ++i)
            for (size_t j = i + 1; j < folge.size(); ++j)
                if (folge[i]->Staerke() < folge[j]->Staerke()) std::swap(folge[i], folge[j]);
    }

    // The preferred numbers of each position, from where the previous player stopped.
    int position = 0;
    int k = 0;
    for (CSpieler* s : folge) {
        if (s->Hauptposition() != position) {
            position = s->Hauptposition();
            k = 0;
        }
        if (s->RueckenNummer() != 0) continue;
        while (k < 3) {
            const int nr = kWunschNummern[position - 1][k++];
            if (used[size_t(nr)]) continue;
            s->RueckenNummer(nr);
            used[size_t(nr)] = true;
            break;
        }
    }

    // Everybody else: the first free number from a random start in 1..40,
    // going on from 1 after 99 (a squad of more than 99 keeps the rest at 0).
    for (CSpieler* s : folge) {
        if (s->RueckenNummer() != 0) continue;
        int z = RandomBelow(40) + 1;
        int tried = 0;
        while (used[size_t(z)] && tried < kNummern - 1) {
            z = z == kNummern - 1 ? 1 : z + 1;
            ++tried;
        }
        if (used[size_t(z)]) continue;
        s->RueckenNummer(z);
        used[size_t(z)] = true;
    }
}

bool CVerein::SpeichernV3Localized(CV3File& file, int sprache) {
    w_.name = TrimWhite(w_.name);
    w_.kuerzel = TrimWhite(w_.kuerzel);
    w_.anfeuerung = TrimWhite(w_.anfeuerung);
    w_.fanbezeichnung = TrimWhite(w_.fanbezeichnung);
    if (w_.amateurabteilung != 0) w_.aktienGesellschaft = 0;

    if (!file.NewSection("VEREIN")) return false;
    const int land = App().AktuellesLand;
    bool ok = file.PutInt(InRange(land, 0, kLaenderSlots - 1) ? App().NationNummer[size_t(land)] : 0);
    ok = file.PutStr(w_.name) && ok;
    ok = file.PutStr(w_.kuerzel) && ok;
    ok = file.PutStr(w_.anfeuerung) && ok;
    ok = file.PutStr(w_.fanbezeichnung) && ok;
    ok = w_.trainer.SpeichernV3Localized(file, sprache) && ok;
    ok = w_.manager.SpeichernV3Localized(file, sprache) && ok;
    ok = WriteKit(file, w_.kits[0]) && ok;
    ok = WriteKit(file, w_.kits[1]) && ok;
    for (int32_t v : {w_.guthaben, w_.artikel, int32_t(w_.fanaufkommen), int32_t(w_.fanArt),
                      int32_t(w_.fanFreundschaft), int32_t(w_.erzRivale), int32_t(w_.vorstand), w_.pokalmannschaft,
                      w_.satzBau, w_.status, w_.xKoord, w_.yKoord, w_.reserviert5, w_.opposition,
                      w_.amateurabteilung, w_.profiabteilung, w_.finanzKraft, w_.maxFanAufkommen, w_.hooligans,
                      int32_t(w_.medienstadt), w_.erzielteTore, w_.kassierteTore, w_.spiele, w_.punkte})
        ok = file.PutInt(v) && ok;
    ok = file.PutStr(w_.praesidentname) && ok;
    ok = file.PutStr(w_.praesidentVorname) && ok;
    ok = file.PutDatum(w_.praesidentDatum) && ok;
    for (int32_t v : {w_.aktienGesellschaft, w_.meisterTitel, w_.pokalSiege, w_.ligapokalSiege, w_.uefaSiege,
                      w_.championsLeagueSiege, w_.weltpokalSiege, w_.regionalLiga})
        ok = file.PutInt(v) && ok;
    ok = file.PutDatum(w_.gruendungsDatum) && ok;
    for (int32_t v : w_.reserviertBlock) ok = file.PutInt(v) && ok;

    // Empty list entries hold no player and are left out of count and file alike.
    const auto count = std::count_if(spielerListe_.begin(), spielerListe_.end(), [](const auto& s) { return s != nullptr; });
    ok = file.PutInt(int(count)) && ok;
    for (const auto& s : spielerListe_)
        if (s) ok = s->SpeichernV3Localized(file, sprache) && ok;
    return file.EndSection(1) && ok;
}

bool CVerein::LadenV3Localized(CV3File& file, int sprache) {
    if (!file.FindSection("VEREIN")) return false;
    ValueReader r(file);
    int32_t nation = 0;  // the caller sets LandNr and VereinsNummer
    r.Int(nation);
    r.Str(w_.name);
    r.Str(w_.kuerzel);
    r.Str(w_.anfeuerung);
    r.Str(w_.fanbezeichnung);
    w_.trainer.LadenV3Localized(file, sprache);
    w_.manager.LadenV3Localized(file, sprache);
    ReadKit(file, w_.kits[0]);
    ReadKit(file, w_.kits[1]);
    RepairHoopedSocks(w_.kits[0]);
    RepairHoopedSocks(w_.kits[1]);
    r.Int(w_.guthaben);
    r.Int(w_.artikel);
    r.Byte(w_.fanaufkommen);
    r.Byte(w_.fanArt);
    r.Byte(w_.fanFreundschaft);
    r.Byte(w_.erzRivale);
    r.Byte(w_.vorstand);
    r.Int(w_.pokalmannschaft);
    r.Int(w_.satzBau);
    r.Int(w_.status);
    r.Int(w_.xKoord);
    r.Int(w_.yKoord);
    r.Int(w_.reserviert5);
    r.Int(w_.opposition);
    r.Int(w_.amateurabteilung);
    r.Int(w_.profiabteilung);
    r.Int(w_.finanzKraft);
    r.Int(w_.maxFanAufkommen);
    r.Int(w_.hooligans);
    r.Byte(w_.medienstadt);
    r.Int(w_.erzielteTore);
    r.Int(w_.kassierteTore);
    r.Int(w_.spiele);
    r.Int(w_.punkte);
    r.Str(w_.praesidentname);
    r.Str(w_.praesidentVorname);
    r.Datum(w_.praesidentDatum);
    r.Int(w_.aktienGesellschaft);
    if (w_.amateurabteilung != 0) w_.aktienGesellschaft = 0;
    r.Int(w_.meisterTitel);
    r.Int(w_.pokalSiege);
    r.Int(w_.ligapokalSiege);
    r.Int(w_.uefaSiege);
    r.Int(w_.championsLeagueSiege);
    r.Int(w_.weltpokalSiege);
    r.Int(w_.regionalLiga);
    r.Datum(w_.gruendungsDatum);
    for (int32_t& v : w_.reserviertBlock) r.Int(v);

    int32_t count = 0;
    r.Int(count);
    Kader kader;
    if (count > kMaxSpieler) {
        App().ui->MessageBox("Es sind zu viele Spieler im Verein!", "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
    } else {
        for (int32_t i = 0; i < count; ++i) {
            auto spieler = std::make_unique<CSpieler>();
            // A player whose section is missing ends the squad.
            if (!spieler->LadenV3Localized(file, sprache)) break;
            kader.push_back(std::move(spieler));
        }
    }
    ReplaceSquad(std::move(kader));
    file.EndSection(1);
    return true;
}

}  // namespace v3
