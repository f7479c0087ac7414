#include "elements/registerentry.h"
#include "elements/devicetable.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

TEST(RegisterEntry, DeviceNumbers)
{
    EXPECT_EQ(deviceNumber(QStringLiteral("9999")), 9999);
    EXPECT_EQ(deviceNumber(QStringLiteral("-1")), -1);
    EXPECT_EQ(deviceNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(deviceNumber(QString()), 0);
    EXPECT_EQ(deviceNumberAt({QStringLiteral("5")}, 1), 0);
    DeviceTable t{{QStringLiteral("D"), QStringLiteral("X")},
                  {QStringLiteral("8191"), QStringLiteral("x")},
                  {QStringLiteral("15"), QStringLiteral("-1")}};
    EXPECT_EQ(t.maximum(0), 8191);
    EXPECT_EQ(t.maximum(1), 0);
    EXPECT_EQ(t.bitLimit(1), kHexadecimalDeviceBit);
    EXPECT_EQ(t.bitLimit(2), 0);
}

TEST(RegisterEntry, KeysPerRadix)
{
    const struct
    {
        char16_t key;
        bool decimal, hexadecimal;
    } cases[] = {{u'0', true, true},  {u'9', true, true},   {u'A', false, true},
                 {u'f', false, true}, {u'G', false, false}, {u'-', false, false},
                 {u' ', false, false}};
    for (const auto &c : cases) {
        EXPECT_EQ(acceptsRegisterKey(QChar(c.key), RegisterRadix::Decimal), c.decimal);
        EXPECT_EQ(acceptsRegisterKey(QChar(c.key), RegisterRadix::Hexadecimal), c.hexadecimal);
    }
}

TEST(RegisterEntry, TextToNumber)
{
    const struct
    {
        const char *text;
        RegisterRadix radix;
        int limit, previous, expected;
    } cases[] = {
        {"7FF", RegisterRadix::Hexadecimal, 4095, 0, 2047},
        {"7ff", RegisterRadix::Hexadecimal, 4095, 0, 2047},
        {"", RegisterRadix::Decimal, 100, 50, 0},
        {"150", RegisterRadix::Decimal, 100, 0, 100},
        {"FFFFF", RegisterRadix::Hexadecimal, 2047, 0, 2047},
        {"12", RegisterRadix::Decimal, 100, 0, 12},
        {"x1", RegisterRadix::Decimal, 100, 42, 42},
        {"99999", RegisterRadix::Decimal, 0, 0, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(registerFromText(QString::fromLatin1(c.text), c.radix, c.limit, c.previous),
                  c.expected)
            << c.text;
}

TEST(RegisterEntry, DisplayAndHint)
{
    EXPECT_EQ(registerText(10, RegisterRadix::Hexadecimal), QStringLiteral("00A"));
    EXPECT_EQ(registerText(2047, RegisterRadix::Hexadecimal), QStringLiteral("7FF"));
    EXPECT_EQ(registerText(0x1234, RegisterRadix::Hexadecimal), QStringLiteral("1234"));
    EXPECT_EQ(registerText(10, RegisterRadix::Decimal), QStringLiteral("10"));
    EXPECT_EQ(registerHint(4095, RegisterRadix::Hexadecimal), QStringLiteral("0 ~ FFF"));
    EXPECT_EQ(registerHint(255, RegisterRadix::Hexadecimal), QStringLiteral("0 ~ 0FF"));
    EXPECT_EQ(registerHint(9999, RegisterRadix::Decimal), QStringLiteral("0 ~ 9999"));
    EXPECT_EQ(bitHint(15), QStringLiteral("0 ~ 15"));
}

TEST(RegisterEntry, StepsStayInRange)
{
    EXPECT_EQ(stepRegister(9, true, 100), 10);
    EXPECT_EQ(stepRegister(100, true, 100), 100);
    EXPECT_EQ(stepRegister(0, false, 100), 0);
    EXPECT_EQ(stepRegister(5, false, 100), 4);
    EXPECT_EQ(clampRegister(120, 100), 100);
    EXPECT_EQ(clampRegister(-3, 100), 0);
    EXPECT_EQ(clampRegister(5, -1), 0);
}

TEST(RegisterEntry, BitEditAndRadixFromBitLimit)
{
    EXPECT_TRUE(bitEditVisible(15));
    EXPECT_FALSE(bitEditVisible(0));
    EXPECT_FALSE(bitEditVisible(-1));
    EXPECT_EQ(radixForBitLimit(-1), RegisterRadix::Hexadecimal);
    EXPECT_EQ(radixForBitLimit(0), RegisterRadix::Decimal);
    EXPECT_EQ(radixForBitLimit(15), RegisterRadix::Decimal);
}

TEST(RegisterEntry, DeviceSelectionAfterRefill)
{
    EXPECT_EQ(deviceIndexAfterRefill(2, 5), 2);
    EXPECT_EQ(deviceIndexAfterRefill(4, 3), 2);
    EXPECT_EQ(deviceIndexAfterRefill(-1, 3), 2);
    EXPECT_EQ(deviceIndexAfterRefill(0, 0), -1);
}

} // namespace
} // namespace brevix
