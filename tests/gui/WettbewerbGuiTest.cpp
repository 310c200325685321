// The competition editors, the statistics and the world's best players
// headless on a copy of the demo: each driven through its widgets, closed with
// OK and, where it changes the data set, saved and read back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "GuiTestUtil.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/spieler/SpielerDialoge.h"
#include "editors/wettbewerb/StatistikDialoge.h"
#include "editors/wettbewerb/WettbewerbDialoge.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Land.h"
#include "records/UEFA.h"
#include "records/Verein.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

#ifdef V3_HAVE_DEMO

class WettbewerbGui : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc.OnNewDocument();
        ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
    }
    // Saves, then loads the saved data set into a fresh state for `pruefe`.
    void SaveAndReload(const std::function<void()>& pruefe) {
        App().DatenGeaendert = true;
        ui.Answer(MsgResult::No);  // no board pictures
        doc.OnFileSave();
        ASSERT_FALSE(App().DatenGeaendert);
        ScopedAppState fresh;
        ScriptedUserInterface stumm;
        fresh->SetUserInterface(&stumm);
        fresh->installDir = demo.path();
        CEDITORDoc neu;
        ASSERT_TRUE(neu.LadenV3Localized());
        pruefe();
    }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
};

// One load of the demo for the editors that change the data set: each driven
// through its widgets and closed with OK, then one save and read-back.
TEST_F(WettbewerbGui, EditorsChangeTheDataSetThroughTheirWidgets) {
    // A holder of an ability title in the demo.
    CSpieler* halter = nullptr;
    int n = 0;
    {
        for (const auto& land : Daten().AlleLaender)
            for (const auto& v : land->VereinsListe())
                for (const auto& p : v->SpielerListe())
                    if (!halter && p->BesterSpieler() > 0) halter = p.get(), n = p->BesterSpieler();
        ASSERT_NE(halter, nullptr) << "the demo names world's best players";

        // The chooser in its ability mode: "Kein Spieler" first, never a keeper.
        {
            CSpielerholenDlg chooser(kHolenFaehigkeit, std::string(), nullptr, n);
            ASSERT_GT(chooser.Players()->count(), 0);
            EXPECT_EQ(chooser.Players()->item(0)->text(), "Kein Spieler");
            for (int c = 0; c < chooser.Countries()->count(); c += 7) {
                chooser.Countries()->setCurrentRow(c);
                for (int i = 1; i < chooser.Players()->count(); ++i)
                    EXPECT_FALSE(chooser.Players()->item(i)->text().startsWith("T\t"));
            }
            chooser.Players()->setCurrentRow(0);
            chooser.accept();
            EXPECT_EQ(chooser.result(), QDialog::Accepted);
            EXPECT_EQ(chooser.ChosenPlayer(), nullptr);
        }

        CWeltBesteSpielerDlg dlg;
        EXPECT_NE(dlg.FaehigkeitText(n)->text(), "Kein Spieler\n");
        dlg.waehle = [](int mode, int) -> std::optional<Titelhalter> {
            EXPECT_EQ(mode, kHolenFaehigkeit);
            return Titelhalter{};
        };
        dlg.FaehigkeitKnopf(n)->click();
        EXPECT_EQ(dlg.FaehigkeitText(n)->text(), "Kein Spieler\n");
        EXPECT_EQ(halter->BesterSpieler(), n) << "nothing changes before OK";
        v3test::Klick(&dlg, kOkButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(halter->BesterSpieler(), 0);
    }
    {
        App().AktuellesLand = 1;
        CNationaleWettbewerbeDlg dlg(1);
        ASSERT_NE(dlg.Name(0), nullptr);
        dlg.Name(0)->setText("Oberliga");
        dlg.Pokal()->setText("P");  // too short: refused, the dialog stays open
        v3test::Klick(&dlg, kOkButton);
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(ui.messages.size(), 1u);
        ui.messages.clear();
        dlg.Pokal()->setText("Landespokal");
        v3test::Klick(&dlg, kOkButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    CWMEMDlg hosts;
    ASSERT_EQ(hosts.List()->count(), 50);
    hosts.List()->setCurrentRow(1);
    int gewaehlt = 0;
    v3test::WennOffen<CWMEMAendernDlg>([&](CWMEMAendernDlg* d) {
        d->List()->setCurrentRow(0);
        gewaehlt = d->Chosen();
        d->accept();
    });
    hosts.OnEditieren();
    EXPECT_EQ(hosts.List()->currentRow(), 2);
    EXPECT_EQ(hosts.Rules().HostOf(1), gewaehlt);
    v3test::Klick(&hosts, kOkButton);

    CUEFAWertungDlg ranking;
    ASSERT_EQ(ranking.List()->topLevelItemCount(), CUEFA::kPlaetze);
    const int letzte = CUEFA::kPlaetze - 1;
    const int nation = ranking.Rules().Zeilen()[letzte].nation;
    v3test::WennOffen<CUEFAWertungAendernDlg>([](CUEFAWertungAendernDlg* d) {
        for (int s = 0; s < 6; ++s) d->Wert(s)->setValue(99);
        d->accept();
    });
    ranking.OnDblclk(letzte);
    EXPECT_EQ(ranking.List()->topLevelItem(0)->text(1).isEmpty(), false);
    EXPECT_EQ(ranking.List()->topLevelItem(0)->text(2), "495");
    v3test::Klick(&ranking, kOkButton);

    SaveAndReload([&] {
        for (const auto& land : Daten().AlleLaender)
            for (const auto& v : land->VereinsListe())
                for (const auto& p : v->SpielerListe()) EXPECT_NE(p->BesterSpieler(), n);

        EXPECT_EQ(Daten().AlleLaender[1]->Ligen()[0]->Name(), "Oberliga");
        EXPECT_EQ(Daten().AlleLaender[1]->PokalName(), "Landespokal");

        EXPECT_EQ(Daten().EMWMListe.size(), 50u);
        bool found = false;
        for (const auto& e : Daten().EMWMListe) found |= e->Nation() == gewaehlt;
        EXPECT_TRUE(found);
        EXPECT_EQ(Daten().uefa->Nation(0), nation);
        EXPECT_EQ(Daten().uefa->Points(0, 5), 99);
    });
}

// The editors that only check or show: statistics and the group editors.
TEST_F(WettbewerbGui, StatisticsAndGroupEditors) {
    {
        CStatistikDlg dlg;
        const Statistik& s = dlg.Figures();
        EXPECT_GT(s.spieler, 10000);
        ASSERT_GE(dlg.Spieler()->count(), 3);
        EXPECT_EQ(dlg.Spieler()->item(dlg.Spieler()->count() - 1)->text().toStdString().substr(0, 6), "Gesamt");
        EXPECT_EQ(dlg.Staerken()->count(), 12);
        EXPECT_EQ(dlg.Positionen()->count(), 10);
        auto* meiste = dlg.findChild<QLineEdit*>("MeisteSpieler");
        ASSERT_NE(meiste, nullptr);
        EXPECT_TRUE(meiste->isReadOnly());
        EXPECT_FALSE(meiste->text().isEmpty());
        EXPECT_EQ(dlg.findChild<QAbstractButton*>(kCancelButton), nullptr);
    }
    CLaenderTurnierEditorDlg em(1);
    int sichtbar = 0;
    for (int g = 0; g < 8; ++g) sichtbar += em.GroupButton(g)->isHidden() ? 0 : 1;
    EXPECT_EQ(sichtbar, 4);
    // The same nation twice: refused with the message, the dialog stays open.
    em.Position(1)->setCurrentIndex(em.Position(1)->findData(em.Position(0)->currentData()));
    v3test::Klick(&em, kOkButton);
    EXPECT_NE(em.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Jede Nation darf aber nur einmal"), std::string::npos);

    CLaenderTurnierEditorDlg wm(2);
    sichtbar = 0;
    for (int g = 0; g < 8; ++g) sichtbar += wm.GroupButton(g)->isHidden() ? 0 : 1;
    EXPECT_EQ(sichtbar, 8);

    // The club competition: a participant without club keeps the group shown;
    // a club twice is refused on OK.
    ui.messages.clear();
    CChampionsLeagueGruppenDlg cl;
    const int verein = cl.Verein(0)->currentData().toInt();
    cl.Verein(0)->setCurrentIndex(0);
    cl.GroupButton(4)->click();
    EXPECT_EQ(cl.Shown(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    cl.Verein(0)->setCurrentIndex(cl.Verein(0)->findData(verein));
    const int land = cl.Land(0)->currentData().toInt();
    cl.GroupButton(4)->click();
    EXPECT_EQ(cl.Shown(), 4);
    cl.Land(2)->setCurrentIndex(cl.Land(2)->findData(land));
    cl.Verein(2)->setCurrentIndex(cl.Verein(2)->findData(verein));
    v3test::Klick(&cl, kOkButton);
    EXPECT_NE(cl.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Der Teilnehmer 1 in Gruppe 1 ist schon in Gruppe 5 als Teilnehmer 3 vorhanden!\n");
}

#endif

}  // namespace
}  // namespace v3
