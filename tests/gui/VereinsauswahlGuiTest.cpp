// The club selection and the club editor, headless, on a copy of the demo: a
// club renamed and its crest painted in the editor, taken over and saved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <map>

#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/verein/VereinsEditorDlg.h"
#include "editors/verein/VereinsNamenDlg.h"
#include "editors/verein/VereinsauswahlDlg.h"
#include "editors/verein/WappenSeite.h"
#include "records/AmateurVerein.h"
#include "records/Land.h"
#include "records/Verein.h"
#include "platform/Text1252.h"
#include "shell/PictureCache.h"
#include "ui/PictureLoader.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

TEST(VereinsauswahlGui, AmateurClubNamesRenamedInTheList) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    state->AktuellesLand = 0;
    Daten().AlleLaender.push_back(std::make_unique<CLand>());
    auto& amateure = Daten().AlleLaender[0]->AmateurVereine();
    ASSERT_GE(amateure.size(), 2u);
    CVereinsNameAendernDlg dlg(0, nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Amateurvereinsauswahl - Deutschland");
    // The box is asked again after a refused name.
    std::vector<std::string> versuche = {"ab", "Neuer Amateurklub"};
    dlg.box = [&](const std::string&, const std::function<bool(const std::string&)>& nehmen) {
        for (const auto& v : versuche)
            if (nehmen(v)) return true;
        return false;
    };
    dlg.Liste()->setCurrentRow(0);
    dlg.findChild<QPushButton*>("Bearbeiten")->click();
    EXPECT_EQ(dlg.Liste()->item(0)->text(), "Neuer Amateurklub");
    EXPECT_EQ(dlg.Liste()->currentRow(), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Der Name muß mindestens 4 Zeichen lang sein!");
    EXPECT_NE(amateure[0]->Name(), "Neuer Amateurklub");
    dlg.findChild<QPushButton*>(kOkButton)->click();
    EXPECT_EQ(amateure[0]->Name(), "Neuer Amateurklub");
}

#ifdef V3_HAVE_DEMO

std::vector<std::string> CrLfZeilen(const std::string& bytes) {
    std::vector<std::string> z;
    size_t a = 0;
    for (size_t e; (e = bytes.find("\r\n", a)) != std::string::npos; a = e + 2) z.push_back(bytes.substr(a, e - a));
    return z;
}

struct Demo {
    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    std::unique_ptr<CEDITORDoc> doc;
    Demo() {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc = std::make_unique<CEDITORDoc>();
        doc->OnNewDocument();
    }
    std::map<std::string, std::string> Dateien() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(demo.path() / "DATA.V3"))
            if (e.is_regular_file()) files[fs::relative(e.path(), demo.path() / "DATA.V3").generic_string()] = v3test::ReadBytes(e.path());
        return files;
    }
};

TEST(VereinsauswahlGui, RenamedClubAndPaintedCrestReachTheFilesOnlyThroughTakeOverAndSave) {
    Demo d;
    ASSERT_TRUE(App().LadenOk);
    const auto vorher = d.Dateien();

    CVereinsauswahlDlg dlg(0, nullptr);
    dlg.show();
    ASSERT_GT(dlg.VereinsListe()->count(), 1);
    dlg.VereinsListe()->setCurrentRow(1);
    const int nummer = dlg.VereinsListe()->currentItem()->data(Qt::UserRole).toInt();
    const std::string altName = Daten().AlleLaender[0]->VereinMitNummer(nummer)->Name();
    const std::string wappen = "Wappen/VW_" + WappenName(0, nummer);
    const std::string pend = "Wappen/Temp" + WappenName(0, nummer);

    dlg.vorEditor = [](CVereinsEditorDlg& ed) {
        QTimer::singleShot(0, &ed, [&ed] {
            ed.SeiteVereinW()->name->setText("Umbenannt");
            // Leave the page for the crest page, paint one pixel, and OK.
            ed.Tabs()->setCurrentIndex(CVereinsEditor::kWappen);
            CWappenEditor& w = ed.SeiteWappen()->Editor();
            w.WaehleFarbe(77, false);
            w.Druecken(0, 0, false);
            ed.findChild<QPushButton*>(kOkButton)->click();
        });
    };
    dlg.findChild<QPushButton*>("Editieren")->click();
    EXPECT_TRUE(d.ui.messages.empty()) << d.ui.messages.front().text;
    // The list shows the new name; the document does not have it yet.
    bool gezeigt = false;
    for (int i = 0; i < dlg.VereinsListe()->count(); ++i)
        gezeigt |= dlg.VereinsListe()->item(i)->text().startsWith("Umbenannt\t");
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(Daten().AlleLaender[0]->VereinMitNummer(nummer)->Name(), altName);

    dlg.findChild<QPushButton*>(kOkButton)->click();
    EXPECT_EQ(Daten().AlleLaender[0]->VereinMitNummer(nummer)->Name(), "Umbenannt");
    auto zwischen = d.Dateien();
    EXPECT_EQ(zwischen.at(wappen), vorher.at(wappen));  // staged, not saved
    ASSERT_TRUE(zwischen.count(pend));
    EXPECT_EQ(uint8_t(zwischen.at(pend)[1078 + 31 * 32]), 77);  // top-left pixel, bottom row first

    ASSERT_TRUE(d.doc->SpeichernV3Localized());
    const auto nachher = d.Dateien();
    EXPECT_EQ(uint8_t(nachher.at(wappen)[1078 + 31 * 32]), 77);
    for (const auto& [datei, alt] : vorher) {
        ASSERT_TRUE(nachher.count(datei)) << datei;
        const std::string& neu = nachher.at(datei);
        if (neu == alt || datei == wappen) continue;
        // Only the country file changes, and there only the club's name.
        EXPECT_EQ(datei, LandDatei[0]);
        const auto a = CrLfZeilen(alt), n = CrLfZeilen(neu);
        ASSERT_EQ(a.size(), n.size());
        int geaendert = 0;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != n[i]) {
                EXPECT_EQ(a[i], altName);
                EXPECT_EQ(n[i], "Umbenannt");
                ++geaendert;
            }
        EXPECT_EQ(geaendert, 1);
    }
}

TEST(VereinsauswahlGui, SquadModeOpensTheSquadEditorOnTheWorkingClub) {
    Demo d;
    ASSERT_TRUE(App().LadenOk);
    CVereinsauswahlDlg dlg(1, nullptr);
    dlg.show();
    ASSERT_GT(dlg.VereinsListe()->count(), 0);
    const CVerein* verein = dlg.Auswahl().Vereine()[0].get();
    QString geoeffnet;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(editor);
        geoeffnet = editor->metaObject()->className();
        editor->findChild<QPushButton*>(kCancelButton)->click();
    });
    dlg.findChild<QPushButton*>("Editieren")->click();
    EXPECT_EQ(geoeffnet, "v3::CSpielerEditorDlg");
    EXPECT_EQ(dlg.Auswahl().Vereine()[0].get(), verein);  // cancelled: the working club stays
    dlg.findChild<QPushButton*>(kCancelButton)->click();
}

// The pictures of the manual page: written only when V3_HANDBUCH_BILDER names
// a folder (scripts/handbuch-vereine.sh).
TEST(VereinsauswahlGui, HandbuchBilder) {
    const QString ziel = qEnvironmentVariable("V3_HANDBUCH_BILDER");
    if (ziel.isEmpty()) GTEST_SKIP() << "V3_HANDBUCH_BILDER not set";
    Demo d;
    ASSERT_TRUE(App().LadenOk);
    CQtPictureDecoder decoder;
    CPictureCache cache(decoder);
    App().pictures = &cache;
    auto speichere = [&](QWidget& w, const char* name) {
        w.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_TRUE(w.grab().save(ziel + "/" + name)) << name;
    };
    CVereinsauswahlDlg dlg(0, nullptr);
    speichere(dlg, "vereinsauswahl.png");
    dlg.vorEditor = [&](CVereinsEditorDlg& ed) {
        QTimer::singleShot(0, &ed, [&] {
            const char* namen[6] = {"verein_verein.png", "verein_allgemein.png", "verein_trikots.png",
                                    "verein_wappen.png", "verein_landkarte.png", "verein_vorsitzender.png"};
            for (int i = 0; i < 6; ++i) {
                ed.Tabs()->setCurrentIndex(i);
                speichere(ed, namen[i]);
            }
            ed.reject();
        });
    };
    dlg.findChild<QPushButton*>("Editieren")->click();
    dlg.reject();
    App().AktuellesLand = 0;
    CVereinsNameAendernDlg amateure(0, nullptr);
    speichere(amateure, "amateurvereine.png");
    App().pictures = nullptr;
}

#endif

}  // namespace
}  // namespace v3
