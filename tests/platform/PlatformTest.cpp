#include <gtest/gtest.h>

#include "TestUtil.h"
#include "platform/FileOps.h"
#include "platform/Text1252.h"
#include "platform/UserInterface.h"

using namespace v3;
namespace fs = std::filesystem;

TEST(Text1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    auto back = Utf8ToCp1252(Cp1252ToUtf8(all));
    ASSERT_TRUE(back.text.has_value());
    EXPECT_EQ(*back.text, all);
    EXPECT_EQ(Cp1252ToUtf8("\x80 M\xFCller \x9F"), "€ Müller Ÿ");
}

TEST(Text1252, RefusesWhatTheCodePageCannotHold) {
    struct Case {
        std::string utf8;
        std::string bad;
    } cases[] = {
        {"Łódź", "Ł"},
        {"ok 😀", "😀"},
        {"\xC3", "\xEF\xBF\xBD"},            // cut sequence
        {"\xC0\xAF", "\xEF\xBF\xBD"},        // overlong form
        {"\xED\xA0\x80", "\xEF\xBF\xBD"},    // surrogate
    };
    for (const auto& c : cases) {
        auto r = Utf8ToCp1252(c.utf8);
        EXPECT_FALSE(r.text.has_value()) << c.utf8;
        EXPECT_EQ(r.badCharacter, c.bad) << c.utf8;
    }
    EXPECT_NE(RefusedCharacterMessage("Ł").find("Ł"), std::string::npos);
    EXPECT_EQ(Cp("Türkei"), "T\xFCrkei");
    EXPECT_THROW(Cp("Łódź"), std::invalid_argument);
}

TEST(FileOps, AtomicFileReplacesWholeOrNothing) {
    v3test::TempDir dir;
    fs::path target = dir.path() / "f.sav";
    v3test::WriteBytes(target, "old");
    {
        AtomicFile f;
        ASSERT_TRUE(f.Open(target));
        ASSERT_TRUE(f.Write("new", 3));
        EXPECT_EQ(v3test::ReadBytes(target), "old");  // untouched until committed
    }  // destroyed without Commit
    EXPECT_EQ(v3test::ReadBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);

    AtomicFile f;
    ASSERT_TRUE(f.Open(target));
    ASSERT_TRUE(f.Write("new", 3));
    EXPECT_TRUE(f.Commit());
    EXPECT_EQ(v3test::ReadBytes(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
    EXPECT_FALSE(AtomicFile().Commit());
}

TEST(FileOps, CopyDeleteAndFolders) {
    v3test::TempDir dir;
    fs::path a = dir.path() / "a", b = dir.path() / "b";
    v3test::WriteBytes(a, "A");
    v3test::WriteBytes(b, "B");
    fs::permissions(b, fs::perms::owner_read);
    EXPECT_TRUE(CopyReplacing(a, b));
    EXPECT_EQ(v3test::ReadBytes(b), "A");
    std::string error;
    EXPECT_FALSE(CopyReplacing(dir.path() / "missing", b, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(v3test::ReadBytes(b), "A");

    EXPECT_TRUE(CreateFolders(dir.path() / "x" / "y" / "z"));
    EXPECT_TRUE(CreateFolders(dir.path() / "x" / "y"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "x" / "y" / "z"));
    EXPECT_FALSE(CreateFolders(a / "sub"));  // a is a file

    fs::permissions(a, fs::perms::owner_read);
    EXPECT_TRUE(DeleteFile(a));
    EXPECT_FALSE(fs::exists(a));
    EXPECT_TRUE(DeleteFile(a));  // a missing file counts as deleted
}

TEST(UserInterface, ScriptedAnswersAndDefaults) {
    ScriptedUserInterface ui;
    ui.Answer(MsgResult::No);
    EXPECT_EQ(ui.MessageBox("Info", "C", MsgButtons::Ok, MsgIcon::Information), MsgResult::Ok);
    EXPECT_EQ(ui.MessageBox("Frage?", "C", MsgButtons::YesNo, MsgIcon::Question), MsgResult::No);
    EXPECT_EQ(ui.MessageBox("Frage?", "C", MsgButtons::YesNoCancel, MsgIcon::Question), MsgResult::Yes);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].answer, MsgResult::No);

    ui.ProgressOpen("Laden", 0, 20);
    ui.ProgressSetStep(8);
    ui.ProgressStepIt();
    ui.ProgressStepIt();
    ui.ProgressStepIt();  // past the end: starts over
    ui.ProgressSetPos(5);
    EXPECT_EQ(ui.progressPositions, (std::vector<int>{8, 16, 4, 5}));
}
