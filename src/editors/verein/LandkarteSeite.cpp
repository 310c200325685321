#include "editors/verein/LandkarteSeite.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

namespace {

// The built-in map: sea around the country that the built-in mask marks.
QPixmap EingebautesBild(const BmpImage& maske) {
    QImage img(maske.width, maske.height, QImage::Format_RGB32);
    for (int y = 0; y < maske.height; ++y)
        for (int x = 0; x < maske.width; ++x)
            img.setPixel(x, y, maske.At(x, y) == 0 ? qRgb(120 + (x + y) % 7, 180, 100) : qRgb(70, 120, 200));
    return QPixmap::fromImage(img);
}

}  // namespace

CKartenBild::CKartenBild(CLandkarte& karte, QWidget* parent) : QWidget(parent), karte_(karte) {
    setObjectName("Karte");
    setCursor(Qt::CrossCursor);
}

void CKartenBild::Laden() {
    bild_ = QPixmap();
    if (!karte_.EingebautesBild()) {
        bild_.load(QString::fromStdString(karte_.Bild().string()));
        if (bild_.isNull()) karte_.BildFehlt();
    }
    if (karte_.EingebautesBild()) bild_ = EingebautesBild(karte_.Maske());
    setFixedSize(sizeHint());
    update();
}

QSize CKartenBild::sizeHint() const { return bild_.isNull() ? QSize(kKarteBreite, kKarteHoehe) : bild_.size(); }

void CKartenBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, bild_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(220, 30, 30));
    const QPointF ort(karte_.X(), karte_.Y());
    p.drawEllipse(ort, 4, 3);
    const QString name = Qt8(karte_.VereinsName());
    p.setPen(Qt::black);
    p.drawText(ort + QPointF(7, 4), name);
}

void CKartenBild::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint pos = e->position().toPoint();
    if (karte_.Klick(pos.x(), pos.y())) {
        update();
        emit verschoben();
    }
}

CVereinsEditorLandkarte::CVereinsEditorLandkarte(QWidget* parent) : CPropertyPageBM("Landkarte", parent) {
    setObjectName("CVereinsEditorLandkarte");
    auto* layout = new QVBoxLayout(this);
    bild_ = new CKartenBild(karte_, this);
    layout->addWidget(bild_, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addStretch(1);
}

void CVereinsEditorLandkarte::Init(int land, int bonusStatus, int bonusVordefiniert, const std::string& vereinsName,
                                   int vereinsNummer, int x, int y) {
    karte_.Init(land, bonusStatus, bonusVordefiniert, vereinsName, vereinsNummer, x, y);
    bild_->Laden();
}

}  // namespace v3
