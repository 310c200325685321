#pragma once
// The core's only way to talk to the user: message boxes and a progress window.
// The desktop program implements it with Qt, v3tool on stderr, tests with a script.
#include <deque>
#include <string>
#include <vector>

namespace v3 {

// Caption of message boxes that name no caption of their own: the program's title.
inline constexpr const char* kProgrammTitel = "VOLTARO 3 - Dateneditor";

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Information, Warning, Question, Stop };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    // Texts are UTF-8. Returns the button the user chose.
    virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    // Progress window: opened with a title and a range, moved by position or step, closed.
    virtual void ProgressOpen(const std::string& title, int lower, int upper) = 0;
    virtual void ProgressSetStep(int step) = 0;
    virtual void ProgressSetPos(int pos) = 0;
    virtual void ProgressStepIt() = 0;
    virtual void ProgressSetText(const std::string& text) = 0;
    virtual void ProgressClose() = 0;
};

// Keeps the progress state that every implementation tracks the same way.
class ProgressState {
public:
    void Open(int lower, int upper);
    void SetStep(int step) { step_ = step; }
    void SetPos(int pos) { pos_ = pos; }
    void StepIt();
    int Pos() const { return pos_; }
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }
    bool IsOpen() const { return open_; }
    void Close() { open_ = false; }

private:
    int lower_ = 0, upper_ = 100, pos_ = 0, step_ = 10;
    bool open_ = false;
};

// Shows nothing and answers every question with its default: the first button
// (OK or Yes). Used where nobody can be asked.
class SilentUserInterface : public IUserInterface {
public:
    MsgResult MessageBox(const std::string&, const std::string&, MsgButtons buttons,
                         MsgIcon) override;
    void ProgressOpen(const std::string&, int lower, int upper) override { progress_.Open(lower, upper); }
    void ProgressSetStep(int step) override { progress_.SetStep(step); }
    void ProgressSetPos(int pos) override { progress_.SetPos(pos); }
    void ProgressStepIt() override { progress_.StepIt(); }
    void ProgressSetText(const std::string&) override {}
    void ProgressClose() override { progress_.Close(); }

protected:
    ProgressState progress_;
};

// Prints messages to stderr and answers questions with a fixed choice (v3tool).
class StderrUserInterface : public SilentUserInterface {
public:
    // yes: questions are answered Yes/OK; otherwise No/Cancel.
    explicit StderrUserInterface(bool yes) : yes_(yes) {}
    MsgResult MessageBox(const std::string& text, const std::string& caption,
                         MsgButtons buttons, MsgIcon icon) override;

private:
    bool yes_;
};

// Test double: records every message and progress call and answers from a script.
class ScriptedUserInterface : public IUserInterface {
public:
    struct Message {
        std::string text, caption;
        MsgButtons buttons;
        MsgIcon icon;
        MsgResult answer;
    };
    // Queues the answers of the next questions, in order. When the queue is
    // empty a question gets the first button of its set (OK or Yes).
    void Answer(MsgResult r) { answers_.push_back(r); }

    MsgResult MessageBox(const std::string& text, const std::string& caption,
                         MsgButtons buttons, MsgIcon icon) override;
    void ProgressOpen(const std::string& title, int lower, int upper) override;
    void ProgressSetStep(int step) override { progress.SetStep(step); }
    void ProgressSetPos(int pos) override;
    void ProgressStepIt() override;
    void ProgressSetText(const std::string& text) override { progressTexts.push_back(text); }
    void ProgressClose() override { progress.Close(); }

    std::vector<Message> messages;
    std::vector<std::string> progressTitles;
    std::vector<std::string> progressTexts;
    std::vector<int> progressPositions;  // every position reached, in order
    ProgressState progress;

private:
    std::deque<MsgResult> answers_;
};

MsgResult DefaultAnswer(MsgButtons buttons);

}  // namespace v3
