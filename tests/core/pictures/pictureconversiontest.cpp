#include "pictures/pictureconversion.h"
#include "bmpbytes.h"
#include "pictures/rgb565.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace brevix;

namespace {

PictureRow row(int id, const QByteArray &data, const QString &ext = QStringLiteral(".bmp"))
{
    PictureRow r;
    r.ID = id;
    r.Pic = data;
    r.Ext = ext;
    return r;
}

QByteArray record(int width, int height, QColor c)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(c);
    QByteArray out;
    appendPictureRecord(out, image);
    return out;
}

std::uint32_t entry(const QByteArray &b, int offset)
{
    return std::uint8_t(b[offset]) | std::uint8_t(b[offset + 1]) << 8 |
           std::uint8_t(b[offset + 2]) << 16 | std::uint32_t(std::uint8_t(b[offset + 3])) << 24;
}

QColor checker(int x, int y)
{
    return QColor((x * 40) % 256, (y * 70) % 256, ((x + y) * 25) % 256);
}

} // namespace

struct BmpCase
{
    int depth;
    bool topDown;
};

class BmpDecoding : public ::testing::TestWithParam<BmpCase>
{
};

TEST_P(BmpDecoding, ReadsEveryPixelInPlace)
{
    const BmpCase c = GetParam();
    const int width = 7, height = 5; // odd sizes exercise the row padding
    QByteArray data;
    std::function<QColor(int, int)> expected;
    if (c.depth <= 8) {
        const int colours = 1 << c.depth;
        std::vector<QColor> palette;
        for (int i = 0; i < colours; ++i)
            palette.push_back(QColor((i * 37) % 256, (i * 91) % 256, (i * 13) % 256));
        auto index = [colours](int x, int y) { return (x + 3 * y) % colours; };
        data = bmptest::bmp(width, height, c.depth, c.topDown, palette, index, {});
        expected = [palette, index](int x, int y) { return palette[size_t(index(x, y))]; };
    } else {
        data = bmptest::bmp(width, height, c.depth, c.topDown, {}, {}, checker);
        expected = checker;
    }
    const QImage image = decodePicture(data, QStringLiteral(".bmp"));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QColor want = expected(x, y);
            const QRgb got = image.pixel(x, y);
            // 16-bit files hold only the top bits; compare what the panel keeps.
            EXPECT_EQ(rgb565(qRed(got), qGreen(got), qBlue(got)),
                      rgb565(want.red(), want.green(), want.blue()))
                << "pixel " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDecoding,
                         ::testing::Values(BmpCase{1, false}, BmpCase{4, false}, BmpCase{8, false},
                                           BmpCase{16, false}, BmpCase{24, false},
                                           BmpCase{32, false}, BmpCase{1, true}, BmpCase{8, true},
                                           BmpCase{24, true}, BmpCase{32, true}));

TEST(PictureDecoding, ReadsJpegAndIgnoresExtensionCase)
{
    QImage source(16, 8, QImage::Format_RGB32);
    source.fill(QColor(200, 200, 200));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(source.save(&buffer, "JPEG", 100));
    const QImage image = decodePicture(jpeg, QStringLiteral(".JPG"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(16, 8));
    EXPECT_NEAR(qRed(image.pixel(3, 3)), 200, 3);
}

TEST(PictureDecoding, RefusesBrokenDataAndOtherTypes)
{
    const QByteArray good = bmptest::solidBmp(2, 2, Qt::red);
    EXPECT_TRUE(decodePicture(good.left(30), QStringLiteral(".bmp")).isNull());
    EXPECT_TRUE(decodePicture(QByteArray("not a picture"), QStringLiteral(".jpg")).isNull());
    EXPECT_TRUE(decodePicture(good, QStringLiteral(".png")).isNull());
    EXPECT_TRUE(decodePicture(QByteArray(), QStringLiteral(".bmp")).isNull());
}

TEST(DownloadPass, TakesPicturesBelow50AndListsTheRest)
{
    const PictureRows rows = {row(0, bmptest::solidBmp(2, 1, Qt::white)),
                              row(3, bmptest::solidBmp(1, 2, QColor(255, 128, 64))),
                              row(55, bmptest::solidBmp(1, 1, Qt::blue))};
    const PictureConversion result = BmpToArray(rows, PicturePass::Download);
    const QByteArray expected =
        QByteArray(1, 2) + record(2, 1, Qt::white) + record(1, 2, QColor(255, 128, 64));
    EXPECT_EQ(result.bytes.toHex(), expected.toHex());
    EXPECT_EQ(result.skippedList, QStringList{QStringLiteral("55.bmp")});
    EXPECT_TRUE(result.undecodable.empty());
}

TEST(DownloadPass, EmptyLibraryGivesACountOfZero)
{
    const PictureConversion result = BmpToArray({}, PicturePass::Download);
    EXPECT_EQ(result.bytes, QByteArray(1, '\0'));
    EXPECT_TRUE(result.skippedList.isEmpty());
}

TEST(DownloadPass, SkipsAnUndecodablePictureWithoutStaleData)
{
    const PictureRows rows = {row(1, bmptest::solidBmp(1, 1, Qt::red)),
                              row(2, QByteArray("BM broken")),
                              row(4, bmptest::solidBmp(1, 1, Qt::green), QStringLiteral(".gif")),
                              row(5, bmptest::solidBmp(1, 1, Qt::blue))};
    const PictureConversion result = BmpToArray(rows, PicturePass::Download);
    const QByteArray expected = QByteArray(1, 2) + record(1, 1, Qt::red) + record(1, 1, Qt::blue);
    EXPECT_EQ(result.bytes.toHex(), expected.toHex());
    ASSERT_EQ(result.undecodable.size(), 2u);
    EXPECT_EQ(result.undecodable[0].id, 2);
    EXPECT_EQ(result.undecodable[0].message.en,
              QStringLiteral("Picture 2.bmp cannot be decoded; it was skipped!"));
    EXPECT_EQ(result.undecodable[0].message.zh, QStringLiteral("图片 2.bmp 无法解码，已跳过 ！"));
    EXPECT_EQ(result.undecodable[1].id, 4);
    EXPECT_TRUE(result.skippedList.isEmpty());
}

TEST(SpiPass, WritesDirectoryAndRecordsFrom210)
{
    const QByteArray p51 = bmptest::solidBmp(2, 2, Qt::red);
    const QByteArray p60 = bmptest::solidBmp(1, 1, Qt::green);
    const PictureRows rows = {row(3, bmptest::solidBmp(1, 1, Qt::blue)), row(51, p51),
                              row(60, p60)};
    const PictureConversion result = BmpToArray(rows, PicturePass::Spi);
    ASSERT_EQ(result.bytes.size(), 210 + 12 + 6);
    EXPECT_EQ(result.bytes.left(4).toHex(), QByteArray("191a1b1c"));
    EXPECT_EQ(entry(result.bytes, 4), 51u | 210u << 8);
    EXPECT_EQ(entry(result.bytes, 40), 60u | (210u + 12u) << 8);
    EXPECT_EQ(result.bytes.mid(204, 6), QByteArray(6, '\0'));
    for (int offset = 8; offset < 204; offset += 4) {
        if (offset != 40) {
            EXPECT_EQ(entry(result.bytes, offset), 0u) << "offset " << offset;
        }
    }
    EXPECT_EQ(result.bytes.mid(210).toHex(),
              (record(2, 2, Qt::red) + record(1, 1, Qt::green)).toHex());
    EXPECT_EQ(result.skippedList, QStringList{QStringLiteral("3.bmp")});
    EXPECT_FALSE(result.spiLimitExceeded);
}

TEST(SpiPass, Picture55LandsAtOffset20)
{
    const PictureRows rows = {row(0, bmptest::solidBmp(1, 1, Qt::white)),
                              row(3, bmptest::solidBmp(1, 1, Qt::white)),
                              row(55, bmptest::solidBmp(1, 1, Qt::white))};
    const PictureConversion result = BmpToArray(rows, PicturePass::Spi);
    EXPECT_EQ(entry(result.bytes, 20), 55u | 210u << 8);
    EXPECT_EQ(result.bytes.size(), 216);
}

TEST(SpiPass, Pictures50AndAbove100AreInNeitherImageAndNotListed)
{
    const PictureRows rows = {row(50, bmptest::solidBmp(1, 1, Qt::white)),
                              row(101, bmptest::solidBmp(1, 1, Qt::white))};
    const PictureConversion spi = BmpToArray(rows, PicturePass::Spi);
    EXPECT_EQ(spi.bytes.size(), 210);
    EXPECT_TRUE(spi.skippedList.isEmpty());
    const PictureConversion download = BmpToArray(rows, PicturePass::Download);
    EXPECT_EQ(download.bytes, QByteArray(1, '\0'));
    EXPECT_EQ(download.skippedList,
              (QStringList{QStringLiteral("50.bmp"), QStringLiteral("101.bmp")}));
}

TEST(SpiPass, LimitAcceptsExactlyTheLastByteAndRefusesOneMore)
{
    // 210 + 4 + 2 x 2422 x 1732 = 8,390,022 bytes exactly. One-bit files keep the input small.
    auto blank = [](int w, int h) {
        return bmptest::bmp(w, h, 1, false, {Qt::black, Qt::white}, [](int, int) { return 0; }, {});
    };
    const PictureConversion exact = BmpToArray({row(51, blank(2422, 1732))}, PicturePass::Spi);
    EXPECT_FALSE(exact.spiLimitExceeded);
    EXPECT_EQ(exact.bytes.size(), kSpiImageLimit);
    const PictureConversion over = BmpToArray({row(51, blank(2423, 1732))}, PicturePass::Spi);
    EXPECT_TRUE(over.spiLimitExceeded);
    EXPECT_TRUE(over.bytes.isEmpty());
    EXPECT_EQ(spiLimitMessage().zh,
              QStringLiteral("扩展 SPI 图库超过 8.0 MB ！\r已放弃生成扩展图库文件 ！"));
}

TEST(PictureDecoding, RefusesSizesARecordCannotHold)
{
    auto line = [](int w) {
        return bmptest::bmp(w, 1, 1, false, {Qt::black, Qt::white}, [](int, int) { return 1; }, {});
    };
    EXPECT_EQ(decodePicture(line(65535), QStringLiteral(".bmp")).width(), 65535);
    EXPECT_TRUE(decodePicture(line(65536), QStringLiteral(".bmp")).isNull());
    const PictureConversion result = BmpToArray({row(1, line(65536))}, PicturePass::Download);
    EXPECT_EQ(result.bytes, QByteArray(1, '\0'));
    EXPECT_EQ(result.undecodable.size(), 1u);
}
