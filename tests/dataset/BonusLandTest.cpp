// The bonus country on a small world built in memory: the nations offered,
// the dialog's checks, creation with and without a lending country (quotas and
// attribute distribution with a fixed seed), the crests, replacing and
// removing, the tournament block, its storage in "Bonus1.sav" and the refused
// bonus counts. The full installation is in BonusDemoTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>

#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/BonusLand.h"
#include "dataset/DataSet.h"
#include "dataset/DefaultWappen.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/Bmp.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/EigenerFangesang.h"
#include "records/Fangesang.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/ParticipantLookup.h"
#include "records/Stadion.h"
#include "records/TurnierGruppe.h"
#include "records/V3File.h"
#include "records/Verein.h"

namespace fs = std::filesystem;
using namespace v3;
using v3test::ReadBytes;
using v3test::WriteBytes;

namespace {

// The classic generator with a fixed seed; seeding from the clock is ignored
// so that every run draws the same numbers.
class FixedRandom : public IRandom {
public:
    int Rand() override { return int(gen_() >> 17); }
    void Seed(uint32_t) override {}

private:
    std::mt19937 gen_{4711};
};

class Teilnehmer : public ParticipantLookup {
public:
    int NationCount() const override { return int(Daten().NationenListe.size()); }
    const CNation* Nation(int nr) const override { return Daten().NationenListe[size_t(nr)].get(); }
    int ClubCount(int land) const override {
        return size_t(land) < Daten().AlleLaender.size() ? int(Daten().AlleLaender[size_t(land)]->VereinsListe().size())
                                                           : 0;
    }
};

constexpr int kBelgien = 6;   // the national team of country 11
constexpr int kUSA = 71;      // predefined bonus nation 1, outside Europe
constexpr int kKanada = 74;   // outside Europe, not predefined, not tournament-free
constexpr int kAlbanien = 2;  // European, no country of its own: not offered
constexpr int kBelgienVereine = 8;

const std::string kMeldungLand = "Bitte zuerst ein Land aus der Liste wählen!";
const std::string kMeldungWappen = "Bitte zuerst eine Datei für das Standardwappen des Landes auswählen!";
const std::string kMeldungKarte = "Bitte zuerst eine Datei für die Karte des Landes auswählen!";
const std::string kMeldungGroesse = "Bitte wählen Sie eine Ligagröße!";
const std::string kMeldungGelb = "Bitte wählen Sie eine Gelbsperre aus!";
const std::string kMeldungVordefWappen =
    "Die vordefinierten Wappen können nur für ein vordefiniertes Bonusland ausgewählt werden!";
const std::string kMeldungVordefKarten =
    "Die vordefinierten Karten können nur für ein vordefiniertes Bonusland ausgewählt werden!";
const std::string kMeldungPassend = "Die ausgewählten Wappen/Flaggen müssen übereinstimmen!";
const std::string kMeldungHaar = "Bitte wählen Sie zuerst eine vorherrschende Haarfarbe aus der Liste!";
const std::string kMeldungHaut = "Bitte wählen Sie zuerst eine vorherrschende Hautfarbe aus der Liste!";
const std::string kMeldungPokal = "Bitte wählen sie einen Modus für den Pokalwettbewerb aus der Liste!";

class BonusLandTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->SetRandom(&rng);
        state->installDir = dir.path();
        fs::create_directories(dir.path() / "DATA.V3" / "Wappen");
        BaueWelt();
    }

    // 117 nations, 37 countries with a first league of their clubs: Belgium
    // 8 clubs of 20 players, every other country 2 clubs.
    void BaueWelt() {
        DataSet& d = Daten();
        for (int nr = 0; nr < kAnzahlNationen; ++nr) {
            auto n = std::make_unique<CNation>();
            n->Name("Nation" + std::to_string(nr));
            n->Nr(nr);
            d.NationenListe.push_back(std::move(n));
        }
        d.NationenListe[kBelgien]->Name("Belgien");
        d.NationenListe[kUSA]->Name("USA");
        d.NationenListe[kUSA]->NationWertA(2);
        d.NationenListe[kKanada]->Name("Kanada");
        d.NationenListe[kKanada]->NationWertA(2);
        for (int l = 0; l < kFesteLaender; ++l) {
            state->AktuellesLand = l;
            auto land = std::make_unique<CLand>();
            land->CountryIndex(l);
            const int vereine = l == 11 ? kBelgienVereine : 2;
            auto liga = std::make_unique<CLiga>();
            for (int k = 1; k <= vereine; ++k) {
                auto v = std::make_unique<CVerein>(k);
                v->Name((l == 11 ? "Belgier " : "Verein ") + std::to_string(k));
                v->LandNr(l);
                v->Stadion(std::make_unique<CStadion>());
                CVerein::Kader kader;
                for (int s = 0; s < 20; ++s) {
                    auto sp = std::make_unique<CSpieler>();
                    sp->Nationalitaet(state->NationNummer[size_t(l)]);
                    sp->Geladen(1);
                    kader.push_back(std::move(sp));
                }
                v->SpielerListe(std::move(kader));
                land->VereinsListe().push_back(std::move(v));
                liga->ClubNumber(k - 1, k);
            }
            liga->Size(vereine);
            land->Ligen().push_back(std::move(liga));
            land->Ligen().push_back(std::make_unique<CLiga>());
            land->LandReserve1(l);
            d.AlleLaender.push_back(std::move(land));
        }
        state->AktuellesLand = 0;
    }

    static BonusLandAuswahl Gueltig(int nation, int vordefiniert) {
        BonusLandAuswahl a;
        a.nation = nation;
        a.wappen = a.karte = vordefiniert;
        a.gelbSperre = 0;
        a.ligaGroesse = 0;
        return a;
    }
    CLand& Bonus() { return *Daten().AlleLaender.at(size_t(kBonusLandIndex)); }
    fs::path P(const std::string& rel) const { return dir.path() / rel; }
    void Write(const std::string& rel, const std::string& bytes) {
        fs::create_directories(P(rel).parent_path());
        WriteBytes(P(rel), bytes);
    }
    bool HasMessage(const std::string& part) const {
        for (const auto& m : ui.messages)
            if (m.text.find(part) != std::string::npos) return true;
        return false;
    }

    v3test::TempDir dir;
    ScopedAppState state;
    ScriptedUserInterface ui;
    FixedRandom rng;
};

TEST_F(BonusLandTest, OffersTheFurtherCountriesTheMarkedNationsAndTheBonusNation) {
    auto nummern = [] {
        std::vector<int> n;
        for (const auto& e : BonusNationenListe()) n.push_back(e.nation);
        return n;
    };
    const auto liste = BonusNationenListe();
    ASSERT_FALSE(liste.empty());
    EXPECT_EQ(liste.back().nation, 0);
    EXPECT_EQ(liste.back().name, "Kein");
    const auto n = nummern();
    auto hat = [&](const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); };
    EXPECT_TRUE(hat(n, kBelgien));
    EXPECT_TRUE(hat(n, 77));  // Jugoslawien, country 36
    EXPECT_TRUE(hat(n, kUSA));
    EXPECT_TRUE(hat(n, kKanada));
    EXPECT_FALSE(hat(n, 14));  // a main country's team
    EXPECT_FALSE(hat(n, kAlbanien));
    EXPECT_EQ(std::count(n.begin(), n.end(), 0), 1);
    EXPECT_EQ(n.size(), size_t(26 + 2 + 1));

    // While Belgium lends its team its own entry is -1; it stays offered as the bonus nation.
    ASSERT_TRUE(BonusLandUebernehmen(Gueltig(kBelgien, 0)));
    EXPECT_TRUE(hat(nummern(), kBelgien));
    // A nation that is not offered is refused and changes nothing.
    EXPECT_FALSE(BonusLandUebernehmen(Gueltig(14, 0)));
    EXPECT_EQ(state->BonusNation, kBelgien);
}

TEST_F(BonusLandTest, ChecksTheDialogValuesInOrder) {
    BmpImage bild = BmpImage::Blank(32, 32, 8);
    const std::string gut = WriteBmp(bild);
    Write("wappen/gut.bmp", gut);
    Write("wappen/klein.bmp", WriteBmp(BmpImage::Blank(16, 16, 8)));
    Write("wappen/bunt.bmp", WriteBmp(BmpImage::Blank(32, 32, 24)));
    std::string gepackt = gut;
    gepackt[30] = 1;  // compression
    Write("wappen/gepackt.bmp", gepackt);
    Write("wappen/kurz.bmp", gut.substr(0, 1000));
    Write("wappen/text.bmp", "Dies ist kein Bild, nur Text.............................................");
    static const char kJpeg[] = "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\xFF\xC0\x00\x11";
    Write("karte/gut.jpg", std::string(kJpeg, sizeof kJpeg - 1));
    Write("karte/falsch.jpg", "GIF89a");

    auto eigene = [&](const std::string& wappen, const std::string& karte) {
        BonusLandAuswahl a = Gueltig(kKanada, kEigeneDatei);
        a.wappenDatei = P(wappen).string();
        a.karteDatei = P(karte).string();
        return a;
    };
    BonusLandAuswahl nichts;
    nichts.haarfarbe = nichts.hautfarbe = nichts.pokal = kKeineWahl;
    BonusLandAuswahl kein = nichts;
    kein.nation = 0;
    BonusLandAuswahl gemischt = Gueltig(kUSA, 1);
    gemischt.karte = 2;
    BonusLandAuswahl eigenesWappen = Gueltig(kUSA, 1);
    eigenesWappen.wappen = kEigeneDatei;
    eigenesWappen.wappenDatei = P("wappen/gut.bmp").string();

    struct Case {
        const char* name;
        BonusLandAuswahl a;
        std::vector<std::string> meldungen;
    };
    const std::vector<Case> cases = {
        {"valid predefined", Gueltig(kUSA, 1), {}},
        {"neutral pictures for a predefined nation", Gueltig(kBelgien, 8), {}},
        {"valid own files", eigene("wappen/gut.bmp", "karte/gut.jpg"), {}},
        {"Kein skips everything", kein, {}},
        {"nothing chosen",
         nichts,
         {kMeldungLand, kMeldungWappen, kMeldungKarte, kMeldungGroesse, kMeldungGelb, kMeldungHaar, kMeldungHaut,
          kMeldungPokal}},
        {"predefined pictures for another nation", Gueltig(kKanada, 1), {kMeldungVordefWappen, kMeldungVordefKarten}},
        {"crest and map of different nations", gemischt, {kMeldungPassend}},
        {"own crest with a predefined map", eigenesWappen, {kMeldungPassend}},
        {"missing crest file", eigene("wappen/fehlt.bmp", "karte/gut.jpg"), {kMeldungWappen}},
        {"not a bitmap", eigene("wappen/text.bmp", "karte/gut.jpg"), {"Kein Bitmap-File!"}},
        {"compressed", eigene("wappen/gepackt.bmp", "karte/gut.jpg"),
         {"Der Editor kann keine gepackten Bitmap-Files laden!"}},
        {"24 bits", eigene("wappen/bunt.bmp", "karte/gut.jpg"), {"Die Grafik liegt nicht im 256 Farben-Format vor!"}},
        {"16 x 16", eigene("wappen/klein.bmp", "karte/gut.jpg"), {"Die Grafik hat eine andere Größe als 32*32 Pixel!"}},
        {"pixels missing", eigene("wappen/kurz.bmp", "karte/gut.jpg"), {"Kein Bitmap-File!"}},
        {"map not a JPEG", eigene("wappen/gut.bmp", "karte/falsch.jpg"), {kMeldungKarte}},
    };
    for (const auto& c : cases) EXPECT_EQ(PruefeBonusLandAuswahl(c.a), c.meldungen) << c.name;

    // The dialog may decide about the map with its own picture loader.
    EXPECT_TRUE(PruefeBonusLandAuswahl(eigene("wappen/gut.bmp", "karte/falsch.jpg"), [](const std::string&) {
                    return true;
                }).empty());
}

TEST_F(BonusLandTest, BelgiumLendsItsTeamAndItsClubs) {
    const CLand& belgien = *Daten().AlleLaender[11];
    BonusLandAuswahl a = Gueltig(kBelgien, 0);
    a.ligaGroesse = 2;  // 16 clubs
    a.haarfarbe = 1;
    a.pokal = 1;
    a.absteiger = 3;
    a.superCup = 2;
    ASSERT_TRUE(BonusLandUebernehmen(a));

    ASSERT_EQ(Daten().AlleLaender.size(), 38u);
    EXPECT_EQ(state->NationNummer[11], -1);
    EXPECT_EQ(belgien.BonusLand(), 1);
    EXPECT_EQ(state->BonusQuellLand, 11);
    EXPECT_EQ(state->BonusNation, kBelgien);
    EXPECT_EQ(state->BonusLandIndex, 37);
    EXPECT_EQ(state->NationNummer[37], kBelgien);
    EXPECT_EQ(NationNr(kBelgien), 37);
    EXPECT_EQ(state->Laendername[37], "Belgien");
    EXPECT_EQ(state->Laenderkuerzel[37], "Bel");
    EXPECT_EQ(state->LigaAnzahl[37], 1);

    CLand& b = Bonus();
    EXPECT_EQ(b.BonusLand(), 2);
    EXPECT_EQ(b.CountryIndex(), 37);
    EXPECT_EQ(b.LigaGroesse(), 16);
    EXPECT_EQ(b.Pokal(), 2);
    EXPECT_EQ(b.SuperCup(), 2);
    EXPECT_EQ(b.Absteiger(), 3);
    EXPECT_EQ(b.BonusPredefined(), 0);
    EXPECT_EQ(b.LandReserve1(), 11);  // copied from the lender
    ASSERT_EQ(b.VereinsListe().size(), 26u);
    for (int k = 1; k <= 26; ++k) {
        const CVerein& v = *b.VereinsListe()[size_t(k - 1)];
        EXPECT_EQ(v.VereinsNummer(), k);
        EXPECT_EQ(v.LandNr(), 37);
        ASSERT_NE(v.Stadion(), nullptr);
        if (k <= kBelgienVereine) {
            // A copy of the lender's club; its players keep their attributes.
            const CVerein& q = *belgien.VereinsListe()[size_t(k - 1)];
            EXPECT_EQ(v.Name(), q.Name());
            ASSERT_EQ(v.SpielerListe().size(), q.SpielerListe().size());
            for (size_t i = 0; i < v.SpielerListe().size(); ++i) {
                const CSpieler& s = *v.SpielerListe()[i];
                EXPECT_EQ(s.Nationalitaet(), kBelgien);
                EXPECT_EQ(s.FaehigkeitPlus(), q.SpielerListe()[i]->FaehigkeitPlus());
                EXPECT_EQ(s.Hauptposition(), q.SpielerListe()[i]->Hauptposition());
            }
        } else {
            EXPECT_EQ(v.SpielerListe().size(), 24u);
        }
    }
    // One league of 16 clubs with its fixtures, the rest in the league of the others.
    ASSERT_EQ(b.Ligen().size(), 2u);
    EXPECT_EQ(b.Ligen()[0]->Size(), 16);
    EXPECT_EQ(b.Ligen()[0]->Name(), "1. Liga");
    EXPECT_EQ(b.Ligen()[0]->ClubNumber(15), 16);
    EXPECT_NE(b.Ligen()[0]->Fixture(0, 0), 0);
    EXPECT_EQ(b.Ligen()[1]->Size(), 10);
    EXPECT_EQ(b.Ligen()[1]->ClubNumber(0), 17);
    EXPECT_EQ(state->leagueSizes[37][0], 16);
    EXPECT_EQ(state->leagueSizes[37][1], 10);
    // Pools of a bonus country; a lender passes its (empty) media pools.
    EXPECT_EQ(b.YouthPlayers().size(), 400u);
    EXPECT_EQ(b.Coaches().size(), 40u);
    EXPECT_EQ(b.Referees().size(), 40u);
    EXPECT_EQ(b.AmateurVereine().size(), 40u);
    EXPECT_EQ(b.Reporters().size(), 0u);
    EXPECT_EQ(b.Critics().size(), 0u);
}

TEST_F(BonusLandTest, NewPlayersFollowTheQuotas) {
    BonusLandAuswahl a = Gueltig(kUSA, 1);
    a.haarfarbe = 4;
    a.hautfarbe = 2;
    ASSERT_TRUE(BonusLandUebernehmen(a));
    CLand& b = Bonus();
    EXPECT_EQ(state->BonusQuellLand, -1);
    EXPECT_EQ(state->Laenderkuerzel[37], "");
    ASSERT_EQ(b.VereinsListe().size(), 18u);  // a league of 12 clubs
    EXPECT_EQ(b.Ligen()[0]->Size(), 12);
    EXPECT_EQ(b.Ligen()[1]->Size(), 6);
    EXPECT_EQ(b.LandReserve1(), 3);
    EXPECT_EQ(b.LandReserve3(), 1);

    // Youth players by the position shares of 400.
    std::map<int, int> jugend;
    for (const auto& j : b.YouthPlayers()) {
        EXPECT_EQ(j->VereinNr(), 0);
        ++jugend[j->Position()];
    }
    EXPECT_EQ(jugend, (std::map<int, int>{{0, 36}, {1, 36}, {2, 56}, {3, 36}, {4, 36}, {5, 36}, {6, 36},
                                         {7, 36}, {8, 36}, {9, 56}}));

    // Positions per squad, and the country-wide quotas of 432 players: a player
    // who drew one or more abilities, properties or traits has at least one.
    int ohneFaehigkeit = 0, ohneEigenschaft = 0, ohneCharakter = 0, andereHaare = 0, andereHaut = 0;
    int national = 0;
    for (const auto& v : b.VereinsListe()) {
        std::map<int, int> positionen;
        std::set<int> nummern;
        for (const auto& sp : v->SpielerListe()) {
            const CSpieler& s = *sp;
            EXPECT_EQ(s.Geladen(), 1);
            EXPECT_EQ(s.Nationalitaet(), kUSA);
            ++positionen[s.Hauptposition()];
            EXPECT_TRUE(nummern.insert(s.RueckenNummer()).second);
            EXPECT_GT(s.RueckenNummer(), 0);
            const uint32_t faehig = s.FaehigkeitPlus() | s.FaehigkeitMinus();
            ohneFaehigkeit += faehig == 0;
            ohneEigenschaft += s.Eigenschaft() == 0;
            ohneCharakter += s.Charakter() == 0;
            andereHaare += s.Haarfarbe() != 4;
            andereHaut += s.Hautfarbe() != 2;
            national += (s.NationalSpieler() & CSpieler::kImNationalkader) != 0;
            if (s.Hauptposition() == 1) {
                for (int k = 10; k <= 16; ++k) EXPECT_EQ(s.Faehigkeit(k), 0) << "keeper ability " << k;
                for (int e : {6, 8, 9, 10, 11, 12, 13, 14, 15}) EXPECT_FALSE(s.Eigenschaft(e)) << "keeper property " << e;
            }
        }
        EXPECT_EQ(positionen, (std::map<int, int>{{1, 2}, {2, 2}, {3, 4}, {4, 2}, {5, 2}, {6, 2}, {7, 2},
                                                 {8, 2}, {9, 2}, {10, 4}}));
    }
    // 0.2 * 432 = 86 players without abilities, 0.3 * 432 = 129 without
    // properties and traits; the quotas hold one place more than there are
    // players, so one of them may stay unused.
    EXPECT_TRUE(ohneFaehigkeit == 86 || ohneFaehigkeit == 85) << ohneFaehigkeit;
    EXPECT_TRUE(ohneEigenschaft == 129 || ohneEigenschaft == 128) << ohneEigenschaft;
    EXPECT_TRUE(ohneCharakter == 129 || ohneCharakter == 128) << ohneCharakter;
    // About 2 in 100 look different.
    EXPECT_GT(andereHaare, 0);
    EXPECT_LT(andereHaare, 30);
    EXPECT_GT(andereHaut, 0);
    EXPECT_LT(andereHaut, 30);
    EXPECT_EQ(national, 22);

    // The people a country without a lender gets.
    EXPECT_EQ(b.Reporters().size(), 3u);
    EXPECT_EQ(b.Critics().size(), 3u);
    for (const auto& s : b.Referees()) EXPECT_EQ(s->SchiriVerein(), 0);
    for (const auto& p : b.Celebrities()) EXPECT_LT(p->Lieblingsverein(), 18);
}

TEST_F(BonusLandTest, MorePlayersThanQuotasStillEnds) {
    ASSERT_TRUE(BonusLandUebernehmen(Gueltig(kUSA, 1)));
    CLand& b = Bonus();
    // Forty more new players in one squad than the country's quotas hold.
    for (int i = 0; i < 40; ++i) b.VereinsListe()[0]->SpielerListe().push_back(std::make_unique<CSpieler>());
    for (const auto& v : b.VereinsListe())
        for (const auto& s : v->SpielerListe()) s->Geladen(0);
    b.SpielerEigenschaftenVerteilen();
    for (const auto& v : b.VereinsListe())
        for (const auto& s : v->SpielerListe()) EXPECT_EQ(s->Geladen(), 1);
}

TEST_F(BonusLandTest, CrestsComeFromTheLenderThenTheDefaultThenTheBuiltInCrest) {
    state->NationNummer[37] = kBelgien;
    state->Laenderkuerzel[37] = "Bel";
    Write("DATA.V3/Wappen/VW_bel1.BMP", "L1");
    Write("DATA.V3/Wappen/VW_bel3.BMP", "L3");
    Write("SUPPORT.GFX/bel.bmp", "DEF");
    const std::string v3dir = ".\\DATA.V3\\";
    auto bw = [&](int n) { return ReadBytes(P("DATA.V3/Wappen/BW_Bel" + std::to_string(n) + ".BMP")); };
    auto kopiere = [&](int quelle, const std::string& standard, int erzwingen = 0) {
        return CopyLaenderWappen(quelle, -1, 37, -1, 4, v3dir, v3dir, standard, erzwingen);
    };

    ASSERT_TRUE(kopiere(11, ".\\SUPPORT.GFX\\bel.bmp"));
    EXPECT_EQ(bw(1), "L1");
    EXPECT_EQ(bw(2), "DEF");
    EXPECT_EQ(bw(3), "L3");
    EXPECT_EQ(bw(4), "DEF");

    // An existing crest stays when its source is older, unless forced.
    const auto jetzt = fs::file_time_type::clock::now();
    fs::last_write_time(P("SUPPORT.GFX/bel.bmp"), jetzt - std::chrono::hours(1));
    WriteBytes(P("DATA.V3/Wappen/BW_Bel2.BMP"), "EDITED");
    ASSERT_TRUE(kopiere(-1, ".\\SUPPORT.GFX\\bel.bmp"));
    EXPECT_EQ(bw(2), "EDITED");
    ASSERT_TRUE(kopiere(-1, ".\\SUPPORT.GFX\\bel.bmp", 1));
    EXPECT_EQ(bw(2), "DEF");
    EXPECT_EQ(bw(1), "DEF");
    // A newer source replaces it.
    WriteBytes(P("DATA.V3/Wappen/BW_Bel2.BMP"), "EDITED");
    fs::last_write_time(P("DATA.V3/Wappen/BW_Bel2.BMP"), jetzt - std::chrono::hours(2));
    ASSERT_TRUE(kopiere(-1, ".\\SUPPORT.GFX\\bel.bmp"));
    EXPECT_EQ(bw(2), "DEF");

    // Without the default file the built-in crest is written where none is.
    fs::remove(P("DATA.V3/Wappen/BW_Bel4.BMP"));
    ASSERT_TRUE(kopiere(-1, ".\\SUPPORT.GFX\\fehlt.bmp"));
    EXPECT_EQ(bw(4), DefaultWappen());
    EXPECT_EQ(bw(1), "DEF");  // kept: the built-in crest counts as older
    EXPECT_TRUE(ui.messages.empty());

    // A folder in a crest's place ends the copying with the message.
    fs::remove(P("DATA.V3/Wappen/BW_Bel1.BMP"));
    fs::create_directories(P("DATA.V3/Wappen/BW_Bel1.BMP"));
    EXPECT_FALSE(kopiere(-1, ".\\SUPPORT.GFX\\bel.bmp"));
    EXPECT_TRUE(HasMessage("Fehler beim Speichern der Wappen!"));

    // Without a bonus nation, clubs or a default crest nothing is made.
    fs::remove_all(P("DATA.V3/Wappen"));
    EXPECT_FALSE(CopyLaenderWappen(-1, -1, 37, -1, 0, v3dir, v3dir, ".\\SUPPORT.GFX\\bel.bmp", 0));
    EXPECT_FALSE(CopyLaenderWappen(-1, -1, 37, -1, 4, v3dir, v3dir, "", 0));
    state->NationNummer[37] = -1;
    EXPECT_FALSE(CopyLaenderWappen(-1, -1, 37, -1, 4, v3dir, v3dir, ".\\SUPPORT.GFX\\bel.bmp", 0));
    EXPECT_FALSE(fs::exists(P("DATA.V3/Wappen/BW_Bel2.BMP")));
}

TEST_F(BonusLandTest, CreationMakesTheCrestsFromThePredefinedFlag) {
    Write("SUPPORT.GFX/usa.bmp", "STARS");
    ASSERT_TRUE(BonusLandUebernehmen(Gueltig(kUSA, 1)));
    for (int n = 1; n <= 18; ++n) EXPECT_EQ(ReadBytes(P("DATA.V3/Wappen/BW_" + std::to_string(n) + ".BMP")), "STARS");
}

TEST_F(BonusLandTest, ReplacingAndRemovingGiveTheLenderItsTeamBackAndDropTheBonusNationsEntries) {
    ASSERT_TRUE(BonusLandUebernehmen(Gueltig(kBelgien, 0)));
    DataSet& d = Daten();
    auto gesang = [](int nation) {
        auto c = std::make_unique<CFangesang>();
        c->Land(nation);
        return c;
    };
    d.FangesangListe.push_back(gesang(kBelgien));
    d.FangesangListe.push_back(gesang(14));
    d.FangesangListe.push_back(gesang(kBelgien));
    d.EigeneFangesangListe.push_back(std::make_unique<CEigenerFangesang>());
    d.EigeneFangesangListe.back()->Land(kBelgien);
    d.EigeneFangesangListe.push_back(std::make_unique<CEigenerFangesang>());
    d.EigeneFangesangListe.back()->Land(16);
    const Teilnehmer lookup;
    auto gruppe = std::make_unique<CChampionsLeagueGruppe>(1);
    ASSERT_TRUE(gruppe->SetTeilnehmer(0, kBelgien, 15, lookup));  // a club the lender does not have
    ASSERT_TRUE(gruppe->SetTeilnehmer(1, kBelgien, 3, lookup));   // a number the lender's club has
    ASSERT_TRUE(gruppe->SetTeilnehmer(2, 14, 1, lookup));
    ASSERT_TRUE(gruppe->SetTeilnehmer(3, 16, 2, lookup));
    d.CLeagueListe.push_back(std::move(gruppe));

    // Replacing Belgium by the USA.
    ASSERT_TRUE(BonusLandUebernehmen(Gueltig(kUSA, 1)));
    EXPECT_EQ(state->NationNummer[11], kBelgien);
    EXPECT_EQ(d.AlleLaender[11]->BonusLand(), 0);
    EXPECT_EQ(state->BonusQuellLand, -1);
    EXPECT_EQ(state->BonusNation, kUSA);
    EXPECT_EQ(d.AlleLaender.size(), 38u);
    ASSERT_EQ(d.FangesangListe.size(), 1u);
    EXPECT_EQ(d.FangesangListe[0]->Land(), 14);
    ASSERT_EQ(d.EigeneFangesangListe.size(), 1u);
    EXPECT_EQ(d.EigeneFangesangListe[0]->Land(), 16);
    const CChampionsLeagueGruppe& g = *d.CLeagueListe[0];
    EXPECT_EQ(g.NationNr(1), kBelgien);
    EXPECT_EQ(g.TeamNr(1), 3);
    EXPECT_EQ(g.NationNr(2), 14);
    EXPECT_EQ(g.NationNr(3), 16);
    // The drawn club plays in the first league of one of the 37 countries and in no other place.
    const int land = NationNr(g.NationNr(0));
    ASSERT_GE(land, 0);
    ASSERT_LT(land, 37);
    const CLiga& erste = *d.AlleLaender[size_t(land)]->Ligen()[0];
    bool inLiga = false;
    for (int i = 0; i < erste.Size(); ++i) inLiga = inLiga || erste.ClubNumber(i) == g.TeamNr(0);
    EXPECT_TRUE(inLiga);
    for (int i = 1; i < 4; ++i)
        EXPECT_FALSE(g.NationNr(i) == g.NationNr(0) && g.TeamNr(i) == g.TeamNr(0));

    // "Kein" removes it and resets the slot; a second "Kein" only resets.
    for (int runde = 0; runde < 2; ++runde) {
        BonusLandAuswahl kein;
        kein.nation = 0;
        ASSERT_TRUE(BonusLandUebernehmen(kein));
        EXPECT_EQ(d.AlleLaender.size(), 37u);
        EXPECT_EQ(state->NationNummer[37], -1);
        EXPECT_EQ(state->BonusNation, -1);
        EXPECT_EQ(state->BonusLandIndex, -1);
        EXPECT_EQ(state->LigaAnzahl[37], 0);
        EXPECT_EQ(state->Laendername[37], "Fehler!");
        EXPECT_EQ(state->Laenderkuerzel[37], "");
        EXPECT_EQ(state->countryCounts[37], FixedCountryCounts(37));
        EXPECT_EQ(state->NationNummer[11], kBelgien);
    }
}

TEST_F(BonusLandTest, ATournamentOfTheBonusNationBlocksChanges) {
    BonusLandAuswahl kanada = Gueltig(kKanada, kEigeneDatei);
    ASSERT_TRUE(BonusLandUebernehmen(kanada));
    DataSet& d = Daten();
    const Teilnehmer lookup;
    d.EMGruppenListe.push_back(std::make_unique<CTurnierGruppe>(4));
    ASSERT_TRUE(d.EMGruppenListe[0]->SetTeilnehmer(0, kKanada, 0, lookup));
    EXPECT_NE(BonusLandTurnierSperre().find("bei der EM mitspielt!"), std::string::npos);
    d.WMGruppenListe.push_back(std::make_unique<CTurnierGruppe>(4));
    ASSERT_TRUE(d.WMGruppenListe[0]->SetTeilnehmer(2, kKanada, 0, lookup));
    EXPECT_EQ(BonusLandTurnierSperre(),
              "Sie können das Bonusland nicht ändern oder löschen, solange seine Nationalmannschaft bei der WM "
              "mitspielt!");

    state->DatenGeaendert = false;
    bool gefragt = false;
    EXPECT_FALSE(OnBonuslanderzeugenaendern([&](BonusLandAuswahl&) { return gefragt = true; }));
    EXPECT_FALSE(gefragt);
    EXPECT_TRUE(HasMessage("bei der WM mitspielt!"));
    EXPECT_TRUE(state->DatenGeaendert);
    EXPECT_TRUE(state->AnimationAktiv);
    EXPECT_EQ(state->BonusNation, kKanada);

    // A tournament-free nation and a lent team are never blocked.
    ASSERT_TRUE(d.WMGruppenListe[0]->SetTeilnehmer(1, kUSA, 0, lookup));
    ASSERT_TRUE(d.WMGruppenListe[0]->SetTeilnehmer(3, kBelgien, 1, lookup));
    for (int nation : {kUSA, kBelgien}) {
        ASSERT_TRUE(BonusLandUebernehmen(Gueltig(nation, nation == kUSA ? 1 : 0)));
        EXPECT_EQ(BonusLandTurnierSperre(), "") << nation;
    }
}

TEST_F(BonusLandTest, TheCommandPrefillsTheDialogFromTheBonusCountry) {
    BonusLandAuswahl a = Gueltig(kBelgien, 0);
    a.ligaGroesse = 3;
    a.gelbSperre = 2;
    a.absteiger = 4;
    a.superCup = 2;
    a.pokal = 1;
    ASSERT_TRUE(BonusLandUebernehmen(a));
    BonusLandAuswahl gesehen;
    EXPECT_TRUE(OnBonuslanderzeugenaendern([&](BonusLandAuswahl& v) {
        gesehen = v;
        return false;  // "Abbrechen"
    }) == false);
    EXPECT_EQ(gesehen.nation, kBelgien);
    EXPECT_EQ(gesehen.ligaGroesse, 3);
    EXPECT_EQ(gesehen.gelbSperre, 2);
    EXPECT_EQ(gesehen.absteiger, 4);
    EXPECT_EQ(gesehen.superCup, 2);
    EXPECT_EQ(gesehen.pokal, 1);
    EXPECT_EQ(gesehen.wappen, 0);
    EXPECT_EQ(gesehen.karte, 0);
    EXPECT_EQ(state->BonusNation, kBelgien);  // cancelled: unchanged
    EXPECT_EQ(SuperCupText(1), "1 Spiel");
    EXPECT_EQ(SuperCupText(2), "2 Spiele");
    EXPECT_EQ(LigaGroesseAusIndex(2), 16);
    EXPECT_EQ(LigaGroesseIndex(24), 6);
    EXPECT_EQ(LigaGroesseIndex(12), 0);
}

// Writes the bonus country as the save does and reads it back as the load does.
class BonusSpeicherTest : public BonusLandTest {
protected:
    std::string Schreibe(CLand& land, const std::string& datei) {
        CV3File f;
        EXPECT_NE(f.Open(".\\DATA.V3\\" + datei, CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        state->AktuellesLand = 37;
        EXPECT_TRUE(land.SpeichernV3LocalizedBonus(f, 0, "\\DATA.V3\\"));
        EXPECT_TRUE(f.Close());
        return ReadBytes(P("DATA.V3/" + datei)) + ReadBytes(P("DATA.V3/liga1bon.sav"));
    }
    // The data set as a fresh load finds it before the bonus country.
    std::unique_ptr<CLand> Lies(const std::string& datei, bool& ok) {
        Daten().AlleLaender.resize(37);
        for (auto& l : Daten().AlleLaender) l->BonusLand(0);
        BonusSlotZuruecksetzen();
        state->AktuellesLand = 37;
        auto land = std::make_unique<CLand>();
        CV3File f;
        EXPECT_NE(f.Open(".\\DATA.V3\\" + datei, CV3File::modeRead), 0);
        int32_t id = 0;
        f.GetID(id);
        ok = land->LadenV3LocalizedBonus(f, 0, "\\DATA.V3\\", BonusSlotNachLaden);
        return land;
    }
};

TEST_F(BonusSpeicherTest, TheBonusCountryComesBackWithItsSlot) {
    for (int nation : {kBelgien, kKanada}) {
        SCOPED_TRACE(nation);
        BonusLandAuswahl a = Gueltig(nation, nation == kBelgien ? 0 : kEigeneDatei);
        a.wappenDatei = "/pfad/zum/wappen.bmp";
        a.karteDatei = "/pfad/zur/karte.jpg";
        a.ligaGroesse = 1;
        ASSERT_TRUE(BonusLandUebernehmen(a));
        const std::string vorher = Schreibe(Bonus(), "Bonus1.sav");
        EXPECT_NE(vorher.find("%SECT%BONUSLAND"), std::string::npos);

        bool ok = false;
        auto land = Lies("Bonus1.sav", ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(land->BonusLand(), 2);
        EXPECT_EQ(land->VereinsListe().size(), 26u);
        EXPECT_EQ(land->Ligen().size(), 2u);
        EXPECT_EQ(state->BonusNation, nation);
        EXPECT_EQ(state->BonusLandIndex, 37);
        EXPECT_EQ(state->NationNummer[37], nation);
        EXPECT_EQ(state->LigaAnzahl[37], 1);
        EXPECT_EQ(state->Laendername[37], Daten().NationenListe[size_t(nation)]->Name());
        if (nation == kBelgien) {
            EXPECT_EQ(state->BonusQuellLand, 11);
            EXPECT_EQ(state->NationNummer[11], -1);
            EXPECT_EQ(Daten().AlleLaender[11]->BonusLand(), 1);
            EXPECT_EQ(state->BonusWappenDatei, "");  // predefined: the stored paths are not kept
        } else {
            EXPECT_EQ(state->BonusQuellLand, -1);
            EXPECT_EQ(state->BonusWappenDatei, "/pfad/zum/wappen.bmp");
            EXPECT_EQ(state->BonusKarteDatei, "/pfad/zur/karte.jpg");
        }
        // Written again it gives the same bytes.
        EXPECT_EQ(Schreibe(*land, "Bonus2.sav"), vorher);
        Daten().AlleLaender.push_back(std::move(land));
        BonusLandAuswahl kein;
        kein.nation = 0;
        ASSERT_TRUE(BonusLandUebernehmen(kein));
    }
}

TEST_F(BonusSpeicherTest, ADamagedBonusSectionIsRefused) {
    ASSERT_TRUE(BonusLandUebernehmen(Gueltig(kUSA, 1)));
    Schreibe(Bonus(), "Bonus1.sav");
    const std::string bytes = ReadBytes(P("DATA.V3/Bonus1.sav"));
    const std::string kopf = "%SECT%BONUSLAND\r\n0\r\n12\r\n2\r\n65537\r\n37\r\n71\r\n";
    ASSERT_NE(bytes.find(kopf), std::string::npos);
    struct Case {
        const char* name;
        std::string ersatz;
    };
    const Case cases[] = {
        {"another slot", "%SECT%BONUSLAND\r\n0\r\n12\r\n2\r\n65537\r\n36\r\n71\r\n"},
        {"no nation", "%SECT%BONUSLAND\r\n0\r\n12\r\n2\r\n65537\r\n37\r\n0\r\n"},
        {"nation out of range", "%SECT%BONUSLAND\r\n0\r\n12\r\n2\r\n65537\r\n37\r\n117\r\n"},
        {"no section", "%SECT%SONSTWAS\r\n0\r\n12\r\n2\r\n65537\r\n37\r\n71\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string kaputt = bytes;
        kaputt.replace(kaputt.find(kopf), kopf.size(), c.ersatz);
        WriteBytes(P("DATA.V3/Kaputt.sav"), kaputt);
        ui.messages.clear();
        bool ok = true;
        Lies("Kaputt.sav", ok);
        EXPECT_FALSE(ok);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().caption, "Lesefehler");
    }
}

TEST(BonusLadenTest, ABonusCountOtherThanZeroOrOneIsRefused) {
    for (int anzahl : {2, -1, 38}) {
        SCOPED_TRACE(anzahl);
        v3test::TempDir dir;
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        state->installDir = dir.path();
        fs::create_directories(dir.path() / "DATA.V3");
        WriteBytes(dir.path() / "DATA.V3" / "Internat.sav", "17373592\r\n");
        WriteBytes(dir.path() / "DATA.V3" / "Bonus1.sav",
                   "17373592\r\n%SECT%BONUS\r\n" + std::to_string(anzahl) + "\r\n%ENDSECT%BONUS\r\n");
        CEDITORDoc doc;
        EXPECT_FALSE(doc.LadenV3Localized());
        EXPECT_NE(doc.LadeFehler().find("Die Anzahl der Bonusländer (" + std::to_string(anzahl) + ")"),
                  std::string::npos)
            << doc.LadeFehler();
        EXPECT_TRUE(Daten().AlleLaender.empty());
    }
}

}  // namespace
