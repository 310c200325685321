#pragma once
// The user manual: German HTML pages shipped with the program, opened on their
// contents page.
#include <QDialog>

class QTextBrowser;

namespace v3 {

inline constexpr const char* kHilfeStartseite = "qrc:/help/index.html";

class CHelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    // Shows the contents page.
    void ShowContents();
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace v3
