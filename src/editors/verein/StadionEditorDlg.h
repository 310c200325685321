#pragma once
// "Stadion": the stadium editor. Works on a copy of the stadium; on OK the
// copy holds the result, which the club editor copies back.
#include <array>

#include "editors/verein/rules/StadionEditor.h"
#include "ui/DialogBM.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace v3 {

// A pair of arrows moving a position between two ends; "upper" is the end the
// up arrow moves towards (it may be the smaller number).
class CUpDown : public QWidget {
    Q_OBJECT
public:
    CUpDown(int lower, int upper, QWidget* parent);
    int Pos() const { return pos_; }
    void SetPos(int pos);
    // The up (true) or down arrow pressed: the position moves one step.
    void Schritt(bool hoch);

signals:
    // The new position and the arrow that moved it.
    void bewegt(int pos, bool hoch);

private:
    int lower_, upper_, pos_;
};

class CStadionEditorDlg : public CDialogBM {
    Q_OBJECT
public:
    CStadionEditorDlg(const CStadion& stadion, QWidget* parent);
    // The result after OK.
    const CStadion& Stadion() const { return ed_.Kopie(); }
    CStadionEditor& Editor() { return ed_; }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    struct Feld {
        QLineEdit* text = nullptr;
        CUpDown* updown = nullptr;
    };
    // Takes a place field's text; false when it was refused.
    bool FeldVerlassen(int stand, Platzart art);
    // Takes every place field whose text differs from its value.
    bool FelderLesen();
    void ZeigeFeld(int stand, Platzart art);
    void ZeigeUebersicht();
    bool TexteLesen();
    void OnOK();

    CStadionEditor ed_;
    QLineEdit* name_;
    QLineEdit* ort_;
    std::array<std::array<Feld, 3>, 4> felder_;
    std::array<QCheckBox*, 4> dach_{};
    std::array<QCheckBox*, 4> heizung_{};
    std::array<CUpDown*, 4> zustand_{};
    std::array<QLabel*, 4> zustandText_{};
    QComboBox* heim_;
    QComboBox* gast_;
    QComboBox* tafel_;
    std::array<QLabel*, 6> uebersicht_{};
    bool inMeldung_ = false;
};

// Opens the stadium editor on a stadium and copies the result back on OK.
bool RunStadionEditor(CStadion& stadion, QWidget* parent);

}  // namespace v3
