#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace v3 {

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpWindow");
    setWindowTitle("VOLTARO 3 - Editor Hilfe");
    resize(620, 520);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    layout->addWidget(browser_, 1);
    auto* buttons = new QHBoxLayout;
    auto* contents = new QPushButton("Inhalt", this);
    auto* back = new QPushButton("Zurück", this);
    auto* close = new QPushButton("Schließen", this);
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(contents, &QPushButton::clicked, this, &CHelpWindow::ShowContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void CHelpWindow::ShowContents() {
    browser_->setSource(QUrl(kHilfeStartseite));
    show();
    raise();
    activateWindow();
}

}  // namespace v3
