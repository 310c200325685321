#pragma once
// What the participant rules of the competition groups need to know about the
// data set. The data set implements it; tests supply small tables.
namespace v3 {

class CNation;

class ParticipantLookup {
public:
    virtual ~ParticipantLookup() = default;
    // Number of national-team records (the nation list).
    virtual int NationCount() const = 0;
    // The national team with nation number nr (0 <= nr < NationCount()), or null.
    virtual const CNation* Nation(int nr) const = 0;
    // Number of clubs of the country with this index; 0 for a country not loaded.
    virtual int ClubCount(int land) const = 0;
};

}  // namespace v3
