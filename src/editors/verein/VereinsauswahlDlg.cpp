#include "editors/verein/VereinsauswahlDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "check/DatenCheckDlg.h"
#include "check/core/CheckRun.h"
#include "editors/spieler/SpielerEditorDlg.h"
#include "editors/verein/VereinsEditorDlg.h"
#include "shell/CountryChooser.h"
#include "ui/PictureLoader.h"
#include "ui/TabStopDelegate.h"
#include "ui/WidgetText.h"

namespace v3 {

CVereinsauswahlDlg::CVereinsauswahlDlg(int modus, QWidget* parent) : CDialogBM(161, parent), modus_(modus) {
    setObjectName("CVereinsauswahlDlg");
    setWindowTitle("Vereinsauswahl");
    auswahl_ = std::make_unique<CVereinsauswahl>(modus);
    kaderEditor = [](CVereinsauswahl& auswahl, int land, CVerein& verein, QWidget* eltern) {
        return RunSpielerEditorModus1(auswahl.Set(), land, verein, eltern);
    };

    auto* layout = new QGridLayout(this);
    laender_ = new QListWidget(this);
    laender_->setObjectName("Laender");
    laender_->setItemDelegate(new CTabStopDelegate({93}, laender_));
    auto marker = LoadPicture(kMarkerBild, "BITMAP");
    const QPixmap markerBild = PixmapOf(marker.get());
    QPixmap leer(markerBild.size().isEmpty() ? QSize(16, 12) : markerBild.size());
    leer.fill(Qt::transparent);
    bool bonus = false;
    for (int land : auswahl_->AngeboteneLaender()) {
        auto* item = new QListWidgetItem(Qt8(auswahl_->Land(land).titel), laender_);
        item->setData(Qt::UserRole, land);
        if (auswahl_->Land(land).bonus == 2) {
            item->setIcon(QIcon(markerBild));
            bonus = true;
        }
    }
    if (bonus) {
        for (int i = 0; i < laender_->count(); ++i)
            if (laender_->item(i)->icon().isNull()) laender_->item(i)->setIcon(QIcon(leer));
        laender_->setIconSize(leer.size());
    }
    layout->addWidget(laender_, 0, 0, 3, 1);

    auto* kopf = new QHBoxLayout;
    const struct {
        const char* text;
        const char* name;
        int key;
    } koepfe[] = {{"Name", "KopfName", kSortName}, {"D-St.", "KopfStaerke", kSortStaerke}, {"Liga", "KopfLiga", kSortLiga}};
    for (const auto& k : koepfe) {
        auto* b = new QPushButton(k.text, this);
        b->setObjectName(k.name);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        const int key = k.key;
        connect(b, &QPushButton::clicked, this, [this, key] { OnSortiere(key); });
        kopf->addWidget(b, k.key == kSortName ? 3 : 1);
    }
    layout->addLayout(kopf, 0, 1);
    vereine_ = new QListWidget(this);
    vereine_->setObjectName("Vereine");
    vereine_->setItemDelegate(new CTabStopDelegate({93, 97, 117}, vereine_));
    layout->addWidget(vereine_, 1, 1, 2, 1);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);

    auto* rechts = new QVBoxLayout;
    vorschau_ = new QLabel(this);
    vorschau_->setObjectName("Wappen");
    vorschau_->setFixedSize(32, 32);
    rechts->addWidget(vorschau_, 0, Qt::AlignHCenter);
    auto* ok = new QPushButton("Übernehmen", this);
    ok->setObjectName(kOkButton);
    auto* editieren = new QPushButton(modus == 1 ? "&Spieler" : "&Editieren", this);
    editieren->setObjectName("Editieren");
    editieren->setDefault(true);
    auto* abbrechen = new QPushButton("Abbrechen", this);
    abbrechen->setObjectName(kCancelButton);
    auto* suchen = new QPushButton("Spieler s&uchen", this);
    suchen->setObjectName("SpielerSuchen");
    for (QPushButton* b : {ok, abbrechen, suchen}) b->setAutoDefault(false);
    rechts->addWidget(ok);
    rechts->addWidget(editieren);
    rechts->addWidget(abbrechen);
    rechts->addWidget(suchen);
    rechts->addStretch(1);
    layout->addLayout(rechts, 1, 2);

    connect(laender_, &QListWidget::currentRowChanged, this, [this] { OnLand(); });
    connect(vereine_, &QListWidget::currentRowChanged, this, [this] { ZeigeVorschau(); });
    connect(vereine_, &QListWidget::itemActivated, this, [this] { OnEditieren(); });
    connect(editieren, &QPushButton::clicked, this, &CVereinsauswahlDlg::OnEditieren);
    connect(ok, &QPushButton::clicked, this, &CVereinsauswahlDlg::OnUebernehmen);
    connect(abbrechen, &QPushButton::clicked, this, &CVereinsauswahlDlg::reject);
    connect(suchen, &QPushButton::clicked, this, &CVereinsauswahlDlg::OnSpielerSuchen);
    resize(600, 400);
    if (laender_->count() > 0) laender_->setCurrentRow(0);
    vereine_->setFocus();
}

CVereinsauswahlDlg::~CVereinsauswahlDlg() {
    // Closed without either button (the window destroyed): nothing is kept.
    if (!fertig_) auswahl_->Abbrechen();
}

void CVereinsauswahlDlg::OnLand() {
    QListWidgetItem* item = laender_->currentItem();
    if (!item) return;
    auswahl_->LandWechsel(item->data(Qt::UserRole).toInt());
    Fuellen(0);
}

void CVereinsauswahlDlg::Fuellen(int zeile) {
    vereine_->clear();
    const auto& liste = auswahl_->Vereine();
    for (const auto& v : liste) {
        auto* item = new QListWidgetItem(Qt8(auswahl_->Zeile(*v)), vereine_);
        item->setData(Qt::UserRole, v->VereinsNummer());
    }
    if (vereine_->count() > 0) vereine_->setCurrentRow(std::min(zeile, vereine_->count() - 1));
    ZeigeVorschau();
}

void CVereinsauswahlDlg::ZeigeVorschau() {
    const auto datei = auswahl_->Vorschau(vereine_->currentRow());
    QImage bild;
    if (!datei.empty()) bild.load(QString::fromStdString(datei.string()), "BMP");
    vorschau_->setPixmap(bild.isNull() ? QPixmap() : QPixmap::fromImage(bild.scaled(32, 32)));
}

void CVereinsauswahlDlg::OnSortiere(int key) {
    if (auswahl_->Sortiere(key)) Fuellen(0);
}

void CVereinsauswahlDlg::OnEditieren() {
    const int zeile = vereine_->currentRow();
    if (zeile < 0 || size_t(zeile) >= auswahl_->Vereine().size()) return;
    const int land = auswahl_->AktuellesLand();
    CVerein& verein = *auswahl_->Vereine()[size_t(zeile)];
    if (modus_ == 1) {
        if (kaderEditor && kaderEditor(*auswahl_, land, verein, this)) {
            verein.Staerke(KaderStaerke(verein));
            Fuellen((zeile + 1) % int(auswahl_->Vereine().size()));
        }
        return;
    }
    const auto wappen = auswahl_->BearbeitenVorbereiten(zeile);
    if (wappen.empty()) return;
    LandArbeit& arbeit = auswahl_->Land(land);
    CVereinsEditorDlg dlg(verein, auswahl_->Vereine(land), arbeit.amateure, arbeit.bonus, land, wappen, this);
    if (vorEditor) vorEditor(dlg);
    if (dlg.exec() == QDialog::Accepted) {
        Fuellen(auswahl_->Bearbeitet(zeile, dlg.Editor().GetVerein(), dlg.Editor().Amateure()));
    } else {
        vereine_->setCurrentRow(auswahl_->NichtBearbeitet(zeile));
    }
}

void CVereinsauswahlDlg::OnSpielerSuchen() {
    CheckSources quellen;
    for (int l = 0; l < kLaenderSlots; ++l)
        quellen.vereinsListen.push_back(auswahl_->Land(l).angeboten ? &auswahl_->Vereine(l) : nullptr);
    if (modus_ == 1) quellen.exSpieler = &auswahl_->ExSpieler();
    CDatenCheckDlg dlg(this, quellen);
    dlg.exec();
}

void CVereinsauswahlDlg::OnUebernehmen() {
    auswahl_->Uebernehmen();
    fertig_ = true;
    accept();
}

void CVereinsauswahlDlg::reject() {
    if (!fertig_) auswahl_->Abbrechen();
    fertig_ = true;
    CDialogBM::reject();
}

bool RunVereinsauswahl(int modus, QWidget* parent) {
    CVereinsauswahlDlg dlg(modus, parent);
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace v3
