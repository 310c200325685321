#include "editors/verein/Trikotseiten.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "ui/PictureLoader.h"

namespace v3 {

namespace {

constexpr int kHemdBild = 830;
constexpr int kHoseBild = 831;
constexpr int kStutzenBild = 832;

QImage Vorlage(int nr) {
    auto bild = LoadPicture(nr, "BITMAP");
    return PixmapOf(bild.get()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the second colour covers a pixel of the shirt's body (bx, by are
// relative to the body, 48 x 82 pixels).
bool ZweiteFarbe(int streifen, int bx, int by) {
    switch (streifen) {
        case 1: return (bx / 6) % 2 == 1;                  // längs
        case 2: return (by / 8) % 2 == 1;                  // quer
        case 3: return bx >= 24;                           // Halb/Halb
        case 4: return by < 18;                            // Schulter
        case 5: return by >= 26 && by < 38;                // Brustring
        case 7: return std::abs(bx - 24) < 5;              // Mittelstr.
        case 8: return ((bx / 8) + (by / 8)) % 2 == 1;     // kariert
        case 9: return std::abs(by - bx * 82 / 48) < 9;    // schräg
        default: return false;                             // neutral, Ärmel
    }
}

QRgb Schattiert(const QColor& farbe, int hell) {
    return qRgb(farbe.red() * hell / 255, farbe.green() * hell / 255, farbe.blue() * hell / 255);
}

// Colours a keyed template (see the kit pictures): magenta stays clear, the
// areas take the colour the function gives for their key and position.
template <class F>
QImage Faerben(const QImage& vorlage, F farbeVon) {
    QImage out(vorlage.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < vorlage.height(); ++y)
        for (int x = 0; x < vorlage.width(); ++x) {
            const QRgb p = vorlage.pixel(x, y);
            if (qRed(p) > 250 && qGreen(p) < 5 && qBlue(p) > 250) continue;
            if (qBlue(p) < 64) {
                out.setPixel(x, y, qRgb(40, 40, 40));
                continue;
            }
            out.setPixel(x, y, Schattiert(farbeVon(x, y, qBlue(p) > 192), qRed(p)));
        }
    return out;
}

}  // namespace

QColor TrikotFarbe(int farbe) {
    static const QColor farben[kTrikotFarbenAnzahl] = {
        {250, 250, 250}, {215, 25, 35},  {250, 215, 0},  {25, 55, 180}, {120, 215, 80},
        {0, 125, 55},    {0, 185, 185},  {120, 180, 240}, {125, 80, 35}, {125, 50, 160},
        {250, 140, 0},   {25, 25, 25},   {120, 0, 40}};
    return farbe >= 0 && farbe < kTrikotFarbenAnzahl ? farben[farbe] : QColor(128, 128, 128);
}

CTrikotVorschau::CTrikotVorschau(QWidget* parent)
    : QWidget(parent), hemd_(Vorlage(kHemdBild)), hose_(Vorlage(kHoseBild)), stutzen_(Vorlage(kStutzenBild)) {
    setObjectName("Vorschau");
    setMinimumSize(sizeHint());
}

void CTrikotVorschau::Zeige(const TRIKOTSATZ& satz) {
    satz_ = satz;
    update();
}

void CTrikotVorschau::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor haupt = TrikotFarbe(satz_.TrikotFarbe);
    const QColor zweite = TrikotFarbe(satz_.StreifenFarbe);
    const QColor hose = TrikotFarbe(satz_.HosenFarbe);
    const QColor stutzen = TrikotFarbe(satz_.StutzenFarbe);
    const int streifen = satz_.Streifen;
    const int x0 = (width() - 96) / 2;
    if (hemd_.isNull()) {  // without the program's pictures: plain blocks
        p.fillRect(x0 + 24, 4, 48, 82, haupt);
        p.fillRect(x0 + 30, 92, 36, 40, hose);
        p.fillRect(x0 + 32, 136, 12, 44, stutzen);
        p.fillRect(x0 + 52, 136, 12, 44, stutzen);
        return;
    }
    p.drawImage(x0, 4, Faerben(hemd_, [&](int x, int y, bool rumpf) {
                    if (!rumpf) return streifen == 6 ? zweite : haupt;
                    return streifen != 0 && ZweiteFarbe(streifen, x - 24, y) ? zweite : haupt;
                }));
    p.drawImage(x0 + 12, 90, Faerben(hose_, [&](int, int, bool) { return hose; }));
    const QImage socke = Faerben(stutzen_, [&](int, int y, bool) {
        return satz_.Ringelsocken != 0 && (y / 5) % 2 == 1 ? hose : stutzen;
    });
    p.drawImage(x0 + 24, 134, socke);
    p.drawImage(x0 + 52, 134, socke.mirrored(true, false));
}

CTrikotFelder::CTrikotFelder(QWidget* parent) : QWidget(parent) {
    auto* aussen = new QHBoxLayout(this);
    auto* rahmen = new QGroupBox("Trikot Eigenschaften", this);
    aussen->addWidget(rahmen, 1);
    auto* raster = new QGridLayout(rahmen);

    satzWahl_ = new QButtonGroup(this);
    auto* heim = new QRadioButton("Heimtrikot", rahmen);
    heim->setObjectName("Heimtrikot");
    auto* auswaerts = new QRadioButton("Auswärtstrikot", rahmen);
    auswaerts->setObjectName("Auswaertstrikot");
    satzWahl_->addButton(heim, 0);
    satzWahl_->addButton(auswaerts, 1);
    auto* satzZeile = new QHBoxLayout;
    satzZeile->addWidget(heim);
    satzZeile->addWidget(auswaerts);
    satzZeile->addStretch(1);
    raster->addLayout(satzZeile, 0, 0, 1, 2);

    auto farbListe = [&](const char* text, const char* name, int zeile) {
        auto* label = new QLabel(text, rahmen);
        auto* combo = new QComboBox(rahmen);
        combo->setObjectName(name);
        for (int f = 0; f < kTrikotFarbenAnzahl; ++f) {
            QPixmap muster(14, 14);
            muster.fill(TrikotFarbe(f));
            combo->addItem(QIcon(muster), KitColourNamesCapitalised[size_t(f)]);
        }
        label->setBuddy(combo);
        raster->addWidget(label, zeile, 0);
        raster->addWidget(combo, zeile, 1);
        return combo;
    };
    trikot_ = farbListe("Trikotfarbe &1", "Trikotfarbe1", 1);
    streifenFarbe_ = farbListe("Trikotfarbe &2", "Trikotfarbe2", 2);
    hose_ = farbListe("&Hosenfarbe", "Hosenfarbe", 3);
    stutzen_ = farbListe("&Stutzenfarbe", "Stutzenfarbe", 4);

    auto* muster = new QGroupBox("Muster", rahmen);
    auto* musterRaster = new QGridLayout(muster);
    streifen_ = new QButtonGroup(this);
    for (int s = 0; s < kStreifenAnzahl; ++s) {
        auto* knopf = new QRadioButton(StreifenNamen[size_t(s)], muster);
        knopf->setObjectName(QString("Streifen%1").arg(s));
        streifen_->addButton(knopf, s);
        musterRaster->addWidget(knopf, s % 5, s / 5);
    }
    raster->addWidget(muster, 5, 0, 1, 2);
    ringel_ = new QCheckBox("&Ringelsocken", rahmen);
    ringel_->setObjectName("Ringelsocken");
    raster->addWidget(ringel_, 6, 0, 1, 2);

    vorschau_ = new CTrikotVorschau(this);
    aussen->addWidget(vorschau_, 0, Qt::AlignTop);

    for (QComboBox* c : {trikot_, streifenFarbe_, hose_, stutzen_})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { Aktualisiere(); });
    connect(streifen_, &QButtonGroup::idClicked, this, [this] { Aktualisiere(); });
    connect(ringel_, &QCheckBox::toggled, this, [this] { Aktualisiere(); });
    connect(satzWahl_, &QButtonGroup::idClicked, this, [this](int satz) {
        if (satz == werte_.Gezeigt()) return;
        Speichere();  // the set shown until now
        werte_.Zeige(satz);
        Zeige();
    });
    Zeige();
}

TRIKOTSATZ CTrikotFelder::AusFeldern() const {
    // A stored value that no list entry shows (a colour or pattern beyond the
    // named ones) stays as stored until the user picks another.
    TRIKOTSATZ s = werte_.Satz(werte_.Gezeigt());
    auto nimm = [](const QComboBox* c, int32_t& ziel) {
        if (c->currentIndex() >= 0) ziel = c->currentIndex();
    };
    nimm(trikot_, s.TrikotFarbe);
    nimm(streifenFarbe_, s.StreifenFarbe);
    nimm(hose_, s.HosenFarbe);
    nimm(stutzen_, s.StutzenFarbe);
    if (streifen_->checkedId() >= 0) s.Streifen = streifen_->checkedId();
    if (ringel_->isChecked() != (s.Ringelsocken != 0)) s.Ringelsocken = ringel_->isChecked() ? 1 : 0;
    return s;
}

void CTrikotFelder::Speichere() { werte_.Satz(werte_.Gezeigt()) = AusFeldern(); }

void CTrikotFelder::Zeige() {
    fuellt_ = true;
    const TRIKOTSATZ& s = werte_.Satz(werte_.Gezeigt());
    satzWahl_->button(werte_.Gezeigt())->setChecked(true);
    auto setze = [](QComboBox* c, int v) { c->setCurrentIndex(v >= 0 && v < c->count() ? v : -1); };
    setze(trikot_, s.TrikotFarbe);
    setze(streifenFarbe_, s.StreifenFarbe);
    setze(hose_, s.HosenFarbe);
    setze(stutzen_, s.StutzenFarbe);
    if (QAbstractButton* b = streifen_->button(s.Streifen)) {
        b->setChecked(true);
    } else if (QAbstractButton* an = streifen_->checkedButton()) {
        streifen_->setExclusive(false);
        an->setChecked(false);
        streifen_->setExclusive(true);
    }
    ringel_->setChecked(s.Ringelsocken != 0);
    fuellt_ = false;
    Aktualisiere();
}

void CTrikotFelder::Aktualisiere() {
    if (fuellt_) return;
    const TRIKOTSATZ s = AusFeldern();
    streifenFarbe_->setEnabled(ZweiteFarbeAktiv(s));
    vorschau_->Zeige(s);
}

void CTrikotFelder::InitWerte(const std::array<TRIKOTSATZ, 2>& saetze) {
    werte_.InitWerte(saetze);
    Zeige();
}

bool CTrikotFelder::CheckData() {
    Speichere();
    const bool ok = werte_.CheckData();
    Zeige();
    return ok;
}

std::array<TRIKOTSATZ, 2> CTrikotFelder::SpeichereWerte() {
    Speichere();
    return werte_.Werte();
}

CVereinsEditorTrikotsaetze::CVereinsEditorTrikotsaetze(QWidget* parent) : CPropertyPageBM("Trikotsätze", parent) {
    setObjectName("CVereinsEditorTrikotsaetze");
    auto* layout = new QVBoxLayout(this);
    felder_ = new CTrikotFelder(this);
    layout->addWidget(felder_);
    layout->addStretch(1);
}

CTrikotAuswahlDlg::CTrikotAuswahlDlg(const std::array<TRIKOTSATZ, 2>& saetze, const QString& titel, QWidget* parent)
    : CDialogBM(831, parent), saetze_(saetze) {
    setObjectName("CTrikotAuswahlDlg");
    setWindowTitle(titel);
    auto* layout = new QVBoxLayout(this);
    felder_ = new CTrikotFelder(this);
    felder_->InitWerte(saetze);
    layout->addWidget(felder_);
    QPushButton* ok = nullptr;
    layout->addLayout(OkCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, &CTrikotAuswahlDlg::OnOK);
}

void CTrikotAuswahlDlg::OnOK() {
    if (!felder_->CheckData()) return;
    saetze_ = felder_->SpeichereWerte();
    accept();
}

}  // namespace v3
