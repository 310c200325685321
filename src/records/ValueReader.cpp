#include "records/ValueReader.h"

#include "records/Datum.h"
#include "records/V3File.h"

namespace v3 {

bool ValueReader::Int(int32_t& target) {
    int v = 0;
    if (!file_.GetInt(v)) return ok_ = false;
    target = v;
    return true;
}

bool ValueReader::Byte(uint8_t& target) {
    uint8_t v = 0;
    if (!file_.GetByte(v)) return ok_ = false;
    target = v;
    return true;
}

bool ValueReader::ULng(uint32_t& target) {
    uint32_t v = 0;
    if (!file_.GetULng(v)) return ok_ = false;
    target = v;
    return true;
}

bool ValueReader::Str(std::string& target) {
    std::string v;
    if (!file_.GetStr(v)) return ok_ = false;
    target = std::move(v);
    return true;
}

bool ValueReader::Str(std::string& target, size_t capacity) {
    std::string v;
    if (!file_.GetStr(v)) return ok_ = false;
    if (capacity == 0) v.clear();
    if (capacity > 0 && v.size() > capacity - 1) v.resize(capacity - 1);
    target = std::move(v);
    return true;
}

bool ValueReader::Datum(CDatum& target) {
    // The date line is parsed with layout 4 as CDatum::Laden does; only a line
    // that is really there may replace the date.
    std::string line;
    if (!file_.GetStr(line)) return ok_ = false;
    target.Init(line, 4);
    return true;
}

}  // namespace v3
