#include "dataset/Import.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "platform/FileOps.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/ISchiri.h"
#include "records/Kleinigkeiten.h"
#include "records/Kritiker.h"
#include "records/Land.h"
#include "records/Reporter.h"
#include "records/UEFA.h"
#include "records/V2LineReader.h"
#include "records/V3File.h"

namespace v3 {
namespace {

constexpr const char* kStartjahrMeldung =
    "Das Startjahr sowohl des Voltaro 2-Datensatzes als auch des Voltaro 3-Datensatzes muß 1999 sein!";
constexpr const char* kKonvertierFehler =
    "Es ist ein Fehler beim Konvertieren der V2-Daten aufgetreten. Bitte überprüfen Sie, ob das DATA.VER "
    "Verzeichnis vorhanden ist!";

// The predecessor's main countries 0..4 (kV2Laender) kept their ranking
// texts, media people and crests.
constexpr std::array<char, kV2Laender> kV2Wappenbuchstabe = {'D', 'E', 'F', 'I', 'S'};

std::string V2Pfad(const std::string& datei) { return DatenPfad(kDirDataVer, datei); }

// Replaces the first record of a list by one appended at its end.
template <class T>
void ErsetzeErstes(Liste<T>& liste, std::unique_ptr<T> neu) {
    if (!liste.empty()) liste.erase(liste.begin());
    liste.push_back(std::move(neu));
}

bool GleicherGesang(const FanChant& a, const FanChant& b) {
    return a.Verein() == b.Verein() && a.Gegner() == b.Gegner() && a.Text() == b.Text() && a.Land() == b.Land();
}

// One run of the conversion: which file failed, and how.
class Konvertierung {
public:
    Konvertierung(DataSet& d, WappenKarten& karten) : d_(d), karten_(karten) {}
    bool Run();

private:
    bool Oeffne(CV3File& f, const char* datei);
    // Notes a record that could not be read; returns false for the caller to pass on.
    bool Datenfehler(const std::string& pfad) {
        datenfehler_ = pfad;
        fehler_ = true;
        return false;
    }
    bool Kleinigkeiten();
    bool ISchiris();
    bool ExSpieler();
    template <class T>
    bool Gesaenge(const char* datei, Liste<T>& liste, bool kennungWieGelesen);

    DataSet& d_;
    WappenKarten& karten_;
    bool fehler_ = false;
    bool gemeldet_ = false;  // a country has shown its own message
    std::string datenfehler_, oeffnungsfehler_;
};

bool Konvertierung::Oeffne(CV3File& f, const char* datei) {
    const std::string pfad = V2Pfad(datei);
    if (OeffneV2Datei(f, pfad, App().GeleseneFileID)) return true;
    oeffnungsfehler_ = pfad;
    fehler_ = true;
    return false;
}

bool Konvertierung::Kleinigkeiten() {
    CV3File f;
    if (!Oeffne(f, kKleinigDatei)) return false;
    const std::string pfad = f.FileName();
    CUEFA alt;
    if (!alt.Laden(f)) return Datenfehler(pfad);
    if (d_.uefa)
        for (int land = 0; land < kV2Laender; ++land) d_.uefa->ShortName(land, alt.ShortName(land));
    for (int land = 0; land < kV2Laender; ++land) {
        CLand* l = size_t(land) < d_.AlleLaender.size() ? d_.AlleLaender[size_t(land)].get() : nullptr;
        const CountryCounts& counts = App().countryCounts[size_t(land)];
        for (int i = 0; i < counts.reporters; ++i) {
            auto r = std::make_unique<CReporter>();
            if (!r->Laden(f)) return Datenfehler(pfad);
            if (l) ErsetzeErstes(l->Reporters(), std::move(r));
        }
        for (int i = 0; i < counts.critics; ++i) {
            auto k = std::make_unique<CKritiker>();
            if (!k->Laden(f)) return Datenfehler(pfad);
            if (l) ErsetzeErstes(l->Critics(), std::move(k));
        }
    }
    V2LineReader r(f);
    const int32_t jahr = r.Int(), steuer = r.Int();
    if (!r.Ok()) return Datenfehler(pfad);
    if (d_.kleinigkeiten) {
        d_.kleinigkeiten->Saisonstartjahr(jahr);
        d_.kleinigkeiten->TaxRate(steuer);
    }
    if (V2NeueVariante()) {
        int32_t n = 0;
        if (!r.Count(n, 0, kMaxListenAnzahl)) return Datenfehler(pfad);
        for (int i = 0; i < n; ++i) {
            auto e = std::make_unique<CEuroWM>();
            if (!e->Laden(f)) return Datenfehler(pfad);
            ErsetzeErstes(d_.EMWMListe, std::move(e));
        }
    }
    return true;
}

bool Konvertierung::ISchiris() {
    CV3File f;
    if (!Oeffne(f, kISchirisDatei)) return false;
    for (int i = 0; i < kAnzahlISchiris; ++i) {
        auto s = std::make_unique<CISchiri>();
        if (!s->Laden(f)) return Datenfehler(f.FileName());
        ErsetzeErstes(d_.ISchiriListe, std::move(s));
    }
    return true;
}

bool Konvertierung::ExSpieler() {
    CV3File f;
    if (!Oeffne(f, kExSpielDatei)) return false;
    V2LineReader r(f);
    int32_t n = 0;
    if (!r.Count(n, 0, kMaxListenAnzahl)) return Datenfehler(f.FileName());
    for (int i = 0; i < n; ++i) {
        auto p = std::make_unique<CExSpieler>();
        if (!p->Laden(f)) return Datenfehler(f.FileName());
        // A club reference beyond the clubs of his country names club 1.
        const int land = NationNr(p->LetzterVereinNation());
        if (land >= 0 && land < kFesteLaender) {
            const int grenze = land == 0 ? kMaxVereinsNummerLand0 : App().countryCounts[size_t(land)].clubs;
            if (p->LetzterVerein() > grenze) p->LetzterVerein(1);
        }
        const bool doppelt = std::any_of(d_.ExSpielerListe.begin(), d_.ExSpielerListe.end(), [&](const auto& e) {
            return e->Vorname() == p->Vorname() && e->Nachname() == p->Nachname();
        });
        if (doppelt) continue;
        p->ConvertV3Spieler();
        p->RandBartHaarTyp();
        d_.ExSpielerListe.push_back(std::move(p));
    }
    return true;
}

template <class T>
bool Konvertierung::Gesaenge(const char* datei, Liste<T>& liste, bool kennungWieGelesen) {
    CV3File f;
    if (!Oeffne(f, datei)) return false;
    if (kennungWieGelesen) {
        // The own chants keep the number of their first line as identification.
        f.SeekToBegin();
        const int32_t erste = GetLng(f);
        if (erste != kV2FileID) f.SeekToBegin();
        App().GeleseneFileID = erste;
    }
    V2LineReader r(f);
    int32_t n = 0;
    if (!r.Count(n, 0, kMaxListenAnzahl)) return Datenfehler(f.FileName());
    for (int i = 0; i < n; ++i) {
        auto c = std::make_unique<T>();
        if (!c->Laden(f)) return Datenfehler(f.FileName());
        KorrigiereFangesang(*c);
        const bool doppelt =
            std::any_of(liste.begin(), liste.end(), [&](const auto& e) { return GleicherGesang(*e, *c); });
        if (!doppelt) liste.push_back(std::move(c));
    }
    return true;
}

bool Konvertierung::Run() {
    AppState& app = App();
    app.AktuellesLand = 0;
    Kleinigkeiten();
    app.ui->ProgressStepIt();
    for (size_t i = 0; i < d_.AlleLaender.size() && i < size_t(kFesteLaender) && !fehler_; ++i) {
        app.AktuellesLand = int(i);
        if (!d_.AlleLaender[i]->MergeV2Daten(karten_[i])) fehler_ = gemeldet_ = true;
        app.ui->ProgressStepIt();
    }
    if (!fehler_) ISchiris();
    if (!fehler_) ExSpieler();
    if (!fehler_) Gesaenge(kFangesaDatei, d_.FangesangListe, false);
    if (!fehler_) Gesaenge(kFanwavesDatei, d_.EigeneFangesangListe, true);
    if (fehler_ && !gemeldet_) {
        if (!datenfehler_.empty())
            MeldeV2Datenfehler(datenfehler_);
        else
            MeldeV2Oeffnungsfehler(oeffnungsfehler_);
    }
    app.ui->ProgressSetPos(100);
    return !fehler_;
}

}  // namespace

int CheckStartJahr() {
    DataSet& d = Daten();
    if (d.Leer() || !d.kleinigkeiten) return -1;
    if (d.kleinigkeiten->Saisonstartjahr() >= 2000) return 0;
    CV3File f;
    if (!OeffneV2Datei(f, V2Pfad(kKleinigDatei), App().GeleseneFileID)) return -1;
    CUEFA uefa;
    if (!uefa.Laden(f)) return 0;
    for (int land = 0; land < kV2Laender; ++land) {
        const CountryCounts& counts = App().countryCounts[size_t(land)];
        for (int i = 0; i < counts.reporters; ++i)
            if (CReporter r; !r.Laden(f)) return 0;
        for (int i = 0; i < counts.critics; ++i)
            if (CKritiker k; !k.Laden(f)) return 0;
    }
    V2LineReader r(f);
    const int32_t jahr = r.Int();
    return r.Ok() && jahr == kV2Startjahr ? 1 : 0;
}

int LadenV3Convert(WappenKarten& karten) { return Konvertierung(Daten(), karten).Run() ? 1 : 0; }

namespace {

// The stored path of the crest that club position n - 1 of country `land`
// gets, or empty when it keeps its own.
std::string WappenQuelle(const WappenKarten& karten, size_t land, int n, const std::filesystem::path& ziel) {
    const std::string v2Wappen = std::string(".") + kDirDataVer + "WAPPEN\\";
    const std::string flagge = std::string(".") + kDirSupportGfx + App().Flaggenbild[land];
    if (land >= size_t(kV2Laender)) {
        // Countries the predecessor did not have keep their crests; only a
        // club without one gets the flag.
        std::error_code ec;
        return std::filesystem::exists(ziel, ec) ? std::string() : flagge;
    }
    const auto& karte = karten[land];
    const int alt = size_t(n - 1) < karte.size() ? karte[size_t(n - 1)] : 0;
    if (alt == 0) return {};  // the club took no predecessor club
    if (land == 1 && alt > 75) return flagge;
    if (land == 3 && alt > 24) return v2Wappen + "I0_00.BMP";
    if (land == 4 && alt > 26) return v2Wappen + "S0_00.BMP";
    return v2Wappen + "VW_" + kV2Wappenbuchstabe[land] + std::to_string(alt) + ".BMP";
}

}  // namespace

void WappenKopieren(const WappenKarten& karten) {
    const DataSet& d = Daten();
    for (size_t land = 0; land < d.AlleLaender.size() && land < size_t(kFesteLaender); ++land) {
        const int vereine = int(d.AlleLaender[land]->VereinsListe().size());
        for (int n = 1; n <= vereine; ++n) {
            const std::filesystem::path ziel = HostPath(WappenDatei(kDirDataV3, int(land), n));
            const std::string quelle = WappenQuelle(karten, land, n, ziel);
            // A crest that cannot be copied is not reported; the club keeps its own.
            if (!quelle.empty()) CopyReplacing(HostPath(quelle), ziel);
            App().ui->ProgressStepIt();
        }
    }
}

bool CEDITORDoc::OnDateiV2dateneinlesen() {
    AppState& app = App();
    if (!app.DarstellungOk) return false;
    const int start = CheckStartJahr();
    if (start == 0) {
        app.ui->MessageBox(kStartjahrMeldung, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    if (start != 1) {
        app.ui->MessageBox(kKonvertierFehler, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    if (app.ui->MessageBox("Wollen sie wirklich den aktuellen Datensatz mit Ihren Voltaro 2-Daten ersetzen?",
                           kProgrammTitel, MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return false;

    app.ui->ProgressOpen("Lade Daten...", 10, 100);
    app.ui->ProgressSetStep(2);
    app.ui->ProgressSetPos(10);
    WappenKarten karten;
    for (size_t land = 0; land < karten.size(); ++land)
        karten[land].assign(size_t(std::max(0, app.countryCounts[land].clubs)), 0);
    app.LadenOk = LadenV3Convert(karten) != 0;

    app.ui->ProgressOpen("Kopiere Wappen...", 0, kWappenFortschritt);
    app.ui->ProgressSetStep(1);
    app.ui->ProgressSetPos(0);
    if (app.LadenOk) WappenKopieren(karten);
    app.ui->ProgressClose();

    if (!app.LadenOk) {
        app.ui->MessageBox(kKonvertierFehler, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        // The partly merged data set goes; the one saved last comes back.
        SpeicherLoeschen();
        OnNewDocument();
        return false;
    }
    app.BandenSpeichern = true;
    SpeichereDaten();
    // Merged is merged, whether the save went through or not: a second
    // conversion would take the predecessor's data in twice.
    return true;
}

}  // namespace v3
