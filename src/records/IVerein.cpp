#include "records/IVerein.h"

#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

bool CIVerein::Name(const std::string& text) {
    return SetRecordText(name_, text);
}

bool CIVerein::SpeichernV3Localized(CV3File& file, int) {
    name_ = TrimWhite(name_);
    if (!file.NewSection("IVEREIN")) return false;
    bool ok = file.PutStr(name_);
    ok = file.PutInt(kennzahl_) && ok;
    return file.EndSection(1) && ok;
}

bool CIVerein::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("IVEREIN")) return false;
    ValueReader r(file);
    r.Str(name_);
    r.Int(kennzahl_);
    file.EndSection(1);
    return true;
}

}  // namespace v3
