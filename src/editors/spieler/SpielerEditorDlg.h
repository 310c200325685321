#pragma once
// The squad player editor: mode 1 the squad of one club with its trainer and
// manager (opened from the club selection), mode 2 the other players. Left the
// list with its sort headers, right the player pages (or the trainer or
// manager page); a right click in the list opens the commands.
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/spieler/rules/SquadEditor.h"
#include "ui/DialogBM.h"

class QListWidget;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace v3 {

class CSpielerSeiten;
class CSpielerTrainerEigenschaftenPage;
class CSpielerManagerEigenschaftenPage;

// Opens the squad editor in mode 1 on `club` (the selection's working copy of
// a club of country `land` in `set`). On OK the result is applied to `set`
// (SpielerEditorAnwenden) and true returned; on Cancel `set` is unchanged.
bool RunSpielerEditorModus1(SquadWorkingSet& set, int land, CVerein& club, QWidget* parent);

// Opens the editor in mode 2 on the document's other players; true after OK
// (the document's list replaced).
bool RunSonstigeSpieler(QWidget* parent);

class CSpielerEditorDlg : public CDialogBM {
    Q_OBJECT
public:
    // The commands of the list's context menu, in menu order.
    enum class Befehl {
        Neu,
        ZuEhemaligen,
        Endgueltig,
        Ehemalige,
        Wechsel,
        Holen,
        ErsetztTrainer,
        ErsetztManager,
        TrainerErsetzen,
        ManagerErsetzen,
        TrainerTauschen,
        ManagerTauschen
    };
    static constexpr int kBefehle = 12;

    // Modes 1 and 2, after the rules.
    CSpielerEditorDlg(std::unique_ptr<SquadEditorRules> rules, QWidget* parent = nullptr);
    ~CSpielerEditorDlg() override;

    QListWidget* List() const { return list_; }
    CSpielerSeiten* Seiten() const { return seiten_; }
    // The context menu of the selected line: every command, enabled by the line's kind.
    void BuildMenu(QMenu& menu);
    bool Enabled(Befehl b) const;

    void OnBefehl(Befehl b);
    void OnListe();
    void OnRueckennummern();
    void OnHeader(int column);
    void accept() override;
    void reject() override;
    // Mode 1 after OK.
    SquadEditorResult TakeResult() { return std::move(result_); }

protected:
    // For the all-players editor: the widgets without rules of their own.
    CSpielerEditorDlg(QWidget* parent, const QStringList& headers);
    void Build(const QStringList& headers, bool commandButtons);

    // The lines.
    virtual int RowCount() const;
    virtual std::string RowText(int row) const;
    virtual std::string RowTitle(int row) const;
    virtual LineKind RowKind(int row) const;
    virtual CSpieler* RowPlayer(int row);
    // The squad rules the line's commands, pages and choosers work with.
    virtual SquadEditorRules& RowRules(int row);
    // Runs a command on the line; the line to select next, none when nothing changed.
    virtual std::optional<int> Run(Befehl b, int row);
    virtual void Header(int column);
    virtual bool Validate();

    // Runs `b` on `rules` for the rules' line `line`, with the choosers.
    std::optional<int> RunOn(SquadEditorRules& rules, Befehl b, int line);
    bool WriteCurrent();
    void Refill(int select);
    void ShowRow(int row);
    int Current() const { return current_; }

private:
    void OnRowChanged(int row);
    void FocusNewPlayer();
    std::unique_ptr<SquadEditorRules> rules_;
    SquadEditorResult result_;
    ShirtNumberTable numbers_{};
    QListWidget* list_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    CSpielerSeiten* seiten_ = nullptr;
    CSpielerTrainerEigenschaftenPage* trainerSeite_ = nullptr;
    CSpielerManagerEigenschaftenPage* managerSeite_ = nullptr;
    QPushButton *liste_ = nullptr, *nummern_ = nullptr;
    int current_ = -1;
    bool newPlayer_ = false;
};

}  // namespace v3
