#pragma once
// The About box: the full-size About picture with the version line and the
// credits drawn over it; releasing the left mouse button anywhere closes it.
#include <QDialog>
#include <memory>

#include "shell/PictureCache.h"

namespace v3 {

inline constexpr const char* kVersionsText = "VOLTARO 3 EDITOR V1.07 [003]";
inline constexpr int kAboutBild = 519;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<CPicture> picture_;
};

}  // namespace v3
