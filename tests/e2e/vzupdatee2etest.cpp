#include "devicelink/customerpackage.h"
#include "e2esupport.h"
#include "tempfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace brevix;

// A customer package made the way the editor makes it, then run the way a customer runs it.
TEST(VzUpdateE2E, PackageSendsItsDatBin)
{
    const QString program = QStringLiteral(BREVIX_BINARY_DIR "/vzupdate/vzupdate");
    if (!QFileInfo::exists(program))
        GTEST_SKIP() << "vzupdate is not built (no Qt Widgets)";
    TempFolder folder;
    const QByteArray image = patternBytes(4000, 41);
    ASSERT_TRUE(writeBytes(folder.file(QStringLiteral("KX.bin")), image));
    const QString package = folder.file(QStringLiteral("客户包"));
    ASSERT_TRUE(buildCustomerPackage(package, program, folder.file(QStringLiteral("KX.bin"))).ok());

    panelemu::EmulatorConfig config;
    config.own = {57600, 8, 'E', 1};
    panelemu::PanelEmulator emulator(config);
    ASSERT_TRUE(emulator.start());
    QProcess process;
    process.start(QDir(package).filePath(QStringLiteral("vzupdate")),
                  {QStringLiteral("--port"), hostPort(emulator), QStringLiteral("--lang"),
                   QStringLiteral("en")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().contains("download complete"));
    EXPECT_EQ(toBytes(emulator.panelResults().image).left(image.size()), image);
}
