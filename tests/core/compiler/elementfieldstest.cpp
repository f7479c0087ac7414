#include "compiler/elementfields.h"

#include <gtest/gtest.h>

using namespace brevix;

namespace {

struct AddressCase
{
    int protocol, byteA, wordA;
    std::uint32_t expected;
};

class BitAddress : public ::testing::TestWithParam<AddressCase>
{
};

TEST_P(BitAddress, FollowsTheProtocol)
{
    const AddressCase &c = GetParam();
    EXPECT_EQ(compiledBitAddress(c.protocol, std::uint8_t(c.byteA), std::uint16_t(c.wordA)),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BitAddress,
    ::testing::Values(AddressCase{4, 0x13, 100, 1603}, AddressCase{4, 0x03, 100, 100},
                      AddressCase{6, 0x15, 10, 165}, AddressCase{6, 0x25, 10, 165},
                      AddressCase{6, 0x35, 10, 10}, AddressCase{7, 0x1F, 3, 31},
                      AddressCase{7, 0x0F, 3, 3}, AddressCase{0, 0x3F, 77, 77},
                      AddressCase{9, 0x9A, 500, 500}));

TEST(RegisterWord, EveryFieldInItsPlace)
{
    SlotValues v;
    v.ByteA = 0x11;   // 32 bit, device 1
    v.ByteB = 1;      // input
    v.ByteD = 1;      // indirect upper
    v.ByteC = 1;      // signed
    v.WordB = 0x0502; // 5 digits, 2 decimals
    v.ByteE = 0x21;   // condition 2, action 1
    v.WordD = 3;      // leading zeros, password
    v.WordE = 100;
    const std::uint32_t expected = 1 + 2 + 4 + 8 + (5 << 4) + (2 << 8) + (2 << 12) + (1 << 14) +
                                   (1 << 15) + (100u << 16) + (1u << 30) + (1u << 31);
    EXPECT_EQ(registerAttributeWord(v), expected);
}

TEST(RegisterWord, OversizedKeyRegisterCannotReachFloatDeviceOrPassword)
{
    SlotValues v;
    v.WordE = 59999; // above 8191
    EXPECT_EQ(registerAttributeWord(v) >> 29, 0u);
    EXPECT_EQ((registerAttributeWord(v) >> 16) & 0x1FFF, 59999u & 0x1FFF);
    v.WordE = 0;
    v.ByteA = 0x20; // device 2 does not turn on the password bit
    EXPECT_EQ(registerAttributeWord(v), 0u);
}

TEST(TrendWord, PlacementStyleDoesNotSpillIntoTheElementNumber)
{
    SlotValues v;
    v.WordC = 0x2100;
    EXPECT_EQ(trendAttributeWord(v, 5) >> 24, 5u);
}

TEST(ShapeWord, DeviceBitsOfWordDStayOut)
{
    SlotValues v;
    v.WordD = 0x0901; // link 1, device 1, fill
    v.LongA = 300;
    v.WordE = 2;
    EXPECT_EQ(shapeAttributeWord(v, 20, 3),
              8u + (300u << 4) + (3u << 20) + (1u << 28) + (2u << 29));
    EXPECT_EQ(shapeAttributeWord(v, 26, 3) & (1u << 28), 0u);
}

TEST(BitSwitchWord, Fields)
{
    SlotValues v;
    v.ByteA = 0x25; // device 2, bit 5
    v.WordA = 12;
    v.WordE = 1;
    v.WordB = 3;
    v.ByteB = 1;
    EXPECT_EQ(bitSwitchAttributeWord(v, 0),
              12u + (5u << 16) + (1u << 20) + (3u << 23) + (2u << 29) + (1u << 31));
}

TEST(StateEntries, SplitLikeTheEditorStoresThem)
{
    EXPECT_EQ(splitStateEntry("Run000A", 3).value, 10);
    EXPECT_EQ(splitStateEntry("Run000A", 3).content, QByteArray("Run"));
    EXPECT_EQ(splitStateEntry("Running", 3).value, 3);
    EXPECT_EQ(splitStateEntry("Running", 3).content, QByteArray("Running"));
    EXPECT_EQ(splitStateEntry("12", 3).value, 0x12);
    EXPECT_EQ(splitStateEntry("12", 3).content, QByteArray());
}

} // namespace
