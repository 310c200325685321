#include "platform/UserInterface.h"

#include <cstdio>

namespace v3 {

void ProgressState::Open(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    pos_ = lower;
    open_ = true;
}

void ProgressState::StepIt() {
    pos_ += step_;
    // A progress bar starts over when stepped past its end.
    if (pos_ > upper_) pos_ = lower_ + (pos_ - upper_);
}

MsgResult DefaultAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Retry;
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: break;
    }
    return MsgResult::Ok;
}

MsgResult SilentUserInterface::MessageBox(const std::string&, const std::string&,
                                          MsgButtons buttons, MsgIcon) {
    return DefaultAnswer(buttons);
}

MsgResult StderrUserInterface::MessageBox(const std::string& text, const std::string& caption,
                                          MsgButtons buttons, MsgIcon) {
    if (caption.empty())
        std::fprintf(stderr, "%s\n", text.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (buttons == MsgButtons::Ok) return MsgResult::Ok;
    if (yes_) return DefaultAnswer(buttons);
    return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
}

MsgResult ScriptedUserInterface::MessageBox(const std::string& text, const std::string& caption,
                                            MsgButtons buttons, MsgIcon icon) {
    MsgResult r = DefaultAnswer(buttons);
    if (buttons != MsgButtons::Ok && !answers_.empty()) {
        r = answers_.front();
        answers_.pop_front();
    }
    messages.push_back({text, caption, buttons, icon, r});
    return r;
}

void ScriptedUserInterface::ProgressOpen(const std::string& title, int lower, int upper) {
    progress.Open(lower, upper);
    progressTitles.push_back(title);
}

void ScriptedUserInterface::ProgressSetPos(int pos) {
    progress.SetPos(pos);
    progressPositions.push_back(pos);
}

void ScriptedUserInterface::ProgressStepIt() {
    progress.StepIt();
    progressPositions.push_back(progress.Pos());
}

}  // namespace v3
