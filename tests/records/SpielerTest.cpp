#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/AmateurJugendSpieler.h"
#include "records/ExSpieler.h"
#include "records/Spieler.h"
#include "records/SpielerTexte.h"
#include "records/V3File.h"

using namespace v3;
using v3test::ReadCrLfLines;
using v3test::TempDir;
using v3test::WriteBytes;

namespace {

// Hands out the given values in order; a draw beyond them fails the test.
class SequenceRandom : public IRandom {
public:
    explicit SequenceRandom(std::vector<int> values) : values_(std::move(values)) {}
    int Rand() override {
        if (next_ >= values_.size()) {
            ADD_FAILURE() << "more random draws than scripted";
            return 0;
        }
        return values_[next_++];
    }
    void Seed(uint32_t) override {}
    size_t Used() const { return next_; }
    size_t Size() const { return values_.size(); }

private:
    std::vector<int> values_;
    size_t next_ = 0;
};

// The 117 nation names a data set holds, nation 3 with a one-letter name.
std::vector<std::string> NationNames() {
    std::vector<std::string> names(117, "Nation");
    names[3] = "X";
    return names;
}

class SpielerTest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }

    void Write(const std::function<void(CV3File&)>& body) {
        CV3File f;
        ASSERT_NE(f.Open(path, CV3File::modeWrite | CV3File::modeCreate), 0);
        f.PutID(kFileID);
        body(f);
        ASSERT_TRUE(f.Close());
    }
    void Read(const std::function<void(CV3File&)>& body) {
        CV3File f;
        ASSERT_NE(f.Open(path, CV3File::modeRead), 0);
        int32_t id = 0;
        f.GetID(id);
        body(f);
    }
    // Writes one player inside a list section and returns the file's lines.
    std::vector<std::string> WriteOne(CSpieler& p) {
        Write([&](CV3File& f) {
            f.NewSection("SONSPIELER");
            EXPECT_TRUE(p.SpeichernV3Localized(f, 0));
            f.EndSection(1);
        });
        return ReadCrLfLines(path);
    }
    // Puts a list section holding the given player section into the file.
    void StoreSection(const std::vector<std::string>& section);
    CSpieler ReadOne() {
        CSpieler p;
        Read([&](CV3File& f) {
            EXPECT_TRUE(f.FindSection("SONSPIELER"));
            EXPECT_TRUE(p.LadenV3Localized(f, 0));
        });
        return p;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    TempDir dir;
    std::string path = dir.File("spieler.sav");
};

// A player whose every field differs from the defaults, texts with white space around.
CSpieler FullPlayer() {
    CSpieler p;
    EXPECT_TRUE(p.Nachname("  M\xFCller\t"));
    EXPECT_TRUE(p.Vorname("J\xFCrgen"));
    EXPECT_TRUE(p.Kuenstlername(" Der Bomber "));
    EXPECT_TRUE(p.Reserviert1(INT32_MIN));
    EXPECT_TRUE(p.Hautfarbe(3));
    EXPECT_TRUE(p.Haarfarbe(6));
    EXPECT_TRUE(p.GeburtsDatum(29, 2, 1976));  // 25 in a season starting 2001
    EXPECT_TRUE(p.Staerke(12));
    EXPECT_TRUE(p.Nationalitaet(0x80 | 77));
    EXPECT_TRUE(p.Hauptposition(10));
    EXPECT_TRUE(p.Nebenposition1(2));
    EXPECT_TRUE(p.Nebenposition2(9));
    EXPECT_TRUE(p.Faehigkeit(16, 1));
    EXPECT_TRUE(p.Faehigkeit(3, 1));
    EXPECT_TRUE(p.Faehigkeit(1, -1));
    EXPECT_TRUE(p.EigenschaftAll(INT32_MIN | 2));
    EXPECT_TRUE(p.CharakterAll(-1));
    EXPECT_TRUE(p.Fuss(3));
    EXPECT_TRUE(p.Talent(5));
    EXPECT_TRUE(p.Verletzung(7));
    EXPECT_TRUE(p.Publikum(3));
    EXPECT_TRUE(p.Konstanz(10));
    EXPECT_TRUE(p.Nationalitaet2(116, NationNames()));
    EXPECT_TRUE(p.NationalSpieler(8));
    EXPECT_TRUE(p.BesterSpieler(16));
    EXPECT_TRUE(p.BesterHauptposition(10));
    EXPECT_TRUE(p.Kapitaen(1));
    EXPECT_TRUE(p.RueckenNummer(99));
    EXPECT_TRUE(p.SetHaarTyp(3));
    EXPECT_TRUE(p.SetBart(0));
    EXPECT_TRUE(p.SetBartTyp(0, true));
    EXPECT_TRUE(p.SetBartTyp(2, true));
    EXPECT_TRUE(p.Reserviert2(INT32_MAX));
    EXPECT_TRUE(p.Reserviert3(-1));
    EXPECT_TRUE(p.Reserviert4(123456));
    return p;
}

// The section of FullPlayer, value by value in the stored order.
const std::vector<std::string> kFullPlayerSection = {
    "%SECT%SPIELER",
    "M\xFCller",    // 1 Nachname, trimmed
    "J\xFCrgen",    // 2 Vorname
    "-2147483648",  // 3 Reserviert1
    "3",            // 4 Hautfarbe
    "6",            // 5 Haarfarbe
    "25",           // 6 Alter
    "12",           // 7 Staerke
    "205",          // 8 Nationalitaet with bit 7
    "10",           // 9 Hauptposition
    "2",            // 10 Nebenposition1
    "9",            // 11 Nebenposition2
    "65544",        // 12 FaehigkeitPlus: bits 3 and 16
    "2",            // 13 FaehigkeitMinus: bit 1
    "-2147483646",  // 14 Eigenschaft
    "-1",           // 15 Charakter
    "1",            // 16 HatKuenstlername
    "Der Bomber",   // 17 Kuenstlername, trimmed
    "3",            // 18 Fuss
    "5",            // 19 Talent
    "7",            // 20 Verletzung
    "3",            // 21 Publikum
    "29.02.1976",   // 22 GeburtsDatum
    "10",           // 23 Konstanz
    "116",          // 24 Nationalitaet2
    "8",            // 25 NationalSpieler
    "65536",        // 26 BesterSpieler mask: bit 16
    "10",           // 27 BesterHauptposition
    "1",            // 28 Kapitaen
    "99",           // 29 RueckenNummer
    "196613",       // 30 looks: hair style 3 * 65536 + beard bits 0 and 2
    "2147483647",   // 31 Reserviert2
    "-1",           // 32 Reserviert3
    "123456",       // 33 Reserviert4
    "%ENDSECT%SPIELER"};

std::vector<std::string> Framed(const std::vector<std::string>& section,
                                const std::string& list = "SONSPIELER") {
    std::vector<std::string> lines = {"17373592", "%SECT%" + list};
    lines.insert(lines.end(), section.begin(), section.end());
    lines.push_back("%ENDSECT%" + list);
    return lines;
}

void SpielerTest::StoreSection(const std::vector<std::string>& section) {
    std::string bytes;
    for (const std::string& line : Framed(section)) bytes += line + "\r\n";
    WriteBytes(path, bytes);
}

TEST_F(SpielerTest, WritesEveryValueInOrderAndReadsTheSameRecordBack) {
    state->Saisonstartjahr = 2001;
    CSpieler original = FullPlayer();
    EXPECT_EQ(WriteOne(original), Framed(kFullPlayerSection));
    // The record keeps its trimmed texts.
    EXPECT_EQ(original.Nachname(), "M\xFCller");
    EXPECT_EQ(original.Kuenstlername(), "Der Bomber");

    CSpieler back = ReadOne();
    EXPECT_TRUE(back == original);
    EXPECT_EQ(back.Geladen(), 1);
    EXPECT_EQ(original.Geladen(), 0);
    EXPECT_EQ(back.GetHaarTyp(), 3);
    EXPECT_EQ(back.GetBart(), 5);
    EXPECT_EQ(back.BesterSpieler(), 16);
    EXPECT_EQ(back.Reserviert1(), INT32_MIN);
    EXPECT_EQ(back.Reserviert4(), 123456);
    // Written again, the read record gives the same lines.
    EXPECT_EQ(WriteOne(back), Framed(kFullPlayerSection));
}

TEST_F(SpielerTest, ReaderTakesStoredValuesAtTheirWidthAndWritesThemBackAsRead) {
    // Line number within the section (1-based value number), stored line, line written after reading.
    struct Row {
        size_t value;
        std::string stored, rewritten;
    };
    const std::vector<Row> rows = {
        {3, "abc", "0"},   // no digits
        {4, "300", "44"},  // 8-bit values keep their low 8 bits
        {7, "-1", "255"},
        {8, "12abc", "12"},                 // digits up to the first other character
        {9, "  -5", "-5"},                  // 32-bit values as they stand
        {10, "1", "1"},                     // a goalkeeper secondary position is kept
        {12, "-1", "-1"},                   // every ability bit, the high bit included
        {13, "99999999999", "2147483647"},  // held at the 32-bit limit
        {14, "-7", "-7"},
        {16, "1", "1"},  // the nickname flag is not recomputed
        {17, "", ""},
        {24, "-1", "-1"},
        {26, "1", "1"},    // a mask without an ability bit
        {30, "-1", "-1"},  // looks: all 32 bits
        {31, "", "0"},
    };
    std::vector<std::string> section = kFullPlayerSection;
    std::vector<std::string> expected = kFullPlayerSection;
    for (const Row& r : rows) {
        section[r.value] = r.stored;
        expected[r.value] = r.rewritten;
    }
    StoreSection(section);

    CSpieler p = ReadOne();
    EXPECT_EQ(p.Hautfarbe(), 44);
    EXPECT_EQ(p.Nebenposition1(), 1);
    EXPECT_EQ(p.FaehigkeitPlus(), 0xFFFFFFFFu);
    EXPECT_EQ(p.Eigenschaft(), -7);
    EXPECT_EQ(p.HatKuenstlername(), 1);
    EXPECT_EQ(p.Kuenstlername(), "");
    EXPECT_EQ(p.BesterSpieler(), 0);
    EXPECT_EQ(p.BesterSpielerMaske(), 1);
    EXPECT_EQ(p.GetHaarTyp(), 0xFFFF);
    EXPECT_EQ(p.GetBart(), 0xFFFF);
    EXPECT_EQ(WriteOne(p), Framed(expected));
}

TEST_F(SpielerTest, ReaderRepairsInjuryAndCrowdValuesOutsideTheirRange) {
    struct Row {
        std::string verletzung, publikum;
        int expVerletzung, expPublikum;
    };
    const std::vector<Row> rows = {
        {"0", "0", 1, 1}, {"8", "4", 1, 1}, {"-3", "x", 1, 1},
        {"7", "3", 7, 3}, {"1", "1", 1, 1}, {"4", "2", 4, 2},
    };
    for (const Row& r : rows) {
        std::vector<std::string> section = kFullPlayerSection;
        section[20] = r.verletzung;
        section[21] = r.publikum;
        StoreSection(section);
        CSpieler p = ReadOne();
        EXPECT_EQ(p.Verletzung(), r.expVerletzung) << r.verletzung;
        EXPECT_EQ(p.Publikum(), r.expPublikum) << r.publikum;
        // Nothing else is repaired: the neighbouring values are as stored.
        EXPECT_EQ(p.Talent(), 5);
        EXPECT_EQ(p.GeburtsDatum().year, 1976);
    }
}

TEST_F(SpielerTest, MissingSectionLeavesTheRecordAsItWas) {
    WriteBytes(path, "17373592\r\n%SECT%VEREIN\r\nName\r\n1\r\n%ENDSECT%VEREIN\r\n");
    state->Saisonstartjahr = 2001;
    CSpieler p = FullPlayer();
    const CSpieler before = p;
    Read([&](CV3File& f) { EXPECT_FALSE(p.LadenV3Localized(f, 0)); });
    EXPECT_TRUE(p == before);
    EXPECT_EQ(p.Nachname(), "  M\xFCller\t");
    EXPECT_EQ(p.GeburtsDatum().day, 29);
    EXPECT_EQ(p.Geladen(), 0);

    CExSpieler ex;
    ex.LetzterVerein(4);
    const CExSpieler exBefore = ex;
    Read([&](CV3File& f) { EXPECT_FALSE(ex.LadenV3Localized(f, 0)); });
    EXPECT_TRUE(ex == exBefore);
}

TEST_F(SpielerTest, SeveralPlayersInOneListReadBackInOrder) {
    std::vector<CSpieler> players(3);
    players[1].Staerke(1);
    players[2].Kuenstlername("Zico");
    Write([&](CV3File& f) {
        f.NewSection("SONSPIELER");
        for (CSpieler& p : players) EXPECT_TRUE(p.SpeichernV3Localized(f, 0));
        f.EndSection(1);
    });
    Read([&](CV3File& f) {
        ASSERT_TRUE(f.FindSection("SONSPIELER"));
        for (const CSpieler& expected : players) {
            CSpieler p;
            EXPECT_TRUE(p.LadenV3Localized(f, 0));
            EXPECT_TRUE(p == expected) << expected.Nachname();
        }
    });
}

// ---------------------------------------------------------------- construction

struct DrawRow {
    int land, startYear;
    std::vector<int> draws;  // a, month - 1, day - 1, Konstanz, skin, hair, strength, injury..., crowd...
    std::string birth;       // as written
    int alter, konstanz, haut, haar, staerke, talent, verletzung, publikum;
};

TEST_F(SpielerTest, ConstructionDrawsEveryValueInItsOrder) {
    const std::vector<DrawRow> rows = {
        // Youngest: 18 years before the start, born after June.
        {0, 1998, {0, 6, 14, 3, 95, 19, 10, 9, 6, 10}, "15.07.1980", 17, 0, 0, 0, 11, 1, 7, 1},
        // Oldest; the 31st of June becomes the 30th; the modulo is applied to large draws.
        {1, 2003, {32759, 5, 30, 99, 90, 0, 7, 50, 3, 2}, "30.06.1976", 27, 10, 1, 4, 8, 3, 1, 3},
        {20, 1998, {1, 0, 0, 4, 95, 0, 0, 10, 9, 0}, "01.01.1979", 19, 1, 2, 4, 1, 5, 1, 1},
        // Konstanz at the bounds of its table: a draw of 75 is index 8, 76 index 9.
        {0, 1998, {2, 0, 0, 74, 0, 0, 4, 99, 99}, "01.01.1978", 20, 8, 0, 0, 5, 3, 1, 1},
        {0, 1998, {2, 0, 0, 75, 0, 0, 4, 99, 99}, "01.01.1978", 20, 9, 0, 0, 5, 3, 1, 1},
    };
    for (const DrawRow& r : rows) {
        SCOPED_TRACE(r.birth);
        state->AktuellesLand = r.land;
        state->Saisonstartjahr = r.startYear;
        SequenceRandom rng(r.draws);
        state->SetRandom(&rng);
        CSpieler p;
        EXPECT_EQ(rng.Used(), rng.Size());
        EXPECT_EQ(p.GeburtsDatum().Text(), r.birth);
        EXPECT_EQ(p.StoredAlter(), r.alter);
        EXPECT_EQ(p.Konstanz(), r.konstanz);
        EXPECT_EQ(p.Hautfarbe(), r.haut);
        EXPECT_EQ(p.Haarfarbe(), r.haar);
        EXPECT_EQ(p.Staerke(), r.staerke);
        EXPECT_EQ(p.Talent(), r.talent);
        EXPECT_EQ(p.Verletzung(), r.verletzung);
        EXPECT_EQ(p.Publikum(), r.publikum);
        EXPECT_EQ(p.Nationalitaet(), state->NationNummer[size_t(r.land)]);
        state->SetRandom(nullptr);
    }
}

TEST_F(SpielerTest, LooksFollowTheRegionOfTheCurrentCountry) {
    // Country, skin and hair draws, expected skin and hair colour. The draws are
    // chosen so that a neighbouring region would give another result.
    struct Row {
        int land, skinDraw, hairDraw, haut, haar;
    };
    const std::vector<Row> rows = {
        {0, 95, 0, 0, 0},                       // region 3: 96 is still "hell"
        {3, 95, 0, 1, 4},                       // region 5: 96 is "dunkel", so the hair is black
        {4, 95, 0, 1, 4},   {1, 29, 35, 0, 2},  // region 4: hair 36 is "braun"
        {2, 29, 35, 0, 1},                      // region 6: hair 36 is "blond"
        {2, 91, 89, 1, 4},  {5, 29, 35, 1, 4},  // region 0: 30 is "dunkel"
        {6, 29, 35, 0, 0},                      // region 1: hair 36 is "hellblond"
        {7, 91, 89, 2, 4},                      // region 2: 92 is "schwarz"
        {8, 95, 0, 0, 0},                       // region 3
        {9, 29, 35, 0, 2},                      // region 4
        {10, 95, 0, 1, 4},                      // region 5
        {11, 29, 35, 0, 1},                     // region 6 for every further country
        {37, 91, 89, 1, 4},
    };
    for (const Row& r : rows) {
        state->AktuellesLand = r.land;
        SequenceRandom rng({0, 0, 0, 0, r.skinDraw, r.hairDraw, 0, 99, 99});
        state->SetRandom(&rng);
        CSpieler p;
        EXPECT_EQ(p.Hautfarbe(), r.haut) << "country " << r.land;
        EXPECT_EQ(p.Haarfarbe(), r.haar) << "country " << r.land;
        state->SetRandom(nullptr);
    }
}

TEST_F(SpielerTest, TalentFollowsStrengthAndAge) {
    // Strength draw + 1 = strength; age 18 + a (born in January).
    struct Row {
        int staerke, alter, talent;
    };
    const std::vector<Row> rows = {
        {12, 27, 1}, {11, 27, 1}, {10, 20, 1}, {10, 21, 2}, {9, 27, 2}, {8, 21, 2}, {8, 22, 3}, {7, 27, 3},
        {6, 21, 3},  {6, 22, 4},  {5, 27, 4},  {4, 20, 4},  {4, 21, 5}, {3, 20, 4}, {2, 18, 5}, {1, 18, 5},
    };
    for (const Row& r : rows) {
        SequenceRandom rng({r.alter - 18, 0, 0, 0, 0, 0, r.staerke - 1, 99, 99});
        state->SetRandom(&rng);
        CSpieler p;
        ASSERT_EQ(p.StoredAlter(), r.alter);
        EXPECT_EQ(p.Talent(), r.talent) << "strength " << r.staerke << " age " << r.alter;
        state->SetRandom(nullptr);
    }
}

TEST_F(SpielerTest, NewPlayerHasTheTableDefaultsAndNumberedPlaceholders) {
    state->AktuellesLand = 7;
    state->NationNummer[7] = 0x80 | 44;  // bit 7 never comes from the country table
    CSpieler first;
    CSpieler second;
    EXPECT_EQ(first.Nachname(), "NA000000");
    EXPECT_EQ(first.Vorname(), "NA000001");
    EXPECT_EQ(second.Nachname(), "NA000002");
    EXPECT_EQ(second.Vorname(), "NA000003");
    EXPECT_EQ(first.GetClassNameA(), "CSpieler");

    EXPECT_EQ(first.Nationalitaet(), 44);
    EXPECT_FALSE(first.Fussballinlaender());
    EXPECT_EQ(first.Nationalitaet2(), 0);
    EXPECT_EQ(first.Kuenstlername(), "");
    EXPECT_EQ(first.HatKuenstlername(), 0);
    EXPECT_EQ(first.Hauptposition(), 6);
    EXPECT_EQ(first.Nebenposition1(), 0);
    EXPECT_EQ(first.Nebenposition2(), 0);
    EXPECT_EQ(first.Fuss(), 1);
    EXPECT_EQ(first.FaehigkeitPlus(), 0u);
    EXPECT_EQ(first.FaehigkeitMinus(), 0u);
    EXPECT_EQ(first.Eigenschaft(), 0);
    EXPECT_EQ(first.Charakter(), 0);
    EXPECT_EQ(first.NationalSpieler(), 0);
    EXPECT_EQ(first.BesterSpielerMaske(), 0);
    EXPECT_EQ(first.BesterHauptposition(), 0);
    EXPECT_EQ(first.Kapitaen(), 0);
    EXPECT_EQ(first.RueckenNummer(), 1);
    EXPECT_EQ(first.BartHaarTyp(), 0u);
    EXPECT_EQ(first.Geladen(), 0);
    EXPECT_EQ(first.Reserviert1() | first.Reserviert2() | first.Reserviert3() | first.Reserviert4(), 0);

    // From the millionth number on, the number part has seven digits.
    state->runningNumber = 999999;
    CSpieler late;
    EXPECT_EQ(late.Nachname(), "NA999999");
    EXPECT_EQ(late.Vorname(), "NA1000000");
}

TEST_F(SpielerTest, RandomPlayersStayInTheirRanges) {
    StdRandom rng(20240611);
    state->SetRandom(&rng);
    state->Saisonstartjahr = 2005;
    int hurt = 0, special = 0;
    for (int i = 0; i < 3000; ++i) {
        state->AktuellesLand = i % 38;
        CSpieler p;
        const CDatum& b = p.GeburtsDatum();
        ASSERT_GE(b.year, 2005 - 27);
        ASSERT_LE(b.year, 2005 - 18);
        ASSERT_EQ(p.StoredAlter(), 2005 - b.year - (b.month > 6 ? 1 : 0));
        ASSERT_GE(p.StoredAlter(), 17);
        ASSERT_LE(p.StoredAlter(), 27);
        ASSERT_EQ(p.Alter(), p.StoredAlter());
        ASSERT_GE(p.Staerke(), 1);
        ASSERT_LE(p.Staerke(), 12);
        ASSERT_GE(p.Talent(), 1);
        ASSERT_LE(p.Talent(), 5);
        if (p.Staerke() >= 11) {
            ASSERT_EQ(p.Talent(), 1);
        }
        if (p.Staerke() <= 2) {
            ASSERT_EQ(p.Talent(), 5);
        }
        ASSERT_GE(p.Konstanz(), 0);
        ASSERT_LE(p.Konstanz(), 10);
        ASSERT_LE(p.Hautfarbe(), 2);
        ASSERT_LE(p.Haarfarbe(), 4);
        if (p.Hautfarbe() != 0) {
            ASSERT_EQ(p.Haarfarbe(), 4);
        }
        ASSERT_GE(p.Verletzung(), 1);
        ASSERT_LE(p.Verletzung(), 7);
        ASSERT_GE(p.Publikum(), 1);
        ASSERT_LE(p.Publikum(), 3);
        hurt += p.Verletzung() != 1;
        special += p.Publikum() != 1;
    }
    // About one in ten draws a special value, of which most differ from 1.
    EXPECT_GT(hurt, 150);
    EXPECT_LT(hurt, 450);
    EXPECT_GT(special, 100);
    EXPECT_LT(special, 400);
}

TEST_F(SpielerTest, RandomBeardAndHairStyle) {
    // Hair colour, skin colour, draws, expected beard bits and hair style.
    struct Row {
        int haar, haut;
        std::vector<int> draws;
        int bart, haarTyp;
    };
    const std::vector<Row> rows = {
        {4, 0, {19, 2, 19}, 8, 0},  // black hair: beard below 20; "Ziegenbart"
        {4, 0, {20, 20}, 0, 1},     // no beard at 20; style bound 20 of skin 0
        {0, 1, {4, 0, 29}, 2, 0},   // "Bart"
        {0, 1, {5, 30}, 0, 1},
        {5, 2, {9, 1, 99}, 4, 0},  // bald: always style 0, the style is still
                                   // drawn
        {2, 2, {15, 89}, 0, 2},
        {6, 3, {5, 74}, 0, 2},
        {6, 3, {5, 75}, 0, 3},
        {3, 3, {4, 0, 99}, 2, 3},
    };
    for (const Row& r : rows) {
        CSpieler p;
        ASSERT_TRUE(p.Haarfarbe(r.haar));
        ASSERT_TRUE(p.Hautfarbe(r.haut));
        SequenceRandom rng(r.draws);
        state->SetRandom(&rng);
        p.RandBartHaarTyp();
        EXPECT_EQ(rng.Used(), rng.Size());
        EXPECT_EQ(p.GetBart(), r.bart) << "hair " << r.haar << " skin " << r.haut;
        EXPECT_EQ(p.GetHaarTyp(), r.haarTyp) << "hair " << r.haar << " skin " << r.haut;
        state->SetRandom(nullptr);
    }
}

// ---------------------------------------------------------------- accessors

TEST_F(SpielerTest, RangeSettersAcceptTheirBoundsAndKeepTheOldValueOtherwise) {
    struct Row {
        const char* name;
        std::function<bool(CSpieler&, int)> set;
        std::function<int(const CSpieler&)> get;
        int lo, hi;
    };
    const std::vector<Row> rows = {
        {"Hautfarbe", [](CSpieler& p, int v) { return p.Hautfarbe(v); },
         [](const CSpieler& p) { return p.Hautfarbe(); }, 0, 3},
        {"Haarfarbe", [](CSpieler& p, int v) { return p.Haarfarbe(v); },
         [](const CSpieler& p) { return p.Haarfarbe(); }, 0, 6},
        {"Alter", [](CSpieler& p, int v) { return p.Alter(v); },
         [](const CSpieler& p) { return p.StoredAlter(); }, 0, 255},
        {"Staerke", [](CSpieler& p, int v) { return p.Staerke(v); },
         [](const CSpieler& p) { return p.Staerke(); }, 1, 12},
        {"Nationalitaet", [](CSpieler& p, int v) { return p.Nationalitaet(v); },
         [](const CSpieler& p) { return p.Nationalitaet(); }, 0, 255},
        {"NationNumber", [](CSpieler& p, int v) { return p.NationNumber(v); },
         [](const CSpieler& p) { return p.NationNumber(); }, 0, 127},
        {"Hauptposition", [](CSpieler& p, int v) { return p.Hauptposition(v); },
         [](const CSpieler& p) { return p.Hauptposition(); }, 1, 10},
        {"Nebenposition1", [](CSpieler& p, int v) { return p.Nebenposition1(v); },
         [](const CSpieler& p) { return p.Nebenposition1(); }, 2, 10},
        {"Nebenposition2", [](CSpieler& p, int v) { return p.Nebenposition2(v); },
         [](const CSpieler& p) { return p.Nebenposition2(); }, 2, 10},
        {"Fuss", [](CSpieler& p, int v) { return p.Fuss(v); }, [](const CSpieler& p) { return p.Fuss(); }, 1,
         3},
        {"Talent", [](CSpieler& p, int v) { return p.Talent(v); },
         [](const CSpieler& p) { return p.Talent(); }, 1, 5},
        {"Verletzung", [](CSpieler& p, int v) { return p.Verletzung(v); },
         [](const CSpieler& p) { return p.Verletzung(); }, 1, 7},
        {"Publikum", [](CSpieler& p, int v) { return p.Publikum(v); },
         [](const CSpieler& p) { return p.Publikum(); }, 1, 3},
        {"Konstanz", [](CSpieler& p, int v) { return p.Konstanz(v); },
         [](const CSpieler& p) { return p.Konstanz(); }, 0, 10},
        {"NationalSpieler", [](CSpieler& p, int v) { return p.NationalSpieler(v); },
         [](const CSpieler& p) { return p.NationalSpieler(); }, 0, 8},
        {"Kapitaen", [](CSpieler& p, int v) { return p.Kapitaen(v); },
         [](const CSpieler& p) { return p.Kapitaen(); }, 0, 1},
        {"RueckenNummer", [](CSpieler& p, int v) { return p.RueckenNummer(v); },
         [](const CSpieler& p) { return p.RueckenNummer(); }, 0, 99},
        {"SetHaarTyp", [](CSpieler& p, int v) { return p.SetHaarTyp(v); },
         [](const CSpieler& p) { return p.GetHaarTyp(); }, 0, 3},
        {"SetBart", [](CSpieler& p, int v) { return p.SetBart(v); },
         [](const CSpieler& p) { return p.GetBart(); }, 0, 15},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CSpieler p;
        EXPECT_TRUE(r.set(p, r.lo));
        EXPECT_EQ(r.get(p), r.lo);
        EXPECT_FALSE(r.set(p, r.lo - 1));
        EXPECT_EQ(r.get(p), r.lo);
        EXPECT_TRUE(r.set(p, r.hi));
        EXPECT_EQ(r.get(p), r.hi);
        EXPECT_FALSE(r.set(p, r.hi + 1));
        EXPECT_EQ(r.get(p), r.hi);
    }

    // A secondary position may also be none, but never the goalkeeper.
    CSpieler p;
    EXPECT_TRUE(p.Nebenposition1(5));
    EXPECT_FALSE(p.Nebenposition1(1));
    EXPECT_EQ(p.Nebenposition1(), 5);
    EXPECT_TRUE(p.Nebenposition1(0));
    EXPECT_EQ(p.Nebenposition1(), 0);
}

TEST_F(SpielerTest, NationalityParts) {
    CSpieler p;
    ASSERT_TRUE(p.NationNumber(77));
    ASSERT_TRUE(p.Fussballinlaender(true));
    EXPECT_EQ(p.Nationalitaet(), 0x80 | 77);
    ASSERT_TRUE(p.NationNumber(12));  // keeps bit 7
    EXPECT_EQ(p.Nationalitaet(), 0x80 | 12);
    ASSERT_TRUE(p.Fussballinlaender(false));
    EXPECT_EQ(p.Nationalitaet(), 12);

    const std::vector<std::string> names = NationNames();
    struct Row {
        int v;
        bool ok;
    };
    for (const Row& r :
         std::vector<Row>{{-1, true}, {0, true}, {116, true}, {117, false}, {3, false}, {-2, false}}) {
        ASSERT_TRUE(p.Nationalitaet2(50, names));
        EXPECT_EQ(p.Nationalitaet2(r.v, names), r.ok) << r.v;
        EXPECT_EQ(p.Nationalitaet2(), r.ok ? r.v : 50) << r.v;
    }
    // Without a nation list only "none" is possible.
    EXPECT_FALSE(p.Nationalitaet2(0, {}));
    EXPECT_TRUE(p.Nationalitaet2(-1, {}));
}

TEST_F(SpielerTest, TextSettersRespectTheirLengthsAndTheNicknameFlag) {
    CSpieler p;
    EXPECT_TRUE(p.Nachname(std::string(16, 'a')));
    EXPECT_FALSE(p.Nachname(std::string(17, 'b')));
    EXPECT_EQ(p.Nachname(), std::string(16, 'a'));
    EXPECT_TRUE(p.Vorname(std::string(13, 'c')));
    EXPECT_FALSE(p.Vorname(std::string(14, 'd')));
    EXPECT_EQ(p.Vorname(), std::string(13, 'c'));
    // Umlauts count as one character each.
    EXPECT_TRUE(p.Nachname(Cp("Müller-Lüdenscheid")) == false);
    EXPECT_TRUE(p.Nachname(Cp("Müller-Lüdensch")));

    EXPECT_TRUE(p.Kuenstlername(std::string(30, 'k')));
    EXPECT_EQ(p.HatKuenstlername(), 1);
    EXPECT_FALSE(p.Kuenstlername(std::string(31, 'k')));
    EXPECT_EQ(p.Kuenstlername(), std::string(30, 'k'));
    EXPECT_TRUE(p.Kuenstlername(""));
    EXPECT_EQ(p.HatKuenstlername(), 0);

    // A line break or NUL would split or cut the stored line.
    EXPECT_FALSE(p.Nachname("Ab\ncd"));
    EXPECT_FALSE(p.Vorname("Ab\r"));
    EXPECT_FALSE(p.Kuenstlername(std::string("A\0B", 3)));
    EXPECT_EQ(p.Kuenstlername(), "");
}

TEST_F(SpielerTest, AbilitiesAreTriStateAndBestPlayerNeedsAStrength) {
    CSpieler p;
    EXPECT_TRUE(p.Faehigkeit(4, 1));
    EXPECT_EQ(p.Faehigkeit(4), 1);
    EXPECT_TRUE(p.Faehigkeit(4, -1));  // strong becomes weak only
    EXPECT_EQ(p.Faehigkeit(4), -1);
    EXPECT_EQ(p.FaehigkeitPlus(), 0u);
    EXPECT_EQ(p.FaehigkeitMinus(), 1u << 4);
    EXPECT_TRUE(p.Faehigkeit(4, 5));
    EXPECT_EQ(p.FaehigkeitPlus(), 1u << 4);
    EXPECT_EQ(p.FaehigkeitMinus(), 0u);
    EXPECT_TRUE(p.Faehigkeit(4, 0));
    EXPECT_EQ(p.Faehigkeit(4), 0);
    EXPECT_EQ(p.FaehigkeitPlus() | p.FaehigkeitMinus(), 0u);
    EXPECT_FALSE(p.Faehigkeit(0, 1));
    EXPECT_FALSE(p.Faehigkeit(17, 1));
    EXPECT_EQ(p.Faehigkeit(17), 0);

    EXPECT_FALSE(p.BesterSpieler(7));  // not a strength
    EXPECT_TRUE(p.Faehigkeit(7, 1));
    EXPECT_TRUE(p.Faehigkeit(2, -1));
    EXPECT_FALSE(p.BesterSpieler(2));  // a weakness
    EXPECT_TRUE(p.BesterSpieler(7));
    EXPECT_EQ(p.BesterSpielerMaske(), 1 << 7);
    EXPECT_EQ(p.BesterSpieler(), 7);
    EXPECT_FALSE(p.BesterSpieler(17));
    EXPECT_FALSE(p.BesterSpieler(-1));
    EXPECT_EQ(p.BesterSpieler(), 7);
    EXPECT_TRUE(p.BesterSpieler(0));
    EXPECT_EQ(p.BesterSpielerMaske(), 0);
    EXPECT_EQ(p.BesterSpieler(), 0);

    // Several bits (only from a file): the lowest ability counts.
    std::vector<std::string> section = kFullPlayerSection;
    section[26] = std::to_string((1 << 9) | (1 << 12));
    StoreSection(section);
    EXPECT_EQ(ReadOne().BesterSpieler(), 9);

    // Best in a position: only the player's own main position, or none.
    EXPECT_TRUE(p.Hauptposition(3));
    EXPECT_FALSE(p.BesterHauptposition(4));
    EXPECT_TRUE(p.BesterHauptposition(3));
    EXPECT_FALSE(p.BesterHauptposition(11));
    EXPECT_EQ(p.BesterHauptposition(), 3);
    EXPECT_TRUE(p.BesterHauptposition(0));
    EXPECT_EQ(p.BesterHauptposition(), 0);
}

TEST_F(SpielerTest, TraitBitsAndWholeMasks) {
    CSpieler p;
    EXPECT_TRUE(p.Eigenschaft(1, 1));
    EXPECT_TRUE(p.Eigenschaft(16, 1));
    EXPECT_EQ(p.Eigenschaft(), (1 << 1) | (1 << 16));
    EXPECT_TRUE(p.Eigenschaft(16));
    EXPECT_FALSE(p.Eigenschaft(2));
    EXPECT_TRUE(p.Eigenschaft(1, 2));  // any value but 1 clears
    EXPECT_EQ(p.Eigenschaft(), 1 << 16);
    EXPECT_FALSE(p.Eigenschaft(17, 1));
    EXPECT_FALSE(p.Eigenschaft(0, 1));
    EXPECT_EQ(p.Eigenschaft(), 1 << 16);

    EXPECT_TRUE(p.Charakter(5, 1));
    EXPECT_TRUE(p.Charakter(5));
    EXPECT_EQ(p.Charakter(), 1 << 5);
    EXPECT_TRUE(p.Charakter(5, 0));
    EXPECT_EQ(p.Charakter(), 0);
    EXPECT_TRUE(p.CharakterAll(0x1234));
    EXPECT_EQ(p.Charakter(), 0x1234);
    EXPECT_TRUE(p.EigenschaftAll(0));
    EXPECT_EQ(p.Eigenschaft(), 0);
}

TEST_F(SpielerTest, LooksKeepBeardAndHairStyleApart) {
    CSpieler p;
    EXPECT_TRUE(p.SetHaarTyp(3));
    EXPECT_TRUE(p.SetBartTyp(0, true));
    EXPECT_TRUE(p.SetBartTyp(2, true));
    EXPECT_EQ(p.BartHaarTyp(), 3u * 65536u + 5u);
    EXPECT_TRUE(p.SetBartTyp(0, false));
    EXPECT_EQ(p.GetBart(), 4);
    EXPECT_FALSE(p.SetBartTyp(4, true));
    EXPECT_FALSE(p.SetBartTyp(-1, true));
    EXPECT_FALSE(p.SetBart(0x10));
    EXPECT_FALSE(p.SetBart(-1));
    EXPECT_EQ(p.GetBart(), 4);
    EXPECT_TRUE(p.SetBart(9));
    EXPECT_TRUE(p.SetHaarTyp(1));
    EXPECT_EQ(p.BartHaarTyp(), 65536u + 9u);
}

TEST_F(SpielerTest, BirthDateSetsTheAge) {
    state->Saisonstartjahr = 2000;
    CSpieler p;
    struct Row {
        int d, m, y;
        const char* text;
        int alter;
    };
    const std::vector<Row> rows = {
        {30, 6, 1975, "30.06.1975", 25},
        {1, 7, 1975, "01.07.1975", 24},
        {31, 2, 1981, "28.02.1981", 19},
        {5, 3, 2004, "05.03.2004", 4},  // a year after the start counts as its distance
    };
    for (const Row& r : rows) {
        EXPECT_TRUE(p.GeburtsDatum(r.d, r.m, r.y));
        EXPECT_EQ(p.GeburtsDatum().Text(), r.text);
        EXPECT_EQ(p.StoredAlter(), r.alter) << r.text;
    }
    // A date the calendar cannot hold changes nothing.
    EXPECT_FALSE(p.GeburtsDatum(1, 13, 1980));
    EXPECT_FALSE(p.GeburtsDatum(0, 5, 1980));
    EXPECT_EQ(p.GeburtsDatum().Text(), "05.03.2004");
    EXPECT_EQ(p.StoredAlter(), 4);

    // Alter() recomputes against the current start year, as an 8-bit value.
    ASSERT_TRUE(p.GeburtsDatum(15, 8, 1980));
    state->Saisonstartjahr = 2003;
    EXPECT_EQ(p.Alter(), 22);
    EXPECT_EQ(p.StoredAlter(), 22);
    ASSERT_TRUE(p.GeburtsDatum(15, 8, 2003));
    EXPECT_EQ(p.Alter(), 255);  // born after June of the start year
}

TEST_F(SpielerTest, CopyTakesEveryValueAndTheLoadedMarker) {
    state->Saisonstartjahr = 2001;
    CSpieler full = FullPlayer();
    WriteOne(full);
    CSpieler loaded = ReadOne();
    CSpieler copy;
    ASSERT_FALSE(copy == loaded);
    copy.CopyDataFrom(loaded);
    EXPECT_TRUE(copy == loaded);
    EXPECT_EQ(copy.Geladen(), 1);
    CSpieler assigned;
    assigned = loaded;
    EXPECT_TRUE(assigned == loaded);
    EXPECT_EQ(WriteOne(assigned), Framed(kFullPlayerSection));
}

// ---------------------------------------------------------------- former and youth players

TEST_F(SpielerTest, FormerPlayerCarriesHisLastClubAfterThePlayerSection) {
    state->Saisonstartjahr = 2001;
    CSpieler squad = FullPlayer();
    std::vector<CExSpieler> former(2);
    former[0].CopyDataFrom(squad, 77, 12);
    EXPECT_TRUE(static_cast<const CSpieler&>(former[0]) == squad);
    EXPECT_EQ(former[0].LetzterVereinNation(), 77);
    EXPECT_EQ(former[0].LetzterVerein(), 12);
    EXPECT_EQ(former[0].GetClassNameA(), "CSpieler");
    EXPECT_EQ(former[1].LetzterVereinNation(), 0);
    EXPECT_EQ(former[1].LetzterVerein(), 0);
    EXPECT_TRUE(former[1].LetzterVerein(255));
    EXPECT_FALSE(former[1].LetzterVerein(256));
    EXPECT_FALSE(former[1].LetzterVereinNation(-1));
    EXPECT_EQ(former[1].LetzterVerein(), 255);

    Write([&](CV3File& f) {
        f.NewSection("EXSPIEL");
        for (CExSpieler& e : former) EXPECT_TRUE(e.SpeichernV3Localized(f, 0));
        f.EndSection(1);
    });
    std::vector<std::string> lines = ReadCrLfLines(path);
    std::vector<std::string> expectedStart = {"17373592", "%SECT%EXSPIEL"};
    expectedStart.insert(expectedStart.end(), kFullPlayerSection.begin(), kFullPlayerSection.end());
    expectedStart.push_back("77");
    expectedStart.push_back("12");
    ASSERT_GT(lines.size(), expectedStart.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + long(expectedStart.size())),
              expectedStart);
    EXPECT_EQ(lines[lines.size() - 3], "0");
    EXPECT_EQ(lines[lines.size() - 2], "255");

    Read([&](CV3File& f) {
        ASSERT_TRUE(f.FindSection("EXSPIEL"));
        for (const CExSpieler& expected : former) {
            CExSpieler e;
            EXPECT_TRUE(e.LadenV3Localized(f, 0));
            EXPECT_TRUE(e == expected);
        }
    });

    CExSpieler copy;
    copy.CopyDataFrom(former[0]);
    EXPECT_TRUE(copy == former[0]);
}

TEST_F(SpielerTest, FormerPlayerStopsAtTheFirstFailingStep) {
    CExSpieler e;
    e.LetzterVereinNation(5);
    e.LetzterVerein(6);
    // Outside a list section the two numbers have no place: the writer says so.
    Write([&](CV3File& f) { EXPECT_FALSE(e.SpeichernV3Localized(f, 0)); });

    // A file that ends after the player section: the numbers are missing.
    std::string bytes = "17373592\r\n%SECT%EXSPIEL\r\n";
    for (const std::string& line : kFullPlayerSection) bytes += line + "\r\n";
    WriteBytes(path, bytes);
    CExSpieler back;
    Read([&](CV3File& f) {
        ASSERT_TRUE(f.FindSection("EXSPIEL"));
        EXPECT_FALSE(back.LadenV3Localized(f, 0));
    });
    EXPECT_EQ(back.Geladen(), 1);
    EXPECT_EQ(back.LetzterVereinNation(), 0);

    // One number there, the second missing.
    WriteBytes(path, bytes + "9\r\n");
    Read([&](CV3File& f) {
        ASSERT_TRUE(f.FindSection("EXSPIEL"));
        EXPECT_FALSE(back.LadenV3Localized(f, 0));
    });
    EXPECT_EQ(back.LetzterVereinNation(), 9);
    EXPECT_EQ(back.LetzterVerein(), 0);
}

TEST_F(SpielerTest, YouthPlayer) {
    CAmateurJugendSpieler y;
    EXPECT_EQ(y.Nachname(), "NA000000");  // the surname's number is taken first
    EXPECT_EQ(y.Vorname(), "VN000001");
    EXPECT_EQ(y.VereinNr(), -1);
    EXPECT_EQ(y.GetClassNameA(), "CAmateurJugendSpieler");

    const std::vector<std::string> clubs = {"Eintracht", "Borussia", "Fortuna"};
    struct Row {
        int nr;
        std::string name;
    };
    for (const Row& r : std::vector<Row>{{-1, ""}, {0, ""}, {1, "Eintracht"}, {3, "Fortuna"}, {4, ""}}) {
        ASSERT_TRUE(y.VereinNr(r.nr));
        EXPECT_EQ(y.GetTeamName(clubs), r.name) << r.nr;
    }
    EXPECT_FALSE(y.VereinNr(-2));
    EXPECT_EQ(y.VereinNr(), 4);
    EXPECT_TRUE(y.Position(9));
    EXPECT_FALSE(y.Position(10));
    EXPECT_FALSE(y.Position(-1));
    EXPECT_EQ(y.Position(), 9);
    EXPECT_FALSE(y.Vorname("a\nb"));

    ASSERT_TRUE(y.Vorname(" Kai "));
    ASSERT_TRUE(y.Nachname("\tB\xF6hm"));
    ASSERT_TRUE(y.VereinNr(2));
    Write([&](CV3File& f) {
        f.NewSection("AJUGEND");
        EXPECT_TRUE(y.WriteValues(f));
        f.EndSection(1);
    });
    EXPECT_EQ(ReadCrLfLines(path), (std::vector<std::string>{"17373592", "%SECT%AJUGEND", "Kai", "B\xF6hm",
                                                             "2", "9", "%ENDSECT%AJUGEND"}));
    EXPECT_EQ(y.Vorname(), "Kai");

    CAmateurJugendSpieler back;
    Read([&](CV3File& f) {
        ASSERT_TRUE(f.FindSection("AJUGEND"));
        EXPECT_TRUE(back.ReadValues(f));
        // The list ends: nothing more to read.
        f.EndSection(1);
        CAmateurJugendSpieler none;
        EXPECT_FALSE(none.ReadValues(f));
        EXPECT_EQ(none.Vorname(), "VN000005");
    });
    EXPECT_EQ(back.Vorname(), "Kai");
    EXPECT_EQ(back.Nachname(), "B\xF6hm");
    EXPECT_EQ(back.VereinNr(), 2);
    EXPECT_EQ(back.Position(), 9);
}

// ---------------------------------------------------------------- texts

TEST(SpielerTexteTest, TablesHoldTheCodePage1252Words) {
    EXPECT_EQ(PositionShortText(1), "T");
    EXPECT_EQ(PositionShortText(10), "S");
    EXPECT_EQ(PositionShortText(0), "");
    EXPECT_EQ(PositionShortText(11), "");
    EXPECT_EQ(PositionText(10), Cp("Stürmer"));
    EXPECT_EQ(PositionText(6), "defensiver Mittelfeldspieler");

    // The same ability bit names different abilities for a goalkeeper and a striker.
    CSpieler keeper, striker;
    keeper.Hauptposition(kKeeperPosition);
    striker.Hauptposition(10);
    for (CSpieler* p : {&keeper, &striker}) p->Faehigkeit(1, 1);
    EXPECT_EQ(AbilityText(1, keeper.Hauptposition() == kKeeperPosition), Cp("Elfmetertöter"));
    EXPECT_EQ(AbilityText(1, striker.Hauptposition() == kKeeperPosition), "Kopfball");
    EXPECT_EQ(AbilityText(10, true), "");
    EXPECT_EQ(AbilityText(16, false), "Dribbling");

    struct Row {
        std::string_view actual;
        const char* utf8;
    };
    const std::vector<Row> rows = {
        {kFieldAbilityTexts[3], "Schußkraft"},
        {kFieldAbilityTexts[5], "Freistöße"},
        {kFieldAbilityTexts[8], "Laufstärke"},
        {kFieldAbilityTexts[13], "Spielübersicht"},
        {kKeeperAbilityTexts[7], "weite Abschläge"},
        {kKeeperAbilityTexts[8], "weite Abwürfe"},
        {PropertyText(1), "Kämpfernatur"},
        {PropertyText(13), "Schönwetterfußballer"},
        {PropertyText(16), "Leichtfuß"},
        {kPropertyLabels[15], "Bruder Leichtfuß"},
        {kPropertyLabels[2], "trainingsfauler Spieler"},
        {TraitText(1), "Führungsperson"},
        {TraitText(5), "Nervenbündel"},
        {TraitText(6), "Phlegma"},
        {kTraitLabels[5], "Phlegmatiker"},
        {TraitText(8), "Vereinsanhänger"},
        {TraitText(12), "Starallüren"},
        {TraitText(16), "Integrationsfigur"},
        {TalentText(5), "Zwei linke Füße"},
        {FootText(3), "Beidfüßig"},
        {InjuryText(3), "anfällig"},
        {InjuryText(7), "wehleidig"},
        {CrowdText(3), "Haßfigur"},
        {kHairColourTexts[kBaldHairColour], "Glatze"},
        {kHairStyleTexts[2], "Wuschelkopf"},
        {kBeardTexts[3], "Ziegenbart"},
        {kSkinColourTexts[3], "asiatisch"},
        {kRetiredFromNationalTeamText, "Aus Nationalmannschaft zurückgetreten"},
        {kRetiredAsCaptainText, "Als Kapitän zurückgetreten"},
        {kDomesticPlayerText, "Fußballinländer"},
        {kPropertiesHeading, "Eigenschaften"},
        {kTraitsHeading, "Charakter"},
    };
    for (const Row& r : rows) EXPECT_EQ(r.actual, Cp(r.utf8)) << r.utf8;
    EXPECT_EQ(TalentText(0), "");
    EXPECT_EQ(CrowdText(4), "");
}

}  // namespace
