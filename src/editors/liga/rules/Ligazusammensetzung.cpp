#include "editors/liga/rules/Ligazusammensetzung.h"

#include <algorithm>
#include <initializer_list>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3 {

namespace {

constexpr int32_t kNummerBits = 0xF;
constexpr int32_t kUntereHaelfte = 0xFFFF;
constexpr uint32_t kObereHaelfte = 0xFFFF0000u;

const std::array<LigaSystem, 11> kLigaSysteme = {{
    {6, 2, 4, {0, 3, 4, 4, 4, 4, 4}},
    {4, 2, 4, {0, 3, 3, 4, 1, 0, 0}},
    {2, 2, 4, {0, 3, 4, 0, 0, 0, 0}},
    {2, 1, 4, {0, 4, 4, 0, 0, 0, 0}},
    {2, 1, 4, {0, 3, 4, 0, 0, 0, 0}},
    {1, 1, 4, {0, 3, 0, 0, 0, 0, 0}},
    {1, 1, 4, {0, 3, 0, 0, 0, 0, 0}},
    {1, 1, 4, {0, 3, 0, 0, 0, 0, 0}},
    {1, 1, 4, {0, 1, 0, 0, 0, 0, 0}},
    {1, 1, 4, {0, 1, 0, 0, 0, 0, 0}},
    {1, 1, 4, {0, 4, 0, 0, 0, 0, 0}},
}};

// Names of league and side kinds in the messages about professional and
// amateur sides.
constexpr const char* kLigaArten[4] = {"Profiliga", "Amateurliga", "A-Liga", "B-Liga"};
constexpr const char* kTeamArten[4] = {"Profiabteilung", "Amateurabteilung", "A-Team", "B-Team"};

int32_t NummerVon(int32_t status) { return status & kNummerBits; }
// The cup flags count by the bits from value 32 up to the upper half.
int32_t PokalBits(int32_t status) { return status & kUntereHaelfte & ~31; }
// The league a club came from (upper half); all ones for none.
uint32_t HerkunftVon(int32_t status) { return uint32_t(status) >> 16; }

// Fills the "%s" of a message, in order.
std::string LzFormat(const char* muster, std::initializer_list<std::string> werte) {
    std::string out;
    auto wert = werte.begin();
    for (const char* p = muster; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && wert != werte.end()) {
            out += *wert++;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace

const LigaSystem& LigaSystemVon(int position) {
    static const LigaSystem kKeines{};
    return position >= 0 && position < int(kLigaSysteme.size()) ? kLigaSysteme[size_t(position)] : kKeines;
}

int FlaggenBild(int32_t status) {
    const int32_t n = NummerVon(status);
    const int32_t c = status & 0xFE0;  // bits 5..11
    int e = -1;
    // A number that is no flag (a damaged status) shows no picture.
    if (n != 0 && n != kFlagMeister && n != kFlagVize && n != kFlagAbsteiger && n != kFlagAufsteiger) return -1;
    if (n != 0) {
        e = n == kFlagVize ? 4 : n - 1;
        if (c == kFlagPokalsieger) e = 3 * e + 8;
        else if (c == kFlagPokalfinalist) e = 3 * e + 9;
        else if (c == kFlagPokalteilnehmer) e = n == kFlagAufsteiger ? 19 : n == kFlagAbsteiger ? 16 : e;
    } else if (c == kFlagPokalsieger) {
        e = 5;
    } else if (c == kFlagPokalfinalist) {
        e = 6;
    } else if (c == kFlagPokalteilnehmer) {
        e = 7;
    }
    return e >= 0 && e < kFlaggenBilder ? e : -1;
}

int32_t MitFlagge(int32_t status, int32_t flag) {
    switch (flag) {
    case kFlagsLoeschen:
        return 0;
    case kFlagPokalteilnehmer:
        // Taking part in the cup excludes having won or lost its final.
        return status & kFlagPokalteilnehmer ? status & ~kFlagPokalteilnehmer : (status & 7) | kFlagPokalteilnehmer;
    case kFlagPokalsieger:
    case kFlagPokalfinalist:
        return (status & ~kNummerBits) == flag ? status & kNummerBits : (status & kNummerBits) | flag;
    case kFlagMeister:
    case kFlagVize:
    case kFlagAbsteiger:
    case kFlagAufsteiger:
        return NummerVon(status) == flag ? status & ~kNummerBits : (status & ~kNummerBits) | flag;
    default:
        return status;
    }
}

CLigazusammensetzung::CLigazusammensetzung(CLand& land, int mode)
    : land_(land), mode_(mode == 1 ? 1 : 0), position_(land.CountryIndex()) {
    const int anzahl = int(land.VereinsListe().size());
    for (const auto& club : land.VereinsListe()) {
        vereine_.push_back(club ? std::make_unique<CVerein>(*club) : nullptr);
        statusBeimOeffnen_.push_back(club ? club->Status() : 0);
    }
    status_ = statusBeimOeffnen_;
    frei_.assign(size_t(anzahl) + 1, false);

    // Each club stands in at most one list: a number that no club has, or a
    // club that an earlier league names already, is left out (the league then
    // lacks a club, which OK reports).
    std::vector<bool> vergeben(size_t(anzahl) + 1, false);
    auto aufnehmen = [&](const CLiga& quelle, std::vector<int>& ziel) {
        for (int i = 0; i < quelle.Size(); ++i) {
            const int nr = quelle.ClubNumber(i);
            if (nr < 1 || nr > anzahl || !vereine_[size_t(nr - 1)] || vergeben[size_t(nr)]) continue;
            vergeben[size_t(nr)] = true;
            ziel.push_back(nr);
        }
    };

    if (mode_ == 0) {
        // The playing leagues, then the league of the clubs in none (after a
        // load it stands right behind the playing leagues).
        const int gelesen = int(land.Ligen().size());
        spielLigen_ = std::clamp(App().LigaAnzahl[size_t(std::clamp(position_, 0, kLaenderSlots - 1))], 0,
                                 std::max(gelesen - 1, 0));
        spielLigen_ = std::min(spielLigen_, 6);
        for (int m = 0; m <= spielLigen_; ++m) {
            LigaKopie a;
            const CLiga* quelle = m < gelesen ? land.Ligen()[size_t(m)].get() : nullptr;
            a.liga = quelle ? std::make_unique<CLiga>(*quelle) : std::make_unique<CLiga>();
            if (m < spielLigen_) aufnehmen(*a.liga, a.vereine);
            ligen_.push_back(std::move(a));
        }
        // The rest list: the rest league's clubs, then any club no list names.
        std::vector<int> rest;
        aufnehmen(*ligen_.back().liga, rest);
        for (int nr = 1; nr <= anzahl; ++nr)
            if (!vergeben[size_t(nr)] && vereine_[size_t(nr - 1)]) rest.push_back(nr);
        for (int nr : rest) {
            frei_[size_t(nr)] = true;
            // It keeps last season's flags and comes from no league.
            int32_t& s = StatusRef(nr);
            s = int32_t((uint32_t(s) & 0xEFu) | kObereHaelfte);
        }
        rest_ = std::move(rest);
    } else {
        LigaKopie a;
        a.liga = std::make_unique<CLiga>();
        if (!land.Ligen().empty() && land.Ligen()[0]) a.liga->Name(land.Ligen()[0]->Name());
        for (int nr = 1; nr <= anzahl; ++nr)
            if (vereine_[size_t(nr - 1)]) a.vereine.push_back(nr);
        ligen_.push_back(std::move(a));
    }
    ZeigeLiga(0);
}

CLigazusammensetzung::~CLigazusammensetzung() = default;

const std::string& CLigazusammensetzung::LigaName(int m) const {
    static const std::string kLeer;
    return m >= 0 && m < int(ligen_.size()) ? ligen_[size_t(m)].liga->Name() : kLeer;
}

int CLigazusammensetzung::Groesse(int m) const {
    return m >= 0 && m < int(ligen_.size()) ? ligen_[size_t(m)].liga->Size() : 0;
}

const std::vector<int>& CLigazusammensetzung::Liga(int m) const {
    static const std::vector<int> kLeer;
    return m >= 0 && m < int(ligen_.size()) ? ligen_[size_t(m)].vereine : kLeer;
}

const CVerein* CLigazusammensetzung::Verein(int nummer) const {
    return nummer >= 1 && nummer <= int(vereine_.size()) ? vereine_[size_t(nummer - 1)].get() : nullptr;
}

int32_t CLigazusammensetzung::Status(int nummer) const {
    return nummer >= 1 && nummer <= int(status_.size()) ? status_[size_t(nummer - 1)] : 0;
}

int32_t& CLigazusammensetzung::StatusRef(int nummer) {
    // Only called with the numbers of the lists, which all name a club.
    return status_[size_t(nummer - 1)];
}

std::string CLigazusammensetzung::ZeilenText(int nummer) const {
    const CVerein* v = Verein(nummer);
    return v ? v->Name() : "?";
}

bool CLigazusammensetzung::Frei(int nummer) const {
    return nummer >= 1 && nummer < int(frei_.size()) && frei_[size_t(nummer)];
}

void CLigazusammensetzung::ZeigeLiga(int m) {
    if (m < 0 || m >= LigenAnzahl() || m >= int(ligen_.size())) return;
    gezeigt_ = m;
    const LigaSystem& sys = LigaSystemVon(position_);
    quoteAb_ = m == 0 ? 0 : sys.austausch[size_t(std::min(m, 6))];
    quoteAuf_ = m + 1 <= 6 ? sys.austausch[size_t(m + 1)] : 0;
    FolgeMeister();
}

void CLigazusammensetzung::FolgeMeister() {
    // In the first league the order is last season's table: the first two are
    // champion and runner-up, no one else is.
    if (mode_ != 0 || gezeigt_ != 0) return;
    const auto& liga = ligen_[0].vereine;
    for (size_t i = 0; i < liga.size(); ++i) {
        int32_t& s = StatusRef(liga[i]);
        const int32_t n = NummerVon(s);
        if (i == 0 && n != kFlagMeister) s = (s & ~kNummerBits) | kFlagMeister;
        else if (i == 1 && n != kFlagVize) s = (s & ~kNummerBits) | kFlagVize;
        else if (i >= 2 && (n == kFlagMeister || n == kFlagVize)) s &= ~kNummerBits;
    }
}

std::vector<FlaggenMenuEintrag> CLigazusammensetzung::Menu(int zeile) const {
    const LigaSystem& sys = LigaSystemVon(position_);
    const bool teilnehmerAktiv = gezeigt_ >= sys.pokalAutomatisch;
    if (mode_ == 1)
        return {{"Meister", kFlagMeister, true},
                {"Vize-Meister", kFlagVize, true},
                {"Pokalsieger", kFlagPokalsieger, true},
                {"Pokalfinalist", kFlagPokalfinalist, true},
                {"Flags löschen", kFlagsLoeschen, true}};
    // The first two lines of the first league are champion and runner-up by
    // their place; relegated into the first league no club can be.
    const bool spitze = gezeigt_ == 0 && zeile < 2;
    return {{"Aufsteiger", kFlagAufsteiger, !spitze},
            {"Absteiger", kFlagAbsteiger, gezeigt_ != 0},
            {"Pokalsieger", kFlagPokalsieger, true},
            {"Pokalfinalist", kFlagPokalfinalist, true},
            {"Pokalteilnehmer (nur 1. Saison)", kFlagPokalteilnehmer, teilnehmerAktiv},
            {"Flags löschen", kFlagsLoeschen, !spitze}};
}

void CLigazusammensetzung::SetStatus(int32_t flag, int zeile) {
    const auto& liga = ligen_[size_t(gezeigt_)].vereine;
    if (zeile < 0 || zeile >= int(liga.size())) return;
    if (flag == kFlagAbsteiger && gezeigt_ == 0) return;
    int32_t& s = StatusRef(liga[size_t(zeile)]);
    s = MitFlagge(s, flag);
}

bool CLigazusammensetzung::ZurLiga(std::vector<int> zeilen, std::vector<int>* neueZeilen) {
    if (mode_ != 0) return false;
    std::sort(zeilen.begin(), zeilen.end());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    std::erase_if(zeilen, [this](int z) { return z < 0 || z >= int(rest_.size()); });
    const int m = gezeigt_;
    auto& liga = ligen_[size_t(m)].vereine;
    if (zeilen.empty()) return true;
    if (int(zeilen.size() + liga.size()) > Groesse(m)) {
        App().ui->MessageBox("Kein Platz für die selektierten Vereine\nin der Liga!", "Fehler!", MsgButtons::Ok,
                             MsgIcon::Stop);
        return false;
    }
    const LigaSystem& sys = LigaSystemVon(position_);
    const bool pokalAutomatisch = m < sys.pokalAutomatisch;
    int ab = 0, auf = 0, meister = 0;
    for (int nr : liga) {
        const int32_t n = NummerVon(Status(nr));
        ab += n == kFlagAbsteiger;
        auf += n == kFlagAufsteiger;
        meister += n == kFlagMeister;
    }
    // Whether another club in a league (of another name) holds this cup flag.
    auto gehalten = [this](int selbst, int32_t flag) {
        for (int nr = 1; nr <= int(vereine_.size()); ++nr)
            if (nr != selbst && vereine_[size_t(nr - 1)] && !Frei(nr) && PokalBits(Status(nr)) == flag &&
                vereine_[size_t(nr - 1)]->Name() != vereine_[size_t(selbst - 1)]->Name())
                return true;
        return false;
    };

    std::vector<int> neu;
    for (int z : zeilen) neu.push_back(rest_[size_t(z)]);
    for (int nr : neu) {
        int32_t& s = StatusRef(nr);
        const uint32_t von = HerkunftVon(s);
        int32_t n = NummerVon(s);
        if (von < uint32_t(m) && ab < quoteAb_) {
            n = kFlagAbsteiger;
        } else if (von > uint32_t(m) && auf < quoteAuf_) {
            n = kFlagAufsteiger;
        } else {
            if (n == kFlagAbsteiger && m == 0 && von > 0) n = 0;
            if (n == kFlagMeister && meister > 0) n = 0;
            // A full quota stays full: the newcomer does without the flag,
            // the clubs already in the league keep theirs.
            if ((n == kFlagAbsteiger && ab >= quoteAb_) || (n == kFlagAufsteiger && auf >= quoteAuf_)) n = 0;
        }
        ab += n == kFlagAbsteiger;
        auf += n == kFlagAufsteiger;
        meister += n == kFlagMeister;
        int32_t rest = s & ~kNummerBits & kUntereHaelfte;
        if (pokalAutomatisch) rest &= ~kFlagPokalteilnehmer;
        if (PokalBits(rest) == kFlagPokalsieger && gehalten(nr, kFlagPokalsieger)) rest &= ~kFlagPokalsieger;
        if (PokalBits(rest) == kFlagPokalfinalist && gehalten(nr, kFlagPokalfinalist)) rest &= ~kFlagPokalfinalist;
        const uint32_t obere = uint32_t(statusBeimOeffnen_[size_t(nr - 1)]) & kObereHaelfte;
        s = int32_t(obere | uint32_t(rest | n));
        // Now in a league: the next club's cup flags are compared with it.
        frei_[size_t(nr)] = false;
    }
    const int erste = int(liga.size());
    liga.insert(liga.end(), neu.begin(), neu.end());
    for (auto it = zeilen.rbegin(); it != zeilen.rend(); ++it) rest_.erase(rest_.begin() + *it);
    ZeigeLiga(m);
    if (neueZeilen) {
        neueZeilen->clear();
        for (size_t i = 0; i < neu.size(); ++i) neueZeilen->push_back(erste + int(i));
    }
    return true;
}

void CLigazusammensetzung::ZumRest(std::vector<int> zeilen) {
    if (mode_ != 0) return;
    const int m = gezeigt_;
    auto& liga = ligen_[size_t(m)].vereine;
    std::sort(zeilen.begin(), zeilen.end());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    std::erase_if(zeilen, [&liga](int z) { return z < 0 || z >= int(liga.size()); });
    // From the last line up, each to the top: they stand in league order there.
    for (auto it = zeilen.rbegin(); it != zeilen.rend(); ++it) {
        const int nr = liga[size_t(*it)];
        StatusRef(nr) = int32_t(uint32_t(m) << 16);
        liga.erase(liga.begin() + *it);
        rest_.insert(rest_.begin(), nr);
        frei_[size_t(nr)] = true;
    }
    FolgeMeister();
}

void CLigazusammensetzung::Verschiebe(int von, int nach) {
    LigaKopie& a = ligen_[size_t(gezeigt_)];
    auto& liga = a.vereine;
    const int anzahl = int(liga.size());
    if (von < 0 || von >= anzahl || nach < 0 || nach >= anzahl || von == nach) return;
    // neuePosition[i]: where the club at position i stands after the move.
    std::vector<int> neuePosition(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        int p = i;
        if (i == von) p = nach;
        else if (von < nach && i > von && i <= nach) p = i - 1;
        else if (nach < von && i >= nach && i < von) p = i + 1;
        neuePosition[size_t(i)] = p;
    }
    const int nr = liga[size_t(von)];
    liga.erase(liga.begin() + von);
    liga.insert(liga.begin() + nach, nr);
    // The fixture table names league positions (1-based).
    CLiga& plan = *a.liga;
    const int eintraege = 2 * plan.GetBegegnungenProSpielTag();
    for (int tag = 0; tag < plan.GetSpielTage(); ++tag)
        for (int e = 0; e < eintraege; ++e) {
            const int pos = plan.Fixture(tag, e);
            if (pos >= 1 && pos <= anzahl) plan.Fixture(tag, e, neuePosition[size_t(pos - 1)] + 1);
        }
    FolgeMeister();
}

std::string CLigazusammensetzung::Probleme() const {
    std::string text;
    // 1. Last season's flags, over the clubs in a league.
    int meister = 0, vize = 0, sieger = 0, finalist = 0, teilnehmer = 0;
    for (int nr = 1; nr <= int(vereine_.size()); ++nr) {
        if (!vereine_[size_t(nr - 1)] || Frei(nr)) continue;
        const int32_t s = Status(nr);
        meister += NummerVon(s) == kFlagMeister;
        vize += NummerVon(s) == kFlagVize;
        sieger += PokalBits(s) == kFlagPokalsieger;
        finalist += PokalBits(s) == kFlagPokalfinalist;
        teilnehmer += PokalBits(s) == kFlagPokalteilnehmer;
    }
    auto genauEiner = [&text](int anzahl, const char* keiner, const char* mehrere) {
        if (anzahl == 0) text += keiner;
        else if (anzahl > 1) text += mehrere;
    };
    genauEiner(meister, "Sie haben keinen Meister bestimmt!\n", "Sie haben mehr als einen Meister bestimmt!\n");
    genauEiner(vize, "Sie haben keinen Vize-Meister bestimmt!\n", "Sie haben mehr als einen Vize-Meister bestimmt!\n");
    genauEiner(sieger, "Sie haben keinen Pokalsieger bestimmt!\n",
               "Sie haben mehr als einen Pokalsieger bestimmt!\n");
    genauEiner(finalist, "Sie haben keinen Pokalfinalisten bestimmt!\n",
               "Sie haben mehr als einen Pokalfinalisten bestimmt!\n");
    const LigaSystem& sys = LigaSystemVon(position_);
    if (teilnehmer > sys.maxTeilnehmer) text += "Sie haben zu viele Pokalteilnehmer bestimmt!\n";
    if (mode_ != 0) return text;

    // 3. Each league; the last one is the rest league, whose clubs will carry
    // no flags (status 16).
    const int p = position_;
    const int letzte = int(ligen_.size()) - 1;
    const std::string ersteLiga = Cp1252ToUtf8(LigaName(0));
    const int nation = p >= 0 && p < kLaenderSlots ? App().NationNummer[size_t(p)] : -1;
    auto imPokalDerMeister = [nation](int nr) {
        for (const auto& gruppe : Daten().CLeagueListe)
            if (gruppe && gruppe->IstVorhanden(nation, nr)) return true;
        return false;
    };
    int absteigerRegional = 0;
    for (int m = 0; m <= letzte; ++m) {
        const bool restliga = m == letzte;
        const std::string name = Cp1252ToUtf8(LigaName(m));
        // The rest league's clubs are those of the rest list.
        const auto& liga = restliga ? rest_ : ligen_[size_t(m)].vereine;
        if (!restliga && int(liga.size()) != Groesse(m))
            text += LzFormat("Es befinden sich nicht genügend Vereine in der %s!\n", {name});
        int a = 0, b = 0;
        for (int nr : liga) {
            const CVerein& v = *vereine_[size_t(nr - 1)];
            const int32_t s = restliga ? kFlagRestliga : Status(nr);
            const std::string verein = Cp1252ToUtf8(v.Name());
            a += NummerVon(s) == kFlagAufsteiger;
            b += NummerVon(s) == kFlagAbsteiger;
            if (!restliga && m != 0) {
                if (s == kFlagMeister) text += LzFormat("Der Meister muß in der %s Liga spielen!\n", {ersteLiga});
                if (s == kFlagVize) text += LzFormat("Der Vizemeister muß in der %s Liga spielen!\n", {ersteLiga});
            }
            if (m != 0 && imPokalDerMeister(nr))
                text += LzFormat(
                    "Der Verein %s ist ein Teilnehmer am Pokal der Meister und darf daher nur in der %s spielen!\n",
                    {verein, ersteLiga});
            // Professional and amateur sides (A and B teams).
            if (p == 0 || p == 4) {
                const int art = p == 0 ? 0 : 2;
                const bool erste = v.Amateurabteilung() != 0;
                const bool zweite = v.Profiabteilung() != 0;
                // The first side plays in the professional leagues (at
                // position 4 in any league), the second side not in them.
                const int profiLigen = p == 0 ? 2 : letzte;
                const int amateurAb = p == 0 ? 2 : 1;
                if (erste && restliga)
                    text += LzFormat("Der Verein %s spielt in keiner Liga, muß als %s aber auch in einer %s spielen!\n",
                                     {verein, kTeamArten[art], kLigaArten[art]});
                else if (erste && m >= profiLigen)
                    text += LzFormat("Der Verein %s spielt in der %s, muß als %s aber auch in einer %s spielen!\n",
                                     {verein, name, kTeamArten[art], kLigaArten[art]});
                if (zweite && !restliga && m < amateurAb)
                    text += LzFormat("Der Verein %s spielt in der %s, muß als %s aber auch in einer %s spielen!\n",
                                     {verein, name, kTeamArten[art + 1], kLigaArten[art + 1]});
            }
        }

        // Promotion and relegation counts.
        const int q = m + 1 <= 6 ? sys.austausch[size_t(m + 1)] : 0;
        const int r = m <= 6 ? sys.austausch[size_t(m)] : 0;
        int aMin = -1, aMax = -1;
        bool bPruefen = false;
        bool regional = false;
        if (p == 3 && m == 0) {
            aMin = 2, aMax = 4;
        } else if ((p == 6 || p == 10) && m <= 1 && !restliga) {
            aMin = 1, aMax = q;
            bPruefen = m == 1;
        } else if (p >= 0 && p <= 9 && p != 6 && m <= 1) {
            aMin = aMax = q;
            bPruefen = m == 1 && !restliga;
        } else if (p == 0 && m >= 2 && !restliga) {
            aMin = 2, aMax = q;
            regional = true;
        } else if (p == 1 && m >= 2 && !restliga) {
            aMin = aMax = q;
            bPruefen = true;
        }
        if (aMin >= 0 && a < aMin) text += LzFormat("Sie haben zu wenige Aufsteiger in der %s bestimmt!\n", {name});
        if (aMax >= 0 && a > aMax) text += LzFormat("Sie haben zu viele Aufsteiger in der %s bestimmt!\n", {name});
        if (bPruefen && b < r) text += LzFormat("Sie haben zu wenige Absteiger in der %s bestimmt!\n", {name});
        if (bPruefen && b > r) text += LzFormat("Sie haben zu viele Absteiger in der %s bestimmt!\n", {name});
        if (regional) {
            absteigerRegional += b;
            if (m == letzte - 1 && absteigerRegional != sys.austausch[2])
                text +=
                    "Die Anzahl der Absteiger in den Regionalligen\nstimmt nicht mit der Anzahl der Aufsteiger der 2. "
                    "Liga überein!\n";
        }
    }

    // 4. Pairs of sides, the professional (A) side named first.
    if (p == 0 || p == 4) {
        std::vector<int> ligaVon(vereine_.size() + 1, -1);
        for (int m = 0; m <= letzte; ++m)
            for (int nr : m == letzte ? rest_ : ligen_[size_t(m)].vereine) ligaVon[size_t(nr)] = m;
        for (int nr = 1; nr <= int(vereine_.size()); ++nr) {
            const CVerein* profi = Verein(nr);
            const CVerein* amateur = profi ? Verein(profi->Amateurabteilung()) : nullptr;
            if (!amateur || amateur == profi) continue;
            const int lp = ligaVon[size_t(nr)];
            const int la = ligaVon[size_t(profi->Amateurabteilung())];
            const std::string pn = Cp1252ToUtf8(profi->Name()), an = Cp1252ToUtf8(amateur->Name());
            if (lp >= 0 && lp == la && lp != letzte)
                text += LzFormat(p == 0 ? "Die Profimannschaft des Vereins %s spielt derzeit genau wie ihre "
                                          "Amateurmannschaft %s in der %s!\n"
                                        : "Das A-Team des Vereins %s spielt derzeit genau wie das B-Team %s in der %s!\n",
                                 {pn, an, Cp1252ToUtf8(LigaName(lp))});
            if (lp == letzte && la >= 2 && la != letzte)
                text += LzFormat(p == 0 ? "Die Profimannschaft %s des Vereins %s spielt derzeit in keiner Liga. Sie "
                                          "sollte aber in einer der Profiligen spielen!\n"
                                        : "Das A-Team %s des Vereins %s spielt derzeit in keiner Liga!\n",
                                 {pn, an});
        }
    }
    return text;
}

bool CLigazusammensetzung::OnOK() {
    const std::string probleme = Probleme();
    if (!probleme.empty()) {
        App().ui->MessageBox(probleme, "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    SchreibeZurueck();
    return true;
}

void CLigazusammensetzung::SchreibeZurueck() {
    if (mode_ == 0) {
        // The clubs in no league carry no flags.
        for (int nr : rest_) StatusRef(nr) = kFlagRestliga;
        ligen_.back().vereine = rest_;
        for (size_t m = 0; m < ligen_.size() && m < land_.Ligen().size(); ++m) {
            CLiga& ziel = *land_.Ligen()[m];
            const LigaKopie& a = ligen_[m];
            const int anzahl = std::min(int(a.vereine.size()), kMaxLigaGroesse);
            CLiga neu(*a.liga);
            neu.Size(anzahl);
            for (int i = 0; i < kMaxLigaGroesse; ++i) neu.ClubNumber(i, i < anzahl ? a.vereine[size_t(i)] : 0);
            ziel = neu;
        }
    }
    CLand::Owned<CVerein> liste;
    for (size_t i = 0; i < vereine_.size(); ++i) {
        // The league a club came from was only needed while composing.
        if (vereine_[i]) vereine_[i]->Status(status_[i] & kUntereHaelfte);
        liste.push_back(std::move(vereine_[i]));
    }
    land_.VereinsListe(std::move(liste));
    vereine_.clear();
}

}  // namespace v3
