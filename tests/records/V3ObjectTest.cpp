#include "records/V3Object.h"

#include <gtest/gtest.h>

#include "TestUtil.h"
#include "base/AppState.h"
#include "records/V3File.h"

using namespace v3;

TEST(V3Object, TagRuleAndError) {
    ScopedAppState state;
    CV3Object ok("CSpieler"), shortTag("CX");
    EXPECT_EQ(ok.GetClassNameA(), "CSpieler");
    EXPECT_EQ(shortTag.GetClassNameA(), "Faulty Class declaration");
    ok.SetError("kaputt");
    EXPECT_EQ(state->lastError, "kaputt");
    EXPECT_EQ(state->lastErrorClass, "CSpieler");
}

TEST(V3Object, PlaceholderSlotsWriteTheirWarning) {
    ScopedAppState state;
    v3test::TempDir dir;
    CV3Object o("CTest");
    {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("w.txt"), CV3File::modeWrite | CV3File::modeCreate), 0);
        EXPECT_EQ(o.LadenV3(f), 0);
        EXPECT_EQ(o.SpeichernV3Localized(f, 0, 0), 0);
        EXPECT_TRUE(f.Close());
    }
    std::vector<std::string> expected = {
        "CTest", " .:\xB0\"\xB0:.", "!ACHTUNG! Diese Funktion sollte \xFC" "berladen sein (LadenV3)", " `:._.:\xB4",
        "CTest", " .:\xB0\"\xB0:.", "!ACHTUNG! Diese Funktion sollte \xFC" "berladen sein (SpeichernV3Localized)",
        " `:._.:\xB4"};
    EXPECT_EQ(v3test::ReadCrLfLines(dir.path() / "w.txt"), expected);
}

TEST(V3Object, PlaceholderNumbers) {
    ScopedAppState state;
    EXPECT_EQ(Platzhalter("NA"), "NA000000");
    EXPECT_EQ(Platzhalter("VN"), "VN000001");
    EXPECT_EQ(Number(), 2u);
    state->runningNumber = 999999;
    EXPECT_EQ(Platzhalter("NA"), "NA999999");
    EXPECT_EQ(Platzhalter("NA"), "NA1000000");
}
