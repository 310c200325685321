// The league composition, headless: a promoted club of the first league and a
// relegated club of the second change places through the dialog's buttons;
// OK, save, and the data set read again holds the exchange and nothing else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <map>

#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/liga/LigazusammensetzungDlg.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Verein.h"
#include "shell/PictureCache.h"
#include "ui/PictureLoader.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

#ifdef V3_HAVE_DEMO

namespace fs = std::filesystem;

// The demo loaded into a fresh application state.
struct LigaDemo {
    ScopedAppState state;
    ScriptedUserInterface ui;
    std::unique_ptr<CEDITORDoc> doc;
    explicit LigaDemo(const fs::path& dir) {
        state->SetUserInterface(&ui);
        state->installDir = dir;
        doc = std::make_unique<CEDITORDoc>();
        doc->OnNewDocument();
    }
};

std::vector<std::string> LigaZeilen(const std::string& bytes) {
    std::vector<std::string> z;
    size_t a = 0;
    for (size_t e; (e = bytes.find("\r\n", a)) != std::string::npos; a = e + 2) z.push_back(bytes.substr(a, e - a));
    return z;
}

void Waehle(QListWidget* liste, int zeile) {
    liste->clearSelection();
    liste->setCurrentRow(zeile);
    liste->item(zeile)->setSelected(true);
}

// A line of a league whose club has the flag `nummer` and no cup flag.
int ZeileMit(const CLigazusammensetzung& r, int liga, int32_t nummer) {
    const auto& vereine = r.Liga(liga);
    for (int i = int(vereine.size()) - 1; i >= 0; --i)
        if (r.Status(vereine[size_t(i)]) == nummer) return i;
    return -1;
}

TEST(LigaGui, ExchangingAPromotedAndARelegatedClubIsSavedAndReadBack) {
    v3test::DemoInstallation demo;
    const auto vorher = v3test::Snapshot(demo.path() / "DATA.V3");
    int runter = 0, rauf = 0;  // club numbers
    std::vector<int> alt0, alt1, liga0, liga1;
    {
        LigaDemo d(demo.path());
        ASSERT_TRUE(App().LadenOk);
        CQtPictureDecoder decoder;
        CPictureCache cache(decoder);
        App().pictures = &cache;
        App().AktuellesLand = 0;
        CLand& land = *Daten().AlleLaender[0];
        CLigazusammensetzungDlg dlg(land, 0, nullptr);
        dlg.show();
        auto& r = dlg.Regeln();
        QListWidget* liga = dlg.LigaListe();
        QListWidget* rest = dlg.RestListe();
        auto* zurLiga = dlg.findChild<QPushButton*>("ButtonToLiga");
        auto* zumRest = dlg.findChild<QPushButton*>("ButtonToRest");
        ASSERT_TRUE(zurLiga && zumRest);
        EXPECT_EQ(dlg.windowTitle(), "Ligenzusammensetzung - " + QString::fromStdString(Cp1252ToUtf8(App().Laendername[0])));
        EXPECT_EQ(liga->count(), 18);
        EXPECT_FALSE(dlg.Bild(kFlagMeister).isNull());
        EXPECT_TRUE(dlg.Bild(0).isNull());
        alt0 = r.Liga(0);
        alt1 = r.Liga(1);

        // The context menu of the first line: promoted, relegated and "Flags
        // löschen" greyed.
        {
            auto menu = dlg.KontextMenu(0);
            std::map<QString, bool> aktiv;
            for (QAction* a : menu->actions()) aktiv[a->text()] = a->isEnabled();
            EXPECT_FALSE(aktiv.at("Aufsteiger"));
            EXPECT_FALSE(aktiv.at("Absteiger"));
            EXPECT_FALSE(aktiv.at("Flags löschen"));
            EXPECT_TRUE(aktiv.at("Pokalsieger"));
        }

        // A promoted club of the first league goes to the rest list.
        const int zeileAuf = ZeileMit(r, 0, kFlagAufsteiger);
        ASSERT_GE(zeileAuf, 0);
        runter = r.Liga(0)[size_t(zeileAuf)];
        Waehle(liga, zeileAuf);
        zumRest->click();
        EXPECT_EQ(liga->count(), 17);
        // A relegated club of the second league too.
        dlg.LigaKnopf(1)->click();
        EXPECT_EQ(r.Gezeigt(), 1);
        const int zeileAb = ZeileMit(r, 1, kFlagAbsteiger);
        ASSERT_GE(zeileAb, 0);
        rauf = r.Liga(1)[size_t(zeileAb)];
        Waehle(liga, zeileAb);
        zumRest->click();
        ASSERT_EQ(r.Rest()[0], rauf);
        ASSERT_EQ(r.Rest()[1], runter);

        // OK now lacks a club in each of the two leagues.
        dlg.findChild<QPushButton*>(kOkButton)->click();
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        ASSERT_FALSE(d.ui.messages.empty());
        EXPECT_EQ(d.ui.messages.back().caption, "Fehler!");

        // Down into the second league, up into the first.
        Waehle(rest, 1);
        zurLiga->click();
        EXPECT_EQ(r.Status(runter), kFlagAbsteiger);
        EXPECT_TRUE(liga->item(liga->count() - 1)->isSelected());
        dlg.LigaKnopf(0)->click();
        Waehle(rest, 0);
        zurLiga->click();
        EXPECT_EQ(r.Status(rauf), kFlagAufsteiger);
        liga0 = r.Liga(0);
        liga1 = r.Liga(1);
        d.ui.messages.clear();
        dlg.findChild<QPushButton*>(kOkButton)->click();
        ASSERT_EQ(dlg.result(), QDialog::Accepted) << (d.ui.messages.empty() ? "" : d.ui.messages.back().text);
        ASSERT_TRUE(d.doc->SpeichernV3Localized());
        App().pictures = nullptr;
    }

    // Read again: both clubs in their new leagues with their new flags.
    {
        LigaDemo d(demo.path());
        ASSERT_TRUE(App().LadenOk);
        const CLand& land = *Daten().AlleLaender[0];
        for (int i = 0; i < 18; ++i) {
            EXPECT_EQ(land.Ligen()[0]->ClubNumber(i), liga0[size_t(i)]) << i;
            EXPECT_EQ(land.Ligen()[1]->ClubNumber(i), liga1[size_t(i)]) << i;
        }
        EXPECT_EQ(land.Ligen()[0]->ClubNumber(17), rauf);
        EXPECT_EQ(land.Ligen()[1]->ClubNumber(17), runter);
        EXPECT_EQ(land.VereinMitNummer(runter)->Status(), kFlagAbsteiger);
        EXPECT_EQ(land.VereinMitNummer(rauf)->Status(), kFlagAufsteiger);

        // A country without a league system: one list of all its clubs, no
        // league choice, no moving, champion and runner-up by hand.
        App().AktuellesLand = 11;
        CLand& weiteres = *Daten().AlleLaender[11];
        CLigazusammensetzungDlg dlg(weiteres, 1, nullptr);
        EXPECT_EQ(dlg.LigaListe()->count(), int(weiteres.VereinsListe().size()));
        EXPECT_FALSE(dlg.LigaKnopf(0)->isEnabled());
        EXPECT_FALSE(dlg.findChild<QPushButton*>("ButtonToLiga")->isEnabled());
        EXPECT_FALSE(dlg.RestListe()->isEnabled());
        auto menu = dlg.KontextMenu(3);
        ASSERT_EQ(menu->actions().size(), 5);
        menu->actions()[0]->trigger();  // "Meister"
        EXPECT_EQ(dlg.Regeln().Status(dlg.Regeln().Liga(0)[3]) & 0xF, kFlagMeister);
    }

    // Nothing else changed: the country file in the two statuses, the two
    // league files in their club numbers.
    const auto nachher = v3test::Snapshot(demo.path() / "DATA.V3");
    ASSERT_EQ(nachher.size(), vorher.size());
    int geaenderteDateien = 0, geaenderteZeilen = 0;
    for (const auto& [datei, alt] : vorher) {
        if (nachher.at(datei) == alt) continue;
        ++geaenderteDateien;
        const auto a = LigaZeilen(alt), n = LigaZeilen(nachher.at(datei));
        ASSERT_EQ(a.size(), n.size()) << datei;
        for (size_t i = 0; i < a.size(); ++i) geaenderteZeilen += a[i] != n[i];
    }
    EXPECT_EQ(geaenderteDateien, 3);
    int zahlen = 0;
    for (size_t i = 0; i < 18; ++i) zahlen += (alt0[i] != liga0[i]) + (alt1[i] != liga1[i]);
    EXPECT_EQ(geaenderteZeilen, 2 + zahlen);
}

TEST(LigaGui, HandbuchBild) {
    const QString ziel = qEnvironmentVariable("V3_HANDBUCH_BILDER");
    if (ziel.isEmpty()) GTEST_SKIP() << "V3_HANDBUCH_BILDER not set";
    v3test::DemoInstallation demo;
    LigaDemo d(demo.path());
    ASSERT_TRUE(App().LadenOk);
    CQtPictureDecoder decoder;
    CPictureCache cache(decoder);
    App().pictures = &cache;
    // A country with clubs in no league.
    App().AktuellesLand = 1;
    CLigazusammensetzungDlg dlg(*Daten().AlleLaender[1], 0, nullptr);
    dlg.show();
    dlg.RestListe()->setCurrentRow(1);
    dlg.LigaListe()->setCurrentRow(2);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_TRUE(dlg.grab().save(ziel + "/ligen.png"));
    App().pictures = nullptr;
}

#endif

}  // namespace
}  // namespace v3
