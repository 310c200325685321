#pragma once
// "Landkarte", the club editor's map page: the country's picture with the
// club's position; a left click where a club may stand moves it there.
#include <QPixmap>

#include "editors/verein/rules/Landkarte.h"
#include "ui/PropertySheetBM.h"

namespace v3 {

class CKartenBild : public QWidget {
    Q_OBJECT
public:
    CKartenBild(CLandkarte& karte, QWidget* parent);
    void Laden();
    QSize sizeHint() const override;

signals:
    void verschoben();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    CLandkarte& karte_;
    QPixmap bild_;
};

class CVereinsEditorLandkarte : public CPropertyPageBM {
    Q_OBJECT
public:
    explicit CVereinsEditorLandkarte(QWidget* parent = nullptr);
    // bonusStatus and bonusVordefiniert: the country's BonusLand and
    // BonusPredefined values. Texts in code page 1252.
    void Init(int land, int bonusStatus, int bonusVordefiniert, const std::string& vereinsName, int vereinsNummer,
              int x, int y);
    int XKoord() const { return karte_.X(); }
    int YKoord() const { return karte_.Y(); }
    CKartenBild* Bild() const { return bild_; }
    const CLandkarte& Karte() const { return karte_; }

private:
    CLandkarte karte_;
    CKartenBild* bild_;
};

}  // namespace v3
