#include "editors/personal/rules/PersonalRules.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/PersonDates.h"
#include "records/TrimWhite.h"
#include "records/Verein.h"

namespace v3 {
namespace {

constexpr const char* kFehler = "Fehler!";
constexpr const char* kAchtung = "Achtung!";

// "Fehler!" boxes carry the stop sign, "Achtung!" boxes the warning sign.
void Zeige(const std::string& text, const char* caption) {
    App().ui->MessageBox(text, caption, MsgButtons::Ok, caption == kFehler ? MsgIcon::Stop : MsgIcon::Warning);
}

template <class T>
Kopien<T> KopienVon(const Kopien<T>& liste) {
    Kopien<T> out;
    out.reserve(liste.size());
    for (const auto& r : liste) out.push_back(std::make_unique<T>(*r));
    return out;
}

// Destroys the records of `ziel` one by one in list order and puts the copies
// in their places.
template <class T>
void Ersetzen(Kopien<T>& ziel, Kopien<T>& kopien) {
    for (auto& r : ziel) r.reset();
    ziel.clear();
    for (auto& k : kopien) ziel.push_back(std::make_unique<T>(*k));
}

std::string Zahl(int v) { return std::to_string(v); }

}  // namespace

// ---------------------------------------------------------------- common pieces

std::string NameZeile(const std::string& nachname, const std::string& vorname) {
    return nachname + ", " + vorname;
}

bool NamePruefen(const std::string& text, int maxLen, const std::string& gespeichert) {
    const std::string t = TrimWhite(text);
    if (t.empty()) {
        Zeige("Der Name muß mindestens ein Zeichen lang sein!", kFehler);
        return false;
    }
    if (int(t.size()) > maxLen && t != TrimWhite(gespeichert)) {
        Zeige("Der Name darf höchstens " + Zahl(maxLen) + " Zeichen lang sein!", kFehler);
        return false;
    }
    return true;
}

JahrBereich GeburtsjahrBereich(int saisonJahr, int gespeichertesJahr) {
    JahrBereich b{saisonJahr - 70, saisonJahr - 31};
    b.von = std::min(b.von, gespeichertesJahr);
    b.bis = std::max(b.bis, gespeichertesJahr);
    return b;
}

CDatum GeburtsDatumAus(int tag, int monat, int jahr) {
    CDatum d;
    d.Init(tag, monat, jahr, 0, 0, 0);
    return d;
}

int AlterAus(int tag, int monat, int jahr, int saisonJahr) {
    return AgeInSeason(GeburtsDatumAus(tag, monat, jahr), saisonJahr);
}

// ---------------------------------------------------------------- staff pools

const std::array<const char*, CTrainerUndCo::kRufAnzahl> kTrainerTypen = {
    "Kumpeltyp", "lustiger Geselle", "Motivationskünstler", "PR-Mann", "Schleifer", "Wissenschaftler", "keiner"};

Kompetenzklasse KlasseVon(int kompetenz) {
    if (kompetenz < 6) return Kompetenzklasse::Schwach;
    if (kompetenz <= 10) return Kompetenzklasse::Mittel;
    return Kompetenzklasse::Stark;
}

std::optional<Kompetenzklasse> ZuSchwachBesetzt(const std::vector<int>& kompetenzen) {
    std::array<int, 3> anzahl{};
    for (int k : kompetenzen) ++anzahl[size_t(KlasseVon(k))];
    const int mindestens = int(kompetenzen.size()) / 4;
    for (auto klasse : {Kompetenzklasse::Schwach, Kompetenzklasse::Mittel, Kompetenzklasse::Stark})
        if (anzahl[size_t(klasse)] < mindestens) return klasse;
    return std::nullopt;
}

template <class T>
CStaffPool<T>::CStaffPool(const Kopien<T>& pool) : kopien_(KopienVon(pool)) {}

template <>
PoolArt CStaffPool<CTrainerUndCo>::Art() { return PoolArt::Trainer; }
template <>
PoolArt CStaffPool<CTWTrainer>::Art() { return PoolArt::Torwarttrainer; }
template <>
PoolArt CStaffPool<CManager>::Art() { return PoolArt::Manager; }

template <class T>
std::string CStaffPool<T>::Zeile(int i) const {
    const T& p = Kopie(i);
    std::string z = NameZeile(p.Nachname(), p.Vorname()) + "\t" + Zahl(p.Kompetenz()) + "\t" + Zahl(p.Alter());
    if constexpr (std::is_same_v<T, CTrainerUndCo>) {
        const int ruf = p.Ruf();
        z += "\t";
        if (ruf >= 0 && ruf < CTrainerUndCo::kRufAnzahl) z += Cp(kTrainerTypen[size_t(ruf)]);
    }
    return z;
}

template <class T>
bool CStaffPool<T>::Aendern(int i, const PersonEingabe& e, int saisonJahr) {
    T& p = *kopien_.at(size_t(i));
    if (!NamePruefen(e.nachname, kMaxPersonenName, p.Nachname()) ||
        !NamePruefen(e.vorname, kMaxPersonenName, p.Vorname()))
        return false;
    p.Nachname(TrimWhite(e.nachname));
    p.Vorname(TrimWhite(e.vorname));
    const CDatum datum = GeburtsDatumAus(e.tag, e.monat, e.jahr);
    p.GeburtsDatum(datum);
    p.Kompetenz(std::clamp(e.kompetenz, 0, T::kMaxKompetenz));
    p.Alter(AgeInSeason(datum, saisonJahr));
    if constexpr (std::is_same_v<T, CTrainerUndCo>) p.Ruf(std::clamp(e.ruf, 0, CTrainerUndCo::kRufAnzahl - 1));
    return true;
}

template <class T>
bool CStaffPool<T>::Uebernehmen(Kopien<T>& ziel) {
    if (Art() != PoolArt::Torwarttrainer) {
        std::vector<int> kompetenzen;
        for (const auto& p : kopien_) kompetenzen.push_back(p->Kompetenz());
        if (auto klasse = ZuSchwachBesetzt(kompetenzen)) {
            static constexpr const char* kKlasse[] = {"schwächere", "mittelmäßige", "starke"};
            const char* wer = Art() == PoolArt::Manager ? "Manager" : "Trainer";
            Zeige(std::string("Sie haben zur Zeit zu wenige\n") + kKlasse[size_t(*klasse)] + " " + wer + "!", kFehler);
            return false;
        }
    }
    Ersetzen(ziel, kopien_);
    return true;
}

template <class T>
std::optional<int> CStaffPool<T>::Auswahl(int zeile) const {
    if (zeile < 0 || zeile >= Anzahl()) {
        Zeige(Art() == PoolArt::Manager ? "Bitte wählen Sie zuerst einen Manager aus der Liste!"
                                        : "Bitte wählen Sie zuerst einen Trainer aus der Liste!",
              kAchtung);
        return std::nullopt;
    }
    return zeile;
}

template class CStaffPool<CTrainerUndCo>;
template class CStaffPool<CTWTrainer>;
template class CStaffPool<CManager>;

// ---------------------------------------------------------------- referees

SchiriKaestchen KaestchenAus(int32_t e) {
    return {(e & SchiriHeim) != 0, (e & SchiriGast) != 0, (e & SchiriHasstZeitspiel) != 0,
            (e & SchiriHasstMeckern) != 0, (e & SchiriHasstCoaching) != 0};
}

int32_t EigenschaftenAus(const SchiriKaestchen& k) {
    return (k.heim ? SchiriHeim : 0) | (k.gast ? SchiriGast : 0) | (k.meckern ? SchiriHasstMeckern : 0) |
           (k.zeitspiel ? SchiriHasstZeitspiel : 0) | (k.coaching ? SchiriHasstCoaching : 0);
}

void HeimAnklicken(SchiriKaestchen& k, bool an) {
    k.heim = an;
    if (an) k.gast = false;
}

void GastAnklicken(SchiriKaestchen& k, bool an) {
    k.gast = an;
    if (an) k.heim = false;
}

std::string VereinsName(const CLand& land, int32_t nummer) {
    if (const CVerein* v = nummer > 0 ? land.VereinMitNummer(nummer) : nullptr) return v->Name();
    return "Keiner";
}

std::string NationsName(int32_t nation) {
    const auto& liste = Daten().NationenListe;
    if (nation < 0 || size_t(nation) >= liste.size() || !liste[size_t(nation)]) return {};
    return liste[size_t(nation)]->Name();
}

namespace {

template <class S>
bool SchiriSchreiben(S& s, const SchiriEingabe& e) {
    if (!NamePruefen(e.nachname, kMaxSchiriNachname, s.Nachname()) ||
        !NamePruefen(e.vorname, kMaxSchiriVorname, s.Vorname()))
        return false;
    s.Nachname(TrimWhite(e.nachname));
    s.Vorname(TrimWhite(e.vorname));
    s.Kompetenz(std::clamp(e.kompetenz, 0, S::kMaxKompetenz));
    s.Haerte(std::clamp(e.haerte, 0, S::kMaxHaerte));
    s.SchiriEigenschaften(EigenschaftenAus(e.kaestchen));
    return true;
}

}  // namespace

CSchiriListe::CSchiriListe(const CLand& land) : land_(land), kopien_(KopienVon(land.Referees())) {}

std::string CSchiriListe::Zeile(int i) const {
    const CNSchiri& s = Kopie(i);
    return NameZeile(s.Nachname(), s.Vorname()) + "\t" + Zahl(s.Kompetenz()) + "\t" + Zahl(s.Haerte()) + "\t" +
           VereinsName(land_, s.SchiriVerein());
}

bool CSchiriListe::Aendern(int i, const SchiriEingabe& e) {
    CNSchiri& s = *kopien_.at(size_t(i));
    if (!SchiriSchreiben(s, e)) return false;
    s.SchiriVerein(std::max(0, e.zuordnung));
    return true;
}

void CSchiriListe::Uebernehmen(CLand& land) { Ersetzen(land.Referees(), kopien_); }

CISchiriListe::CISchiriListe(const std::vector<std::unique_ptr<CISchiri>>& liste) : kopien_(KopienVon(liste)) {}

std::string CISchiriListe::Zeile(int i) const {
    const CISchiri& s = Kopie(i);
    return NameZeile(s.Nachname(), s.Vorname()) + "\t" + Zahl(s.Kompetenz()) + "\t" + Zahl(s.Haerte()) + "\t" +
           NationsName(s.Nation());
}

bool CISchiriListe::Aendern(int i, const SchiriEingabe& e) {
    CISchiri& s = *kopien_.at(size_t(i));
    if (!SchiriSchreiben(s, e)) return false;
    s.Nation(e.zuordnung);
    return true;
}

void CISchiriListe::Uebernehmen(std::vector<std::unique_ptr<CISchiri>>& liste) { Ersetzen(liste, kopien_); }

// ---------------------------------------------------------------- president

bool PraesidentSpeichern(CVerbandsPraesident& p, const PraesidentEingabe& e) {
    if (!NamePruefen(e.nachname, kMaxPersonenName, p.Nachname()) ||
        !NamePruefen(e.vorname, kMaxPersonenName, p.Vorname()))
        return false;
    p.Nachname(TrimWhite(e.nachname));
    p.Vorname(TrimWhite(e.vorname));
    p.GeburtsDatum(GeburtsDatumAus(e.tag, e.monat, e.jahr));
    return true;
}

// ---------------------------------------------------------------- celebrities

CPromiListe::CPromiListe(const CLand& land) : land_(land), kopien_(KopienVon(land.Celebrities())) {}

std::string CPromiListe::Zeile(int i) const {
    const CPromi& p = Kopie(i);
    return NameZeile(p.Nachname(), p.Vorname()) + "\t" + VereinsName(land_, p.Lieblingsverein());
}

bool CPromiListe::Aendern(int i, const std::string& nachname, const std::string& vorname, int32_t lieblingsverein) {
    CPromi& p = *kopien_.at(size_t(i));
    if (!NamePruefen(nachname, kMaxPersonenName, p.Nachname()) || !NamePruefen(vorname, kMaxPersonenName, p.Vorname()))
        return false;
    const std::string zeile = NameZeile(TrimWhite(nachname), TrimWhite(vorname));
    for (int j = 0; j < Anzahl(); ++j) {
        if (j == i) continue;
        if (NameZeile(TrimWhite(Kopie(j).Nachname()), TrimWhite(Kopie(j).Vorname())) == zeile) {
            Zeige("Der Name existiert bereits!", kFehler);
            return false;
        }
    }
    p.Nachname(TrimWhite(nachname));
    p.Vorname(TrimWhite(vorname));
    p.Lieblingsverein(std::max(0, lieblingsverein));
    return true;
}

void CPromiListe::Uebernehmen(CLand& land) { Ersetzen(land.Celebrities(), kopien_); }

// ---------------------------------------------------------------- media

bool MedienSpeichern(CLand& land, const std::vector<ReporterEingabe>& reporter,
                     const std::vector<KritikerEingabe>& kritiker) {
    const size_t nr = std::min({reporter.size(), land.Reporters().size(), size_t(kMedienReporter)});
    const size_t nk = std::min({kritiker.size(), land.Critics().size(), size_t(kMedienKritiker)});
    auto leer = [](const std::string& s) { return TrimWhite(s).empty(); };
    for (size_t i = 0; i < nr; ++i)
        if (leer(reporter[i].sender)) {
            Zeige("Bitte fehlenden Sender eingeben!", kFehler);
            return false;
        }
    bool nachnameFehlt = false, vornameFehlt = false;
    for (size_t i = 0; i < nr; ++i) {
        nachnameFehlt |= leer(reporter[i].nachname);
        vornameFehlt |= leer(reporter[i].vorname);
    }
    for (size_t i = 0; i < nk; ++i) {
        nachnameFehlt |= leer(kritiker[i].nachname);
        vornameFehlt |= leer(kritiker[i].vorname);
    }
    if (nachnameFehlt) {
        Zeige("Bisher wurde noch kein Nachname eingegeben!", kAchtung);
        return false;
    }
    if (vornameFehlt) {
        Zeige("Bisher wurde noch kein Vorname eingegeben!", kAchtung);
        return false;
    }
    // Lengths last: a stored text longer than the limit is kept as it is.
    for (size_t i = 0; i < nr; ++i) {
        const CReporter& r = *land.Reporters()[i];
        if (!NamePruefen(reporter[i].sender, kMaxSender, r.Sender()) ||
            !NamePruefen(reporter[i].nachname, kMaxPersonenName, r.Nachname()) ||
            !NamePruefen(reporter[i].vorname, kMaxPersonenName, r.Vorname()))
            return false;
    }
    for (size_t i = 0; i < nk; ++i) {
        const CKritiker& k = *land.Critics()[i];
        if (!NamePruefen(kritiker[i].nachname, kMaxPersonenName, k.Nachname()) ||
            !NamePruefen(kritiker[i].vorname, kMaxPersonenName, k.Vorname()))
            return false;
    }
    for (size_t i = 0; i < nr; ++i) {
        CReporter& r = *land.Reporters()[i];
        r.Nachname(TrimWhite(reporter[i].nachname));
        r.Vorname(TrimWhite(reporter[i].vorname));
        r.Sender(TrimWhite(reporter[i].sender));
        r.Einstellung(reporter[i].einstellung);
    }
    for (size_t i = 0; i < nk; ++i) {
        CKritiker& k = *land.Critics()[i];
        k.Nachname(TrimWhite(kritiker[i].nachname));
        k.Vorname(TrimWhite(kritiker[i].vorname));
    }
    return true;
}

// ---------------------------------------------------------------- sponsors

const std::array<SponsorFarbe, 16> kSponsorFarben = {{
    {0, 4, 2, 2},       {40, 127, 16, 9},    {18, 32, 76, 21},    {76, 127, 130, 51},
    {58, 40, 67, 133},  {87, 185, 31, 96},   {97, 129, 106, 156}, {99, 143, 139, 142},
    {79, 109, 111, 115}, {93, 221, 30, 9},   {78, 50, 155, 103},  {127, 237, 219, 15},
    {111, 33, 170, 203}, {104, 232, 99, 27}, {125, 162, 180, 203}, {1, 255, 255, 255},
}};

SponsorFarbe AnzeigeFarbe(int index) {
    for (const auto& f : kSponsorFarben)
        if (f.index == index) return f;
    return kSponsorFarben[0];
}

int HoeheAusPunkten(int punkte) { return -int(std::lround(punkte * 96.0 / 72.0)); }

int PunkteAusHoehe(int32_t hoehe) {
    if (hoehe == 0) return 12;
    return int(std::lround(std::abs(hoehe) * 72.0 / 96.0));
}

SchriftWahl WahlAus(const SponsorFont& f) {
    SchriftWahl w;
    w.face = f.faceName;
    w.punkte = std::clamp(PunkteAusHoehe(f.height), kMinSchriftPunkte, kMaxSchriftPunkte);
    w.fett = f.weight >= 600;
    w.kursiv = f.italic != 0;
    w.unterstrichen = f.underline != 0;
    w.durchgestrichen = f.strikeOut != 0;
    return w;
}

SponsorFont SchriftAus(const SponsorFont& alt, const SchriftWahl& w) {
    const SchriftWahl vorher = WahlAus(alt);
    SponsorFont f = alt;
    if (w.faceGeaendert && w.face != alt.faceName) {
        f.faceName = w.face;
        // As a font dialog describes a chosen screen font.
        f.charSet = 0;
        f.outPrecision = 3;
        f.clipPrecision = 2;
        f.quality = 1;
        f.pitchAndFamily = w.festeBreite ? 0x31 : 0x22;
    }
    const int punkte = std::clamp(w.punkte, kMinSchriftPunkte, kMaxSchriftPunkte);
    if (punkte != vorher.punkte) {
        f.height = HoeheAusPunkten(punkte);
        f.width = 0;
    }
    if (w.fett != vorher.fett) f.weight = w.fett ? 700 : 400;
    f.italic = w.kursiv ? 1 : 0;
    f.underline = w.unterstrichen ? 1 : 0;
    f.strikeOut = w.durchgestrichen ? 1 : 0;
    return f;
}

CSponsorListe::CSponsorListe(const CLand& land) : kopien_(KopienVon(land.Sponsors())) {}

void CSponsorListe::Umbenennen(int i, const std::string& name) { kopien_.at(size_t(i))->Name(name); }

bool CSponsorListe::Schrift(int i, const SchriftWahl& w) {
    CSponsor& s = *kopien_.at(size_t(i));
    if (!s.Font(SchriftAus(s.Font(), w))) {
        Zeige("Der Name der Schriftart ist zu lang!", kFehler);
        return false;
    }
    return true;
}

void CSponsorListe::TextFarbe(int i, int index) { kopien_.at(size_t(i))->TextFarbe(index); }

void CSponsorListe::HintergrundFarbe(int i, int index) { kopien_.at(size_t(i))->HintergrundFarbe(index); }

void CSponsorListe::Groesse(int i, int groesse) { kopien_.at(size_t(i))->Unternehmensgroesse(std::clamp(groesse, 0, 2)); }

std::string CSponsorListe::GroessenText(int groesse) {
    switch (groesse) {
    case 0: return "klein";
    case 1: return "mittel";
    default: return "groß";
    }
}

bool CSponsorListe::Uebernehmen(CLand& land) {
    for (const auto& s : kopien_)
        if (TrimWhite(s->Name()).empty()) {
            Zeige("Bitte Namen eingeben!", kAchtung);
            return false;
        }
    Ersetzen(land.Sponsors(), kopien_);
    return true;
}

}  // namespace v3
