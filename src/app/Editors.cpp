#include "app/MainFrame.h"
#include "check/CheckDialogs.h"
#include "editors/bonus/BonusEditors.h"
#include "editors/liga/LigaEditors.h"
#include "editors/fangesang/FangesangEditors.h"
#include "editors/personal/PersonalEditors.h"
#include "editors/spieler/SpielerEditors.h"
#include "editors/spielplan/SpielplanEditors.h"
#include "editors/verein/VereinDialogs.h"
#include "editors/wettbewerb/WettbewerbEditors.h"

namespace v3 {

// One line per area: each area's registration function registers the actions
// behind its menu entries (see docs/architecture.md).
void RegisterEditors(CEditorRegistry& editors) {
    RegisterCheckEditors(editors);
    RegisterBonusEditors(editors);
    RegisterLigaEditors(editors);
    RegisterFangesangEditors(editors);
    RegisterPersonalEditors(editors);
    RegisterSpielerEditors(editors);
    RegisterSpielplanEditors(editors);
    RegisterVereinEditors(editors);
    RegisterWettbewerbEditors(editors);
}

}  // namespace v3
