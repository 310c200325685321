// Runs the Qt tests headless: one application object for all of them, the
// program's pictures and help pages compiled in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include "ui/PictureLoader.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont font("Arial");
    font.setPointSize(8);
    QApplication::setFont(font);
    v3::InitProgramResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
