#include "records/ChampionsLeagueGruppe.h"

#include "base/Layout.h"
#include "records/Nation.h"
#include "records/ParticipantLookup.h"
#include "records/ReadCount.h"
#include "records/V3File.h"

namespace v3 {

CChampionsLeagueGruppe::CChampionsLeagueGruppe(int gruppenNr)
    : CV3Object("CChampionsLeagueGruppe"), gruppenNr_(gruppenNr) {}

int CChampionsLeagueGruppe::NationNr(int i) const { return i >= 0 && i < count_ ? nation_[i] : 0; }
int CChampionsLeagueGruppe::TeamNr(int i) const { return i >= 0 && i < count_ ? team_[i] : 0; }

bool CChampionsLeagueGruppe::GetTeilnehmer(int i, int& nation, int& team) const {
    if (i < 0 || i >= count_ || nation_[i] == 0 || team_[i] == 0) return false;
    nation = nation_[i];
    team = team_[i];
    return true;
}

bool CChampionsLeagueGruppe::SetTeilnehmer(int i, int nation, int team, const ParticipantLookup& data) {
    if (i < 0 || i >= count_) return false;
    // Nation 0 is never a participant; negative numbers name no team at all.
    if (nation <= 0 || nation >= data.NationCount()) return false;
    const int land = v3::NationNr(nation);
    if (land < 0) return false;
    const CNation* n = data.Nation(nation);
    if (n == nullptr || n->NationWertA() != 0) return false;
    if (team < 0 || team > data.ClubCount(land)) return false;
    nation_[i] = nation;
    team_[i] = team;
    return true;
}

bool CChampionsLeagueGruppe::IstVorhanden(int nation, int team) const {
    for (int i = 0; i < count_; ++i)
        if (nation_[i] == nation && team_[i] == team) return true;
    return false;
}

bool CChampionsLeagueGruppe::SpeichernV3Localized(CV3File& file, int) {
    if (!file.NewSection("CLEAGUEGRP")) return false;
    bool ok = file.PutInt(gruppenNr_);
    ok = file.PutInt(count_) && ok;
    for (int i = 0; i < count_; ++i) {
        ok = file.PutInt(nation_[i]) && ok;
        ok = file.PutInt(team_[i]) && ok;
    }
    return file.EndSection(1) && ok;
}

bool CChampionsLeagueGruppe::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("CLEAGUEGRP")) return false;
    int gruppenNr = gruppenNr_;
    int count = 0;
    file.GetInt(gruppenNr);
    if (!ReadCount(file, count, 0, kMaxTeilnehmer, "CLEAGUEGRP")) {
        file.EndSection(1);
        return false;
    }
    std::array<int32_t, kMaxTeilnehmer> nation{}, team{};
    for (int i = 0; i < count; ++i) {
        file.GetInt(nation[i]);
        file.GetInt(team[i]);
    }
    file.EndSection(1);
    gruppenNr_ = gruppenNr;
    count_ = count;
    nation_ = nation;
    team_ = team;
    return true;
}

bool CChampionsLeagueGruppe::operator==(const CChampionsLeagueGruppe& o) const {
    return nation_ == o.nation_ && team_ == o.team_ && gruppenNr_ == o.gruppenNr_ && count_ == o.count_;
}

}  // namespace v3
