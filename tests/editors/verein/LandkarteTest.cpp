#include "editors/verein/rules/Landkarte.h"

#include <gtest/gtest.h>

#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"

using namespace v3;

namespace {

using v3test::TempDir;
using v3test::WriteBytes;

// A 448 x 40 mask open (bit 0) only in columns 100..199 of rows 10..29.
BmpImage Maske() {
    BmpImage m = BmpImage::Blank(448, 40, 1);
    m.palette = {BmpColour{255, 255, 255}, BmpColour{0, 0, 0}};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 448; ++x) m.At(x, y) = (x >= 100 && x < 200 && y >= 10 && y < 30) ? 0 : 1;
    return m;
}

struct LandkarteFixture : ::testing::Test {
    ScopedAppState app;
    TempDir dir;
    void SetUp() override {
        app->installDir = dir.path();
        std::filesystem::create_directories(dir.path() / "SUPPORT.GFX");
        WriteBytes(dir.path() / "SUPPORT.GFX" / "k_ger.jpg", "picture");
        WriteBytes(dir.path() / "SUPPORT.GFX" / "k_ger.bmp", WriteBmp(Maske()));
    }
};

TEST_F(LandkarteFixture, ClickIsTakenOnlyWhereTheMaskBitIs0) {
    CLandkarte k;
    k.Init(0, 0, -1, "FC Test", 3, 150, 20);
    EXPECT_FALSE(k.EingebautesBild());
    EXPECT_EQ(k.Bild(), HostPath(".\\SUPPORT.GFX\\k_ger.jpg"));
    const struct {
        int x, y;
        bool genommen;
    } faelle[] = {{100, 10, true}, {199, 29, true}, {99, 15, false}, {200, 15, false}, {150, 9, false},
                  {150, 30, false}, {-1, 15, false}, {150, -5, false}, {1000, 15, false}, {150, 400, false},
                  {120, 12, true}};
    int x = 150, y = 20;
    for (const auto& f : faelle) {
        EXPECT_EQ(k.Klick(f.x, f.y), f.genommen) << f.x << "," << f.y;
        if (f.genommen) x = f.x, y = f.y;
        EXPECT_EQ(k.X(), x);
        EXPECT_EQ(k.Y(), y);
    }
}

TEST_F(LandkarteFixture, MissingOrDamagedMaskFallsBackToTheBuiltInMap) {
    const std::pair<const char*, std::string> faelle[] = {
        {"no bitmap", "garbage"},
        {"8 bits", WriteBmp(BmpImage::Blank(32, 32, 8))},
        {"truncated", WriteBmp(Maske()).substr(0, 500)},
    };
    for (const auto& [was, bytes] : faelle) {
        WriteBytes(dir.path() / "SUPPORT.GFX" / "k_ger.bmp", bytes);
        CLandkarte k;
        k.Init(0, 0, -1, "FC Test", 1, 5, 5);
        EXPECT_TRUE(k.EingebautesBild()) << was;
        EXPECT_EQ(k.Maske().width, kKarteBreite) << was;
        EXPECT_FALSE(k.Klick(0, 0)) << was;
        EXPECT_TRUE(k.Klick(kKarteBreite / 2, kKarteHoehe / 2)) << was;
    }
    // A mask without its picture: the built-in pair as well.
    WriteBytes(dir.path() / "SUPPORT.GFX" / "k_ger.bmp", WriteBmp(Maske()));
    std::filesystem::remove(dir.path() / "SUPPORT.GFX" / "k_ger.jpg");
    CLandkarte k;
    k.Init(0, 0, -1, "FC Test", 1, 5, 5);
    EXPECT_TRUE(k.EingebautesBild());
}

TEST_F(LandkarteFixture, BonusCountryUsesItsOwnPictureAndMaskOrAPredefinedOne) {
    // Its own picture: the mask is the file of the same name with ".bmp".
    WriteBytes(dir.path() / "mine.jpg", "picture");
    WriteBytes(dir.path() / "mine.bmp", WriteBmp(Maske()));
    app->BonusKarteDatei = (dir.path() / "mine.jpg").string();
    CLandkarte eigene;
    eigene.Init(37, 2, -1, "FC Bonus", 1, 0, 0);
    EXPECT_EQ(eigene.Bild(), dir.path() / "mine.jpg");
    EXPECT_TRUE(eigene.Klick(150, 20));
    EXPECT_FALSE(eigene.Klick(50, 20));

    // A predefined nation's map from SUPPORT.GFX ("b2.jpg" for nation 1).
    WriteBytes(dir.path() / "SUPPORT.GFX" / "b2.jpg", "picture");
    WriteBytes(dir.path() / "SUPPORT.GFX" / "b2.bmp", WriteBmp(Maske()));
    CLandkarte vordefiniert;
    vordefiniert.Init(37, 2, 1, "FC Bonus", 1, 0, 0);
    EXPECT_EQ(vordefiniert.Bild(), HostPath(".\\SUPPORT.GFX\\b2.jpg"));

    // Its own mask damaged: built-in mask and picture.
    WriteBytes(dir.path() / "mine.bmp", "BMxx");
    CLandkarte kaputt;
    kaputt.Init(37, 2, -1, "FC Bonus", 1, 0, 0);
    EXPECT_TRUE(kaputt.EingebautesBild());
}

}  // namespace
