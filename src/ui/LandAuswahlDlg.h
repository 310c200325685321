#pragma once
// The country chooser: the league countries, all countries, the national teams
// (with the further nations marked) or, in modes 8 and 9, the clubs whose
// coach or manager is to be swapped.
#include <optional>
#include <vector>

#include "ui/DialogBM.h"
#include "shell/CountryChooser.h"

class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace v3 {

class CVerein;

class CLandAuswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    // The menu passes no club list, layout 469 and no excluded clubs.
    CLandAuswahlDlg(int auswahlModus, const std::vector<const CVerein*>* clubs = nullptr, int layout = 469,
                    const CVerein* excluded1 = nullptr, const CVerein* excluded2 = nullptr,
                    QWidget* parent = nullptr);
    ~CLandAuswahlDlg() override;

    // The chosen line's value after OK: a country position, a nation number
    // (mode 11) or the position of the chosen club line (modes 8, 9).
    std::optional<int> Choice() const { return choice_; }
    // Mode 11: the chosen nation number, else -1.
    int NationNummer() const { return mode_ == 11 && choice_ ? *choice_ : -1; }
    // Modes 8 and 9: the chosen club.
    const CVerein* Verein() const;

    const ChooserModel& Model() const { return model_; }
    QListWidget* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }

    // "Editieren" (or "Weiter", "OK"): takes the selected line or says that one is missing.
    void OnOK();

private:
    int mode_;
    ChooserModel model_;
    std::optional<int> choice_;
    std::unique_ptr<CPicture> marker_;
    QListWidget* list_;
    QPushButton* ok_;
};

// The pool chooser for the international player pools.
class CLandauswaehlenDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CLandauswaehlenDlg(QWidget* parent = nullptr);
    // The 0-based position of the chosen pool.
    int Pool() const;
    void SetPool(int pool);

private:
    std::vector<QRadioButton*> radios_;
};

// Answers an open country or pool chooser with its offer number `offer` (a
// line of the list, a pool) and closes it with OK; false when the dialog is
// no chooser. For the menu walk and the program's screenshots of editors.
bool AnswerChooser(QDialog* dlg, int offer);

}  // namespace v3
