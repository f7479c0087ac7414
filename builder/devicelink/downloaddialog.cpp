#include "devicelink/downloaddialog.h"

#include "devicelink/downloadtexts.h"
#include "devicelink/eventwait.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace brevix {

DownloadDialog::DownloadDialog(QWidget *parent)
    : QDialog(parent), m_label(new QLabel(this)), m_progress(new QProgressBar(this)),
      m_memo(new QPlainTextEdit(this)), m_cancel(new QPushButton(this)),
      m_timeSyncButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("DownloadForm"));
    m_label->setObjectName(QStringLiteral("Label1"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_cancel->setObjectName(QStringLiteral("Button1"));
    m_timeSyncButton->setObjectName(QStringLiteral("Button2"));
    m_startTimer.setObjectName(QStringLiteral("Timer1"));
    m_memo->setReadOnly(true);
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_label->setMinimumWidth(360);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_timeSyncButton);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    layout->addWidget(m_memo, 1);
    layout->addStretch(0); // keeps the compact form tight while the log is hidden

    m_startTimer.setSingleShot(true);
    m_startTimer.setInterval(50);
    connect(&m_startTimer, &QTimer::timeout, this, &DownloadDialog::startRun);
    connect(m_cancel, &QPushButton::clicked, this, &DownloadDialog::cancelClicked);
    connect(m_timeSyncButton, &QPushButton::clicked, this, &DownloadDialog::toggleTimeSync);
    m_status = downloadtext::kReadyInitial;
    setLanguage(m_language);

    setFixedSize(440, kCompactHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2,
             area.y() + (area.height() - height()) / 2 - 100);
    }
}

void DownloadDialog::setLanguage(Language language)
{
    m_language = language;
    m_cancel->setText(downloadtext::kCancel.text(language));
    showTimeSync();
    showStatus(m_status);
    if (!m_running)
        setWindowTitle(downloadtext::kCaption.text(language));
}

void DownloadDialog::showStatus(const Message &status)
{
    m_status = status;
    m_label->setText(status.text(m_language));
}

void DownloadDialog::showTimeSync()
{
    m_timeSyncButton->setText(
        (m_timeSync ? downloadtext::kTimeSyncOn : downloadtext::kTimeSyncOff).text(m_language));
    QPalette palette = m_timeSyncButton->palette();
    palette.setColor(QPalette::ButtonText, m_timeSync ? Qt::blue : Qt::black);
    m_timeSyncButton->setPalette(palette);
}

void DownloadDialog::toggleTimeSync()
{
    m_timeSync = !m_timeSync;
    showTimeSync();
    if (m_run)
        m_run->setTimeSync(m_timeSync);
}

void DownloadDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_running)
        return;
    setWindowTitle(downloadtext::kCaption.text(m_language));
    m_memo->hide();
    setFixedHeight(kCompactHeight);
    m_memo->clear();
    m_progress->setValue(0);
    showStatus(downloadtext::kReady);
    m_startTimer.start();
}

void DownloadDialog::cancelClicked()
{
    if (m_cancelFlag || (m_run && m_run->cancelRequested())) {
        if (m_running && m_run)
            m_run->cancel();
        QDialog::reject();
        return;
    }
    m_cancelFlag = true;
    if (m_run)
        m_run->cancel();
}

void DownloadDialog::reject()
{
    // The window's close button: stop the transfer at its next check and leave.
    if (m_run)
        m_run->cancel();
    m_cancelFlag = true;
    QDialog::reject();
}

void DownloadDialog::startRun()
{
    DownloadRun run(m_driver, m_registers);
    m_run = &run;
    m_running = true;
    m_cancelFlag = false;
    run.setLanguage(m_language);
    run.setPort(m_port);
    run.setImageFile(QDir(m_folder).filePath(QStringLiteral("KX.bin")));
    run.setPictureFile(QDir(m_folder).filePath(QStringLiteral("SPI.bin")));
    run.setTimeSync(m_timeSync);
    connect(&run, &DownloadRun::statusChanged, this, &DownloadDialog::showStatus);
    connect(&run, &DownloadRun::progressChanged, m_progress, &QProgressBar::setValue);
    connect(&run, &DownloadRun::logLine, m_memo, &QPlainTextEdit::appendPlainText);
    connect(&run, &DownloadRun::pictureStageStarted, this, [this] {
        setWindowTitle(downloadtext::kPictureCaption.text(m_language));
        m_memo->show();
        setFixedHeight(kLogHeight);
    });
    m_report = run.run();
    m_running = false;
    m_cancelFlag = run.cancelRequested();
    m_run = nullptr;
    emit runFinished(m_report);

    const bool unconfirmed = m_report.succeeded() && !m_report.fullyConfirmed();
    if (unconfirmed) {
        // Blocks the panel never confirmed stay on screen: the user has to see them.
        m_memo->show();
        setFixedHeight(kLogHeight);
        return;
    }
    switch (m_report.outcome) {
    case DownloadOutcome::PortFailed:
        QMessageBox::information(this, downloadtext::kPortBusyTitle,
                                 downloadtext::kPortBusyBox.text(m_language));
        return;
    case DownloadOutcome::Done:
    case DownloadOutcome::PictureFailed:
        break;
    case DownloadOutcome::Cancelled:
        if (m_report.imageBlocksSent == 0)
            return;
        break;
    default:
        return; // the failure stays on screen
    }
    waitLettingEventsRun(m_closingPause);
    if (isVisible())
        accept();
}

} // namespace brevix
