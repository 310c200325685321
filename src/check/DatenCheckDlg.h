#pragma once
// "Daten suchen und prüfen": the person search and the duplicate check of the
// whole data set, run on a worker thread while the dialog stays responsive.
// START turns into STOP while a run lasts; the result lines fill the list
// and can be printed. Closing during a run stops it first; the dialog closes
// once the worker has finished.
#include <QString>
#include <memory>
#include <string>

#include "ui/DialogBM.h"
#include "check/CheckSignals.h"
#include "check/PrinterChoice.h"
#include "check/core/CheckRun.h"
#include "check/core/CheckWorker.h"

class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace v3 {

class CDatenCheckDlg : public CDialogBM {
    Q_OBJECT
public:
    static constexpr int kLayout = 130;
    // Longest names the fields take.
    static constexpr int kMaxVorname = 12;
    static constexpr int kMaxNachname = 15;
    // Pending close requests.
    enum Schliessen { kKein = 0, kOk = 1, kAbbrechen = 2, kFenster = 16 };

    // `sources`: the working copies a caller (the player editor) passes in
    // place of parts of the data set; they must outlive the dialog. `printer`:
    // the program's printer settings, or null for a printer of its own.
    explicit CDatenCheckDlg(QWidget* parent = nullptr, const CheckSources& sources = {}, QPrinter* printer = nullptr);
    ~CDatenCheckDlg() override;

    // Presets the names (code page 1252) before the dialog opens; with both
    // given the search starts as soon as it opens and the fields are locked.
    void SetNames(const std::string& vorname, const std::string& nachname);

    // START / STOP.
    void OnButtonStart();
    // "Verlassen", Cancel and closing the window: at once when idle, else
    // after the running check has stopped.
    void OnOK();
    void OnCancel();
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    // "Drucken": stops a run and prints the lines present.
    void OnDcheckDruckenBtn();

    // A run is active (from START until its end has been handled).
    bool Laeuft() const { return laeuft_; }
    int PendingClose() const { return pendingClose_; }
    QListWidget* Liste() const { return liste_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* DruckenButton() const { return drucken_; }
    QRadioButton* PersonSuchen() const { return personSuchen_; }
    QRadioButton* DatenPruefen() const { return datenPruefen_; }
    QLineEdit* VornameEdit() const { return vorname_; }
    QLineEdit* NachnameEdit() const { return nachname_; }
    QLabel* Prozent() const { return prozent_; }
    QLabel* StatusZeile() const { return status_; }
    QProgressBar* Fortschritt() const { return bar_; }

    // How printing chooses its printer; tests put their own in place.
    PrinterChooser choosePrinter = ChoosePrinter;

protected:
    void OnInitDialog() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The finish message of a run.
    void OnKillThread(quint64 runId);
    void OnLinesAdded(const QStringList& lines, int select);
    // Closes as requested (kOk: accepted, otherwise rejected).
    void Close(int request);

    CheckSources sources_;
    QPrinter* printer_;
    std::unique_ptr<QPrinter> ownPrinter_;
    std::string presetVorname_, presetNachname_;
    bool laeuft_ = false;
    int pendingClose_ = kKein;
    int mode_ = 0;  // 0 "Person suchen", 1 "Daten prüfen"

    QGroupBox* auswahl_ = nullptr;
    QRadioButton* personSuchen_ = nullptr;
    QRadioButton* datenPruefen_ = nullptr;
    QLineEdit* vorname_ = nullptr;
    QLineEdit* nachname_ = nullptr;
    QListWidget* liste_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* prozent_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* verlassen_ = nullptr;
    QPushButton* drucken_ = nullptr;

    // The worker is declared after the signals it reports through, so it is
    // stopped and joined before they go.
    CheckSignals signals_;
    CheckWorker worker_;
};

}  // namespace v3
