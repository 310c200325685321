// The titles of the world's best players and the chooser's candidates for them.
#include <gtest/gtest.h>

#include <memory>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/rules/PlayerGroups.h"
#include "editors/wettbewerb/rules/WeltBeste.h"
#include "records/ExSpieler.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Verein.h"

using namespace v3;

namespace {

class WeltBesteTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        for (int i = 0; i < 20; ++i) {
            auto n = std::make_unique<CNation>();
            n->Name("Nation" + std::to_string(i));
            n->Kuerzel("N" + std::to_string(i));
            Daten().NationenListe.push_back(std::move(n));
        }
        auto land = std::make_unique<CLand>();
        auto v = std::make_unique<CVerein>(1);
        v->Name("Kickers");
        CVerein::Kader k;
        // Players 0..5: keeper, striker, striker, midfielder, defender, striker.
        const int positions[] = {1, 10, 10, 9, 3, 10};
        const char* names[] = {"Zorn", "Berg", "Adler", "Mai", "Stein", "Claus"};
        for (int i = 0; i < 6; ++i) {
            auto p = std::make_unique<CSpieler>();
            p->Hauptposition(positions[i]);
            p->Nachname(names[i]);
            p->Vorname("Vor");
            p->Nationalitaet(3 | 0x80);
            for (int n = 1; n <= 16; ++n) p->Faehigkeit(n, 0);
            k.push_back(std::move(p));
        }
        v->SpielerListe(std::move(k));
        land->VereinsListe().push_back(std::move(v));
        Daten().AlleLaender.push_back(std::move(land));
        auto ex = std::make_unique<CExSpieler>();
        ex->Hauptposition(10);
        ex->Nachname("Ehemann");
        ex->Vorname("Ex");
        ex->Nationalitaet(4);
        Daten().ExSpielerListe.push_back(std::move(ex));
    }
    CVerein& Club() { return *Daten().AlleLaender[0]->VereinsListe()[0]; }
    CSpieler& Player(int i) { return *Club().SpielerListe()[size_t(i)]; }
    CExSpieler& Former() { return *Daten().ExSpielerListe[0]; }
    // The titles of every player, for comparing before and after.
    std::vector<std::pair<int, int>> Titles() {
        std::vector<std::pair<int, int>> t;
        for (int i = 0; i < 6; ++i) t.emplace_back(Player(i).BesterSpielerMaske(), Player(i).BesterHauptposition());
        t.emplace_back(Former().BesterSpielerMaske(), Former().BesterHauptposition());
        return t;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(WeltBesteTest, ChooserOffersFieldPlayersWithTheAbilityAndPlayersOfThePosition) {
    for (int i : {0, 1, 2, 4}) Player(i).Faehigkeit(8, 1);  // the keeper too
    Player(3).Faehigkeit(8, -1);
    auto names = [](const std::vector<const CSpieler*>& v) {
        std::vector<std::string> out;
        for (const CSpieler* p : v) out.push_back(p->Nachname());
        return out;
    };
    EXPECT_EQ(names(FetchCandidates(Club(), kHolenFaehigkeit, 8)), (std::vector<std::string>{"Adler", "Berg", "Stein"}));
    EXPECT_EQ(names(FetchCandidates(Club(), kHolenPosition, 10)), (std::vector<std::string>{"Adler", "Berg", "Claus"}));
    EXPECT_EQ(names(FetchCandidates(Club(), kHolenPosition, 1)), (std::vector<std::string>{"Zorn"}));
    EXPECT_EQ(FetchCandidates(Club(), kHolenKader, 0).size(), 6u);
}

TEST_F(WeltBesteTest, OpeningFindsTheHoldersAndTheLaterOneKeepsATitle) {
    Player(1).Faehigkeit(8, 1);
    Player(2).Faehigkeit(8, 1);
    ASSERT_TRUE(Player(1).BesterSpieler(8));
    ASSERT_TRUE(Player(2).BesterSpieler(8));
    ASSERT_TRUE(Player(4).BesterHauptposition(3));
    ASSERT_TRUE(Former().BesterHauptposition(10));
    Player(2).Kuenstlername("Adlerauge");
    WeltBesteSpieler w;
    EXPECT_EQ(w.Faehigkeit(8).spieler, &Player(2));
    EXPECT_EQ(w.FaehigkeitText(8), (std::array<std::string, 2>{"Adlerauge, N3", "S, Kickers"}));
    EXPECT_EQ(w.PositionText(3), (std::array<std::string, 2>{"Stein, Vor, N3", "Kickers"}));
    EXPECT_EQ(w.PositionText(10), (std::array<std::string, 2>{"Ehemann, Ex, N4", "Ehemaliger Spieler"}));
    EXPECT_EQ(w.FaehigkeitText(1), (std::array<std::string, 2>{"Kein Spieler", ""}));

    // OK without a change leaves only the slot holders with titles.
    w.Ok();
    EXPECT_EQ(Player(1).BesterSpieler(), 0);
    EXPECT_EQ(Player(2).BesterSpieler(), 8);
    EXPECT_EQ(Former().BesterHauptposition(), 10);
}

TEST_F(WeltBesteTest, KeinSpielerTakesTheTitleAwayAndANewHolderGetsIt) {
    Player(1).Faehigkeit(8, 1);
    Player(5).Faehigkeit(8, 1);
    ASSERT_TRUE(Player(1).BesterSpieler(8));
    ASSERT_TRUE(Player(4).BesterHauptposition(3));
    WeltBesteSpieler w;
    w.SetFaehigkeit(8, {});
    w.SetPosition(10, {&Player(5), &Club()});
    w.SetPosition(10, {&Player(1), &Club()});  // changed twice: the first choice gets nothing
    w.SetFaehigkeit(8, {&Player(5), &Club()});
    w.SetFaehigkeit(8, {});
    EXPECT_EQ(w.FaehigkeitText(8)[0], "Kein Spieler");
    w.Ok();
    EXPECT_EQ(Player(1).BesterSpieler(), 0);
    EXPECT_EQ(Player(5).BesterSpieler(), 0);
    EXPECT_EQ(Player(5).BesterHauptposition(), 0);
    EXPECT_EQ(Player(1).BesterHauptposition(), 10);
    EXPECT_EQ(Player(4).BesterHauptposition(), 3);
}

TEST_F(WeltBesteTest, DroppingTheRulesAfterChangesLeavesEveryTitle) {
    Player(1).Faehigkeit(8, 1);
    ASSERT_TRUE(Player(1).BesterSpieler(8));
    ASSERT_TRUE(Former().BesterHauptposition(10));
    const auto before = Titles();
    {
        WeltBesteSpieler w;
        w.SetFaehigkeit(8, {});
        w.SetPosition(10, {&Player(2), &Club()});
        w.SetPosition(3, {&Player(4), &Club()});
    }
    EXPECT_EQ(Titles(), before);
}

}  // namespace
