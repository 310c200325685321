#pragma once
// The rules of the group editors: the eight groups of the European club
// competition in the first season and the groups of the European (four) and
// world (eight) championship.
#include <array>
#include <string>
#include <vector>

#include "records/ParticipantLookup.h"

namespace v3 {

// The data set as the participant rules of the group records see it.
class DataSetParticipants : public ParticipantLookup {
public:
    int NationCount() const override;
    const CNation* Nation(int nr) const override;
    int ClubCount(int land) const override;
};

// ---- "Europapokal-Gruppen 1. Saison" ----

class CLeagueGruppen {
public:
    static constexpr int kGruppen = 8, kTeilnehmer = 4;
    struct Teilnehmer {
        int land = -1;   // country index, -1 for none
        int verein = 0;  // club number, 0 for none
        bool Complete() const { return land >= 0 && verein > 0; }
        bool operator==(const Teilnehmer&) const = default;
    };
    using Gruppe = std::array<Teilnehmer, kTeilnehmer>;

    // Working copy of the data set's groups (a nation without a country of its
    // own gives a participant without country).
    CLeagueGruppen();

    // Countries offered: every country of the data set except a lender of the
    // bonus country, whose nation has no non-European mark, in index order.
    static std::vector<int> Countries();
    // The country's nation name; the bonus country with "Bonusland: " before it.
    static std::string CountryLine(int land);
    // Club numbers offered for a country: the clubs of its first league (all
    // its clubs when it has no league), and `current` when it is missing.
    static std::vector<int> Clubs(int land, int current = 0);
    static std::string ClubName(int land, int verein);

    Gruppe& At(int gruppe) { return gruppen_[size_t(gruppe)]; }
    const Gruppe& At(int gruppe) const { return gruppen_[size_t(gruppe)]; }
    // Leaving a group (another group button or OK): every participant needs a
    // country and a club, otherwise the first incomplete one is reported.
    bool Leave(int gruppe) const;
    // The repetition lines, one per pair of equal participants, in order.
    std::string Repetitions() const;
    // OK with group `shown` on display: Leave, then no repetition (all lines
    // in one box), then every group record gets its participants.
    bool Ok(int shown);

private:
    std::array<Gruppe, kGruppen> gruppen_{};
};

// ---- "Europameisterschaftsgruppen" (mode 1), "Weltmeisterschaftsgruppen" (mode 2) ----

class TurnierGruppen {
public:
    static constexpr int kPositionen = 4;
    using Gruppe = std::array<int, kPositionen>;  // nation numbers, 0 for none

    // Working copy of the European (mode 1) or world (mode 2) championship groups.
    explicit TurnierGruppen(int mode);

    int Mode() const { return mode_; }
    int GroupCount() const { return mode_ == 1 ? 4 : 8; }
    const char* Title() const { return mode_ == 1 ? "Europameisterschaftsgruppen" : "Weltmeisterschaftsgruppen"; }
    // Nations offered: the 37 countries' nations, then the nations of the
    // second table without a country; in mode 1 no nation with the
    // non-European mark. `current` is added when it is missing.
    std::vector<int> Nations(int current = 0) const;

    Gruppe& At(int gruppe) { return gruppen_[size_t(gruppe)]; }
    const Gruppe& At(int gruppe) const { return gruppen_[size_t(gruppe)]; }
    std::string Repetitions() const;
    // No nation twice (all lines in one box), then each group record gets its
    // nations in position order, stopping at the first it refuses.
    bool Ok();

private:
    int mode_;
    std::vector<Gruppe> gruppen_;
    std::vector<Gruppe> teams_;  // team numbers as read, kept for an unchanged nation
};

}  // namespace v3
