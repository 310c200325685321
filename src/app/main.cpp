// The desktop program: the editor on an installation directory (the working
// directory, or --dir DIR), optionally full screen with "-F".
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

#include "app/EditorApp.h"
#include "app/EditorScreenshot.h"
#include "app/EditorView.h"
#include "app/MainFrame.h"
#include "base/AppState.h"
#include "platform/UserInterface.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("voltaro3-editor");
    QApplication::setApplicationDisplayName(v3::kProgrammTitel);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // The dialogs' font: a small sans serif, as the fixed layouts expect.
    QFont font("Arial");
    font.setPointSize(8);
    QApplication::setFont(font);
    v3::InitProgramResources();

    QCommandLineParser parser;
    parser.setApplicationDescription("VOLTARO 3 - Dateneditor");
    parser.addHelpOption();
    QCommandLineOption dirOption("dir", "Installationsverzeichnis (Vorgabe: das Arbeitsverzeichnis).",
                                 "verzeichnis");
    QCommandLineOption shotOption("screenshot", "", "datei");
    shotOption.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption shotPictureOption("screenshot-bild", "", "nummer", "9");
    shotPictureOption.setFlags(QCommandLineOption::HiddenFromHelp);
    // With --screenshot-menu the picture is of the editor that menu entry opens
    // (its chooser answered with offer --screenshot-wahl), taken once it shows.
    QCommandLineOption shotMenuOption("screenshot-menu", "", "handler");
    shotMenuOption.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption shotChoiceOption("screenshot-wahl", "", "nummer", "0");
    shotChoiceOption.setFlags(QCommandLineOption::HiddenFromHelp);
    // With --screenshot-knopf the editor's button of that object name is
    // pressed first and the dialog it opens is taken instead.
    QCommandLineOption shotButtonOption("screenshot-knopf", "", "name");
    shotButtonOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(dirOption);
    parser.addOption(shotOption);
    parser.addOption(shotPictureOption);
    parser.addOption(shotMenuOption);
    parser.addOption(shotChoiceOption);
    parser.addOption(shotButtonOption);
    parser.addPositionalArgument("-F", "Vollbildmodus.");
    // "-F" and "/F" are the program's switch, not options of the parser.
    const QStringList withValue{"--dir", "--screenshot", "--screenshot-bild", "--screenshot-menu",
                                "--screenshot-wahl", "--screenshot-knopf"};
    QStringList arguments = qapp.arguments();
    QStringList switches;
    QStringList forParser{arguments.value(0)};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (withValue.contains(a) && i + 1 < arguments.size())
            forParser << a << arguments[++i];
        else if (a.startsWith("--") || a == "-h" || a == "-?")
            forParser << a;
        else
            switches << a;
    }
    parser.process(forParser);

    QString dir = parser.isSet(dirOption) ? parser.value(dirOption) : QDir::currentPath();
    if (!QDir(dir).exists()) {
        QMessageBox::critical(nullptr, v3::kProgrammTitel, QString("Das Verzeichnis %1 gibt es nicht.").arg(dir));
        return 1;
    }

    const bool screenshot = parser.isSet(shotOption);
    v3::StderrUserInterface unattended(true);
    v3::StartOptions options;
    options.installDir = QDir(dir).absolutePath();
    options.args = switches;
    if (screenshot) {
        // A picture of the running program: nobody answers questions, and a
        // running editor is left alone.
        options.ui = &unattended;
        options.instanceKey = "screenshot";
    }

    v3::CEDITORApp app;
    if (!app.InitInstance(std::move(options))) {
        bool other = app.AnotherInstanceRuns();
        app.ExitInstance();
        return other ? 0 : 1;
    }

    if (screenshot && parser.isSet(shotMenuOption)) {
        v3::TakeEditorScreenshot(*app.Frame(), parser.value(shotMenuOption).toStdString(), parser.value(shotOption),
                             parser.value(shotChoiceOption).toInt(), parser.value(shotButtonOption));
    } else if (screenshot) {
        const QString file = parser.value(shotOption);
        const int picture = parser.value(shotPictureOption).toInt();
        v3::CMainFrame* frame = app.Frame();
        QObject::connect(frame->View(), &v3::CEDITORView::pictureShown, frame, [&, frame, file, picture](int shown) {
            if (shown != picture) return;
            frame->grab().save(file);
            std::fprintf(stderr, "Bildschirmfoto: %s\n", file.toLocal8Bit().constData());
            QApplication::exit(0);
        });
        QTimer::singleShot(20000, frame, [] {
            std::fprintf(stderr, "Kein Bildschirmfoto: die Animation lief nicht.\n");
            QApplication::exit(2);
        });
    }
    int rc = qapp.exec();
    app.ExitInstance();
    return rc;
}
