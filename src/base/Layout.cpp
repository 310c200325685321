#include "base/Layout.h"

#include <system_error>

#include "base/AppState.h"
#include "platform/Text1252.h"

namespace fs = std::filesystem;

namespace v3 {

const std::array<const char*, 13> LandDatei = {
    "LandDeut.sav", "LandEngl.sav", "LandFran.sav", "LandItal.sav", "LandSpan.sav",
    "LandPort.sav", "LandHoll.sav", "LandTuer.sav", "LandOest.sav", "LandScho.sav",
    "LandSchw.sav", "Internat.sav", "Bonus1.sav"};

const std::array<std::array<const char*, kMaxLigen>, 12> LigaDatei = {{
    {"Liga1Deu.sav", "Liga2Deu.sav", "LigaRLNo.sav", "LigaRLOs.sav", "LigaRLSW.sav", "LigaRLSu.sav"},
    {"Liga1Eng.sav", "Liga2Eng.sav", "Liga3Eng.sav", "liga4eng.sav", "", ""},
    {"Liga1Fra.sav", "Liga2Fra.sav", "", "", "", ""},
    {"Liga1Ita.sav", "liga2ita.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"Liga1Spa.sav", "liga2spa.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1por.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1hol.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1tue.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1oes.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1sch.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1swz.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav", "nilliga.sav"},
    {"liga1bon.sav", "liga2bon.sav", "liga3bon.sav", "liga4bon.sav", "nilliga.sav", "nilliga.sav"},
}};

// Code page 1252 texts.
const std::array<const char*, 6> Kontinent = {"Europa", "S\xFC" "damerika", "Nordamerika",
                                              "Afrika", "Asien", "Ozeanien"};

namespace {

struct LandZeile {
    const char* name;
    const char* kuerzel;
    int nation;
    int ligen;
    const char* flagge;
};

const LandZeile kLaender[kLaenderSlots] = {
    {"Deutschland", "D", 14, 6, "ger.bmp"},
    {"England", "Eng", 16, 4, "eng.bmp"},
    {"Frankreich", "Fra", 20, 2, "fra.bmp"},
    {"Italien", "Ita", 28, 2, "ita.bmp"},
    {"Spanien", "Esp", 63, 2, "spa.bmp"},
    {"Portugal", "Por", 51, 1, "por.bmp"},
    {"Niederlande", "Nl", 24, 1, "ni.bmp"},
    {"T\xFCrkei", "Trk", 67, 1, "tur.bmp"},
    {"\xD6sterreich", "A", 47, 1, "a.bmp"},
    {"Schottland", "SCO", 57, 1, "sco.bmp"},
    {"Schweiz", "ch", 59, 1, "ch.bmp"},
    {"Belgien", "bel", 6, 0, "bel.bmp"},
    {"Ru\xDFland", "rus", 54, 0, "rus.bmp"},
    {"Rum\xE4nien", "rum", 53, 0, "rum.bmp"},
    {"Griechenland", "gri", 23, 0, "gri.bmp"},
    {"D\xE4nemark", "dan", 13, 0, "dan.bmp"},
    {"Schweden", "swe", 58, 0, "swe.bmp"},
    {"Polen", "pol", 50, 0, "pol.bmp"},
    {"Bulgarien", "bul", 9, 0, "bul.bmp"},
    {"Ungarn", "hun", 69, 0, "hun.bmp"},
    {"Finnland", "fin", 19, 0, "fin.bmp"},
    {"Israel", "isr", 27, 0, "isr.bmp"},
    {"Island", "isl", 26, 0, "isl.bmp"},
    {"Norwegen", "nor", 46, 0, "nor.bmp"},
    {"Kroatien", "kro", 34, 0, "kro.bmp"},
    {"Zypern", "zyp", 75, 0, "zyp.bmp"},
    {"Ukraine", "ukr", 68, 0, "ukr.bmp"},
    {"Nordirland", "noi", 45, 0, "nir.bmp"},
    {"Malta", "m", 39, 0, "mal.bmp"},
    {"Irland", "irl", 25, 0, "irl.bmp"},
    {"Luxemburg", "lux", 38, 0, "lux.bmp"},
    {"Slowakei", "slo", 61, 0, "swk.bmp"},
    {"Slowenien", "slw", 62, 0, "slo.bmp"},
    {"Tschechien", "tch", 65, 0, "tsc.bmp"},
    {"Wales", "wal", 73, 0, "wal.bmp"},
    {"Bosnien-H.", "bhz", 76, 0, "bos.bmp"},
    {"Jugoslawien", "jug", 77, 0, "jug.bmp"},
    {"Bonusland 1", "", -1, 0, "wel.bmp"},
};

}  // namespace

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string JugendDatei(int n) { return "Jugend" + std::to_string(n) + ".sav"; }

int JugendAnzahl(int n) { return n <= 3 ? 100 : 60; }

const std::vector<std::string>& AltformatKatalog() {
    static const std::vector<std::string> katalog = [] {
        std::vector<std::string> k = {"AVereine.sav", "Fangesa.sav", "ISchiris.sav", "JugeDeut.sav",
                                      "JugeEngl.sav", "JugeFran.sav", "JugeItal.sav", "JugeSpan.sav"};
        for (int n = 1; n <= kJugendDateien; ++n) k.push_back(JugendDatei(n));
        for (const char* f : {"Kleinig.sav", "LandDeut.sav", "LandEngl.sav", "LandFran.sav",
                              "LandItal.sav", "LandSpan.sav", "Liga1Deu.sav", "Liga2Deu.sav",
                              "LigaRLNo.sav", "LigaRLOs.sav", "LigaRLSW.sav", "LigaRLSu.sav",
                              "Liga1Eng.sav", "Liga2Eng.sav", "Liga3Eng.sav", "Liga1Fra.sav",
                              "Liga2Fra.sav", "Liga1Ita.sav", "Liga1Spa.sav"})
            k.push_back(f);
        for (const char* suffix : {"Deut", "Engl", "Fran", "Ital", "Span"})
            for (const char* prefix : {"Mana", "NSch", "Prom", "Spon", "Stad", "Trai", "TTra"})
                k.push_back(std::string(prefix) + suffix + ".sav");
        for (const char* f : {"Laender.sav", "ExSpiel.sav", "Fanwaves.sav"}) k.push_back(f);
        return k;
    }();
    return katalog;
}

void ResetLaenderTabellen(AppState& s) {
    for (int i = 0; i < kLaenderSlots; ++i) {
        s.Laendername[i] = kLaender[i].name;
        s.Laenderkuerzel[i] = kLaender[i].kuerzel;
        s.NationNummer[i] = kLaender[i].nation;
        s.LigaAnzahl[i] = kLaender[i].ligen;
        s.Flaggenbild[i] = kLaender[i].flagge;
        s.countryCounts[i] = FixedCountryCounts(i);
    }
}

int NationNr(int nr) {
    const AppState& s = App();
    for (int i = 0; i < kLaenderSlots; ++i)
        if (s.NationNummer[i] == nr) return i;
    return -1;
}

std::string DatenPfad(const std::string& verzeichnis, const std::string& datei) {
    return "." + verzeichnis + datei;
}

std::string WappenName(int land, int vereinNr) {
    const std::string& kuerzel =
        (land >= 0 && land < kLaenderSlots) ? App().Laenderkuerzel[land] : std::string();
    return kuerzel + std::to_string(vereinNr) + ".BMP";
}

std::string WappenDatei(const std::string& verzeichnis, int land, int vereinNr) {
    const char* prefix = land >= kBonusLandIndex ? "BW_" : "VW_";
    return "." + verzeichnis + kDirWappen + prefix + WappenName(land, vereinNr);
}

fs::path HostPath(const std::string& storedPath) { return HostPath(App().installDir, storedPath); }

fs::path HostPath(const fs::path& installDir, const std::string& storedPath) {
    fs::path result = installDir;
    size_t i = 0;
    while (i <= storedPath.size()) {
        size_t end = storedPath.find_first_of("\\/", i);
        if (end == std::string::npos) end = storedPath.size();
        std::string part = storedPath.substr(i, end - i);
        i = end + 1;
        if (part.empty() || part == "." || part == "..") continue;
        std::string name = Cp1252ToUtf8(part);
        std::error_code ec;
        fs::path exact = result / name;
        if (!fs::exists(exact, ec) && fs::is_directory(result, ec)) {
            for (const auto& entry : fs::directory_iterator(result, ec)) {
                std::string existing = entry.path().filename().string();
                if (SameIgnoringAsciiCase(existing, name)) {
                    exact = result / existing;
                    break;
                }
            }
        }
        result = exact;
    }
    return result;
}

std::filesystem::path HostOrAbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') return std::filesystem::path(path);
    return HostPath(path);
}

}  // namespace v3
