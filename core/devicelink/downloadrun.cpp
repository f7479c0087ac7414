#include "devicelink/downloadrun.h"

#include "devicelink/downloadrules.h"
#include "devicelink/downloadtexts.h"
#include "devicelink/eventwait.h"
#include "devicelink/modbusframes.h"
#include "devicelink/serialdriver.h"

#include <QFile>
#include <QLocale>

namespace brevix {

namespace {

QByteArray readWhole(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

} // namespace

DownloadRun::DownloadRun(QorCommDriver &driver, RegisterImage &image, QObject *parent)
    : QObject(parent), m_driver(driver), m_image(image),
      m_clock([] { return QDateTime::currentDateTime(); })
{
}

void DownloadRun::status(const Message &message)
{
    emit statusChanged(message);
}

QString DownloadRun::timeLine() const
{
    // The system's time format with seconds, without the zone name the long form adds.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QStringLiteral("■ ") + m_clock().time().toString(format.trimmed());
}

bool DownloadRun::OpenComPort(const LineSettings &settings)
{
    m_driver.setComPort(m_port);
    m_driver.setLineSettings(settings);
    m_driver.RxCount = 0;
    return m_driver.OpenPort();
}

bool DownloadRun::OpenComPort(int row)
{
    emit probing(row, ProbeSettings()[row]);
    return OpenComPort(ProbeSettings()[row]);
}

bool DownloadRun::probeOnce()
{
    // Cleared before the request, so nothing stray counts towards the answer.
    m_driver.RxCount = 0;
    m_driver.SendBytes(probeFrame());
    // The answer window starts when the probe has left: at 9600 baud the probe and its answer
    // alone take longer than the window.
    m_driver.waitUntilSent(1000);
    const int cycle = waitCycles(
        m_timing.probeCycleMs, m_timing.probeCycles, [this] { return m_driver.RxCount >= 6; },
        &m_driver, &QorCommDriver::receiveData);
    if (cycle == 0 || cycle > m_timing.probeLastAcceptedCycle)
        return false;
    const QByteArray signature = PanelSignature();
    return std::equal(signature.begin(), signature.end(), m_driver.RxBuffer.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

bool DownloadRun::WriteRegisters(int first, int count)
{
    const QByteArray frame = buildWriteRegisters(m_image, first, count);
    for (int attempt = 0; attempt < m_timing.writeAttempts; ++attempt) {
        m_driver.RxCount = 0;
        m_driver.SendBytes(frame);
        waitCycles(
            m_timing.writeCycleMs, m_timing.writeCycles, [this] { return m_driver.RxCount >= 8; },
            &m_driver, &QorCommDriver::receiveData);
        if (m_driver.RxCount > 0 &&
            writeEchoAccepted(frame, m_driver.RxBuffer.data(), m_driver.RxCount))
            return true;
        waitLettingEventsRun(m_timing.writeRetryPauseMs);
    }
    return false;
}

bool DownloadRun::sendDataBlock()
{
    for (int first = RegData; first < RegData + 1000; first += 100) {
        if (!WriteRegisters(first, 100))
            return false;
    }
    return WriteRegisters(RegData + 1000, 24);
}

bool DownloadRun::waitForBlockTaken()
{
    m_image.set(RegMarker, 0xFFFF);
    const QByteArray request = buildRequestRegisters(RegMarker, 3);
    for (int attempt = 0; attempt < m_timing.ackAttempts && m_image.at(RegMarker) != 0; ++attempt) {
        waitLettingEventsRun(m_timing.ackPauseMs);
        m_driver.RxCount = 0;
        m_driver.SendBytes(request);
        waitCycles(
            m_timing.ackCycleMs, m_timing.ackCycles,
            [this] {
                return TakeRegisterReply(m_image, RegMarker, 3, m_driver.RxBuffer.data(),
                                         m_driver.RxCount);
            },
            &m_driver, &QorCommDriver::receiveData);
        waitLettingEventsRun(m_timing.ackSettleMs);
    }
    return m_image.at(RegMarker) == 0;
}

bool DownloadRun::searchAndSynchronise(DownloadReport &report)
{
    if (!OpenComPort(0)) {
        status(downloadtext::kPortFailed);
        m_cancel = true;
        report.outcome = DownloadOutcome::PortFailed;
        return false;
    }
    m_cancel = false;
    Message searching = downloadtext::kSearching;
    status(searching);
    bool matched = false;
    for (int row = 0; row < kProbeRowCount && !matched && !m_cancel; ++row) {
        matched = probeOnce();
        if (matched) {
            report.matchedRow = row;
            report.probeSettingsMatched = ProbeSettings()[row];
            break;
        }
        m_driver.ClosePort();
        if (row < kProbeRowCount - 1)
            OpenComPort(row + 1);
        searching.zh += QLatin1Char('.');
        searching.en += QLatin1Char('.');
        status(searching);
    }
    if (!matched) {
        m_driver.ClosePort();
        status(downloadtext::kSearchFailed);
        report.outcome = m_cancel ? DownloadOutcome::Cancelled : DownloadOutcome::SearchFailed;
        return false;
    }
    status(downloadtext::kSyncStart);
    m_driver.ClosePort();
    // Whatever row found the panel, the transfer itself runs at row 1's setting.
    OpenComPort(transferSettings());
    waitLettingEventsRun(10);
    setSynchronise(m_image);
    if (!WriteRegisters(RegMarker, 10)) {
        status(downloadtext::kSyncFailed);
        m_driver.ClosePort();
        report.outcome = DownloadOutcome::SyncFailed;
        return false;
    }
    status(downloadtext::kSyncDone);
    waitLettingEventsRun(5);
    return true;
}

bool DownloadRun::sendImage(const QByteArray &file, bool pictureFollows, DownloadReport &report)
{
    const qint64 size = file.size();
    emit progressChanged(0);
    std::uint16_t block = kFirstImageBlock;
    qint64 sent = 0;
    while (sent < size && !m_cancel) {
        const int n = static_cast<int>(std::min<qint64>(kBlockBytes, size - sent));
        fillDataBlock(m_image, file.constData() + sent, n);
        if (sent == 0 && m_timeSync)
            writeTimeStamp(m_image, m_clock());
        sent += n;
        const int percent = sentPercent(sent, size);
        bool ok = sendDataBlock();
        if (ok) {
            setBlockControl(m_image, block, sent >= size && !pictureFollows, percent);
            setPictureTarget(m_image, 0, 0);
            emit progressChanged(percent);
            ok = WriteRegisters(RegMarker, 10);
        }
        if (!ok) {
            status(downloadtext::kTransferFailed);
            m_driver.ClosePort();
            report.outcome = DownloadOutcome::TransferFailed;
            return false;
        }
        ++report.imageBlocksSent;
        if (!waitForBlockTaken()) {
            report.unconfirmedImageBlocks.append(block);
            emit logLine(downloadtext::kUnconfirmedBlock.text(m_language).arg(block));
        }
        ++block;
        status(Message::same(sentLabel(sent, size)));
        emit bytesSent(sent, size, false);
        waitLettingEventsRun(5);
    }
    return true;
}

bool DownloadRun::sendPictures(const QByteArray &file, DownloadReport &report)
{
    const qint64 size = file.size();
    emit progressChanged(0);
    emit logLine(QStringLiteral("File Size: ") + QString::number(size));
    emit logLine(timeLine());
    emit logLine(QString());
    qint64 offset = 0;
    bool failed = false;
    // A cancel stops the picture stage before it writes anything to the panel's flash.
    while (offset < size && !m_cancel) {
        const int n = static_cast<int>(std::min<qint64>(kBlockBytes, size - offset));
        fillDataBlock(m_image, file.constData() + offset, n);
        const auto address = static_cast<std::uint32_t>(kPictureFlashBase + offset);
        emit logLine(pictureLogLine(address, n));
        setPictureTarget(m_image, address, n);
        const int percent = sentPercent(offset + n, size);
        bool ok = sendDataBlock();
        if (ok) {
            setBlockControl(m_image, kPictureBlock, offset + n >= size, percent);
            emit progressChanged(percent);
            ok = WriteRegisters(RegMarker, 10);
        }
        if (!ok) {
            status(downloadtext::kTransferFailed);
            m_driver.ClosePort();
            failed = true;
            break;
        }
        ++report.pictureBlocksSent;
        if (!waitForBlockTaken()) {
            report.unconfirmedPictureAddresses.append(address);
            emit logLine(
                downloadtext::kUnconfirmedPicture.text(m_language).arg(flashAddressText(address)));
        }
        offset += n;
        status(Message::same(sentLabel(offset, size)));
        emit bytesSent(offset, size, true);
        waitLettingEventsRun(5);
    }
    emit progressChanged(0);
    emit logLine(timeLine());
    emit logLine(QStringLiteral("Write END"));
    if (failed)
        report.outcome = DownloadOutcome::PictureFailed;
    return !failed;
}

DownloadReport DownloadRun::run()
{
    DownloadReport report;
    bool ok = false;
    const QByteArray image = readWhole(m_imagePath, &ok);
    if (!ok) {
        status(Message{downloadtext::kFileMissing.zh.arg(m_imagePath),
                       downloadtext::kFileMissing.en.arg(m_imagePath)});
        report.outcome = DownloadOutcome::FileMissing;
        return report;
    }
    bool pictureOk = false;
    const QByteArray pictures =
        m_picturePath.isEmpty() ? QByteArray() : readWhole(m_picturePath, &pictureOk);
    const bool pictureFollows = pictureOk && pictures.size() >= kSmallestPictureImage;
    report.imageBytes = image.size();
    report.pictureBytes = pictureFollows ? pictures.size() : 0;

    if (!searchAndSynchronise(report))
        return report;
    if (!sendImage(image, pictureFollows, report))
        return report;
    emit progressChanged(0);
    if (pictureFollows && !m_cancel) {
        emit pictureStageStarted();
        sendPictures(pictures, report);
    }
    m_driver.ClosePort();
    if (m_cancel && report.outcome == DownloadOutcome::Done)
        report.outcome = DownloadOutcome::Cancelled;
    return report;
}

} // namespace brevix
