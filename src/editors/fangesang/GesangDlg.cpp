#include "editors/fangesang/GesangDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "base/AppState.h"
#include "base/Layout.h"
#include "editors/fangesang/rules/PlaySound.h"
#include "ui/SoundLib.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

QComboBox* Auswahlbox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

void FuelleBox(QComboBox* box, const std::vector<AuswahlEintrag>& eintraege, int32_t gewaehlt) {
    QSignalBlocker b(box);
    box->clear();
    for (const auto& e : eintraege) box->addItem(Qt8(e.text), e.wert);
    box->setCurrentIndex(std::max(0, box->findData(gewaehlt)));
}

// A name field that never cuts a longer stored text.
void SetzeText(QLineEdit* feld, const std::string& cp1252, int maxLen) {
    const QString text = Qt8(cp1252);
    feld->setMaxLength(std::max(maxLen, int(text.size())));
    feld->setText(text);
    feld->setCursorPosition(0);
}

}  // namespace

CGesangDlg::CGesangDlg(QWidget* parent, std::unique_ptr<CGesangEditor> rules, const QString& titel, bool eigene)
    : CDialogBM(0, parent), rules_(std::move(rules)), eigene_(eigene) {
    setWindowTitle(titel);
    auto* layout = new QVBoxLayout(this);

    if (eigene_) {
        auto* dateiBox = new QGroupBox("Sound-Dateien (Doppelklick: als Fangesang aufnehmen)", this);
        auto* dl = new QHBoxLayout(dateiBox);
        dateien_ = new QListWidget(dateiBox);
        dateien_->setObjectName("Dateien");
        dateien_->setMaximumHeight(90);
        for (const std::string& name : SpielbareWaveDateien(kDirFanWaves)) dateien_->addItem(Qt8(name));
        auto* spielen = new QPushButton("Fangesang &spielen", dateiBox);
        spielen->setObjectName("Spielen");
        spielen->setAutoDefault(false);
        dl->addWidget(dateien_, 1);
        dl->addWidget(spielen, 0, Qt::AlignTop);
        layout->addWidget(dateiBox);
        connect(dateien_, &QListWidget::itemDoubleClicked, this, [this] { OnDateiDoppelklick(); });
        connect(spielen, &QPushButton::clicked, this, [this] { OnSpielen(); });
    }

    auto* mitte = new QHBoxLayout;
    liste_ = new QListWidget(this);
    liste_->setObjectName("Liste");
    liste_->setMinimumWidth(250);
    liste_->setMaximumWidth(280);
    mitte->addWidget(liste_);

    felder_ = new QWidget(this);
    auto* form = new QFormLayout(felder_);
    form->setContentsMargins(0, 0, 0, 0);
    text_ = new QLineEdit(felder_);
    text_->setObjectName("Text");
    text_->setMaxLength(kMaxGesangText);
    text_->setReadOnly(eigene_);
    land_ = Auswahlbox(felder_, "Land");
    verein_ = Auswahlbox(felder_, "Verein");
    gegner_ = Auswahlbox(felder_, "Gegner");
    haeufigkeit_ = Auswahlbox(felder_, "Haeufigkeit");
    for (const char* h : kGesangHaeufigkeiten) haeufigkeit_->addItem(QString::fromUtf8(h));
    art_ = Auswahlbox(felder_, "Art");
    for (const char* a : kGesangArten) art_->addItem(QString::fromUtf8(a));
    form->addRow(eigene_ ? "Datei" : "&Text", text_);
    form->addRow("&Land", land_);
    form->addRow("Bei &welchem Verein", verein_);
    form->addRow("Gegen welchen &Gegner", gegner_);
    form->addRow("&H\xC3\xA4ufigkeit", haeufigkeit_);
    form->addRow("&Art", art_);

    auto* spieler = new QGroupBox("Spieler", felder_);
    auto* sg = new QGridLayout(spieler);
    spott_ = new QCheckBox("S&pott \xC3\xBC" "ber Spieler", spieler);
    spott_->setObjectName("SpottSpieler");
    spottName_ = new QLineEdit(spieler);
    spottName_->setObjectName("SpottName");
    tor_ = new QCheckBox("Bei T&orerfolg von Spieler", spieler);
    tor_->setObjectName("TorSpieler");
    torName_ = new QLineEdit(spieler);
    torName_->setObjectName("TorName");
    sg->addWidget(spott_, 0, 0);
    sg->addWidget(spottName_, 0, 1);
    sg->addWidget(tor_, 1, 0);
    sg->addWidget(torName_, 1, 1);
    form->addRow(spieler);
    mitte->addWidget(felder_, 1);
    layout->addLayout(mitte, 1);

    if (!eigene_) {
        QString hilfe = "Platzhalter im Text:";
        for (const char* p : kGesangPlatzhalter) hilfe += "\n" + QString::fromUtf8(p);
        auto* hilfeText = new QLabel(hilfe, this);
        hilfeText->setObjectName("Platzhalter");
        layout->addWidget(hilfeText);
    }
    auto* hinweis = new QLabel("Rechte Maustaste: Neu, L\xC3\xB6schen, Duplizieren", this);
    layout->addWidget(hinweis);

    popup_ = new QMenu(this);
    popup_->setObjectName("Popup");
    QAction* neu = popup_->addAction("Neu");
    neu->setObjectName("Neu");
    QAction* loeschen = popup_->addAction("L\xC3\xB6schen");
    loeschen->setObjectName("Loeschen");
    QAction* duplizieren = popup_->addAction("Duplizieren");
    duplizieren->setObjectName("Duplizieren");
    connect(neu, &QAction::triggered, this, &CGesangDlg::OnNeu);
    connect(loeschen, &QAction::triggered, this, &CGesangDlg::OnLoeschen);
    connect(duplizieren, &QAction::triggered, this, &CGesangDlg::OnDuplizieren);

    QPushButton* ok;
    QPushButton* abbrechen;
    layout->addLayout(OkCancelRow(this, &ok, &abbrechen));
    abbrechen->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CGesangDlg::accept);

    connect(liste_, &QListWidget::currentRowChanged, this, &CGesangDlg::OnAuswahl);
    connect(land_, &QComboBox::currentIndexChanged, this, &CGesangDlg::OnLandGewaehlt);
    connect(art_, &QComboBox::currentIndexChanged, this, &CGesangDlg::OnArtGewaehlt);
    for (QCheckBox* box : {spott_, tor_})
        connect(box, &QCheckBox::toggled, this, [this] { OnArtGewaehlt(); });

    if (dateien_) setTabOrder(dateien_, liste_);
    setTabOrder(liste_, text_);
    setTabOrder(text_, land_);
    setTabOrder(land_, verein_);
    setTabOrder(verein_, gegner_);
    setTabOrder(gegner_, haeufigkeit_);
    setTabOrder(haeufigkeit_, art_);
    setTabOrder(art_, spott_);
    setTabOrder(spott_, spottName_);
    setTabOrder(spottName_, tor_);
    setTabOrder(tor_, torName_);
    setTabOrder(torName_, ok);
    setTabOrder(ok, abbrechen);

    FuelleListe();
    resize(620, eigene_ ? 460 : 470);
}

CGesangDlg::~CGesangDlg() = default;

void CGesangDlg::FuelleListe() {
    {
        QSignalBlocker b(liste_);
        liste_->clear();
        for (int i = 0; i < rules_->Anzahl(); ++i) liste_->addItem(Qt8(rules_->Kopie(i).Text()));
        liste_->setCurrentRow(rules_->Auswahl());
    }
    Zeige(rules_->Auswahl());
}

void CGesangDlg::Zeige(int i) {
    felder_->setEnabled(i >= 0);
    GesangEingabe e;
    // Without a chant the fields offer the first country for a new one.
    e.nation = App().NationNummer[0];
    if (i >= 0) e = rules_->Zeige(i);
    SetzeText(text_, e.text, kMaxGesangText);
    FuelleBox(land_, LandAuswahl(e.nation), e.nation);
    FuelleVereine(verein_, e.nation, e.verein);
    FuelleVereine(gegner_, e.nation, e.gegner);
    {
        QSignalBlocker b1(haeufigkeit_), b2(art_), b3(spott_), b4(tor_);
        haeufigkeit_->setCurrentIndex(e.haeufigkeit);
        art_->setCurrentIndex(e.art);
        spott_->setChecked(e.spott);
        tor_->setChecked(e.tor);
    }
    SetzeText(spottName_, e.spottName, kMaxGesangSpieler);
    SetzeText(torName_, e.torName, kMaxGesangSpieler);
    OnArtGewaehlt();
}

void CGesangDlg::FuelleVereine(QComboBox* box, int32_t nation, int32_t gewaehlt) {
    FuelleBox(box, VereinsAuswahl(nation, gewaehlt), gewaehlt);
}

std::optional<GesangEingabe> CGesangDlg::Felder() const {
    GesangEingabe e;
    auto text = Text1252(text_);
    if (!text) return std::nullopt;
    auto spott = Text1252(spottName_);
    if (!spott) return std::nullopt;
    auto tor = Text1252(torName_);
    if (!tor) return std::nullopt;
    e.text = *text;
    e.spottName = *spott;
    e.torName = *tor;
    e.nation = land_->currentData().toInt();
    e.verein = verein_->currentData().toInt();
    e.gegner = gegner_->currentData().toInt();
    e.haeufigkeit = std::max(0, haeufigkeit_->currentIndex());
    e.art = std::max(0, art_->currentIndex());
    e.spott = spott_->isChecked();
    e.tor = tor_->isChecked();
    return e;
}

void CGesangDlg::OnAuswahl(int row) {
    if (row == rules_->Auswahl()) return;
    auto felder = Felder();
    if (!felder || !rules_->Waehle(row, *felder)) {
        QSignalBlocker b(liste_);
        liste_->setCurrentRow(rules_->Auswahl());
        return;
    }
    // The chant just left may show a changed text.
    FuelleListe();
}

void CGesangDlg::OnLandGewaehlt() {
    // Another country: its clubs, and "Alle" for both.
    const int32_t nation = land_->currentData().toInt();
    FuelleVereine(verein_, nation, -1);
    FuelleVereine(gegner_, nation, -1);
}

void CGesangDlg::OnArtGewaehlt() {
    // Each player box belongs to one kind of chant; its name field follows the box.
    const int art = art_->currentIndex();
    spott_->setEnabled(SpottMoeglich(art));
    tor_->setEnabled(TorMoeglich(art));
    spottName_->setEnabled(SpottMoeglich(art) && spott_->isChecked());
    torName_->setEnabled(TorMoeglich(art) && tor_->isChecked());
}

void CGesangDlg::OnNeu() {
    auto felder = Felder();
    if (!felder) return;
    if (eigene_) {
        // An own chant is a sound file: "Neu" takes the file chosen above.
        const QListWidgetItem* datei = dateien_->currentItem();
        auto name = datei ? Text1252(datei->text()) : std::optional<std::string>(std::string());
        if (!name || !rules_->DateiHinzufuegen(*name, *felder)) return;
        FuelleListe();
        return;
    }
    if (!rules_->Neu(*felder)) return;
    FuelleListe();
    text_->setFocus();
}

void CGesangDlg::OnLoeschen() {
    if (rules_->Loeschen()) FuelleListe();
}

void CGesangDlg::OnDuplizieren() {
    auto felder = Felder();
    if (felder && rules_->Duplizieren(*felder)) FuelleListe();
}

void CGesangDlg::OnDateiDoppelklick() { OnNeu(); }

void CGesangDlg::OnSpielen() {
    // The file chosen above, else the selected chant's file.
    std::optional<std::string> name;
    if (const QListWidgetItem* datei = dateien_->currentItem()) name = Text1252(datei->text());
    else if (rules_->Auswahl() >= 0) name = rules_->Kopie(rules_->Auswahl()).Text();
    if (!name || name->empty()) return;
    sound_ = std::make_unique<CSound>();
    if (sound_->Create(WavePfad(kDirFanWaves, *name)) && sound_->Frequency() == uint32_t(kWaveRate))
        sound_->Play(false);
}

void CGesangDlg::contextMenuEvent(QContextMenuEvent* event) {
    // Opens a little to the upper left of the mouse, as the editors always did.
    const QPoint pos = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() - QPoint(50, 35) : event->globalPos();
    popup_->popup(pos);
}

void CGesangDlg::accept() {
    auto felder = Felder();
    if (!felder || !rules_->Uebernehmen(*felder)) return;
    CDialogBM::accept();
}

}  // namespace v3
