// The bonus country's part of CLand: its creation from a chosen nation (with
// or without a country that lends its national team), the attributes of its
// new players, its crests, and its storage in "Bonus1.sav".
#include <algorithm>
#include <array>
#include <ctime>

#include "base/AppState.h"
#include "base/AppState.h"
#include "base/BonusTables.h"
#include "base/CountryTables.h"
#include "base/Layout.h"
#include "platform/Text1252.h"
#include "records/AmateurVerein.h"
#include "records/Land.h"
#include "records/ReadCount.h"
#include "records/Stadion.h"
#include "records/V3File.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// Row of the league files of the bonus country ("liga1bon.sav" ...).
constexpr int kBonusLigaZeile = 11;
// Names of the leagues by league index.
constexpr std::array<const char*, 8> kLigaNamen = {"1. Liga",    "2. Liga",    "RL Nord", "RL Nord-Ost",
                                                   "RL West-SW", "RL S\xFC" "d", "-",       "3. Liga"};
// Share of each position 0..9 among the new youth players.
constexpr std::array<double, 10> kJugendAnteile = {0.09, 0.09, 0.14, 0.09, 0.09, 0.09, 0.09, 0.09, 0.09, 0.14};
// Shares of players with 0..3 abilities, 0..2 properties, 0..2 character traits.
constexpr std::array<double, 4> kFaehigkeitAnteile = {0.2, 0.5, 0.2, 0.1};
constexpr std::array<double, 3> kEigenschaftAnteile = {0.3, 0.5, 0.2};
constexpr std::array<double, 3> kCharakterAnteile = {0.3, 0.5, 0.2};
// Players per position 1..10 in a squad of 24.
constexpr std::array<int, 10> kPositionsQuoten = {2, 2, 4, 2, 2, 2, 2, 2, 2, 4};
constexpr int kKaderGroesse = 24;

int Rand() { return App().random->Rand(); }

template <size_t N>
std::array<int, N> Quoten(int gesamt, const std::array<double, N>& anteile) {
    std::array<int, N> q{};
    for (size_t i = 0; i < N; ++i) q[i] = int(gesamt * anteile[i]);
    return q;
}

template <size_t N>
int Summe(const std::array<int, N>& q) {
    int s = 0;
    for (int v : q) s += v;
    return s;
}

// Draws values until one whose quota is not used up comes, and lowers that
// quota. When every quota is used up already, the first draw is taken (its
// quota goes below 0): drawing on could never end.
template <size_t N, class Draw, class Slot>
int Ziehe(std::array<int, N>& quoten, Draw draw, Slot slot) {
    const bool frei = std::any_of(quoten.begin(), quoten.end(), [](int q) { return q > 0; });
    int wert = draw();
    while (frei && quoten[size_t(slot(wert))] <= 0) wert = draw();
    --quoten[size_t(slot(wert))];
    return wert;
}

bool IstTorwartVerboten(int q) { return q == 5 || (q >= 7 && q <= 14); }

}  // namespace

// ---------------------------------------------------------------- creation

bool CLand::CreateBonusLandFrom(const CLand* leiher, int land, int nation, int haarfarbe, int hautfarbe, int gelbSperre,
                                int ligaGroesse, int superCup, int pokal, int absteiger, int wappenWahl) {
    AppState& app = App();
    ClearContents();
    ligaGroesse_ = ligaGroesse;
    gelbSperre_ = gelbSperre;
    absteiger_ = absteiger;
    superCup_ = superCup;
    bonusPredefined_ = wappenWahl;
    bonusLand_ = 2;
    countryIndex_ = land;
    const size_t slot = size_t(std::clamp(land, 0, kLaenderSlots - 1));
    const CountryCounts counts = app.countryCounts[slot];
    leagueCount_ = app.LigaAnzahl[slot];
    clubCount_ = std::clamp(counts.clubs, 0, kMaxVereine);
    if (leiher) {
        reserve1_ = leiher->reserve1_;
        reserve2_ = leiher->reserve2_;
        reserve3_ = leiher->reserve3_;
    } else {
        reserve1_ = 3;
        reserve2_ = 3;
        reserve3_ = 1;
    }
    SuperCup(superCup);
    Pokal(pokal);
    ResizeAmateurClubs(land);

    // Clubs: the lender's k-th club (stadium, squad and all) when it has one.
    for (int k = 1; k <= clubCount_; ++k) {
        auto stadion = std::make_unique<CStadion>();
        auto verein = std::make_unique<CVerein>(-1);
        const CVerein* quelle =
            leiher && size_t(k) <= leiher->vereinsListe_.size() ? leiher->vereinsListe_[size_t(k - 1)].get() : nullptr;
        if (quelle && quelle->Stadion()) stadion->CopyDataFrom(*quelle->Stadion());
        verein->Stadion(std::move(stadion));
        verein->CreateBonusVereinFrom(quelle, nation, haarfarbe, hautfarbe);
        if (!verein->Stadion()) verein->Stadion(std::make_unique<CStadion>());
        verein->LandNr(land);
        verein->VereinsNummer(k);
        vereinsListe_.push_back(std::move(verein));
    }

    // Youth players: the lender's first, the others by position quotas.
    std::array<int, 10> quoten = Quoten(counts.youthPlayers, kJugendAnteile);
    if (Summe(quoten) < counts.youthPlayers) quoten[9] += counts.youthPlayers - Summe(quoten);
    if (!leiher) app.random->Seed(uint32_t(std::time(nullptr)));
    for (int k = 0; k < counts.youthPlayers; ++k) {
        auto spieler = std::make_unique<CAmateurJugendSpieler>();
        if (leiher && size_t(k) < leiher->jugend_.size() && leiher->jugend_[size_t(k)]) {
            const CAmateurJugendSpieler& q = *leiher->jugend_[size_t(k)];
            spieler->Vorname(q.Vorname());
            spieler->Nachname(q.Nachname());
            spieler->VereinNr(q.VereinNr());
            spieler->Position(q.Position());
        } else {
            spieler->VereinNr(0);
            spieler->Position(Ziehe(quoten, [] { return Rand() % 10; }, [](int p) { return p; }));
        }
        jugend_.push_back(std::move(spieler));
    }

    // Staff and people: copies of the lender's records at the same position while it has them.
    auto fuelle = [&](auto& liste, const auto* vorlage, int anzahl, auto neu) {
        for (int i = 0; i < anzahl; ++i) {
            using T = typename std::decay_t<decltype(liste)>::value_type::element_type;
            if (vorlage && size_t(i) < vorlage->size() && (*vorlage)[size_t(i)])
                liste.push_back(std::make_unique<T>(*(*vorlage)[size_t(i)]));
            else
                liste.push_back(neu());
        }
    };
    fuelle(trainer_, leiher ? &leiher->trainer_ : nullptr, counts.coaches, [&] {
        auto t = std::make_unique<CTrainerUndCo>();
        if (!leiher) t->Ruf(Rand() % CTrainerUndCo::kRufAnzahl);
        return t;
    });
    fuelle(twTrainer_, leiher ? &leiher->twTrainer_ : nullptr, counts.goalkeeperCoaches,
           [] { return std::make_unique<CTWTrainer>(); });
    fuelle(manager_, leiher ? &leiher->manager_ : nullptr, counts.managers, [] { return std::make_unique<CManager>(); });
    fuelle(schiris_, leiher ? &leiher->schiris_ : nullptr, counts.referees, [] {
        auto s = std::make_unique<CNSchiri>();
        s->SchiriVerein(0);
        s->Haerte(Rand() % (CNSchiri::kMaxHaerte + 1));
        return s;
    });
    fuelle(sponsoren_, leiher ? &leiher->sponsoren_ : nullptr, counts.sponsors,
           [] { return std::make_unique<CSponsor>(); });
    fuelle(promis_, leiher ? &leiher->promis_ : nullptr, counts.celebrities, [&] {
        auto p = std::make_unique<CPromi>();
        if (!vereinsListe_.empty()) p->Lieblingsverein(Rand() % int(vereinsListe_.size()));
        return p;
    });
    const Owned<CReporter>* keineReporter = nullptr;
    const Owned<CKritiker>* keineKritiker = nullptr;
    fuelle(reporter_, keineReporter, counts.reporters, [] { return std::make_unique<CReporter>(); });
    fuelle(kritiker_, keineKritiker, counts.critics, [] { return std::make_unique<CKritiker>(); });

    // Leagues: consecutive club numbers from 1, then the clubs left over.
    int naechster = 1;
    const int ligen = std::clamp(app.LigaAnzahl[slot], 0, kLeagueSizeSlots - 1);
    for (int j = 0; j < ligen; ++j) {
        auto liga = std::make_unique<CLiga>();
        liga->Name(kLigaNamen[size_t(j) % kLigaNamen.size()]);
        const int groesse = std::clamp(app.leagueSizes[slot][size_t(j)], 0, clubCount_ - naechster + 1);
        for (int i = 0; i < groesse; ++i) liga->ClubNumber(i, naechster++);
        liga->Size(groesse);
        app.leagueSizes[slot][size_t(j)] = groesse;
        liga->CreateDefaultSpielplan();
        ligen_.push_back(std::move(liga));
    }
    // The league of the clubs left over is always there, as after reading the
    // country back, even when it holds no club.
    auto rest = std::make_unique<CLiga>();
    int restGroesse = 0;
    while (naechster <= clubCount_ && restGroesse < kMaxLigaGroesse) rest->ClubNumber(restGroesse++, naechster++);
    rest->Size(restGroesse);
    app.leagueSizes[slot][size_t(ligen)] = restGroesse;
    ligen_.push_back(std::move(rest));

    SpielerEigenschaftenVerteilen();
    for (auto& verein : vereinsListe_) CVerein::RueckenNrEinstellen(verein->SpielerListe());
    if (!leiher) CreateNationalTeam();
    return true;
}

void CLand::SpielerEigenschaftenVerteilen() {
    const int n = kKaderGroesse * int(vereinsListe_.size());
    auto faehigkeiten = Quoten(n, kFaehigkeitAnteile);
    auto eigenschaften = Quoten(n, kEigenschaftAnteile);
    auto charakter = Quoten(n, kCharakterAnteile);
    if (Summe(faehigkeiten) < n) faehigkeiten.back() += n - Summe(faehigkeiten) + 1;
    if (Summe(eigenschaften) < n) eigenschaften.back() += n - Summe(eigenschaften) + 1;
    if (Summe(charakter) < n) charakter.back() += n - Summe(charakter) + 1;
    App().random->Seed(uint32_t(std::time(nullptr)));

    for (auto& verein : vereinsListe_) {
        if (!verein) continue;
        auto& kader = verein->SpielerListe();
        std::array<int, 10> positionen = kPositionsQuoten;
        if (kader.size() > size_t(kKaderGroesse)) positionen[0] = int(kader.size()) - 22;
        for (auto& spieler : kader) {
            if (!spieler || spieler->Geladen() != 0) continue;
            CSpieler& s = *spieler;
            const auto modulo = [](int m) { return [m](int wert) { return wert % m; }; };
            s.Hauptposition(Ziehe(positionen, [] { return Rand() % 10; }, modulo(10)) + 1);
            const bool torwart = s.Hauptposition() == 1;

            const int anzahlF = Ziehe(faehigkeiten, [] { return Rand() % 4; }, modulo(4));
            for (int i = 0; i < anzahlF; ++i) {
                const int k = torwart ? Rand() % 9 + 1 : Rand() % 16 + 1;
                s.Faehigkeit(k, Rand() % 100 < 70 ? 1 : -1);
            }
            const int anzahlE = Ziehe(eigenschaften, [] { return Rand(); }, modulo(3)) % 3;
            for (int i = 0; i < anzahlE; ++i) {
                int q = Rand() % 16;
                while (torwart && IstTorwartVerboten(q)) q = Rand() % 16;
                s.Eigenschaft(q + 1, 1);
            }
            const int anzahlC = Ziehe(charakter, [] { return Rand(); }, modulo(3)) % 3;
            for (int i = 0; i < anzahlC; ++i) s.Charakter(Rand() % 16 + 1, 1);
            s.Geladen(1);
        }
    }
}

// ---------------------------------------------------------------- storage

bool CLand::SpeichernV3LocalizedBonus(CV3File& file, int sprache, const std::string& directory) {
    const AppState& app = App();
    const int land = countryIndex_;
    if (land < kBonusLandIndex || land >= kLaenderSlots) return false;
    bool ok = file.NewSection("BONUSLAND");
    ok = file.PutInt(gelbSperre_) && ok;
    ok = file.PutInt(ligaGroesse_) && ok;
    ok = file.PutInt(absteiger_) && ok;
    ok = file.PutLng(int32_t((uint32_t(pokal_) << 16) | (uint32_t(superCup_) & 0xFFFFu))) && ok;
    ok = file.PutInt(land) && ok;
    ok = file.PutInt(app.NationNummer[size_t(land)]) && ok;
    ok = file.PutInt(bonusPredefined_) && ok;
    const bool vordefiniert = bonusPredefined_ >= 0 && bonusPredefined_ < kVordefinierteBonusNationen;
    ok = file.PutStr(vordefiniert ? BonusKartenDatei(bonusPredefined_) : app.BonusKarteDatei) && ok;
    ok = file.PutStr(vordefiniert ? BonusFlaggenDatei(bonusPredefined_) : app.BonusWappenDatei) && ok;

    ok = file.PutStr(pokalName_) && ok;
    // The league list holds the leagues and the league of the clubs in none.
    if (int64_t(ligen_.size()) != int64_t(leagueCount_) + 1) leagueCount_ = app.LigaAnzahl[size_t(land)];
    clubCount_ = int32_t(vereinsListe_.size());
    ok = file.PutInt(leagueCount_) && ok;
    ok = file.PutInt(clubCount_) && ok;
    ok = file.PutInt(reserve1_) && ok;
    ok = file.PutInt(reserve2_) && ok;
    ok = file.PutInt(reserve3_) && ok;
    ok = WriteBody(file, sprache) && ok;
    ok = WriteLeagueFiles(sprache, directory, kBonusLigaZeile) && ok;
    return file.EndSection(1) && ok;
}

bool CLand::LadenV3LocalizedBonus(CV3File& file, int sprache, const std::string& directory,
                                  const BonusSlotSetup& slotEinrichten) {
    AppState& app = App();
    const int land = app.AktuellesLand;
    countryIndex_ = land;
    ClearContents();
    std::string bericht;
    auto fehler = [&](const std::string& text) {
        app.ui->MessageBox("Konnte Datei nicht \xC3\xB6" "ffnen!\n" + text, "Lesefehler", MsgButtons::Ok,
                           MsgIcon::Stop);
        return false;
    };
    const std::string datei = Cp1252ToUtf8(file.FileName());
    if (!file.FindSection("BONUSLAND")) return fehler("Das Bonusland fehlt in Datei " + datei + ".\n");

    file.GetInt(gelbSperre_);
    file.GetInt(ligaGroesse_);
    file.GetInt(absteiger_);
    uint32_t pokalUndSuperCup = 0;
    file.GetULng(pokalUndSuperCup);
    superCup_ = int32_t(pokalUndSuperCup & 0xFFFFu);
    pokal_ = int32_t(pokalUndSuperCup >> 16);
    int index = -1, nation = -1;
    file.GetInt(index);
    file.GetInt(nation);
    file.GetInt(bonusPredefined_);
    std::string karte, wappen;
    file.GetStr(karte);
    file.GetStr(wappen);
    // Only the one bonus slot exists, and it must stand for a national team.
    if (index != land || land != kBonusLandIndex || nation <= 0 || nation >= kAnzahlNationen)
        return fehler("Das Bonusland (Land " + std::to_string(index) + ", Nation " + std::to_string(nation) +
                      ") in Datei " + datei + " ist besch\xC3\xA4" "digt.\n");
    if (bonusPredefined_ >= 0 && bonusPredefined_ < kVordefinierteBonusNationen) {
        app.BonusKarteDatei.clear();
        app.BonusWappenDatei.clear();
    } else {
        app.BonusKarteDatei = karte;
        app.BonusWappenDatei = wappen;
    }
    bonusLand_ = 2;

    // The slot is set up as the creation sets it, before the pools are read
    // with its sizes.
    if (slotEinrichten) slotEinrichten(nation, ligaGroesse_);

    file.GetStr(pokalName_);
    file.GetInt(leagueCount_);
    int vereine = 0;
    if (!ReadCount(file, vereine, 0, kMaxVereine, "BONUSLAND"))
        return fehler(Cp1252ToUtf8(file.FileName()) + "\n");
    file.GetInt(reserve1_);
    file.GetInt(reserve2_);
    file.GetInt(reserve3_);
    app.countryCounts[size_t(land)].clubs = vereine;
    ResizeAmateurClubs(land);
    ReadClubs(file, sprache, vereine);
    ReadBody(file, sprache);

    const int ligen = app.LigaAnzahl[size_t(land)];
    ReadLeagueFiles(sprache, directory, kBonusLigaZeile, ligen, bericht);
    BuildExtraLeague(ligen);
    file.EndSection(1);
    if (!bericht.empty()) return fehler(bericht);
    return true;
}

}  // namespace v3
