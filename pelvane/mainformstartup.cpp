// Start-up, requests from other programs, system timers and shut-down of the main window.
#include "commandserver.h"
#include "mainform.h"
#include "noticebox.h"
#include "pageview.h"
#include "runfolder.h"
#include "simulator/linkfiles.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFrame>
#include <QMessageBox>

namespace brevix::pelvane {

namespace {
const sim::Notice kNoImage{
    {QStringLiteral("找不到运行文件，可能您还没有编译工程 ！"),
     QStringLiteral(
         "The run file cannot be found; perhaps the project has not been compiled yet!")}};
} // namespace

bool MainForm::openSimulation()
{
    prepareRunFolder(runFolder());
    for (int link = 0; link < 2; ++link)
        sim::loadLinkFile(m_setup.workFolder + QLatin1Char('/') + sim::kLinkFileNames[link], link,
                          m_memory);

    const QString imagePath = m_setup.workFolder + QStringLiteral("/KX.bin");
    if (!QFileInfo::exists(imagePath)) {
        showNotice(this, kNoImage);
        return false;
    }
    sim::DownloadImage image;
    const Result loaded = sim::DownloadImage::load(imagePath, image);
    if (!loaded) {
        showNotice(this, sim::Notice{loaded.message()});
        // The usual shut-down runs (with its question), as for any other close.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return true;
    }
    m_session.setImage(image);
    m_displayPanel->hide();
    m_layout = sim::faceLayout(m_session.displaySize());
    applyLayout();
    centreOnScreen();
    m_displayPanel->show();
    m_timer100.start();
    m_timer500.start();
    m_timer1s.start();
    tick1s();
    const sim::Notice started = m_session.start();
    if (m_session.page())
        rebuildPageView();
    showNotice(this, started);
    return true;
}

void MainForm::handleRequest(int message, qint64 parameter)
{
    switch (message) {
    case kRequestPipeError:
        showNotice(this, sim::Notice{{QStringLiteral("创建管道错误！"),
                                      QStringLiteral("Failed to create the pipe!")}});
        break;
    case kRequestProcessError:
        showNotice(this, sim::Notice{{QStringLiteral("创建进程错误！"),
                                      QStringLiteral("Failed to create the process!")}});
        break;
    case kRequestReadPipeError:
        showNotice(this, sim::Notice{{QStringLiteral("读管道错误！"),
                                      QStringLiteral("Failed to read the pipe!")}});
        break;
    case kRequestFunctionKey:
        if (m_session.page())
            afterPageChange(m_session.funKeyManage(m_session.page()->lastHandledSlot()));
        break;
    case kRequestSerialPortBusy: {
        const QString title =
            QStringLiteral("打开串口( ") + QString::number(parameter) + QStringLiteral(" )失败");
        const sim::Notice notice{
            {QStringLiteral(
                 "当前串口号已经被占用，或其它错误 ！\r请选择其它串口，或检查串口设置是否正确。"),
             QStringLiteral("The serial port is in use, or another error occurred!\r"
                            "Choose another port, or check the port settings.")},
            sim::Notice::Icon::Information};
        // No owner window, as the request may come while the face is hidden.
        showNotice(nullptr, notice, title);
        break;
    }
    case kRequestQuit:
        // Ends the program without the question; the word registers are still kept.
        m_closing = true;
        close();
        break;
    default:
        break;
    }
}

void MainForm::tick100ms()
{
    afterPageChange(m_session.tick100ms());
}

void MainForm::tick500ms()
{
    m_session.tick500ms();
    update(m_layout.runLamp.adjusted(-2, -2, 2, 2));
    for (const QRect &lamp : m_layout.shiftLamps)
        update(lamp.adjusted(-2, -2, 2, 2));
}

void MainForm::tick1s()
{
    m_session.tick1s(QDateTime::currentDateTime());
}

void MainForm::shutDown()
{
    if (m_shutDownDone)
        return;
    m_shutDownDone = true;
    m_timer100.stop();
    m_timer500.stop();
    m_timer1s.stop();
    delete m_pageView;
    cleanRunFolder(runFolder());
    for (int link = 0; link < 2; ++link)
        sim::saveLinkFile(m_setup.workFolder + QLatin1Char('/') + sim::kLinkFileNames[link], link,
                          m_memory);
}

} // namespace brevix::pelvane
