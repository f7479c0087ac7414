#include "devicelink/bootloaderrules.h"
#include "devicelink/firmwareimages.h"
#include "devicelink/firmwareupgrade.h"
#include "devicelink/serialdriver.h"
#include "e2esupport.h"
#include "ptyline.h"
#include "tempfolder.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

using namespace brevix;

namespace {

// The overtime rule counts ticks; the tests shorten the tick and the reset pulse, not the count.
UpgradeTiming quickTiming()
{
    UpgradeTiming timing;
    timing.overtimeTickMs = 40;
    timing.resetPulseMs = 10;
    timing.finishPauseMs = 5;
    return timing;
}

struct Upgrade
{
    explicit Upgrade(const QString &port, FirmwareVariant variant = FirmwareVariant::Clock72M)
    {
        upgrade.setPort(port);
        upgrade.setTiming(quickTiming());
        upgrade.setImageLoader([variant] { return loadFirmwareImage(variant); });
        QObject::connect(&upgrade, &FirmwareUpgrade::statusChanged,
                         [this](const Message &m) { statuses << m.zh; });
        QObject::connect(&upgrade, &FirmwareUpgrade::versionHint,
                         [this](const QString &h) { hint = h; });
        QObject::connect(&upgrade, &FirmwareUpgrade::portFailed,
                         [this](const Message &text, const Message &) { portMessage = text.zh; });
    }

    bool go()
    {
        QEventLoop loop;
        bool result = false;
        QObject::connect(&upgrade, &FirmwareUpgrade::finished, &loop, [&](bool ok) {
            result = ok;
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        upgrade.start();
        if (upgrade.isRunning())
            loop.exec();
        return result;
    }

    QorCommDriver driver;
    FirmwareUpgrade upgrade{driver};
    QStringList statuses;
    QString hint;
    QString portMessage;
};

panelemu::EmulatorConfig bootLoader()
{
    panelemu::EmulatorConfig config;
    config.mode = panelemu::Mode::BootLoader;
    config.own = {115200, 8, 'E', 1};
    return config;
}

} // namespace

TEST(UpgradeE2E, WritesTheImageIn390Blocks)
{
    panelemu::PanelEmulator emulator(bootLoader());
    ASSERT_TRUE(emulator.start());
    Upgrade u(hostPort(emulator));
    ASSERT_TRUE(u.go());
    const QByteArray image = loadFirmwareImage(FirmwareVariant::Clock72M);
    const auto boot = emulator.bootResults();
    ASSERT_EQ(boot.writeAddresses.size(), 390u);
    for (std::size_t i = 0; i < boot.writeAddresses.size(); ++i)
        ASSERT_EQ(boot.writeAddresses[i], 0x08000000u + 256u * i) << i;
    EXPECT_EQ(boot.writeAddresses.back(), 0x08018500u);
    EXPECT_EQ(boot.writeSizes.back(), 20);
    EXPECT_EQ(std::count(boot.writeSizes.begin(), boot.writeSizes.end(), 256), 389);
    EXPECT_EQ(toBytes(boot.flash).left(image.size()), image);
    EXPECT_EQ(boot.eraseChecksum, 0x01);
    ASSERT_EQ(boot.erasedPages.size(), 127u);
    EXPECT_EQ(boot.erasedPages.front(), 0);
    EXPECT_EQ(boot.erasedPages.back(), 126);
    EXPECT_EQ(boot.reads, 1);
    EXPECT_EQ(u.hint, QStringLiteral("Boot:2.2"));
    EXPECT_TRUE(u.statuses.contains(QStringLiteral("Boot:2.2")));
    EXPECT_TRUE(u.statuses.contains(QStringLiteral("已成功连接")));
    EXPECT_TRUE(u.statuses.contains(QStringLiteral("正在擦除。。。")));
    EXPECT_TRUE(u.statuses.contains(QStringLiteral("写进度: 100%")));
    EXPECT_EQ(u.statuses.last(), QStringLiteral("上载完成！"));
    EXPECT_EQ(u.upgrade.blocksWritten(), 390);
    EXPECT_FALSE(u.driver.IsOpen());
}

TEST(UpgradeE2E, Variant112MSendsTheSecondImage)
{
    panelemu::PanelEmulator emulator(bootLoader());
    ASSERT_TRUE(emulator.start());
    Upgrade u(hostPort(emulator), FirmwareVariant::Clock112M);
    ASSERT_TRUE(u.go());
    const QByteArray image = loadFirmwareImage(FirmwareVariant::Clock112M);
    ASSERT_EQ(image.size(), 99608);
    const auto boot = emulator.bootResults();
    EXPECT_EQ(boot.writeSizes.back(), 24);
    EXPECT_EQ(toBytes(boot.flash).left(image.size()), image);
}

TEST(UpgradeE2E, LoaderVersionShownAsMajorDotMinor)
{
    panelemu::EmulatorConfig config = bootLoader();
    config.bootVersion = 0x31;
    panelemu::PanelEmulator emulator(config);
    ASSERT_TRUE(emulator.start());
    Upgrade u(hostPort(emulator));
    ASSERT_TRUE(u.go());
    EXPECT_EQ(u.hint, QStringLiteral("Boot:3.1"));
}

TEST(UpgradeE2E, NoPanelFailsThreeTimes)
{
    panelemu::PtyLine line; // nobody answers on it
    ASSERT_TRUE(line.open(nullptr));
    Upgrade u(QString::fromStdString(line.hostPath()));
    EXPECT_FALSE(u.go());
    EXPECT_EQ(u.statuses.count(QStringLiteral("正在查找设备。。。")), 3);
    EXPECT_EQ(u.statuses.count(QStringLiteral("连机失败！请检查通信线。")), 3);
    EXPECT_EQ(u.statuses.last(), QStringLiteral("连机失败！请检查通信线。"));
    EXPECT_EQ(u.upgrade.attempt(), 3);
    EXPECT_FALSE(u.driver.IsOpen());
}

TEST(UpgradeE2E, PortThatCannotOpen)
{
    TempFolder folder;
    const QString port = folder.file(QStringLiteral("ttyNONE"));
    Upgrade u(port);
    EXPECT_FALSE(u.go());
    EXPECT_EQ(u.portMessage, QStringLiteral("当前串口号 %1 已经被占用，或其它错误 ！\n"
                                            "请选择其它串口，或检查串口设置是否正确。")
                                 .arg(port));
}

TEST(UpgradeE2E, ImageThatCannotLoadEndsByOvertime)
{
    panelemu::PanelEmulator emulator(bootLoader());
    ASSERT_TRUE(emulator.start());
    Upgrade u(hostPort(emulator));
    u.upgrade.setImageLoader([] { return QByteArray(); });
    EXPECT_FALSE(u.go());
    EXPECT_TRUE(emulator.bootResults().writeAddresses.empty());
    EXPECT_TRUE(emulator.bootResults().erasedPages.empty());
}

// The emulated boot loader against the stm32flash client: it must write and verify through it.
TEST(UpgradeE2E, Stm32flashWritesAndVerifiesThroughTheEmulator)
{
    const QString stm32flash = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
    if (stm32flash.isEmpty())
        GTEST_SKIP() << "stm32flash is not installed";
    panelemu::PanelEmulator emulator(bootLoader());
    ASSERT_TRUE(emulator.start());
    TempFolder folder;
    const QByteArray image = loadFirmwareImage(FirmwareVariant::Clock72M);
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("fw.bin")), image));
    QProcess process;
    // A pty cannot carry parity and stm32flash checks what it set, so it runs at 8N1 here.
    process.start(stm32flash, {QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"),
                               QStringLiteral("8n1"), QStringLiteral("-w"),
                               folder.file(QStringLiteral("fw.bin")), QStringLiteral("-v"),
                               hostPort(emulator)});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const auto boot = emulator.bootResults();
    EXPECT_EQ(toBytes(boot.flash).left(image.size()), image);
    EXPECT_EQ(boot.writeAddresses.size(), 390u);
    EXPECT_GT(boot.reads, 0) << "stm32flash verified by reading back";
}
