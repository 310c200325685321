#include "editors/liga/rules/Ligazusammensetzung.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/ParticipantLookup.h"
#include "records/Verein.h"

using namespace v3;

namespace {

TEST(LigaFlaggen, FlagCommands) {
    const struct {
        int32_t vorher, flag, nachher;
    } faelle[] = {
        {kFlagPokalsieger, kFlagPokalteilnehmer, kFlagPokalteilnehmer},  // participant ends the cup win
        {kFlagAufsteiger | kFlagPokalfinalist, kFlagPokalteilnehmer, kFlagAufsteiger | kFlagPokalteilnehmer},
        {kFlagVize | kFlagPokalteilnehmer, kFlagPokalteilnehmer, kFlagVize},  // again: removed
        {kFlagPokalteilnehmer, kFlagPokalsieger, kFlagPokalsieger},           // and the reverse
        {kFlagAbsteiger | kFlagPokalsieger, kFlagPokalsieger, kFlagAbsteiger},
        {kFlagAbsteiger | kFlagPokalsieger, kFlagPokalfinalist, kFlagAbsteiger | kFlagPokalfinalist},
        {0x30000 | kFlagPokalsieger, kFlagPokalsieger, kFlagPokalsieger},  // stray upper bits are replaced
        {kFlagAufsteiger | kFlagPokalsieger, kFlagAbsteiger, kFlagAbsteiger | kFlagPokalsieger},
        {kFlagAufsteiger | kFlagPokalsieger, kFlagAufsteiger, kFlagPokalsieger},
        {kFlagMeister, kFlagVize, kFlagVize},
        {kFlagAufsteiger | kFlagPokalsieger, kFlagsLoeschen, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(MitFlagge(f.vorher, f.flag), f.nachher) << f.vorher << " flag " << f.flag;
}

TEST(LigaFlaggen, PictureOfALine) {
    const struct {
        int32_t status;
        int bild;
    } faelle[] = {
        {0, -1},
        {kFlagMeister, 0},
        {kFlagAbsteiger, 2},
        {kFlagAufsteiger, 3},
        {kFlagVize, 4},
        {kFlagPokalsieger, 5},
        {kFlagPokalfinalist, 6},
        {kFlagPokalteilnehmer, 7},
        {kFlagMeister | kFlagPokalsieger, 8},
        {kFlagMeister | kFlagPokalfinalist, 9},
        {kFlagAbsteiger | kFlagPokalsieger, 14},
        {kFlagAbsteiger | kFlagPokalteilnehmer, 16},
        {kFlagAufsteiger | kFlagPokalfinalist, 18},
        {kFlagAufsteiger | kFlagPokalteilnehmer, 19},
        {kFlagVize | kFlagPokalsieger, 20},
        {kFlagVize | kFlagPokalfinalist, 21},
        {kFlagVize | kFlagPokalteilnehmer, 4},
        {int32_t(0xFFFF0000u) | kFlagAufsteiger, 3},  // the league of origin does not show
        {15 | kFlagPokalsieger, -1},                   // an unknown number has no picture
        {2, -1},
    };
    for (const auto& f : faelle) EXPECT_EQ(FlaggenBild(f.status), f.bild) << f.status;
}

// A country with a league system: leagues of the given sizes with last
// season's flags as the checks want them, then `rest` clubs in no league.
// Club 3 won the cup, club 4 lost its final.
struct LigaLand {
    ScopedAppState app;
    ScriptedUserInterface ui;
    CLand land;

    LigaLand() { app->SetUserInterface(&ui); }

    void Baue(int position, const std::vector<int>& groessen, int rest) {
        App().AktuellesLand = position;
        land.CountryIndex(position);
        App().LigaAnzahl[size_t(position)] = int(groessen.size());
        const LigaSystem& sys = LigaSystemVon(position);
        int nr = 0;
        auto neuerVerein = [&](int32_t status) {
            auto v = std::make_unique<CVerein>(++nr);
            v->Name("Verein " + std::to_string(nr));
            v->Status(status);
            land.VereinsListe().push_back(std::move(v));
            return nr;
        };
        for (size_t j = 0; j < groessen.size(); ++j) {
            const bool regional = position == 0 && j >= 2;
            const int auf = regional ? 2 : sys.austausch[j + 1];
            const int ab = j == 0 ? 0 : regional ? 1 : sys.austausch[j];
            auto liga = std::make_unique<CLiga>();
            liga->Name("Liga" + std::to_string(j));
            liga->Size(groessen[j]);
            for (int i = 0; i < groessen[j]; ++i) {
                int32_t s = 0;
                if (j == 0 && i == 0) s = kFlagMeister;
                if (j == 0 && i == 1) s = kFlagVize;
                if (i >= groessen[j] - auf) s = kFlagAufsteiger;
                else if (i >= groessen[j] - auf - ab) s = kFlagAbsteiger;
                liga->ClubNumber(i, neuerVerein(s));
            }
            liga->CreateDefaultSpielplan();
            land.Ligen().push_back(std::move(liga));
        }
        auto restliga = std::make_unique<CLiga>();
        for (int i = 0; i < rest; ++i) restliga->ClubNumber(i, neuerVerein(kFlagRestliga));
        restliga->Size(rest);
        land.Ligen().push_back(std::move(restliga));
        land.VereinsListe()[2]->Status(land.VereinsListe()[2]->Status() | kFlagPokalsieger);
        land.VereinsListe()[3]->Status(land.VereinsListe()[3]->Status() | kFlagPokalfinalist);
        ui.messages.clear();
    }
    // Position 4: two leagues of 10 and 12 clubs (3 promoted into the first;
    // 3 relegated and 4 promoted into the second), clubs 23..25 in none.
    void BaueZwei() { Baue(4, {10, 12}, 3); }

    CVerein& V(int nr) { return *land.VereinsListe()[size_t(nr - 1)]; }
    std::string Meldung() const { return ui.messages.empty() ? "" : ui.messages.back().text; }
};

struct LigaFixture : ::testing::Test, LigaLand {};

TEST_F(LigaFixture, OpensWithTheRestListAndTheFirstLeague) {
    BaueZwei();
    CLigazusammensetzung lz(land, 0);
    EXPECT_EQ(lz.LigenAnzahl(), 2);
    EXPECT_EQ(lz.Gezeigt(), 0);
    EXPECT_EQ(lz.QuoteAbsteiger(), 0);
    EXPECT_EQ(lz.QuoteAufsteiger(), 3);
    EXPECT_EQ(lz.Rest(), (std::vector<int>{23, 24, 25}));
    EXPECT_TRUE(lz.Frei(23));
    EXPECT_FALSE(lz.Frei(1));
    // A club in no league comes from none: all ones in the upper half, bit 4 gone.
    EXPECT_EQ(uint32_t(lz.Status(23)), 0xFFFF0000u);
    lz.ZeigeLiga(1);
    EXPECT_EQ(lz.QuoteAbsteiger(), 3);
    EXPECT_EQ(lz.QuoteAufsteiger(), 4);
    EXPECT_EQ(lz.Liga(1).front(), 11);
}

TEST_F(LigaFixture, ChampionAndRunnerUpFollowTheFirstTwoPlaces) {
    BaueZwei();
    CLigazusammensetzung lz(land, 0);
    lz.ZumRest({0});
    EXPECT_EQ(lz.Liga(0).front(), 2);
    EXPECT_EQ(lz.Status(2) & 0xF, kFlagMeister);
    EXPECT_EQ(lz.Status(3) & 0xF, kFlagVize);
    EXPECT_EQ(lz.Status(3) & kFlagPokalsieger, kFlagPokalsieger);  // the cup flags stay
    EXPECT_EQ(lz.Rest().front(), 1);
    EXPECT_EQ(lz.Status(1), 0);  // from league 0, no flags
    EXPECT_TRUE(lz.Frei(1));

    // Dragging the last club to the top makes it champion, the others move down.
    lz.Verschiebe(8, 0);
    EXPECT_EQ(lz.Status(10) & 0xF, kFlagMeister);
    EXPECT_EQ(lz.Status(2) & 0xF, kFlagVize);
    EXPECT_EQ(lz.Status(3) & 0xF, 0);
}

TEST_F(LigaFixture, RelegatedMeansNothingInTheFirstLeague) {
    BaueZwei();
    CLigazusammensetzung lz(land, 0);
    for (int zeile : {0, 1, 5}) {
        const int32_t vorher = lz.Status(lz.Liga(0)[size_t(zeile)]);
        lz.SetStatus(kFlagAbsteiger, zeile);
        EXPECT_EQ(lz.Status(lz.Liga(0)[size_t(zeile)]), vorher) << zeile;
    }
    std::map<std::string, bool> aktiv;
    for (const auto& e : lz.Menu(1)) aktiv[e.text] = e.aktiv;
    EXPECT_EQ(aktiv, (std::map<std::string, bool>{{"Aufsteiger", false},
                                                   {"Absteiger", false},
                                                   {"Pokalsieger", true},
                                                   {"Pokalfinalist", true},
                                                   {"Pokalteilnehmer (nur 1. Saison)", false},
                                                   {"Flags löschen", false}}));
    EXPECT_TRUE(lz.Menu(2)[0].aktiv);  // "Aufsteiger" from the third line on
    lz.ZeigeLiga(1);
    for (const auto& e : lz.Menu(0)) EXPECT_TRUE(e.aktiv) << e.text;  // the cup is not automatic there
    lz.SetStatus(kFlagAbsteiger, 0);
    EXPECT_EQ(lz.Status(11), kFlagAbsteiger);
}

TEST_F(LigaFixture, ModeOneSetsChampionAndRunnerUpByHand) {
    App().AktuellesLand = 11;
    land.CountryIndex(11);
    for (int nr = 1; nr <= 8; ++nr) {
        auto v = std::make_unique<CVerein>(nr);
        v->Name("Klub " + std::to_string(nr));
        land.VereinsListe().push_back(std::move(v));
    }
    CLigazusammensetzung lz(land, 1);
    std::vector<std::string> texte;
    for (const auto& e : lz.Menu(0)) texte.push_back(e.text);
    EXPECT_EQ(texte, (std::vector<std::string>{"Meister", "Vize-Meister", "Pokalsieger", "Pokalfinalist",
                                               "Flags löschen"}));
    EXPECT_EQ(lz.Liga(0).size(), 8u);
    EXPECT_FALSE(lz.ZurLiga({0}));  // no rest list here

    EXPECT_FALSE(lz.OnOK());
    EXPECT_EQ(Meldung(),
              "Sie haben keinen Meister bestimmt!\nSie haben keinen Vize-Meister bestimmt!\n"
              "Sie haben keinen Pokalsieger bestimmt!\nSie haben keinen Pokalfinalisten bestimmt!\n");
    EXPECT_EQ(ui.messages.back().caption, "Fehler!");
    lz.SetStatus(kFlagMeister, 4);
    lz.SetStatus(kFlagMeister, 5);
    lz.SetStatus(kFlagVize, 0);
    lz.SetStatus(kFlagVize, 1);
    lz.SetStatus(kFlagPokalsieger, 2);
    lz.SetStatus(kFlagPokalsieger, 3);
    lz.SetStatus(kFlagPokalfinalist, 6);
    lz.SetStatus(kFlagPokalfinalist, 7);
    EXPECT_FALSE(lz.OnOK());
    EXPECT_EQ(Meldung(),
              "Sie haben mehr als einen Meister bestimmt!\nSie haben mehr als einen Vize-Meister bestimmt!\n"
              "Sie haben mehr als einen Pokalsieger bestimmt!\nSie haben mehr als einen Pokalfinalisten bestimmt!\n");
    for (int zeile : {5, 1, 3, 7}) lz.SetStatus(kFlagsLoeschen, zeile);
    ui.messages.clear();
    EXPECT_TRUE(lz.OnOK());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(V(5).Status(), kFlagMeister);
    EXPECT_EQ(V(1).Status(), kFlagVize);
    EXPECT_EQ(V(7).Status(), kFlagPokalfinalist);
}

TEST_F(LigaFixture, MovingMoreClubsThanTheLeagueHoldsIsRefusedAsAWhole) {
    BaueZwei();
    CLigazusammensetzung lz(land, 0);
    lz.ZeigeLiga(1);
    lz.ZumRest({0});  // one place free in the second league
    const auto rest = lz.Rest();
    EXPECT_FALSE(lz.ZurLiga({0, 1}));
    EXPECT_EQ(Meldung(), "Kein Platz für die selektierten Vereine\nin der Liga!");
    EXPECT_EQ(ui.messages.back().caption, "Fehler!");
    EXPECT_EQ(lz.Rest(), rest);
    EXPECT_EQ(lz.Liga(1).size(), 11u);
    std::vector<int> zeilen;
    EXPECT_TRUE(lz.ZurLiga({1}, &zeilen));
    EXPECT_EQ(zeilen, std::vector<int>{11});
    EXPECT_EQ(lz.Liga(1).back(), rest[1]);
}

TEST_F(LigaFixture, ExchangingAPromotedAndARelegatedClubPassesAndWritesBack) {
    BaueZwei();
    // A fixture of the second league that must survive the write-back.
    const int heim = land.Ligen()[1]->Fixture(0, 0);
    CLigazusammensetzung lz(land, 0);
    // Club 10 (promoted into the first league) goes down, club 17 (relegated
    // into the second) goes up: each gets its new flag from where it comes from.
    lz.ZumRest({9});
    lz.ZeigeLiga(1);
    lz.ZumRest({6});
    EXPECT_EQ(lz.Rest().front(), 17);
    EXPECT_EQ(lz.Rest()[1], 10);
    ASSERT_TRUE(lz.ZurLiga({1}));
    EXPECT_EQ(lz.Status(10), kFlagAbsteiger);
    lz.ZeigeLiga(0);
    ASSERT_TRUE(lz.ZurLiga({0}));
    EXPECT_EQ(lz.Status(17), kFlagAufsteiger);
    ASSERT_TRUE(lz.OnOK());
    EXPECT_TRUE(ui.messages.empty()) << Meldung();

    EXPECT_EQ(land.Ligen()[0]->ClubNumber(9), 17);
    EXPECT_EQ(land.Ligen()[1]->ClubNumber(11), 10);
    EXPECT_EQ(land.Ligen()[1]->ClubNumber(6), 18);
    EXPECT_EQ(land.Ligen()[1]->Fixture(0, 0), heim);
    EXPECT_EQ(land.Ligen()[2]->Size(), 3);
    // The club list keeps its order; statuses keep only their lower half.
    for (int nr = 1; nr <= 25; ++nr) EXPECT_EQ(V(nr).Name(), "Verein " + std::to_string(nr));
    EXPECT_EQ(V(10).Status(), kFlagAbsteiger);
    EXPECT_EQ(V(17).Status(), kFlagAufsteiger);
    EXPECT_EQ(V(23).Status(), kFlagRestliga);
}

TEST_F(LigaFixture, AFullQuotaStaysFull) {
    BaueZwei();
    CLigazusammensetzung lz(land, 0);
    lz.ZeigeLiga(1);
    lz.ZumRest({0});  // a club without flags leaves the second league
    lz.ZeigeLiga(0);
    lz.ZumRest({5});  // club 6 leaves the first league
    lz.ZeigeLiga(1);
    ASSERT_TRUE(lz.ZurLiga({0}));  // it would be relegated, but three are already
    EXPECT_EQ(lz.Status(6), 0);
    int ab = 0;
    for (int nr : lz.Liga(1)) ab += (lz.Status(nr) & 0xF) == kFlagAbsteiger;
    EXPECT_EQ(ab, 3);
}

TEST_F(LigaFixture, RestClubsKeepTheirStateWhenOkIsRefused) {
    BaueZwei();
    V(24).Status(kFlagPokalfinalist);
    CLigazusammensetzung lz(land, 0);
    lz.ZumRest({3});
    EXPECT_FALSE(lz.OnOK());
    // Still from no league, with last season's cup flag: a later move into a
    // league treats it as before.
    EXPECT_EQ(uint32_t(lz.Status(24)), 0xFFFF0000u | kFlagPokalfinalist);
    EXPECT_EQ(lz.Status(4), 0);
}

// After any sequence of drags every club meets the same opponents on the same
// match days with the same home/away role.
TEST_F(LigaFixture, DragsKeepEveryClubsFixtures) {
    BaueZwei();
    CLigazusammensetzung lz(land, 0);
    lz.ZeigeLiga(1);
    using Spiel = std::tuple<int, int, int, bool>;  // club, day, opponent, at home
    auto spiele = [&lz] {
        std::set<Spiel> s;
        const CLiga& plan = lz.Arbeitsliga(1);
        const auto& liga = lz.Liga(1);
        for (int tag = 0; tag < plan.GetSpielTage(); ++tag)
            for (int k = 0; k < plan.GetBegegnungenProSpielTag(); ++k) {
                const int h = liga[size_t(plan.Fixture(tag, 2 * k) - 1)];
                const int g = liga[size_t(plan.Fixture(tag, 2 * k + 1) - 1)];
                s.insert({h, tag, g, true});
                s.insert({g, tag, h, false});
            }
        return s;
    };
    const auto vorher = spiele();
    ASSERT_EQ(vorher.size(), size_t(12 * 22));
    std::mt19937 zufall(17);
    for (int runde = 0; runde < 200; ++runde) {
        const int von = int(zufall() % 12), nach = int(zufall() % 12);
        lz.Verschiebe(von, nach);
        ASSERT_EQ(spiele(), vorher) << "after drag " << runde << ": " << von << " -> " << nach;
    }
}

TEST_F(LigaFixture, BadInputOpensAndIsReported) {
    BaueZwei();
    land.Ligen()[0]->ClubNumber(4, 99);  // no such club
    land.Ligen()[1]->ClubNumber(0, 2);   // a club of the first league again
    V(11).Status(int32_t(0x00070000u) | kFlagAufsteiger);  // came from league 7
    V(23).Status(int32_t(0x7FFF0000u) | 15);                // stray bits
    CLigazusammensetzung lz(land, 0);
    EXPECT_EQ(lz.Liga(0).size(), 9u);
    EXPECT_EQ(lz.Liga(1).size(), 11u);
    EXPECT_EQ(lz.Rest(), (std::vector<int>{23, 24, 25, 5, 11}));
    EXPECT_EQ(FlaggenBild(lz.Status(23)), -1);
    EXPECT_FALSE(lz.OnOK());
    EXPECT_EQ(Meldung(),
              "Es befinden sich nicht genügend Vereine in der Liga0!\n"
              "Es befinden sich nicht genügend Vereine in der Liga1!\n");
    ASSERT_TRUE(lz.ZurLiga({3}));
    lz.ZeigeLiga(1);
    ASSERT_TRUE(lz.ZurLiga({3}));
    EXPECT_EQ(lz.Liga(1).back(), 11);
    EXPECT_EQ(lz.Status(11), int32_t(0x00070000));  // its flag would overfill the quota; its origin stays
}

// Each league check of OK with its message; the fixture passes all of them.
TEST(LigaOk, EveryCheckOfOk) {
    const struct {
        const char* fall;
        int position;
        std::function<void(LigaLand&)> land;
        std::function<void(CLigazusammensetzung&)> aendern;
        std::string meldung;
    } faelle[] = {
        {"valid, two leagues", 4, nullptr, nullptr, ""},
        {"valid, six leagues", 0, nullptr, nullptr, ""},
        {"too many cup participants", 4, nullptr,
         [](CLigazusammensetzung& lz) {
             lz.ZeigeLiga(1);
             for (int z = 0; z < 5; ++z) lz.SetStatus(kFlagPokalteilnehmer, z);
         },
         "Sie haben zu viele Pokalteilnehmer bestimmt!\n"},
        {"champion in the second league", 4, [](LigaLand& f) { f.V(24).Status(kFlagMeister); },
         [](CLigazusammensetzung& lz) {
             lz.ZeigeLiga(1);
             lz.ZumRest({0});
             lz.ZurLiga({2});
         },
         "Sie haben mehr als einen Meister bestimmt!\nDer Meister muß in der Liga0 Liga spielen!\n"},
        {"runner-up in the second league", 4, [](LigaLand& f) { f.V(24).Status(kFlagVize); },
         [](CLigazusammensetzung& lz) {
             lz.ZeigeLiga(1);
             lz.ZumRest({0});
             lz.ZurLiga({2});
         },
         "Sie haben mehr als einen Vize-Meister bestimmt!\nDer Vizemeister muß in der Liga0 Liga spielen!\n"},
        {"promoted counts", 4, nullptr,
         [](CLigazusammensetzung& lz) {
             lz.SetStatus(kFlagAufsteiger, 9);
             lz.ZeigeLiga(1);
             lz.SetStatus(kFlagAufsteiger, 0);
             lz.SetStatus(kFlagAbsteiger, 1);
         },
         "Sie haben zu wenige Aufsteiger in der Liga0 bestimmt!\nSie haben zu viele Aufsteiger in der Liga1 "
         "bestimmt!\nSie haben zu viele Absteiger in der Liga1 bestimmt!\n"},
        {"relegated too few", 4, nullptr,
         [](CLigazusammensetzung& lz) {
             lz.ZeigeLiga(1);
             lz.SetStatus(kFlagAbsteiger, 5);
         },
         "Sie haben zu wenige Absteiger in der Liga1 bestimmt!\n"},
        {"regional leagues", 0, nullptr,
         [](CLigazusammensetzung& lz) {
             lz.ZeigeLiga(3);
             lz.SetStatus(kFlagAbsteiger, 7);
             lz.SetStatus(kFlagAufsteiger, 8);
         },
         "Sie haben zu wenige Aufsteiger in der Liga3 bestimmt!\nDie Anzahl der Absteiger in den "
         "Regionalligen\nstimmt nicht mit der Anzahl der Aufsteiger der 2. Liga überein!\n"},
        {"A-team in no league", 4, [](LigaLand& f) { f.V(23).Amateurabteilung(1, 25); }, nullptr,
         "Der Verein Verein 23 spielt in keiner Liga, muß als A-Team aber auch in einer A-Liga spielen!\n"},
        {"B-team in the first league", 4, [](LigaLand& f) { f.V(2).Profiabteilung(12, 25); }, nullptr,
         "Der Verein Verein 2 spielt in der Liga0, muß als B-Team aber auch in einer B-Liga spielen!\n"},
        {"A- and B-team in one league", 4,
         [](LigaLand& f) {
             f.V(12).Amateurabteilung(13, 25);
             f.V(13).Profiabteilung(12, 25);
         },
         nullptr, "Das A-Team des Vereins Verein 12 spielt derzeit genau wie das B-Team Verein 13 in der Liga1!\n"},
        {"professional side below the professional leagues", 0,
         [](LigaLand& f) {
             f.V(25).Amateurabteilung(62, 62);
             f.V(62).Profiabteilung(25, 62);
         },
         nullptr,
         "Der Verein Verein 25 spielt in der Liga2, muß als Profiabteilung aber auch in einer Profiliga "
         "spielen!\n"},
        {"amateur side in the second league, professional side in none", 0,
         [](LigaLand& f) {
             f.V(62).Amateurabteilung(11, 62);
             f.V(11).Profiabteilung(62, 62);
         },
         nullptr,
         "Der Verein Verein 11 spielt in der Liga1, muß als Amateurabteilung aber auch in einer Amateurliga "
         "spielen!\nDer Verein Verein 62 spielt in keiner Liga, muß als Profiabteilung aber auch in einer "
         "Profiliga spielen!\n"},
        {"professional side in none, amateur side in a regional league", 0,
         [](LigaLand& f) { f.V(62).Amateurabteilung(30, 62); }, nullptr,
         "Der Verein Verein 62 spielt in keiner Liga, muß als Profiabteilung aber auch in einer Profiliga "
         "spielen!\nDie Profimannschaft Verein 62 des Vereins Verein 30 spielt derzeit in keiner Liga. Sie sollte "
         "aber in einer der Profiligen spielen!\n"},
        {"both sides in one league", 0,
         [](LigaLand& f) { f.V(31).Amateurabteilung(32, 62); }, nullptr,
         "Der Verein Verein 31 spielt in der Liga3, muß als Profiabteilung aber auch in einer Profiliga "
         "spielen!\nDie Profimannschaft des Vereins Verein 31 spielt derzeit genau wie ihre Amateurmannschaft "
         "Verein 32 in der Liga3!\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        LigaLand fx;
        if (f.position == 0) fx.Baue(0, {10, 10, 10, 10, 10, 10}, 2);
        else fx.BaueZwei();
        if (f.land) f.land(fx);
        CLigazusammensetzung lz(fx.land, 0);
        if (f.aendern) f.aendern(lz);
        EXPECT_EQ(lz.Probleme(), f.meldung);
    }
}

TEST_F(LigaFixture, ChampionsCupClubsStayInTheFirstLeague) {
    BaueZwei();
    struct Lookup : ParticipantLookup {
        std::vector<std::unique_ptr<CNation>> nationen;
        Lookup() {
            for (int i = 0; i < kAnzahlNationen; ++i) nationen.push_back(std::make_unique<CNation>());
        }
        int NationCount() const override { return int(nationen.size()); }
        const CNation* Nation(int nr) const override {
            return nr >= 0 && nr < NationCount() ? nationen[size_t(nr)].get() : nullptr;
        }
        int ClubCount(int) const override { return 25; }
    } daten;
    auto g = std::make_unique<CChampionsLeagueGruppe>(0);
    ASSERT_TRUE(g->SetTeilnehmer(0, App().NationNummer[4], 2, daten));
    ASSERT_TRUE(g->SetTeilnehmer(1, App().NationNummer[4], 12, daten));
    Daten().CLeagueListe.push_back(std::move(g));
    CLigazusammensetzung lz(land, 0);
    EXPECT_EQ(lz.Probleme(),
              "Der Verein Verein 12 ist ein Teilnehmer am Pokal der Meister und darf daher nur in der Liga0 "
              "spielen!\n");
}

}  // namespace
