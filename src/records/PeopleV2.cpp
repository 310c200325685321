// Readers of the predecessor's people records: staff of the pools, referees,
// sponsors, celebrities and media people (layouts in docs/predecessor-format.md).
// Each reads the whole record first and changes the record only when all of it
// was there.
#include "base/AppState.h"
#include "records/Datum.h"
#include "records/ISchiri.h"
#include "records/Kritiker.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/PersonDates.h"
#include "records/Promi.h"
#include "records/Reporter.h"
#include "records/Sponsor.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/V2LineReader.h"

namespace v3 {
namespace {

// Names, birth date and competence: what every staff record of the
// predecessor begins with.
struct Staff {
    std::string nachname, vorname;
    CDatum geburtsDatum;
    int32_t kompetenz = 0;
};

bool ReadStaff(V2LineReader& r, Staff& s) {
    r.Str(s.nachname);
    r.Str(s.vorname);
    r.Datum(s.geburtsDatum);
    r.Int(s.kompetenz);
    return r.Ok();
}

template <class T>
void ApplyStaff(T& record, const Staff& s) {
    record.Nachname(s.nachname);
    record.Vorname(s.vorname);
    record.GeburtsDatum(s.geburtsDatum);
    record.Alter(AgeInSeason(s.geburtsDatum, App().Saisonstartjahr));
    record.Kompetenz(s.kompetenz);
}

}  // namespace

bool CTrainerUndCo::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    Staff s;
    int32_t ruf = 0;
    ReadStaff(r, s);
    r.Int(ruf);
    if (!r.Ok()) return false;
    ApplyStaff(*this, s);
    Ruf(ruf);
    return true;
}

bool CTWTrainer::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    Staff s;
    if (!ReadStaff(r, s)) return false;
    ApplyStaff(*this, s);
    return true;
}

bool CManager::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    Staff s;
    if (!ReadStaff(r, s)) return false;
    ApplyStaff(*this, s);
    return true;
}

bool CNSchiri::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    std::string nachname = r.Str(), vorname = r.Str();
    const int32_t kompetenz = r.Int(), haerte = r.Int(), verein = r.Int();
    const int32_t eigenschaften = V2NeueVariante() ? r.Int() : schiriEigenschaften_;
    if (!r.Ok()) return false;
    Nachname(nachname);
    Vorname(vorname);
    Kompetenz(kompetenz);
    Haerte(haerte);
    SchiriVerein(verein);
    SchiriEigenschaften(eigenschaften);
    return true;
}

bool CISchiri::Laden(CV3File& file) {
    V2LineReader r(file);
    std::string nachname = r.Str(), vorname = r.Str();
    const int32_t kompetenz = r.Int(), haerte = r.Int(), nation = r.Int();
    const int32_t eigenschaften = V2NeueVariante() ? r.Int() : schiriEigenschaften_;
    if (!r.Ok()) return false;
    Nachname(nachname);
    Vorname(vorname);
    Kompetenz(kompetenz);
    Haerte(haerte);
    Nation(nation);
    SchiriEigenschaften(eigenschaften);
    return true;
}

bool CSponsor::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    std::string name = r.Str();
    const int32_t wert = r.Int(), groesse = r.Int();
    if (!r.Ok()) return false;
    Name(name);
    if (wert >= 0) SponsorWert(uint32_t(wert));
    Unternehmensgroesse(groesse);
    return true;
}

bool CPromi::MergeV2Daten(CV3File& file) {
    V2LineReader r(file);
    std::string nachname = r.Str(), vorname = r.Str();
    const int32_t verein = r.Int();
    if (!r.Ok()) return false;
    Nachname(nachname);
    Vorname(vorname);
    Lieblingsverein(verein);
    return true;
}

bool CReporter::Laden(CV3File& file) {
    V2LineReader r(file);
    std::string sender = r.Str(), nachname = r.Str(), vorname = r.Str();
    const int32_t einstellung = r.Int();
    if (!r.Ok()) return false;
    Sender(sender);
    Nachname(nachname);
    Vorname(vorname);
    Einstellung(einstellung);
    return true;
}

bool CKritiker::Laden(CV3File& file) {
    V2LineReader r(file);
    std::string nachname = r.Str(), vorname = r.Str();
    if (!r.Ok()) return false;
    Nachname(nachname);
    Vorname(vorname);
    return true;
}

}  // namespace v3
