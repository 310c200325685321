// The Datei commands in the running program on a copy of the demo: "Speichern"
// writes and clears the changed mark, the reinitialisation brings DATA.ORG
// back and a failed one ends the program, "Laden" reports a damaged file, the
// conversion merges once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <map>

#include "TestUtil.h"
#include "app/MainFrame.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "records/Land.h"
#include "ui/PictureLoader.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

#ifdef V3_HAVE_DEMO
class DateiGui : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        state->pictures = &cache;
        frame = std::make_unique<CMainFrame>(doc, false, std::make_unique<CSoundLib>([] { return true; }));
        frame->OnCreate();
        doc.OnNewDocument();
        ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
        frame->SetQuitBox([this] {
            ++quitBoxes;
            return QuitAnswer::Stay;
        });
        frame->show();
        ui.progressTitles.clear();
    }
    void Speichern() {
        ui.Answer(MsgResult::No);  // no new board pictures
        ASSERT_EQ(frame->RunCommand("OnFileSave"), CommandOutcome::Ok);
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& m : ui.messages) t.push_back(m.text);
        return t;
    }
    fs::path Daten3() const { return demo.path() / "DATA.V3"; }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    CQtPictureDecoder decoder;
    CPictureCache cache{decoder};
    CEDITORDoc doc;
    std::unique_ptr<CMainFrame> frame;
    int quitBoxes = 0;
};

// "Speichern" writes a change, "Reinitialisierung" brings the delivered data
// back, and "Laden" reports what it could not read.
TEST_F(DateiGui, SaveReinitialisationAndLoad) {
    Daten().AlleLaender[3]->PokalName("Anderer Pokal");
    App().DatenGeaendert = true;
    Speichern();
    EXPECT_FALSE(App().DatenGeaendert);
    const auto original = v3test::Snapshot(demo.path() / "DATA.ORG");
    ASSERT_GT(original.size(), 100u);
    ASSERT_NE(v3test::ReadBytes(Daten3() / "LandItal.sav"), original.at("LandItal.sav"));

    ui.messages.clear();
    ui.Answer(MsgResult::Ok);
    EXPECT_EQ(frame->RunCommand("OnDateiReinitialisierung"), CommandOutcome::Ok);
    ASSERT_TRUE(App().LadenOk);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_NE(ui.messages[0].text.find("DATA.V3 erstellen."), std::string::npos);
    EXPECT_EQ(ui.progressTitles, (std::vector<std::string>{"Speichere Daten...", "Reinitialisiere Daten...",
                                                           "Lade Daten..."}));
    EXPECT_NE(Daten().AlleLaender[3]->PokalName(), "Anderer Pokal");

    App().DatenGeaendert = true;
    Speichern();
    EXPECT_FALSE(App().DatenGeaendert);
    const auto jetzt = v3test::Snapshot(Daten3());
    for (const auto& [name, bytes] : original) EXPECT_TRUE(jetzt.count(name) && jetzt.at(name) == bytes) << name;
    EXPECT_TRUE(frame->isVisible());

    // "Laden" asks, shows its progress and reports a damaged file.
    v3test::WriteBytes(Daten3() / "LandSpan.sav", "17373592\r\n%SECT%LAND\r\nkaputt\r\n");
    ui.messages.clear();
    ui.progressTitles.clear();
    ui.Answer(MsgResult::Yes);
    EXPECT_EQ(frame->RunCommand("OnLadenV3"), CommandOutcome::Ok);
    EXPECT_FALSE(App().LadenOk);
    EXPECT_EQ(ui.messages.at(0).text, "Wollen Sie wirklich die Daten neu laden?");
    bool gemeldet = false;
    for (const auto& m : ui.messages) gemeldet |= m.text.find("LandSpan.sav") != std::string::npos;
    EXPECT_TRUE(gemeldet);
    EXPECT_EQ(ui.progressTitles, std::vector<std::string>{"Lade Daten..."});
}

// A reinitialisation that cannot make the crest folder frees the data set and
// ends the program at once: no exit question, no editor left on an empty data set.
TEST_F(DateiGui, AFailedReinitialisationEndsTheProgram) {
    fs::remove_all(Daten3() / "Wappen");
    v3test::WriteBytes(Daten3() / "Wappen", "kein Ordner");
    App().DatenGeaendert = true;
    ui.Answer(MsgResult::Ok);
    frame->RunCommand("OnDateiReinitialisierung");
    EXPECT_TRUE(Daten().Leer());
    QElapsedTimer t;
    t.start();
    while (frame->isVisible() && t.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(quitBoxes, 0);
    for (const auto& text : Texte()) EXPECT_NE(text, "Wollen Sie den Editor wirklich beenden?");
    EXPECT_EQ(Texte().back(),
              "Das Verzeichnis zum Speichern des Datensatzes konnte nicht erstellt werden! Bitte installieren sie "
              "Voltaro 3 neu!");
}

TEST_F(DateiGui, ConversionMergesOnceAndSaves) {
    const auto vorher = v3test::Snapshot(Daten3());
    ui.Answer(MsgResult::Yes);
    EXPECT_EQ(frame->RunCommand("OnDateiV2dateneinlesen"), CommandOutcome::Ok);
    EXPECT_EQ(ui.messages.at(0).text, "Wollen sie wirklich den aktuellen Datensatz mit Ihren Voltaro 2-Daten ersetzen?");
    EXPECT_EQ(ui.progressTitles,
              (std::vector<std::string>{"Lade Daten...", "Kopiere Wappen...", "Speichere Daten..."}));
    EXPECT_FALSE(App().DatenGeaendert);  // saved at once
    EXPECT_NE(v3test::Snapshot(Daten3()), vorher);
    EXPECT_FALSE(frame->Action("OnDateiV2dateneinlesen")->isEnabled());
    EXPECT_EQ(frame->RunCommand("OnDateiV2dateneinlesen"), CommandOutcome::Disabled);
}

#endif

}  // namespace
}  // namespace v3
