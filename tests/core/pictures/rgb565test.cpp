#include "pictures/rgb565.h"

#include <gtest/gtest.h>

using namespace brevix;

struct ColourCase
{
    int r, g, b;
    std::uint16_t expected;
};

class Rgb565 : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(Rgb565, TakesTheTopBitsOfEachChannel)
{
    const ColourCase c = GetParam();
    EXPECT_EQ(rgb565(c.r, c.g, c.b), c.expected);
    EXPECT_EQ(rgb565FromColorRef(std::uint32_t(c.r | c.g << 8 | c.b << 16)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, Rgb565,
    ::testing::Values(ColourCase{255, 128, 64, 0xFC08}, ColourCase{255, 255, 255, 0xFFFF},
                      ColourCase{255, 0, 0, 0xF800}, ColourCase{0, 255, 0, 0x07E0},
                      ColourCase{0, 0, 255, 0x001F}, ColourCase{0, 0, 0, 0x0000},
                      // No rounding: just below a step stays below it.
                      ColourCase{7, 3, 7, 0x0000}, ColourCase{8, 4, 8, 0x0821},
                      ColourCase{247, 251, 247, 0xF7DE}));

TEST(PictureRecord, IsSizeThenPixelsTopDownLittleEndian)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 128, 64));
    image.setPixel(1, 0, qRgb(255, 0, 0));
    image.setPixel(2, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    image.setPixel(2, 1, qRgb(0, 0, 0));
    QByteArray out("x");
    appendPictureRecord(out, image);
    const QByteArray expected = QByteArray::fromHex("78" // what was there before
                                                    "0300"
                                                    "0200" // width, height
                                                    "08FC"
                                                    "00F8"
                                                    "E007"
                                                    "1F00"
                                                    "FFFF"
                                                    "0000");
    EXPECT_EQ(out.toHex(), expected.toHex());
    EXPECT_EQ(pictureRecordSize(3, 2), 16);
}

TEST(PictureRecord, OnePixelTakesSixBytes)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    QByteArray out;
    appendPictureRecord(out, image);
    EXPECT_EQ(out.toHex(), QByteArray("01000100ffff"));
}
