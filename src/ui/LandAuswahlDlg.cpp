#include "ui/LandAuswahlDlg.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/PictureLoader.h"
#include "ui/TabStopDelegate.h"
#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

CLandAuswahlDlg::CLandAuswahlDlg(int auswahlModus, const std::vector<const CVerein*>* clubs, int layout,
                                 const CVerein* excluded1, const CVerein* excluded2, QWidget* parent)
    : CDialogBM(layout, parent), mode_(auswahlModus),
      model_(BuildCountryChooser(auswahlModus, clubs, excluded1, excluded2)) {
    bool clubMode = mode_ == 8 || mode_ == 9;
    setWindowTitle(QString::fromStdString(model_.title));
    setFixedSize(clubMode ? QSize(520, 380) : QSize(300, 400));

    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QString::fromStdString(model_.frameText), this);
    auto* inner = new QVBoxLayout(frame);
    list_ = new QListWidget(frame);
    list_->setItemDelegate(new CTabStopDelegate(model_.tabStops, list_));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    if (mode_ == 11) marker_ = LoadPicture(kMarkerBild, "BITMAP");
    QIcon markerIcon(PixmapOf(marker_.get()));
    QPixmap blank(PixmapOf(marker_.get()).size().isEmpty() ? QSize(16, 12) : PixmapOf(marker_.get()).size());
    blank.fill(Qt::transparent);
    for (const auto& line : model_.lines) {
        auto* item = new QListWidgetItem(Qt8(line.text), list_);
        if (mode_ == 11) item->setIcon(line.marker ? markerIcon : QIcon(blank));
    }
    if (mode_ == 11) list_->setIconSize(blank.size());
    inner->addWidget(list_);
    outer->addWidget(frame, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton(QString::fromStdString(model_.okText), this);
    ok_->setObjectName(kOkButton);
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Abbrechen", this);
    cancel->setObjectName(kCancelButton);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &CLandAuswahlDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

CLandAuswahlDlg::~CLandAuswahlDlg() = default;

const CVerein* CLandAuswahlDlg::Verein() const {
    if ((mode_ != 8 && mode_ != 9) || !choice_) return nullptr;
    return model_.lines[size_t(*choice_)].club;
}

void CLandAuswahlDlg::OnOK() {
    int row = list_->currentItem() && list_->currentItem()->isSelected() ? list_->currentRow() : -1;
    auto value = AcceptCountryChoice(model_, row);
    if (!value) return;  // the message was shown; the dialog stays open
    choice_ = value;
    accept();
}

CLandauswaehlenDlg::CLandauswaehlenDlg(QWidget* parent) : CDialogBM(133, parent) {
    setWindowTitle("Internationale Spielerpools");
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox("Bitte wählen Sie den gewünschten Pool aus ", this);
    auto* grid = new QGridLayout(frame);
    constexpr int kRows = 9;
    for (int i = 0; i < int(std::size(kSpielerpools)); ++i) {
        // "&" in a button text marks the mnemonic; the pool names show it as it is.
        auto* r = new QRadioButton(QString::fromUtf8(kSpielerpools[i]).replace("&", "&&"), frame);
        grid->addWidget(r, i % kRows, i / kRows);
        radios_.push_back(r);
    }
    radios_.front()->setChecked(true);
    outer->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName(kOkButton);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Abbrechen", this);
    cancel->setObjectName(kCancelButton);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CLandauswaehlenDlg::Pool() const {
    for (size_t i = 0; i < radios_.size(); ++i)
        if (radios_[i]->isChecked()) return int(i);
    return 0;
}

void CLandauswaehlenDlg::SetPool(int pool) {
    if (pool >= 0 && pool < int(radios_.size())) radios_[size_t(pool)]->setChecked(true);
}

bool AnswerChooser(QDialog* dlg, int offer) {
    if (auto* c = qobject_cast<CLandAuswahlDlg*>(dlg)) {
        c->List()->setCurrentRow(std::clamp(offer, 0, std::max(0, c->List()->count() - 1)));
        c->OkButton()->click();
        return true;
    }
    if (auto* p = qobject_cast<CLandauswaehlenDlg*>(dlg)) {
        p->SetPool(offer);
        p->accept();
        return true;
    }
    return false;
}

}  // namespace v3
