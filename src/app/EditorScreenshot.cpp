#include "app/EditorScreenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/MainFrame.h"
#include "ui/DialogBM.h"
#include "ui/LandAuswahlDlg.h"

namespace v3 {

namespace {

void CloseWithCancel(QDialog* dlg) {
    if (auto* cancel = dlg->findChild<QAbstractButton*>(kCancelButton))
        cancel->click();
    else
        dlg->reject();
}

}  // namespace

void TakeEditorScreenshot(CMainFrame& frame, const std::string& handler, const QString& file, int offer,
                          const QString& button) {
    auto* watch = new QTimer(&frame);
    watch->setInterval(50);
    auto shown = std::make_shared<int>(0);
    auto taken = std::make_shared<bool>(false);
    auto opener = std::make_shared<QPointer<QDialog>>();
    QObject::connect(watch, &QTimer::timeout, &frame, [watch, shown, taken, file, offer, button, opener] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isVisible() || dlg == opener->data()) return;
        if (AnswerChooser(dlg, offer)) return;
        // Let the editor lay itself out and paint before it is grabbed.
        if (++*shown < 10) return;
        if (!button.isEmpty() && !*opener) {
            auto* b = dlg->findChild<QAbstractButton*>(button);
            if (!b) return;
            *opener = dlg;
            *shown = 0;
            QTimer::singleShot(0, b, &QAbstractButton::click);
            return;
        }
        watch->stop();
        *taken = dlg->grab().save(file);
        std::fprintf(stderr, "Bildschirmfoto: %s\n", file.toLocal8Bit().constData());
        CloseWithCancel(dlg);
        if (QDialog* first = opener->data()) QTimer::singleShot(0, first, [first] { CloseWithCancel(first); });
    });
    QTimer::singleShot(300, &frame, [&frame, handler, watch, taken] {
        watch->start();
        frame.RunCommand(handler);
        watch->stop();
        if (!*taken) std::fprintf(stderr, "Kein Bildschirmfoto: %s zeigte keinen Dialog.\n", handler.c_str());
        QApplication::exit(*taken ? 0 : 2);
    });
    QTimer::singleShot(30000, &frame, [] {
        std::fprintf(stderr, "Kein Bildschirmfoto: der Dialog erschien nicht.\n");
        QApplication::exit(2);
    });
}

}  // namespace v3
