#include "records/Trikotsatz.h"

#include "records/V3File.h"

namespace v3 {

const std::array<const char*, kTrikotFarbenAnzahl> KitColourNames = {
    "weiß", "rot", "gelb", "blau", "hellgrün", "grün", "türkis",
    "hellblau", "braun", "lila", "orange", "schwarz", "weinrot"};

const std::array<const char*, kTrikotFarbenAnzahl> KitColourNamesCapitalised = {
    "Weiß", "Rot", "Gelb", "Blau", "Hellgrün", "Grün", "Türkis",
    "Hellblau", "Braun", "Lila", "Orange", "Schwarz", "Weinrot"};

namespace {
bool Nibble(int32_t v) { return v >= 0 && v <= 15; }
}  // namespace

bool TRIKOTSATZ::Packable() const {
    return Nibble(TrikotFarbe) && Nibble(Streifen) && Nibble(StutzenFarbe) && Nibble(Ringelsocken);
}

int32_t PackTrikot(const TRIKOTSATZ& set) { return set.TrikotFarbe + 16 * set.Streifen; }
int32_t PackStutzen(const TRIKOTSATZ& set) { return set.StutzenFarbe + 16 * set.Ringelsocken; }

void UnpackTrikot(int32_t packed, TRIKOTSATZ& set) {
    const uint32_t bits = uint32_t(packed);
    set.TrikotFarbe = int32_t(bits & 0xFu);
    set.Streifen = int32_t((bits >> 4) & 0xFu);
}

void UnpackStutzen(int32_t packed, TRIKOTSATZ& set) {
    const uint32_t bits = uint32_t(packed);
    set.StutzenFarbe = int32_t(bits & 0xFu);
    set.Ringelsocken = int32_t((bits >> 4) & 0xFu);
}

bool WriteKit(CV3File& file, const TRIKOTSATZ& set) {
    bool ok = file.PutInt(PackTrikot(set));
    ok = file.PutInt(set.StreifenFarbe) && ok;
    ok = file.PutInt(set.HosenFarbe) && ok;
    ok = file.PutInt(PackStutzen(set)) && ok;
    return ok;
}

bool ReadKit(CV3File& file, TRIKOTSATZ& set) {
    int v = 0;
    bool ok = true;
    if (file.GetInt(v)) UnpackTrikot(v, set); else ok = false;
    if (!file.GetInt(set.StreifenFarbe)) ok = false;
    if (!file.GetInt(set.HosenFarbe)) ok = false;
    if (file.GetInt(v)) UnpackStutzen(v, set); else ok = false;
    return ok;
}

void RepairHoopedSocks(TRIKOTSATZ& set) {
    if (set.Ringelsocken != 0 && set.StutzenFarbe == set.HosenFarbe)
        set.StutzenFarbe = set.HosenFarbe + 1 > kMaxTrikotFarbe ? 0 : set.HosenFarbe + 1;
}

}  // namespace v3
