#include "base/Layout.h"

#include <gtest/gtest.h>

#include "TestUtil.h"
#include "base/AppState.h"

using namespace v3;
namespace fs = std::filesystem;

TEST(Layout, NationNrFindsTheCountryOfANationalTeam) {
    ScopedAppState state;
    for (auto [nation, land] : {std::pair{14, 0}, {77, 36}, {6, 11}, {0, -1}, {-1, 37}, {200, -1}})
        EXPECT_EQ(NationNr(nation), land) << nation;
    // Slot 37 is changeable: a bonus country takes a lender's nation number.
    state->NationNummer[37] = 90;
    EXPECT_EQ(NationNr(90), 37);
    EXPECT_EQ(NationNr(-1), -1);
    state->NationNummer[11] = -1;  // the lender gives its number up meanwhile
    EXPECT_EQ(NationNr(-1), 11);
}

TEST(Layout, TablesAndFileNames) {
    ScopedAppState state;
    EXPECT_EQ(state->Laendername[7], "T\xFCrkei");
    EXPECT_EQ(state->Laenderkuerzel[0], "D");
    EXPECT_EQ(state->LigaAnzahl[5], 1);
    EXPECT_EQ(std::string(LigaDatei[5][0]), "liga1por.sav");
    EXPECT_EQ(std::string(LandDatei[kLandDateiInternat]), "Internat.sav");
    EXPECT_EQ(std::string(Kontinent[1]), "S\xFC" "damerika");
    EXPECT_EQ(JugendDatei(20), "Jugend20.sav");
    EXPECT_EQ(JugendAnzahl(3), 100);
    EXPECT_EQ(JugendAnzahl(4), 60);
    EXPECT_EQ(DatenPfad(kDirDataV3, LandDatei[0]), ".\\DATA.V3\\LandDeut.sav");
    EXPECT_EQ(WappenDatei(kDirDataV3, 0, 1), ".\\DATA.V3\\Wappen\\VW_D1.BMP");
    EXPECT_EQ(WappenDatei(kDirDataV3, 37, 12), ".\\DATA.V3\\Wappen\\BW_12.BMP");
    const auto& alt = AltformatKatalog();
    EXPECT_EQ(alt.size(), 8u + 20u + 19u + 35u + 3u);
    EXPECT_EQ(alt.back(), "Fanwaves.sav");
    EXPECT_NE(std::find(alt.begin(), alt.end(), "TTraSpan.sav"), alt.end());
}

TEST(Layout, HostPathMatchesExistingNamesWithoutRegardToCase) {
    ScopedAppState state;
    v3test::TempDir dir;
    fs::create_directories(dir.path() / "DATA.V3" / "WAPPEN");
    v3test::WriteBytes(dir.path() / "DATA.V3" / "WAPPEN" / "vw_d1.bmp", "x");
    state->installDir = dir.path();

    EXPECT_EQ(HostPath(".\\DATA.V3\\Wappen\\VW_D1.BMP"), dir.path() / "DATA.V3" / "WAPPEN" / "vw_d1.bmp");
    // Missing names keep their stored case below the deepest existing folder.
    EXPECT_EQ(HostPath(".\\data.v3\\Wappen\\TempD2.BMP"), dir.path() / "DATA.V3" / "WAPPEN" / "TempD2.BMP");
    EXPECT_EQ(HostPath(".\\DATA.ORG\\Kleinig.sav"), dir.path() / "DATA.ORG" / "Kleinig.sav");
    // A stored name never leads out of the installation.
    EXPECT_EQ(HostPath(".\\..\\..\\etc\\passwd"), dir.path() / "etc" / "passwd");
    // Code page 1252 names become UTF-8 host names.
    EXPECT_EQ(HostPath(".\\FanWaves\\Gr\xFC\xDF" "e.wav"), dir.path() / "FanWaves" / "Grüße.wav");
}
