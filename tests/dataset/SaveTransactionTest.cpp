// The save as one transaction: a save process killed at any moment leaves,
// after the next load, the whole old or the whole new data set on disk.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "DemoFixture.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "platform/FileOps.h"

using namespace v3;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Files = std::map<std::string, std::string>;

namespace {

// The "old" installation: the demo with every record file's lines ended by LF
// alone. It loads as the demo does, and a save writes every one of them anew
// (with CR LF). A staged crest makes the save commit a crest too. It lies in
// RAM where it can, like every copy of it here: the test writes many
// installations.
class OldInstallation {
public:
    OldInstallation() {
        fs::copy(v3test::DemoInstallation().path(), dir_.path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        for (const auto& e : fs::directory_iterator(dir_.path() / "DATA.V3")) {
            if (!e.is_regular_file()) continue;
            std::string bytes = v3test::ReadBytes(e.path()), lf;
            if (bytes.rfind("17373592\r\n", 0) != 0) continue;
            for (char c : bytes)
                if (c != '\r') lf += c;
            v3test::WriteBytes(e.path(), lf);
        }
        const fs::path wappen = dir_.path() / "DATA.V3" / "Wappen";
        v3test::WriteBytes(wappen / "TempD3.BMP", v3test::ReadBytes(wappen / "VW_D4.BMP"));
    }
    const fs::path& path() const { return dir_.path(); }

private:
    v3test::RamDir dir_;
};

struct ChildResult {
    int status = 0;
    double saveSeconds = 0;
    uint64_t renames = 0;
};

// Loads and saves `dir` in a child process. The child is killed `killAfter`
// after its save began, or (killAfterRenames > 0) right after that many
// renames of the save's commit; otherwise it runs to its end.
ChildResult SaveInChild(const fs::path& dir, std::optional<Clock::duration> killAfter, size_t killAfterRenames = 0) {
    int pipefd[2];
    if (::pipe(pipefd) != 0) throw std::runtime_error("pipe");
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipefd[0]);
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        state->installDir = dir;
        state->BandenSpeichern = true;
        CEDITORDoc doc;
        if (!doc.LadenV3Localized()) ::_exit(2);
        Daten().GeaenderteWappen = {"D3.BMP"};
        uint64_t renames = 0;
        FileTransaction::SetRenameHookForTests([&](size_t n) {
            renames = n;
            if (n == killAfterRenames) ::raise(SIGKILL);
        });
        if (::write(pipefd[1], "r", 1) != 1) ::_exit(4);
        const bool ok = doc.SpeichernV3Localized();
        if (::write(pipefd[1], &renames, sizeof renames) != sizeof renames) ::_exit(4);
        ::_exit(ok ? 0 : 3);
    }
    ::close(pipefd[1]);
    ChildResult r;
    char ready = 0;
    const bool started = ::read(pipefd[0], &ready, 1) == 1;
    const auto start = Clock::now();
    if (started && killAfter) {
        std::this_thread::sleep_for(*killAfter);
        ::kill(pid, SIGKILL);
    }
    if (started && !killAfter) (void)!::read(pipefd[0], &r.renames, sizeof r.renames);
    ::waitpid(pid, &r.status, 0);
    r.saveSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    ::close(pipefd[0]);
    return r;
}

// Loads the installation as the program does; the load completes or removes
// what a killed save left.
bool Load(const fs::path& dir) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->installDir = dir;
    CEDITORDoc doc;
    const bool ok = doc.LadenV3Localized();
    for (const auto& m : ui.messages) ADD_FAILURE() << m.text;
    return ok;
}

// The names of the files in which `now` differs from `expected`.
std::string Differences(const Files& now, const Files& expected) {
    std::string out;
    for (const auto& [name, bytes] : now)
        if (!expected.count(name) || expected.at(name) != bytes) out += " " + name;
    for (const auto& [name, bytes] : expected)
        if (!now.count(name)) out += " -" + name;
    return out;
}

TEST(SaveTransaction, AKilledSaveLeavesTheWholeOldOrTheWholeNewDataSet) {
    const OldInstallation old;
    const Files oldFiles = v3test::Snapshot(old.path());

    // The new state: what a save that runs to its end writes.
    v3test::RamDir reference;
    fs::copy(old.path(), reference.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const ChildResult full = SaveInChild(reference.path(), std::nullopt);
    ASSERT_TRUE(WIFEXITED(full.status) && WEXITSTATUS(full.status) == 0) << full.status;
    const Files newFiles = v3test::Snapshot(reference.path());
    ASSERT_GT(full.renames, 40u);  // every file of the data set is rewritten
    ASSERT_FALSE(newFiles.count("DATA.V3/Wappen/TempD3.BMP"));

    // Kills spread over the save's duration, and kills inside its commit.
    struct Kill {
        std::optional<Clock::duration> after;
        size_t afterRenames;
    };
    std::vector<Kill> kills;
    constexpr int kZeitpunkte = 8;
    for (int i = 0; i < kZeitpunkte; ++i)
        kills.push_back({std::chrono::duration_cast<Clock::duration>(
                             std::chrono::duration<double>(full.saveSeconds * i / kZeitpunkte)),
                         0});
    for (size_t k : {size_t(1), size_t(full.renames / 2), size_t(full.renames)}) kills.push_back({std::nullopt, k});

    int alt = 0, neu = 0;
    for (const Kill& kill : kills) {
        v3test::RamDir dir;
        fs::copy(old.path(), dir.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        const ChildResult r = SaveInChild(dir.path(), kill.after, kill.afterRenames);
        ASSERT_TRUE(WIFSIGNALED(r.status) || (WIFEXITED(r.status) && WEXITSTATUS(r.status) == 0)) << r.status;
        ASSERT_TRUE(Load(dir.path()));
        const Files now = v3test::Snapshot(dir.path());
        if (now == oldFiles)
            ++alt;
        else if (now == newFiles)
            ++neu;
        else
            ADD_FAILURE() << "mixed after a kill (" << kill.afterRenames << " renames): differs from old in"
                          << Differences(now, oldFiles).substr(0, 300) << "; from new in"
                          << Differences(now, newFiles).substr(0, 300);
    }
    EXPECT_GE(neu, 3);  // the kills inside the commit
    RecordProperty("old", alt);
    RecordProperty("new", neu);
}

TEST(SaveTransaction, AFileThatCannotBeWrittenLeavesTheDataSetUnchanged) {
    // One file fails as a full disk would; a directory stands where a file
    // goes. Either way the save is reported as failed and nothing on disk
    // has changed, the staged crest included.
    const std::function<void(const fs::path&, AppState&)> faults[] = {
        [](const fs::path&, AppState& s) {
            s.failWritesTo = [](const fs::path& p) { return p.filename() == "LandItal.sav"; };
        },
        [](const fs::path& dir, AppState&) {
            fs::remove(dir / "DATA.V3" / "Quiz.sav");
            fs::create_directory(dir / "DATA.V3" / "Quiz.sav");
        },
    };
    for (const auto& fault : faults) {
        const OldInstallation old;
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        state->installDir = old.path();
        state->BandenSpeichern = true;
        CEDITORDoc doc;
        ASSERT_TRUE(doc.LadenV3Localized());
        Daten().GeaenderteWappen = {"D3.BMP"};
        fault(old.path(), *state);
        const Files before = v3test::Snapshot(old.path());
        EXPECT_FALSE(doc.SpeichernV3Localized());
        EXPECT_EQ(Differences(v3test::Snapshot(old.path()), before), "");
        EXPECT_EQ(Daten().GeaenderteWappen, std::vector<std::string>{"D3.BMP"});  // still staged
        EXPECT_FALSE(ui.messages.empty());
    }
}

}  // namespace
