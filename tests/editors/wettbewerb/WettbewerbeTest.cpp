// Names of leagues, cup and European competitions; championship hosts; the
// five-year ranking.
#include <gtest/gtest.h>

#include <memory>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/wettbewerb/rules/Wettbewerbe.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/UEFA.h"

using namespace v3;

namespace {

class WettbewerbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        for (int i = 0; i < 80; ++i) {
            auto n = std::make_unique<CNation>();
            n->Name("Nation" + std::to_string(i));
            Daten().NationenListe.push_back(std::move(n));
        }
    }
    // A country with `ligen` leagues named "Liga1".., short names "L1"..
    void AddCountry(int ligen) {
        auto land = std::make_unique<CLand>();
        land->Ligen().clear();
        for (int i = 0; i < ligen; ++i) {
            auto l = std::make_unique<CLiga>();
            l->Name("Liga" + std::to_string(i + 1));
            l->Kuerzel("L" + std::to_string(i + 1));
            land->Ligen().push_back(std::move(l));
        }
        Daten().AlleLaender.push_back(std::move(land));
    }
    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(WettbewerbeTest, FirstTournamentFollowsTheStartYear) {
    struct Case {
        int start, first;
        const char* firstKind;
    } cases[] = {{2000, 2002, "WM"}, {2001, 2002, "WM"}, {2002, 2004, "EM"}, {2003, 2004, "EM"}, {1996, 1998, "WM"}};
    for (const auto& c : cases) {
        WMEMRules r({}, c.start);
        ASSERT_EQ(r.Zeilen().size(), 50u);
        EXPECT_EQ(r.Zeilen()[0].jahr, c.first) << c.start;
        EXPECT_EQ(r.LineText(0).substr(0, 2), c.firstKind) << c.start;
        EXPECT_EQ(r.Zeilen()[1].jahr, c.first + 2);
        EXPECT_EQ(r.Zeilen()[49].jahr, c.first + 98);
    }
}

TEST_F(WettbewerbeTest, EmptyHostListGetsDefaultHostsInTableOrder) {
    WMEMRules r({}, 2004);  // 2006 WM, 2008 EM, 2010 WM, 2012 EM ...
    EXPECT_EQ(r.HostOf(0), 4);
    EXPECT_EQ(r.HostOf(1), 6);
    EXPECT_EQ(r.HostOf(2), 8);
    EXPECT_EQ(r.HostOf(3), 13);
    EXPECT_EQ(r.LineText(0), "WM\t2006\tNation4");
    EXPECT_EQ(r.Hosts().size(), 50u);
    EXPECT_EQ(r.Hosts()[1].Kind(), kKindEM);
    EXPECT_EQ(r.Hosts()[0].Kind(), kKindWM);

    WMEMRules fixed({}, 1996);  // 1998, 2000 and 2002 have their own hosts
    EXPECT_EQ(fixed.HostOf(0), 20);
    EXPECT_EQ(fixed.HostOf(1), 24);
    EXPECT_EQ(fixed.HostOf(2), 30);
    EXPECT_EQ(fixed.HostOf(3), 6);  // 2004: the first European default
    EXPECT_EQ(fixed.HostOf(4), 4);  // 2006: the first world default
}

TEST_F(WettbewerbeTest, PartialHostListFillsOnlyTheLinesWithoutHost) {
    WMEMRules r({CEuroWM(2008, kKindEM, 57), CEuroWM(2010, kKindWM, 71)}, 2004);
    EXPECT_EQ(r.HostOf(0), 4);   // 2006
    EXPECT_EQ(r.HostOf(1), 57);  // 2008 as listed
    EXPECT_EQ(r.HostOf(2), 71);  // 2010 as listed
    EXPECT_EQ(r.HostOf(3), 6);   // 2012: first European default
    EXPECT_EQ(r.HostOf(4), 8);   // 2014: second world default
    EXPECT_EQ(r.Hosts().size(), 50u);
}

TEST_F(WettbewerbeTest, ChangingAHostOffersTheOtherCandidatesThenTheCurrent) {
    WMEMRules r({}, 2004);
    const auto em = r.Candidates(1);  // EM, host 6
    ASSERT_EQ(em.size(), 15u);
    EXPECT_EQ(em.back(), 6);
    EXPECT_EQ(em.front(), 13);
    const auto wm = r.Candidates(0);  // WM, host 4
    ASSERT_EQ(wm.size(), 20u);
    EXPECT_EQ(wm.back(), 4);
    EXPECT_EQ(r.ChangeText(1), "Europameisterschaft 2008 in");

    EXPECT_EQ(r.SetHost(1, 14), 2);
    EXPECT_EQ(r.HostOf(1), 14);
    EXPECT_EQ(r.SetHost(49, 13), 0);  // after the last line the first is next
}

TEST_F(WettbewerbeTest, HostListReachesTheDataSetOnlyOnApply) {
    Daten().EMWMListe.push_back(std::make_unique<CEuroWM>(2008, kKindEM, 57));
    App().Saisonstartjahr = 2004;
    {
        WMEMRules r;
        r.SetHost(1, 14);
    }  // cancelled
    ASSERT_EQ(Daten().EMWMListe.size(), 1u);
    EXPECT_EQ(Daten().EMWMListe[0]->Nation(), 57);
    WMEMRules r;
    r.SetHost(1, 14);
    r.Apply();
    ASSERT_EQ(Daten().EMWMListe.size(), 50u);
    EXPECT_EQ(*Daten().EMWMListe[0], CEuroWM(2008, kKindEM, 14));
}

TEST_F(WettbewerbeTest, RankingSortsByFiveSeasonsAndKeepsTheOrderOfEqualPoints) {
    CUEFA rec;
    for (int p = 0; p < CUEFA::kPlaetze; ++p) {
        rec.Nation(p, p + 1);
        for (int s = 0; s < 6; ++s) rec.Points(p, s, 0);
    }
    // Places 3 and 7 have 10 points each; place 5 has 12, of which only the
    // last season (not counted) is large.
    rec.Points(3, 0, 10);
    rec.Points(7, 4, 10);
    rec.Points(5, 1, 2);
    rec.Points(5, 5, 99);
    UEFAWertung w(rec);
    EXPECT_EQ(w.Zeilen()[0].nation, 4);
    EXPECT_EQ(w.Zeilen()[1].nation, 8);
    EXPECT_EQ(w.Zeilen()[2].nation, 6);
    EXPECT_EQ(w.Zeilen()[3].nation, 1);  // the zero points in their old order
    EXPECT_EQ(w.Zeilen()[4].nation, 2);
    EXPECT_EQ(w.LineText(2), "3\tNation6\t2\t99");

    // Raising the last line to 11 points puts it first; a value of 100 is refused.
    EXPECT_EQ(w.Change(36, {0, 0, 0, 0, 100, 0}), -1);
    EXPECT_EQ(w.Change(36, {1, 2, 3, 4, 1, 7}), 0);
    EXPECT_EQ(w.Zeilen()[0].nation, 37);
    // Equal points again: the line that was listed earlier stays first.
    EXPECT_EQ(w.Change(1, {11, 0, 0, 0, 0, 0}), 1);

    w.ApplyTo(rec);
    EXPECT_EQ(rec.Nation(0), 37);
    EXPECT_EQ(rec.Points(0, 5), 7);
    EXPECT_EQ(rec.Nation(1), 4);
    EXPECT_EQ(rec.Points(1, 0), 11);
    EXPECT_EQ(rec.Nation(2), 8);
}

TEST_F(WettbewerbeTest, NationalCompetitionRowsAndLimits) {
    AddCountry(3);
    AddCountry(6);
    EXPECT_EQ(NationaleWettbewerbe(0).zeilen.size(), 2u);  // country 0: its first two leagues
    EXPECT_EQ(NationaleWettbewerbe(1).zeilen.size(), 4u);  // all but the last, at most four

    NationaleWettbewerbe n(1);
    EXPECT_EQ(n.zeilen[1].name, "Liga2");
    struct Case {
        int row;  // -1 the cup
        std::string text;
        bool ok;
    } cases[] = {{0, "A", false}, {0, std::string(15, 'x'), false}, {-1, std::string(21, 'x'), false},
                 {-1, "P", false},  {0, "AB", true},                   {-1, std::string(20, 'x'), true}};
    for (const auto& c : cases) {
        NationaleWettbewerbe e(1);
        (c.row < 0 ? e.pokal : e.zeilen[size_t(c.row)].kuerzel) = c.text;
        ui.messages.clear();
        EXPECT_EQ(e.Ok(), c.ok) << c.text;
        EXPECT_EQ(ui.messages.size(), c.ok ? 0u : 1u);
        const CLand& land = *Daten().AlleLaender[1];
        if (c.ok)
            EXPECT_EQ(c.row < 0 ? land.PokalName() : land.Ligen()[0]->Kuerzel(), c.text);
        else
            EXPECT_NE(c.row < 0 ? land.PokalName() : land.Ligen()[0]->Kuerzel(), c.text);
    }
}

TEST_F(WettbewerbeTest, InternationalCompetitionNames) {
    Daten().kleinigkeiten = std::make_unique<CKleinigkeiten>();
    InternationaleWettbewerbe w;
    w.namen[1] = "X";
    EXPECT_FALSE(w.Ok());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(Daten().kleinigkeiten->CompetitionName(1), "X");
    w.namen = {"Meistercup", "Verbandspokal"};
    EXPECT_TRUE(w.Ok());
    EXPECT_EQ(Daten().kleinigkeiten->CompetitionName(0), "Meistercup");
    EXPECT_EQ(Daten().kleinigkeiten->CompetitionName(1), "Verbandspokal");
}

}  // namespace
