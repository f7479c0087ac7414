#pragma once

#include "text/message.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <functional>

namespace brevix {

class QorCommDriver;

// The clock of the upgrade. The overtime rule counts ticks (6 ticks without progress end an
// attempt, the first answer gets 4); tests shorten the tick, never the count.
struct UpgradeTiming
{
    int pollMs = 3;
    int overtimeTickMs = 1000;
    int overtimeLimit = 6;
    int firstAnswerHeadStart = 2;
    int attempts = 3;
    int resetPulseMs = 500;
    int finishPauseMs = 50;
};

// Rewrites a panel's firmware through the STM32 USART boot loader: sync, Get, Get ID, read the
// device information word, erase pages 0..126, write the image in 256-byte blocks. Runs from
// timers and the driver's arrival notification on the caller's event loop.
class FirmwareUpgrade : public QObject
{
    Q_OBJECT

public:
    explicit FirmwareUpgrade(QorCommDriver &driver, QObject *parent = nullptr);

    void setPort(const QString &path) { m_port = path; }
    // Called when the erase has been acknowledged; an empty result ends the attempt by overtime.
    void setImageLoader(std::function<QByteArray()> loader) { m_loader = std::move(loader); }
    void setTiming(const UpgradeTiming &timing) { m_timing = timing; }

    // Attempt count 0, then the connect step.
    void start();
    // Stops talking to the loader at once: timers off, port closed, finished(false).
    void stop();
    bool isRunning() const { return m_running; }
    int state() const { return m_state; }
    int attempt() const { return m_attempt; }
    int blocksWritten() const { return m_blocks; }

signals:
    void statusChanged(const brevix::Message &status);
    void progressChanged(int percent);
    void versionHint(const QString &hint);
    void portFailed(const brevix::Message &text, const brevix::Message &title);
    void finished(bool succeeded);

private:
    void connectStep();
    void poll();
    void overtime();
    void act(const QByteArray &reply);
    void send(const QByteArray &bytes);
    void stopTimers();
    void end(bool succeeded);

    QorCommDriver &m_driver;
    QString m_port;
    std::function<QByteArray()> m_loader;
    UpgradeTiming m_timing;
    QTimer m_pollTimer;
    QTimer m_overtimeTimer;
    bool m_running = false;
    bool m_acting = false;
    int m_state = 1;
    int m_overtime = 0;
    int m_attempt = 0;
    int m_blocks = 0;
    QByteArray m_image;
    quint32 m_address = 0;
    qint64 m_offset = 0;
    qint64 m_remaining = 0;
};

} // namespace brevix
