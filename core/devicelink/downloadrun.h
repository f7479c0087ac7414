#pragma once

#include "devicelink/linesettings.h"
#include "devicelink/registerimage.h"
#include "text/message.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <functional>

namespace brevix {

class QorCommDriver;

// The pauses and windows of the download protocol. The defaults are the protocol; they are
// fields so a test can see what each one does, never to make a failing panel pass.
struct DownloadTiming
{
    int probeCycleMs = 1;
    int probeCycles = 20;
    int probeLastAcceptedCycle = 17;
    int writeCycleMs = 2;
    int writeCycles = 30;
    int writeAttempts = 6;
    int writeRetryPauseMs = 200;
    int ackAttempts = 5;
    int ackPauseMs = 100;
    int ackCycleMs = 10;
    int ackCycles = 50;
    int ackSettleMs = 10;
};

enum class DownloadOutcome {
    Done,           // every block was sent (see the unconfirmed lists)
    FileMissing,    // KX.bin is not there
    PortFailed,     // the port could not be opened
    SearchFailed,   // no panel answered the probe
    SyncFailed,     // the panel did not take the synchronise message
    TransferFailed, // a KX.bin message was not taken
    PictureFailed,  // a SPI.bin message was not taken (KX.bin went through)
    Cancelled,
};

struct DownloadReport
{
    DownloadOutcome outcome = DownloadOutcome::Done;
    int matchedRow = -1;
    LineSettings probeSettingsMatched;
    int imageBlocksSent = 0;
    int pictureBlocksSent = 0;
    QList<int> unconfirmedImageBlocks;
    QList<quint32> unconfirmedPictureAddresses;
    qint64 imageBytes = 0;
    qint64 pictureBytes = 0;

    bool succeeded() const { return outcome == DownloadOutcome::Done; }
    bool fullyConfirmed() const
    {
        return succeeded() && unconfirmedImageBlocks.isEmpty() &&
               unconfirmedPictureAddresses.isEmpty();
    }
};

// Finds the panel, synchronises and sends KX.bin (then SPI.bin) in 2048-byte blocks. Driven by
// the download dialog, builder-cli and the customer update program alike. All waits run local
// event loops, so a window stays responsive and cancel() takes effect at the next check.
class DownloadRun : public QObject
{
    Q_OBJECT

public:
    // The register image outlives a run: data registers past a short block keep older content.
    DownloadRun(QorCommDriver &driver, RegisterImage &image, QObject *parent = nullptr);

    void setPort(const QString &path) { m_port = path; }
    void setImageFile(const QString &path) { m_imagePath = path; }
    // An empty path, a missing file or one of 10 bytes or less means no picture stage.
    void setPictureFile(const QString &path) { m_picturePath = path; }
    // May change while the run goes on; read when the first block is prepared.
    void setTimeSync(bool on) { m_timeSync = on; }
    bool timeSync() const { return m_timeSync; }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setTiming(const DownloadTiming &timing) { m_timing = timing; }
    void setLanguage(Language language) { m_language = language; }

    DownloadReport run();
    void cancel() { m_cancel = true; }
    bool cancelRequested() const { return m_cancel; }

signals:
    void statusChanged(const brevix::Message &status);
    void progressChanged(int percent);
    void logLine(const QString &line);
    void pictureStageStarted();
    // The probe row being tried (0..31), before its probe goes out.
    void probing(int row, const brevix::LineSettings &settings);
    // Bytes of the current file sent so far and its size.
    void bytesSent(qint64 sent, qint64 size, bool picture);

private:
    bool OpenComPort(int row);
    bool OpenComPort(const LineSettings &settings);
    bool probeOnce();
    bool WriteRegisters(int first, int count);
    bool sendDataBlock();
    bool waitForBlockTaken();
    bool searchAndSynchronise(DownloadReport &report);
    bool sendImage(const QByteArray &file, bool pictureFollows, DownloadReport &report);
    bool sendPictures(const QByteArray &file, DownloadReport &report);
    void status(const Message &message);
    QString timeLine() const;

    QorCommDriver &m_driver;
    RegisterImage &m_image;
    QString m_port;
    QString m_imagePath;
    QString m_picturePath;
    bool m_timeSync = false;
    bool m_cancel = false;
    std::function<QDateTime()> m_clock;
    DownloadTiming m_timing;
    Language m_language = Language::Chinese;
};

} // namespace brevix
