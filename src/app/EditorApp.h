#pragma once
// The application: one instance only, the document, the main frame and its
// view, the picture cache and the messages, from start to end.
#include <QString>
#include <QStringList>
#include <memory>

#include "ui/PictureLoader.h"
#include "ui/QtUserInterface.h"
#include "app/SingleInstance.h"
#include "shell/PictureCache.h"

namespace v3 {

class CEDITORDoc;
class CMainFrame;
class CSoundLib;

struct StartOptions {
    QString installDir;        // the installation directory
    QStringList args;          // the remaining arguments (the full-screen switch)
    QString instanceKey;       // empty: the window class
    IUserInterface* ui = nullptr;  // null: the Qt message boxes
    std::unique_ptr<CSoundLib> sound;  // null: Qt Multimedia
};

class CEDITORApp {
public:
    CEDITORApp();
    ~CEDITORApp();

    // Starts: single instance, document, frame with its display check, the first
    // load. False when the program must end (another instance runs, the
    // display check failed or the first load failed).
    bool InitInstance(StartOptions options);
    // Ends: restores what the start changed.
    int ExitInstance();
    // False when another instance was found.
    bool FirstInstance();
    // Opens the help contents, whatever was asked for.
    void WinHelpA();
    void OnAppAbout();

    CMainFrame* Frame() const { return frame_.get(); }
    CEDITORDoc* Doc() const { return doc_.get(); }
    CPictureCache& Pictures() { return cache_; }
    bool AnotherInstanceRuns() const { return anotherInstance_; }

private:
    CQtPictureDecoder decoder_;
    CPictureCache cache_{decoder_};
    CQtUserInterface qtUi_;
    std::unique_ptr<CSingleInstance> instance_;
    std::unique_ptr<CEDITORDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    bool anotherInstance_ = false;
};

}  // namespace v3
