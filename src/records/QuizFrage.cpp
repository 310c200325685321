#include "records/QuizFrage.h"

#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/ValueReader.h"

namespace v3 {

CQuizFrage::CQuizFrage() : CV3Object("QuizFrage") {
    frage_ = Platzhalter("FR");
    for (auto& a : antworten_) a = Platzhalter("AN");
}

const std::string& CQuizFrage::Antwort(int index) const {
    static const std::string kNone;
    return index >= 0 && index < kAntworten ? antworten_[index] : kNone;
}

bool CQuizFrage::Antwort(int index, const std::string& v) {
    if (index < 0 || index >= kAntworten) return false;
    return SetRecordText(antworten_[index], v);
}

bool CQuizFrage::SpeichernV3Localized(CV3File& file, int) {
    frage_ = TrimWhite(frage_);
    for (auto& a : antworten_) a = TrimWhite(a);
    if (!file.NewSection("QUIZFRAGE")) return false;
    bool ok = file.PutStr(frage_);
    for (const auto& a : antworten_) ok &= file.PutStr(a);
    ok &= file.EndSection(1);
    return ok;
}

bool CQuizFrage::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("QUIZFRAGE")) return false;
    ValueReader r(file);
    r.Str(frage_);
    for (auto& a : antworten_) r.Str(a);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
