#include "devicelink/modbusframes.h"
#include "devicelink/crc16.h"

#include <gtest/gtest.h>

using namespace brevix;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

const std::uint8_t *data(const QByteArray &b)
{
    return reinterpret_cast<const std::uint8_t *>(b.constData());
}

} // namespace

TEST(Crc16, KnownModbusVectors)
{
    // Read of 10 registers from 0 at unit 1: the CRC every Modbus reference shows (C5 CD).
    const QByteArray frame = bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x0A});
    EXPECT_EQ(Crc16(data(frame), frame.size()), 0xCDC5);
    const QByteArray ascii("123456789");
    EXPECT_EQ(Crc16(data(ascii), ascii.size()), 0x4B37);
    EXPECT_EQ(Crc16(nullptr, 0), 0xFFFF);
}

TEST(ModbusFrames, WriteRegistersLayout)
{
    RegisterImage image;
    image.set(3900, 0x5555);
    image.set(3901, 0x8765);
    image.set(3902, 0xE916);
    const QByteArray frame = buildWriteRegisters(image, 3900, 10);
    ASSERT_EQ(frame.size(), 9 + 20);
    EXPECT_EQ(frame.left(7), bytes({0xFF, 0x10, 0x0F, 0x3C, 0x00, 0x0A, 0x14}));
    EXPECT_EQ(frame.mid(7, 6), bytes({0x55, 0x55, 0x87, 0x65, 0xE9, 0x16}));
    const std::uint16_t crc = Crc16(data(frame), frame.size() - 2);
    EXPECT_EQ(static_cast<std::uint8_t>(frame[frame.size() - 2]), crc & 0xFF);
    EXPECT_EQ(static_cast<std::uint8_t>(frame[frame.size() - 1]), crc >> 8);
}

TEST(ModbusFrames, FrameLengthsOfTheThreeWriteSizes)
{
    RegisterImage image;
    EXPECT_EQ(buildWriteRegisters(image, 3910, 100).size(), 209);
    EXPECT_EQ(buildWriteRegisters(image, 4910, 24).size(), 57);
    EXPECT_EQ(buildRequestRegisters(3900, 3).size(), 8);
    EXPECT_EQ(buildRequestRegisters(3900, 3).left(6), bytes({0xFF, 0x03, 0x0F, 0x3C, 0x00, 0x03}));
}

struct EchoCase
{
    QByteArray reply;
    bool accepted;
};

class WriteEcho : public testing::TestWithParam<EchoCase>
{
};

TEST_P(WriteEcho, FirstSixBytesDecide)
{
    RegisterImage image;
    const QByteArray sent = buildWriteRegisters(image, 3900, 10);
    EXPECT_EQ(writeEchoAccepted(sent, data(GetParam().reply), GetParam().reply.size()),
              GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteEcho,
    testing::Values(EchoCase{bytes({0xFF, 0x10, 0x0F, 0x3C, 0x00, 0x0A, 0x00, 0x00}), true},
                    // the answer's CRC is not looked at
                    EchoCase{bytes({0xFF, 0x10, 0x0F, 0x3C, 0x00, 0x0A, 0x12, 0x34}), true},
                    EchoCase{bytes({0xFF, 0x10, 0x0F, 0x3C, 0x00, 0x0B, 0x00, 0x00}), false},
                    EchoCase{bytes({0x01, 0x10, 0x0F, 0x3C, 0x00, 0x0A, 0x00, 0x00}), false},
                    EchoCase{bytes({0xFF, 0x10, 0x0F, 0x3C, 0x00}), false}, EchoCase{{}, false}));

TEST(TakeRegisterReply, StoresRegistersWhenCrcMatches)
{
    QByteArray reply = bytes({0xFF, 0x03, 0x06, 0x00, 0x00, 0x87, 0x65, 0xAA, 0xAA});
    appendCrc(reply);
    RegisterImage image;
    image.set(3900, 0xFFFF);
    EXPECT_FALSE(TakeRegisterReply(image, 3900, 3, data(reply), 10)); // not all in yet
    EXPECT_EQ(image.at(3900), 0xFFFF);
    ASSERT_TRUE(TakeRegisterReply(image, 3900, 3, data(reply), reply.size()));
    EXPECT_EQ(image.at(3900), 0);
    EXPECT_EQ(image.at(3901), 0x8765);
    EXPECT_EQ(image.at(3902), 0xAAAA);
}

TEST(TakeRegisterReply, RefusesBadCrcAndTrailingBytes)
{
    QByteArray reply = bytes({0xFF, 0x03, 0x06, 0x00, 0x00, 0x87, 0x65, 0xAA, 0xAA});
    appendCrc(reply);
    RegisterImage image;
    image.set(3900, 0xFFFF);
    QByteArray spoiled = reply;
    spoiled[4] = 0x01;
    EXPECT_FALSE(TakeRegisterReply(image, 3900, 3, data(spoiled), spoiled.size()));
    // A stray byte after the answer moves the CRC window: the reply is not taken.
    QByteArray trailing = reply + bytes({0x55});
    EXPECT_FALSE(TakeRegisterReply(image, 3900, 3, data(trailing), trailing.size()));
    EXPECT_EQ(image.at(3900), 0xFFFF);
    EXPECT_FALSE(TakeRegisterReply(image, 4933, 3, data(reply), reply.size())); // out of the image
}
