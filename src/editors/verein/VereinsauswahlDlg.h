#pragma once
// "Vereinsauswahl": the countries on the left, the clubs of the chosen one
// with strength and league on the right (headers sort), the crest preview,
// and "Übernehmen", "Editieren", "Abbrechen", "Spieler suchen".
#include <functional>
#include <memory>

#include "editors/verein/rules/Vereinsauswahl.h"
#include "ui/DialogBM.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace v3 {

class CVereinsEditorDlg;

class CVereinsauswahlDlg : public CDialogBM {
    Q_OBJECT
public:
    CVereinsauswahlDlg(int modus, QWidget* parent);
    ~CVereinsauswahlDlg() override;

    CVereinsauswahl& Auswahl() { return *auswahl_; }
    QListWidget* LaenderListe() const { return laender_; }
    QListWidget* VereinsListe() const { return vereine_; }
    QLabel* Vorschau() const { return vorschau_; }

    // Called with each club editor before it runs (tests drive it from here).
    std::function<void(CVereinsEditorDlg&)> vorEditor;
    // Mode 1: opens the squad editor for a club of the working set; true
    // when its result was applied (the squad editor by default).
    std::function<bool(CVereinsauswahl&, int land, CVerein& verein, QWidget* parent)> kaderEditor;

    // "Abbrechen", Escape and closing the window: the working set is dropped.
    void reject() override;

private:
    void OnLand();
    void Fuellen(int zeile);
    void ZeigeVorschau();
    void OnSortiere(int key);
    void OnEditieren();
    void OnSpielerSuchen();
    void OnUebernehmen();

    int modus_;
    std::unique_ptr<CVereinsauswahl> auswahl_;
    QListWidget* laender_;
    QListWidget* vereine_;
    QLabel* vorschau_;
    bool fertig_ = false;
};

// Opens the club selection in mode 0 (clubs) or 1 (squads); true after "Übernehmen".
bool RunVereinsauswahl(int modus, QWidget* parent);

}  // namespace v3
