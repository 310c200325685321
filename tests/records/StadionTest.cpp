#include "records/Stadion.h"

#include <gtest/gtest.h>

#include <array>

#include "PeopleTestSupport.h"
#include "base/AppState.h"
#include "platform/Text1252.h"

using namespace v3;
using v3test::CheckSetters;
using v3test::SetterCase;

namespace {

// A stadium with a value of its own in every field: roofs on stands 1 and 3,
// the running track in entry 0, heaters on stands 0 and 2.
CStadion FullStadium() {
    CStadion s;
    EXPECT_TRUE(s.Name("  Waldstadion "));
    EXPECT_TRUE(s.Ort(Cp("Grünwald")));
    s.Anzeigetafel(TafelGrosseLed);
    s.Rasenheizung(1);
    s.Flutlicht(1);
    s.HeimTribuene(0);
    s.GaesteTribuene(1);
    s.CityNaehe(1);
    s.VereinsEigentum(0);
    s.AutoBahn(1);
    s.FernsehTurm(1);
    for (int t = 0; t < 4; ++t) {
        s.Stehplaetze(t, 1000 + t);
        s.Sitzplaetze(t, 2000 + t);
        s.Logen(t, 300 + t);
        s.Zustand(t, t + 2);
    }
    s.Dach(1, 1);
    s.Dach(3, 1);
    s.LaufBahn(0, 1);
    s.WaermeStrahler(0, 1);
    s.WaermeStrahler(2, 1);
    s.LuxusKabinen(1);
    s.SitzKissen(0);
    s.BeheizbareSitze(1);
    s.AusfahrSpielfeld(1);
    s.Berge(0);
    s.Burg(1);
    s.Schloss(1);
    return s;
}

const std::vector<std::string> kFullStadiumLines = {
    "17373592", "%SECT%STADION", "Waldstadion", Cp("Grünwald"),
    "3",     // Anzeigetafel
    "1",     // Rasenheizung
    "0",     // heaters on every stand: always 0
    "0",     // always 0
    "1",     // Flutlicht
    "0", "1",  // home and away stand
    "1", "0", "1", "1",  // CityNaehe, VereinsEigentum, AutoBahn, FernsehTurm
    "1000", "2000", "300", "2", "1001", "2001", "301", "3",  // stands 0 and 1
    "1002", "2002", "302", "4", "1003", "2003", "303", "5",  // stands 2 and 3
    "10",    // roofs: bits 1 and 3
    "1",     // running track: bit 0
    "5",     // heaters: bits 0 and 2
    "1", "0", "1", "1",  // LuxusKabinen, SitzKissen, BeheizbareSitze, AusfahrSpielfeld
    "0", "1", "1",       // Berge, Burg, Schloss
    "%ENDSECT%STADION"};

TEST(Stadion, ConstructionDefaults) {
    ScopedAppState state;
    state->runningNumber = 41;
    v3test::SequenceRandom noDraws({});
    state->SetRandom(&noDraws);
    CStadion s;
    EXPECT_EQ(s.Name(), "SN000041");
    EXPECT_EQ(s.Ort(), "ON000042");
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(s.Stehplaetze(t), 500);
        EXPECT_EQ(s.Sitzplaetze(t), 500);
        EXPECT_EQ(s.Logen(t), 250);
        EXPECT_EQ(s.Zustand(t), 1);
        EXPECT_EQ(s.Dach(t), 0);
        EXPECT_EQ(s.LaufBahn(t), 0);
        EXPECT_EQ(s.WaermeStrahler(t), 0);
    }
    EXPECT_EQ(s.HeimTribuene(), 2);
    EXPECT_EQ(s.GaesteTribuene(), 3);
    const std::array<int32_t, 14> zeros = {s.Anzeigetafel(), s.Rasenheizung(), s.Flutlicht(), s.AutoBahn(),
                                           s.CityNaehe(), s.FernsehTurm(), s.VereinsEigentum(), s.LuxusKabinen(),
                                           s.SitzKissen(), s.BeheizbareSitze(), s.AusfahrSpielfeld(), s.Berge(),
                                           s.Burg(), s.Schloss()};
    for (int32_t z : zeros) EXPECT_EQ(z, 0);
}

TEST(Stadion, WritesTheSectionValueForValueAndReadsItBack) {
    ScopedAppState state;
    v3test::TempDir dir;
    CStadion original = FullStadium();
    auto lines = v3test::WriteRecordFile(dir.File("s.sav"), nullptr,
                                         [&](CV3File& f) { return original.SpeichernV3Localized(f, 0); });
    EXPECT_EQ(lines, kFullStadiumLines);
    EXPECT_EQ(original.Name(), "Waldstadion");  // the record keeps the trimmed name

    CStadion back;
    CV3File f;
    v3test::OpenForReading(f, dir.File("s.sav"), nullptr);
    EXPECT_TRUE(back.LadenV3Localized(f, 0));
    EXPECT_TRUE(back == original);

    CStadion copy;
    copy.CopyDataFrom(original);
    EXPECT_TRUE(copy == original);
}

TEST(Stadion, HeaterFlagsComeFromTheBitSetOrTheAllStandsValue) {
    struct Case {
        const char* value5;
        const char* value32;
        std::array<int, 4> heaters;
    } cases[] = {
        {"0", "5", {1, 0, 1, 0}},
        {"1", "0", {1, 1, 1, 1}},  // value 5 wins whatever value 32 says
        {"1", "2", {1, 1, 1, 1}},
        {"0", "15", {1, 1, 1, 1}},
        {"0", "0", {0, 0, 0, 0}},
        {"256", "0", {0, 0, 0, 0}},  // value 5 is a byte: 256 has no low bits
        {"0", "16", {0, 0, 0, 0}},   // bit 4 names no stand
    };
    ScopedAppState state;
    v3test::TempDir dir;
    for (const auto& c : cases) {
        auto lines = kFullStadiumLines;
        lines[6] = c.value5;
        lines[33] = c.value32;
        v3test::WriteBytes(dir.path() / "h.sav", v3test::CrLfText(lines));
        CStadion s;
        CV3File f;
        v3test::OpenForReading(f, dir.File("h.sav"), nullptr);
        EXPECT_TRUE(s.LadenV3Localized(f, 0));
        for (int t = 0; t < 4; ++t)
            EXPECT_EQ(s.WaermeStrahler(t), c.heaters[t]) << c.value5 << "/" << c.value32 << " stand " << t;
    }
}

TEST(Stadion, RoofAndTrackBitSetsReadBackAsFlags) {
    ScopedAppState state;
    v3test::TempDir dir;
    auto lines = kFullStadiumLines;
    lines[31] = "6";   // roofs on stands 1 and 2
    lines[32] = "24";  // bits 3 and 4: only entry 3 exists
    v3test::WriteBytes(dir.path() / "b.sav", v3test::CrLfText(lines));
    CStadion s;
    CV3File f;
    v3test::OpenForReading(f, dir.File("b.sav"), nullptr);
    EXPECT_TRUE(s.LadenV3Localized(f, 0));
    EXPECT_EQ((std::array<int, 4>{s.Dach(0), s.Dach(1), s.Dach(2), s.Dach(3)}), (std::array<int, 4>{0, 1, 1, 0}));
    EXPECT_EQ((std::array<int, 4>{s.LaufBahn(0), s.LaufBahn(1), s.LaufBahn(2), s.LaufBahn(3)}),
              (std::array<int, 4>{0, 0, 0, 1}));
}

TEST(Stadion, MissingOrTruncatedSectionKeepsWhatIsNotThere) {
    ScopedAppState state;
    v3test::TempDir dir;
    // No STADION section, but an enclosing section is open: nothing may be consumed.
    v3test::WriteBytes(dir.path() / "m.sav", v3test::CrLfText({"17373592", "%SECT%VEREIN", "7", "8", "%ENDSECT%VEREIN"}));
    {
        CStadion s, before = s;
        CV3File f;
        v3test::OpenForReading(f, dir.File("m.sav"), "VEREIN");
        EXPECT_FALSE(s.LadenV3Localized(f, 0));
        EXPECT_TRUE(s == before);
        int v = 0;
        EXPECT_TRUE(f.GetInt(v));
        EXPECT_EQ(v, 17373592);  // a failed search leaves the reading position at the start
    }
    // The file ends after stand 0's values: the rest keeps its values.
    std::vector<std::string> cut(kFullStadiumLines.begin(), kFullStadiumLines.begin() + 19);
    v3test::WriteBytes(dir.path() / "t.sav", v3test::CrLfText(cut));
    CStadion s, before = s;
    CV3File f;
    v3test::OpenForReading(f, dir.File("t.sav"), nullptr);
    EXPECT_FALSE(s.LadenV3Localized(f, 0));
    EXPECT_EQ(s.Name(), "Waldstadion");
    EXPECT_EQ(s.Stehplaetze(0), 1000);
    EXPECT_EQ(s.Zustand(0), 2);
    EXPECT_EQ(s.Stehplaetze(1), 500);
    EXPECT_EQ(s.Zustand(1), 1);
    EXPECT_EQ(s.Dach(1), 0);
    EXPECT_EQ(s.HeimTribuene(), 0);
    EXPECT_EQ(s.GaesteTribuene(), 1);
}

TEST(Stadion, WriteFailureIsReported) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->failWritesTo = [](const std::filesystem::path&) { return true; };
    v3test::TempDir dir;
    CV3File f;
    ASSERT_NE(f.Open(dir.File("w.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
    CStadion s;
    EXPECT_FALSE(s.SpeichernV3Localized(f, 0));
    EXPECT_FALSE(f.Close());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(Stadion, SetterLimits) {
    ScopedAppState state;
    const CStadion start;
    std::vector<SetterCase<CStadion>> cases;
    v3test::AddLengthRange(cases, "Name", [](CStadion& s, const std::string& v) { return s.Name(v); },
                           [](const CStadion& s) { return s.Name(); }, 2, 28);
    v3test::AddLengthRange(cases, "Ort", [](CStadion& s, const std::string& v) { return s.Ort(v); },
                           [](const CStadion& s) { return s.Ort(); }, 2, 20);
    v3test::AddRange(cases, "HeimTribuene", [](CStadion& s, int v) { return s.HeimTribuene(v); },
                     [](const CStadion& s) { return s.HeimTribuene(); }, 0, 3);
    v3test::AddRange(cases, "GaesteTribuene", [](CStadion& s, int v) { return s.GaesteTribuene(v); },
                     [](const CStadion& s) { return s.GaesteTribuene(); }, 0, 3);
    v3test::AddRange(cases, "Anzeigetafel", [](CStadion& s, int v) { return s.Anzeigetafel(v); },
                     [](const CStadion& s) { return s.Anzeigetafel(); }, 0, 4);
    for (int t : {0, 3}) {
        std::string st = "[" + std::to_string(t) + "]";
        v3test::AddRange(cases, "Zustand" + st, [t](CStadion& s, int v) { return s.Zustand(t, v); },
                         [t](const CStadion& s) { return s.Zustand(t); }, 1, 7);
        v3test::AddRange(cases, "WaermeStrahler" + st, [t](CStadion& s, int v) { return s.WaermeStrahler(t, v); },
                         [t](const CStadion& s) { return s.WaermeStrahler(t); }, 0, 1);
        // Place counts: no upper limit in the record (the stadium editor keeps its own).
        using PlaceSet = bool (CStadion::*)(int, int32_t);
        using PlaceGet = int32_t (CStadion::*)(int) const;
        const struct {
            const char* name;
            PlaceSet set;
            PlaceGet get;
        } places[] = {{"Stehplaetze", &CStadion::Stehplaetze, &CStadion::Stehplaetze},
                      {"Sitzplaetze", &CStadion::Sitzplaetze, &CStadion::Sitzplaetze},
                      {"Logen", &CStadion::Logen, &CStadion::Logen}};
        for (const auto& p : places)
            for (int v : {-1, 0, 40000}) {
                auto set = p.set;
                auto get = p.get;
                cases.push_back({p.name + st + "(" + std::to_string(v) + ")",
                                 [=](CStadion& s) { return (s.*set)(t, v); }, v >= 0,
                                 [=](const CStadion& s) { return (s.*get)(t) == v; }});
            }
    }
    // A stand outside 0..3 is refused by every per-stand setter.
    for (int t : {-1, 4}) {
        std::string st = "[" + std::to_string(t) + "]";
        auto refused = [&](const std::string& what, std::function<bool(CStadion&)> set) {
            cases.push_back({what + st, set, false, nullptr});
        };
        refused("Zustand", [t](CStadion& s) { return s.Zustand(t, 1); });
        refused("WaermeStrahler", [t](CStadion& s) { return s.WaermeStrahler(t, 1); });
        refused("Stehplaetze", [t](CStadion& s) { return s.Stehplaetze(t, 10); });
        refused("Sitzplaetze", [t](CStadion& s) { return s.Sitzplaetze(t, 10); });
        refused("Logen", [t](CStadion& s) { return s.Logen(t, 10); });
        refused("Dach", [t](CStadion& s) { return s.Dach(t, 1); });
        refused("LaufBahn", [t](CStadion& s) { return s.LaufBahn(t, 1); });
    }
    CheckSetters(start, cases);

    // Getters read 0 outside the stands.
    CStadion s = FullStadium();
    for (int t : {-1, 4}) {
        EXPECT_EQ(s.WaermeStrahler(t), 0);
        EXPECT_EQ(s.Zustand(t), 0);
        EXPECT_EQ(s.Logen(t), 0);
        EXPECT_EQ(s.LaufBahn(t), 0);
        EXPECT_EQ(s.Dach(t), 0);
        EXPECT_EQ(s.Stehplaetze(t), 0);
        EXPECT_EQ(s.Sitzplaetze(t), 0);
    }
    // Flags without a range are stored as given.
    EXPECT_TRUE(s.Burg(7));
    EXPECT_EQ(s.Burg(), 7);
    EXPECT_TRUE(s.LaufBahn(2, 1));
    EXPECT_EQ(s.LaufBahn(2), 1);
}

}  // namespace
