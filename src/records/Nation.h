#pragma once
// A national team: name, short name, two kit sets and its nation number.
#include <array>
#include <cstdint>
#include <string>

#include "records/Trikotsatz.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CNation : public CV3Object {
public:
    CNation();

    const std::string& Name() const { return name_; }
    bool Name(const std::string& text);  // at least 3 characters
    const std::string& Kuerzel() const { return kuerzel_; }
    bool Kuerzel(const std::string& text);  // any text on one line
    int Nr() const { return nr_; }
    bool Nr(int v);  // stored as given
    // Stored and copied; a NationWertA other than 0 keeps the nation out of the
    // club competition groups.
    uint16_t NationWertA() const { return wertA_; }
    bool NationWertA(uint16_t v);
    uint16_t NationWertB() const { return wertB_; }
    bool NationWertB(uint16_t v);

    // Copies kit set 1 (which = 0), set 2 (which = 1) or both (which = 2)
    // between the nation and sets (sets[0] is set 1, sets[1] set 2). write =
    // true stores sets into the nation; false copies the nation's sets into
    // sets. Returns which, or -1 when which is outside 0..2 or a set to be
    // stored is not Packable (the nation is then unchanged).
    int TrikotSatz(std::array<TRIKOTSATZ, 2>& sets, int which, bool write);
    // Sets kit set (0 or 1) from its parts; false, unchanged, for another set
    // number or a kit that is not Packable.
    bool TrikotSatz(int trikot, int hose, int stutzen, int ringelsocken, int streifen, int streifenfarbe,
                    int set);
    const TRIKOTSATZ& Kit(int set) const { return kits_[set == 1 ? 1 : 0]; }

    // The "NATION" section: Name, NationWertB * 65536 + NationWertA, Kuerzel,
    // then kit set 1 and kit set 2 as four values each (WriteKit). LadenV3
    // returns 0 when the section is missing, the localized reader true; a
    // missing section leaves the nation unchanged.
    int SpeichernV3(CV3File& file) override;
    int LadenV3(CV3File& file) override;
    bool SpeichernV3Localized(CV3File& file, int language);
    bool LadenV3Localized(CV3File& file, int language);

    bool operator==(const CNation& other) const;

    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    bool Write(CV3File& file);
    bool Read(CV3File& file);

    std::string name_;
    uint16_t wertA_ = 0;
    uint16_t wertB_ = 4;
    std::string kuerzel_;
    std::array<TRIKOTSATZ, 2> kits_{TRIKOTSATZ{0, 3, 0, 4, 3, 0}, TRIKOTSATZ{6, 6, 6, 0, 0, 0}};
    int32_t nr_ = -1;
};

}  // namespace v3
