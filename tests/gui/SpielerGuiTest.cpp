// The player pages wired to their dialog: one former player of the demo's pool
// changed on every page through the widgets, OK, saved; the record differs in
// exactly the changed fields and no other byte of the data set moved.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>
#include <map>

#include "TestUtil.h"
#include "app/MainFrame.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/spieler/SpielerDialoge.h"
#include "editors/spieler/SpielerSeiten.h"
#include "records/ExSpieler.h"
#include "ui/PictureLoader.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        out.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

TEST(SpielerGui, FormerPlayerChangedOnEveryPageDiffersInExactlyThoseFields) {
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

    // The first field player of the pool.
    auto& pool = Daten().ExSpielerListe;
    size_t index = 0;
    while (index < pool.size() && pool[index]->Hauptposition() == 1) ++index;
    ASSERT_LT(index, pool.size());
    CExSpieler expected = *pool[index];

    CEhemaligeSpielerDlg dlg;
    dlg.show();
    dlg.List()->setCurrentRow(int(index));
    CSpielerSeiten* seiten = dlg.Seiten();
    ASSERT_EQ(seiten->Player(), &dlg.Rules().Player(index));

    // "Daten 1": first name and strong foot.
    seiten->setCurrentIndex(0);
    seiten->Daten1()->VornameEdit()->setText("Kalle");
    auto* fuss = seiten->Daten1()->FussCombo();
    const int neuerFuss = expected.Fuss() % 3 + 1;
    fuss->setCurrentIndex(neuerFuss - 1);
    expected.Vorname("Kalle");
    expected.Fuss(neuerFuss);

    // "Daten 2": skin colour.
    seiten->setCurrentIndex(1);
    ASSERT_EQ(seiten->currentIndex(), 1) << (ui.messages.empty() ? "" : ui.messages.back().text);
    auto* haut = seiten->Daten2()->Hautfarbe();
    const int neueHaut = (expected.Hautfarbe() + 1) % 4;
    haut->button(neueHaut)->click();
    expected.Hautfarbe(neueHaut);

    // "Positionen": every secondary position off, then one other than the main one.
    seiten->setCurrentIndex(2);
    ASSERT_EQ(seiten->currentIndex(), 2);
    auto* pos = seiten->Positionen();
    for (int p = 2; p <= 10; ++p)
        if (pos->Neben(p)->isChecked()) pos->Neben(p)->click();
    const int neben = expected.Hauptposition() == 10 ? 9 : 10;
    pos->Neben(neben)->click();
    expected.Nebenposition1(neben);
    expected.Nebenposition2(0);

    // "Fähigkeiten": every mark off, then "+" of ability 2.
    seiten->setCurrentIndex(3);
    ASSERT_EQ(seiten->currentIndex(), 3);
    auto* faehig = seiten->Faehigkeiten();
    for (int n = 1; n <= 16; ++n)
        for (bool plus : {true, false})
            if (faehig->Box(false, n, plus)->isChecked()) faehig->Box(false, n, plus)->click();
    faehig->Box(false, 2, true)->click();
    for (int n = 1; n <= 16; ++n) expected.Faehigkeit(n, n == 2 ? 1 : 0);

    // "Eig. 1": every trait off, then "Frohnatur".
    seiten->setCurrentIndex(4);
    ASSERT_EQ(seiten->currentIndex(), 4);
    auto* eig = seiten->Eig1();
    for (auto g : {PlayerTraitsRules::Eigenschaften, PlayerTraitsRules::Charakter})
        for (int n = 1; n <= 16; ++n)
            if (eig->Box(g, n)->isChecked()) eig->Box(g, n)->click();
    eig->Box(PlayerTraitsRules::Charakter, 3)->click();
    expected.EigenschaftAll(0);
    expected.CharakterAll(1 << 3);

    // "Eig. 2": crowd.
    seiten->setCurrentIndex(5);
    ASSERT_EQ(seiten->currentIndex(), 5);
    const int neuesPublikum = expected.Publikum() % 3 + 1;
    seiten->Eig2()->Publikum()->button(neuesPublikum)->click();
    expected.Publikum(neuesPublikum);

    dlg.findChild<QAbstractButton*>(kOkButton)->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted) << (ui.messages.empty() ? "" : ui.messages.back().text);
    EXPECT_TRUE(*Daten().ExSpielerListe[index] == expected);

    App().DatenGeaendert = true;
    ui.Answer(MsgResult::No);  // no new board pictures
    ASSERT_EQ(frame.RunCommand("OnFileSave"), CommandOutcome::Ok);
    const auto after = v3test::Snapshot(daten);
    ASSERT_EQ(after.size(), before.size());
    std::string changedFile;
    for (const auto& [name, bytes] : before) {
        if (after.at(name) == bytes) continue;
        EXPECT_TRUE(changedFile.empty()) << "a second file changed: " << name;
        changedFile = name;
    }
    ASSERT_FALSE(changedFile.empty());
    // Within the changed file only lines of that player's section differ, one
    // for each stored value the pages changed.
    const auto oldLines = SplitCrLf(before.at(changedFile)), newLines = SplitCrLf(after.at(changedFile));
    ASSERT_EQ(oldLines.size(), newLines.size());
    std::vector<size_t> differing;
    for (size_t i = 0; i < oldLines.size(); ++i)
        if (oldLines[i] != newLines[i]) differing.push_back(i);
    ASSERT_FALSE(differing.empty());
    size_t sectionStart = 0;
    for (size_t i = 0, seen = 0; i < oldLines.size(); ++i)
        if (oldLines[i] == "%SECT%SPIELER" && seen++ == index) sectionStart = i;
    for (size_t i : differing) {
        EXPECT_GT(i, sectionStart);
        EXPECT_LT(i, sectionStart + 36) << oldLines[i] << " -> " << newLines[i];
    }
    EXPECT_LE(differing.size(), 10u);
#endif
}

TEST(SpielerGui, NameOutsideCodePage1252IsRefusedAndTheRecordKeepsItsText) {
#ifndef V3_HAVE_DEMO
    GTEST_SKIP() << "the demo installation is not part of this build";
#else
    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->installDir = demo.path();
    CEDITORDoc doc;
    doc.OnNewDocument();
    ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
    const std::string vorher = Daten().ExSpielerListe[0]->Nachname();

    CEhemaligeSpielerDlg dlg;
    dlg.show();
    CSpielerSeiten* seiten = dlg.Seiten();
    seiten->Daten1()->NachnameEdit()->setText(QString::fromUtf8("\xCE\xA9mega"));  // a Greek capital omega
    seiten->setCurrentIndex(1);
    EXPECT_EQ(seiten->currentIndex(), 0);  // the page refused and stays
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("\xCE\xA9"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(dlg.Rules().Player(0).Nachname(), vorher);
    // OK refuses as well; Cancel leaves the data set as it was.
    dlg.findChild<QAbstractButton*>(kOkButton)->click();
    EXPECT_TRUE(dlg.isVisible());
    dlg.findChild<QAbstractButton*>(kCancelButton)->click();
    EXPECT_EQ(Daten().ExSpielerListe[0]->Nachname(), vorher);
#endif
}

}  // namespace
}  // namespace v3
