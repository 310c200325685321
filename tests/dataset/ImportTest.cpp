// The import of the predecessor's data on small data sets and fixture files:
// the country merge, the conversion's lists, the start-year check, the crest
// copy and the command's refusals.
#include "dataset/Import.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "PredecessorWriter.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
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
#include "records/V2LineReader.h"
#include "records/Verein.h"

namespace fs = std::filesystem;
using namespace v3;
using v3::demo::V2Writer;

namespace {

const std::array<const char*, 5> kSuffix = {"Deut", "Engl", "Fran", "Ital", "Span"};
const std::array<std::vector<const char*>, 5> kLigen = {{
    {"Liga1Deu.sav", "Liga2Deu.sav", "LigaRLNo.sav", "LigaRLOs.sav", "LigaRLSW.sav", "LigaRLSu.sav"},
    {"Liga1Eng.sav", "Liga2Eng.sav", "Liga3Eng.sav"},
    {"Liga1Fra.sav", "Liga2Fra.sav"},
    {"Liga1Ita.sav"},
    {"Liga1Spa.sav"},
}};

std::string Ver(const std::string& datei) { return DatenPfad(kDirDataVer, datei); }

// A club with a stadium, named as given.
std::unique_ptr<CVerein> Verein(const std::string& name, int nr = 1) {
    auto v = std::make_unique<CVerein>(nr);
    v->Name(name);
    v->Stadion(std::make_unique<CStadion>());
    v->Stadion()->Name("Platz " + name);
    return v;
}

// What the predecessor's files of one country hold.
struct V2Land {
    std::vector<std::unique_ptr<CVerein>> vereine;
    std::vector<std::vector<int>> ligen;  // by league file; missing ones are empty
    std::vector<std::pair<std::string, std::string>> jugend;
    std::vector<CTrainerUndCo> trainer;
    std::vector<CNSchiri> schiris;
    std::vector<CPromi> promis;
    bool neu = true;
};

// Members are public: the tables of cases prepare the fixture through them.
class ImportTest : public ::testing::Test {
public:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->SetRandom(&rng);
        state->installDir = dir.path();
        for (const char* ordner : {"DATA.VER/WAPPEN", "DATA.V3/Wappen", "SUPPORT.GFX"})
            fs::create_directories(dir.path() / ordner);
    }

    void Schreibe(const std::string& datei, bool neu, const std::function<void(V2Writer&)>& inhalt,
                  bool mitKopfzeile = false) {
        V2Writer w(Ver(datei), neu, mitKopfzeile);
        inhalt(w);
        ASSERT_TRUE(w.Close()) << datei;
    }

    void SchreibeLand(int land, const V2Land& x) {
        const std::string s = kSuffix[size_t(land)];
        Schreibe("Land" + s + ".sav", x.neu, [&](V2Writer& w) {
            w.Int(int(kLigen[size_t(land)].size()));
            w.Int(int(x.vereine.size()));
            for (int i = 0; i < 3; ++i) w.Int(0);
            for (const auto& v : x.vereine) w.Verein(*v);
            for (int i = 1; i <= 40; ++i) w.Str("Amateure " + std::to_string(i));
            for (const char* t : {"Bundes", "Trainer", "11", "2", "55"}) w.Str(t);
        }, true);
        Schreibe("Stad" + s + ".sav", x.neu, [&](V2Writer& w) {
            for (const auto& v : x.vereine) w.Stadion(*v->Stadion());
        });
        Schreibe("Juge" + s + ".sav", x.neu, [&](V2Writer& w) {
            for (const auto& [vor, nach] : x.jugend) {
                w.Str(vor);
                w.Str(nach);
            }
        }, true);
        Schreibe("Trai" + s + ".sav", x.neu, [&](V2Writer& w) {
            for (const auto& t : x.trainer) w.Trainer(t);
        });
        Schreibe("NSch" + s + ".sav", x.neu, [&](V2Writer& w) {
            for (const auto& r : x.schiris) w.Schiri(r);
        });
        Schreibe("Prom" + s + ".sav", x.neu, [&](V2Writer& w) {
            for (const auto& p : x.promis) w.Promi(p);
        });
        for (const char* p : {"TTra", "Mana", "Spon"}) Schreibe(p + s + ".sav", x.neu, [](V2Writer&) {});
        for (size_t j = 0; j < kLigen[size_t(land)].size(); ++j)
            Schreibe(kLigen[size_t(land)][j], x.neu, [&](V2Writer& w) {
                const std::vector<int> leer;
                const auto& nummern = j < x.ligen.size() ? x.ligen[j] : leer;
                w.Int(int(nummern.size()));
                for (int n : nummern) w.Int(n);
            });
    }

    // Countries 0..4 of the predecessor with no clubs and no pool records.
    void LeereLaender() {
        for (int land = 0; land < 5; ++land) SchreibeLand(land, V2Land{});
    }

    // The data set in memory: 37 countries without clubs, start year 1998,
    // three reporters and critics in each of the countries 0..4, 40
    // international referees, one former player and one chant.
    void DatenSatz() {
        DataSet& d = Daten();
        for (int i = 0; i < kFesteLaender; ++i) {
            state->AktuellesLand = i;
            auto l = std::make_unique<CLand>();
            l->CountryIndex(i);
            for (int k = 0; k < (i < 5 ? 3 : 0); ++k) {
                l->Reporters().push_back(std::make_unique<CReporter>());
                l->Critics().push_back(std::make_unique<CKritiker>());
            }
            d.AlleLaender.push_back(std::move(l));
        }
        state->AktuellesLand = 0;
        d.uefa = std::make_unique<CUEFA>();
        d.kleinigkeiten = std::make_unique<CKleinigkeiten>();
        d.kleinigkeiten->Saisonstartjahr(1998);
        for (int i = 0; i < 40; ++i) d.ISchiriListe.push_back(std::make_unique<CISchiri>());
        for (int j = 0; j < 3; ++j) d.EMWMListe.push_back(std::make_unique<CEuroWM>(2000 + 2 * j, j % 2, j));
        auto ex = std::make_unique<CExSpieler>();
        ex->Vorname("Max");
        ex->Nachname("Muster");
        d.ExSpielerListe.push_back(std::move(ex));
        auto c = std::make_unique<CFangesang>();
        c->Text("Ole");
        c->Land(14);
        c->Verein(3);
        d.FangesangListe.push_back(std::move(c));
    }

    void Kleinig(bool neu, int jahr) {
        Schreibe(kKleinigDatei, neu, [&](V2Writer& w) {
            CUEFA u;
            for (int i = 0; i < CUEFA::kKurznamen; ++i) u.ShortName(i, "K" + std::to_string(i));
            w.UEFA(u);
            for (int land = 0; land < 5; ++land) {
                for (int i = 0; i < 3; ++i) {
                    CReporter r;
                    r.Nachname("Rep" + std::to_string(land) + std::to_string(i));
                    w.Reporter(r);
                }
                for (int i = 0; i < 3; ++i) {
                    CKritiker k;
                    k.Nachname("Krit" + std::to_string(land) + std::to_string(i));
                    w.Kritiker(k);
                }
            }
            w.Int(jahr);
            w.Int(20);
            if (neu) {
                w.Int(2);
                w.EuroWM(CEuroWM(2004, 0, 51));
                w.EuroWM(CEuroWM(2006, 1, 14));
            }
        });
    }

    static CExSpieler Ex(const std::string& vor, const std::string& nach, int nation, int verein) {
        CExSpieler e;
        e.Vorname(vor);
        e.Nachname(nach);
        e.LetzterVereinNation(nation);
        e.LetzterVerein(verein);
        return e;
    }
    static CFangesang Gesang(const std::string& text, int land, int verein) {
        CFangesang c;
        c.Text(text);
        c.Land(land);
        c.Verein(verein);
        return c;
    }

    // Every file the conversion reads, valid.
    void AlleDateien(bool neu = true) {
        LeereLaender();
        Kleinig(neu, 1999);
        Schreibe(kISchirisDatei, false, [](V2Writer& w) {
            for (int i = 1; i <= 40; ++i) {
                CISchiri s;
                s.Nachname("R" + std::to_string(i));
                w.ISchiri(s);
            }
        });
        Schreibe(kExSpielDatei, true, [](V2Writer& w) {
            const std::vector<CExSpieler> liste = {
                Ex("Max", "Muster", 14, 3),    // ours already
                Ex("Karl", "Klein", 14, 120),  // beyond the first country's 108 clubs
                Ex("Eric", "Eng", 16, 99),     // England's last club
                Ex("Ed", "Eng", 16, 100),      // beyond England's 99
                Ex("Paul", "Porto", 51, 27),   // beyond Portugal's 26
                Ex("Karl", "Klein", 16, 5),    // the same name again
                Ex("Bo", "Brasil", 7, 200),    // a nation without a country of ours
            };
            w.Int(int(liste.size()));
            for (const auto& e : liste) w.ExSpieler(e);
        });
        Schreibe(kFangesaDatei, true, [](V2Writer& w) {
            const std::vector<CFangesang> liste = {Gesang("Ole", 14, 3), Gesang("Hoch", 14, 120),
                                                   Gesang("Neu", 16, 5), Gesang("Neu", 16, 5)};
            w.Int(int(liste.size()));
            for (const auto& c : liste) w.Gesang(c);
        });
        // An own-chant file of the older variant: its first line is the count.
        Schreibe(kFanwavesDatei, false, [](V2Writer& w) {
            w.Int(1);
            CEigenerFangesang c;
            c.Text("jubel.wav");
            w.Gesang(c);
        });
        (void)neu;
    }

    std::vector<std::string> Meldungen() const {
        std::vector<std::string> m;
        for (const auto& x : ui.messages) m.push_back(x.text);
        return m;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    StdRandom rng{5};
    v3test::TempDir dir;
};

// ---------------------------------------------------------------- country merge

class CountryMergeTest : public ImportTest {
protected:
    // Country 0 with three clubs and a few pool records.
    std::unique_ptr<CLand> Land0() {
        state->AktuellesLand = 0;
        auto land = std::make_unique<CLand>();
        land->CountryIndex(0);
        for (int i = 1; i <= 3; ++i) land->VereinsListe().push_back(Verein("Unser " + std::to_string(i), i));
        land->VereinsListe()[2]->Amateurabteilung(1, 3);
        land->VereinsListe()[0]->Profiabteilung(3, 3);
        land->VereinsListe()[0]->Pokalmannschaft(1);
        for (int i = 0; i < 2; ++i) land->YouthPlayers().push_back(std::make_unique<CAmateurJugendSpieler>());
        land->Coaches().push_back(std::make_unique<CTrainerUndCo>());
        land->Referees().push_back(std::make_unique<CNSchiri>());
        land->Celebrities().push_back(std::make_unique<CPromi>());
        return land;
    }
    static std::vector<std::string> Namen(const CLand& l) {
        std::vector<std::string> n;
        for (const auto& v : l.VereinsListe()) n.push_back(v->Name());
        return n;
    }
    // The predecessor's pools: three youth names (we have two youth players;
    // the rest of the file is not read), a coach, a referee and a celebrity
    // naming the given clubs.
    static void Pools(V2Land& x, int schiriVerein, int promiVerein) {
        x.jugend = {{"Jan", "Jung"}, {"Tim", "Teen"}, {"Uwe", "Rest"}};
        x.trainer.emplace_back().Nachname("Altcoach");
        x.schiris.emplace_back().SchiriVerein(schiriVerein);
        x.promis.emplace_back().Lieblingsverein(promiVerein);
    }
};

TEST_F(CountryMergeTest, FewerPredecessorClubsTakeTheFirstClubsInBothVariants) {
    for (bool neu : {true, false}) {
        SCOPED_TRACE(neu ? "newer variant" : "older variant");
        auto land = Land0();
        V2Land x;
        x.neu = neu;
        x.vereine.push_back(Verein("Alt 1"));
        x.vereine.push_back(Verein("Alt 2"));
        x.vereine[1]->ErzRivale(1);
        x.ligen = {{2}};
        Pools(x, 2, 1);
        SchreibeLand(0, x);

        std::vector<uint8_t> karte(108, 0);
        ASSERT_TRUE(land->MergeV2Daten(karte)) << (ui.messages.empty() ? "" : ui.messages[0].text);
        EXPECT_EQ(Namen(*land), (std::vector<std::string>{"Alt 1", "Alt 2", "Unser 3"}));
        EXPECT_EQ(land->VereinsListe()[0]->Stadion()->Name(), "Platz Alt 1");
        EXPECT_EQ(std::vector<uint8_t>(karte.begin(), karte.begin() + 4), (std::vector<uint8_t>{1, 2, 0, 0}));
        EXPECT_EQ(land->VereinsListe()[1]->Liga(), 0);
        EXPECT_EQ(land->VereinsListe()[0]->Liga(), state->LigaAnzahl[0]);  // in none of the leagues
        EXPECT_EQ(land->VereinsListe()[1]->ErzRivale(), 1);
        for (const auto& v : land->VereinsListe()) {
            EXPECT_EQ(v->Amateurabteilung(), 0);
            EXPECT_EQ(v->Profiabteilung(), 0);
            EXPECT_EQ(v->Pokalmannschaft(), 0);
        }
        EXPECT_EQ(land->ClubCount(), 3);
        EXPECT_EQ(land->AmateurVereine()[39]->Name(), "Amateure 40");
        EXPECT_EQ(land->TrainerNachname(), "Bundes");
        EXPECT_EQ(land->NationalCoach().Kompetenz(), 11);
        EXPECT_EQ(land->YouthPlayers()[1]->Nachname(), "Teen");
        EXPECT_EQ(land->Coaches()[0]->Nachname(), "Altcoach");
        EXPECT_EQ(land->Referees()[0]->SchiriVerein(), 2);
        EXPECT_EQ(land->Celebrities()[0]->Lieblingsverein(), 1);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(CountryMergeTest, MorePredecessorClubsTakeTheClubsInLeaguesAndLinksFollowThem) {
    auto land = Land0();
    V2Land x;
    for (int i = 1; i <= 4; ++i) x.vereine.push_back(Verein("Alt " + std::to_string(i)));
    x.vereine[0]->ErzRivale(3);       // becomes our club 2
    x.vereine[0]->FanFreundschaft(2);  // dropped: in no league
    x.vereine[3]->ErzRivale(9);       // no club of the predecessor
    x.ligen = {{1, 3}, {4}};
    Pools(x, 4, 2);
    SchreibeLand(0, x);

    std::vector<uint8_t> karte(108, 0);
    ASSERT_TRUE(land->MergeV2Daten(karte));
    EXPECT_EQ(Namen(*land), (std::vector<std::string>{"Alt 1", "Alt 3", "Alt 4"}));
    EXPECT_EQ(std::vector<uint8_t>(karte.begin(), karte.begin() + 3), (std::vector<uint8_t>{1, 3, 4}));
    EXPECT_EQ(land->VereinsListe()[0]->ErzRivale(), 2);
    EXPECT_EQ(land->VereinsListe()[0]->FanFreundschaft(), 0);
    EXPECT_EQ(land->VereinsListe()[2]->ErzRivale(), 0);
    EXPECT_EQ(land->VereinsListe()[2]->Liga(), 1);
    EXPECT_EQ(land->Referees()[0]->SchiriVerein(), 3);
    EXPECT_EQ(land->Celebrities()[0]->Lieblingsverein(), 0);
    // The file was read to its end: the national coach follows the dropped club.
    EXPECT_EQ(land->TrainerNachname(), "Bundes");
}

TEST_F(CountryMergeTest, MissingOrDamagedFilesAreNamed) {
    struct Fall {
        std::function<void(const fs::path&)> verderben;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {[](const fs::path& v) { fs::remove(v / "TTraDeut.sav"); },
         "Kann Datei .\\DATA.VER\\TTraDeut.sav nicht öffnen!"},
        {[](const fs::path& v) { fs::remove(v / "LigaRLSu.sav"); },
         "Kann Datei .\\DATA.VER\\LigaRLSu.sav nicht öffnen!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "StadDeut.sav", "842610482\r\nNur ein Name\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\StadDeut.sav!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "Liga2Deu.sav", "842610482\r\n1\r\nzwei\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\Liga2Deu.sav!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "LandDeut.sav", "842610482\r\n6\r\n300\r\n0\r\n0\r\n0\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\LandDeut.sav!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "JugeDeut.sav", "842610482\r\nJan\r\nJung\r\nTim\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\JugeDeut.sav!"},
    };
    for (const Fall& fall : faelle) {
        ui.messages.clear();
        auto land = Land0();
        V2Land x;
        x.vereine.push_back(Verein("Alt 1"));
        Pools(x, 0, 0);
        SchreibeLand(0, x);
        fall.verderben(dir.path() / "DATA.VER");
        std::vector<uint8_t> karte(108, 0);
        EXPECT_FALSE(land->MergeV2Daten(karte));
        ASSERT_EQ(ui.messages.size(), 1u) << fall.meldung;
        EXPECT_EQ(ui.messages[0].text, fall.meldung);
        EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    }
}

TEST_F(CountryMergeTest, CountriesThePredecessorDidNotKnowStayAsTheyAre) {
    state->AktuellesLand = 5;
    CLand land;
    land.VereinsListe().push_back(Verein("Porto"));
    std::vector<uint8_t> karte(26, 0);
    EXPECT_TRUE(land.MergeV2Daten(karte));  // no file of it exists
    EXPECT_EQ(land.VereinsListe()[0]->Name(), "Porto");
    EXPECT_TRUE(ui.messages.empty());
}

// ---------------------------------------------------------------- conversion

TEST_F(ImportTest, ConversionMergesTheListsWithoutDuplicates) {
    DatenSatz();
    AlleDateien();
    WappenKarten karten;
    ASSERT_EQ(LadenV3Convert(karten), 1) << (ui.messages.empty() ? "" : ui.messages[0].text);
    const DataSet& d = Daten();
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(d.uefa->ShortName(4), "K4");
    EXPECT_EQ(d.uefa->ShortName(5), "KRZ");
    ASSERT_EQ(d.AlleLaender[2]->Reporters().size(), 3u);
    EXPECT_EQ(d.AlleLaender[2]->Reporters()[0]->Nachname(), "Rep20");
    EXPECT_EQ(d.AlleLaender[4]->Critics()[2]->Nachname(), "Krit42");
    EXPECT_EQ(d.kleinigkeiten->Saisonstartjahr(), 1999);
    EXPECT_EQ(state->Saisonstartjahr, 1999);
    EXPECT_EQ(d.kleinigkeiten->TaxRate(), 20);
    // Each host read replaces the first and goes to the end.
    ASSERT_EQ(d.EMWMListe.size(), 3u);
    EXPECT_EQ(*d.EMWMListe[0], CEuroWM(2004, 0, 2));
    EXPECT_EQ(*d.EMWMListe[2], CEuroWM(2006, 1, 14));
    ASSERT_EQ(d.ISchiriListe.size(), 40u);
    EXPECT_EQ(d.ISchiriListe[0]->Nachname(), "R1");
    EXPECT_EQ(d.ISchiriListe[39]->Nachname(), "R40");

    std::vector<std::string> ex;
    for (const auto& e : d.ExSpielerListe)
        ex.push_back(e->Vorname() + " " + e->Nachname() + " " + std::to_string(e->LetzterVerein()));
    EXPECT_EQ(ex, (std::vector<std::string>{"Max Muster 0", "Karl Klein 1", "Eric Eng 99", "Ed Eng 1",
                                            "Paul Porto 1", "Bo Brasil 200"}));
    EXPECT_TRUE(d.ExSpielerListe[1]->FromOldFormat());

    std::vector<std::string> gesaenge;
    for (const auto& c : d.FangesangListe) gesaenge.push_back(c->Text() + " " + std::to_string(c->Verein()));
    EXPECT_EQ(gesaenge, (std::vector<std::string>{"Ole 3", "Hoch 0", "Neu 5"}));
    ASSERT_EQ(d.EigeneFangesangListe.size(), 1u);
    EXPECT_EQ(d.EigeneFangesangListe[0]->Text(), "jubel.wav");
    // The own chants keep the number of their file's first line.
    EXPECT_EQ(state->GeleseneFileID, 1);
}

TEST_F(ImportTest, OlderSmallSettingsHoldNoTournamentHosts) {
    DatenSatz();
    AlleDateien();
    Kleinig(false, 1999);
    WappenKarten karten;
    ASSERT_EQ(LadenV3Convert(karten), 1);
    EXPECT_EQ(*Daten().EMWMListe[0], CEuroWM(2000, 0, 0));
    EXPECT_EQ(Daten().AlleLaender[0]->Reporters()[0]->Nachname(), "Rep00");
    EXPECT_EQ(Daten().kleinigkeiten->TaxRate(), 20);
}

TEST_F(ImportTest, ConversionFailuresNameTheirFileOnce) {
    struct Fall {
        std::function<void(const fs::path&)> verderben;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {[](const fs::path& v) { fs::remove(v / "ISchiris.sav"); },
         "Kann Datei .\\DATA.VER\\ISchiris.sav nicht öffnen!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "ExSpiel.sav", "842610482\r\n5\r\nNur\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\ExSpiel.sav!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "Fangesa.sav", "842610482\r\n-1\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\Fangesa.sav!"},
        {[](const fs::path& v) { v3test::WriteBytes(v / "Kleinig.sav", "842610482\r\n14\r\n"); },
         "Datenfehler in der Datei .\\DATA.VER\\Kleinig.sav!"},
        // A country shows its own message; the conversion adds none.
        {[](const fs::path& v) { fs::remove(v / "LandEngl.sav"); },
         "Kann Datei .\\DATA.VER\\LandEngl.sav nicht öffnen!"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.meldung);
        Daten().SpeicherLoeschen();
        ui.messages.clear();
        DatenSatz();
        AlleDateien();
        fall.verderben(dir.path() / "DATA.VER");
        WappenKarten karten;
        EXPECT_EQ(LadenV3Convert(karten), 0);
        ASSERT_EQ(Meldungen(), std::vector<std::string>{fall.meldung});
        EXPECT_EQ(ui.progressPositions.back(), 100);
        // Nothing after the failure was read.
        EXPECT_EQ(Daten().EigeneFangesangListe.size(), 0u);
    }
}

// ---------------------------------------------------------------- start year

TEST_F(ImportTest, StartYearCheck) {
    struct Fall {
        const char* was;
        std::function<void(ImportTest&)> vorbereiten;
        int ergebnis;
    };
    const std::vector<Fall> faelle = {
        {"no data set", [](ImportTest& t) { t.Kleinig(true, 1999); }, -1},
        {"ours from 2000", [](ImportTest& t) {
             t.DatenSatz();
             Daten().kleinigkeiten->Saisonstartjahr(2000);
             t.Kleinig(true, 1999);
         }, 0},
        {"no Kleinig.sav", [](ImportTest& t) { t.DatenSatz(); }, -1},
        {"predecessor 1998", [](ImportTest& t) { t.DatenSatz(); t.Kleinig(true, 1998); }, 0},
        {"predecessor 2000", [](ImportTest& t) { t.DatenSatz(); t.Kleinig(true, 2000); }, 0},
        {"predecessor 1999", [](ImportTest& t) { t.DatenSatz(); t.Kleinig(true, 1999); }, 1},
        {"older predecessor 1999", [](ImportTest& t) { t.DatenSatz(); t.Kleinig(false, 1999); }, 1},
        {"cut among the critics", [](ImportTest& t) {
             t.DatenSatz();
             t.Kleinig(true, 1999);
             const fs::path p = t.dir.path() / "DATA.VER" / "Kleinig.sav";
             std::string b = v3test::ReadBytes(p);
             v3test::WriteBytes(p, b.substr(0, b.size() - 60));
         }, 0},
    };
    for (const Fall& fall : faelle) {
        Daten().SpeicherLoeschen();
        fs::remove(dir.path() / "DATA.VER" / "Kleinig.sav");
        fall.vorbereiten(*this);
        EXPECT_EQ(CheckStartJahr(), fall.ergebnis) << fall.was;
    }
}

TEST_F(ImportTest, TheCommandStopsBeforeAnythingChanges) {
    const std::string startjahr =
        "Das Startjahr sowohl des Voltaro 2-Datensatzes als auch des Voltaro 3-Datensatzes muß 1999 sein!";
    const std::string fehler =
        "Es ist ein Fehler beim Konvertieren der V2-Daten aufgetreten. Bitte überprüfen Sie, ob das DATA.VER "
        "Verzeichnis vorhanden ist!";
    const std::string frage = "Wollen sie wirklich den aktuellen Datensatz mit Ihren Voltaro 2-Daten ersetzen?";
    struct Fall {
        std::function<void(ImportTest&)> vorbereiten;
        std::vector<std::string> meldungen;
    };
    const std::vector<Fall> faelle = {
        {[](ImportTest& t) {
             t.AlleDateien();
             Daten().kleinigkeiten->Saisonstartjahr(2001);
         }, {startjahr}},
        {[](ImportTest& t) { fs::remove_all(t.dir.path() / "DATA.VER"); }, {fehler}},
        {[](ImportTest& t) {
             t.AlleDateien();
             t.ui.Answer(MsgResult::No);
         }, {frage}},
        {[](ImportTest& t) {
             t.AlleDateien();
             t.state->DarstellungOk = false;
         }, {}},
    };
    for (const Fall& fall : faelle) {
        Daten().SpeicherLoeschen();
        ui.messages.clear();
        ui.progressTitles.clear();
        state->DarstellungOk = true;
        fs::create_directories(dir.path() / "DATA.VER");
        DatenSatz();
        fall.vorbereiten(*this);
        CEDITORDoc doc;
        EXPECT_FALSE(doc.OnDateiV2dateneinlesen());
        EXPECT_EQ(Meldungen(), fall.meldungen);
        EXPECT_TRUE(ui.progressTitles.empty());
        EXPECT_EQ(Daten().ExSpielerListe.size(), 1u);
        EXPECT_EQ(Daten().kleinigkeiten->TaxRate(), 16);
    }
}

// ---------------------------------------------------------------- crests

TEST_F(ImportTest, CrestCopyPrecedence) {
    DatenSatz();
    const std::array<int, 6> vereine = {3, 2, 0, 1, 2, 2};  // countries 0..5
    for (int land = 0; land < 6; ++land)
        for (int n = 1; n <= vereine[size_t(land)]; ++n)
            Daten().AlleLaender[size_t(land)]->VereinsListe().push_back(Verein("V" + std::to_string(n), n));
    const fs::path v3 = dir.path() / "DATA.V3" / "Wappen";
    const fs::path alt = dir.path() / "DATA.VER" / "WAPPEN";
    const fs::path gfx = dir.path() / "SUPPORT.GFX";
    // Our crests, each holding its own name; Portugal's club 2 has none.
    for (int land = 0; land < 6; ++land)
        for (int n = 1; n <= vereine[size_t(land)]; ++n)
            if (!(land == 5 && n == 2)) v3test::WriteBytes(v3 / ("VW_" + WappenName(land, n)), "unser " + WappenName(land, n));
    for (const char* name : {"VW_D5.BMP", "VW_E3.BMP", "VW_E76.BMP", "VW_I25.BMP", "VW_S26.BMP", "VW_S27.BMP",
                             "I0_00.BMP", "S0_00.BMP"})
        v3test::WriteBytes(alt / name, std::string("alt ") + name);
    v3test::WriteBytes(gfx / "eng.bmp", "Flagge eng");
    v3test::WriteBytes(gfx / "por.bmp", "Flagge por");

    WappenKarten karten;
    karten[0] = {5, 0, 9};  // VW_D9.BMP is missing
    karten[1] = {76, 3};
    karten[3] = {25};
    karten[4] = {27, 26};
    WappenKopieren(karten);

    const std::vector<std::pair<std::string, std::string>> erwartet = {
        {"VW_D1.BMP", "alt VW_D5.BMP"},   {"VW_D2.BMP", "unser D2.BMP"},  {"VW_D3.BMP", "unser D3.BMP"},
        {"VW_Eng1.BMP", "Flagge eng"},    {"VW_Eng2.BMP", "alt VW_E3.BMP"}, {"VW_Ita1.BMP", "alt I0_00.BMP"},
        {"VW_Esp1.BMP", "alt S0_00.BMP"}, {"VW_Esp2.BMP", "alt VW_S26.BMP"}, {"VW_Por1.BMP", "unser Por1.BMP"},
        {"VW_Por2.BMP", "Flagge por"},
    };
    for (const auto& [datei, inhalt] : erwartet) EXPECT_EQ(v3test::ReadBytes(v3 / datei), inhalt) << datei;
    EXPECT_EQ(ui.progressPositions.size(), 10u);  // one step per club
}

// ---------------------------------------------------------------- command line

TEST_F(ImportTest, CommandLineWantsAFolderAndTheConfirmation) {
    EXPECT_EQ(v3tool::Run({"import"}), 2);
    EXPECT_EQ(v3tool::Run({"import", dir.path().string()}), 2);  // without --yes nothing is asked or done
    EXPECT_EQ(v3tool::Run({"import", dir.path().string(), "--yes", "--mehr"}), 2);
    EXPECT_EQ(v3tool::Run({"import", (dir.path() / "fehlt").string(), "--yes"}), 1);
    // A folder without a data set: the load fails and nothing is imported.
    EXPECT_EQ(v3tool::Run({"import", dir.path().string(), "--yes"}), 1);
    EXPECT_FALSE(fs::exists(dir.path() / "DATA.V3" / "Kleinig.sav"));
}

}  // namespace
