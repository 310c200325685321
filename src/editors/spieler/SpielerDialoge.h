#pragma once
// The dialogs around players: the former-player, transfer and fetch choosers
// (also for the squad editors), the pool of former players with its pages, the
// national squad editor and player overview, and the youth and amateur
// players of a country or of an international pool.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/spieler/rules/PlayerGroups.h"
#include "ui/DialogBM.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QComboBox;
class QPushButton;

namespace v3 {

class CSpielerSeiten;

// Former-player chooser: OK returns the chosen line.
class CExSpielerAuswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    CExSpielerAuswahlDlg(const std::vector<const CExSpieler*>& players, QWidget* parent = nullptr);
    // Index of the chosen player; none after Cancel or without a choice.
    std::optional<int> Chosen() const { return chosen_; }
    QListWidget* List() const { return list_; }
    void accept() override;

private:
    QListWidget* list_;
    std::optional<int> chosen_;
};

// Transfer chooser "Vereinsauswahl": a country, then one of its clubs with
// room (fewer than 35 players), never the player's own club.
class CSpielerWechselDlg : public CDialogBM {
    Q_OBJECT
public:
    CSpielerWechselDlg(const std::string& ownClub, const SquadSizes& sizes, QWidget* parent = nullptr);
    int Land() const { return land_; }
    int VereinsNummer() const { return verein_; }
    QListWidget* Countries() const { return countries_; }
    QListWidget* Clubs() const { return clubs_; }
    void accept() override;

private:
    void FillClubs();
    std::string ownClub_;
    const SquadSizes& sizes_;
    QListWidget *countries_, *clubs_;
    std::vector<int> countryIndex_;
    int land_ = -1, verein_ = -1;
};

// Fetch chooser "Spieler holen": country, club, player. In mode 1 (the squad
// editors) a club with fewer than 17 players gives none. In modes 2 and 3
// (ability or position n of the world's best players) the player list holds
// "Kein Spieler" and the club's candidates (FetchCandidates).
class CSpielerholenDlg : public CDialogBM {
    Q_OBJECT
public:
    CSpielerholenDlg(int mode, const std::string& ownClub, QWidget* parent = nullptr, int n = 0);
    // The chosen player as a record naming his country's nation and his club.
    std::unique_ptr<CExSpieler> TakeResult() { return std::move(result_); }
    // The chosen player of the data set and his club; both null after "Kein Spieler".
    const CSpieler* ChosenPlayer() const { return chosenPlayer_; }
    const CVerein* ChosenClub() const { return chosenClub_; }
    QListWidget* Countries() const { return countries_; }
    QListWidget* Clubs() const { return clubs_; }
    QListWidget* Players() const { return players_; }
    void accept() override;

private:
    const CVerein* Club() const;
    bool WithNone() const { return mode_ == kHolenFaehigkeit || mode_ == kHolenPosition; }
    int mode_;
    int n_;
    std::string ownClub_;
    QListWidget *countries_, *clubs_, *players_;
    std::vector<int> countryIndex_;
    std::vector<const CVerein*> clubList_;
    std::vector<const CSpieler*> playerList_;
    std::unique_ptr<CExSpieler> result_;
    const CSpieler* chosenPlayer_ = nullptr;
    const CVerein* chosenClub_ = nullptr;
};

// "Pool der ehemaligen Spieler": the former players with their pages; a right
// click offers "Wechseln" and "Löschen". OK puts the pool into the data set.
class CEhemaligeSpielerDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CEhemaligeSpielerDlg(QWidget* parent = nullptr);
    ~CEhemaligeSpielerDlg() override;
    QListWidget* List() const { return list_; }
    CSpielerSeiten* Seiten() const { return seiten_; }
    FormerPoolRules& Rules() { return rules_; }
    void OnWechseln();
    void OnLoeschen();
    void accept() override;

private:
    void Refill(int select);
    void OnSelect(int row);
    FormerPoolRules rules_;
    QListWidget* list_;
    CSpielerSeiten* seiten_;
    int current_ = -1;
};

// "Nationalmannschaft editieren" (mode 1, a nation's squad) or the overview
// of a given list of players (mode 0, nothing edited).
class CSpielerUebersichtDlg : public CDialogBM {
    Q_OBJECT
public:
    // Mode 1.
    CSpielerUebersichtDlg(int nation, QWidget* parent = nullptr);
    // Mode 0.
    CSpielerUebersichtDlg(std::vector<SquadEntry> players, QWidget* parent = nullptr);
    QListWidget* SquadList() const { return squad_; }
    QListWidget* CandidateList() const { return candidates_; }
    void OnHinzufuegen();
    void OnEntfernen();
    void accept() override;

private:
    void Build(bool edit);
    void Refill();
    int mode_;
    std::unique_ptr<NationalSquadRules> rules_;
    std::vector<SquadEntry> overview_;
    OverviewColumn column_ = OverviewColumn::None;
    QListWidget* squad_;
    QListWidget* candidates_ = nullptr;
    QLabel* count_ = nullptr;
};

// "Jugendspieler editieren": first and last name and, for a country's
// players, the club.
class CJugendspielerNameDlg : public CDialogBM {
    Q_OBJECT
public:
    CJugendspielerNameDlg(YouthRules& rules, size_t index, QWidget* parent = nullptr);
    QLineEdit* Vorname() const { return vorname_; }
    QLineEdit* Nachname() const { return nachname_; }
    QComboBox* Verein() const { return verein_; }
    void accept() override;

private:
    YouthRules& rules_;
    size_t index_;
    int shownClub_ = 0;
    QLineEdit *vorname_, *nachname_;
    QComboBox* verein_;
};

// "Jugend- und Amateurspieler - <country or pool>".
class CJugendspielerAuswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    CJugendspielerAuswahlDlg(YouthRules rules, const QString& where, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    YouthRules& Rules() { return rules_; }
    // "Editieren" or a double-click.
    void OnEditieren();
    void accept() override;

private:
    void Refill(int select);
    YouthRules rules_;
    QListWidget* list_;
};

}  // namespace v3
