// Restoring the delivered data: the directory creation, the copy filter, the
// crest folder, the progress bar, the failures and the reload. The folders are
// small ones written by the tests; the full installation is in BonusDemoTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "dataset/Reinit.h"
#include "records/Land.h"
#include "platform/UserInterface.h"

namespace fs = std::filesystem;
using namespace v3;
using v3test::RamDir;
using v3test::ReadBytes;
using v3test::WriteBytes;

namespace {

class ReinitTest : public ::testing::Test {
public:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = dir.path();
    }
    fs::path P(const std::string& rel) const { return dir.path() / rel; }
    void Write(const std::string& rel, const std::string& bytes) {
        fs::create_directories(P(rel).parent_path());
        WriteBytes(P(rel), bytes);
    }
    bool HasMessage(const std::string& part) const {
        for (const auto& m : ui.messages)
            if (m.text.find(part) != std::string::npos) return true;
        return false;
    }

    RamDir dir;
    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(ReinitTest, CreateRecurseSubDirMakesMissingParentsAndAcceptsExistingFolders) {
    struct Case {
        std::string pfad;
        const char* host;  // folder that must exist afterwards ("" for none)
    };
    const Case cases[] = {
        {"", ""},
        {".\\A\\B\\C\\", "A/B/C"},    // trailing backslash, three missing levels
        {".\\A\\B\\C", "A/B/C"},      // now existing
        {".\\A\\B\\D", "A/B/D"},      // one missing level below existing ones
        {"./X/Y", "X/Y"},             // slashes when there is no backslash
    };
    for (const auto& c : cases) {
        std::string pfad = c.pfad;
        EXPECT_TRUE(CreateRecurseSubDir(pfad)) << c.pfad;
        EXPECT_EQ(pfad, c.pfad) << "the path is not changed";
        if (*c.host) {
            EXPECT_TRUE(fs::is_directory(P(c.host))) << c.pfad;
        }
    }
    EXPECT_TRUE(CreateRecurseDir(".\\DATA.V3\\Wappen\\"));
    EXPECT_TRUE(fs::is_directory(P("DATA.V3/Wappen")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReinitTest, CreateRecurseSubDirRefusesAFileOfThatName) {
    Write("DATA.V3/Wappen", "not a folder");
    EXPECT_FALSE(CreateRecurseDir(".\\DATA.V3\\Wappen"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Konnte Directory .\\DATA.V3\\Wappen nicht anlegen.\nGrund:", 0), 0u)
        << ui.messages[0].text;
    EXPECT_GT(ui.messages[0].text.size(), std::string("Konnte Directory .\\DATA.V3\\Wappen nicht anlegen.\nGrund:").size());
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);

    // Below a file no folder can be made: a failure, not a success.
    ui.messages.clear();
    EXPECT_FALSE(CreateRecurseDir(".\\DATA.V3\\Wappen\\Sub"));
}

TEST_F(ReinitTest, CopiesRegularFilesWithNamesOfFiveToTwelveCharactersAndTheCrests) {
    Write("DATA.ORG/Liga1Deu.sav", "liga");           // 12 characters
    Write("DATA.ORG/a.sav", "five");                  // 5
    Write("DATA.ORG/abcd", "four");                   // 4
    Write("DATA.ORG/Liga1Deu.sav.old", "too long");   // 16
    Write("DATA.ORG/Kleinig.sav", "delivered");
    Write("DATA.ORG/Laender.sav", "delivered nations");
    fs::create_directories(P("DATA.ORG/Unterordner"));
    Write("DATA.ORG/Unterordner/x.sav1", "inside a folder");
    Write("DATA.ORG/Wappen/VW_D1.BMP", "crest 1");
    Write("DATA.ORG/Wappen/VW_D12.BMP", "crest 12");
    fs::create_symlink(P("DATA.ORG/Kleinig.sav"), P("DATA.ORG/Verweis.sav"));

    Write("DATA.V3/Kleinig.sav", "edited");
    fs::permissions(P("DATA.V3/Kleinig.sav"), fs::perms::owner_read | fs::perms::group_read);
    Write("DATA.V3/laender.SAV", "edited nations");  // the same file in another letter case
    Write("DATA.V3/Bonus1.sav", "only in the data directory");
    Write("DATA.V3/liga1bon.sav", "only in the data directory");

    CEDITORDoc doc;
    doc.OnDateiReinitialisierung();

    EXPECT_EQ(ReadBytes(P("DATA.V3/Liga1Deu.sav")), "liga");
    EXPECT_EQ(ReadBytes(P("DATA.V3/a.sav")), "five");
    EXPECT_EQ(ReadBytes(P("DATA.V3/Kleinig.sav")), "delivered");  // read-only target replaced
    EXPECT_EQ(ReadBytes(P("DATA.V3/laender.SAV")), "delivered nations");
    EXPECT_FALSE(fs::exists(P("DATA.V3/Laender.sav")));  // no second file beside it
    EXPECT_FALSE(fs::exists(P("DATA.V3/abcd")));
    EXPECT_FALSE(fs::exists(P("DATA.V3/Liga1Deu.sav.old")));
    EXPECT_FALSE(fs::exists(P("DATA.V3/Unterordner")));
    EXPECT_FALSE(fs::exists(P("DATA.V3/Verweis.sav")));
    EXPECT_EQ(ReadBytes(P("DATA.V3/Wappen/VW_D1.BMP")), "crest 1");
    EXPECT_EQ(ReadBytes(P("DATA.V3/Wappen/VW_D12.BMP")), "crest 12");
    EXPECT_EQ(ReadBytes(P("DATA.V3/Bonus1.sav")), "only in the data directory");
    EXPECT_EQ(ReadBytes(P("DATA.V3/liga1bon.sav")), "only in the data directory");

    // The question names the data directory; the bar runs 0..776 by one per copied file.
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages[0].text.find("Backup des Verzeichnisses\nDATA.V3 erstellen."), std::string::npos);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    ASSERT_GE(ui.progressTitles.size(), 2u);
    EXPECT_EQ(ui.progressTitles[0], "Reinitialisiere Daten...");
    EXPECT_EQ(ui.progressTitles[1], "Lade Daten...");  // the reload, without its question
    EXPECT_FALSE(HasMessage("Wollen Sie wirklich die Daten neu laden?"));
    const std::vector<int> schritte(ui.progressPositions.begin(), ui.progressPositions.begin() + 7);
    EXPECT_EQ(schritte, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(doc.BeendenAngefordert());
    EXPECT_TRUE(state->AnimationAktiv);
}

TEST_F(ReinitTest, TheBarStaysFullBeyondItsRange) {
    for (int i = 0; i < kReinitFortschritt + 5; ++i) {
        std::string name = std::to_string(i);
        name = "f" + std::string(4 - std::min<size_t>(4, name.size()), '0') + name + ".sav";
        Write("DATA.ORG/" + name, "x");
    }
    CEDITORDoc doc;
    doc.OnDateiReinitialisierung();
    EXPECT_TRUE(fs::exists(P("DATA.V3/f0780.sav")));
    // 0, one step per file up to 776, then nothing until the reload starts its own bar at 10.
    ASSERT_GT(ui.progressPositions.size(), size_t(kReinitFortschritt + 1));
    EXPECT_EQ(ui.progressPositions[0], 0);
    EXPECT_EQ(ui.progressPositions[kReinitFortschritt], kReinitFortschritt);
    EXPECT_EQ(ui.progressPositions[kReinitFortschritt + 1], 10);
}

TEST_F(ReinitTest, CancelChangesNothing) {
    Write("DATA.ORG/Kleinig.sav", "delivered");
    Write("DATA.V3/Kleinig.sav", "edited");
    ui.Answer(MsgResult::Cancel);
    CEDITORDoc doc;
    doc.OnDateiReinitialisierung();
    EXPECT_EQ(ReadBytes(P("DATA.V3/Kleinig.sav")), "edited");
    EXPECT_TRUE(ui.progressTitles.empty());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ReinitTest, WithoutDeliveredDataNothingIsCopiedAndTheDataIsReloaded) {
    Write("DATA.V3/Kleinig.sav", "edited");
    CEDITORDoc doc;
    doc.OnDateiReinitialisierung();
    EXPECT_EQ(ReadBytes(P("DATA.V3/Kleinig.sav")), "edited");
    EXPECT_TRUE(fs::is_directory(P("DATA.V3/Wappen")));
    ASSERT_EQ(ui.progressTitles.size(), 2u);
    EXPECT_EQ(ui.progressTitles[1], "Lade Daten...");
    EXPECT_FALSE(doc.BeendenAngefordert());
}

TEST_F(ReinitTest, FailuresFreeTheDataSetAndEndTheProgram) {
    struct Case {
        const char* name;
        std::function<void(ReinitTest&)> prepare;
        const char* message;
    };
    const Case cases[] = {
        {"crest folder", [](ReinitTest& t) { t.Write("DATA.V3", "a file where the data directory belongs"); },
         "Das Verzeichnis zum Speichern des Datensatzes konnte nicht erstellt werden! Bitte installieren sie "
         "Voltaro 3 neu!"},
        {"copy",
         [](ReinitTest& t) {
             t.Write("DATA.ORG/Kleinig.sav", "delivered");
             fs::create_directories(t.P("DATA.V3/Kleinig.sav"));  // a folder cannot be copied over
         },
         "Es ist ein Fehler beim Wiederherstellen der Originaldaten aufgetreten! Bitte installieren sie "
         "Voltaro 3 neu!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(P("DATA.V3"));
        fs::remove_all(P("DATA.ORG"));
        ui.messages.clear();
        c.prepare(*this);
        Daten().AlleLaender.push_back(nullptr);  // a data set in memory
        int beendet = 0;
        CEDITORDoc doc;
        doc.ProgrammBeenden = [&] { ++beendet; };
        doc.OnDateiReinitialisierung();
        EXPECT_TRUE(HasMessage(c.message));
        EXPECT_EQ(ui.messages.back().icon, MsgIcon::Stop);
        EXPECT_EQ(beendet, 1);
        EXPECT_TRUE(doc.BeendenAngefordert());
        EXPECT_TRUE(Daten().Leer());
        EXPECT_FALSE(ui.progress.IsOpen());
    }
}

}  // namespace
