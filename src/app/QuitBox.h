#pragma once
// The exit box shown when the changed data set is about to be left.
#include "ui/DialogBM.h"
#include "shell/ExitQuestion.h"

class QPushButton;

namespace v3 {

class CQuitBox : public CDialogBM {
    Q_OBJECT
public:
    explicit CQuitBox(QWidget* parent = nullptr);
    // Shows the box; "Ja" saves, "Nein" leaves without saving, "Abbrechen" or
    // closing the box stays.
    QuitAnswer Ask();
    QuitAnswer Answer() const { return answer_; }

    QPushButton* JaButton() const { return ja_; }
    QPushButton* NeinButton() const { return nein_; }
    QPushButton* AbbrechenButton() const { return abbrechen_; }

    void OnCancel();   // "Abbrechen" or the box closed
    void OnCancel1();  // "Nein"

protected:
    void reject() override { OnCancel(); }

private:
    QuitAnswer answer_ = QuitAnswer::Stay;
    QPushButton* ja_;
    QPushButton* nein_;
    QPushButton* abbrechen_;
};

}  // namespace v3
