#include "dataset/EditorDoc.h"

#include <algorithm>
#include <memory>

#include "base/AppState.h"
#include "dataset/BonusLand.h"
#include "dataset/DataSet.h"
#include "base/Layout.h"
#include "platform/FileOps.h"
#include "records/Ausruester.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/ISchiri.h"
#include "records/IVerein.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/QuizFrage.h"
#include "records/Spieler.h"
#include "records/TurnierGruppe.h"
#include "records/UEFA.h"
#include "records/V3File.h"

namespace v3 {
namespace {

constexpr int kAnzahlIVereine = 40;
constexpr int kMaxAusruester = 10;
constexpr int kGelesenePools = 17;
constexpr int kGeschriebenePools = 18;

std::string Pfad(const std::string& datei) { return DatenPfad(kDirDataV3, datei); }

// A save's journal lies in the data directory; it exists only while a save
// renames its files into place, or after a save that died doing so.
constexpr const char* kJournalDatei = "Speichern.jnl";

std::filesystem::path DatenOrdner() { return HostPath(std::string(".") + kDirDataV3); }

constexpr const char* kUnterbrochen = "Ein unterbrochenes Speichern konnte nicht abgeschlossen werden:\n";

std::string Format1(const char* text, const std::string& arg) {
    std::string s = text;
    size_t at = s.find("%s");
    if (at != std::string::npos) s.replace(at, 2, arg);
    return s;
}

// The running state of one load: the error report and its flag.
class Loader {
public:
    explicit Loader(DataSet& d) : d_(d) {}

    bool Run();
    const std::string& Fehlertext() const { return fehlertext_; }

private:
    void Step() { App().ui->ProgressStepIt(); }
    // Opens a single file of the data set and checks its identification.
    bool Oeffne(CV3File& f, const std::string& datei);
    bool PruefeKennung(CV3File& f, const std::string& pfad);
    // Reads a count line; a missing line reads no records, a damaged count is reported.
    int Anzahl(CV3File& f, const std::string& abschnitt, int max = kMaxListenAnzahl);
    template <class T, class Make>
    void LeseListe(CV3File& f, const char* abschnitt, Liste<T>& liste, Make make, int max = kMaxListenAnzahl);

    DataSet& d_;
    std::string fehlertext_;
    bool fehler_ = false;
    bool abbruch_ = false;  // a wrong identification ends the load at once
};

bool Loader::PruefeKennung(CV3File& f, const std::string& pfad) {
    f.SeekToBegin();
    // An empty file must not pass with the identification of the file before it.
    App().GeleseneFileID = 0;
    f.GetID(App().GeleseneFileID);
    if (App().GeleseneFileID == kFileID) return true;
    fehlertext_ += Format1("VOLTARO 3-FileID nicht gefunden. Datei %s.", pfad) + "\n";
    f.Close();
    fehler_ = true;
    abbruch_ = true;
    return false;
}

bool Loader::Oeffne(CV3File& f, const std::string& datei) {
    if (abbruch_) return false;
    std::string pfad = Pfad(datei);
    if (datei == kKleinigDatei || datei == kExSpielDatei || datei == kSonSpielDatei)
        MakeWritable(HostPath(pfad));
    if (fehler_ || !f.Open(pfad, CV3File::modeRead)) {
        fehlertext_ += pfad + "\n";
        fehler_ = true;
        return false;
    }
    return PruefeKennung(f, pfad);
}

int Loader::Anzahl(CV3File& f, const std::string& abschnitt, int max) {
    int n = 0;
    if (!f.GetInt(n)) return 0;
    if (n >= 0 && n <= max) return n;
    fehlertext_ += "Ung\xC3\xBCltige Anzahl " + std::to_string(n) + " im Abschnitt " + abschnitt +
                   " der Datei " + f.FileName() + ".\n";
    fehler_ = true;
    return 0;
}

template <class T, class Make>
void Loader::LeseListe(CV3File& f, const char* abschnitt, Liste<T>& liste, Make make, int max) {
    f.FindSection(abschnitt);
    int n = Anzahl(f, abschnitt, max);
    for (int i = 0; i < n; ++i) {
        liste.push_back(make());
        liste.back()->LadenV3Localized(f, 0);
    }
    f.EndSection(1);
}

bool Loader::Run() {
    AppState& app = App();
    CV3File f, internat, bonus;
    if (std::string grund; !CEDITORDoc::StelleDatenHer(grund)) {
        fehlertext_ += kUnterbrochen + grund + "\n";
        return false;
    }

    // 1. National teams.
    if (Oeffne(f, kLaenderDatei)) {
        f.FindSection("NATION");
        for (int i = 0; i < kAnzahlNationen; ++i) {
            d_.NationenListe.push_back(std::make_unique<CNation>());
            d_.NationenListe.back()->LadenV3Localized(f, 0);
            d_.NationenListe.back()->Nr(i);
        }
        f.EndSection(1);
        Step();
        f.Close();
    }
    // 2., 3. Small settings, tournaments, half-time talks, kit suppliers.
    if (Oeffne(f, kKleinigDatei)) {
        f.FindSection("MISC");
        Step();
        d_.uefa = std::make_unique<CUEFA>();
        d_.uefa->LadenV3Localized(f, 0);
        Step();
        d_.kleinigkeiten = std::make_unique<CKleinigkeiten>();
        d_.kleinigkeiten->LadenV3Localized(f, 0);
        f.EndSection(1);
        LeseListe(f, "EMWM", d_.EMWMListe, [] { return std::make_unique<CEuroWM>(); });
        LeseListe(f, "HALBZEIT", d_.HalbzeitListe, [] { return std::make_unique<CHalbzeitAnsprache>(); });
        f.FindSection("AUSRUESTER");
        int n = std::min(Anzahl(f, "AUSRUESTER"), kMaxAusruester);
        for (int i = 0; i < n; ++i) {
            d_.AusruesterListe.push_back(std::make_unique<CAusruester>());
            d_.AusruesterListe.back()->LadenV3Localized(f, 0);
        }
        f.EndSection(1);
        f.Close();
    }
    // 4., 5. International clubs and referees.
    if (Oeffne(f, kAVereineDatei)) {
        f.FindSection("IVEREINE");
        for (int i = 0; i < kAnzahlIVereine; ++i) {
            d_.IVereineListe.push_back(std::make_unique<CIVerein>());
            if (!d_.IVereineListe.back()->LadenV3Localized(f, 0)) fehler_ = true;
        }
        Step();
        f.EndSection(1);
        f.Close();
    }
    if (Oeffne(f, kISchirisDatei)) {
        f.FindSection("ISCHIRI");
        for (int i = 0; i < kAnzahlISchiris; ++i) {
            d_.ISchiriListe.push_back(std::make_unique<CISchiri>());
            if (!d_.ISchiriListe.back()->LadenV3Localized(f, 0)) fehler_ = true;
        }
        Step();
        f.EndSection(1);
        f.Close();
    }
    // 6. Pools 1..17; the first failure ends the step.
    for (int n = 1; n <= kGelesenePools && !fehler_ && !abbruch_; ++n) {
        if (!Oeffne(f, JugendDatei(n))) break;
        f.FindSection("ASPIELER");
        auto& pool = d_.JugendPools[n - 1];
        for (int i = 0; i < JugendAnzahl(n); ++i) {
            auto p = std::make_unique<CAmateurJugendSpieler>();
            std::string vorname, nachname;
            f.GetStr(vorname);
            f.GetStr(nachname);
            p->Vorname(vorname);
            p->Nachname(nachname);
            pool.push_back(std::move(p));
        }
        f.EndSection(1);
        f.Close();
    }
    Step();
    if (abbruch_) return false;

    // 7., 8. The shared files of the further and the bonus countries.
    for (auto [file, datei] : {std::pair{&internat, std::string(LandDatei[kLandDateiInternat])},
                               std::pair{&bonus, std::string(LandDatei[kLandDateiBonus])}}) {
        std::string pfad = Pfad(datei);
        if (!file->Open(pfad, CV3File::modeRead)) {
            app.ui->MessageBox(Format1("Fehler beim Laden eines der L\xC3\xA4nder. Datei %s.", pfad), kProgrammTitel,
                               MsgButtons::Ok, MsgIcon::Stop);
            fehler_ = true;
            fehlertext_.clear();  // reported already; no second box
            return false;
        }
        if (!PruefeKennung(*file, pfad)) return false;
    }
    bonus.FindSection("BONUS");
    int bonusLaender = 0;
    bonus.GetInt(bonusLaender);
    bonus.EndSection(1);
    Step();
    if (bonusLaender != 0 && bonusLaender != 1) {
        // Only the one bonus slot exists; any other count is damage.
        fehlertext_ += "Die Anzahl der Bonusl\xC3\xA4nder (" + std::to_string(bonusLaender) + ") in Datei " +
                       bonus.FileName() + " ist ung\xC3\xBCltig: erlaubt sind 0 und 1.\n";
        fehler_ = true;
        bonusLaender = 0;
    }

    // 9. Countries.
    for (int i = 0; i <= bonusLaender + 36 && !fehler_; ++i) {
        app.AktuellesLand = i;
        d_.AlleLaender.push_back(std::make_unique<CLand>());
        CLand& land = *d_.AlleLaender.back();
        bool ok = i < kHauptlaender    ? land.LadenV3Localized(0, kDirDataV3)
                  : i < kFesteLaender ? land.LadenV3LocalizedEuro(internat, 0)
                                      : land.LadenV3LocalizedBonus(bonus, 0, kDirDataV3, BonusSlotNachLaden);
        if (!ok) fehler_ = true;  // the country has shown its own report
        Step();
    }
    bonus.Close();

    // 10., 11. Champions League, European and World Cup groups.
    if (Oeffne(f, kCLeagueDatei)) {
        LeseListe(f, "CLEAGUE", d_.CLeagueListe, [] { return std::make_unique<CChampionsLeagueGruppe>(); });
        Step();
        f.Close();
    }
    if (Oeffne(f, kEmwmDatei)) {
        LeseListe(f, "EMGRP", d_.EMGruppenListe, [] { return std::make_unique<CTurnierGruppe>(4); });
        LeseListe(f, "WMGRP", d_.WMGruppenListe, [] { return std::make_unique<CTurnierGruppe>(4); });
        f.Close();
    }
    // 12. European winners, from the still open shared file.
    if (!abbruch_) {
        internat.FindSection("EUROSIEGER");
        int n = Anzahl(internat, "EUROSIEGER");
        for (int i = 0; i < n && !fehler_; ++i) {
            EuroSieger e;
            for (int32_t& w : e.werte) internat.GetInt(w);
            d_.EuroSiegerListe.push_back(e);
        }
        internat.EndSection(1);
    }
    internat.Close();

    // 13.-17. Quiz, chants, former and other players.
    if (Oeffne(f, kQuizDatei)) {
        LeseListe(f, "QUIZ", d_.QuizListe, [] { return std::make_unique<CQuizFrage>(); });
        Step();
        f.Close();
    }
    if (Oeffne(f, kFangesaDatei)) {
        LeseListe(f, "FANGES", d_.FangesangListe, [] { return std::make_unique<CFangesang>(); });
        for (auto& c : d_.FangesangListe) KorrigiereFangesang(*c);
        Step();
        f.Close();
    }
    if (Oeffne(f, kFanwavesDatei)) {
        LeseListe(f, "EFANGES", d_.EigeneFangesangListe, [] { return std::make_unique<CEigenerFangesang>(); });
        for (auto& c : d_.EigeneFangesangListe) KorrigiereFangesang(*c);
        Step();
        f.Close();
    }
    if (Oeffne(f, kExSpielDatei)) {
        LeseListe(f, "EXSPIEL", d_.ExSpielerListe, [] { return std::make_unique<CExSpieler>(); });
        Step();
        f.Close();
    }
    if (Oeffne(f, kSonSpielDatei)) {
        LeseListe(f, "SONSPIELER", d_.SonstigeSpielerListe, [] { return std::make_unique<CSpieler>(); });
        if (d_.SonstigeSpielerListe.empty()) d_.SonstigeSpielerListe.push_back(std::make_unique<CSpieler>());
        f.Close();
    }
    return !fehler_;
}

}  // namespace

std::filesystem::path CEDITORDoc::Journal() { return DatenOrdner() / kJournalDatei; }

bool CEDITORDoc::StelleDatenHer(std::string& grund) {
    return RecoverFileTransaction(Journal(), {DatenOrdner(), HostPath(".\\BANDEN\\")}, &grund);
}

CEDITORDoc::CEDITORDoc() {
    App().DatenVerzeichnis = kDirDataV3;
    App().ModVerzeichnis = kDirDataMod;
    SpeichernBeimSchliessen = false;
}

CEDITORDoc::~CEDITORDoc() { SpeicherLoeschen(); }

int CEDITORDoc::OnNewDocument() {
    imStart_ = true;
    if (App().DarstellungOk) OnLadenV3();
    imStart_ = false;
    return 1;
}

void CEDITORDoc::OnLadenV3() {
    AppState& app = App();
    if (!app.DarstellungOk) return;
    if (!Daten().Leer() &&
        app.ui->MessageBox("Wollen Sie wirklich die Daten neu laden?", kProgrammTitel, MsgButtons::YesNo,
                           MsgIcon::Question) != MsgResult::Yes)
        return;
    SpeicherLoeschen();
    ClearBonusLandGlobals();
    app.ui->ProgressOpen("Lade Daten...", 10, 100);
    app.ui->ProgressSetStep(2);
    app.ui->ProgressSetPos(10);
    app.LadenOk = LadenV3Localized();
    app.ui->ProgressClose();
    if (!app.LadenOk) {
        // What was read is only part of the data set: saved, it would replace
        // the files that could not be read. It goes, and the files stay. (At
        // start-up the program ends after a failed load anyway.)
        SpeicherLoeschen();
        app.DatenGeaendert = false;
        SpeichernBeimSchliessen = false;
        if (!imStart_)
            app.ui->MessageBox("Der Datensatz konnte nicht vollst\xC3\xA4ndig geladen werden. Damit beim Speichern "
                               "nichts verloren geht, sind die gelesenen Teile verworfen; die Dateien bleiben, wie "
                               "sie sind. Beheben Sie den Fehler und laden Sie die Daten neu.",
                               kProgrammTitel, MsgButtons::Ok, MsgIcon::Warning);
    }
}

bool CEDITORDoc::LadenV3Localized() {
    Loader loader(Daten());
    bool ok = loader.Run();
    ladeFehler_ = loader.Fehlertext();
    App().ui->ProgressSetPos(100);
    if (!ok && !ladeFehler_.empty())
        App().ui->MessageBox(ladeFehler_, "", MsgButtons::Ok, MsgIcon::None);
    return ok;
}

void CEDITORDoc::SpeicherLoeschen() {
    if (!Daten().Leer()) Daten().SpeicherLoeschen();
}

void CEDITORDoc::ClearBonusLandGlobals() { BonusSlotZuruecksetzen(); }

void CEDITORDoc::OnFileSave() {
    AppState& app = App();
    app.AnimationAktiv = false;
    if (Daten().Leer()) {
        app.ui->MessageBox("Es ist kein VOLTARO 3-Datensatz geladen!", kProgrammTitel, MsgButtons::Ok,
                           MsgIcon::None);
        app.AnimationAktiv = true;
        return;
    }
    if (!SpeichernBeimSchliessen && AnimationTick) AnimationTick();
    // Each save reports a broken board template again.
    app.reportedBoardTemplates.clear();
    app.BandenSpeichern = app.ui->MessageBox("Sollen die Bandengrafiken ebenfalls gespeichert werden?",
                                             kProgrammTitel, MsgButtons::YesNo,
                                             MsgIcon::Question) == MsgResult::Yes;
    SpeichereDaten();
    app.AnimationAktiv = true;
}

void CEDITORDoc::SpeichereDaten() {
    AppState& app = App();
    app.ui->ProgressOpen("Speichere Daten...", 10, 100);
    app.ui->ProgressSetStep(2);
    app.ui->ProgressSetPos(10);
    app.DatenGeaendert = !SpeichernV3Localized();
    app.ui->ProgressClose();
}

namespace {

// The running state of one save.
class Saver {
public:
    explicit Saver(DataSet& d) : d_(d) {}
    bool Run();

private:
    void Step() { App().ui->ProgressStepIt(); }
    // Opens a file for writing and puts the identification on its first line.
    bool Oeffne(CV3File& f, const std::string& datei);
    // Closes a single file; a file that did not reach the disk fails the save.
    void Schliesse(CV3File& f) {
        if (!f.Close()) nichtGespeichert_.push_back(f.FileName());
    }
    bool Fehlerausgang(CV3File* offen = nullptr);

    template <class T>
    void SchreibeListe(CV3File& f, const char* abschnitt, Liste<T>& liste, bool mitAnzahl = true) {
        f.NewSection(abschnitt);
        if (mitAnzahl) f.PutInt(int(liste.size()));
        for (auto& r : liste) r->SpeichernV3Localized(f, 0);
        f.EndSection(1);
    }

    DataSet& d_;
    std::string letzterPfad_;
    std::vector<std::string> nichtGespeichert_;
    CV3File internat_, bonus_;
};

bool Saver::Oeffne(CV3File& f, const std::string& datei) {
    letzterPfad_ = Pfad(datei);
    MakeWritable(HostPath(letzterPfad_));
    if (!f.Open(letzterPfad_, CV3File::modeWrite | CV3File::modeCreate)) {
        nichtGespeichert_.push_back(letzterPfad_);
        return false;
    }
    f.SeekToBegin();
    App().GeleseneFileID = kFileID;
    f.PutID(kFileID);
    return true;
}

bool Saver::Fehlerausgang(CV3File* offen) {
    // Files not yet complete are dropped, so each file stays old or new.
    if (offen) offen->Discard();
    internat_.Discard();
    bonus_.Discard();
    App().ui->MessageBox(Format1("Fehler beim Speichern eines der L\xC3\xA4nder. Datei %s.", letzterPfad_),
                         kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
    return false;
}

bool Saver::Run() {
    AppState& app = App();
    CV3File f;
    // 1., 2. The shared country files.
    for (auto [file, datei] : {std::pair{&internat_, std::string(LandDatei[kLandDateiInternat])},
                               std::pair{&bonus_, std::string(LandDatei[kLandDateiBonus])}}) {
        letzterPfad_ = Pfad(datei);
        MakeWritable(HostPath(letzterPfad_));
        if (!file->Open(letzterPfad_, CV3File::modeWrite | CV3File::modeCreate)) {
            app.ui->MessageBox("Fehler beim localized speichern f\xC3\xBCr Nichthauptl\xC3\xA4nder.", kProgrammTitel,
                               MsgButtons::Ok, MsgIcon::Stop);
            return Fehlerausgang();
        }
    }
    bonus_.SeekToBegin();
    bonus_.PutID(kFileID);
    bonus_.NewSection("BONUS");
    bonus_.PutInt(int(d_.AlleLaender.size()) - kFesteLaender);
    bonus_.EndSection(1);
    Step();

    // 3. Countries.
    for (size_t i = 0; i < d_.AlleLaender.size(); ++i) {
        app.AktuellesLand = int(i);
        CLand& land = *d_.AlleLaender[i];
        bool ok;
        if (i < size_t(kHauptlaender)) {
            letzterPfad_ = Pfad(LandDatei[i]);
            ok = land.SpeichernV3Localized(0, kDirDataV3);
        } else if (land.BonusLand() == 2) {
            letzterPfad_ = Pfad(LandDatei[kLandDateiBonus]);
            ok = land.SpeichernV3LocalizedBonus(bonus_, 0, kDirDataV3);
        } else {
            letzterPfad_ = Pfad(LandDatei[kLandDateiInternat]);
            ok = land.SpeichernV3LocalizedEuro(internat_, 0);
        }
        if (!ok) return Fehlerausgang();
        Step();
    }
    // 4. European winners.
    internat_.NewSection("EUROSIEGER");
    internat_.PutInt(int(d_.EuroSiegerListe.size()));
    for (const auto& e : d_.EuroSiegerListe)
        for (int32_t w : e.werte) internat_.PutInt(w);
    internat_.EndSection(1);

    // 5., 6. International clubs and referees.
    if (Oeffne(f, kAVereineDatei)) {
        f.NewSection("IVEREINE");
        for (auto& v : d_.IVereineListe)
            if (!v->SpeichernV3Localized(f, 0)) return Fehlerausgang(&f);
        Step();
        f.EndSection(1);
        Schliesse(f);
    }
    if (Oeffne(f, kISchirisDatei)) {
        f.NewSection("ISCHIRI");
        for (auto& s : d_.ISchiriListe)
            if (!s->SpeichernV3Localized(f, 0)) return Fehlerausgang(&f);
        Step();
        f.EndSection(1);
        Schliesse(f);
    }
    // 7. Pools 1..18.
    for (int n = 1; n <= kGeschriebenePools; ++n) {
        if (!Oeffne(f, JugendDatei(n))) continue;
        f.NewSection("ASPIELER");
        for (auto& p : d_.JugendPools[n - 1]) {
            p->TrimNames();
            f.PutStr(p->Vorname());
            f.PutStr(p->Nachname());
        }
        f.EndSection(1);
        Schliesse(f);
    }
    Step();
    // 8. Small settings and the lists beside them.
    if (Oeffne(f, kKleinigDatei)) {
        f.NewSection("MISC");
        Step();
        if (d_.uefa) d_.uefa->SpeichernV3Localized(f, 0);
        Step();
        if (d_.kleinigkeiten) d_.kleinigkeiten->SpeichernV3Localized(f, 0);
        f.EndSection(1);
        f.NewSection("EMWM");
        f.PutInt(int(d_.EMWMListe.size()));
        for (auto& e : d_.EMWMListe) e->SpeichernV3Localized(f, 0);
        f.EndSection(1);
        SchreibeListe(f, "HALBZEIT", d_.HalbzeitListe);
        f.NewSection("AUSRUESTER");
        size_t n = std::min(d_.AusruesterListe.size(), size_t(kMaxAusruester));
        f.PutInt(int(n));
        for (size_t i = 0; i < n; ++i) d_.AusruesterListe[i]->SpeichernV3Localized(f, 0);
        f.EndSection(1);
        Schliesse(f);
    }
    // 9., 10. Chants, corrected as the load corrects them.
    if (Oeffne(f, kFangesaDatei)) {
        for (auto& c : d_.FangesangListe) KorrigiereFangesang(*c);
        SchreibeListe(f, "FANGES", d_.FangesangListe);
        Step();
        Schliesse(f);
    }
    if (Oeffne(f, kFanwavesDatei)) {
        for (auto& c : d_.EigeneFangesangListe) KorrigiereFangesang(*c);
        SchreibeListe(f, "EFANGES", d_.EigeneFangesangListe);
        Step();
        Schliesse(f);
    }
    // 11.-14. Players, national teams, groups, quiz.
    if (Oeffne(f, kExSpielDatei)) {
        SchreibeListe(f, "EXSPIEL", d_.ExSpielerListe);
        Schliesse(f);
    }
    if (Oeffne(f, kSonSpielDatei)) {
        SchreibeListe(f, "SONSPIELER", d_.SonstigeSpielerListe);
        Schliesse(f);
    }
    if (Oeffne(f, kLaenderDatei)) {
        SchreibeListe(f, "NATION", d_.NationenListe, false);
        Schliesse(f);
    }
    if (Oeffne(f, kCLeagueDatei)) {
        SchreibeListe(f, "CLEAGUE", d_.CLeagueListe);
        Schliesse(f);
    }
    if (Oeffne(f, kEmwmDatei)) {
        SchreibeListe(f, "EMGRP", d_.EMGruppenListe);
        SchreibeListe(f, "WMGRP", d_.WMGruppenListe);
        Schliesse(f);
    }
    if (Oeffne(f, kQuizDatei)) {
        SchreibeListe(f, "QUIZ", d_.QuizListe);
        Schliesse(f);
    }
    // 15. The shared files are complete now.
    app.ui->ProgressSetPos(100);
    Schliesse(internat_);
    Schliesse(bonus_);

    if (!nichtGespeichert_.empty()) {
        std::string text = "Folgende Dateien konnten nicht gespeichert werden:\n";
        for (const auto& p : nichtGespeichert_) text += p + "\n";
        text += "Es wurde nichts gespeichert; der Datensatz auf der Festplatte ist unver\xC3\xA4ndert.";
        app.ui->MessageBox(text, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace

bool CEDITORDoc::SpeichernV3Localized() {
    AppState& app = App();
    std::string grund;
    if (!StelleDatenHer(grund)) {
        app.ui->MessageBox(kUnterbrochen + grund, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    // Every file of the save, the committed crests included, is written under
    // a temporary name first and renamed into place only when all are
    // complete: on disk the data set is wholly the old or wholly the new one.
    const std::filesystem::path journal = Journal();
    FileTransaction tx(journal);
    if (!Saver(Daten()).Run()) return false;
    auto [wappen, bonusWappen] = UebernehmeGeaenderteWappen();
    if (!tx.Commit(&grund)) {
        std::error_code ec;
        const bool vollenden = std::filesystem::exists(journal, ec);
        app.ui->MessageBox("Die Daten konnten nicht gespeichert werden:\n" + grund + "\n" +
                               (vollenden ? "Das Speichern wird beim n\xC3\xA4" "chsten Laden vollendet."
                                          : "Der Datensatz auf der Festplatte ist unver\xC3\xA4ndert."),
                           kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    Daten().GeaenderteWappen = std::move(wappen);
    Daten().GeaenderteBonusWappen = std::move(bonusWappen);
    return true;
}

std::pair<std::vector<std::string>, std::vector<std::string>> CEDITORDoc::UebernehmeGeaenderteWappen() {
    const std::string ordner = std::string(".") + kDirDataV3 + kDirWappen;
    // Returns the names that stay staged: a crest whose copy failed waits for
    // the next save instead of being lost.
    auto commit = [&](const std::vector<std::string>& namen, const char* staged, const char* ziel) {
        std::vector<std::string> offen;
        for (const auto& name : namen) {
            auto von = HostPath(ordner + staged + name);
            auto nach = HostPath(ordner + ziel + name);
            if (CopyReplacing(von, nach))
                DeleteFile(von);
            else
                offen.push_back(name);
        }
        return offen;
    };
    return {commit(Daten().GeaenderteWappen, "Temp", "VW_"), commit(Daten().GeaenderteBonusWappen, "Bemp", "BW_")};
}

void CEDITORDoc::VerwerfeGeaenderteWappen() {
    const std::string ordner = std::string(".") + kDirDataV3 + kDirWappen;
    for (const auto& name : Daten().GeaenderteWappen) DeleteFile(HostPath(ordner + "Temp" + name));
    Daten().GeaenderteWappen.clear();
    for (const auto& name : Daten().GeaenderteBonusWappen) DeleteFile(HostPath(ordner + "Bemp" + name));
    Daten().GeaenderteBonusWappen.clear();
}

void CEDITORDoc::OnCloseDocument() {
    if (SpeichernBeimSchliessen)
        OnFileSave();
    else
        VerwerfeGeaenderteWappen();
}

}  // namespace v3
