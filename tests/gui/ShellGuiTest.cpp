// The shell's Qt side, headless: the main frame's menu and commands, the
// choosers, the exit box, the view's animation, the skinned dialogs, the
// progress window, the help and a second instance.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "app/AboutDlg.h"
#include "ui/DialogBM.h"
#include "app/EditorView.h"
#include "app/HelpWindow.h"
#include "ui/LandAuswahlDlg.h"
#include "app/MainFrame.h"
#include "ui/PictureLoader.h"
#include "ui/ProgressBarDlg.h"
#include "ui/PropertySheetBM.h"
#include "ui/QtUserInterface.h"
#include "app/QuitBox.h"
#include "app/SingleInstance.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// Runs `act` on the next modal dialog as soon as it is open.
void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        QWidget* w = QApplication::activeModalWidget();
        if (w || ++*tries > 400) {
            timer->stop();
            timer->deleteLater();
            if (w) act(w);
        }
    });
    timer->start();
}

class ShellGui : public ::testing::Test {
protected:
    ShellGui() {
        state->SetUserInterface(&ui);
        state->pictures = &cache;
        state->AnimationAktiv = true;
    }
    // A frame without sound card.
    std::unique_ptr<CMainFrame> MakeFrame(bool withSound = false) {
        auto f = std::make_unique<CMainFrame>(doc, false, std::make_unique<CSoundLib>([withSound] { return withSound; }));
        f->OnCreate();
        return f;
    }
    void LoadSomething() { Daten().AlleLaender.push_back(std::make_unique<CLand>()); }

    ScopedAppState state;
    ScriptedUserInterface ui;
    CQtPictureDecoder decoder;
    CPictureCache cache{decoder};
    CEDITORDoc doc;
};

TEST_F(ShellGui, MainFrameMenuAndStart) {
    auto frame = MakeFrame();
    EXPECT_EQ(frame->windowTitle(), "VOLTARO 3 - Dateneditor");
    EXPECT_EQ(frame->size(), QSize(640, 480));
    // No audio output: the message, and the program goes on.
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Keine Soundkarte gefunden bzw. Soundkarte belegt!");
    EXPECT_TRUE(App().DarstellungOk);

    QStringList menus;
    for (QAction* a : frame->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"Datei", "National", "International", "Besonderes", "?"}));
    EXPECT_EQ(frame->Action("OnFileSave")->text(), "&Speichern\tStrg+S");
    EXPECT_EQ(frame->Action("OnFileSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(frame->Action("OnHelpFinder")->text(), "&Hilfethemen\tF1");
    EXPECT_EQ(frame->Action("OnAppAbout")->text(), "Inf&o über EDITOR...");
    EXPECT_EQ(frame->Action("OnInternationalAuereuropischevereine")->text(), "Außereuropäische Vereine");

    // What works now is enabled; every editor not built yet is greyed.
    for (const auto& c : MenuCommands()) {
        std::string h(c.handler);
        bool shell = h == "OnLadenV3" || h == "OnFileSave" || h == "OnFilePrintSetup" || h == "OnAppExit" ||
                     h == "OnHelpFinder" || h == "OnAppAbout" || h == "OnDateiReinitialisierung" ||
                     h == "OnDateiV2dateneinlesen";
        EXPECT_EQ(frame->Action(h)->isEnabled(), shell || frame->Runner().IsRegistered(h)) << h;
    }
}

TEST_F(ShellGui, SoundCardPresentSaysNothing) {
    auto frame = MakeFrame(true);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(frame->Sound().Aktiv());
}

// A registered editor runs from its menu entry; the guard stops it without a
// data set; the chooser's cancel still marks the data set for "yes" commands.
TEST_F(ShellGui, CommandsFromTheMenu) {
    auto frame = MakeFrame(true);
    int opened = 0;
    frame->Runner().Register("OnVereinespielerManager", [&](const CommandArgs& a) {
        ++opened;
        EXPECT_EQ(a.land, 4);
        return false;
    });
    frame->UpdateMenu();
    ASSERT_TRUE(frame->Action("OnVereinespielerManager")->isEnabled());

    frame->Action("OnVereinespielerManager")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Es ist kein VOLTARO 3-Datensatz geladen!");
    EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(App().DatenGeaendert);

    LoadSomething();
    OnNextModal([](QWidget* w) {
        auto* dlg = qobject_cast<CLandAuswahlDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        dlg->reject();
    });
    frame->Action("OnVereinespielerManager")->trigger();
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(App().DatenGeaendert);
    EXPECT_TRUE(App().AnimationAktiv);

    App().DatenGeaendert = false;
    OnNextModal([](QWidget* w) {
        auto* dlg = qobject_cast<CLandAuswahlDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->List()->count(), 11);
        dlg->List()->setCurrentRow(4);
        dlg->OkButton()->click();
    });
    frame->Action("OnVereinespielerManager")->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(App().AktuellesLand, 4);
    EXPECT_TRUE(App().DatenGeaendert);
}

TEST_F(ShellGui, CountryChooserDialogModes) {
    for (int mode : {-1, 10, 11, 12}) {
        CLandAuswahlDlg dlg(mode);
        const ChooserModel& m = dlg.Model();
        EXPECT_EQ(dlg.windowTitle().toStdString(), m.title);
        EXPECT_EQ(dlg.OkButton()->text().toStdString(), m.okText);
        ASSERT_EQ(dlg.List()->count(), int(m.lines.size()));
        // OK without a line: the warning, and the dialog stays open.
        ui.messages.clear();
        dlg.show();
        dlg.OkButton()->click();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Bitte wählen sie zuerst ein Land aus der Liste.");
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.Choice());
        if (mode == 11) {
            int marked = 0;
            for (int i = 0; i < dlg.List()->count(); ++i) {
                bool marker = m.lines[size_t(i)].marker;
                marked += marker;
                if (marker) {
                    EXPECT_FALSE(dlg.List()->item(i)->icon().isNull());
                }
            }
            EXPECT_GT(marked, 0);
        }
        dlg.List()->setCurrentRow(dlg.List()->count() - 1);
        dlg.OkButton()->click();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(*dlg.Choice(), m.lines.back().value);
        EXPECT_EQ(dlg.NationNummer(), mode == 11 ? m.lines.back().value : -1);
    }
    CLandAuswahlDlg print(12);
    EXPECT_EQ(print.windowTitle(), "Vereine drucken");
    EXPECT_EQ(print.OkButton()->text(), "Weiter");
}

TEST_F(ShellGui, ClubChooserReturnsTheClub) {
    CVerein a(1), b(2), c(3);
    a.Name("Alpha FC");
    b.Name("Beta SV");
    c.Name("Gamma 04");
    std::vector<const CVerein*> clubs{&a, &b, &c};
    CLandAuswahlDlg dlg(9, &clubs, 363, &b, nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Bitte Manager auswählen!");
    ASSERT_EQ(dlg.List()->count(), 2);
    EXPECT_TRUE(dlg.List()->item(1)->text().startsWith("Gamma 04\t"));
    dlg.show();
    dlg.OkButton()->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Bitte wählen Sie zuerst einen Manager aus der Liste!");
    dlg.List()->setCurrentRow(1);
    dlg.OkButton()->click();
    EXPECT_EQ(dlg.Verein(), &c);
}

TEST_F(ShellGui, PoolChooser) {
    CLandauswaehlenDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Internationale Spielerpools");
    EXPECT_EQ(dlg.Pool(), 0);
    dlg.SetPool(16);
    EXPECT_EQ(dlg.Pool(), 16);
    auto radios = dlg.findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 17);
    EXPECT_EQ(radios[12]->text(), "Rußland");
    EXPECT_EQ(radios[15]->text(), "Slowakei && Tschechien");  // shown with one "&"
}

TEST_F(ShellGui, QuitBoxThreeAnswers) {
    struct Case {
        std::function<void(CQuitBox&)> press;
        QuitAnswer answer;
    } cases[] = {
        {[](CQuitBox& b) { b.JaButton()->click(); }, QuitAnswer::Save},
        {[](CQuitBox& b) { b.NeinButton()->click(); }, QuitAnswer::Leave},
        {[](CQuitBox& b) { b.AbbrechenButton()->click(); }, QuitAnswer::Stay},
        {[](CQuitBox& b) { b.close(); }, QuitAnswer::Stay},
    };
    for (const auto& c : cases) {
        CQuitBox box;
        EXPECT_EQ(box.windowTitle(), "Voltaro 3 - Editor verlassen");
        OnNextModal([&](QWidget* w) { c.press(*qobject_cast<CQuitBox*>(w)); });
        EXPECT_EQ(box.Ask(), c.answer);
    }
}

TEST_F(ShellGui, ClosingTheFrameAsksAsTheDataSetSays) {
    // Unchanged: the plain question; Cancel keeps the window.
    auto frame = MakeFrame(true);
    frame->show();
    ui.Answer(MsgResult::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(ui.messages.back().text, "Wollen Sie den Editor wirklich beenden?");
    EXPECT_TRUE(App().AnimationAktiv);

    // Changed: the exit box; "Abbrechen" keeps it, "Nein" closes without saving.
    App().DatenGeaendert = true;
    int boxes = 0;
    frame->SetQuitBox([&] { return ++boxes == 1 ? QuitAnswer::Stay : QuitAnswer::Leave; });
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(boxes, 2);
    EXPECT_FALSE(doc.SpeichernBeimSchliessen);
}

TEST_F(ShellGui, AnimationRunsAndStopsInTheView) {
    auto frame = MakeFrame(true);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    CEDITORView* view = frame->View();
    view->grab();  // painted: background built, timer started
    ASSERT_FALSE(view->Background().isNull());
    EXPECT_TRUE(view->TimerRunning());
    QSignalSpy shown(view, &CEDITORView::pictureShown);
    for (int tick = 0; tick < 20; ++tick) {
        view->OnTimer(kAnimTimerId);
        EXPECT_EQ(view->ShownPicture(), tick <= 8 ? tick : tick <= 17 ? 9 : -1) << tick;
    }
    EXPECT_EQ(shown.count(), 18);
    for (int tick = 0; tick < 5; ++tick) view->OnTimer(kAnimTimerId);
    // Stopped from outside: nothing is shown and the cycle starts again.
    App().AnimationAktiv = false;
    view->OnTimer(kAnimTimerId);
    EXPECT_EQ(view->ShownPicture(), -1);
    EXPECT_EQ(view->Animation().Tick(), 0);
    App().AnimationAktiv = true;
    view->OnTimer(kAnimTimerId);
    EXPECT_EQ(view->ShownPicture(), 0);

    // The title is drawn in white into the background, its shadow in black.
    QImage bg = view->Background().toImage();
    int white = 0, black = 0;
    for (int y = 19; y < 46; ++y)
        for (int x = 16; x < 260; ++x) {
            QRgb c = bg.pixel(x, y);
            white += qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
            black += qRed(c) < 10 && qGreen(c) < 10 && qBlue(c) < 10;
        }
    EXPECT_GT(white, 300);
    EXPECT_GT(black, 100);
}

// The generated pictures exist under their numbers, in the sizes the view uses.
TEST_F(ShellGui, ProgramPicturesHaveTheirSizes) {
    for (int i = 0; i < kAnimPictures; ++i) {
        auto p = LoadPicture(kAnimPictureIds[size_t(i)], "BITMAP");
        ASSERT_NE(p, nullptr) << kAnimPictureIds[size_t(i)];
        EXPECT_EQ(PixmapOf(p.get()).size(), QSize(kAnimFrames[size_t(i)].w, kAnimFrames[size_t(i)].h));
    }
    EXPECT_EQ(PixmapOf(LoadPicture(325).get()).size(), QSize(640, 480));
    for (auto [nr, type] : {std::pair{316, "JPEGS"}, {477, "JPEGS"}, {519, "BITMAP"}, {818, "BITMAP"}})
        EXPECT_FALSE(PixmapOf(LoadPicture(nr, type).get()).isNull()) << nr;
    EXPECT_EQ(LoadPicture(286, "BITMAP"), nullptr);
    EXPECT_EQ(cache.DecodedCount(), 0u);
}

TEST_F(ShellGui, SkinnedDialogsShareTheirPicture) {
    {
        CDialogBM a(1, nullptr), b(2, nullptr);
        CPropertySheetBM sheet("Seiten", nullptr);
        auto* page = new CPropertyPageBM("Allgemein");
        sheet.AddPage(page);
        EXPECT_EQ(cache.UseCount(kDialogHintergrund, "JPEGS"), 4);
        EXPECT_EQ(cache.DecodedCount(), 1u);
        // The picture is painted from the top-left corner, unstretched.
        a.resize(200, 150);
        QImage shot = a.grab().toImage();
        QImage pic = PixmapOf(a.Background()).toImage();
        EXPECT_EQ(shot.pixel(10, 10), pic.pixel(10, 10));
        EXPECT_EQ(shot.pixel(190, 140), pic.pixel(190, 140));
        EXPECT_EQ(sheet.Tabs()->count(), 1);
    }
    EXPECT_EQ(cache.UseCount(kDialogHintergrund, "JPEGS"), 0);
    EXPECT_EQ(cache.HandedOutCount(), 0u);
}

TEST_F(ShellGui, ProgressWindowFollowsTheCore) {
    CQtUserInterface qtUi;
    qtUi.ProgressOpen("Lade Daten...", 10, 100);
    ASSERT_NE(qtUi.Progress(), nullptr);
    EXPECT_TRUE(qtUi.Progress()->isVisible());
    EXPECT_EQ(qtUi.Progress()->Text(), "Lade Daten...");
    EXPECT_EQ(qtUi.Progress()->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    EXPECT_EQ(qtUi.Progress()->Pos(), 10);
    qtUi.ProgressSetStep(2);
    qtUi.ProgressStepIt();
    qtUi.ProgressStepIt();
    EXPECT_EQ(qtUi.Progress()->Pos(), 14);
    qtUi.ProgressSetPos(100);
    EXPECT_EQ(qtUi.Progress()->Bar()->value(), 100);
    qtUi.ProgressSetText("Speichere Daten...");
    EXPECT_EQ(qtUi.Progress()->Text(), "Speichere Daten...");
    qtUi.ProgressClose();
    EXPECT_EQ(qtUi.Progress(), nullptr);

    CProgressBarDlg fresh;
    EXPECT_EQ(fresh.Text(), "gespeichert...");
    EXPECT_EQ(fresh.Bar()->minimum(), 10);
    EXPECT_EQ(fresh.Bar()->maximum(), 100);
}

TEST_F(ShellGui, MessageBoxesHaveGermanButtons) {
    CQtUserInterface qtUi;
    struct Case {
        MsgButtons buttons;
        QStringList texts;
        int press;
        MsgResult result;
    } cases[] = {
        {MsgButtons::YesNo, {"Ja", "Nein"}, 1, MsgResult::No},
        {MsgButtons::YesNoCancel, {"Ja", "Nein", "Abbrechen"}, 2, MsgResult::Cancel},
        {MsgButtons::OkCancel, {"OK", "Abbrechen"}, 0, MsgResult::Ok},
        {MsgButtons::Ok, {"OK"}, 0, MsgResult::Ok},
    };
    for (const auto& c : cases) {
        QStringList seen;
        OnNextModal([&](QWidget* w) {
            auto buttons = w->findChildren<QPushButton*>();
            for (auto* b : buttons) seen << b->text();
            for (auto* b : buttons)
                if (b->text() == c.texts[c.press]) b->click();
        });
        EXPECT_EQ(qtUi.MessageBox("Frage?", "Achtung!", c.buttons, MsgIcon::Question), c.result);
        seen.sort();
        QStringList expected = c.texts;
        expected.sort();
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(ShellGui, HelpAndAbout) {
    auto frame = MakeFrame(true);
    frame->Action("OnHelpFinder")->trigger();
    ASSERT_NE(frame->HelpWindow(), nullptr);
    EXPECT_TRUE(frame->HelpWindow()->isVisible());
    EXPECT_EQ(frame->HelpWindow()->Browser()->source(), QUrl(kHilfeStartseite));
    EXPECT_TRUE(frame->HelpWindow()->Browser()->toPlainText().contains("Inhalt"));

    CAboutDlg about;
    about.show();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&about, &release);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(SingleInstanceTest, SecondStartBringsTheFirstForward) {
    const QString key = QString("v3guitest-%1").arg(QCoreApplication::applicationPid());
    auto first = std::make_unique<CSingleInstance>(key);
    ASSERT_TRUE(first->FirstInstance());
    QSignalSpy forward(first.get(), &CSingleInstance::activationRequested);
    {
        CSingleInstance second(key);
        EXPECT_FALSE(second.FirstInstance());
    }
    EXPECT_TRUE(forward.count() > 0 || forward.wait(2000));
    // Once the first has ended, a new start is the first again.
    first.reset();
    CSingleInstance again(key);
    EXPECT_TRUE(again.FirstInstance());
}

}  // namespace
}  // namespace v3
