#include "records/Kritiker.h"

#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CKritiker::CKritiker() : CV3Object("CKritiker") {
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("VN");
}

bool CKritiker::SpeichernV3Localized(CV3File& file, int) {
    nachname_ = TrimWhite(nachname_);
    vorname_ = TrimWhite(vorname_);
    if (!file.NewSection("KRITIKER")) return false;
    bool ok = true;
    ok &= file.PutStr(nachname_);
    ok &= file.PutStr(vorname_);
    ok &= file.EndSection(1);
    return ok;
}

bool CKritiker::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("KRITIKER")) return false;
    ValueReader r(file);
    r.Str(nachname_);
    r.Str(vorname_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
