#include "editors/liga/LigazusammensetzungDlg.h"

#include <QButtonGroup>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "records/Land.h"
#include "ui/PictureLoader.h"
#include "ui/WidgetText.h"

namespace v3 {

namespace {

constexpr int kFlaggenStreifen = 165;  // the 23 flag pictures side by side
constexpr int kBildGroesse = 12;

// The selected lines of a list, in list order.
std::vector<int> AusgewaehlteZeilen(const QListWidget* liste) {
    std::vector<int> zeilen;
    for (const QModelIndex& i : liste->selectionModel()->selectedRows()) zeilen.push_back(i.row());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

}  // namespace

CLigaListe::CLigaListe(QWidget* parent) : QListWidget(parent) {
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void CLigaListe::dropEvent(QDropEvent* event) {
    const int von = currentRow();
    const QModelIndex ziel = indexAt(event->position().toPoint());
    const int nach = ziel.isValid() ? ziel.row() : count() - 1;
    // The rules move the club and its fixtures; the list is filled again.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (von >= 0 && nach >= 0 && von != nach) emit Verschoben(von, nach);
}

void CLigaListe::keyPressEvent(QKeyEvent* event) {
    const int von = currentRow();
    if (event->modifiers() == Qt::AltModifier && von >= 0 &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const int nach = event->key() == Qt::Key_Up ? von - 1 : von + 1;
        if (nach >= 0 && nach < count()) emit Verschoben(von, nach);
        return;
    }
    QListWidget::keyPressEvent(event);
}

CLigazusammensetzungDlg::CLigazusammensetzungDlg(CLand& land, int mode, QWidget* parent)
    : CDialogBM(164, parent), regeln_(land, mode) {
    setObjectName("CLigazusammensetzungDlg");
    QString titel = "Ligenzusammensetzung";
    const int p = land.CountryIndex();
    if (p >= 0 && p < kLaenderSlots) titel += " - " + Qt8(App().Laendername[size_t(p)]);
    setWindowTitle(titel);
    if (auto bild = LoadPicture(kFlaggenStreifen, "BITMAP")) bilder_ = PixmapOf(bild.get());

    auto* layout = new QVBoxLayout(this);

    // The leagues to show.
    auto* ligen = new QGroupBox("Aktuelle Liga", this);
    auto* ligenRaster = new QGridLayout(ligen);
    auto* gruppe = new QButtonGroup(this);
    for (int m = 0; m < int(radio_.size()); ++m) {
        const bool da = m < regeln_.LigenAnzahl();
        QString name = m == 0 ? QString("1. Liga") : da ? Qt8(regeln_.LigaName(m)) : QString("%1. Liga").arg(m + 1);
        auto* knopf = new QRadioButton(name, ligen);
        knopf->setObjectName(QString("Liga%1").arg(m));
        knopf->setEnabled(da && regeln_.Mode() == 0);
        gruppe->addButton(knopf, m);
        ligenRaster->addWidget(knopf, m / 3, m % 3);
        radio_[size_t(m)] = knopf;
    }
    radio_[0]->setChecked(true);
    layout->addWidget(ligen);

    // Rest list, the two move buttons, league list.
    auto* mitte = new QHBoxLayout;
    auto* restBox = new QGroupBox("Restliche Vereine", this);
    auto* restLayout = new QVBoxLayout(restBox);
    rest_ = new QListWidget(restBox);
    rest_->setObjectName("ListRest");
    rest_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    restLayout->addWidget(rest_);
    mitte->addWidget(restBox, 1);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addStretch(1);
    zurLiga_ = new QPushButton(">>", this);
    zurLiga_->setObjectName("ButtonToLiga");
    zurLiga_->setToolTip("Die ausgewählten Vereine in die Liga");
    zumRest_ = new QPushButton("<<", this);
    zumRest_->setObjectName("ButtonToRest");
    zumRest_->setToolTip("Die ausgewählten Vereine aus der Liga");
    for (QPushButton* k : {zurLiga_, zumRest_}) {
        k->setAutoDefault(false);
        k->setFixedWidth(44);
        k->setEnabled(regeln_.Mode() == 0);
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch(1);
    mitte->addLayout(knoepfe);

    auto* ligaBox = new QGroupBox("Vereine in dieser Liga", this);
    auto* ligaLayout = new QVBoxLayout(ligaBox);
    liga_ = new CLigaListe(ligaBox);
    liga_->setObjectName("ListLiga");
    liga_->setIconSize(QSize(kBildGroesse, kBildGroesse));
    liga_->setContextMenuPolicy(Qt::CustomContextMenu);
    // In mode 1 the order is not stored: the country keeps one list of all clubs.
    if (regeln_.Mode() != 0) liga_->setDragDropMode(QAbstractItemView::NoDragDrop);
    ligaLayout->addWidget(liga_);
    mitte->addWidget(ligaBox, 1);
    restBox->setEnabled(regeln_.Mode() == 0);
    layout->addLayout(mitte, 1);

    // Legend and note.
    auto* legende = new QGroupBox("Legende", this);
    auto* legendeRaster = new QGridLayout(legende);
    legendeRaster->setHorizontalSpacing(6);
    legendeRaster->setVerticalSpacing(2);
    const std::pair<const char*, int32_t> eintraege[] = {
        {"Meister", kFlagMeister},         {"Vize - Meister", kFlagVize},       {"Pokalsieger", kFlagPokalsieger},
        {"Pokalfinalist", kFlagPokalfinalist}, {"Absteiger", kFlagAbsteiger}, {"Aufsteiger", kFlagAufsteiger},
        {"Pokalteilnehmer", kFlagPokalteilnehmer},
    };
    int i = 0;
    for (const auto& [text, flag] : eintraege) {
        auto* bild = new QLabel(legende);
        bild->setPixmap(Bild(flag).pixmap(kBildGroesse, kBildGroesse));
        auto* name = new QLabel(text, legende);
        legendeRaster->addWidget(bild, i / 4, (i % 4) * 2);
        legendeRaster->addWidget(name, i / 4, (i % 4) * 2 + 1);
        ++i;
    }
    for (int spalte = 1; spalte < 8; spalte += 2) legendeRaster->setColumnMinimumWidth(spalte, 120);
    legendeRaster->setColumnStretch(7, 1);
    layout->addWidget(legende);
    auto* hinweis = new QLabel(
        "Die Plazierung im letzten Jahr bestimmt die Reihenfolge, Sie können diese per Drag&Drop in der Liste "
        "ändern.",
        this);
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    QPushButton* ok;
    layout->addLayout(OkCancelRow(this, &ok));

    connect(gruppe, &QButtonGroup::idClicked, this, [this](int m) { OnRadioLiga(m); });
    connect(zurLiga_, &QPushButton::clicked, this, [this] { OnButtonToLiga(); });
    connect(zumRest_, &QPushButton::clicked, this, [this] { OnButtonToRest(); });
    connect(liga_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) { OnRclickListLiga(pos); });
    connect(liga_, &CLigaListe::Verschoben, this, [this](int von, int nach) {
        regeln_.Verschiebe(von, nach);
        FuelleLiga({nach});
    });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    // Through the leagues, the rest list, the two buttons, the league list, OK.
    QWidget* kette[] = {radio_[0], rest_, zurLiga_, zumRest_, liga_, ok};
    for (size_t k = 0; k + 1 < std::size(kette); ++k) setTabOrder(kette[k], kette[k + 1]);
    resize(620, 460);
    FuelleRest();
    FuelleLiga();
}

CLigazusammensetzungDlg::~CLigazusammensetzungDlg() = default;

QIcon CLigazusammensetzungDlg::Bild(int32_t status) const {
    const int e = FlaggenBild(status);
    if (e < 0 || bilder_.isNull()) return QIcon();
    return QIcon(bilder_.copy(e * kBildGroesse, 0, kBildGroesse, kBildGroesse));
}

void CLigazusammensetzungDlg::FuelleLiga(const std::vector<int>& auswahl) {
    liga_->clear();
    for (int nr : regeln_.Liga(regeln_.Gezeigt())) {
        auto* zeile = new QListWidgetItem(Bild(regeln_.Status(nr)), Qt8(regeln_.ZeilenText(nr)));
        // Without a picture the names still stand in one column.
        if (zeile->icon().isNull()) {
            QPixmap leer(kBildGroesse, kBildGroesse);
            leer.fill(Qt::transparent);
            zeile->setIcon(QIcon(leer));
        }
        liga_->addItem(zeile);
    }
    for (size_t k = 0; k < auswahl.size(); ++k) {
        QListWidgetItem* zeile = liga_->item(auswahl[k]);
        if (!zeile) continue;
        if (k == 0) liga_->setCurrentItem(zeile);
        zeile->setSelected(true);
    }
}

void CLigazusammensetzungDlg::FuelleRest() {
    rest_->clear();
    for (int nr : regeln_.Rest()) rest_->addItem(Qt8(regeln_.ZeilenText(nr)));
}

void CLigazusammensetzungDlg::OnRadioLiga(int m) {
    regeln_.ZeigeLiga(m);
    FuelleLiga();
}

void CLigazusammensetzungDlg::OnButtonToLiga() {
    std::vector<int> neu;
    if (!regeln_.ZurLiga(AusgewaehlteZeilen(rest_), &neu)) return;
    FuelleRest();
    FuelleLiga(neu);
}

void CLigazusammensetzungDlg::OnButtonToRest() {
    const std::vector<int> zeilen = AusgewaehlteZeilen(liga_);
    if (zeilen.empty()) return;
    regeln_.ZumRest(zeilen);
    FuelleRest();
    FuelleLiga();
    // The moved clubs stand at the top of the rest list.
    for (size_t k = 0; k < zeilen.size(); ++k)
        if (QListWidgetItem* zeile = rest_->item(int(k))) zeile->setSelected(true);
}

std::unique_ptr<QMenu> CLigazusammensetzungDlg::KontextMenu(int zeile) {
    auto menu = std::make_unique<QMenu>(this);
    for (const FlaggenMenuEintrag& e : regeln_.Menu(zeile)) {
        QAction* a = menu->addAction(QString::fromUtf8(e.text));
        a->setEnabled(e.aktiv);
        a->setData(e.flag);
        const int32_t flag = e.flag;
        connect(a, &QAction::triggered, this, [this, flag, zeile] {
            regeln_.SetStatus(flag, zeile);
            FuelleLiga({zeile});
        });
    }
    return menu;
}

void CLigazusammensetzungDlg::OnRclickListLiga(const QPoint& pos) {
    // The command acts on the line under the pointer, or on the current line
    // when the menu key opened the menu.
    QListWidgetItem* item = liga_->itemAt(pos);
    if (!item) item = liga_->currentItem();
    if (!item) return;
    const int zeile = liga_->row(item);
    liga_->setCurrentRow(zeile);
    auto menu = KontextMenu(zeile);
    const QPoint wo = liga_->itemAt(pos) ? pos : liga_->visualItemRect(item).center();
    menu->exec(liga_->viewport()->mapToGlobal(wo));
}

void CLigazusammensetzungDlg::OnOK() {
    if (regeln_.OnOK()) accept();
}

bool RunLigazusammensetzungDialog(QWidget* parent, int mode) {
    auto& laender = Daten().AlleLaender;
    const int land = App().AktuellesLand;
    if (land < 0 || size_t(land) >= laender.size() || !laender[size_t(land)]) return false;
    CLigazusammensetzungDlg dlg(*laender[size_t(land)], mode, parent);
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace v3
