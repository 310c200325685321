#include "records/Verein.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <random>

#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/AmateurVerein.h"
#include "records/IVerein.h"
#include "records/V3File.h"

using namespace v3;
using v3test::ReadCrLfLines;
using v3test::TempDir;

namespace {

// Answers Rand() from a queue first, then from a fixed generator; Seed() is
// counted but changes nothing, so code that seeds from the clock stays
// deterministic under test.
class ScriptedRandom : public IRandom {
public:
    std::deque<int> next;
    int seeds = 0;
    int Rand() override {
        if (next.empty()) return int(gen_() >> 17);
        const int v = next.front();
        next.pop_front();
        return v;
    }
    void Seed(uint32_t) override { ++seeds; }

private:
    std::mt19937 gen_{7};
};

class VereinTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->SetRandom(&rng);
        state->AktuellesLand = 2;
    }

    // Runs a writer on a fresh file and returns the lines it wrote.
    std::vector<std::string> LinesOf(const std::function<void(CV3File&)>& write) {
        const std::string path = dir.File("part" + std::to_string(parts_++) + ".sav");
        CV3File f;
        EXPECT_NE(f.Open(path, CV3File::modeWrite | CV3File::modeCreate), 0);
        write(f);
        EXPECT_TRUE(f.Close());
        return ReadCrLfLines(path);
    }

    std::string Path() const { return dir.File("clubs.sav"); }

    // Writes each club followed by its stadium, as a country file holds them.
    void WriteClubs(const std::vector<CVerein*>& clubs) {
        CV3File f;
        ASSERT_NE(f.Open(Path(), CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        for (CVerein* c : clubs) {
            ASSERT_TRUE(c->SpeichernV3Localized(f, 0));
            ASSERT_NE(c->Stadion(), nullptr);
            ASSERT_TRUE(c->Stadion()->SpeichernV3Localized(f, 0));
        }
        ASSERT_TRUE(f.Close());
    }

    // Reads clubs the way a country does: the club, its number and country,
    // then its stadium.
    std::vector<std::unique_ptr<CVerein>> ReadClubs(size_t n) {
        std::vector<std::unique_ptr<CVerein>> out;
        CV3File f;
        EXPECT_NE(f.Open(Path(), CV3File::modeRead), 0);
        int32_t id = 0;
        f.GetID(id);
        EXPECT_EQ(id, kFileID);
        for (size_t i = 1; i <= n; ++i) {
            auto c = std::make_unique<CVerein>(-1);
            EXPECT_TRUE(c->LadenV3Localized(f, 0));
            c->VereinsNummer(int(i));
            c->LandNr(state->AktuellesLand);
            auto s = std::make_unique<CStadion>();
            EXPECT_TRUE(s->LadenV3Localized(f, 0));
            c->Stadion(std::move(s));
            out.push_back(std::move(c));
        }
        f.Close();
        return out;
    }

    static std::unique_ptr<CSpieler> Player(int position, int staerke, int nummer) {
        auto s = std::make_unique<CSpieler>();
        EXPECT_TRUE(s->Hauptposition(position));
        EXPECT_TRUE(s->Staerke(staerke));
        EXPECT_TRUE(s->RueckenNummer(nummer));
        return s;
    }

    // A club with a value other than the default in every stored field, a
    // stadium and a squad of `players`.
    static std::unique_ptr<CVerein> FullClub(int players = 3) {
        auto c = std::make_unique<CVerein>(1);
        EXPECT_TRUE(c->Name(Cp("  1. FC Süd  ")));
        EXPECT_TRUE(c->Fanbezeichnung(Cp("Die Süd-Kurve")));
        EXPECT_TRUE(c->Anfeuerung(" Auf geht's!"));
        EXPECT_TRUE(c->Kuerzel("FCS"));
        EXPECT_TRUE(c->Artikel(1));
        EXPECT_TRUE(c->SatzBau(0));
        CTrainerUndCo t;
        t.Nachname(Cp("Häßler"));
        t.Vorname("Udo");
        t.Ruf(4);
        EXPECT_TRUE(c->Trainer(t));
        CManager m;
        m.Nachname("Kramer");
        m.Vorname("Eva");
        EXPECT_TRUE(c->Manager(m));
        EXPECT_TRUE(c->TrikotSatz(0, TRIKOTSATZ{3, 11, 7, 9, 1, 1}));
        EXPECT_TRUE(c->TrikotSatz(1, TRIKOTSATZ{12, 1, 1, 2, 5, 0}));
        EXPECT_TRUE(c->Guthaben(-1500));
        EXPECT_TRUE(c->Fanaufkommen(5));
        EXPECT_TRUE(c->FanArt(8));
        EXPECT_TRUE(c->FanFreundschaft(7));
        EXPECT_TRUE(c->ErzRivale(9));
        EXPECT_TRUE(c->Vorstand(1));
        EXPECT_TRUE(c->Pokalmannschaft(1));
        EXPECT_TRUE(c->Status(42));
        EXPECT_TRUE(c->XKoord(123));
        EXPECT_TRUE(c->YKoord(234));
        EXPECT_TRUE(c->Reserviert5(-7));
        EXPECT_TRUE(c->Opposition(6));
        EXPECT_TRUE(c->Profiabteilung(4, 20));
        EXPECT_TRUE(c->FinanzKraft(7));
        EXPECT_TRUE(c->MaxFanAufkommen(6));
        EXPECT_TRUE(c->Hooligans(2));
        EXPECT_TRUE(c->Medienstadt(1));
        EXPECT_TRUE(c->ErzielteTore(1234));
        EXPECT_TRUE(c->KassierteTore(987));
        EXPECT_TRUE(c->Spiele(600));
        EXPECT_TRUE(c->Punkte(1500));
        EXPECT_TRUE(c->Praesidentname(" Meier"));
        EXPECT_TRUE(c->PraesidentVorname(Cp("Jürgen")));
        CDatum d;
        d.Init(14, 2, 1950, 0, 0, 0);
        EXPECT_TRUE(c->PraesidentDatum(d));
        EXPECT_TRUE(c->AktienGesellschaft(1));
        EXPECT_TRUE(c->MeisterTitel(3));
        EXPECT_TRUE(c->PokalSiege(4));
        EXPECT_TRUE(c->LigapokalSiege(5));
        EXPECT_TRUE(c->UEFASiege(6));
        EXPECT_TRUE(c->ChampionsLeagueSiege(7));
        EXPECT_TRUE(c->WeltpokalSiege(99));
        EXPECT_TRUE(c->RegionalLiga(5));
        d.Init(1, 7, 1899, 0, 0, 0);
        EXPECT_TRUE(c->GruendungsDatum(d));
        for (int i = 0; i < CVerein::kReserviertBlockAnzahl; ++i) EXPECT_TRUE(c->ReserviertBlock(i, 100 * i - 250));
        auto stadion = std::make_unique<CStadion>();
        stadion->Name("Waldstadion");
        stadion->Sitzplaetze(1, 12000);
        c->Stadion(std::move(stadion));
        CVerein::Kader kader;
        for (int i = 0; i < players; ++i) {
            auto s = Player(i % 10 + 1, i % 12 + 1, i + 1);
            s->Nachname("Spieler" + std::to_string(i));
            kader.push_back(std::move(s));
        }
        c->SpielerListe(std::move(kader));
        return c;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    ScriptedRandom rng;
    TempDir dir;

private:
    int parts_ = 0;
};

TEST_F(VereinTest, NewClubDefaults) {
    state->Saisonstartjahr = 2000;
    CVerein c(7);
    EXPECT_EQ(c.Name().substr(0, 2), "VE");
    EXPECT_EQ(c.Fanbezeichnung().substr(0, 2), "NA");
    EXPECT_EQ(c.Kuerzel(), "KRZ");
    EXPECT_EQ(c.Artikel(), 2);
    EXPECT_EQ(c.SatzBau(), 3);
    EXPECT_EQ(c.Guthaben(), 10);
    EXPECT_EQ(c.Fanaufkommen(), 3);
    EXPECT_EQ(c.Vorstand(), 3);
    EXPECT_EQ(c.Liga(), 255);
    EXPECT_EQ(c.RegionalLiga(), 2);
    EXPECT_EQ(c.VereinsNummer(), 7);
    EXPECT_EQ(c.LandNr(), 2);
    EXPECT_EQ(c.TrikotSatz(0), TRIKOTSATZ{});
    EXPECT_EQ(c.Stadion(), nullptr);
    EXPECT_TRUE(c.SpielerListe().empty());
    EXPECT_GE(c.PraesidentDatum().year, 1930);
    EXPECT_LE(c.PraesidentDatum().year, 1969);
    EXPECT_GE(c.GruendungsDatum().year, 1801);
    EXPECT_LE(c.GruendungsDatum().year, 1999);
    EXPECT_EQ(CVerein(-1).VereinsNummer(), 255);
}

TEST_F(VereinTest, WrittenClubReadsBackEqual) {
    auto a = FullClub();
    auto b = FullClub(0);
    b->SpielerListe().push_back(Player(10, 12, 9));
    WriteClubs({a.get(), b.get()});
    EXPECT_EQ(a->Name(), Cp("1. FC Süd"));  // the writer trims the record's texts
    EXPECT_EQ(a->Anfeuerung(), "Auf geht's!");

    auto read = ReadClubs(2);
    ASSERT_EQ(read.size(), 2u);
    a->VereinsNummer(1);
    b->VereinsNummer(2);
    EXPECT_TRUE(*read[0] == *a);
    EXPECT_TRUE(*read[1] == *b);
    EXPECT_EQ(read[0]->SpielerListe().size(), 3u);
    EXPECT_EQ(read[0]->SpielerListe()[2]->Nachname(), "Spieler2");
    EXPECT_EQ(read[0]->Praesidentname(), " Meier");  // president names are written as they are
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VereinTest, SectionLayoutValueByValue) {
    auto c = FullClub(2);
    const auto lines = LinesOf([&](CV3File& f) { ASSERT_TRUE(c->SpeichernV3Localized(f, 0)); });

    std::vector<std::string> want = {"%SECT%VEREIN"};
    auto add = [&](long long v) { want.push_back(std::to_string(v)); };
    auto append = [&](const std::vector<std::string>& part) { want.insert(want.end(), part.begin(), part.end()); };
    add(state->NationNummer[2]);
    want.push_back(c->Name());
    want.push_back(c->Kuerzel());
    want.push_back(c->Anfeuerung());
    want.push_back(c->Fanbezeichnung());
    append(LinesOf([&](CV3File& f) { c->Trainer().SpeichernV3Localized(f, 0); }));
    append(LinesOf([&](CV3File& f) { c->Manager().SpeichernV3Localized(f, 0); }));
    for (int k = 0; k < 2; ++k) {
        const TRIKOTSATZ& t = c->TrikotSatz(k);
        add(t.TrikotFarbe + 16 * t.Streifen);
        add(t.StreifenFarbe);
        add(t.HosenFarbe);
        add(t.StutzenFarbe + 16 * t.Ringelsocken);
    }
    for (long long v : {(long long)c->Guthaben(), (long long)c->Artikel(), (long long)c->Fanaufkommen(),
                        (long long)c->FanArt(), (long long)c->FanFreundschaft(), (long long)c->ErzRivale(),
                        (long long)c->Vorstand(), (long long)c->Pokalmannschaft(), (long long)c->SatzBau(),
                        (long long)c->Status(), (long long)c->XKoord(), (long long)c->YKoord(),
                        (long long)c->Reserviert5(), (long long)c->Opposition(), (long long)c->Amateurabteilung(),
                        (long long)c->Profiabteilung(), (long long)c->FinanzKraft(),
                        (long long)c->MaxFanAufkommen(), (long long)c->Hooligans(), (long long)c->Medienstadt(),
                        (long long)c->ErzielteTore(), (long long)c->KassierteTore(), (long long)c->Spiele(),
                        (long long)c->Punkte()})
        add(v);
    want.push_back(c->Praesidentname());
    want.push_back(c->PraesidentVorname());
    want.push_back(c->PraesidentDatum().Text());
    for (int v : {c->AktienGesellschaft(), c->MeisterTitel(), c->PokalSiege(), c->LigapokalSiege(), c->UEFASiege(),
                  c->ChampionsLeagueSiege(), c->WeltpokalSiege(), c->RegionalLiga()})
        add(v);
    want.push_back(c->GruendungsDatum().Text());
    for (int i = 0; i < CVerein::kReserviertBlockAnzahl; ++i) add(c->ReserviertBlock(i));
    add(2);
    for (const auto& s : c->SpielerListe()) append(LinesOf([&](CV3File& f) { s->SpeichernV3Localized(f, 0); }));
    want.push_back("%ENDSECT%VEREIN");

    EXPECT_EQ(lines, want);
    EXPECT_EQ(lines[2], Cp("1. FC Süd"));  // trimmed
}

TEST_F(VereinTest, HoopedSocksInTheShortsColourAreRepairedOnReading) {
    struct Case {
        TRIKOTSATZ written;
        int socksRead;
    };
    const Case cases[] = {
        {{0, 12, 12, 0, 0, 1}, 0},  // the last colour wraps to the first
        {{0, 4, 4, 0, 0, 1}, 5},    // otherwise the next colour
        {{0, 4, 4, 0, 0, 0}, 4},    // plain socks may match the shorts
        {{0, 4, 6, 0, 0, 1}, 6},    // different colours stay
    };
    for (const Case& k : cases) {
        for (int set = 0; set < 2; ++set) {
            SCOPED_TRACE(testing::Message() << "shorts " << k.written.HosenFarbe << " set " << set);
            auto c = FullClub(0);
            ASSERT_TRUE(c->TrikotSatz(set, k.written));
            WriteClubs({c.get()});
            auto read = ReadClubs(1);
            TRIKOTSATZ want = k.written;
            want.StutzenFarbe = k.socksRead;
            EXPECT_EQ(read[0]->TrikotSatz(set), want);
            EXPECT_EQ(read[0]->TrikotSatz(1 - set), c->TrikotSatz(1 - set));
        }
    }
}

TEST_F(VereinTest, SquadOfMoreThan35IsRefusedAndTheFileStaysReadable) {
    auto full = FullClub(CVerein::kMaxSpieler);
    auto over = FullClub(CVerein::kMaxSpieler + 1);
    auto after = FullClub(2);
    WriteClubs({full.get(), over.get(), after.get()});

    auto read = ReadClubs(3);
    EXPECT_EQ(read[0]->SpielerListe().size(), size_t(CVerein::kMaxSpieler));
    EXPECT_TRUE(read[1]->SpielerListe().empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Es sind zu viele Spieler im Verein!");
    EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    // Stadium of the refused club and the club after it are read as written.
    EXPECT_TRUE(*read[1]->Stadion() == *over->Stadion());
    after->VereinsNummer(3);
    EXPECT_TRUE(*read[2] == *after);
}

TEST_F(VereinTest, AmateurDepartmentIsNeverAPublicCompany) {
    auto c = FullClub(0);
    ASSERT_EQ(c->AktienGesellschaft(), 1);
    EXPECT_TRUE(c->Amateurabteilung(5, 20));
    EXPECT_EQ(c->AktienGesellschaft(), 0);
    EXPECT_FALSE(c->AktienGesellschaft(1));
    EXPECT_TRUE(c->AktienGesellschaft(0));

    // A file that holds both is read with the flag cleared.
    c = FullClub(0);
    WriteClubs({c.get()});
    auto lines = ReadCrLfLines(Path());
    // Amateurabteilung (0) follows Opposition (6), which follows Reserviert5 (-7).
    const size_t amateur = size_t(std::find(lines.begin(), lines.end(), "-7") - lines.begin()) + 2;
    ASSERT_LT(amateur, lines.size());
    ASSERT_EQ(lines[amateur - 1], "6");
    ASSERT_EQ(lines[amateur], "0");
    lines[amateur] = "5";
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    v3test::WriteBytes(Path(), bytes);
    auto read = ReadClubs(1);
    EXPECT_EQ(read[0]->Amateurabteilung(), 5);
    EXPECT_EQ(read[0]->AktienGesellschaft(), 0);
}

TEST_F(VereinTest, SetterBoundaries) {
    using Setter = std::function<bool(CVerein&)>;
    const std::string s2(2, 'x'), s3(3, 'x'), s19(19, 'x'), s20(20, 'x'), s28(28, 'x'), s29(29, 'x');
    const std::string s49(49, 'x'), s50(50, 'x');
    struct Row {
        const char* what;
        Setter set;
        bool ok;
        const char* error;  // expected error text of a refusal, or null
    };
    const char* const kName = "Die Länge des Namens des Vereinspräsidenten ist nicht korrekt!";
    const char* const kVorname = "Die Länge des Vornamens des Vereinspräsidenten ist nicht korrekt!";
    const char* const kIdentisch = "Der Profiverein ist mit dem Amateurverein identisch!";
    const char* const kFalsch = "Falsches Argument. Entwicklungsabteilung kontakten.";
    const Row rows[] = {
        {"Name 2", [&](CVerein& c) { return c.Name(s2); }, false, nullptr},
        {"Name 3", [&](CVerein& c) { return c.Name(s3); }, true, nullptr},
        {"Name 19", [&](CVerein& c) { return c.Name(s19); }, true, nullptr},
        {"Name 20", [&](CVerein& c) { return c.Name(s20); }, false, nullptr},
        {"Name line break", [&](CVerein& c) { return c.Name("ab\ncd"); }, false, nullptr},
        {"Fanbezeichnung 49", [&](CVerein& c) { return c.Fanbezeichnung(s49); }, true, nullptr},
        {"Fanbezeichnung 50", [&](CVerein& c) { return c.Fanbezeichnung(s50); }, false, nullptr},
        {"Anfeuerung 49", [&](CVerein& c) { return c.Anfeuerung(s49); }, true, nullptr},
        {"Anfeuerung 50", [&](CVerein& c) { return c.Anfeuerung(s50); }, false, nullptr},
        {"Kuerzel 3", [&](CVerein& c) { return c.Kuerzel("ABC"); }, true, nullptr},
        {"Kuerzel 4", [&](CVerein& c) { return c.Kuerzel("ABCD"); }, false, nullptr},
        {"Praesidentname 1", [&](CVerein& c) { return c.Praesidentname("x"); }, false, kName},
        {"Praesidentname 2", [&](CVerein& c) { return c.Praesidentname(s2); }, true, nullptr},
        {"Praesidentname 28", [&](CVerein& c) { return c.Praesidentname(s28); }, true, nullptr},
        {"Praesidentname 29", [&](CVerein& c) { return c.Praesidentname(s29); }, false, kName},
        {"PraesidentVorname 1", [&](CVerein& c) { return c.PraesidentVorname("x"); }, false, kVorname},
        {"PraesidentVorname 28", [&](CVerein& c) { return c.PraesidentVorname(s28); }, true, nullptr},
        {"PraesidentVorname 29", [&](CVerein& c) { return c.PraesidentVorname(s29); }, false, kVorname},
        {"MeisterTitel -1", [](CVerein& c) { return c.MeisterTitel(-1); }, false, nullptr},
        {"MeisterTitel 99", [](CVerein& c) { return c.MeisterTitel(99); }, true, nullptr},
        {"PokalSiege 100", [](CVerein& c) { return c.PokalSiege(100); }, false, nullptr},
        {"WeltpokalSiege 0", [](CVerein& c) { return c.WeltpokalSiege(0); }, true, nullptr},
        {"RegionalLiga 5", [](CVerein& c) { return c.RegionalLiga(5); }, true, nullptr},
        {"RegionalLiga 3", [](CVerein& c) { return c.RegionalLiga(3); }, false, nullptr},
        {"AktienGesellschaft 2", [](CVerein& c) { return c.AktienGesellschaft(2); }, false, nullptr},
        {"Vorstand 6", [](CVerein& c) { return c.Vorstand(6); }, false, nullptr},
        {"Opposition 6", [](CVerein& c) { return c.Opposition(6); }, true, nullptr},
        {"Kit colour 16", [](CVerein& c) { return c.TrikotSatz(0, TRIKOTSATZ{16, 0, 0, 0, 0, 0}); }, false, nullptr},
        {"Kit set 2", [](CVerein& c) { return c.TrikotSatz(2, TRIKOTSATZ{}); }, false, nullptr},
        // The club under test has number 7 in a country of 20 clubs.
        {"Amateurabteilung own number", [](CVerein& c) { return c.Amateurabteilung(7, 20); }, false, kIdentisch},
        {"Amateurabteilung 20", [](CVerein& c) { return c.Amateurabteilung(20, 20); }, true, nullptr},
        {"Amateurabteilung 21", [](CVerein& c) { return c.Amateurabteilung(21, 20); }, false, kFalsch},
        {"Amateurabteilung -1", [](CVerein& c) { return c.Amateurabteilung(-1, 20); }, false, kFalsch},
        {"Profiabteilung 20", [](CVerein& c) { return c.Profiabteilung(20, 20); }, true, nullptr},
        {"Profiabteilung 21", [](CVerein& c) { return c.Profiabteilung(21, 20); }, false, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CVerein c(7);
        const CVerein before(c);
        state->lastError.clear();
        EXPECT_EQ(row.set(c), row.ok);
        if (!row.ok) {
            EXPECT_TRUE(c == before) << "a refused value must leave the club unchanged";
        }
        EXPECT_EQ(state->lastError, row.error ? row.error : "");
    }
    // Removing the link works even for a club that has no number yet.
    CVerein fresh(0);
    EXPECT_TRUE(fresh.Amateurabteilung(0, 20));
}

TEST_F(VereinTest, FreeShirtNumber) {
    CVerein c(1);
    EXPECT_EQ(c.SucheFreieRueckenNummer(), 1);
    for (int n = 1; n <= 10; ++n) c.SpielerListe().push_back(Player(6, 5, n));
    EXPECT_EQ(c.SucheFreieRueckenNummer(), 11);
    for (int n = 11; n <= 99; ++n) c.SpielerListe().push_back(Player(6, 5, n));
    EXPECT_EQ(c.SucheFreieRueckenNummer(), 99);  // 1..98 taken
    c.SpielerListe()[4]->RueckenNummer(0);
    EXPECT_EQ(c.SucheFreieRueckenNummer(), 5);
}

TEST_F(VereinTest, RenumberingKeepsFirstWearerAndHandsOutPreferredNumbers) {
    CVerein::Kader k;
    k.push_back(Player(1, 8, 1));   // keeper, first wearer of 1: keeps it
    k.push_back(Player(1, 12, 1));  // keeper with a taken number: the next preferred, 21
    k.push_back(Player(10, 5, 0));  // strikers get 9, 11, 27 strongest first; 11 is
    k.push_back(Player(10, 9, 0));  //   worn by the midfielder, so the second gets 27
    k.push_back(Player(10, 7, 0));  //   and the weaker two draw, in strength order
    k.push_back(Player(10, 3, 0));
    k.push_back(Player(6, 4, 11));  // keeps 11
    k.push_back(Player(3, 6, 0));   // centre back: 4
    rng.next = {19, 39};            // draws 20 (strength 5), then 40 (strength 3)
    CVerein::RueckenNrEinstellen(k);

    const int want[] = {1, 21, 20, 9, 27, 40, 11, 4};
    for (size_t i = 0; i < k.size(); ++i) EXPECT_EQ(k[i]->RueckenNummer(), want[i]) << "player " << i;
    EXPECT_EQ(rng.seeds, 1);
    EXPECT_TRUE(rng.next.empty());
}

TEST_F(VereinTest, RenumberingSkipsTakenDrawnNumbers) {
    CVerein::Kader k;
    k.push_back(Player(1, 5, 0));   // keeper: 1
    k.push_back(Player(1, 4, 0));   // 21
    k.push_back(Player(1, 3, 0));   // 30
    k.push_back(Player(1, 2, 0));   // preferred numbers spent: draws 1, taken, so 2
    k.push_back(Player(1, 1, 0));   // draws 21: 21 and 22 taken, so 23
    k.push_back(Player(7, 1, 22));  // wears 22
    rng.next = {0, 20};
    CVerein::RueckenNrEinstellen(k);
    EXPECT_EQ(k[0]->RueckenNummer(), 1);
    EXPECT_EQ(k[1]->RueckenNummer(), 21);
    EXPECT_EQ(k[2]->RueckenNummer(), 30);
    EXPECT_EQ(k[3]->RueckenNummer(), 2);
    EXPECT_EQ(k[4]->RueckenNummer(), 23);
    EXPECT_EQ(k[5]->RueckenNummer(), 22);
}

TEST_F(VereinTest, CopiesAreDeepAndEqual) {
    auto a = FullClub();
    a->Liga(3);
    a->Staerke(6.5f);
    a->Mark(1);
    CVerein b(-1);
    b.CopyDataFrom(*a);
    EXPECT_TRUE(b == *a);
    CVerein c(*a);
    EXPECT_TRUE(c == *a);
    CVerein d(5);
    d.SpielerListe().push_back(Player(2, 2, 2));
    d = *a;
    EXPECT_TRUE(d == *a);

    ASSERT_NE(b.Stadion(), a->Stadion());
    b.Stadion()->Name("Anderes Stadion");
    b.SpielerListe()[0]->Nachname("Anders");
    EXPECT_EQ(a->Stadion()->Name(), "Waldstadion");
    EXPECT_EQ(a->SpielerListe()[0]->Nachname(), "Spieler0");
    EXPECT_FALSE(b == *a);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VereinTest, EmptySquadEntryIsReportedOnDestruction) {
    {
        CVerein c(1);
        c.Name(Cp("Fürth"));
        c.SpielerListe().push_back(Player(1, 1, 1));
        c.SpielerListe().push_back(nullptr);
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Verein Fürth Null Spieler. ListCount = 2 !");
}

TEST_F(VereinTest, AmateurAndInternationalClubs) {
    CAmateurVerein a;
    EXPECT_EQ(a.Name().substr(0, 2), "AV");
    CAmateurVerein b;
    ASSERT_TRUE(b.Name(" SV Nord "));
    CIVerein i;
    ASSERT_TRUE(i.Name("  Club Atletico"));
    ASSERT_TRUE(i.Kennzahl(-17));

    const auto lines = LinesOf([&](CV3File& f) {
        EXPECT_TRUE(b.SpeichernV3Localized(f, 0));
        EXPECT_TRUE(i.SpeichernV3Localized(f, 0));
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"%SECT%AMATEURV", "SV Nord", "%ENDSECT%AMATEURV", "%SECT%IVEREIN",
                                               "Club Atletico", "-17", "%ENDSECT%IVEREIN"}));

    CV3File f;
    ASSERT_NE(f.Open(dir.File("part0.sav"), CV3File::modeRead), 0);
    CAmateurVerein b2;
    CIVerein i2;
    EXPECT_TRUE(b2.LadenV3Localized(f, 0));
    EXPECT_TRUE(i2.LadenV3Localized(f, 0));
    EXPECT_TRUE(b2 == b);
    EXPECT_TRUE(i2 == i);
    CAmateurVerein missing;
    const std::string name = missing.Name();
    CV3File empty;  // not open: holds no section
    EXPECT_FALSE(missing.LadenV3Localized(empty, 0));
    EXPECT_EQ(missing.Name(), name);
}

}  // namespace
