#include "records/NSchiri.h"

#include "base/AppState.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CNSchiri::CNSchiri() : CV3Object("CNSchiri") {
    vorname_ = Platzhalter("VN");
    nachname_ = Platzhalter("NA");
    kompetenz_ = uint8_t(App().random->Rand() % 10 + 1);
}

bool CNSchiri::Kompetenz(int v) {
    if (v < 0 || v > kMaxKompetenz) return false;
    kompetenz_ = uint8_t(v);
    return true;
}

bool CNSchiri::Haerte(int v) {
    if (v < 0 || v > kMaxHaerte) return false;
    haerte_ = uint8_t(v);
    return true;
}

bool CNSchiri::SchiriVerein(int32_t v) {
    if (v < 0) return false;
    schiriVerein_ = v;
    return true;
}

bool CNSchiri::SchiriEigenschaften(int32_t v) {
    if ((v & ~int32_t(SchiriAlleEigenschaften)) != 0) return false;
    schiriEigenschaften_ = v;
    return true;
}

bool CNSchiri::SpeichernV3Localized(CV3File& file, int) {
    vorname_ = TrimWhite(vorname_);
    nachname_ = TrimWhite(nachname_);
    if (!file.NewSection("SCHIRI")) return false;
    bool ok = true;
    ok &= file.PutStr(vorname_);
    ok &= file.PutStr(nachname_);
    ok &= file.PutInt(kompetenz_);
    ok &= file.PutInt(haerte_);
    ok &= file.PutInt(schiriVerein_);
    ok &= file.PutInt(schiriEigenschaften_);
    ok &= file.EndSection(1);
    return ok;
}

bool CNSchiri::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("SCHIRI")) return false;
    ValueReader r(file);
    r.Str(vorname_);
    r.Str(nachname_);
    r.Byte(kompetenz_);
    r.Byte(haerte_);
    r.Int(schiriVerein_);
    r.Int(schiriEigenschaften_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
