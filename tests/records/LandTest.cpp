#include "records/Land.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "TestUtil.h"
#include "base/AppState.h"
#include "base/CountryTables.h"
#include "base/Layout.h"
#include "platform/Text1252.h"
#include "records/AmateurVerein.h"
#include "records/V3File.h"
#include "records/Verein.h"

using namespace v3;
using v3test::ReadCrLfLines;
using v3test::TempDir;
using Lines = std::vector<std::string>;

namespace {

const std::string kDir = "\\DATA.V3\\";

// Small pools, so that a whole country file stays readable in a test.
constexpr CountryCounts kSmall{4, 3, 5, 2, 2, 2, 3, 2, 2, 1, 1};

std::unique_ptr<CLiga> League(const std::string& name, const std::vector<int>& clubs) {
    auto liga = std::make_unique<CLiga>();
    liga->Name(name);
    liga->Kuerzel(name.substr(0, 3));
    liga->Size(int(clubs.size()));
    for (size_t i = 0; i < clubs.size(); ++i) liga->ClubNumber(int(i), clubs[i]);
    // A fixture table that differs in every row.
    for (int d = 0; d < liga->GetSpielTage(); ++d)
        for (int e = 0; e < liga->Size(); ++e) liga->Fixture(d, e, (d + e) % liga->Size() + 1);
    return liga;
}

// The extra league as a read builds it: default names, no fixture table.
std::unique_ptr<CLiga> Extra(const std::vector<int>& clubs) {
    auto liga = std::make_unique<CLiga>();
    liga->Size(int(clubs.size()));
    for (size_t i = 0; i < clubs.size(); ++i) liga->ClubNumber(int(i), clubs[i]);
    return liga;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

// A club of the current country named after its number, with a stadium and a squad.
std::unique_ptr<CVerein> Club(int nr, int players = 0) {
    auto c = std::make_unique<CVerein>(nr);
    EXPECT_TRUE(c->Name("Verein " + std::to_string(nr)));
    auto stadion = std::make_unique<CStadion>();
    stadion->Name("Arena " + std::to_string(nr));
    stadion->Sitzplaetze(2, 1000 * nr);
    c->Stadion(std::move(stadion));
    CVerein::Kader kader;
    for (int i = 0; i < players; ++i) {
        auto s = std::make_unique<CSpieler>();
        s->Nachname("S" + std::to_string(nr) + "-" + std::to_string(i));
        s->Hauptposition(i % 10 + 1);
        kader.push_back(std::move(s));
    }
    c->SpielerListe(std::move(kader));
    return c;
}

// Fills every pool with as many records as `counts` gives, each told apart by its names.
void FillPools(CLand& land, const CountryCounts& counts) {
    for (int i = 0; i < counts.youthPlayers; ++i) {
        auto j = std::make_unique<CAmateurJugendSpieler>();
        j->Vorname(" Jugend" + std::to_string(i) + " ");  // written trimmed
        j->VereinNr(i % (counts.clubs + 1));
        j->Position(i % 10);
        land.YouthPlayers().push_back(std::move(j));
    }
    for (int i = 0; i < counts.coaches; ++i) land.Coaches().push_back(std::make_unique<CTrainerUndCo>());
    for (int i = 0; i < counts.goalkeeperCoaches; ++i)
        land.GoalkeeperCoaches().push_back(std::make_unique<CTWTrainer>());
    for (int i = 0; i < counts.managers; ++i) land.Managers().push_back(std::make_unique<CManager>());
    for (int i = 0; i < counts.referees; ++i) {
        land.Referees().push_back(std::make_unique<CNSchiri>());
        land.Referees().back()->SchiriVerein(i);
    }
    for (int i = 0; i < counts.sponsors; ++i) land.Sponsors().push_back(std::make_unique<CSponsor>());
    for (int i = 0; i < counts.celebrities; ++i) land.Celebrities().push_back(std::make_unique<CPromi>());
    for (int i = 0; i < counts.reporters; ++i) land.Reporters().push_back(std::make_unique<CReporter>());
    for (int i = 0; i < counts.critics; ++i) land.Critics().push_back(std::make_unique<CKritiker>());
}

template <class T>
bool Equal(const T& a, const T& b) {
    return a == b;
}
bool Equal(const CAmateurJugendSpieler& a, const CAmateurJugendSpieler& b) {
    return a.Vorname() == b.Vorname() && a.Nachname() == b.Nachname() && a.VereinNr() == b.VereinNr() &&
           a.Position() == b.Position();
}

template <class T>
void ExpectSamePool(const CLand::Owned<T>& a, const CLand::Owned<T>& b, const char* what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(Equal(*a[i], *b[i])) << what << " " << i;
}

class LandTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->SetRandom(&rng);
        state->installDir = dir.path();
        std::filesystem::create_directories(dir.path() / "DATA.V3");
    }

    std::filesystem::path Host(const std::string& name) const { return dir.path() / "DATA.V3" / name; }
    static std::string Stored(const std::string& name) { return DatenPfad(kDir, name); }

    // Runs a writer on a scratch file and returns the lines it wrote.
    Lines LinesOf(const std::function<void(CV3File&)>& write) {
        const std::string path = dir.File("part" + std::to_string(parts_++) + ".sav");
        CV3File f;
        EXPECT_NE(f.Open(path, CV3File::modeWrite | CV3File::modeCreate), 0);
        write(f);
        EXPECT_TRUE(f.Close());
        return ReadCrLfLines(path);
    }
    template <class R>
    Lines SectionOf(R& record) {
        return LinesOf([&record](CV3File& f) { record.SpeichernV3Localized(f, 0); });
    }

    // A country `land` with `clubs` clubs in list order `order` (club numbers),
    // full pools of the state's counts and the given leagues plus the extra league.
    std::unique_ptr<CLand> Country(int land, const std::vector<int>& order, std::vector<std::unique_ptr<CLiga>> leagues) {
        state->AktuellesLand = land;
        auto country = std::make_unique<CLand>();
        country->CountryIndex(land);
        for (int nr : order) country->VereinsListe().push_back(Club(nr, nr % 3));
        FillPools(*country, state->countryCounts[size_t(land)]);
        country->LeagueCount(int(leagues.size()) - 1);
        for (auto& l : leagues) country->Ligen().push_back(std::move(l));
        return country;
    }

    std::unique_ptr<CLand> Load(int land, std::string* report = nullptr, bool expectOk = true) {
        state->AktuellesLand = land;
        auto country = std::make_unique<CLand>();
        EXPECT_EQ(country->LadenV3Localized(0, kDir, report), expectOk);
        return country;
    }

    static std::vector<std::string> Names(const CLand& land) {
        std::vector<std::string> names;
        for (const auto& c : land.VereinsListe()) names.push_back(c->Name());
        return names;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    StdRandom rng{17};
    TempDir dir;

private:
    int parts_ = 0;
};

// ---------------------------------------------------------------- main country files

TEST_F(LandTest, MainCountryRoundTripAndFileLayout) {
    const int land = 8;  // one league, "LandOest.sav" and "liga1oes.sav"
    state->countryCounts[land] = kSmall;
    std::vector<std::unique_ptr<CLiga>> leagues;
    leagues.push_back(League("Bundesliga", {4, 2, 1}));
    leagues.push_back(Extra({3}));
    // The list order differs from the club numbers: the file is in number order.
    auto country = Country(land, {3, 1, 4, 2}, std::move(leagues));
    ASSERT_TRUE(country->PokalName(Cp("\xC3\x96" "FB-Cup")));
    country->LandReserve1(7);
    country->LandReserve2(-8);
    country->LandReserve3(9);
    country->NationalCoach().Nachname("Trainer");

    ASSERT_TRUE(country->SpeichernV3Localized(0, kDir));
    EXPECT_TRUE(ui.messages.empty());

    // Country file, line for line.
    std::vector<CVerein*> byNumber;
    for (auto& c : country->VereinsListe()) byNumber.push_back(c.get());
    std::sort(byNumber.begin(), byNumber.end(),
              [](CVerein* a, CVerein* b) { return a->VereinsNummer() < b->VereinsNummer(); });
    Lines want = {std::to_string(kFileID), "%SECT%LAND", country->PokalName(), "1", "4", "7", "-8", "9"};
    auto append = [&want](const Lines& part) { want.insert(want.end(), part.begin(), part.end()); };
    for (CVerein* c : byNumber) {
        append(SectionOf(*c));
        append(SectionOf(*c->Stadion()));
    }
    for (auto& a : country->AmateurVereine()) append(SectionOf(*a));
    append(SectionOf(country->NationalCoach()));
    want.push_back("%SECT%AJUGEND");
    for (auto& j : country->YouthPlayers()) {
        EXPECT_EQ(j->Vorname().front(), 'J');  // trimmed in the record by the save
        append({j->Vorname(), j->Nachname(), std::to_string(j->VereinNr()), std::to_string(j->Position())});
    }
    want.push_back("%ENDSECT%AJUGEND");
    auto pool = [&](const char* section, auto& records) {
        want.push_back(std::string("%SECT%") + section);
        for (auto& r : records) append(SectionOf(*r));
        want.push_back(std::string("%ENDSECT%") + section);
    };
    pool("TRAINERP", country->Coaches());
    pool("TWTRAINP", country->GoalkeeperCoaches());
    pool("MANAGERP", country->Managers());
    pool("SCHIRIP", country->Referees());
    pool("SPONSORP", country->Sponsors());
    pool("PROMIP", country->Celebrities());
    pool("MEDIAP", country->Reporters());
    pool("KRITIP", country->Critics());
    append(SectionOf(country->VerbandsPraesident()));
    want.push_back("%ENDSECT%LAND");
    EXPECT_EQ(ReadCrLfLines(Host("LandOest.sav")), want);

    // League file: only the playing league.
    const CLiga& liga = *country->Ligen()[0];
    Lines wantLiga = {std::to_string(kFileID), "%SECT%LIGA", liga.Name(), liga.Kuerzel(), "3"};
    for (int i = 0; i < liga.Size(); ++i) wantLiga.push_back(std::to_string(liga.ClubNumber(i)));
    for (int d = 0; d < liga.GetSpielTage(); ++d)
        for (int e = 0; e < liga.Size(); ++e) wantLiga.push_back(std::to_string(liga.Fixture(d, e)));
    wantLiga.push_back("%ENDSECT%LIGA");
    EXPECT_EQ(ReadCrLfLines(Host("liga1oes.sav")), wantLiga);
    EXPECT_FALSE(std::filesystem::exists(Host("nilliga.sav")));

    // Read back: every record equal, clubs numbered by their place in the file.
    std::string report;
    auto read = Load(land, &report);
    EXPECT_TRUE(report.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(read->CountryIndex(), land);
    EXPECT_EQ(read->PokalName(), country->PokalName());
    EXPECT_EQ(read->LeagueCount(), 1);
    EXPECT_EQ(read->ClubCount(), 4);
    EXPECT_EQ(read->LandReserve1(), 7);
    EXPECT_EQ(read->LandReserve2(), -8);
    EXPECT_EQ(read->LandReserve3(), 9);
    ASSERT_EQ(read->VereinsListe().size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(*read->VereinsListe()[i] == *byNumber[i]) << "club " << i + 1;
        EXPECT_EQ(read->VereinsListe()[i]->VereinsNummer(), int(i) + 1);
        EXPECT_EQ(read->VereinsListe()[i]->LandNr(), land);
    }
    ExpectSamePool(read->AmateurVereine(), country->AmateurVereine(), "amateur clubs");
    EXPECT_TRUE(read->NationalCoach() == country->NationalCoach());
    EXPECT_EQ(read->TrainerNachname(), "Trainer");
    ExpectSamePool(read->YouthPlayers(), country->YouthPlayers(), "youth");
    ExpectSamePool(read->Coaches(), country->Coaches(), "coaches");
    ExpectSamePool(read->GoalkeeperCoaches(), country->GoalkeeperCoaches(), "goalkeeper coaches");
    ExpectSamePool(read->Managers(), country->Managers(), "managers");
    ExpectSamePool(read->Referees(), country->Referees(), "referees");
    ExpectSamePool(read->Sponsors(), country->Sponsors(), "sponsors");
    ExpectSamePool(read->Celebrities(), country->Celebrities(), "celebrities");
    ExpectSamePool(read->Reporters(), country->Reporters(), "reporters");
    ExpectSamePool(read->Critics(), country->Critics(), "critics");
    EXPECT_TRUE(read->VerbandsPraesident() == country->VerbandsPraesident());
    ExpectSamePool(read->Ligen(), country->Ligen(), "leagues");
    EXPECT_EQ(state->leagueSizes[land][0], 3);
}

TEST_F(LandTest, ExtraLeagueHoldsTheClubsOfNoLeague) {
    const int land = 2;  // two leagues
    state->countryCounts[land] = kSmall;
    std::vector<std::unique_ptr<CLiga>> leagues;
    leagues.push_back(League("Ligue 1", {1, 2, 3}));
    leagues.push_back(League("Ligue 2", {3, 4, 99}));  // club 3 in both; 99 names no club
    leagues.push_back(Extra({}));
    auto country = Country(land, Range(1, 6), std::move(leagues));
    ASSERT_TRUE(country->SpeichernV3Localized(0, kDir));

    auto read = Load(land);
    ASSERT_EQ(read->Ligen().size(), 3u);
    const CLiga& extra = *read->Ligen()[2];
    ASSERT_EQ(extra.Size(), 2);
    EXPECT_EQ(extra.ClubNumber(0), 5);
    EXPECT_EQ(extra.ClubNumber(1), 6);
    EXPECT_EQ(read->Ligen()[1]->ClubNumber(2), 99);  // kept as read
    EXPECT_TRUE(read->CreateNationalTeam());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LandTest, UppsRuleOnTheLeagueCount) {
    const int land = 5;  // one league by the table
    state->countryCounts[land] = kSmall;
    struct Case {
        int leagueCount;
        int listed;  // entries of the league list
        int written;
        bool upps;
    };
    for (const Case& c : {Case{1, 2, 1, false}, Case{0, 1, 0, false}, Case{3, 2, 1, false}, Case{3, 4, 3, false},
                          Case{1, 3, 1, true}, Case{2, 5, 1, true}}) {
        SCOPED_TRACE("count " + std::to_string(c.leagueCount) + ", listed " + std::to_string(c.listed));
        ui.messages.clear();
        std::vector<std::unique_ptr<CLiga>> leagues;
        for (int i = 0; i < c.listed; ++i) leagues.push_back(League("L" + std::to_string(i), {1, 2}));
        auto country = Country(land, {1, 2}, std::move(leagues));
        country->LeagueCount(c.leagueCount);
        ASSERT_TRUE(country->SpeichernV3Localized(0, kDir));
        EXPECT_EQ(ReadCrLfLines(Host("LandPort.sav"))[3], std::to_string(c.written));
        EXPECT_EQ(country->LeagueCount(), c.written);
        ASSERT_EQ(ui.messages.size(), c.upps ? 1u : 0u);
        if (c.upps) {
            EXPECT_EQ(ui.messages[0].text, "Upps. Liga Problem. Programmierer fragen");
        }
    }
}

// ---------------------------------------------------------------- country 0

class FirstCountryTest : public LandTest {
protected:
    void SetUp() override {
        LandTest::SetUp();
        state->countryCounts[0].youthPlayers = 3;
        state->countryCounts[0].referees = 2;
        state->countryCounts[0].celebrities = 2;
        for (int* n : {&state->countryCounts[0].coaches, &state->countryCounts[0].goalkeeperCoaches,
                       &state->countryCounts[0].managers, &state->countryCounts[0].sponsors,
                       &state->countryCounts[0].reporters, &state->countryCounts[0].critics,
                       &state->countryCounts[0].amateurClubs})
            *n = 1;
    }
};

TEST_F(FirstCountryTest, SurplusClubIsRemovedAndLinksKeepTheirClubs) {
    ASSERT_EQ(state->countryCounts[0].clubs, 108);
    // 109 clubs; clubs 20 and 50 play in no league, so 50 has to go.
    std::vector<std::unique_ptr<CLiga>> leagues;
    std::vector<int> second = Range(19, 36);
    second.erase(second.begin() + 1);
    leagues.push_back(League("1. Liga", Range(1, 18)));
    leagues.push_back(League("2. Liga", second));
    leagues.push_back(League("RL Nord", Range(37, 49)));
    leagues.push_back(League("RL Nord-Ost", Range(51, 70)));
    leagues.push_back(League("RL West-SW", Range(71, 90)));
    leagues.push_back(League("RL S\xFC" "d", Range(91, 109)));
    leagues.push_back(Extra({}));
    auto country = Country(0, Range(1, 109), std::move(leagues));
    auto& clubs = country->VereinsListe();
    auto club = [&clubs](int nr) -> CVerein& { return *clubs[size_t(nr - 1)]; };
    // Links below, above and onto the removed club, among them a rival and a
    // friend next to each other above it.
    ASSERT_TRUE(club(1).Amateurabteilung(60, 109));
    ASSERT_TRUE(club(1).Profiabteilung(51, 109));
    ASSERT_TRUE(club(60).Profiabteilung(1, 109));
    ASSERT_TRUE(club(61).Amateurabteilung(50, 109));
    ASSERT_TRUE(club(2).ErzRivale(70));
    ASSERT_TRUE(club(2).FanFreundschaft(69));
    ASSERT_TRUE(club(3).ErzRivale(50));
    ASSERT_TRUE(club(3).FanFreundschaft(10));
    ASSERT_TRUE(club(109).ErzRivale(108));
    ASSERT_TRUE(club(109).FanFreundschaft(107));
    country->YouthPlayers()[0]->VereinNr(80);
    country->YouthPlayers()[1]->VereinNr(50);
    country->YouthPlayers()[2]->VereinNr(10);
    country->Referees()[0]->SchiriVerein(50);
    country->Referees()[1]->SchiriVerein(60);
    country->Celebrities()[0]->Lieblingsverein(109);
    country->Celebrities()[1]->Lieblingsverein(0);

    // What every link names before, by club name ("" for none or the removed club).
    auto nameOf = [](const CLand& l, int nr) -> std::string {
        const CVerein* c = l.VereinMitNummer(nr);
        return c && c->Name() != "Verein 50" ? c->Name() : "";
    };
    using LinkSet = std::map<std::string, std::vector<std::string>>;
    auto links = [&nameOf](const CLand& l) {
        LinkSet s;
        for (const auto& c : l.VereinsListe()) {
            if (c->Name() == "Verein 50") continue;
            s[c->Name()] = {nameOf(l, c->Amateurabteilung()), nameOf(l, c->Profiabteilung()),
                            nameOf(l, c->ErzRivale()), nameOf(l, c->FanFreundschaft())};
        }
        for (size_t i = 0; i < l.YouthPlayers().size(); ++i)
            s["youth " + std::to_string(i)] = {nameOf(l, l.YouthPlayers()[i]->VereinNr())};
        for (size_t i = 0; i < l.Referees().size(); ++i)
            s["referee " + std::to_string(i)] = {nameOf(l, l.Referees()[i]->SchiriVerein())};
        for (size_t i = 0; i < l.Celebrities().size(); ++i)
            s["celebrity " + std::to_string(i)] = {nameOf(l, l.Celebrities()[i]->Lieblingsverein())};
        for (size_t k = 0; k < 6; ++k)
            for (int i = 0; i < l.Ligen()[k]->Size(); ++i)
                s["league " + std::to_string(k)].push_back(nameOf(l, l.Ligen()[k]->ClubNumber(i)));
        return s;
    };
    const LinkSet before = links(*country);
    ASSERT_TRUE(country->SpeichernV3Localized(0, kDir));

    auto read = Load(0);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(read->VereinsListe().size(), 108u);
    EXPECT_EQ(read->ClubCount(), 108);
    std::vector<std::string> wantNames;
    for (int nr = 1; nr <= 109; ++nr)
        if (nr != 50) wantNames.push_back("Verein " + std::to_string(nr));
    EXPECT_EQ(Names(*read), wantNames);
    for (int nr = 1; nr <= 108; ++nr) EXPECT_EQ(read->VereinsListe()[size_t(nr - 1)]->VereinsNummer(), nr);
    EXPECT_EQ(links(*read), before);
    // Spot checks of the numbers themselves.
    EXPECT_EQ(read->VereinsListe()[0]->Amateurabteilung(), 59);
    EXPECT_EQ(read->VereinsListe()[1]->ErzRivale(), 69);
    EXPECT_EQ(read->VereinsListe()[1]->FanFreundschaft(), 68);
    EXPECT_EQ(read->VereinsListe()[2]->ErzRivale(), 0);
    EXPECT_EQ(read->VereinsListe()[59]->Amateurabteilung(), 0);  // was club 61, linked to the removed club
    EXPECT_EQ(read->Referees()[0]->SchiriVerein(), 0);

    ASSERT_EQ(read->Ligen().size(), 7u);
    const CLiga& extra = *read->Ligen()[6];
    ASSERT_EQ(extra.Size(), 1);
    EXPECT_EQ(extra.ClubNumber(0), 20);
    EXPECT_EQ(state->LigaAnzahl[0], 6);
}

TEST_F(FirstCountryTest, FromTwoThousandFourLeaguesPlayAndTheExtraLeagueStandsFifth) {
    state->Saisonstartjahr = 2000;
    state->LigaAnzahl[0] = 4;  // as a load of that season leaves it
    std::vector<std::unique_ptr<CLiga>> leagues;
    leagues.push_back(League("1. Liga", Range(1, 10)));
    leagues.push_back(League("2. Liga", Range(11, 20)));
    leagues.push_back(League("RL Nord", Range(21, 25)));
    leagues.push_back(League("RL S\xFC" "d", Range(26, 30)));
    leagues.push_back(Extra(Range(31, 40)));
    leagues.push_back(League("RL West-SW", Range(31, 35)));
    leagues.push_back(League("RL alt", Range(36, 38)));
    auto country = Country(0, Range(1, 40), std::move(leagues));
    country->LeagueCount(6);
    ASSERT_TRUE(country->SpeichernV3Localized(0, kDir));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ReadCrLfLines(Host("LigaRLSW.sav"))[2], "RL West-SW");
    EXPECT_EQ(ReadCrLfLines(Host("LigaRLSu.sav"))[2], "RL alt");

    auto read = Load(0);
    EXPECT_EQ(state->LigaAnzahl[0], 4);
    ExpectSamePool(read->Ligen(), country->Ligen(), "leagues");
    EXPECT_EQ(read->VereinsListe().size(), 40u);
}

// ---------------------------------------------------------------- bad input

TEST_F(LandTest, BadFilesAreReportedWithoutCrash) {
    const int land = 6;  // "LandHoll.sav", "liga1hol.sav"
    state->countryCounts[land] = kSmall;
    const std::string countryPath = Stored("LandHoll.sav");
    const std::string leaguePath = Stored("liga1hol.sav");
    // Replaces line `index` of a written file.
    auto patch = [this](const std::string& name, size_t index, const std::string& text) {
        Lines lines = ReadCrLfLines(Host(name));
        ASSERT_LT(index, lines.size());
        lines[index] = text;
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";
        v3test::WriteBytes(Host(name), bytes);
    };
    struct Case {
        std::string what;
        std::function<void()> spoil;
        std::string report;
        size_t clubs;  // clubs read nevertheless
        std::string firstMessage;  // beside the final report
    };
    const std::vector<Case> cases = {
        {"negative club count", [&] { patch("LandHoll.sav", 4, "-5"); }, countryPath + "\n", 0,
         "Die Datei .\\DATA.V3\\LandHoll.sav enthält im Abschnitt LAND die ungültige Anzahl -5"},
        {"huge club count", [&] { patch("LandHoll.sav", 4, "2000000000"); }, countryPath + "\n", 0,
         "Die Datei .\\DATA.V3\\LandHoll.sav enthält im Abschnitt LAND die ungültige Anzahl 2000000000"},
        {"huge league size", [&] { patch("liga1hol.sav", 4, "100000"); }, leaguePath + "\n", 3,
         "Die Datei .\\DATA.V3\\liga1hol.sav enthält im Abschnitt LIGA die ungültige Anzahl 100000"},
        {"wrong identification", [&] { patch("LandHoll.sav", 0, "4711"); },
         "VOLTARO 3-FileID nicht gefunden. Datei " + countryPath + ".\n", 0, ""},
        {"missing country file", [&] { std::filesystem::remove(Host("LandHoll.sav")); }, countryPath + "\n", 0, ""},
        {"missing league file", [&] { std::filesystem::remove(Host("liga1hol.sav")); }, leaguePath + "\n", 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::unique_ptr<CLiga>> leagues;
        leagues.push_back(League("Eredivisie", {1, 2}));
        leagues.push_back(Extra({3}));
        ASSERT_TRUE(Country(land, {1, 2, 3}, std::move(leagues))->SpeichernV3Localized(0, kDir));
        c.spoil();
        ui.messages.clear();

        std::string report = "earlier\n";
        auto read = Load(land, &report, false);
        EXPECT_EQ(report, "earlier\n" + c.report);
        EXPECT_EQ(read->VereinsListe().size(), c.clubs);
        ASSERT_EQ(ui.messages.size(), c.firstMessage.empty() ? 1u : 2u);
        if (!c.firstMessage.empty()) {
            EXPECT_EQ(ui.messages[0].text.rfind(c.firstMessage, 0), 0u) << ui.messages[0].text;
            EXPECT_EQ(ui.messages[0].caption, "Fehler!");
        }
        EXPECT_EQ(ui.messages.back().text, "Konnte Datei nicht öffnen!\n" + c.report);
        EXPECT_EQ(ui.messages.back().caption, "Lesefehler");
    }
}

TEST_F(LandTest, UnwritableCountryFileIsReported) {
    state->countryCounts[5] = kSmall;
    std::filesystem::remove_all(dir.path() / "DATA.V3");  // nowhere to write
    std::vector<std::unique_ptr<CLiga>> leagues;
    leagues.push_back(League("Liga", {1}));
    leagues.push_back(Extra({}));
    EXPECT_FALSE(Country(5, {1}, std::move(leagues))->SpeichernV3Localized(0, kDir));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Konnte Länderdatei nicht speichern!");
    EXPECT_EQ(ui.messages.back().caption, "Lesefehler");
}

// ---------------------------------------------------------------- further countries

TEST_F(LandTest, FurtherCountriesShareOneFile) {
    const std::string path = dir.File("Internat.sav");
    std::vector<std::unique_ptr<CLand>> written;
    {
        CV3File f;
        ASSERT_NE(f.Open(path, CV3File::modeWrite | CV3File::modeCreate), 0);
        for (int land : {11, 12}) {
            written.push_back(Country(land, Range(1, 8), {}));
            // Club list out of number order: still written by number.
            std::reverse(written.back()->VereinsListe().begin(), written.back()->VereinsListe().end());
            written.back()->NationalCoach().Nachname("Coach" + std::to_string(land));
            ASSERT_TRUE(written.back()->SpeichernV3LocalizedEuro(f, 0));
        }
        ASSERT_TRUE(f.Close());
    }
    const Lines lines = ReadCrLfLines(path);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::to_string(kFileID)), 1);
    EXPECT_EQ(lines[0], std::to_string(kFileID));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "%SECT%LAND"), 2);

    CV3File f;
    ASSERT_NE(f.Open(path, CV3File::modeRead), 0);
    for (size_t k = 0; k < 2; ++k) {
        const int land = 11 + int(k);
        state->AktuellesLand = land;
        CLand read;
        ASSERT_TRUE(read.LadenV3LocalizedEuro(f, 0));
        EXPECT_EQ(read.CountryIndex(), land);
        ASSERT_EQ(read.VereinsListe().size(), 8u);
        for (int nr = 1; nr <= 8; ++nr) {
            EXPECT_TRUE(*read.VereinsListe()[size_t(nr - 1)] == *written[k]->VereinMitNummer(nr)) << nr;
            EXPECT_EQ(read.VereinsListe()[size_t(nr - 1)]->VereinsNummer(), nr);
        }
        EXPECT_TRUE(read.NationalCoach() == written[k]->NationalCoach());
        ASSERT_EQ(read.Ligen().size(), 1u);
        ASSERT_EQ(read.Ligen()[0]->Size(), 8);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(read.Ligen()[0]->ClubNumber(i), i + 1);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LandTest, FurtherCountryWithWrongIdentificationIsRefused) {
    const std::string path = dir.File("Internat.sav");
    v3test::WriteBytes(path, "4711\r\n%SECT%LAND\r\n%ENDSECT%LAND\r\n");
    CV3File f;
    ASSERT_NE(f.Open(path, CV3File::modeRead), 0);
    state->AktuellesLand = 11;
    CLand read;
    EXPECT_FALSE(read.LadenV3LocalizedEuro(f, 0));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "VOLTARO 3-FileID nicht gefunden. Datei " + path + ".");
    EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    EXPECT_TRUE(read.VereinsListe().empty());
}

// ---------------------------------------------------------------- national team

TEST_F(LandTest, NationalTeamTakesTheStrongestAndKeepsTheFirstOnTies) {
    state->AktuellesLand = 3;
    CLand land;
    land.CountryIndex(3);
    const int nation = state->NationNummer[3];
    struct P {
        int club, position, staerke, nationality, nationalSpieler;
    };
    // Three equally strong keepers: the first two keep the places. Defenders
    // of rising strength: the two strongest are picked, even though each new
    // one is better than the first place's holder. A foreigner keeps his
    // mark; a domestic player who is not picked loses it.
    const std::vector<P> players = {
        {0, 1, 8, nation, 0},          {0, 1, 8, nation | 0x80, 0}, {1, 1, 8, nation, 4},
        {0, 2, 5, nation, 0},          {1, 2, 6, nation, 0},        {1, 2, 9, nation, 0},
        {1, 3, 12, nation + 1, 4},     {1, 4, 3, nation, 1},        {1, 4, 2, nation, 4 | 2},
    };
    const std::vector<int> picked = {1, 1, 0, 0, 1, 1, 0, 1, 0};
    for (int c = 0; c < 2; ++c) land.VereinsListe().push_back(Club(c + 1));
    std::vector<CSpieler*> all;
    for (const P& p : players) {
        auto s = std::make_unique<CSpieler>();
        ASSERT_TRUE(s->Hauptposition(p.position));
        ASSERT_TRUE(s->Staerke(p.staerke));
        ASSERT_TRUE(s->Nationalitaet(p.nationality));
        ASSERT_TRUE(s->NationalSpieler(p.nationalSpieler));
        all.push_back(s.get());
        land.VereinsListe()[size_t(p.club)]->SpielerListe().push_back(std::move(s));
    }
    EXPECT_TRUE(land.CreateNationalTeam());
    for (size_t i = 0; i < players.size(); ++i) {
        const bool foreign = (players[i].nationality & 0x7F) != nation;
        const int expected = foreign ? players[i].nationalSpieler
                                     : (players[i].nationalSpieler & ~4) | (picked[i] ? 4 : 0);
        EXPECT_EQ(all[i]->NationalSpieler(), expected) << "player " << i;
    }
}

// ---------------------------------------------------------------- accessors and tables

TEST_F(LandTest, SettersRefuseValuesOutOfRange) {
    state->AktuellesLand = 0;
    CLand land;
    EXPECT_EQ(land.PokalName(), "LurchPokal");
    EXPECT_EQ(land.CountryIndex(), -1);
    EXPECT_EQ(land.SuperCup(), -1);
    EXPECT_EQ(land.AmateurVereine().size(), 40u);
    struct Case {
        const char* what;
        std::function<bool()> set;
        bool accepted;
        std::function<int()> get;
        int after;
    };
    const std::vector<Case> cases = {
        {"SuperCup(0)", [&] { return land.SuperCup(0); }, false, [&] { return land.SuperCup(); }, -1},
        {"SuperCup(1)", [&] { return land.SuperCup(1); }, true, [&] { return land.SuperCup(); }, 1},
        {"SuperCup(2)", [&] { return land.SuperCup(2); }, true, [&] { return land.SuperCup(); }, 2},
        {"SuperCup(3)", [&] { return land.SuperCup(3); }, false, [&] { return land.SuperCup(); }, 2},
        {"Pokal(3)", [&] { return land.Pokal(3); }, false, [&] { return land.Pokal(); }, -1},
        {"Pokal(1)", [&] { return land.Pokal(1); }, true, [&] { return land.Pokal(); }, 1},
        {"Pokal(0)", [&] { return land.Pokal(0); }, false, [&] { return land.Pokal(); }, 1},
        {"BonusLand(3)", [&] { return land.BonusLand(3); }, false, [&] { return land.BonusLand(); }, 0},
        {"BonusLand(2)", [&] { return land.BonusLand(2); }, true, [&] { return land.BonusLand(); }, 2},
        {"BonusLand(-1)", [&] { return land.BonusLand(-1); }, false, [&] { return land.BonusLand(); }, 2},
        {"BonusPredefined(8)", [&] { return land.BonusPredefined(8); }, true,
         [&] { return land.BonusPredefined(); }, 8},
        {"BonusPredefined(9)", [&] { return land.BonusPredefined(9); }, false,
         [&] { return land.BonusPredefined(); }, 8},
        {"CountryIndex(38)", [&] { return land.CountryIndex(38); }, false, [&] { return land.CountryIndex(); }, -1},
        {"ClubCount(256)", [&] { return land.ClubCount(256); }, false, [&] { return land.ClubCount(); }, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.set(), c.accepted) << c.what;
        EXPECT_EQ(c.get(), c.after) << c.what;
    }
    EXPECT_FALSE(land.PokalName(""));
    EXPECT_FALSE(land.PokalName("Zwei\nZeilen"));
    EXPECT_EQ(land.PokalName(), "LurchPokal");
    EXPECT_TRUE(land.PokalName("DFB-Pokal"));
    EXPECT_EQ(land.PokalName(), "DFB-Pokal");
}

TEST_F(LandTest, CountryTablesAndSponsorPictureNumbers) {
    EXPECT_EQ(state->countryCounts[0], (CountryCounts{108, 40, 1000, 60, 20, 40, 40, 40, 20, 3, 3}));
    EXPECT_EQ(state->countryCounts[1].referees, 60);
    EXPECT_EQ(state->countryCounts[3].managers, 20);
    EXPECT_EQ(state->countryCounts[10].clubs, 18);
    for (int land : {11, 36, 37})
        EXPECT_EQ(state->countryCounts[size_t(land)], (CountryCounts{8, 1, 300, 40, 20, 20, 40, 40, 20, 0, 0}));

    struct Case {
        int land, position, number;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{0, 39, 40}, Case{1, 0, 41}, Case{6, 0, 241}, Case{8, 0, 281},
                          Case{10, 5, 366}, Case{7, 0, 401}, Case{37, 0, 441}, Case{11, 0, 481}, Case{-1, 2, 483}})
        EXPECT_EQ(SponsorPictureNumber(c.land, c.position), c.number) << c.land << "/" << c.position;
    // The numbers follow the sponsor counts in use.
    state->countryCounts[0].sponsors = 10;
    EXPECT_EQ(SponsorPictureNumber(7, 0), 371);
}

}  // namespace
