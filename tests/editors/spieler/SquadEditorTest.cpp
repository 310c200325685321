// The squad player editor's rules (mode 1 on a club selection's working set,
// mode 2 on the other players) and the apply step of mode 1.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "base/AppState.h"
#include "base/Layout.h"
#include "editors/spieler/rules/SquadEditor.h"

using namespace v3;

namespace {

const SquadEditorRules::WritePage kWritten = [] { return true; };

class SquadEditorTest : public ::testing::Test {
protected:
    void SetUp() override { state->SetUserInterface(&ui); }

    // A working set of two countries; country `land` has clubs of the given
    // squad sizes, every player of the country's nation, numbered 1, 2, ...
    void MakeSet(int land, std::vector<int> sizes) {
        set.laender.resize(2);
        auto& c = set.laender[size_t(land)];
        c.copied = true;
        int nr = 1;
        for (int s : sizes) {
            auto v = std::make_unique<CVerein>(nr);
            v->Name("Verein " + std::to_string(nr));
            v->VereinsNummer(nr);
            for (int i = 0; i < s; ++i) v->SpielerListe().push_back(Player(land, i));
            set.groessen.Set(land, nr, s);
            c.vereine.push_back(std::move(v));
            ++nr;
        }
    }
    std::unique_ptr<CSpieler> Player(int land, int i) {
        auto p = std::make_unique<CSpieler>();
        p->Nachname("Name" + std::to_string(i));
        p->Vorname("Vor" + std::to_string(i));
        p->Nationalitaet(App().NationNummer[size_t(land)]);
        p->RueckenNummer(i + 1);
        p->NationalSpieler(0);
        return p;
    }
    CVerein& Club(int land, int nr) { return *set.Verein(land, nr); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    SquadWorkingSet set;
};

TEST_F(SquadEditorTest, FullSquadRefusesEveryCommandThatAddsAPlayer) {
    MakeSet(0, {35});
    set.exSpieler.push_back(std::make_unique<CExSpieler>());
    SquadEditorRules r(set, 0, Club(0, 1));
    bool asked = false;
    const std::vector<std::function<std::optional<int>()>> commands = {
        [&] { return r.Neu(0, kWritten); },
        [&] { return r.Ehemalige(0, kWritten, [&] { asked = true; return std::optional<int>(0); }); },
        [&] { return r.Holen(0, kWritten, [&] { asked = true; return std::make_unique<CExSpieler>(); }); },
    };
    for (const auto& command : commands) {
        ui.messages.clear();
        EXPECT_FALSE(command());
        EXPECT_EQ(Messages(), std::vector<std::string>{"Es sind bereits 35 Spieler bei diesem Verein!"});
    }
    EXPECT_FALSE(asked);
    EXPECT_EQ(r.Players().size(), 35u);
}

TEST_F(SquadEditorTest, DeletingKeepsOnePlayerAndMovesNamedOnesToTheFormer) {
    MakeSet(0, {2});
    SquadEditorRules r(set, 0, Club(0, 1));
    r.Players()[1]->Nachname("");
    r.Players()[1]->Vorname("");
    // The first goes to the former players; the other becomes current.
    EXPECT_EQ(r.LoeschenZuEhemaligen(0, kWritten), 0);
    ASSERT_EQ(r.Players().size(), 1u);
    EXPECT_EQ(r.Players()[0]->Nachname(), "");
    ASSERT_EQ(r.Former().size(), 1u);
    EXPECT_EQ(r.Former()[0]->Nachname(), "Name0");
    EXPECT_EQ(r.Former()[0]->LetzterVerein(), 1);
    // The last one stays.
    EXPECT_FALSE(r.LoeschenZuEhemaligen(0, kWritten));
    EXPECT_FALSE(r.EndgueltigLoeschen(0));
    EXPECT_EQ(Messages().back(), "Der letzte Spieler kann nicht\nmehr gel\xC3\xB6scht werden!");

    // A nameless player is asked about as such and does not become a former player.
    MakeSet(1, {3});
    SquadEditorRules r2(set, 1, Club(1, 1));
    r2.Players()[2]->Nachname("");
    r2.Players()[2]->Vorname("");
    EXPECT_EQ(r2.LoeschenZuEhemaligen(2, kWritten), 1);
    EXPECT_EQ(Messages().back(), "Wollen Sie wirklich den Spieler\nohne Namen l\xC3\xB6schen?");
    EXPECT_TRUE(r2.Former().empty());
    // Cancel keeps him; a page that cannot be written stops before any question.
    ui.Answer(MsgResult::Cancel);
    EXPECT_FALSE(r2.EndgueltigLoeschen(0));
    const size_t shown = ui.messages.size();
    EXPECT_FALSE(r2.LoeschenZuEhemaligen(0, [] { return false; }));
    EXPECT_EQ(ui.messages.size(), shown);
    EXPECT_EQ(r2.Players().size(), 2u);
}

// Every command that takes a player out of the squad needs a chosen player and
// leaves the last one, each with its message, and asks nothing before.
TEST_F(SquadEditorTest, CommandsThatRemoveAPlayerNeedOneChosenAndKeepTheLast) {
    const std::string letzter = "Der letzte Spieler kann nicht\nmehr gel\xC3\xB6scht werden!";
    const auto zuVerein2 = [] { return std::optional<std::pair<int, int>>({0, 2}); };
    struct Befehl {
        const char* name;
        std::function<bool(SquadEditorRules&, int)> ausfuehren;
        std::string letzterText;
    };
    const std::vector<Befehl> befehle = {
        {"zu den Ehemaligen", [](SquadEditorRules& r, int l) { return r.LoeschenZuEhemaligen(l, kWritten).has_value(); },
         letzter},
        {"endg\xC3\xBCltig", [](SquadEditorRules& r, int l) { return r.EndgueltigLoeschen(l).has_value(); }, letzter},
        {"Wechsel", [&](SquadEditorRules& r, int l) { return r.Wechsel(l, kWritten, zuVerein2).has_value(); },
         "Der letzte Spieler kann nicht mehr wechseln!"},
        {"ersetzt den Trainer", [](SquadEditorRules& r, int l) { return r.SpielerErsetzt(l, LineKind::Trainer); },
         letzter},
    };
    for (const auto& b : befehle) {
        SCOPED_TRACE(b.name);
        MakeSet(0, {2, 1});
        SquadEditorRules zwei(set, 0, Club(0, 1));
        ui.messages.clear();
        EXPECT_FALSE(b.ausfuehren(zwei, -1));
        EXPECT_FALSE(b.ausfuehren(zwei, 2));
        EXPECT_EQ(Messages(), std::vector<std::string>(2, kKeinSpielerGewaehlt));
        SquadEditorRules einer(set, 0, Club(0, 2));
        ui.messages.clear();
        EXPECT_FALSE(b.ausfuehren(einer, 0));
        EXPECT_EQ(Messages(), std::vector<std::string>{b.letzterText});
        EXPECT_EQ(einer.Players().size(), 1u);
    }
}

TEST_F(SquadEditorTest, NewPlayerTakesTheLowestFreeNumberAndTheCountrysNation) {
    MakeSet(1, {5});
    Club(1, 1).SpielerListe()[2]->RueckenNummer(9);  // 1, 2, 9, 4, 5
    SquadEditorRules r(set, 1, Club(1, 1));
    ASSERT_EQ(r.Neu(0, kWritten), 5);
    const CSpieler& neu = *r.Players()[5];
    EXPECT_EQ(neu.RueckenNummer(), 3);
    EXPECT_EQ(neu.Nationalitaet(), App().NationNummer[1]);
    EXPECT_EQ(neu.Nachname(), "");
    EXPECT_EQ(neu.Publikum(), 1);
    EXPECT_EQ(neu.Verletzung(), 1);
    ASSERT_EQ(r.Neu(0, kWritten), 6);
    EXPECT_EQ(r.Players()[6]->RueckenNummer(), 6);
}

TEST_F(SquadEditorTest, RenumberingGivesKeepersTheirPreferredNumbersStrongestFirst) {
    MakeSet(0, {4});
    SquadEditorRules r(set, 0, Club(0, 1));
    const int staerke[] = {5, 11, 8, 9};
    for (size_t i = 0; i < 4; ++i) {
        r.Players()[i]->Hauptposition(1);
        r.Players()[i]->Staerke(staerke[i]);
    }
    ASSERT_TRUE(r.Renumber(kWritten));
    EXPECT_EQ(r.Players()[1]->RueckenNummer(), 1);
    EXPECT_EQ(r.Players()[3]->RueckenNummer(), 21);
    EXPECT_EQ(r.Players()[2]->RueckenNummer(), 30);
    const int vierter = r.Players()[0]->RueckenNummer();
    EXPECT_TRUE(vierter >= 1 && vierter != 21 && vierter != 30) << vierter;
}

TEST_F(SquadEditorTest, OkChecksNumbersSquadSizeAndHomePlayers) {
    struct Case {
        int land, players, home, duplicateOf7;
        std::string message;  // empty: accepted
    };
    const std::string zehn = "Jeder Verein mu\xC3\x9F mindestens zehn Spieler\naus dem eigenen Land haben!";
    const std::vector<Case> cases = {
        {0, 16, 9, 0, zehn},
        {1, 16, 9, 0, ""},
        {0, 16, 10, 0, ""},
        {1, 15, 15, 0, "Jeder Verein mu\xC3\x9F mindestens\n16 Spieler haben!"},
        {1, 16, 16, 2, "Der Spieler Name1 Vor1 hat die gleiche R\xC3\xBC" "ckennummer wie Name0 Vor0!\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        set = SquadWorkingSet{};
        ui.messages.clear();
        MakeSet(c.land, {c.players});
        auto& kader = Club(c.land, 1).SpielerListe();
        for (int i = c.home; i < c.players; ++i) kader[size_t(i)]->Nationalitaet(App().NationNummer[1 - c.land]);
        if (c.duplicateOf7) kader[6]->RueckenNummer(40);  // the seventh wears 7
        for (int i = 0; i < c.duplicateOf7; ++i) kader[size_t(i)]->RueckenNummer(7);
        SquadEditorRules r(set, c.land, Club(c.land, 1));
        EXPECT_EQ(r.Ok(kWritten), c.message.empty());
        EXPECT_EQ(Messages(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
}

TEST_F(SquadEditorTest, DomesticMarkCountsAsHomePlayer) {
    OwnedList<CSpieler> list;
    for (int i = 0; i < 3; ++i) list.push_back(Player(0, i));
    list[0]->Fussballinlaender(true);  // counts twice
    list[1]->Nationalitaet(App().NationNummer[1] | CSpieler::kFussballinlaenderBit);
    EXPECT_EQ(HomePlayers(list, App().NationNummer[0]), 4);
}

TEST_F(SquadEditorTest, AppliedTransfersReachTargetAndLeaveSource) {
    MakeSet(0, {17, 17, 17});
    Club(0, 2).SpielerListe()[0]->RueckenNummer(40);  // club 2 has 2..17: lowest free is 1
    SquadEditorRules r(set, 0, Club(0, 1));
    // Player 3 of club 1 goes to club 2.
    ASSERT_EQ(r.Wechsel(3, kWritten, [] { return std::optional<std::pair<int, int>>({0, 2}); }), 3);
    EXPECT_EQ(set.groessen.Size(0, 2), 18);
    // Player "Name5" of club 3 is fetched; a second time he is refused.
    CExSpieler fetched;
    fetched.CopyDataFrom(*Club(0, 3).SpielerListe()[5], App().NationNummer[0], 3);
    const auto name5 = [&] { return std::make_unique<CExSpieler>(fetched); };
    ASSERT_EQ(r.Holen(0, kWritten, name5), 16);
    EXPECT_FALSE(r.Holen(0, kWritten, name5));
    EXPECT_EQ(Messages().back(), "Dieser Spieler wurde bereits geholt!");
    EXPECT_EQ(r.Players()[16]->RueckenNummer(), 4);  // the one freed by the transfer
    ASSERT_TRUE(r.Ok(kWritten));
    SpielerEditorAnwenden(set, 0, Club(0, 1), r.TakeResult());

    EXPECT_EQ(Club(0, 1).SpielerListe().size(), 17u);
    auto& ziel = Club(0, 2).SpielerListe();
    ASSERT_EQ(ziel.size(), 18u);
    EXPECT_EQ(ziel.back()->Nachname(), "Name3");
    EXPECT_EQ(ziel.back()->RueckenNummer(), 1);
    auto& quelle = Club(0, 3).SpielerListe();
    EXPECT_EQ(quelle.size(), 16u);
    for (const auto& p : quelle) EXPECT_NE(p->Nachname(), "Name5");
    EXPECT_EQ(set.groessen.Size(0, 3), 16);
    EXPECT_EQ(set.geholt.size(), 1u);
    // While the selection is open, another club cannot fetch him again.
    SquadEditorRules r2(set, 0, Club(0, 2));
    EXPECT_FALSE(r2.Holen(0, kWritten, name5));
}

TEST_F(SquadEditorTest, CancelTakesBackThePromisedSquadSize) {
    MakeSet(0, {17, 17});
    SquadEditorRules r(set, 0, Club(0, 1));
    ASSERT_TRUE(r.Wechsel(0, kWritten, [] { return std::optional<std::pair<int, int>>({0, 2}); }));
    r.Cancel();
    EXPECT_EQ(set.groessen.Size(0, 2), 17);
    EXPECT_EQ(Club(0, 1).SpielerListe().size(), 17u);
}

TEST_F(SquadEditorTest, StaffSwapsAndReplacementsReachTheClubsOnApply) {
    MakeSet(1, {16, 16});
    CTrainerUndCo t1 = Club(1, 1).Trainer(), t2 = Club(1, 2).Trainer();
    t1.Nachname("Erster");
    t2.Nachname("Zweiter");
    Club(1, 1).Trainer(t1);
    Club(1, 2).Trainer(t2);
    auto frei = std::make_unique<CManager>();
    frei->Nachname("Frei");
    set.laender[1].manager.push_back(std::move(frei));
    const std::string alterManager = Club(1, 1).Managername();

    SquadEditorRules r(set, 1, Club(1, 1));
    ASSERT_TRUE(r.Tauschen(LineKind::Trainer, &Club(1, 2)));
    EXPECT_EQ(r.Line(r.LineCount() - 2).substr(0, 12), "TRA\tZweiter,");
    ASSERT_TRUE(r.Ersetzen(LineKind::Manager, [] { return std::optional<int>(0); }));
    ASSERT_TRUE(r.Ok(kWritten));
    SpielerEditorAnwenden(set, 1, Club(1, 1), r.TakeResult());

    EXPECT_EQ(Club(1, 1).Trainername(), "Zweiter");
    EXPECT_EQ(Club(1, 2).Trainername(), "Erster");
    EXPECT_EQ(Club(1, 1).Managername(), "Frei");
    ASSERT_EQ(set.laender[1].manager.size(), 1u);
    EXPECT_EQ(set.laender[1].manager[0]->Nachname(), alterManager);
}

TEST_F(SquadEditorTest, PlayerReplacesTrainer) {
    MakeSet(0, {3});
    Club(0, 1).SpielerListe()[1]->Staerke(9);
    SquadEditorRules r(set, 0, Club(0, 1));
    r.Players()[0]->NationalSpieler(CSpieler::kImNationalkader);
    EXPECT_FALSE(r.SpielerErsetzt(0, LineKind::Trainer));
    ASSERT_TRUE(r.SpielerErsetzt(1, LineKind::Trainer));
    EXPECT_EQ(r.Trainer().Nachname(), "Name1");
    EXPECT_EQ(r.Trainer().Kompetenz(), 9);
    EXPECT_EQ(r.Players().size(), 2u);
}

TEST_F(SquadEditorTest, LinesTitlesAndSorts) {
    MakeSet(0, {3});
    auto& k = Club(0, 1).SpielerListe();
    k[0]->Nachname("Brandt");
    k[0]->Vorname("Heinz");
    k[0]->Hauptposition(10);
    k[0]->Staerke(7);
    k[1]->Nachname("Abendroth-Meier");
    k[1]->Vorname("Maximilian");  // 15 + 2 + 10 = 27: the whole first name
    k[1]->Hauptposition(1);
    k[1]->Staerke(7);
    k[2]->Nachname("Abendroth-Meier");
    k[2]->Vorname("Maximiliane");  // 28: the initial
    k[2]->Hauptposition(10);
    k[2]->Staerke(9);
    SquadEditorRules r(set, 0, Club(0, 1));
    ASSERT_EQ(r.LineCount(), 5u);
    const std::string kz = NationKuerzel(App().NationNummer[0]);
    EXPECT_EQ(r.Line(0), "S\tBrandt, Heinz\t7\t" + kz + "\t1");
    EXPECT_EQ(r.Line(1), "T\tAbendroth-Meier, Maximilian\t7\t" + kz + "\t2");
    EXPECT_EQ(r.Line(2), "S\tAbendroth-Meier, M.\t9\t" + kz + "\t3");
    EXPECT_EQ(r.Kind(3), LineKind::Trainer);
    EXPECT_EQ(r.Kind(4), LineKind::Manager);
    EXPECT_EQ(r.Title(0), "Verein - Verein 1    Spieler - Heinz Brandt");

    auto names = [&] {
        std::string s;
        for (const auto& p : r.Players()) s += p->Vorname().substr(0, 1) + std::to_string(p->Hauptposition()) + " ";
        return s;
    };
    r.Sort(SquadSort::Position);  // position, then strength, then name
    EXPECT_EQ(names(), "M1 M10 H10 ");
    r.Sort(SquadSort::Name);  // name, then strength, then position
    EXPECT_EQ(names(), "M10 M1 H10 ");
    r.Sort(SquadSort::Staerke);  // strength, then position, then name
    EXPECT_EQ(names(), "M10 M1 H10 ");

    // Mode 2: no number, no staff lines.
    SquadEditorRules andere(Club(0, 1).SpielerListe());
    EXPECT_EQ(andere.LineCount(), 3u);
    EXPECT_EQ(andere.Line(0), "S\tBrandt, Heinz\t7\t" + kz + "\t");
    EXPECT_EQ(andere.Title(0), "Sonstige Spieler - Spieler - Heinz Brandt");
}

TEST_F(SquadEditorTest, OkCorrectsWorldsBestMarks) {
    MakeSet(1, {16});
    auto& p = *Club(1, 1).SpielerListe()[0];
    p.Hauptposition(9);
    p.Faehigkeit(3, 1);
    ASSERT_TRUE(p.BesterSpieler(3));
    ASSERT_TRUE(p.BesterHauptposition(9));
    SquadEditorRules r(set, 1, Club(1, 1));
    r.Players()[0]->Hauptposition(10);
    r.Players()[0]->Faehigkeit(3, 0);
    ASSERT_TRUE(r.Ok(kWritten));
    EXPECT_EQ(r.Players()[0]->BesterHauptposition(), 0);
    EXPECT_EQ(r.Players()[0]->BesterSpieler(), 0);
}

}  // namespace
