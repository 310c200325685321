#pragma once
// "Trikoteditor für Nationalteams": the list of nations; a double-click or
// "Bearbeiten" opens the kit dialog on the nation's two sets.
#include <array>

#include "editors/verein/rules/Trikots.h"
#include "ui/DialogBM.h"

class QListWidget;

namespace v3 {

class CTrikotVorschau;

class CNationalteamTrikotDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CNationalteamTrikotDlg(QWidget* parent);
    QListWidget* Liste() const { return liste_; }
    const CNationalteamTrikots& Werte() const { return werte_; }

private:
    void OnBearbeiten();
    void OnOK();
    void ZeigeVorschau();
    CNationalteamTrikots werte_;
    QListWidget* liste_;
    std::array<CTrikotVorschau*, 2> vorschau_{};
};

// Opens the dialog; true when it was closed with OK (the kits are then in the data set).
bool RunNationalteamTrikotDialog(QWidget* parent);

}  // namespace v3
