#pragma once
// Helpers of the headless dialog tests: acting on a modal dialog once it is
// on top, and pressing its buttons by object name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace v3test {

// Runs `schritt` on the modal dialog of class T as soon as it is on top.
template <class T>
void WennOffen(std::function<void(T*)> schritt) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, schritt] {
        if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget()); dlg && dlg->isVisible()) {
            timer->stop();
            timer->deleteLater();
            schritt(dlg);
        }
    });
    timer->start();
}

// Clicks the button of `dlg` with this object name.
inline void Klick(QWidget* dlg, const QString& name) {
    auto* b = dlg->findChild<QAbstractButton*>(name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    b->click();
}

}  // namespace v3test
