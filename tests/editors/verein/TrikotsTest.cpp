#include "editors/verein/rules/Trikots.h"

#include <gtest/gtest.h>

#include "base/AppState.h"

using namespace v3;

namespace {

// Colours: 0 Weiß, 1 Rot, 2 Gelb, 3 Blau, 11 Schwarz. Patterns: 0 neutral, 1 längs, 2 quer.
TRIKOTSATZ Satz(int trikot, int streifen, int streifenFarbe, int hose = 0, int stutzen = 0, int ringel = 0) {
    return TRIKOTSATZ{trikot, hose, stutzen, streifen, streifenFarbe, ringel};
}

struct RegelFall {
    const char* was;
    TRIKOTSATZ heim, auswaerts;
    int regel;  // 0: accepted
    int satz;
};

const RegelFall kFaelle[] = {
    {"two white neutral sets", Satz(0, 0, 0), Satz(0, 0, 0), 1, 0},
    {"white längs/red against white quer/red", Satz(0, 1, 1), Satz(0, 2, 1), 0, 0},
    {"same pattern, same second colour", Satz(0, 1, 1), Satz(3, 1, 1), 1, 0},
    {"neutral sets of different colours, equal unused second colour", Satz(0, 0, 5), Satz(3, 0, 5), 0, 0},
    {"home stripes in the shirt colour", Satz(3, 1, 3), Satz(0, 0, 0), 2, 0},
    {"away stripes in the shirt colour", Satz(3, 0, 0), Satz(0, 2, 0), 3, 1},
    {"home hoops in the shorts colour", Satz(0, 0, 0, 11, 11, 1), Satz(1, 0, 0), 4, 0},
    {"away hoops in the shorts colour", Satz(0, 0, 0), Satz(1, 0, 0, 2, 2, 1), 5, 1},
    {"plain socks may match the shorts", Satz(0, 0, 0, 11, 11, 0), Satz(1, 0, 0, 2, 2, 0), 0, 0},
    {"rule 2 comes before rule 4", Satz(3, 1, 3, 0, 0, 1), Satz(0, 0, 0), 2, 0},
};

TEST(TrikotRegeln, FirstBrokenRuleWithItsSet) {
    for (const auto& f : kFaelle) {
        const auto fehler = PruefeTrikots({f.heim, f.auswaerts});
        if (f.regel == 0) {
            EXPECT_FALSE(fehler) << f.was;
            continue;
        }
        ASSERT_TRUE(fehler) << f.was;
        EXPECT_EQ(fehler->regel, f.regel) << f.was;
        EXPECT_EQ(fehler->satz, f.satz) << f.was;
    }
}

TEST(TrikotRegeln, CheckDataShowsTheMessageAndTheSetItNames) {
    ScopedAppState app;
    ScriptedUserInterface ui;
    app->SetUserInterface(&ui);
    CTrikotsaetze page;
    page.InitWerte({Satz(3, 0, 0), Satz(0, 2, 0)});
    EXPECT_EQ(page.Gezeigt(), 0);
    EXPECT_FALSE(page.CheckData());
    EXPECT_EQ(page.Gezeigt(), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Bitte die Streifen des Trikots des zweiten Trikotsatzes in einer anderen Farbe als die "
              "Trikothauptfarbe eintragen!");
    EXPECT_EQ(ui.messages[0].caption, "Achtung!");

    page.Satz(1).StreifenFarbe = 1;
    EXPECT_TRUE(page.CheckData());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(page.Werte()[1], Satz(0, 2, 1));
}

}  // namespace
