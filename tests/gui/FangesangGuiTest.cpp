// The chant and talk editors headless on a copy of the demo: chants added,
// duplicated, deleted and blanked through the dialog, OKed and saved (only
// Fangesa.sav changes, and it holds exactly the expected chants); an own chant
// added by double-click in name order while a file of the wrong format stays
// out of the list; a talk made from a file and a type; and playing without an
// audio output returns at once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/fangesang/EigenerFangesangDlg.h"
#include "editors/fangesang/FangesaengeDlg.h"
#include "editors/fangesang/HalbzeitAnsprachenDlg.h"
#include "editors/fangesang/rules/FangesangRules.h"
#include "records/HalbzeitAnsprache.h"
#include "records/V3File.h"
#include "base/Layout.h"
#include "ui/SoundLib.h"
#include "ui/WidgetText.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

#ifdef V3_HAVE_DEMO
class FangesangGui : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc.OnNewDocument();
        ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
    }
    template <class W>
    static W* Feld(QWidget* dlg, const char* name) {
        auto* w = dlg->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void Befehl(QWidget* dlg, const char* name) {
        auto* menu = dlg->findChild<QMenu*>("Popup");
        ASSERT_NE(menu, nullptr);
        auto* a = menu->findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void Speichern() {
        ui.messages.clear();
        App().DatenGeaendert = true;
        ui.Answer(MsgResult::No);  // no board pictures
        doc.OnFileSave();
        ASSERT_FALSE(App().DatenGeaendert);
    }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
};

TEST_F(FangesangGui, ChantsAddedDuplicatedDeletedAndSavedExactly) {
    const auto vorher = v3test::Snapshot(demo.path());
    std::vector<CFangesang> original;
    for (const auto& c : Daten().FangesangListe) original.push_back(*c);
    ASSERT_GE(original.size(), 4u);

    CFangesaengeDlg dlg(nullptr);
    dlg.show();
    auto* liste = Feld<QListWidget>(&dlg, "Liste");
    auto* text = Feld<QLineEdit>(&dlg, "Text");
    ASSERT_EQ(liste->count(), int(original.size()));
    EXPECT_EQ(liste->currentRow(), 0);

    // A character code page 1252 cannot hold is refused, and nothing happens.
    text->setText(QString::fromUtf8("Ohm \xE2\x84\xA6"));
    Befehl(&dlg, "Neu");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    EXPECT_EQ(liste->count(), int(original.size()));
    text->setText(Qt8(original[0].Text()));
    ui.messages.clear();

    // A new chant: a cheer for the first club of the first chant's country, on a goal of "Bauer".
    Befehl(&dlg, "Neu");
    ASSERT_EQ(liste->count(), int(original.size()) + 1);
    EXPECT_EQ(liste->currentRow(), liste->count() - 1);
    QTest::keyClicks(text, "  Hey XYZ  ");
    auto* verein = Feld<QComboBox>(&dlg, "Verein");
    EXPECT_EQ(verein->currentData().toInt(), -1);
    EXPECT_EQ(verein->currentText(), "Alle");
    verein->setCurrentIndex(1);
    Feld<QComboBox>(&dlg, "Art")->setCurrentIndex(ArtJubel);
    auto* tor = Feld<QCheckBox>(&dlg, "TorSpieler");
    ASSERT_TRUE(tor->isEnabled());
    EXPECT_FALSE(Feld<QCheckBox>(&dlg, "SpottSpieler")->isEnabled());
    tor->setChecked(true);
    // An empty name is refused; the input stays.
    Befehl(&dlg, "Duplizieren");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kBitteNamen);
    EXPECT_EQ(liste->count(), int(original.size()) + 1);
    QTest::keyClicks(Feld<QLineEdit>(&dlg, "TorName"), "Bauer");
    Befehl(&dlg, "Duplizieren");
    ASSERT_EQ(liste->count(), int(original.size()) + 2);

    CFangesang neu;
    neu.Text("Hey XYZ");
    neu.Land(original[0].Land());
    neu.Verein(verein->currentData().toInt());
    neu.Art(ArtJubel);
    neu.SpielerName("Bauer");
    ASSERT_GT(neu.Verein(), 0);

    // Delete the second chant (asked, answered OK); the third one is blanked.
    liste->setCurrentRow(1);
    ui.messages.clear();
    ui.Answer(MsgResult::Ok);
    Befehl(&dlg, "Loeschen");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kWirklichLoeschen);
    ASSERT_EQ(liste->count(), int(original.size()) + 1);
    EXPECT_EQ(liste->currentRow(), 1);
    text->setText("   ");

    dlg.findChild<QAbstractButton*>(kOkButton)->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    Speichern();

    std::vector<CFangesang> erwartet{original[0]};
    erwartet.insert(erwartet.end(), original.begin() + 3, original.end());
    erwartet.push_back(neu);
    erwartet.push_back(neu);
    const auto nachher = v3test::Snapshot(demo.path());
    for (const auto& [name, bytes] : vorher) {
        if (name == "DATA.V3/Fangesa.sav") continue;
        EXPECT_TRUE(nachher.at(name) == bytes) << name;
    }

    // What the file holds: its count, then the chants one after another.
    CV3File datei;
    ASSERT_TRUE(datei.Open(std::string(".\\DATA.V3\\") + kFangesaDatei, CV3File::modeRead));
    ASSERT_TRUE(datei.FindSection("FANGES"));
    int anzahl = 0;
    ASSERT_TRUE(datei.GetInt(anzahl));
    ASSERT_EQ(anzahl, int(erwartet.size()));
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        CFangesang gelesen;
        ASSERT_TRUE(gelesen.LadenV3Localized(datei, 0)) << "chant " << i;
        EXPECT_TRUE(gelesen == erwartet[i]) << "chant " << i;
    }
}

TEST_F(FangesangGui, OwnChantByDoubleClickAndTalkFromFileAndType) {
    // A mono file stays out of the list.
    const std::string gut = v3test::ReadBytes(demo.path() / "FanWaves" / "Fangesang1.wav");
    std::string mono = gut;
    mono[22] = 1;
    v3test::WriteBytes(demo.path() / "FanWaves" / "Aaa_mono.wav", mono);
    v3test::WriteBytes(demo.path() / "FanWaves" / "Aaa_neu.wav", gut);
    const std::size_t vorher = Daten().EigeneFangesangListe.size();
    {
        CEigenerFangesangDlg dlg(nullptr);
        dlg.show();
        auto* dateien = Feld<QListWidget>(&dlg, "Dateien");
        ASSERT_GT(dateien->count(), 1);
        EXPECT_EQ(dateien->item(0)->text(), "Aaa_neu.wav");
        EXPECT_TRUE(dateien->findItems("Aaa_mono.wav", Qt::MatchExactly).isEmpty());
        // A view takes a double click on the item its press went to.
        const QPoint punkt = dateien->visualItemRect(dateien->item(0)).center();
        QTest::mouseClick(dateien->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(dateien->viewport(), Qt::LeftButton, {}, punkt);
        auto* liste = Feld<QListWidget>(&dlg, "Liste");
        ASSERT_EQ(liste->count(), int(vorher) + 1);
        EXPECT_EQ(liste->currentRow(), 0) << "sorted before Fangesang1.wav";
        EXPECT_EQ(liste->item(0)->text(), "Aaa_neu.wav");

        // No audio output: playing is silent and returns at once.
        ASSERT_FALSE(App().SoundAktiv);
        QElapsedTimer uhr;
        uhr.start();
        Feld<QAbstractButton>(&dlg, "Spielen")->click();
        EXPECT_LT(uhr.elapsed(), 1000);
        dlg.findChild<QAbstractButton*>(kOkButton)->click();
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
    }
    ASSERT_EQ(Daten().EigeneFangesangListe.size(), vorher + 1);
    EXPECT_EQ(Daten().EigeneFangesangListe[0]->Text(), "Aaa_neu.wav");

    const std::size_t ansprachen = Daten().HalbzeitListe.size();
    {
        CHalbzeitAnsprachenDlg dlg(nullptr);
        dlg.show();
        auto* dateien = Feld<QListWidget>(&dlg, "Dateien");
        ASSERT_GT(dateien->count(), 0);
        // Without a type the request shows; then type 4.
        dateien->setCurrentRow(0);
        Befehl(&dlg, "Neu");
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, kBitteAnsprachentyp);
        Feld<QRadioButton>(&dlg, "Typ4")->click();
        Befehl(&dlg, "Neu");
        auto* liste = Feld<QListWidget>(&dlg, "Liste");
        ASSERT_EQ(liste->count(), int(ansprachen) + 1);
        EXPECT_EQ(liste->item(liste->count() - 1)->text(), "Beruhigt euch wieder - " + dateien->item(0)->text());
        dlg.findChild<QAbstractButton*>(kOkButton)->click();
    }
    ASSERT_EQ(Daten().HalbzeitListe.size(), ansprachen + 1);
    EXPECT_EQ(Daten().HalbzeitListe.back()->AnsprachenTyp(), 4);
}

#endif

TEST(SoundOhneAusgabe, EverySoundIsSilentAndReturnsAtOnce) {
    ScopedAppState state;
    CSoundLib lib([] { return false; });
    EXPECT_FALSE(lib.SoundLibInit(nullptr));
    EXPECT_FALSE(App().SoundAktiv);
    v3test::TempDir dir;
    std::string wav = "RIFF";
    wav += std::string("\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x22\x56\0\0\x88\x58\x01\0\x04\0\x10\0data\0\0\0\0", 40);
    v3test::WriteBytes(dir.path() / "a.wav", wav);
    QElapsedTimer uhr;
    uhr.start();
    CSound sound;
    EXPECT_FALSE(sound.Create(dir.path() / "a.wav"));
    EXPECT_FALSE(sound.Play(true));
    EXPECT_FALSE(sound.Playing());
    EXPECT_LT(uhr.elapsed(), 1000);
    // With an output the switch goes on once for the process, and off again.
    CSoundLib mit([] { return true; });
    EXPECT_TRUE(mit.SoundLibInit(nullptr));
    EXPECT_TRUE(lib.SoundLibInit(nullptr)) << "already on";
    lib.SoundLibExit();
    EXPECT_FALSE(mit.Aktiv());
}

}  // namespace
}  // namespace v3
