#pragma once
// The competition editors: names of a country's leagues and cup, names of the
// European club competitions, championship hosts, the five-year ranking and
// the groups of the European club competition and of the championships.
#include <array>
#include <optional>
#include <vector>

#include "editors/wettbewerb/rules/Gruppen.h"
#include "editors/wettbewerb/rules/Wettbewerbe.h"
#include "ui/DialogBM.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace v3 {

// "Nationale Wettbewerbe - <country>".
class CNationaleWettbewerbeDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CNationaleWettbewerbeDlg(int land, QWidget* parent = nullptr);
    QLineEdit* Name(int row) const { return namen_[size_t(row)]; }
    QLineEdit* Kuerzel(int row) const { return kuerzel_[size_t(row)]; }
    QLineEdit* Pokal() const { return pokal_; }
    void OnOK();

private:
    NationaleWettbewerbe rules_;
    std::vector<QLineEdit*> namen_, kuerzel_;
    QLineEdit* pokal_;
};

// "Internationale Wettbewerbe".
class CInternationaleWettbewerbeDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CInternationaleWettbewerbeDlg(QWidget* parent = nullptr);
    QLineEdit* Feld(int i) const { return felder_[size_t(i)]; }
    void OnOK();

private:
    InternationaleWettbewerbe rules_;
    std::array<QLineEdit*, 2> felder_{};
};

// "EM-/WM- Austragungsorte": the hosts offered for one tournament.
class CWMEMAendernDlg : public CDialogBM {
    Q_OBJECT
public:
    CWMEMAendernDlg(const QString& text, const std::vector<int>& nations, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    int Chosen() const;

private:
    std::vector<int> nations_;
    QListWidget* list_;
};

// "Europa- und Weltmeisterschaften".
class CWMEMDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CWMEMDlg(QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    WMEMRules& Rules() { return rules_; }
    // "Editieren" or a double click on the selected line.
    void OnEditieren();

private:
    void Refill(int select);
    WMEMRules rules_;
    QListWidget* list_;
};

// The six values of one nation in the ranking.
class CUEFAWertungAendernDlg : public CDialogBM {
    Q_OBJECT
public:
    CUEFAWertungAendernDlg(const UEFAWertung::Zeile& zeile, QWidget* parent = nullptr);
    QSpinBox* Wert(int season) const { return jetzt_[size_t(season)]; }
    std::array<int, UEFAWertung::kSaisons> Werte() const;

private:
    void UpdateSum();
    std::array<QSpinBox*, UEFAWertung::kSaisons> jetzt_{};
    QLabel* summe_;
};

// "EP-5-Jahres-Wertung".
class CUEFAWertungDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CUEFAWertungDlg(QWidget* parent = nullptr);
    QTreeWidget* List() const { return list_; }
    UEFAWertung& Rules() { return rules_; }
    void OnDblclk(int row);

private:
    void Refill(int select);
    UEFAWertung rules_;
    QTreeWidget* list_;
};

// "Europapokal-Gruppen 1. Saison".
class CChampionsLeagueGruppenDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CChampionsLeagueGruppenDlg(QWidget* parent = nullptr);
    QPushButton* GroupButton(int g) const { return gruppenKnoepfe_[size_t(g)]; }
    QComboBox* Land(int i) const { return laender_[size_t(i)]; }
    QComboBox* Verein(int i) const { return vereine_[size_t(i)]; }
    int Shown() const { return shown_; }
    // A group button: keeps the shown group's choices, then shows group g.
    void OnGruppe(int g);
    void OnOK();

private:
    void Keep();
    void Show(int g);
    void FillClubs(int i, int verein);
    CLeagueGruppen rules_;
    std::vector<int> countries_;
    std::array<QPushButton*, CLeagueGruppen::kGruppen> gruppenKnoepfe_{};
    std::array<QComboBox*, CLeagueGruppen::kTeilnehmer> laender_{}, vereine_{};
    int shown_ = 0;
};

// "Europameisterschaftsgruppen" (mode 1) or "Weltmeisterschaftsgruppen" (mode 2).
class CLaenderTurnierEditorDlg : public CDialogBM {
    Q_OBJECT
public:
    CLaenderTurnierEditorDlg(int mode, QWidget* parent = nullptr);
    QPushButton* GroupButton(int g) const { return gruppenKnoepfe_[size_t(g)]; }
    QComboBox* Position(int i) const { return positionen_[size_t(i)]; }
    void OnGruppe(int g);
    void OnOK();

private:
    void Keep();
    void Show(int g);
    TurnierGruppen rules_;
    std::array<QPushButton*, 8> gruppenKnoepfe_{};
    std::array<QComboBox*, TurnierGruppen::kPositionen> positionen_{};
    int shown_ = 0;
};

}  // namespace v3
