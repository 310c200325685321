#include "editors/wettbewerb/WettbewerbDialoge.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/AppState.h"
#include "ui/TabStopDelegate.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

// OK (captioned okText) and "Abbrechen" at the foot of `layout`; OK runs onOk.
template <class F>
void WbOkCancel(QDialog* dlg, QBoxLayout* layout, F onOk, const QString& okText = "OK") {
    QPushButton* ok = nullptr;
    layout->addLayout(OkCancelRow(dlg, &ok, nullptr, okText));
    QObject::connect(ok, &QPushButton::clicked, dlg, onOk);
}

QLineEdit* WbFeld(QWidget* parent, const std::string& text, int maxLen, const QString& name) {
    auto* e = new QLineEdit(Qt8(text), parent);
    e->setMaxLength(maxLen);
    e->setObjectName(name);
    return e;
}

void WbTabStops(QListWidget* list, std::vector<int> stops) {
    list->setItemDelegate(new CTabStopDelegate(std::move(stops), list));
}

// The nations of a list as combo entries (name, nation number as data).
void WbNationen(QComboBox* box, const std::vector<int>& nations) {
    box->addItem("", 0);
    for (int nr : nations) box->addItem(Qt8(NationNameOf(nr)), nr);
}

}  // namespace

// ---------------------------------------------------------------- national competitions

CNationaleWettbewerbeDlg::CNationaleWettbewerbeDlg(int land, QWidget* parent) : CDialogBM(153, parent), rules_(land) {
    setWindowTitle("Nationale Wettbewerbe - " + Qt8(App().Laendername[size_t(land)]));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < rules_.zeilen.size(); ++i) {
        const QString n = QString::number(i + 1);
        namen_.push_back(WbFeld(this, rules_.zeilen[i].name, NationaleWettbewerbe::kMaxLigaName, "Name" + n));
        kuerzel_.push_back(WbFeld(this, rules_.zeilen[i].kuerzel, NationaleWettbewerbe::kMaxLigaName, "Kuerzel" + n));
        auto* label = new QLabel(NationaleWettbewerbe::RowLabel(int(i)), this);
        label->setBuddy(namen_.back());
        grid->addWidget(label, int(i), 0);
        grid->addWidget(namen_.back(), int(i), 1);
        grid->addWidget(new QLabel("Kuerzel", this), int(i), 2);
        grid->addWidget(kuerzel_.back(), int(i), 3);
    }
    pokal_ = WbFeld(this, rules_.pokal, NationaleWettbewerbe::kMaxPokalName, "Pokal");
    auto* pokalLabel = new QLabel("Name des Pokals", this);
    pokalLabel->setBuddy(pokal_);
    const int row = int(rules_.zeilen.size());
    grid->addWidget(pokalLabel, row, 0);
    grid->addWidget(pokal_, row, 1, 1, 3);
    layout->addLayout(grid);
    WbOkCancel(this, layout, [this] { OnOK(); });
}

void CNationaleWettbewerbeDlg::OnOK() {
    for (size_t i = 0; i < namen_.size(); ++i) {
        auto n = Text1252(namen_[i]);
        auto k = n ? Text1252(kuerzel_[i]) : std::nullopt;
        if (!n || !k) return;
        rules_.zeilen[i] = {*n, *k};
    }
    auto p = Text1252(pokal_);
    if (!p) return;
    rules_.pokal = *p;
    if (rules_.Ok()) accept();
}

// ---------------------------------------------------------------- international competitions

CInternationaleWettbewerbeDlg::CInternationaleWettbewerbeDlg(QWidget* parent) : CDialogBM(357, parent) {
    setWindowTitle("Internationale Wettbewerbe");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const char* labels[2] = {"Meisterwettbewerb", "Pokal des europ\xC3\xA4ischen Verbandes"};
    for (int i = 0; i < 2; ++i) {
        felder_[size_t(i)] = WbFeld(this, rules_.namen[size_t(i)], InternationaleWettbewerbe::kMaxName,
                                    i == 0 ? "Meisterwettbewerb" : "Verbandspokal");
        auto* label = new QLabel(QString::fromUtf8(labels[i]), this);
        label->setBuddy(felder_[size_t(i)]);
        grid->addWidget(label, i, 0);
        grid->addWidget(felder_[size_t(i)], i, 1);
    }
    layout->addLayout(grid);
    WbOkCancel(this, layout, [this] { OnOK(); });
}

void CInternationaleWettbewerbeDlg::OnOK() {
    for (int i = 0; i < 2; ++i) {
        auto t = Text1252(felder_[size_t(i)]);
        if (!t) return;
        rules_.namen[size_t(i)] = *t;
    }
    if (rules_.Ok()) accept();
}

// ---------------------------------------------------------------- championship hosts

CWMEMAendernDlg::CWMEMAendernDlg(const QString& text, const std::vector<int>& nations, QWidget* parent)
    : CDialogBM(215, parent), nations_(nations) {
    setWindowTitle("EM-/WM- Austragungsorte");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    list_ = new QListWidget(this);
    for (int nr : nations_) list_->addItem(Qt8(NationNameOf(nr)));
    list_->setCurrentRow(list_->count() - 1);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    WbOkCancel(this, layout, [this] { accept(); });
    resize(260, 360);
}

int CWMEMAendernDlg::Chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && size_t(row) < nations_.size() ? nations_[size_t(row)] : 0;
}

CWMEMDlg::CWMEMDlg(QWidget* parent) : CDialogBM(214, parent) {
    setWindowTitle("Europa- und Weltmeisterschaften");
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox("Austragungsl\xC3\xA4nder", this);
    auto* boxLayout = new QVBoxLayout(box);
    list_ = new QListWidget(box);
    WbTabStops(list_, {17, 38});
    boxLayout->addWidget(list_);
    layout->addWidget(box);
    auto* editieren = new QPushButton("&Editieren", this);
    editieren->setObjectName("Editieren");
    auto* row = new QHBoxLayout;
    row->addWidget(editieren);
    row->addStretch();
    layout->addLayout(row);
    connect(editieren, &QPushButton::clicked, this, &CWMEMDlg::OnEditieren);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CWMEMDlg::OnEditieren);
    WbOkCancel(this, layout, [this] { rules_.Apply(); accept(); }, QString::fromUtf8("\xC3\x9C" "bernehmen"));
    Refill(0);
    resize(340, 420);
}

void CWMEMDlg::Refill(int select) {
    list_->clear();
    for (int i = 0; i < int(rules_.Zeilen().size()); ++i) list_->addItem(Qt8(rules_.LineText(i)));
    list_->setCurrentRow(select);
}

void CWMEMDlg::OnEditieren() {
    const int line = list_->currentRow();
    if (line < 0) return;
    CWMEMAendernDlg dlg(QString::fromUtf8(rules_.ChangeText(line)), rules_.Candidates(line), this);
    if (dlg.exec() != QDialog::Accepted || dlg.Chosen() <= 0) return;
    Refill(rules_.SetHost(line, dlg.Chosen()));
}

// ---------------------------------------------------------------- five-year ranking

CUEFAWertungAendernDlg::CUEFAWertungAendernDlg(const UEFAWertung::Zeile& zeile, QWidget* parent)
    : CDialogBM(169, parent) {
    setWindowTitle(Qt8(NationNameOf(zeile.nation)));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox("Bitte neue Punktzahl einstellen", this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel("Bisher", box), 0, 1);
    grid->addWidget(new QLabel("jetzt", box), 0, 2);
    for (int s = 0; s < UEFAWertung::kSaisons; ++s) {
        const int vor = UEFAWertung::kSaisons - s;
        const QString text = vor == 1 ? QString("letzte Saison") : QString("Saison vor %1 Jahren").arg(vor);
        auto* spin = new QSpinBox(box);
        spin->setRange(0, UEFAWertung::kMaxWert);
        spin->setValue(zeile.werte[size_t(s)]);
        spin->setObjectName(QString("Saison%1").arg(s));
        auto* label = new QLabel(text, box);
        label->setBuddy(spin);
        grid->addWidget(label, s + 1, 0);
        grid->addWidget(new QLabel(QString::number(zeile.werte[size_t(s)]), box), s + 1, 1);
        grid->addWidget(spin, s + 1, 2);
        jetzt_[size_t(s)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, &CUEFAWertungAendernDlg::UpdateSum);
    }
    summe_ = new QLabel(box);
    summe_->setObjectName("Summe");
    grid->addWidget(new QLabel("Punkte", box), UEFAWertung::kSaisons + 1, 0);
    grid->addWidget(summe_, UEFAWertung::kSaisons + 1, 2);
    layout->addWidget(box);
    WbOkCancel(this, layout, [this] { accept(); });
    UpdateSum();
}

std::array<int, UEFAWertung::kSaisons> CUEFAWertungAendernDlg::Werte() const {
    std::array<int, UEFAWertung::kSaisons> w{};
    for (size_t s = 0; s < w.size(); ++s) w[s] = jetzt_[s]->value();
    return w;
}

void CUEFAWertungAendernDlg::UpdateSum() {
    UEFAWertung::Zeile z;
    z.werte = Werte();
    summe_->setText(QString::number(z.Punkte()));
}

CUEFAWertungDlg::CUEFAWertungDlg(QWidget* parent) : CDialogBM(168, parent) {
    setWindowTitle("EP-5-Jahres-Wertung");
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox("Stand am Spielbeginn", this);
    auto* boxLayout = new QVBoxLayout(box);
    list_ = new QTreeWidget(box);
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({"Platz", "Land", "Punkte", "letzte Saison"});
    list_->setColumnWidth(0, 45);
    list_->setColumnWidth(1, 130);
    list_->setColumnWidth(2, 60);
    boxLayout->addWidget(list_);
    layout->addWidget(box);
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { OnDblclk(list_->indexOfTopLevelItem(item)); });
    WbOkCancel(this, layout, [this] { rules_.Apply(); accept(); }, QString::fromUtf8("\xC3\x9C" "bernehmen"));
    Refill(0);
    resize(400, 440);
}

void CUEFAWertungDlg::Refill(int select) {
    list_->clear();
    for (int i = 0; i < int(rules_.Zeilen().size()); ++i)
        new QTreeWidgetItem(list_, Qt8(rules_.LineText(i)).split('\t'));
    if (auto* item = list_->topLevelItem(select)) list_->setCurrentItem(item);
}

void CUEFAWertungDlg::OnDblclk(int row) {
    if (row < 0 || size_t(row) >= rules_.Zeilen().size()) return;
    CUEFAWertungAendernDlg dlg(rules_.Zeilen()[size_t(row)], this);
    if (dlg.exec() != QDialog::Accepted) return;
    const int moved = rules_.Change(row, dlg.Werte());
    Refill(moved >= 0 ? moved : row);
}

// ---------------------------------------------------------------- European club competition groups

namespace {

// The eight (or four) group buttons "1".."8" in one row, as an exclusive group.
QHBoxLayout* WbGruppenKnoepfe(QDialog* dlg, std::array<QPushButton*, 8>& knoepfe) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Gruppe", dlg));
    auto* group = new QButtonGroup(dlg);
    for (int g = 0; g < 8; ++g) {
        auto* b = new QPushButton(QString::number(g + 1), dlg);
        b->setObjectName(QString("Gruppe%1").arg(g + 1));
        b->setCheckable(true);
        b->setFixedWidth(32);
        group->addButton(b, g);
        row->addWidget(b);
        knoepfe[size_t(g)] = b;
    }
    row->addStretch();
    return row;
}

}  // namespace

CChampionsLeagueGruppenDlg::CChampionsLeagueGruppenDlg(QWidget* parent) : CDialogBM(548, parent) {
    setWindowTitle("Europapokal-Gruppen 1. Saison");
    countries_ = CLeagueGruppen::Countries();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(WbGruppenKnoepfe(this, gruppenKnoepfe_));
    auto* grid = new QGridLayout;
    for (int i = 0; i < CLeagueGruppen::kTeilnehmer; ++i) {
        auto* land = new QComboBox(this);
        land->setObjectName(QString("Land%1").arg(i + 1));
        land->addItem("", -1);
        for (int c : countries_) land->addItem(Qt8(CLeagueGruppen::CountryLine(c)), c);
        auto* verein = new QComboBox(this);
        verein->setObjectName(QString("Verein%1").arg(i + 1));
        verein->setMinimumWidth(170);
        laender_[size_t(i)] = land;
        vereine_[size_t(i)] = verein;
        grid->addWidget(new QLabel(QString("Teilnehmer %1").arg(i + 1), this), i, 0);
        grid->addWidget(land, i, 1);
        grid->addWidget(verein, i, 2);
        connect(land, &QComboBox::currentIndexChanged, this, [this, i] { FillClubs(i, 0); });
    }
    layout->addLayout(grid);
    for (int g = 0; g < CLeagueGruppen::kGruppen; ++g)
        connect(gruppenKnoepfe_[size_t(g)], &QPushButton::clicked, this, [this, g] { OnGruppe(g); });
    WbOkCancel(this, layout, [this] { OnOK(); });
    Show(0);
}

void CChampionsLeagueGruppenDlg::FillClubs(int i, int verein) {
    QComboBox* box = vereine_[size_t(i)];
    const int land = laender_[size_t(i)]->currentData().toInt();
    box->clear();
    box->addItem("", 0);
    if (land < 0) return;
    for (int nr : CLeagueGruppen::Clubs(land, verein)) box->addItem(Qt8(CLeagueGruppen::ClubName(land, nr)), nr);
    box->setCurrentIndex(std::max(0, box->findData(verein)));
}

void CChampionsLeagueGruppenDlg::Keep() {
    for (int i = 0; i < CLeagueGruppen::kTeilnehmer; ++i)
        rules_.At(shown_)[size_t(i)] = {laender_[size_t(i)]->currentData().toInt(),
                                        vereine_[size_t(i)]->currentData().toInt()};
}

void CChampionsLeagueGruppenDlg::Show(int g) {
    shown_ = g;
    gruppenKnoepfe_[size_t(g)]->setChecked(true);
    for (int i = 0; i < CLeagueGruppen::kTeilnehmer; ++i) {
        const auto& t = rules_.At(g)[size_t(i)];
        {
            const QSignalBlocker block(laender_[size_t(i)]);
            int pos = laender_[size_t(i)]->findData(t.land);
            if (pos < 0 && t.land >= 0) {  // a country no longer offered keeps its place
                laender_[size_t(i)]->addItem(Qt8(CLeagueGruppen::CountryLine(t.land)), t.land);
                pos = laender_[size_t(i)]->count() - 1;
            }
            laender_[size_t(i)]->setCurrentIndex(std::max(0, pos));
        }
        FillClubs(i, t.verein);
    }
}

void CChampionsLeagueGruppenDlg::OnGruppe(int g) {
    Keep();
    if (g != shown_ && rules_.Leave(shown_)) Show(g);
    else gruppenKnoepfe_[size_t(shown_)]->setChecked(true);
}

void CChampionsLeagueGruppenDlg::OnOK() {
    Keep();
    if (rules_.Ok(shown_)) accept();
}

// ---------------------------------------------------------------- championship groups

CLaenderTurnierEditorDlg::CLaenderTurnierEditorDlg(int mode, QWidget* parent) : CDialogBM(820, parent), rules_(mode) {
    setWindowTitle(rules_.Title());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(WbGruppenKnoepfe(this, gruppenKnoepfe_));
    for (int g = rules_.GroupCount(); g < 8; ++g) gruppenKnoepfe_[size_t(g)]->hide();
    auto* grid = new QGridLayout;
    for (int i = 0; i < TurnierGruppen::kPositionen; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString("Position%1").arg(i + 1));
        box->setMinimumWidth(200);
        positionen_[size_t(i)] = box;
        grid->addWidget(new QLabel(QString("Position %1").arg(i + 1), this), i, 0);
        grid->addWidget(box, i, 1);
    }
    layout->addLayout(grid);
    for (int g = 0; g < rules_.GroupCount(); ++g)
        connect(gruppenKnoepfe_[size_t(g)], &QPushButton::clicked, this, [this, g] { OnGruppe(g); });
    WbOkCancel(this, layout, [this] { OnOK(); });
    Show(0);
}

void CLaenderTurnierEditorDlg::Keep() {
    for (int i = 0; i < TurnierGruppen::kPositionen; ++i)
        rules_.At(shown_)[size_t(i)] = positionen_[size_t(i)]->currentData().toInt();
}

void CLaenderTurnierEditorDlg::Show(int g) {
    shown_ = g;
    gruppenKnoepfe_[size_t(g)]->setChecked(true);
    for (int i = 0; i < TurnierGruppen::kPositionen; ++i) {
        QComboBox* box = positionen_[size_t(i)];
        const int nation = rules_.At(g)[size_t(i)];
        box->clear();
        WbNationen(box, rules_.Nations(nation));
        box->setCurrentIndex(std::max(0, box->findData(nation)));
    }
}

void CLaenderTurnierEditorDlg::OnGruppe(int g) {
    Keep();
    Show(g);
}

void CLaenderTurnierEditorDlg::OnOK() {
    Keep();
    if (rules_.Ok()) accept();
}

}  // namespace v3
