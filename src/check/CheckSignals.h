#pragma once
// The data check's way into its dialog: the run calls the sink on its own
// thread, and every call leaves as a signal that the dialog receives queued
// on the user-interface thread. Result lines travel in batches (flushed
// before every other signal and at the end), so that a long list does not
// flood the event queue; their order is kept.
#include <QObject>
#include <QStringList>

#include "check/core/CheckSink.h"

namespace v3 {

class CheckSignals : public QObject, public ICheckSink {
    Q_OBJECT
public:
    // Lines per batch at most.
    static constexpr int kBatch = 256;

    using QObject::QObject;

    void PercentText(const std::string& text) override;
    void ProgressRange(int lower, int upper, int step) override;
    void ProgressPos(int pos) override;
    void Status(const std::string& text) override;
    void AddLine(const std::string& line) override;
    void SelectLine(size_t index) override;
    void Finished(uint64_t runId) override;

signals:
    void percentText(const QString& text);
    void progressRange(int lower, int upper, int step);
    void progressPos(int pos);
    void status(const QString& text);
    // Lines (UTF-8) to append; select >= 0 is the line to select afterwards.
    void linesAdded(const QStringList& lines, int select);
    void finished(quint64 runId);

private:
    void Flush();

    // Touched by the running check's thread only.
    QStringList pending_;
    int pendingSelect_ = -1;
};

}  // namespace v3
