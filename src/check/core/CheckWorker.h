#pragma once
// The one thread that runs a data check while its dialog stays responsive.
// The owner starts a run, may ask it to stop, and joins the thread once the
// run has reported its end (ICheckSink::Finished). Destroying the worker
// stops a run still going and waits for it.
#include <atomic>
#include <cstdint>
#include <thread>

#include "check/core/CheckRun.h"

namespace v3 {

enum class CheckKind { DatenCheck, SuchePerson };

class CheckWorker {
public:
    CheckWorker() = default;
    ~CheckWorker();
    CheckWorker(const CheckWorker&) = delete;
    CheckWorker& operator=(const CheckWorker&) = delete;

    // Starts `run` on a new thread with this worker's stop flag (cleared
    // first) and a new run id, which it returns. The data, the working copies
    // and the sink must outlive the run. Refused (0) while a thread has not
    // been joined.
    uint64_t Start(CheckKind kind, CheckRun run);
    // Asks the running check to stop; it ends after its current entry.
    void RequestStop() { stop_.store(true); }
    // Waits for the thread to end; nothing when none runs.
    void Join();
    // A thread was started and not yet joined.
    bool Active() const { return thread_.joinable(); }
    // Id of the last run started (0 before the first).
    uint64_t RunId() const { return runId_; }
    std::atomic<bool>& StopFlag() { return stop_; }

private:
    std::atomic<bool> stop_{false};
    uint64_t runId_ = 0;
    CheckRun run_;
    std::thread thread_;
};

}  // namespace v3
