#include "imaging/picoratransforms.h"

#include <picora.h>

#include <gtest/gtest.h>

#include <QColor>
#include <functional>
#include <set>

using namespace brevix;

namespace {

using Rows = std::vector<std::vector<QRgb>>; // top row first

QImage imageFrom(const Rows &rows, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[std::size_t(y)][std::size_t(x)]);
    if (format == QImage::Format_Indexed8)
        return image.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);
    return image.convertToFormat(format);
}

Rows rowsOf(const QImage &image)
{
    Rows rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            rows[std::size_t(y)].push_back(image.pixel(x, y) | 0xFF000000u);
    return rows;
}

// Windows colour 0x00BBGGRR from its channels.
int windowsColor(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

const Rows kThreeByTwo = {{qRgb(0x11, 0x22, 0x33), qRgb(0x44, 0x55, 0x66), qRgb(0x77, 0x88, 0x99)},
                          {qRgb(0xAA, 0xBB, 0xCC), qRgb(0xDD, 0xEE, 0xFF), qRgb(1, 2, 3)}};

struct WrapperCase
{
    std::string name;
    std::function<bool(QImage &)> apply;
    Rows input;
    Rows expected;
};

class Wrapper : public testing::TestWithParam<std::tuple<WrapperCase, QImage::Format>>
{
};

// Whatever format the caller hands in, the result is the transformed picture in 24 bits.
TEST_P(Wrapper, TransformsAnyFormatIntoRgb888)
{
    const auto &[c, format] = GetParam();
    QImage image = imageFrom(c.input, format);
    ASSERT_EQ(image.format(), format);
    ASSERT_TRUE(c.apply(image));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(rowsOf(image), c.expected);
}

const WrapperCase kCases[] = {
    {"MirrorOnePixel", horizontalExchange, {{qRgb(9, 8, 7)}}, {{qRgb(9, 8, 7)}}},
    {"FlipOnePixel", verticalExchange, {{qRgb(9, 8, 7)}}, {{qRgb(9, 8, 7)}}},
    {"RotateOnePixel", circumgyrate90, {{qRgb(9, 8, 7)}}, {{qRgb(9, 8, 7)}}},
    {"Mirror",
     horizontalExchange,
     kThreeByTwo,
     {{kThreeByTwo[0][2], kThreeByTwo[0][1], kThreeByTwo[0][0]},
      {kThreeByTwo[1][2], kThreeByTwo[1][1], kThreeByTwo[1][0]}}},
    {"Flip", verticalExchange, kThreeByTwo, {kThreeByTwo[1], kThreeByTwo[0]}},
    // 3 x 2 becomes 2 x 3 with the old top-left pixel at the new top right.
    {"Rotate",
     circumgyrate90,
     kThreeByTwo,
     {{kThreeByTwo[1][0], kThreeByTwo[0][0]},
      {kThreeByTwo[1][1], kThreeByTwo[0][1]},
      {kThreeByTwo[1][2], kThreeByTwo[0][2]}}},
    {"Invert", reverseColor, {{qRgb(0, 255, 0x12)}}, {{qRgb(255, 0, 0xED)}}},
    {"Thin",
     [](QImage &image) {
         return thinColor(image, windowsColor(0, 0, 0), windowsColor(255, 255, 255));
     },
     {{qRgb(128, 128, 128), qRgb(255, 255, 255), qRgb(255, 128, 255)}},
     {{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 255)}}},
    // Red is the low byte of a Windows colour: a red foreground on a blue background.
    {"ThinColoured",
     [](QImage &image) {
         return thinColor(image, windowsColor(200, 0, 0), windowsColor(0, 0, 100));
     },
     {{qRgb(0, 0, 100), qRgb(50, 0, 100), qRgb(0, 0, 90)}},
     {{qRgb(0, 0, 100), qRgb(200, 0, 100), qRgb(0, 0, 0)}}},
};

std::string formatName(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGB32:
        return "Rgb32";
    case QImage::Format_ARGB32:
        return "Argb32";
    case QImage::Format_RGB888:
        return "Rgb888";
    default:
        return "Palette8";
    }
}

std::string caseName(const testing::TestParamInfo<std::tuple<WrapperCase, QImage::Format>> &info)
{
    return std::get<0>(info.param).name + "From" + formatName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wrapper,
    testing::Combine(testing::ValuesIn(kCases),
                     testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32,
                                     QImage::Format_RGB888, QImage::Format_Indexed8)),
    caseName);

TEST(WrapperRoundTrip, InvertingTwiceRestoresThePicture)
{
    QImage image = imageFrom(kThreeByTwo, QImage::Format_Indexed8);
    ASSERT_TRUE(reverseColor(image));
    EXPECT_NE(rowsOf(image), kThreeByTwo);
    ASSERT_TRUE(reverseColor(image));
    EXPECT_EQ(rowsOf(image), kThreeByTwo);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
}

// A two-colour picture saved by Qt at one bit per pixel goes through the same path.
TEST(WrapperRoundTrip, MonochromePictureComesBackInColourDepth)
{
    QImage mono(9, 2, QImage::Format_Mono);
    mono.fill(0);
    mono.setColor(0, qRgb(0, 0, 0));
    mono.setColor(1, qRgb(255, 255, 255));
    mono.setPixel(0, 0, 1);
    ASSERT_TRUE(horizontalExchange(mono));
    EXPECT_EQ(mono.format(), QImage::Format_RGB888);
    EXPECT_EQ(mono.pixel(8, 0) | 0xFF000000u, qRgb(255, 255, 255));
    EXPECT_EQ(mono.pixel(0, 0) | 0xFF000000u, qRgb(0, 0, 0));
}

TEST(WrapperRefusal, NullImageIsRefusedAndStaysNull)
{
    const std::vector<std::function<bool(QImage &)>> calls = {
        horizontalExchange,
        verticalExchange,
        circumgyrate90,
        reverseColor,
        [](QImage &image) { return thinColor(image, 0, 0xFFFFFF); },
        [](QImage &image) { return gradientFill(image, 1, 0, 0xFFFFFF, 0, 0, 2, 2); }};
    for (const auto &call : calls) {
        QImage image;
        EXPECT_FALSE(call(image));
        EXPECT_TRUE(image.isNull());
    }
}

TEST(WrapperGradient, Style1PaintsBandsInWindowsColourOrder)
{
    QImage target(256, 2, QImage::Format_RGB32);
    target.fill(Qt::blue);
    // From red (0x0000FF as a Windows colour) to green (0x00FF00).
    ASSERT_TRUE(gradientFill(target, 1, 0x0000FF, 0x00FF00, 0, 0, 256, 1));
    EXPECT_EQ(target.format(), QImage::Format_RGB888);
    for (int x = 0; x < 256; ++x)
        ASSERT_EQ(target.pixel(x, 0) | 0xFF000000u, qRgb(255 - x, x, 0)) << x;
    EXPECT_EQ(target.pixel(7, 1) | 0xFF000000u, qRgb(0, 0, 255)); // below the rectangle
}

TEST(WrapperGradient, UnknownStyleLeavesTheTargetAsItWas)
{
    QImage target(4, 4, QImage::Format_ARGB32);
    target.fill(qRgba(1, 2, 3, 200));
    const QImage before = target;
    EXPECT_FALSE(gradientFill(target, 14, 0, 0xFFFFFF, 0, 0, 4, 4));
    EXPECT_EQ(target, before);
    EXPECT_EQ(target.format(), QImage::Format_ARGB32);
}

TEST(WrapperGradient, EveryStyleKeepsTheTargetSize)
{
    for (int style = 1; style <= 13; ++style) {
        QImage target(7, 5, QImage::Format_Indexed8);
        target.setColorTable({qRgb(0, 0, 0)});
        target.fill(0);
        ASSERT_TRUE(gradientFill(target, style, 0x112233, 0x445566, 1, 1, 6, 4)) << style;
        EXPECT_EQ(target.size(), QSize(7, 5));
        EXPECT_EQ(target.format(), QImage::Format_RGB888);
        EXPECT_EQ(target.pixel(0, 0) | 0xFF000000u, qRgb(0, 0, 0)) << style;
    }
}

TEST(WrapperMessages, EveryStatusHasDistinctTextsInBothLanguages)
{
    std::set<QString> english;
    for (int status = PICORA_OK; status <= PICORA_ERROR_INTERNAL; ++status) {
        const Message message = picoraStatusMessage(status);
        EXPECT_FALSE(message.zh.isEmpty()) << status;
        EXPECT_FALSE(message.en.isEmpty()) << status;
        english.insert(message.en);
    }
    EXPECT_EQ(english.size(), std::size_t(PICORA_ERROR_INTERNAL + 1));
}

} // namespace
