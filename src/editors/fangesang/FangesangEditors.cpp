#include "editors/fangesang/FangesangEditors.h"

#include "editors/fangesang/EigenerFangesangDlg.h"
#include "editors/fangesang/FangesaengeDlg.h"
#include "editors/fangesang/HalbzeitAnsprachenDlg.h"
#include "ui/EditorRegistry.h"

namespace v3 {
namespace {

template <class Dlg>
void RegistriereDialog(CEditorRegistry& editors, const char* handler) {
    editors.Register(handler, [&editors](const CommandArgs&) {
        Dlg dlg(editors.Parent());
        return dlg.exec() == QDialog::Accepted;
    });
}

}  // namespace

void RegisterFangesangEditors(CEditorRegistry& editors) {
    RegistriereDialog<CFangesaengeDlg>(editors, "OnBesonderesFangesnge");
    RegistriereDialog<CEigenerFangesangDlg>(editors, "OnBesonderesFangesngeEigen");
    RegistriereDialog<CHalbzeitAnsprachenDlg>(editors, "OnBesonderesHalbzeitansprachen");
}

}  // namespace v3
