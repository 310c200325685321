#include "records/HalbzeitAnsprache.h"

#include <filesystem>
#include <system_error>

#include "base/Layout.h"
#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CHalbzeitAnsprache::CHalbzeitAnsprache() : CV3Object("CHalbzeitAnsprache") {}

bool CHalbzeitAnsprache::AnsprachenFileName(const std::string& name) {
    if (name.empty() || !IsRecordText(name)) return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(HostPath(std::string(".") + kDirAnsprachen + name), ec)) return false;
    fileName_ = name;
    return true;
}

bool CHalbzeitAnsprache::SpeichernV3Localized(CV3File& file, int) {
    fileName_ = TrimWhite(fileName_);
    bool ok = true;
    ok &= file.PutInt(typ_);
    ok &= file.PutStr(fileName_);
    return ok;
}

bool CHalbzeitAnsprache::LadenV3Localized(CV3File& file, int) {
    ValueReader r(file);
    r.Int(typ_);
    r.Str(fileName_);
    return r.Ok();
}

}  // namespace v3
