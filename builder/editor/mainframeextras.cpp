// Print, printer set-up, export picture, the grid and save-and-backup dialogs and help.
#include "editor/griddialog.h"
#include "editor/mainframe.h"
#include "editor/pagecanvas.h"
#include "editor/savebackupdialog.h"
#include "editor/structurep.h"
#include "model/datafolder.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

namespace brevix {

namespace {
QPrinter &sharedPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
} // namespace

void MainFrame::printPage()
{
    StructureP *editor = activeEditor();
    if (!editor)
        return;
    editor->clearSelection();
    QPrintDialog dialog(&sharedPrinter(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPixmap image = editor->canvas()->grab();
    QPainter painter(&sharedPrinter());
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
}

void MainFrame::printerSetup()
{
    QPageSetupDialog dialog(&sharedPrinter(), this);
    dialog.exec();
}

void MainFrame::exportPicture()
{
    StructureP *editor = activeEditor();
    if (!editor)
        return;
    editor->clearSelection();
    const QString number = project().record(editor->page()).PageStrings[PageNumberText].text();
    QString path = nextDialogPath;
    nextDialogPath.clear();
    if (path.isEmpty()) {
        QFileDialog dialog(this,
                           m_session.text(QStringLiteral("输出图形为BMP格式"),
                                          QStringLiteral("Graphics output format for the BMP")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(
            {QStringLiteral("Bitmap file(*.bmp)"), QStringLiteral("All files(*.*)")});
        dialog.setDefaultSuffix(QStringLiteral("bmp"));
        dialog.selectFile(number +
                          m_session.text(QStringLiteral("号画面"), QStringLiteral("#Window")));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        path = dialog.selectedFiles().first();
    }
    if (!editor->canvas()->grab().save(path, "BMP"))
        QMessageBox::warning(this, kBuilderTitle,
                             m_session.text(QStringLiteral("无法写入文件 ") + path,
                                            QStringLiteral("Cannot write the file ") + path));
}

void MainFrame::saveBackupDialog()
{
    SaveBackupDialog dialog(m_session.settings.saveBackup, m_session.chinese(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_session.settings.saveBackup = dialog.settings();
    applySettings();
}

void MainFrame::gridDialog()
{
    GridDialog dialog(m_session.settings, m_session.chinese(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.store(m_session.settings);
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        if (auto *e = qobject_cast<StructureP *>(w->widget()))
            e->StructureGridding();
}

void MainFrame::openHelp()
{
    const QString page = dataFile(m_session.chinese() ? QStringLiteral("help/index.html")
                                                      : QStringLiteral("help/index-en.html"));
    if (!QFileInfo::exists(page)) {
        QMessageBox::warning(
            this, kBuilderTitle,
            m_session.text(QStringLiteral("找不到帮助文件 ") + page,
                           QStringLiteral("The help file was not found: ") + page));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

} // namespace brevix
