// Element and page clipboard, undo and redo, page commands and the show-an-element request.
#include "common/warningbox.h"
#include "editing/newpage.h"
#include "editing/paste.h"
#include "editor/elementdialogs.h"
#include "editor/mainframe.h"
#include "editor/newpagedialog.h"
#include "editor/pastepagedialog.h"
#include "editor/structurep.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTreeWidget>

namespace brevix {

void MainFrame::copy()
{
    StructureP *editor = activeEditor();
    if (!editor || !editor->hasSelection())
        return;
    const QString text =
        editor->hasAreaSelection()
            ? areaAnnouncement(editor->areaSelection().frame, editor->areaSelection().members)
            : elementAnnouncement(project().currentSlot);
    const Result r = m_session.CopyPageRecordToTemp(editor->page(), text);
    if (!r.ok())
        QMessageBox::warning(this, kBuilderTitle, m_session.text(r.message()));
    updateSelectionCommands();
}

void MainFrame::cut()
{
    StructureP *editor = activeEditor();
    if (!editor || !editor->hasSelection())
        return;
    copy();
    editor->OrganDelete();
    m_session.EditFileBackup();
    updateSelectionCommands();
}

void MainFrame::paste()
{
    StructureP *editor = activeEditor();
    if (!editor || !m_session.elementOnClipboard())
        return;
    const Announcement &a = *m_session.copied;
    const int page = editor->page();
    project().currentPage = page;
    PageRecord &clip = m_session.clipboardRecord();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool refused = false;
    if (a.isArea()) {
        editor->clearSelection();
        std::vector<int> pasted;
        for (int s : a.members) {
            const auto slot = Paste1PcsOrgan(project(), page, clip, s, editor->pageSize());
            if (slot) {
                pasted.push_back(*slot);
                editor->OrganRepaint(*slot);
            } else {
                refused = true;
            }
        }
        editor->WholePasteFinish(pasted);
    } else if (const auto slot =
                   Paste1PcsOrgan(project(), page, clip, a.value, editor->pageSize())) {
        editor->OrganRepaint(*slot);
        editor->selectSlot(*slot);
    } else {
        refused = true;
    }
    QApplication::restoreOverrideCursor();
    if (refused)
        QMessageBox::warning(this, kBuilderTitle, m_session.text(Project::pageFullWarning()));
    m_session.EditFileBackup();
    updateSelectionCommands();
}

void MainFrame::checkClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const QString text = clipboard->text();
    if (text == m_session.lastRead && m_session.copied)
        return;
    m_session.ReceiveClipboardData(text);
}

void MainFrame::onClipboardChanged()
{
    updateSelectionCommands();
}

void MainFrame::undo()
{
    StructureP *editor = activeEditor();
    if (!editor || !m_session.undo.undo(project()))
        return;
    m_session.setModified(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor->PageRefresh();
    QApplication::restoreOverrideCursor();
    editor->clearSelection();
    tick();
}

void MainFrame::redo()
{
    StructureP *editor = activeEditor();
    if (!editor || !m_session.undo.redo(project()))
        return;
    m_session.setModified(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor->PageRefresh();
    QApplication::restoreOverrideCursor();
    editor->clearSelection();
    tick();
}

void MainFrame::newPage()
{
    if (!m_projectLoaded)
        return;
    NewPageDialog dialog(m_session, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int n = dialog.pageNumber();
    project().createPage(n, toGbk(dialog.pageName()));
    project().currentPage = n;
    PageCountRefresh();
}

void MainFrame::deletePage(bool ask)
{
    QTreeWidgetItem *item = m_tree->currentItem();
    int page = item ? pageNumberFromCaption(item->text(0)) : 0;
    if (page <= 0 || !project().PageExists(page)) {
        // The command from the menu or tool bar works on the active window's page.
        StructureP *editor = activeEditor();
        page = editor ? editor->page() : 0;
    }
    if (page <= 0 || !project().PageExists(page))
        return;
    if (ask) {
        const auto answer = warningBox(
            this, language(),
            m_session.text(QStringLiteral("您确定删除该画面 ？"),
                           QStringLiteral("Are you sure you want to delete this window?")),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    project().deletePage(page);
    if (StructureP *editor = editorForPage(page)) {
        QWidget *window = editor->parentWidget();
        window->close();
        delete window;
    }
    if (m_session.undo.page() == page)
        m_session.undo.reset();
    project().currentPage = 0;
    PageCountRefresh();
    updateSelectionCommands();
}

void MainFrame::copyPage()
{
    int page = 0;
    if (QTreeWidgetItem *item = m_tree->currentItem(); item && m_tree->hasFocus())
        page = pageNumberFromCaption(item->text(0));
    if (page <= 0) {
        StructureP *editor = activeEditor();
        if (!editor)
            return;
        editor->clearSelection();
        page = editor->page();
    }
    const Result r = m_session.CopyPageRecordToTemp(page, elementAnnouncement(kCopiedPage));
    if (!r.ok())
        QMessageBox::warning(this, kBuilderTitle, m_session.text(r.message()));
    updateSelectionCommands();
}

void MainFrame::cutPage()
{
    copyPage();
    deletePage(false);
}

void MainFrame::pastePage()
{
    if (!m_session.pageOnClipboard())
        return;
    PastePageDialog dialog(m_session, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PageCountRefresh();
}

void MainFrame::pageAttributes()
{
    StructureP *editor = activeEditor();
    const int page = editor ? editor->page() : project().currentPage;
    if (!hasPageAttributesDialog() || page <= 0)
        return;
    const QByteArray customBefore = project().record(page).PageStrings[CustomSizeMark].bytes();
    (void)customBefore; // the editor sizes the page from the record on every redraw
    if (!openPageAttributesDialog(this, project(), page) || !editor)
        return;
    // The dialog may have renumbered the page; the project's current page names it now.
    const int now = project().PageExists(project().currentPage) ? project().currentPage : page;
    editor->setPage(now);
    editor->activate();
    PageCountRefresh();
    if (auto *window = qobject_cast<QMdiSubWindow *>(editor->parentWidget());
        window && !window->isMaximized())
        window->adjustSize();
    editor->StructureGridding();
}

void MainFrame::LookupFrmShow(const QString &caption, int slot)
{
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        auto *editor = qobject_cast<StructureP *>(window->widget());
        if (!editor || editor->caption() != caption)
            continue;
        m_mdi->setActiveSubWindow(window);
        editor->clearSelection();
        editor->markSlot(slot);
        return;
    }
    const int page = pageNumberFromCaption(caption);
    if (page > 0 && project().PageExists(page)) {
        project().currentPage = page;
        openPageEditor(page);
    }
}

} // namespace brevix
