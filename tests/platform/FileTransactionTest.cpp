#include <gtest/gtest.h>

#include <stdexcept>

#include "TestUtil.h"
#include "platform/FileOps.h"

using namespace v3;
namespace fs = std::filesystem;

namespace {

// A folder with three files "a", "b", "c" holding "old a" etc.
class FileTransactionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* n : {"a", "b", "c"}) v3test::WriteBytes(dir.path() / n, std::string("old ") + n);
    }
    void TearDown() override { FileTransaction::SetRenameHookForTests(nullptr); }

    fs::path P(const char* n) const { return dir.path() / n; }
    fs::path Journal() const { return dir.path() / "x.jnl"; }
    std::map<std::string, std::string> Files() const { return v3test::Snapshot(dir.path()); }
    std::map<std::string, std::string> Old() const { return {{"a", "old a"}, {"b", "old b"}, {"c", "old c"}}; }
    std::map<std::string, std::string> New() const { return {{"a", "new a"}, {"b", "new b"}, {"d", "new d"}}; }

    // Writes the "new" state inside the transaction: a and b changed, c deleted, d added.
    void WriteNew() {
        ASSERT_TRUE(WriteWholeFile(P("a"), "first try"));
        ASSERT_TRUE(WriteWholeFile(P("a"), "new a"));  // the second write of a target wins
        ASSERT_TRUE(WriteWholeFile(P("b"), "new b"));
        ASSERT_TRUE(WriteWholeFile(P("d"), "new d"));
        ASSERT_TRUE(DeleteFile(P("c")));
    }

    v3test::TempDir dir;
};

TEST_F(FileTransactionTest, NothingChangesBeforeCommitAndEverythingAtIt) {
    FileTransaction tx(Journal());
    WriteNew();
    // Only the temporaries are there, under their own names.
    auto during = Files();
    size_t temporaries = 0;
    for (const auto& [name, bytes] : during) temporaries += IsAtomicTemporary(name);
    EXPECT_EQ(temporaries, 3u);  // a (once), b, d
    for (const auto& [name, bytes] : Old()) EXPECT_EQ(during[name], bytes) << name;

    ASSERT_TRUE(tx.Commit());
    EXPECT_EQ(Files(), New());
    // After the commit the thread writes directly again.
    ASSERT_TRUE(WriteWholeFile(P("e"), "e"));
    EXPECT_TRUE(fs::exists(P("e")));
}

TEST_F(FileTransactionTest, WithoutCommitTheOldFilesStayAndNoTemporaryIsLeft) {
    {
        FileTransaction tx(Journal());
        WriteNew();
    }
    EXPECT_EQ(Files(), Old());
}

TEST_F(FileTransactionTest, RecoveryCompletesACommitThatDiedAfterItsJournal) {
    // The commit dies after each possible number of renames (a, b, d); each
    // time the recovery gives the whole new state.
    for (size_t stirbNach = 1; stirbNach <= 3; ++stirbNach) {
        SetUp();
        DeleteFile(P("d"));
        FileTransaction::SetRenameHookForTests([&](size_t n) {
            if (n == stirbNach) throw std::runtime_error("killed");
        });
        {
            FileTransaction tx(Journal());
            WriteNew();
            EXPECT_THROW(tx.Commit(), std::runtime_error);
        }
        FileTransaction::SetRenameHookForTests(nullptr);
        ASSERT_TRUE(fs::exists(Journal())) << stirbNach;
        std::string error;
        ASSERT_TRUE(RecoverFileTransaction(Journal(), {dir.path()}, &error)) << error;
        EXPECT_EQ(Files(), New()) << stirbNach;
        // A second recovery finds nothing to do.
        ASSERT_TRUE(RecoverFileTransaction(Journal(), {dir.path()}));
        EXPECT_EQ(Files(), New());
    }
}

TEST_F(FileTransactionTest, RecoveryRemovesTemporariesNoJournalNames) {
    fs::create_directory(P("sub"));
    v3test::WriteBytes(dir.path() / "sub" / "x.sav.~v3-Ab12Cd", "half");
    v3test::WriteBytes(P("a.~v3-XYZ123"), "half");
    v3test::WriteBytes(P("a.~v3-short"), "kept: not a temporary's name");
    ASSERT_TRUE(RecoverFileTransaction(Journal(), {dir.path(), P("missing")}));
    auto expected = Old();
    expected["a.~v3-short"] = "kept: not a temporary's name";
    EXPECT_EQ(Files(), expected);
}

TEST_F(FileTransactionTest, ADamagedJournalIsReportedAndTouchesNothing) {
    const char* journals[] = {
        "",                                     // empty
        "V3-JOURNAL 1\nR\ta.~v3-Ab12Cd\ta\n",   // no end line
        "V3-JOURNAL 1\nR\ta.~v3-Ab12Cd\ta\nENDE\t2\n",  // wrong count
        "something else\nENDE\t0\n",
    };
    for (const char* j : journals) {
        SetUp();
        v3test::WriteBytes(Journal(), j);
        v3test::WriteBytes(P("a.~v3-Ab12Cd"), "new a");
        std::string error;
        EXPECT_FALSE(RecoverFileTransaction(Journal(), {dir.path()}, &error)) << j;
        EXPECT_NE(error.find("beschädigt"), std::string::npos) << error;
        EXPECT_EQ(v3test::ReadBytes(P("a")), "old a");
    }
}

TEST_F(FileTransactionTest, ADirectoryInTheWayFailsTheWriteNotTheCommit) {
    fs::create_directory(P("dir"));
    FileTransaction tx(Journal());
    std::string error;
    EXPECT_FALSE(WriteWholeFile(P("dir"), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(tx.Empty());
}

}  // namespace
