#include "editor/mainframe.h"

#include "editor/elementdialogs.h"
#include "editor/pagecanvas.h"
#include "editor/structurep.h"
#include "model/projectfile.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace brevix {

MainFrame::MainFrame(EditorSession &session, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_settingsPath(BuilderSettings::defaultPath())
{
    setObjectName(QStringLiteral("MainFrm"));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    buildMenus();
    buildToolBars();
    buildStatusBar();
    buildProjectPanel();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainFrame::onSubWindowActivated);
    connect(&m_session, &EditorSession::modifiedChanged, this, &MainFrame::onModifiedChanged);
    connect(&m_session, &EditorSession::clipboardChanged, this, &MainFrame::onClipboardChanged);
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &MainFrame::checkClipboard);
    // Joining the clipboard watch looks at what is there already: a copy made in another
    // editor before this one started can be pasted at once.
    QTimer::singleShot(0, this, &MainFrame::checkClipboard);

    auto on = [this](const char *name, auto slot) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("FileNew", [this] { New(); });
    on("FileOpen", [this] { Open(); });
    on("FileSave", [this] { Save(); });
    on("FileSaveAs", [this] { SaveAs(); });
    on("FilePrint", [this] { printPage(); });
    on("FilePrinterSetup", [this] { printerSetup(); });
    on("FileExportPicture", [this] { exportPicture(); });
    on("FileRecent", [this] { OpenRecent(); });
    on("FileOpenExample", [this] { OpenExample(); });
    on("FileExit", [this] { close(); });
    on("EditCut", [this] { cut(); });
    on("EditCopy", [this] { copy(); });
    on("EditPaste", [this] { paste(); });
    on("EditUndo", [this] { undo(); });
    on("EditRedo", [this] { redo(); });
    on("EditCopyPage", [this] { copyPage(); });
    on("EditPastePage", [this] { pastePage(); });
    on("EditLock", [this] {
        if (StructureP *e = activeEditor())
            e->hasAreaSelection() ? e->setLocked(true) : e->N3Click();
    });
    on("EditUnlock", [this] {
        if (StructureP *e = activeEditor())
            e->setLocked(false);
    });
    on("SendToBack", [this] {
        if (StructureP *e = activeEditor())
            e->MovSubstrateNClick();
    });
    for (int n = 1; n <= 9; ++n) {
        connect(action(QStringLiteral("Align%1").arg(n)), &QAction::triggered, this, [this, n] {
            if (StructureP *e = activeEditor())
                e->AlignComponent(n);
        });
    }
    on("ViewStandardBar",
       [this](bool v) { findChild<QToolBar *>(QStringLiteral("StandardBar"))->setVisible(v); });
    on("ViewDesignBar",
       [this](bool v) { findChild<QToolBar *>(QStringLiteral("DesignBar"))->setVisible(v); });
    on("ViewFunctionBar",
       [this](bool v) { findChild<QToolBar *>(QStringLiteral("FunctionBar"))->setVisible(v); });
    on("ViewStatusBar", [this](bool v) { statusBar()->setVisible(v); });
    on("ToolsNewPage", [this] { newPage(); });
    on("ToolsPageAttributes", [this] { pageAttributes(); });
    on("ToolsDeletePage", [this] { deletePage(true); });
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 25, 26, 27, 34}) {
        connect(action(QStringLiteral("Tool%1").arg(kind)), &QAction::triggered, this,
                [this, kind] { selectTool(kind); });
    }
    on("AppSaveBackup", [this] { saveBackupDialog(); });
    on("PersonalShowGrid", [this](bool v) {
        m_session.settings.showGrid = v;
        for (QMdiSubWindow *w : m_mdi->subWindowList())
            if (auto *e = qobject_cast<StructureP *>(w->widget()))
                e->StructureGridding();
    });
    on("PersonalGridProperties", [this] { gridDialog(); });
    on("PersonalFontOptimisation", [this](bool v) {
        m_session.settings.fontOptimisation = v;
        if (StructureP *e = activeEditor())
            e->PageRefresh();
    });
    on("BitOff", [this] {
        m_session.lampsOn = false;
        if (StructureP *e = activeEditor())
            e->PageRefresh();
    });
    on("BitOn", [this] {
        m_session.lampsOn = true;
        if (StructureP *e = activeEditor())
            e->PageRefresh();
    });
    on("Style1", [this] { setInterfaceStyle(0); });
    on("Style2", [this] { setInterfaceStyle(1); });
    on("Style3", [this] { setInterfaceStyle(2); });
    on("LanguageChinese", [this] { setLanguage(Language::Chinese); });
    on("LanguageEnglish", [this] { setLanguage(Language::English); });
    on("WindowCascade", [this] { m_mdi->cascadeSubWindows(); });
    on("WindowTileHorizontal", [this] { m_mdi->tileSubWindows(); });
    on("WindowTileVertical", [this] {
        // Side by side: each window gets the full height and an equal share of the width.
        const auto windows = m_mdi->subWindowList();
        if (windows.isEmpty())
            return;
        const int w = m_mdi->viewport()->width() / int(windows.size());
        int x = 0;
        for (QMdiSubWindow *window : windows) {
            window->showNormal();
            window->setGeometry(x, 0, w, m_mdi->viewport()->height());
            x += w;
        }
    });
    on("WindowCloseAll", [this] { closeAllEditors(); });
    on("HelpTopics", [this] { openHelp(); });
    on("OpenPaint", [this] {
        startDesktopProgram({QStringLiteral("kolourpaint"), QStringLiteral("pinta"),
                             QStringLiteral("mtpaint"), QStringLiteral("gimp")});
    });
    on("OpenCalculator", [this] {
        startDesktopProgram({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                             QStringLiteral("galculator"), QStringLiteral("mate-calc"),
                             QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")});
    });

    // Commands whose parts are built elsewhere stay visible but disabled until wired.
    for (const char *name :
         {"EditMultipleCopy", "ViewUsagePreview", "ToolsRegisterLookup", "ToolsStatistics",
          "AppPortSettings", "AppDownload", "AppWorkingParameters", "AppBatchModify",
          "AppKeyboardLed", "AppClockMacro", "AppAlarms", "AppUpdatePackage", "AppFirmwareUpgrade",
          "DebugOffline", "DebugOnline", "HelpAbout"})
        action(QString::fromLatin1(name))->setEnabled(false);

    m_tick = new QTimer(this);
    m_tick->setInterval(1000);
    connect(m_tick, &QTimer::timeout, this, &MainFrame::tick);
    m_tick->start();
    m_autoSave = new QTimer(this);
    connect(m_autoSave, &QTimer::timeout, this, [this] {
        if (m_session.modified() && m_projectLoaded)
            Save();
    });

    applySettings();
    setProjectLoaded(false);
    updateSelectionCommands();
    resize(1200, 820);
    runMainFrameHooks(*this);
}

MainFrame::~MainFrame()
{
    // The page windows close while the base classes tear down; their activation signals must not
    // reach a main window that is already half destroyed.
    m_mdi->disconnect(this);
}

void MainFrame::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[5] = {360, 160, 160, 130, 170};
    for (int i = 0; i < 5; ++i) {
        m_status[i] = new QLabel(bar);
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_status[i]->setMinimumWidth(widths[i]);
        m_status[i]->setFrameShape(QFrame::Panel);
        m_status[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(m_status[i], i == 0 ? 1 : 0);
    }
    m_status[0]->setText(QStringLiteral(" 就绪"));
    m_status[3]->setText(QStringLiteral(" X: 0  Y: 0"));
}

void MainFrame::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < 5)
        m_status[panel]->setText(text);
}

void MainFrame::applySettings()
{
    const BuilderSettings &s = m_session.settings;
    action(s.chinese ? QStringLiteral("LanguageChinese") : QStringLiteral("LanguageEnglish"))
        ->setChecked(true);
    action(QStringLiteral("PersonalShowGrid"))->setChecked(s.showGrid);
    action(QStringLiteral("PersonalFontOptimisation"))->setChecked(s.fontOptimisation);
    QAction *recent = action(QStringLiteral("FileRecent"));
    const QString recentPath = pathFromRecentItem(s.lastFileOpenItem);
    recent->setProperty("path", recentPath);
    recent->setEnabled(!recentPath.isEmpty());
    if (s.saveBackup.autoSave) {
        m_autoSave->setInterval(s.saveBackup.intervalMilliseconds());
        m_autoSave->start();
    } else {
        m_autoSave->stop();
    }
    retranslate();
    if (!recentPath.isEmpty())
        recent->setText(s.lastFileOpenItem);
}

void MainFrame::setProjectLoaded(bool loaded)
{
    m_projectLoaded = loaded;
    m_projectDock->setVisible(loaded);
    for (QMenu *menu : m_projectMenus)
        menu->menuAction()->setVisible(loaded);
    for (const char *name : {"FileSave", "FileSaveAs", "FilePrint", "FileExportPicture",
                             "ToolsNewPage", "EditCopyPage", "ToolsDeletePage", "PersonalShowGrid"})
        action(QString::fromLatin1(name))->setEnabled(loaded);
    action(QStringLiteral("FileSave"))->setEnabled(loaded && m_session.modified());
    action(QStringLiteral("ToolsPageAttributes"))->setEnabled(loaded && hasPageAttributesDialog());
    for (QToolBar *bar : m_toolBars) {
        if (bar->objectName() != QLatin1String("StandardBar"))
            bar->setVisible(loaded);
    }
    emit projectLoadedChanged();
}

void MainFrame::onModifiedChanged(bool modified)
{
    action(QStringLiteral("FileSave"))->setEnabled(modified && m_projectLoaded);
}

StructureP *MainFrame::activeEditor() const
{
    QMdiSubWindow *window = m_mdi->activeSubWindow();
    if (!window && !m_mdi->subWindowList().isEmpty())
        window = m_mdi->currentSubWindow();
    return window ? qobject_cast<StructureP *>(window->widget()) : nullptr;
}

StructureP *MainFrame::editorForPage(int page) const
{
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        auto *editor = qobject_cast<StructureP *>(window->widget());
        if (editor && editor->page() == page)
            return editor;
    }
    return nullptr;
}

StructureP *MainFrame::openPageEditor(int page)
{
    if (StructureP *existing = editorForPage(page)) {
        m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(existing->parentWidget()));
        return existing;
    }
    if (!project().PageExists(page))
        return nullptr;
    project().currentPage = page;
    auto *editor = new StructureP(m_session, page);
    wireEditor(editor);
    QMdiSubWindow *window = m_mdi->addSubWindow(editor);
    window->setWindowIcon(QIcon());
    const QSize canvas = editor->canvas()->size();
    window->resize(canvas.width() + 24, canvas.height() + 44);
    window->show();
    m_mdi->setActiveSubWindow(window);
    return editor;
}

void MainFrame::wireEditor(StructureP *editor)
{
    connect(editor, &StructureP::selectionChanged, this, &MainFrame::updateSelectionCommands);
    connect(editor, &StructureP::statusMessage, this, &MainFrame::setStatusText);
    connect(editor, &StructureP::pageAttributesRequested, this, &MainFrame::pageAttributes);
    connect(editor, &StructureP::pagePasteRequested, this, &MainFrame::paste);
    connect(editor, &StructureP::cutRequested, this, &MainFrame::cut);
    connect(editor, &StructureP::copyRequested, this, &MainFrame::copy);
    connect(editor, &StructureP::multipleCopyRequested, this,
            [this] { action(QStringLiteral("EditMultipleCopy"))->trigger(); });
    connect(editor, &StructureP::registerLookupRequested, this,
            [this] { action(QStringLiteral("ToolsRegisterLookup"))->trigger(); });
    connect(editor, &StructureP::batchModificationRequested, this,
            [this] { action(QStringLiteral("AppBatchModify"))->trigger(); });
}

void MainFrame::closeAllEditors()
{
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        window->close();
        delete window;
    }
}

void MainFrame::onSubWindowActivated(QMdiSubWindow *window)
{
    if (!window)
        return;
    auto *editor = qobject_cast<StructureP *>(window->widget());
    if (!editor)
        return;
    editor->activate();
    // The tree follows the active window.
    const QString caption = editor->caption();
    for (QTreeWidgetItem *item :
         m_tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive)) {
        m_rebuildingTree = true;
        m_tree->setCurrentItem(item);
        m_rebuildingTree = false;
    }
    updateSelectionCommands();
}

void MainFrame::selectTool(int kind)
{
    if (kind == int(ElementKind::Picture) && m_session.projectPath == kUnsavedProjectPath) {
        QMessageBox::warning(this, kBuilderTitle,
                             m_session.text(QStringLiteral(" 请先保存此新工程 ！"),
                                            QStringLiteral(" Please save this new project!")));
        Save();
        updateSelectionCommands();
        return;
    }
    project().selectedTool = unsigned(kind);
    updateSelectionCommands();
}

void MainFrame::setLanguage(Language language)
{
    m_session.settings.chinese = language == Language::Chinese;
    action(m_session.settings.chinese ? QStringLiteral("LanguageChinese")
                                      : QStringLiteral("LanguageEnglish"))
        ->setChecked(true);
    retranslate();
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        if (auto *e = qobject_cast<StructureP *>(w->widget()))
            e->retranslate();
    if (m_projectLoaded)
        PageCountRefresh();
    emit languageChanged(language);
}

void MainFrame::setInterfaceStyle(int style)
{
    static const char *names[] = {"Fusion", "Windows", "Fusion"};
    if (QStyle *s = QStyleFactory::create(QString::fromLatin1(names[std::clamp(style, 0, 2)])))
        QApplication::setStyle(s);
    const Qt::ToolButtonStyle buttons =
        style == 2 ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly;
    for (QToolBar *bar : m_toolBars)
        bar->setToolButtonStyle(buttons);
}

void MainFrame::tick()
{
    QString caption = QStringLiteral("Brevix  - [ ") + m_session.projectPath + QStringLiteral(" ]");
    if (windowTitle() != caption)
        setWindowTitle(caption);
    const UndoHistory &history = m_session.undo;
    const bool samePage = history.page() == project().currentPage;
    action(QStringLiteral("EditUndo"))
        ->setEnabled(m_projectLoaded && samePage && history.canUndo());
    action(QStringLiteral("EditRedo"))
        ->setEnabled(m_projectLoaded && samePage && history.canRedo());
    const QDateTime now = QDateTime::currentDateTime();
    m_status[4]->setText(QLatin1Char(' ') + now.toString(QStringLiteral("yyyy-MM-dd")) +
                         QStringLiteral("  ") + now.toString(QStringLiteral("HH:mm:ss")));
    action(QStringLiteral("ViewStandardBar"))
        ->setChecked(findChild<QToolBar *>(QStringLiteral("StandardBar"))->isVisible());
    action(QStringLiteral("ViewDesignBar"))
        ->setChecked(findChild<QToolBar *>(QStringLiteral("DesignBar"))->isVisible());
    action(QStringLiteral("ViewFunctionBar"))
        ->setChecked(findChild<QToolBar *>(QStringLiteral("FunctionBar"))->isVisible());
    if (m_session.lastSent != m_session.lastRead)
        checkClipboard();
}

void MainFrame::updateSelectionCommands()
{
    StructureP *editor = activeEditor();
    const bool any = editor && editor->hasSelection();
    const bool area = editor && editor->hasAreaSelection();
    const bool single = editor && editor->hasSingleSelection();
    const Project &p = m_session.project;
    const bool locked = single && p.record(editor->page()).MoveLock[p.currentSlot] != 0;
    action(QStringLiteral("EditCut"))->setEnabled(any);
    action(QStringLiteral("EditCopy"))->setEnabled(any);
    action(QStringLiteral("EditLock"))->setEnabled(area || (single && !locked));
    action(QStringLiteral("EditUnlock"))->setEnabled(area || locked);
    action(QStringLiteral("SendToBack"))->setEnabled(single && p.currentSlot < kFirstListSlot);
    for (int n = 1; n <= 9; ++n)
        action(QStringLiteral("Align%1").arg(n))->setEnabled(area);
    action(QStringLiteral("EditPaste"))->setEnabled(editor && m_session.elementOnClipboard());
    action(QStringLiteral("EditPastePage"))
        ->setEnabled(m_projectLoaded && m_session.pageOnClipboard());
    const unsigned tool = p.selectedTool;
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 25, 26, 27, 34})
        action(QStringLiteral("Tool%1").arg(kind))->setChecked(unsigned(kind) == tool);
}

void MainFrame::startDesktopProgram(const QStringList &candidates)
{
    for (const QString &program : candidates) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) {
            QProcess::startDetached(path, {});
            return;
        }
    }
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (!QueryClose()) {
        event->ignore();
        return;
    }
    writeSettings();
    m_session.work.removeAllWorkingFiles();
    event->accept();
}

} // namespace brevix
