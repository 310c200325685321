// The import of the predecessor's data on a full demo installation: v3tool
// import merges the demo's DATA.VER, copies the crests and saves; a second
// load shows the merged clubs and no former player twice; a damaged or
// missing DATA.VER leaves the data set as it was on disk.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "DemoDataSet.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "records/AVerein.h"
#include "shell/DocCommands.h"
#include "records/ExSpieler.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/V2LineReader.h"
#include "records/V3File.h"
#include "records/Verein.h"

namespace fs = std::filesystem;
using namespace v3;
using v3test::RamDir;

namespace {

// Every file below a folder with its bytes, by relative path.
std::map<std::string, std::string> Dateien(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) files[fs::relative(e.path(), dir).string()] = v3test::ReadBytes(e.path());
    return files;
}

struct Name {
    std::string vorname, nachname;
    bool operator<(const Name& o) const { return std::tie(vorname, nachname) < std::tie(o.vorname, o.nachname); }
};

class ImportDemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        vorlage_ = std::make_unique<RamDir>();
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        ok_ = demo::WriteDemoInstallation(vorlage_->path() / "inst", 3, &fehler_);
    }
    static void TearDownTestSuite() { vorlage_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(ok_) << fehler_;
        fs::copy(vorlage_->path() / "inst", inst(), fs::copy_options::recursive);
    }
    fs::path inst() const { return arbeit_.path() / "inst"; }

    // The club names of a predecessor country file and the names of the
    // predecessor's former players, read as the import reads them.
    std::vector<std::string> VorgaengerVereine(const std::string& datei) {
        ScopedAppState s;
        s->installDir = inst();
        CV3File f;
        EXPECT_TRUE(OeffneV2Datei(f, ".\\DATA.VER\\" + datei, s->GeleseneFileID, true));
        V2LineReader r(f);
        r.Int();
        const int n = r.Int();
        for (int i = 0; i < 3; ++i) r.Int();
        std::vector<std::string> namen;
        for (int k = 0; k < n; ++k) {
            CAVerein a;
            EXPECT_TRUE(a.Laden(f));
            namen.push_back(V2Text(a.name, 19));
            for (int i = 0; i < a.spielerAnzahl; ++i) {
                CSpieler p;
                EXPECT_TRUE(p.Laden(f));
            }
        }
        return namen;
    }
    std::set<Name> VorgaengerExSpieler() {
        ScopedAppState s;
        s->installDir = inst();
        CV3File f;
        EXPECT_TRUE(OeffneV2Datei(f, ".\\DATA.VER\\ExSpiel.sav", s->GeleseneFileID));
        V2LineReader r(f);
        std::set<Name> namen;
        for (int i = r.Int(); i > 0; --i) {
            CExSpieler e;
            EXPECT_TRUE(e.Laden(f));
            namen.insert({e.Vorname(), e.Nachname()});
        }
        return namen;
    }
    static std::vector<std::string> Vereine(int land) {
        std::vector<std::string> namen;
        for (const auto& v : Daten().AlleLaender[size_t(land)]->VereinsListe()) namen.push_back(v->Name());
        return namen;
    }

    static std::unique_ptr<RamDir> vorlage_;
    static bool ok_;
    static std::string fehler_;
    RamDir arbeit_;
};

std::unique_ptr<RamDir> ImportDemoTest::vorlage_;
bool ImportDemoTest::ok_ = false;
std::string ImportDemoTest::fehler_;

TEST_F(ImportDemoTest, ImportMergesCopiesCrestsAndSaves) {
    const fs::path wappen = inst() / "DATA.V3" / "Wappen";
    const fs::path altWappen = inst() / "DATA.VER" / "WAPPEN";
    const std::vector<std::string> deutsch = VorgaengerVereine("LandDeut.sav");
    const std::vector<std::string> englisch = VorgaengerVereine("LandEngl.sav");
    const std::vector<std::string> italienisch = VorgaengerVereine("LandItal.sav");  // older variant
    const std::set<Name> vorgaengerEx = VorgaengerExSpieler();
    std::vector<std::string> englischVorher;
    {
        ScopedAppState s;
        s->installDir = inst();
        CEDITORDoc doc;
        ASSERT_TRUE(doc.LadenV3Localized());
        englischVorher = Vereine(1);
    }
    const std::string belgienWappen = v3test::ReadBytes(wappen / "VW_bel1.BMP");
    ASSERT_EQ(deutsch.size(), 112u);  // four more clubs than ours, outside the leagues
    ASSERT_EQ(englisch.size(), 92u);

    ASSERT_EQ(v3tool::Run({"import", inst().string(), "--yes"}), 0);

    size_t exSpieler = 0;
    {
        ScopedAppState s;
        s->installDir = inst();
        CEDITORDoc doc;
        ASSERT_TRUE(doc.LadenV3Localized()) << doc.LadeFehler();
        EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), 1999);
        EXPECT_EQ(Vereine(0), std::vector<std::string>(deutsch.begin(), deutsch.begin() + 108));
        const std::vector<std::string> england = Vereine(1);
        EXPECT_EQ(std::vector<std::string>(england.begin(), england.begin() + 92), englisch);
        EXPECT_EQ(std::vector<std::string>(england.begin() + 92, england.end()),
                  std::vector<std::string>(englischVorher.begin() + 92, englischVorher.end()));
        EXPECT_EQ(Vereine(3)[0], italienisch[0]);
        // Every former player of the predecessor is there once.
        std::map<Name, int> anzahl;
        for (const auto& e : Daten().ExSpielerListe) ++anzahl[{e->Vorname(), e->Nachname()}];
        for (const Name& n : vorgaengerEx) EXPECT_EQ(anzahl[n], 1) << n.vorname << " " << n.nachname;
        exSpieler = Daten().ExSpielerListe.size();
    }
    EXPECT_EQ(v3test::ReadBytes(wappen / "VW_D1.BMP"), v3test::ReadBytes(altWappen / "VW_D1.BMP"));
    EXPECT_EQ(v3test::ReadBytes(wappen / "VW_Eng80.BMP"), v3test::ReadBytes(inst() / "SUPPORT.GFX" / "eng.bmp"));
    EXPECT_EQ(v3test::ReadBytes(wappen / "VW_Ita30.BMP"), v3test::ReadBytes(altWappen / "I0_00.BMP"));
    EXPECT_EQ(v3test::ReadBytes(wappen / "VW_bel1.BMP"), belgienWappen);

    // A second import takes nobody twice.
    ASSERT_EQ(v3tool::Run({"import", inst().string(), "--yes"}), 0);
    ScopedAppState s;
    s->installDir = inst();
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized());
    EXPECT_EQ(Daten().ExSpielerListe.size(), exSpieler);
}

TEST_F(ImportDemoTest, MissingOrDamagedPredecessorDataLeavesTheDataSetAsItWasOnDisk) {
    const std::string konvertierFehler =
        "Es ist ein Fehler beim Konvertieren der V2-Daten aufgetreten. Bitte überprüfen Sie, ob das DATA.VER "
        "Verzeichnis vorhanden ist!";
    struct Fall {
        std::function<void(const fs::path&)> verderben;
        std::vector<std::string> meldungen;  // after the question
    };
    const std::vector<Fall> faelle = {
        {[](const fs::path& ver) {
             const fs::path p = ver / "LandEngl.sav";
             const std::string b = v3test::ReadBytes(p);
             v3test::WriteBytes(p, b.substr(0, b.size() / 2));
         },
         {"Datenfehler in der Datei .\\DATA.VER\\LandEngl.sav!", konvertierFehler}},
        {[](const fs::path& ver) { fs::remove(ver / "ExSpiel.sav"); },
         {"Kann Datei .\\DATA.VER\\ExSpiel.sav nicht öffnen!", konvertierFehler}},
        {[](const fs::path& ver) { fs::remove_all(ver); }, {konvertierFehler}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.meldungen.front());
        fs::remove_all(inst());
        fs::copy(vorlage_->path() / "inst", inst(), fs::copy_options::recursive);
        fall.verderben(inst() / "DATA.VER");
        const auto vorher = Dateien(inst() / "DATA.V3");

        ScopedAppState s;
        ScriptedUserInterface ui;
        s->SetUserInterface(&ui);
        s->installDir = inst();
        CEDITORDoc doc;
        doc.OnNewDocument();
        ASSERT_TRUE(s->LadenOk);
        const std::vector<std::string> deutschland = Vereine(0);
        EXPECT_FALSE(doc.OnDateiV2dateneinlesen());

        std::vector<std::string> meldungen;
        for (const auto& m : ui.messages)
            if (m.buttons == MsgButtons::Ok) meldungen.push_back(m.text);
        EXPECT_EQ(meldungen, fall.meldungen);
        // The data set in memory is the one on disk again, and the disk is untouched.
        EXPECT_TRUE(s->LadenOk);
        EXPECT_EQ(Vereine(0), deutschland);
        EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), demo::kDemoStartYear);
        EXPECT_TRUE(Dateien(inst() / "DATA.V3") == vorher);
    }
}

// A conversion whose save fails has merged all the same: the menu entry ends,
// so that a second run cannot merge the predecessor's data into memory twice.
TEST_F(ImportDemoTest, AMergeWhoseSaveFailsEndsTheMenuEntry) {
    struct KeinFenster : ICommandHost {
        void RepaintView() override {}
        void Wait(int) override {}
        std::optional<int> ChooseCountry(int) override { return std::nullopt; }
        std::optional<int> ChoosePool() override { return std::nullopt; }
    } host;
    ScopedAppState s;
    ScriptedUserInterface ui;
    s->SetUserInterface(&ui);
    s->installDir = inst();
    CEDITORDoc doc;
    doc.OnNewDocument();
    ASSERT_TRUE(s->LadenOk);
    CommandRunner runner(host);
    RegisterDocCommands(runner, doc);
    const std::string datei = "Kleinig.sav";
    s->failWritesTo = [&](const fs::path& p) { return p.filename() == datei; };

    EXPECT_EQ(runner.Run("OnDateiV2dateneinlesen"), CommandOutcome::Ok);
    EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), 1999);  // merged
    EXPECT_TRUE(s->DatenGeaendert);                             // but not saved
    EXPECT_FALSE(runner.IsEnabled("OnDateiV2dateneinlesen"));
}

}  // namespace
