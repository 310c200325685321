#pragma once
// Tables as CSV text, the way spreadsheets write them: one record per line,
// cells separated by commas (or semicolons, as spreadsheets in German locales
// write them, or tabs), a cell that holds a separator, a quote or a line break
// in double quotes with its quotes doubled. Text is UTF-8.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace v3 {

using CsvZeile = std::vector<std::string>;

struct CsvTabelle {
    CsvZeile kopf;                 // the header row
    std::vector<CsvZeile> zeilen;  // the rows below it
    char trenner = ',';            // the separator the text used
};

struct CsvErgebnis {
    CsvTabelle tabelle;
    // Empty when the text was read; else a German message naming the row
    // (counted as a spreadsheet counts them, the header being row 1).
    std::string fehler;
};

// Largest text ReadCsv takes: far above any data set's table, small enough to
// hold in memory several times over.
inline constexpr size_t kCsvMaxBytes = 64u * 1024u * 1024u;

// Reads a whole CSV text: a leading UTF-8 byte-order mark is skipped, the
// separator is the one of ',', ';' and tab that the header row uses most
// (outside quotes), line ends may be LF or CR LF, empty rows at the end are
// dropped (an empty row in between stays, as one empty cell). Refused with a
// message: a text larger than kCsvMaxBytes, no header, a quote left open,
// text after a closing quote, and a row whose number of cells differs from
// the header's.
CsvErgebnis ReadCsv(std::string_view text);

// Reads the file at `pfad` with ReadCsv; a file that cannot be read or is too
// large is refused with a message naming it.
CsvErgebnis ReadCsvFile(const std::string& pfad);

// One row as CSV text with ',' and a closing "\n" (spreadsheets read it, and
// line-based scripts see no stray "\r"); cells are quoted only where needed.
void AppendCsvRow(std::string& out, const CsvZeile& row);
// A whole table: the header, then the rows.
std::string WriteCsv(const CsvZeile& kopf, const std::vector<CsvZeile>& zeilen);

}  // namespace v3
