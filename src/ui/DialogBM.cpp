#include "ui/DialogBM.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "ui/PictureLoader.h"

namespace v3 {

void PaintBackground(QWidget& widget, const CPicture* picture, const QRect& area) {
    const QPixmap& pixmap = PixmapOf(picture);
    if (pixmap.isNull()) return;  // without a picture nothing is painted behind the controls
    QPainter p(&widget);
    p.drawPixmap(area, pixmap, area);
}

void ApplyTextColor(QWidget& widget, const QColor& colour) {
    QPalette pal = widget.palette();
    pal.setColor(QPalette::WindowText, colour);
    widget.setPalette(pal);
}

CDialogBM::CDialogBM(int layout, QWidget* parent, int background)
    : QDialog(parent), layout_(layout), background_(LoadPicture(background, "JPEGS")) {
    setObjectName(QString("Dialog%1").arg(layout));
    ApplyTextColor(*this, textColor_);
}

CDialogBM::~CDialogBM() = default;

void CDialogBM::SetTextColor(const QColor& colour) {
    textColor_ = colour;
    ApplyTextColor(*this, colour);
}

void CDialogBM::SizeToBackground() {
    const QPixmap& pixmap = PixmapOf(background_.get());
    if (!pixmap.isNull()) setFixedSize(pixmap.size());
}

void CDialogBM::OnInitDialog() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->size() == QSize(640, 480)) {
        QRect r = frameGeometry();
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void CDialogBM::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDialogBM::paintEvent(QPaintEvent* event) {
    PaintBackground(*this, background_.get(), event->rect());
}

QHBoxLayout* OkCancelRow(QDialog* dlg, QPushButton** ok, QPushButton** abbrechen, const QString& okText) {
    auto* okKnopf = new QPushButton(okText, dlg);
    okKnopf->setObjectName(kOkButton);
    okKnopf->setDefault(true);
    auto* abbrechenKnopf = new QPushButton("Abbrechen", dlg);
    abbrechenKnopf->setObjectName(kCancelButton);
    QObject::connect(abbrechenKnopf, &QPushButton::clicked, dlg, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(okKnopf);
    row->addWidget(abbrechenKnopf);
    *ok = okKnopf;
    if (abbrechen) *abbrechen = abbrechenKnopf;
    return row;
}

}  // namespace v3
