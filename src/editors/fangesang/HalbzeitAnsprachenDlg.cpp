#include "editors/fangesang/HalbzeitAnsprachenDlg.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "editors/fangesang/rules/FangesangRules.h"
#include "editors/fangesang/rules/PlaySound.h"
#include "ui/SoundLib.h"
#include "ui/WidgetText.h"

namespace v3 {

CHalbzeitAnsprachenDlg::CHalbzeitAnsprachenDlg(QWidget* parent)
    : CDialogBM(0, parent), rules_(Daten().HalbzeitListe) {
    setWindowTitle("Halbzeitansprachen");
    auto* layout = new QVBoxLayout(this);

    auto* dateiBox = new QGroupBox("Bitte Ansprachen-Datei ausw\xC3\xA4hlen", this);
    auto* dl = new QHBoxLayout(dateiBox);
    dateien_ = new QListWidget(dateiBox);
    dateien_->setObjectName("Dateien");
    dateien_->setMaximumHeight(72);
    for (const std::string& name : SpielbareWaveDateien(kDirAnsprachen)) dateien_->addItem(Qt8(name));
    auto* abspielen = new QPushButton("Halbzeitansprache &abspielen", dateiBox);
    abspielen->setObjectName("Abspielen");
    abspielen->setAutoDefault(false);
    dl->addWidget(dateien_, 1);
    dl->addWidget(abspielen, 0, Qt::AlignTop);
    layout->addWidget(dateiBox);

    auto* artBox = new QGroupBox("Art", this);
    auto* ag = new QGridLayout(artBox);
    ag->setVerticalSpacing(2);
    typen_ = new QButtonGroup(this);
    for (int t = 0; t < CHalbzeitAnsprache::kTypen; ++t) {
        auto* knopf = new QRadioButton(QString::fromUtf8(kAnsprachenTypen[t]), artBox);
        knopf->setObjectName(QString("Typ%1").arg(t));
        typen_->addButton(knopf, t);
        ag->addWidget(knopf, t % 7, t / 7);
    }
    layout->addWidget(artBox);

    auto* listeBox = new QGroupBox("Ansprachen-Liste", this);
    auto* ll = new QVBoxLayout(listeBox);
    liste_ = new QListWidget(listeBox);
    liste_->setObjectName("Liste");
    liste_->setMaximumHeight(80);
    ll->addWidget(liste_);
    layout->addWidget(listeBox);

    popup_ = new QMenu(this);
    popup_->setObjectName("Popup");
    QAction* neu = popup_->addAction("Neu");
    neu->setObjectName("Neu");
    QAction* loeschen = popup_->addAction("L\xC3\xB6schen");
    loeschen->setObjectName("Loeschen");
    connect(neu, &QAction::triggered, this, &CHalbzeitAnsprachenDlg::OnNeu);
    connect(loeschen, &QAction::triggered, this, &CHalbzeitAnsprachenDlg::OnLoeschen);
    connect(abspielen, &QPushButton::clicked, this, &CHalbzeitAnsprachenDlg::OnAbspielen);

    QPushButton* ok;
    QPushButton* abbrechen;
    QHBoxLayout* knoepfe = OkCancelRow(this, &ok, &abbrechen);
    knoepfe->insertWidget(0, new QLabel("Rechte Maustaste: Neu, L\xC3\xB6schen", this));
    layout->addLayout(knoepfe);
    abbrechen->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CHalbzeitAnsprachenDlg::accept);

    FuelleListe(rules_.Anzahl() ? 0 : -1);
    resize(600, 460);
}

CHalbzeitAnsprachenDlg::~CHalbzeitAnsprachenDlg() = default;

void CHalbzeitAnsprachenDlg::FuelleListe(int auswahl) {
    liste_->clear();
    for (int i = 0; i < rules_.Anzahl(); ++i) liste_->addItem(Qt8(ComposeString(rules_.Kopie(i))));
    liste_->setCurrentRow(std::min(auswahl, rules_.Anzahl() - 1));
}

void CHalbzeitAnsprachenDlg::OnNeu() {
    std::string datei;
    if (const QListWidgetItem* item = dateien_->currentItem()) {
        auto name = Text1252(item->text());
        if (!name) return;
        datei = *name;
    }
    if (rules_.Neu(datei, typen_->checkedId())) FuelleListe(rules_.Anzahl() - 1);
}

void CHalbzeitAnsprachenDlg::OnLoeschen() {
    const int i = liste_->currentRow();
    if (i < 0) return;
    rules_.Loeschen(i);
    FuelleListe(i);
}

void CHalbzeitAnsprachenDlg::OnAbspielen() {
    // The file chosen above, else the file of the selected talk.
    std::optional<std::string> name;
    if (const QListWidgetItem* item = dateien_->currentItem()) name = Text1252(item->text());
    else if (liste_->currentRow() >= 0) name = rules_.Kopie(liste_->currentRow()).AnsprachenFileName();
    if (!name || name->empty()) return;
    sound_ = std::make_unique<CSound>();
    if (sound_->Create(WavePfad(kDirAnsprachen, *name)) && sound_->Frequency() == uint32_t(kWaveRate))
        sound_->Play(false);
}

void CHalbzeitAnsprachenDlg::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint pos = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() - QPoint(50, 35) : event->globalPos();
    popup_->popup(pos);
}

void CHalbzeitAnsprachenDlg::accept() {
    rules_.Uebernehmen(Daten().HalbzeitListe);
    CDialogBM::accept();
}

}  // namespace v3
