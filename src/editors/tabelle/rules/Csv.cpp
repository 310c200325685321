#include "editors/tabelle/rules/Csv.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace v3 {
namespace {

std::string MbText(uintmax_t bytes) {
    return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MB";
}

std::string ZuGross(uintmax_t bytes) {
    return "Die Datei ist mit " + MbText(bytes) +
           " zu gro\xC3\x9F f\xC3\xBCr eine Tabelle (h\xC3\xB6\x63hstens " + MbText(kCsvMaxBytes) + ").";
}

// The separator the first row uses most, outside quotes; ',' when it uses none.
char Trenner(std::string_view text) {
    std::array<size_t, 3> anzahl{};
    const char kandidaten[3] = {',', ';', '\t'};
    bool inQuotes = false;
    for (char c : text) {
        if (c == '"') inQuotes = !inQuotes;
        if (inQuotes) continue;
        if (c == '\n' || c == '\r') break;
        for (size_t i = 0; i < 3; ++i)
            if (c == kandidaten[i]) ++anzahl[i];
    }
    size_t best = 0;
    for (size_t i = 1; i < 3; ++i)
        if (anzahl[i] > anzahl[best]) best = i;
    return kandidaten[best];
}

}  // namespace

CsvErgebnis ReadCsv(std::string_view text) {
    CsvErgebnis ergebnis;
    if (text.size() > kCsvMaxBytes) {
        ergebnis.fehler = ZuGross(text.size());
        return ergebnis;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const char trenner = Trenner(text);
    ergebnis.tabelle.trenner = trenner;

    std::vector<CsvZeile> zeilen;
    CsvZeile zeile;
    std::string zelle;
    size_t i = 0;
    const size_t n = text.size();
    auto zeileNr = [&] { return std::to_string(zeilen.size() + 1); };
    while (i < n) {
        // One cell, starting at i.
        if (text[i] == '"') {
            ++i;
            for (;;) {
                if (i >= n) {
                    ergebnis.fehler =
                        "Zeile " + zeileNr() +
                        ": Ein Anf\xC3\xBChrungszeichen wird bis zum Ende der Datei nicht geschlossen.";
                    return ergebnis;
                }
                const char c = text[i++];
                if (c != '"') {
                    zelle += c;
                } else if (i < n && text[i] == '"') {
                    zelle += '"';
                    ++i;
                } else {
                    break;
                }
            }
            if (i < n && text[i] != trenner && text[i] != '\n' && text[i] != '\r') {
                ergebnis.fehler = "Zeile " + zeileNr() + ", Zelle " + std::to_string(zeile.size() + 1) +
                                  ": Nach einem schlie\xC3\x9F"
                                  "enden Anf\xC3\xBChrungszeichen folgt noch Text.";
                return ergebnis;
            }
        } else {
            const size_t anfang = i;
            while (i < n && text[i] != trenner && text[i] != '\n' && text[i] != '\r') ++i;
            zelle.assign(text.data() + anfang, i - anfang);
        }
        zeile.push_back(std::move(zelle));
        zelle.clear();
        if (i < n && text[i] == trenner) {
            ++i;
            if (i == n) zeile.emplace_back();  // a separator at the very end opens one more, empty cell
            continue;
        }
        // End of the line (or of the text).
        if (i < n && text[i] == '\r') ++i;
        if (i < n && text[i] == '\n') ++i;
        zeilen.push_back(std::move(zeile));
        zeile.clear();
    }
    if (!zeile.empty()) zeilen.push_back(std::move(zeile));
    // Empty rows at the end are no records; those in between stay, so that
    // every row keeps the number a spreadsheet gives it.
    auto leer = [](const CsvZeile& z) { return z.size() == 1 && z[0].empty(); };
    while (zeilen.size() > 1 && leer(zeilen.back())) zeilen.pop_back();

    if (zeilen.empty() || leer(zeilen[0])) {
        ergebnis.fehler = "Die Datei enth\xC3\xA4lt keine Kopfzeile.";
        return ergebnis;
    }
    const size_t breite = zeilen[0].size();
    for (size_t z = 1; z < zeilen.size(); ++z) {
        if (leer(zeilen[z])) continue;
        if (zeilen[z].size() != breite) {
            ergebnis.fehler = "Zeile " + std::to_string(z + 1) + " hat " + std::to_string(zeilen[z].size()) +
                              " Zellen, die Kopfzeile " + std::to_string(breite) + ".";
            return ergebnis;
        }
    }
    ergebnis.tabelle.kopf = std::move(zeilen[0]);
    ergebnis.tabelle.zeilen.reserve(zeilen.size() - 1);
    for (size_t z = 1; z < zeilen.size(); ++z) ergebnis.tabelle.zeilen.push_back(std::move(zeilen[z]));
    return ergebnis;
}

CsvErgebnis ReadCsvFile(const std::string& pfad) {
    CsvErgebnis ergebnis;
    std::error_code ec;
    const uintmax_t groesse = std::filesystem::file_size(pfad, ec);
    std::ifstream in(pfad, std::ios::binary);
    if (ec || !in) {
        ergebnis.fehler = "Die Datei " + pfad + " kann nicht gelesen werden.";
        return ergebnis;
    }
    if (groesse > kCsvMaxBytes) {
        ergebnis.fehler = pfad + ": " + ZuGross(groesse);
        return ergebnis;
    }
    std::string text(size_t(groesse), '\0');
    in.read(text.data(), std::streamsize(text.size()));
    if (size_t(in.gcount()) != text.size()) {
        ergebnis.fehler = "Die Datei " + pfad + " kann nicht vollst\xC3\xA4ndig gelesen werden.";
        return ergebnis;
    }
    ergebnis = ReadCsv(text);
    if (!ergebnis.fehler.empty()) ergebnis.fehler = pfad + ": " + ergebnis.fehler;
    return ergebnis;
}

void AppendCsvRow(std::string& out, const CsvZeile& row) {
    for (size_t i = 0; i < row.size(); ++i) {
        if (i) out += ',';
        const std::string& c = row[i];
        // Quoted where a reader would otherwise split it, or, at the start of
        // the text, take its first bytes for a byte-order mark.
        const bool wieBom = out.empty() && c.compare(0, 3, "\xEF\xBB\xBF") == 0;
        if (!wieBom && c.find_first_of(",;\t\"\r\n") == std::string::npos) {
            out += c;
            continue;
        }
        out += '"';
        for (char ch : c) {
            if (ch == '"') out += '"';
            out += ch;
        }
        out += '"';
    }
    out += '\n';
}

std::string WriteCsv(const CsvZeile& kopf, const std::vector<CsvZeile>& zeilen) {
    std::string text;
    AppendCsvRow(text, kopf);
    for (const auto& z : zeilen) AppendCsvRow(text, z);
    return text;
}

}  // namespace v3
