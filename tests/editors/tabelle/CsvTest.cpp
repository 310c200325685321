// Reading and writing CSV text as spreadsheets and scripts write it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestUtil.h"
#include "editors/tabelle/rules/Csv.h"

using namespace v3;

namespace {

struct Fall {
    const char* name;
    std::string text;
    CsvZeile kopf;
    std::vector<CsvZeile> zeilen;
};

TEST(Csv, ReadsWhatSpreadsheetsWrite) {
    const Fall faelle[] = {
        {"plain", "a,b\n1,2\n", {"a", "b"}, {{"1", "2"}}},
        {"no final line end", "a,b\n1,2", {"a", "b"}, {{"1", "2"}}},
        {"CR LF and a trailing empty row", "a,b\r\n1,2\r\n\r\n", {"a", "b"}, {{"1", "2"}}},
        {"byte-order mark and semicolons",
         "\xEF\xBB\xBF"
         "a;b\n1,5;x\n",
         {"a", "b"},
         {{"1,5", "x"}}},
        {"tabs", "a\tb\n1\t2\n", {"a", "b"}, {{"1", "2"}}},
        {"quotes, doubled quotes, line breaks inside",
         "a,b\n\"x,\"\"y\"\"\",\"zwei\nZeilen\"\n",
         {"a", "b"},
         {{"x,\"y\"", "zwei\nZeilen"}}},
        {"empty cells and a separator at the end",
         "a,b,c\n,,\n1,2,\n",
         {"a", "b", "c"},
         {{"", "", ""}, {"1", "2", ""}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const CsvErgebnis r = ReadCsv(f.text);
        ASSERT_EQ(r.fehler, "");
        EXPECT_EQ(r.tabelle.kopf, f.kopf);
        EXPECT_EQ(r.tabelle.zeilen, f.zeilen);
    }
}

TEST(Csv, RefusesBrokenTextNamingTheRow) {
    const std::pair<std::string, std::string> faelle[] = {
        {"", "keine Kopfzeile"},
        {"a,b\n1,2\n\"offen,3\n",
         "Zeile 3: Ein Anf\xC3\xBChrungszeichen wird bis zum Ende der Datei nicht geschlossen."},
        {"a,b\n\"1\"x,2\n",
         "Zeile 2, Zelle 1: Nach einem schlie\xC3\x9F"
         "enden Anf\xC3\xBChrungszeichen folgt noch Text."},
        {"a,b\n1,2\n1,2,3\n", "Zeile 3 hat 3 Zellen, die Kopfzeile 2."},
        {"a,b\n1\n", "Zeile 2 hat 1 Zellen, die Kopfzeile 2."},
    };
    for (const auto& [text, fehler] : faelle) {
        SCOPED_TRACE(text);
        EXPECT_NE(ReadCsv(text).fehler.find(fehler), std::string::npos) << ReadCsv(text).fehler;
    }
}

TEST(Csv, RefusesAHugeFileBeforeReadingIt) {
    v3test::TempDir dir;
    const std::string pfad = dir.File("gross.csv");
    // 100 MB without writing them: a sparse file of that size.
    { std::ofstream(pfad) << "a,b\n"; }
    std::filesystem::resize_file(pfad, 100u * 1024u * 1024u);
    const CsvErgebnis r = ReadCsvFile(pfad);
    EXPECT_EQ(
        r.fehler,
        pfad +
            ": Die Datei ist mit 100 MB zu gro\xC3\x9F f\xC3\xBCr eine Tabelle (h\xC3\xB6\x63hstens 64 MB).");
    EXPECT_NE(ReadCsvFile(dir.File("fehlt.csv")).fehler.find("kann nicht gelesen werden"), std::string::npos);
}

TEST(Csv, WrittenRowsReadBackUnchanged) {
    const CsvZeile zeile = {"", "M\xC3\xBCller", "a,b", "a;b", "sagt \"ja\"", "zwei\r\nZeilen", " Leer "};
    std::string text;
    AppendCsvRow(text, zeile);
    AppendCsvRow(text, zeile);
    const CsvErgebnis r = ReadCsv(text);
    ASSERT_EQ(r.fehler, "");
    EXPECT_EQ(r.tabelle.kopf, zeile);
    ASSERT_EQ(r.tabelle.zeilen.size(), 1u);
    EXPECT_EQ(r.tabelle.zeilen[0], zeile);
    EXPECT_EQ(r.tabelle.trenner, ',');

    // A first cell that starts with the bytes of a byte-order mark keeps them.
    const CsvZeile bom = {
        "\xEF\xBB\xBF"
        "Land",
        "x"};
    const CsvErgebnis b = ReadCsv(WriteCsv(bom, {bom}));
    ASSERT_EQ(b.fehler, "");
    EXPECT_EQ(b.tabelle.kopf, bom);
}

}  // namespace
