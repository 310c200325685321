// The fixture editor and the general settings headless on a copy of the demo:
// a pairing turned round through the fields and the list is refused as a
// repetition until its return match is turned too, then saved (only the
// league's file changes); the settings take a tax rate and a cup winner from
// the club chooser and keep them through a save and a load.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "GuiTestUtil.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/spieler/SpielerDialoge.h"
#include "editors/spielplan/SpielplanDialoge.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/UEFA.h"
#include "records/Verein.h"
#include "ui/WidgetText.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

void ListeKlicken(QListWidget* liste, int zeile) {
    QListWidgetItem* item = liste->item(zeile);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
}

// The matchday's first pairing turned round: both fields cleared, the away
// club chosen first.
void ErstePaarungDrehen(CSpielplanAendernDlg* dlg) {
    v3test::Klick(dlg, "Heim1");
    v3test::Klick(dlg, "Gast1");
    ASSERT_EQ(dlg->OhneGegner()->count(), 2);
    ListeKlicken(dlg->OhneGegner(), 1);
    ListeKlicken(dlg->OhneGegner(), 0);
}

#ifdef V3_HAVE_DEMO
class SpielplanGui : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc.OnNewDocument();
        ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
        App().AktuellesLand = 0;
    }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
};

TEST_F(SpielplanGui, ATurnedPairingNeedsItsReturnMatchTurnedAndOnlyTheLeagueFileChanges) {
    const auto vorher = v3test::Snapshot(demo.path() / "DATA.V3");
    const CLiga& liga = *Daten().AlleLaender[0]->Ligen()[0];
    const int heim = liga.Fixture(0, 0), gast = liga.Fixture(0, 1);
    ASSERT_EQ(liga.Fixture(17, 0), gast);  // matchday 18 holds the return match

    CSpielplanAuswahlDlg auswahl(0);
    ASSERT_EQ(auswahl.Liste()->count(), 6);
    v3test::WennOffen<CSpielplanAendernDlg>([&](CSpielplanAendernDlg* dlg) {
        EXPECT_FALSE(dlg->Trenner(8)->isHidden());
        EXPECT_TRUE(dlg->Trenner(9)->isHidden());
        EXPECT_TRUE(dlg->SpieltagKnopf(33)->isEnabled());
        EXPECT_FALSE(dlg->SpieltagKnopf(34)->isEnabled());

        v3test::Klick(dlg, "Heim1");
        v3test::Klick(dlg, "Spieltag2");  // refused: one club has no opponent
        EXPECT_TRUE(dlg->SpieltagKnopf(0)->isChecked());
        ASSERT_EQ(ui.messages.size(), 1u);
        // Enter on the list puts the club back as a click does.
        dlg->OhneGegner()->setCurrentRow(0);
        QTest::keyClick(dlg->OhneGegner(), Qt::Key_Return);
        EXPECT_EQ(dlg->OhneGegner()->count(), 0);

        ErstePaarungDrehen(dlg);
        v3test::Klick(dlg, kOkButton);
        ASSERT_TRUE(dlg->isVisible()) << "a repetition must keep the editor open";
        ASSERT_EQ(ui.messages.size(), 2u);
        EXPECT_NE(ui.messages[1].text.find("am 1. als auch am 18. Spieltag"), std::string::npos);

        v3test::Klick(dlg, "Spieltag18");
        ErstePaarungDrehen(dlg);
        v3test::Klick(dlg, kOkButton);
    });
    auswahl.OnEditieren();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(liga.Fixture(0, 0), heim) << "the data set changed before Übernehmen";
    v3test::Klick(&auswahl, kOkButton);
    EXPECT_EQ(auswahl.result(), QDialog::Accepted);

    state->BandenSpeichern = false;
    ASSERT_TRUE(doc.SpeichernV3Localized());
    const auto nachher = v3test::Snapshot(demo.path() / "DATA.V3");
    for (const auto& [name, bytes] : nachher) {
        if (name == "Liga1Deu.sav") continue;
        EXPECT_EQ(bytes, vorher.at(name)) << name;
    }
    // Lines: identification, section, name, short name, size, 18 clubs, then the matchdays.
    const auto zeilen = v3test::ReadCrLfLines(demo.path() / "DATA.V3" / "Liga1Deu.sav");
    const size_t tag1 = 23, tag18 = 23 + 17 * 18;
    EXPECT_EQ(zeilen[tag1], std::to_string(gast));
    EXPECT_EQ(zeilen[tag1 + 1], std::to_string(heim));
    EXPECT_EQ(zeilen[tag18], std::to_string(heim));
    EXPECT_EQ(zeilen[tag18 + 1], std::to_string(gast));
}

TEST_F(SpielplanGui, SettingsTakeATaxRateAndACupWinnerThroughSaveAndLoad) {
    CKleinigkeitenDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.Startjahr()->value(), 1999) << "1998 of the demo shows clamped";
    dlg.Steuersatz()->setValue(25);
    std::string gewaehlt;
    v3test::WennOffen<CSpielerWechselDlg>([&](CSpielerWechselDlg* w) {
        w->Clubs()->setCurrentRow(7);
        gewaehlt = w->Clubs()->currentItem()->text().toStdString();
        v3test::Klick(w, kOkButton);
    });
    dlg.PokalKnopf(kPokalDerPokalsieger)->click();
    EXPECT_EQ(dlg.PokalVerein(kPokalDerPokalsieger)->text().toStdString(), gewaehlt);
    v3test::Klick(&dlg, kOkButton);
    ASSERT_EQ(dlg.result(), QDialog::Accepted) << (ui.messages.empty() ? "" : ui.messages.back().text);
    EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), 1998) << "a year not entered stays";

    state->BandenSpeichern = false;
    ASSERT_TRUE(doc.SpeichernV3Localized());
    doc.SpeicherLoeschen();
    ASSERT_TRUE(doc.LadenV3Localized()) << doc.LadeFehler();
    EXPECT_EQ(Daten().kleinigkeiten->TaxRate(), 25);
    const int land = NationNr(Daten().uefa->SecondBlock(kPokalDerPokalsieger, 0));
    ASSERT_GE(land, 0);
    const CVerein* v = Daten().AlleLaender[size_t(land)]->VereinMitNummer(Daten().uefa->SecondBlock(1, 1));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(Qt8(v->Name()).toStdString(), gewaehlt);
}
#endif

}  // namespace
}  // namespace v3
