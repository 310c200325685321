// The bonus country and the reinitialisation on a full demo installation,
// driven through v3tool as a user would: Belgium lends its team, both states
// survive a save and a load byte for byte, and the delivered data comes back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "Commands.h"
#include "DemoDataSet.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "records/Verein.h"

namespace fs = std::filesystem;
using namespace v3;
using v3test::RamDir;

namespace {

// The regular files of a folder (not below it) with their bytes.
std::map<std::string, std::string> TopLevelFiles(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) files[e.path().filename().string()] = v3test::ReadBytes(e.path());
    return files;
}

class BonusDemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        vorlage_ = std::make_unique<RamDir>();
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        ok_ = demo::WriteDemoInstallation(vorlage_->path() / "inst", 7, &fehler_);
    }
    static void TearDownTestSuite() { vorlage_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(ok_) << fehler_;
        fs::copy(vorlage_->path() / "inst", inst(), fs::copy_options::recursive);
    }
    fs::path inst() const { return arbeit_.path() / "inst"; }
    fs::path V3() const { return inst() / "DATA.V3"; }
    int Tool(std::vector<std::string> args) {
        args.insert(args.begin() + 1, inst().string());
        return v3tool::Run(args);
    }

    // Loads the installation into `state`, checks what the test asks, and
    // saves it again: the files must come out as they were.
    void LadenUndWiederSpeichern(const std::function<void()>& pruefe) {
        const auto vorher = TopLevelFiles(V3());
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        state->installDir = inst();
        CEDITORDoc doc;
        doc.ClearBonusLandGlobals();
        ASSERT_TRUE(doc.LadenV3Localized()) << doc.LadeFehler();
        pruefe();
        ASSERT_TRUE(doc.SpeichernV3Localized());
        for (const auto& m : ui.messages) ADD_FAILURE() << "message: " << m.text;
        const auto nachher = TopLevelFiles(V3());
        ASSERT_EQ(vorher.size(), nachher.size());
        for (const auto& [name, bytes] : vorher) EXPECT_TRUE(nachher.at(name) == bytes) << name << " changed";
    }

    static inline std::unique_ptr<RamDir> vorlage_;
    static inline bool ok_ = false;
    static inline std::string fehler_;
    RamDir arbeit_;
};

TEST_F(BonusDemoTest, BelgiumLendsItsTeamUntilTheBonusCountryIsRemoved) {
    ASSERT_EQ(Tool({"bonus", "--nation", "6", "--league-size", "16", "--yes"}), 0);
    EXPECT_TRUE(fs::exists(V3() / "liga1bon.sav"));
    EXPECT_TRUE(fs::exists(V3() / "Wappen" / "BW_Bel1.BMP"));
    EXPECT_TRUE(fs::exists(V3() / "Wappen" / "BW_Bel26.BMP"));
    LadenUndWiederSpeichern([] {
        ASSERT_EQ(Daten().AlleLaender.size(), 38u);
        EXPECT_EQ(App().NationNummer[11], -1);
        EXPECT_EQ(Daten().AlleLaender[11]->BonusLand(), 1);
        EXPECT_EQ(App().BonusNation, 6);
        EXPECT_EQ(App().BonusQuellLand, 11);
        const CLand& bonus = *Daten().AlleLaender[37];
        EXPECT_EQ(bonus.BonusLand(), 2);
        EXPECT_EQ(bonus.VereinsListe().size(), 26u);
        EXPECT_EQ(bonus.Ligen()[0]->Size(), 16);
        EXPECT_EQ(App().Laendername[37], "Belgien");
        // The lender's clubs are the first clubs of the bonus country.
        EXPECT_EQ(bonus.VereinsListe()[0]->Name(), Daten().AlleLaender[11]->VereinsListe()[0]->Name());
    });

    ASSERT_EQ(Tool({"bonus", "--remove", "--yes"}), 0);
    LadenUndWiederSpeichern([] {
        EXPECT_EQ(Daten().AlleLaender.size(), 37u);
        EXPECT_EQ(App().NationNummer[11], 6);
        EXPECT_EQ(Daten().AlleLaender[11]->BonusLand(), 0);
        EXPECT_EQ(App().BonusNation, -1);
    });
}

TEST_F(BonusDemoTest, ANationWithoutCountryGetsNewClubsAndSurvivesTheRoundTrip) {
    ASSERT_EQ(Tool({"bonus", "--nation", "71", "--hair", "schwarz", "--skin", "dunkel", "--cup", "2", "--yes"}),
              0);
    LadenUndWiederSpeichern([] {
        ASSERT_EQ(Daten().AlleLaender.size(), 38u);
        const CLand& bonus = *Daten().AlleLaender[37];
        EXPECT_EQ(App().BonusQuellLand, -1);
        EXPECT_EQ(bonus.VereinsListe().size(), 18u);
        EXPECT_EQ(bonus.Pokal(), 2);
        EXPECT_EQ(bonus.Reporters().size(), 3u);
        EXPECT_EQ(bonus.BonusPredefined(), 1);
    });
    // Replacing it by Belgium gives the crests of Belgium's clubs to the first eight clubs.
    ASSERT_EQ(Tool({"bonus", "--nation", "6", "--yes"}), 0);
    EXPECT_EQ(v3test::ReadBytes(V3() / "Wappen" / "BW_Bel3.BMP"), v3test::ReadBytes(V3() / "Wappen" / "VW_bel3.BMP"));
}

TEST_F(BonusDemoTest, ReinitRestoresTheDeliveredFilesAndKeepsTheOthers) {
    ASSERT_EQ(Tool({"bonus", "--nation", "6", "--yes"}), 0);
    v3test::WriteBytes(V3() / "Extra.sav", "mine");
    fs::remove(V3() / "Wappen" / "VW_D1.BMP");
    ASSERT_NE(TopLevelFiles(V3()).at("Bonus1.sav"), TopLevelFiles(inst() / "DATA.ORG").at("Bonus1.sav"));

    ASSERT_EQ(Tool({"reinit", "--yes"}), 0);
    for (const char* sub : {"", "Wappen"}) {
        const auto original = TopLevelFiles(inst() / "DATA.ORG" / sub);
        const auto jetzt = TopLevelFiles(V3() / sub);
        ASSERT_FALSE(original.empty());
        for (const auto& [name, bytes] : original) {
            ASSERT_TRUE(jetzt.count(name)) << name;
            EXPECT_TRUE(jetzt.at(name) == bytes) << name;
        }
    }
    EXPECT_EQ(v3test::ReadBytes(V3() / "Extra.sav"), "mine");
    EXPECT_TRUE(fs::exists(V3() / "liga1bon.sav"));
    EXPECT_TRUE(fs::exists(V3() / "Wappen" / "BW_Bel1.BMP"));
    LadenUndWiederSpeichern([] { EXPECT_EQ(Daten().AlleLaender.size(), 37u); });
}

TEST_F(BonusDemoTest, WrongCallsChangeNothing) {
    const auto vorher = TopLevelFiles(V3());
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"bonus"}, 2},
        {{"bonus", "--nation", "6"}, 2},                         // not confirmed
        {{"bonus", "--nation", "6", "--remove", "--yes"}, 2},    // both at once
        {{"bonus", "--nation", "6", "--league-size", "13", "--yes"}, 2},
        {{"bonus", "--nation", "6", "--hair", "rot", "--yes"}, 2},
        {{"bonus", "--nation", "6", "--crest", "x.bmp", "--yes"}, 2},  // a crest needs its map
        {{"bonus", "--nation", "14", "--yes"}, 1},               // a main country's team is not offered
        {{"bonus", "--nation", "54", "--yes"}, 1},               // no predefined pictures for Russia
        {{"reinit"}, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(Tool(c.args), c.status) << c.args.size() << " " << c.args.back();
    EXPECT_TRUE(TopLevelFiles(V3()) == vorher);
}

}  // namespace
