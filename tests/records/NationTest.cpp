#include "records/Nation.h"

#include <gtest/gtest.h>

#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/Trikotsatz.h"
#include "records/V3File.h"

using namespace v3;
using v3test::ReadCrLfLines;
using v3test::TempDir;
using v3test::WriteBytes;

namespace {

class NationTest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }

    // Writes the nations into one file, inside a list section as the data set does.
    void Write(const std::vector<CNation*>& nations) {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("n.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        f.NewSection("NATION");
        for (CNation* n : nations) EXPECT_TRUE(n->SpeichernV3Localized(f, 0));
        f.EndSection(1);
        ASSERT_TRUE(f.Close());
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    TempDir dir;
};

TEST_F(NationTest, Defaults) {
    CNation n;
    EXPECT_EQ(n.Kuerzel(), "NT000000");  // numbered before the name
    EXPECT_EQ(n.Name(), "NA000001");
    EXPECT_EQ(n.NationWertA(), 0);
    EXPECT_EQ(n.NationWertB(), 4);
    EXPECT_EQ(n.Nr(), -1);
    EXPECT_EQ(n.Kit(0), (TRIKOTSATZ{0, 3, 0, 4, 3, 0}));
    EXPECT_EQ(n.Kit(1), (TRIKOTSATZ{6, 6, 6, 0, 0, 0}));
}

TEST_F(NationTest, WritesLayoutAndReadsItBack) {
    CNation a;
    a.Name(Cp("Österreich"));
    a.Kuerzel("AUT");
    a.NationWertA(2);
    a.NationWertB(4);
    ASSERT_TRUE(a.TrikotSatz(/*trikot*/ 1, /*hose*/ 0, /*stutzen*/ 12, /*ringel*/ 1, /*streifen*/ 9,
                             /*streifenfarbe*/ 11, 0));
    ASSERT_TRUE(a.TrikotSatz(0, 11, 0, 0, 0, 0, 1));
    CNation b;  // defaults
    Write({&a, &b});
    EXPECT_EQ(ReadCrLfLines(dir.path() / "n.sav"),
              (std::vector<std::string>{"17373592", "%SECT%NATION",
                                        // a: name, B * 65536 + A, short name, kit 1, kit 2
                                        "%SECT%NATION", Cp("Österreich"), "262146", "AUT",
                                        "145", "11", "0", "28", "0", "0", "11", "0", "%ENDSECT%NATION",
                                        // b: the defaults
                                        "%SECT%NATION", b.Name(), "262144", b.Kuerzel(),
                                        "64", "3", "3", "0", "6", "0", "6", "6", "%ENDSECT%NATION",
                                        "%ENDSECT%NATION"}));

    CV3File f;
    ASSERT_NE(f.Open(dir.File("n.sav"), CV3File::modeRead), 0);
    f.FindSection("NATION");
    CNation ra, rb;
    EXPECT_TRUE(ra.LadenV3Localized(f, 0));
    EXPECT_EQ(rb.LadenV3(f), 1);
    EXPECT_EQ(ra, a);
    EXPECT_EQ(rb, b);
}

TEST_F(NationTest, BothSixteenBitValuesSurviveAnyPattern) {
    struct Case {
        uint16_t a, b;
        const char* line;
    };
    for (Case c : {Case{2, 4, "262146"}, Case{0xFFFF, 0x7FFF, "2147483647"}, Case{0, 0x8000, "-2147483648"},
                   Case{0xFFFF, 0xFFFF, "-1"}, Case{0, 0, "0"}}) {
        CNation n;
        n.NationWertA(c.a);
        n.NationWertB(c.b);
        Write({&n});
        EXPECT_EQ(ReadCrLfLines(dir.path() / "n.sav").at(4), c.line);
        CV3File f;
        ASSERT_NE(f.Open(dir.File("n.sav"), CV3File::modeRead), 0);
        f.FindSection("NATION");  // the list section
        CNation r;
        r.LadenV3Localized(f, 0);
        EXPECT_EQ(r.NationWertA(), c.a) << c.line;
        EXPECT_EQ(r.NationWertB(), c.b) << c.line;
    }
}

TEST_F(NationTest, MissingSectionLeavesTheNation) {
    WriteBytes(dir.path() / "n.sav", "17373592\r\n%SECT%NATIONEN\r\nX\r\n%ENDSECT%NATIONEN\r\n");
    CV3File f;
    ASSERT_NE(f.Open(dir.File("n.sav"), CV3File::modeRead), 0);
    CNation n;
    const CNation before = n;
    EXPECT_EQ(n.LadenV3(f), 0);
    EXPECT_TRUE(n.LadenV3Localized(f, 0));
    EXPECT_EQ(n, before);
}

TEST_F(NationTest, KitValuesAreSplitIntoFourBitFields) {
    // Packed values as a foreign file may hold them: low 4 bits, next 4 bits; higher bits drop.
    WriteBytes(dir.path() / "n.sav",
               "17373592\r\n%SECT%NATION\r\nName\r\n5\r\nK\r\n"
               "421\r\n-7\r\n99\r\n-1\r\n"  // kit 1
               "12\r\n1\r\n2\r\n29\r\n"     // kit 2
               "%ENDSECT%NATION\r\n");
    CV3File f;
    ASSERT_NE(f.Open(dir.File("n.sav"), CV3File::modeRead), 0);
    CNation n;
    EXPECT_EQ(n.LadenV3(f), 1);
    EXPECT_EQ(n.NationWertA(), 5);
    EXPECT_EQ(n.NationWertB(), 0);
    // 421 = 0x1A5: shirt 5, pattern 10; socks -1: 15 and 15; the others as read (no repair).
    EXPECT_EQ(n.Kit(0), (TRIKOTSATZ{5, 99, 15, 10, -7, 15}));
    EXPECT_EQ(n.Kit(1), (TRIKOTSATZ{12, 2, 13, 0, 1, 1}));
}

TEST_F(NationTest, KitSetters) {
    CNation n;
    const TRIKOTSATZ red{1, 1, 1, 0, 0, 0}, blue{3, 3, 3, 2, 0, 1}, unpackable{16, 0, 0, 0, 0, 0};
    const TRIKOTSATZ home = n.Kit(0);

    std::array<TRIKOTSATZ, 2> sets{red, blue};
    EXPECT_EQ(n.TrikotSatz(sets, 1, true), 1);  // set 2 only
    EXPECT_EQ(n.Kit(0), home);
    EXPECT_EQ(n.Kit(1), blue);
    EXPECT_EQ(n.TrikotSatz(sets, 0, true), 0);
    EXPECT_EQ(n.Kit(0), red);

    std::array<TRIKOTSATZ, 2> out{};
    EXPECT_EQ(n.TrikotSatz(out, 2, false), 2);
    EXPECT_EQ(out[0], red);
    EXPECT_EQ(out[1], blue);

    std::array<TRIKOTSATZ, 2> bad{home, unpackable};
    EXPECT_EQ(n.TrikotSatz(bad, 2, true), -1);  // refused as a whole
    EXPECT_EQ(n.Kit(0), red);
    for (int which : {-1, 3}) EXPECT_EQ(n.TrikotSatz(sets, which, true), -1);

    // One kit from its parts: (trikot, hose, stutzen, ringel, streifen, streifenfarbe, set).
    struct Case {
        int t, h, s, r, st, sf, set;
        bool ok;
    };
    for (Case c : {Case{2, 3, 4, 1, 9, 5, 1, true}, Case{2, 3, 4, 1, 9, 5, 2, false},
                   Case{2, 3, 4, 1, 9, 5, -1, false}, Case{16, 3, 4, 0, 0, 0, 0, false},
                   Case{2, 3, 4, 16, 0, 0, 0, false}, Case{2, 3, 4, 0, -1, 0, 0, false},
                   Case{2, 3, -1, 0, 0, 0, 0, false}}) {
        CNation m;
        const CNation before = m;
        EXPECT_EQ(m.TrikotSatz(c.t, c.h, c.s, c.r, c.st, c.sf, c.set), c.ok);
        if (c.ok) {
            EXPECT_EQ(m.Kit(c.set), (TRIKOTSATZ{c.t, c.h, c.s, c.st, c.sf, c.r}));
        } else {
            EXPECT_EQ(m, before);
        }
    }
}

TEST(TrikotsatzTest, HoopedSocksRepair) {
    struct Case {
        int hose, stutzen, ringel, expected;
    };
    for (Case c : {Case{12, 12, 1, 0}, Case{5, 5, 1, 6}, Case{5, 5, 0, 5}, Case{4, 5, 1, 5}, Case{0, 0, 1, 1}}) {
        TRIKOTSATZ k{0, c.hose, c.stutzen, 0, 0, c.ringel};
        RepairHoopedSocks(k);
        EXPECT_EQ(k.StutzenFarbe, c.expected) << c.hose << "/" << c.stutzen << "/" << c.ringel;
    }
}

TEST(TrikotsatzTest, ColourNames) {
    EXPECT_STREQ(KitColourNames[0], "weiß");
    EXPECT_STREQ(KitColourNames[12], "weinrot");
    EXPECT_STREQ(KitColourNamesCapitalised[4], "Hellgrün");
}

}  // namespace
