// The fixture editor's rules: the matchday editor over a working copy of one
// league (fields, "Vereine ohne Gegner", the matchday buttons, the second half
// copied from the first, the standard list, the repetition check of OK) and
// the league chooser that hands the copies back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spielplan/rules/Spielplan.h"
#include "platform/UserInterface.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3 {
namespace {

class SpielplanRules : public ::testing::Test {
protected:
    SpielplanRules() { state->SetUserInterface(&ui); }

    // Country 5 (one league) with `vereine` clubs "Club 1" ...; its first league holds the
    // clubs 1..n with the standard fixture list, the rest league the others.
    CLand& Land(int vereine, int n) {
        state->AktuellesLand = kLand;
        auto land = std::make_unique<CLand>();
        land->CountryIndex(kLand);
        for (int nr = 1; nr <= vereine; ++nr) {
            auto v = std::make_unique<CVerein>(nr);
            v->Name("Club " + std::to_string(nr));
            land->VereinsListe().push_back(std::move(v));
        }
        auto liga = std::make_unique<CLiga>();
        liga->Name("Serie A");
        for (int i = 0; i < n; ++i) liga->ClubNumber(i, i + 1);
        liga->Size(n);
        liga->CreateDefaultSpielplan();
        land->Ligen().push_back(std::move(liga));
        land->Ligen().push_back(std::make_unique<CLiga>());
        auto& laender = Daten().AlleLaender;
        laender.resize(kLand + 1);
        laender[kLand] = std::move(land);
        ui.messages.clear();
        return *laender[kLand];
    }
    CLiga& Liga() { return *Daten().AlleLaender[kLand]->Ligen()[0]; }

    static constexpr int kLand = 5;
    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(SpielplanRules, MatchdaysAndRowsFollowTheLeagueSize) {
    struct Fall {
        int n, spieltage, zeilen;
    } faelle[] = {{18, 34, 9}, {10, 18, 5}, {24, 46, 12}, {17, 32, 8}};
    for (const auto& f : faelle) {
        Land(30, f.n);
        SpielplanEditor e(kLand, 0, Liga());
        EXPECT_EQ(e.Spieltage(), f.spieltage) << f.n;
        EXPECT_EQ(e.Zeilen(), f.zeilen) << f.n;
        EXPECT_EQ(e.Titel(), "Spielplan  1. Liga - " + state->Laendername[kLand]) << f.n;
    }
}

TEST_F(SpielplanRules, LabelsByCountryAndSeason) {
    EXPECT_EQ(SpielplanLigaLabel(1, 2), "3. Liga");
    EXPECT_EQ(SpielplanLigaLabel(2, 2), "RL Nord");
    EXPECT_EQ(SpielplanLigaLabel(0, 3), "RL Nord-Ost");
    EXPECT_EQ(SpielplanLigaLabel(0, 5), "RL Süd");
    state->Saisonstartjahr = 2000;
    EXPECT_EQ(SpielplanLigaLabel(0, 3), "RL Süd");
}

TEST_F(SpielplanRules, AStandardListPassesOkUnchanged) {
    Land(20, 18);
    SpielplanEditor e(kLand, 0, Liga());
    EXPECT_TRUE(e.OhneGegner().empty());
    EXPECT_EQ(e.FeldName(0), "Club 8");  // first pairing of 18 clubs: 8 - 1
    EXPECT_EQ(e.FeldName(1), "Club 1");
    EXPECT_TRUE(e.OnOK());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(e.Ergebnis() == Liga());
}

TEST_F(SpielplanRules, SecondHalfCopiedFromTheFirstPassesTheRepetitionCheck) {
    Land(20, 18);
    // The second half repeats the first without exchanging home and away.
    for (int d = 0; d < 17; ++d)
        for (int i = 0; i < 18; ++i) Liga().Fixture(d + 17, i, Liga().Fixture(d, i));
    SpielplanEditor e(kLand, 0, Liga());
    ui.Answer(MsgResult::No);  // do not list the 153 repetitions
    EXPECT_FALSE(e.OnOK());

    ui.messages.clear();
    ui.Answer(MsgResult::Ok);
    e.OnRueck();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(e.OnOK());
    EXPECT_EQ(ui.messages.size(), 1u);
    for (int d = 0; d < 17; ++d)
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(e.Ergebnis().Fixture(d + 17, 2 * k), e.Ergebnis().Fixture(d, 2 * k + 1));
            EXPECT_EQ(e.Ergebnis().Fixture(d + 17, 2 * k + 1), e.Ergebnis().Fixture(d, 2 * k));
        }
}

TEST_F(SpielplanRules, OnePairingTwiceGivesOneLineAndOpensItsFirstMatchday) {
    Land(20, 18);
    // Matchday 20 mirrors matchday 3; its first pairing is turned back.
    const int heim = Liga().Fixture(2, 0), gast = Liga().Fixture(2, 1);
    ASSERT_EQ(Liga().Fixture(19, 0), gast);
    Liga().Fixture(19, 0, heim);
    Liga().Fixture(19, 1, gast);
    SpielplanEditor e(kLand, 0, Liga());
    ASSERT_TRUE(e.OnRadioSpieltag(10));
    EXPECT_FALSE(e.OnOK());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Folgende Partie ist sowohl am 3. als auch am 20. Spieltag vorhanden: Club " +
                                       std::to_string(heim) + "  -  Club " + std::to_string(gast) + "!\n");
    EXPECT_EQ(ui.messages[0].caption, "Achtung!");
    EXPECT_EQ(e.Spieltag(), 2);
}

TEST_F(SpielplanRules, MoreThanThirtyRepetitionsAskBeforeListing) {
    struct Fall {
        MsgResult antwort;
        std::vector<size_t> zeilenProBox;  // after the question
    } faelle[] = {{MsgResult::No, {}}, {MsgResult::Yes, {30, 6}}};
    for (const auto& f : faelle) {
        Land(20, 18);
        // Matchdays 21..24 repeat 4..7 as they are: 4 x 9 = 36 repetitions.
        for (int d = 3; d < 7; ++d)
            for (int i = 0; i < 18; ++i) Liga().Fixture(d + 17, i, Liga().Fixture(d, i));
        SpielplanEditor e(kLand, 0, Liga());
        ui.Answer(f.antwort);
        EXPECT_FALSE(e.OnOK());
        ASSERT_EQ(ui.messages.size(), 1 + f.zeilenProBox.size());
        EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
        for (size_t b = 0; b < f.zeilenProBox.size(); ++b) {
            const std::string& text = ui.messages[b + 1].text;
            EXPECT_EQ(size_t(std::count(text.begin(), text.end(), '\n')), f.zeilenProBox[b]);
        }
        EXPECT_EQ(e.Spieltag(), 3);
    }
}

TEST_F(SpielplanRules, StandardListThenCancelLeavesTheLeagueAlone) {
    Land(20, 18);
    Liga().Fixture(0, 0, 2);  // a hand-made change the standard list would undo
    Liga().Fixture(0, 3, 8);
    const CLiga vorher = Liga();
    {
        SpielplanAuswahl auswahl(kLand);
        ASSERT_EQ(auswahl.Anzahl(), 1);
        SpielplanEditor e(kLand, 0, auswahl.Liga(0));
        ui.Answer(MsgResult::Yes);
        e.OnDefaultSpielplan();
        EXPECT_FALSE(e.Ergebnis() == vorher);
        // "Abbrechen" in the editor: its result is dropped; the chooser takes it over.
        auswahl.Uebernehmen();
    }
    EXPECT_TRUE(Liga() == vorher);

    SpielplanAuswahl auswahl(kLand);
    SpielplanEditor e(kLand, 0, auswahl.Liga(0));
    ui.Answer(MsgResult::Yes);
    e.OnDefaultSpielplan();
    ASSERT_TRUE(e.OnOK());
    auswahl.Ersetzen(0, e.Ergebnis());
    auswahl.Uebernehmen();
    EXPECT_EQ(Liga().Fixture(0, 0), 8);
}

TEST_F(SpielplanRules, FieldsAndListMoveClubsAndAnIncompleteMatchdayStays) {
    Land(20, 10);
    SpielplanEditor e(kLand, 0, Liga());
    const int erster = e.FeldVerein(0), zweiter = e.FeldVerein(3);
    e.SwapVerein(3);
    e.SwapVerein(0);
    ASSERT_EQ(e.OhneGegner(), (std::vector<int>{zweiter, erster}));
    EXPECT_EQ(e.FeldName(0), "");

    // The matchday buttons warn every second time and change nothing.
    EXPECT_FALSE(e.OnRadioSpieltag(1));
    EXPECT_FALSE(e.OnRadioSpieltag(1));
    EXPECT_FALSE(e.OnRadioSpieltag(1));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, kPaarungenFestlegen);
    EXPECT_FALSE(e.OnOK());
    EXPECT_EQ(e.Spieltag(), 0);

    // The chosen club fills the first empty field: the two change places.
    e.OnSelchangeListe(0);
    e.OnSelchangeListe(0);
    EXPECT_EQ(e.FeldVerein(0), zweiter);
    EXPECT_EQ(e.FeldVerein(3), erster);
    ASSERT_TRUE(e.OnRadioSpieltag(1));
    EXPECT_EQ(e.Ergebnis().Fixture(0, 0), zweiter + 1);
    EXPECT_EQ(e.Ergebnis().Fixture(0, 3), erster + 1);

    e.OnLoeschen();
    EXPECT_EQ(e.OhneGegner().size(), 10u);
    for (int i = 0; i < e.Felder(); ++i) EXPECT_EQ(e.FeldVerein(i), -1);
}

TEST_F(SpielplanRules, ClubsOfTheSameNameKeepTheirOwnPositions) {
    CLand& land = Land(20, 10);
    // Positions 1 and 2 hold clubs 11 and 12, both called "Twin".
    Liga().ClubNumber(0, 11);
    Liga().ClubNumber(1, 12);
    land.VereinsListe()[10]->Name("Twin");
    land.VereinsListe()[11]->Name("Twin");
    SpielplanEditor e(kLand, 0, Liga());
    int feld = 0;
    while (e.FeldVerein(feld) != 11) ++feld;  // club 12 at position 2
    e.SwapVerein(feld);
    e.OnSelchangeListe(0);
    ASSERT_TRUE(e.OnRadioSpieltag(1));
    EXPECT_EQ(e.Ergebnis().Fixture(0, feld), 2);
}

TEST_F(SpielplanRules, DamagedFixturesShowAsUnplacedAndOkRefuses) {
    struct Fall {
        const char* was;
        int n;
        std::function<void(CLiga&)> verderben;
        size_t unplatziert;  // on the first matchday
        int spieltagNachOk;
    } faelle[] = {
        {"position outside", 10, [](CLiga& l) { l.Fixture(0, 4, 11); }, 1, 0},
        {"club twice", 10, [](CLiga& l) { l.Fixture(0, 4, l.Fixture(0, 0)); }, 1, 0},
        {"later matchday", 10, [](CLiga& l) { l.Fixture(6, 2, 0); }, 0, 6},
        {"odd size", 9, [](CLiga&) {}, 1, 0},
    };
    for (const auto& f : faelle) {
        Land(20, f.n);
        f.verderben(Liga());
        const CLiga vorher = Liga();
        SpielplanEditor e(kLand, 0, Liga());
        EXPECT_EQ(e.OhneGegner().size(), f.unplatziert) << f.was;
        ui.messages.clear();
        EXPECT_FALSE(e.OnOK()) << f.was;
        ASSERT_EQ(ui.messages.size(), 1u) << f.was;
        EXPECT_EQ(ui.messages[0].text, kPaarungenFestlegen);
        EXPECT_EQ(e.Spieltag(), f.spieltagNachOk) << f.was;
        EXPECT_TRUE(Liga() == vorher) << f.was;
    }
}

}  // namespace
}  // namespace v3
