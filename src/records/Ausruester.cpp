#include "records/Ausruester.h"

#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CAusruester::CAusruester() : CV3Object("Ausruester"), name_(Platzhalter("NA")) {}

bool CAusruester::Name(const std::string& v) {
    return !v.empty() && v.size() <= kMaxName && SetRecordText(name_, v);
}

bool CAusruester::SpeichernV3Localized(CV3File& file, int) {
    name_ = TrimWhite(name_);
    return file.PutStr(name_);
}

bool CAusruester::LadenV3Localized(CV3File& file, int) {
    ValueReader r(file);
    r.Str(name_);
    return r.Ok();
}

}  // namespace v3
