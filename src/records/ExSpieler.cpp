#include "records/ExSpieler.h"

#include "records/V3File.h"

namespace v3 {

void CExSpieler::CopyDataFrom(const CSpieler& player, int nation, int verein) {
    CSpieler::operator=(player);
    letzterVereinNation_ = uint8_t(nation);
    letzterVerein_ = uint8_t(verein);
}

bool CExSpieler::operator==(const CExSpieler& o) const {
    return CSpieler::operator==(o) && letzterVereinNation_ == o.letzterVereinNation_ &&
           letzterVerein_ == o.letzterVerein_;
}

bool CExSpieler::LetzterVereinNation(int v) {
    if (v < 0 || v > 255) return false;
    letzterVereinNation_ = uint8_t(v);
    return true;
}

bool CExSpieler::LetzterVerein(int v) {
    if (v < 0 || v > 255) return false;
    letzterVerein_ = uint8_t(v);
    return true;
}

bool CExSpieler::SpeichernV3Localized(CV3File& file, int sprache) {
    return CSpieler::SpeichernV3Localized(file, sprache) && file.PutInt(letzterVereinNation_) &&
           file.PutInt(letzterVerein_);
}

bool CExSpieler::LadenV3Localized(CV3File& file, int sprache) {
    return CSpieler::LadenV3Localized(file, sprache) && file.GetByte(letzterVereinNation_) &&
           file.GetByte(letzterVerein_);
}

}  // namespace v3
