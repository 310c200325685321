#include "records/FanChant.h"

#include "base/AppState.h"
#include "base/Layout.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

bool FanChant::SpielerName(const std::string& v) {
    if (!SetRecordText(spielerName_, v)) return false;
    isSpielerGesang_ = v.empty() ? 0 : 1;
    return true;
}

bool FanChant::Land(int32_t v) {
    if (v < 0 || v >= kAnzahlNationen) return false;
    land_ = v;
    return true;
}

bool FanChant::Verein(int32_t v) {
    if (v < -1) return false;
    verein_ = v;
    return true;
}

bool FanChant::Gegner(int32_t v) {
    if (v < -1) return false;
    gegner_ = v;
    return true;
}

bool FanChant::Art(int32_t v) {
    if (v < 0 || v >= kArten) return false;
    art_ = v;
    return true;
}

bool FanChant::Haeufigkeit(int32_t v) {
    if (v < 0 || v >= kHaeufigkeiten) return false;
    haeufigkeit_ = v;
    return true;
}

bool FanChant::Write(CV3File& file, bool trimText) {
    if (trimText) text_ = TrimWhite(text_);
    bool ok = true;
    ok &= file.PutStr(text_);
    ok &= file.PutInt(land_);
    ok &= file.PutInt(verein_);
    ok &= file.PutInt(gegner_);
    ok &= file.PutInt(art_);
    ok &= file.PutInt(haeufigkeit_);
    ok &= file.PutInt(isSpielerGesang_);
    ok &= file.PutStr(spielerName_);
    return ok;
}

bool FanChant::LadenV3Localized(CV3File& file, int) {
    ValueReader r(file);
    r.Str(text_);
    r.Int(land_);
    r.Int(verein_);
    r.Int(gegner_);
    r.Int(art_);
    r.Int(haeufigkeit_);
    r.Byte(isSpielerGesang_);
    r.Str(spielerName_);
    return r.Ok();
}

void KorrigiereFangesang(FanChant& c) {
    if (c.Land() != App().NationNummer[0]) return;
    if (c.Verein() > kMaxVereinsNummerLand0)
        c.Verein(0);
    else if (c.Gegner() > kMaxVereinsNummerLand0)
        c.Gegner(0);
}

}  // namespace v3
