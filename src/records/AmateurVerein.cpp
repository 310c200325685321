#include "records/AmateurVerein.h"

#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CAmateurVerein::CAmateurVerein() : CV3Object("AmateurVerein"), name_(Platzhalter("AV")) {}

bool CAmateurVerein::Name(const std::string& text) {
    return SetRecordText(name_, text);
}

bool CAmateurVerein::SpeichernV3Localized(CV3File& file, int) {
    name_ = TrimWhite(name_);
    if (!file.NewSection("AMATEURV")) return false;
    const bool ok = file.PutStr(name_);
    return file.EndSection(1) && ok;
}

bool CAmateurVerein::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("AMATEURV")) return false;
    ValueReader r(file);
    r.Str(name_);
    file.EndSection(1);
    return true;
}

}  // namespace v3
