#include "Commands.h"

#include <cstdio>
#include <filesystem>

#include "base/AppState.h"
#include "dataset/EditorDoc.h"

namespace v3tool {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"validate", "validate DIR", "l\xC3\xA4\x64t den Datensatz von DIR und meldet Fehler", CmdValidate},
        {"resave", "resave DIR", "l\xC3\xA4\x64t den Datensatz von DIR und speichert ihn wieder", CmdResave},
        {"demo", "demo DIR [--seed N]", "schreibt eine vollst\xC3\xA4ndige Demo-Installation nach DIR", CmdDemo},
        {"reinit", "reinit DIR --yes", "stellt DATA.V3 aus den Originaldaten in DATA.ORG wieder her", CmdReinit},
        {"import", "import DIR --yes",
         "f\xC3\xBChrt die Vorg\xC3\xA4ngerdaten aus DATA.VER mit dem Datensatz zusammen und speichert", CmdImport},
        {"bonus", "bonus DIR --nation N|--remove --yes",
         "erzeugt, ersetzt oder entfernt das Bonusland (alle Optionen: v3tool bonus)", CmdBonus},
        {"check", "check DIR", "sucht doppelte Namen im Datensatz (Datencheck)", CmdCheck},
        {"search", "search DIR [--vorname V] [--nachname N]",
         "sucht Personen nach Namen; R\xC3\xBC" "ckgabe 1 ohne Treffer", CmdSearch},
        {"print", "print DIR --land N [--verein NAME ...] --pdf FILE",
         "schreibt die Vereinsbl\xC3\xA4tter von Land N (alle Vereine ohne --verein) als PDF", CmdPrint},
        {"export", "export DIR --table T --csv FILE [--land N]",
         "schreibt eine Tabelle (spieler, vereine, stadien, trainer, manager, schiedsrichter) als CSV", CmdExport},
        {"apply", "apply DIR --csv FILE [--table T] [--dry-run]",
         "\xC3\xBC" "bernimmt eine bearbeitete CSV-Tabelle (alles oder nichts) und speichert", CmdApply},
        {"diff", "diff DIR [--gegen DIR2] [--csv FILE]",
         "listet die \xC3\x84nderungen gegen\xC3\xBC" "ber DATA.ORG (oder DIR2) auf", CmdDiff},
    };
    return commands;
}

namespace {

void PrintHelp(std::FILE* out) {
    std::fprintf(out,
                 "Aufruf: v3tool BEFEHL [ARGUMENTE]\n"
                 "Werkzeug f\xC3\xBCr den Datensatz einer VOLTARO 3-Installation.\n\n"
                 "Befehle:\n");
    for (const auto& c : Commands()) std::fprintf(out, "  %-34s %s\n", c.usage, c.help);
    std::fprintf(out, "  %-34s %s\n", "--help", "diese Hilfe");
    std::fprintf(out, "\nR\xC3\xBC" "ckgabewert: 0 Erfolg, 1 Fehler, 2 falscher Aufruf.\n");
}

}  // namespace

int InstallDirWithYes(const Args& args, const char* usage, const char* warning, std::string& dir) {
    dir.clear();
    bool ja = false;
    for (const auto& a : args) {
        if (a == "--yes") {
            ja = true;
        } else if (!a.empty() && a[0] != '-' && dir.empty()) {
            dir = a;
        } else {
            std::fprintf(stderr, "Aufruf: v3tool %s\n", usage);
            return 2;
        }
    }
    if (dir.empty()) {
        std::fprintf(stderr, "Aufruf: v3tool %s\n", usage);
        return 2;
    }
    if (!ja) {
        std::fprintf(stderr, "%s\n", warning);
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        std::printf("Das Verzeichnis %s gibt es nicht.\n", dir.c_str());
        return 1;
    }
    return 0;
}

bool LoadDataSet(const std::string& dir, v3::CEDITORDoc& doc, std::FILE* out) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        std::fprintf(out, "Das Verzeichnis %s gibt es nicht.\n", dir.c_str());
        return false;
    }
    v3::App().installDir = dir;
    doc.ClearBonusLandGlobals();
    if (!doc.LadenV3Localized()) {
        std::fprintf(out, "%sDer Datensatz in %s konnte nicht geladen werden.\n", doc.LadeFehler().c_str(),
                     dir.c_str());
        return false;
    }
    return true;
}

int Run(const Args& argv) {
    if (argv.empty()) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string& name = argv[0];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& c : Commands())
        if (name == c.name) return c.run(Args(argv.begin() + 1, argv.end()));
    std::fprintf(stderr, "v3tool: unbekannter Befehl \"%s\"\n\n", name.c_str());
    PrintHelp(stderr);
    return 2;
}

}  // namespace v3tool
