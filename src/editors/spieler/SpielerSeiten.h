#pragma once
// The player's property pages as Qt pages over their rules, and the tab control
// that holds the six player pages for one player at a time. A page is filled
// from a record, shows what its rules hold after each user action, and writes
// back (false, with its message shown, keeps the user on it).
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "editors/spieler/rules/PlayerPages.h"
#include "ui/PropertySheetBM.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace v3 {

class CSpieler;
class CTrainerUndCo;
class CManager;

// Text typed into a widget as code page 1252; false (with the message shown)
// when it holds a character that code page cannot hold.
bool TypedText(const QLineEdit* edit, std::string& out);
QString FromRecord(const std::string& cp1252);

class CSpielerPage : public CPropertyPageBM {
    Q_OBJECT
public:
    using CPropertyPageBM::CPropertyPageBM;
    virtual void Fill(CSpieler& player) = 0;
    virtual bool WriteBack(CSpieler& player) = 0;

signals:
    // The player's names or first nationality changed (the list line is rewritten).
    void namesChanged();
    // The main position changed.
    void mainPositionChanged();

protected:
    // A line under the page naming the values from the file that had to be
    // shown clamped; hidden when there are none.
    void ShowRepaired(const std::vector<std::string>& fields);
    QLabel* repairedLabel_ = nullptr;
};

class CSpielerPersoenlicheDaten1Page : public CSpielerPage {
    Q_OBJECT
public:
    explicit CSpielerPersoenlicheDaten1Page(QWidget* parent = nullptr);
    void SetContext(const PlayerData1Rules::Context& c) { rules_.SetContext(c); }
    void Fill(CSpieler& player) override;
    bool WriteBack(CSpieler& player) override;
    PlayerData1Rules& Rules() { return rules_; }
    // "Spieler doppelt?": validates the page and searches the data set for
    // other persons with this player's names.
    void OnSpielerDoppelt();
    QLineEdit* NachnameEdit() const { return nachname_; }
    QLineEdit* VornameEdit() const { return vorname_; }
    QSpinBox* StaerkeSpin() const { return staerke_; }
    QComboBox* TalentCombo() const { return talent_; }
    QComboBox* FussCombo() const { return fuss_; }

private:
    void Show();
    PlayerData1Rules rules_;
    CSpieler* player_ = nullptr;
    bool namesEdited_ = false;
    QLineEdit *nachname_, *vorname_, *kuenstler_;
    QSpinBox *tag_, *monat_, *jahr_, *staerke_, *nummer_;
    QComboBox *talent_, *fuss_;
    QLabel *alter_, *nummerLabel_, *schnitt_;
};

class CSpielerPersoenlicheDaten2Page : public CSpielerPage {
    Q_OBJECT
public:
    explicit CSpielerPersoenlicheDaten2Page(QWidget* parent = nullptr);
    void Fill(CSpieler& player) override;
    bool WriteBack(CSpieler& player) override;
    PlayerData2Rules& Rules() { return rules_; }
    QComboBox* Nation2Combo() const { return nation2_; }
    QButtonGroup* Haarfarbe() const { return haar_; }
    QButtonGroup* Hautfarbe() const { return haut_; }

private:
    void Show();
    PlayerData2Rules rules_;
    QComboBox *nation_, *nation2_;
    QCheckBox *inlaender_, *national_, *zurueck_, *kapitaen_;
    std::array<QCheckBox*, 4> bart_{};
    QButtonGroup *haut_, *haar_, *haarTyp_;
    QGroupBox* haarTypBox_;
};

class CSpielerPositionenPage : public CSpielerPage {
    Q_OBJECT
public:
    explicit CSpielerPositionenPage(QWidget* parent = nullptr);
    void Fill(CSpieler& player) override;
    bool WriteBack(CSpieler& player) override;
    PlayerPositionsRules& Rules() { return rules_; }
    QButtonGroup* Haupt() const { return haupt_; }
    QCheckBox* Neben(int position) const { return neben_[size_t(position)]; }

private:
    void Show();
    PlayerPositionsRules rules_;
    QButtonGroup* haupt_;
    std::array<QCheckBox*, 11> neben_{};
    QGroupBox* nebenBox_;
    QLabel* torwartHinweis_;
};

class CSpielerFaehigkeitenPage : public CSpielerPage {
    Q_OBJECT
public:
    explicit CSpielerFaehigkeitenPage(QWidget* parent = nullptr);
    void Fill(CSpieler& player) override;
    bool WriteBack(CSpieler& player) override;
    PlayerAbilitiesRules& Rules() { return rules_; }
    // The "+" (plus) or "¯" box of ability n in the field or keeper column.
    QCheckBox* Box(bool keeper, int n, bool plus) const;

private:
    void Show();
    PlayerAbilitiesRules rules_;
    // [column][ability][plus/minus]
    std::array<std::array<std::array<QCheckBox*, 2>, 17>, 2> boxes_{};
    QGroupBox *feld_, *torwart_;
};

class CSpielerEigenschaften1Page : public CSpielerPage {
    Q_OBJECT
public:
    explicit CSpielerEigenschaften1Page(QWidget* parent = nullptr);
    void Fill(CSpieler& player) override;
    bool WriteBack(CSpieler& player) override;
    PlayerTraitsRules& Rules() { return rules_; }
    QCheckBox* Box(PlayerTraitsRules::Group g, int n) const { return boxes_[size_t(g)][size_t(n)]; }

private:
    void Show();
    PlayerTraitsRules rules_;
    std::array<std::array<QCheckBox*, 17>, 2> boxes_{};
};

class CSpielerEigenschaften2Page : public CSpielerPage {
    Q_OBJECT
public:
    explicit CSpielerEigenschaften2Page(QWidget* parent = nullptr);
    void Fill(CSpieler& player) override;
    bool WriteBack(CSpieler& player) override;
    QButtonGroup* Gesundheit() const { return verletzung_; }
    QButtonGroup* Publikum() const { return publikum_; }

private:
    void Show();
    PlayerHealthRules rules_;
    QButtonGroup *verletzung_, *publikum_;
};

// "Trainer" and "Manager".
class CStaffPage : public CPropertyPageBM {
    Q_OBJECT
public:
    CStaffPage(bool trainer, QWidget* parent = nullptr);
    void Fill(const CTrainerUndCo& t);
    void Fill(const CManager& m);
    bool WriteBack(CTrainerUndCo& t);
    bool WriteBack(CManager& m);
    StaffPageRules& Rules() { return rules_; }

private:
    bool TakeNames();
    void Show();
    StaffPageRules rules_;
    QLineEdit *nachname_, *vorname_;
    QSpinBox *tag_, *monat_, *jahr_, *kompetenz_;
    QComboBox* ruf_ = nullptr;
    QLabel* alter_;
};

class CSpielerTrainerEigenschaftenPage : public CStaffPage {
    Q_OBJECT
public:
    explicit CSpielerTrainerEigenschaftenPage(QWidget* parent = nullptr) : CStaffPage(true, parent) {}
};

class CSpielerManagerEigenschaftenPage : public CStaffPage {
    Q_OBJECT
public:
    explicit CSpielerManagerEigenschaftenPage(QWidget* parent = nullptr) : CStaffPage(false, parent) {}
};

// The six player pages in a tab control, working on one player record at a
// time. Leaving a page writes it back; a page that refuses keeps its tab.
class CSpielerSeiten : public CTabCtrlBM {
    Q_OBJECT
public:
    explicit CSpielerSeiten(QWidget* parent = nullptr);
    // Shows `player` (null: nothing, the pages disabled); fills the page shown.
    void SetPlayer(CSpieler* player);
    CSpieler* Player() const { return player_; }
    // Writes back the page shown; false keeps the user on it.
    bool WriteCurrent();
    CSpielerPersoenlicheDaten1Page* Daten1() const { return daten1_; }
    CSpielerPersoenlicheDaten2Page* Daten2() const { return daten2_; }
    CSpielerPositionenPage* Positionen() const { return positionen_; }
    CSpielerFaehigkeitenPage* Faehigkeiten() const { return faehigkeiten_; }
    CSpielerEigenschaften1Page* Eig1() const { return eig1_; }
    CSpielerEigenschaften2Page* Eig2() const { return eig2_; }
    CSpielerPage* Page(int i) const;

signals:
    void namesChanged();

private:
    void OnTabBarClicked(int index);
    CSpieler* player_ = nullptr;
    int shown_ = 0;
    CSpielerPersoenlicheDaten1Page* daten1_;
    CSpielerPersoenlicheDaten2Page* daten2_;
    CSpielerPositionenPage* positionen_;
    CSpielerFaehigkeitenPage* faehigkeiten_;
    CSpielerEigenschaften1Page* eig1_;
    CSpielerEigenschaften2Page* eig2_;
};

}  // namespace v3
