#include "shell/ExitQuestion.h"

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"

namespace v3 {

bool CExitQuestion::CanCloseFrame(const QuitBox& quitBox) {
    AppState& app = App();
    app.AnimationAktiv = false;
    if (!app.DatenGeaendert) {
        if (app.ui->MessageBox("Wollen Sie den Editor wirklich beenden?", "Achtung!", MsgButtons::OkCancel,
                               MsgIcon::Question) == MsgResult::Ok)
            return true;
        app.AnimationAktiv = true;
        return false;
    }
    if (!BeendenFrageErlaubt) return false;
    BeendenFrageErlaubt = false;
    switch (quitBox()) {
    case QuitAnswer::Save:
        doc_.SpeichernBeimSchliessen = true;
        return true;
    case QuitAnswer::Leave:
        doc_.SpeichernBeimSchliessen = false;
        return true;
    case QuitAnswer::Stay:
        break;
    }
    BeendenFrageErlaubt = true;
    app.AnimationAktiv = true;
    return false;
}

bool CExitQuestion::CloseDocument() {
    AppState& app = App();
    // Without a data set (a load failed) there is nothing to save: "Ja" leaves.
    if (Daten().Leer()) doc_.SpeichernBeimSchliessen = false;
    bool saving = doc_.SpeichernBeimSchliessen;
    doc_.OnCloseDocument();
    if (saving && app.DatenGeaendert) {
        // The save failed and has said so; closing now would lose the changes.
        doc_.SpeichernBeimSchliessen = false;
        BeendenFrageErlaubt = true;
        app.AnimationAktiv = true;
        return false;
    }
    return true;
}

}  // namespace v3
