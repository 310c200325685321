#include "editors/spieler/SpielerSeiten.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/AppState.h"
#include "check/DatenCheckDlg.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/Manager.h"
#include "records/Nation.h"
#include "records/Spieler.h"
#include "records/SpielerTexte.h"
#include "records/TrainerUndCo.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

std::vector<std::string> DocumentNationNames() {
    std::vector<std::string> names;
    for (const auto& n : Daten().NationenListe) names.push_back(n->Name());
    return names;
}

// A spin box whose arrows step through the rules (the shirt number skips held numbers).
class CShirtNumberSpin : public QSpinBox {
public:
    CShirtNumberSpin(QWidget* parent, std::function<void(int)> step) : QSpinBox(parent), step_(std::move(step)) {}
    void stepBy(int steps) override {
        for (int i = 0; i < std::abs(steps); ++i) step_(steps > 0 ? 1 : -1);
    }

private:
    std::function<void(int)> step_;
};

QSpinBox* MakeSpin(QWidget* parent, int lo, int hi) {
    auto* s = new QSpinBox(parent);
    s->setRange(lo, hi);
    return s;
}

template <size_t N>
QGroupBox* MakeRadioGroup(QWidget* parent, const QString& title, const std::array<std::string_view, N>& texts,
                      int first, QButtonGroup*& group, int columns = 1) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(0);
    grid->setContentsMargins(6, 2, 6, 2);
    group = new QButtonGroup(box);
    for (size_t i = 0; i < N; ++i) {
        auto* b = new QRadioButton(Qt8(texts[i]), box);
        group->addButton(b, int(i) + first);
        grid->addWidget(b, int(i) / columns, int(i) % columns);
    }
    return box;
}

void CheckId(QButtonGroup* g, int id) {
    if (auto* b = g->button(id)) b->setChecked(true);
}

}  // namespace

QString FromRecord(const std::string& cp1252) { return Qt8(cp1252); }

bool TypedText(const QLineEdit* edit, std::string& out) {
    auto text = Text1252(edit);
    if (!text) return false;
    out = *text;
    return true;
}

void CSpielerPage::ShowRepaired(const std::vector<std::string>& fields) {
    if (!repairedLabel_) return;
    QString t;
    for (const auto& f : fields) t += (t.isEmpty() ? "" : ", ") + QString::fromStdString(f);
    repairedLabel_->setText("Werte aus der Datei au\xC3\x9F" "erhalb des Bereichs, angepasst angezeigt: " + t);
    repairedLabel_->setVisible(!fields.empty());
}

// ---------------------------------------------------------------- Daten 1

CSpielerPersoenlicheDaten1Page::CSpielerPersoenlicheDaten1Page(QWidget* parent)
    : CSpielerPage("Daten 1", parent) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    auto label = [&](const char* text, QWidget* w, int col = 0) {
        grid->addWidget(new QLabel(QString::fromUtf8(text), this), row, col);
        grid->addWidget(w, row, col + 1);
    };
    nachname_ = new QLineEdit(this);
    vorname_ = new QLineEdit(this);
    kuenstler_ = new QLineEdit(this);
    nachname_->setMaxLength(int(PlayerData1Rules::kMaxNachname));
    vorname_->setMaxLength(int(PlayerData1Rules::kMaxVorname));
    kuenstler_->setMaxLength(int(PlayerData1Rules::kMaxKuenstlername));
    label("Name", nachname_);
    ++row;
    label("Vorname", vorname_);
    ++row;
    label("K\xC3\xBCnstlername", kuenstler_);
    ++row;
    auto* datum = new QHBoxLayout;
    tag_ = MakeSpin(this, 1, 31);
    monat_ = MakeSpin(this, 1, 12);
    jahr_ = MakeSpin(this, 1900, 2100);
    datum->addWidget(tag_);
    datum->addWidget(monat_);
    datum->addWidget(jahr_);
    grid->addWidget(new QLabel("Geburtsdatum", this), row, 0);
    grid->addLayout(datum, row, 1);
    ++row;
    alter_ = new QLabel(this);
    label("Alter", alter_);
    ++row;
    staerke_ = MakeSpin(this, 1, 12);
    label("St\xC3\xA4rke", staerke_);
    ++row;
    talent_ = new QComboBox(this);
    for (auto t : kTalentTexts) talent_->addItem(Qt8(t));
    label("Talent", talent_);
    ++row;
    fuss_ = new QComboBox(this);
    for (auto t : kFootTexts) fuss_->addItem(Qt8(t));
    label("Starker Fu\xC3\x9F", fuss_);
    ++row;
    nummer_ = new CShirtNumberSpin(this, [this](int d) {
        rules_.StepShirtNumber(d);
        Show();
    });
    nummer_->setRange(1, 99);
    nummer_->setWrapping(true);
    nummerLabel_ = new QLabel("R\xC3\xBC" "ckennummer", this);
    grid->addWidget(nummerLabel_, row, 0);
    grid->addWidget(nummer_, row, 1);
    ++row;
    schnitt_ = new QLabel(this);
    grid->addWidget(schnitt_, row, 0, 1, 2);
    ++row;
    auto* doppelt = new QPushButton("Spieler doppelt?", this);
    grid->addWidget(doppelt, row, 1);
    ++row;
    repairedLabel_ = new QLabel(this);
    repairedLabel_->setWordWrap(true);
    grid->addWidget(repairedLabel_, row, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);

    auto dateChanged = [this] {
        rules_.SetDate(tag_->value(), monat_->value(), jahr_->value());
        Show();
    };
    connect(tag_, &QSpinBox::valueChanged, this, dateChanged);
    connect(monat_, &QSpinBox::valueChanged, this, dateChanged);
    connect(jahr_, &QSpinBox::valueChanged, this, dateChanged);
    connect(staerke_, &QSpinBox::valueChanged, this, [this](int v) {
        rules_.SetStaerke(v);
        Show();
    });
    connect(talent_, &QComboBox::currentIndexChanged, this, [this](int i) {
        rules_.SetTalent(i + 1);
        Show();
    });
    connect(fuss_, &QComboBox::currentIndexChanged, this, [this](int i) { rules_.SetFuss(i + 1); });
    for (QLineEdit* e : {nachname_, vorname_}) {
        connect(e, &QLineEdit::textEdited, this, [this] { namesEdited_ = true; });
        connect(e, &QLineEdit::editingFinished, this, [this] {
            std::string n, v;
            if (!namesEdited_ || !TypedText(nachname_, n) || !TypedText(vorname_, v)) return;
            rules_.SetNachname(n);
            rules_.SetVorname(v);
            if (rules_.NamesChanged()) emit namesChanged();
        });
    }
    connect(doppelt, &QPushButton::clicked, this, &CSpielerPersoenlicheDaten1Page::OnSpielerDoppelt);
    setTabOrder(nachname_, vorname_);
    setTabOrder(vorname_, kuenstler_);
    setTabOrder(kuenstler_, tag_);
    setTabOrder(tag_, monat_);
    setTabOrder(monat_, jahr_);
    setTabOrder(jahr_, staerke_);
    setTabOrder(staerke_, talent_);
    setTabOrder(talent_, fuss_);
    setTabOrder(fuss_, nummer_);
    setTabOrder(nummer_, doppelt);
}

void CSpielerPersoenlicheDaten1Page::Fill(CSpieler& player) {
    player_ = &player;
    rules_.Fill(player);
    namesEdited_ = false;
    {
        QSignalBlocker b1(nachname_), b2(vorname_), b3(kuenstler_);
        // A longer stored name is shown whole.
        nachname_->setMaxLength(std::max<int>(int(PlayerData1Rules::kMaxNachname), int(player.Nachname().size())));
        vorname_->setMaxLength(std::max<int>(int(PlayerData1Rules::kMaxVorname), int(player.Vorname().size())));
        kuenstler_->setMaxLength(
            std::max<int>(int(PlayerData1Rules::kMaxKuenstlername), int(player.Kuenstlername().size())));
        nachname_->setText(Qt8(rules_.Nachname()));
        vorname_->setText(Qt8(rules_.Vorname()));
        kuenstler_->setText(Qt8(rules_.Kuenstlername()));
    }
    const bool nummern = rules_.GetContext().shirtNumbers;
    nummer_->setVisible(nummern);
    nummerLabel_->setVisible(nummern);
    schnitt_->setText("St\xC3\xA4rkedurchschnitt aller Spieler : " + QString::fromStdString(rules_.AverageText()));
    schnitt_->setVisible(nummern);
    ShowRepaired(rules_.Repaired());
    Show();
}

void CSpielerPersoenlicheDaten1Page::Show() {
    QSignalBlocker b1(tag_), b2(monat_), b3(jahr_), b4(staerke_), b5(talent_), b6(fuss_), b7(nummer_);
    const YearRange years = rules_.Years();
    jahr_->setRange(years.low, years.high);
    tag_->setValue(rules_.Day());
    monat_->setValue(rules_.Month());
    jahr_->setValue(rules_.Year());
    alter_->setText(QString::number(rules_.Alter()));
    staerke_->setValue(rules_.Staerke());
    talent_->setCurrentIndex(rules_.Talent() - 1);
    fuss_->setCurrentIndex(rules_.Fuss() - 1);
    nummer_->setValue(rules_.RueckenNummer());
}

bool CSpielerPersoenlicheDaten1Page::WriteBack(CSpieler& player) {
    std::string n, v, k;
    if (!TypedText(nachname_, n) || !TypedText(vorname_, v) || !TypedText(kuenstler_, k)) return false;
    // Only typed text is cut to the page's limits; an untouched stored name stays whole.
    if (n != rules_.Nachname()) rules_.SetNachname(n);
    if (v != rules_.Vorname()) rules_.SetVorname(v);
    if (k != rules_.Kuenstlername()) rules_.SetKuenstlername(k);
    const bool ok = rules_.WriteBack(player);
    if (ok) namesEdited_ = false;
    return ok;
}

void CSpielerPersoenlicheDaten1Page::OnSpielerDoppelt() {
    if (!player_ || !WriteBack(*player_)) return;
    CDatenCheckDlg dlg(this);
    dlg.SetNames(player_->Vorname(), player_->Nachname());
    dlg.exec();
}

// ---------------------------------------------------------------- Daten 2

CSpielerPersoenlicheDaten2Page::CSpielerPersoenlicheDaten2Page(QWidget* parent)
    : CSpielerPage("Daten 2", parent) {
    auto* grid = new QGridLayout(this);
    nation_ = new QComboBox(this);
    nation2_ = new QComboBox(this);
    inlaender_ = new QCheckBox(Qt8(kDomesticPlayerText), this);
    national_ = new QCheckBox(Qt8(kNationalPlayerText), this);
    zurueck_ = new QCheckBox(Qt8(kRetiredFromNationalTeamText), this);
    kapitaen_ = new QCheckBox(Qt8(kRetiredAsCaptainText), this);
    grid->addWidget(new QLabel("Nationalit\xC3\xA4t", this), 0, 0);
    grid->addWidget(nation_, 0, 1);
    grid->addWidget(inlaender_, 0, 2, 1, 2);
    grid->addWidget(new QLabel("Zweite Nationalit\xC3\xA4t", this), 1, 0);
    grid->addWidget(nation2_, 1, 1);
    grid->addWidget(national_, 2, 0);
    grid->addWidget(zurueck_, 2, 1, 1, 3);
    grid->addWidget(kapitaen_, 3, 1, 1, 3);
    grid->addWidget(MakeRadioGroup(this, "Hautfarbe", kSkinColourTexts, 0, haut_), 4, 0, Qt::AlignTop);
    grid->addWidget(MakeRadioGroup(this, "Haarfarbe", kHairColourTexts, 0, haar_), 4, 1, Qt::AlignTop);
    haarTypBox_ = MakeRadioGroup(this, "Haartyp", kHairStyleTexts, 0, haarTyp_);
    grid->addWidget(haarTypBox_, 4, 2, Qt::AlignTop);
    auto* bartBox = new QGroupBox("Bart", this);
    auto* bartLayout = new QVBoxLayout(bartBox);
    bartLayout->setSpacing(0);
    bartLayout->setContentsMargins(6, 2, 6, 2);
    for (size_t i = 0; i < 4; ++i) {
        bart_[i] = new QCheckBox(Qt8(kBeardTexts[i]), bartBox);
        bartLayout->addWidget(bart_[i]);
        connect(bart_[i], &QCheckBox::toggled, this, [this, i](bool on) { rules_.SetBart(int(i), on); });
    }
    grid->addWidget(bartBox, 4, 3, Qt::AlignTop);
    repairedLabel_ = new QLabel(this);
    repairedLabel_->setWordWrap(true);
    grid->addWidget(repairedLabel_, 5, 0, 1, 4);
    grid->setRowStretch(6, 1);

    connect(nation_, &QComboBox::currentIndexChanged, this, [this](int i) {
        rules_.SetNation(nation_->itemData(i).toInt());
        emit namesChanged();
    });
    connect(nation2_, &QComboBox::currentIndexChanged, this,
            [this](int i) { rules_.SetNation2(nation2_->itemData(i).toInt()); });
    connect(inlaender_, &QCheckBox::toggled, this, [this](bool on) { rules_.SetInlaender(on); });
    connect(national_, &QCheckBox::toggled, this, [this](bool on) { rules_.SetNationalspieler(on); });
    connect(zurueck_, &QCheckBox::toggled, this, [this](bool on) {
        rules_.SetZurueckgetreten(on);
        Show();
    });
    connect(kapitaen_, &QCheckBox::toggled, this, [this](bool on) { rules_.SetKapitaen(on); });
    connect(haut_, &QButtonGroup::idClicked, this, [this](int id) { rules_.SetHautfarbe(id); });
    connect(haar_, &QButtonGroup::idClicked, this, [this](int id) {
        rules_.SetHaarfarbe(id);
        Show();
    });
    connect(haarTyp_, &QButtonGroup::idClicked, this, [this](int id) { rules_.SetHaarTyp(id); });
}

void CSpielerPersoenlicheDaten2Page::Fill(CSpieler& player) {
    const auto names = DocumentNationNames();
    rules_.Fill(player, names);
    QSignalBlocker b1(nation_), b2(nation2_);
    nation_->clear();
    nation2_->clear();
    for (size_t i = 0; i < names.size(); ++i) nation_->addItem(Qt8(names[i]), int(i));
    nation2_->addItem("Keine", 0);
    for (int n : rules_.Nation2Offers())
        if (n != 0) nation2_->addItem(Qt8(names[size_t(n)]), n);
    ShowRepaired(rules_.Repaired());
    Show();
}

void CSpielerPersoenlicheDaten2Page::Show() {
    QSignalBlocker b1(nation_), b2(nation2_), b3(inlaender_), b4(national_), b5(zurueck_), b6(kapitaen_);
    nation_->setCurrentIndex(nation_->findData(rules_.Nation()));
    nation2_->setCurrentIndex(std::max(0, nation2_->findData(rules_.Nation2())));
    inlaender_->setChecked(rules_.Inlaender());
    national_->setChecked(rules_.Nationalspieler());
    zurueck_->setChecked(rules_.Zurueckgetreten());
    kapitaen_->setChecked(rules_.Kapitaen());
    nation_->setEnabled(!rules_.NationLocked());
    zurueck_->setEnabled(!rules_.NationLocked());
    CheckId(haut_, rules_.Hautfarbe());
    CheckId(haar_, rules_.Haarfarbe());
    CheckId(haarTyp_, rules_.HaarTyp());
    haarTypBox_->setEnabled(rules_.HairTypeEnabled());
    for (size_t i = 0; i < 4; ++i) {
        QSignalBlocker b(bart_[i]);
        bart_[i]->setChecked(rules_.Bart() & (1 << i));
    }
}

bool CSpielerPersoenlicheDaten2Page::WriteBack(CSpieler& player) { return rules_.WriteBack(player); }

// ---------------------------------------------------------------- Positionen

CSpielerPositionenPage::CSpielerPositionenPage(QWidget* parent) : CSpielerPage("Positionen", parent) {
    auto* layout = new QHBoxLayout(this);
    auto* hauptBox = new QGroupBox("Hauptposition", this);
    auto* hauptLayout = new QVBoxLayout(hauptBox);
    haupt_ = new QButtonGroup(hauptBox);
    for (int p = 1; p <= kPositionCount; ++p) {
        auto* b = new QRadioButton(Qt8(PositionText(p)), hauptBox);
        haupt_->addButton(b, p);
        hauptLayout->addWidget(b);
    }
    nebenBox_ = new QGroupBox("Nebenposition", this);
    auto* nebenLayout = new QVBoxLayout(nebenBox_);
    for (int p = 2; p <= kPositionCount; ++p) {
        neben_[size_t(p)] = new QCheckBox(Qt8(PositionText(p)), nebenBox_);
        nebenLayout->addWidget(neben_[size_t(p)]);
        connect(neben_[size_t(p)], &QCheckBox::clicked, this, [this, p] {
            rules_.ToggleNebenposition(p);
            Show();
        });
    }
    torwartHinweis_ = new QLabel("Ein Torwart spielt keine Nebenposition.", this);
    auto* right = new QVBoxLayout;
    right->addWidget(nebenBox_);
    right->addWidget(torwartHinweis_);
    repairedLabel_ = new QLabel(this);
    repairedLabel_->setWordWrap(true);
    right->addWidget(repairedLabel_);
    right->addStretch(1);
    layout->addWidget(hauptBox);
    layout->addLayout(right);
    connect(haupt_, &QButtonGroup::idClicked, this, [this](int id) {
        const bool keeper = rules_.IsKeeper();
        rules_.SetHauptposition(id);
        Show();
        if (keeper != rules_.IsKeeper()) emit mainPositionChanged();
    });
}

void CSpielerPositionenPage::Fill(CSpieler& player) {
    rules_.Fill(player);
    ShowRepaired(rules_.Repaired());
    Show();
}

void CSpielerPositionenPage::Show() {
    CheckId(haupt_, rules_.Hauptposition());
    // Laid out by the main position: a keeper's page shows no secondary positions.
    nebenBox_->setVisible(!rules_.IsKeeper());
    torwartHinweis_->setVisible(rules_.IsKeeper());
    for (int p = 2; p <= kPositionCount; ++p) {
        QCheckBox* b = neben_[size_t(p)];
        QSignalBlocker block(b);
        b->setChecked(rules_.Neben(p));
        b->setEnabled(p != rules_.Hauptposition());
    }
}

bool CSpielerPositionenPage::WriteBack(CSpieler& player) { return rules_.WriteBack(player); }

// ---------------------------------------------------------------- Fähigkeiten

CSpielerFaehigkeitenPage::CSpielerFaehigkeitenPage(QWidget* parent) : CSpielerPage("F\xC3\xA4higkeiten", parent) {
    auto* layout = new QHBoxLayout(this);
    for (int column = 0; column < 2; ++column) {
        const bool keeper = column == 1;
        auto* box = new QGroupBox(keeper ? "Torwart" : "Feldspieler", this);
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(0);
        grid->addWidget(new QLabel("+", box), 0, 1);
        grid->addWidget(new QLabel("\xC2\xAF", box), 0, 2);
        const int count = keeper ? kKeeperAbilityCount : kAbilityCount;
        for (int n = 1; n <= count; ++n) {
            grid->addWidget(new QLabel(Qt8(AbilityText(n, keeper)), box), n, 0);
            for (int k = 0; k < 2; ++k) {
                auto* b = new QCheckBox(box);
                b->setAccessibleName(Qt8(AbilityText(n, keeper)) + (k == 0 ? " +" : " \xC2\xAF"));
                boxes_[size_t(column)][size_t(n)][size_t(k)] = b;
                grid->addWidget(b, n, k + 1);
                connect(b, &QCheckBox::clicked, this, [this, n, k] {
                    rules_.Toggle(n, k == 0 ? 1 : -1);
                    Show();
                });
            }
        }
        grid->setRowStretch(count + 1, 1);
        layout->addWidget(box);
        (keeper ? torwart_ : feld_) = box;
    }
    repairedLabel_ = new QLabel(this);
    repairedLabel_->setWordWrap(true);
    layout->addWidget(repairedLabel_);
}

QCheckBox* CSpielerFaehigkeitenPage::Box(bool keeper, int n, bool plus) const {
    return boxes_[keeper ? 1 : 0][size_t(n)][plus ? 0 : 1];
}

void CSpielerFaehigkeitenPage::Fill(CSpieler& player) {
    rules_.Fill(player);
    ShowRepaired(rules_.Repaired());
    Show();
}

void CSpielerFaehigkeitenPage::Show() {
    feld_->setEnabled(!rules_.Keeper());
    torwart_->setEnabled(rules_.Keeper());
    const int column = rules_.Keeper() ? 1 : 0;
    for (int c = 0; c < 2; ++c)
        for (int n = 1; n <= 16; ++n)
            for (int k = 0; k < 2; ++k)
                if (QCheckBox* b = boxes_[size_t(c)][size_t(n)][size_t(k)]) {
                    QSignalBlocker block(b);
                    b->setChecked(c == column && rules_.Value(n) == (k == 0 ? 1 : -1));
                }
}

bool CSpielerFaehigkeitenPage::WriteBack(CSpieler& player) { return rules_.WriteBack(player); }

// ---------------------------------------------------------------- Eig. 1

CSpielerEigenschaften1Page::CSpielerEigenschaften1Page(QWidget* parent) : CSpielerPage("Eig. 1", parent) {
    auto* layout = new QHBoxLayout(this);
    for (int g = 0; g < 2; ++g) {
        auto* box = new QGroupBox(Qt8(g == 0 ? kPropertiesHeading : kTraitsHeading), this);
        auto* v = new QVBoxLayout(box);
        v->setSpacing(0);
        for (int n = 1; n <= 16; ++n) {
            auto* b = new QCheckBox(Qt8(g == 0 ? kPropertyLabels[size_t(n - 1)] : kTraitLabels[size_t(n - 1)]), box);
            boxes_[size_t(g)][size_t(n)] = b;
            v->addWidget(b);
            connect(b, &QCheckBox::clicked, this, [this, g, n] {
                rules_.Toggle(PlayerTraitsRules::Group(g), n);
                Show();
            });
        }
        layout->addWidget(box);
    }
    repairedLabel_ = new QLabel(this);
    repairedLabel_->setWordWrap(true);
    layout->addWidget(repairedLabel_);
}

void CSpielerEigenschaften1Page::Fill(CSpieler& player) {
    rules_.Fill(player);
    ShowRepaired(rules_.Repaired());
    Show();
}

void CSpielerEigenschaften1Page::Show() {
    for (int g = 0; g < 2; ++g)
        for (int n = 1; n <= 16; ++n) {
            QCheckBox* b = boxes_[size_t(g)][size_t(n)];
            QSignalBlocker block(b);
            b->setChecked(rules_.Checked(PlayerTraitsRules::Group(g), n));
            b->setEnabled(rules_.Enabled(PlayerTraitsRules::Group(g), n));
        }
}

bool CSpielerEigenschaften1Page::WriteBack(CSpieler& player) { return rules_.WriteBack(player); }

// ---------------------------------------------------------------- Eig. 2

CSpielerEigenschaften2Page::CSpielerEigenschaften2Page(QWidget* parent) : CSpielerPage("Eig. 2", parent) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(MakeRadioGroup(this, "Gesundheitszustand", kInjuryTexts, 1, verletzung_), 0, Qt::AlignTop);
    layout->addWidget(MakeRadioGroup(this, "Publikum", kCrowdTexts, 1, publikum_), 0, Qt::AlignTop);
    repairedLabel_ = new QLabel(this);
    repairedLabel_->setWordWrap(true);
    layout->addWidget(repairedLabel_);
    layout->addStretch(1);
    connect(verletzung_, &QButtonGroup::idClicked, this, [this](int id) { rules_.SetVerletzung(id); });
    connect(publikum_, &QButtonGroup::idClicked, this, [this](int id) { rules_.SetPublikum(id); });
}

void CSpielerEigenschaften2Page::Fill(CSpieler& player) {
    rules_.Fill(player);
    ShowRepaired(rules_.Repaired());
    Show();
}

void CSpielerEigenschaften2Page::Show() {
    CheckId(verletzung_, rules_.Verletzung());
    CheckId(publikum_, rules_.Publikum());
}

bool CSpielerEigenschaften2Page::WriteBack(CSpieler& player) { return rules_.WriteBack(player); }

// ---------------------------------------------------------------- Trainer / Manager

CStaffPage::CStaffPage(bool trainer, QWidget* parent)
    : CPropertyPageBM(trainer ? "Trainer" : "Manager", parent), rules_(trainer) {
    auto* outer = new QVBoxLayout(this);
    auto* box = new QGroupBox(trainer ? "Trainereigenschaften" : "Managereigenschaften", this);
    outer->addWidget(box);
    outer->addStretch(1);
    auto* grid = new QGridLayout(box);
    nachname_ = new QLineEdit(box);
    vorname_ = new QLineEdit(box);
    nachname_->setMaxLength(int(StaffPageRules::kMaxName));
    vorname_->setMaxLength(int(StaffPageRules::kMaxName));
    grid->addWidget(new QLabel("Name", box), 0, 0);
    grid->addWidget(nachname_, 0, 1);
    grid->addWidget(new QLabel("Vorname", box), 1, 0);
    grid->addWidget(vorname_, 1, 1);
    auto* datum = new QHBoxLayout;
    tag_ = MakeSpin(box, 1, 31);
    monat_ = MakeSpin(box, 1, 12);
    jahr_ = MakeSpin(box, 1900, 2100);
    datum->addWidget(tag_);
    datum->addWidget(monat_);
    datum->addWidget(jahr_);
    grid->addWidget(new QLabel("Geburtsdatum", box), 2, 0);
    grid->addLayout(datum, 2, 1);
    alter_ = new QLabel(box);
    grid->addWidget(new QLabel("Alter", box), 3, 0);
    grid->addWidget(alter_, 3, 1);
    kompetenz_ = MakeSpin(box, 0, 15);
    grid->addWidget(new QLabel("Kompetenz", box), 4, 0);
    grid->addWidget(kompetenz_, 4, 1);
    if (trainer) {
        ruf_ = new QComboBox(box);
        for (auto t : kTrainerRufTexte) ruf_->addItem(Qt8(t));
        grid->addWidget(new QLabel("Ruf", box), 5, 0);
        grid->addWidget(ruf_, 5, 1);
        connect(ruf_, &QComboBox::currentIndexChanged, this, [this](int i) { rules_.SetRuf(i); });
    }
    auto dateChanged = [this] {
        rules_.SetDate(tag_->value(), monat_->value(), jahr_->value());
        Show();
    };
    connect(tag_, &QSpinBox::valueChanged, this, dateChanged);
    connect(monat_, &QSpinBox::valueChanged, this, dateChanged);
    connect(jahr_, &QSpinBox::valueChanged, this, dateChanged);
    connect(kompetenz_, &QSpinBox::valueChanged, this, [this](int v) { rules_.SetKompetenz(v); });
}

void CStaffPage::Fill(const CTrainerUndCo& t) {
    rules_.Fill(t);
    Show();
}
void CStaffPage::Fill(const CManager& m) {
    rules_.Fill(m);
    Show();
}

void CStaffPage::Show() {
    QSignalBlocker b1(nachname_), b2(vorname_), b3(tag_), b4(monat_), b5(jahr_), b6(kompetenz_);
    nachname_->setText(Qt8(rules_.Nachname()));
    vorname_->setText(Qt8(rules_.Vorname()));
    const YearRange years = rules_.Years();
    jahr_->setRange(years.low, years.high);
    tag_->setValue(rules_.Day());
    monat_->setValue(rules_.Month());
    jahr_->setValue(rules_.Year());
    alter_->setText(QString::number(rules_.Alter()));
    kompetenz_->setValue(rules_.Kompetenz());
    if (ruf_) {
        QSignalBlocker b(ruf_);
        ruf_->setCurrentIndex(rules_.Ruf());
    }
}

bool CStaffPage::TakeNames() {
    std::string n, v;
    if (!TypedText(nachname_, n) || !TypedText(vorname_, v)) return false;
    if (n != rules_.Nachname()) rules_.SetNachname(n);
    if (v != rules_.Vorname()) rules_.SetVorname(v);
    return true;
}

bool CStaffPage::WriteBack(CTrainerUndCo& t) { return TakeNames() && rules_.WriteBack(t); }
bool CStaffPage::WriteBack(CManager& m) { return TakeNames() && rules_.WriteBack(m); }

// ---------------------------------------------------------------- the six player pages

CSpielerSeiten::CSpielerSeiten(QWidget* parent) : CTabCtrlBM(parent) {
    daten1_ = new CSpielerPersoenlicheDaten1Page(this);
    daten2_ = new CSpielerPersoenlicheDaten2Page(this);
    positionen_ = new CSpielerPositionenPage(this);
    faehigkeiten_ = new CSpielerFaehigkeitenPage(this);
    eig1_ = new CSpielerEigenschaften1Page(this);
    eig2_ = new CSpielerEigenschaften2Page(this);
    for (int i = 0; i < 6; ++i) {
        CSpielerPage* p = Page(i);
        addTab(p, p->Title());
        connect(p, &CSpielerPage::namesChanged, this, &CSpielerSeiten::namesChanged);
    }
    connect(this, &QTabWidget::currentChanged, this, &CSpielerSeiten::OnTabBarClicked);
    setEnabled(false);
}

CSpielerPage* CSpielerSeiten::Page(int i) const {
    switch (i) {
        case 0: return daten1_;
        case 1: return daten2_;
        case 2: return positionen_;
        case 3: return faehigkeiten_;
        case 4: return eig1_;
        default: return eig2_;
    }
}

void CSpielerSeiten::SetPlayer(CSpieler* player) {
    player_ = player;
    setEnabled(player != nullptr);
    shown_ = currentIndex();
    if (player_) Page(shown_)->Fill(*player_);
}

bool CSpielerSeiten::WriteCurrent() { return !player_ || Page(shown_)->WriteBack(*player_); }

void CSpielerSeiten::OnTabBarClicked(int index) {
    if (index == shown_ || index < 0) return;
    if (!WriteCurrent()) {
        QSignalBlocker b(this);
        setCurrentIndex(shown_);
        return;
    }
    shown_ = index;
    if (player_) Page(shown_)->Fill(*player_);
}

}  // namespace v3
