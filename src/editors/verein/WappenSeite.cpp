#include "editors/verein/WappenSeite.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace v3 {

namespace {

QColor PaletteFarbe(const CWappenEditor& ed, int index) {
    const BmpColour& c = ed.Palette()[size_t(index)];
    return QColor(c.r, c.g, c.b);
}

QImage WappenBild(const CWappenEditor& ed) {
    QImage img(CWappenEditor::kSeite, CWappenEditor::kSeite, QImage::Format_RGB32);
    for (int y = 0; y < CWappenEditor::kSeite; ++y)
        for (int x = 0; x < CWappenEditor::kSeite; ++x) img.setPixel(x, y, PaletteFarbe(ed, ed.Pixel(x, y)).rgb());
    return img;
}

// The crest at true size, framed.
class CWappenEcht : public QWidget {
public:
    CWappenEcht(const CWappenEditor& ed, QWidget* parent) : QWidget(parent), ed_(ed) { setFixedSize(36, 36); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(Qt::black);
        p.drawRect(0, 0, 35, 35);
        p.drawImage(2, 2, WappenBild(ed_));
    }

private:
    const CWappenEditor& ed_;
};

// The two chosen colours: foreground in front, background behind.
class CWappenFarben : public QWidget {
public:
    CWappenFarben(const CWappenEditor& ed, QWidget* parent) : QWidget(parent), ed_(ed) { setFixedSize(44, 44); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(Qt::black);
        p.setBrush(PaletteFarbe(ed_, ed_.Hintergrund()));
        p.drawRect(16, 16, 26, 26);
        p.setBrush(PaletteFarbe(ed_, ed_.Vordergrund()));
        p.drawRect(1, 1, 26, 26);
    }

private:
    const CWappenEditor& ed_;
};

}  // namespace

CWappenRaster::CWappenRaster(CWappenEditor& ed, QWidget* parent) : QWidget(parent), ed_(ed) {
    setObjectName("WappenRaster");
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

void CWappenRaster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int y = 0; y < CWappenEditor::kSeite; ++y)
        for (int x = 0; x < CWappenEditor::kSeite; ++x)
            p.fillRect(x * kZelle, y * kZelle, kZelle, kZelle, PaletteFarbe(ed_, ed_.Pixel(x, y)));
    p.setPen(QColor(128, 128, 128, 110));
    for (int i = 0; i <= CWappenEditor::kSeite; ++i) {
        p.drawLine(i * kZelle, 0, i * kZelle, CWappenEditor::kSeite * kZelle);
        p.drawLine(0, i * kZelle, CWappenEditor::kSeite * kZelle, i * kZelle);
    }
}

void CWappenRaster::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    const QPoint pos = e->position().toPoint();
    ed_.Druecken(pos.x() / kZelle, pos.y() / kZelle, e->button() == Qt::RightButton);
    update();
    emit geaendert();
}

void CWappenRaster::mouseMoveEvent(QMouseEvent* e) {
    const bool links = e->buttons() & Qt::LeftButton;
    const bool rechts = e->buttons() & Qt::RightButton;
    if (!links && !rechts) return;
    const QPoint pos = e->position().toPoint();
    if (pos.x() < 0 || pos.y() < 0) return;
    ed_.Ziehen(pos.x() / kZelle, pos.y() / kZelle, !links);
    update();
    emit geaendert();
}

CWappenPalette::CWappenPalette(CWappenEditor& ed, QWidget* parent) : QWidget(parent), ed_(ed) {
    setObjectName("WappenPalette");
    setFixedSize(sizeHint());
}

void CWappenPalette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < 256; ++i) p.fillRect((i % 16) * kZelle + 1, (i / 16) * kZelle + 1, kZelle - 1, kZelle - 1, PaletteFarbe(ed_, i));
    auto markiere = [&](int i, const QColor& c) {
        p.setPen(QPen(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect((i % 16) * kZelle + 1, (i / 16) * kZelle + 1, kZelle - 1, kZelle - 1);
    };
    markiere(ed_.Hintergrund(), Qt::white);
    markiere(ed_.Vordergrund(), Qt::black);
}

void CWappenPalette::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const int x = pos.x() / kZelle, y = pos.y() / kZelle;
    if (x < 0 || y < 0 || x >= 16 || y >= 16) return;
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
    ed_.WaehleFarbe(y * 16 + x, e->button() == Qt::RightButton);
    update();
    emit gewaehlt();
}

CVereinsEditorWappen::CVereinsEditorWappen(QWidget* parent) : CPropertyPageBM("Wappen", parent) {
    setObjectName("CVereinsEditorWappen");
    auto* layout = new QHBoxLayout(this);
    raster_ = new CWappenRaster(ed_, this);
    layout->addWidget(raster_, 0, Qt::AlignTop);

    auto* rechts = new QVBoxLayout;
    auto* oben = new QHBoxLayout;
    echt_ = new CWappenEcht(ed_, this);
    farben_ = new CWappenFarben(ed_, this);
    oben->addWidget(echt_);
    oben->addSpacing(12);
    oben->addWidget(farben_);
    oben->addStretch(1);
    rechts->addLayout(oben);
    auto* hinweis = new QLabel("Linke Maustaste: Vordergrundfarbe\nRechte Maustaste: Hintergrundfarbe", this);
    rechts->addWidget(hinweis);
    palette_ = new CWappenPalette(ed_, this);
    rechts->addWidget(palette_);
    fuellen_ = new QCheckBox("&Füllen", this);
    fuellen_->setObjectName("Fuellen");
    rechts->addWidget(fuellen_);
    auto* knoepfe = new QHBoxLayout;
    undo_ = new QPushButton("&Rückgängig", this);
    undo_->setObjectName("Rueckgaengig");
    auto* laden = new QPushButton("&Laden", this);
    laden->setObjectName("Laden");
    knoepfe->addWidget(undo_);
    knoepfe->addWidget(laden);
    rechts->addLayout(knoepfe);
    rechts->addStretch(1);
    layout->addLayout(rechts);

    connect(raster_, &CWappenRaster::geaendert, this, &CVereinsEditorWappen::Aktualisiere);
    connect(palette_, &CWappenPalette::gewaehlt, this, &CVereinsEditorWappen::Aktualisiere);
    connect(fuellen_, &QCheckBox::toggled, this, [this](bool an) { ed_.FuellModus(an); });
    connect(undo_, &QPushButton::clicked, this, [this] {
        ed_.Undo();
        Aktualisiere();
    });
    connect(laden, &QPushButton::clicked, this, &CVereinsEditorWappen::OnLaden);
    Aktualisiere();
}

void CVereinsEditorWappen::LoadIconToMemory() {
    ed_.LoadIconToMemory();
    Aktualisiere();
}

void CVereinsEditorWappen::ClearUndoHistory() {
    ed_.ClearUndoHistory();
    Aktualisiere();
}

void CVereinsEditorWappen::Aktualisiere() {
    undo_->setEnabled(ed_.UndoMoeglich());
    raster_->update();
    palette_->update();
    echt_->update();
    farben_->update();
}

void CVereinsEditorWappen::OnLaden() {
    QFileDialog dlg(this, "Laden", QString(), "Bitmap Files (*.bmp);;All Files (*)");
    dlg.setDefaultSuffix("bmp");
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
    ed_.LadeDatei(std::filesystem::path(dlg.selectedFiles().front().toStdString()));
    Aktualisiere();
}

}  // namespace v3
