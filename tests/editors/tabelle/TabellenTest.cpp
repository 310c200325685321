// The data set as CSV tables on the demo installation: export, apply (all or
// nothing, through the editors' rules) and diff, through v3tool as a user
// runs it, and the rules on the loaded data set.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "DemoFixture.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/tabelle/rules/Csv.h"
#include "editors/tabelle/rules/Tabellen.h"
#include "platform/UserInterface.h"

namespace fs = std::filesystem;
using namespace v3;

namespace {

class Tabellen : public ::testing::Test {
protected:
    v3test::DemoInstallation demo;
    v3test::TempDir tmp;

    std::string Dir() const { return demo.path().string(); }
    std::map<std::string, std::string> Daten() const { return v3test::Snapshot(demo.path() / "DATA.V3"); }

    static int Run(const std::vector<std::string>& argv, std::string* out = nullptr) {
        testing::internal::CaptureStdout();
        const int rc = v3tool::Run(argv);
        const std::string text = testing::internal::GetCapturedStdout();
        if (out) *out = text;
        return rc;
    }

    CsvTabelle Export(const std::string& tabelle) {
        const std::string pfad = tmp.File(tabelle + ".csv");
        EXPECT_EQ(Run({"export", Dir(), "--table", tabelle, "--csv", pfad}), 0);
        CsvErgebnis r = ReadCsvFile(pfad);
        EXPECT_EQ(r.fehler, "");
        return r.tabelle;
    }

    // Writes the table as a script would, and returns the file's path.
    std::string Schreibe(const CsvTabelle& t, const std::string& name = "edit.csv") {
        v3test::WriteBytes(tmp.path() / name, WriteCsv(t.kopf, t.zeilen));
        return tmp.File(name);
    }

    int Apply(const CsvTabelle& t, std::string* out, const std::vector<std::string>& mehr = {}) {
        std::vector<std::string> argv = {"apply", Dir(), "--csv", Schreibe(t)};
        argv.insert(argv.end(), mehr.begin(), mehr.end());
        return Run(argv, out);
    }
};

size_t Spalte(const CsvTabelle& t, const std::string& name) {
    const auto it = std::find(t.kopf.begin(), t.kopf.end(), name);
    EXPECT_NE(it, t.kopf.end()) << name;
    return size_t(it - t.kopf.begin());
}

// A different valid strength (strength + talent stays within 13: the new one is lower, or 2 for 1).
std::string AndereStaerke(const std::string& s) {
    return s == "1" ? "2" : std::to_string(std::stoi(s) - 1);
}
// A different name within the squad editor's 15 characters.
std::string AndererName(std::string n) {
    if (n.size() < 15) return n + "x";
    n.back() = n.back() == 'x' ? 'y' : 'x';
    return n;
}

TEST_F(Tabellen, ExportThenApplyOfTheUnchangedFileKeepsEveryByte) {
    const auto vorher = Daten();
    for (const char* t : {"spieler", "vereine", "stadien", "trainer", "manager", "schiedsrichter"}) {
        SCOPED_TRACE(t);
        std::string out;
        ASSERT_EQ(Apply(Export(t), &out), 0) << out;
        EXPECT_EQ(out, "Keine \xC3\x84nderungen; nichts gespeichert.\n");
    }
    // A changed table, then the original again: the save writes the very bytes back.
    const CsvTabelle original = Export("spieler");
    CsvTabelle geaendert = original;
    const size_t staerke = Spalte(geaendert, "Staerke");
    geaendert.zeilen[3][staerke] = AndereStaerke(geaendert.zeilen[3][staerke]);
    std::string out;
    ASSERT_EQ(Apply(geaendert, &out), 0) << out;
    EXPECT_NE(Daten(), vorher);
    ASSERT_EQ(Apply(original, &out), 0) << out;
    EXPECT_EQ(Daten(), vorher);
}

TEST_F(Tabellen, HundredEditedPlayersAreWhatDiffReports) {
    std::string out;
    ASSERT_EQ(Run({"diff", Dir()}, &out), 0);
    EXPECT_EQ(out,
              "Keine \xC3\x84nderungen gegen\xC3\xBC"
              "ber DATA.ORG.\n");

    CsvTabelle t = Export("spieler");
    const size_t staerke = Spalte(t, "Staerke"), nachname = Spalte(t, "Nachname"),
                 vorname = Spalte(t, "Vorname");
    const size_t land = Spalte(t, "Land (Text)"), verein = Spalte(t, "Verein (Text)"),
                 platz = Spalte(t, "Spieler");
    ASSERT_GT(t.zeilen.size(), 100u * 150u);
    std::multiset<std::tuple<std::string, std::string, std::string, std::string>> erwartet;
    for (size_t i = 0; i < 100; ++i) {
        auto& z = t.zeilen[i * 150 + 7];
        const std::string alteStaerke = z[staerke], alterName = z[nachname];
        z[staerke] = AndereStaerke(z[staerke]);
        z[nachname] = AndererName(z[nachname]);
        const std::string ort = z[land] + ", " + z[verein] + ", Spieler " + z[platz] + " (" +
                                (z[vorname].empty() ? z[nachname] : z[vorname] + " " + z[nachname]) + ")";
        erwartet.insert({ort, "Staerke", alteStaerke, z[staerke]});
        erwartet.insert({ort, "Nachname", alterName, z[nachname]});
    }
    ASSERT_EQ(Apply(t, &out), 0) << out;
    EXPECT_NE(out.find("Gespeichert: 200 \xC3\x84nderungen in 100 Datens\xC3\xA4tzen"), std::string::npos)
        << out;

    const std::string diffCsv = tmp.File("diff.csv");
    const auto geliefert = v3test::Snapshot(demo.path() / "DATA.ORG");
    ASSERT_EQ(Run({"diff", Dir(), "--csv", diffCsv}, &out), 0);
    EXPECT_EQ(v3test::Snapshot(demo.path() / "DATA.ORG"), geliefert);  // read through a link, never written
    EXPECT_NE(out.find("200 \xC3\x84nderungen in 100 Datens\xC3\xA4tzen gegen\xC3\xBC"
                       "ber DATA.ORG."),
              std::string::npos);
    const CsvErgebnis diff = ReadCsvFile(diffCsv);
    ASSERT_EQ(diff.fehler, "");
    EXPECT_EQ(diff.tabelle.kopf, (CsvZeile{"Tabelle", "Ort", "Feld", "Alt", "Neu"}));
    std::multiset<std::tuple<std::string, std::string, std::string, std::string>> berichtet;
    for (const auto& z : diff.tabelle.zeilen) {
        EXPECT_EQ(z[0], "spieler");
        berichtet.insert({z[1], z[2], z[3], z[4]});
    }
    EXPECT_EQ(berichtet, erwartet);

    ASSERT_EQ(Run({"validate", Dir()}, &out), 0) << out;
    // Against another installation: the demo as delivered, which differs the same way.
    v3test::DemoInstallation frisch;
    ASSERT_EQ(Run({"diff", Dir(), "--gegen", frisch.path().string()}, &out), 0);
    EXPECT_NE(out.find("200 \xC3\x84nderungen in 100 Datens\xC3\xA4tzen"), std::string::npos) << out;
    // Without the delivered data there is nothing to compare with.
    fs::remove_all(demo.path() / "DATA.ORG");
    EXPECT_EQ(Run({"diff", Dir()}, &out), 1);
    EXPECT_EQ(out, "In " + Dir() + " gibt es keine Originaldaten (DATA.ORG).\n");
}

TEST_F(Tabellen, OneRefusedValueAmongManyChangesNothing) {
    const auto vorher = Daten();
    CsvTabelle t = Export("spieler");
    const size_t staerke = Spalte(t, "Staerke");
    for (size_t i = 0; i < 50; ++i) t.zeilen[i * 10][staerke] = AndereStaerke(t.zeilen[i * 10][staerke]);
    t.zeilen[333][staerke] = "13";
    std::string out;
    EXPECT_EQ(Apply(t, &out), 1);
    EXPECT_EQ(out,
              "Zeile 335, Spalte \"Staerke\", Wert \"13\": Der Wert muss zwischen 1 und 12 liegen.\n"
              "Nichts ge\xC3\xA4ndert: 1 Wert abgelehnt.\n");
    EXPECT_EQ(Daten(), vorher);
}

TEST_F(Tabellen, BadInputIsRefusedNamingRowAndColumn) {
    const auto vorher = Daten();
    const CsvTabelle voll = Export("spieler");
    CsvTabelle klein;  // the header and three players
    klein.kopf = voll.kopf;
    klein.zeilen.assign(voll.zeilen.begin(), voll.zeilen.begin() + 3);
    const size_t verein = Spalte(klein, "Verein"), platz = Spalte(klein, "Spieler"),
                 name = Spalte(klein, "Nachname");

    struct Fall {
        const char* was;
        std::function<void(CsvTabelle&)> aendern;
        std::vector<std::string> optionen;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {"missing key column",
         [&](CsvTabelle& t) {
             for (auto* z : {&t.kopf, &t.zeilen[0], &t.zeilen[1], &t.zeilen[2]})
                 z->erase(z->begin() + long(platz));
         },
         {"--table", "spieler"},
         "Die Schl\xC3\xBCsselspalte \"Spieler\" fehlt; ohne sie ist kein Datensatz zu finden."},
        {"unknown column",
         [&](CsvTabelle& t) { t.kopf[name] = "Familienname"; },
         {"--table", "spieler"},
         "Die Spalte 6 \"Familienname\" gibt es in der Tabelle spieler nicht."},
        {"unknown column, table not given",
         [&](CsvTabelle& t) { t.kopf[name] = "Familienname"; },
         {},
         "Die Kopfzeile passt zu keiner Tabelle"},
        {"key naming no record",
         [&](CsvTabelle& t) { t.zeilen[1][verein] = "999"; },
         {},
         "Zeile 3, Spalte \"Land, Verein, Spieler\", Wert \"0, 999, 2\": Diesen Datensatz gibt es nicht."},
        {"key not a number",
         [&](CsvTabelle& t) { t.zeilen[0][platz] = "eins"; },
         {},
         "Zeile 2, Spalte \"Spieler\", Wert \"eins\": Das ist keine ganze Zahl."},
        {"the same record twice",
         [&](CsvTabelle& t) { t.zeilen[2] = t.zeilen[0]; },
         {},
         "Zeile 4, Spalte \"Land, Verein, Spieler\", Wert \"0, 1, 1\": Derselbe Datensatz steht schon in "
         "Zeile 2."},
        {"a row with a cell too many",
         [&](CsvTabelle& t) { t.zeilen[1].push_back("x"); },
         {},
         "Zeile 3 hat " + std::to_string(klein.kopf.size() + 1) + " Zellen, die Kopfzeile " +
             std::to_string(klein.kopf.size()) + "."},
        {"a line break inside a quoted name",
         [&](CsvTabelle& t) { t.zeilen[0][name] = "Zwei\nZeilen"; },
         {},
         "Zeile 2, Spalte \"Nachname\", Wert \"Zwei\nZeilen\": Ein Zeilenumbruch ist in einem Namen nicht "
         "erlaubt."},
        {"a name of a megabyte",
         [&](CsvTabelle& t) { t.zeilen[0][name] = std::string(1 << 20, 'A'); },
         {},
         "Zeile 2, Spalte \"Nachname\", Wert \"" + std::string(60, 'A') +
             "\xE2\x80\xA6\": Der Text darf h\xC3\xB6\x63hstens 15 Zeichen lang sein."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        CsvTabelle t = klein;
        f.aendern(t);
        std::string out;
        EXPECT_EQ(Apply(t, &out, f.optionen), 1);
        EXPECT_NE(out.find(f.meldung), std::string::npos) << out;
        EXPECT_NE(out.find("Nichts ge\xC3\xA4ndert"), std::string::npos) << out;
    }
    EXPECT_EQ(Daten(), vorher);
}

TEST_F(Tabellen, TakesWhatASpreadsheetInAGermanLocaleSaves) {
    CsvTabelle t = Export("vereine");
    const size_t name = Spalte(t, "Name"), guthaben = Spalte(t, "Guthaben");
    t.zeilen[0][name] = "Fortuna S\xC3\xBC\x64stadt";
    t.zeilen[0][guthaben] = " 0500 ";  // as a number cell may come back
    // Byte-order mark, semicolons, CR LF, every cell quoted.
    std::string text = "\xEF\xBB\xBF";
    for (const CsvZeile* z : {&t.kopf, &t.zeilen[0]}) {
        for (size_t i = 0; i < z->size(); ++i) text += (i ? ";\"" : "\"") + (*z)[i] + "\"";
        text += "\r\n";
    }
    v3test::WriteBytes(tmp.path() / "lo.csv", text);
    std::string out;
    ASSERT_EQ(Run({"apply", Dir(), "--csv", tmp.File("lo.csv")}, &out), 0) << out;
    EXPECT_NE(out.find("  Guthaben: "), std::string::npos) << out;
    const CsvTabelle nachher = Export("vereine");
    EXPECT_EQ(nachher.zeilen[0][name], "Fortuna S\xC3\xBC\x64stadt");
    EXPECT_EQ(nachher.zeilen[0][guthaben], "500");
}

// The rules, on the data set loaded in this process.
class TabellenRegeln : public Tabellen {
protected:
    void SetUp() override {
        state_.emplace();
        (*state_)->SetUserInterface(&ui_);
        ASSERT_TRUE(v3tool::LoadDataSet(Dir(), doc_, stdout));
    }
    void TearDown() override {
        doc_.SpeicherLoeschen();
        state_.reset();
    }
    // The exported table `bild` with the given cells changed (row index, column, value).
    static CsvTabelle Mit(const Tabellenbild& bild,
                          const std::vector<std::tuple<size_t, std::string, std::string>>& zellen) {
        CsvTabelle t{bild.kopf, bild.zeilen, ','};
        for (const auto& [zeile, spalte, wert] : zellen) t.zeilen[zeile][Spalte(t, spalte)] = wert;
        return t;
    }
    static std::string Zelle(Tabellenart art, size_t zeile, const std::string& spalte) {
        const Tabellenbild bild = Exportiere(v3::Daten(), art);
        const CsvTabelle t{bild.kopf, bild.zeilen, ','};
        return t.zeilen[zeile][Spalte(t, spalte)];
    }

    std::optional<ScopedAppState> state_;
    ScriptedUserInterface ui_;
    CEDITORDoc doc_;
};

TEST_F(TabellenRegeln, RefusesWhatTheEditorsRefuse) {
    const std::string nummer0 = Zelle(Tabellenart::Spieler, 0, "RueckenNummer");
    const std::string nummer1 = Zelle(Tabellenart::Spieler, 1, "RueckenNummer");
    // The birth date "JJJJ-MM-TT" as spreadsheets may write it back.
    const std::string datum = Zelle(Tabellenart::Spieler, 0, "Geburtsdatum");
    const std::string jj = datum.substr(2, 2), mm = datum.substr(5, 2), tt = datum.substr(8, 2);
    const std::string deutsch = tt + "." + mm + "." + datum.substr(0, 4);
    const std::string kurz = tt + "." + mm + "." + jj, englisch = mm + "/" + tt + "/" + jj;
    const std::string andersKurz = tt + "." + mm + "." + (jj == "75" ? "76" : "75");
    struct Fall {
        const char* was;
        Tabellenart art;
        std::vector<std::tuple<size_t, std::string, std::string>> zellen;
        std::string spalte, grund;  // empty: taken
        size_t aenderungen = 0;     // when taken
    };
    const Fall faelle[] = {
        {"strength and talent above 13",
         Tabellenart::Spieler,
         {{0, "Staerke", "12"}, {0, "Talent", "2"}},
         "Talent",
         "St\xC3\xA4rke (12) und Talent (2) d\xC3\xBCrfen zusammen h\xC3\xB6\x63hstens 13 ergeben."},
        {"a shirt number another player wears",
         Tabellenart::Spieler,
         {{0, "RueckenNummer", nummer1}},
         "RueckenNummer",
         "Die R\xC3\xBC\x63kennummer " + nummer1 + " tr\xC3\xA4gt im Verein schon"},
        {"two players swap their numbers",
         Tabellenart::Spieler,
         {{0, "RueckenNummer", nummer1}, {1, "RueckenNummer", nummer0}},
         "",
         "",
         2},
        {"a date the calendar lacks",
         Tabellenart::Spieler,
         {{0, "Geburtsdatum", "30.02.1980"}},
         "Geburtsdatum",
         "Das ist kein Datum des Kalenders (JJJJ-MM-TT oder TT.MM.JJJJ, das Jahr vierstellig)."},
        {"the exported date in German", Tabellenart::Spieler, {{0, "Geburtsdatum", deutsch}}, "", "", 0},
        {"the exported date with a two-digit year",
         Tabellenart::Spieler,
         {{0, "Geburtsdatum", kurz}},
         "",
         "",
         0},
        {"the exported date in an English locale",
         Tabellenart::Spieler,
         {{0, "Geburtsdatum", englisch}},
         "",
         "",
         0},
        {"another date with a two-digit year",
         Tabellenart::Spieler,
         {{0, "Geburtsdatum", andersKurz}},
         "Geburtsdatum",
         "Das ist kein Datum des Kalenders (JJJJ-MM-TT oder TT.MM.JJJJ, das Jahr vierstellig)."},
        {"a text column that fits no value",
         Tabellenart::Spieler,
         {{0, "Talent (Text)", "Genie"}},
         "Talent (Text)",
         "Der Text passt nicht zum Wert; ge\xC3\xA4ndert wird die Zahl in der Spalte \"Talent\"."},
        {"the text column of the new value",
         Tabellenart::Spieler,
         {{0, "Fuss", "3"}, {0, "Fuss (Text)", "Beidf\xC3\xBC\xC3\x9Fig"}},
         "",
         "",
         1},
        {"a stand with too many places",
         Tabellenart::Stadien,
         {{0, "Stehplaetze1", "40000"}},
         "Stehplaetze1",
         "Es sind zu viele Pl\xC3\xA4tze dieses Typs eingestellt!"},
        {"an empty stand",
         Tabellenart::Stadien,
         {{0, "Stehplaetze2", "0"}, {0, "Sitzplaetze2", "0"}, {0, "Logen2", "0"}},
         "Stehplaetze2",
         "Jede Trib\xC3\xBCne mu\xC3\x9F mindestens 500 Pl\xC3\xA4tze haben!"},
        {"an arch rival beyond the clubs",
         Tabellenart::Vereine,
         {{0, "ErzRivale", "200"}},
         "ErzRivale",
         "Der Wert muss zwischen 0 und "},
        {"credit beyond the editor's limit",
         Tabellenart::Vereine,
         {{0, "Guthaben", "5000"}},
         "Guthaben",
         "Der Wert muss zwischen -2000 und 1000 liegen."},
        {"a club name too short",
         Tabellenart::Vereine,
         {{0, "Name", "FC"}},
         "Name",
         "Der Text muss mindestens 3 Zeichen lang sein."},
        {"a referee's club beyond the clubs",
         Tabellenart::Schiedsrichter,
         {{0, "SchiriVerein", "250"}},
         "SchiriVerein",
         "Der Wert muss zwischen 0 und "},
    };
    std::map<Tabellenart, Tabellenbild> vorher;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        // One export per kind of table: every check must leave it as it is.
        if (!vorher.count(f.art)) vorher.emplace(f.art, Exportiere(v3::Daten(), f.art));
        const Tabellenbild& bild = vorher.at(f.art);
        const Uebernahme u = Uebernimm(v3::Daten(), Mit(bild, f.zellen), f.art, true);
        EXPECT_EQ(u.fehler, "");
        if (f.spalte.empty()) {
            EXPECT_TRUE(u.Ok());
            EXPECT_EQ(u.aenderungen.size(), f.aenderungen);
        } else {
            ASSERT_EQ(u.abgelehnt.size(), 1u);
            EXPECT_EQ(u.abgelehnt[0].zeile, 2u);
            EXPECT_EQ(u.abgelehnt[0].spalte, f.spalte);
            EXPECT_EQ(u.abgelehnt[0].grund.rfind(f.grund, 0), 0u) << u.abgelehnt[0].grund;
        }
    }
    for (const auto& [art, bild] : vorher) EXPECT_EQ(Exportiere(v3::Daten(), art).zeilen, bild.zeilen);
}

TEST_F(TabellenRegeln, AppliedChangesGoThroughTheRecordsSetters) {
    // A coach's birth date: the age follows it.
    const Uebernahme u = Uebernimm(
        v3::Daten(), Mit(Exportiere(v3::Daten(), Tabellenart::Trainer), {{1, "GeburtsDatum", "01.01.1960"}}), std::nullopt, false);
    ASSERT_TRUE(u.Ok()) << u.fehler;
    ASSERT_EQ(u.aenderungen.size(), 1u);
    EXPECT_EQ(Zelle(Tabellenart::Trainer, 1, "GeburtsDatum"), "1960-01-01");
    EXPECT_EQ(Zelle(Tabellenart::Trainer, 1, "Alter"), std::to_string(App().Saisonstartjahr - 1960));
    // The change names the record and the value with its text.
    const Uebernahme t =
        Uebernimm(v3::Daten(), Mit(Exportiere(v3::Daten(), Tabellenart::Trainer), {{1, "Ruf", "6"}}), std::nullopt, false);
    ASSERT_TRUE(t.Ok());
    ASSERT_EQ(t.aenderungen.size(), 1u);
    EXPECT_EQ(t.aenderungen[0].neu, "6 (keiner)");
    const std::string ort = Zelle(Tabellenart::Trainer, 1, "Land (Text)") + ", " +
                            Zelle(Tabellenart::Trainer, 1, "Verein (Text)") + ", Trainer (";
    EXPECT_EQ(t.aenderungen[0].ort.rfind(ort, 0), 0u) << t.aenderungen[0].ort;
}

TEST_F(TabellenRegeln, TheCsvTextIsTheTableWritten) {
    for (Tabellenart art : kAlleTabellen) {
        SCOPED_TRACE(TabellenName(art));
        const Tabellenbild bild = Exportiere(v3::Daten(), art, 3);
        size_t zeilen = 0;
        EXPECT_EQ(ExportiereCsv(v3::Daten(), art, 3, &zeilen), WriteCsv(bild.kopf, bild.zeilen));
        EXPECT_EQ(zeilen, bild.zeilen.size());
        EXPECT_GT(zeilen, 0u);
    }
}

TEST_F(TabellenRegeln, APartOfATableNeedsItsNameWhenSeveralFit) {
    CsvTabelle t;
    t.kopf = {"Land", "Verein", "Pool", "Kompetenz"};
    t.zeilen = {{"0", "1", "0", "1"}};
    const Uebernahme ohne = Uebernimm(v3::Daten(), t, std::nullopt, true);
    EXPECT_EQ(ohne.fehler,
              "Die Kopfzeile passt zu mehreren Tabellen (trainer, manager); bitte die Tabelle angeben.");
    const Uebernahme mit = Uebernimm(v3::Daten(), t, Tabellenart::Manager, true);
    EXPECT_TRUE(mit.Ok()) << mit.fehler;
}

}  // namespace
