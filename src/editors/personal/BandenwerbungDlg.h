#pragma once
// The sponsors of a country with their perimeter boards: the list of names,
// renaming in place, the font dialog, the colour field (left button text
// colour, right button background colour), the company size and a preview of
// the board as the save will write it.
#include <QDialog>
#include <QImage>
#include <memory>

#include "editors/personal/rules/PersonalRules.h"
#include "ui/DialogBM.h"

class QCheckBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace v3 {

class CLand;

// The 16 colour squares. The left mouse button (or Space on the square with
// the focus frame) picks the text colour, the right button (or Shift+Space)
// the background colour; the arrow keys move the focus frame.
class CFarbFeld : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSpalten = 8;
    static constexpr int kKante = 22;
    explicit CFarbFeld(QWidget* parent);
    // The palette indexes marked as text and background colour.
    void Markieren(int text, int hintergrund);
    // The square of position 0..15, in widget coordinates.
    QRect Feld(int position) const;
    QSize sizeHint() const override;

signals:
    void textFarbe(int index);
    void hintergrundFarbe(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int text_ = -1;
    int hintergrund_ = -1;
    int fokus_ = 0;
};

// The font dialog: screen fonts, sizes 10..36 points, bold, italic, underline
// and strike-out. A stored face that is not installed is shown by the face the
// system puts in its place; it counts as changed only when another is picked.
class CSchriftDlg : public CDialogBM {
    Q_OBJECT
public:
    CSchriftDlg(QWidget* parent, const SponsorFont& font);
    SchriftWahl Wahl() const;

    QFontComboBox* Face() const { return face_; }
    QSpinBox* Groesse() const { return groesse_; }
    QCheckBox* Fett() const { return fett_; }

private:
    SchriftWahl start_;
    QString startFamilie_;
    QFontComboBox* face_;
    QSpinBox* groesse_;
    QCheckBox* fett_;
    QCheckBox* kursiv_;
    QCheckBox* unterstrichen_;
    QCheckBox* durchgestrichen_;
};

class CBandenwerbungDlg : public CDialogBM {
    Q_OBJECT
public:
    CBandenwerbungDlg(QWidget* parent, CLand& land);
    ~CBandenwerbungDlg() override;

    const CSponsorListe& Sponsoren() const { return liste_; }
    QListWidget* Liste() const { return namen_; }
    QLineEdit* Firmenname() const { return firma_; }
    CFarbFeld* FarbFeld() const { return farben_; }
    QPushButton* SchriftKnopf() const { return schrift_; }
    QLabel* Vorschau() const { return vorschau_; }
    // The board as the preview shows it (the save's picture, or a plain board
    // when the template cannot be read).
    const QImage& Bande() const { return bande_; }

private:
    void Auswaehlen(int i);
    void OnNameGeaendert(const QString& text);
    void OnSchrift();
    void Zeichnen();
    void OnOK();

    CLand& land_;
    CSponsorListe liste_;
    int aktuell_ = -1;
    QString letzterName_;
    QImage bande_;
    QListWidget* namen_;
    QLineEdit* firma_;
    QPushButton* schrift_;
    QLabel* vorschau_;
    CFarbFeld* farben_;
    QSpinBox* groesse_;
    QLabel* groesseText_;
};

}  // namespace v3
