#include "compiler/buildcommands.h"

#include "compiler/compilecheck.h"
#include "compiler/compilecheckframe.h"
#include "compiler/kxbuilder.h"
#include "language/uilanguage.h"
#include "model/project.h"
#include "model/workfolder.h"
#include "settings/devicedatabase.h"
#include "settings/projectsettings.h"
#include "settings/settingsrules.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace brevix {

namespace {

void warn(QWidget *window, const Message &message)
{
    QMessageBox::warning(window, kBuilderTitle, uiText(message));
}

// The companion programs sit beside the editor when installed; in the build tree each has its
// own folder next to the editor's. Otherwise the name is left to the search path.
QString besideEditor(const QString &name)
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &path : {here.filePath(name), here.filePath(QStringLiteral("../") + name +
                                                                   QLatin1Char('/') + name)}) {
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return name;
}

} // namespace

Message missingStartPageMessage(int page)
{
    const QString n = QString::number(page);
    return {QStringLiteral("您设置的初始(主控)画面号: [") + n +
                QStringLiteral("] 不存在！\n请检查或重新设置..."),
            QStringLiteral("Your initial settings ( Master ) screen number: [") + n +
                QStringLiteral("] Does not exist！\nPlease check or to Set up...")};
}

Message saveFirstMessage()
{
    return {QStringLiteral(" 请先保存此新工程 ！"),
            QStringLiteral(" Please save this new project ！")};
}

Message compilerFailedMessage()
{
    return {QStringLiteral("编译程序失败 ！"), QStringLiteral("Compiler failed!")};
}

QString simulatorProgram()
{
    return besideEditor(QStringLiteral("pelvane"));
}

QString updateProgram()
{
    return besideEditor(QStringLiteral("vzupdate"));
}

PrologueOutcome runBuildPrologue(const BuildCommandHooks &h, QString *sizeText)
{
    Project &project = *h.project;
    DeviceDatabase database;
    const Result opened = database.open();
    const DeviceLists lists =
        opened ? loadDeviceLists(database, project.settings()) : DeviceLists{};
    const CheckResult check = StartCheck(project, lists);
    if (h.checkFrame) {
        h.checkFrame->setRows(check.rows);
        h.checkFrame->setVisible(check.hasErrors());
    }
    if (check.keyCellsLowered > 0)
        warn(h.window, keyLedCellsMessage());
    if (check.hasErrors()) {
        warn(h.window, errorSummaryMessage(check.errorCount()));
        return PrologueOutcome::CheckFailed;
    }
    const int start = ProjectSettings(project.settings()).InitialPage();
    if (!project.PageExists(start)) {
        warn(h.window, missingStartPageMessage(start));
        if (h.showWorkingParameters)
            h.showWorkingParameters();
        return PrologueOutcome::NoStartPage;
    }
    if (h.isModified && h.isModified()) {
        warn(h.window, saveFirstMessage());
        if (h.save)
            h.save();
        return PrologueOutcome::Unsaved;
    }
    BuildInputs inputs;
    BuildResult built;
    const QString path = h.projectPath ? h.projectPath() : QString();
    if (loadBuildInputs(path, inputs))
        built = BuildDownloadImage(project, inputs);
    const WorkFolder work;
    if (!built.ok || !work.ensureExists() || !writeBuildOutput(built, work.path())) {
        warn(h.window, built.error.isEmpty() ? compilerFailedMessage() : built.error);
        return PrologueOutcome::BuildFailed;
    }
    if (sizeText)
        *sizeText = built.sizeText;
    return PrologueOutcome::Built;
}

PrologueOutcome runBuildCommand(BuildCommand command, const BuildCommandHooks &h)
{
    const bool simulation =
        command == BuildCommand::OfflineSimulation || command == BuildCommand::OnlineSimulation;
    if (simulation)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    QString sizeText;
    const PrologueOutcome outcome = runBuildPrologue(h, &sizeText);
    if (simulation)
        QApplication::restoreOverrideCursor();
    if (outcome != PrologueOutcome::Built)
        return outcome;

    const auto status = [&h](const QString &text) {
        if (h.setStatusText)
            h.setStatusText(text);
    };
    const QString current = h.statusText ? h.statusText() : QString();
    const WorkFolder work;
    switch (command) {
    case BuildCommand::Download:
        status(uiText(QStringLiteral("编译成功: "), QStringLiteral("Compiler Succeed: ")) +
               sizeText);
        if (h.showDownloadDialog)
            h.showDownloadDialog();
        break;
    case BuildCommand::OfflineSimulation:
    case BuildCommand::OnlineSimulation:
        status(current + QStringLiteral("　√"));
        if (h.startDetached)
            h.startDetached(simulatorProgram(), QCoreApplication::applicationDirPath());
        break;
    case BuildCommand::UpdatePackage: {
        status(current + QStringLiteral("　√"));
        const QString project = h.projectPath ? h.projectPath() : QString();
        const QString proposed = project.size() > 4 ? project.left(project.size() - 4) : project;
        const QString folder = h.askPackagePath ? h.askPackagePath(proposed) : QString();
        if (folder.isEmpty())
            break;
        QDir().mkpath(folder);
        const QString source =
            h.updateProgramPath.isEmpty() ? updateProgram() : h.updateProgramPath;
        const QString program = QDir(folder).filePath(QFileInfo(source).fileName());
        const QString data = QDir(folder).filePath(QStringLiteral("Dat.bin"));
        QFile::remove(program);
        QFile::remove(data);
        const bool copied = QFile::copy(source, program);
        if (!QFile::copy(work.file(QStringLiteral("KX.bin")), data) || !copied)
            warn(h.window, {QStringLiteral("无法写入更新包: ") + folder,
                            QStringLiteral("Cannot write the update package: ") + folder});
        if (h.openFolder)
            h.openFolder(folder);
        break;
    }
    }
    return outcome;
}

} // namespace brevix
