#include "ui/ProgressBarDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "ui/PictureLoader.h"

namespace v3 {

CProgressBarDlg::CProgressBarDlg(QWidget* parent, int layout)
    : CDialogBM(layout, parent, kProgressHintergrund) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(false);
    if (Background())
        SizeToBackground();
    else
        setFixedSize(320, 96);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(24, 40, 24, 16);
    status_ = new QLabel("gespeichert...", this);
    status_->setObjectName("status");
    QFont f = status_->font();
    f.setBold(true);
    status_->setFont(f);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setFixedHeight(14);
    QPalette barColours = bar_->palette();
    barColours.setColor(QPalette::Highlight, QColor(62, 168, 84));
    bar_->setPalette(barColours);
    box->addWidget(status_);
    box->addWidget(bar_);
    box->addStretch(1);
    SetTextColor(QColor(255, 255, 255));
    SetRange(10, 100);
    SetStep(2);
    SetPos(10);
}

void CProgressBarDlg::SetText(const QString& text) { status_->setText(text); }
QString CProgressBarDlg::Text() const { return status_->text(); }

void CProgressBarDlg::SetRange(int lower, int upper) { bar_->setRange(lower, upper); }

void CProgressBarDlg::SetPos(int pos) { bar_->setValue(std::clamp(pos, bar_->minimum(), bar_->maximum())); }

int CProgressBarDlg::Pos() const { return bar_->value(); }

void CProgressBarDlg::StepIt() {
    // As the platform's bar: past the end it starts again at the beginning.
    int next = bar_->value() + step_;
    if (next > bar_->maximum()) next = bar_->minimum() + (next - bar_->maximum());
    bar_->setValue(next);
}

}  // namespace v3
