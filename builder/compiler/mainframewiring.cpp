// Wires the build commands (F6, F9, F10, F12), the compile check list, the interface language
// of the dialogs, the start screen and the about box into the main window.
#include "compiler/buildcommands.h"
#include "compiler/compilecheckframe.h"
#include "devicelink/downloaddialog.h"
#include "devicelink/portchoice.h"
#include "editor/elementdialogs.h"
#include "editor/mainframe.h"
#include "elements/dialoginstance.h"
#include "language/languageswitch.h"
#include "language/uilanguage.h"
#include "start/aboutbox.h"
#include "start/startscreen.h"

#include <QAction>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace brevix {

namespace {

void applyDialogLanguage(MainFrame &frame, Language language)
{
    const Result applied = switchLanguage(language, &frame);
    if (!applied)
        QMessageBox::warning(&frame, kBuilderTitle, uiText(applied.message()));
}

BuildCommandHooks hooksFor(MainFrame &frame, CompileCheckFrame *checkFrame)
{
    BuildCommandHooks h;
    h.window = &frame;
    h.project = &frame.project();
    h.checkFrame = checkFrame;
    h.isModified = [&frame] { return frame.session().modified(); };
    h.projectPath = [&frame] { return frame.session().projectPath; };
    h.save = [&frame] { frame.Save(); };
    h.showWorkingParameters = [&frame] {
        if (QAction *a = frame.action(QStringLiteral("AppWorkingParameters")); a && a->isEnabled())
            a->trigger();
    };
    h.statusText = [&frame] { return frame.statusPanel(0)->text(); };
    h.setStatusText = [&frame](const QString &text) { frame.setStatusText(0, text); };
    h.showDownloadDialog = [&frame] {
        auto *dialog = dialogInstance<DownloadDialog>(&frame);
        dialog->setLanguage(uiLanguage());
        dialog->setPort(defaultDownloadPort());
        dialog->setFolder(frame.session().work.path());
        dialog->exec();
    };
    h.startDetached = [](const QString &program, const QString &folder) {
        return QProcess::startDetached(program, {}, folder);
    };
    h.openFolder = [](const QString &folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    h.askPackagePath = [&frame](const QString &proposed) {
        return QFileDialog::getSaveFileName(&frame, QStringLiteral("保存项目文件"), proposed,
                                            QStringLiteral("Dat文件 (*.Dat);;All Files (*)"));
    };
    return h;
}

void wireBuildCommands(MainFrame &frame)
{
    auto *dock = new QDockWidget(&frame);
    dock->setObjectName(QStringLiteral("CompileCheckDock"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    dock->setTitleBarWidget(new QWidget(dock));
    auto *checkFrame = new CompileCheckFrame(dock);
    dock->setWidget(checkFrame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    QObject::connect(checkFrame, &CompileCheckFrame::closed, dock, &QWidget::hide);
    QObject::connect(checkFrame, &CompileCheckFrame::hintChanged, &frame,
                     [&frame](const QString &hint) { frame.setStatusText(0, hint); });
    QObject::connect(
        checkFrame, &CompileCheckFrame::showElement, &frame,
        [&frame](const QString &caption, int slot) { frame.LookupFrmShow(caption, slot); });

    const auto wire = [&frame, checkFrame, dock](const char *name, BuildCommand command) {
        QAction *a = frame.action(QString::fromLatin1(name));
        if (!a)
            return;
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, &frame, [&frame, checkFrame, dock, command] {
            if (!frame.projectLoaded())
                return;
            const PrologueOutcome outcome = runBuildCommand(command, hooksFor(frame, checkFrame));
            // The list stays up while the check finds errors and goes once it finds none.
            dock->setVisible(outcome == PrologueOutcome::CheckFailed);
        });
    };
    wire("AppDownload", BuildCommand::Download);
    wire("DebugOffline", BuildCommand::OfflineSimulation);
    wire("DebugOnline", BuildCommand::OnlineSimulation);
    wire("AppUpdatePackage", BuildCommand::UpdatePackage);
}

void wireStartAndAbout(MainFrame &frame)
{
    if (QAction *about = frame.action(QStringLiteral("HelpAbout"))) {
        about->setEnabled(true);
        QObject::connect(about, &QAction::triggered, &frame,
                         [&frame] { dialogInstance<AboutBox>(&frame)->exec(); });
    }
    QObject::connect(&frame, &MainFrame::startScreenWanted, &frame, [&frame] {
        StartScreen *screen = dialogInstance<StartScreen>(&frame);
        QAction *recent = frame.action(QStringLiteral("FileRecent"));
        screen->setRecentPath(recent ? recent->property("path").toString() : QString());
        screen->setChoiceHandler([&frame](StartScreen::Choice choice) {
            switch (choice) {
            case StartScreen::Choice::NewFile:
                frame.New();
                break;
            case StartScreen::Choice::LastFile:
                frame.OpenRecent();
                break;
            case StartScreen::Choice::OpenFile:
                frame.Open();
                break;
            case StartScreen::Choice::Examples:
                frame.OpenExample();
                break;
            case StartScreen::Choice::None:
                break;
            }
        });
        screen->run();
    });
}

void wireLanguage(MainFrame &frame)
{
    setUiLanguage(frame.language());
    QObject::connect(&frame, &MainFrame::languageChanged, &frame,
                     [&frame](Language language) { applyDialogLanguage(frame, language); });
    // The designed texts are Chinese; a stored English choice is applied once the window is up.
    if (frame.language() == Language::English)
        QTimer::singleShot(0, &frame, [&frame] { applyDialogLanguage(frame, Language::English); });
}

const bool registered = [] {
    registerMainFrameHook([](MainFrame &frame) {
        wireLanguage(frame);
        wireBuildCommands(frame);
        wireStartAndAbout(frame);
    });
    return true;
}();

} // namespace

} // namespace brevix
