#include "editors/spieler/SpielerEditorAlleDlg.h"

#include <QListWidget>

#include "ui/TabStopDelegate.h"

namespace v3 {

CSpielerEditorAlleDlg::CSpielerEditorAlleDlg(int land, QWidget* parent)
    : CSpielerEditorDlg(parent, {"Pos.", "Spieler", "St.", "Verein", "Land"}), rules_(land) {
    // A little wider than the classic 17 and 93 so that "TRA" and two-digit
    // strengths show whole in this font.
    List()->setItemDelegate(new CTabStopDelegate({20, 83, 98, 170}, List()));
    Refill(0);
}

CSpielerEditorAlleDlg::~CSpielerEditorAlleDlg() = default;

int CSpielerEditorAlleDlg::RowCount() const { return int(rules_.Rows().size()); }
std::string CSpielerEditorAlleDlg::RowText(int row) const { return rules_.Line(row); }
std::string CSpielerEditorAlleDlg::RowTitle(int row) const { return rules_.Title(row); }
LineKind CSpielerEditorAlleDlg::RowKind(int row) const { return LineKind(rules_.RowEntry(row).kind); }
CSpieler* CSpielerEditorAlleDlg::RowPlayer(int row) { return rules_.RowEntry(row).player; }

SquadEditorRules& CSpielerEditorAlleDlg::RowRules(int row) {
    if (!bound_ || boundRow_ != row || bound_->Club() != &rules_.RowClub(row)) {
        bound_ = std::make_unique<SquadEditorRules>(rules_.BindingFor(row));
        boundRow_ = row;
    }
    return *bound_;
}

std::optional<int> CSpielerEditorAlleDlg::Run(Befehl b, int row) {
    const bool adds = b == Befehl::Neu || b == Befehl::Ehemalige || b == Befehl::Holen;
    bound_.reset();
    const auto next = rules_.Command(row, adds, [&](SquadEditorRules& r, int line) -> std::optional<int> {
        const auto result = RunOn(r, b, line);
        // The staff commands answer with the squad's staff line; the list keeps the row.
        return result ? std::optional<int>(line) : std::nullopt;
    });
    bound_.reset();
    return next;
}

void CSpielerEditorAlleDlg::Header(int column) {
    if (column > 3) return;  // "Land" does nothing
    bound_.reset();
    rules_.Sort(AllSort(column));
    Refill(0);
}

bool CSpielerEditorAlleDlg::Validate() {
    if (!WriteCurrent()) return false;
    bound_.reset();
    return rules_.Ok();
}

}  // namespace v3
