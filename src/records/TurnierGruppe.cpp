#include "records/TurnierGruppe.h"

#include <algorithm>

#include "records/ParticipantLookup.h"
#include "records/ReadCount.h"
#include "records/V3File.h"

namespace v3 {

CTurnierGruppe::CTurnierGruppe(int count, int gruppenNr) : CV3Object("CTurnierGruppe"), gruppenNr_(gruppenNr) {
    Resize(std::clamp(count, 0, kMaxTeilnehmer));
}

int CTurnierGruppe::NationNr(int i) const { return i >= 0 && i < GetCount() ? nation_[i] : 0; }
int CTurnierGruppe::TeamNr(int i) const { return i >= 0 && i < GetCount() ? team_[i] : 0; }

bool CTurnierGruppe::SetTeilnehmer(int i, int nation, int team, const ParticipantLookup& data) {
    if (i < 0 || i >= GetCount()) return false;
    // Nation 0 is never a participant; negative numbers name no team at all.
    if (nation <= 0 || nation >= data.NationCount()) return false;
    const int land = v3::NationNr(nation);
    if (land >= 0 && (team < 0 || team > data.ClubCount(land))) return false;
    nation_[i] = nation;
    team_[i] = team;
    return true;
}

bool CTurnierGruppe::IstVorhanden(int nation, int team) const {
    for (int i = 0; i < GetCount(); ++i)
        if (nation_[i] == nation && team_[i] == team) return true;
    return false;
}

bool CTurnierGruppe::Resize(int count) {
    if (count > kMaxTeilnehmer) return false;
    if (count <= 0) {
        nation_.clear();
        nation_.shrink_to_fit();
        team_.clear();
        team_.shrink_to_fit();
        return true;
    }
    nation_.resize(size_t(count), 0);
    team_.resize(size_t(count), 0);
    return true;
}

bool CTurnierGruppe::SpeichernV3Localized(CV3File& file, int) {
    if (!file.NewSection("TURNIERGRP")) return false;
    bool ok = file.PutInt(gruppenNr_);
    ok = file.PutInt(GetCount()) && ok;
    for (int i = 0; i < GetCount(); ++i) {
        ok = file.PutInt(nation_[i]) && ok;
        ok = file.PutInt(team_[i]) && ok;
    }
    return file.EndSection(1) && ok;
}

bool CTurnierGruppe::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("TURNIERGRP")) return false;
    CTurnierGruppe read(*this);
    int count = 0;
    file.GetInt(read.gruppenNr_);
    if (!ReadCount(file, count, 0, kMaxTeilnehmer, "TURNIERGRP")) {
        file.EndSection(1);
        return false;
    }
    read.Resize(count);
    for (int i = 0; i < count; ++i) {
        file.GetInt(read.nation_[i]);
        file.GetInt(read.team_[i]);
    }
    file.EndSection(1);
    *this = std::move(read);
    return true;
}

bool CTurnierGruppe::operator==(const CTurnierGruppe& o) const {
    return gruppenNr_ == o.gruppenNr_ && nation_ == o.nation_ && team_ == o.team_;
}

}  // namespace v3
