#pragma once
// The half-time talk editor: sound files of the talk folder, the 13 talk
// types and the list of talks; the pop-up menu ("Neu", "Löschen") makes a
// talk of the chosen file and type or removes the selected one.
#include <memory>

#include "editors/fangesang/rules/AnsprachenRules.h"
#include "ui/DialogBM.h"

class QButtonGroup;
class QListWidget;
class QMenu;

namespace v3 {

class CSound;

class CHalbzeitAnsprachenDlg : public CDialogBM {
    Q_OBJECT
public:
    // Edits copies of the data set's talks; OK replaces them.
    explicit CHalbzeitAnsprachenDlg(QWidget* parent);
    ~CHalbzeitAnsprachenDlg() override;

    CAnsprachenListe& Rules() { return rules_; }
    QMenu* PopupMenu() const { return popup_; }

public slots:
    void OnNeu();
    void OnLoeschen();
    void OnAbspielen();

protected:
    void accept() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FuelleListe(int auswahl);

    CAnsprachenListe rules_;
    QListWidget* dateien_ = nullptr;
    QListWidget* liste_ = nullptr;
    QButtonGroup* typen_ = nullptr;
    QMenu* popup_ = nullptr;
    std::unique_ptr<CSound> sound_;
};

}  // namespace v3
