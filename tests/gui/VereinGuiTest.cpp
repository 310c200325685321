// The club area's pages and dialogs, headless: painting on the crest grid and
// committing, a stadium changed through its dialog and saved, and the
// national teams' kits changed, saved and read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <map>

#include "TestUtil.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/verein/LandkarteSeite.h"
#include "editors/verein/NationalteamTrikotDlg.h"
#include "editors/verein/StadionEditorDlg.h"
#include "editors/verein/Trikotseiten.h"
#include "editors/verein/WappenSeite.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Verein.h"
#include "platform/Text1252.h"
#include "shell/PictureCache.h"
#include "ui/PictureLoader.h"
#include "ui/PropertySheetBM.h"

#ifdef V3_HAVE_DEMO
#include "DemoFixture.h"
#endif

namespace v3 {
namespace {

namespace fs = std::filesystem;

void Maus(QWidget* w, QEvent::Type typ, QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons gehalten) {
    QMouseEvent e(typ, QPointF(pos), w->mapToGlobal(QPointF(pos)), knopf, gehalten, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The middle of grid cell (x, y) of a widget with cells of `zelle` pixels.
QPoint Zelle(int x, int y, int zelle) { return {x * zelle + zelle / 2, y * zelle + zelle / 2}; }

std::vector<std::string> Zeilen(const std::string& bytes) {
    std::vector<std::string> z;
    size_t a = 0;
    for (size_t e; (e = bytes.find("\r\n", a)) != std::string::npos; a = e + 2) z.push_back(bytes.substr(a, e - a));
    return z;
}

TEST(VereinGui, PaintingOnTheCrestGridAndCommitting) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    v3test::TempDir dir;
    BmpImage bild = BmpImage::Blank(32, 32, 8);
    bild.palette.resize(256);
    for (int i = 0; i < 256; ++i) bild.palette[size_t(i)] = BmpColour{uint8_t(i), 0, uint8_t(255 - i)};
    const std::string vorher = WriteBmp(bild);
    v3test::WriteBytes(dir.path() / "crest.bmp", vorher);

    CVereinsEditorWappen seite;
    seite.Datei(dir.path() / "crest.bmp");
    seite.LoadIconToMemory();
    seite.show();
    QWidget* palette = seite.findChild<CWappenPalette*>();
    QWidget* raster = seite.Raster();
    auto* undo = seite.findChild<QPushButton*>("Rueckgaengig");
    ASSERT_TRUE(palette && raster && undo);
    EXPECT_FALSE(undo->isEnabled());

    // Colour 21 (row 1, column 5) on the left button, 7 on the right.
    Maus(palette, QEvent::MouseButtonPress, Zelle(5, 1, CWappenPalette::kZelle), Qt::LeftButton, Qt::LeftButton);
    Maus(palette, QEvent::MouseButtonPress, Zelle(7, 0, CWappenPalette::kZelle), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(seite.Editor().Vordergrund(), 21);
    EXPECT_EQ(seite.Editor().Hintergrund(), 7);
    // A left stroke from (2, 3) dragged to (4, 3), a right click at (10, 30).
    const int z = CWappenRaster::kZelle;
    Maus(raster, QEvent::MouseButtonPress, Zelle(2, 3, z), Qt::LeftButton, Qt::LeftButton);
    Maus(raster, QEvent::MouseMove, Zelle(3, 3, z), Qt::NoButton, Qt::LeftButton);
    Maus(raster, QEvent::MouseMove, Zelle(4, 3, z), Qt::NoButton, Qt::LeftButton);
    Maus(raster, QEvent::MouseButtonRelease, Zelle(4, 3, z), Qt::LeftButton, Qt::NoButton);
    Maus(raster, QEvent::MouseMove, Zelle(8, 3, z), Qt::NoButton, Qt::NoButton);  // no button: no paint
    Maus(raster, QEvent::MouseButtonPress, Zelle(10, 30, z), Qt::RightButton, Qt::RightButton);
    Maus(raster, QEvent::MouseButtonRelease, Zelle(10, 30, z), Qt::RightButton, Qt::NoButton);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(seite.Editor().UndoStufen(), 2u);

    ASSERT_TRUE(seite.CommitIconChanges());
    std::string erwartet = vorher;
    for (int x : {2, 3, 4}) erwartet[1078 + (31 - 3) * 32 + size_t(x)] = char(21);
    erwartet[1078 + (31 - 30) * 32 + 10] = char(7);
    EXPECT_EQ(v3test::ReadBytes(dir.path() / "crest.bmp"), erwartet);

    // Undo takes back the right click; the grid shows the state before it.
    undo->click();
    EXPECT_EQ(seite.Editor().Pixel(10, 30), 0);
    EXPECT_EQ(seite.Editor().Pixel(3, 3), 21);
}

TEST(VereinGui, MapPageTakesClicksInsideTheCountryAndFallsBackWhenThePictureIsDamaged) {
    ScopedAppState state;
    v3test::TempDir dir;
    state->installDir = dir.path();
    fs::create_directories(dir.path() / "SUPPORT.GFX");
    // The country: the left half of a 448 x 100 mask.
    BmpImage maske = BmpImage::Blank(448, 100, 1);
    maske.palette = {BmpColour{255, 255, 255}, BmpColour{0, 0, 0}};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 448; ++x) maske.At(x, y) = x < 224 ? 0 : 1;
    v3test::WriteBytes(dir.path() / "SUPPORT.GFX" / "k_ger.bmp", WriteBmp(maske));
    QImage bild(448, 100, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    ASSERT_TRUE(bild.save(QString::fromStdString((dir.path() / "SUPPORT.GFX" / "k_ger.jpg").string()), "JPG"));

    CVereinsEditorLandkarte seite;
    seite.Init(0, 0, -1, "FC Test", 1, 10, 10);
    seite.show();
    EXPECT_FALSE(seite.Karte().EingebautesBild());
    EXPECT_EQ(seite.Bild()->size(), QSize(448, 100));
    Maus(seite.Bild(), QEvent::MouseButtonPress, QPoint(300, 50), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(seite.XKoord(), 10);  // outside the country
    Maus(seite.Bild(), QEvent::MouseButtonPress, QPoint(100, 60), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(seite.XKoord(), 10);  // the right button places nothing
    Maus(seite.Bild(), QEvent::MouseButtonPress, QPoint(100, 60), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(seite.XKoord(), 100);
    EXPECT_EQ(seite.YKoord(), 60);

    // A picture that does not decode: the built-in map and mask.
    v3test::WriteBytes(dir.path() / "SUPPORT.GFX" / "k_ger.jpg", "not a picture");
    seite.Init(0, 0, -1, "FC Test", 1, 10, 10);
    EXPECT_TRUE(seite.Karte().EingebautesBild());
    EXPECT_EQ(seite.Bild()->size(), QSize(kKarteBreite, kKarteHoehe));
    Maus(seite.Bild(), QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(seite.XKoord(), 10);  // outside the built-in oval
    Maus(seite.Bild(), QEvent::MouseButtonPress, QPoint(kKarteBreite / 2, kKarteHoehe / 2), Qt::LeftButton,
         Qt::LeftButton);
    EXPECT_EQ(seite.XKoord(), kKarteBreite / 2);
}

#ifdef V3_HAVE_DEMO

struct DemoDoc {
    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
    std::unique_ptr<CEDITORDoc> doc;
    DemoDoc() {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
        doc = std::make_unique<CEDITORDoc>();
        doc->OnNewDocument();
    }
    std::map<std::string, std::string> Dateien() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(demo.path() / "DATA.V3"))
            if (e.is_regular_file()) files[fs::relative(e.path(), demo.path()).generic_string()] = v3test::ReadBytes(e.path());
        return files;
    }
};

TEST(VereinGui, StadiumChangedThroughItsDialogChangesOnlyItsLines) {
    DemoDoc d;
    ASSERT_TRUE(App().LadenOk);
    CVerein& verein = *Daten().AlleLaender[0]->VereinsListe()[2];
    CStadion& stadion = *verein.Stadion();
    const auto vorher = d.Dateien();
    const int32_t steh = stadion.Stehplaetze(1);
    const int32_t flutlicht = stadion.Flutlicht();
    const std::string name = stadion.Name();

    {
        App().AktuellesLand = 0;
        CStadionEditorDlg dlg(stadion, nullptr);
        dlg.show();
        auto* feld = dlg.findChild<QLineEdit*>("Platz1_2");
        ASSERT_TRUE(feld);
        EXPECT_EQ(feld->text(), QString::number(steh));
        feld->setText(QString::number(steh + 1234));
        dlg.findChild<QCheckBox*>("Flutlicht")->click();
        // The up-down beside stand 3's boxes moves them by ten, from the
        // value typed into the field.
        auto* logen = dlg.findChild<QLineEdit*>("Platz3_0");
        auto* hoch = dlg.findChild<CUpDown*>("UpDown3_0");
        ASSERT_TRUE(logen && hoch);
        logen->setText(QString::number(stadion.Logen(3) + 100));
        hoch->Schritt(true);
        EXPECT_EQ(logen->text(), QString::number(stadion.Logen(3) + 110));
        // A text that is not a number: the message, the old value, the dialog stays.
        auto* sitz = dlg.findChild<QLineEdit*>("Platz0_1");
        sitz->setText("12x");
        dlg.findChild<QPushButton*>(kOkButton)->click();
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        ASSERT_FALSE(d.ui.messages.empty());
        EXPECT_EQ(d.ui.messages.back().text, "Bitte einen gültigen Wert eintragen!\n");
        EXPECT_EQ(sitz->text(), QString::number(stadion.Sitzplaetze(0)));
        dlg.findChild<QPushButton*>(kOkButton)->click();
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
        stadion.CopyDataFrom(dlg.Stadion());
    }
    EXPECT_EQ(stadion.Stehplaetze(1), steh + 1234);
    EXPECT_EQ(stadion.Flutlicht(), flutlicht ? 0 : 1);
    ASSERT_TRUE(d.doc->SpeichernV3Localized());

    const auto nachher = d.Dateien();
    ASSERT_EQ(nachher.size(), vorher.size());
    int geaenderteDateien = 0;
    for (const auto& [datei, alt] : vorher) {
        const std::string& neu = nachher.at(datei);
        if (neu == alt) continue;
        ++geaenderteDateien;
        const auto a = Zeilen(alt), n = Zeilen(neu);
        ASSERT_EQ(a.size(), n.size()) << datei;
        // Every changed line lies inside the club's "STADION" section.
        size_t anfang = 0, ende = 0;
        for (size_t i = 0; i + 1 < n.size(); ++i)
            if (n[i] == "%SECT%STADION" && n[i + 1] == name) {
                anfang = ende = i;
                while (ende < n.size() && n[ende] != "%ENDSECT%STADION") ++ende;
                break;
            }
        ASSERT_GT(ende, anfang) << datei;
        int geaendert = 0;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != n[i]) {
                ++geaendert;
                EXPECT_TRUE(i > anfang && i < ende) << datei << " line " << i + 1 << ": " << n[i];
            }
        EXPECT_EQ(geaendert, 3);  // standing places of stand 1, floodlight, boxes of stand 3
    }
    EXPECT_EQ(geaenderteDateien, 1);
}

TEST(VereinGui, NationalKitsAreSavedAndReadBack) {
    DemoDoc d;
    ASSERT_TRUE(App().LadenOk);
    const TRIKOTSATZ neu{9, 11, 2, 1, 10, 1};  // Lila with orange stripes, black shorts, yellow hoops
    std::array<TRIKOTSATZ, 2> sollen;
    {
        CNationalteamTrikotDlg dlg(nullptr);
        dlg.show();
        ASSERT_EQ(dlg.Liste()->count(), int(Daten().NationenListe.size()));
        dlg.Liste()->setCurrentRow(4);
        sollen = {neu, Daten().NationenListe[4]->Kit(1)};
        // The return key in the list edits the nation, once.
        int geoeffnet = 0;
        QTimer treiber;
        treiber.setInterval(5);
        QObject::connect(&treiber, &QTimer::timeout, [&] {
            auto* kit = qobject_cast<CTrikotAuswahlDlg*>(QApplication::activeModalWidget());
            if (!kit || !kit->isVisible()) return;
            if (++geoeffnet > 1) return kit->reject();
            kit->findChild<QComboBox*>("Trikotfarbe1")->setCurrentIndex(neu.TrikotFarbe);
            kit->findChild<QRadioButton*>("Streifen1")->click();
            EXPECT_TRUE(kit->findChild<QComboBox*>("Trikotfarbe2")->isEnabled());
            kit->findChild<QComboBox*>("Trikotfarbe2")->setCurrentIndex(neu.StreifenFarbe);
            kit->findChild<QComboBox*>("Hosenfarbe")->setCurrentIndex(neu.HosenFarbe);
            kit->findChild<QComboBox*>("Stutzenfarbe")->setCurrentIndex(neu.StutzenFarbe);
            kit->findChild<QCheckBox*>("Ringelsocken")->setChecked(true);
            EXPECT_EQ(kit->Felder()->Vorschau()->Satz(), neu);
            kit->findChild<QPushButton*>(kOkButton)->click();
        });
        treiber.start();
        dlg.Liste()->setFocus();
        QTest::keyClick(dlg.Liste(), Qt::Key_Return);
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
        treiber.stop();
        EXPECT_EQ(geoeffnet, 1);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.Liste()->currentRow(), 5);
        dlg.findChild<QPushButton*>(kOkButton)->click();
    }
    EXPECT_EQ(Daten().NationenListe[4]->Kit(0), neu);
    ASSERT_TRUE(d.doc->SpeichernV3Localized());
    d.doc->SpeicherLoeschen();
    ASSERT_TRUE(d.doc->LadenV3Localized());
    EXPECT_EQ(Daten().NationenListe[4]->Kit(0), sollen[0]);
    EXPECT_EQ(Daten().NationenListe[4]->Kit(1), sollen[1]);
}

TEST(VereinGui, KitRuleShowsTheSetItNamesAndKeepsTheDialogOpen) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    const TRIKOTSATZ weiss{0, 0, 0, 0, 0, 0};
    CTrikotAuswahlDlg dlg({weiss, TRIKOTSATZ{3, 0, 0, 0, 0, 0}}, "Test", nullptr);
    dlg.show();
    EXPECT_FALSE(dlg.findChild<QComboBox*>("Trikotfarbe2")->isEnabled());
    dlg.findChild<QRadioButton*>("Auswaertstrikot")->click();
    EXPECT_EQ(dlg.findChild<QComboBox*>("Trikotfarbe1")->currentIndex(), 3);
    dlg.findChild<QComboBox*>("Trikotfarbe1")->setCurrentIndex(0);  // white like the home set
    dlg.findChild<QPushButton*>(kOkButton)->click();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Bitte unterschiedliche Farben für die Trikots beider Sätze eintragen!");
    EXPECT_TRUE(dlg.findChild<QRadioButton*>("Heimtrikot")->isChecked());  // rule 1 names set 0
    dlg.findChild<QComboBox*>("Trikotfarbe1")->setCurrentIndex(1);
    dlg.findChild<QPushButton*>(kOkButton)->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Saetze()[0].TrikotFarbe, 1);
    EXPECT_EQ(dlg.Saetze()[1].TrikotFarbe, 0);

    // Values beyond the named colours and patterns (the files can hold up to
    // 15) show no entry and come back as stored.
    const TRIKOTSATZ fremd{14, 2, 15, 12, 1, 1};
    CTrikotAuswahlDlg unberuehrt({fremd, weiss}, "Test", nullptr);
    unberuehrt.show();
    EXPECT_EQ(unberuehrt.findChild<QComboBox*>("Trikotfarbe1")->currentIndex(), -1);
    unberuehrt.findChild<QRadioButton*>("Auswaertstrikot")->click();
    unberuehrt.findChild<QRadioButton*>("Heimtrikot")->click();
    unberuehrt.findChild<QPushButton*>(kOkButton)->click();
    ASSERT_EQ(unberuehrt.result(), QDialog::Accepted);
    EXPECT_EQ(unberuehrt.Saetze()[0], fremd);
    EXPECT_EQ(unberuehrt.Saetze()[1], weiss);
}

// The pictures of the manual page: written only when V3_HANDBUCH_BILDER names
// a folder (scripts/handbuch-verein.sh), from the pages on the demo as the
// club editor shows them.
TEST(VereinGui, HandbuchBilder) {
    const QString ziel = qEnvironmentVariable("V3_HANDBUCH_BILDER");
    if (ziel.isEmpty()) GTEST_SKIP() << "V3_HANDBUCH_BILDER not set";
    DemoDoc d;
    ASSERT_TRUE(App().LadenOk);
    CQtPictureDecoder decoder;
    CPictureCache cache(decoder);
    App().pictures = &cache;
    App().AktuellesLand = 0;
    CVerein& verein = *Daten().AlleLaender[0]->VereinsListe()[0];
    auto speichere = [&](QWidget& w, const char* name) {
        w.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_TRUE(w.grab().save(ziel + "/" + name)) << name;
    };

    CPropertySheetBM sheet("Vereinseditor - " + QString::fromStdString(Cp1252ToUtf8(verein.Name())), nullptr);
    auto* trikots = new CVereinsEditorTrikotsaetze;
    trikots->InitWerte({verein.TrikotSatz(0), verein.TrikotSatz(1)});
    auto* wappen = new CVereinsEditorWappen;
    wappen->Datei(HostPath(WappenDatei(App().DatenVerzeichnis, 0, 1)));
    wappen->LoadIconToMemory();
    auto* karte = new CVereinsEditorLandkarte;
    karte->Init(0, 0, -1, verein.Name(), 1, verein.XKoord(), verein.YKoord());
    sheet.AddPage(trikots);
    sheet.AddPage(wappen);
    sheet.AddPage(karte);
    sheet.Tabs()->setCurrentWidget(trikots);
    speichere(sheet, "trikotsaetze.png");
    sheet.Tabs()->setCurrentWidget(wappen);
    speichere(sheet, "wappen.png");
    sheet.Tabs()->setCurrentWidget(karte);
    speichere(sheet, "landkarte.png");
    sheet.hide();

    CStadionEditorDlg stadion(*verein.Stadion(), nullptr);
    speichere(stadion, "stadion.png");
    stadion.hide();

    CNationalteamTrikotDlg national(nullptr);
    speichere(national, "nationaltrikots.png");
    App().pictures = nullptr;
}

#endif

}  // namespace
}  // namespace v3
