#include "records/Kleinigkeiten.h"

#include <cstdio>

#include "base/AppState.h"
#include "records/PersonDates.h"
#include "records/V3File.h"
#include "records/V3Object.h"
#include "records/ValueReader.h"

namespace v3 {

CKleinigkeiten::CKleinigkeiten() {
    vorname_ = Platzhalter("NV");
    nachname_ = Platzhalter("NA");
    geburtsDatum_ = DrawBirthDate(saisonstartjahr_, 31, 20);
    for (auto& name : competitionNames_) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "WETTBEWERB%02u", unsigned(Number()));
        name = buf;
    }
}

bool CKleinigkeiten::Saisonstartjahr(int32_t v) {
    if (v < kMinJahr || v > kMaxJahr) return false;
    saisonstartjahr_ = v;
    App().Saisonstartjahr = v;
    return true;
}

bool CKleinigkeiten::TaxRate(int v) {
    if (v < 0 || v > kMaxSteuersatz) return false;
    taxRate_ = uint8_t(v);
    return true;
}

bool CKleinigkeiten::FriendlySubstitutions(int32_t v) {
    if (v < kMinAuswechslungen || v > kMaxAuswechslungen) return false;
    friendlySubstitutions_ = v;
    return true;
}

const std::string& CKleinigkeiten::CompetitionName(int index) const {
    static const std::string kNone;
    return index >= 0 && index < int(competitionNames_.size()) ? competitionNames_[index] : kNone;
}

bool CKleinigkeiten::CompetitionName(int index, const std::string& v) {
    if (index < 0 || index >= int(competitionNames_.size())) return false;
    return SetRecordText(competitionNames_[index], v);
}

bool CKleinigkeiten::SpeichernV3Localized(CV3File& file, int) {
    bool ok = true;
    ok &= file.PutInt(saisonstartjahr_);
    ok &= file.PutInt(taxRate_);
    ok &= file.PutInt(friendlySubstitutions_);
    ok &= file.PutStr(vorname_);
    ok &= file.PutStr(nachname_);
    ok &= file.PutDatum(geburtsDatum_);
    for (const auto& name : competitionNames_) ok &= file.PutStr(name);
    return ok;
}

bool CKleinigkeiten::LadenV3Localized(CV3File& file, int) {
    ValueReader r(file);
    if (r.Int(saisonstartjahr_)) App().Saisonstartjahr = saisonstartjahr_;
    r.Byte(taxRate_);
    r.Int(friendlySubstitutions_);
    r.Str(vorname_);
    r.Str(nachname_);
    r.Datum(geburtsDatum_);
    for (auto& name : competitionNames_) r.Str(name);
    return r.Ok();
}

}  // namespace v3
