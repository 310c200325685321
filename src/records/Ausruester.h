#pragma once
// A kit supplier. Written without a section of its own, at the writer's
// current place inside the caller's section.
#include <string>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CAusruester : public CV3Object {
public:
    static constexpr size_t kMaxName = 20;

    // Name "NA%0.6d".
    CAusruester();

    const std::string& Name() const { return name_; }
    bool Name(const std::string& v);  // 1..20 characters

    // The name at the current place; the writer trims it first. Both return
    // false when the value could not be written or read.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

    friend bool operator==(const CAusruester& a, const CAusruester& b) { return a.name_ == b.name_; }

private:
    std::string name_;
};

}  // namespace v3
