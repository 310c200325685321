#include "shell/DisplayCheck.h"

#include "base/AppState.h"

namespace v3 {

int TestColorDepthAndFontSize(const DisplayValues& values, const std::function<void()>& openSettings) {
    AppState& app = App();
    bool failed = false;
    if (values.fontHeight > kMaxSystemFontHeight) {
        app.ui->MessageBox("Der VOLTARO 3-Editor l\xC3\xA4uft nur mit kleinen Systemfonts!\n"
                           "\xC3\x84ndern Sie diese Einstellungen bitte unter Systemsteuerung/Anzeige.",
                           kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        app.DarstellungOk = false;
        failed = true;
    }
    if (values.bitsPerPixel * values.planes < kMinColorBits) {
        app.ui->MessageBox("Windows mu\xC3\x9F sich im High-Color-Modus (mindestens 32768 Farben) befinden!\n"
                           "\xC3\x84ndern Sie Ihre Einstellungen bitte unter Systemsteuerung/Anzeige.",
                           kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        app.DarstellungOk = false;
        failed = true;
    }
    if (failed && app.ui->MessageBox("M\xC3\xB6" "chten Sie diese Systemeinstellungen jetzt anpassen?",
                                     kProgrammTitel, MsgButtons::YesNo, MsgIcon::Question) == MsgResult::Yes &&
        openSettings)
        openSettings();
    return failed ? 0 : 1;
}

bool IsVollbildSchalter(const std::vector<std::string>& args) {
    if (args.size() != 1) return false;
    const std::string& a = args[0];
    return a == "-F" || a == "-f" || a == "/F" || a == "/f";
}

}  // namespace v3
