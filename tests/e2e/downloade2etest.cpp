#include "devicelink/downloadrun.h"
#include "devicelink/downloadtexts.h"
#include "devicelink/serialdriver.h"
#include "e2esupport.h"
#include "tempfolder.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace brevix;
using panelemu::EmulatorConfig;
using panelemu::Fault;
using panelemu::PanelEmulator;

namespace {

// One download from the real driver through a pty to the emulated panel.
struct Download
{
    explicit Download(EmulatorConfig config) : emulator(config)
    {
        started = emulator.start();
        run.setPort(hostPort(emulator));
        run.setImageFile(folder.file(QStringLiteral("KX.bin")));
        run.setPictureFile(folder.file(QStringLiteral("SPI.bin")));
        QObject::connect(&run, &DownloadRun::statusChanged,
                         [this](const Message &m) { statuses << m.zh; });
        QObject::connect(&run, &DownloadRun::logLine, [this](const QString &l) { log << l; });
        QObject::connect(&run, &DownloadRun::probing, [this](int row, const LineSettings &s) {
            probes.push_back({row, s});
        });
    }

    DownloadReport go(const QByteArray &image, const QByteArray &pictures = {})
    {
        writeBytes(folder.file(QStringLiteral("KX.bin")), image);
        if (!pictures.isEmpty())
            writeBytes(folder.file(QStringLiteral("SPI.bin")), pictures);
        return run.run();
    }

    TempFolder folder;
    PanelEmulator emulator;
    bool started = false;
    QorCommDriver driver;
    RegisterImage registers;
    DownloadRun run{driver, registers};
    QStringList statuses;
    QStringList log;
    std::vector<std::pair<int, LineSettings>> probes;
};

EmulatorConfig panelAt(int baud, int dataBits = 8)
{
    EmulatorConfig config;
    config.own = {baud, dataBits, 'E', 1};
    return config;
}

} // namespace

TEST(DownloadE2E, FiveThousandBytesAsThreeBlocks)
{
    Download d(panelAt(57600));
    ASSERT_TRUE(d.started);
    const QByteArray image = patternBytes(5000, 1);
    const DownloadReport report = d.go(image);
    ASSERT_EQ(report.outcome, DownloadOutcome::Done);
    EXPECT_TRUE(report.fullyConfirmed());
    EXPECT_EQ(report.matchedRow, 0);
    const auto panel = d.emulator.panelResults();
    EXPECT_EQ(panel.synchronisations, 1);
    ASSERT_EQ(panel.controls.size(), 3u);
    const int blocks[] = {51, 52, 53};
    const int marks[] = {0, 0, 8888};
    const int percents[] = {40, 81, 100};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(panel.controls[i].block, blocks[i]);
        EXPECT_EQ(panel.controls[i].endMark, marks[i]);
        EXPECT_EQ(panel.controls[i].percent, percents[i]);
        EXPECT_EQ(panel.controls[i].flashAddress, 0u);
        EXPECT_EQ(panel.controls[i].flashSize, 0);
    }
    EXPECT_EQ(toBytes(panel.image).left(5000), image);
    EXPECT_TRUE(d.statuses.contains(QStringLiteral("4.0KB / 4.9KB")));
    EXPECT_EQ(d.statuses.first(), QStringLiteral("搜索设备"));
    EXPECT_TRUE(d.statuses.contains(QStringLiteral("同步开始！")));
    EXPECT_TRUE(d.statuses.contains(QStringLiteral("同步成功！")));
    EXPECT_EQ(d.statuses.last(), QStringLiteral("4.9KB / 4.9KB"));
    EXPECT_FALSE(d.driver.IsOpen());
}

TEST(DownloadE2E, PicturesFollowTheImage)
{
    Download d(panelAt(57600));
    ASSERT_TRUE(d.started);
    const QByteArray image = patternBytes(5000, 2);
    const QByteArray pictures = patternBytes(3000, 3);
    const DownloadReport report = d.go(image, pictures);
    ASSERT_EQ(report.outcome, DownloadOutcome::Done);
    EXPECT_TRUE(report.fullyConfirmed());
    const auto panel = d.emulator.panelResults();
    ASSERT_EQ(panel.controls.size(), 5u);
    EXPECT_EQ(panel.controls[2].block, 53);
    EXPECT_EQ(panel.controls[2].endMark, 0) << "the last image block is not the end any more";
    EXPECT_EQ(panel.controls[3].block, 0x6228);
    EXPECT_EQ(panel.controls[3].flashAddress, 0x00200000u);
    EXPECT_EQ(panel.controls[3].flashSize, 2048);
    EXPECT_EQ(panel.controls[3].endMark, 0);
    EXPECT_EQ(panel.controls[4].block, 0x6228);
    EXPECT_EQ(panel.controls[4].flashAddress, 0x00200800u);
    EXPECT_EQ(panel.controls[4].flashSize, 952);
    EXPECT_EQ(panel.controls[4].endMark, 8888);
    EXPECT_EQ(toBytes(panel.image).left(5000), image);
    EXPECT_EQ(toBytes(panel.pictures), pictures);
    EXPECT_TRUE(d.log.contains(QStringLiteral("TxToFlash: 0x00200000 WriteSize: 2048")));
    EXPECT_TRUE(d.log.contains(QStringLiteral("TxToFlash: 0x00200800 WriteSize: 952")));
    EXPECT_EQ(d.log.first(), QStringLiteral("File Size: 3000"));
    EXPECT_TRUE(d.log.at(1).startsWith(QStringLiteral("■ ")));
    EXPECT_EQ(d.log.last(), QStringLiteral("Write END"));
}

TEST(DownloadE2E, TimeStampOnlyInTheFirstBlock)
{
    Download d(panelAt(57600));
    ASSERT_TRUE(d.started);
    d.run.setTimeSync(true);
    d.run.setClock([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
    const QByteArray image = patternBytes(5000, 4);
    ASSERT_EQ(d.go(image).outcome, DownloadOutcome::Done);
    const auto panel = d.emulator.panelResults();
    ASSERT_EQ(panel.controls.size(), 3u);
    const std::uint16_t stamp[] = {0x5566, 0x1803, 0x050E, 0x0709};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(panel.controls[0].stamp[i], stamp[i]) << i;
    // Later blocks carry the file's own bytes there.
    const auto *file = reinterpret_cast<const std::uint8_t *>(image.constData());
    EXPECT_EQ(panel.controls[1].stamp[0], file[2048 + 130] | file[2048 + 131] << 8);
    EXPECT_EQ(toBytes(panel.image).mid(138, 5000 - 138), image.mid(138));
}

TEST(DownloadE2E, SixthRowOpens115200With7DataBits)
{
    // A pty shows neither data bits nor parity, so the panel lets the two earlier 115200 rows
    // pass: the host has to walk on to row 5.
    EmulatorConfig config = panelAt(115200, 7);
    config.skipMatchingProbes = 2;
    Download d(config);
    ASSERT_TRUE(d.started);
    const DownloadReport report = d.go(patternBytes(100, 5));
    ASSERT_EQ(report.outcome, DownloadOutcome::Done);
    EXPECT_EQ(report.matchedRow, 5);
    ASSERT_EQ(d.probes.size(), 6u);
    EXPECT_EQ(d.probes[5].first, 5);
    EXPECT_EQ(d.probes[5].second, (LineSettings{115200, 7, Parity::Even, 1}));
    const auto panel = d.emulator.panelResults();
    EXPECT_EQ(panel.probeBauds, (std::vector<int>{57600, 115200, 9600, 115200, 19200, 115200}));
    EXPECT_EQ(d.statuses.at(5), QStringLiteral("搜索设备....."));
    // After the match the whole transfer runs at 115200 8E1.
    EXPECT_EQ(d.driver.lineSettings(), transferSettings());
}

TEST(DownloadE2E, LateProbeAnswerIsNotTaken)
{
    // 38400 is first tried in row 6 and next in row 12: the answer, 60 ms late, reaches the
    // host while it listens at other speeds, where it is garbage.
    EmulatorConfig config = panelAt(38400);
    config.probeAnswerDelayMs = 60;
    config.answerProbeOnce = true;
    Download d(config);
    ASSERT_TRUE(d.started);
    const DownloadReport report = d.go(patternBytes(100, 6));
    EXPECT_EQ(report.outcome, DownloadOutcome::SearchFailed);
    EXPECT_EQ(report.matchedRow, -1);
    EXPECT_EQ(d.emulator.panelResults().probesAnswered, 1);
    EXPECT_EQ(d.emulator.panelResults().probesSeen, 32);
    EXPECT_EQ(d.statuses.last(), QStringLiteral("搜索失败！"));
}

TEST(DownloadE2E, ShortImageKeepsOlderRegisterContent)
{
    RegisterImage registers;
    const QByteArray first = patternBytes(5000, 7);
    QByteArray expectedTail;
    {
        Download d(panelAt(57600));
        ASSERT_TRUE(d.started);
        d.registers = registers;
        ASSERT_EQ(d.go(first).outcome, DownloadOutcome::Done);
        registers = d.registers;
        // The data registers now hold block 53 over what block 52 left.
        expectedTail = (first.mid(4096, 904) + first.mid(2048 + 904, 1144)).mid(100);
    }
    Download d(panelAt(57600));
    ASSERT_TRUE(d.started);
    d.registers = registers;
    const QByteArray small = patternBytes(100, 8);
    ASSERT_EQ(d.go(small).outcome, DownloadOutcome::Done);
    const auto panel = d.emulator.panelResults();
    ASSERT_EQ(panel.controls.size(), 1u);
    EXPECT_EQ(panel.controls[0].endMark, 8888);
    const QByteArray block = toBytes(panel.image);
    ASSERT_EQ(block.size(), 2048);
    EXPECT_EQ(block.left(100), small);
    EXPECT_EQ(block.mid(100), expectedTail);
}

TEST(DownloadE2E, CancelStopsAfterTheCurrentBlockAndSkipsPictures)
{
    Download d(panelAt(57600));
    ASSERT_TRUE(d.started);
    QObject::connect(&d.run, &DownloadRun::bytesSent,
                     [&d](qint64, qint64, bool) { d.run.cancel(); });
    const DownloadReport report = d.go(patternBytes(5000, 9), patternBytes(3000, 10));
    EXPECT_EQ(report.outcome, DownloadOutcome::Cancelled);
    EXPECT_EQ(report.imageBlocksSent, 1);
    EXPECT_EQ(report.pictureBlocksSent, 0);
    EXPECT_EQ(d.emulator.panelResults().controls.size(), 1u);
    EXPECT_FALSE(d.driver.IsOpen());
}

TEST(DownloadE2E, MissingImageIsReportedBeforeThePortOpens)
{
    Download d(panelAt(57600));
    ASSERT_TRUE(d.started);
    const DownloadReport report = d.run.run();
    EXPECT_EQ(report.outcome, DownloadOutcome::FileMissing);
    EXPECT_EQ(d.emulator.panelResults().probesSeen, 0);
}

TEST(DownloadE2E, PortThatCannotOpen)
{
    Download d(panelAt(57600));
    d.run.setPort(d.folder.file(QStringLiteral("no such port")));
    const DownloadReport report = d.go(patternBytes(100, 11));
    EXPECT_EQ(report.outcome, DownloadOutcome::PortFailed);
    EXPECT_EQ(d.statuses.last(), QStringLiteral("打开串口失败!"));
    EXPECT_TRUE(d.run.cancelRequested());
}

struct FaultCase
{
    Fault fault;
    DownloadOutcome outcome;
    const char *lastStatus; // empty: the KB label
    bool confirmed;
};

class DownloadFaults : public testing::TestWithParam<FaultCase>
{
};

TEST_P(DownloadFaults, EndsAsTheProtocolSays)
{
    EmulatorConfig config = panelAt(57600);
    config.fault = GetParam().fault;
    Download d(config);
    ASSERT_TRUE(d.started);
    const QByteArray image = patternBytes(2000, 12);
    const DownloadReport report = d.go(image);
    EXPECT_EQ(report.outcome, GetParam().outcome);
    if (*GetParam().lastStatus) {
        EXPECT_EQ(d.statuses.last(), QString::fromUtf8(GetParam().lastStatus));
    }
    EXPECT_FALSE(d.driver.IsOpen());
    if (report.outcome != DownloadOutcome::Done)
        return;
    EXPECT_EQ(report.fullyConfirmed(), GetParam().confirmed);
    EXPECT_EQ(toBytes(d.emulator.panelResults().image).left(image.size()), image);
    if (!GetParam().confirmed) {
        EXPECT_EQ(report.unconfirmedImageBlocks, QList<int>{51});
        EXPECT_TRUE(d.log.contains(QStringLiteral("面板未确认数据块 51")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DownloadFaults,
    testing::Values(
        FaultCase{Fault::Silent, DownloadOutcome::SearchFailed, "搜索失败！", false},
        FaultCase{Fault::NeverAcknowledge, DownloadOutcome::Done, "1.9KB / 1.9KB", false},
        FaultCase{Fault::DropFrames, DownloadOutcome::Done, "1.9KB / 1.9KB", true},
        FaultCase{Fault::BadCrc, DownloadOutcome::Done, "1.9KB / 1.9KB", false},
        FaultCase{Fault::Noise, DownloadOutcome::Done, "1.9KB / 1.9KB", true},
        FaultCase{Fault::RefuseSync, DownloadOutcome::SyncFailed, "同步失败！", false},
        FaultCase{Fault::DeadAfterSync, DownloadOutcome::TransferFailed, "下载异常！", false}),
    [](const testing::TestParamInfo<FaultCase> &info) {
        std::string name = panelemu::faultName(info.param.fault);
        std::erase(name, '-');
        return name;
    });
