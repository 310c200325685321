#include "records/VerbandsPraesident.h"

#include "base/AppState.h"
#include "records/V3File.h"
#include "records/V3Object.h"
#include "records/ValueReader.h"

namespace v3 {

CVerbandsPraesident::CVerbandsPraesident() { setDefaultPraesident(); }

void CVerbandsPraesident::setDefaultPraesident() {
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("VN");
    int year = App().Saisonstartjahr - 40 + App().random->Rand() % 10;
    int month = App().random->Rand() % 12 + 1;
    int day = App().random->Rand() % 31 + 1;
    geburtsDatum_ = CDatum();
    geburtsDatum_.Init(day, month, year, 0, 0, 0);
}

bool CVerbandsPraesident::SpeichernV3Localized(CV3File& file, int) {
    if (!file.NewSection("VPRAESID")) return false;
    bool ok = true;
    ok &= file.PutStr(vorname_);
    ok &= file.PutStr(nachname_);
    ok &= geburtsDatum_.Speichern(file) != 0;
    ok &= file.EndSection(1);
    return ok;
}

bool CVerbandsPraesident::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("VPRAESID")) return false;
    ValueReader r(file);
    r.Str(vorname_);
    r.Str(nachname_);
    r.Datum(geburtsDatum_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
