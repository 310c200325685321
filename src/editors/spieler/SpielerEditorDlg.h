#pragma once
// The squad player editor: mode 1 the squad of one club with its trainer and
// manager (opened from the club selection), mode 2 the other players.
#include <memory>

#include "editors/spieler/rules/SquadEditor.h"
#include "ui/DialogBM.h"

class QListWidget;
class QMenu;
class QPushButton;

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

}  // namespace v3
