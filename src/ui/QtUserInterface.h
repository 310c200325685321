#pragma once
// Messages, questions and the progress window of the desktop program: German
// buttons ("Ja", "Nein", "Abbrechen", "OK", "Wiederholen"), and a progress window
// that keeps the program painted while the work runs on the same thread.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/UserInterface.h"

namespace v3 {

class CProgressBarDlg;

class CQtUserInterface : public IUserInterface {
public:
    CQtUserInterface();
    ~CQtUserInterface() override;

    // The window that owns the boxes (the main frame once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }

    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void ProgressOpen(const std::string& title, int lower, int upper) override;
    void ProgressSetStep(int step) override;
    void ProgressSetPos(int pos) override;
    void ProgressStepIt() override;
    void ProgressSetText(const std::string& text) override;
    void ProgressClose() override;

    // The open progress window, or null.
    CProgressBarDlg* Progress() const { return progress_.get(); }

private:
    void KeepPainted();

    QPointer<QWidget> parent_;
    std::unique_ptr<CProgressBarDlg> progress_;
};

}  // namespace v3
