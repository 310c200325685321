// check, search and print: the data check, the person search and the club
// sheets of an installation, without a window.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Commands.h"
#include "check/core/ClubSheet.h"
#include "check/core/DatenCheck.h"
#include "check/core/CheckSink.h"
#include "check/core/PdfWriter.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3tool {
namespace {

constexpr const char* kCheckUsage = "check DIR";
constexpr const char* kSearchUsage = "search DIR [--vorname V] [--nachname N]";
constexpr const char* kPrintUsage = "print DIR --land N [--verein NAME ...] --pdf FILE";

int Usage(const char* usage) {
    std::fprintf(stderr, "Aufruf: v3tool %s\n", usage);
    return 2;
}

// Prints the result lines in UTF-8; a pair's separator becomes an empty line.
class PrintingSink : public v3::ICheckSink {
public:
    void PercentText(const std::string&) override {}
    void ProgressRange(int, int, int) override {}
    void ProgressPos(int) override {}
    void Status(const std::string&) override {}
    void AddLine(const std::string& line) override {
        ++lines;
        std::printf("%s\n", line == v3::kTrennzeile ? "" : v3::Cp1252ToUtf8(line).c_str());
    }
    void SelectLine(size_t) override {}
    void Finished(uint64_t) override {}
    size_t lines = 0;
};

// An argument typed in UTF-8 as the records hold it; false (with the reason
// shown) when code page 1252 cannot hold it.
bool Record1252(const std::string& utf8, std::string& out) {
    auto r = v3::Utf8ToCp1252(utf8);
    if (!r.text) {
        std::fprintf(stderr, "%s\n", v3::RefusedCharacterMessage(r.badCharacter).c_str());
        return false;
    }
    out = *r.text;
    return true;
}

struct Session {
    v3::ScopedAppState state;
    v3::StderrUserInterface ui{false};
    v3::CEDITORDoc doc;
    Session() { state->SetUserInterface(&ui); }
};

}  // namespace

int CmdCheck(const Args& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') return Usage(kCheckUsage);
    Session s;
    if (!LoadDataSet(args[0], s.doc, stderr)) return 1;
    PrintingSink sink;
    std::atomic<bool> stop{false};
    v3::DatenCheck(v3::PrepareCheckRun(sink, stop));
    std::fprintf(stderr, "%zu Paare gleicher Namen gefunden.\n", sink.lines / 3);
    return 0;
}

int CmdSearch(const Args& args) {
    if (args.empty() || args[0].empty() || args[0][0] == '-') return Usage(kSearchUsage);
    std::string vorname, nachname;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string* ziel = args[i] == "--vorname" ? &vorname : args[i] == "--nachname" ? &nachname : nullptr;
        if (!ziel || i + 1 >= args.size()) return Usage(kSearchUsage);
        if (!Record1252(args[++i], *ziel)) return 2;
        *ziel = v3::TrimBlanks(*ziel);
    }
    if (vorname.empty() && nachname.empty()) return Usage(kSearchUsage);
    Session s;
    if (!LoadDataSet(args[0], s.doc, stderr)) return 1;
    PrintingSink sink;
    std::atomic<bool> stop{false};
    v3::CheckRun run = v3::PrepareCheckRun(sink, stop);
    run.vorname = vorname;
    run.nachname = nachname;
    v3::SuchePerson(run);
    if (sink.lines == 0) {
        std::fprintf(stderr, "%s\n", v3::kKeinTreffer);
        return 1;
    }
    return 0;
}

int CmdPrint(const Args& args) {
    if (args.empty() || args[0].empty() || args[0][0] == '-') return Usage(kPrintUsage);
    int land = -1;
    std::string pdf;
    std::vector<std::string> namen;
    for (size_t i = 1; i < args.size(); ++i) {
        if (i + 1 >= args.size()) return Usage(kPrintUsage);
        const std::string& opt = args[i];
        const std::string& wert = args[++i];
        if (opt == "--land") {
            if (wert.empty() || wert.size() > 2 || wert.find_first_not_of("0123456789") != std::string::npos)
                return Usage(kPrintUsage);
            land = std::atoi(wert.c_str());
        } else if (opt == "--pdf") {
            pdf = wert;
        } else if (opt == "--verein") {
            std::string name;
            if (!Record1252(wert, name)) return 2;
            namen.push_back(name);
        } else {
            return Usage(kPrintUsage);
        }
    }
    if (land < 0 || land >= v3::kLaenderSlots || pdf.empty()) return Usage(kPrintUsage);

    Session s;
    if (!LoadDataSet(args[0], s.doc, stderr)) return 1;
    const auto& laender = v3::Daten().AlleLaender;
    if (size_t(land) >= laender.size() || !laender[size_t(land)]) {
        std::fprintf(stderr, "Das Land %d gibt es in diesem Datensatz nicht.\n", land);
        return 1;
    }
    const auto& vereine = laender[size_t(land)]->VereinsListe();
    // The chosen clubs in the country's order, as the dialog prints them.
    std::vector<const v3::CVerein*> gewaehlt;
    std::vector<bool> gefunden(namen.size(), false);
    for (const auto& v : vereine) {
        if (!v) continue;
        bool nimm = namen.empty();
        for (size_t i = 0; i < namen.size(); ++i)
            if (v->Name() == namen[i]) nimm = gefunden[i] = true;
        if (nimm) gewaehlt.push_back(v.get());
    }
    bool fehlt = false;
    for (size_t i = 0; i < namen.size(); ++i)
        if (!gefunden[i]) {
            std::fprintf(stderr, "Den Verein \"%s\" gibt es in Land %d nicht.\n",
                         v3::Cp1252ToUtf8(namen[i]).c_str(), land);
            fehlt = true;
        }
    if (fehlt) return 1;

    std::vector<v3::PrintPage> pages;
    for (const v3::CVerein* v : gewaehlt) pages.push_back(v3::ClubSheet(*v, vereine, v3::Daten().NationenListe));
    std::string error;
    if (!v3::WritePdf(pdf, pages, &error)) {
        std::fprintf(stderr, "Die Datei %s konnte nicht geschrieben werden: %s\n", pdf.c_str(), error.c_str());
        return 1;
    }
    std::printf("%s: %zu Vereinsbl\xC3\xA4tter\n", pdf.c_str(), pages.size());
    return 0;
}

}  // namespace v3tool
