#include "bmpbuilder.h"
#include "bmpcodec.h"
#include "picora.h"
#include "transferblock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

using brevix::picora::decodeBmp;
using brevix::picora::encodeBmp24;
using brevix::picora::Image24;

namespace {

// The decoded picture as 0x00RRGGBB values, top row first.
std::vector<std::uint32_t> rgbValues(const Image24 &image)
{
    std::vector<std::uint32_t> values;
    for (std::int32_t y = 0; y < image.height; ++y)
        for (std::int32_t x = 0; x < image.width; ++x) {
            const std::uint8_t *p = image.pixel(x, y);
            values.push_back(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                             (std::uint32_t(p[2]) << 16));
        }
    return values;
}

struct DecodeCase
{
    std::string name;
    BmpLayout layout;
    std::vector<std::uint32_t> expected; // 0x00RRGGBB, top row first
};

class BmpDecode : public testing::TestWithParam<DecodeCase>
{
};

TEST_P(BmpDecode, GivesTheExpectedPixels)
{
    const DecodeCase &c = GetParam();
    const std::vector<std::uint8_t> bmp = buildBmp(c.layout);
    Image24 image;
    ASSERT_EQ(decodeBmp(bmp.data(), bmp.size(), image), PICORA_OK);
    EXPECT_EQ(image.width, std::abs(c.layout.width));
    EXPECT_EQ(image.height, std::abs(c.layout.height));
    EXPECT_EQ(rgbValues(image), c.expected);
}

BmpLayout layout(std::uint16_t bits, std::int32_t width, std::int32_t height,
                 std::vector<std::uint32_t> values)
{
    BmpLayout s;
    s.bitsPerPixel = bits;
    s.width = width;
    s.height = height;
    s.values = std::move(values);
    return s;
}

BmpLayout withPalette(BmpLayout s, std::vector<std::uint32_t> palette, std::uint32_t infoSize = 40)
{
    s.palette = std::move(palette);
    s.infoSize = infoSize;
    return s;
}

BmpLayout withMasks(BmpLayout s, std::vector<std::uint32_t> masks, std::uint32_t infoSize = 40)
{
    s.compression = 3;
    s.masks = std::move(masks);
    s.infoSize = infoSize;
    return s;
}

const std::vector<std::uint32_t> kThreeByTwo = {0x112233, 0x445566, 0x778899,
                                                0xAABBCC, 0xDDEEFF, 0x010203};

INSTANTIATE_TEST_SUITE_P(
    Depths, BmpDecode,
    testing::Values(
        DecodeCase{"Rgb24BottomUpPaddedRows", layout(24, 3, 2, kThreeByTwo), kThreeByTwo},
        DecodeCase{"Rgb24TopDown", layout(24, 3, -2, kThreeByTwo), kThreeByTwo},
        DecodeCase{"Rgb32", layout(32, 3, 2, kThreeByTwo), kThreeByTwo},
        DecodeCase{"Palette8",
                   withPalette(layout(8, 3, 2, {2, 1, 0, 0, 1, 2}), {0xFF0000, 0x00FF00, 0x0000FF}),
                   {0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF}},
        DecodeCase{"Palette8CoreHeader",
                   withPalette(layout(8, 2, 1, {1, 0}), {0x102030, 0x405060}, 12),
                   {0x405060, 0x102030}},
        DecodeCase{"Palette4OddWidth",
                   [] {
                       std::vector<std::uint32_t> palette(16, 0x010203);
                       palette[15] = 0xABCDEF;
                       return withPalette(layout(4, 3, 1, {15, 0, 15}), palette);
                   }(),
                   {0xABCDEF, 0x010203, 0xABCDEF}},
        DecodeCase{"Palette1",
                   withPalette(layout(1, 9, 1, {1, 0, 1, 0, 1, 0, 1, 0, 1}), {0x000000, 0xFFFFFF}),
                   {0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF}},
        DecodeCase{"Rgb16Is555", layout(16, 2, 1, {0x7C00, 0x001F}), {0xFF0000, 0x0000FF}},
        DecodeCase{"BitFields565",
                   withMasks(layout(16, 2, 1, {0xF800, 0x07E0}), {0xF800, 0x07E0, 0x001F}),
                   {0xFF0000, 0x00FF00}},
        DecodeCase{
            "BitFieldsInV4Header",
            withMasks(layout(32, 1, 1, {0x00332211}), {0x000000FF, 0x0000FF00, 0x00FF0000}, 108),
            {0x112233}},
        DecodeCase{"V5HeaderPlainRgb",
                   [] {
                       BmpLayout s = layout(24, 1, 1, {0xABCDEF});
                       s.infoSize = 124;
                       return s;
                   }(),
                   {0xABCDEF}}),
    [](const testing::TestParamInfo<DecodeCase> &info) { return info.param.name; });

// A 4-bit picture whose indices point past its palette shows black rather than reading past it.
TEST(BmpDecodeEdges, IndexBeyondThePaletteIsBlack)
{
    BmpLayout s = withPalette(layout(4, 2, 1, {0, 15}), {0x123456});
    const std::vector<std::uint8_t> bmp = buildBmp(s);
    Image24 image;
    ASSERT_EQ(decodeBmp(bmp.data(), bmp.size(), image), PICORA_OK);
    EXPECT_EQ(rgbValues(image), (std::vector<std::uint32_t>{0x123456, 0x000000}));
}

struct MalformedCase
{
    std::string name;
    std::vector<std::uint8_t> bytes;
    int status;
};

class BmpMalformed : public testing::TestWithParam<MalformedCase>
{
};

TEST_P(BmpMalformed, IsRefused)
{
    const MalformedCase &c = GetParam();
    Image24 image;
    EXPECT_EQ(decodeBmp(c.bytes.data(), c.bytes.size(), image), c.status);
}

std::vector<std::uint8_t> mutated(BmpLayout s, std::size_t at, std::uint32_t value, int size)
{
    std::vector<std::uint8_t> bytes = buildBmp(s);
    putLe(bytes, at, value, size);
    return bytes;
}

std::vector<std::uint8_t> shortened(BmpLayout s, std::size_t by)
{
    std::vector<std::uint8_t> bytes = buildBmp(s);
    bytes.erase(bytes.end() - std::ptrdiff_t(std::min(by, bytes.size())), bytes.end());
    return bytes;
}

const BmpLayout kValid = layout(24, 3, 2, kThreeByTwo);

INSTANTIATE_TEST_SUITE_P(
    Files, BmpMalformed,
    testing::Values(
        MalformedCase{"Empty", {}, PICORA_ERROR_BAD_BMP},
        MalformedCase{"MagicOnly", {'B', 'M'}, PICORA_ERROR_BAD_BMP},
        MalformedCase{"WrongMagic", mutated(kValid, 0, 'X', 1), PICORA_ERROR_BAD_BMP},
        MalformedCase{"UnknownHeaderSize", mutated(kValid, 14, 20, 4), PICORA_ERROR_BAD_BMP},
        MalformedCase{"HeaderLongerThanFile", shortened(layout(24, 1, 1, {}), 20),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"TwoPlanes", mutated(kValid, 26, 2, 2), PICORA_ERROR_BAD_BMP},
        MalformedCase{"SevenBitsPerPixel", mutated(kValid, 28, 7, 2), PICORA_ERROR_BAD_BMP},
        MalformedCase{"RunLengthEncoded", mutated(kValid, 30, 1, 4), PICORA_ERROR_BAD_BMP},
        MalformedCase{"OneBytePixelDataMissing", shortened(kValid, 1), PICORA_ERROR_BAD_BMP},
        MalformedCase{"PixelOffsetPastEnd", mutated(kValid, 10, 0x7FFFFFFF, 4),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"PixelOffsetInsideFileHeader", mutated(kValid, 10, 2, 4),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"ZeroWidth", mutated(kValid, 18, 0, 4), PICORA_ERROR_BAD_BMP},
        MalformedCase{"NegativeWidth", mutated(kValid, 18, std::uint32_t(-3), 4),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"ZeroHeight", mutated(kValid, 22, 0, 4), PICORA_ERROR_BAD_BMP},
        MalformedCase{"MostNegativeHeight", mutated(kValid, 22, 0x80000000u, 4),
                      PICORA_ERROR_TOO_LARGE},
        MalformedCase{"WiderThanAllowed", mutated(kValid, 18, PICORA_MAX_SIDE + 1, 4),
                      PICORA_ERROR_TOO_LARGE},
        MalformedCase{"TooManyPixels",
                      [] {
                          auto bytes = buildBmp(kValid);
                          putLe(bytes, 18, 8193, 4);
                          putLe(bytes, 22, 8193, 4);
                          return bytes;
                      }(),
                      PICORA_ERROR_TOO_LARGE},
        MalformedCase{
            "PaletteCutOff",
            shortened(withPalette(layout(8, 1, 1, {}), std::vector<std::uint32_t>(256, 0)), 1000),
            PICORA_ERROR_BAD_BMP},
        MalformedCase{"BitFieldsOn24Bits",
                      buildBmp(withMasks(layout(24, 1, 1, {0}), {0xFF, 0xFF00, 0xFF0000})),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"SplitMask",
                      buildBmp(withMasks(layout(16, 1, 1, {0}), {0x0F0F, 0x00F0, 0x0000})),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"MaskOutside16Bits",
                      buildBmp(withMasks(layout(16, 1, 1, {0}), {0x1F0000, 0x07E0, 0x001F})),
                      PICORA_ERROR_BAD_BMP},
        MalformedCase{"MasksMissing",
                      shortened(withMasks(layout(16, 1, 1, {}), {0xF800, 0x07E0, 0x001F}), 12),
                      PICORA_ERROR_BAD_BMP}),
    [](const testing::TestParamInfo<MalformedCase> &info) { return info.param.name; });

TEST(BmpDecodeEdges, NullDataIsRefused)
{
    Image24 image;
    EXPECT_EQ(decodeBmp(nullptr, 100, image), PICORA_ERROR_BAD_BMP);
}

// The writer's output must be a plain 24-bit BMP any reader takes: check the fields by hand.
TEST(BmpEncode, WritesBottomUpPaddedTwentyFourBitRows)
{
    Image24 image;
    image.reset(3, 2);
    for (int i = 0; i < 18; ++i)
        image.pixels[std::size_t(i)] = std::uint8_t(i + 1);
    const std::vector<std::uint8_t> bmp = encodeBmp24(image);
    const std::size_t stride = 12; // 9 bytes padded to 12
    ASSERT_EQ(bmp.size(), 54 + 2 * stride);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[10], 54);
    EXPECT_EQ(bmp[14], 40);
    EXPECT_EQ(bmp[18], 3);
    EXPECT_EQ(bmp[22], 2);
    EXPECT_EQ(bmp[28], 24);
    // Bottom row first in the file.
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 54, bmp.begin() + 63),
              std::vector<std::uint8_t>({10, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 66, bmp.begin() + 75),
              std::vector<std::uint8_t>({1, 2, 3, 4, 5, 6, 7, 8, 9}));

    Image24 back;
    ASSERT_EQ(decodeBmp(bmp.data(), bmp.size(), back), PICORA_OK);
    EXPECT_EQ(back.pixels, image.pixels);
}

struct BlockCase
{
    std::string name;
    std::vector<std::uint8_t> stream;
    int status;
    std::size_t offsetAfter;
};

std::vector<std::uint8_t> block(std::int32_t length, const std::vector<std::uint8_t> &bmp)
{
    std::vector<std::uint8_t> stream(4 + bmp.size());
    putLe(stream, 0, std::uint32_t(length), 4);
    std::copy(bmp.begin(), bmp.end(), stream.begin() + 4);
    return stream;
}

class TransferBlock : public testing::TestWithParam<BlockCase>
{
};

TEST_P(TransferBlock, ReadsOnlyWellFormedBlocks)
{
    const BlockCase &c = GetParam();
    Image24 image;
    std::size_t offset = 0;
    EXPECT_EQ(brevix::picora::readBitmapBlock(c.stream.data(), c.stream.size(), offset, image),
              c.status);
    EXPECT_EQ(offset, c.offsetAfter);
}

const std::vector<std::uint8_t> kBmp = buildBmp(kValid);

INSTANTIATE_TEST_SUITE_P(
    Streams, TransferBlock,
    testing::Values(BlockCase{"Valid", block(std::int32_t(kBmp.size()), kBmp), PICORA_OK,
                              kBmp.size() + 4},
                    BlockCase{"ValidWithTrailingBytes",
                              [] {
                                  auto s = block(std::int32_t(kBmp.size()), kBmp);
                                  s.push_back(0);
                                  return s;
                              }(),
                              PICORA_OK, kBmp.size() + 4},
                    BlockCase{"ShorterThanLengthField", {1, 0, 0}, PICORA_ERROR_BAD_BMP, 0},
                    BlockCase{"NegativeLength", block(-1, kBmp), PICORA_ERROR_BAD_BMP, 0},
                    BlockCase{"LengthPastEnd", block(std::int32_t(kBmp.size()) + 1, kBmp),
                              PICORA_ERROR_BAD_BMP, 0},
                    BlockCase{"LengthCutsTheBmp", block(std::int32_t(kBmp.size()) - 1, kBmp),
                              PICORA_ERROR_BAD_BMP, 0}),
    [](const testing::TestParamInfo<BlockCase> &info) { return info.param.name; });

TEST(TransferBlockWrite, RoundTripsThroughRead)
{
    std::vector<std::uint8_t> stream;
    ASSERT_TRUE(brevix::picora::writeBitmapBlock(stream, kBmp));
    ASSERT_TRUE(brevix::picora::writeBitmapBlock(stream, kBmp));
    std::size_t offset = 0;
    Image24 first;
    Image24 second;
    ASSERT_EQ(brevix::picora::readBitmapBlock(stream.data(), stream.size(), offset, first),
              PICORA_OK);
    ASSERT_EQ(brevix::picora::readBitmapBlock(stream.data(), stream.size(), offset, second),
              PICORA_OK);
    EXPECT_EQ(offset, stream.size());
    EXPECT_EQ(rgbValues(second), kThreeByTwo);
}

} // namespace
