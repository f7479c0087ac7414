#pragma once

#include "devicelink/downloadrun.h"
#include "devicelink/registerimage.h"
#include "devicelink/serialdriver.h"
#include "text/message.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace brevix {

// The download dialog: finds the panel on the download port and sends KX.bin (then SPI.bin)
// from the working folder. The run starts 50 ms after the dialog shows and keeps the window
// live through its waits, so Cancel and the time-sync button work during a transfer.
class DownloadDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kCompactHeight = 132;
    static constexpr int kLogHeight = 380;

    explicit DownloadDialog(QWidget *parent = nullptr);

    void setLanguage(Language language);
    void setPort(const QString &port) { m_port = port; }
    // The folder holding KX.bin and SPI.bin (the working folder).
    void setFolder(const QString &folder) { m_folder = folder; }
    // Pause between the end of a transfer and the dialog closing itself.
    void setClosingPause(int ms) { m_closingPause = ms; }
    bool timeSync() const { return m_timeSync; }
    bool running() const { return m_running; }
    const DownloadReport &lastReport() const { return m_report; }

signals:
    // After every run, with its report (for a status bar or a test).
    void runFinished(const brevix::DownloadReport &report);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void startRun();
    void cancelClicked();
    void toggleTimeSync();
    void showTimeSync();
    void showStatus(const Message &status);

    Language m_language = Language::Chinese;
    QString m_port;
    QString m_folder;
    int m_closingPause = 1600;
    bool m_timeSync = false;
    bool m_cancelFlag = false;
    bool m_running = false;
    QorCommDriver m_driver;
    RegisterImage m_registers; // kept for the program run, as the panel link expects
    DownloadRun *m_run = nullptr;
    DownloadReport m_report;
    Message m_status;
    QTimer m_startTimer;
    QLabel *m_label;
    QProgressBar *m_progress;
    QPlainTextEdit *m_memo;
    QPushButton *m_cancel;
    QPushButton *m_timeSyncButton;
};

} // namespace brevix
