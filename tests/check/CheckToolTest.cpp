// v3tool check, search and print on the full demo installation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "Commands.h"
#include "DemoDataSet.h"
#include "PdfText.h"
#include "TestUtil.h"
#include "check/core/ClubSheet.h"
#include "base/AppState.h"
#include "dataset/EditorDoc.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace fs = std::filesystem;
using namespace v3;
using Lines = std::vector<std::string>;

namespace {

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The text after the last ", " of a result line: the name the line is about.
std::string NamePart(const std::string& line) { return line.substr(line.rfind(", ") + 2); }

class CheckTool : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // In RAM where the system has it: the installation is thousands of files.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "v3check.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        std::string error;
        ok_ = demo::WriteDemoInstallation(install(), demo::kDefaultDemoSeed, &error);
        error_ = error;
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void SetUp() override { ASSERT_TRUE(ok_) << error_; }

    static fs::path install() { return dir_ / "inst"; }

    // Runs a command; its standard output goes into *out.
    static int Run(const Lines& argv, std::string* out = nullptr) {
        testing::internal::CaptureStdout();
        const int rc = v3tool::Run(argv);
        const std::string text = testing::internal::GetCapturedStdout();
        if (out) *out = text;
        return rc;
    }

    static inline fs::path dir_;
    static inline bool ok_ = false;
    static inline std::string error_;
};

TEST_F(CheckTool, CheckPrintsEveryPairFollowedByABlankLine) {
    std::string out;
    ASSERT_EQ(Run({"check", install().string()}, &out), 0);
    const Lines lines = SplitLines(out);
    ASSERT_GE(lines.size(), 3u);
    ASSERT_EQ(lines.size() % 3, 0u);
    for (size_t i = 0; i < lines.size(); i += 3) {
        EXPECT_FALSE(lines[i].empty());
        EXPECT_EQ(NamePart(lines[i]), NamePart(lines[i + 1])) << lines[i] << " / " << lines[i + 1];
        EXPECT_EQ(lines[i + 2], "");
    }
    EXPECT_EQ(Run({"check"}), 2);
    EXPECT_EQ(Run({"check", (dir_ / "nowhere").string()}), 1);
}

TEST_F(CheckTool, SearchFindsBothOfAPairByTheirNames) {
    std::string out;
    ASSERT_EQ(Run({"check", install().string()}, &out), 0);
    const Lines pairs = SplitLines(out);
    // A pair of persons with one first and one last name.
    size_t i = 0;
    while (i < pairs.size() && std::count(pairs[i].begin() + long(pairs[i].rfind(", ")) + 2, pairs[i].end(), ' ') != 1)
        i += 3;
    ASSERT_LT(i, pairs.size());
    const std::string name = NamePart(pairs[i]);
    const std::string vorname = name.substr(0, name.rfind(' ')), nachname = name.substr(name.rfind(' ') + 1);

    ASSERT_EQ(Run({"search", install().string(), "--vorname", vorname, "--nachname", "  " + nachname}, &out), 0);
    const Lines hits = SplitLines(out);
    ASSERT_GE(hits.size(), 2u);
    for (const std::string& hit : hits) EXPECT_EQ(NamePart(hit), name);
    // With both names the country leads each line; the pair's lines follow it.
    for (size_t k : {i, i + 1})
        EXPECT_TRUE(std::any_of(hits.begin(), hits.end(),
                                [&](const std::string& h) { return h.ends_with(", " + pairs[k]); }))
            << pairs[k];

    ASSERT_EQ(Run({"search", install().string(), "--nachname", nachname}, &out), 0);
    EXPECT_GE(SplitLines(out).size(), hits.size());
    EXPECT_EQ(Run({"search", install().string(), "--nachname", "Niemandsname"}, &out), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Run({"search", install().string()}), 2);
    EXPECT_EQ(Run({"search", install().string(), "--vorname"}), 2);
}

TEST_F(CheckTool, PrintWritesOneClubSheetAPage) {
    // The clubs of country 0 as the installation holds them.
    Lines clubs;
    {
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        state->installDir = install();
        CEDITORDoc doc;
        doc.ClearBonusLandGlobals();
        ASSERT_TRUE(doc.LadenV3Localized());
        for (const auto& v : Daten().AlleLaender[0]->VereinsListe()) clubs.push_back(v->Name());
    }
    ASSERT_GE(clubs.size(), 3u);
    const fs::path pdf = dir_ / "alle.pdf";
    ASSERT_EQ(Run({"print", install().string(), "--land", "0", "--pdf", pdf.string()}), 0);
    const auto pages = v3test::PdfPages(v3test::ReadBytes(pdf));
    ASSERT_EQ(pages.size(), clubs.size());
    // The first page is the first club's sheet: its name in the title font at
    // the title's place, the block headings, and a squad.
    const auto& first = pages[0];
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[0].text, clubs[0]);
    EXPECT_EQ(first[0].font, "F2");
    EXPECT_NEAR(first[0].x, kSheetLeft * 72.0 / 254.0, 0.01);
    Lines texts;
    for (const auto& t : first) texts.push_back(t.text);
    for (const char* heading : {"Allgemeine Daten", "Trainer", "Manager", "Stadion", "Spieler", "Rnr."})
        EXPECT_NE(std::find(texts.begin(), texts.end(), heading), texts.end()) << heading;
    EXPECT_NE(std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return t.ends_with(" Millionen"); }),
              texts.end());

    // Named clubs print in the country's order, whatever the order named.
    const fs::path two = dir_ / "zwei.pdf";
    ASSERT_EQ(Run({"print", install().string(), "--land", "0", "--verein", Cp1252ToUtf8(clubs[2]), "--verein",
                   Cp1252ToUtf8(clubs[0]), "--pdf", two.string()}),
              0);
    const auto named = v3test::PdfPages(v3test::ReadBytes(two));
    ASSERT_EQ(named.size(), 2u);
    EXPECT_EQ(named[0][0].text, clubs[0]);
    EXPECT_EQ(named[1][0].text, clubs[2]);

    EXPECT_EQ(Run({"print", install().string(), "--land", "0", "--verein", "Kein Verein", "--pdf", two.string()}), 1);
    EXPECT_EQ(Run({"print", install().string(), "--land", "38", "--pdf", two.string()}), 2);
    EXPECT_EQ(Run({"print", install().string(), "--land", "0"}), 2);
}

}  // namespace
