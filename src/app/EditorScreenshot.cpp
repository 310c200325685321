#include "app/EditorScreenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/MainFrame.h"
#include "ui/DialogBM.h"
#include "ui/LandAuswahlDlg.h"

namespace v3 {

void TakeEditorScreenshot(CMainFrame& frame, const std::string& handler, const QString& file, int offer) {
    auto* watch = new QTimer(&frame);
    watch->setInterval(50);
    auto shown = std::make_shared<int>(0);
    auto taken = std::make_shared<bool>(false);
    QObject::connect(watch, &QTimer::timeout, &frame, [watch, shown, taken, file, offer] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isVisible()) return;
        if (AnswerChooser(dlg, offer)) return;
        // Let the editor lay itself out and paint before it is grabbed.
        if (++*shown < 10) return;
        watch->stop();
        *taken = dlg->grab().save(file);
        std::fprintf(stderr, "Bildschirmfoto: %s\n", file.toLocal8Bit().constData());
        if (auto* cancel = dlg->findChild<QAbstractButton*>(kCancelButton))
            cancel->click();
        else
            dlg->reject();
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
