// The squad player editor wired to its widgets, on one loaded demo: a player
// added to the other players through the context command and the name fields,
// OK, saved; then a club's squad edited in mode 1 and applied to the club
// selection's working set.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <algorithm>
#include <filesystem>

#include "TestUtil.h"
#include "app/MainFrame.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/spieler/SpielerEditorDlg.h"
#include "editors/spieler/SpielerSeiten.h"
#include "records/Land.h"
#include "ui/PictureLoader.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

// The "SPIELER" sections of a file, each as its text, sorted.
std::vector<std::string> PlayerSections(const std::string& bytes) {
    std::vector<std::string> out;
    size_t at = 0;
    while ((at = bytes.find("%SECT%SPIELER\r\n", at)) != std::string::npos) {
        const size_t end = bytes.find("%ENDSECT%SPIELER\r\n", at);
        out.push_back(bytes.substr(at, end - at));
        at = end;
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(SpielerEditorGui, NewOtherPlayerIsSavedAndSquadChangesReachTheWorkingSet) {
#ifndef V3_HAVE_DEMO
    GTEST_SKIP() << "the demo installation is not part of this build";
#else
    v3test::DemoInstallation demo;
    const fs::path daten = demo.path() / "DATA.V3";
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
    const auto before = v3test::Snapshot(daten);
    const size_t count = Daten().SonstigeSpielerListe.size();

    CSpielerEditorDlg dlg(std::make_unique<SquadEditorRules>(Daten().SonstigeSpielerListe));
    dlg.show();
    QMenu menu;
    dlg.BuildMenu(menu);
    std::vector<QString> enabled;
    for (QAction* a : menu.actions())
        if (a->isEnabled()) enabled.push_back(a->text());
    EXPECT_EQ(enabled, (std::vector<QString>{"Neu", QString::fromUtf8("Spieler endg\xC3\xBCltig l\xC3\xB6schen")}));

    dlg.OnBefehl(CSpielerEditorDlg::Befehl::Neu);
    ASSERT_EQ(dlg.List()->count(), int(count) + 1);
    ASSERT_EQ(dlg.List()->currentRow(), int(count));
    EXPECT_TRUE(dlg.windowTitle().startsWith("Sonstige Spieler - Spieler - "));
    dlg.Seiten()->Daten1()->NachnameEdit()->setText("Neumann");
    dlg.Seiten()->Daten1()->VornameEdit()->setText("Kurt");
    dlg.findChild<QAbstractButton*>(kOkButton)->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted) << (ui.messages.empty() ? "" : ui.messages.back().text);
    ASSERT_EQ(Daten().SonstigeSpielerListe.size(), count + 1);

    App().DatenGeaendert = true;
    ui.Answer(MsgResult::No);  // no new board pictures
    ASSERT_EQ(frame.RunCommand("OnFileSave"), CommandOutcome::Ok);
    const auto after = v3test::Snapshot(daten);
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, bytes] : before)
        if (name != kSonSpielDatei) {
            EXPECT_EQ(after.at(name), bytes) << name;
        }
    // The old records unchanged (the list opens sorted by position), one more named Neumann.
    auto oldSections = PlayerSections(before.at(kSonSpielDatei));
    auto newSections = PlayerSections(after.at(kSonSpielDatei));
    ASSERT_EQ(newSections.size(), oldSections.size() + 1);
    std::vector<std::string> added;
    std::set_difference(newSections.begin(), newSections.end(), oldSections.begin(), oldSections.end(),
                        std::back_inserter(added));
    ASSERT_EQ(added.size(), 1u);
    EXPECT_NE(added[0].find("\r\nNeumann\r\n"), std::string::npos);
    EXPECT_NE(added[0].find("\r\nKurt\r\n"), std::string::npos);

    // Mode 1 on a club of the second country, applied to a club selection's working set.
    ui.messages.clear();
    SquadWorkingSet set = SquadWorkingSet::FromDataSet(1);
    CVerein& club = *set.laender[1].vereine[0];
    const size_t size = club.SpielerListe().size();
    ASSERT_LT(size, 35u);
    auto rules = std::make_unique<SquadEditorRules>(set, 1, club);
    CSpielerEditorDlg kader(std::move(rules));
    kader.show();
    // Players, then "TRA" and "MA"; the title names the club.
    ASSERT_EQ(kader.List()->count(), int(size) + 2);
    EXPECT_TRUE(kader.List()->item(int(size))->text().startsWith("TRA\t"));
    EXPECT_TRUE(kader.windowTitle().startsWith("Verein - "));
    kader.List()->setCurrentRow(int(size));  // the trainer's page and commands
    EXPECT_FALSE(kader.Seiten()->isVisible());
    EXPECT_TRUE(kader.windowTitle().contains("    Trainer - "));
    QMenu kaderMenu;
    kader.BuildMenu(kaderMenu);
    std::vector<QString> kaderEnabled;
    for (QAction* a : kaderMenu.actions())
        if (a->isEnabled()) kaderEnabled.push_back(a->text());
    std::vector<QString> expected{"Trainer tauschen"};
    if (!set.laender[1].trainer.empty()) expected.insert(expected.begin(), "Trainer ersetzen");
    EXPECT_EQ(kaderEnabled, expected);

    kader.List()->setCurrentRow(0);
    kader.OnBefehl(CSpielerEditorDlg::Befehl::Neu);
    ASSERT_EQ(kader.List()->count(), int(size) + 3);
    kader.Seiten()->Daten1()->NachnameEdit()->setText("Neumann");
    kader.Seiten()->Daten1()->VornameEdit()->setText("Kurt");
    kader.findChild<QAbstractButton*>(kOkButton)->click();
    ASSERT_EQ(kader.result(), QDialog::Accepted) << (ui.messages.empty() ? "" : ui.messages.back().text);
    SpielerEditorAnwenden(set, 1, club, kader.TakeResult());
    ASSERT_EQ(club.SpielerListe().size(), size + 1);
    EXPECT_EQ(set.groessen.Size(1, club.VereinsNummer()), int(size) + 1);
    // The data set itself changes only when the selection hands the set over.
    EXPECT_EQ(Daten().AlleLaender[1]->VereinsListe()[0]->SpielerListe().size(), size);
    set.Uebernehmen();
    EXPECT_EQ(Daten().AlleLaender[1]->VereinsListe()[0]->SpielerListe().back()->Nachname(), "Neumann");
#endif
}

}  // namespace
}  // namespace v3
