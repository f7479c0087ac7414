#include "model/clipboardtransfer.h"
#include "model/project.h"
#include "tempfolder.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <gtest/gtest.h>

namespace brevix {
namespace {

TEST(Announcement, ElementAndPage)
{
    EXPECT_EQ(elementAnnouncement(10), QStringLiteral("qa_KX:0A"));
    EXPECT_EQ(elementAnnouncement(kCopiedPage), QStringLiteral("qa_KX:FF"));
    const auto a = parseAnnouncement(QStringLiteral("qa_KX:C7"));
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->value, 199);
    EXPECT_TRUE(parseAnnouncement(QStringLiteral("qa_KX:FF"))->isPage());
}

TEST(Announcement, AreaRoundTrip)
{
    const QString text = areaAnnouncement(QRect(0x1A, 0x20, 0x130, 0x5), {3, 10, 200});
    EXPECT_EQ(text, QStringLiteral("qa_KX:EE03001A002001300005030AC8"));
    const auto a = parseAnnouncement(text);
    ASSERT_TRUE(a.has_value());
    EXPECT_TRUE(a->isArea());
    EXPECT_EQ(a->frame, QRect(0x1A, 0x20, 0x130, 0x5));
    EXPECT_EQ(a->members, (std::vector<int>{3, 10, 200}));
}

TEST(Announcement, ForeignOrBrokenTextsAreRefused)
{
    for (const char *text :
         {"hello", "qa_KX:", "qa_KX:G1", "qa_KX:C9", "qa_KX:EE02001A",
          "qa_KX:EE02001A002001300005030", "qa_kx:01", "qa_KX:EE01001A00200130000-03"}) {
        EXPECT_FALSE(parseAnnouncement(QString::fromLatin1(text)).has_value()) << text;
    }
}

TEST(TransferFile, WrittenAndReadWhole)
{
    TempFolder temp;
    WorkFolder work(temp.path());
    Project project;
    project.resetToNew();
    project.record(1).Kind[5] = 9;
    project.record(1).ByteE[200] = 0x5A;
    ASSERT_TRUE(writeTransferFile(work, project.record(1)).ok());
    EXPECT_EQ(QFileInfo(work.file(kClipboardRecordFile)).size(), qint64(kPageRecordSize));
    Project other;
    ASSERT_TRUE(readTransferFile(work, other.record(0)).ok());
    EXPECT_EQ(std::memcmp(&other.record(0), &project.record(1), kPageRecordSize), 0);
}

TEST(TransferFile, MissingOrShortFileIsAnError)
{
    TempFolder temp;
    WorkFolder work(temp.path());
    Project project;
    EXPECT_FALSE(readTransferFile(work, project.record(0)).ok());
    QFile f(work.file(kClipboardRecordFile));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, 'x'));
    f.close();
    EXPECT_FALSE(readTransferFile(work, project.record(0)).ok());
}

} // namespace
} // namespace brevix
