#pragma once
// A picture of an editor as the running program shows it, for the manual: the
// menu entry runs, its chooser is answered, and the editor's window is grabbed
// once it has been shown for a moment; then the editor is closed with cancel
// and the program ends (exit code 0, 2 when no editor showed). With a button
// name the editor's button of that name is pressed first and the dialog it
// opens is taken; both are then closed with cancel.
#include <QString>
#include <string>

namespace v3 {

class CMainFrame;

void TakeEditorScreenshot(CMainFrame& frame, const std::string& handler, const QString& file, int offer,
                          const QString& button = QString());

}  // namespace v3
