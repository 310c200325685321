#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AboutDlg.h"
#include "app/EditorView.h"
#include "app/HelpWindow.h"
#include "ui/LandAuswahlDlg.h"
#include "app/QuitBox.h"
#include "base/AppState.h"
#include "dataset/EditorDoc.h"
#include "shell/DocCommands.h"

namespace v3 {

namespace {

// The shortcut as the menu shows it.
QString ShortcutText(std::string_view s) {
    QString t = QString::fromUtf8(s.data(), qsizetype(s.size()));
    t.replace("Ctrl+", "Strg+");
    return t;
}

}  // namespace

CMainFrame::CMainFrame(CEDITORDoc& doc, bool vollbild, std::unique_ptr<CSoundLib> sound)
    : doc_(doc), vollbild_(vollbild), exit_(doc), sound_(sound ? std::move(sound) : std::make_unique<CSoundLib>()) {
    setObjectName("MainFrame");
    setWindowTitle(kProgrammTitel);
    view_ = new CEDITORView(doc_, this);
    if (vollbild_) {
        // Full screen: the view keeps its size in the middle of a black screen.
        auto* holder = new QWidget(this);
        holder->setAutoFillBackground(true);
        QPalette pal = holder->palette();
        pal.setColor(QPalette::Window, Qt::black);
        holder->setPalette(pal);
        auto* box = new QVBoxLayout(holder);
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(view_, 0, Qt::AlignCenter);
        setCentralWidget(holder);
    } else {
        setCentralWidget(view_);
    }
    quitBox_ = [this] { return CQuitBox(this).Ask(); };
    RegisterShellCommands();
    RegisterDocCommands(runner_, doc_);
    // The document asks for the end when a reinitialisation failed and freed
    // the data set: the window closes without the exit question.
    doc_.ProgrammBeenden = [this] {
        beenden_ = true;
        QTimer::singleShot(0, this, &QWidget::close);
    };
    RegisterEditors(editors_);
    BuildMenu();
    if (vollbild_)
        view_->setFixedSize(kFensterBreite, kFensterHoehe - menuBar()->sizeHint().height());
    else
        setFixedSize(kFensterBreite, kFensterHoehe);
}

CMainFrame::~CMainFrame() {
    doc_.ProgrammBeenden = nullptr;
    OnDestroy();
}

QPrinter& CMainFrame::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void CMainFrame::RegisterShellCommands() {
    runner_.Register("OnFilePrintSetup", [this](const CommandArgs&) {
        QPrintDialog dlg(&Printer(), this);
        dlg.setWindowTitle("Druckereinrichtung");
        return dlg.exec() == QDialog::Accepted;
    });
    runner_.Register("OnAppExit", [this](const CommandArgs&) {
        // Closing asks the exit question; the window stays when it is declined.
        QTimer::singleShot(0, this, &QWidget::close);
        return true;
    });
    runner_.Register("OnHelpFinder", [this](const CommandArgs&) {
        WinHelp();
        return true;
    });
    runner_.Register("OnAppAbout", [this](const CommandArgs&) {
        OnAppAbout();
        return true;
    });
}

void CMainFrame::BuildMenu() {
    QMenuBar* bar = menuBar();
    std::map<std::string_view, QMenu*> menus;
    for (std::string_view name : kMenus) {
        QMenu* m = bar->addMenu(QString::fromUtf8(name.data(), qsizetype(name.size())));
        m->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenu);
        menus[name] = m;
    }
    for (const auto& c : MenuCommands()) {
        QMenu* m = menus.at(c.menu);
        if (c.separatorBefore && !m->isEmpty()) m->addSeparator();
        QString text = QString::fromUtf8(c.text.data(), qsizetype(c.text.size()));
        if (!c.shortcut.empty()) text += "\t" + ShortcutText(c.shortcut);
        QAction* a = m->addAction(text);
        std::string handler(c.handler);
        a->setObjectName(QString::fromStdString(handler));
        if (!c.shortcut.empty()) {
            a->setShortcut(QKeySequence(QString::fromUtf8(c.shortcut.data(), qsizetype(c.shortcut.size()))));
        }
        connect(a, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
        actions_[handler] = a;
    }
    UpdateMenu();
}

QAction* CMainFrame::Action(const std::string& handler) const {
    auto it = actions_.find(handler);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::UpdateMenu() {
    for (auto& [handler, action] : actions_) action->setEnabled(runner_.IsEnabled(handler));
}

CommandOutcome CMainFrame::RunCommand(const std::string& handler) {
    CommandOutcome out = runner_.Run(handler);
    UpdateMenu();
    return out;
}

DisplayValues CMainFrame::MeasureDisplay() {
    DisplayValues v;
    // The dialogs' font as the desktop renders it: its height follows the
    // desktop's font resolution.
    v.fontHeight = QFontMetrics(QApplication::font()).height();
    QScreen* screen = QGuiApplication::primaryScreen();
    v.bitsPerPixel = screen ? screen->depth() : 24;
    v.planes = 1;
    return v;
}

int CMainFrame::TestColorDepthAndFontSize() {
    return v3::TestColorDepthAndFontSize(MeasureDisplay(), [this] { OpenDisplaySettings(); });
}

void CMainFrame::OpenDisplaySettings() {
    // The desktop's display settings, whichever of the usual panels is there.
    const std::pair<const char*, QStringList> panels[] = {
        {"gnome-control-center", {"display"}}, {"systemsettings", {"kcm_kscreen"}},
        {"xfce4-display-settings", {}},        {"lxqt-config-monitor", {}},
        {"arandr", {}},                        {"lxrandr", {}}};
    for (const auto& [program, args] : panels)
        if (!QStandardPaths::findExecutable(program).isEmpty() && QProcess::startDetached(program, args)) return;
}

void CMainFrame::OnCreate() {
    if (vollbild_) {
        // The whole screen, also where no window manager handles the request.
        if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
        showFullScreen();
        vollbildAktiv_ = isFullScreen() || windowState().testFlag(Qt::WindowFullScreen);
    }
    TestColorDepthAndFontSize();
    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && !vollbild_) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    if (!sound_->SoundLibInit(this))
        App().ui->MessageBox(kKeineSoundkarte, kProgrammTitel, MsgButtons::Ok, MsgIcon::Warning);
}

void CMainFrame::OnDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    sound_->SoundLibExit();
    if (vollbildAktiv_) {
        showNormal();
        vollbildAktiv_ = false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (beenden_) {
        // Nothing is left to save; the crests staged in this run go.
        doc_.VerwerfeGeaenderteWappen();
    } else if (!exit_.CanCloseFrame(quitBox_) || !exit_.CloseDocument()) {
        event->ignore();
        return;
    }
    if (help_) help_->close();
    OnDestroy();
    event->accept();
}

CHelpWindow* CMainFrame::HelpWindow() const { return help_.data(); }

void CMainFrame::WinHelp() {
    if (!help_) help_ = new CHelpWindow(this);
    help_->ShowContents();
}

void CMainFrame::OnAppAbout() {
    App().AnimationAktiv = false;
    CAboutDlg dlg(this);
    dlg.exec();
    App().AnimationAktiv = true;
}

void CMainFrame::RepaintView() { view_->repaint(); }

void CMainFrame::Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::optional<int> CMainFrame::ChooseCountry(int mode) {
    CLandAuswahlDlg dlg(mode, nullptr, 469, nullptr, nullptr, this);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Choice();
}

std::optional<int> CMainFrame::ChoosePool() {
    CLandauswaehlenDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Pool();
}

void CMainFrame::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace v3
