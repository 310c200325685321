#include "dataset/BonusLand.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/DefaultWappen.h"
#include "base/Layout.h"
#include "dataset/Reinit.h"
#include "platform/Bmp.h"
#include "platform/FileOps.h"
#include "platform/Text1252.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/EigenerFangesang.h"
#include "records/Fangesang.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/ParticipantLookup.h"
#include "records/TurnierGruppe.h"
#include "records/Verein.h"

namespace fs = std::filesystem;

namespace v3 {


namespace {

// A slot of the bonus country: the pool sizes every bonus country has.
constexpr CountryCounts kBonusPools = {0, 40, 400, 40, 20, 20, 40, 40, 20, 3, 3};
constexpr int kVereineKleineLiga = 18;  // with a league of 12 clubs
constexpr int kVereine = 26;            // with any larger league
// Attempts at drawing a free Champions League place before the place is left as it is.
constexpr int kMaxZiehungen = 100000;

bool IstDatei(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool Existiert(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

const CNation* NationOf(int nation) {
    const auto& liste = Daten().NationenListe;
    if (nation < 0 || size_t(nation) >= liste.size()) return nullptr;
    return liste[size_t(nation)].get();
}

bool BonusLandDa() { return Daten().AlleLaender.size() > size_t(kFesteLaender); }

// The data set as the participant rules of the competition groups see it.
class DatenTeilnehmer : public ParticipantLookup {
public:
    int NationCount() const override { return int(Daten().NationenListe.size()); }
    const CNation* Nation(int nr) const override { return NationOf(nr); }
    int ClubCount(int land) const override {
        const auto& l = Daten().AlleLaender;
        return land >= 0 && size_t(land) < l.size() && l[size_t(land)] ? int(l[size_t(land)]->VereinsListe().size())
                                                                         : 0;
    }
};

bool SpieltMit(const Liste<CTurnierGruppe>& gruppen, int nation) {
    for (const auto& g : gruppen)
        for (int i = 0; g && i < g->GetCount(); ++i)
            if (g->NationNr(i) == nation) return true;
    return false;
}

bool InCLeague(int nation, int team) {
    for (const auto& g : Daten().CLeagueListe)
        if (g && g->IstVorhanden(nation, team)) return true;
    return false;
}

// Gives every Champions League place of a club of `nation` to a club drawn
// from the first league of a country 0..36. Places of the club numbers
// 1..behalten stay: they name the lending country's own clubs again.
void VerteileCLeaguePlaetze(int nation, int behalten) {
    DataSet& d = Daten();
    const DatenTeilnehmer lookup;
    for (auto& g : d.CLeagueListe) {
        if (!g) continue;
        for (int i = 0; i < g->GetCount(); ++i) {
            if (g->NationNr(i) != nation || g->TeamNr(i) == 0 || g->TeamNr(i) <= behalten) continue;
            for (int versuch = 0; versuch < kMaxZiehungen; ++versuch) {
                const int land = App().random->Rand() % kFesteLaender;
                if (size_t(land) >= d.AlleLaender.size() || !d.AlleLaender[size_t(land)]) continue;
                const CLand& l = *d.AlleLaender[size_t(land)];
                if (l.Ligen().empty() || !l.Ligen()[0] || l.Ligen()[0]->Size() <= 0) continue;
                const CLiga& liga = *l.Ligen()[0];
                const int team = liga.ClubNumber(App().random->Rand() % liga.Size());
                const int neueNation = App().NationNummer[size_t(land)];
                if (InCLeague(neueNation, team)) continue;
                if (g->SetTeilnehmer(i, neueNation, team, lookup)) break;
            }
        }
    }
}

template <class T>
void LoescheGesaenge(Liste<T>& liste, int nation) {
    std::erase_if(liste, [nation](const std::unique_ptr<T>& c) { return c && c->Land() == nation; });
}

// The checks of a crest file chosen by the user; empty when it is a 32 x 32
// bitmap of 256 colours without compression.
std::string PruefeWappenDatei(const std::string& pfad) {
    std::string bytes;
    if (pfad.empty() || !ReadWholeFile(HostOrAbsolutePath(pfad), bytes))
        return "Bitte zuerst eine Datei f\xC3\xBCr das Standardwappen des Landes ausw\xC3\xA4hlen!";
    const char* keinBitmap = "Kein Bitmap-File!";
    if (bytes.size() < kBmpFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return keinBitmap;
    if (bytes.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize) return keinBitmap;
    BmpHeader h;
    const BmpError e = ParseBmpHeader(bytes, h);
    if (h.infoSize != kBmpInfoHeaderSize) return keinBitmap;
    if (h.compression != 0) return "Der Editor kann keine gepackten Bitmap-Files laden!";
    if (h.bitCount != 8) return "Die Grafik liegt nicht im 256 Farben-Format vor!";
    if (h.width != 32 || h.height != 32) return "Die Grafik hat eine andere Gr\xC3\xB6\xC3\x9F" "e als 32*32 Pixel!";
    // The crest is copied byte for byte for the game: it must hold its palette and pixels.
    BmpImage bild;
    if (e != BmpError::None || ReadBmp(bytes, bild) != BmpError::None) return keinBitmap;
    return {};
}

// A JPEG file at least begins with the start-of-image marker and holds a frame header.
bool SiehtAusWieJpeg(const std::string& pfad) {
    std::string bytes;
    if (pfad.empty() || !ReadWholeFile(HostOrAbsolutePath(pfad), bytes)) return false;
    if (bytes.size() < 4 || uint8_t(bytes[0]) != 0xFF || uint8_t(bytes[1]) != 0xD8) return false;
    for (size_t i = 2; i + 1 < bytes.size(); ++i) {
        const uint8_t m = uint8_t(bytes[i + 1]);
        if (uint8_t(bytes[i]) == 0xFF && m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)
            return true;
    }
    return false;
}

}  // namespace

std::string NationsKuerzel(int nation) {
    // The nations of the fixed country table; the code is the country's code
    // with a capital first letter.
    static const std::map<int, const char*> kKuerzel = {
        {14, "D"},    {16, "Eng"}, {20, "Fra"}, {28, "Ita"}, {63, "Esp"}, {51, "Por"}, {24, "Nl"},
        {67, "Trk"},  {47, "A"},   {57, "SCO"}, {59, "Ch"},  {6, "Bel"},  {54, "Rus"}, {53, "Rum"},
        {23, "Gri"},  {13, "Dan"}, {58, "Swe"}, {50, "Pol"}, {9, "Bul"},  {69, "Hun"}, {19, "Fin"},
        {27, "Isr"},  {26, "Isl"}, {46, "Nor"}, {34, "Kro"}, {75, "Zyp"}, {68, "Ukr"}, {45, "Noi"},
        {39, "M"},    {25, "Irl"}, {38, "Lux"}, {61, "Slo"}, {62, "Slw"}, {65, "Tch"}, {73, "Wal"},
        {76, "Bhz"},  {77, "Jug"},
    };
    auto it = kKuerzel.find(nation);
    return it == kKuerzel.end() ? std::string() : std::string(it->second);
}

int VordefinierteBonusNationVon(int nation) {
    const CNation* n = NationOf(nation);
    if (!n || nation == 0) return -1;
    for (int i = 0; i < kVordefinierteBonusNationen; ++i)
        if (n->Name() == VordefinierteBonusNationen[size_t(i)].name) return i;
    return -1;
}

std::vector<BonusNationEintrag> BonusNationenListe() {
    const AppState& app = App();
    std::vector<BonusNationEintrag> liste;
    const auto& nationen = Daten().NationenListe;
    for (size_t nr = 1; nr < nationen.size(); ++nr) {
        const CNation* n = nationen[nr].get();
        if (!n) continue;
        const int nation = int(nr);
        bool hauptland = false, europa = false;
        for (int l = 0; l < kFesteLaender; ++l)
            if (app.NationNummer[size_t(l)] == nation) (l < kHauptlaender ? hauptland : europa) = true;
        if (hauptland) continue;
        if (europa || (app.BonusNation > 0 && nation == app.BonusNation) || n->NationWertA() != 0)
            liste.push_back({nation, n->Name()});
    }
    liste.push_back({0, "Kein"});
    return liste;
}

std::string SuperCupText(int spiele) { return std::to_string(spiele) + (spiele == 1 ? " Spiel" : " Spiele"); }

std::vector<std::string> PruefeBonusLandAuswahl(const BonusLandAuswahl& a,
                                                const std::function<bool(const std::string&)>& istJpeg) {
    std::vector<std::string> m;
    if (a.nation == 0) return m;
    if (a.nation == kKeineWahl) m.push_back("Bitte zuerst ein Land aus der Liste w\xC3\xA4hlen!");

    const char* wappenFehlt = "Bitte zuerst eine Datei f\xC3\xBCr das Standardwappen des Landes ausw\xC3\xA4hlen!";
    const char* karteFehlt = "Bitte zuerst eine Datei f\xC3\xBCr die Karte des Landes ausw\xC3\xA4hlen!";
    const bool wappenGewaehlt = a.wappen >= 0 && a.wappen <= kEigeneDatei;
    const bool karteGewaehlt = a.karte >= 0 && a.karte <= kEigeneDatei;
    if (!wappenGewaehlt) m.push_back(wappenFehlt);
    if (!karteGewaehlt) m.push_back(karteFehlt);
    if (a.ligaGroesse < 0 || a.ligaGroesse >= kLigaGroessen) m.push_back("Bitte w\xC3\xA4hlen Sie eine Ligagr\xC3\xB6\xC3\x9F" "e!");
    if (a.gelbSperre < 0) m.push_back("Bitte w\xC3\xA4hlen Sie eine Gelbsperre aus!");

    if (a.nation > 0 && VordefinierteBonusNationVon(a.nation) < 0) {
        if (wappenGewaehlt && a.wappen != kEigeneDatei)
            m.push_back("Die vordefinierten Wappen k\xC3\xB6nnen nur f\xC3\xBCr ein vordefiniertes Bonusland "
                        "ausgew\xC3\xA4hlt werden!");
        if (karteGewaehlt && a.karte != kEigeneDatei)
            m.push_back("Die vordefinierten Karten k\xC3\xB6nnen nur f\xC3\xBCr ein vordefiniertes Bonusland "
                        "ausgew\xC3\xA4hlt werden!");
    }

    if (a.wappen == kEigeneDatei) {
        const std::string f = PruefeWappenDatei(a.wappenDatei);
        if (!f.empty()) m.push_back(f);
    }
    if (a.karte == kEigeneDatei && !(istJpeg ? istJpeg(a.karteDatei) : SiehtAusWieJpeg(a.karteDatei)))
        m.push_back(karteFehlt);

    if (wappenGewaehlt && karteGewaehlt && a.wappen != a.karte)
        m.push_back("Die ausgew\xC3\xA4hlten Wappen/Flaggen m\xC3\xBCssen \xC3\xBC" "bereinstimmen!");

    if (a.haarfarbe != 0 && a.haarfarbe != 1 && a.haarfarbe != 4)
        m.push_back("Bitte w\xC3\xA4hlen Sie zuerst eine vorherrschende Haarfarbe aus der Liste!");
    if (a.hautfarbe < 0 || a.hautfarbe > 2)
        m.push_back("Bitte w\xC3\xA4hlen Sie zuerst eine vorherrschende Hautfarbe aus der Liste!");
    if (a.pokal < 0 || a.pokal > 1) m.push_back("Bitte w\xC3\xA4hlen sie einen Modus f\xC3\xBCr den Pokalwettbewerb aus der Liste!");
    return m;
}

BonusLandAuswahl BonusLandVorbelegung() {
    BonusLandAuswahl a;
    a.nation = 0;
    if (!BonusLandDa() || !Daten().AlleLaender[size_t(kBonusLandIndex)]) return a;
    const CLand& bonus = *Daten().AlleLaender[size_t(kBonusLandIndex)];
    a.nation = App().BonusNation;
    a.ligaGroesse = LigaGroesseIndex(bonus.LigaGroesse());
    a.gelbSperre = bonus.GelbSperre();
    if (bonus.Absteiger() >= 2 && bonus.Absteiger() <= 4) a.absteiger = bonus.Absteiger();
    if (bonus.SuperCup() >= 1 && bonus.SuperCup() <= 2) a.superCup = bonus.SuperCup();
    if (bonus.Pokal() >= 1 && bonus.Pokal() <= 2) a.pokal = bonus.Pokal() - 1;
    const int p = bonus.BonusPredefined();
    if (p >= 0 && p < kVordefinierteBonusNationen) {
        a.wappen = a.karte = p;
    } else {
        a.wappen = a.karte = kEigeneDatei;
        a.wappenDatei = App().BonusWappenDatei;
        a.karteDatei = App().BonusKarteDatei;
    }
    return a;
}

std::string BonusLandTurnierSperre() {
    const AppState& app = App();
    if (!BonusLandDa()) return {};
    const int nation = app.BonusNation;
    if (app.BonusQuellLand >= 0 ||
        std::find(kBonusTurnierFreieNationen.begin(), kBonusTurnierFreieNationen.end(), nation) !=
            kBonusTurnierFreieNationen.end())
        return {};
    const char* turnier = SpieltMit(Daten().WMGruppenListe, nation)   ? "WM"
                          : SpieltMit(Daten().EMGruppenListe, nation) ? "EM"
                                                                      : nullptr;
    if (!turnier) return {};
    return std::string("Sie k\xC3\xB6nnen das Bonusland nicht \xC3\xA4ndern oder l\xC3\xB6schen, solange seine "
                       "Nationalmannschaft bei der ") +
           turnier + " mitspielt!";
}

void BonusSlotBelegen(int nation, int ligaGroesse) {
    AppState& app = App();
    const size_t s = size_t(kBonusLandIndex);
    app.LigaAnzahl[s] = 1;
    app.leagueSizes[s] = {};
    app.leagueSizes[s][0] = ligaGroesse;
    app.countryCounts[s] = kBonusPools;
    app.countryCounts[s].clubs = ligaGroesse == 12 ? kVereineKleineLiga : kVereine;
    const CNation* n = NationOf(nation);
    app.Laendername[s] = n ? n->Name() : std::string();
    app.Laenderkuerzel[s] = NationsKuerzel(nation);
    app.AktuellesLand = kBonusLandIndex;
}

int BonusQuellLandSetzen(int nation) {
    AppState& app = App();
    if (nation <= 0) return -1;
    for (int l = 0; l < kFesteLaender; ++l) {
        if (app.NationNummer[size_t(l)] != nation) continue;
        // A lending country keeps no media people of its own; the bonus country
        // takes its counts, as a further country's table has none.
        const CountryCounts& eigene = app.countryCounts[size_t(l)];
        app.countryCounts[size_t(kBonusLandIndex)].reporters = eigene.reporters;
        app.countryCounts[size_t(kBonusLandIndex)].critics = eigene.critics;
        auto& laender = Daten().AlleLaender;
        if (size_t(l) < laender.size() && laender[size_t(l)]) laender[size_t(l)]->BonusLand(1);
        app.BonusQuellLand = l;
        return l;
    }
    return -1;
}

void BonusSlotNachLaden(int nation, int ligaGroesse) {
    AppState& app = App();
    BonusSlotBelegen(nation, ligaGroesse);
    const int quelle = BonusQuellLandSetzen(nation);
    if (quelle >= 0) app.NationNummer[size_t(quelle)] = -1;
    app.NationNummer[size_t(kBonusLandIndex)] = nation;
    app.BonusNation = nation;
    app.BonusLandIndex = kBonusLandIndex;
}

void BonusSlotZuruecksetzen() {
    AppState& app = App();
    const int quelle = app.BonusQuellLand;
    if (quelle >= 0 && quelle < kFesteLaender) {
        if (app.BonusNation >= 0) app.NationNummer[size_t(quelle)] = app.BonusNation;
        auto& laender = Daten().AlleLaender;
        if (size_t(quelle) < laender.size() && laender[size_t(quelle)] && laender[size_t(quelle)]->BonusLand() == 1)
            laender[size_t(quelle)]->BonusLand(0);
    }
    app.BonusNation = -1;
    app.BonusLandIndex = -1;
    app.BonusQuellLand = -1;
    const size_t s = size_t(kBonusLandIndex);
    app.NationNummer[s] = -1;
    app.LigaAnzahl[s] = 0;
    app.Laendername[s] = "Fehler!";
    app.Laenderkuerzel[s] = "";
    app.countryCounts[s] = FixedCountryCounts(kBonusLandIndex);
    app.leagueSizes[s] = {};
    app.BonusKarteDatei.clear();
    app.BonusWappenDatei.clear();
}

void EntferneBonusLand() {
    AppState& app = App();
    DataSet& d = Daten();
    if (!BonusLandDa()) return;
    const int nation = app.BonusNation >= 0 ? app.BonusNation : app.NationNummer[size_t(kBonusLandIndex)];
    const int quelle = app.BonusQuellLand;
    int leihVereine = 0;
    if (quelle >= 0 && quelle < kFesteLaender) {
        app.NationNummer[size_t(quelle)] = nation;
        if (size_t(quelle) < d.AlleLaender.size() && d.AlleLaender[size_t(quelle)]) {
            d.AlleLaender[size_t(quelle)]->BonusLand(0);
            leihVereine = int(d.AlleLaender[size_t(quelle)]->VereinsListe().size());
        }
        app.BonusQuellLand = -1;
    }
    LoescheGesaenge(d.FangesangListe, nation);
    LoescheGesaenge(d.EigeneFangesangListe, nation);
    if (nation > 0) VerteileCLeaguePlaetze(nation, leihVereine);
    d.AlleLaender.resize(size_t(kFesteLaender));
    app.NationNummer[size_t(kBonusLandIndex)] = -1;
    app.BonusLandIndex = -1;
    app.BonusNation = -1;
}

bool BonusLandUebernehmen(const BonusLandAuswahl& a) {
    AppState& app = App();
    DataSet& d = Daten();
    if (d.AlleLaender.size() < size_t(kFesteLaender) || d.NationenListe.empty()) return false;

    if (a.nation == 0) {
        EntferneBonusLand();
        BonusSlotZuruecksetzen();
        return true;
    }
    // Only the nations the dialog offers can become a bonus country.
    const auto angeboten = BonusNationenListe();
    if (std::none_of(angeboten.begin(), angeboten.end(), [&](const auto& e) { return e.nation == a.nation; }))
        return false;

    EntferneBonusLand();
    const int groesse = LigaGroesseAusIndex(std::clamp(a.ligaGroesse, 0, kLigaGroessen - 1));
    BonusSlotBelegen(a.nation, groesse);
    const int quelle = BonusQuellLandSetzen(a.nation);
    CLand* leiher = quelle >= 0 && size_t(quelle) < d.AlleLaender.size() ? d.AlleLaender[size_t(quelle)].get() : nullptr;

    app.AktuellesLand = kBonusLandIndex;
    auto land = std::make_unique<CLand>();
    app.NationNummer[size_t(kBonusLandIndex)] = a.nation;
    app.BonusNation = a.nation;
    app.BonusLandIndex = kBonusLandIndex;
    const bool eigene = a.wappen == kEigeneDatei;
    app.BonusWappenDatei = eigene ? a.wappenDatei : std::string();
    app.BonusKarteDatei = a.karte == kEigeneDatei ? a.karteDatei : std::string();

    land->CreateBonusLandFrom(leiher, kBonusLandIndex, a.nation, a.haarfarbe, a.hautfarbe, a.gelbSperre, groesse,
                              a.superCup, a.pokal + 1, a.absteiger, eigene ? -1 : a.wappen);
    CreateBonusWappen(leiher, land->ClubCount(), kBonusLandIndex, eigene ? -1 : a.wappen);
    if (quelle >= 0) app.NationNummer[size_t(quelle)] = -1;
    d.AlleLaender.push_back(std::move(land));
    return true;
}

bool OnBonuslanderzeugenaendern(const std::function<bool(BonusLandAuswahl&)>& dialog) {
    AppState& app = App();
    app.AnimationAktiv = false;
    bool uebernommen = false;
    if (Daten().AlleLaender.empty()) {
        app.ui->MessageBox("Es ist kein VOLTARO 3-Datensatz geladen!", "Fehler!", MsgButtons::Ok, MsgIcon::None);
    } else if (std::string sperre = BonusLandTurnierSperre(); !sperre.empty()) {
        app.ui->MessageBox(sperre, kProgrammTitel, MsgButtons::Ok, MsgIcon::None);
    } else {
        BonusLandAuswahl a = BonusLandVorbelegung();
        if (dialog && dialog(a)) {
            // Making the clubs, squads, people and crests takes a moment.
            app.ui->ProgressOpen(a.nation > 0 ? "Erzeuge Bonusland..." : "Entferne Bonusland...", 10, 100);
            app.ui->ProgressSetPos(10);
            uebernommen = BonusLandUebernehmen(a);
            app.ui->ProgressSetPos(100);
            app.ui->ProgressClose();
        }
    }
    app.AnimationAktiv = true;
    app.DatenGeaendert = true;
    return uebernommen;
}

bool CreateBonusWappen(const CLand* leiher, int vereine, int land, int wappenWahl) {
    const AppState& app = App();
    std::string standard;
    if (wappenWahl >= 0 && wappenWahl < kVordefinierteBonusNationen)
        standard = BonusFlaggenDatei(wappenWahl);
    else if (wappenWahl == -1)
        standard = app.BonusWappenDatei;
    const std::string verzeichnis = "." + app.DatenVerzeichnis;
    return CopyLaenderWappen(leiher ? leiher->CountryIndex() : -1, -1, land, -1, vereine, verzeichnis, verzeichnis,
                             standard, 0);
}

bool CopyLaenderWappen(int quellLand, int quellVerein, int zielLand, int zielVerein, int vereine,
                       const std::string& quellVerzeichnis, const std::string& zielVerzeichnis,
                       const std::string& standardWappen, int erzwingen) {
    const AppState& app = App();
    if (app.NationNummer[size_t(kBonusLandIndex)] == -1 || vereine <= 0 || zielVerzeichnis.empty() ||
        standardWappen.empty())
        return false;
    const fs::path standard = HostOrAbsolutePath(standardWappen);
    const bool eingebaut = !IstDatei(standard);
    auto prefix = [](int land) { return land >= kBonusLandIndex ? "BW_" : "VW_"; };
    auto fehler = [] {
        App().ui->MessageBox("Fehler beim Speichern der Wappen!", kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    };
    CreateRecurseDir(zielVerzeichnis + kDirWappen);

    const int erster = zielVerein > 0 ? zielVerein : 1;
    const int letzter = zielVerein > 0 ? zielVerein : vereine;
    for (int n = erster; n <= letzter; ++n) {
        const fs::path ziel = HostOrAbsolutePath(zielVerzeichnis + kDirWappen + prefix(zielLand) + WappenName(zielLand, n));
        // The source country's own crest first, then the default crest file,
        // and the built-in crest when that file is missing.
        fs::path quelle;
        bool ausEingebautem = false;
        const fs::path eigen =
            quellLand >= 0 ? HostOrAbsolutePath(quellVerzeichnis + kDirWappen + prefix(quellLand) +
                                    WappenName(quellLand, quellVerein > 0 ? quellVerein : n))
                           : fs::path();
        if (quellLand >= 0 && Existiert(eigen))
            quelle = eigen;
        else if (!eingebaut)
            quelle = standard;
        else
            ausEingebautem = true;
        if ((!ausEingebautem && !IstDatei(quelle)) || (Existiert(ziel) && !IstDatei(ziel))) return fehler();
        if (Existiert(ziel)) {
            std::error_code e1, e2;
            const bool aelter =
                ausEingebautem || fs::last_write_time(quelle, e1) < fs::last_write_time(ziel, e2) || e1 || e2;
            if (!erzwingen && aelter) continue;
            MakeWritable(ziel);
        }
        const bool ok = ausEingebautem ? WriteWholeFile(ziel, DefaultWappen()) : CopyReplacing(quelle, ziel);
        if (!ok) return fehler();
    }
    return true;
}

}  // namespace v3
