#include "records/ISchiri.h"

#include "base/AppState.h"
#include "base/Layout.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/V3Object.h"
#include "records/ValueReader.h"

namespace v3 {

CISchiri::CISchiri() {
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("NA");
    kompetenz_ = App().random->Rand() % 11;
    haerte_ = App().random->Rand() % 11;
}

bool CISchiri::Kompetenz(int32_t v) {
    if (v < 0 || v > kMaxKompetenz) return false;
    kompetenz_ = v;
    return true;
}

bool CISchiri::Haerte(int32_t v) {
    if (v < 0 || v > kMaxHaerte) return false;
    haerte_ = v;
    return true;
}

bool CISchiri::Nation(int32_t v) {
    if (v < 0 || v >= kAnzahlNationen) return false;
    nation_ = v;
    return true;
}

bool CISchiri::SchiriEigenschaften(int32_t v) {
    if ((v & ~int32_t(SchiriAlleEigenschaften)) != 0) return false;
    schiriEigenschaften_ = v;
    return true;
}

bool CISchiri::SpeichernV3Localized(CV3File& file, int) {
    nachname_ = TrimWhite(nachname_);
    vorname_ = TrimWhite(vorname_);
    bool ok = true;
    ok &= file.PutStr(nachname_);
    ok &= file.PutStr(vorname_);
    ok &= file.PutInt(kompetenz_);
    ok &= file.PutInt(haerte_);
    ok &= file.PutInt(nation_);
    ok &= file.PutInt(schiriEigenschaften_);
    return ok;
}

bool CISchiri::LadenV3Localized(CV3File& file, int) {
    ValueReader r(file);
    r.Str(nachname_);
    r.Str(vorname_);
    r.Int(kompetenz_);
    r.Int(haerte_);
    r.Int(nation_);
    r.Int(schiriEigenschaften_);
    return r.Ok();
}

}  // namespace v3
