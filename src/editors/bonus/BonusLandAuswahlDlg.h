#pragma once
// Besonderes -> "Neues Bonusland erzeugen": the nation the bonus country takes
// over ("Kein" removes it), the clubs' map and default crest (one of the nine
// predefined nations' pictures or the user's own files), yellow-card
// suspension, the players' hair and skin colours, league size, cup mode,
// relegated clubs and super cup. OK runs the checks of the bonus-country rules
// and stays open with their messages.
#include "dataset/BonusLand.h"
#include "ui/DialogBM.h"

class QButtonGroup;
class QComboBox;
class QSpinBox;

namespace v3 {

class CBonusLandAuswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    CBonusLandAuswahlDlg(QWidget* parent, const BonusLandAuswahl& vorbelegung);

    // The values as the widgets hold them now.
    BonusLandAuswahl Auswahl() const;

    // "Durchsuchen": a file dialog for the user's crest (bitmap) or map (JPEG).
    void OnWappenDurchsuchen();
    void OnKarteDurchsuchen();
    // Takes a chosen file as the user's crest or map (what the file dialogs do).
    void SetzeEigenesWappen(const QString& pfad);
    void SetzeEigeneKarte(const QString& pfad);

private:
    void OnOK();
    void SuperCupAnzeigen(int spiele);

    QComboBox* land_;
    QComboBox* karte_;
    QComboBox* wappen_;
    QComboBox* gelb_;
    QComboBox* liga_;
    QComboBox* pokal_;
    QSpinBox* absteiger_;
    QSpinBox* superCup_;
    QButtonGroup* haar_;
    QButtonGroup* haut_;
    std::string wappenDatei_;
    std::string karteDatei_;
};

}  // namespace v3
