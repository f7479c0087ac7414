#include "commands.h"
#include "devicelink/firmwareimages.h"
#include "e2esupport.h"
#include "ptyline.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace brevix;

namespace {

struct CliRun
{
    int code = -1;
    QString out;
    QString err;
};

CliRun builderCli(const QStringList &arguments)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.code = cli::runBuilderCli(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

panelemu::EmulatorConfig panel(panelemu::Fault fault = panelemu::Fault::None)
{
    panelemu::EmulatorConfig config;
    config.own = {57600, 8, 'E', 1};
    config.fault = fault;
    return config;
}

} // namespace

TEST(CliE2E, DownloadSendsBothFilesAndExitsZero)
{
    panelemu::PanelEmulator emulator(panel());
    ASSERT_TRUE(emulator.start());
    TempFolder folder;
    const QByteArray image = patternBytes(5000, 21);
    const QByteArray pictures = patternBytes(3000, 22);
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("KX.bin")), image));
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("SPI.bin")), pictures));
    const CliRun run =
        builderCli({QStringLiteral("download"), QStringLiteral("--port"), hostPort(emulator),
                    QStringLiteral("--time-sync"), folder.path()});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("sent 3 blocks of KX.bin, 2 blocks of SPI.bin")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("100%  4.9 KB / 4.9 KB  KX.bin")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Write END")));
    const auto results = emulator.panelResults();
    EXPECT_EQ(toBytes(results.pictures), pictures);
    EXPECT_EQ(toBytes(results.image).mid(138, 5000 - 138), image.mid(138));
    EXPECT_EQ(results.controls.front().stamp[0], 0x5566);
}

TEST(CliE2E, UnconfirmedBlocksAreNamedAndExitOne)
{
    panelemu::PanelEmulator emulator(panel(panelemu::Fault::NeverAcknowledge));
    ASSERT_TRUE(emulator.start());
    TempFolder folder;
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("KX.bin")), patternBytes(3000, 23)));
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("SPI.bin")), patternBytes(100, 25)));
    const CliRun run = builderCli(
        {QStringLiteral("download"), QStringLiteral("--port"), hostPort(emulator), folder.path()});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("not confirmed by the panel: KX.bin blocks 51, 52")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("not confirmed by the panel: SPI.bin blocks at 0x00200000")))
        << run.out.toStdString();
}

TEST(CliE2E, NoPanelFailsInTheChosenLanguage)
{
    panelemu::PtyLine line;
    ASSERT_TRUE(line.open(nullptr));
    TempFolder folder;
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("KX.bin")), patternBytes(100, 24)));
    const CliRun run = builderCli({QStringLiteral("--lang"), QStringLiteral("zh"),
                                   QStringLiteral("download"), QStringLiteral("--port"),
                                   QString::fromStdString(line.hostPath()), folder.path()});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("搜索失败！")));
}

TEST(CliE2E, DownloadWithoutImageFails)
{
    TempFolder folder;
    const CliRun run = builderCli({QStringLiteral("download"), QStringLiteral("--port"),
                                   QStringLiteral("/dev/null"), folder.path()});
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("KX.bin")));
}

TEST(CliE2E, UpgradeWritesTheChosenVariant)
{
    panelemu::EmulatorConfig config;
    config.mode = panelemu::Mode::BootLoader;
    config.own = {115200, 8, 'E', 1};
    panelemu::PanelEmulator emulator(config);
    ASSERT_TRUE(emulator.start());
    const CliRun run =
        builderCli({QStringLiteral("upgrade"), QStringLiteral("--port"), hostPort(emulator),
                    QStringLiteral("--variant"), QStringLiteral("112M")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("390 blocks, 99608 bytes")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Boot:2.2")));
    const QByteArray image = loadFirmwareImage(FirmwareVariant::Clock112M);
    EXPECT_EQ(toBytes(emulator.bootResults().flash).left(image.size()), image);
}

TEST(CliE2E, UpgradeNeedsAKnownVariant)
{
    const CliRun run = builderCli({QStringLiteral("upgrade"), QStringLiteral("--port"),
                                   QStringLiteral("/dev/null"), QStringLiteral("--variant"),
                                   QStringLiteral("96M")});
    EXPECT_EQ(run.code, 64);
    EXPECT_TRUE(run.err.contains(QStringLiteral("72M or 112M")));
}
