#pragma once
// The media of a country: three reporters (names, broadcaster, attitude from
// "Böse" to "Lieb") and two critics. OK checks and writes through the rules.
#include <vector>

#include "ui/DialogBM.h"

class QLineEdit;
class QScrollBar;

namespace v3 {

class CLand;

class CMedienDlg : public CDialogBM {
    Q_OBJECT
public:
    CMedienDlg(QWidget* parent, CLand& land);

    struct ReporterFelder {
        QLineEdit* nachname;
        QLineEdit* vorname;
        QLineEdit* sender;
        QScrollBar* einstellung;
    };
    struct KritikerFelder {
        QLineEdit* nachname;
        QLineEdit* vorname;
    };
    const std::vector<ReporterFelder>& Reporter() const { return reporter_; }
    const std::vector<KritikerFelder>& Kritiker() const { return kritiker_; }

private:
    void OnOK();
    CLand& land_;
    std::vector<ReporterFelder> reporter_;
    std::vector<KritikerFelder> kritiker_;
};

}  // namespace v3
