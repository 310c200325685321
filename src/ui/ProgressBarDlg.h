#pragma once
// The progress windows of the long operations: modeless, without caption, the
// progress picture behind a bar and one status line.
#include "ui/DialogBM.h"

class QLabel;
class QProgressBar;

namespace v3 {

class CProgressBarDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CProgressBarDlg(QWidget* parent = nullptr, int layout = 213);

    void SetText(const QString& text);
    QString Text() const;
    void SetRange(int lower, int upper);
    void SetStep(int step) { step_ = step; }
    void SetPos(int pos);
    void StepIt();
    int Pos() const;
    QProgressBar* Bar() const { return bar_; }

private:
    QLabel* status_;
    QProgressBar* bar_;
    int step_ = 2;
};

// The same window in the layout of the choosing operations.
class CProgressBarAuswahlDlg : public CProgressBarDlg {
    Q_OBJECT
public:
    explicit CProgressBarAuswahlDlg(QWidget* parent = nullptr) : CProgressBarDlg(parent, 364) {}
};

}  // namespace v3
