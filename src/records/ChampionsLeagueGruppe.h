#pragma once
// A group of the European club competition: up to four clubs, each named by
// its nation number and its club number within that nation's country.
#include <array>
#include <cstdint>

#include "records/V3Object.h"

namespace v3 {

class CV3File;
class ParticipantLookup;

class CChampionsLeagueGruppe : public CV3Object {
public:
    static constexpr int kMaxTeilnehmer = 4;

    explicit CChampionsLeagueGruppe(int gruppenNr = 0);

    int GruppenNr() const { return gruppenNr_; }
    int GetCount() const { return count_; }
    // 0 for an index outside 0..count - 1.
    int NationNr(int i) const;
    int TeamNr(int i) const;
    // False for a bad index or a slot without a club (nation or team 0).
    bool GetTeilnehmer(int i, int& nation, int& team) const;
    // Stores the pair in slot i when i is a slot, nation is a national team
    // (1 .. NationCount() - 1) that has a country and no NationWertA, and team
    // is 0 or a club number of that country.
    bool SetTeilnehmer(int i, int nation, int team, const ParticipantLookup& data);
    // True if one of the slots holds exactly this pair.
    bool IstVorhanden(int nation, int team) const;

    // The "CLEAGUEGRP" section: GruppenNr, count, then nation and team number
    // per slot. The reader refuses a count outside 0..4 (message naming the
    // file, false) and keeps the group as it was; slots beyond the count read
    // are cleared. A missing section leaves the group unchanged and gives false.
    bool SpeichernV3Localized(CV3File& file, int language);
    bool LadenV3Localized(CV3File& file, int language);

    bool operator==(const CChampionsLeagueGruppe& other) const;

    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    std::array<int32_t, kMaxTeilnehmer> nation_{};
    std::array<int32_t, kMaxTeilnehmer> team_{};
    int32_t gruppenNr_ = 0;
    int32_t count_ = kMaxTeilnehmer;
};

}  // namespace v3
