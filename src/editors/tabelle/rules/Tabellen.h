#pragma once
// The data set as tables for spreadsheets and scripts: players, clubs,
// stadiums, coaches, managers and referees, one row per record, cells as
// UTF-8 text. A row starts with the keys that find its record again (country
// index, club number, position in the squad or pool), then one column per
// field named after the record's field; a graded value is a number with a
// column "<Feld> (Text)" beside it holding the German word the editors show.
//
// Taking a table back changes only the cells that differ from the data set,
// through the records' setters and the editors' rules (ranges, strength plus
// talent, shirt numbers unique in a squad, names code page 1252 can hold
// within the editors' lengths). Any refused cell refuses the whole table.
// Comparing two exports of the same table lists what changed, record by
// record and field by field.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/tabelle/rules/Csv.h"

namespace v3 {

struct DataSet;

enum class Tabellenart { Spieler, Vereine, Stadien, Trainer, Manager, Schiedsrichter };
inline constexpr std::array<Tabellenart, 6> kAlleTabellen = {
    Tabellenart::Spieler, Tabellenart::Vereine, Tabellenart::Stadien,
    Tabellenart::Trainer, Tabellenart::Manager, Tabellenart::Schiedsrichter};

// "spieler", "vereine", "stadien", "trainer", "manager", "schiedsrichter".
const char* TabellenName(Tabellenart art);
std::optional<Tabellenart> TabelleMitName(std::string_view name);

// Suffix of the column that holds a value's German text.
inline constexpr std::string_view kTextSuffix = " (Text)";

// One table of the data set.
struct Tabellenbild {
    Tabellenart art = Tabellenart::Spieler;
    CsvZeile kopf;
    std::vector<CsvZeile> zeilen;
    // Per row: where its record is, in German ("Deutschland, FC Beispiel,
    // Spieler 5 (Hans Meier)").
    std::vector<std::string> orte;
    size_t schluesselSpalten = 0;
};

// Every record of the table, of all countries (land < 0) or of one country.
// Reads the data set of App() for the country names and the season start year.
Tabellenbild Exportiere(DataSet& daten, Tabellenart art, int land = -1);
// The same as CSV text (WriteCsv of the table), written row by row without
// holding the table; *zeilen gets the number of rows.
std::string ExportiereCsv(DataSet& daten, Tabellenart art, int land = -1, size_t* zeilen = nullptr);

// One changed field; values with their German text in brackets where the
// field has one ("3 (Normal begabt)").
struct Aenderung {
    std::string ort;
    std::string feld;
    std::string alt;
    std::string neu;
};

// A refused cell: its row as a spreadsheet counts it (the header is row 1),
// its column, its value and the German reason.
struct Ablehnung {
    size_t zeile = 0;
    std::string spalte;
    std::string wert;
    std::string grund;
};

struct Uebernahme {
    std::optional<Tabellenart> art;
    // A fault of the table as a whole (unknown or missing column, a table that
    // fits none or several kinds); nothing else is then checked.
    std::string fehler;
    std::vector<Ablehnung> abgelehnt;
    std::vector<Aenderung> aenderungen;
    // Records of the table no row names: they stay as they are.
    size_t nichtGenannt = 0;
    bool Ok() const { return fehler.empty() && abgelehnt.empty(); }
};

// Checks every row of `csv` against the data set and, when nothing is refused
// and nurPruefen is false, changes the records. Without `art` the kind of
// table follows from its columns. Rows that name no record are refused:
// records are neither added nor removed.
Uebernahme Uebernimm(DataSet& daten, const CsvTabelle& csv, std::optional<Tabellenart> art, bool nurPruefen);

// The changes from `alt` to `neu` (two exports of the same kind), rows matched
// by their keys, in the order of `neu` with the rows only `alt` has at the end.
// A row only one side has is one change of the field "Datensatz".
std::vector<Aenderung> Vergleiche(const Tabellenbild& alt, const Tabellenbild& neu);

// A cell value as messages show it: at most 60 characters, the rest as "…".
std::string WertKurz(const std::string& wert);

}  // namespace v3
