// export, apply and diff: the data set as CSV tables, edited tables taken
// back, and the changes against the delivered data set.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/tabelle/rules/Csv.h"
#include "editors/tabelle/rules/Tabellen.h"
#include "platform/FileOps.h"
#include "platform/UserInterface.h"

namespace fs = std::filesystem;

namespace v3tool {
namespace {

constexpr const char* kExportUsage =
    "export DIR --table spieler|vereine|stadien|trainer|manager|schiedsrichter "
    "--csv FILE [--land N]";
constexpr const char* kApplyUsage = "apply DIR --csv FILE [--table T] [--dry-run]";
constexpr const char* kDiffUsage = "diff DIR [--gegen DIR2] [--csv FILE]";

// A folder of its own in the temporary folder, removed with everything in it.
class Huelle {
public:
    Huelle() {
        std::error_code ec;
        std::string muster = (fs::temp_directory_path(ec) / "v3diff.XXXXXX").string();
        if (::mkdtemp(muster.data())) path_ = muster;
    }
    ~Huelle() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);  // removes the link, not what it points to
    }
    Huelle(const Huelle&) = delete;
    Huelle& operator=(const Huelle&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// The state a command works in: its own application state, messages on
// stderr, and the document that loads and saves.
struct Sitzung {
    v3::ScopedAppState state;
    v3::StderrUserInterface ui{false};
    v3::CEDITORDoc doc;
    Sitzung() { state->SetUserInterface(&ui); }
    bool Laden(const std::string& dir) { return LoadDataSet(dir, doc, stdout); }
};

int Usage(const char* usage) {
    std::fprintf(stderr, "Aufruf: v3tool %s\n", usage);
    return 2;
}

// The options of the three commands: DIR first, then options with a value and flags.
struct Optionen {
    std::string dir, csv, gegen, tabelle, land;
    bool probe = false;
};

bool LiesOptionen(const Args& args, Optionen& o, bool mitTabelle, bool mitLand, bool mitProbe,
                  bool mitGegen) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (a == "--csv" && hatWert) {
            o.csv = args[++i];
        } else if (a == "--table" && mitTabelle && hatWert) {
            o.tabelle = args[++i];
        } else if (a == "--land" && mitLand && hatWert) {
            o.land = args[++i];
        } else if (a == "--gegen" && mitGegen && hatWert) {
            o.gegen = args[++i];
        } else if (a == "--dry-run" && mitProbe) {
            o.probe = true;
        } else if (!a.empty() && a[0] != '-' && o.dir.empty()) {
            o.dir = a;
        } else {
            return false;
        }
    }
    return !o.dir.empty();
}

std::optional<v3::Tabellenart> Tabelle(const std::string& name) {
    const auto art = v3::TabelleMitName(name);
    if (!art)
        std::fprintf(stderr,
                     "Die Tabelle \"%s\" gibt es nicht (spieler, vereine, stadien, trainer, manager, "
                     "schiedsrichter).\n",
                     name.c_str());
    return art;
}

// Writes `text` to `pfad` whole or not at all; "-" is stdout.
bool Schreibe(const std::string& pfad, const std::string& text) {
    if (pfad == "-") return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    std::string fehler;
    if (v3::WriteWholeFile(pfad, text, &fehler)) return true;
    std::printf("Die Datei %s konnte nicht geschrieben werden: %s\n", pfad.c_str(), fehler.c_str());
    return false;
}

// Prints the changes grouped by record: the record's place once, then its fields.
void DruckeAenderungen(std::FILE* out, const std::vector<v3::Aenderung>& aenderungen) {
    const std::string* letzterOrt = nullptr;
    for (const auto& a : aenderungen) {
        if (!letzterOrt || *letzterOrt != a.ort) std::fprintf(out, "%s\n", a.ort.c_str());
        letzterOrt = &a.ort;
        std::fprintf(out, "  %s: %s \xE2\x86\x92 %s\n", a.feld.c_str(), a.alt.c_str(), a.neu.c_str());
    }
}

// "1 Änderung in 1 Datensatz", "3 Änderungen in 2 Datensätzen".
std::string Umfang(size_t aenderungen, size_t datensaetze) {
    return std::to_string(aenderungen) +
           (aenderungen == 1 ? " \xC3\x84nderung in " : " \xC3\x84nderungen in ") +
           std::to_string(datensaetze) + (datensaetze == 1 ? " Datensatz" : " Datens\xC3\xA4tzen");
}

size_t Datensaetze(const std::vector<v3::Aenderung>& aenderungen) {
    size_t n = 0;
    for (size_t i = 0; i < aenderungen.size(); ++i)
        if (i == 0 || aenderungen[i].ort != aenderungen[i - 1].ort) ++n;
    return n;
}

}  // namespace

int CmdExport(const Args& args) {
    Optionen o;
    if (!LiesOptionen(args, o, true, true, false, false) || o.csv.empty() || o.tabelle.empty())
        return Usage(kExportUsage);
    const auto art = Tabelle(o.tabelle);
    if (!art) return 2;
    int land = -1;
    if (!o.land.empty()) {
        try {
            size_t ende = 0;
            land = std::stoi(o.land, &ende);
            if (ende != o.land.size() || land < 0) return Usage(kExportUsage);
        } catch (const std::exception&) {
            return Usage(kExportUsage);
        }
    }
    Sitzung sitzung;
    if (!sitzung.Laden(o.dir)) return 1;
    const size_t laender = v3::Daten().AlleLaender.size();
    if (land >= 0 && (size_t(land) >= laender || !v3::Daten().AlleLaender[size_t(land)])) {
        std::printf("Das Land %d gibt es im Datensatz nicht (0 bis %zu).\n", land, laender - 1);
        return 1;
    }
    size_t zeilen = 0;
    if (!Schreibe(o.csv, v3::ExportiereCsv(v3::Daten(), *art, land, &zeilen))) return 1;
    if (o.csv != "-")
        std::printf("Geschrieben: %s (Tabelle %s, %zu Zeilen)\n", o.csv.c_str(), v3::TabellenName(*art),
                    zeilen);
    return 0;
}

int CmdApply(const Args& args) {
    Optionen o;
    if (!LiesOptionen(args, o, true, false, true, false) || o.csv.empty()) return Usage(kApplyUsage);
    std::optional<v3::Tabellenart> art;
    if (!o.tabelle.empty()) {
        art = Tabelle(o.tabelle);
        if (!art) return 2;
    }
    // The table is read before the data set: a file that cannot be taken costs no load.
    const v3::CsvErgebnis csv = v3::ReadCsvFile(o.csv);
    if (!csv.fehler.empty()) {
        std::printf("%s\nNichts ge\xC3\xA4ndert.\n", csv.fehler.c_str());
        return 1;
    }
    Sitzung sitzung;
    if (!sitzung.Laden(o.dir)) return 1;

    const v3::Uebernahme u = v3::Uebernimm(v3::Daten(), csv.tabelle, art, o.probe);
    if (!u.fehler.empty()) {
        std::printf("%s: %s\nNichts ge\xC3\xA4ndert.\n", o.csv.c_str(), u.fehler.c_str());
        return 1;
    }
    if (!u.abgelehnt.empty()) {
        for (const auto& a : u.abgelehnt) {
            if (a.spalte.empty())
                std::printf("Zeile %zu: %s\n", a.zeile, a.grund.c_str());
            else
                std::printf("Zeile %zu, Spalte \"%s\", Wert \"%s\": %s\n", a.zeile, a.spalte.c_str(),
                            a.wert.c_str(), a.grund.c_str());
        }
        std::printf("Nichts ge\xC3\xA4ndert: %zu %s abgelehnt.\n", u.abgelehnt.size(),
                    u.abgelehnt.size() == 1 ? "Wert" : "Werte");
        return 1;
    }
    DruckeAenderungen(stdout, u.aenderungen);
    if (u.nichtGenannt > 0)
        std::printf(
            "Hinweis: %zu Datens\xC3\xA4tze der Tabelle %s stehen nicht in der Datei und bleiben, wie sie "
            "sind (entfernt wird nichts).\n",
            u.nichtGenannt, v3::TabellenName(*u.art));
    const size_t datensaetze = Datensaetze(u.aenderungen);
    if (u.aenderungen.empty()) {
        std::printf("Keine \xC3\x84nderungen; nichts gespeichert.\n");
        return 0;
    }
    if (o.probe) {
        std::printf("Probelauf: %s; nichts gespeichert.\n",
                    Umfang(u.aenderungen.size(), datensaetze).c_str());
        return 0;
    }
    sitzung.state->BandenSpeichern = false;
    if (!sitzung.doc.SpeichernV3Localized()) {
        std::printf(
            "Der Datensatz in %s konnte nicht gespeichert werden; die Dateien sind unver\xC3\xA4ndert.\n",
            o.dir.c_str());
        return 1;
    }
    std::printf("Gespeichert: %s, %s\n", Umfang(u.aenderungen.size(), datensaetze).c_str(), o.dir.c_str());
    return 0;
}

int CmdDiff(const Args& args) {
    Optionen o;
    if (!LiesOptionen(args, o, false, false, false, true)) return Usage(kDiffUsage);

    // The delivered data set is loaded through an installation of its own
    // whose data folder is the delivered one.
    std::string altDir = o.gegen;
    std::optional<Huelle> huelle;
    if (altDir.empty()) {
        const fs::path org = v3::HostPath(fs::path(o.dir), std::string(".") + v3::kDirDataOrg);
        std::error_code ec;
        if (!fs::is_directory(org, ec)) {
            std::printf("In %s gibt es keine Originaldaten (DATA.ORG).\n", o.dir.c_str());
            return 1;
        }
        huelle.emplace();
        if (huelle->path().empty()) ec = std::make_error_code(std::errc::io_error);
        if (!ec) fs::create_directory_symlink(fs::absolute(org), huelle->path() / "DATA.V3", ec);
        if (ec) {
            std::printf("Die Originaldaten k\xC3\xB6nnen nicht geladen werden: %s\n", ec.message().c_str());
            return 1;
        }
        altDir = huelle->path().string();
    }

    std::vector<v3::Tabellenbild> alt, neu;
    for (auto [dir, bilder] : {std::pair{&altDir, &alt}, std::pair{&o.dir, &neu}}) {
        Sitzung sitzung;
        if (!sitzung.Laden(*dir)) {
            if (huelle && dir == &altDir)
                std::printf("(Das waren die Originaldaten in DATA.ORG von %s.)\n", o.dir.c_str());
            return 1;
        }
        for (v3::Tabellenart art : v3::kAlleTabellen) bilder->push_back(v3::Exportiere(v3::Daten(), art, -1));
    }

    std::vector<v3::CsvZeile> zeilen;
    size_t anzahl = 0, datensaetze = 0;
    for (size_t t = 0; t < v3::kAlleTabellen.size(); ++t) {
        const auto aenderungen = v3::Vergleiche(alt[t], neu[t]);
        DruckeAenderungen(stdout, aenderungen);
        anzahl += aenderungen.size();
        datensaetze += Datensaetze(aenderungen);
        for (const auto& a : aenderungen)
            zeilen.push_back({v3::TabellenName(v3::kAlleTabellen[t]), a.ort, a.feld, a.alt, a.neu});
    }
    const std::string gegen = o.gegen.empty() ? "DATA.ORG" : o.gegen;
    if (anzahl == 0)
        std::printf(
            "Keine \xC3\x84nderungen gegen\xC3\xBC"
            "ber %s.\n",
            gegen.c_str());
    else
        std::printf(
            "%s gegen\xC3\xBC"
            "ber %s.\n",
            Umfang(anzahl, datensaetze).c_str(), gegen.c_str());
    if (!o.csv.empty() && !Schreibe(o.csv, v3::WriteCsv({"Tabelle", "Ort", "Feld", "Alt", "Neu"}, zeilen)))
        return 1;
    return 0;
}

}  // namespace v3tool
