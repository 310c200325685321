#include "editors/verein/rules/StadionEditor.h"

#include <gtest/gtest.h>

#include "base/AppState.h"
#include "platform/Text1252.h"

using namespace v3;

namespace {

const char* const kUngueltig = "Bitte einen gültigen Wert eintragen!\n";
const char* const kZuViele = "Es sind zu viele Plätze dieses Typs eingestellt!";
const char* const kZuWenige = "Jede Tribüne muß mindestens 500 Plätze haben!";

// Stand 0 holds the given places; the others keep the record's defaults.
CStadion Stadion(int32_t logen, int32_t sitz, int32_t steh) {
    CStadion s;
    s.Logen(0, logen);
    s.Sitzplaetze(0, sitz);
    s.Stehplaetze(0, steh);
    return s;
}

struct StadionFixture : ::testing::Test {
    ScopedAppState app;
    ScriptedUserInterface ui;
    void SetUp() override { app->SetUserInterface(&ui); }
    std::string Meldung() const { return ui.messages.empty() ? "" : ui.messages.back().text; }
};

TEST_F(StadionFixture, LeavingAPlaceField) {
    const struct {
        const char* was;
        CStadion stadion;
        Platzart art;
        const char* text;
        int32_t danach;
        bool ok;
        const char* meldung;  // "" none
    } faelle[] = {
        {"40000 standing places", Stadion(0, 0, 1000), Platzart::Steh, "40000", 40000, true, ""},
        {"one more lowered to 40000", Stadion(0, 0, 1000), Platzart::Steh, "40001", 40000, true, ""},
        {"VIP at most a third", Stadion(0, 0, 0), Platzart::Logen, "13333", 13333, true, ""},
        {"VIP one more lowered", Stadion(0, 0, 0), Platzart::Logen, "13334", 13333, true, ""},
        {"seats: units 3 x 26667 / 2 = 40000", Stadion(0, 0, 0), Platzart::Sitz, "26667", 26667, true, ""},
        {"seats one more lowered", Stadion(0, 0, 0), Platzart::Sitz, "99999999999", 26667, true, ""},
        {"seats beside standing places", Stadion(0, 0, 10000), Platzart::Sitz, "30000", 20000, true, ""},
        {"499 places restore the old value", Stadion(0, 0, 800), Platzart::Steh, "499", 800, false, kZuWenige},
        {"500 places are enough", Stadion(0, 0, 800), Platzart::Steh, "500", 500, true, ""},
        {"not a number", Stadion(0, 0, 800), Platzart::Steh, "12a", 800, false, kUngueltig},
        {"negative", Stadion(0, 0, 800), Platzart::Steh, "-5", 800, false, kUngueltig},
        {"empty keeps the value", Stadion(0, 0, 800), Platzart::Steh, "", 800, true, ""},
        {"blanks around a number", Stadion(0, 0, 800), Platzart::Steh, " 900 ", 900, true, ""},
    };
    for (const auto& f : faelle) {
        ui.messages.clear();
        CStadionEditor ed(f.stadion, false);
        EXPECT_EQ(ed.FeldVerlassen(0, f.art, f.text), f.ok) << f.was;
        EXPECT_EQ(ed.tribuenen[0].Platz(f.art), f.danach) << f.was;
        EXPECT_EQ(Meldung(), f.meldung) << f.was;
        if (!ui.messages.empty()) {
            EXPECT_EQ(ui.messages.back().caption, "Achtung!") << f.was;
        }
    }
}

TEST_F(StadionFixture, CapacityTestTakesTheStandsInOrder) {
    CStadionEditor ed(CStadion{}, false);
    EXPECT_EQ(PruefeKapazitaet(ed.tribuenen), Kapazitaet::Gueltig);
    ed.tribuenen[3].Platz(Platzart::Steh) = 40001;
    EXPECT_EQ(PruefeKapazitaet(ed.tribuenen), Kapazitaet::ZuViele);
    ed.tribuenen[1].plaetze = {0, 0, 499};
    EXPECT_EQ(PruefeKapazitaet(ed.tribuenen), Kapazitaet::ZuWenige);
    // The most of one kind beside the other two.
    ed.tribuenen[1].plaetze = {0, 0, 600};
    ed.tribuenen[3].Platz(Platzart::Steh) = 500;
    ed.tribuenen[2].plaetze = {13000, 0, 0};
    EXPECT_EQ(ed.tribuenen[2].Hoechstens(Platzart::Steh), 1000);
    EXPECT_EQ(ed.tribuenen[2].Hoechstens(Platzart::Sitz), 667);
}

TEST_F(StadionFixture, PlaceUpDownMovesByTen) {
    CStadionEditor ed(Stadion(0, 0, 505), false);
    ed.PlatzUpDown(0, Platzart::Steh, 51);
    EXPECT_EQ(ed.tribuenen[0].Platz(Platzart::Steh), 515);
    ed.PlatzUpDown(0, Platzart::Steh, 50);
    EXPECT_EQ(ed.tribuenen[0].Platz(Platzart::Steh), 505);
    ed.PlatzUpDown(0, Platzart::Steh, 49);  // 495 places: too few, back
    EXPECT_EQ(ed.tribuenen[0].Platz(Platzart::Steh), 505);
    ed.tribuenen[1].Platz(Platzart::Logen) = 8;
    ed.PlatzUpDown(1, Platzart::Logen, 0);
    EXPECT_EQ(ed.tribuenen[1].Platz(Platzart::Logen), 0);
    CStadionEditor voll(Stadion(0, 0, 40000), false);
    voll.PlatzUpDown(0, Platzart::Steh, 4001);  // above the most: back
    EXPECT_EQ(voll.tribuenen[0].Platz(Platzart::Steh), 40000);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StadionFixture, OppositeStandsGoTogether) {
    CStadionEditor ed(CStadion{}, false);
    const struct {
        bool heim;
        int stand, heimDanach, gastDanach;
    } faelle[] = {{true, 3, 3, 2}, {true, 0, 0, 1}, {false, 0, 1, 0}, {false, 2, 3, 2}, {true, 1, 1, 0}};
    for (const auto& f : faelle) {
        f.heim ? ed.HeimWaehlen(f.stand) : ed.GastWaehlen(f.stand);
        EXPECT_EQ(ed.heim, f.heimDanach);
        EXPECT_EQ(ed.gast, f.gastDanach);
    }
}

TEST_F(StadionFixture, HeatersDisabledAreWrittenBackUnchanged) {
    CStadion s;
    s.WaermeStrahler(1, 1);
    CStadionEditor ed(s, true);
    EXPECT_FALSE(ed.Heizung(1, false));
    EXPECT_FALSE(ed.Heizung(0, true));
    ed.tribuenen[0].heizung = true;  // even a value set behind the box's back
    ASSERT_TRUE(ed.Ok());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ed.Kopie().WaermeStrahler(i), i == 1 ? 1 : 0) << i;

    CStadionEditor frei(s, false);
    EXPECT_TRUE(frei.Heizung(2, true));
    ASSERT_TRUE(frei.Ok());
    EXPECT_EQ(frei.Kopie().WaermeStrahler(2), 1);
}

TEST_F(StadionFixture, LaufbahnSetsAllFourEntries) {
    CStadion s;
    CStadionEditor ed(s, false);
    EXPECT_FALSE(ed.laufbahn);
    ed.laufbahn = true;
    ASSERT_TRUE(ed.Ok());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ed.Kopie().LaufBahn(i), 1) << i;

    // Entries that differ are shown ticked and stay as stored while the box
    // is left alone; unticking clears all four.
    s.LaufBahn(2, 1);
    CStadionEditor gemischt(s, false);
    EXPECT_TRUE(gemischt.laufbahn);
    ASSERT_TRUE(gemischt.Ok());
    EXPECT_EQ(gemischt.Kopie(), s);
    gemischt.laufbahn = false;
    ASSERT_TRUE(gemischt.Ok());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(gemischt.Kopie().LaufBahn(i), 0) << i;
}

TEST_F(StadionFixture, OkWritesEveryValueAndChangesNothingUntouched) {
    CStadion s;
    s.Name("Waldstadion");
    s.Ort(Cp("Grünwald"));
    s.Rasenheizung(2);  // a flag stored as more than 1 stays as it is
    s.Dach(3, 1);
    CStadionEditor unveraendert(s, false);
    ASSERT_TRUE(unveraendert.Ok());
    EXPECT_EQ(unveraendert.Kopie(), s);

    CStadionEditor ed(s, false);
    ed.name = "Neues Stadion";
    ed.ort = "Au";
    ed.tribuenen[2].plaetze = {100, 2000, 3000};
    ed.tribuenen[1].dach = true;
    ed.ZustandSetzen(0, 5);
    ed.HeimWaehlen(1);
    ed.tafel = TafelVideowand;
    ed.flutlicht = ed.burg = ed.schloss = true;
    ed.rasenheizung = false;
    ASSERT_TRUE(ed.Ok());
    const CStadion& k = ed.Kopie();
    EXPECT_EQ(k.Name(), "Neues Stadion");
    EXPECT_EQ(k.Ort(), "Au");
    EXPECT_EQ(k.Logen(2), 100);
    EXPECT_EQ(k.Sitzplaetze(2), 2000);
    EXPECT_EQ(k.Stehplaetze(2), 3000);
    EXPECT_EQ(k.Dach(1), 1);
    EXPECT_EQ(k.Dach(3), 1);
    EXPECT_EQ(k.Zustand(0), 5);
    EXPECT_EQ(k.HeimTribuene(), 1);
    EXPECT_EQ(k.GaesteTribuene(), 0);
    EXPECT_EQ(k.Anzeigetafel(), TafelVideowand);
    EXPECT_EQ(k.Flutlicht(), 1);
    EXPECT_EQ(k.Burg(), 1);
    EXPECT_EQ(k.Schloss(), 1);
    EXPECT_EQ(k.Rasenheizung(), 0);
    const StadionUebersicht u = ed.Uebersicht();
    EXPECT_EQ(u.stehUeberdacht, 500 + 500);  // stands 1 and 3 under a roof
    EXPECT_EQ(u.stehOffen, 500 + 3000);
    EXPECT_EQ(u.sitzOffen, 500 + 2000);
    EXPECT_EQ(u.vip, 250 * 3 + 100);
    EXPECT_EQ(u.gesamt, 1250 * 3 + 5100);
}

TEST_F(StadionFixture, OkRefusesShortTextsAndBrokenCapacity) {
    const CStadion vorher;
    CStadionEditor ed(vorher, false);
    ed.name = "X";
    EXPECT_FALSE(ed.Ok());
    EXPECT_EQ(Meldung(), "Bitte in dieses Feld mindestens 2 Zeichen eingeben.");
    ed.name = "Arena";
    ed.tribuenen[3].plaetze = {0, 0, 100};
    EXPECT_FALSE(ed.Ok());
    EXPECT_EQ(Meldung(), kZuWenige);
    ed.tribuenen[3].plaetze = {0, 0, 40001};
    EXPECT_FALSE(ed.Ok());
    EXPECT_EQ(Meldung(), kZuViele);
    EXPECT_EQ(ed.Kopie(), vorher);
}

}  // namespace
