#pragma once
// "Ligenzusammensetzung": which clubs of a country start in which league, in
// last season's order, with last season's flags. The rules live in
// CLigazusammensetzung; the dialog shows them and forwards the user's actions.
#include <QListWidget>
#include <array>
#include <memory>

#include "editors/liga/rules/Ligazusammensetzung.h"
#include "ui/DialogBM.h"

class QMenu;
class QPushButton;
class QRadioButton;

namespace v3 {

class CLand;

// The league list: its lines are reordered by drag and drop (or Alt+Up and
// Alt+Down); the move itself is left to the rules.
class CLigaListe : public QListWidget {
    Q_OBJECT
public:
    explicit CLigaListe(QWidget* parent);
signals:
    void Verschoben(int von, int nach);

protected:
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CLigazusammensetzungDlg : public CDialogBM {
    Q_OBJECT
public:
    // mode 0: a country with a league system; mode 1: any other country.
    CLigazusammensetzungDlg(CLand& land, int mode, QWidget* parent);
    ~CLigazusammensetzungDlg() override;

    CLigazusammensetzung& Regeln() { return regeln_; }
    QListWidget* LigaListe() const { return liga_; }
    QListWidget* RestListe() const { return rest_; }
    QRadioButton* LigaKnopf(int m) const { return radio_[size_t(m)]; }
    // The context menu of a league line (built, not shown); its actions carry
    // the flag in their data.
    std::unique_ptr<QMenu> KontextMenu(int zeile);
    // The 12 x 12 picture of a status; null for none.
    QIcon Bild(int32_t status) const;

private:
    void OnRadioLiga(int m);
    void OnButtonToLiga();
    void OnButtonToRest();
    void OnRclickListLiga(const QPoint& pos);
    void OnOK();
    void FuelleLiga(const std::vector<int>& auswahl = {});
    void FuelleRest();

    CLigazusammensetzung regeln_;
    CLigaListe* liga_;
    QListWidget* rest_;
    std::array<QRadioButton*, 6> radio_{};
    QPushButton* zurLiga_;
    QPushButton* zumRest_;
    QPixmap bilder_;
};

// Opens the dialog for the current country; true when it was closed with OK.
bool RunLigazusammensetzungDialog(QWidget* parent, int mode);

}  // namespace v3
