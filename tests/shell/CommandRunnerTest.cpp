// The menu's command steps: guard, chooser, repaint, wait, the action and how
// DatenGeaendert and AnimationAktiv are left.
#include <gtest/gtest.h>

#include <set>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "records/ExSpieler.h"
#include "records/ISchiri.h"
#include "records/Land.h"
#include "records/Spieler.h"
#include "shell/CommandRunner.h"
#include "shell/DocCommands.h"

namespace v3 {
namespace {

struct FakeHost : ICommandHost {
    std::vector<std::string> events;
    std::optional<int> countryAnswer;
    std::optional<int> poolAnswer;
    void RepaintView() override { events.push_back("repaint"); }
    void Wait(int ms) override { events.push_back("wait " + std::to_string(ms)); }
    std::optional<int> ChooseCountry(int mode) override {
        events.push_back("country " + std::to_string(mode));
        return countryAnswer;
    }
    std::optional<int> ChoosePool() override {
        events.push_back("pool");
        return poolAnswer;
    }
};

class CommandRunnerTest : public ::testing::Test {
protected:
    CommandRunnerTest() {
        state->SetUserInterface(&ui);
        for (const auto& c : MenuCommands())
            runner.Register(c.handler, [this, h = std::string(c.handler)](const CommandArgs& a) {
                EXPECT_FALSE(App().AnimationAktiv) << h;
                host.events.push_back("open " + h);
                args = a;
                return editorOk;
            });
    }
    void LoadSomething() {
        Daten().AlleLaender.push_back(std::make_unique<CLand>());
        Daten().ExSpielerListe.push_back(std::make_unique<CExSpieler>());
        Daten().ISchiriListe.push_back(std::make_unique<CISchiri>());
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    FakeHost host;
    CommandRunner runner{host};
    CommandArgs args;
    bool editorOk = true;
};

TEST_F(CommandRunnerTest, TableIsWellFormed) {
    std::set<std::string_view> handlers;
    for (const auto& c : MenuCommands()) {
        EXPECT_TRUE(handlers.insert(c.handler).second) << c.handler;
        EXPECT_NE(std::find(std::begin(kMenus), std::end(kMenus), c.menu), std::end(kMenus)) << c.menu;
    }
    EXPECT_EQ(handlers.size(), 47u);
    EXPECT_EQ(FindMenuCommand("OnFileSave")->shortcut, "Ctrl+S");
    EXPECT_EQ(FindMenuCommand("OnHelpFinder")->shortcut, "F1");
    EXPECT_EQ(FindMenuCommand("OnFileSave")->text, "&Speichern");
}

TEST_F(CommandRunnerTest, GuardRefusesEveryGuardedCommandWithoutDataSet) {
    for (const auto& c : MenuCommands()) {
        ui.messages.clear();
        host.events.clear();
        App().DatenGeaendert = false;
        CommandOutcome out = runner.Run(c.handler);
        bool needsData = c.guard == Guard::DataSet || c.guard == Guard::DataSetAndOthers ||
                         c.guard == Guard::IntReferees;
        if (needsData) {
            EXPECT_EQ(out, CommandOutcome::Refused) << c.handler;
            ASSERT_EQ(ui.messages.size(), 1u) << c.handler;
            EXPECT_EQ(ui.messages[0].text, "Es ist kein VOLTARO 3-Datensatz geladen!");
            EXPECT_EQ(ui.messages[0].caption, "Fehler!");
            EXPECT_EQ(ui.messages[0].buttons, MsgButtons::Ok);
            EXPECT_TRUE(host.events.empty()) << c.handler;
            EXPECT_FALSE(App().DatenGeaendert) << c.handler;
        } else if (c.guard == Guard::FormerPlayers) {
            EXPECT_EQ(out, CommandOutcome::Refused);
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, "Es sind derzeit keine Spieler im Pool!");
            EXPECT_EQ(ui.messages[0].caption, "Achtung!");
        } else {
            EXPECT_NE(out, CommandOutcome::Refused) << c.handler;
        }
        EXPECT_TRUE(App().AnimationAktiv) << c.handler;
    }
}

TEST_F(CommandRunnerTest, StepsRunInOrderAndChoiceReachesTheEditor) {
    LoadSomething();
    struct Case {
        const char* handler;
        std::optional<int> answer;
        std::vector<std::string> events;
        int land, mode;
    } cases[] = {
        {"OnVereinsAuswahl", {}, {"repaint", "open OnVereinsAuswahl"}, -1, 0},
        {"OnNationalAlphabetischespielerliste", 3,
         {"country -1", "repaint", "wait 1000", "open OnNationalAlphabetischespielerliste"}, 3, 0},
        {"OnVerband", 7, {"country 6", "open OnVerband"}, 7, 0},
        {"OnVereinespielerJugendundamateurspieler", 2,
         {"country 1", "open OnVereinespielerJugendundamateurspieler"}, 2, 0},
        {"OnBesonderesLigenzusammensetzung", 10, {"country 10", "open OnBesonderesLigenzusammensetzung"}, 10, 0},
        {"OnBesonderesLigenzusammensetzung", 11, {"country 10", "open OnBesonderesLigenzusammensetzung"}, 11, 1},
        {"OnDrucken", 36, {"country 12", "open OnDrucken"}, 36, 1},
    };
    for (const auto& c : cases) {
        host.events.clear();
        host.countryAnswer = c.answer;
        App().AktuellesLand = 0;
        EXPECT_EQ(runner.Run(c.handler), CommandOutcome::Ok) << c.handler;
        EXPECT_EQ(host.events, c.events) << c.handler;
        EXPECT_EQ(args.land, c.land) << c.handler;
        EXPECT_EQ(args.mode, c.mode) << c.handler;
        if (c.land >= 0) {
            EXPECT_EQ(App().AktuellesLand, c.land);
        }
    }
}

TEST_F(CommandRunnerTest, NationalSquadsTakeANationAndKeepTheCountry) {
    LoadSomething();
    App().AktuellesLand = 4;
    host.countryAnswer = 91;
    EXPECT_EQ(runner.Run("OnInternationalMitgliederdernationalmannschaft"), CommandOutcome::Ok);
    EXPECT_EQ(host.events.front(), "country 11");
    EXPECT_EQ(args.nation, 91);
    EXPECT_EQ(App().AktuellesLand, 4);
}

TEST_F(CommandRunnerTest, PoolsRunWithoutDataSetAndStopOnCancel) {
    host.poolAnswer = 16;
    EXPECT_EQ(runner.Run("OnInternationalSpielerpools"), CommandOutcome::Ok);
    EXPECT_EQ(args.pool, 16);
    host.events.clear();
    host.poolAnswer.reset();
    EXPECT_EQ(runner.Run("OnInternationalSpielerpools"), CommandOutcome::Cancelled);
    EXPECT_EQ(host.events, std::vector<std::string>{"pool"});
}

// DatenGeaendert after each kind of command: "yes" marks whatever the result,
// also after a cancelled chooser; "on OK" only after OK; the others never.
TEST_F(CommandRunnerTest, DatenGeaendertFollowsTheTable) {
    LoadSomething();
    struct Case {
        const char* handler;
        std::optional<int> chooser;  // answer of the country chooser
        bool editorOk;
        CommandOutcome outcome;
        bool marked;
    } cases[] = {
        {"OnVereinsAuswahl", {}, true, CommandOutcome::Ok, true},
        {"OnVereinsAuswahl", {}, false, CommandOutcome::NotOk, true},
        {"OnVereinespielerManager", {}, true, CommandOutcome::Cancelled, true},
        {"OnVereinespielerManager", 2, false, CommandOutcome::NotOk, true},
        {"OnBesonderesSpielplne", 2, true, CommandOutcome::Ok, true},
        {"OnBesonderesSpielplne", 2, false, CommandOutcome::NotOk, false},
        {"OnBesonderesSpielplne", {}, true, CommandOutcome::Cancelled, false},
        {"OnBesonderesLigenzusammensetzung", 20, true, CommandOutcome::Ok, true},
        {"OnBesonderesLigenzusammensetzung", 20, false, CommandOutcome::NotOk, false},
        {"OnDrucken", 3, true, CommandOutcome::Ok, false},
        {"OnAppAbout", {}, true, CommandOutcome::Ok, false},
        {"OnHelpFinder", {}, true, CommandOutcome::Ok, false},
    };
    for (const auto& c : cases) {
        App().DatenGeaendert = false;
        host.countryAnswer = c.chooser;
        editorOk = c.editorOk;
        host.events.clear();
        EXPECT_EQ(runner.Run(c.handler), c.outcome) << c.handler;
        EXPECT_EQ(App().DatenGeaendert, c.marked) << c.handler << " ok=" << c.editorOk;
        if (c.outcome == CommandOutcome::Cancelled) {
            EXPECT_EQ(host.events.size(), 1u) << "no dialog after a cancelled chooser";
        }
        EXPECT_TRUE(App().AnimationAktiv);
    }
}

TEST_F(CommandRunnerTest, OtherPlayersGetADefaultPlayerWhenEmpty) {
    LoadSomething();
    ASSERT_TRUE(Daten().SonstigeSpielerListe.empty());
    EXPECT_EQ(runner.Run("OnInternationalSonstigespieler"), CommandOutcome::Ok);
    EXPECT_EQ(Daten().SonstigeSpielerListe.size(), 1u);
    runner.Run("OnInternationalSonstigespieler");
    EXPECT_EQ(Daten().SonstigeSpielerListe.size(), 1u);
}

TEST_F(CommandRunnerTest, UnregisteredAndRunOnceEntriesAreDisabled) {
    CommandRunner fresh(host);
    EXPECT_FALSE(fresh.IsEnabled("OnVereinsAuswahl"));
    EXPECT_EQ(fresh.Run("OnVereinsAuswahl"), CommandOutcome::Disabled);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(fresh.Run("NoSuchCommand"), CommandOutcome::Disabled);

    // The conversion stays available while it has not run through.
    bool converted = false;
    fresh.Register("OnDateiV2dateneinlesen", [&](const CommandArgs&) { return converted; });
    EXPECT_EQ(fresh.Run("OnDateiV2dateneinlesen"), CommandOutcome::NotOk);
    EXPECT_TRUE(fresh.IsEnabled("OnDateiV2dateneinlesen"));
    converted = true;
    EXPECT_EQ(fresh.Run("OnDateiV2dateneinlesen"), CommandOutcome::Ok);
    EXPECT_FALSE(fresh.IsEnabled("OnDateiV2dateneinlesen"));
    EXPECT_EQ(fresh.Run("OnDateiV2dateneinlesen"), CommandOutcome::Disabled);
}

// The document's four Datei commands are registered; the save refuses an empty data set.
TEST_F(CommandRunnerTest, DocumentCommandsAreRegistered) {
    CEDITORDoc doc;
    CommandRunner fresh(host);
    RegisterDocCommands(fresh, doc);
    EXPECT_TRUE(fresh.IsEnabled("OnLadenV3"));
    EXPECT_TRUE(fresh.IsEnabled("OnFileSave"));
    EXPECT_TRUE(fresh.IsRegistered("OnDateiReinitialisierung"));
    EXPECT_TRUE(fresh.IsRegistered("OnDateiV2dateneinlesen"));
    fresh.Run("OnFileSave");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Es ist kein VOLTARO 3-Datensatz geladen!");
    EXPECT_TRUE(App().AnimationAktiv);
}

}  // namespace
}  // namespace v3
