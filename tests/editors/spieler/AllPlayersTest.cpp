// The all-players editor's rules: the entry table, its sorts, the commands on
// the selected line's club and the collected OK.
#include <gtest/gtest.h>

#include <memory>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/rules/AllPlayers.h"
#include "records/Land.h"

using namespace v3;

namespace {

class AllPlayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        for (int l = 0; l < 2; ++l) Daten().AlleLaender.push_back(std::make_unique<CLand>());
    }
    // Clubs of country `land` with the given squad sizes; player i of a club
    // is "N<i>", strength 1 + i % 12, position 1 + i % 10, number i + 1.
    void MakeClubs(int land, std::vector<int> sizes) {
        auto& list = Daten().AlleLaender[size_t(land)]->VereinsListe();
        for (int s : sizes) {
            const int nr = int(list.size()) + 1;
            auto v = std::make_unique<CVerein>(nr);
            v->Name("Club " + std::to_string(nr));
            v->VereinsNummer(nr);
            for (int i = 0; i < s; ++i) {
                auto p = std::make_unique<CSpieler>();
                p->Nachname("N" + std::to_string(i));
                p->Vorname("V");
                p->Staerke(1 + i % 12);
                p->Hauptposition(1 + i % 10);
                p->RueckenNummer(i + 1);
                p->Nationalitaet(App().NationNummer[size_t(land)]);
                v->SpielerListe().push_back(std::move(p));
            }
            list.push_back(std::move(v));
        }
    }
    std::vector<std::string> Lines(const AllPlayersRules& r) const {
        std::vector<std::string> out;
        for (size_t i = 0; i < r.Rows().size(); ++i) out.push_back(r.Line(int(i)));
        return out;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(AllPlayersTest, OpensWithEveryClubsPlayersThenTrainerAndManager) {
    MakeClubs(1, {2, 1});
    AllPlayersRules r(1);
    ASSERT_EQ(r.Rows().size(), 7u);
    EXPECT_EQ(r.Entries().size(), AllPlayersRules::kEntries);
    const auto lines = Lines(r);
    EXPECT_EQ(lines[0].substr(0, 17), "T\tN0, V.\t1\tClub 1");
    EXPECT_EQ(lines[2].substr(0, 4), "TRA\t");
    EXPECT_EQ(lines[3].substr(0, 3), "MA\t");
    EXPECT_EQ(lines[4].substr(0, 17), "T\tN0, V.\t1\tClub 2");
    EXPECT_EQ(ui.progressTitles, std::vector<std::string>{"Bitte einen Moment Geduld..."});
}

TEST_F(AllPlayersTest, SortByStrengthThenNameKeepsEqualNamesInStrengthOrder) {
    MakeClubs(1, {12, 12});
    auto& b = Daten().AlleLaender[1]->VereinsListe()[1]->SpielerListe();
    for (auto& p : b) p->Staerke(13 - p->Staerke());  // club 2 stronger where club 1 is weaker
    AllPlayersRules r(1);
    r.Sort(AllSort::Staerke);
    r.Sort(AllSort::Name);
    std::string previous;
    int previousStrength = 99;
    for (size_t i = 0; i < r.Rows().size(); ++i) {
        const auto& e = r.RowEntry(int(i));
        if (e.kind != 0) continue;
        const std::string name = e.player->Nachname() + e.player->Vorname();
        ASSERT_LE(previous, name);
        if (name == previous) {
            EXPECT_GE(previousStrength, e.player->Staerke()) << name;
        }
        previous = name;
        previousStrength = e.player->Staerke();
    }
    EXPECT_EQ(r.SortKeys(), (std::vector<AllSort>{AllSort::Name, AllSort::Staerke}));
}

TEST_F(AllPlayersTest, StaffSortsAfterPlayersByPositionAndInTheirClubsPlaceByClub) {
    MakeClubs(1, {3, 3});
    AllPlayersRules r(1);
    r.Sort(AllSort::Position);
    const auto lines = Lines(r);
    ASSERT_EQ(lines.size(), 10u);
    for (size_t i = 0; i < 6; ++i) EXPECT_NE(lines[i].substr(0, 3), "TRA") << i;
    EXPECT_EQ(lines[6].substr(0, 4), "TRA\t");
    EXPECT_EQ(lines[7].substr(0, 4), "TRA\t");
    EXPECT_EQ(lines[8].substr(0, 3), "MA\t");
    // By club, within the club's run the position order stays (the previous key).
    r.Sort(AllSort::Verein);
    const auto byClub = Lines(r);
    EXPECT_EQ(byClub[3].substr(0, 4), "TRA\t");
    EXPECT_NE(byClub[3].find("Club 1"), std::string::npos);
    EXPECT_EQ(byClub[4].substr(0, 3), "MA\t");
    EXPECT_NE(byClub[5].find("Club 2"), std::string::npos);
}

TEST_F(AllPlayersTest, NewPlayerJoinsTheSelectedLinesClub) {
    MakeClubs(0, {3, 4});
    Daten().AlleLaender[0]->VereinsListe()[1]->SpielerListe()[1]->RueckenNummer(60);  // 1, 60, 3, 4
    AllPlayersRules r(0);
    const int row = 6;  // club 2, second player
    ASSERT_EQ(r.RowEntry(row).club, 1);
    const auto next = r.Command(row, true, [](SquadEditorRules& s, int line) { return s.Neu(line, [] { return true; }); });
    ASSERT_EQ(next, row);
    const auto& e = r.RowEntry(row);
    ASSERT_EQ(e.kind, 0);
    EXPECT_EQ(e.club, 1);
    EXPECT_EQ(e.player->RueckenNummer(), 2);
    EXPECT_EQ(e.player->Nationalitaet(), App().NationNummer[0]);
    EXPECT_EQ(r.RowClub(row).SpielerListe().size(), 5u);
    EXPECT_EQ(r.Rows().size(), 12u);

    // Deleting it frees its entry again.
    const auto after = r.Command(row, false, [](SquadEditorRules& s, int line) { return s.EndgueltigLoeschen(line); });
    ASSERT_TRUE(after);
    EXPECT_EQ(r.Rows().size(), 11u);
    EXPECT_EQ(r.RowClub(row).SpielerListe().size(), 4u);
}

TEST_F(AllPlayersTest, FullTableRefusesNewPlayersWithoutAddingOne) {
    MakeClubs(1, std::vector<int>(210, 34));  // 210 * 36 = 7560 entries
    AllPlayersRules r(1);
    ASSERT_EQ(r.Rows().size(), AllPlayersRules::kEntries);
    bool ran = false;
    EXPECT_FALSE(r.Command(0, true, [&](SquadEditorRules&, int) { ran = true; return std::optional<int>(0); }));
    EXPECT_FALSE(ran);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "In der Spielerliste ist kein Platz mehr f\xC3\xBCr einen weiteren Spieler!");
    EXPECT_EQ(Daten().AlleLaender[1]->VereinsListe()[0]->SpielerListe().size(), 34u);
}

TEST_F(AllPlayersTest, OkNamesEveryClubWithAProblemAndAppliesOnlyWhenNone) {
    MakeClubs(1, {16, 15, 16});
    {
        AllPlayersRules r(1);
        EXPECT_FALSE(r.Ok());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Club 2: Jeder Verein mu\xC3\x9F mindestens\n16 Spieler haben!\n");
    }
    Daten().AlleLaender[1]->VereinsListe()[1]->SpielerListe().push_back(std::make_unique<CSpieler>());
    Daten().AlleLaender[1]->VereinsListe()[1]->SpielerListe().back()->RueckenNummer(40);
    AllPlayersRules r(1);
    const CVerein* before = Daten().AlleLaender[1]->VereinsListe()[0].get();
    // Club 1 gives player 0 to club 3.
    ASSERT_TRUE(r.Command(0, false, [](SquadEditorRules& s, int line) {
        return s.Wechsel(line, [] { return true; }, [] { return std::optional<std::pair<int, int>>({1, 3}); });
    }));
    ui.messages.clear();
    // Club 1 now has 15: refused, then the squad is topped up again.
    EXPECT_FALSE(r.Ok());
    ASSERT_TRUE(r.Command(0, true, [](SquadEditorRules& s, int line) { return s.Neu(line, [] { return true; }); }));
    ASSERT_TRUE(r.Ok());
    const auto& clubs = Daten().AlleLaender[1]->VereinsListe();
    EXPECT_NE(clubs[0].get(), before);
    EXPECT_EQ(clubs[0]->SpielerListe().size(), 16u);
    EXPECT_EQ(clubs[2]->SpielerListe().size(), 17u);
    EXPECT_EQ(clubs[2]->SpielerListe().back()->Nachname(), "N0");
    EXPECT_EQ(clubs[2]->SpielerListe().back()->RueckenNummer(), 17);
}

}  // namespace
