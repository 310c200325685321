// The dialogs around players: national squad, fetch and transfer choosers, the
// pool of former players and the youth players' club quota.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/rules/PlayerGroups.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Verein.h"

using namespace v3;

namespace {

class PlayerGroupsTest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }
    // `n` players of nation 14, the first `members` of them in the squad.
    void MakeCandidates(int n, int members) {
        candidates.clear();
        players.clear();
        for (int i = 0; i < n; ++i) {
            auto p = std::make_unique<CSpieler>();
            p->Nationalitaet(14);
            p->Staerke(12 - i % 12);
            p->NationalSpieler(i < members ? 4 | 1 : 1);
            candidates.push_back({p.get(), 0, "Club"});
            players.push_back(std::move(p));
        }
    }
    // A country at index 0 with clubs of the given squad sizes.
    void MakeCountry(std::vector<int> sizes) {
        auto land = std::make_unique<CLand>();
        int nr = 1;
        for (int s : sizes) {
            auto v = std::make_unique<CVerein>(nr);
            v->Name("Verein " + std::to_string(nr++));
            CVerein::Kader k;
            for (int i = 0; i < s; ++i) k.push_back(std::make_unique<CSpieler>());
            v->SpielerListe(std::move(k));
            land->VereinsListe().push_back(std::move(v));
        }
        Daten().AlleLaender.push_back(std::move(land));
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    std::vector<std::unique_ptr<CSpieler>> players;
    std::vector<SquadEntry> candidates;
};

TEST_F(PlayerGroupsTest, NationalSquadHoldsSixteenToTwentyTwo) {
    const std::string tooMany = "Es k\xC3\xB6nnen nicht mehr als 22 Spieler in der Nationalmannschaft spielen!";
    const std::string tooFew = "Es k\xC3\xB6nnen nicht weniger als 16 Spieler in der Nationalmannschaft spielen!";
    struct Case {
        int members;
        bool add;  // else remove
        bool ok;
        std::string message;
    };
    const std::vector<Case> cases = {
        {22, true, false, tooMany},  // a 23rd is refused
        {21, true, true, ""},
        {16, false, false, tooFew},  // a 15th is refused
        {17, false, true, ""},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        MakeCandidates(30, c.members);
        NationalSquadRules r(14, candidates);
        ASSERT_EQ(int(r.Squad().size()), c.members);
        if (!c.add && c.ok) ui.Answer(MsgResult::Yes);
        int outside = 0;
        while (r.Candidates()[size_t(outside)].player->NationalSpieler() & 4) ++outside;
        const bool ok = c.add ? r.Add(outside) : r.Remove(0);
        EXPECT_EQ(ok, c.ok) << c.members;
        if (c.ok) EXPECT_EQ(int(r.Squad().size()), c.members + (c.add ? 1 : -1));
        else EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    }
    // No selection, a member added twice, a removal not confirmed.
    MakeCandidates(30, 18);
    NationalSquadRules r(14, candidates);
    ui.messages.clear();
    EXPECT_FALSE(r.Add(-1));
    EXPECT_FALSE(r.Add(0));
    ui.Answer(MsgResult::No);
    EXPECT_FALSE(r.Remove(0));
    EXPECT_EQ(int(r.Squad().size()), 18);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "Bitte selektieren Sie zuerst einen Spieler!");
    EXPECT_EQ(ui.messages[1].text, "Dieser Spieler spielt schon in der Nationalmannschaft!");
    EXPECT_NE(ui.messages[2].text.find("\naus der Nationalmannschaft entfernen?"), std::string::npos);
}

TEST_F(PlayerGroupsTest, NationalSquadOkSetsTheMarkExactlyOnTheMembers) {
    MakeCandidates(30, 18);
    NationalSquadRules r(14, candidates);
    // Swap two members for two others.
    ui.Answer(MsgResult::Yes);
    ui.Answer(MsgResult::Yes);
    CSpieler* out1 = r.Squad()[0].player;
    ASSERT_TRUE(r.Remove(0));
    CSpieler* out2 = r.Squad()[0].player;
    ASSERT_TRUE(r.Remove(0));
    // Candidates are listed strongest first; take the first two outside the squad.
    std::vector<int> outside;
    for (size_t i = 0; i < r.Candidates().size(); ++i)
        if (!(r.Candidates()[i].player->NationalSpieler() & 4)) outside.push_back(int(i));
    ASSERT_GE(outside.size(), 2u);
    ASSERT_TRUE(r.Add(outside[0]));
    ASSERT_TRUE(r.Add(outside[1]));
    std::set<CSpieler*> members;
    for (const auto& e : r.Squad()) members.insert(e.player);
    // Nothing changes before OK.
    EXPECT_TRUE(out1->NationalSpieler() & 4);
    ASSERT_TRUE(r.Ok());
    for (const auto& p : players) {
        EXPECT_EQ((p->NationalSpieler() & 4) != 0, members.count(p.get()) == 1);
        EXPECT_TRUE(p->NationalSpieler() & 1);  // the other bits stay
    }
    EXPECT_FALSE(out2->NationalSpieler() & 4);
    // OK with too few.
    MakeCandidates(30, 15);
    NationalSquadRules few(14, candidates);
    ui.messages.clear();
    EXPECT_FALSE(few.Ok());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(PlayerGroupsTest, FetchNeedsSeventeenPlayersAtTheSource) {
    EXPECT_TRUE(FetchAllowed(17));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(FetchAllowed(16));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    EXPECT_EQ(ui.messages[0].text,
              "Dieser Verein hat weniger als 17 Spieler.\nSie k\xC3\xB6nnen deshalb von dort keinen Spieler mehr holen!");
    MakeCountry({17});
    state->NationNummer[0] = 14;
    auto record = MakeFetchRecord(*Daten().AlleLaender[0]->VereinsListe()[0]->SpielerListe()[3], 0,
                                  *Daten().AlleLaender[0]->VereinsListe()[0]);
    EXPECT_EQ(record->LetzterVereinNation(), 14);
    EXPECT_EQ(record->LetzterVerein(), 1);
}

TEST_F(PlayerGroupsTest, TransferTargetsBelowThirtyFiveWithoutTheOwnClub) {
    MakeCountry({34, 35, 20, 10});
    SquadSizes sizes = SquadSizes::FromDataSet();
    auto names = [&](const std::string& own) {
        std::vector<std::string> out;
        for (const CVerein* v : TransferClubs(0, own, sizes)) out.push_back(v->Name());
        return out;
    };
    EXPECT_EQ(names(""), (std::vector<std::string>{"Verein 1", "Verein 3", "Verein 4"}));
    EXPECT_EQ(names("Verein 3"), (std::vector<std::string>{"Verein 1", "Verein 4"}));
    sizes.Raise(0, 1);  // a player promised to club 1 fills it
    EXPECT_EQ(names(""), (std::vector<std::string>{"Verein 3", "Verein 4"}));
}

TEST_F(PlayerGroupsTest, FormerPlayerPoolTransfersAndDeletes) {
    MakeCountry({20, 34});
    state->NationNummer[0] = 14;
    for (const char* n : {"Alt", "Bert", "Cord"}) {
        auto p = std::make_unique<CExSpieler>();
        p->Nachname(n);
        p->Vorname("V");
        p->RueckenNummer(1);
        Daten().ExSpielerListe.push_back(std::move(p));
    }
    FormerPoolRules r;
    EXPECT_EQ(r.Lines()[1], "Bert, V");
    // No selection.
    EXPECT_FALSE(r.Loeschen(-1));
    EXPECT_FALSE(r.Wechseln(-1, 0, 1));
    EXPECT_EQ(Messages(), (std::vector<std::string>(2, "Bitte selektieren Sie zuerst einen Spieler!")));
    // A cancelled question changes nothing.
    ui.Answer(MsgResult::Cancel);
    EXPECT_FALSE(r.Wechseln(1, 0, 2));
    EXPECT_EQ(r.Count(), 3u);
    // Bert goes to club 2; the next line is selected.
    ui.Answer(MsgResult::Ok);
    EXPECT_EQ(r.Wechseln(1, 0, 2), std::optional<int>(1));
    EXPECT_EQ(ui.messages.back().text, "Soll der Spieler V Bert\nwirklich wechseln?");
    EXPECT_EQ(r.Sizes().Size(0, 2), 35);
    // Deleting the last line selects the one before.
    EXPECT_EQ(r.Loeschen(1), std::optional<int>(0));
    EXPECT_EQ(r.Lines(), std::vector<std::string>{"Alt, V"});
    // Nothing reached the data set yet; OK applies both.
    EXPECT_EQ(Daten().ExSpielerListe.size(), 3u);
    r.Apply();
    ASSERT_EQ(Daten().ExSpielerListe.size(), 1u);
    EXPECT_EQ(Daten().ExSpielerListe[0]->Nachname(), "Alt");
    const auto& club = *Daten().AlleLaender[0]->VereinsListe()[1];
    ASSERT_EQ(club.SpielerListe().size(), 35u);
    EXPECT_EQ(club.SpielerListe().back()->Nachname(), "Bert");
    for (size_t i = 0; i + 1 < club.SpielerListe().size(); ++i)
        EXPECT_NE(club.SpielerListe()[i]->RueckenNummer(), club.SpielerListe().back()->RueckenNummer());
    // An empty pool reads "Keiner".
    FormerPoolRules r2;
    r2.Loeschen(0);
    EXPECT_EQ(r2.Lines(), std::vector<std::string>{"Keiner"});
}

TEST_F(PlayerGroupsTest, YouthClubsForAtMostATenthOfThePlayers) {
    const std::string refused =
        "Leider nicht mehr m\xC3\xB6glich, Sie haben bereits 10% der\nJugendspieler dieses Landes einen Verein "
        "zugewiesen!";
    struct Case {
        int withClub;
        int oldClub, newClub;
        bool ok;
    };
    const std::vector<Case> cases = {
        {10, 0, 3, true},   // the eleventh assignment: 10 <= 100 / 10
        {11, 0, 3, false},  // the twelfth
        {11, -1, 3, false}, // a new record counts as without a club
        {11, 2, 3, true},   // between clubs the count stays
        {11, 2, 0, true},   // "Keiner" lowers it
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        std::vector<CAmateurJugendSpieler> list(100);
        for (int i = 0; i < 100; ++i) list[size_t(i)].VereinNr(i < c.withClub ? 1 : 0);
        YouthRules r(list);
        EXPECT_EQ(r.PlayersWithClub(), c.withClub);
        EXPECT_EQ(r.ClubChoiceAllowed(c.oldClub, c.newClub), c.ok) << c.withClub << " " << c.oldClub;
        EXPECT_EQ(Messages(), c.ok ? std::vector<std::string>{} : std::vector<std::string>{refused});
    }
    // Renaming trims and needs both names.
    std::vector<CAmateurJugendSpieler> list(20);
    for (auto& p : list) p.VereinNr(0);
    YouthRules r(list);
    ui.messages.clear();
    EXPECT_FALSE(r.Edit(0, "  ", "Meier", 0));
    EXPECT_EQ(ui.messages.back().text, "Der Name mu\xC3\x9F mindestens ein Zeichen lang sein!");
    EXPECT_EQ(ui.messages.back().caption, "Fehler!");
    EXPECT_TRUE(r.Edit(0, " Jan ", "Meier\t", 2));
    EXPECT_EQ(r.Player(0).Vorname(), "Jan");
    EXPECT_EQ(r.Player(0).VereinNr(), 2);
    EXPECT_TRUE(r.Edit(1, "Jan", "Meier", 2));
    EXPECT_TRUE(r.Edit(2, "Jan", "Meier", 2));
    EXPECT_FALSE(r.Edit(3, "Jan", "Meier", 2));  // 3 of 20 would be over a tenth
    EXPECT_EQ(r.Player(3).VereinNr(), 0);
}

}  // namespace
