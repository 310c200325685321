#include "records/Reporter.h"

#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CReporter::CReporter() : CV3Object("CReporter") {
    sender_ = Platzhalter("SE");
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("VN");
}

bool CReporter::SpeichernV3Localized(CV3File& file, int) {
    sender_ = TrimWhite(sender_);
    nachname_ = TrimWhite(nachname_);
    vorname_ = TrimWhite(vorname_);
    if (!file.NewSection("REPORTER")) return false;
    bool ok = true;
    ok &= file.PutStr(sender_);
    ok &= file.PutStr(nachname_);
    ok &= file.PutStr(vorname_);
    ok &= file.PutInt(einstellung_);
    ok &= file.EndSection(1);
    return ok;
}

bool CReporter::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("REPORTER")) return false;
    ValueReader r(file);
    r.Str(sender_);
    r.Str(nachname_);
    r.Str(vorname_);
    r.Int(einstellung_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
