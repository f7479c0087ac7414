#include "simulator/registermemory.h"
#include "simulator/linkfiles.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace brevix::sim;

namespace {

TEST(RegisterMemory, AccessesBeyondAnAreaReadZeroAndDropWrites)
{
    RegisterMemory memory;
    memory.setWord(0, kWordsPerArea - 1, 7);
    memory.setWord(0, kWordsPerArea, 9);
    memory.setWord(16, 0, 9);
    memory.setWord(-1, 0, 9);
    EXPECT_EQ(memory.word(0, kWordsPerArea - 1), 7);
    EXPECT_EQ(memory.word(0, kWordsPerArea), 0);
    EXPECT_EQ(memory.word(1, 0), 0);
    EXPECT_EQ(memory.word(16, 0), 0);
    // A 32-bit value at the last word keeps its low half; the high half has nowhere to go.
    memory.setWord32(2, kWordsPerArea - 1, 0x00050006);
    EXPECT_EQ(memory.word32(2, kWordsPerArea - 1), 6u);

    memory.setBit(3, kBitsPerArea - 1, true);
    memory.setBit(3, kBitsPerArea, true);
    memory.setBit(3, -1, true);
    EXPECT_TRUE(memory.bit(3, kBitsPerArea - 1));
    EXPECT_FALSE(memory.bit(3, kBitsPerArea));
    EXPECT_FALSE(memory.bit(3, -1));
}

struct BitAddressCase
{
    int selector, area;
    long long w;
    int b;
    long long expected;
};

class BitAddressTest : public testing::TestWithParam<BitAddressCase>
{
};

TEST_P(BitAddressTest, FollowsTheSelector)
{
    const BitAddressCase c = GetParam();
    EXPECT_EQ(BitAddress(c.selector, c.area, c.w, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Selectors, BitAddressTest,
    testing::Values(BitAddressCase{4, 0, 10, 3, 163}, BitAddressCase{10, 1, 10, 3, 163},
                    BitAddressCase{4, 2, 10, 3, 10}, BitAddressCase{5, 4, 10, 3, 83},
                    BitAddressCase{6, 0, 10, 3, 83}, BitAddressCase{6, 5, 10, 3, 10},
                    BitAddressCase{0, 0, 10, 3, 10}, BitAddressCase{7, 1, 10, 3, 10}));

TEST(BitLocation, WordKindsAddressABitOfAWordOthersABitArea)
{
    const BitLocation word = locateBit(0x13, 100);
    EXPECT_TRUE(word.inWordArea);
    EXPECT_EQ(word.area, 1);
    EXPECT_EQ(word.bitNumber, 3);
    const BitLocation bits = locateBit(0x25, 100);
    EXPECT_FALSE(bits.inWordArea);
    EXPECT_EQ(bits.area, 0);
    EXPECT_EQ(bits.index, 100);
    const BitLocation link2Bits = locateBit(0xA0, 7);
    EXPECT_EQ(link2Bits.area, 8);
    const BitLocation link2Words = locateBit(0x92, 7);
    EXPECT_TRUE(link2Words.inWordArea);
    EXPECT_EQ(link2Words.area, 9);
}

TEST(RegisterMemory, BitsInsideWordsChangeIndependently)
{
    RegisterMemory memory;
    writeBit(memory, locateBit(0x03, 50), true);
    writeBit(memory, locateBit(0x05, 50), true);
    EXPECT_EQ(memory.word(0, 50), (1 << 3) | (1 << 5));
    writeBit(memory, locateBit(0x03, 50), false);
    EXPECT_EQ(memory.word(0, 50), 1 << 5);
    EXPECT_TRUE(readBit(memory, locateBit(0x05, 50)));
}

TEST(LinkFiles, WordsSurviveBitsDoNot)
{
    TempFolder folder;
    RegisterMemory memory;
    memory.setWord(0, 0, 0x1234);
    memory.setWord(0, 65000, 42);
    memory.setWord(1, 8305, 43);
    memory.setWord(3, 255, 44);
    memory.setWord(8, 5, 45);
    memory.setWord(4, 5, 99); // word area 4 is not carried by the files
    memory.setBit(0, 1, true);
    ASSERT_TRUE(saveLinkFile(folder.file(kLinkFileNames[0]), 0, memory));
    ASSERT_TRUE(saveLinkFile(folder.file(kLinkFileNames[1]), 1, memory));
    QFile file(folder.file(kLinkFileNames[0]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 175046);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x34);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x12);
    EXPECT_EQ(bytes.mid(74075 * 2), QByteArray((87523 - 74075) * 2, '\0'));

    RegisterMemory loaded;
    loadLinkFile(folder.file(kLinkFileNames[0]), 0, loaded);
    loadLinkFile(folder.file(kLinkFileNames[1]), 1, loaded);
    EXPECT_EQ(loaded.word(0, 0), 0x1234);
    EXPECT_EQ(loaded.word(0, 65000), 42);
    EXPECT_EQ(loaded.word(1, 8305), 43);
    EXPECT_EQ(loaded.word(3, 255), 44);
    EXPECT_EQ(loaded.word(8, 5), 45);
    EXPECT_EQ(loaded.word(4, 5), 0);
    EXPECT_FALSE(loaded.bit(0, 1));
}

TEST(LinkFiles, BitPartsAreReadTwoBitsPerWord)
{
    TempFolder folder;
    QByteArray bytes(87523 * 2, '\0');
    bytes[74075 * 2 + 2] = 1;            // bit area 0, word 1 low byte: bit 2
    bytes[74075 * 2 + 5000 * 2 + 1] = 7; // bit area 1, word 0 high byte: bit 1
    QFile file(folder.file(QStringLiteral("Link1.Dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    RegisterMemory memory;
    loadLinkFile(file.fileName(), 0, memory);
    EXPECT_TRUE(memory.bit(0, 2));
    EXPECT_FALSE(memory.bit(0, 3));
    EXPECT_TRUE(memory.bit(1, 1));
}

TEST(LinkFiles, ShortOrMissingFileKeepsWhatWasRead)
{
    TempFolder folder;
    QFile file(folder.file(QStringLiteral("Link1.Dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x05\x00\x06\x00\x07", 5));
    file.close();
    RegisterMemory memory;
    memory.setWord(0, 2, 99);
    loadLinkFile(file.fileName(), 0, memory);
    EXPECT_EQ(memory.word(0, 0), 5);
    EXPECT_EQ(memory.word(0, 1), 6);
    EXPECT_EQ(memory.word(0, 2), 99);
    loadLinkFile(folder.file(QStringLiteral("Link2.Dat")), 1, memory);
    EXPECT_EQ(memory.word(8, 0), 0);
}

} // namespace
