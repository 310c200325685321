#pragma once
// A quiz question with four answers.
#include <array>
#include <string>

#include "records/RecordText.h"
#include "records/V3Object.h"

namespace v3 {

class CV3File;

class CQuizFrage : public CV3Object {
public:
    static constexpr int kAntworten = 4;

    // Question "FR%0.6d", then answers 1..4, each "AN%0.6d" with its own number.
    CQuizFrage();

    const std::string& Frage() const { return frage_; }
    bool Frage(const std::string& v) { return SetRecordText(frage_, v); }
    // Answers by index 0..3; another index reads an empty text and is refused.
    const std::string& Antwort(int index) const;
    bool Antwort(int index, const std::string& v);

    // The "QUIZFRAGE" section; the writer trims the texts first. The reader
    // returns false when the section or some of its values are missing.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    int SpeichernV3(CV3File& file) override { return SpeichernV3Localized(file, 0) ? 1 : 0; }
    int LadenV3(CV3File& file) override { return LadenV3Localized(file, 0) ? 1 : 0; }
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

    friend bool operator==(const CQuizFrage& a, const CQuizFrage& b) {
        return a.frage_ == b.frage_ && a.antworten_ == b.antworten_;
    }

private:
    std::string frage_;
    std::array<std::string, kAntworten> antworten_;
};

}  // namespace v3
