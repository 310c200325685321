#include "editors/bonus/BonusLandAuswahlDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/AppState.h"
#include "base/BonusTables.h"
#include "base/Layout.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

constexpr int kBonusLayout = 455;

// Entries of the list "Gelbsperre nach": suspension after 3, 4, 5 or 6 yellow cards.
constexpr int kGelbsperren = 4;
constexpr int kErsteGelbsperre = 3;

QString HostText(const std::string& pfad) { return QString::fromStdString(HostOrAbsolutePath(pfad).string()); }

// A list of the nine predefined nations, each with its flag picture, for the map or the crest.
QComboBox* BilderListe(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setIconSize(QSize(24, 16));
    for (int i = 0; i < kVordefinierteBonusNationen; ++i) {
        const QPixmap flagge(HostText(BonusFlaggenDatei(i)));
        box->addItem(QIcon(flagge), Qt8(VordefinierteBonusNationen[size_t(i)].name), i);
    }
    return box;
}

// Selects the entry with this value, or none.
void Waehle(QComboBox* box, int wert) { box->setCurrentIndex(box->findData(wert)); }

int Wert(const QComboBox* box) { return box->currentIndex() < 0 ? kKeineWahl : box->currentData().toInt(); }

// The user's file as the last entry of a picture list, chosen.
void EigeneDateiZeigen(QComboBox* box, const std::string& pfad) {
    const int da = box->findData(kEigeneDatei);
    const QString name = QFileInfo(HostText(pfad)).fileName();
    if (da >= 0)
        box->setItemText(da, name);
    else
        box->addItem(name, kEigeneDatei);
    box->setItemData(box->findData(kEigeneDatei), HostText(pfad), Qt::ToolTipRole);
    Waehle(box, kEigeneDatei);
}

QRadioButton* Option(QWidget* parent, QButtonGroup* gruppe, const char* text, int wert, const char* name) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    gruppe->addButton(b, wert);
    return b;
}

QPushButton* Durchsuchen(QWidget* parent, const char* name) {
    auto* b = new QPushButton("Durchsuchen", parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* Beschriftung(const char* text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

CBonusLandAuswahlDlg::CBonusLandAuswahlDlg(QWidget* parent, const BonusLandAuswahl& a) : CDialogBM(kBonusLayout, parent) {
    setWindowTitle("Neues Bonusland erzeugen");
    auto* layout = new QVBoxLayout(this);

    // Nation and pictures.
    auto* oben = new QGroupBox("Bonusland", this);
    auto* og = new QGridLayout(oben);
    land_ = new QComboBox(oben);
    land_->setObjectName("Land");
    for (const auto& e : BonusNationenListe()) land_->addItem(Qt8(e.name), e.nation);
    Waehle(land_, a.nation);
    og->addWidget(Beschriftung("&Land", land_, oben), 0, 0);
    og->addWidget(land_, 0, 1, 1, 2);

    karte_ = BilderListe(oben, "Karte");
    auto* karteSuchen = Durchsuchen(oben, "KarteDurchsuchen");
    og->addWidget(Beschriftung("&Karte f\xC3\xBCr Vereinseditor", karte_, oben), 1, 0);
    og->addWidget(karte_, 1, 1);
    og->addWidget(karteSuchen, 1, 2);

    wappen_ = BilderListe(oben, "Wappen");
    auto* wappenSuchen = Durchsuchen(oben, "WappenDurchsuchen");
    og->addWidget(Beschriftung("&Standardwappen der Vereine", wappen_, oben), 2, 0);
    og->addWidget(wappen_, 2, 1);
    og->addWidget(wappenSuchen, 2, 2);
    og->setColumnStretch(1, 1);
    layout->addWidget(oben);

    if (a.karte == kEigeneDatei && !a.karteDatei.empty())
        SetzeEigeneKarte(HostText(a.karteDatei));
    else
        Waehle(karte_, a.karte);
    if (a.wappen == kEigeneDatei && !a.wappenDatei.empty())
        SetzeEigenesWappen(HostText(a.wappenDatei));
    else
        Waehle(wappen_, a.wappen);

    // The players.
    auto* spieler = new QGroupBox("Spieler", this);
    auto* sg = new QGridLayout(spieler);
    haar_ = new QButtonGroup(this);
    haut_ = new QButtonGroup(this);
    sg->addWidget(new QLabel("Haarfarbe", spieler), 0, 0);
    sg->addWidget(Option(spieler, haar_, "Hellblond", 0, "Hellblond"), 0, 1);
    sg->addWidget(Option(spieler, haar_, "Dunkelblond", 1, "Dunkelblond"), 0, 2);
    sg->addWidget(Option(spieler, haar_, "Schwarz", 4, "HaarSchwarz"), 0, 3);
    sg->addWidget(new QLabel("Hautfarbe", spieler), 1, 0);
    sg->addWidget(Option(spieler, haut_, "Hell", 0, "Hell"), 1, 1);
    sg->addWidget(Option(spieler, haut_, "Dunkel", 1, "Dunkel"), 1, 2);
    sg->addWidget(Option(spieler, haut_, "Schwarz", 2, "HautSchwarz"), 1, 3);
    if (auto* b = haar_->button(a.haarfarbe)) b->setChecked(true);
    if (auto* b = haut_->button(a.hautfarbe)) b->setChecked(true);
    layout->addWidget(spieler);

    // League and competitions.
    auto* liga = new QGroupBox("Liga", this);
    auto* lg = new QGridLayout(liga);
    liga_ = new QComboBox(liga);
    liga_->setObjectName("Ligagroesse");
    for (int k = 0; k < kLigaGroessen; ++k)
        liga_->addItem(QString::number(LigaGroesseAusIndex(k)) + " Vereine", k);
    Waehle(liga_, a.ligaGroesse);
    gelb_ = new QComboBox(liga);
    gelb_->setObjectName("GelbSperre");
    for (int k = 0; k < kGelbsperren; ++k)
        gelb_->addItem(QString::number(kErsteGelbsperre + k) + " gelben Karten", k);
    // A stored value beyond the list is kept rather than lost.
    if (a.gelbSperre >= kGelbsperren)
        gelb_->addItem(QString::number(kErsteGelbsperre + a.gelbSperre) + " gelben Karten", a.gelbSperre);
    Waehle(gelb_, a.gelbSperre);
    pokal_ = new QComboBox(liga);
    pokal_->setObjectName("Pokal");
    pokal_->addItem("Ein Spiel", 0);
    pokal_->addItem("Hin- und R\xC3\xBC" "ckspiel", 1);
    Waehle(pokal_, a.pokal);
    absteiger_ = new QSpinBox(liga);
    absteiger_->setObjectName("Absteiger");
    absteiger_->setRange(2, 4);
    absteiger_->setValue(a.absteiger);
    superCup_ = new QSpinBox(liga);
    superCup_->setObjectName("SuperCup");
    superCup_->setRange(1, 2);
    superCup_->setValue(a.superCup);
    SuperCupAnzeigen(superCup_->value());
    connect(superCup_, &QSpinBox::valueChanged, this, &CBonusLandAuswahlDlg::SuperCupAnzeigen);

    lg->addWidget(Beschriftung("Liga&gr\xC3\xB6\xC3\x9F" "e", liga_, liga), 0, 0);
    lg->addWidget(liga_, 0, 1);
    lg->addWidget(Beschriftung("G&elbsperre nach", gelb_, liga), 0, 2);
    lg->addWidget(gelb_, 0, 3);
    lg->addWidget(Beschriftung("&Pokal", pokal_, liga), 1, 0);
    lg->addWidget(pokal_, 1, 1);
    lg->addWidget(Beschriftung("&Absteiger", absteiger_, liga), 1, 2);
    lg->addWidget(absteiger_, 1, 3);
    lg->addWidget(Beschriftung("S&upercup", superCup_, liga), 2, 0);
    lg->addWidget(superCup_, 2, 1);
    lg->setColumnStretch(1, 1);
    lg->setColumnStretch(3, 1);
    layout->addWidget(liga);

    // A predefined nation brings its own crest and map where none is chosen yet.
    connect(land_, &QComboBox::currentIndexChanged, this, [this] {
        const int vordefiniert = VordefinierteBonusNationVon(Wert(land_));
        if (vordefiniert < 0) return;
        if (wappen_->currentIndex() < 0) Waehle(wappen_, vordefiniert);
        if (karte_->currentIndex() < 0) Waehle(karte_, vordefiniert);
    });

    QPushButton* ok = nullptr;
    layout->addLayout(OkCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, &CBonusLandAuswahlDlg::OnOK);
    connect(karteSuchen, &QPushButton::clicked, this, &CBonusLandAuswahlDlg::OnKarteDurchsuchen);
    connect(wappenSuchen, &QPushButton::clicked, this, &CBonusLandAuswahlDlg::OnWappenDurchsuchen);
    land_->setFocus();
}

void CBonusLandAuswahlDlg::SuperCupAnzeigen(int spiele) { superCup_->setSuffix(spiele == 1 ? " Spiel" : " Spiele"); }

void CBonusLandAuswahlDlg::SetzeEigenesWappen(const QString& pfad) {
    wappenDatei_ = pfad.toStdString();
    EigeneDateiZeigen(wappen_, wappenDatei_);
}

void CBonusLandAuswahlDlg::SetzeEigeneKarte(const QString& pfad) {
    karteDatei_ = pfad.toStdString();
    EigeneDateiZeigen(karte_, karteDatei_);
}

void CBonusLandAuswahlDlg::OnWappenDurchsuchen() {
    QFileDialog dlg(this, "Standardwappen der Vereine", QString(), "Bitmap-Dateien (*.bmp);;Alle Dateien (*)");
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) SetzeEigenesWappen(dlg.selectedFiles().front());
}

void CBonusLandAuswahlDlg::OnKarteDurchsuchen() {
    QFileDialog dlg(this, "Karte f\xC3\xBCr Vereinseditor", QString(),
                    "JPEG-Dateien (*.jpg *.jpeg);;Alle Dateien (*)");
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) SetzeEigeneKarte(dlg.selectedFiles().front());
}

BonusLandAuswahl CBonusLandAuswahlDlg::Auswahl() const {
    BonusLandAuswahl a;
    a.nation = Wert(land_);
    a.karte = Wert(karte_);
    a.wappen = Wert(wappen_);
    if (a.karte == kEigeneDatei) a.karteDatei = karteDatei_;
    if (a.wappen == kEigeneDatei) a.wappenDatei = wappenDatei_;
    a.gelbSperre = Wert(gelb_);
    a.haarfarbe = haar_->checkedId();
    a.hautfarbe = haut_->checkedId();
    a.ligaGroesse = Wert(liga_);
    a.pokal = Wert(pokal_);
    a.absteiger = absteiger_->value();
    a.superCup = superCup_->value();
    return a;
}

void CBonusLandAuswahlDlg::OnOK() {
    const auto meldungen = PruefeBonusLandAuswahl(Auswahl(), [](const std::string& pfad) {
        QImage bild;
        return !pfad.empty() && bild.load(HostText(pfad), "JPEG");
    });
    if (meldungen.empty()) {
        accept();
        return;
    }
    std::string text;
    for (const auto& m : meldungen) text += (text.empty() ? "" : "\n") + m;
    App().ui->MessageBox(text, kProgrammTitel, MsgButtons::Ok, MsgIcon::None);
}

}  // namespace v3
