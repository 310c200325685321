#pragma once
// The rules of the editors for the people a country owns: the coach,
// goalkeeper-coach and manager pools, the national and international referees,
// the association president, the celebrities, the media and the sponsors.
//
// Every editor works on copies of the records; OK validates in a fixed order,
// shows the first failure through App().ui and leaves everything as it was, or
// replaces the country's records by the copies in list order. Texts are code
// page 1252 as the records hold them; messages are UTF-8.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/Datum.h"
#include "records/ISchiri.h"
#include "records/Kritiker.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Promi.h"
#include "records/Reporter.h"
#include "records/Sponsor.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/VerbandsPraesident.h"

namespace v3 {

class CLand;

template <class T>
using Kopien = std::vector<std::unique_ptr<T>>;

// ---------------------------------------------------------------- common pieces

// "Nachname, Vorname": the start of every list line and the name a celebrity
// is told apart by.
std::string NameZeile(const std::string& nachname, const std::string& vorname);

// Longest names the change dialogs accept (characters of code page 1252).
inline constexpr int kMaxPersonenName = 20;
inline constexpr int kMaxSchiriNachname = 15;
inline constexpr int kMaxSchiriVorname = 9;
inline constexpr int kMaxSender = 30;
inline constexpr int kMaxSponsorName = 30;

// Checks one name field after trimming: empty gives "Der Name muß mindestens
// ein Zeichen lang sein!", longer than maxLen (unless it is the stored text
// itself, which is kept as it is) a message naming the limit. Shows the
// message with the caption "Fehler!" and returns false; true otherwise.
bool NamePruefen(const std::string& text, int maxLen, const std::string& gespeichert = {});

// The year range of the birth-date spinners: Y - 70 .. Y - 31 for the season
// start year Y, widened to take in a stored year outside it, so that a date is
// never changed by merely showing it.
struct JahrBereich {
    int von = 0;
    int bis = 0;
};
JahrBereich GeburtsjahrBereich(int saisonJahr, int gespeichertesJahr);

// A birth date from the three spinners (a day past the month's end is the
// month's last day) and the age it gives in the season starting in saisonJahr.
CDatum GeburtsDatumAus(int tag, int monat, int jahr);
int AlterAus(int tag, int monat, int jahr, int saisonJahr);

// ---------------------------------------------------------------- staff pools

// Competence classes of the distribution rule, in the order they are tested.
enum class Kompetenzklasse { Schwach, Mittel, Stark };
// Below 6 weak, 6..10 middling, above 10 strong.
Kompetenzklasse KlasseVon(int kompetenz);
// The first class (weak, middling, strong) holding fewer than total / 4 of the
// given competences; none when every class holds enough.
std::optional<Kompetenzklasse> ZuSchwachBesetzt(const std::vector<int>& kompetenzen);

// What the change dialog of a pool person gives back (names code page 1252).
struct PersonEingabe {
    std::string nachname;
    std::string vorname;
    int tag = 1;
    int monat = 1;
    int jahr = 1960;
    int kompetenz = 0;
    int ruf = 0;  // coaches only
};

enum class PoolArt { Trainer, Torwarttrainer, Manager };

// One of the three staff pools of a country as copies. `T` is CTrainerUndCo,
// CTWTrainer or CManager.
template <class T>
class CStaffPool {
public:
    // Copies the records of `pool` (the country's pool, or in selection mode
    // the caller's list of free persons).
    explicit CStaffPool(const Kopien<T>& pool);

    static PoolArt Art();
    int Anzahl() const { return int(kopien_.size()); }
    const T& Kopie(int i) const { return *kopien_.at(size_t(i)); }
    // Surname, ", ", first name, then tab-separated competence, age and, for
    // coaches, the coach type.
    std::string Zeile(int i) const;

    // OK of the change dialog for person i: checks both names, then writes
    // names, birth date, competence, age (and coach type) into the copy.
    bool Aendern(int i, const PersonEingabe& e, int saisonJahr);

    // OK of the editor: coaches and managers must be spread over the three
    // competence classes (each at least a quarter of the pool); the first
    // class short of that is shown ("Fehler!") and nothing changes. Then the
    // copies replace the records of `ziel` in list order.
    bool Uebernehmen(Kopien<T>& ziel);

    // Selection mode: the position of the chosen line, or, without a line,
    // "Bitte wählen Sie zuerst einen Trainer aus der Liste!" (or "... einen
    // Manager ...", caption "Achtung!") and none.
    std::optional<int> Auswahl(int zeile) const;

private:
    Kopien<T> kopien_;
};

using CTrainerPool = CStaffPool<CTrainerUndCo>;
using CTWTrainerPool = CStaffPool<CTWTrainer>;
using CManagerPool = CStaffPool<CManager>;

// The coach types "Kumpeltyp" .. "keiner" (UTF-8).
extern const std::array<const char*, CTrainerUndCo::kRufAnzahl> kTrainerTypen;

// ---------------------------------------------------------------- referees

// The property boxes of the referee change dialog, in the dialog's order.
struct SchiriKaestchen {
    bool heim = false;       // "Heimschiedsrichter"
    bool gast = false;       // "Gastschiedsrichter"
    bool zeitspiel = false;  // "haßt Zeitspiel"
    bool meckern = false;    // "haßt Meckern"
    bool coaching = false;   // "haßt Coaching"
    friend bool operator==(const SchiriKaestchen&, const SchiriKaestchen&) = default;
};
SchiriKaestchen KaestchenAus(int32_t eigenschaften);
int32_t EigenschaftenAus(const SchiriKaestchen& k);
// Ticking the home box clears the guest box and the other way round.
void HeimAnklicken(SchiriKaestchen& k, bool an);
void GastAnklicken(SchiriKaestchen& k, bool an);

struct SchiriEingabe {
    std::string nachname;
    std::string vorname;
    int kompetenz = 0;
    int haerte = 0;
    int32_t zuordnung = 0;  // club number (0 "Keiner") or nation number
    SchiriKaestchen kaestchen;
};

// National referees of a country as copies.
class CSchiriListe {
public:
    explicit CSchiriListe(const CLand& land);
    int Anzahl() const { return int(kopien_.size()); }
    const CNSchiri& Kopie(int i) const { return *kopien_.at(size_t(i)); }
    // Surname, ", ", first name, competence, hardness, club name or "Keiner".
    std::string Zeile(int i) const;
    // Trims both names; an empty or too long name is refused ("Fehler!").
    bool Aendern(int i, const SchiriEingabe& e);
    void Uebernehmen(CLand& land);

private:
    const CLand& land_;
    Kopien<CNSchiri> kopien_;
};

// The international referees of the data set as copies.
class CISchiriListe {
public:
    explicit CISchiriListe(const std::vector<std::unique_ptr<CISchiri>>& liste);
    int Anzahl() const { return int(kopien_.size()); }
    const CISchiri& Kopie(int i) const { return *kopien_.at(size_t(i)); }
    // Surname, ", ", first name, competence, hardness, nation name.
    std::string Zeile(int i) const;
    bool Aendern(int i, const SchiriEingabe& e);
    void Uebernehmen(std::vector<std::unique_ptr<CISchiri>>& liste);

private:
    std::vector<std::unique_ptr<CISchiri>> kopien_;
};

// Name of a club of the country by club number, "Keiner" (code page 1252) for 0
// or a number without a club.
std::string VereinsName(const CLand& land, int32_t nummer);
// Name of a nation by nation number; empty when there is none.
std::string NationsName(int32_t nation);

// ---------------------------------------------------------------- president

struct PraesidentEingabe {
    std::string nachname;
    std::string vorname;
    int tag = 1;
    int monat = 1;
    int jahr = 1960;
};
// Checks the names and stores names and birth date into the country's
// president; false (message shown, nothing changed) when a name is refused.
bool PraesidentSpeichern(CVerbandsPraesident& praesident, const PraesidentEingabe& e);

// ---------------------------------------------------------------- celebrities

class CPromiListe {
public:
    explicit CPromiListe(const CLand& land);
    int Anzahl() const { return int(kopien_.size()); }
    const CPromi& Kopie(int i) const { return *kopien_.at(size_t(i)); }
    // Surname, ", ", first name, tab, favourite club or "Keiner".
    std::string Zeile(int i) const;
    // Trims and checks the names; a name line equal to another celebrity's is
    // refused with "Der Name existiert bereits!" ("Fehler!").
    bool Aendern(int i, const std::string& nachname, const std::string& vorname, int32_t lieblingsverein);
    void Uebernehmen(CLand& land);

private:
    const CLand& land_;
    Kopien<CPromi> kopien_;
};

// ---------------------------------------------------------------- media

struct ReporterEingabe {
    std::string sender;
    std::string nachname;
    std::string vorname;
    int einstellung = 0;
};
struct KritikerEingabe {
    std::string nachname;
    std::string vorname;
};

// The scale of a reporter's attitude, "Böse" at the low end, "Lieb" at the high.
inline constexpr int kEinstellungMin = 0;
inline constexpr int kEinstellungMax = 10;
// Number of reporters and critics the media dialog shows.
inline constexpr int kMedienReporter = 3;
inline constexpr int kMedienKritiker = 2;

// OK of the media dialog for the country's first three reporters and first two
// critics (as many as the country has). Checks, in this order: every
// broadcaster filled ("Bitte fehlenden Sender eingeben!", "Fehler!"), every
// surname ("Bisher wurde noch kein Nachname eingegeben!", "Achtung!"), every
// first name ("Bisher wurde noch kein Vorname eingegeben!", "Achtung!"); then
// text lengths. Only the first failure is shown and nothing changes. On
// success the records take the trimmed texts and the attitude.
bool MedienSpeichern(CLand& land, const std::vector<ReporterEingabe>& reporter,
                     const std::vector<KritikerEingabe>& kritiker);

// ---------------------------------------------------------------- sponsors

// The 16 colours of the colour field: palette index and the colour shown.
struct SponsorFarbe {
    int index;
    uint8_t r, g, b;
};
extern const std::array<SponsorFarbe, 16> kSponsorFarben;
// The colour shown for a palette index; an index not in the field is shown as
// the first colour.
SponsorFarbe AnzeigeFarbe(int index);

// Font sizes the font dialog offers, in points, and their conversion to the
// stored character height (negative pixels at 96 dots per inch) and back.
inline constexpr int kMinSchriftPunkte = 10;
inline constexpr int kMaxSchriftPunkte = 36;
int HoeheAusPunkten(int punkte);
int PunkteAusHoehe(int32_t hoehe);

// What the font dialog gives back. The stored font keeps every value the user
// did not change: an unchanged face (shown with a substitute when it is not
// installed) keeps its stored name, an unchanged size its stored height, an
// unchanged weight its stored weight.
struct SchriftWahl {
    std::string face;  // code page 1252, as chosen
    bool faceGeaendert = false;
    bool festeBreite = false;  // the chosen face is fixed-pitch
    int punkte = 12;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
};
// The values the dialog opens with for a stored font.
SchriftWahl WahlAus(const SponsorFont& f);
SponsorFont SchriftAus(const SponsorFont& alt, const SchriftWahl& w);

// The sponsors of a country as copies.
class CSponsorListe {
public:
    explicit CSponsorListe(const CLand& land);
    int Anzahl() const { return int(kopien_.size()); }
    const CSponsor& Kopie(int i) const { return *kopien_.at(size_t(i)); }
    CSponsor& Kopie(int i) { return *kopien_.at(size_t(i)); }

    // Renames sponsor i at once (any text while typing; the check is OK's).
    void Umbenennen(int i, const std::string& name);
    // Writes the font; a face name of more than 31 bytes is refused (message).
    bool Schrift(int i, const SchriftWahl& w);
    // Left mouse button: text colour; right: background colour.
    void TextFarbe(int i, int index);
    void HintergrundFarbe(int i, int index);
    // Company size 0 "klein", 1 "mittel", 2 "groß".
    void Groesse(int i, int groesse);
    static std::string GroessenText(int groesse);  // UTF-8

    // Every name must be non-empty after trimming ("Bitte Namen eingeben!",
    // "Achtung!"); then the copies replace the country's sponsors in list order.
    bool Uebernehmen(CLand& land);

private:
    Kopien<CSponsor> kopien_;
};

}  // namespace v3
