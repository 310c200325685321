#include "editors/personal/BandenwerbungDlg.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdlib>

#include "base/AppState.h"
#include "editors/personal/PersonalWidgets.h"
#include "platform/Text1252.h"
#include "records/Land.h"

namespace v3 {
namespace {

QColor Farbe(int index) {
    const SponsorFarbe f = AnzeigeFarbe(index);
    return QColor(f.r, f.g, f.b);
}

// The preview is the board at twice its size.
constexpr int kVorschauFaktor = 2;

}  // namespace

// ---------------------------------------------------------------- colour field

CFarbFeld::CFarbFeld(QWidget* parent) : QWidget(parent) {
    setObjectName("Farbfeld");
    setFocusPolicy(Qt::StrongFocus);
    setToolTip("Linke Maustaste (Leertaste): Schriftfarbe\nRechte Maustaste (Umschalt+Leertaste): Hintergrundfarbe");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CFarbFeld::sizeHint() const {
    const int zeilen = int(kSponsorFarben.size()) / kSpalten;
    return {kSpalten * (kKante + 4) + 2, zeilen * (kKante + 4) + 2};
}

QRect CFarbFeld::Feld(int position) const {
    const int x = position % kSpalten, y = position / kSpalten;
    return {2 + x * (kKante + 4), 2 + y * (kKante + 4), kKante, kKante};
}

void CFarbFeld::Markieren(int text, int hintergrund) {
    text_ = text;
    hintergrund_ = hintergrund;
    update();
}

void CFarbFeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont klein = font();
    klein.setBold(true);
    p.setFont(klein);
    for (int i = 0; i < int(kSponsorFarben.size()); ++i) {
        const QRect r = Feld(i);
        const QColor c = Farbe(kSponsorFarben[size_t(i)].index);
        p.fillRect(r, c);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        // "S" marks the text colour, "H" the background colour.
        QString marke;
        if (kSponsorFarben[size_t(i)].index == text_) marke += "S";
        if (kSponsorFarben[size_t(i)].index == hintergrund_) marke += "H";
        if (!marke.isEmpty()) {
            p.setPen(c.lightness() > 128 ? Qt::black : Qt::white);
            p.drawText(r, Qt::AlignCenter, marke);
        }
        if (hasFocus() && i == fokus_) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.drawRect(r.adjusted(-2, -2, 1, 1));
        }
    }
}

void CFarbFeld::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < int(kSponsorFarben.size()); ++i) {
        if (!Feld(i).contains(e->position().toPoint())) continue;
        fokus_ = i;
        const int index = kSponsorFarben[size_t(i)].index;
        if (e->button() == Qt::LeftButton) emit textFarbe(index);
        else if (e->button() == Qt::RightButton) emit hintergrundFarbe(index);
        update();
        return;
    }
}

void CFarbFeld::keyPressEvent(QKeyEvent* e) {
    const int n = int(kSponsorFarben.size());
    switch (e->key()) {
    case Qt::Key_Left: fokus_ = (fokus_ + n - 1) % n; break;
    case Qt::Key_Right: fokus_ = (fokus_ + 1) % n; break;
    case Qt::Key_Up:
    case Qt::Key_Down: fokus_ = (fokus_ + kSpalten) % n; break;
    case Qt::Key_Space:
        if (e->modifiers() & Qt::ShiftModifier) emit hintergrundFarbe(kSponsorFarben[size_t(fokus_)].index);
        else emit textFarbe(kSponsorFarben[size_t(fokus_)].index);
        break;
    default: return QWidget::keyPressEvent(e);
    }
    update();
}

// ---------------------------------------------------------------- font dialog

CSchriftDlg::CSchriftDlg(QWidget* parent, const SponsorFont& font) : CDialogBM(144, parent), start_(WahlAus(font)) {
    setWindowTitle("Schriftart");
    face_ = new QFontComboBox(this);
    face_->setObjectName("Schriftart");
    face_->setFontFilters(QFontComboBox::ScalableFonts);
    // A face that is not installed shows as the face put in its place.
    QFont gespeichert(Qt8(font.faceName));
    if ((font.pitchAndFamily & 0xF0) == 0x10) gespeichert.setStyleHint(QFont::Serif);
    if ((font.pitchAndFamily & 0xF0) == 0x30) gespeichert.setStyleHint(QFont::TypeWriter);
    face_->setCurrentFont(QFont(QFontInfo(gespeichert).family()));
    startFamilie_ = face_->currentFont().family();
    groesse_ = new QSpinBox(this);
    groesse_->setObjectName("Schriftgrad");
    groesse_->setRange(kMinSchriftPunkte, kMaxSchriftPunkte);
    groesse_->setValue(start_.punkte);
    fett_ = new QCheckBox("&Fett", this);
    fett_->setObjectName("Fett");
    fett_->setChecked(start_.fett);
    kursiv_ = new QCheckBox("&Kursiv", this);
    kursiv_->setObjectName("Kursiv");
    kursiv_->setChecked(start_.kursiv);
    unterstrichen_ = new QCheckBox("&Unterstrichen", this);
    unterstrichen_->setChecked(start_.unterstrichen);
    durchgestrichen_ = new QCheckBox("&Durchgestrichen", this);
    durchgestrichen_->setChecked(start_.durchgestrichen);

    auto* form = new QFormLayout;
    form->addRow("&Schriftart", face_);
    form->addRow("Schrift&grad (10-36)", groesse_);
    for (QCheckBox* b : {fett_, kursiv_, unterstrichen_, durchgestrichen_}) form->addRow(QString(), b);
    QPushButton* ok;
    QPushButton* abbrechen;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(KnopfLeiste(this, &ok, &abbrechen));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

SchriftWahl CSchriftDlg::Wahl() const {
    SchriftWahl w = start_;
    const QString familie = face_->currentFont().family();
    if (familie != startFamilie_) {
        w.faceGeaendert = true;
        // A face name that code page 1252 cannot hold is kept out (it would not
        // be found again); the sponsor keeps its face.
        auto text = Utf8ToCp1252(familie.toStdString());
        w.faceGeaendert = text.text.has_value();
        if (text.text) w.face = *text.text;
        w.festeBreite = QFontDatabase::isFixedPitch(familie);
    }
    w.punkte = groesse_->value();
    w.fett = fett_->isChecked();
    w.kursiv = kursiv_->isChecked();
    w.unterstrichen = unterstrichen_->isChecked();
    w.durchgestrichen = durchgestrichen_->isChecked();
    return w;
}

// ---------------------------------------------------------------- the sponsor editor

CBandenwerbungDlg::CBandenwerbungDlg(QWidget* parent, CLand& land)
    : CDialogBM(143, parent), land_(land), liste_(land) {
    setWindowTitle(TitelMitLand("Sponsoren"));

    namen_ = new QListWidget(this);
    namen_->setObjectName("Sponsorliste");
    for (int i = 0; i < liste_.Anzahl(); ++i) namen_->addItem(Qt8(liste_.Kopie(i).Name()));
    namen_->setMinimumWidth(170);

    firma_ = new QLineEdit(this);
    firma_->setObjectName("Firmenname");
    schrift_ = new QPushButton("Schrift&art...", this);
    schrift_->setObjectName("Schrift");
    schrift_->setAutoDefault(false);
    vorschau_ = new QLabel(this);
    vorschau_->setObjectName("Vorschau");
    vorschau_->setFixedSize(CSponsor::kBoardWidth * kVorschauFaktor + 2, CSponsor::kBoardHeight * kVorschauFaktor + 2);
    vorschau_->setFrameShape(QFrame::Box);
    farben_ = new CFarbFeld(this);
    groesse_ = new QSpinBox(this);
    groesse_->setObjectName("Groesse");
    groesse_->setRange(0, 2);
    groesseText_ = new QLabel(this);
    groesseText_->setMinimumWidth(60);

    auto* rechts = new QVBoxLayout;
    auto* form = new QFormLayout;
    form->addRow("&Firmenname", firma_);
    auto* groesseZeile = new QHBoxLayout;
    groesseZeile->addWidget(groesse_);
    groesseZeile->addWidget(groesseText_);
    groesseZeile->addStretch(1);
    auto* groesseLabel = new QLabel("&Gr\xC3\xB6\xC3\x9F" "e des Unternehmens", this);
    groesseLabel->setBuddy(groesse_);
    form->addRow(groesseLabel, groesseZeile);
    rechts->addLayout(form);
    rechts->addWidget(new QLabel("Bande", this));
    rechts->addWidget(vorschau_);
    auto* farbZeile = new QHBoxLayout;
    auto* farbLabel = new QLabel("Far&ben (links: Schrift, rechts: Hintergrund)", this);
    farbLabel->setBuddy(farben_);
    rechts->addWidget(farbLabel);
    farbZeile->addWidget(farben_);
    farbZeile->addStretch(1);
    farbZeile->addWidget(schrift_, 0, Qt::AlignTop);
    rechts->addLayout(farbZeile);
    rechts->addStretch(1);

    auto* links = new QVBoxLayout;
    auto* listLabel = new QLabel("&Sponsoren", this);
    listLabel->setBuddy(namen_);
    links->addWidget(listLabel);
    links->addWidget(namen_, 1);

    auto* oben = new QHBoxLayout;
    oben->addLayout(links);
    oben->addLayout(rechts, 1);
    QPushButton* ok;
    QPushButton* abbrechen;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(KnopfLeiste(this, &ok, &abbrechen));
    setTabOrder(namen_, firma_);
    setTabOrder(firma_, groesse_);
    setTabOrder(groesse_, farben_);
    setTabOrder(farben_, schrift_);
    setTabOrder(schrift_, ok);
    setTabOrder(ok, abbrechen);

    connect(namen_, &QListWidget::currentRowChanged, this, [this](int i) { Auswaehlen(i); });
    connect(firma_, &QLineEdit::textEdited, this, [this](const QString& t) { OnNameGeaendert(t); });
    connect(schrift_, &QPushButton::clicked, this, [this] { OnSchrift(); });
    connect(farben_, &CFarbFeld::textFarbe, this, [this](int index) {
        if (aktuell_ < 0) return;
        liste_.TextFarbe(aktuell_, index);
        Zeichnen();
    });
    connect(farben_, &CFarbFeld::hintergrundFarbe, this, [this](int index) {
        if (aktuell_ < 0) return;
        liste_.HintergrundFarbe(aktuell_, index);
        Zeichnen();
    });
    connect(groesse_, &QSpinBox::valueChanged, this, [this](int v) {
        groesseText_->setText(QString::fromStdString(CSponsorListe::GroessenText(v)));
        if (aktuell_ >= 0) liste_.Groesse(aktuell_, v);
    });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    resize(820, 420);
    Auswaehlen(-1);
    if (liste_.Anzahl() > 0) namen_->setCurrentRow(0);
    namen_->setFocus();
}

CBandenwerbungDlg::~CBandenwerbungDlg() = default;

void CBandenwerbungDlg::Auswaehlen(int i) {
    aktuell_ = (i >= 0 && i < liste_.Anzahl()) ? i : -1;
    const bool da = aktuell_ >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{firma_, schrift_, farben_, groesse_}) w->setEnabled(da);
    QSignalBlocker block(groesse_);
    if (!da) {
        firma_->clear();
        groesse_->setValue(0);
        groesseText_->clear();
        vorschau_->clear();
        return;
    }
    const CSponsor& s = liste_.Kopie(aktuell_);
    letzterName_ = Qt8(s.Name());
    firma_->setMaxLength(std::max(kMaxSponsorName, int(letzterName_.size())));
    firma_->setText(letzterName_);
    groesse_->setValue(s.Unternehmensgroesse());
    groesseText_->setText(QString::fromStdString(CSponsorListe::GroessenText(s.Unternehmensgroesse())));
    Zeichnen();
}

void CBandenwerbungDlg::OnNameGeaendert(const QString& text) {
    if (aktuell_ < 0) return;
    auto name = Utf8ToCp1252(text.toStdString());
    if (!name.text) {
        // The refused character goes again; the sponsor keeps its last name.
        App().ui->MessageBox(RefusedCharacterMessage(name.badCharacter), "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        firma_->setText(letzterName_);
        return;
    }
    letzterName_ = text;
    liste_.Umbenennen(aktuell_, *name.text);
    namen_->item(aktuell_)->setText(text);
    Zeichnen();
}

void CBandenwerbungDlg::OnSchrift() {
    if (aktuell_ < 0) return;
    CSchriftDlg dlg(this, liste_.Kopie(aktuell_).Font());
    if (dlg.exec() != QDialog::Accepted) return;
    liste_.Schrift(aktuell_, dlg.Wahl());
    Zeichnen();
}

void CBandenwerbungDlg::Zeichnen() {
    if (aktuell_ < 0) return;
    const CSponsor& s = liste_.Kopie(aktuell_);
    farben_->Markieren(s.TextFarbe(), s.HintergrundFarbe());
    // The board exactly as the save writes it; a template that cannot be read
    // has been reported by the sponsor, and a plain board stands in for it.
    const std::vector<uint8_t> bmp = s.ErzeugeBitmapPtr();
    bande_ = QImage();
    if (!bmp.empty()) bande_.loadFromData(bmp.data(), int(bmp.size()), "BMP");
    if (bande_.isNull()) {
        bande_ = QImage(CSponsor::kBoardWidth, CSponsor::kBoardHeight, QImage::Format_RGB32);
        bande_.fill(Farbe(s.HintergrundFarbe()));
        QPainter p(&bande_);
        QFont f(Qt8(s.FontFace()));
        f.setPixelSize(s.FontHeight() != 0 ? std::abs(s.FontHeight()) : 16);
        f.setBold(s.FontWeight() >= 600);
        f.setItalic(s.FontItalic());
        f.setUnderline(s.FontUnderline());
        f.setStrikeOut(s.FontStrikeOut());
        p.setFont(f);
        p.setPen(Farbe(s.TextFarbe()));
        p.drawText(bande_.rect(), Qt::AlignCenter, Qt8(s.Name()));
    }
    vorschau_->setPixmap(QPixmap::fromImage(bande_.scaled(bande_.size() * kVorschauFaktor)));
}

void CBandenwerbungDlg::OnOK() {
    if (liste_.Uebernehmen(land_)) accept();
}

}  // namespace v3
