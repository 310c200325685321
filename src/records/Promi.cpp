#include "records/Promi.h"

#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CPromi::CPromi() : CV3Object("CPromi") {
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("VN");
}

bool CPromi::Lieblingsverein(int32_t v) {
    if (v < 0) return false;
    lieblingsverein_ = v;
    return true;
}

bool CPromi::SpeichernV3Localized(CV3File& file, int) {
    nachname_ = TrimWhite(nachname_);
    vorname_ = TrimWhite(vorname_);
    if (!file.NewSection("PROMI")) return false;
    bool ok = true;
    ok &= file.PutStr(nachname_);
    ok &= file.PutStr(vorname_);
    ok &= file.PutInt(lieblingsverein_);
    ok &= file.EndSection(1);
    return ok;
}

bool CPromi::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("PROMI")) return false;
    ValueReader r(file);
    r.Str(nachname_);
    r.Str(vorname_);
    r.Int(lieblingsverein_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
