#include "simulator/keypadentry.h"
#include "simulator/pagetables.h"

#include <gtest/gtest.h>

using namespace brevix::sim;

namespace {

KeypadTarget target(int decimals, long long low, long long high, bool isSigned = false,
                    bool is32 = false)
{
    KeypadTarget t;
    t.area = 0;
    t.address = 100;
    t.decimals = decimals;
    t.isSigned = isSigned;
    t.signed16 = isSigned && !is32;
    t.is32 = is32;
    t.low = low;
    t.high = high;
    return t;
}

void type(KeypadEntry &entry, const QString &keys)
{
    for (const QChar c : keys) {
        if (c.isDigit())
            entry.pressDigit(c.digitValue());
        else if (c == QLatin1Char('.'))
            entry.pressDot();
        else if (c == QLatin1Char('-'))
            entry.pressMinus();
    }
}

TEST(KeypadEntry, TwoDecimalPlacesWithinAndBeyondTheRange)
{
    RegisterMemory memory;
    KeypadEntry entry;
    entry.show(target(2, 0, 10000), memory);
    EXPECT_EQ(entry.rangeText(), QStringLiteral("0.00~100.00"));
    type(entry, QStringLiteral("99.99"));
    EXPECT_EQ(entry.accept(memory), KeypadEntry::Outcome::Written);
    EXPECT_EQ(memory.word(0, 100), 9999);

    entry.show(target(2, 0, 10000), memory);
    EXPECT_EQ(entry.display(), QStringLiteral("99.99"));
    type(entry, QStringLiteral("100.01"));
    EXPECT_EQ(entry.accept(memory), KeypadEntry::Outcome::OutOfRange);
    EXPECT_EQ(entry.display(), QString());
    EXPECT_EQ(memory.word(0, 100), 9999);
    EXPECT_EQ(KeypadEntry::outcomeMessage(KeypadEntry::Outcome::OutOfRange).zh,
              QStringLiteral("输入不在范围内 ！"));
}

TEST(KeypadEntry, SignedSixteenBitShowsMinusOne)
{
    RegisterMemory memory;
    memory.setWord(0, 100, 65535);
    KeypadEntry entry;
    entry.show(target(0, -100, 100, true), memory);
    EXPECT_EQ(entry.display(), QStringLiteral("-1"));
    entry.show(target(0, -100, 100, false), memory);
    EXPECT_EQ(entry.display(), QStringLiteral("65535"));
}

TEST(KeypadEntry, FirstDigitReplacesTheShownValue)
{
    RegisterMemory memory;
    memory.setWord(0, 100, 42);
    KeypadEntry entry;
    entry.show(target(0, 0, 1000), memory);
    EXPECT_TRUE(entry.isFresh());
    entry.pressDigit(7);
    EXPECT_EQ(entry.display(), QStringLiteral("7"));
    entry.pressDigit(3);
    EXPECT_EQ(entry.display(), QStringLiteral("73"));
    entry.pressDelete();
    EXPECT_EQ(entry.display(), QStringLiteral("7"));
    entry.pressClear();
    EXPECT_EQ(entry.display(), QString());
}

TEST(KeypadEntry, TenDigitsLeaveNine)
{
    RegisterMemory memory;
    KeypadEntry entry;
    entry.show(target(0, 0, 0x7FFFFFFF, false, true), memory);
    type(entry, QStringLiteral("1234567890"));
    EXPECT_EQ(entry.display(), QStringLiteral("123456789"));
    EXPECT_EQ(entry.accept(memory), KeypadEntry::Outcome::Written);
    EXPECT_EQ(memory.word32(0, 100), 123456789u);
}

TEST(KeypadEntry, MinusOnlyForSignedRegistersDotOnlyWithDecimals)
{
    RegisterMemory memory;
    KeypadEntry entry;
    entry.show(target(0, -10, 10, false), memory);
    EXPECT_FALSE(entry.minusEnabled());
    EXPECT_FALSE(entry.dotEnabled());
    entry.pressMinus();
    entry.pressDot();
    EXPECT_EQ(entry.display(), QStringLiteral("0"));

    entry.show(target(1, -100, 100, true), memory);
    EXPECT_TRUE(entry.minusEnabled());
    EXPECT_TRUE(entry.dotEnabled());
    type(entry, QStringLiteral("-.5"));
    EXPECT_EQ(entry.display(), QStringLiteral("-.5"));
    EXPECT_EQ(entry.accept(memory), KeypadEntry::Outcome::Written);
    EXPECT_EQ(memory.word(0, 100), 65531);
}

TEST(KeypadEntry, DotOnAnEmptyDisplayShowsZeroDot)
{
    RegisterMemory memory;
    KeypadEntry entry;
    entry.show(target(1, 0, 100), memory);
    entry.pressDot();
    EXPECT_EQ(entry.display(), QStringLiteral("0."));
    entry.pressDot();
    EXPECT_EQ(entry.display(), QStringLiteral("0."));
}

TEST(KeypadEntry, EmptyDisplayIsNotANumber)
{
    RegisterMemory memory;
    KeypadEntry entry;
    entry.show(target(0, 0, 100), memory);
    entry.pressClear();
    EXPECT_EQ(entry.accept(memory), KeypadEntry::Outcome::NotANumber);
    EXPECT_EQ(KeypadEntry::outcomeMessage(KeypadEntry::Outcome::NotANumber).zh,
              QStringLiteral("设定值超限 ！"));
    entry.show(target(0, -5, 100, true), memory);
    entry.pressMinus();
    EXPECT_EQ(entry.accept(memory), KeypadEntry::Outcome::NotANumber);
}

TEST(KeypadEntry, TargetFromTheSlotTakesAnIndirectHighLimit)
{
    SlotTables t;
    t.ByteA[3] = 0x21;
    t.WordA[3] = 10;
    t.WordB[3] = 0x0502;
    t.ByteC[3] = 1;
    t.ByteD[3] = 1;
    t.LongA[3] = 500;
    t.LongB[3] = -20;
    RegisterMemory memory;
    memory.setWord(2, 500, 1234);
    const KeypadTarget target = keypadTargetOf(t, 3, memory);
    EXPECT_EQ(target.area, 2);
    EXPECT_TRUE(target.is32);
    EXPECT_EQ(target.decimals, 2);
    EXPECT_TRUE(target.isSigned);
    EXPECT_FALSE(target.signed16);
    EXPECT_EQ(target.high, 1234);
    EXPECT_EQ(target.low, -20);
}

} // namespace
