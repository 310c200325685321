// The bonus-country dialog headless on a copy of the demo: its checks through
// the widgets, Belgium lending its team and getting it back, "Kein" without a
// bonus country, and a bonus country made from the user's own crest and map
// that survives a save and a restart and leaves no trace once removed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>

#include "GuiTestUtil.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/BonusLand.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/bonus/BonusEditors.h"
#include "editors/bonus/BonusLandAuswahlDlg.h"
#include "platform/Bmp.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "ui/WidgetText.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

QComboBox* Feld(QWidget* dlg, const char* name) {
    auto* box = dlg->findChild<QComboBox*>(name);
    EXPECT_NE(box, nullptr) << name;
    return box;
}

// Chooses the entry with this text.
void WaehleText(QWidget* dlg, const char* liste, const QString& text) {
    QComboBox* box = Feld(dlg, liste);
    const int i = box->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    box->setCurrentIndex(i);
}

void DrueckeOk(QWidget* dlg) { dlg->findChild<QAbstractButton*>(kOkButton)->click(); }

#ifdef V3_HAVE_DEMO
class BonusGui : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc.OnNewDocument();
        ASSERT_TRUE(App().LadenOk) << doc.LadeFehler();
        WriteBytes("eigen/wappen.bmp", WriteBmp(BmpImage::Blank(32, 32, 8)));
        WriteBytes("eigen/klein.bmp", WriteBmp(BmpImage::Blank(16, 16, 8)));
        QImage karte(64, 48, QImage::Format_RGB32);
        karte.fill(Qt::darkGreen);
        ASSERT_TRUE(karte.save(Pfad("eigen/karte.jpg"), "JPEG"));
        WriteBytes("eigen/karte-kein.jpg", "GIF89a");
    }
    QString Pfad(const std::string& name) const { return QString::fromStdString((demo.path() / name).string()); }
    void WriteBytes(const std::string& name, const std::string& bytes) {
        fs::create_directories((demo.path() / name).parent_path());
        v3test::WriteBytes(demo.path() / name, bytes);
    }
    // The first nation offered that is none of the predefined bonus nations.
    static BonusNationEintrag AndereNation() {
        for (const auto& e : BonusNationenListe())
            if (e.nation > 0 && VordefinierteBonusNationVon(e.nation) < 0) return e;
        return {};
    }
    // Runs the menu command with `eingabe` filling the dialog before OK.
    bool Befehl(std::function<void(CBonusLandAuswahlDlg*)> eingabe) {
        v3test::WennOffen<CBonusLandAuswahlDlg>([eingabe](CBonusLandAuswahlDlg* dlg) {
            eingabe(dlg);
            DrueckeOk(dlg);
            if (dlg->isVisible()) dlg->reject();  // a check refused: give up
        });
        return RunBonusLand(nullptr);
    }
    void Speichern() {
        App().BandenSpeichern = false;
        doc.SpeichereDaten();
        ASSERT_FALSE(App().DatenGeaendert);
    }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
};

TEST_F(BonusGui, EveryCheckShowsItsMessageAndKeepsTheDialogOpen) {
    const QString andere = Qt8(AndereNation().name);
    ASSERT_FALSE(andere.isEmpty());
    const std::string land = "Bitte zuerst ein Land aus der Liste w\xC3\xA4hlen!";
    const std::string wappen = "Bitte zuerst eine Datei f\xC3\xBCr das Standardwappen des Landes ausw\xC3\xA4hlen!";
    const std::string karte = "Bitte zuerst eine Datei f\xC3\xBCr die Karte des Landes ausw\xC3\xA4hlen!";
    struct Fall {
        const char* name;
        std::function<void(CBonusLandAuswahlDlg*)> eingabe;
        std::string meldung;
    };
    auto gueltig = [](CBonusLandAuswahlDlg* d) {
        WaehleText(d, "Land", "Belgien");
        Feld(d, "Wappen")->setCurrentIndex(0);
        Feld(d, "Karte")->setCurrentIndex(0);
        Feld(d, "Ligagroesse")->setCurrentIndex(0);
        Feld(d, "GelbSperre")->setCurrentIndex(0);
    };
    auto eigene = [&](const char* wappenDatei, const char* karteDatei) {
        return [=, this](CBonusLandAuswahlDlg* d) {
            gueltig(d);
            WaehleText(d, "Land", andere);
            d->SetzeEigenesWappen(Pfad(wappenDatei));
            d->SetzeEigeneKarte(Pfad(karteDatei));
        };
    };
    const std::vector<Fall> faelle = {
        {"nothing chosen", [](CBonusLandAuswahlDlg* d) { Feld(d, "Land")->setCurrentIndex(-1); },
         land + "\n" + wappen + "\n" + karte + "\nBitte w\xC3\xA4hlen Sie eine Ligagr\xC3\xB6\xC3\x9F" "e!\n"
                "Bitte w\xC3\xA4hlen Sie eine Gelbsperre aus!"},
        {"predefined pictures for another nation",
         [&](CBonusLandAuswahlDlg* d) {
             gueltig(d);
             WaehleText(d, "Land", andere);
         },
         "Die vordefinierten Wappen k\xC3\xB6nnen nur f\xC3\xBCr ein vordefiniertes Bonusland ausgew\xC3\xA4hlt "
         "werden!\nDie vordefinierten Karten k\xC3\xB6nnen nur f\xC3\xBCr ein vordefiniertes Bonusland "
         "ausgew\xC3\xA4hlt werden!"},
        {"crest and map of two nations",
         [&](CBonusLandAuswahlDlg* d) {
             gueltig(d);
             Feld(d, "Karte")->setCurrentIndex(1);
         },
         "Die ausgew\xC3\xA4hlten Wappen/Flaggen m\xC3\xBCssen \xC3\xBC" "bereinstimmen!"},
        {"crest of 16 x 16", eigene("eigen/klein.bmp", "eigen/karte.jpg"),
         "Die Grafik hat eine andere Gr\xC3\xB6\xC3\x9F" "e als 32*32 Pixel!"},
        {"map not a JPEG", eigene("eigen/wappen.bmp", "eigen/karte-kein.jpg"), karte},
        {"crest gone before OK",
         [&](CBonusLandAuswahlDlg* d) {
             eigene("eigen/weg.bmp", "eigen/karte.jpg")(d);
         },
         wappen},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ui.messages.clear();
        CBonusLandAuswahlDlg dlg(nullptr, BonusLandVorbelegung());
        dlg.show();
        f.eingabe(&dlg);
        DrueckeOk(&dlg);
        EXPECT_TRUE(dlg.isVisible());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, f.meldung);
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::None);
    }
    EXPECT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender));
}

TEST_F(BonusGui, BelgiumLendsItsTeamUntilKeinGivesItBack) {
    // "Kein" without a bonus country only resets the bonus slot.
    App().Laendername[kBonusLandIndex] = "Rest";
    EXPECT_TRUE(Befehl([](CBonusLandAuswahlDlg* d) { EXPECT_EQ(Feld(d, "Land")->currentText(), "Kein"); }));
    EXPECT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender));
    EXPECT_EQ(App().Laendername[kBonusLandIndex], "Fehler!");
    EXPECT_EQ(App().NationNummer[kBonusLandIndex], -1);

    const int belgien = App().NationNummer[11];
    ASSERT_EQ(belgien, 6);
    EXPECT_TRUE(Befehl([](CBonusLandAuswahlDlg* d) {
        WaehleText(d, "Land", "Belgien");
        Feld(d, "Wappen")->setCurrentIndex(0);
        Feld(d, "Karte")->setCurrentIndex(0);
        Feld(d, "Ligagroesse")->setCurrentIndex(2);
        Feld(d, "GelbSperre")->setCurrentIndex(1);
        d->findChild<QSpinBox*>("SuperCup")->setValue(2);
        EXPECT_EQ(d->findChild<QSpinBox*>("SuperCup")->suffix(), " Spiele");
    }));
    ASSERT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender) + 1);
    const CLand& bonus = *Daten().AlleLaender[size_t(kBonusLandIndex)];
    EXPECT_EQ(bonus.BonusLand(), 2);
    EXPECT_EQ(bonus.Ligen()[0]->Size(), 16);
    EXPECT_EQ(bonus.SuperCup(), 2);
    EXPECT_EQ(App().NationNummer[11], -1);
    EXPECT_EQ(Daten().AlleLaender[11]->BonusLand(), 1);
    EXPECT_EQ(App().NationNummer[kBonusLandIndex], belgien);

    // Opened again, the dialog shows the bonus country; "Kein" removes it.
    EXPECT_TRUE(Befehl([](CBonusLandAuswahlDlg* d) {
        EXPECT_EQ(Feld(d, "Land")->currentText(), "Belgien");
        EXPECT_EQ(Feld(d, "Ligagroesse")->currentIndex(), 2);
        EXPECT_EQ(Feld(d, "Wappen")->currentIndex(), 0);
        EXPECT_EQ(d->findChild<QSpinBox*>("SuperCup")->value(), 2);
        WaehleText(d, "Land", "Kein");
    }));
    EXPECT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender));
    EXPECT_EQ(App().NationNummer[11], belgien);
    EXPECT_EQ(Daten().AlleLaender[11]->BonusLand(), 0);
}

TEST_F(BonusGui, OwnCrestAndMapSurviveARestartAndRemovalLeavesNoTrace) {
    const fs::path daten = demo.path() / "DATA.V3";
    const auto nie = v3test::Snapshot(daten);
    const BonusNationEintrag nation = AndereNation();
    ASSERT_GT(nation.nation, 0);

    EXPECT_TRUE(Befehl([&](CBonusLandAuswahlDlg* d) {
        WaehleText(d, "Land", Qt8(nation.name));
        // The crest through its file dialog, the map as the file dialog would give it.
        v3test::WennOffen<QFileDialog>([this](QFileDialog* f) {
            f->selectFile(Pfad("eigen/wappen.bmp"));
            QMetaObject::invokeMethod(f, "accept");
        });
        d->findChild<QAbstractButton*>("WappenDurchsuchen")->click();
        EXPECT_EQ(Feld(d, "Wappen")->currentText(), "wappen.bmp");
        d->SetzeEigeneKarte(Pfad("eigen/karte.jpg"));
        Feld(d, "Ligagroesse")->setCurrentIndex(0);
        Feld(d, "GelbSperre")->setCurrentIndex(0);
    }));
    ASSERT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender) + 1);
    const std::string kuerzel = App().Laenderkuerzel[kBonusLandIndex];
    EXPECT_EQ(ui.progressTitles.back(), "Erzeuge Bonusland...");
    Speichern();

    const std::string eigenesWappen = v3test::ReadBytes(demo.path() / "eigen/wappen.bmp");
    {
        ScopedAppState neu;
        ScriptedUserInterface stumm;
        neu->SetUserInterface(&stumm);
        neu->installDir = demo.path();
        CEDITORDoc zweites;
        zweites.OnNewDocument();
        ASSERT_TRUE(neu->LadenOk) << zweites.LadeFehler();
        ASSERT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender) + 1);
        const CLand& bonus = *Daten().AlleLaender[size_t(kBonusLandIndex)];
        EXPECT_EQ(neu->BonusNation, nation.nation);
        EXPECT_EQ(bonus.ClubCount(), 18);  // a league of 12 clubs
        EXPECT_EQ(bonus.BonusPredefined(), -1);
        EXPECT_EQ(neu->BonusWappenDatei, Pfad("eigen/wappen.bmp").toStdString());
        EXPECT_EQ(neu->BonusKarteDatei, Pfad("eigen/karte.jpg").toStdString());
        for (int n = 1; n <= bonus.ClubCount(); ++n)
            EXPECT_EQ(v3test::ReadBytes(daten / "Wappen" / ("BW_" + kuerzel + std::to_string(n) + ".BMP")),
                      eigenesWappen)
                << n;
        EXPECT_TRUE(fs::exists(daten / "liga1bon.sav"));
    }

    EXPECT_TRUE(Befehl([](CBonusLandAuswahlDlg* d) { WaehleText(d, "Land", "Kein"); }));
    EXPECT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender));
    App().DatenGeaendert = true;
    Speichern();
    // Every file of the data set as before; what the bonus country left are
    // its own league file and crests, which nothing reads without it.
    const auto danach = v3test::Snapshot(daten);
    for (const auto& [name, bytes] : nie) EXPECT_TRUE(danach.count(name) && danach.at(name) == bytes) << name;
    for (const auto& [name, bytes] : danach) {
        if (!nie.count(name)) {
            EXPECT_TRUE(name.rfind("Wappen/BW_", 0) == 0 || name.find("bon.sav") != std::string::npos) << name;
        }
    }
}
#endif

}  // namespace
}  // namespace v3
