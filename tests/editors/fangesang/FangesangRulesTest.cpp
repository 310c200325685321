// The rules of the chant and talk editors: storing the fields (the player
// boxes by kind, "Alle" as -1, the refused empty name), the pop-up commands
// with their checks and question, OK dropping empty and blank-only texts and
// trimming the rest, own chants added in name order, and the talks.
#include <gtest/gtest.h>

#include <functional>

#include "TestUtil.h"
#include "editors/fangesang/TestWav.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "editors/fangesang/rules/AnsprachenRules.h"
#include "editors/fangesang/rules/FangesangRules.h"
#include "editors/fangesang/rules/PlaySound.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3 {
namespace {

class FangesangRules : public ::testing::Test {
protected:
    FangesangRules() { state->SetUserInterface(&ui); }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& m : ui.messages) t.push_back(m.text);
        return t;
    }
    static Liste<CFangesang> Gesaenge(std::initializer_list<const char*> texte) {
        Liste<CFangesang> l;
        for (const char* t : texte) {
            l.push_back(std::make_unique<CFangesang>());
            l.back()->Text(t);
        }
        return l;
    }
    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(FangesangRules, OkDropsEmptyAndBlankTextsAndTrimsTheRest) {
    Liste<CFangesang> global = Gesaenge({"  Auf geht's!  ", "   ", "", "\t", "Tor!"});
    CFangesang* alt = global[0].get();
    CGesangListe<CFangesang> r(global);
    ASSERT_EQ(r.Anzahl(), 5);
    ASSERT_TRUE(r.Uebernehmen(r.Zeige(0)));
    ASSERT_EQ(global.size(), 2u);
    EXPECT_EQ(global[0]->Text(), "Auf geht's!");
    EXPECT_EQ(global[1]->Text(), "Tor!");
    EXPECT_NE(global[0].get(), alt) << "the copies replace the records";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FangesangRules, StoringTheFieldsIntoTheSelectedChant) {
    Liste<CFangesang> global = Gesaenge({"eins", "zwei"});
    global[1]->Verein(4);
    global[1]->Art(ArtSpott);
    global[1]->SpielerName("Meier");
    CGesangListe<CFangesang> r(global);

    // The shown fields: the box of the chant's kind holds the player.
    GesangEingabe e = r.Zeige(1);
    EXPECT_TRUE(e.spott);
    EXPECT_FALSE(e.tor);
    EXPECT_EQ(e.spottName, "Meier");
    EXPECT_EQ(e.verein, 4);

    struct Fall {
        const char* was;
        std::function<void(GesangEingabe&)> aendern;
        bool ok;
        std::string spieler;  // the stored player name when ok
        int32_t verein;
    };
    const std::vector<Fall> faelle = {
        {"\"Alle\" stores -1", [](GesangEingabe& f) { f.verein = -1; }, true, "Meier", -1},
        {"the name is trimmed", [](GesangEingabe& f) { f.spottName = "  Kahn "; }, true, "Kahn", 4},
        {"an empty name is refused", [](GesangEingabe& f) { f.spottName = "  "; }, false, "", 4},
        {"no box ticked clears the player", [](GesangEingabe& f) { f.spott = false; }, true, "", 4},
        {"the box of another kind counts for nothing", [](GesangEingabe& f) { f.art = ArtAnfeuerung; }, true, "", 4},
        {"the goal box of a cheer",
         [](GesangEingabe& f) {
             f.art = ArtJubel;
             f.tor = true;
             f.torName = "Bauer";
         },
         true, "Bauer", 4},
    };
    for (const auto& f : faelle) {
        CGesangListe<CFangesang> k(global);
        ASSERT_TRUE(k.Waehle(1, k.Zeige(0)));
        GesangEingabe felder = k.Zeige(1);
        f.aendern(felder);
        ui.messages.clear();
        EXPECT_EQ(k.Speichern(felder), f.ok) << f.was;
        if (f.ok) {
            EXPECT_TRUE(ui.messages.empty()) << f.was;
            EXPECT_EQ(k.Kopie(1).SpielerName(), f.spieler) << f.was;
            EXPECT_EQ(k.Kopie(1).IsSpielerGesang(), f.spieler.empty() ? 0 : 1) << f.was;
            EXPECT_EQ(k.Kopie(1).Verein(), f.verein) << f.was;
        } else {
            EXPECT_EQ(Texte(), std::vector<std::string>{kBitteNamen}) << f.was;
            EXPECT_EQ(ui.messages[0].caption, "Achtung!");
            EXPECT_TRUE(k.Kopie(1) == *global[1]) << f.was << ": the chant is unchanged";
            // Switching away is refused too, so the input stays on screen.
            EXPECT_FALSE(k.Waehle(0, felder));
            EXPECT_EQ(k.Auswahl(), 1);
        }
    }
}

TEST_F(FangesangRules, NewDuplicateAndDelete) {
    Liste<CFangesang> global = Gesaenge({"eins"});
    CGesangListe<CFangesang> r(global);

    // The only chant stays.
    EXPECT_FALSE(r.Loeschen());
    EXPECT_EQ(Texte(), std::vector<std::string>{kLetzterFangesang});

    GesangEingabe felder = r.Zeige(0);
    felder.text = "eins!";
    felder.nation = 7;
    ASSERT_TRUE(r.Neu(felder));
    EXPECT_EQ(r.Kopie(0).Text(), "eins!") << "stored before the new chant";
    ASSERT_EQ(r.Anzahl(), 2);
    EXPECT_EQ(r.Auswahl(), 1);
    EXPECT_EQ(r.Kopie(1).Land(), 7);
    EXPECT_EQ(r.Kopie(1).Verein(), -1);
    EXPECT_EQ(r.Kopie(1).Text(), "");

    felder = r.Zeige(1);
    felder.text = "zwei";
    felder.haeufigkeit = 2;
    ASSERT_TRUE(r.Duplizieren(felder));
    ASSERT_EQ(r.Anzahl(), 3);
    EXPECT_EQ(r.Auswahl(), 2);
    EXPECT_TRUE(r.Kopie(2) == r.Kopie(1));
    EXPECT_EQ(r.Kopie(2).Text(), "zwei");

    // Delete asks; Cancel keeps, OK removes and selects the new last chant.
    ui.messages.clear();
    ui.Answer(MsgResult::Cancel);
    EXPECT_FALSE(r.Loeschen());
    EXPECT_EQ(r.Anzahl(), 3);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kWirklichLoeschen);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    ASSERT_TRUE(r.Loeschen());
    EXPECT_EQ(r.Anzahl(), 2);
    EXPECT_EQ(r.Auswahl(), 1);
    // Deleting in the middle keeps the index.
    ASSERT_TRUE(r.Waehle(0, r.Zeige(1)));
    ASSERT_TRUE(r.Neu(r.Zeige(0)));
    ASSERT_TRUE(r.Waehle(0, r.Zeige(2)));
    ASSERT_TRUE(r.Loeschen());
    EXPECT_EQ(r.Auswahl(), 0);
    EXPECT_EQ(r.Kopie(0).Text(), "zwei");

    // Without a selection.
    ASSERT_TRUE(r.Waehle(-1, r.Zeige(0)));
    ui.messages.clear();
    EXPECT_FALSE(r.Loeschen());
    EXPECT_FALSE(r.Duplizieren(GesangEingabe{}));
    EXPECT_EQ(Texte(), (std::vector<std::string>{kBitteSelektieren, kBitteSelektieren}));
    EXPECT_EQ(global.size(), 1u) << "the data set is untouched before OK";
    EXPECT_EQ(global[0]->Text(), "eins");
}

TEST_F(FangesangRules, CountryAndClubChoices) {
    auto& d = Daten();
    for (int i = 0; i <= kBonusLandIndex; ++i) d.AlleLaender.push_back(std::make_unique<CLand>());
    for (const char* name : {"Nordstadt", "Südhafen"}) {
        Liste<CVerein>& vereine = d.AlleLaender[0]->VereinsListe();
        vereine.push_back(std::make_unique<CVerein>(int(vereine.size()) + 1));
        vereine.back()->Name(Cp(name));
    }
    const int32_t nation0 = App().NationNummer[0];
    const auto vereine = VereinsAuswahl(nation0, 2);
    EXPECT_EQ(vereine, (std::vector<AuswahlEintrag>{{"Alle", -1}, {"Nordstadt", 1}, {Cp("Südhafen"), 2}}));
    // A club number naming no club is kept as it is.
    EXPECT_EQ(VereinsAuswahl(nation0, 9).back(), (AuswahlEintrag{"Verein Nr. 9", 9}));

    auto laender = LandAuswahl(nation0);
    ASSERT_EQ(laender.size(), std::size_t(kHauptlaender)) << "no bonus country without a name";
    EXPECT_EQ(laender[3].wert, App().NationNummer[3]);
    App().Laendername[kBonusLandIndex] = "Bonusland";
    App().NationNummer[kBonusLandIndex] = 100;
    laender = LandAuswahl(nation0);
    ASSERT_EQ(laender.size(), std::size_t(kHauptlaender + 1));
    EXPECT_EQ(laender.back(), (AuswahlEintrag{"Bonusland", 100}));
    // A chant of a further country keeps its nation.
    const int32_t nation20 = App().NationNummer[20];
    EXPECT_EQ(LandAuswahl(nation20).back().wert, nation20);
}

TEST_F(FangesangRules, OwnChantsAreAddedInNameOrderAfterTheFormatTest) {
    v3test::TempDir dir;
    App().installDir = dir.path();
    std::filesystem::create_directories(dir.path() / "FanWaves");
    v3test::WriteBytes(dir.path() / "FanWaves" / "c.wav", v3test::TestWav(16, 2, 22050));
    v3test::WriteBytes(dir.path() / "FanWaves" / "mono.wav", v3test::TestWav(16, 1, 22050));

    Liste<CEigenerFangesang> global;
    for (const char* t : {"a.wav", "D.wav"}) {
        global.push_back(std::make_unique<CEigenerFangesang>());
        global.back()->Text(t);
    }
    CGesangListe<CEigenerFangesang> r(global);
    GesangEingabe felder = r.Zeige(0);
    felder.nation = 5;
    ASSERT_TRUE(r.DateiHinzufuegen("c.wav", felder));
    ASSERT_EQ(r.Anzahl(), 3);
    EXPECT_EQ(r.Auswahl(), 1);
    EXPECT_EQ(r.Kopie(1).Text(), "c.wav");
    EXPECT_EQ(r.Kopie(1).Land(), 5);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_FALSE(r.DateiHinzufuegen("mono.wav", felder));
    EXPECT_FALSE(r.DateiHinzufuegen("", felder));
    EXPECT_EQ(Texte(), (std::vector<std::string>{kFalschesWaveFormat, kBitteDatei}));
    EXPECT_EQ(r.Anzahl(), 3);
    ASSERT_TRUE(r.Uebernehmen(r.Zeige(1)));
    ASSERT_EQ(global.size(), 3u);
    EXPECT_EQ(global[2]->Text(), "D.wav");
}

TEST_F(FangesangRules, TalksNeedAFileAndATypeAndOkKeepsThoseWithAFile) {
    v3test::TempDir dir;
    App().installDir = dir.path();
    std::filesystem::create_directories(dir.path() / "Ansprachen");
    v3test::WriteBytes(dir.path() / "Ansprachen" / "lob.wav", "x");

    Liste<CHalbzeitAnsprache> global;
    global.push_back(std::make_unique<CHalbzeitAnsprache>());  // no file
    global.push_back(std::make_unique<CHalbzeitAnsprache>());
    ASSERT_TRUE(global[1]->AnsprachenFileName("lob.wav"));
    global[1]->AnsprachenTyp(1);
    CAnsprachenListe r(global);
    EXPECT_EQ(ComposeString(r.Kopie(1)), "Spieler loben - lob.wav");
    EXPECT_EQ(ComposeString(r.Kopie(0)), "");

    EXPECT_FALSE(r.Neu("", 3));
    EXPECT_FALSE(r.Neu("lob.wav", -1));
    EXPECT_FALSE(r.Neu("weg.wav", 3));
    EXPECT_EQ(Texte(), (std::vector<std::string>{kBitteDatei, kBitteAnsprachentyp, kWaveNichtLesbar}));
    ASSERT_TRUE(r.Neu("lob.wav", 12));
    EXPECT_EQ(ComposeString(r.Kopie(2)), "Wenn wir dieses Spiel verlieren... - lob.wav");
    r.Loeschen(1);
    r.Loeschen(7);
    r.Uebernehmen(global);
    ASSERT_EQ(global.size(), 1u);
    EXPECT_EQ(global[0]->AnsprachenTyp(), 12);
}

}  // namespace
}  // namespace v3
