#include "records/Liga.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/V3File.h"

using namespace v3;
using v3test::ReadCrLfLines;
using v3test::TempDir;
using v3test::WriteBytes;

namespace {

using Pairing = std::pair<int, int>;
using MatchDay = std::vector<Pairing>;

// The match days of a league's fixture table, as (home, away) pairs.
std::vector<MatchDay> MatchDays(const CLiga& liga) {
    std::vector<MatchDay> days;
    for (int d = 0; d < liga.GetSpielTage(); ++d) {
        MatchDay day;
        for (int k = 0; k < liga.GetBegegnungenProSpielTag(); ++k)
            day.push_back({liga.Fixture(d, 2 * k), liga.Fixture(d, 2 * k + 1)});
        days.push_back(day);
    }
    return days;
}

MatchDay Swapped(const MatchDay& day) {
    MatchDay s;
    for (auto [h, a] : day) s.push_back({a, h});
    return s;
}

// First match days (and for ten clubs the whole first half) the standard lists must keep.
const std::map<int, std::vector<MatchDay>> kGivenDays = {
    {10,
     {{{7, 9}, {3, 2}, {10, 4}, {6, 8}, {5, 1}},
      {{8, 10}, {4, 3}, {9, 5}, {1, 6}, {2, 7}},
      {{8, 1}, {7, 4}, {10, 3}, {6, 9}, {5, 2}},
      {{4, 5}, {9, 8}, {3, 7}, {1, 10}, {2, 6}},
      {{8, 2}, {1, 9}, {10, 7}, {6, 4}, {5, 3}},
      {{4, 8}, {7, 5}, {9, 10}, {3, 6}, {2, 1}},
      {{8, 3}, {9, 2}, {1, 4}, {10, 5}, {6, 7}},
      {{4, 9}, {7, 8}, {3, 1}, {2, 10}, {5, 6}},
      {{8, 5}, {9, 3}, {1, 7}, {2, 4}, {6, 10}}}},
    {12, {{{9, 10}, {11, 2}, {3, 5}, {6, 7}, {8, 12}, {1, 4}}}},
    {16, {{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}, {13, 14}, {15, 16}}}},
    {18, {{{8, 1}, {3, 9}, {18, 13}, {5, 17}, {7, 12}, {14, 10}, {2, 16}, {6, 4}, {11, 15}}}},
    {24,
     {{{24, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}, {12, 13}, {14, 15}, {16, 17}, {18, 19},
       {20, 21}, {22, 23}}}},
};

class LigaTest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }

    ScopedAppState state;
    ScriptedUserInterface ui;
    TempDir dir;
};

TEST_F(LigaTest, StandardListsAreDoubleRoundRobins) {
    for (int n = 10; n <= 24; n += 2) {
        SCOPED_TRACE("size " + std::to_string(n));
        CLiga liga;
        ASSERT_TRUE(liga.Size(n));
        ASSERT_TRUE(liga.CreateDefaultSpielplan());
        const std::vector<MatchDay> days = MatchDays(liga);
        ASSERT_EQ(int(days.size()), 2 * n - 2);

        std::set<Pairing> games;  // ordered: (home, away)
        for (const MatchDay& day : days) {
            std::set<int> clubs;
            for (auto [h, a] : day) {
                ASSERT_TRUE(h >= 1 && h <= n && a >= 1 && a <= n) << h << "-" << a;
                clubs.insert(h);
                clubs.insert(a);
                games.insert({h, a});
            }
            EXPECT_EQ(int(clubs.size()), n) << "not every club plays on a match day";
        }
        // n (n - 1) distinct ordered games on 2n - 2 days of n / 2: each pair
        // meets twice, once at home each.
        EXPECT_EQ(int(games.size()), n * (n - 1));

        // First half: every pair once.
        std::set<std::set<int>> firstHalf;
        for (int d = 0; d < n - 1; ++d)
            for (auto [h, a] : days[d]) firstHalf.insert({h, a});
        EXPECT_EQ(int(firstHalf.size()), n * (n - 1) / 2);

        // Second half mirrors the first.
        for (int d = 0; d < n - 1; ++d) {
            const int mirror = n != 10 ? n - 1 + d : (d == 8 ? 9 : 10 + d);
            EXPECT_EQ(days[mirror], Swapped(days[d])) << "match day " << d + 1;
        }

        auto given = kGivenDays.find(n);
        if (given != kGivenDays.end()) {
            for (size_t d = 0; d < given->second.size(); ++d)
                EXPECT_EQ(days[d], given->second[d]) << "match day " << d + 1;
        }

        // The packed table holds the same pairings.
        const std::vector<uint32_t> table = DefaultSpielplanTabelle(n);
        ASSERT_EQ(table.size(), size_t(n / 2) * size_t(2 * n - 2));
        EXPECT_EQ(table[0] & 0xFFFFu, uint32_t(days[0][0].first));
        EXPECT_EQ(table[0] >> 16, uint32_t(days[0][0].second));
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LigaTest, SizesWithoutStandardList) {
    struct Case {
        int size;
        bool result;
        bool message;
    };
    for (Case c : {Case{0, true, false}, Case{1, true, false}, Case{2, false, true}, Case{8, false, true},
                   Case{17, false, true}, Case{26, false, true}, Case{60, false, true}}) {
        SCOPED_TRACE("size " + std::to_string(c.size));
        ui.messages.clear();
        CLiga liga;
        ASSERT_TRUE(liga.Size(c.size));
        ASSERT_TRUE(liga.Fixture(0, 0, 77));
        EXPECT_EQ(liga.CreateDefaultSpielplan(), c.result);
        if (!c.message) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(liga.Fixture(0, 0), 77) << "nothing may be written";
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text,
                  "Achtung! für diese Ligagröße existiert noch kein Spielplan! Bitte weiterleiten.");
        for (int d = 0; d < 2 * c.size - 2; ++d)
            for (int e = 0; e < c.size; ++e) ASSERT_EQ(liga.Fixture(d, e), e + 1) << d << "/" << e;
        EXPECT_EQ(liga.Fixture(2 * c.size - 2, 0), 0) << "rows beyond the season stay untouched";
    }
}

TEST_F(LigaTest, WritesLayoutAndReadsItBack) {
    CLiga liga;
    ASSERT_TRUE(liga.Name(Cp("Süd-Liga")));
    ASSERT_TRUE(liga.Kuerzel("SL"));
    ASSERT_TRUE(liga.Size(5));  // odd: rows carry five entries
    const int clubs[] = {12, 3, 250, 7, 1};  // 250 names no club: kept as it is
    for (int i = 0; i < 5; ++i) liga.ClubNumber(i, clubs[i]);
    liga.CreateDefaultSpielplan();  // positions 1..5 on every row
    liga.Fixture(7, 4, -3);
    liga.Fixture(8, 0, 99);  // beyond the season: not stored

    {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("liga.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        EXPECT_TRUE(liga.SpeichernV3Localized(f, 0));
        ASSERT_TRUE(f.Close());
    }
    std::vector<std::string> expected = {"17373592", "%SECT%LIGA", Cp("Süd-Liga"), "SL", "5",
                                         "12", "3", "250", "7", "1"};
    for (int d = 0; d < 8; ++d)
        for (int e = 0; e < 5; ++e) expected.push_back(d == 7 && e == 4 ? "-3" : std::to_string(e + 1));
    expected.push_back("%ENDSECT%LIGA");
    EXPECT_EQ(ReadCrLfLines(dir.path() / "liga.sav"), expected);

    CV3File f;
    ASSERT_NE(f.Open(dir.File("liga.sav"), CV3File::modeRead), 0);
    CLiga read;
    EXPECT_TRUE(read.LadenV3Localized(f, 0));
    EXPECT_TRUE(f.SectionStack().empty());
    liga.Fixture(8, 0, 0);
    EXPECT_EQ(read, liga);
}

TEST_F(LigaTest, RefusesBadSizeAndKeepsTheLeague) {
    CLiga prior;
    prior.Name("Alt");
    prior.Size(10);
    prior.ClubNumber(0, 4);
    prior.CreateDefaultSpielplan();

    for (const char* size : {"-1", "61", "2147483647", "99999999999", "-2147483648"}) {
        SCOPED_TRACE(size);
        ui.messages.clear();
        WriteBytes(dir.path() / "bad.sav",
                   std::string("17373592\r\n%SECT%LIGA\r\nNeu\r\nN\r\n") + size + "\r\n1\r\n%ENDSECT%LIGA\r\n");
        CV3File f;
        ASSERT_NE(f.Open(dir.File("bad.sav"), CV3File::modeRead), 0);
        CLiga liga(prior);
        EXPECT_FALSE(liga.LadenV3Localized(f, 0));
        EXPECT_EQ(liga, prior);
        EXPECT_TRUE(f.SectionStack().empty());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].text.find("bad.sav"), std::string::npos) << ui.messages[0].text;
        EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    }

    // A file that ends before the size, and one without the section.
    for (const char* bytes : {"17373592\r\n%SECT%LIGA\r\nNeu\r\nN\r\n", "17373592\r\n%SECT%LIGEN\r\n"}) {
        WriteBytes(dir.path() / "short.sav", bytes);
        CV3File f;
        ASSERT_NE(f.Open(dir.File("short.sav"), CV3File::modeRead), 0);
        CLiga liga(prior);
        EXPECT_FALSE(liga.LadenV3Localized(f, 0));
        EXPECT_EQ(liga, prior);
    }
}

TEST_F(LigaTest, SettersKeepTheirLimits) {
    CLiga liga;
    EXPECT_EQ(liga.Name(), "-");
    EXPECT_EQ(liga.Kuerzel(), "-");
    EXPECT_EQ(liga.GetSpielTage(), 0);
    EXPECT_FALSE(liga.Name(""));
    EXPECT_FALSE(liga.Kuerzel(""));
    EXPECT_EQ(liga.Name(), "-");
    for (int bad : {-1, 61}) EXPECT_FALSE(liga.Size(bad)) << bad;
    EXPECT_TRUE(liga.Size(60));
    EXPECT_EQ(liga.GetSpielTage(), 118);
    EXPECT_EQ(liga.GetBegegnungenProSpielTag(), 30);
    EXPECT_TRUE(liga.Size(17));
    EXPECT_EQ(liga.GetSpielTage(), 32);
    EXPECT_EQ(liga.GetBegegnungenProSpielTag(), 8);
    EXPECT_FALSE(liga.ClubNumber(60, 1));
    EXPECT_EQ(liga.ClubNumber(-1), 0);
    EXPECT_FALSE(liga.Fixture(118, 0, 1));
    EXPECT_FALSE(liga.Fixture(0, 60, 1));
}

}  // namespace
