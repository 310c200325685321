#pragma once
// "Spielerliste gesamt": every player, trainer and manager of the current
// country's clubs in one list, with the squad editor's pages and commands.
#include <memory>

#include "editors/spieler/SpielerEditorDlg.h"
#include "editors/spieler/rules/AllPlayers.h"

namespace v3 {

class CSpielerEditorAlleDlg : public CSpielerEditorDlg {
    Q_OBJECT
public:
    explicit CSpielerEditorAlleDlg(int land, QWidget* parent = nullptr);
    ~CSpielerEditorAlleDlg() override;
    AllPlayersRules& Rules() { return rules_; }

protected:
    int RowCount() const override;
    std::string RowText(int row) const override;
    std::string RowTitle(int row) const override;
    LineKind RowKind(int row) const override;
    CSpieler* RowPlayer(int row) override;
    SquadEditorRules& RowRules(int row) override;
    std::optional<int> Run(Befehl b, int row) override;
    void Header(int column) override;
    bool Validate() override;

private:
    AllPlayersRules rules_;
    // The squad rules of the shown line's club.
    std::unique_ptr<SquadEditorRules> bound_;
    int boundRow_ = -1;
};

}  // namespace v3
