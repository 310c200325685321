#include "records/V3File.h"

#include <gtest/gtest.h>

#include <cstring>

#include "TestUtil.h"
#include "base/AppState.h"
#include "records/Datum.h"

using namespace v3;
using v3test::ReadBytes;
using v3test::TempDir;
using v3test::WriteBytes;

namespace {

class V3FileTest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }

    // Opens a file with the given bytes for reading.
    void OpenWith(CV3File& f, const std::string& bytes) {
        WriteBytes(dir.path() / "in.sav", bytes);
        ASSERT_NE(f.Open(dir.File("in.sav"), CV3File::modeRead), 0);
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    TempDir dir;
};

TEST_F(V3FileTest, WritesExactBytesAndReadsThemBack) {
    CDatum date;
    date.Init(7, 3, 1975, 0, 0, 0);
    {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("a.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.SeekToBegin();
        EXPECT_TRUE(f.PutID(kFileID));
        EXPECT_TRUE(f.NewSection("NATION"));
        EXPECT_TRUE(f.NewSection("NATION"));
        EXPECT_TRUE(f.PutInt(-5));
        EXPECT_TRUE(f.PutLng(2000000000));
        EXPECT_TRUE(f.PutStr(""));
        EXPECT_TRUE(f.PutStr("  M\xFCller  "));
        EXPECT_TRUE(f.PutDatum(date));
        EXPECT_TRUE(f.EndSection(1));
        EXPECT_TRUE(f.EndSection(1));
        EXPECT_TRUE(f.Close());
    }
    EXPECT_EQ(ReadBytes(dir.path() / "a.sav"),
              "17373592\r\n%SECT%NATION\r\n%SECT%NATION\r\n-5\r\n2000000000\r\n\r\n  M\xFCller  \r\n"
              "07.03.1975\r\n%ENDSECT%NATION\r\n%ENDSECT%NATION\r\n");

    CV3File f;
    ASSERT_NE(f.Open(dir.File("a.sav"), CV3File::modeRead), 0);
    int32_t id = 0;
    EXPECT_EQ(f.GetID(id), kFileID);
    EXPECT_TRUE(f.FindSection("NATION"));
    EXPECT_TRUE(f.FindSection("NATION"));
    int i = 0;
    uint32_t big = 0;
    std::string empty = "x", name;
    CDatum read;
    EXPECT_TRUE(f.GetInt(i));
    EXPECT_TRUE(f.GetULng(big));
    EXPECT_TRUE(f.GetStr(empty));
    EXPECT_TRUE(f.GetStr(name));
    EXPECT_TRUE(f.GetDatum(read));
    EXPECT_EQ(i, -5);
    EXPECT_EQ(big, 2000000000u);
    EXPECT_EQ(empty, "");
    EXPECT_EQ(name, "  M\xFCller  ");
    EXPECT_EQ(read.Text(), "07.03.1975");
    EXPECT_TRUE(f.EndSection(1));
    EXPECT_TRUE(f.EndSection(1));
    EXPECT_EQ(f.SectionStack().size(), 0u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(V3FileTest, ValuesNeedAnOpenSection) {
    CV3File w;
    ASSERT_NE(w.Open(dir.File("b.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
    EXPECT_FALSE(w.PutInt(1));
    EXPECT_FALSE(w.PutLng(1));
    EXPECT_FALSE(w.PutStr("x"));
    EXPECT_FALSE(w.EndSection(1));
    EXPECT_TRUE(w.PutID(5));
    EXPECT_TRUE(w.Close());
    EXPECT_EQ(ReadBytes(dir.path() / "b.sav"), "5\r\n");

    CV3File r;
    OpenWith(r, "1\n2\n");
    int i = 42;
    std::string s = "old";
    char arr[4] = "abc";
    EXPECT_FALSE(r.GetInt(i));
    EXPECT_EQ(i, 42);
    EXPECT_FALSE(r.GetStr(s));
    EXPECT_EQ(s, "");
    EXPECT_FALSE(r.GetStr(arr, 3));
    EXPECT_STREQ(arr, "");
    int32_t id = 0;
    EXPECT_EQ(r.GetID(id), 1);  // nothing was consumed by the refused reads
}

TEST_F(V3FileTest, CloseWritesEndMarkersInnermostFirst) {
    {
        CV3File f;
        ASSERT_NE(f.Open(dir.File("c.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.NewSection("OUTER");
        f.NewSection("INNER");
        f.PutInt(1);
        EXPECT_TRUE(f.Close());
    }
    EXPECT_EQ(ReadBytes(dir.path() / "c.sav"),
              "%SECT%OUTER\r\n%SECT%INNER\r\n1\r\n%ENDSECT%INNER\r\n%ENDSECT%OUTER\r\n");
}

TEST_F(V3FileTest, FindSectionWrapsOnceAndMatchesExactNames) {
    CV3File f;
    OpenWith(f, "17373592\n%SECT%nation\n1\n%SECT%NATIONEN\n2\n%ENDSECT%NATIONEN\n%SECT%NATION\n3\n"
                "%ENDSECT%NATION\n%SECT%LATE\n4\n%ENDSECT%LATE\n");
    int v = 0;
    EXPECT_TRUE(f.FindSection("LATE"));
    EXPECT_TRUE(f.GetInt(v));
    EXPECT_EQ(v, 4);
    EXPECT_TRUE(f.EndSection(1));
    // NATION stands before the reading position: found after wrapping, and
    // neither "nation" nor "NATIONEN" matches it.
    EXPECT_TRUE(f.FindSection("NATION"));
    EXPECT_TRUE(f.GetInt(v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(f.EndSection(1));

    EXPECT_FALSE(f.FindSection("ABSENT"));
    EXPECT_TRUE(f.SectionStack().empty());
    int32_t id = 0;
    EXPECT_EQ(f.GetID(id), kFileID);  // the reading position is back at the start
}

TEST_F(V3FileTest, ShortReaderIsBroughtBackInStepByNextFindSection) {
    CV3File f;
    OpenWith(f, "%SECT%A\n1\n2\n3\n%ENDSECT%A\n%SECT%B\n9\n%ENDSECT%B\n");
    int v = 0;
    ASSERT_TRUE(f.FindSection("A"));
    f.GetInt(v);
    EXPECT_TRUE(f.EndSection(1));  // consumes the value 2, not the marker
    ASSERT_TRUE(f.FindSection("B"));
    EXPECT_TRUE(f.GetInt(v));
    EXPECT_EQ(v, 9);
}

TEST_F(V3FileTest, NumberConversions) {
    struct Case {
        const char* line;
        int asInt;
        uint8_t asByte;
        uint32_t asULng;
    };
    const Case cases[] = {
        {"12abc", 12, 12, 12},
        {"abc", 0, 0, 0},
        {"", 0, 0, 0},
        {"-5", -5, 251, 4294967291u},
        {"  +7", 7, 7, 7},
        {"\t-0", 0, 0, 0},
        {"300", 300, 44, 300},
        {"-1", -1, 255, 4294967295u},
        {"99999999999", 2147483647, 255, 2147483647u},
        {"-99999999999", -2147483647 - 1, 0, 2147483648u},
        {"- 5", 0, 0, 0},
    };
    std::string text = "%SECT%N\n";
    for (const auto& c : cases) text += std::string(c.line) + "\n" + c.line + "\n" + c.line + "\n";
    CV3File f;
    OpenWith(f, text);
    ASSERT_TRUE(f.FindSection("N"));
    for (const auto& c : cases) {
        int i = 77;
        uint8_t b = 77;
        uint32_t u = 77;
        EXPECT_TRUE(f.GetInt(i));
        EXPECT_TRUE(f.GetByte(b));
        EXPECT_TRUE(f.GetULng(u));
        EXPECT_EQ(i, c.asInt) << c.line;
        EXPECT_EQ(b, c.asByte) << c.line;
        EXPECT_EQ(u, c.asULng) << c.line;
    }
}

TEST_F(V3FileTest, CharacterArrayTargetFollowsTheLengthRule) {
    CV3File f;
    OpenWith(f, "%SECT%S\nBorussia\nBorussia\nBorussia\nab\n");
    ASSERT_TRUE(f.FindSection("S"));
    char five[6];
    std::memset(five, 'x', sizeof five);
    EXPECT_TRUE(f.GetStr(five, 5));
    EXPECT_EQ(std::string(five, 6), std::string("Borus\0", 6));

    char none[4] = "old";
    EXPECT_TRUE(f.GetStr(none, 0));
    EXPECT_STREQ(none, "");

    char small[5];
    EXPECT_TRUE(f.GetStr(small, -1));  // whole text, as far as the array holds it
    EXPECT_STREQ(small, "Boru");

    char padded[8];
    std::memset(padded, 'x', sizeof padded);
    EXPECT_TRUE(f.GetStr(padded, 6));
    EXPECT_EQ(std::string(padded, 7), std::string("ab\0\0\0\0\0", 7));
    EXPECT_EQ(padded[7], 'x');  // nothing beyond index length is touched
}

TEST_F(V3FileTest, EndSectionWhileReadingConsumesExactlyOneLine) {
    CV3File f;
    OpenWith(f, "%SECT%A\nnot a marker\n5\n");
    ASSERT_TRUE(f.FindSection("A"));
    EXPECT_TRUE(f.EndSection(1));
    EXPECT_FALSE(f.EndSection(1));  // stack empty now
    ASSERT_TRUE(f.FindSection("A"));
    std::string s;
    ASSERT_TRUE(f.GetStr(s));
    EXPECT_EQ(s, "not a marker");
}

TEST_F(V3FileTest, LineEndsAndDamagedContent) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> values;  // read with GetStr after FindSection("S") until false
    };
    const std::string longLine(5000, 'L');
    const Case cases[] = {
        {"LF only", "%SECT%S\na\nb\n", {"a", "b"}},
        {"CR LF", "%SECT%S\r\na\r\nb\r\n", {"a", "b"}},
        {"lone CR kept", "%SECT%S\r\na\rb\r\n", {"a\rb"}},
        {"no final line end", "%SECT%S\na\nlast", {"a", "last"}},
        {"value ends at NUL", std::string("%SECT%S\nab\0cd\nz\n", 16), {"ab", "z"}},
        {"long line kept whole, reader stays in step", "%SECT%S\n" + longLine + "\nz\n", {longLine, "z"}},
        {"bare end marker as last line", "%SECT%S\na\n%ENDSECT%", {"a"}},
        {"bare open marker as last line", "%SECT%S\na\n%SECT%", {"a"}},
    };
    for (const auto& c : cases) {
        CV3File f;
        OpenWith(f, c.bytes);
        ASSERT_TRUE(f.FindSection("S")) << c.name;
        std::vector<std::string> got;
        std::string s;
        while (f.GetStr(s)) got.push_back(s);
        EXPECT_EQ(got, c.values) << c.name;
        EXPECT_EQ(s, "") << c.name;
    }
}

TEST_F(V3FileTest, BareMarkerAsLastLineClosesTheSection) {
    CV3File f;
    OpenWith(f, "%SECT%S\n%ENDSECT%");
    ASSERT_TRUE(f.FindSection("S"));
    int v = 3;
    EXPECT_FALSE(f.GetInt(v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(f.SectionStack().empty());
}

TEST_F(V3FileTest, EmptyFileAndEndOfData) {
    CV3File f;
    OpenWith(f, "");
    int32_t id = 9;
    EXPECT_EQ(f.GetID(id), 0);
    EXPECT_EQ(id, 9);
    EXPECT_FALSE(f.FindSection("S"));
    std::string line = "x";
    EXPECT_EQ(f.ReadString(line), 0);
    EXPECT_EQ(line, "");
    char buf[8];
    EXPECT_EQ(f.ReadString(buf, sizeof buf), nullptr);
    CDatum d;
    EXPECT_TRUE(f.GetDatum(d));  // a date line is never rejected: the empty line gives 0.1.1700
    EXPECT_EQ(d.Text(), "00.01.1700");
}

TEST_F(V3FileTest, ReadStringIntoBufferStaysInside) {
    CV3File f;
    OpenWith(f, "abcdefgh\nxy\n");
    char buf[5];
    std::memset(buf, 'x', sizeof buf);
    ASSERT_NE(f.ReadString(buf, 4), nullptr);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(buf[4], 'x');
    ASSERT_NE(f.ReadString(buf, 5), nullptr);
    EXPECT_STREQ(buf, "defg");
    ASSERT_NE(f.ReadString(buf, 5), nullptr);
    EXPECT_STREQ(buf, "h\n");
    EXPECT_EQ(f.ReadString(buf, 0), nullptr);
    ASSERT_NE(f.ReadString(buf, 5), nullptr);
    EXPECT_STREQ(buf, "xy\n");
    EXPECT_EQ(f.ReadString(buf, 5), nullptr);
}

TEST_F(V3FileTest, OpenFailures) {
    CV3File f;
    FileException e;
    EXPECT_EQ(f.Open(dir.File("missing.sav"), CV3File::modeRead, &e), 0);
    EXPECT_FALSE(f.IsOpen());
    EXPECT_FALSE(e.reason.empty());
    WriteBytes(dir.path() / "rw.sav", "keep");
    EXPECT_EQ(f.Open(dir.File("rw.sav"), CV3File::modeReadWrite), 0);
    EXPECT_EQ(ReadBytes(dir.path() / "rw.sav"), "keep");
    EXPECT_EQ(f.Open(dir.File("nofolder/x.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
}

TEST_F(V3FileTest, FailedWriteIsReportedOnceAndKeepsTheOldFile) {
    WriteBytes(dir.path() / "old.sav", "old contents\r\n");
    state->failWritesTo = [](const std::filesystem::path& p) { return p.filename() == "old.sav"; };
    CV3File f;
    ASSERT_NE(f.Open(dir.File("old.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
    EXPECT_FALSE(f.PutID(kFileID));
    EXPECT_FALSE(f.NewSection("A"));
    EXPECT_TRUE(f.SectionStack().empty());  // a failed marker is not pushed
    EXPECT_FALSE(f.Close());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Exception aufgetreten. Datei: " + dir.File("old.sav") + " Grund: ", 0), 0u)
        << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(ReadBytes(dir.path() / "old.sav"), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST_F(V3FileTest, LineEndOrNulInsideAValueIsWrittenAsABlankAndReported) {
    {
        CV3File w;
        ASSERT_NE(w.Open(dir.File("m.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
        EXPECT_TRUE(w.NewSection("S"));
        EXPECT_TRUE(w.PutStr(std::string("a\rb\nc\0d", 7)));
        EXPECT_TRUE(w.PutInt(42));
        EXPECT_EQ(PutStr(w, "x\r\n"), 1);  // the plain line writer as well
        EXPECT_TRUE(w.PutStr("after"));
        EXPECT_EQ(w.MendedLines(), 2);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(w.Close());
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Werte mit Zeilenumbruch oder Nullzeichen in der Datei " +
                                       dir.File("m.sav") +
                                       ": 2. Diese Zeichen wurden als Leerzeichen gespeichert.");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(ReadBytes(dir.path() / "m.sav"), "%SECT%S\r\na b c d\r\n42\r\nx  \r\nafter\r\n%ENDSECT%S\r\n");

    CV3File r;
    ASSERT_NE(r.Open(dir.File("m.sav"), CV3File::modeRead), 0);
    ASSERT_TRUE(r.FindSection("S"));
    std::string mended, plain, after;
    int number = 0;
    EXPECT_TRUE(r.GetStr(mended));
    EXPECT_TRUE(r.GetInt(number));
    EXPECT_TRUE(r.GetStr(plain));
    EXPECT_TRUE(r.GetStr(after));
    EXPECT_EQ(mended, "a b c d");
    EXPECT_EQ(number, 42);
    EXPECT_EQ(plain, "x  ");
    EXPECT_EQ(after, "after");
    EXPECT_TRUE(r.EndSection(1));
    EXPECT_FALSE(r.GetStr(after));  // nothing left over
}

TEST_F(V3FileTest, StoredPathsAreMappedOntoTheInstallation) {
    state->installDir = dir.path();
    std::filesystem::create_directories(dir.path() / "data.v3");
    CV3File w;
    ASSERT_NE(w.Open(".\\DATA.V3\\Kleinig.sav", CV3File::modeWrite | CV3File::modeCreate), 0);
    w.PutID(kFileID);
    EXPECT_TRUE(w.Close());
    EXPECT_EQ(ReadBytes(dir.path() / "data.v3" / "Kleinig.sav"), "17373592\r\n");
}

TEST_F(V3FileTest, PlainLineFunctions) {
    {
        CV3File w;
        ASSERT_NE(w.Open(dir.File("plain.txt"), CV3File::modeWrite | CV3File::modeCreate), 0);
        EXPECT_EQ(PutStr(w, "-12"), 1);
        EXPECT_EQ(PutStr(w, "Name"), 1);
        EXPECT_EQ(PutStr(w, "77x"), 1);
        EXPECT_TRUE(w.Close());
    }
    CV3File r;
    ASSERT_NE(r.Open(dir.File("plain.txt"), CV3File::modeRead), 0);
    EXPECT_EQ(GetInt(r), -12);
    EXPECT_EQ(GetStr(r), "Name");
    EXPECT_EQ(GetLng(r), 77);
    std::string s = "x";
    EXPECT_EQ(GetStr(r, s), 0);
    EXPECT_EQ(s, "");

    state->failWritesTo = [](const std::filesystem::path&) { return true; };
    CV3File bad;
    ASSERT_NE(bad.Open(dir.File("bad.txt"), CV3File::modeWrite | CV3File::modeCreate), 0);
    EXPECT_EQ(PutStr(bad, "x"), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Eine FileException ist beim Schreiben der Datei " + dir.File("bad.txt") +
                                       " aufgetreten! Auf die Datei konnte nicht zugegriffen werden.");
}

}  // namespace
