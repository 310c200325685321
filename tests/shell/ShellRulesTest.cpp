// Plain rules of the shell: the animation's ticks, the country chooser's modes,
// the exit question, the picture cache and the display checks.
#include <gtest/gtest.h>

#include <set>

#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Verein.h"
#include "shell/CountryChooser.h"
#include "shell/DisplayCheck.h"
#include "shell/ExitQuestion.h"
#include "shell/PictureCache.h"
#include "shell/TitleAnimation.h"

namespace v3 {
namespace {

// ---- title animation

TEST(TitleAnimationTest, TwoCyclesFollowTheTickSequence) {
    CTitleAnimation anim;
    for (int cycle = 0; cycle < 2; ++cycle)
        for (int tick = 0; tick < kAnimTicks; ++tick) {
            AnimStep s = anim.OnTimer(true);
            int expected = tick <= 8 ? tick : tick <= 17 ? 9 : -1;
            EXPECT_EQ(s.picture, expected) << tick;
            if (tick == 0) {
                EXPECT_EQ(s.kind, AnimStep::Show);
                EXPECT_EQ(s.area, kAnimFrames[0]);
            } else if (expected >= 0) {
                EXPECT_EQ(s.kind, AnimStep::Show) << tick;
                EXPECT_EQ(s.area, Union(kAnimFrames[expected - 1], kAnimFrames[expected])) << tick;
            } else {
                EXPECT_EQ(s.kind, tick == 18 ? AnimStep::RepaintAll : AnimStep::Nothing) << tick;
            }
        }
    // Spot values of the union: pictures 4 and 5.
    EXPECT_EQ(Union(kAnimFrames[4], kAnimFrames[5]), (AnimRect{184, 338, 202, 99}));
}

TEST(TitleAnimationTest, StopRepaintsOnceAndRestartsAtTickZero) {
    CTitleAnimation anim;
    for (int i = 0; i < 5; ++i) anim.OnTimer(true);
    EXPECT_EQ(anim.OnTimer(false).kind, AnimStep::RepaintAll);
    EXPECT_EQ(anim.OnTimer(false).kind, AnimStep::Nothing);
    EXPECT_EQ(anim.Tick(), 0);
    AnimStep s = anim.OnTimer(true);
    EXPECT_EQ(s.picture, 0);
    EXPECT_EQ(s.area, kAnimFrames[0]);

    // Stopped while no picture is shown (ticks 19..79 after a full repaint at 18)
    // the first stop still restores once, then never again.
    CTitleAnimation idle;
    EXPECT_EQ(idle.OnTimer(false).kind, AnimStep::RepaintAll);
    EXPECT_EQ(idle.OnTimer(false).kind, AnimStep::Nothing);
}

// ---- country chooser

class CountryChooserTest : public ::testing::Test {
protected:
    CountryChooserTest() {
        state->SetUserInterface(&ui);
        for (int i = 0; i < kAnzahlNationen; ++i) {
            auto n = std::make_unique<CNation>();
            n->Name(Cp("Nation") + std::to_string(i));
            n->Kuerzel("N" + std::to_string(i));
            n->Nr(i);
            Daten().NationenListe.push_back(std::move(n));
        }
    }
    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(CountryChooserTest, CountryModesListTheirCountries) {
    struct Case {
        int mode;
        size_t lines;
        const char* title;
        const char* ok;
    } cases[] = {{-1, 11, "Bitte Land wählen!", "Editieren"}, {0, 11, "Bitte Land wählen!", "Editieren"},
                 {6, 11, "Bitte Land wählen!", "Editieren"},  {7, 11, "Bitte Land wählen!", "Editieren"},
                 {10, 37, "Bitte Land wählen!", "Editieren"}, {12, 37, "Vereine drucken", "Weiter"}};
    for (const auto& c : cases) {
        ChooserModel m = BuildCountryChooser(c.mode);
        ASSERT_EQ(m.lines.size(), c.lines) << c.mode;
        EXPECT_EQ(m.title, c.title);
        EXPECT_EQ(m.okText, c.ok);
        EXPECT_EQ(m.frameText, "Bitte Land auswählen!");
        EXPECT_EQ(m.tabStops, std::vector<int>{85});
        for (size_t pos = 0; pos < m.lines.size(); ++pos) {
            int nr = App().NationNummer[pos];
            EXPECT_EQ(m.lines[pos].value, int(pos));
            EXPECT_EQ(m.lines[pos].text, "Nation" + std::to_string(nr) + "\tN" + std::to_string(nr));
            EXPECT_FALSE(m.lines[pos].marker);
        }
    }
}

TEST_F(CountryChooserTest, NationalSquadModeAddsMarkedNationsWithoutCountry) {
    ChooserModel m = BuildCountryChooser(11);
    std::set<int> countries(App().NationNummer.begin(), App().NationNummer.begin() + kLaenderSlots);
    std::vector<int> extra;
    for (int nr : kWeitereNationen)
        if (!countries.contains(nr)) extra.push_back(nr);
    ASSERT_FALSE(extra.empty());
    ASSERT_EQ(m.lines.size(), 37 + extra.size());
    for (int pos = 0; pos < 37; ++pos) {
        EXPECT_EQ(m.lines[pos].value, App().NationNummer[pos]);
        EXPECT_FALSE(m.lines[pos].marker);
    }
    for (size_t i = 0; i < extra.size(); ++i) {
        EXPECT_EQ(m.lines[37 + i].value, extra[i]);
        EXPECT_TRUE(m.lines[37 + i].marker);
        EXPECT_EQ(m.lines[37 + i].text, "Nation" + std::to_string(extra[i]) + "\tN" + std::to_string(extra[i]));
    }
    App().AktuellesLand = 5;
    EXPECT_EQ(AcceptCountryChoice(m, 37), extra[0]);
    EXPECT_EQ(App().AktuellesLand, 5) << "mode 11 keeps the current country";
}

// A country that lends its team to the bonus country keeps its line; for the
// national squads the line stands for the lent team, not for nation -1.
TEST_F(CountryChooserTest, TheLendingCountryOffersItsLentTeam) {
    const int belgien = App().NationNummer[11];
    App().NationNummer[11] = -1;
    App().NationNummer[kBonusLandIndex] = belgien;
    App().BonusNation = belgien;
    App().BonusQuellLand = 11;
    const std::string zeile = "Nation" + std::to_string(belgien) + "\tN" + std::to_string(belgien);
    for (int mode : {10, 11, 12}) {
        ChooserModel m = BuildCountryChooser(mode);
        EXPECT_EQ(m.lines[11].text, zeile) << mode;
        EXPECT_EQ(m.lines[11].value, mode == 11 ? belgien : 11) << mode;
    }
}

TEST_F(CountryChooserTest, ClubModesListClubsWithoutTheExcludedOnes) {
    std::vector<std::unique_ptr<CVerein>> owned;
    std::vector<const CVerein*> clubs;
    for (int i = 0; i < 4; ++i) {
        owned.push_back(std::make_unique<CVerein>(i + 1));
        owned.back()->Name("Verein " + std::to_string(i));
        clubs.push_back(owned.back().get());
    }
    for (int mode : {8, 9}) {
        ChooserModel m = BuildCountryChooser(mode, &clubs, clubs[1], clubs[3]);
        EXPECT_EQ(m.layout, 363);
        EXPECT_EQ(m.title, mode == 8 ? "Bitte Trainer auswählen!" : "Bitte Manager auswählen!");
        EXPECT_EQ(m.tabStops, (std::vector<int>{125, 218, 290}));
        ASSERT_EQ(m.lines.size(), 2u);
        EXPECT_EQ(m.lines[0].club, clubs[0]);
        EXPECT_EQ(m.lines[1].club, clubs[2]);
        const CVerein& v = *clubs[2];
        std::string expected = mode == 8 ? v.Name() + "\t" + v.Trainername() + "\t" + v.TrainerVorname() + "\t" +
                                               std::to_string(v.KompTrainer())
                                         : v.Name() + "\t" + v.Managername() + "\t" + v.ManagerVorname() + "\t" +
                                               std::to_string(v.KompManager());
        EXPECT_EQ(m.lines[1].text, expected);
        App().AktuellesLand = 3;
        EXPECT_EQ(AcceptCountryChoice(m, 1), 1);
        EXPECT_EQ(App().AktuellesLand, 3);
    }
    EXPECT_TRUE(BuildCountryChooser(8, nullptr).lines.empty());
}

TEST_F(CountryChooserTest, OkWithoutSelectionWarnsAndKeepsTheDialogOpen) {
    struct Case {
        int mode;
        const char* text;
    } cases[] = {{-1, "Bitte wählen sie zuerst ein Land aus der Liste."},
                 {10, "Bitte wählen sie zuerst ein Land aus der Liste."},
                 {11, "Bitte wählen sie zuerst ein Land aus der Liste."},
                 {12, "Bitte wählen sie zuerst ein Land aus der Liste."},
                 {8, "Bitte wählen Sie zuerst einen Trainer aus der Liste!"},
                 {9, "Bitte wählen Sie zuerst einen Manager aus der Liste!"}};
    for (const auto& c : cases) {
        ui.messages.clear();
        ChooserModel m = BuildCountryChooser(c.mode);
        EXPECT_FALSE(AcceptCountryChoice(m, -1).has_value());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].caption, "Achtung!");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
    }
    ChooserModel m = BuildCountryChooser(10);
    EXPECT_EQ(AcceptCountryChoice(m, 25), 25);
    EXPECT_EQ(App().AktuellesLand, 25);
}

// ---- exit question

TEST(ExitQuestionTest, ThreePathsWithAndWithoutChanges) {
    struct Case {
        bool changed;
        MsgResult confirm;   // answer to "wirklich beenden?" (unchanged data set)
        QuitAnswer box;      // answer of the exit box (changed data set)
        bool closes;
        bool saveOnClose;
        int boxShown;
        int questions;
    } cases[] = {
        {false, MsgResult::Ok, QuitAnswer::Stay, true, false, 0, 1},
        {false, MsgResult::Cancel, QuitAnswer::Stay, false, false, 0, 1},
        {true, MsgResult::Ok, QuitAnswer::Save, true, true, 1, 0},
        {true, MsgResult::Ok, QuitAnswer::Leave, true, false, 1, 0},
        {true, MsgResult::Ok, QuitAnswer::Stay, false, false, 1, 0},
    };
    for (const auto& c : cases) {
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        ui.Answer(c.confirm);
        state->DatenGeaendert = c.changed;
        state->AnimationAktiv = true;
        CEDITORDoc doc;
        CExitQuestion q(doc);
        int shown = 0;
        bool closes = q.CanCloseFrame([&] {
            ++shown;
            EXPECT_FALSE(App().AnimationAktiv);
            return c.box;
        });
        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(shown, c.boxShown);
        EXPECT_EQ(doc.SpeichernBeimSchliessen, c.saveOnClose);
        ASSERT_EQ(int(ui.messages.size()), c.questions);
        if (c.questions) {
            EXPECT_EQ(ui.messages[0].text, "Wollen Sie den Editor wirklich beenden?");
            EXPECT_EQ(ui.messages[0].caption, "Achtung!");
            EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
        }
        // Staying lets the animation go on and asks again next time; closing
        // after the box refuses a second ask in the same closing.
        EXPECT_EQ(App().AnimationAktiv, !closes);
        EXPECT_EQ(q.BeendenFrageErlaubt, !(c.changed && closes));
        if (c.changed && closes) {
            EXPECT_FALSE(q.CanCloseFrame([&] { return QuitAnswer::Leave; }));
        }
    }
}

// "Ja" in the exit box with a save that fails keeps the program open with its
// changes instead of closing and losing them.
TEST(ExitQuestionTest, FailedSaveOnCloseKeepsRunning) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    v3test::TempDir dir;
    state->installDir = dir.path();
    state->failWritesTo = [](const std::filesystem::path&) { return true; };
    state->DatenGeaendert = true;
    CEDITORDoc doc;
    Daten().AlleLaender.push_back(std::make_unique<CLand>());  // something to save; every write fails
    CExitQuestion q(doc);
    ASSERT_TRUE(q.CanCloseFrame([] { return QuitAnswer::Save; }));
    EXPECT_FALSE(q.CloseDocument());
    EXPECT_TRUE(App().DatenGeaendert);
    EXPECT_TRUE(q.BeendenFrageErlaubt);
    EXPECT_FALSE(doc.SpeichernBeimSchliessen);
    EXPECT_TRUE(App().AnimationAktiv);

    ASSERT_TRUE(q.CanCloseFrame([] { return QuitAnswer::Leave; }));
    EXPECT_TRUE(q.CloseDocument());
}

// Without a data set (a load failed) there is nothing to save: "Ja" leaves
// without the save's refusal instead of keeping the user in the program.
TEST(ExitQuestionTest, YesWithoutDataSetLeaves) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->DatenGeaendert = true;
    CEDITORDoc doc;
    CExitQuestion q(doc);
    ASSERT_TRUE(q.CanCloseFrame([] { return QuitAnswer::Save; }));
    EXPECT_TRUE(q.CloseDocument());
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}

// ---- picture cache

struct CountingDecoder : IPictureDecoder {
    struct Pic : IDecodedPicture {
        explicit Pic(int* alive) : alive(alive) { ++*alive; }
        ~Pic() override { --*alive; }
        int* alive;
    };
    int decodes = 0;
    int alive = 0;
    std::unique_ptr<IDecodedPicture> LoadJpegBitmap(int nr, const std::string& type) override {
        ++decodes;
        if (nr == 999 || type != "JPEGS") return nullptr;
        return std::make_unique<Pic>(&alive);
    }
    std::unique_ptr<IDecodedPicture> LoadJpegBitmapFromFile(const std::string& path) override {
        ++decodes;
        if (path.find("missing") != std::string::npos) return nullptr;
        return std::make_unique<Pic>(&alive);
    }
};

TEST(PictureCacheTest, SharesDecodedPicturesAndReleasesWithTheLastUser) {
    CountingDecoder dec;
    CPictureCache cache(dec);
    auto a = cache.LoadJpegBitmap(316, "JPEGS");
    auto b = cache.LoadJpegBitmap(316, "JPEGS");
    auto c = cache.LoadJpegBitmap(325, "JPEGS");
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(dec.decodes, 2);
    EXPECT_EQ(a->Handle(), b->Handle());
    EXPECT_NE(a->Handle(), c->Handle());
    EXPECT_EQ(cache.UseCount(316, "JPEGS"), 2);
    EXPECT_EQ(cache.DecodedCount(), 2u);
    EXPECT_EQ(cache.HandedOutCount(), 3u);

    cache.KillJpegBitmap(*a);
    EXPECT_EQ(a->Handle(), nullptr);
    EXPECT_EQ(cache.UseCount(316, "JPEGS"), 1);
    EXPECT_EQ(dec.alive, 2);
    a.reset();  // already given back: no second count
    EXPECT_EQ(cache.UseCount(316, "JPEGS"), 1);
    b.reset();  // the destructor gives back
    EXPECT_EQ(cache.UseCount(316, "JPEGS"), 0);
    EXPECT_EQ(dec.alive, 1);
    EXPECT_EQ(cache.HandedOutCount(), 1u);

    // Decoded again after release.
    auto d = cache.LoadJpegBitmap(316, "JPEGS");
    EXPECT_EQ(dec.decodes, 3);
    EXPECT_EQ(cache.UseCount(316, "JPEGS"), 1);
}

TEST(PictureCacheTest, FilesByExactNameAndFailuresCacheNothing) {
    CountingDecoder dec;
    CPictureCache cache(dec);
    auto f1 = cache.LoadJpegBitmap(std::string("/x/Karte.jpg"));
    auto f2 = cache.LoadJpegBitmap(std::string("/x/Karte.jpg"));
    auto f3 = cache.LoadJpegBitmap(std::string("/x/karte.jpg"));
    EXPECT_EQ(dec.decodes, 2);
    EXPECT_EQ(cache.UseCount("/x/Karte.jpg"), 2);
    EXPECT_EQ(cache.UseCount("/x/karte.jpg"), 1);
    EXPECT_EQ(cache.LoadJpegBitmap(std::string("/x/missing.jpg")), nullptr);
    EXPECT_EQ(cache.LoadJpegBitmap(999, "JPEGS"), nullptr);
    EXPECT_EQ(cache.LoadJpegBitmap(316, "BITMAP"), nullptr);  // other type, other key
    EXPECT_EQ(cache.DecodedCount(), 2u);
    EXPECT_EQ(cache.HandedOutCount(), 3u);
    f1.reset();
    f2.reset();
    f3.reset();
    EXPECT_EQ(cache.DecodedCount(), 0u);
    EXPECT_EQ(dec.alive, 0);
}

TEST(PictureCacheTest, ObjectsOutlivingTheCacheAreHarmless) {
    CountingDecoder dec;
    std::unique_ptr<CPicture> p;
    {
        CPictureCache cache(dec);
        p = cache.LoadJpegBitmap(477, "JPEGS");
    }
    EXPECT_EQ(p->Handle(), nullptr);
    EXPECT_EQ(dec.alive, 0);
    p.reset();
}

// ---- display checks and the full-screen switch

TEST(DisplayCheckTest, MessagesAndQuestionByMeasuredValues) {
    const char* font = "Der VOLTARO 3-Editor läuft nur mit kleinen Systemfonts!\n"
                       "Ändern Sie diese Einstellungen bitte unter Systemsteuerung/Anzeige.";
    const char* colour = "Windows muß sich im High-Color-Modus (mindestens 32768 Farben) befinden!\n"
                         "Ändern Sie Ihre Einstellungen bitte unter Systemsteuerung/Anzeige.";
    const char* ask = "Möchten Sie diese Systemeinstellungen jetzt anpassen?";
    struct Case {
        DisplayValues v;
        MsgResult answer;
        std::vector<std::string> texts;
        bool settingsOpened;
    } cases[] = {
        {{16, 24, 1}, MsgResult::Yes, {}, false},
        {{16, 15, 1}, MsgResult::Yes, {}, false},
        {{17, 32, 1}, MsgResult::Yes, {font, ask}, true},
        {{12, 8, 1}, MsgResult::No, {colour, ask}, false},
        {{12, 7, 2}, MsgResult::No, {colour, ask}, false},
        {{20, 8, 1}, MsgResult::No, {font, colour, ask}, false},
    };
    for (const auto& c : cases) {
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        ui.Answer(c.answer);
        bool opened = false;
        int r = TestColorDepthAndFontSize(c.v, [&] { opened = true; });
        std::vector<std::string> texts;
        for (const auto& m : ui.messages) texts.push_back(m.text);
        EXPECT_EQ(texts, c.texts) << c.v.fontHeight << "/" << c.v.bitsPerPixel;
        EXPECT_EQ(r, c.texts.empty() ? 1 : 0);
        EXPECT_EQ(App().DarstellungOk, c.texts.empty());
        EXPECT_EQ(opened, c.settingsOpened);
        if (!c.texts.empty()) {
            EXPECT_EQ(ui.messages.back().buttons, MsgButtons::YesNo);
        }
    }
}

TEST(DisplayCheckTest, FullScreenSwitchIsExactlyOneOfFour) {
    for (const char* s : {"-F", "-f", "/F", "/f"}) EXPECT_TRUE(IsVollbildSchalter({s})) << s;
    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {}, {"-F "}, {"-Fx"}, {"F"}, {"-F", "-F"}, {"--F"}, {"-g"}})
        EXPECT_FALSE(IsVollbildSchalter(args));
}

}  // namespace
}  // namespace v3
