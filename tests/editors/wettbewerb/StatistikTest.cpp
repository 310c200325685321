// The statistics over every club of every country.
#include <gtest/gtest.h>

#include <memory>

#include "DemoFixture.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/wettbewerb/rules/Statistik.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Stadion.h"
#include "records/Verein.h"

using namespace v3;

namespace {

class StatistikTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        for (int c = 0; c < 12; ++c) {
            auto land = std::make_unique<CLand>();
            land->Ligen().clear();
            Daten().AlleLaender.push_back(std::move(land));
        }
    }
    // A club of country `land` with players of the given strengths (birth year 1970).
    CVerein& AddClub(int land, const std::string& name, std::vector<int> strengths, int standing = 0) {
        CLand& l = *Daten().AlleLaender[size_t(land)];
        auto v = std::make_unique<CVerein>(int(l.VereinsListe().size()) + 1);
        v->Name(name);
        CVerein::Kader k;
        for (int s : strengths) {
            auto p = std::make_unique<CSpieler>();
            p->Staerke(s);
            p->Hauptposition(1 + s % 10);
            p->GeburtsDatum(1, 1, 1970);
            k.push_back(std::move(p));
        }
        v->SpielerListe(std::move(k));
        auto st = std::make_unique<CStadion>();
        for (int t = 0; t < 4; ++t) {
            st->Stehplaetze(t, t == 0 ? standing : 0);
            st->Sitzplaetze(t, 0);
            st->Logen(t, 0);
        }
        v->Stadion(std::move(st));
        l.VereinsListe().push_back(std::move(v));
        return *l.VereinsListe().back();
    }
    void AddLeague(int land, const std::string& name, std::vector<int> clubs) {
        auto liga = std::make_unique<CLiga>();
        liga->Name(name);
        liga->Size(int(clubs.size()));
        for (size_t i = 0; i < clubs.size(); ++i) liga->ClubNumber(int(i), clubs[i]);
        Daten().AlleLaender[size_t(land)]->Ligen().push_back(std::move(liga));
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(StatistikTest, ThousandsPoint) {
    struct Case {
        int64_t n;
        const char* text;
    } cases[] = {{0, "0"}, {999, "999"}, {1000, "1.000"}, {7890, "7.890"}, {45012, "45.012"}, {1234567, "1234.567"}};
    for (const auto& c : cases) EXPECT_EQ(MitTausenderpunkt(c.n), c.text);
    EXPECT_EQ(Zwei(7.0 / 3), "2.33");
}

TEST_F(StatistikTest, EuroLineAndTotalAreRightAligned) {
    for (int c = 0; c < 200; ++c) AddClub(11, "Euro" + std::to_string(c), std::vector<int>(25, 5));
    AddClub(0, "Heim", {6, 6});
    const Statistik s = BerechneStatistik(Daten());
    EXPECT_EQ(s.euro, 5000);
    EXPECT_EQ(s.spieler, 5002);
    const auto lines = SpielerZeilen(s, Daten());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "Ausland" + std::string(22, ' ') + "  1.430");
    EXPECT_EQ(lines[lines.size() - 2], "Euro" + std::string(27, ' ') + "  5.000");
    EXPECT_EQ(lines[lines.size() - 1], "Gesamt" + std::string(21, ' ') + "  6.432");
}

TEST_F(StatistikTest, ExtremesKeepTheFirstClubFound) {
    AddClub(0, "ClubA", {4, 4, 4}, 900);
    AddClub(0, "ClubB", {6, 6, 6, 6}, 1000);
    AddClub(1, "ClubC", {6, 6, 6, 6}, 1000);  // ties B in size, strength and places
    AddClub(1, "ClubD", {4, 4, 4}, 900);
    CVerein& alt = AddClub(1, "ClubE", {5, 5}, 50);
    alt.SpielerListe()[0]->GeburtsDatum(3, 3, 1950);
    alt.SpielerListe()[0]->Vorname("Opa");
    alt.SpielerListe()[0]->Nachname("Alt");
    alt.SpielerListe()[1]->GeburtsDatum(3, 3, 1950);  // as old, found later
    App().Saisonstartjahr = 2000;
    const Statistik s = BerechneStatistik(Daten());
    EXPECT_EQ(s.meisteVerein, "ClubB");
    EXPECT_EQ(s.meiste, 4);
    EXPECT_EQ(s.wenigsteVerein, "ClubE");
    EXPECT_EQ(s.staerksterVerein, "ClubB");
    EXPECT_EQ(s.schwaechsterVerein, "ClubA");
    EXPECT_EQ(s.groesstesVerein, "ClubB");
    EXPECT_EQ(s.kleinstesVerein, "ClubE");
    EXPECT_EQ(s.summePlaetze, 3850);
    EXPECT_EQ(s.oldie, "Opa Alt");
    EXPECT_EQ(s.oldieVerein, "ClubE");
    EXPECT_EQ(s.oldieAlter, 50);
    EXPECT_EQ(s.vereine, 5);
    EXPECT_EQ(s.spieler, 16);
    EXPECT_EQ(s.SpielerProVerein(), 3);
    EXPECT_EQ(s.summeSchnitte, 4 + 6 + 6 + 4 + 5);
    EXPECT_EQ(Zwei(s.SchnittStaerke()), "5.00");
    EXPECT_EQ(s.SchnittStadion(), 770);
}

TEST_F(StatistikTest, LeaguesCountTheirClubsAndNameTheStrongest) {
    App().LigaAnzahl[0] = 2;
    AddClub(0, "ClubA", {10, 10});
    AddClub(0, "ClubB", {2, 4});
    AddClub(0, "ClubC", {8});  // in no counted league
    AddLeague(0, "Oben", {1, 2});
    AddLeague(0, "Unten", {2});
    AddLeague(0, "Extra", {3});  // beyond LigaAnzahl
    const Statistik s = BerechneStatistik(Daten());
    EXPECT_EQ(s.ligen[0][0].spieler, 4);  // B counts for the first league listing it only
    EXPECT_EQ(s.ligen[0][1].spieler, 0);
    EXPECT_EQ(s.ligen[0][2].spieler, 0);
    EXPECT_DOUBLE_EQ(s.staerksteLigaSchnitt, 6.5);
    EXPECT_EQ(s.staerksteLiga, App().Laendername[0] + " - Oben");
    EXPECT_EQ(s.spieler, 5);
}

TEST_F(StatistikTest, CountsPerStrengthAndPositionWithTheirTabs) {
    std::vector<int> many(1000, 3);
    many.resize(1150, 7);
    AddClub(0, "ClubA", many);
    AddClub(0, "ClubB", {12});
    const Statistik s = BerechneStatistik(Daten());
    const auto st = StaerkeZeilen(s);
    ASSERT_EQ(st.size(), 12u);
    EXPECT_EQ(st[2], "3\t1.000");
    EXPECT_EQ(st[6], "7\t\t150");
    EXPECT_EQ(st[11], "12\t\t\t\t1");
    EXPECT_EQ(st[0], "1\t\t\t\t0");
    const auto pos = PositionsZeilen(s);
    ASSERT_EQ(pos.size(), 10u);
    EXPECT_EQ(pos[3], "LV\t1.000");  // strength 3 -> position 4 in this fixture
    EXPECT_EQ(pos[2], "IV\t\t\t\t1");
}

TEST_F(StatistikTest, ClubWithoutPlayersNeitherDividesByZeroNorWins) {
    AddClub(0, "Leer", {});
    AddClub(0, "Voll", {5, 7});
    const Statistik s = BerechneStatistik(Daten());
    EXPECT_EQ(s.vereine, 2);
    EXPECT_EQ(s.wenigsteVerein, "Leer");
    EXPECT_EQ(s.schwaechsterVerein, "Voll");
    EXPECT_EQ(s.summeSchnitte, 6);
    EXPECT_EQ(BerechneStatistik(DataSet()).SpielerProVerein(), 0);
}

TEST(StatistikDemoTest, TotalsEqualAnIndependentCount) {
    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->installDir = demo.path();
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized());

    // Clubs and squad players as sections of the country files.
    int clubs = 0, players = 0;
    for (const auto& entry : std::filesystem::directory_iterator(demo.path() / "DATA.V3")) {
        const std::string bytes = v3test::ReadBytes(entry.path());
        if (bytes.find("%SECT%VEREIN\r\n") == std::string::npos) continue;
        for (size_t at = 0; (at = bytes.find("%SECT%", at)) != std::string::npos; ++at) {
            if (bytes.compare(at, 14, "%SECT%VEREIN\r\n") == 0) ++clubs;
            if (bytes.compare(at, 15, "%SECT%SPIELER\r\n") == 0) ++players;
        }
    }
    int64_t places = 0;
    for (const auto& land : Daten().AlleLaender)
        for (const auto& v : land->VereinsListe())
            for (int t = 0; t < 4; ++t)
                places += v->Stadion()->Stehplaetze(t) + v->Stadion()->Sitzplaetze(t) + v->Stadion()->Logen(t);

    const Statistik s = BerechneStatistik(Daten());
    EXPECT_GT(clubs, 0);
    EXPECT_EQ(s.vereine, clubs);
    EXPECT_EQ(s.spieler, players);
    EXPECT_EQ(s.summePlaetze, places);
    int perStrength = 0, perPosition = 0;
    for (int n : s.proStaerke) perStrength += n;
    for (int n : s.proPosition) perPosition += n;
    EXPECT_EQ(perStrength, players);
    EXPECT_EQ(perPosition, players);
}

}  // namespace
