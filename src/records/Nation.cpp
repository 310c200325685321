#include "records/Nation.h"

#include "records/RecordText.h"
#include "records/V3File.h"

namespace v3 {

CNation::CNation() : CV3Object("CNation") {
    // The short name takes its running number before the name does.
    kuerzel_ = Platzhalter("NT");
    name_ = Platzhalter("NA");
}

bool CNation::Name(const std::string& text) {
    return text.size() >= 3 && SetRecordText(name_, text);
}

bool CNation::Kuerzel(const std::string& text) {
    return SetRecordText(kuerzel_, text);
}

bool CNation::Nr(int v) {
    nr_ = v;
    return true;
}

bool CNation::NationWertA(uint16_t v) {
    wertA_ = v;
    return true;
}

bool CNation::NationWertB(uint16_t v) {
    wertB_ = v;
    return true;
}

int CNation::TrikotSatz(std::array<TRIKOTSATZ, 2>& sets, int which, bool write) {
    if (which < 0 || which > 2) return -1;
    const int first = which == 2 ? 0 : which;
    const int last = which == 2 ? 1 : which;
    if (write) {
        for (int s = first; s <= last; ++s)
            if (!sets[s].Packable()) return -1;
        for (int s = first; s <= last; ++s) kits_[s] = sets[s];
    } else {
        for (int s = first; s <= last; ++s) sets[s] = kits_[s];
    }
    return which;
}

bool CNation::TrikotSatz(int trikot, int hose, int stutzen, int ringelsocken, int streifen, int streifenfarbe,
                         int set) {
    if (set < 0 || set > 1) return false;
    const TRIKOTSATZ kit{trikot, hose, stutzen, streifen, streifenfarbe, ringelsocken};
    if (!kit.Packable()) return false;
    kits_[set] = kit;
    return true;
}

bool CNation::Write(CV3File& file) {
    if (!file.NewSection("NATION")) return false;
    bool ok = file.PutStr(name_);
    // Both 16-bit values in one number; built from the bit patterns so that any
    // pair of values comes back unchanged.
    ok = file.PutInt(int32_t((uint32_t(wertB_) << 16) | wertA_)) && ok;
    ok = file.PutStr(kuerzel_) && ok;
    ok = WriteKit(file, kits_[0]) && ok;
    ok = WriteKit(file, kits_[1]) && ok;
    return file.EndSection(1) && ok;
}

bool CNation::Read(CV3File& file) {
    if (!file.FindSection("NATION")) return false;
    file.GetStr(name_);
    int packed = 0;
    if (file.GetInt(packed)) {
        wertA_ = uint16_t(uint32_t(packed) & 0xFFFFu);
        wertB_ = uint16_t(uint32_t(packed) >> 16);
    }
    file.GetStr(kuerzel_);
    ReadKit(file, kits_[0]);
    ReadKit(file, kits_[1]);
    file.EndSection(1);
    return true;
}

int CNation::SpeichernV3(CV3File& file) { return Write(file) ? 1 : 0; }
int CNation::LadenV3(CV3File& file) { return Read(file) ? 1 : 0; }
bool CNation::SpeichernV3Localized(CV3File& file, int) { return Write(file); }
bool CNation::LadenV3Localized(CV3File& file, int) {
    Read(file);
    return true;
}

bool CNation::operator==(const CNation& o) const {
    return name_ == o.name_ && wertA_ == o.wertA_ && wertB_ == o.wertB_ && kuerzel_ == o.kuerzel_ &&
           kits_ == o.kits_ && nr_ == o.nr_;
}

}  // namespace v3
