#include "devicelink/bootloaderrules.h"
#include "devicelink/firmwareimages.h"

#include <gtest/gtest.h>

using namespace brevix;

TEST(BootLoaderRules, ExpectedReplyLengths)
{
    const int expected[] = {0, 1, 15, 5, 1, 1, 5, 1, 1, 1, 1, 1, 0};
    for (int state = 0; state <= 12; ++state)
        EXPECT_EQ(expectedReplyLength(state), expected[state]) << "state " << state;
}

TEST(BootLoaderRules, EraseOfPages0To126)
{
    const QByteArray erase = bootErasePages();
    ASSERT_EQ(erase.size(), 129);
    EXPECT_EQ(static_cast<std::uint8_t>(erase[0]), 0x7E);
    EXPECT_EQ(static_cast<std::uint8_t>(erase[1]), 0);
    EXPECT_EQ(static_cast<std::uint8_t>(erase[127]), 126);
    EXPECT_EQ(static_cast<std::uint8_t>(erase[128]), 0x01);
}

TEST(BootLoaderRules, FramesCarryComplementsAndChecksums)
{
    EXPECT_EQ(bootCommand(0x31), QByteArray("\x31\xCE", 2));
    EXPECT_EQ(bootAddress(0x1FFFF7E0), QByteArray("\x1F\xFF\xF7\xE0\xF7", 5));
    EXPECT_EQ(bootAddress(0x08000100), QByteArray("\x08\x00\x01\x00\x09", 5));
    const char two[] = {0x12, 0x34};
    EXPECT_EQ(bootData(two, 2), QByteArray("\x01\x12\x34\x27", 4));
}

TEST(BootLoaderRules, VersionTextAndBlockCount)
{
    EXPECT_EQ(bootVersionText(0x22), QStringLiteral("Boot:2.2"));
    EXPECT_EQ(bootVersionText(0x31), QStringLiteral("Boot:3.1"));
    EXPECT_EQ(bootWriteBlocks(99604), 390);
    EXPECT_EQ(99604 - 389 * 256, 20);
    EXPECT_EQ(bootWriteBlocks(256), 1);
}

struct ReplyCase
{
    int state;
    QByteArray reply;
    bool accepted;
};

class BootReply : public testing::TestWithParam<ReplyCase>
{
};

TEST_P(BootReply, Acceptance)
{
    const auto &c = GetParam();
    EXPECT_EQ(bootReplyAccepted(c.state,
                                reinterpret_cast<const std::uint8_t *>(c.reply.constData()),
                                c.reply.size()),
              c.accepted);
}

const QByteArray kGet("\x79\x0B\x22\x00\x01\x02\x11\x21\x31\x43\x63\x73\x82\x92\x79", 15);

INSTANTIATE_TEST_SUITE_P(
    Cases, BootReply,
    testing::Values(ReplyCase{1, QByteArray("\x79", 1), true},
                    ReplyCase{1, QByteArray("\x00\x79", 2), true}, // the last byte counts
                    ReplyCase{1, QByteArray("\x1F", 1), false}, ReplyCase{2, kGet, true},
                    ReplyCase{2, kGet.left(14), false},
                    ReplyCase{2, QByteArray(kGet).replace(1, 1, "\x0C"), false},
                    ReplyCase{3, QByteArray("\x79\x01\x04\x30\x79", 5), true},
                    ReplyCase{3, QByteArray("\x79\x02\x04\x30\x79", 5), false},
                    ReplyCase{7, QByteArray("\x79", 1), true},
                    ReplyCase{10, QByteArray("\x1F", 1), false}));

TEST(FirmwareImages, PlaceholdersAreVectorTablesOfTheRealSizes)
{
    struct Expect
    {
        FirmwareVariant variant;
        int size;
    };
    for (const Expect e :
         {Expect{FirmwareVariant::Clock72M, 99604}, Expect{FirmwareVariant::Clock112M, 99608}}) {
        const QByteArray image = loadFirmwareImage(e.variant);
        ASSERT_EQ(image.size(), e.size);
        const auto word = [&image](int at) {
            quint32 v = 0;
            for (int i = 3; i >= 0; --i)
                v = v << 8 | static_cast<std::uint8_t>(image[at + i]);
            return v;
        };
        EXPECT_EQ(word(0) & 0xFFF00000u, 0x20000000u) << "stack pointer in RAM";
        EXPECT_EQ(word(4) & 0xFFF00000u, 0x08000000u) << "reset vector in flash";
        EXPECT_EQ(word(4) & 1u, 1u) << "Thumb bit";
    }
    EXPECT_NE(loadFirmwareImage(FirmwareVariant::Clock72M).mid(512, 64),
              loadFirmwareImage(FirmwareVariant::Clock112M).mid(512, 64));
    EXPECT_EQ(firmwareVariantFromName(QStringLiteral("112m")), FirmwareVariant::Clock112M);
    EXPECT_FALSE(firmwareVariantFromName(QStringLiteral("100M")).has_value());
}
