// The duplicate check and the person search over small data sets.
#include "check/core/DatenCheck.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "CheckTestSupport.h"
#include "check/core/CheckWorker.h"

using namespace v3;
using v3test::CheckData;
using v3test::RecordingSink;
using Lines = std::vector<std::string>;

namespace {

Lines RunCheck(RecordingSink& sink, const CheckSources& sources = {}) {
    std::atomic<bool> stop{false};
    DatenCheck(PrepareCheckRun(sink, stop, sources));
    return sink.lines;
}

Lines RunSearch(const std::string& vorname, const std::string& nachname, const CheckSources& sources = {}) {
    RecordingSink sink;
    std::atomic<bool> stop{false};
    CheckRun run = PrepareCheckRun(sink, stop, sources);
    run.vorname = vorname;
    run.nachname = nachname;
    SuchePerson(run);
    return sink.lines;
}

TEST(DatenCheck, ThreeAlikeGiveTwoPairsWithTheFirstFound) {
    CheckData d;
    CVerein& club = d.Club(0, "FC Alpha");
    CheckData::Player(club, "Hans", "Meier", 3, 7);
    CheckData::Person(d.Land(0).Coaches(), "Hans", "Meier");
    d.FormerPlayer("Hans", "Meier");
    CheckData::Player(club, "Hans", "Meyer");  // close, but another name

    RecordingSink sink;
    const Lines lines = RunCheck(sink);
    const std::string first = Cp("Spieler, IV, Stärke 7, FC Alpha (D), Hans Meier");
    EXPECT_EQ(lines, (Lines{first, "Trainerpool, Deutschland, Hans Meier", " ", first, "Ex-Spieler, , Hans Meier", " "}));
    // The second line of each pair is selected.
    EXPECT_EQ(sink.selected, (std::vector<size_t>{1, 4}));
}

TEST(DatenCheck, ClubsOfOneNameStandOnceInTheirLines) {
    CheckData d;
    d.Club(0, "Eintracht");
    d.Club(11, "Eintracht");
    d.Club(11, "Borussia");
    RecordingSink sink;
    EXPECT_EQ(RunCheck(sink), (Lines{"Verein, Eintracht, Eintracht", "Verein, Eintracht, Eintracht", " "}));
}

TEST(DatenCheck, ComparesBytesExactlyAndSkipsTheBonusCountry) {
    CheckData d;
    CVerein& club = d.Club(0, "FC Alpha");
    CheckData::Player(club, "Hans", "Meier");
    CheckData::Player(club, "hans", "Meier");    // case counts
    CheckData::Player(club, "Hans", Cp("Mäier"));  // so do umlauts
    CLand& bonus = d.Land(37);
    bonus.BonusLand(2);
    CheckData::Person(bonus.Coaches(), "Hans", "Meier");  // not checked
    RecordingSink sink;
    EXPECT_TRUE(RunCheck(sink).empty());
    EXPECT_EQ(sink.statuses, (Lines{kStatusErstelleListe, kStatusSuche, kStatusFertig}));
    EXPECT_EQ(sink.percents.front(), "");
    EXPECT_EQ(sink.percents.back(), "100%");
    EXPECT_EQ(sink.positions.back(), 100);
    EXPECT_EQ(sink.range, std::make_pair(0, 100));
    EXPECT_EQ(sink.finished, 1);
}

TEST(DatenCheck, RunsWithoutADataSet) {
    CheckData d;
    RecordingSink sink;
    EXPECT_TRUE(RunCheck(sink).empty());
    EXPECT_EQ(sink.finished, 1);
    EXPECT_TRUE(RunSearch("Hans", "").empty());
}

TEST(DatenCheck, ProgressShowsRisingPercentagesOfThreeDigits) {
    CheckData d;
    for (int land : {0, 5, 20})
        for (int i = 0; i < 30; ++i) d.Club(land, "Verein " + std::to_string(land) + "-" + std::to_string(i));
    RecordingSink sink;
    RunCheck(sink);
    ASSERT_GE(sink.percents.size(), 4u);
    for (size_t i = 1; i + 1 < sink.percents.size(); ++i) {
        ASSERT_EQ(sink.percents[i].size(), 4u) << sink.percents[i];
        EXPECT_EQ(sink.percents[i].back(), '%');
    }
    for (size_t i = 1; i < sink.positions.size(); ++i) EXPECT_GT(sink.positions[i], sink.positions[i - 1]);
}

// The letters A..Z match without case, every other byte only exactly.
TEST(PersonSearch, CaseRuleCoversOnlyAToZ) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Meier", "MEIER", true},   {"meier", "Meier", true},     {"Müller", "MÜLLER", false},
        {"Müller", "MüLLER", true}, {"über", "Über", false},  {"Meier", "Meie", false},
        {"Meier", "Meier ", false}, {"", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EqualIgnoringCaseAZ(Cp(c.a), Cp(c.b)), c.equal) << c.a << " / " << c.b;

    CheckData d;
    CheckData::Player(d.Club(0, "FC Alpha"), "Jens", Cp("Müller"));
    EXPECT_TRUE(RunSearch("", Cp("MÜLLER")).empty());
    EXPECT_EQ(RunSearch("", Cp("MüLLER")).size(), 1u);
}

TEST(PersonSearch, FirstNameOnlyAndBothNames) {
    CheckData d;
    CVerein& club = d.Club(0, "FC Alpha");
    CheckData::Player(club, "Hans", "Meier", 10, 9);
    CheckData::Player(club, "Hans", "Schulz");
    CheckData::Player(club, "Otto", "Meier");
    CheckData::Person(d.Land(1).Celebrities(), "Hans", "Meier");

    // Sorted by last name, then first name.
    EXPECT_EQ(RunSearch("hans", ""), (Lines{Cp("Spieler, S, Stärke 9, FC Alpha (D), Hans Meier"),
                                            "Prominentenpool, England, Hans Meier",
                                            Cp("Spieler, IV, Stärke 7, FC Alpha (D), Hans Schulz")}));
    EXPECT_EQ(RunSearch("HANS", "meier"), (Lines{Cp("Deutschland, Spieler, S, Stärke 9, FC Alpha (D), Hans Meier"),
                                                 "England, Prominentenpool, England, Hans Meier"}));
    EXPECT_EQ(RunSearch("", "Meier").size(), 3u);
    EXPECT_TRUE(RunSearch("Otto", "Schulz").empty());
}

TEST(PersonSearch, FindsStadiumsSponsorsAndNationalCoachesOfEveryCountry) {
    CheckData d;
    CVerein& club = d.Club(20, "Zentrum");
    club.Stadion()->Name("Zentrum");
    d.Land(20).NationalCoach().Nachname("Zentrum");
    d.Land(20).NationalCoach().Vorname("Zentrum");
    d.Land(20).Sponsors().push_back(std::make_unique<CSponsor>());
    d.Land(20).Sponsors().back()->Name("Zentrum");
    const std::string land = d.State().Laendername[20];
    const Lines hits = RunSearch("", "zentrum");
    ASSERT_EQ(hits.size(), 4u);
    EXPECT_EQ(hits, (Lines{"Nationaltrainer, " + land + ", Zentrum Zentrum", "Stadion, Zentrum, Zentrum Zentrum",
                           "Verein, Zentrum, Zentrum Zentrum", "Sponsoren, " + land + ", Zentrum Zentrum"}));
}

// Opened from the player editor: the editor's working lists stand in for the
// data set, the edited player and the swapped staff are left out.
TEST(PersonSearch, WorkingCopiesTakeThePlaceOfTheDataSet) {
    CheckData d;
    CVerein& stored = d.Club(0, "FC Alpha");
    CheckData::Player(stored, "Hans", "Meier");  // replaced by the working squad
    d.Land(0).NationalCoach().Vorname("Hans");
    d.Land(0).NationalCoach().Nachname("Meier");
    CheckData::Person(d.Land(0).Referees(), "Hans", "Meier");
    CheckData::Person(d.Land(0).GoalkeeperCoaches(), "Hans", "Meier");

    CVerein copy(stored);
    copy.SpielerListe().clear();
    CheckData::Player(copy, "Hans", "Meier", 1, 5);
    CheckData::Player(copy, "Hans", "Meier", 2, 5);  // the player being edited
    CTrainerUndCo trainer;
    trainer.Vorname("Hans");
    trainer.Nachname("Meier");
    copy.Trainer(trainer);
    Liste<CVerein> clubs;
    clubs.push_back(std::make_unique<CVerein>(copy));
    Liste<CTrainerUndCo> coaches;
    CheckData::Person(coaches, "Hans", "Meier");

    CheckSources src;
    src.vereinsListen = {&clubs};
    src.trainerPool = &coaches;
    src.ohneSpieler = clubs[0]->SpielerListe()[1].get();
    d.State().AktuellesLand = 0;
    const Lines withCoach = RunSearch("Hans", "", src);
    EXPECT_EQ(withCoach, (Lines{"Vereinstrainer, FC Alpha, Hans Meier", Cp("Spieler, T, Stärke 5, FC Alpha (D), Hans Meier"),
                                "Trainerpool, Deutschland, Hans Meier", "Nationalschiri, Deutschland, Hans Meier"}));

    src.ohneTrainer = &copy;  // the same club by country and number
    EXPECT_EQ(RunSearch("Hans", "", src).size(), 3u);
}

// A sink that stops the run once it has seen `after` lines.
struct StoppingSink : RecordingSink {
    std::atomic<bool>* stop = nullptr;
    size_t after = 1;
    void AddLine(const std::string& line) override {
        RecordingSink::AddLine(line);
        if (lines.size() == after) stop->store(true);
    }
};

CheckData& ThreePairs(CheckData& d) {
    CVerein& club = d.Club(0, "FC Alpha");
    for (const char* name : {"Adler", "Berg", "Conrad"}) {
        CheckData::Player(club, "Karl", name);
        CheckData::Player(club, "Karl", name);
    }
    return d;
}

TEST(DatenCheck, StopKeepsWhatWasFoundAndEndsAsUsual) {
    CheckData d;
    ThreePairs(d);
    StoppingSink sink;
    std::atomic<bool> stop{false};
    sink.stop = &stop;
    sink.after = 1;
    DatenCheck(PrepareCheckRun(sink, stop));
    EXPECT_EQ(sink.lines.size(), 3u);  // the pair in progress is completed
    EXPECT_EQ(sink.statuses.back(), kStatusFertig);
    EXPECT_EQ(sink.percents.back(), "100%");
    EXPECT_EQ(sink.finished, 1);
    EXPECT_FALSE(stop.load());  // cleared by the run

    // Stopped while the table is built: no sorting, no scan, the same end.
    RecordingSink early;
    stop = true;
    DatenCheck(PrepareCheckRun(early, stop));
    EXPECT_TRUE(early.lines.empty());
    EXPECT_EQ(early.statuses, (Lines{kStatusErstelleListe, kStatusFertig}));
    EXPECT_FALSE(stop.load());
}

// The worker thread, stopped while it reports its first pair: it ends with
// that pair, reports its end once and can be joined.
TEST(CheckWorker, StopMidwayOnTheWorkerThread) {
    CheckData d;
    ThreePairs(d);

    struct BlockingSink : RecordingSink {
        std::mutex m;
        std::condition_variable cv;
        bool reached = false, released = false;
        void AddLine(const std::string& line) override {
            RecordingSink::AddLine(line);
            if (lines.size() != 1) return;
            std::unique_lock lock(m);
            reached = true;
            cv.notify_all();
            cv.wait(lock, [&] { return released; });
        }
    } sink;

    CheckWorker worker;
    const uint64_t id = worker.Start(CheckKind::DatenCheck, PrepareCheckRun(sink, worker.StopFlag()));
    ASSERT_NE(id, 0u);
    EXPECT_EQ(worker.Start(CheckKind::DatenCheck, PrepareCheckRun(sink, worker.StopFlag())), 0u);  // one at a time
    {
        std::unique_lock lock(sink.m);
        sink.cv.wait(lock, [&] { return sink.reached; });
        worker.RequestStop();
        sink.released = true;
        sink.cv.notify_all();
    }
    worker.Join();
    EXPECT_FALSE(worker.Active());
    EXPECT_EQ(sink.lines.size(), 3u);
    EXPECT_EQ(sink.finished, 1);
    EXPECT_EQ(sink.finishedId, id);

    // A second run goes to its end.
    RecordingSink full;
    const uint64_t id2 = worker.Start(CheckKind::SuchePerson, [&] {
        CheckRun run = PrepareCheckRun(full, worker.StopFlag());
        run.vorname = "Karl";
        return run;
    }());
    worker.Join();
    EXPECT_GT(id2, id);
    EXPECT_EQ(full.lines.size(), 6u);
    EXPECT_EQ(full.finishedId, id2);
}

TEST(CheckWorker, DestroyingTheWorkerStopsAndJoinsTheRun) {
    CheckData d;
    for (int i = 0; i < 200; ++i) CheckData::Player(d.Club(i % 30, "Verein " + std::to_string(i)), "Karl", "Adler");
    RecordingSink sink;
    {
        CheckWorker worker;
        worker.Start(CheckKind::DatenCheck, PrepareCheckRun(sink, worker.StopFlag()));
    }
    EXPECT_EQ(sink.finished, 1);
    EXPECT_EQ(sink.lines.size() % 3, 0u);
}

TEST(CheckText, TrimBlanks) {
    EXPECT_EQ(TrimBlanks("  Hans \t"), "Hans");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("Karl Heinz"), "Karl Heinz");
}

}  // namespace
