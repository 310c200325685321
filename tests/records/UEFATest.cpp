#include "records/UEFA.h"

#include <gtest/gtest.h>

#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/EuroWM.h"
#include "records/V3File.h"

using namespace v3;
using v3test::ReadCrLfLines;
using v3test::TempDir;
using v3test::WriteBytes;

namespace {

class UEFATest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }
    ScopedAppState state;
    ScriptedUserInterface ui;
    TempDir dir;
};

TEST_F(UEFATest, Defaults) {
    CUEFA u;
    for (int i = 0; i < CUEFA::kPlaetze; ++i) {
        EXPECT_EQ(u.Nation(i), App().NationNummer[i]);
        for (int s = 0; s < CUEFA::kSaisons; ++s) EXPECT_EQ(u.Points(i, s), i);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(u.FirstBlock(i, 0), 0);
        EXPECT_EQ(u.FirstBlock(i, 1), 0);
        EXPECT_EQ(u.SecondBlock(i, 0), App().NationNummer[i]);
        EXPECT_EQ(u.SecondBlock(i, 1), 1);
    }
    EXPECT_EQ(u.Setting(0), 3);
    EXPECT_EQ(u.Setting(1), 5);
    for (int i = 0; i < CUEFA::kKurznamen; ++i) EXPECT_EQ(u.ShortName(i), "KRZ");
    // Outside the record.
    EXPECT_EQ(u.Nation(37), 0);
    EXPECT_FALSE(u.Points(0, 6, 1));
    EXPECT_FALSE(u.SecondBlock(3, 0, 1));
    EXPECT_FALSE(u.Setting(2, 1));
    EXPECT_FALSE(u.ShortName(38, "X"));
    EXPECT_EQ(u.ShortName(-1), "");
}

TEST_F(UEFATest, WritesLayoutAndReadsItBack) {
    CUEFA u;
    u.Nation(0, 63);
    u.Points(0, 5, 17);
    u.Points(36, 0, -2);
    u.FirstBlock(1, 0, 4);
    u.FirstBlock(1, 1, 12);
    u.SecondBlock(2, 1, 9);
    u.Setting(0, 200);
    u.ShortName(37, Cp("GRÜ"));
    u.ShortName(5, "");

    {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("k.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        f.NewSection("MISC");
        EXPECT_TRUE(u.SpeichernV3Localized(f, 0));
        f.EndSection(1);
        ASSERT_TRUE(f.Close());
    }
    std::vector<std::string> expected = {"17373592", "%SECT%MISC", "%SECT%UEFA"};
    for (int i = 0; i < 37; ++i) {
        expected.push_back(std::to_string(u.Nation(i)));
        for (int s = 0; s < 6; ++s) expected.push_back(std::to_string(u.Points(i, s)));
    }
    for (int i = 0; i < 3; ++i)
        for (int p = 0; p < 2; ++p) expected.push_back(std::to_string(u.FirstBlock(i, p)));
    for (int i = 0; i < 3; ++i)
        for (int p = 0; p < 2; ++p) expected.push_back(std::to_string(u.SecondBlock(i, p)));
    expected.push_back("200");
    expected.push_back("5");
    for (int i = 0; i < 38; ++i) expected.push_back(u.ShortName(i));
    expected.push_back("%ENDSECT%UEFA");
    expected.push_back("%ENDSECT%MISC");
    const std::vector<std::string> lines = ReadCrLfLines(dir.path() / "k.sav");
    EXPECT_EQ(lines, expected);
    // Spot checks that the list above is in the written order.
    EXPECT_EQ(lines[3], "63");
    EXPECT_EQ(lines[9], "17");
    EXPECT_EQ(lines.at(3 + 37 * 7 + 2), "4");

    CV3File f;
    ASSERT_NE(f.Open(dir.File("k.sav"), CV3File::modeRead), 0);
    f.FindSection("MISC");
    state->NationNummer[0] = 1;  // a different default must not matter
    CUEFA r;
    EXPECT_TRUE(r.LadenV3Localized(f, 0));
    EXPECT_EQ(r, u);
}

TEST_F(UEFATest, SettingsAreReadAsBytesAndAMissingSectionChangesNothing) {
    std::string bytes = "17373592\r\n%SECT%UEFA\r\n";
    for (int i = 0; i < 37 * 7 + 12; ++i) bytes += "1\r\n";
    bytes += "-5\r\n300\r\n";
    bytes += "%ENDSECT%UEFA\r\n";
    WriteBytes(dir.path() / "k.sav", bytes);
    CV3File f;
    ASSERT_NE(f.Open(dir.File("k.sav"), CV3File::modeRead), 0);
    CUEFA u;
    EXPECT_TRUE(u.LadenV3Localized(f, 0));
    EXPECT_EQ(u.Setting(0), 251);
    EXPECT_EQ(u.Setting(1), 44);

    WriteBytes(dir.path() / "none.sav", "17373592\r\n%SECT%MISC\r\n%ENDSECT%MISC\r\n");
    CV3File g;
    ASSERT_NE(g.Open(dir.File("none.sav"), CV3File::modeRead), 0);
    CUEFA fresh;
    const CUEFA before = fresh;
    EXPECT_FALSE(fresh.LadenV3Localized(g, 0));
    EXPECT_EQ(fresh, before);
}

TEST_F(UEFATest, EuroWMValuesStandWhereTheWriterIs) {
    const CEuroWM a(2004, 1, 24), b(2006, 2, -7);
    {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("k.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        f.NewSection("EMWM");
        f.PutInt(2);
        EXPECT_TRUE(a.SpeichernV3Localized(f, 0));
        EXPECT_TRUE(b.SpeichernV3Localized(f, 0));
        f.EndSection(1);
        ASSERT_TRUE(f.Close());
    }
    EXPECT_EQ(ReadCrLfLines(dir.path() / "k.sav"),
              (std::vector<std::string>{"17373592", "%SECT%EMWM", "2", "2004", "1", "24", "2006", "2", "-7",
                                        "%ENDSECT%EMWM"}));
    CV3File f;
    ASSERT_NE(f.Open(dir.File("k.sav"), CV3File::modeRead), 0);
    f.FindSection("EMWM");
    int count = 0;
    f.GetInt(count);
    CEuroWM ra, rb;
    EXPECT_TRUE(ra.LadenV3Localized(f, 0));
    EXPECT_TRUE(rb.LadenV3Localized(f, 0));
    EXPECT_EQ(ra, a);
    EXPECT_EQ(rb, b);
    EXPECT_EQ(rb.Year(), 2006);
    EXPECT_EQ(rb.Kind(), 2);
    EXPECT_EQ(rb.Nation(), -7);
}

}  // namespace
