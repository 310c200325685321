// The rules of the player's property pages: coupling while the user changes
// values, write-back order and messages, and values from a file outside the
// pages' ranges.
#include <gtest/gtest.h>

#include <functional>

#include "TestUtil.h"
#include "base/AppState.h"
#include "editors/spieler/rules/PlayerPages.h"
#include "records/Manager.h"
#include "records/Spieler.h"
#include "records/TrainerUndCo.h"
#include "records/Verein.h"
#include "records/V3File.h"

using namespace v3;

namespace {

class PlayerPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->Saisonstartjahr = 2000;
        player.Nachname("Meier");
        player.Vorname("Hans");
        player.Kuenstlername("");
        player.GeburtsDatum(10, 3, 1975);
        player.Staerke(8);
        player.Talent(3);
        player.Hauptposition(6);
        player.Nebenposition1(0);
        player.Nebenposition2(0);
        for (int n = 1; n <= 16; ++n) player.Faehigkeit(n, 0);
        player.EigenschaftAll(0);
        player.CharakterAll(0);
        player.Nationalitaet(14);
        player.Nationalitaet2(-1, nations);
        player.NationalSpieler(0);
        player.Haarfarbe(1);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    std::vector<std::string> nations = std::vector<std::string>(117, "Nation");
    CSpieler player;
};

TEST_F(PlayerPagesTest, StrengthAndTalentNeverExceedThirteenTogether) {
    struct Case {
        int staerke, talent;
        std::function<void(PlayerData1Rules&)> change;
        int expStaerke, expTalent;
    };
    const std::vector<Case> cases = {
        {12, 1, [](auto&) {}, 12, 1},                           // allowed as filled
        {12, 1, [](auto& r) { r.SetTalent(2); }, 11, 2},        // "Talent" cuts the strength
        {10, 3, [](auto& r) { r.SetStaerke(11); }, 11, 2},      // strength pushes talent toward "Megatalent"
        {10, 3, [](auto& r) { r.SetStaerke(12); }, 12, 1},
        {8, 3, [](auto& r) { r.SetTalent(5); }, 8, 5},          // within the bound nothing gives way
        {12, 3, [](auto&) {}, 10, 3},                           // a file's too high strength is cut on filling
        {4, 5, [](auto& r) { r.SetStaerke(13); }, 12, 1},       // beyond the spinner's range
    };
    for (const auto& c : cases) {
        CSpieler p = player;
        p.Staerke(c.staerke);
        p.Talent(c.talent);
        PlayerData1Rules r;
        r.Fill(p);
        c.change(r);
        EXPECT_EQ(r.Staerke(), c.expStaerke) << c.staerke << "/" << c.talent;
        EXPECT_EQ(r.Talent(), c.expTalent) << c.staerke << "/" << c.talent;
    }
}

TEST_F(PlayerPagesTest, ShirtNumberSpinnerSkipsHeldNumbersAndWraps) {
    ShirtNumberTable table{};
    int other1 = 0, other2 = 0, self = 0;
    table[1] = &other1;
    table[2] = &other2;
    table[98] = &other1;
    table[5] = &self;
    struct Case {
        int from, dir, expected;
    };
    const std::vector<Case> cases = {
        {99, +1, 3},   // wraps 99 -> 1, skips 1 and 2
        {3, -1, 99},   // wraps 1 -> 99 the other way
        {97, +1, 99},  // skips 98
        {99, -1, 97},
        {4, +1, 5},    // the player's own number is free for him
        {10, +1, 11},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextFreeShirtNumber(table, &self, c.from, c.dir), c.expected) << c.from << " " << c.dir;
    // Every number held: the spinner stays.
    ShirtNumberTable full{};
    for (auto& slot : full) slot = &other1;
    EXPECT_EQ(NextFreeShirtNumber(full, &self, 7, +1), 7);
}

TEST_F(PlayerPagesTest, Data1WritesBackInOrderWithTheNameMessages) {
    struct Case {
        std::string nachname, vorname;
        std::string message;  // empty: accepted
    };
    const std::vector<Case> cases = {
        {"M", "Hans", "Der Nachname des Spielers ist zu kurz!"},
        {"", "", "Der Nachname des Spielers ist zu kurz!"},
        {"Meier", "H", "Der Vorname des Spielers ist zu kurz!"},
        {"Mu", "Hu", ""},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        CSpieler p = player;
        PlayerData1Rules r;
        r.Fill(p);
        r.SetNachname(c.nachname);
        r.SetVorname(c.vorname);
        r.SetKuenstlername("Bomber");
        r.SetStaerke(9);
        const bool ok = r.WriteBack(p);
        EXPECT_EQ(ok, c.message.empty()) << c.nachname;
        if (!c.message.empty()) {
            ASSERT_EQ(Messages(), std::vector<std::string>{c.message});
            EXPECT_EQ(ui.messages[0].caption, "Achtung!");
            // Names come first and stay written; the stage name waits for valid names;
            // the values after it are written anyway.
            EXPECT_EQ(p.Nachname(), c.nachname);
            EXPECT_EQ(p.Kuenstlername(), "");
        } else {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(p.Kuenstlername(), "Bomber");
        }
        EXPECT_EQ(p.Staerke(), 9);
    }
    // Typed names are cut to the page's limits.
    PlayerData1Rules r;
    r.Fill(player);
    r.SetNachname("Abcdefghijklmnopqrst");
    r.SetVorname("Abcdefghijklmnopqrst");
    EXPECT_EQ(r.Nachname().size(), 15u);
    EXPECT_EQ(r.Vorname().size(), 12u);
}

TEST_F(PlayerPagesTest, Data1BirthDateGivesTheAgeAgainstTheSeasonStart) {
    struct Case {
        int day, month, year, expDay, expAge;
    };
    const std::vector<Case> cases = {
        {10, 3, 1975, 10, 25}, {10, 7, 1975, 10, 24}, {31, 2, 1980, 29, 20}, {31, 4, 1981, 30, 19},
    };
    for (const auto& c : cases) {
        PlayerData1Rules r;
        r.Fill(player);
        r.SetDate(c.day, c.month, c.year);
        EXPECT_EQ(r.Day(), c.expDay) << c.year;
        EXPECT_EQ(r.Alter(), c.expAge) << c.year;
        CSpieler p = player;
        ASSERT_TRUE(r.WriteBack(p));
        EXPECT_EQ(p.GeburtsDatum().day, c.expDay);
        EXPECT_EQ(p.StoredAlter(), c.expAge);
    }
}

TEST_F(PlayerPagesTest, Data1ShirtNumberHeldByAnotherIsRefused) {
    ShirtNumberTable table{};
    CSpieler other = player;
    player.RueckenNummer(5);
    table[5] = &player;
    table[7] = &other;
    CVerein club(1);
    PlayerData1Rules r;
    r.SetContext({true, &table, 18, 8.5, &club});
    r.Fill(player);
    EXPECT_EQ(r.AverageText(), " 8.500");
    r.StepShirtNumber(+1);
    EXPECT_EQ(r.RueckenNummer(), 6);
    r.StepShirtNumber(+1);
    EXPECT_EQ(r.RueckenNummer(), 8);
    ASSERT_TRUE(r.WriteBack(player));
    EXPECT_EQ(player.RueckenNummer(), 8);
    EXPECT_EQ(table[5], nullptr);
    EXPECT_EQ(table[8], &player);
    EXPECT_FLOAT_EQ(club.Staerke(), 8.5f);  // the club takes the squad's average
    // Another player took 9 meanwhile (the table changed under the page).
    r.Fill(player);
    r.StepShirtNumber(+1);
    table[9] = &other;
    EXPECT_FALSE(r.WriteBack(player));
    EXPECT_EQ(Messages().back(),
              "Die R\xC3\xBC" "ckennummer dieses Spielers ist bereits vergeben. Bitte stellen Sie eine andere ein!");
    EXPECT_EQ(player.RueckenNummer(), 8);
}

TEST_F(PlayerPagesTest, SecondNationalityAndTheNationalSquadLock) {
    struct Case {
        int nation, nation2;
        bool ok;
        int expNation2;
    };
    const std::vector<Case> cases = {
        {14, 14, false, -1},  // equal to the first: refused, nothing stored
        {14, 0, true, -1},    // "Keine" keeps the stored "none"
        {14, 20, true, 20},
        {30, 20, true, 20},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        CSpieler p = player;
        PlayerData2Rules r;
        r.Fill(p, nations);
        r.SetNation(c.nation);
        r.SetNation2(c.nation2);
        r.SetHaarfarbe(3);
        EXPECT_EQ(r.WriteBack(p), c.ok) << c.nation2;
        EXPECT_EQ(p.Nationalitaet2(), c.expNation2);
        EXPECT_EQ(p.NationNumber(), c.ok ? c.nation : 14);
        EXPECT_EQ(p.Haarfarbe(), 3);  // the values around it are written in any case
        if (!c.ok) {
            EXPECT_EQ(Messages(), std::vector<std::string>{
                                      "Die zweite Nationalit\xC3\xA4t des Spielers darf nicht die gleiche wie die erste sein!"});
        }
    }
    // In a national squad the nationality and "zurückgetreten" are locked;
    // once out, retiring clears the squad mark.
    CSpieler p = player;
    p.NationalSpieler(1 | 4);
    PlayerData2Rules r;
    r.Fill(p, nations);
    EXPECT_TRUE(r.NationLocked());
    r.SetNation(40);
    r.SetZurueckgetreten(true);
    EXPECT_EQ(r.Nation(), 14);
    EXPECT_EQ(r.NationalSpieler(), 5);
    CSpieler q = player;
    q.NationalSpieler(1);
    r.Fill(q, nations);
    r.SetZurueckgetreten(true);
    EXPECT_EQ(r.NationalSpieler(), 3);
    // "Glatze" disables the hair type.
    r.SetHaarfarbe(5);
    EXPECT_FALSE(r.HairTypeEnabled());
    r.SetHaarTyp(3);
    EXPECT_NE(r.HaarTyp(), 3);
    r.SetHaarfarbe(2);
    EXPECT_TRUE(r.HairTypeEnabled());
}

TEST_F(PlayerPagesTest, AtMostTwoSecondaryPositionsTheOldestDropped) {
    PlayerPositionsRules r;
    r.Fill(player);  // main position 6
    r.ToggleNebenposition(3);
    r.ToggleNebenposition(6);  // the main position's box is disabled
    r.ToggleNebenposition(1);  // no keeper box
    r.ToggleNebenposition(9);
    r.ToggleNebenposition(10);
    EXPECT_EQ(r.Nebenpositionen(), (std::vector<int>{9, 10}));
    r.ToggleNebenposition(9);  // a checked one unchecks
    EXPECT_EQ(r.Nebenpositionen(), (std::vector<int>{10}));
    r.SetHauptposition(10);  // becoming the main position unchecks it
    EXPECT_TRUE(r.Nebenpositionen().empty());
    r.ToggleNebenposition(4);
    CSpieler p = player;
    p.BesterHauptposition(6);
    ASSERT_TRUE(r.WriteBack(p));
    EXPECT_EQ(p.Nebenposition1(), 4);
    EXPECT_EQ(p.Nebenposition2(), 0);
    EXPECT_EQ(p.Hauptposition(), 10);
    EXPECT_EQ(p.BesterHauptposition(), 0);
}

TEST_F(PlayerPagesTest, KeeperSwitchTrimsTraitsAndAbilities) {
    CSpieler p = player;
    p.EigenschaftAll((1 << 1) | (1 << 6) | (1 << 9));
    p.Faehigkeit(12, 1);
    PlayerPositionsRules r;
    r.Fill(p);
    r.SetHauptposition(1);
    ASSERT_TRUE(r.WriteBack(p));
    EXPECT_EQ(p.Eigenschaft(), 1 << 1);        // 6 and 9 are no keeper's traits
    EXPECT_EQ(p.Faehigkeit(12), 1);            // abilities wait for the abilities page
    p.Faehigkeit(2, 1);
    r.Fill(p);
    r.SetHauptposition(10);
    ASSERT_TRUE(r.WriteBack(p));
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(p.Faehigkeit(n), 0) << n;  // a former keeper loses all
}

TEST_F(PlayerPagesTest, AbilitiesAtMostThreeOfTheEnabledColumn) {
    struct Case {
        bool keeper;
        std::vector<std::pair<int, int>> clicks;  // ability, +1 or -1
        std::vector<int> expected;                // values of abilities 1..16
    };
    const std::vector<Case> cases = {
        // A fourth mark drops the first.
        {false, {{1, 1}, {2, -1}, {3, 1}, {4, 1}}, {0, -1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // "+" and "¯" of one ability exclude each other; the mark keeps its age.
        {false, {{1, 1}, {1, -1}, {2, 1}, {3, 1}}, {-1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // A click on a marked box clears it.
        {false, {{5, 1}, {5, 1}, {16, -1}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}},
        // Keepers: nine abilities, field column disabled, at most three.
        {true, {{9, 1}, {10, 1}, {16, 1}, {1, 1}, {2, 1}, {3, -1}}, {1, 1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CSpieler p = player;
        p.Hauptposition(c.keeper ? 1 : 6);
        PlayerAbilitiesRules r;
        r.Fill(p);
        EXPECT_EQ(r.Count(), c.keeper ? 9 : 16);
        for (auto [n, v] : c.clicks) r.Toggle(n, v);
        ASSERT_TRUE(r.WriteBack(p));
        for (int n = 1; n <= 16; ++n) EXPECT_EQ(p.Faehigkeit(n), c.expected[size_t(n - 1)]) << n;
    }
    // Filling marks in ascending order: the lowest is the first to go.
    CSpieler p = player;
    p.Faehigkeit(2, 1);
    p.Faehigkeit(7, -1);
    p.Faehigkeit(11, 1);
    PlayerAbilitiesRules r;
    r.Fill(p);
    r.Toggle(14, 1);
    EXPECT_EQ(r.Marked(), (std::vector<int>{7, 11, 14}));
}

TEST_F(PlayerPagesTest, TraitGroupsWithTheirExcludingPairs) {
    using G = PlayerTraitsRules;
    struct Case {
        bool keeper;
        std::vector<std::pair<G::Group, int>> clicks;
        int expEigenschaft, expCharakter;
    };
    auto bits = [](std::initializer_list<int> ns) {
        int m = 0;
        for (int n : ns) m |= 1 << n;
        return m;
    };
    const std::vector<Case> cases = {
        {false, {{G::Eigenschaften, 2}, {G::Eigenschaften, 3}}, bits({3}), 0},  // "Trainingsfaul" unchecks "Trainingsweltmeister"
        {false, {{G::Eigenschaften, 5}, {G::Eigenschaften, 4}}, bits({4}), 0},
        {false, {{G::Eigenschaften, 9}, {G::Eigenschaften, 10}, {G::Eigenschaften, 8}}, bits({8}), 0},
        {false, {{G::Eigenschaften, 1}, {G::Eigenschaften, 7}, {G::Eigenschaften, 12}}, bits({7, 12}), 0},  // a third drops the earliest
        {false, {{G::Charakter, 1}, {G::Charakter, 3}, {G::Charakter, 7}}, 0, bits({3, 7})},
        {false, {{G::Charakter, 6}, {G::Charakter, 2}, {G::Charakter, 9}, {G::Charakter, 10}}, 0, bits({2, 10})},
        {false, {{G::Charakter, 4}, {G::Charakter, 5}}, 0, bits({5})},
        {true, {{G::Eigenschaften, 6}, {G::Eigenschaften, 8}, {G::Eigenschaften, 16}, {G::Eigenschaften, 7}}, bits({16, 7}), 0},
    };
    for (const auto& c : cases) {
        CSpieler p = player;
        p.Hauptposition(c.keeper ? 1 : 6);
        PlayerTraitsRules r;
        r.Fill(p);
        for (auto [g, n] : c.clicks) r.Toggle(g, n);
        ASSERT_TRUE(r.WriteBack(p));
        EXPECT_EQ(p.Eigenschaft(), c.expEigenschaft);
        EXPECT_EQ(p.Charakter(), c.expCharakter);
    }
}

TEST_F(PlayerPagesTest, HealthAndCrowdAndStaffPages) {
    PlayerHealthRules h;
    h.Fill(player);
    h.SetPublikum(3);
    h.SetVerletzung(7);
    ASSERT_TRUE(h.WriteBack(player));
    EXPECT_EQ(player.Publikum(), 3);
    EXPECT_EQ(player.Verletzung(), 7);

    CTrainerUndCo t;
    StaffPageRules tr(true);
    tr.Fill(t);
    tr.SetNachname("K");
    EXPECT_FALSE(tr.WriteBack(t));
    EXPECT_EQ(Messages().back(), "Bitte in dieses Feld mindestens 2 Zeichen eingeben.");
    tr.SetNachname("Klopper");
    tr.SetVorname("Jo");
    tr.SetKompetenz(15);
    tr.SetRuf(4);
    tr.SetDate(1, 8, 1950);
    ASSERT_TRUE(tr.WriteBack(t));
    EXPECT_EQ(t.Nachname(), "Klopper");
    EXPECT_EQ(t.Kompetenz(), 15);
    EXPECT_EQ(t.Ruf(), 4);
    EXPECT_EQ(t.Alter(), 49);
    EXPECT_EQ(t.GeburtsDatum().year, 1950);

    CManager m;
    StaffPageRules mr(false);
    mr.Fill(m);
    mr.SetVorname("Ulrich");
    mr.SetNachname("Hoffmann");
    ASSERT_TRUE(mr.WriteBack(m));
    EXPECT_EQ(m.Vorname(), "Ulrich");
    // Birth-year spinners widen for a record outside their range.
    EXPECT_EQ(PlayerYearRange(2000, 1975).low, 1955);
    EXPECT_EQ(PlayerYearRange(2000, 1900).low, 1900);
    EXPECT_EQ(StaffYearRange(2000, 1990).high, 1990);
}

// ---- values from a file outside the pages' ranges ----

class PlayerPagesFileTest : public PlayerPagesTest {
protected:
    // The player written, value `line` (1-based within its section) replaced, read back.
    CSpieler Patched(std::vector<std::pair<size_t, std::string>> patches) {
        const std::string path = dir.File("p.sav");
        {
            CV3File f;
            EXPECT_NE(f.Open(path, CV3File::modeWrite | CV3File::modeCreate), 0);
            f.PutID(kFileID);
            f.NewSection("L");
            player.SpeichernV3Localized(f, 0);
            f.EndSection(1);
            f.Close();
        }
        auto lines = v3test::ReadCrLfLines(path);
        for (auto& [value, text] : patches) lines[2 + value] = text;
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";
        v3test::WriteBytes(path, bytes);
        CSpieler p;
        CV3File f;
        EXPECT_NE(f.Open(path, CV3File::modeRead), 0);
        int32_t id = 0;
        f.GetID(id);
        EXPECT_TRUE(f.FindSection("L"));
        EXPECT_TRUE(p.LadenV3Localized(f, 0));
        return p;
    }
    v3test::TempDir dir;
};

TEST_F(PlayerPagesFileTest, OutOfRangeValuesShowClampedAndStayUnlessChanged) {
    // Strength 14 (value 7), nationality 120 (8), main position 12 (9),
    // secondary 1 (10, a keeper's), talent 9 (19), four marked abilities (12).
    CSpieler p = Patched({{7, "14"}, {8, "120"}, {9, "12"}, {10, "1"}, {11, "3"}, {12, "30"}, {19, "9"}});
    ASSERT_EQ(p.Staerke(), 14);
    const CSpieler original = p;

    PlayerData1Rules d1;
    d1.Fill(p);
    EXPECT_EQ(d1.Talent(), 5);
    EXPECT_EQ(d1.Staerke(), 8);  // 12 at most, and 13 - talent
    EXPECT_FALSE(d1.Repaired().empty());
    PlayerData2Rules d2;
    d2.Fill(p, nations);
    EXPECT_EQ(d2.Nation(), 0);
    PlayerPositionsRules pos;
    pos.Fill(p);
    EXPECT_EQ(pos.Hauptposition(), 6);
    EXPECT_EQ(pos.Nebenpositionen(), std::vector<int>{3});
    PlayerAbilitiesRules ab;
    ab.Fill(p);
    EXPECT_EQ(ab.Marked(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ab.Repaired(), std::vector<std::string>{"F\xC3\xA4higkeiten"});

    // Confirmed unchanged: nothing of the record changes.
    CSpieler q = p;
    EXPECT_TRUE(d1.WriteBack(q));
    EXPECT_TRUE(d2.WriteBack(q));
    EXPECT_TRUE(pos.WriteBack(q));
    EXPECT_TRUE(ab.WriteBack(q));
    EXPECT_TRUE(q == original);

    // Changed by the user: the shown values are stored.
    d1.SetStaerke(7);
    d2.SetNation(50);
    pos.SetHauptposition(9);
    ab.Toggle(3, 1);
    EXPECT_TRUE(d1.WriteBack(q));
    EXPECT_TRUE(d2.WriteBack(q));
    EXPECT_TRUE(pos.WriteBack(q));
    EXPECT_TRUE(ab.WriteBack(q));
    EXPECT_EQ(q.Staerke(), 7);
    EXPECT_EQ(q.Talent(), 5);
    EXPECT_EQ(q.NationNumber(), 50);
    EXPECT_EQ(q.Hauptposition(), 9);
    EXPECT_EQ(q.Faehigkeit(1), 1);
    EXPECT_EQ(q.Faehigkeit(3), 0);
    EXPECT_EQ(q.Faehigkeit(4), 0);
}

}  // namespace
