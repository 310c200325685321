#pragma once
// "Vereine drucken": the clubs of the current country in a multiple
// selection; "Drucken" prints one sheet per selected club (in list order),
// for the pages chosen in the printer dialog.
#include <memory>
#include <vector>

#include "ui/DialogBM.h"
#include "check/PrinterChoice.h"

class QListWidget;
class QPainter;
class QPrinter;
class QPushButton;

namespace v3 {

class CVerein;
class PrintFonts;

class CVereineDrucken : public CDialogBM {
    Q_OBJECT
public:
    static constexpr int kLayout = 207;

    // Lists the clubs of App().AktuellesLand. `printer`: the program's printer
    // settings, or null for a printer of its own.
    explicit CVereineDrucken(QWidget* parent = nullptr, QPrinter* printer = nullptr);
    ~CVereineDrucken() override;

    // "Drucken": closes without printing when nothing is selected, closes as
    // cancelled when there is no printer, else prints and closes.
    void OnOK();
    void accept() override { OnOK(); }

    // Paints the sheet of `club` on the painter's page (0.1 mm units scaled
    // by dotsPerUnit).
    void PrintVerein(QPainter& painter, const PrintFonts& fonts, double dotsPerUnit, const CVerein& club) const;

    QListWidget* Liste() const { return liste_; }
    QPushButton* DruckenButton() const { return drucken_; }
    const std::vector<const CVerein*>& Vereine() const { return vereine_; }

    // How printing chooses its printer; tests put their own in place.
    PrinterChooser choosePrinter = ChoosePrinter;

private:
    int land_;
    std::vector<const CVerein*> vereine_;
    QPrinter* printer_;
    std::unique_ptr<QPrinter> ownPrinter_;
    QListWidget* liste_ = nullptr;
    QPushButton* drucken_ = nullptr;
};

}  // namespace v3
