#pragma once
// "Vereinseditor": the club editor with its six tabs "Verein", "Allgemein",
// "Trikotsätze", "Wappen", "Landkarte" and "Vorsitzender", and the buttons
// "Verein speichern", "Verein einlesen" and "Stadion".
#include <QString>
#include <array>
#include <filesystem>
#include <functional>

#include "editors/verein/rules/VereinsEditor.h"
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

class CVereinsEditorTrikotsaetze;
class CVereinsEditorWappen;
class CVereinsEditorLandkarte;

// A spin box with the text of its value beside it.
class CStufe : public QWidget {
    Q_OBJECT
public:
    CStufe(const char* const* texte, int anzahl, QWidget* parent);
    QSpinBox* Box() const { return box_; }
    int Wert() const;
    void Wert(int v);

private:
    QSpinBox* box_;
    QLabel* text_;
    const char* const* texte_;
};

class CVereinsEditorVerein : public CPropertyPageBM {
    Q_OBJECT
public:
    explicit CVereinsEditorVerein(QWidget* parent = nullptr);
    void Fuellen(const SeiteVerein& s);
    // The typed values; nothing when a text cannot be held (shown).
    std::optional<SeiteVerein> Lesen() const;

    QLineEdit* name;
    QLineEdit* fanbezeichnung;
    std::array<QPushButton*, 2> phrasen{};
    std::array<QSpinBox*, 4> tabelle{};  // Punkte, Spiele, Erzielte Tore, Kassierte Tore

private:
    void Phrasen();
    int satzBau_ = 0;
};

class CVereinsEditorAllgemein : public CPropertyPageBM {
    Q_OBJECT
public:
    CVereinsEditorAllgemein(CVereinsEditor& ed, QWidget* parent = nullptr);
    void Fuellen(const SeiteAllgemein& s);
    std::optional<SeiteAllgemein> Lesen() const;

    QLineEdit* kuerzel;
    QPushButton* art;
    QLabel* artText;
    QCheckBox *pokal, *medien, *ag;
    QComboBox *fanFreund, *erzRivale, *amateur;
    QLabel* amateurLabel;
    QLineEdit* anfeuerung;
    QLabel* staerke;
    CStufe *fanaufkommen, *maxFan, *fanArt, *hooligans, *finanz;
    QSpinBox* guthaben;
    QLabel* guthabenText;
    std::array<QSpinBox*, 6> titel{};
    QSpinBox* gruendung;
    QGroupBox* regional;
    QRadioButton *nord, *sued;

private:
    void AmateurFuellen();
    void OnAmateur(int index);
    CVereinsEditor& ed_;
    int artikel_ = 0;
};

class CVereinsEditorVorsitzender : public CPropertyPageBM {
    Q_OBJECT
public:
    CVereinsEditorVorsitzender(const CVereinsEditor& ed, QWidget* parent = nullptr);
    void Fuellen(const SeiteVorsitzender& s);
    std::optional<SeiteVorsitzender> Lesen() const;

    QLineEdit *name, *vorname;
    QSpinBox *tag, *monat, *jahr;
    CStufe *vorstand, *opposition;

private:
    void Normalisieren();
    bool normalisiert_ = false;
};

class CVereinsEditorDlg : public CPropertySheetBM {
    Q_OBJECT
public:
    // wappen: the editor's crest file (host path), prepared by the selection.
    CVereinsEditorDlg(const CVerein& verein, Liste<CVerein>& vereine, int amateure, int bonus, int land,
                      const std::filesystem::path& wappen, QWidget* parent);

    CVereinsEditor& Editor() { return ed_; }
    CVereinsEditorVerein* SeiteVereinW() const { return verein_; }
    CVereinsEditorAllgemein* SeiteAllgemeinW() const { return allgemein_; }
    CVereinsEditorTrikotsaetze* SeiteTrikots() const { return trikots_; }
    CVereinsEditorWappen* SeiteWappen() const { return wappen_; }
    CVereinsEditorLandkarte* SeiteLandkarte() const { return karte_; }
    CVereinsEditorVorsitzender* SeiteVorsitzenderW() const { return vorsitz_; }

    // The file chosen for "Verein speichern" (true) or "Verein einlesen";
    // empty cancels. The file dialog by default; tests put their own.
    std::function<QString(bool speichern)> dateiWahl;

private:
    bool SeiteSpeichern(int seite);
    void SeiteLaden(int seite);
    void OnTab(int seite);
    void OnOK();
    void OnSpeichern();
    void OnEinlesen();
    void OnStadion();

    CVereinsEditor ed_;
    std::filesystem::path wappenDatei_;
    CVereinsEditorVerein* verein_;
    CVereinsEditorAllgemein* allgemein_;
    CVereinsEditorTrikotsaetze* trikots_;
    CVereinsEditorWappen* wappen_;
    CVereinsEditorLandkarte* karte_;
    CVereinsEditorVorsitzender* vorsitz_;
    int seite_ = 0;
    bool wechselt_ = false;
};

}  // namespace v3
