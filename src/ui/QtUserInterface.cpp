#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/ProgressBarDlg.h"

namespace v3 {

CQtUserInterface::CQtUserInterface() = default;
CQtUserInterface::~CQtUserInterface() = default;

MsgResult CQtUserInterface::MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                                       MsgIcon icon) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = parent_;
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(caption.empty() ? std::string(kProgrammTitel) : caption));
    box.setText(QString::fromStdString(text));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    }
    struct Choice {
        const char* text;
        QMessageBox::ButtonRole role;
        MsgResult result;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case MsgButtons::Ok: choices = {{"OK", QMessageBox::AcceptRole, MsgResult::Ok}}; break;
    case MsgButtons::OkCancel:
        choices = {{"OK", QMessageBox::AcceptRole, MsgResult::Ok},
                   {"Abbrechen", QMessageBox::RejectRole, MsgResult::Cancel}};
        break;
    case MsgButtons::YesNo:
        choices = {{"Ja", QMessageBox::YesRole, MsgResult::Yes}, {"Nein", QMessageBox::NoRole, MsgResult::No}};
        break;
    case MsgButtons::YesNoCancel:
        choices = {{"Ja", QMessageBox::YesRole, MsgResult::Yes},
                   {"Nein", QMessageBox::NoRole, MsgResult::No},
                   {"Abbrechen", QMessageBox::RejectRole, MsgResult::Cancel}};
        break;
    case MsgButtons::RetryCancel:
        choices = {{"Wiederholen", QMessageBox::AcceptRole, MsgResult::Retry},
                   {"Abbrechen", QMessageBox::RejectRole, MsgResult::Cancel}};
        break;
    }
    std::vector<QPushButton*> made;
    for (const auto& c : choices) made.push_back(box.addButton(QString::fromUtf8(c.text), c.role));
    box.setDefaultButton(made.front());
    // Closing the box answers with the cancelling button where there is one.
    box.setEscapeButton(made.back());
    // A progress window stays visible but must not cover the question.
    box.exec();
    for (size_t i = 0; i < made.size(); ++i)
        if (box.clickedButton() == made[i]) return choices[i].result;
    return choices.back().result;
}

void CQtUserInterface::KeepPainted() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CQtUserInterface::ProgressOpen(const std::string& title, int lower, int upper) {
    progress_ = std::make_unique<CProgressBarDlg>(parent_ && parent_->isVisible() ? parent_.data() : nullptr);
    progress_->SetText(QString::fromStdString(title));
    progress_->SetRange(lower, upper);
    progress_->show();
    progress_->raise();
    KeepPainted();
}

void CQtUserInterface::ProgressSetStep(int step) {
    if (progress_) progress_->SetStep(step);
}

void CQtUserInterface::ProgressSetPos(int pos) {
    if (!progress_) return;
    progress_->SetPos(pos);
    KeepPainted();
}

void CQtUserInterface::ProgressStepIt() {
    if (!progress_) return;
    progress_->StepIt();
    KeepPainted();
}

void CQtUserInterface::ProgressSetText(const std::string& text) {
    if (!progress_) return;
    progress_->SetText(QString::fromStdString(text));
    KeepPainted();
}

void CQtUserInterface::ProgressClose() {
    if (!progress_) return;
    progress_->hide();
    progress_.reset();
    KeepPainted();
}

}  // namespace v3
