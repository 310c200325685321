#pragma once
// Where a data-check run shows what it does: the dialog's controls, the
// output of v3tool, or a test's record. Every call comes from the thread that
// runs the check, in the order the run makes them; the dialog's
// implementation passes them on as queued signals.
#include <cstddef>
#include <cstdint>
#include <string>

namespace v3 {

class ICheckSink {
public:
    virtual ~ICheckSink() = default;
    // The percentage text: empty (blanked), "%3i%%" while running, "100%" at the end.
    virtual void PercentText(const std::string& text) = 0;
    virtual void ProgressRange(int lower, int upper, int step) = 0;
    virtual void ProgressPos(int pos) = 0;
    // The status line (UTF-8): "Erstelle Liste...", "Suche...", "Fertig.".
    virtual void Status(const std::string& text) = 0;
    // One result line (code page 1252); a pair's separator is a line of one blank.
    virtual void AddLine(const std::string& line) = 0;
    // Selects the result line at `index` (0-based, counted over every line added).
    virtual void SelectLine(size_t index) = 0;
    // The run's last call: it has ended (finished or stopped); `runId` is the
    // id the run was started with.
    virtual void Finished(uint64_t runId) = 0;
};

}  // namespace v3
