#pragma once
// A group of a national-team tournament (European or world championship):
// a group number and any number of slots, each a nation number and a team number.
#include <cstdint>
#include <vector>

#include "base/Layout.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;
class ParticipantLookup;

class CTurnierGruppe : public CV3Object {
public:
    // No group can hold more teams than there are national teams.
    static constexpr int kMaxTeilnehmer = kAnzahlNationen;

    // A group with count empty slots (clamped to 0..kMaxTeilnehmer).
    explicit CTurnierGruppe(int count = 4, int gruppenNr = 0);

    int GruppenNr() const { return gruppenNr_; }
    int GetCount() const { return int(nation_.size()); }
    // 0 for an index outside 0..count - 1.
    int NationNr(int i) const;
    int TeamNr(int i) const;
    // Stores the pair in slot i when i is a slot, nation is a national team
    // (1 .. NationCount() - 1) and, when the nation has a country, team is
    // 0 .. that country's number of clubs.
    bool SetTeilnehmer(int i, int nation, int team, const ParticipantLookup& data);
    bool IstVorhanden(int nation, int team) const;
    // count <= 0 empties the group; otherwise the first min(old, count) slots
    // are kept and new slots are empty. A count above kMaxTeilnehmer is
    // refused (false, group unchanged).
    bool Resize(int count);

    // The "TURNIERGRP" section: group number, count, then nation and team
    // number per slot; the reader resizes the group to the count it reads. A
    // count outside 0..kMaxTeilnehmer is refused (message naming the file,
    // false, group unchanged), as is a missing section.
    bool SpeichernV3Localized(CV3File& file, int language);
    bool LadenV3Localized(CV3File& file, int language);

    bool operator==(const CTurnierGruppe& other) const;

    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    int32_t gruppenNr_ = 0;
    std::vector<int32_t> nation_;
    std::vector<int32_t> team_;
};

}  // namespace v3
