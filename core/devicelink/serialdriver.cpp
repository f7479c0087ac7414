#include "devicelink/serialdriver.h"

#include <QElapsedTimer>
#include <termios.h>

namespace brevix {

namespace {

QSerialPort::Parity toQt(Parity parity)
{
    switch (parity) {
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

} // namespace

QorCommDriver::QorCommDriver(QObject *parent) : QObject(parent), m_readChunk(m_inBufSize)
{
    setObjectName(QStringLiteral("ComDriver"));
    m_pollTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pollTimer, &QTimer::timeout, this, &QorCommDriver::PollReceive);
    connect(&m_serial, &QSerialPort::readyRead, this, [this] {
        while (m_serial.bytesAvailable() > 0 && IsOpen())
            PollReceive();
    });
    connect(&m_serial, &QSerialPort::errorOccurred, this, &QorCommDriver::onPortError);
}

QorCommDriver::~QorCommDriver()
{
    ClosePort();
}

void QorCommDriver::setComPort(const QString &path)
{
    if (!IsOpen())
        m_port = path;
}

void QorCommDriver::setComPortSpeed(int baud)
{
    m_line.baud = baud;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setComPortDataBits(int bits)
{
    m_line.dataBits = bits;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setComPortStopBits(int bits)
{
    m_line.stopBits = bits;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setComPortParity(Parity parity)
{
    m_line.parity = parity;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setComPortHwHandshaking(bool rtsCts)
{
    m_rtsCts = rtsCts;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setComPortSwHandshaking(bool xonXoff)
{
    m_xonXoff = xonXoff;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setLineSettings(const LineSettings &settings)
{
    m_line = settings;
    if (IsOpen())
        ApplySettings();
}

void QorCommDriver::setComPortInBufSize(int size)
{
    // One read must fit the 1024-byte accumulation buffer.
    if (IsOpen() || size <= 0 || size > kRxBufferSize)
        return;
    m_inBufSize = size;
    m_readChunk.assign(size, 0);
}

void QorCommDriver::setComPortOutBufSize(int size)
{
    if (!IsOpen() && size > 0 && size <= 0xFFFF)
        m_outBufSize = size;
}

void QorCommDriver::setComPortPollingDelay(int ms)
{
    if (ms == m_pollingDelay || ms <= 0)
        return;
    const bool running = m_pollTimer.isActive();
    m_pollTimer.stop();
    m_pollingDelay = ms;
    if (running)
        startPollTimer();
}

void QorCommDriver::startPollTimer()
{
    m_pollTimer.start(m_pollingDelay);
    ++m_pollTimerStarts;
}

bool QorCommDriver::OpenPort()
{
    if (IsOpen())
        return true;
    m_serial.setPortName(m_port);
    // The port opens with the plain format; the full settings follow in ApplySettings, whose
    // refusals (a pty refuses parity and data bits) must not stop the open.
    m_serial.setBaudRate(m_line.baud);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::OneStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    if (m_port.isEmpty() || !m_serial.open(QIODevice::ReadWrite)) {
        m_lastError = m_port.isEmpty() ? QStringLiteral("no port chosen") : m_serial.errorString();
        return false;
    }
    m_lastError.clear();
    if (!ApplySettings())
        return false;
    startPollTimer();
    return true;
}

void QorCommDriver::ClosePort()
{
    if (!m_serial.isOpen())
        return;
    m_pollTimer.stop();
    m_serial.close();
}

bool QorCommDriver::IsOpen() const
{
    return m_serial.isOpen();
}

bool QorCommDriver::ApplySettings()
{
    if (!IsOpen())
        return false;
    // Refusals are not checked: a pty takes the speed but not parity or data bits, and modem
    // lines do not exist there.
    m_serial.setBaudRate(m_line.baud);
    m_serial.setDataBits(static_cast<QSerialPort::DataBits>(m_line.dataBits));
    m_serial.setParity(toQt(m_line.parity));
    m_serial.setStopBits(m_line.stopBits == 2    ? QSerialPort::TwoStop
                         : m_line.stopBits == 15 ? QSerialPort::OneAndHalfStop
                                                 : QSerialPort::OneStop);
    m_serial.setFlowControl(m_rtsCts    ? QSerialPort::HardwareControl
                            : m_xonXoff ? QSerialPort::SoftwareControl
                                        : QSerialPort::NoFlowControl);
    if (!m_rtsCts)
        m_serial.setDataTerminalReady(m_dtrOnOpen);
    m_serial.clearError();
    PurgeBuffers(true, true);
    return true;
}

void QorCommDriver::PurgeBuffers(bool input, bool output)
{
    if (!IsOpen())
        return;
    QSerialPort::Directions directions;
    if (input)
        directions |= QSerialPort::Input;
    if (output)
        directions |= QSerialPort::Output;
    if (directions)
        m_serial.clear(directions);
}

std::uint16_t QorCommDriver::OutputFreeSpace() const
{
    if (!IsOpen())
        return 0xFFFF;
    return static_cast<std::uint16_t>(m_outBufSize - m_serial.bytesToWrite());
}

std::int32_t QorCommDriver::SendBytes(const char *data, int count)
{
    if (!IsOpen())
        return 0;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    std::int32_t sent = 0;
    while (count > 0) {
        if (OutputFreeSpace() > 0) {
            const qint64 written = m_serial.write(data + sent, count);
            if (written <= 0)
                return 0x7FFFFFFF;
            sent += static_cast<std::int32_t>(written);
            count -= static_cast<int>(written);
            sinceProgress.restart();
            m_serial.flush();
        } else {
            if (sinceProgress.elapsed() > m_outputTimeout)
                return -sent;
            m_serial.waitForBytesWritten(10);
        }
    }
    return sent;
}

bool QorCommDriver::waitUntilSent(int timeoutMs)
{
    if (!IsOpen())
        return false;
    QElapsedTimer timer;
    timer.start();
    while (m_serial.bytesToWrite() > 0 && timer.elapsed() < timeoutMs) {
        if (!m_serial.waitForBytesWritten(static_cast<int>(timeoutMs - timer.elapsed())))
            break;
    }
    if (m_serial.bytesToWrite() > 0)
        return false;
    // The kernel's queue drains onto the wire; a pty has none.
    return tcdrain(static_cast<int>(m_serial.handle())) == 0 || errno != EBADF;
}

void QorCommDriver::SetDtr(bool on)
{
    if (IsOpen())
        m_serial.setDataTerminalReady(on);
}

void QorCommDriver::SetRts(bool on)
{
    if (IsOpen() && !m_rtsCts)
        m_serial.setRequestToSend(on);
}

void QorCommDriver::PollReceive()
{
    if (!IsOpen())
        return;
    const qint64 n = m_serial.read(m_readChunk.data(), m_inBufSize);
    if (n <= 0)
        return;
    if (RxCount + n >= kRxBufferSize)
        RxCount = 0;
    std::copy_n(m_readChunk.data(), n, RxBuffer.begin() + RxCount);
    RxCount = static_cast<std::uint16_t>(RxCount + n);
    emit receiveData(QByteArray(m_readChunk.data(), static_cast<int>(n)));
}

void QorCommDriver::onPortError(QSerialPort::SerialPortError error)
{
    // A device that vanished (USB adapter pulled) leaves nothing to talk to.
    if (error == QSerialPort::ResourceError && IsOpen())
        ClosePort();
}

} // namespace brevix
