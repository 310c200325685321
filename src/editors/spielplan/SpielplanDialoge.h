#pragma once
// The fixture editor (league chooser and matchday editor) and the general
// settings ("Kleinigkeiten").
#include <array>
#include <vector>

#include "editors/spieler/rules/PlayerGroups.h"
#include "editors/spielplan/rules/Kleinigkeiten.h"
#include "editors/spielplan/rules/Spielplan.h"
#include "ui/DialogBM.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace v3 {

// "Spielplanauswahl - <country>": the playing leagues; "Editieren" (or a
// double click) opens the matchday editor, "Übernehmen" keeps the results.
class CSpielplanAuswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    CSpielplanAuswahlDlg(int land, QWidget* parent = nullptr);
    QListWidget* Liste() const { return liste_; }
    SpielplanAuswahl& Rules() { return rules_; }
    void OnEditieren();
    void accept() override;

private:
    SpielplanAuswahl rules_;
    QListWidget* liste_;
};

// "Spielplan  <league> - <country>": one matchday at a time.
class CSpielplanAendernDlg : public CDialogBM {
    Q_OBJECT
public:
    CSpielplanAendernDlg(int land, int ligaIndex, const CLiga& liga, QWidget* parent = nullptr);
    SpielplanEditor& Rules() { return rules_; }
    // Field `slot` (home of row 1, away of row 1, home of row 2, ...).
    QPushButton* Feld(int slot) const { return felder_[size_t(slot)]; }
    QLabel* Trenner(int zeile) const { return trenner_[size_t(zeile)]; }
    QPushButton* SpieltagKnopf(int spieltag) const { return spieltage_[size_t(spieltag)]; }
    QListWidget* OhneGegner() const { return ohneGegner_; }
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Zeigen();
    void Waehlen(int eintrag);
    SpielplanEditor rules_;
    std::vector<QPushButton*> felder_;
    std::vector<QLabel*> trenner_;
    std::vector<QPushButton*> spieltage_;
    QButtonGroup* spieltagGruppe_;
    QListWidget* ohneGegner_;
};

// "Kleinigkeiten": the general settings.
class CKleinigkeitenDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CKleinigkeitenDlg(QWidget* parent = nullptr);
    KleinigkeitenRules& Rules() { return rules_; }
    QSpinBox* Startjahr() const { return startjahr_; }
    QSpinBox* Steuersatz() const { return steuersatz_; }
    QSpinBox* Auswechslungen() const { return auswechslungen_; }
    // The cup buttons: the three winners, then the two final grounds.
    QPushButton* PokalKnopf(int i) const { return pokalKnoepfe_[size_t(i)]; }
    QLabel* PokalVerein(int i) const { return pokalVereine_[size_t(i)]; }
    void accept() override;

private:
    VereinWahl& Wahl(int i);
    void Waehlen(int i);
    void GeburtsjahrGrenzen();
    KleinigkeitenRules rules_;
    SquadSizes alleVereine_;  // no squad limit: every club may be chosen
    QSpinBox *startjahr_, *steuersatz_, *auswechslungen_;
    QLineEdit *name_, *vorname_;
    QSpinBox *tag_, *monat_, *jahr_;
    std::array<QPushButton*, 5> pokalKnoepfe_{};
    std::array<QLabel*, 5> pokalVereine_{};
};

}  // namespace v3
