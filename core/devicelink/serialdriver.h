#pragma once

#include "devicelink/linesettings.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <array>
#include <cstdint>
#include <vector>

namespace brevix {

// The serial port component both device-link jobs talk through. The protocol code reads and
// resets RxBuffer/RxCount directly; reception is driven by the port's ready-read notification
// (plus a slow poll tick as a backstop), so no tick stands between a byte and the protocol.
class QorCommDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRxBufferSize = 1024;

    explicit QorCommDriver(QObject *parent = nullptr);
    ~QorCommDriver() override;

    // A serial device path (/dev/ttyUSB0, a pty, ...). Ignored while the port is open.
    void setComPort(const QString &path);
    QString comPort() const { return m_port; }

    // Line settings are stored always and applied at once to an open port.
    void setComPortSpeed(int baud);
    void setComPortDataBits(int bits);
    void setComPortStopBits(int bits);
    void setComPortParity(Parity parity);
    void setComPortHwHandshaking(bool rtsCts);
    void setComPortSwHandshaking(bool xonXoff);
    void setLineSettings(const LineSettings &settings);
    LineSettings lineSettings() const { return m_line; }
    bool hwHandshaking() const { return m_rtsCts; }
    bool swHandshaking() const { return m_xonXoff; }

    // Accepted only while closed.
    void setComPortInBufSize(int size);
    void setComPortOutBufSize(int size);
    int comPortInBufSize() const { return m_inBufSize; }
    int comPortOutBufSize() const { return m_outBufSize; }
    void setComPortPollingDelay(int ms);
    int comPortPollingDelay() const { return m_pollingDelay; }
    bool pollTimerActive() const { return m_pollTimer.isActive(); }
    // Counts restarts of the poll timer, so a caller can see that an unchanged delay left it alone.
    int pollTimerStarts() const { return m_pollTimerStarts; }
    void setEnableDTROnOpen(bool on) { m_dtrOnOpen = on; }
    void setOutputTimeout(int ms) { m_outputTimeout = ms; }

    bool OpenPort();
    void ClosePort();
    bool IsOpen() const;
    bool ApplySettings();
    void PurgeBuffers(bool input, bool output);
    std::uint16_t OutputFreeSpace() const;
    // Bytes written; negative when the output stayed full past OutputTimeout; 0x7FFFFFFF when a
    // write call took nothing.
    std::int32_t SendBytes(const char *data, int count);
    std::int32_t SendBytes(const QByteArray &bytes)
    {
        return SendBytes(bytes.constData(), bytes.size());
    }
    void SetDtr(bool on);
    void SetRts(bool on);
    // One receive step: reads what has arrived into RxBuffer (dropping the old content when it
    // would reach 1024 bytes) and reports it.
    void PollReceive();

    // Waits, letting events run, until everything written has left for the line.
    bool waitUntilSent(int timeoutMs);
    // Why the last OpenPort failed (the system's words).
    QString lastError() const { return m_lastError; }

    std::array<std::uint8_t, kRxBufferSize> RxBuffer{};
    std::uint16_t RxCount = 0;

signals:
    // After every non-empty read: the bytes of that read.
    void receiveData(const QByteArray &bytes);

private:
    void startPollTimer();
    void onPortError(QSerialPort::SerialPortError error);

    QSerialPort m_serial;
    QTimer m_pollTimer;
    QString m_port;
    LineSettings m_line;
    bool m_rtsCts = false;
    bool m_xonXoff = false;
    int m_inBufSize = 1024;
    int m_outBufSize = 512;
    int m_pollingDelay = 5;
    int m_pollTimerStarts = 0;
    bool m_dtrOnOpen = false;
    int m_outputTimeout = 4000;
    std::vector<char> m_readChunk;
    QString m_lastError;
};

} // namespace brevix
