#pragma once
// A half-time talk: a sound file of the talk folder and the kind of talk it is.
// Written without a section of its own, at the writer's current place.
#include <cstdint>
#include <string>

#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CHalbzeitAnsprache : public CV3Object {
public:
    // Talk kinds 0..12, "Begeisterung zeigen" .. "Wenn wir dieses Spiel verlieren...".
    static constexpr int kTypen = 13;

    // No file, kind -1 (none).
    CHalbzeitAnsprache();

    const std::string& AnsprachenFileName() const { return fileName_; }
    // Accepts the name only when ".\Ansprachen\" + name is an existing file.
    bool AnsprachenFileName(const std::string& name);
    int32_t AnsprachenTyp() const { return typ_; }
    // Stores any value.
    bool AnsprachenTyp(int32_t v) { typ_ = v; return true; }

    // Kind and file name at the current place; the writer trims the name
    // first. Both return false when a value could not be written or read.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    int SpeichernV3(CV3File& file) override { return SpeichernV3Localized(file, 0) ? 1 : 0; }
    int LadenV3(CV3File& file) override { return LadenV3Localized(file, 0) ? 1 : 0; }
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

    friend bool operator==(const CHalbzeitAnsprache& a, const CHalbzeitAnsprache& b) {
        return a.fileName_ == b.fileName_ && a.typ_ == b.typ_;
    }

private:
    std::string fileName_;
    int32_t typ_ = -1;
};

}  // namespace v3
