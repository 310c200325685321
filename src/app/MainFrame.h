#pragma once
// The main frame: the fixed 640 x 480 window with the main menu and the main
// view. It runs the menu's commands through the command runner and asks the
// exit question when it is closed.
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "shell/CommandRunner.h"
#include "shell/DisplayCheck.h"
#include "shell/ExitQuestion.h"
#include "ui/EditorRegistry.h"
#include "ui/SoundLib.h"

class QAction;
class QPrinter;

namespace v3 {

class CEDITORDoc;
class CEDITORView;
class CHelpWindow;

inline constexpr int kFensterBreite = 640;
inline constexpr int kFensterHoehe = 480;

class CMainFrame : public QMainWindow, public ICommandHost {
    Q_OBJECT
public:
    // vollbild: the full-screen switch was given.
    CMainFrame(CEDITORDoc& doc, bool vollbild, std::unique_ptr<CSoundLib> sound = nullptr);
    ~CMainFrame() override;

    // Creation after the constructor: display check, full-screen mode, centring,
    // sound. The display check's failure clears DarstellungOk.
    void OnCreate();
    // Stops the sound and leaves the full-screen mode.
    void OnDestroy();
    // The display check on the desktop's measured values.
    int TestColorDepthAndFontSize();
    static DisplayValues MeasureDisplay();

    CommandRunner& Runner() { return runner_; }
    // The editors registered with the menu (what the menu walk opens).
    const CEditorRegistry& Editors() const { return editors_; }
    CExitQuestion& ExitQuestion() { return exit_; }
    CEDITORView* View() const { return view_; }
    CEDITORDoc& Doc() { return doc_; }
    QPrinter& Printer();
    CSoundLib& Sound() { return *sound_; }
    // The menu entry of a handler.
    QAction* Action(const std::string& handler) const;
    // Enables the entries whose command can run now.
    void UpdateMenu();
    // Runs a menu entry as its menu item would.
    CommandOutcome RunCommand(const std::string& handler);
    // Replaces the exit box (tests).
    void SetQuitBox(CExitQuestion::QuitBox box) { quitBox_ = std::move(box); }

    // Help contents (F1, "&Hilfethemen") and the About box.
    void WinHelp();
    void OnAppAbout();
    CHelpWindow* HelpWindow() const;

    // ICommandHost
    void RepaintView() override;
    void Wait(int ms) override;
    std::optional<int> ChooseCountry(int mode) override;
    std::optional<int> ChoosePool() override;

    // Brings the window forward (a second start asked for it).
    void BringForward();
    bool VollbildModus() const { return vollbild_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void RegisterShellCommands();
    void OpenDisplaySettings();

    CEDITORDoc& doc_;
    bool vollbild_;
    bool vollbildAktiv_ = false;
    bool destroyed_ = false;
    bool beenden_ = false;  // the document asked the program to end
    CEDITORView* view_;
    CommandRunner runner_{*this};
    CEditorRegistry editors_{runner_, this, [this] { return &Printer(); }};
    CExitQuestion exit_;
    CExitQuestion::QuitBox quitBox_;
    std::unique_ptr<CSoundLib> sound_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<CHelpWindow> help_;
    std::map<std::string, QAction*> actions_;
};

// Lets every area register its editors (app/Editors.cpp); a menu entry whose
// editor is not registered stays disabled.
void RegisterEditors(CEditorRegistry& editors);

}  // namespace v3
