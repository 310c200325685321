#include "ui/PropertySheetBM.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/PictureLoader.h"

namespace v3 {

CPropertyPageBM::CPropertyPageBM(const QString& title, QWidget* parent, int background)
    : QWidget(parent), title_(title), background_(LoadPicture(background, "JPEGS")) {
    setAutoFillBackground(false);
}

CPropertyPageBM::~CPropertyPageBM() = default;

void CPropertyPageBM::paintEvent(QPaintEvent* event) {
    PaintBackground(*this, background_.get(), event->rect());
}

CTabCtrlBM::CTabCtrlBM(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(false);
    setStyleSheet("QTabWidget::pane { border: 1px solid rgba(40, 60, 40, 160); background: transparent; }");
}

CPropertySheetBM::CPropertySheetBM(const QString& title, QWidget* parent, int background, bool withApply)
    : CDialogBM(0, parent, background) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    tabs_ = new CTabCtrlBM(this);
    layout->addWidget(tabs_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName(kOkButton);
    ok_->setDefault(true);
    cancel_ = new QPushButton("Abbrechen", this);
    cancel_->setObjectName(kCancelButton);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    if (withApply) {
        apply_ = new QPushButton("\xC3\x9C" "bernehmen", this);
        buttons->addWidget(apply_);
        connect(apply_, &QPushButton::clicked, this, &CPropertySheetBM::applied);
    }
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CPropertySheetBM::AddPage(CPropertyPageBM* page) { tabs_->addTab(page, page->Title()); }

}  // namespace v3
