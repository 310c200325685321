#include "editors/verein/rules/VereinsEditor.h"

#include <cstdio>

#include "base/AppState.h"
#include "base/Layout.h"
#include "editors/verein/rules/Vereinsauswahl.h"
#include "platform/FileOps.h"
#include "platform/Text1252.h"
#include "records/Datum.h"
#include "records/Stadion.h"
#include "records/V3File.h"

namespace v3 {

namespace fs = std::filesystem;

const std::array<const char*, 7> FanaufkommenTexte = {"wahre Horden", "sehr hoch", "hoch",  "durchschnittlich",
                                                       "bescheiden",   "ärmlich",   "Fans?"};
const std::array<const char*, 8> FanArtTexte = {"normal", "lautstark",       "verwöhnt",   "anspruchsvoll",
                                                "treu",   "erfolgshungrig", "frustriert", "euphorisch"};
const std::array<const char*, 4> HooligansTexte = {"nicht vorhanden", "wenige und feige", "ein paar - aber kräftige",
                                                   "viele und schlimme"};
const std::array<const char*, 7> FinanzKraftTexte = {"minimal", "schlecht", "wenig", "solide", "gut", "reich", "gesegnet"};
const std::array<const char*, 6> VorstandTexte = {"Pulverfaß", "Schleudersitz", "nervös", "normal", "souverän", "treu"};
const std::array<const char*, 7> OppositionTexte = {"nicht vorhanden",    "nur Stümper",     "formiert sich",
                                                    "durchaus vorhanden", "konkurrenzfähig", "sehr stark",
                                                    "mächtig und kompetent"};
const std::array<const char*, 3> ArtikelTexte = {" - ", "der", "die"};

std::array<std::string, 2> SatzBauPhrasen(int satzBau, const std::string& name) {
    static const char* const vor1[4] = {"...kann der ", "...können die ", "...kann ", "...kann die "};
    static const char* const vor2[4] = {"...vom ", "...von den ", "...von ", "...von der "};
    const int i = (satzBau >= 0 && satzBau <= 3) ? satzBau : 0;
    return {Cp(vor1[i]) + name + "...", vor2[i] + name + " kam..."};
}

fs::path VereinsdateiWappen(const fs::path& ven) {
    std::string s = ven.string();
    const size_t pos = s.rfind(".ven");
    if (pos == std::string::npos) return s + ".bmp";
    return s.substr(0, pos) + ".bmp";
}

namespace {

constexpr int kNameMin = 3, kTextMin = 3, kKuerzelLaenge = 3, kPraesidentMin = 3;

bool ZuKurz(const std::string& text, int minimum) {
    if (int(text.size()) >= minimum) return false;
    char meldung[96];
    std::snprintf(meldung, sizeof meldung, "Bitte in dieses Feld mindestens %d Zeichen eingeben.", minimum);
    App().ui->MessageBox(meldung, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
    return true;
}

void Fehler(const std::string& text, const char* titel = "Fehler!") {
    App().ui->MessageBox(text, titel, MsgButtons::Ok, MsgIcon::Stop);
}

// Records whether any message came while a record was read, and keeps it
// from the user: the caller shows its own message for the whole file.
class MeldungsFaenger : public SilentUserInterface {
public:
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override {
        gemeldet = true;
        return SilentUserInterface::MessageBox(text, caption, buttons, icon);
    }
    bool gemeldet = false;
};

}  // namespace

CVereinsEditor::CVereinsEditor(const CVerein& verein, Liste<CVerein>& vereine, int amateure, int bonus, int land)
    : kopie_(std::make_unique<CVerein>(verein)), vereine_(vereine), amateure_(amateure), bonus_(bonus), land_(land) {
    StaerkeBerechnen();
}

void CVereinsEditor::StaerkeBerechnen() { staerkeText_ = ZweiNachkomma(KaderStaerke(*kopie_)); }

int CVereinsEditor::MaxAmateurAbteilungen() const { return land_ == 0 ? 14 : land_ == 4 ? 4 : 0; }

// ---- "Verein"

SeiteVerein CVereinsEditor::LadeVerein() const {
    const CVerein& v = *kopie_;
    return {v.Name(), v.Fanbezeichnung(), v.Punkte(), v.Spiele(), v.ErzielteTore(), v.KassierteTore(), v.SatzBau()};
}

bool CVereinsEditor::SpeichereVerein(const SeiteVerein& s) {
    if (ZuKurz(s.name, kNameMin) || ZuKurz(s.fanbezeichnung, kTextMin)) return false;
    CVerein& v = *kopie_;
    v.ErzielteTore(s.tore);
    v.KassierteTore(s.gegentore);
    v.Punkte(s.punkte);
    v.Spiele(s.spiele);
    v.Name(s.name);
    if (s.satzBau >= 0 && s.satzBau <= 3) v.SatzBau(s.satzBau);
    if (s.fanbezeichnung.size() < 50) v.Fanbezeichnung(s.fanbezeichnung);
    return true;
}

// ---- "Allgemein"

SeiteAllgemein CVereinsEditor::LadeAllgemein() const {
    const CVerein& v = *kopie_;
    SeiteAllgemein s;
    s.kuerzel = v.Kuerzel();
    s.anfeuerung = v.Anfeuerung();
    s.artikel = v.Artikel();
    s.pokal = v.Pokalmannschaft() != 0;
    s.medien = v.Medienstadt() != 0;
    s.ag = v.AktienGesellschaft() != 0 && v.Amateurabteilung() == 0;
    s.fanFreund = v.FanFreundschaft();
    s.erzRivale = v.ErzRivale();
    s.fanaufkommen = v.Fanaufkommen();
    s.maxFan = v.MaxFanAufkommen();
    s.fanArt = v.FanArt();
    s.hooligans = v.Hooligans();
    s.finanz = v.FinanzKraft();
    s.guthaben = v.Guthaben();
    s.titel = {v.MeisterTitel(),    v.PokalSiege(),           v.LigapokalSiege(),
               v.UEFASiege(),       v.ChampionsLeagueSiege(), v.WeltpokalSiege()};
    s.gruendung = v.GruendungsDatum().year;
    s.regional = v.RegionalLiga() == 5 ? 5 : 2;
    return s;
}

bool CVereinsEditor::SpeichereAllgemein(const SeiteAllgemein& eingabe) {
    if (ZuKurz(eingabe.kuerzel, kKuerzelLaenge) || ZuKurz(eingabe.anfeuerung, kTextMin)) return false;
    SeiteAllgemein s = eingabe;
    // The current fan volume never exceeds the catchment (a lower value means more fans).
    if (s.fanaufkommen < s.maxFan) s.fanaufkommen = s.maxFan;
    CVerein& v = *kopie_;
    if (s.finanz >= 0 && s.finanz <= 6) v.FinanzKraft(s.finanz);
    if (s.artikel >= 0 && s.artikel <= 2) v.Artikel(s.artikel);
    if (s.fanArt >= 0 && s.fanArt <= 7) v.FanArt(s.fanArt);
    if (s.fanaufkommen >= 0 && s.fanaufkommen <= 6) v.Fanaufkommen(s.fanaufkommen);
    if (s.maxFan >= 0 && s.maxFan <= 6) v.MaxFanAufkommen(s.maxFan);
    // Fan friend and arch rival are never the same club; a clash keeps the old value.
    if (s.fanFreund != v.ErzRivale() || s.fanFreund == 0) v.FanFreundschaft(s.fanFreund);
    if (s.erzRivale != v.FanFreundschaft() || s.erzRivale == 0) v.ErzRivale(s.erzRivale);
    if (s.guthaben >= kGuthabenMin && s.guthaben <= kGuthabenMax) v.Guthaben(s.guthaben);
    if (s.anfeuerung.size() < 50) v.Anfeuerung(s.anfeuerung);
    if (s.kuerzel.size() <= 3) v.Kuerzel(s.kuerzel);
    v.Medienstadt(s.medien ? 1 : 0);
    v.Pokalmannschaft(s.pokal ? 1 : 0);
    if (s.hooligans >= 0 && s.hooligans <= 3) v.Hooligans(s.hooligans);
    v.MeisterTitel(s.titel[0]);
    v.PokalSiege(s.titel[1]);
    v.LigapokalSiege(s.titel[2]);
    v.UEFASiege(s.titel[3]);
    v.ChampionsLeagueSiege(s.titel[4]);
    v.WeltpokalSiege(s.titel[5]);
    if (land_ == 0) v.RegionalLiga(s.regional == 5 ? 5 : 2);
    if (s.gruendung >= kGruendungMin && s.gruendung <= kGruendungMax && s.gruendung != v.GruendungsDatum().year) {
        CDatum d = v.GruendungsDatum();
        d.year = s.gruendung;
        v.GruendungsDatum(d);
    }
    v.AktienGesellschaft(s.ag && v.Amateurabteilung() == 0 ? 1 : 0);
    return true;
}

std::vector<VereinsEintrag> CVereinsEditor::AndereVereine() const {
    std::vector<VereinsEintrag> result;
    for (const auto& v : vereine_) {
        if (!v || v->VereinsNummer() == kopie_->VereinsNummer() || v->Name().empty()) continue;
        result.push_back({v->VereinsNummer(), v->Name()});
    }
    return result;
}

// ---- "Vorsitzender"

int CVereinsEditor::JahrMin() const { return App().Saisonstartjahr - 70; }
int CVereinsEditor::JahrMax() const { return App().Saisonstartjahr - 31; }

SeiteVorsitzender CVereinsEditor::LadeVorsitzender() const {
    const CVerein& v = *kopie_;
    const CDatum& d = v.PraesidentDatum();
    return {v.Praesidentname(), v.PraesidentVorname(), d.day, d.month, d.year, v.Vorstand(), v.Opposition()};
}

void CVereinsEditor::DatumNormalisieren(SeiteVorsitzender& s) {
    CDatum d;
    if (d.Init(s.tag, s.monat, s.jahr, 0, 0, 0) < 0) return;
    s.tag = d.day;
    s.monat = d.month;
    s.jahr = d.year;
}

bool CVereinsEditor::SpeichereVorsitzender(const SeiteVorsitzender& s) {
    if (ZuKurz(s.name, kPraesidentMin) || ZuKurz(s.vorname, kPraesidentMin)) return false;
    CVerein& v = *kopie_;
    if (!v.PraesidentVorname(s.vorname) || !v.Praesidentname(s.name)) {
        Fehler(App().lastError.empty() ? "Der Name des Vorsitzenden ist ungültig." : App().lastError, "Achtung!");
        return false;
    }
    CDatum d = v.PraesidentDatum();
    if (d.Init(s.tag, s.monat, s.jahr, 0, 0, 0) >= 0) v.PraesidentDatum(d);
    if (s.vorstand >= 0 && s.vorstand <= 5) v.Vorstand(s.vorstand);
    if (s.opposition >= 0 && s.opposition <= 6) v.Opposition(s.opposition);
    return true;
}

// ---- the amateur link

const CVerein* CVereinsEditor::Verein(int nummer) const {
    if (nummer == kopie_->VereinsNummer()) return kopie_.get();
    for (const auto& v : vereine_)
        if (v && v->VereinsNummer() == nummer) return v.get();
    return nullptr;
}

int CVereinsEditor::Amateur(int nummer) const {
    if (auto it = amateurNeu_.find(nummer); it != amateurNeu_.end() && nummer != kopie_->VereinsNummer())
        return it->second;
    const CVerein* v = Verein(nummer);
    return v ? v->Amateurabteilung() : 0;
}

int CVereinsEditor::Profi(int nummer) const {
    if (auto it = profiNeu_.find(nummer); it != profiNeu_.end() && nummer != kopie_->VereinsNummer())
        return it->second;
    const CVerein* v = Verein(nummer);
    return v ? v->Profiabteilung() : 0;
}

int CVereinsEditor::LigaStufe(int nummer) const {
    const CVerein* v = Verein(nummer);
    if (!v) return -1;
    const int liga = v->Liga();
    if (liga >= kLigaKeine || liga >= App().LigaAnzahl[size_t(land_)]) return -1;
    return (land_ == 0 && liga > 1) ? 3 : liga;
}

bool CVereinsEditor::IstProfiabteilung() const { return kopie_->Profiabteilung() != 0; }

bool CVereinsEditor::AmateurComboAktiv() const {
    if (IstProfiabteilung()) return false;
    const int liga = kopie_->Liga();
    if (land_ == 0) return liga >= 2;
    if (land_ == 4) return liga >= 1;
    return false;
}

std::string CVereinsEditor::AmateurLabel() const {
    if (IstProfiabteilung()) return land_ == 4 ? "A-Team von" : "Profiabteilung von";
    return land_ == 4 ? "B-Team von" : "Amateurabteilung von";
}

int CVereinsEditor::AmateurWahl(int neu) {
    CVerein& v = *kopie_;
    const int alt = v.Amateurabteilung();
    const int selbst = v.VereinsNummer();
    if (neu == alt || IstProfiabteilung()) return alt;
    if (alt == 0 && neu != 0 && amateure_ >= MaxAmateurAbteilungen()) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "Es dürfen nur maximal %d Vereine Amateurabteilungen anderer Vereine sein! Bitte löschen Sie "
                      "zunächst die Abteilung eines anderen Vereins.",
                      MaxAmateurAbteilungen());
        App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        return alt;
    }
    int verdraengt = 0;  // the parent's present amateur department, cleared on Yes
    if (neu != 0) {
        if (neu == selbst) {
            App().ui->MessageBox("Der Profiverein ist mit dem Amateurverein identisch!", "Achtung!", MsgButtons::Ok,
                                 MsgIcon::Warning);
            return alt;
        }
        if (Amateur(neu) != 0) {
            App().ui->MessageBox(
                "Der als Profiabteilung ausgewählte Verein ist selbst Amateurabteilung eines anderen Vereins!",
                "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
            return alt;
        }
        const int stufeProfi = LigaStufe(neu), stufeAmateur = LigaStufe(selbst);
        if (stufeProfi < 0 || stufeAmateur < 0) return alt;
        const int abstand = land_ == 0 ? 2 : 1;
        if (stufeAmateur - stufeProfi < abstand) {
            char text[160];
            std::snprintf(text, sizeof text, "Ein Amateurverein muß mindestens %d %s unter seiner Profiabteilung spielen!",
                          abstand, abstand == 1 ? "Liga" : "Ligen");
            App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
            return alt;
        }
        // Asked last, so that a Yes is never followed by a refusal.
        if (Profi(neu) != 0) {
            if (App().ui->MessageBox("Diese Profiabteilung hat bereits eine andere Amateurabteilung, wollen Sie diese "
                                     "löschen?",
                                     "Achtung!", MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
                return alt;
            verdraengt = Profi(neu);
        }
    }
    // Every check passed: the links change together.
    if (alt != 0) profiNeu_[alt] = 0;
    if (verdraengt != 0) {
        amateurNeu_[verdraengt] = 0;
        --amateure_;
    }
    if (alt == 0 && neu != 0) ++amateure_;
    if (alt != 0 && neu == 0) --amateure_;
    v.Amateurabteilung(neu, int(vereine_.size()));
    if (neu != 0) {
        profiNeu_[neu] = selbst;
        v.AktienGesellschaft(0);
    }
    return v.Amateurabteilung();
}

// ---- OK

bool CVereinsEditor::Ok(bool seiteOk) {
    if (!seiteOk) return false;
    const CVerein& v = *kopie_;
    if (v.Kuerzel().size() < 2 || v.Kuerzel().size() > 4) {
        Fehler("Ein Vereinskürzel darf\nzwischen 3 und 4 Zeichen umfassen!");
        return false;
    }
    if (v.Name().size() < 3) {
        Fehler("Der Vereinsname muß zwischen\n4 und 19 Zeichen lang sein!");
        return false;
    }
    if (v.Anfeuerung().empty() &&
        App().ui->MessageBox("Es ist derzeit kein\nAnfeuerungstext eingetragen!", "Achtung!", MsgButtons::OkCancel,
                             MsgIcon::Warning) == MsgResult::Cancel)
        return false;
    if (v.Fanbezeichnung().empty() &&
        App().ui->MessageBox("Es ist derzeit kein Text\nfür die Fanbezeichnung eingetragen!", "Achtung!",
                             MsgButtons::OkCancel, MsgIcon::Warning) == MsgResult::Cancel)
        return false;
    const int anzahl = int(vereine_.size());
    for (auto& w : vereine_) {
        if (!w || w->VereinsNummer() == v.VereinsNummer()) continue;
        if (auto it = amateurNeu_.find(w->VereinsNummer()); it != amateurNeu_.end())
            w->Amateurabteilung(it->second, anzahl);
        if (auto it = profiNeu_.find(w->VereinsNummer()); it != profiNeu_.end()) w->Profiabteilung(it->second, anzahl);
    }
    amateurNeu_.clear();
    profiNeu_.clear();
    return true;
}

// ---- single-club file

bool CVereinsEditor::VereinSpeichern(const fs::path& ven, const fs::path& wappen) {
    MakeWritable(ven);
    MakeWritable(wappen);
    const fs::path quelle = HostPath(WappenOrdner() + WappenPrefix(bonus_ == 2) + ".BMP");
    CV3File file;
    FileException fehler;
    if (!file.Open(fs::absolute(ven).string(), CV3File::modeCreate | CV3File::modeWrite | CV3File::typeText, &fehler)) {
        Fehler("Die Datei " + ven.string() + " konnte nicht angelegt werden: " + fehler.reason);
        return false;
    }
    std::string grund;
    if (!CopyReplacing(quelle, wappen, &grund)) {
        file.Discard();
        Fehler("Das Vereinswappen konnte nicht nach " + wappen.string() + " kopiert werden: " + grund);
        return false;
    }
    file.PutID(kVereinsdateiID);
    bool ok = kopie_->SpeichernV3Localized(file, 0);
    if (kopie_->Stadion()) ok = kopie_->Stadion()->SpeichernV3Localized(file, 0) && ok;
    if (!ok) {
        file.Discard();
        return false;
    }
    return file.Close();
}

bool CVereinsEditor::VereinEinlesen(const fs::path& ven, const fs::path& wappen) {
    MakeWritable(ven);
    MakeWritable(wappen);
    CV3File file;
    const std::string pfad = fs::absolute(ven).string();
    if (!file.Open(pfad, CV3File::modeRead | CV3File::typeText)) {
        Fehler("VOLTARO 3-FileID nicht gefunden. Datei " + pfad + ".", "Achtung!");
        return false;
    }
    int32_t id = 0;
    file.GetID(id);
    if (id != kVereinsdateiID) {
        Fehler("VOLTARO 3-FileID nicht gefunden. Datei " + pfad + ".", "Achtung!");
        return false;
    }
    // Read first, so that a damaged file leaves the club and its crest alone.
    auto neu = std::make_unique<CVerein>(kopie_->VereinsNummer());
    auto stadion = std::make_unique<CStadion>();
    MeldungsFaenger faenger;
    IUserInterface* ui = App().ui;
    App().SetUserInterface(&faenger);
    bool ok = neu->LadenV3Localized(file, 0);
    ok = ok && !faenger.gemeldet && !neu->SpielerListe().empty() && stadion->LadenV3Localized(file, 0);
    App().SetUserInterface(ui);
    if (!ok) {
        Fehler("Fehler beim Laden des Vereins!", "Achtung!");
        return false;
    }
    const fs::path editorWappen = HostPath(WappenOrdner() + WappenPrefix(bonus_ == 2) + ".BMP");
    std::string bild;
    if (!ReadWholeFile(wappen, bild) || bild.size() < 2 || bild.compare(0, 2, "BM") != 0 ||
        !WriteWholeFile(editorWappen, bild))
        Fehler("Fehler beim Kopieren des Vereinswappens, es wird das Wappen des editierten Vereins verwendet!",
               "Achtung!");
    const CVerein& alt = *kopie_;
    const int anzahl = int(vereine_.size());
    neu->Stadion(std::move(stadion));
    neu->LandNr(land_);
    neu->VereinsNummer(alt.VereinsNummer());
    neu->Status(alt.Status());
    neu->Liga(alt.Liga());
    // The links belong to the place: set without the setters' checks against the own number.
    neu->Amateurabteilung(0, anzahl);
    neu->Profiabteilung(alt.Profiabteilung(), anzahl);
    neu->Amateurabteilung(alt.Amateurabteilung(), anzahl);
    neu->FanFreundschaft(0);
    neu->ErzRivale(0);
    kopie_ = std::move(neu);
    kopie_->Staerke(KaderStaerke(*kopie_));
    StaerkeBerechnen();
    return true;
}

}  // namespace v3
