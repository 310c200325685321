#pragma once
// What the two chant editors share: the list of chants, the fields of the
// selected chant, the pop-up menu "Neu", "Löschen", "Duplizieren" (right mouse
// button or the context-menu key), OK and cancel. The own-chant editor adds
// the list of sound files above and a button that plays one.
#include <memory>
#include <optional>

#include "editors/fangesang/rules/FangesangRules.h"
#include "ui/DialogBM.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;

namespace v3 {

class CSound;

class CGesangDlg : public CDialogBM {
    Q_OBJECT
public:
    ~CGesangDlg() override;

    CGesangEditor& Rules() { return *rules_; }
    // The fields as typed; none (after the refusal is shown) when a text holds
    // a character that code page 1252 cannot hold.
    std::optional<GesangEingabe> Felder() const;
    // The pop-up menu with the actions "Neu", "Loeschen" and "Duplizieren".
    QMenu* PopupMenu() const { return popup_; }

public slots:
    void OnNeu();
    void OnLoeschen();
    void OnDuplizieren();

protected:
    // eigene: the own-chant editor (file list, play button, the text is the file name).
    CGesangDlg(QWidget* parent, std::unique_ptr<CGesangEditor> rules, const QString& titel, bool eigene);
    void accept() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FuelleListe();
    void Zeige(int i);
    void OnAuswahl(int row);
    void OnLandGewaehlt();
    void OnArtGewaehlt();
    void OnDateiDoppelklick();
    void OnSpielen();
    void FuelleVereine(QComboBox* box, int32_t nation, int32_t gewaehlt);

    std::unique_ptr<CGesangEditor> rules_;
    bool eigene_;
    QListWidget* dateien_ = nullptr;
    QListWidget* liste_ = nullptr;
    QLineEdit* text_ = nullptr;
    QComboBox* land_ = nullptr;
    QComboBox* verein_ = nullptr;
    QComboBox* gegner_ = nullptr;
    QComboBox* haeufigkeit_ = nullptr;
    QComboBox* art_ = nullptr;
    QCheckBox* spott_ = nullptr;
    QLineEdit* spottName_ = nullptr;
    QCheckBox* tor_ = nullptr;
    QLineEdit* torName_ = nullptr;
    QWidget* felder_ = nullptr;
    QMenu* popup_ = nullptr;
    std::unique_ptr<CSound> sound_;
};

}  // namespace v3
