#include "records/EuroWM.h"

#include "records/V3File.h"

namespace v3 {

bool CEuroWM::SpeichernV3Localized(CV3File& file, int) const {
    bool ok = true;
    for (int32_t v : values_) ok = file.PutInt(v) && ok;
    return ok;
}

bool CEuroWM::LadenV3Localized(CV3File& file, int) {
    for (int32_t& v : values_) file.GetInt(v);
    return true;
}

}  // namespace v3
