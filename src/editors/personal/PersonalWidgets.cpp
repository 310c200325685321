#include "editors/personal/PersonalWidgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/personal/rules/PersonalRules.h"
#include "platform/Text1252.h"
#include "records/Land.h"

namespace v3 {

QString TitelMitLand(const QString& editor) {
    const int land = App().AktuellesLand;
    if (land < 0 || land >= kLaenderSlots) return editor;
    return editor + " - " + Qt8(App().Laendername[size_t(land)]);
}

CLand* AktuellesLandObjekt() {
    auto& laender = Daten().AlleLaender;
    const int land = App().AktuellesLand;
    if (land < 0 || size_t(land) >= laender.size()) return nullptr;
    return laender[size_t(land)].get();
}

QLineEdit* NamensFeld(QWidget* parent, const std::string& cp1252, int maxLen, const char* objectName) {
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(objectName);
    const QString text = Qt8(cp1252);
    feld->setMaxLength(std::max(maxLen, int(text.size())));
    feld->setText(text);
    return feld;
}

QHBoxLayout* KnopfLeiste(QDialog* dlg, QPushButton** ok, QPushButton** abbrechen, const QString& okText) {
    QHBoxLayout* row = OkCancelRow(dlg, ok, abbrechen, okText);
    (*abbrechen)->setAutoDefault(false);
    return row;
}

// ---------------------------------------------------------------- birth date

CGeburtsDatumFeld::CGeburtsDatumFeld(QWidget* parent, const CDatum& datum, int saisonJahr)
    : QWidget(parent), saisonJahr_(saisonJahr) {
    tag_ = new QSpinBox(this);
    tag_->setObjectName("Tag");
    tag_->setRange(1, 31);
    tag_->setValue(std::clamp(datum.day, 1, 31));
    monat_ = new QSpinBox(this);
    monat_->setObjectName("Monat");
    monat_->setRange(1, 12);
    monat_->setValue(std::clamp(datum.month, 1, 12));
    jahr_ = new QSpinBox(this);
    jahr_->setObjectName("Jahr");
    const JahrBereich b = GeburtsjahrBereich(saisonJahr, datum.year);
    jahr_->setRange(b.von, b.bis);
    jahr_->setValue(datum.year);
    alter_ = new QLabel(parent);
    alter_->setObjectName("Alter");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(tag_);
    row->addWidget(new QLabel(".", this));
    row->addWidget(monat_);
    row->addWidget(new QLabel(".", this));
    row->addWidget(jahr_);
    row->addStretch(1);
    for (QSpinBox* s : {tag_, monat_, jahr_})
        connect(s, &QSpinBox::valueChanged, this, [this] { Aktualisieren(); });
    Aktualisieren();
}

int CGeburtsDatumFeld::Tag() const { return tag_->value(); }
int CGeburtsDatumFeld::Monat() const { return monat_->value(); }
int CGeburtsDatumFeld::Jahr() const { return jahr_->value(); }
int CGeburtsDatumFeld::Alter() const { return AlterAus(Tag(), Monat(), Jahr(), saisonJahr_); }
void CGeburtsDatumFeld::Aktualisieren() { alter_->setText(QString::number(Alter())); }

// ---------------------------------------------------------------- dialogs

CAendernDlg::CAendernDlg(QWidget* parent, const QString& titel) : CDialogBM(141, parent) {
    setWindowTitle(titel);
    form_ = new QFormLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
}

void CAendernDlg::Fertig() {
    QPushButton* ok;
    QPushButton* abbrechen;
    static_cast<QVBoxLayout*>(layout())->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(KnopfLeiste(this, &ok, &abbrechen));
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!beiOk || beiOk()) accept();
    });
}

CPersonenListeDlg::CPersonenListeDlg(QWidget* parent, Aufbau aufbau) : CDialogBM(140, parent), a_(std::move(aufbau)) {
    setWindowTitle(a_.titel);
    liste_ = new QTreeWidget(this);
    liste_->setObjectName("Liste");
    liste_->setRootIsDecorated(false);
    liste_->setUniformRowHeights(true);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setAllColumnsShowFocus(true);
    QStringList koepfe;
    for (const auto& s : a_.spalten) koepfe << s;
    liste_->setHeaderLabels(koepfe);
    for (size_t c = 0; c < a_.breiten.size(); ++c) liste_->setColumnWidth(int(c), a_.breiten[c]);
    liste_->header()->setStretchLastSection(true);
    liste_->header()->setSectionsClickable(false);

    QPushButton* ok;
    QPushButton* abbrechen;
    auto* knoepfe = KnopfLeiste(this, &ok, &abbrechen, a_.okText);
    if (a_.aendern) {
        auto* aendern = new QPushButton("\xC3\x84ndern...", this);
        aendern->setObjectName("Aendern");
        aendern->setAutoDefault(false);
        knoepfe->insertWidget(0, aendern);
        connect(aendern, &QPushButton::clicked, this, [this] { OnAendern(); });
    }
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    // Double-click or Enter on a line: edit it, or in selection mode choose it.
    connect(liste_, &QTreeWidget::itemDoubleClicked, this, [this] { a_.aendern ? OnAendern() : OnOK(); });
    liste_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(liste_, 1);
    layout->addLayout(knoepfe);
    resize(480, 400);
    Erneuern();
    if (liste_->topLevelItemCount() > 0) liste_->setCurrentItem(liste_->topLevelItem(0));
    liste_->setFocus();
}

int CPersonenListeDlg::Gewaehlt() const {
    QTreeWidgetItem* item = liste_->currentItem();
    if (!item || !item->isSelected()) return -1;
    return liste_->indexOfTopLevelItem(item);
}

void CPersonenListeDlg::Erneuern(int i) {
    auto fuellen = [this](QTreeWidgetItem* item, int zeile) {
        const QStringList spalten = Qt8(a_.zeile(zeile)).split('\t');
        for (int c = 0; c < spalten.size(); ++c) item->setText(c, spalten[c]);
    };
    if (i >= 0 && i < liste_->topLevelItemCount()) return fuellen(liste_->topLevelItem(i), i);
    liste_->clear();
    for (int z = 0; z < a_.anzahl(); ++z) fuellen(new QTreeWidgetItem(liste_), z);
}

bool CPersonenListeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == liste_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            a_.aendern ? OnAendern() : OnOK();
            return true;
        }
    }
    return CDialogBM::eventFilter(watched, event);
}

void CPersonenListeDlg::OnAendern() {
    const int i = Gewaehlt();
    if (i < 0) return;
    if (a_.aendern(i)) Erneuern(i);
}

void CPersonenListeDlg::OnOK() {
    if (a_.ok(Gewaehlt())) accept();
}

}  // namespace v3
