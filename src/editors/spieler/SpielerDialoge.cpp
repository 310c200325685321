#include "editors/spieler/SpielerDialoge.h"

#include <algorithm>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/spieler/SpielerSeiten.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/SpielerTexte.h"
#include "records/Verein.h"
#include "ui/TabStopDelegate.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

// OK and Abbrechen (or only one of them) at the bottom right of `layout`.
void AddOkCancel(QDialog* dlg, QBoxLayout* layout, const char* okText = "OK", bool cancel = true) {
    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
    QHBoxLayout* row = OkCancelRow(dlg, &ok, &abbrechen, QString::fromUtf8(okText));
    QObject::connect(ok, &QPushButton::clicked, dlg, &QDialog::accept);
    if (!cancel) delete abbrechen;
    layout->addLayout(row);
}

void SetTabStops(QListWidget* list, std::vector<int> stops) {
    list->setItemDelegate(new CTabStopDelegate(std::move(stops), list));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void WarnInDialog(const char* text) {
    App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace

// ---------------------------------------------------------------- former-player chooser

CExSpielerAuswahlDlg::CExSpielerAuswahlDlg(const std::vector<const CExSpieler*>& players, QWidget* parent)
    : CDialogBM(0, parent) {
    setWindowTitle("Ehemalige Spieler");
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    for (const CExSpieler* p : players) list_->addItem(Qt8(p->Nachname() + ", " + p->Vorname()));
    if (list_->count() > 0) list_->setCurrentRow(0);
    layout->addWidget(list_);
    AddOkCancel(this, layout);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    resize(320, 360);
}

void CExSpielerAuswahlDlg::accept() {
    if (list_->currentRow() < 0) return WarnInDialog(kKeinSpielerGewaehlt);
    chosen_ = list_->currentRow();
    CDialogBM::accept();
}

// ---------------------------------------------------------------- transfer chooser

CSpielerWechselDlg::CSpielerWechselDlg(const std::string& ownClub, const SquadSizes& sizes, QWidget* parent)
    : CDialogBM(0, parent), ownClub_(ownClub), sizes_(sizes) {
    setWindowTitle("Vereinsauswahl");
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    countries_ = new QListWidget(this);
    clubs_ = new QListWidget(this);
    SetTabStops(countries_, {90});
    lists->addWidget(countries_);
    lists->addWidget(clubs_);
    layout->addLayout(lists);
    AddOkCancel(this, layout);
    countryIndex_ = TransferCountries();
    const int nation = App().NationNummer[size_t(std::clamp(App().AktuellesLand, 0, kLaenderSlots - 1))];
    int preselect = 0;
    for (size_t i = 0; i < countryIndex_.size(); ++i) {
        countries_->addItem(Qt8(TransferCountryLine(countryIndex_[i])));
        if (App().NationNummer[size_t(countryIndex_[i])] == nation) preselect = int(i);
    }
    connect(countries_, &QListWidget::currentRowChanged, this, [this] { FillClubs(); });
    if (countries_->count() > 0) countries_->setCurrentRow(preselect);
    connect(clubs_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    resize(460, 360);
}

void CSpielerWechselDlg::FillClubs() {
    clubs_->clear();
    const int row = countries_->currentRow();
    if (row < 0) return;
    for (const CVerein* v : TransferClubs(countryIndex_[size_t(row)], ownClub_, sizes_)) {
        auto* item = new QListWidgetItem(Qt8(v->Name()), clubs_);
        item->setData(Qt::UserRole, v->VereinsNummer());
    }
    if (clubs_->count() > 0) clubs_->setCurrentRow(0);
}

void CSpielerWechselDlg::accept() {
    if (countries_->currentRow() < 0 || !clubs_->currentItem()) return WarnInDialog("Bitte selektieren Sie zuerst einen Verein!");
    land_ = countryIndex_[size_t(countries_->currentRow())];
    verein_ = clubs_->currentItem()->data(Qt::UserRole).toInt();
    CDialogBM::accept();
}

// ---------------------------------------------------------------- fetch chooser

CSpielerholenDlg::CSpielerholenDlg(int mode, const std::string& ownClub, QWidget* parent, int n)
    : CDialogBM(0, parent), mode_(mode), n_(n), ownClub_(ownClub) {
    setWindowTitle("Spieler holen");
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    countries_ = new QListWidget(this);
    clubs_ = new QListWidget(this);
    players_ = new QListWidget(this);
    SetTabStops(countries_, {90});
    SetTabStops(players_, {18, 120});
    lists->addWidget(countries_);
    lists->addWidget(clubs_);
    lists->addWidget(players_, 1);
    layout->addLayout(lists);
    AddOkCancel(this, layout);
    countryIndex_ = TransferCountries();
    for (int l : countryIndex_) countries_->addItem(Qt8(TransferCountryLine(l)));
    connect(countries_, &QListWidget::currentRowChanged, this, [this](int row) {
        clubs_->clear();
        clubList_.clear();
        if (row < 0) return;
        for (const auto& v : Daten().AlleLaender[size_t(countryIndex_[size_t(row)])]->VereinsListe()) {
            if (v->Name() == ownClub_) continue;
            clubList_.push_back(v.get());
            clubs_->addItem(Qt8(v->Name()));
        }
        if (clubs_->count() > 0) clubs_->setCurrentRow(0);
    });
    connect(clubs_, &QListWidget::currentRowChanged, this, [this] {
        players_->clear();
        playerList_.clear();
        if (WithNone()) players_->addItem("Kein Spieler");
        if (const CVerein* v = Club()) playerList_ = FetchCandidates(*v, mode_, n_);
        for (const CSpieler* p : playerList_)
            players_->addItem(Qt8(std::string(PositionShortText(p->Hauptposition())) + "\t" + p->Nachname() + ", " +
                                  p->Vorname() + "\t" + std::to_string(p->Staerke())));
        if (players_->count() > 0) players_->setCurrentRow(0);
    });
    if (countries_->count() > 0) countries_->setCurrentRow(0);
    resize(600, 380);
}

const CVerein* CSpielerholenDlg::Club() const {
    const int row = clubs_->currentRow();
    return row >= 0 && size_t(row) < clubList_.size() ? clubList_[size_t(row)] : nullptr;
}

void CSpielerholenDlg::accept() {
    const CVerein* v = Club();
    int row = players_->currentRow();
    if (WithNone() && row == 0) {
        chosenPlayer_ = nullptr;
        chosenClub_ = nullptr;
        return CDialogBM::accept();
    }
    if (WithNone()) --row;
    if (!v || row < 0 || size_t(row) >= playerList_.size()) return WarnInDialog(kKeinSpielerGewaehlt);
    if (mode_ == 1 && !FetchAllowed(int(v->SpielerListe().size()))) return;
    chosenPlayer_ = playerList_[size_t(row)];
    chosenClub_ = v;
    result_ = MakeFetchRecord(*chosenPlayer_, countryIndex_[size_t(countries_->currentRow())], *v);
    CDialogBM::accept();
}

// ---------------------------------------------------------------- pool of former players

CEhemaligeSpielerDlg::CEhemaligeSpielerDlg(QWidget* parent) : CDialogBM(0, parent) {
    setWindowTitle("Pool der ehemaligen Spieler");
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setMaximumWidth(170);
    seiten_ = new CSpielerSeiten(this);
    row->addWidget(list_);
    row->addWidget(seiten_, 1);
    layout->addLayout(row);
    AddOkCancel(this, layout);
    connect(list_, &QListWidget::currentRowChanged, this, &CEhemaligeSpielerDlg::OnSelect);
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        QAction* wechseln = menu.addAction("Wechseln");
        QAction* loeschen = menu.addAction("L\xC3\xB6schen");
        QAction* chosen = menu.exec(list_->viewport()->mapToGlobal(pos));
        if (chosen == wechseln) OnWechseln();
        else if (chosen == loeschen) OnLoeschen();
    });
    connect(seiten_, &CSpielerSeiten::namesChanged, this, [this] {
        if (current_ >= 0 && size_t(current_) < rules_.Count())
            if (auto* item = list_->item(current_)) {
                auto& d1 = seiten_->Daten1()->Rules();
                item->setText(Qt8(d1.Nachname() + ", " + d1.Vorname()));
            }
    });
    Refill(0);
    resize(630, 470);
}

CEhemaligeSpielerDlg::~CEhemaligeSpielerDlg() = default;

void CEhemaligeSpielerDlg::Refill(int select) {
    QSignalBlocker b(list_);
    list_->clear();
    for (const auto& line : rules_.Lines()) list_->addItem(Qt8(line));
    current_ = -1;
    seiten_->SetPlayer(nullptr);
    if (rules_.Count() == 0) return;
    select = std::clamp(select, 0, int(rules_.Count()) - 1);
    list_->setCurrentRow(select);
    current_ = select;
    seiten_->SetPlayer(&rules_.Player(size_t(select)));
}

void CEhemaligeSpielerDlg::OnSelect(int row) {
    if (row == current_) return;
    // The page shown is written back before another player is shown.
    if (!seiten_->WriteCurrent()) {
        QSignalBlocker b(list_);
        list_->setCurrentRow(current_);
        return;
    }
    if (current_ >= 0 && size_t(current_) < rules_.Count())
        if (auto* item = list_->item(current_)) item->setText(Qt8(rules_.Lines()[size_t(current_)]));
    current_ = row;
    seiten_->SetPlayer(row >= 0 && size_t(row) < rules_.Count() ? &rules_.Player(size_t(row)) : nullptr);
}

void CEhemaligeSpielerDlg::OnWechseln() {
    const int row = rules_.Count() ? list_->currentRow() : -1;
    if (row < 0) {
        rules_.Wechseln(-1, 0, 0);
        return;
    }
    if (!seiten_->WriteCurrent()) return;
    CSpielerWechselDlg chooser(std::string(), rules_.Sizes(), this);
    if (chooser.exec() != QDialog::Accepted) return;
    if (auto next = rules_.Wechseln(row, chooser.Land(), chooser.VereinsNummer())) Refill(*next);
}

void CEhemaligeSpielerDlg::OnLoeschen() {
    const int row = rules_.Count() ? list_->currentRow() : -1;
    if (auto next = rules_.Loeschen(row)) Refill(*next);
}

void CEhemaligeSpielerDlg::accept() {
    if (!seiten_->WriteCurrent()) return;
    rules_.Apply();
    CDialogBM::accept();
}

// ---------------------------------------------------------------- national squad and overview

CSpielerUebersichtDlg::CSpielerUebersichtDlg(int nation, QWidget* parent)
    : CDialogBM(0, parent), mode_(1), rules_(std::make_unique<NationalSquadRules>(nation)) {
    setWindowTitle("Nationalmannschaft editieren");
    Build(true);
}

CSpielerUebersichtDlg::CSpielerUebersichtDlg(std::vector<SquadEntry> players, QWidget* parent)
    : CDialogBM(0, parent), mode_(0), overview_(std::move(players)) {
    setWindowTitle("Spieler\xC3\xBC" "bersicht");
    Build(false);
}

void CSpielerUebersichtDlg::Build(bool edit) {
    auto* layout = new QVBoxLayout(this);
    const std::vector<int> stops = {18, 40, 125, 230, 246, 262};
    squad_ = new QListWidget(this);
    SetTabStops(squad_, stops);
    if (edit) {
        count_ = new QLabel(this);
        layout->addWidget(count_);
        // The squad above, the candidates below, the buttons between them.
        candidates_ = new QListWidget(this);
        SetTabStops(candidates_, stops);
        auto* mid = new QHBoxLayout;
        auto* add = new QPushButton("Hinzuf\xC3\xBCgen", this);
        auto* remove = new QPushButton("Entfernen", this);
        mid->addWidget(add);
        mid->addWidget(remove);
        mid->addStretch(1);
        layout->addWidget(squad_, 1);
        layout->addLayout(mid);
        layout->addWidget(new QLabel("Spieler dieser Nationalit\xC3\xA4t:", this));
        layout->addWidget(candidates_, 1);
        connect(add, &QPushButton::clicked, this, &CSpielerUebersichtDlg::OnHinzufuegen);
        connect(remove, &QPushButton::clicked, this, &CSpielerUebersichtDlg::OnEntfernen);
        connect(candidates_, &QListWidget::itemDoubleClicked, this, &CSpielerUebersichtDlg::OnHinzufuegen);
        AddOkCancel(this, layout);
        resize(630, 460);
    } else {
        layout->addWidget(squad_);
        auto* row = new QHBoxLayout;
        auto* charakter = new QPushButton("Charakter", this);
        auto* eigenschaften = new QPushButton("Eigenschaften", this);
        row->addWidget(charakter);
        row->addWidget(eigenschaften);
        row->addStretch(1);
        layout->addLayout(row);
        // Each button shows its traits in the last column; a second click hides them.
        auto toggle = [this](OverviewColumn c) {
            column_ = column_ == c ? OverviewColumn::None : c;
            Refill();
        };
        connect(charakter, &QPushButton::clicked, this, [toggle] { toggle(OverviewColumn::Charakter); });
        connect(eigenschaften, &QPushButton::clicked, this, [toggle] { toggle(OverviewColumn::Eigenschaften); });
        AddOkCancel(this, layout, "OK", false);
        resize(520, 400);
    }
    Refill();
}

void CSpielerUebersichtDlg::Refill() {
    const int keepSquad = squad_->currentRow();
    squad_->clear();
    const auto& list = mode_ == 1 ? rules_->Squad() : overview_;
    for (const auto& e : list) squad_->addItem(Qt8(OverviewLine(e, mode_ == 1, column_)));
    if (squad_->count() > 0) squad_->setCurrentRow(std::clamp(keepSquad, 0, squad_->count() - 1));
    if (candidates_) {
        const int keep = candidates_->currentRow();
        candidates_->clear();
        for (const auto& e : rules_->Candidates()) candidates_->addItem(Qt8(OverviewLine(e, true)));
        if (keep >= 0 && candidates_->count() > 0) candidates_->setCurrentRow(std::min(keep, candidates_->count() - 1));
    }
    if (count_)
        count_->setText(QString("Spieler in der Nationalmannschaft: %1 (%2 bis %3)")
                            .arg(rules_->Squad().size())
                            .arg(NationalSquadRules::kMin)
                            .arg(NationalSquadRules::kMax));
}

void CSpielerUebersichtDlg::OnHinzufuegen() {
    if (rules_ && rules_->Add(candidates_->currentRow())) Refill();
}

void CSpielerUebersichtDlg::OnEntfernen() {
    if (rules_ && rules_->Remove(squad_->currentRow())) Refill();
}

void CSpielerUebersichtDlg::accept() {
    if (rules_ && !rules_->Ok()) return;
    CDialogBM::accept();
}

// ---------------------------------------------------------------- youth and amateur players

CJugendspielerNameDlg::CJugendspielerNameDlg(YouthRules& rules, size_t index, QWidget* parent)
    : CDialogBM(0, parent), rules_(rules), index_(index) {
    setWindowTitle("Jugendspieler editieren");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    vorname_ = new QLineEdit(this);
    nachname_ = new QLineEdit(this);
    verein_ = new QComboBox(this);
    const auto& p = rules.Player(index);
    vorname_->setText(Qt8(p.Vorname()));
    nachname_->setText(Qt8(p.Nachname()));
    verein_->addItem("Keiner", 0);
    for (size_t i = 0; i < rules.ClubNames().size(); ++i) verein_->addItem(Qt8(rules.ClubNames()[i]), int(i) + 1);
    shownClub_ = std::max(0, p.VereinNr());
    verein_->setCurrentIndex(std::max(0, verein_->findData(shownClub_)));
    verein_->setEnabled(rules.ClubsAllowed());
    grid->addWidget(new QLabel("Vorname", this), 0, 0);
    grid->addWidget(vorname_, 0, 1);
    grid->addWidget(new QLabel("Nachname", this), 1, 0);
    grid->addWidget(nachname_, 1, 1);
    grid->addWidget(new QLabel("Verein", this), 2, 0);
    grid->addWidget(verein_, 2, 1);
    layout->addLayout(grid);
    AddOkCancel(this, layout);
    // The club quota is checked as soon as a club is chosen; a refused choice
    // returns to "Keiner".
    connect(verein_, &QComboBox::currentIndexChanged, this, [this](int i) {
        const int club = verein_->itemData(i).toInt();
        const int old = std::max(0, rules_.Player(index_).VereinNr());
        if (!rules_.ClubChoiceAllowed(old, club)) {
            QSignalBlocker b(verein_);
            verein_->setCurrentIndex(0);
        }
    });
    resize(340, 150);
}

void CJugendspielerNameDlg::accept() {
    std::string v, n;
    if (!TypedText(vorname_, v) || !TypedText(nachname_, n)) return;
    if (!rules_.Edit(index_, v, n, verein_->currentData().toInt())) return;
    CDialogBM::accept();
}

CJugendspielerAuswahlDlg::CJugendspielerAuswahlDlg(YouthRules rules, const QString& where, QWidget* parent)
    : CDialogBM(0, parent), rules_(std::move(rules)) {
    setWindowTitle("Jugend- und Amateurspieler - " + where);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    SetTabStops(list_, {130});
    layout->addWidget(list_);
    auto* edit = new QPushButton("Editieren", this);
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addStretch(1);
    layout->addLayout(row);
    AddOkCancel(this, layout);
    connect(edit, &QPushButton::clicked, this, &CJugendspielerAuswahlDlg::OnEditieren);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CJugendspielerAuswahlDlg::OnEditieren);
    Refill(0);
    resize(420, 420);
}

void CJugendspielerAuswahlDlg::Refill(int select) {
    list_->clear();
    for (size_t i = 0; i < rules_.Count(); ++i) list_->addItem(Qt8(rules_.Line(i)));
    if (list_->count() > 0) list_->setCurrentRow(std::clamp(select, 0, list_->count() - 1));
}

void CJugendspielerAuswahlDlg::OnEditieren() {
    const int row = list_->currentRow();
    if (row < 0) return WarnInDialog(kKeinSpielerGewaehlt);
    CJugendspielerNameDlg dlg(rules_, size_t(row), this);
    if (dlg.exec() == QDialog::Accepted) Refill(row);
}

void CJugendspielerAuswahlDlg::accept() {
    rules_.Apply();
    CDialogBM::accept();
}

}  // namespace v3
