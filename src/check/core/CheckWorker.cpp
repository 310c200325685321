#include "check/core/CheckWorker.h"

#include "check/core/DatenCheck.h"

namespace v3 {

CheckWorker::~CheckWorker() {
    RequestStop();
    Join();
}

uint64_t CheckWorker::Start(CheckKind kind, CheckRun run) {
    if (thread_.joinable()) return 0;
    stop_.store(false);
    run_ = std::move(run);
    run_.stop = &stop_;
    run_.runId = ++runId_;
    // The thread reads run_, which stays untouched until it is joined.
    thread_ = std::thread([this, kind] {
        if (kind == CheckKind::DatenCheck)
            DatenCheck(run_);
        else
            SuchePerson(run_);
    });
    return runId_;
}

void CheckWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace v3
