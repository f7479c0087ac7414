#include "devicelink/firmwareupgrade.h"

#include "devicelink/bootloaderrules.h"
#include "devicelink/eventwait.h"
#include "devicelink/serialdriver.h"

namespace brevix {

FirmwareUpgrade::FirmwareUpgrade(QorCommDriver &driver, QObject *parent)
    : QObject(parent), m_driver(driver)
{
    m_pollTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pollTimer, &QTimer::timeout, this, &FirmwareUpgrade::poll);
    connect(&m_overtimeTimer, &QTimer::timeout, this, &FirmwareUpgrade::overtime);
    // A reply is handled when it arrives; the poll tick stays as the protocol's own pace.
    connect(&m_driver, &QorCommDriver::receiveData, this, [this] {
        if (m_pollTimer.isActive())
            poll();
    });
}

void FirmwareUpgrade::start()
{
    m_attempt = 0;
    m_running = true;
    connectStep();
}

void FirmwareUpgrade::stop()
{
    if (!m_running)
        return;
    stopTimers();
    m_state = 1;
    m_driver.ClosePort();
    end(false);
}

void FirmwareUpgrade::send(const QByteArray &bytes)
{
    m_driver.SendBytes(bytes);
}

void FirmwareUpgrade::stopTimers()
{
    m_pollTimer.stop();
    m_overtimeTimer.stop();
}

void FirmwareUpgrade::end(bool succeeded)
{
    m_running = false;
    emit finished(succeeded);
}

void FirmwareUpgrade::connectStep()
{
    m_driver.setComPort(m_port);
    m_driver.setLineSettings({115200, 8, Parity::Even, 1});
    m_driver.RxCount = 0;
    if (!m_driver.OpenPort()) {
        m_overtimeTimer.stop();
        emit portFailed(
            Message{upgradetext::kPortBusy.zh.arg(m_port), upgradetext::kPortBusy.en.arg(m_port)},
            upgradetext::kPortBusyTitle);
        end(false);
        return;
    }
    // DTR and RTS put the panel's processor into its boot loader (where the board wires them).
    m_driver.SetDtr(true);
    m_driver.SetRts(true);
    waitLettingEventsRun(m_timing.resetPulseMs);
    m_driver.SetDtr(false);
    waitLettingEventsRun(m_timing.resetPulseMs);
    if (!m_running)
        return; // stopped during the reset pulse
    m_state = 1;
    m_driver.RxCount = 0;
    send(QByteArray(1, static_cast<char>(kBootSync)));
    emit statusChanged(upgradetext::kSearching);
    m_overtime = m_timing.firstAnswerHeadStart;
    m_pollTimer.start(m_timing.pollMs);
    m_overtimeTimer.start(m_timing.overtimeTickMs);
}

void FirmwareUpgrade::poll()
{
    if (m_acting || m_driver.RxCount < expectedReplyLength(m_state) || m_driver.RxCount == 0)
        return;
    const QByteArray reply(reinterpret_cast<const char *>(m_driver.RxBuffer.data()),
                           m_driver.RxCount);
    m_driver.RxCount = 0;
    m_acting = true;
    act(reply);
    m_acting = false;
}

void FirmwareUpgrade::act(const QByteArray &reply)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(reply.constData());
    if (!bootReplyAccepted(m_state, bytes, reply.size())) {
        if (m_state == 1)
            emit statusChanged(upgradetext::kNoTalk);
        return;
    }
    if (m_state <= 8)
        m_overtime = 0;
    switch (m_state) {
    case 1:
        emit statusChanged(upgradetext::kConnected);
        send(bootCommand(0x00));
        m_state = 2;
        break;
    case 2: {
        const QString version = bootVersionText(bytes[2]);
        emit statusChanged(Message::same(version));
        emit versionHint(version);
        send(bootCommand(0x02));
        m_state = 3;
        break;
    }
    case 3:
        send(bootCommand(0x11));
        m_state = 4;
        break;
    case 4:
        send(bootAddress(kDeviceInfoAddress));
        m_state = 5;
        break;
    case 5:
        send(bootCommand(0x03)); // four bytes: N-1 = 3 and its complement
        m_state = 6;
        break;
    case 6:
        send(bootCommand(0x43));
        m_state = 7;
        break;
    case 7:
        m_pollTimer.stop();
        m_image = m_loader ? m_loader() : QByteArray();
        m_state = 8;
        if (m_image.isEmpty() || m_image.size() > kMaxFirmwareSize)
            return; // nothing more goes out; the overtime ends the attempt
        m_address = kFlashBase;
        m_offset = 0;
        m_remaining = m_image.size();
        m_blocks = 0;
        send(bootErasePages());
        emit statusChanged(upgradetext::kErasing);
        m_pollTimer.start(m_timing.pollMs);
        break;
    case 8:
        send(bootCommand(0x31));
        m_state = 9;
        break;
    case 9:
        send(bootAddress(m_address));
        m_state = 10;
        break;
    case 10: {
        const int n = static_cast<int>(std::min<qint64>(m_remaining, kWriteChunk));
        send(bootData(m_image.constData() + m_offset, n));
        m_remaining -= n;
        m_address += n;
        m_offset += n;
        ++m_blocks;
        const int percent = static_cast<int>(m_offset * 100 / m_image.size());
        emit progressChanged(percent);
        emit statusChanged(
            Message{upgradetext::kWriting.zh.arg(percent), upgradetext::kWriting.en.arg(percent)});
        m_state = m_remaining <= 0 ? 11 : 8;
        break;
    }
    case 11:
        m_state = 1;
        emit progressChanged(0);
        emit statusChanged(upgradetext::kDone);
        stopTimers();
        m_driver.SetDtr(true);
        waitLettingEventsRun(m_timing.finishPauseMs);
        m_driver.SetRts(false);
        m_driver.ClosePort();
        end(true);
        break;
    default:
        break;
    }
}

void FirmwareUpgrade::overtime()
{
    if (++m_overtime < m_timing.overtimeLimit)
        return;
    m_state = 1;
    emit progressChanged(0);
    emit statusChanged(upgradetext::kLinkFailed);
    stopTimers();
    m_driver.ClosePort();
    if (++m_attempt < m_timing.attempts)
        connectStep();
    else
        end(false);
}

} // namespace brevix
