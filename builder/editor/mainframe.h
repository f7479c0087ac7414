#pragma once

#include "editor/editorsession.h"

#include <QMainWindow>
#include <QStringList>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QToolBar;

namespace brevix {

class StructureP;

// The editor's main window (objectName "MainFrm"): page editor windows in a multiple-document
// area, the project tree, menus, tool bars, status bar, file and clipboard commands.
// Its behaviour is split over mainframe*.cpp files by concern (menus, tree, files, edit).
class MainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainFrame(EditorSession &session, QWidget *parent = nullptr);
    ~MainFrame() override;

    EditorSession &session() { return m_session; }
    Project &project() { return m_session.project; }
    Language language() const { return m_session.language(); }

    // A menu or tool-bar command by its objectName (see the report of the menu table).
    QAction *action(const QString &name) const;
    QMdiArea *mdiArea() const { return m_mdi; }
    QTreeWidget *projectTree() const { return m_tree; }
    QLabel *statusPanel(int i) const { return m_status[i]; }
    void setStatusText(int panel, const QString &text);

    // Start-up as the window is first shown: Builder.ini, command line, clipboard hand-over.
    void startUp(const QStringList &arguments);
    bool projectLoaded() const { return m_projectLoaded; }

    // File commands.
    void New();
    void Open();
    bool Save();
    void SaveAs();
    void OpenRecent();
    void OpenExample();
    // Opens path as if chosen in the open dialog (used by the start screen, tests and tools).
    void openPath(const QString &path);
    // The question at close; false keeps the program running.
    bool QueryClose();
    // Writes Builder.ini (done at close).
    void writeSettings();
    QString settingsPath() const { return m_settingsPath; }
    void setSettingsPath(const QString &path) { m_settingsPath = path; }
    // Opening a file dialog is skipped when set (tests): the path is taken from here.
    QString nextDialogPath;

    // Page list and tree.
    void PageCountRefresh();
    const QStringList &pageJumpList() const { return m_pageJumpList; }
    StructureP *editorForPage(int page) const;
    StructureP *activeEditor() const;
    StructureP *openPageEditor(int page);
    void closeAllEditors();

    // Page commands.
    void newPage();
    void deletePage(bool ask = true);
    void cutPage();
    void copyPage();
    void pastePage();
    void pageAttributes();

    // Element clipboard and undo.
    void cut();
    void copy();
    void paste();
    void undo();
    void redo();
    // Looks at the clipboard text (change notice and the one-second check).
    void checkClipboard();

    // Tools and view.
    void selectTool(int kind);
    void setLanguage(Language language);
    void setInterfaceStyle(int style);
    // Shows an element of a page window by caption (compile check, register lookup).
    void LookupFrmShow(const QString &caption, int slot);

    // The one-second tick (caption, undo/redo, date and time, tool-bar checks, clipboard).
    void tick();
    // Enables the commands that follow the active editor's selection.
    void updateSelectionCommands();

signals:
    // The interface language was switched (language files apply their texts here).
    void languageChanged(Language language);
    // No project on the command line or clipboard: the start screen may show.
    void startScreenWanted();
    // The page list was rebuilt (the jump list of dialogs follows it).
    void pageListRebuilt();
    // A project was opened or created.
    void projectLoadedChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void buildProjectPanel();
    void retranslate();
    void applySettings();
    void setProjectLoaded(bool loaded);
    void wireEditor(StructureP *editor);
    void onSubWindowActivated(QMdiSubWindow *window);
    void onTreeClicked(QTreeWidgetItem *item);
    void onTreeContextMenu(const QPoint &pos);
    void onModifiedChanged(bool modified);
    void onClipboardChanged();
    void handOverToNewProcess(const QString &clipboardText);
    bool loadProject(const QString &path);
    QString chooseOpenPath();
    QString chooseSavePath(const QString &proposed);
    void printPage();
    void printerSetup();
    void exportPicture();
    void saveBackupDialog();
    void gridDialog();
    void openHelp();
    void startDesktopProgram(const QStringList &candidates);
    void showNotBuilt();

    EditorSession &m_session;
    QString m_settingsPath;
    QMdiArea *m_mdi = nullptr;
    QDockWidget *m_projectDock = nullptr;
    QTabWidget *m_projectTab = nullptr;
    QTreeWidget *m_tree = nullptr;
    QPushButton *m_newPageButton = nullptr;
    QPushButton *m_deletePageButton = nullptr;
    QLabel *m_status[5] = {};
    QTimer *m_tick = nullptr;
    QTimer *m_autoSave = nullptr;
    QList<QMenu *> m_projectMenus;
    QList<QToolBar *> m_toolBars;
    QMenu *m_pageNodeMenu = nullptr;
    QMenu *m_windowNodeMenu = nullptr;
    QStringList m_pageJumpList;
    bool m_projectLoaded = false;
    bool m_saveAs = false;
    bool m_pendingOpen = false;
    QString m_previousPath;
    QString m_commandLine;
    QString m_recentAtStart;
    bool m_rebuildingTree = false;
};

} // namespace brevix
