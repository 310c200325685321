#include "check/CheckDialogs.h"

#include "check/DatenCheckDlg.h"
#include "check/VereineDrucken.h"
#include "base/AppState.h"

namespace v3 {

bool RunDatenCheckDialog(QWidget* parent, QPrinter* printer) {
    CDatenCheckDlg dlg(parent, {}, printer);
    return dlg.exec() == QDialog::Accepted;
}

bool RunVereineDruckenDialog(QWidget* parent, int land, QPrinter* printer) {
    if (land >= 0) App().AktuellesLand = land;
    CVereineDrucken dlg(parent, printer);
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace v3
