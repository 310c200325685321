#include "app/EditorApp.h"

#include "app/MainFrame.h"
#include "ui/SoundLib.h"
#include "base/AppState.h"
#include "dataset/EditorDoc.h"
#include "shell/DisplayCheck.h"

namespace v3 {

CEDITORApp::CEDITORApp() = default;

CEDITORApp::~CEDITORApp() { ExitInstance(); }

bool CEDITORApp::FirstInstance() {
    if (!instance_->FirstInstance()) {
        anotherInstance_ = true;
        return false;
    }
    return true;
}

bool CEDITORApp::InitInstance(StartOptions options) {
    AppState& app = App();
    instance_ = std::make_unique<CSingleInstance>(options.instanceKey);
    if (!FirstInstance()) return false;

    app.pictures = &cache_;
    app.SetUserInterface(options.ui ? options.ui : &qtUi_);
    app.installDir = options.installDir.toStdString();
    app.AnimationAktiv = true;
    app.DarstellungOk = true;
    app.DatenGeaendert = false;

    std::vector<std::string> args;
    for (const QString& a : options.args) args.push_back(a.toStdString());

    doc_ = std::make_unique<CEDITORDoc>();
    frame_ = std::make_unique<CMainFrame>(*doc_, IsVollbildSchalter(args), std::move(options.sound));
    QObject::connect(instance_.get(), &CSingleInstance::activationRequested, frame_.get(),
                     &CMainFrame::BringForward);
    frame_->OnCreate();
    // Loads the data set when the display is usable; the load shows its own report.
    doc_->OnNewDocument();
    if (!app.DarstellungOk || !app.LadenOk) return false;

    qtUi_.SetParent(frame_.get());
    frame_->show();
    return true;
}

int CEDITORApp::ExitInstance() {
    AppState& app = App();
    if (frame_) frame_->OnDestroy();
    frame_.reset();
    doc_.reset();
    if (app.pictures == &cache_) app.pictures = nullptr;
    if (app.ui == &qtUi_) app.SetUserInterface(nullptr);
    instance_.reset();
    return 0;
}

void CEDITORApp::WinHelpA() {
    if (frame_) frame_->WinHelp();
}

void CEDITORApp::OnAppAbout() {
    if (frame_) frame_->OnAppAbout();
}

}  // namespace v3
