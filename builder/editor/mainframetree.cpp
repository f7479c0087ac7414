// The project panel: the tree with its four fixed children and the page nodes, the page list.
#include "editing/newpage.h"
#include "editor/mainframe.h"
#include "editor/structurep.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brevix {

namespace {
// Roles of the tree items: which fixed child (1..4) or page an item stands for.
constexpr int kNodeRole = Qt::UserRole;
constexpr int kPageNodeBase = 1000;
} // namespace

void MainFrame::buildProjectPanel()
{
    m_projectDock = new QDockWidget(this);
    m_projectDock->setObjectName(QStringLiteral("ProjectPanel"));
    m_projectDock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_projectDock->setTitleBarWidget(new QWidget(m_projectDock));
    auto *panel = new QWidget(m_projectDock);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    m_projectTab = new QTabWidget(panel);
    m_projectTab->setObjectName(QStringLiteral("ProjectTab"));
    m_tree = new QTreeWidget(m_projectTab);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_projectTab->addTab(m_tree, QString());
    layout->addWidget(m_projectTab);
    auto *buttons = new QHBoxLayout;
    m_newPageButton = new QPushButton(panel);
    m_newPageButton->setObjectName(QStringLiteral("NewPageButton"));
    m_deletePageButton = new QPushButton(panel);
    m_deletePageButton->setObjectName(QStringLiteral("DeletePageButton"));
    buttons->addWidget(m_newPageButton);
    buttons->addWidget(m_deletePageButton);
    layout->addLayout(buttons);
    m_projectDock->setWidget(panel);
    m_projectDock->setMinimumWidth(200);
    addDockWidget(Qt::LeftDockWidgetArea, m_projectDock);
    connect(m_newPageButton, &QPushButton::clicked, this, &MainFrame::newPage);
    connect(m_deletePageButton, &QPushButton::clicked, this, [this] { deletePage(true); });
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { onTreeClicked(item); });
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, &MainFrame::onTreeContextMenu);
}

void MainFrame::PageCountRefresh()
{
    const Language lang = language();
    const bool zh = lang == Language::Chinese;
    m_pageJumpList = brevix::pageJumpList(project(), lang);

    m_rebuildingTree = true;
    m_tree->clear();
    auto *root =
        new QTreeWidgetItem(m_tree, {zh ? QStringLiteral("工程") : QStringLiteral("Project")});
    root->setData(0, kNodeRole, 0);
    const QString children[4][2] = {{QStringLiteral("系统设置"), QStringLiteral("System Setup")},
                                    {QStringLiteral("报警设置"), QStringLiteral("Alarm Setup")},
                                    {QStringLiteral("Clock宏"), QStringLiteral("ClockMacro")},
                                    {QStringLiteral("画面"), QStringLiteral("Window")}};
    QTreeWidgetItem *windowNode = nullptr;
    for (int i = 0; i < 4; ++i) {
        auto *item = new QTreeWidgetItem(root, {children[i][zh ? 0 : 1]});
        item->setData(0, kNodeRole, i + 1);
        windowNode = item;
    }
    int count = 0;
    for (int n = 1; n <= kMaxPage; ++n) {
        if (!project().PageExists(n))
            continue;
        ++count;
        auto *item = new QTreeWidgetItem(windowNode, {pageCaption(project(), n)});
        item->setData(0, kNodeRole, kPageNodeBase + n);
    }
    m_tree->expandAll();
    m_rebuildingTree = false;

    const int current = project().currentPage;
    if (project().PageExists(current) && !editorForPage(current))
        openPageEditor(current);
    if (StructureP *editor = editorForPage(current)) {
        editor->setWindowTitle(editor->caption());
        m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(editor->parentWidget()));
        for (QTreeWidgetItem *item :
             m_tree->findItems(editor->caption(), Qt::MatchExactly | Qt::MatchRecursive))
            m_tree->setCurrentItem(item);
    }
    m_projectTab->setTabText(0,
                             (zh ? QStringLiteral(" 画面数: ") : QStringLiteral(" Window sum: ")) +
                                 QString::number(count));
    m_newPageButton->setText(zh ? QStringLiteral("新 建(&N)") : QStringLiteral("New(&N)"));
    m_deletePageButton->setText(zh ? QStringLiteral("删 除(&C)") : QStringLiteral("Delete(&C)"));
    m_session.setModified(true);
    emit pageListRebuilt();
}

void MainFrame::onTreeClicked(QTreeWidgetItem *item)
{
    if (m_rebuildingTree || !item)
        return;
    const int node = item->data(0, kNodeRole).toInt();
    switch (node) {
    case 1:
        action(QStringLiteral("AppWorkingParameters"))->trigger();
        return;
    case 2:
        action(QStringLiteral("AppAlarms"))->trigger();
        return;
    case 3:
        action(QStringLiteral("AppClockMacro"))->trigger();
        return;
    case 4:
        onTreeContextMenu(m_tree->visualItemRect(item).center());
        return;
    default:
        break;
    }
    if (node <= kPageNodeBase)
        return;
    const int page = pageNumberFromCaption(item->text(0));
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (window->widget() && window->widget()->windowTitle() == item->text(0)) {
            m_mdi->setActiveSubWindow(window);
            return;
        }
    }
    if (page > 0 && project().PageExists(page)) {
        project().currentPage = page;
        openPageEditor(page);
    }
}

void MainFrame::onTreeContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *item = m_tree->itemAt(pos);
    if (!item)
        return;
    const bool zh = m_session.chinese();
    const int node = item->data(0, kNodeRole).toInt();
    QMenu menu(this);
    if (node == 4) {
        menu.setObjectName(QStringLiteral("WindowNodeMenu"));
        menu.addAction(zh ? QStringLiteral("新建(&N)") : QStringLiteral("New(&N)"), this,
                       &MainFrame::newPage);
        QAction *paste =
            menu.addAction(zh ? QStringLiteral("粘贴(&P)") : QStringLiteral("Paste(&P)"), this,
                           &MainFrame::pastePage);
        paste->setEnabled(m_session.pageOnClipboard());
    } else if (node > kPageNodeBase) {
        m_tree->setCurrentItem(item);
        const int page = pageNumberFromCaption(item->text(0));
        if (page > 0)
            project().currentPage = page;
        menu.setObjectName(QStringLiteral("PageNodeMenu"));
        menu.addAction(zh ? QStringLiteral("剪切") : QStringLiteral("Cut"), this,
                       &MainFrame::cutPage);
        menu.addAction(zh ? QStringLiteral("复制") : QStringLiteral("Copy"), this,
                       &MainFrame::copyPage);
        menu.addAction(zh ? QStringLiteral("删除") : QStringLiteral("Delete"), this,
                       [this] { deletePage(true); });
        QAction *attributes =
            menu.addAction(zh ? QStringLiteral("属性(&A)") : QStringLiteral("Attribute(&A)"), this,
                           &MainFrame::pageAttributes);
        attributes->setEnabled(action(QStringLiteral("ToolsPageAttributes"))->isEnabled());
    } else {
        return;
    }
    menu.exec(m_tree->viewport()->mapToGlobal(pos));
}

} // namespace brevix
