// The club sheet's layout, the balance text and the pages of the check list.
#include "check/core/ClubSheet.h"

#include <gtest/gtest.h>

#include <optional>

#include "CheckTestSupport.h"
#include "check/core/CheckListPages.h"
#include "records/Nation.h"

using namespace v3;
using v3test::CheckData;

namespace {

// The text at (x, y), if the sheet holds one.
std::optional<std::string> At(const PrintPage& page, int x, int y, PrintFont* font = nullptr) {
    for (const PrintItem& item : page)
        if (item.x == x && item.y == y) {
            if (font) *font = item.font;
            return item.text;
        }
    return std::nullopt;
}

TEST(Guthaben, TenthsOfAMillion) {
    const std::pair<int32_t, const char*> cases[] = {
        {-25, "-2.5"}, {105, "10.5"}, {0, "0.0"}, {-5, "-0.5"}, {7, "0.7"}, {-2000, "-200.0"},
        {65511, "-2.5"},  // bit 15 set: a negative 16-bit value
        {32768, "-3276.8"}, {70000, "7000.0"}, {INT32_MIN, "-214748364.8"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(Guthaben(value), text) << value;
}

class ClubSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        club_ = &d_.Club(0, "FC Alpha");
        d_.Club(0, "SV Beta");
        d_.Club(0, "TuS Gamma");
        for (const char* name : {"Deutschland", "Brasilien"}) {
            nationen_.push_back(std::make_unique<CNation>());
            nationen_.back()->Name(name);
        }
        CVerein& c = *club_;
        c.Kuerzel("FCA");
        c.Anfeuerung("Auf geht's");
        c.Fanbezeichnung("Die Alphas");
        c.Fanaufkommen(2);
        c.Vorstand(4);
        c.Guthaben(-25);
        CTrainerUndCo t;
        t.Vorname("Otto");
        t.Nachname("Rehm");
        t.Kompetenz(12);
        t.Alter(51);
        t.Ruf(4);
        c.Trainer(t);
        CManager m;
        m.Vorname("Uli");
        m.Nachname("Hoch");
        m.Kompetenz(9);
        m.Alter(44);
        c.Manager(m);
        TRIKOTSATZ heim{};
        heim.TrikotFarbe = 1;
        heim.Streifen = 1;
        heim.StreifenFarbe = 0;
        heim.HosenFarbe = 11;
        heim.StutzenFarbe = 1;
        heim.Ringelsocken = 1;
        c.TrikotSatz(0, heim);
        CStadion& st = *c.Stadion();
        st.Name("Alphapark");
        st.Ort("Alphastadt");
        st.Anzeigetafel(TafelVideowand);
        st.Flutlicht(1);
        for (int s = 0; s < 4; ++s) {
            st.Stehplaetze(s, 1000 * (s + 1));
            st.Sitzplaetze(s, 100 * (s + 1));
            st.Logen(s, 10);
        }
        st.Dach(1, 1);
        st.Dach(3, 1);

        // Players with 0, 1 and 2 secondary positions.
        CSpieler& a = CheckData::Player(c, "Karl", "Adler", 1, 9);
        a.RueckenNummer(1);
        a.Alter(30);
        a.Nationalitaet(0x80 | 0);
        CSpieler& b = CheckData::Player(c, "Ben", "Berg", 3, 6);
        b.RueckenNummer(4);
        b.Nebenposition1(4);
        b.Nationalitaet(1);
        CSpieler& e = CheckData::Player(c, "Eli", "Conrad", 9, 8);
        e.RueckenNummer(10);
        e.Nebenposition1(7);
        e.Nebenposition2(10);
        e.Nationalitaet(99);  // no such nation
    }

    PrintPage Sheet() { return ClubSheet(*club_, d_.Land(0).VereinsListe(), nationen_); }

    CheckData d_;
    CVerein* club_ = nullptr;
    Liste<CNation> nationen_;
};

TEST_F(ClubSheetTest, GeneralDataCoachManagerAndStadium) {
    club_->FanFreundschaft(2);
    club_->ErzRivale(3);
    const PrintPage page = Sheet();
    PrintFont font{};
    EXPECT_EQ(At(page, 80, 54, &font), "FC Alpha");
    EXPECT_EQ(font, PrintFont::Title);
    EXPECT_EQ(At(page, 80, 100, &font), "Allgemeine Daten");
    EXPECT_EQ(font, PrintFont::Bold);
    const std::pair<const char*, const char*> allgemein[] = {
        {"Kürzel        :", "FCA"},          {"Anfeuerung    :", "Auf geht's"}, {"Fanbezeichnung:", "Die Alphas"},
        {"Fanfreundsch. :", "SV Beta"},      {"Erzrivale     :", "TuS Gamma"},  {"Fanaufkommen  :", "hoch"},
        {"Vorstand      :", "souverän"},     {"Guthaben      :", "-2.5 Millionen"},
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(At(page, 80, 118 + 18 * i, &font), Cp(allgemein[i].first));
        EXPECT_EQ(font, PrintFont::Normal);
        EXPECT_EQ(At(page, 205, 118 + 18 * i), Cp(allgemein[i].second));
    }
    // Kits: label, shirt with its second colour and pattern, shorts, socks.
    EXPECT_EQ(At(page, 456, 118), "1. Trikotsatz :");
    EXPECT_EQ(At(page, 456, 190), "2. Trikotsatz :");
    EXPECT_EQ(At(page, 580, 118), Cp("Rot/Weiß"));
    EXPECT_EQ(At(page, 580, 136), Cp("(längs gestreift)"));
    EXPECT_EQ(At(page, 456, 154), "Hose          :");
    EXPECT_EQ(At(page, 580, 154), "Schwarz");
    EXPECT_EQ(At(page, 456, 244), "Stutzen       :");
    EXPECT_EQ(At(page, 580, 172), "Rot (Ringelsocken)");
    EXPECT_EQ(At(page, 580, 190), Cp("Weiß"));  // a plain kit: no second colour, no pattern
    EXPECT_EQ(At(page, 580, 208), std::nullopt);

    const std::pair<int, const char*> staff[] = {
        {302, "Otto Rehm"}, {320, "12"}, {338, "51"}, {356, "Schleifer"}};
    for (auto [y, text] : staff) EXPECT_EQ(At(page, 205, y), text);
    EXPECT_EQ(At(page, 80, 284, &font), "Trainer");
    EXPECT_EQ(font, PrintFont::Bold);
    EXPECT_EQ(At(page, 80, 356), "Ruf           :");
    EXPECT_EQ(At(page, 456, 284), "Manager");
    EXPECT_EQ(At(page, 456, 338), "Alter     :");
    EXPECT_EQ(At(page, 550, 302), "Uli Hoch");
    EXPECT_EQ(At(page, 550, 320), "9");
    EXPECT_EQ(At(page, 550, 338), "44");

    EXPECT_EQ(At(page, 80, 396), "Stadion");
    const std::pair<int, const char*> stadion[] = {{414, "Alphapark"}, {432, "Alphastadt"}, {450, "Videowand"},
                                                   {468, "nein"},      {486, "ja"},         {504, "nein"}};
    for (auto [y, text] : stadion) EXPECT_EQ(At(page, 205, y), text);
    EXPECT_EQ(At(page, 80, 504), "Rasenheizung  :");
    EXPECT_EQ(At(page, 456, 414), Cp("Stehplätze        :"));
    EXPECT_EQ(At(page, 456, 504, &font), Cp("Gesamtkapazität    :"));
    EXPECT_EQ(font, PrintFont::Bold);
    // Stands 1 and 3 are roofed.
    const std::pair<int, const char*> plaetze[] = {{414, "4000"}, {432, "6000"}, {450, "400"}, {468, "600"}, {486, "40"}};
    for (auto [y, text] : plaetze) EXPECT_EQ(At(page, 618, y), text);
    EXPECT_EQ(At(page, 618, 504, &font), "11040");
    EXPECT_EQ(font, PrintFont::Bold);
}

TEST_F(ClubSheetTest, WithoutFriendOrRivalTheirPlacesStayEmpty) {
    const PrintPage page = Sheet();
    EXPECT_EQ(At(page, 80, 172), Cp("Fanfreundsch. :"));
    EXPECT_EQ(At(page, 205, 172), std::nullopt);
    EXPECT_EQ(At(page, 205, 190), std::nullopt);
    // A number that names no club of the country counts as none.
    club_->FanFreundschaft(9);
    EXPECT_EQ(At(Sheet(), 205, 172), std::nullopt);
}

TEST_F(ClubSheetTest, SquadRowsWithNoneOneAndTwoSecondaryPositions) {
    const PrintPage page = Sheet();
    const std::pair<int, const char*> heads[] = {{80, "Rnr."}, {112, "Name"}, {256, "Vorname"}, {344, "HP"},
                                                 {378, "NP"},  {426, "St."},  {456, "Alter"},   {500, "FI"},
                                                 {540, "Nationalität"}};
    for (auto [x, text] : heads) EXPECT_EQ(At(page, x, 564), Cp(text)) << text;
    EXPECT_EQ(At(page, 80, 544), "Spieler");

    struct Row {
        std::vector<std::pair<int, std::optional<std::string>>> cells;
    };
    const Row rows[] = {
        {{{80, "1"}, {112, "Adler"}, {256, "Karl"}, {344, "T"}, {376, std::nullopt}, {426, "9"}, {456, "30"},
          {488, "ja"}, {540, "Deutschland"}}},
        {{{80, "4"}, {112, "Berg"}, {344, "IV"}, {376, "LV"}, {426, "6"}, {488, "nein"}, {540, "Brasilien"}}},
        {{{80, "10"}, {344, "OM"}, {376, "LM,S"}, {540, std::nullopt}}},
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        for (const auto& [x, text] : rows[i].cells)
            EXPECT_EQ(At(page, x, 584 + 16 * int(i)), text) << "row " << i << " x " << x;
    EXPECT_EQ(At(page, 80, 584 + 16 * 3), std::nullopt);
}

TEST_F(ClubSheetTest, AClubWithoutStadiumPrintsItsLabelsOnly) {
    club_->Stadion(nullptr);
    const PrintPage page = Sheet();
    EXPECT_EQ(At(page, 80, 414), "Name          :");
    EXPECT_EQ(At(page, 205, 414), std::nullopt);
    EXPECT_EQ(At(page, 618, 504), std::nullopt);
}

TEST(CheckListPages, PagesHeadingFooterAndSeparators) {
    std::vector<std::string> lines;
    for (int i = 0; i < 10; ++i) lines.push_back(i % 3 == 2 ? " " : "Zeile " + std::to_string(i));
    // Room for four lines a page: 122 + 4 x 14 = 178, plus the footer line and the margin.
    const int height = kCheckListFirstLine + 3 * kCheckListLineHeight + 2 * kCheckListLineHeight + kCheckListMargin;
    const auto pages = CheckListPages(lines, 1000, height);
    ASSERT_EQ(pages.size(), 3u);
    const PrintPage& p1 = pages[0];
    EXPECT_EQ(p1.front(), (PrintItem{50, 50, PrintFont::Title, Cp("Gefundene doppelte Einträge"), PrintAlign::Left}));
    // Lines 0, 1, (separator), 3.
    ASSERT_EQ(p1.size(), 5u);
    EXPECT_EQ(p1[1], (PrintItem{50, 122, PrintFont::Normal, "Zeile 0", PrintAlign::Left}));
    EXPECT_EQ(p1[3], (PrintItem{50, 122 + 3 * 14, PrintFont::Normal, "Zeile 3", PrintAlign::Left}));
    EXPECT_EQ(p1[4], (PrintItem{500, 122 + 4 * 14, PrintFont::Normal, "Seite 1", PrintAlign::Centre}));
    EXPECT_EQ(pages[2].back().text, "Seite 3");
    EXPECT_EQ(pages[2][1].text, "Zeile 9");
    EXPECT_EQ(pages[2].back().y, 122 + 2 * 14);  // the last page ends after its two lines
    EXPECT_TRUE(CheckListPages({}, 2100, 2970).empty());
    // Paper too small for the heading still gets one line a page.
    EXPECT_EQ(CheckListPages({"a1", "b22"}, 100, 10).size(), 2u);
}

}  // namespace
