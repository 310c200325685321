#include "records/TrainerUndCo.h"

#include "base/AppState.h"
#include "records/PersonDates.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CTrainerUndCo::CTrainerUndCo() : CV3Object("CTrainerUndCo") {
    const int y = App().Saisonstartjahr;
    geburtsDatum_ = DrawBirthDate(y, 31, 20);
    alter_ = uint8_t(AgeInSeason(geburtsDatum_, y));
    kompetenz_ = uint8_t(App().random->Rand() % 15 + 1);
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("VN");
}

bool CTrainerUndCo::Kompetenz(int v) {
    if (v < 0 || v > kMaxKompetenz) return false;
    kompetenz_ = uint8_t(v);
    return true;
}

bool CTrainerUndCo::Ruf(int v) {
    if (v < 0 || v >= kRufAnzahl) return false;
    ruf_ = uint8_t(v);
    return true;
}

bool CTrainerUndCo::Alter(int v) {
    if (v < 0 || v > 255) return false;
    alter_ = uint8_t(v);
    return true;
}

bool CTrainerUndCo::SpeichernV3Localized(CV3File& file, int) {
    vorname_ = TrimWhite(vorname_);
    nachname_ = TrimWhite(nachname_);
    if (!file.NewSection("TRAINER")) return false;
    bool ok = true;
    ok &= file.PutStr(vorname_);
    ok &= file.PutStr(nachname_);
    ok &= file.PutInt(kompetenz_);
    ok &= file.PutInt(ruf_);
    ok &= file.PutInt(alter_);
    ok &= file.PutDatum(geburtsDatum_);
    ok &= file.PutInt(trainerWert1_);
    ok &= file.PutInt(trainerWert2_);
    ok &= file.EndSection(1);
    return ok;
}

bool CTrainerUndCo::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("TRAINER")) return false;
    ValueReader r(file);
    r.Str(vorname_);
    r.Str(nachname_);
    r.Byte(kompetenz_);
    r.Byte(ruf_);
    r.Byte(alter_);
    r.Datum(geburtsDatum_);
    r.Int(trainerWert1_);
    r.Int(trainerWert2_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
