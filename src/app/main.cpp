// The desktop program: for now the main window on the installation directory.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>

#include "dataset/AppState.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("VOLTARO 3 - Dateneditor");

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption dirOption("dir", "Installationsverzeichnis (Vorgabe: das Arbeitsverzeichnis).",
                                 "verzeichnis");
    parser.addOption(dirOption);
    parser.process(app);

    QString dir = parser.isSet(dirOption) ? parser.value(dirOption) : QDir::currentPath();
    if (!QDir(dir).exists()) {
        QMessageBox::critical(nullptr, "VOLTARO 3 - Dateneditor",
                              QString("Das Verzeichnis %1 gibt es nicht.").arg(dir));
        return 1;
    }
    v3::App().installDir = QDir(dir).absolutePath().toStdString();

    QMainWindow window;
    window.setWindowTitle("VOLTARO 3 - Dateneditor");
    window.setFixedSize(640, 480);
    window.show();
    return app.exec();
}
