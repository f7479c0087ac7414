#include "devicelink/portchoice.h"
#include "devicelink/customerpackage.h"
#include "tempfolder.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace brevix;

struct IniCase
{
    QVariant stored;
    QString port;
};

class DownloadPortIni : public testing::TestWithParam<IniCase>
{
};

TEST_P(DownloadPortIni, ReadsPathsAndOldIndexes)
{
    TempFolder folder;
    QSettings ini(folder.file(QStringLiteral("Builder.ini")), QSettings::IniFormat);
    if (GetParam().stored.isValid())
        ini.setValue(QStringLiteral("configure/ComPort"), GetParam().stored);
    EXPECT_EQ(readDownloadPort(ini), GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DownloadPortIni,
    testing::Values(IniCase{QVariant(), QString()}, IniCase{0, QStringLiteral("/dev/ttyS0")},
                    IniCase{2, QStringLiteral("/dev/ttyS2")},
                    IniCase{7, QStringLiteral("/dev/ttyS7")}, IniCase{8, QString()},
                    IniCase{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB0")}));

TEST(DownloadPortIni, WrittenPathReadsBack)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Builder.ini"));
    {
        QSettings ini(path, QSettings::IniFormat);
        writeDownloadPort(ini, QStringLiteral("/dev/ttyACM1"));
    }
    QSettings again(path, QSettings::IniFormat);
    EXPECT_EQ(readDownloadPort(again), QStringLiteral("/dev/ttyACM1"));
    EXPECT_EQ(downloadPortStatusText(QStringLiteral("/dev/ttyACM1")),
              QStringLiteral(" /dev/ttyACM1"));
}

TEST(AvailablePorts, FullPathsWithoutDuplicates)
{
    const QStringList ports = availableSerialPorts();
    for (const QString &port : ports)
        EXPECT_TRUE(port.startsWith(QLatin1String("/dev/"))) << port.toStdString();
    EXPECT_EQ(ports.size(), QSet<QString>(ports.begin(), ports.end()).size());
}

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(CustomerPackage, FolderWithProgramAndDatBin)
{
    TempFolder folder;
    writeFile(folder.file(QStringLiteral("vzupdate")), "program");
    writeFile(folder.file(QStringLiteral("KX.bin")), "image bytes");
    const QString target = folder.file(QStringLiteral("客户 package"));
    const Result made = buildCustomerPackage(target, folder.file(QStringLiteral("vzupdate")),
                                             folder.file(QStringLiteral("KX.bin")));
    ASSERT_TRUE(made.ok()) << made.message().en.toStdString();
    EXPECT_EQ(readFile(target + QStringLiteral("/Dat.bin")), QByteArray("image bytes"));
    EXPECT_EQ(readFile(target + QStringLiteral("/vzupdate")), QByteArray("program"));
    // Made again over the old one: the new image replaces the old.
    writeFile(folder.file(QStringLiteral("KX.bin")), "newer");
    ASSERT_TRUE(buildCustomerPackage(target, folder.file(QStringLiteral("vzupdate")),
                                     folder.file(QStringLiteral("KX.bin"))));
    EXPECT_EQ(readFile(target + QStringLiteral("/Dat.bin")), QByteArray("newer"));
}

TEST(CustomerPackage, MissingImageLeavesNoFolder)
{
    TempFolder folder;
    writeFile(folder.file(QStringLiteral("vzupdate")), "program");
    const QString target = folder.file(QStringLiteral("pkg"));
    const Result made = buildCustomerPackage(target, folder.file(QStringLiteral("vzupdate")),
                                             folder.file(QStringLiteral("KX.bin")));
    EXPECT_FALSE(made.ok());
    EXPECT_FALSE(made.message().zh.isEmpty());
    EXPECT_FALSE(QFile::exists(target));
}
