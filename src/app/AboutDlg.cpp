#include "app/AboutDlg.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/PictureLoader.h"

namespace v3 {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), picture_(LoadPicture(kAboutBild, "BITMAP")) {
    setObjectName("Dialog100");
    setWindowTitle("Info über EDITOR");
    const QPixmap& pm = PixmapOf(picture_.get());
    setFixedSize(pm.isNull() ? QSize(420, 300) : pm.size());
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap& pm = PixmapOf(picture_.get());
    if (pm.isNull())
        p.fillRect(rect(), QColor(20, 40, 30));
    else
        p.drawPixmap(0, 0, pm);
    // Texts are drawn transparently over the picture, in the lower band the
    // picture keeps calm for them.
    const int left = 24;
    int y = height() - 112;
    QFont f("Arial");
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(left, y, kVersionsText);
    f.setBold(false);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(220, 230, 220));
    const char* credits[] = {"Dateneditor für VOLTARO 3",
                             "Programmierung: Das VOLTARO-Editor-Team",
                             "Grafik und Gestaltung: Das VOLTARO-Editor-Team",
                             "Klicken Sie in das Bild, um es zu schließen."};
    for (const char* line : credits) {
        y += 18;
        p.drawText(left, y, QString::fromUtf8(line));
    }
}

void CAboutDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) accept();
}

}  // namespace v3
