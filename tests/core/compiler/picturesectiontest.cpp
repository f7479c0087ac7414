#include "compiler/kxbuilder.h"
#include "compiler/kxlayout.h"
#include "projectbuilder.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

using namespace brevix;
using namespace brevix::testing;

namespace {

QByteArray bmpBytes(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

PictureRow picture(int id, int width, int height, QRgb colour = qRgb(255, 128, 64))
{
    PictureRow row;
    row.ID = id;
    row.FName = QStringLiteral("p%1.bmp").arg(id);
    row.Ext = QStringLiteral(".bmp");
    row.Pic = bmpBytes(width, height, colour);
    return row;
}

class PictureSectionTest : public ::testing::Test
{
protected:
    void SetUp() override { project.resetToNew(); }
    Project project;
};

TEST_F(PictureSectionTest, PicturesBelowFiftyGoIntoTheDownloadImage)
{
    BuildInputs inputs;
    inputs.pictures = {picture(0, 1, 1), picture(3, 2, 1, qRgb(255, 255, 255)), picture(49, 1, 2),
                       picture(50, 1, 1), picture(51, 1, 1)};
    const BuildResult r = BuildDownloadImage(project, inputs);
    ASSERT_TRUE(r.ok);
    const qsizetype at = u32(r.kx, 0);
    EXPECT_EQ(u8(r.kx, at), 3u);
    EXPECT_EQ(r.kx.mid(at + 1, 6),
              QByteArray("\x01\x00\x01\x00\x08\xFC", 6)); // RGB(255,128,64) = 0xFC08
    EXPECT_EQ(r.kx.mid(at + 7, 8), QByteArray("\x02\x00\x01\x00\xFF\xFF\xFF\xFF", 8));
    EXPECT_EQ(r.kx.mid(at + 15, 4), QByteArray("\x01\x00\x02\x00", 4));
    EXPECT_EQ(r.kx.size(), at + 1 + 6 + 8 + 8);
    EXPECT_EQ(r.spiCandidates, (QStringList{QStringLiteral("50.bmp"), QStringLiteral("51.bmp")}));
    EXPECT_FALSE(r.spiBuilt);
}

TEST_F(PictureSectionTest, PicturesThreeFiftyOneSixtyGiveTheDirectory)
{
    BuildInputs inputs;
    inputs.pictures = {picture(3, 1, 1), picture(51, 2, 2), picture(60, 1, 1)};
    const BuildResult r = BuildDownloadImage(project, inputs, BuildOptions{true});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(u8(r.kx, u32(r.kx, 0)), 1u);
    ASSERT_TRUE(r.spiBuilt);
    const QByteArray &spi = r.spi;
    EXPECT_EQ(spi.left(4), QByteArray("\x19\x1A\x1B\x1C", 4));
    EXPECT_EQ(spi.mid(4, 4), QByteArray("\x33\xD2\x00\x00", 4));  // 51 at 210
    EXPECT_EQ(spi.mid(40, 4), QByteArray("\x3C\xDE\x00\x00", 4)); // 60 at 210 + 12
    EXPECT_EQ(spi.mid(8, 4), QByteArray(4, '\0'));                // 52 absent
    EXPECT_EQ(spi.mid(204, 6), QByteArray(6, '\0'));
    EXPECT_EQ(spi.mid(210, 4), QByteArray("\x02\x00\x02\x00", 4));
    EXPECT_EQ(spi.size(), 210 + 12 + 6);
    EXPECT_TRUE(r.sizeText.endsWith(QStringLiteral(" / SPI: 0 KB")));
}

TEST_F(PictureSectionTest, PictureFiftyOnlyGivesTheBareHeader)
{
    BuildInputs inputs;
    inputs.pictures = {picture(50, 1, 1)};
    const BuildResult r = BuildDownloadImage(project, inputs, BuildOptions{true});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.spiCandidates, QStringList{QStringLiteral("50.bmp")});
    ASSERT_TRUE(r.spiBuilt);
    EXPECT_EQ(r.spi.size(), kx::kSpiHeaderSize);
}

TEST_F(PictureSectionTest, UndecodablePictureIsSkippedAndNamed)
{
    BuildInputs inputs;
    inputs.pictures = {picture(1, 1, 1), picture(2, 1, 1)};
    inputs.pictures[0].Pic = QByteArray("not a bitmap");
    const BuildResult r = BuildDownloadImage(project, inputs);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(u8(r.kx, u32(r.kx, 0)), 1u);
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_TRUE(r.notes[0].en.contains(QStringLiteral("1.bmp")));
}

// Fills the image to exactly limit + extra bytes with one tall picture and one alarm text.
BuildResult buildOfSize(Project &project, qsizetype extra)
{
    const qsizetype base = BuildDownloadImage(project, {}).imageSize;
    const qsizetype remaining = kx::kImageLimit + extra - base;
    // Two pixels a row keeps the height within what a picture record can hold.
    const int height = int((remaining - 4 - 2) / 4);
    const qsizetype left = remaining - 4 - 4 * qsizetype(height); // 2..5 bytes: one alarm text
    project.settings().WordA[102] = 1;
    project.settings().TextA[100].setBytes(QByteArray(int(left - 1), 'A'));
    BuildInputs inputs;
    inputs.pictures = {picture(1, 2, height)};
    return BuildDownloadImage(project, inputs);
}

TEST_F(PictureSectionTest, ExactlyTheLimitIsAccepted)
{
    const BuildResult r = buildOfSize(project, 0);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.kx.size(), kx::kImageLimit);
    EXPECT_EQ(r.sizeText, QStringLiteral("150 KB"));
}

TEST_F(PictureSectionTest, OneByteOverTheLimitIsRefused)
{
    const BuildResult r = buildOfSize(project, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.imageSize, kx::kImageLimit + 1);
    EXPECT_TRUE(r.kx.isEmpty());
    EXPECT_EQ(r.error.zh, imageTooLargeMessage().zh);
}

TEST_F(PictureSectionTest, HugePicturesAreCountedNotStored)
{
    BuildInputs inputs;
    inputs.pictures = {picture(1, 400, 400), picture(2, 400, 400)};
    const BuildResult r = BuildDownloadImage(project, inputs);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.imageSize, 801 + kx::kPageHeaderSize + 1 + 2 * (4 + 2 * 400 * 400));
    ASSERT_EQ(r.report.pictures.size(), 2u);
    EXPECT_EQ(r.report.pictures[1].bytes, 4 + 2 * 400 * 400);
}

} // namespace
