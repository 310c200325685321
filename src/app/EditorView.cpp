#include "app/EditorView.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/PictureLoader.h"
#include "base/AppState.h"
#include "dataset/EditorDoc.h"

namespace v3 {

QFont TitelFont() {
    QFont f("Arial");
    f.setBold(true);
    f.setItalic(true);
    // The height is the character cell's: pick the largest pixel size whose
    // ascent plus descent stays within 26.
    int px = 26;
    for (; px > 8; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= 26) break;
    }
    return f;
}

CEDITORView::CEDITORView(CEDITORDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName("EditorView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < kAnimPictures; ++i) pictures_[size_t(i)] = LoadPicture(kAnimPictureIds[size_t(i)], "BITMAP");
    timer_.setInterval(kAnimPeriodMs);
    connect(&timer_, &QTimer::timeout, this, [this] { OnTimer(kAnimTimerId); });
    // The document's save runs one tick first so a running picture is removed.
    doc_.AnimationTick = [this] { OnTimer(kAnimTimerId); };
}

CEDITORView::~CEDITORView() {
    timer_.stop();
    doc_.AnimationTick = nullptr;
}

void CEDITORView::BuildBackground() {
    auto picture = LoadPicture(kHauptHintergrund, "JPEGS");
    const QPixmap& pm = PixmapOf(picture.get());
    background_ = QPixmap(pm.isNull() ? QSize(640, 480) : pm.size());
    background_.fill(QColor(10, 40, 20));
    QPainter p(&background_);
    if (!pm.isNull()) p.drawPixmap(0, 0, pm);
    p.setFont(TitelFont());
    int ascent = QFontMetrics(p.font()).ascent();
    // The title with its shadow two pixels right and down.
    p.setPen(Qt::black);
    p.drawText(18, 21 + ascent, kHauptTitel);
    p.setPen(Qt::white);
    p.drawText(16, 19 + ascent, kHauptTitel);
    // The memory picture keeps what it needs; the cache entry is given back here.
}

void CEDITORView::paintEvent(QPaintEvent* event) {
    if (background_.isNull()) BuildBackground();
    backgroundReady_ = true;
    QPainter p(this);
    const QRect area = event->rect();
    p.fillRect(area, Qt::black);
    p.drawPixmap(area.topLeft(), background_, area);
    if (shownPicture_ >= 0) {
        const AnimRect& f = kAnimFrames[size_t(shownPicture_)];
        const QPixmap& pm = PixmapOf(pictures_[size_t(shownPicture_)].get());
        if (!pm.isNull()) p.drawPixmap(QRect(f.x, f.y, f.w, f.h), pm, QRect(0, 0, f.w, f.h));
    }
    if (!timer_.isActive()) timer_.start();
}

void CEDITORView::OnTimer(int id) {
    if (id != kAnimTimerId || !backgroundReady_) return;
    AnimStep step = animation_.OnTimer(App().AnimationAktiv);
    switch (step.kind) {
    case AnimStep::Nothing:
        break;
    case AnimStep::Show:
        shownPicture_ = step.picture;
        // Background and picture are rebuilt together in one paint of the area.
        repaint(step.area.x, step.area.y, step.area.w, step.area.h);
        emit pictureShown(step.picture);
        break;
    case AnimStep::RepaintAll:
        shownPicture_ = -1;
        repaint();
        break;
    }
}

}  // namespace v3
