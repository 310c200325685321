#pragma once
// A former player: a player record plus the country and club he last played for.
// Also used for transfer records that carry a target or source country and club.
#include <cstdint>

#include "records/Spieler.h"

namespace v3 {

class CExSpieler : public CSpieler {
public:
    // A new player (see CSpieler) with no last club.
    CExSpieler() = default;

    // Takes every value of the player and the nation number and club number
    // (1-based within that nation's country) he comes from.
    void CopyDataFrom(const CSpieler& player, int nation, int verein);
    // Copies everything of another former player.
    void CopyDataFrom(const CExSpieler& other) { *this = other; }
    // Player values and the last club; the old-format marker is not compared.
    bool operator==(const CExSpieler& other) const;

    int LetzterVereinNation() const { return letzterVereinNation_; }
    bool LetzterVereinNation(int v);  // 0..255
    int LetzterVerein() const { return letzterVerein_; }
    bool LetzterVerein(int v);  // 0..255

    // Set when the record was made from the predecessor's data; not stored.
    bool FromOldFormat() const { return fromOldFormat_ != 0; }
    void SetFromOldFormat(bool on) { fromOldFormat_ = on ? 1 : 0; }

    // The player's "SPIELER" section, then the nation and club numbers after it.
    // Both stop at the first step that fails and return false then.
    bool SpeichernV3Localized(CV3File& file, int sprache) override;
    // The predecessor's former player: the player record, then the nation
    // number and club number of his last club; marks the record as made from
    // the predecessor's data. False when the record is not complete.
    bool Laden(CV3File& file);
    bool LadenV3Localized(CV3File& file, int sprache) override;
    using CSpieler::LadenV3Localized;
    using CSpieler::SpeichernV3Localized;

private:
    uint8_t fromOldFormat_ = 0;
    uint8_t letzterVereinNation_ = 0;
    uint8_t letzterVerein_ = 0;
};

}  // namespace v3
