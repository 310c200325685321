#include "app/QuitBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace v3 {

CQuitBox::CQuitBox(QWidget* parent) : CDialogBM(210, parent) {
    setWindowTitle("Voltaro 3 - Editor verlassen");
    setFixedSize(360, 150);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 18, 20, 14);
    auto* l1 = new QLabel("Sie beenden nun den Voltaro 3 - Editor.", this);
    auto* l2 = new QLabel("Wollen Sie den geänderten Datensatz speichern?", this);
    QFont bold = l1->font();
    bold.setBold(true);
    l1->setFont(bold);
    outer->addWidget(l1);
    outer->addWidget(l2);
    outer->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ja_ = new QPushButton("Ja", this);
    nein_ = new QPushButton("Nein", this);
    abbrechen_ = new QPushButton("Abbrechen", this);
    ja_->setDefault(true);
    for (auto* b : {ja_, nein_, abbrechen_}) buttons->addWidget(b);
    outer->addLayout(buttons);
    connect(ja_, &QPushButton::clicked, this, [this] {
        answer_ = QuitAnswer::Save;
        done(QDialog::Accepted);
    });
    connect(nein_, &QPushButton::clicked, this, &CQuitBox::OnCancel1);
    connect(abbrechen_, &QPushButton::clicked, this, &CQuitBox::OnCancel);
}

void CQuitBox::OnCancel() {
    answer_ = QuitAnswer::Stay;
    done(QDialog::Rejected);
}

void CQuitBox::OnCancel1() {
    answer_ = QuitAnswer::Leave;
    done(QDialog::Rejected);
}

QuitAnswer CQuitBox::Ask() {
    answer_ = QuitAnswer::Stay;
    exec();
    return answer_;
}

}  // namespace v3
