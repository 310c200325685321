// The people editors headless on a copy of the demo: the sponsor editor driven
// through its widgets and saved (only the edited sponsor's board picture and
// its country file change), a missing board template, the coach chooser's
// selection mode, the coach change dialog with its derived age and the referee
// dialog's exclusive home and guest boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <map>

#include "GuiTestUtil.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/personal/BandenwerbungDlg.h"
#include "editors/personal/PersonalEditors.h"
#include "editors/personal/PersonalWidgets.h"
#include "platform/Text1252.h"
#include "records/Land.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

#ifdef V3_HAVE_DEMO
class PersonalGui : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc.OnNewDocument();
        ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
        App().AktuellesLand = 0;
    }
    CLand& Land0() { return *Daten().AlleLaender[0]; }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
};

TEST_F(PersonalGui, SponsorRenamedRecolouredAndRefontedChangesOnlyItsBoardAndCountryFile) {
    const auto vorher = v3test::Snapshot(demo.path());
    const CSponsor original = *Land0().Sponsors()[2];

    CBandenwerbungDlg dlg(nullptr, Land0());
    dlg.show();
    dlg.Liste()->setCurrentRow(2);
    ASSERT_FALSE(dlg.Bande().isNull());

    // Renaming while typing; a character code page 1252 cannot hold is refused.
    QLineEdit* firma = dlg.Firmenname();
    firma->selectAll();
    QTest::keyClicks(firma, "Zauberkraut AG");
    QKeyEvent ohm(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xE2\x84\xA6"));
    QApplication::sendEvent(firma, &ohm);  // the Ohm sign
    EXPECT_EQ(firma->text(), "Zauberkraut AG");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Fehler!");
    EXPECT_EQ(dlg.Liste()->item(2)->text(), "Zauberkraut AG");
    EXPECT_EQ(dlg.Sponsoren().Kopie(2).Name(), "Zauberkraut AG");
    EXPECT_TRUE(*Land0().Sponsors()[2] == original) << "the country's sponsor changed before OK";

    // Left button on square 9 (index 93): text colour; right on square 15 (index 1): background.
    CFarbFeld* farben = dlg.FarbFeld();
    QTest::mouseClick(farben, Qt::LeftButton, {}, farben->Feld(9).center());
    QTest::mouseClick(farben, Qt::RightButton, {}, farben->Feld(15).center());
    EXPECT_EQ(dlg.Sponsoren().Kopie(2).TextFarbe(), 93);
    EXPECT_EQ(dlg.Sponsoren().Kopie(2).HintergrundFarbe(), 1);

    // The font dialog: 30 points, bold; its size spinner stops at 36.
    v3test::WennOffen<CSchriftDlg>([](CSchriftDlg* s) {
        s->Groesse()->setValue(50);
        EXPECT_EQ(s->Groesse()->value(), 36);
        s->Groesse()->setValue(30);
        s->Fett()->setChecked(!s->Fett()->isChecked());
        v3test::Klick(s, kOkButton);
    });
    const bool warFett = original.FontWeight() >= 600;
    dlg.SchriftKnopf()->click();
    EXPECT_EQ(dlg.Sponsoren().Kopie(2).FontHeight(), -40);
    EXPECT_EQ(dlg.Sponsoren().Kopie(2).FontWeight() >= 600, !warFett);
    EXPECT_EQ(dlg.Sponsoren().Kopie(2).FontFace(), original.FontFace()) << "face not picked, name kept";

    // The company size counts without a change of the selection.
    auto* groesse = dlg.findChild<QSpinBox*>("Groesse");
    ASSERT_NE(groesse, nullptr);
    const int neueGroesse = (original.Unternehmensgroesse() + 1) % 3;
    groesse->setValue(neueGroesse);

    v3test::Klick(&dlg, kOkButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const CSponsor& neu = *Land0().Sponsors()[2];
    EXPECT_EQ(neu.Unternehmensgroesse(), neueGroesse);
    EXPECT_EQ(neu.Name(), "Zauberkraut AG");
    EXPECT_EQ(neu.TextFarbe(), 93);

    ui.messages.clear();
    App().DatenGeaendert = true;
    ui.Answer(MsgResult::Yes);  // board pictures too
    doc.OnFileSave();
    ASSERT_FALSE(App().DatenGeaendert);
    for (const auto& m : ui.messages) EXPECT_NE(m.icon, MsgIcon::Stop) << m.text;

    const auto nachher = v3test::Snapshot(demo.path());
    ASSERT_EQ(nachher.size(), vorher.size());
    const std::string bild = "BANDEN/kom3.bmp";  // country 0, third sponsor
    const std::string landDatei = std::string("DATA.V3/") + LandDatei[0];
    EXPECT_NE(nachher.at(bild), vorher.at(bild));
    const std::vector<uint8_t> erwartet = neu.ErzeugeBitmapPtr();
    EXPECT_EQ(nachher.at(bild), std::string(erwartet.begin(), erwartet.end()));
    EXPECT_NE(nachher.at(landDatei), vorher.at(landDatei));
    EXPECT_NE(nachher.at(landDatei).find("Zauberkraut AG"), std::string::npos);
    for (const auto& [name, bytes] : vorher) {
        if (name == bild || name == landDatei) continue;
        EXPECT_TRUE(nachher.at(name) == bytes) << name;
    }
}

TEST_F(PersonalGui, MissingBoardTemplateGivesAPlainPreviewAndTheSaveStillWritesTheData) {
    const int vorlage = Land0().Sponsors()[0]->BandenVorlage();
    char name[32];
    std::snprintf(name, sizeof name, "bande%02d.bmp", vorlage + 1);
    fs::remove(demo.path() / "BANDEN" / name);
    const auto daten = v3test::Snapshot(demo.path() / "DATA.V3");

    {
        CBandenwerbungDlg dlg(nullptr, Land0());
        dlg.show();
        ASSERT_FALSE(dlg.Bande().isNull());
        EXPECT_EQ(dlg.Bande().size(), QSize(CSponsor::kBoardWidth, CSponsor::kBoardHeight));
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_NE(ui.messages[0].text.find(name), std::string::npos) << ui.messages[0].text;
        v3test::Klick(&dlg, kOkButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }

    ui.messages.clear();
    App().DatenGeaendert = true;
    ui.Answer(MsgResult::Yes);
    doc.OnFileSave();
    EXPECT_FALSE(App().DatenGeaendert) << "the data files were not all written";
    EXPECT_FALSE(ui.messages.empty());
    const auto nachher = v3test::Snapshot(demo.path() / "DATA.V3");
    for (const auto& [datei, bytes] : daten) EXPECT_TRUE(nachher.at(datei) == bytes) << datei;
}

TEST_F(PersonalGui, CoachChooserWantsALineAndReturnsTheChosenOne) {
    const auto& freie = Land0().Coaches();
    v3test::WennOffen<CPersonenListeDlg>([this](CPersonenListeDlg* d) {
        EXPECT_EQ(d->findChild<QAbstractButton*>(kOkButton)->text(), QString::fromUtf8("\xC3\x9C" "bernehmen"));
        d->Liste()->clearSelection();
        v3test::Klick(d, kOkButton);
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Bitte w\xC3\xA4hlen Sie zuerst einen Trainer aus der Liste!");
        d->Liste()->setCurrentItem(d->Liste()->topLevelItem(4));
        v3test::Klick(d, kOkButton);
    });
    EXPECT_EQ(WaehleTrainer(nullptr, freie), 4);
}

TEST_F(PersonalGui, CoachChangeDialogDerivesTheAgeAndKeepsRefusedInputOpen) {
    const int saison = App().Saisonstartjahr;
    v3test::WennOffen<CPersonenListeDlg>([this, saison](CPersonenListeDlg* liste) {
        liste->Liste()->setCurrentItem(liste->Liste()->topLevelItem(1));
        v3test::WennOffen<CAendernDlg>([this, saison](CAendernDlg* d) {
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Trainer \xC3\xA4ndern"));
            auto* jahr = d->findChild<QSpinBox*>("Jahr");
            auto* monat = d->findChild<QSpinBox*>("Monat");
            auto* alter = d->findChild<QLabel*>("Alter");
            auto* name = d->findChild<QLineEdit*>("Name");
            ASSERT_TRUE(jahr && monat && alter && name);
            EXPECT_EQ(jahr->minimum(), saison - 70);
            EXPECT_EQ(jahr->maximum(), saison - 31);
            jahr->setValue(saison - 40);
            monat->setValue(7);
            EXPECT_EQ(alter->text(), "39");
            d->findChild<QSpinBox*>("Kompetenz")->setValue(14);
            name->setText(QString::fromUtf8("Gr\xE2\x84\xA6\xC3\x9F"));
            v3test::Klick(d, kOkButton);
            EXPECT_TRUE(d->isVisible()) << "refused name closed the dialog";
            EXPECT_EQ(name->text(), QString::fromUtf8("Gr\xE2\x84\xA6\xC3\x9F"));
            ASSERT_EQ(ui.messages.size(), 1u);
            name->setText(QString::fromUtf8("Gro\xC3\x9F"));
            v3test::Klick(d, kOkButton);
        });
        liste->findChild<QAbstractButton*>("Aendern")->click();
        EXPECT_EQ(liste->Liste()->topLevelItem(1)->text(0).left(5), QString::fromUtf8("Gro\xC3\x9F,"));
        v3test::Klick(liste, kOkButton);
    });
    EXPECT_TRUE(RunTrainerPool(nullptr));
    const CTrainerUndCo& t = *Land0().Coaches()[1];
    EXPECT_EQ(t.Nachname(), Cp("Gro\xC3\x9F"));
    EXPECT_EQ(t.Alter(), 39);
    EXPECT_EQ(t.Kompetenz(), 14);
    EXPECT_EQ(t.GeburtsDatum().year, saison - 40);
}

TEST_F(PersonalGui, RefereeHomeAndGuestBoxesExcludeEachOther) {
    auto& schiri = *Land0().Referees()[0];
    schiri.SchiriEigenschaften(SchiriHeim);
    v3test::WennOffen<CPersonenListeDlg>([](CPersonenListeDlg* liste) {
        liste->Liste()->setCurrentItem(liste->Liste()->topLevelItem(0));
        v3test::WennOffen<CAendernDlg>([](CAendernDlg* d) {
            auto* heim = d->findChild<QCheckBox*>("Heim");
            auto* gast = d->findChild<QCheckBox*>("Gast");
            auto* coaching = d->findChild<QCheckBox*>("Coaching");
            ASSERT_TRUE(heim && gast && coaching);
            EXPECT_TRUE(heim->isChecked());
            gast->click();
            EXPECT_FALSE(heim->isChecked());
            EXPECT_TRUE(gast->isChecked());
            coaching->click();
            v3test::Klick(d, kOkButton);
        });
        // Enter on the line opens the change dialog and leaves the list open.
        QTest::keyClick(liste->Liste(), Qt::Key_Return);
        EXPECT_TRUE(liste->isVisible());
        v3test::Klick(liste, kOkButton);
    });
    EXPECT_TRUE(RunSchiedsrichter(nullptr));
    EXPECT_EQ(Land0().Referees()[0]->SchiriEigenschaften(), SchiriGast | SchiriHasstCoaching);
}
#endif

}  // namespace
}  // namespace v3
