#pragma once
// The kit page of the club editor ("Trikotsätze"), the kit dialog of the
// national teams and the controls both share: set choice, four colour lists,
// the pattern group, hooped socks and a preview drawn in the chosen colours.
#include <QWidget>
#include <array>

#include "editors/verein/rules/Trikots.h"
#include "ui/PropertySheetBM.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

namespace v3 {

// The shirt, shorts and socks of one kit set, drawn from the program's kit
// pictures in the set's colours and pattern.
class CTrikotVorschau : public QWidget {
    Q_OBJECT
public:
    explicit CTrikotVorschau(QWidget* parent = nullptr);
    void Zeige(const TRIKOTSATZ& satz);
    const TRIKOTSATZ& Satz() const { return satz_; }
    QSize sizeHint() const override { return {120, 190}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TRIKOTSATZ satz_{};
    QImage hemd_, hose_, stutzen_;
};

// The colour of kit colour 0..12 in the preview and the colour lists.
QColor TrikotFarbe(int farbe);

// The controls of the two kit sets over a CTrikotsaetze.
class CTrikotFelder : public QWidget {
    Q_OBJECT
public:
    explicit CTrikotFelder(QWidget* parent = nullptr);
    void InitWerte(const std::array<TRIKOTSATZ, 2>& saetze);
    // Stores the shown set, runs the rules and shows the set a rule names.
    bool CheckData();
    // Stores the shown set and gives both sets.
    std::array<TRIKOTSATZ, 2> SpeichereWerte();
    CTrikotVorschau* Vorschau() const { return vorschau_; }

private:
    TRIKOTSATZ AusFeldern() const;
    void Speichere();
    void Zeige();
    void Aktualisiere();

    CTrikotsaetze werte_;
    QButtonGroup* satzWahl_;
    QComboBox* trikot_;
    QComboBox* streifenFarbe_;
    QComboBox* hose_;
    QComboBox* stutzen_;
    QButtonGroup* streifen_;
    QCheckBox* ringel_;
    CTrikotVorschau* vorschau_;
    bool fuellt_ = false;
};

// "Trikotsätze", the club editor's kit page.
class CVereinsEditorTrikotsaetze : public CPropertyPageBM {
    Q_OBJECT
public:
    explicit CVereinsEditorTrikotsaetze(QWidget* parent = nullptr);
    // The club's twelve values: set 0, then set 1.
    void InitWerte(const std::array<TRIKOTSATZ, 2>& saetze) { felder_->InitWerte(saetze); }
    bool CheckData() { return felder_->CheckData(); }
    void SpeichereWerte(std::array<TRIKOTSATZ, 2>& saetze) { saetze = felder_->SpeichereWerte(); }
    CTrikotFelder* Felder() const { return felder_; }

private:
    CTrikotFelder* felder_;
};

// The kit dialog: edits two sets with the same controls and rules; on OK
// Saetze() holds them.
class CTrikotAuswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    CTrikotAuswahlDlg(const std::array<TRIKOTSATZ, 2>& saetze, const QString& titel, QWidget* parent);
    const std::array<TRIKOTSATZ, 2>& Saetze() const { return saetze_; }
    CTrikotFelder* Felder() const { return felder_; }

private:
    void OnOK();
    CTrikotFelder* felder_;
    std::array<TRIKOTSATZ, 2> saetze_;
};

}  // namespace v3
