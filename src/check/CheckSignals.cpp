#include "check/CheckSignals.h"

#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

void CheckSignals::PercentText(const std::string& text) {
    Flush();
    emit percentText(QString::fromStdString(text));
}

void CheckSignals::ProgressRange(int lower, int upper, int step) {
    Flush();
    emit progressRange(lower, upper, step);
}

void CheckSignals::ProgressPos(int pos) {
    Flush();
    emit progressPos(pos);
}

void CheckSignals::Status(const std::string& text) {
    Flush();
    emit status(QString::fromStdString(text));
}

void CheckSignals::AddLine(const std::string& line) {
    pending_.append(Qt8(line));
    if (pending_.size() >= kBatch) Flush();
}

void CheckSignals::SelectLine(size_t index) { pendingSelect_ = int(index); }

void CheckSignals::Finished(uint64_t runId) {
    Flush();
    emit finished(quint64(runId));
}

void CheckSignals::Flush() {
    if (pending_.isEmpty() && pendingSelect_ < 0) return;
    emit linesAdded(pending_, pendingSelect_);
    pending_.clear();
    pendingSelect_ = -1;
}

}  // namespace v3
