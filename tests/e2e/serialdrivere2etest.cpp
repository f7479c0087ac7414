#include "devicelink/eventwait.h"
#include "devicelink/serialdriver.h"
#include "e2esupport.h"
#include "ptyline.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

using namespace brevix;

namespace {

void panelWrites(const panelemu::PtyLine &line, const QByteArray &bytes)
{
    ASSERT_EQ(::write(line.masterFd(), bytes.constData(), bytes.size()), bytes.size());
}

QByteArray panelReads(const panelemu::PtyLine &line, int expected)
{
    QByteArray got;
    char buffer[1024];
    for (int i = 0; i < 100 && got.size() < expected; ++i) {
        waitLettingEventsRun(2);
        pollfd p{line.masterFd(), POLLIN, 0};
        if (::poll(&p, 1, 0) > 0) {
            const ssize_t n = ::read(line.masterFd(), buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, static_cast<int>(n));
        }
    }
    return got;
}

bool waitForCount(QorCommDriver &driver, int count)
{
    return waitCycles(
               5, 200, [&] { return driver.RxCount >= count; }, &driver,
               &QorCommDriver::receiveData) != 0;
}

} // namespace

TEST(SerialDriver, ClosedPortSendsNothing)
{
    QorCommDriver driver;
    EXPECT_FALSE(driver.IsOpen());
    EXPECT_EQ(driver.SendBytes("abc", 3), 0);
    EXPECT_EQ(driver.OutputFreeSpace(), 0xFFFF);
    EXPECT_FALSE(driver.OpenPort()) << "no port chosen";
    EXPECT_EQ(driver.objectName(), QStringLiteral("ComDriver"));
}

TEST(SerialDriver, SecondReadPastTheBufferStartsAgainAtZero)
{
    panelemu::PtyLine line;
    ASSERT_TRUE(line.open(nullptr));
    QorCommDriver driver;
    driver.setComPort(QString::fromStdString(line.hostPath()));
    ASSERT_TRUE(driver.OpenPort());
    const QByteArray first = patternBytes(600, 1);
    const QByteArray second = patternBytes(500, 2);
    panelWrites(line, first);
    ASSERT_TRUE(waitForCount(driver, 600));
    EXPECT_EQ(driver.RxCount, 600);
    panelWrites(line, second);
    ASSERT_TRUE(waitCycles(
        5, 200, [&] { return driver.RxCount != 600; }, &driver, &QorCommDriver::receiveData));
    waitLettingEventsRun(20);
    EXPECT_EQ(driver.RxCount, 500);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(driver.RxBuffer.data()), 500), second);
}

TEST(SerialDriver, PtyRefusalsDoNotStopTheLine)
{
    panelemu::PtyLine line;
    ASSERT_TRUE(line.open(nullptr));
    QorCommDriver driver;
    driver.setComPort(QString::fromStdString(line.hostPath()));
    driver.setLineSettings({115200, 7, Parity::Even, 1});
    ASSERT_TRUE(driver.OpenPort());
    driver.SetDtr(true);
    driver.SetRts(true);
    driver.setComPortParity(Parity::Odd); // applied to the open port, refused by the pty
    ASSERT_TRUE(driver.IsOpen());
    EXPECT_EQ(line.hostSettings().baud, 115200);
    EXPECT_EQ(driver.SendBytes(QByteArray("hello")), 5);
    EXPECT_EQ(panelReads(line, 5), QByteArray("hello"));
}

TEST(SerialDriver, PortChangeWaitsForTheNextOpen)
{
    panelemu::PtyLine a;
    panelemu::PtyLine b;
    ASSERT_TRUE(a.open(nullptr));
    ASSERT_TRUE(b.open(nullptr));
    QorCommDriver driver;
    driver.setComPort(QString::fromStdString(a.hostPath()));
    ASSERT_TRUE(driver.OpenPort());
    driver.setComPort(QString::fromStdString(b.hostPath()));
    EXPECT_EQ(driver.comPort().toStdString(), a.hostPath());
    EXPECT_TRUE(driver.OpenPort()) << "already open: success at once";
    driver.SendBytes(QByteArray("A"));
    EXPECT_EQ(panelReads(a, 1), QByteArray("A"));
    driver.ClosePort();
    driver.setComPort(QString::fromStdString(b.hostPath()));
    ASSERT_TRUE(driver.OpenPort());
    driver.SendBytes(QByteArray("B"));
    EXPECT_EQ(panelReads(b, 1), QByteArray("B"));
}

TEST(SerialDriver, PollingDelayRestartsOnlyOnChange)
{
    panelemu::PtyLine line;
    ASSERT_TRUE(line.open(nullptr));
    QorCommDriver driver;
    driver.setComPort(QString::fromStdString(line.hostPath()));
    ASSERT_TRUE(driver.OpenPort());
    const int starts = driver.pollTimerStarts();
    driver.setComPortPollingDelay(5);
    EXPECT_EQ(driver.pollTimerStarts(), starts);
    driver.setComPortPollingDelay(7);
    EXPECT_EQ(driver.pollTimerStarts(), starts + 1);
    EXPECT_EQ(driver.comPortPollingDelay(), 7);
    driver.setComPortInBufSize(512); // refused while open
    EXPECT_EQ(driver.comPortInBufSize(), 1024);
    driver.ClosePort();
    EXPECT_FALSE(driver.pollTimerActive());
    driver.setComPortInBufSize(512);
    EXPECT_EQ(driver.comPortInBufSize(), 512);
}
