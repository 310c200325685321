#pragma once
// The main view: the background picture with the title drawn into it, and the
// title animation on top while no command runs.
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "shell/PictureCache.h"
#include "shell/TitleAnimation.h"

namespace v3 {

class CEDITORDoc;

inline constexpr int kHauptHintergrund = 325;
inline constexpr const char* kHauptTitel = "VOLTARO 3 - Editor";

class CEDITORView : public QWidget {
    Q_OBJECT
public:
    explicit CEDITORView(CEDITORDoc& doc, QWidget* parent = nullptr);
    ~CEDITORView() override;

    // One tick of timer 1001 (also reached by OnTimerQuit).
    void OnTimer(int id);
    void OnTimerQuit(int id) { OnTimer(id); }
    const CTitleAnimation& Animation() const { return animation_; }
    // The picture shown now, -1 for none.
    int ShownPicture() const { return shownPicture_; }
    // The background with the title, as built on the first paint.
    const QPixmap& Background() const { return background_; }
    bool TimerRunning() const { return timer_.isActive(); }

signals:
    // An animation picture was put on screen.
    void pictureShown(int picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildBackground();

    CEDITORDoc& doc_;
    QPixmap background_;
    bool backgroundReady_ = false;
    std::array<std::unique_ptr<CPicture>, kAnimPictures> pictures_;
    CTitleAnimation animation_;
    QTimer timer_;
    int shownPicture_ = -1;
};

// The title font: "Arial", bold, italic, 26 pixels from the top of the highest
// to the bottom of the lowest character.
QFont TitelFont();

}  // namespace v3
