// File commands: New, Open, Save, Save As, the recent file, the example, the hand-over of a
// request to a fresh editor, start-up and the question at close.
#include "common/warningbox.h"
#include "editor/elementdialogs.h"
#include "editor/mainframe.h"
#include "editor/structurep.h"
#include "model/datafolder.h"
#include "model/handover.h"
#include "model/projectfile.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

namespace brevix {

void MainFrame::startUp(const QStringList &arguments)
{
    m_recentAtStart = m_session.settings.lastFileOpenItem;
    setStatusText(0, m_session.text(QStringLiteral(" 就绪"), QStringLiteral(" Ready")));
    setStatusText(3, QStringLiteral(" X: 0  Y: 0"));
    m_commandLine = commandLineText(arguments);
    if (!m_commandLine.isEmpty()) {
        QTimer::singleShot(10, this, [this] {
            m_session.projectPath = m_commandLine;
            m_commandLine.clear();
            m_pendingOpen = true;
            Open();
        });
        return;
    }
    QString text;
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        text = clipboard->text();
    const HandOver request = parseHandOver(text);
    if (request.kind == HandOver::Kind::Open) {
        m_session.projectPath = request.path;
        m_pendingOpen = true;
        QGuiApplication::clipboard()->setText(kHandOverTaken);
        QTimer::singleShot(0, this, [this] { Open(); });
    } else if (request.kind == HandOver::Kind::New) {
        QGuiApplication::clipboard()->setText(kHandOverTaken);
        QTimer::singleShot(0, this, [this] { New(); });
    } else {
        QTimer::singleShot(300, this, [this] {
            if (!m_projectLoaded)
                emit startScreenWanted();
        });
    }
}

void MainFrame::handOverToNewProcess(const QString &clipboardText)
{
    QGuiApplication::clipboard()->setText(clipboardText);
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

void MainFrame::New()
{
    if (m_projectLoaded) {
        handOverToNewProcess(kNewHandOverText);
        return;
    }
    project().writeNewValues();
    if (hasWorkingParametersDialog() && !openWorkingParametersDialog(this, project()))
        return;
    closeAllEditors();
    for (int n = 1; n <= kMaxPage; ++n)
        project().ClearPageStructure(n);
    project().createPage(1, QByteArrayLiteral("Window1"));
    project().currentPage = 1;
    m_session.undo.reset();
    m_session.projectPath = kUnsavedProjectPath;
    setProjectLoaded(true);
    m_saveAs = false;
    PageCountRefresh();
    emit projectLoadedChanged();
}

QString MainFrame::chooseOpenPath()
{
    if (!nextDialogPath.isEmpty())
        return std::exchange(nextDialogPath, QString());
    return QFileDialog::getOpenFileName(
        this, m_session.text(QStringLiteral("打开KX3文件"), QStringLiteral("Open KX3 file")),
        m_previousPath.isEmpty() ? QString() : m_previousPath,
        QStringLiteral("KX3文件 (*.KX3);;备份文件 (*.BAK);;All Files (*)"));
}

QString MainFrame::chooseSavePath(const QString &proposed)
{
    if (!nextDialogPath.isEmpty())
        return std::exchange(nextDialogPath, QString());
    return QFileDialog::getSaveFileName(
        this, m_session.text(QStringLiteral("保存KX3文件"), QStringLiteral("Save KX3 file")),
        proposed, QStringLiteral("KX3文件 (*.KX3);;All Files (*)"));
}

void MainFrame::Open()
{
    QString path;
    if (m_pendingOpen) {
        path = m_session.projectPath;
    } else {
        m_previousPath = m_session.projectPath;
        path = chooseOpenPath();
        if (path.isEmpty())
            return;
    }
    if (m_projectLoaded) {
        handOverToNewProcess(openHandOverText(path));
        m_pendingOpen = false;
        m_session.projectPath = m_previousPath;
        return;
    }
    m_pendingOpen = false;
    loadProject(path);
}

void MainFrame::openPath(const QString &path)
{
    nextDialogPath = path;
    Open();
}

bool MainFrame::loadProject(const QString &path)
{
    setStatusText(0, QStringLiteral(" To Decompress the file, please wait......"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result result = openProject(project(), path, m_session.work);
    QApplication::restoreOverrideCursor();
    if (!result.ok()) {
        QMessageBox::warning(this, kBuilderTitle, m_session.text(result.message()));
        return false;
    }
    setStatusText(0, QStringLiteral(" File decompression success"));
    m_session.projectPath = path;
    m_session.openPictureLibrary(path);
    setStatusText(0, QStringLiteral(" Open the file Success"));
    closeAllEditors();
    m_session.undo.reset();
    setProjectLoaded(true);
    m_saveAs = false;
    PageCountRefresh();
    if (StructureP *editor = activeEditor())
        editor->clearSelection();
    return true;
}

bool MainFrame::Save()
{
    QString path = m_session.projectPath;
    if (path == kUnsavedProjectPath) {
        const QString chosen = chooseSavePath(kUnsavedProjectPath);
        if (chosen.isEmpty()) {
            if (m_saveAs) {
                m_saveAs = false;
                m_session.projectPath = m_previousPath;
            }
            return false;
        }
        path = savePathForChosen(chosen);
        createProjectFolder(path);
        if (m_saveAs)
            copyCompanions(m_previousPath, path);
        m_session.projectPath = path;
        m_session.openPictureLibrary(path);
        m_saveAs = false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setStatusText(0, QStringLiteral(" Start the compressed file, please wait......"));
    SaveOptions options;
    options.backup = m_session.settings.saveBackup.backupOnSave;
    const Result result = saveProject(project(), path, m_session.work, options);
    QApplication::restoreOverrideCursor();
    if (!result.ok()) {
        // The project stays marked as changed: nothing was lost and Save can be tried again.
        QMessageBox::warning(this, kBuilderTitle, m_session.text(result.message()));
        return false;
    }
    m_session.setModified(false);
    setStatusText(0, QStringLiteral(" The compressed file success"));
    return true;
}

void MainFrame::SaveAs()
{
    m_previousPath = m_session.projectPath;
    m_saveAs = true;
    m_session.projectPath = kUnsavedProjectPath;
    m_session.setModified(true);
    Save();
}

void MainFrame::OpenRecent()
{
    if (!m_commandLine.isEmpty()) {
        m_session.projectPath = std::exchange(m_commandLine, QString());
        m_pendingOpen = true;
        Open();
        return;
    }
    const QString path = action(QStringLiteral("FileRecent"))->property("path").toString();
    if (path.isEmpty())
        return;
    m_previousPath = m_session.projectPath;
    m_session.projectPath = path;
    m_pendingOpen = true;
    Open();
}

void MainFrame::OpenExample()
{
    const QString example = dataFile(QStringLiteral("Examples/茶叶整形机.KX3"));
    if (!nextDialogPath.isEmpty()) {
        Open();
        return;
    }
    m_previousPath = m_session.projectPath;
    const QString path = QFileDialog::getOpenFileName(
        this, m_session.text(QStringLiteral("打开KX3文件"), QStringLiteral("Open KX3 file")),
        example, QStringLiteral("KX3文件 (*.KX3);;备份文件 (*.BAK);;All Files (*)"));
    if (path.isEmpty())
        return;
    openPath(path);
}

bool MainFrame::QueryClose()
{
    const QString &path = m_session.projectPath;
    if (m_session.modified() && m_projectLoaded && !path.isEmpty()) {
        const auto answer = warningBox(
            this, language(),
            m_session.text(QStringLiteral("是否保存 ") + path + QStringLiteral(" 文件 ？"),
                           QStringLiteral("Do you want to save ") + path +
                               QStringLiteral(" File ？")),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return false;
        // A save that was cancelled or failed keeps the program open, so no change is lost.
        if (answer == QMessageBox::Yes && !Save())
            return false;
    } else {
        const auto answer =
            warningBox(this, language(),
                       m_session.text(QStringLiteral("是否退出程序 ？"),
                                      QStringLiteral("Whether to exit the program?")),
                       QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    return true;
}

void MainFrame::writeSettings()
{
    BuilderSettings &s = m_session.settings;
    const QString &path = m_session.projectPath;
    s.lastFileOpenItem = (!path.isEmpty() && path != kUnsavedProjectPath) ? recentItemCaption(path)
                                                                          : m_recentAtStart;
    s.write(m_settingsPath);
}

} // namespace brevix
