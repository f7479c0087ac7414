#include "elements/addressbits.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

struct BitCase
{
    std::uint8_t byte;
    int link, device, bit;
};

class BitAddressTest : public testing::TestWithParam<BitCase>
{
};

TEST_P(BitAddressTest, UnpacksAndPacksBack)
{
    const BitCase &c = GetParam();
    const BitAddressByte a = unpackBitAddress(c.byte);
    EXPECT_EQ(a.link, c.link);
    EXPECT_EQ(a.device, c.device);
    EXPECT_EQ(a.bit, c.bit);
    EXPECT_EQ(packBitAddress({c.link, c.device, c.bit}), c.byte);
}

INSTANTIATE_TEST_SUITE_P(Bytes, BitAddressTest,
                         testing::Values(BitCase{0x00, 0, 0, 0}, BitCase{0x8F, 1, 0, 15},
                                         BitCase{0x73, 0, 7, 3}, BitCase{0xFF, 1, 7, 15},
                                         BitCase{0x25, 0, 2, 5}));

TEST(BitAddress, OutOfRangePartsDoNotSpillIntoNeighbours)
{
    EXPECT_EQ(packBitAddress({0, 9, 0}), 0x10); // device 9 keeps its low three bits
    EXPECT_EQ(packBitAddress({2, 0, 17}), 0x01);
}

TEST(WordDevice, DeviceAndLinkBits)
{
    EXPECT_EQ(unpackWordDevice(0x0B03).device, 3);
    EXPECT_EQ(unpackWordDevice(0x0B03).link, 1);
    EXPECT_EQ(unpackWordDevice(0x0703).link, 0);
    // Flags and high bits stay; device and link are replaced.
    EXPECT_EQ(packWordDevice(0xF7FF, {2, 0}), 0xF2FF);
    EXPECT_EQ(packWordDevice(0x0003, {5, 1}), 0x0D03);
}

TEST(WordDevice, DynamicTextComposesWordD)
{
    EXPECT_EQ(dynamicTextWordD(false, false, {0, 0}), 0);
    EXPECT_EQ(dynamicTextWordD(true, true, {4, 1}), 1 + 2 + 4 * 256 + 2048);
    EXPECT_EQ(dynamicTextWordD(false, true, {7, 0}), 2 + 7 * 256);
}

} // namespace
} // namespace brevix

#include "elements/colorvalue.h"

namespace brevix {
namespace {

TEST(ColorValue, RedSitsInTheLowByte)
{
    const struct
    {
        std::int32_t value;
        int r, g, b;
    } cases[] = {{0x000000FF, 255, 0, 0}, {0x00FF0000, 0, 0, 255}, {0x00123456, 0x56, 0x34, 0x12},
                 {0x00FFFFFF, 255, 255, 255}};
    for (const auto &c : cases) {
        EXPECT_EQ(colorFromValue(c.value), QColor(c.r, c.g, c.b)) << c.value;
        EXPECT_EQ(valueFromColor(QColor(c.r, c.g, c.b)), c.value);
    }
}

} // namespace
} // namespace brevix
