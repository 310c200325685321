// The menu walk: every editor registered with the menu is opened from its menu
// entry on a copy of the demo installation, its chooser answered with the
// first offer, and closed once with its cancel button and once with its OK
// button without a change. After each, the saved data set must be byte for
// byte the demo's, but for the files an editor's OK rewrites on purpose
// (kOkAendert). An editor joins the walk by registering its menu entry.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTimer>
#include <filesystem>
#include <map>
#include <set>

#include "TestUtil.h"
#include "app/MainFrame.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "shell/MenuCommands.h"
#include "ui/LandAuswahlDlg.h"
#include "ui/PictureLoader.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

// Files of DATA.V3 that an editor's OK writes differently on purpose, by menu
// handler: file name and why.
const std::map<std::string, std::map<std::string, std::string>> kOkAendert = {
    {"OnInternationalSonstigespieler",
     {{"SonSpiel.sav", "the list opens sorted by position, and OK keeps the players in the order shown"}}},
};

enum class Schliessen { Abbrechen, Ok };

// Answers whatever modal window is on top while a menu entry runs: a chooser
// with its first offer, a system dialog (file, printer, message) by
// cancelling it, and the editor itself with its OK or cancel button (a dialog
// without a cancel button as Escape would close it).
class ModalDriver {
public:
    explicit ModalDriver(Schliessen wie) : wie_(wie) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    // Class names of the editor dialogs closed, in order.
    std::vector<std::string> editoren;
    std::vector<std::string> probleme;

private:
    void Tick() {
        QWidget* w = QApplication::activeModalWidget();
        auto* dlg = qobject_cast<QDialog*>(w);
        if (!dlg || !dlg->isVisible()) return;
        if (AnswerChooser(dlg, 0)) return;
        if (qobject_cast<QFileDialog*>(dlg) || qobject_cast<QPrintDialog*>(dlg) || qobject_cast<QMessageBox*>(dlg)) {
            probleme.push_back(std::string("system dialog answered with cancel: ") + dlg->metaObject()->className());
            return dlg->reject();
        }
        // The editor: a dialog that stays open after its button was clicked a
        // few times (a check refusing) is a fault of the walk's premise.
        if (++klicks_[dlg] > 20) {
            probleme.push_back(std::string(dlg->metaObject()->className()) + " did not close");
            return dlg->reject();
        }
        if (klicks_[dlg] == 1) editoren.emplace_back(dlg->metaObject()->className());
        if (wie_ == Schliessen::Ok) {
            if (!dlg->findChild<QAbstractButton*>(kOkButton))
                probleme.push_back(std::string(dlg->metaObject()->className()) + " has no OK button named IDOK");
            return Click(dlg, kOkButton);
        }
        if (dlg->findChild<QAbstractButton*>(kCancelButton)) return Click(dlg, kCancelButton);
        dlg->reject();
    }
    static void Click(QDialog* dlg, const char* name) {
        if (auto* b = dlg->findChild<QAbstractButton*>(name)) b->click();
    }

    Schliessen wie_;
    QTimer timer_;
    std::map<QDialog*, int> klicks_;
};

TEST(MenuWalk, EveryEditorCancelledAndOkedWithoutAChangeKeepsTheFiles) {
#ifndef V3_HAVE_DEMO
    GTEST_SKIP() << "the demo installation is not part of this build";
#else
    v3test::DemoInstallation demo;
    const fs::path daten = demo.path() / "DATA.V3";
    const auto original = v3test::Snapshot(daten);
    ASSERT_GT(original.size(), 100u);

    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->installDir = demo.path();
    CQtPictureDecoder decoder;
    CPictureCache cache(decoder);
    state->pictures = &cache;
    CEDITORDoc doc;
    CMainFrame frame(doc, false, std::make_unique<CSoundLib>([] { return false; }));
    frame.OnCreate();
    doc.OnNewDocument();
    ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();

    // What the files hold before each editor runs: the demo's, and after an
    // editor whose OK changes a file on purpose, that file as it wrote it.
    auto stand = original;
    const auto& editoren = frame.Editors().Handlers();
    ASSERT_FALSE(editoren.empty());
    for (Schliessen wie : {Schliessen::Abbrechen, Schliessen::Ok}) {
        for (const std::string& handler : editoren) {
            const char* art = wie == Schliessen::Ok ? "OK" : "cancel";
            SCOPED_TRACE(handler + " closed with " + art);
            ASSERT_NE(FindMenuCommand(handler), nullptr);
            ui.messages.clear();
            CommandOutcome out;
            std::vector<std::string> geoeffnet, probleme;
            {
                ModalDriver driver(wie);
                out = frame.RunCommand(handler);
                geoeffnet = driver.editoren;
                probleme = driver.probleme;
            }
            EXPECT_EQ(out, wie == Schliessen::Ok ? CommandOutcome::Ok : CommandOutcome::NotOk);
            EXPECT_EQ(geoeffnet.size(), 1u) << "editor dialogs seen: " << geoeffnet.size();
            EXPECT_TRUE(probleme.empty()) << probleme.front();
            for (const auto& m : ui.messages) EXPECT_NE(m.icon, MsgIcon::Stop) << m.text;

            // Save whatever the editor left and compare with the demo.
            ui.messages.clear();
            App().DatenGeaendert = true;
            ui.Answer(MsgResult::No);  // no new board pictures
            ASSERT_EQ(frame.RunCommand("OnFileSave"), CommandOutcome::Ok);
            ASSERT_FALSE(App().DatenGeaendert) << (ui.messages.empty() ? "" : ui.messages.back().text);
            const auto jetzt = v3test::Snapshot(daten);
            std::map<std::string, std::string> erlaubt;
            if (auto it = kOkAendert.find(handler); wie == Schliessen::Ok && it != kOkAendert.end())
                erlaubt = it->second;
            EXPECT_EQ(jetzt.size(), stand.size());
            for (const auto& [name, bytes] : stand) {
                if (erlaubt.count(name)) continue;
                EXPECT_TRUE(jetzt.count(name) && jetzt.at(name) == bytes) << name;
            }
            stand = jetzt;
        }
    }
#endif
}

}  // namespace
}  // namespace v3
