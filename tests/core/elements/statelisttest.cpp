#include "elements/statelist.h"

#include "text/gbk.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

TEST(StateList, DecodesEntries)
{
    const struct
    {
        const char *entry;
        int row;
        const char *value, *content;
    } cases[] = {
        {"Run000A", 1, "10", "Run"},    {"ABCD0000", 3, "0", "ABCD"},
        {"Stop", 3, "2", "Stop"},       {"", 4, "0", ""},
        {"xyz00G1", 2, "1", "xyz00G1"}, {"0x0A", 5, "4", "0x0A"},
        {"AB", 2, "171", ""},           {"Mixffff", 1, "65535", "Mix"},
    };
    for (const auto &c : cases) {
        const StateCell cell = decodeStateEntry(QString::fromLatin1(c.entry), c.row);
        EXPECT_EQ(cell.value, QString::fromLatin1(c.value)) << c.entry;
        EXPECT_EQ(cell.content, QString::fromLatin1(c.content)) << c.entry;
    }
}

TEST(StateList, EncodesContentAndFourDigits)
{
    const struct
    {
        const char *value, *content, *entry;
    } cases[] = {
        {"10", "Run", "Run000A"}, {"0", "ABCD", "ABCD0000"}, {"abc", "X", "X0000"},
        {"65535", "", "FFFF"},    {" 7 ", "s", "s0007"},     {"65536", "w", "w0000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(encodeStateEntry({QString::fromLatin1(c.value), QString::fromLatin1(c.content)}),
                  QByteArray(c.entry))
            << c.content;
}

TEST(StateList, LongContentKeepsTheDigits)
{
    const QByteArray e = encodeStateEntry({QStringLiteral("1"), QString(40, QLatin1Char('x'))});
    EXPECT_EQ(e.size(), 30);
    EXPECT_TRUE(e.endsWith("0001"));
    // Fourteen Chinese characters are 28 bytes: one is dropped whole, never split.
    const QByteArray z = encodeStateEntry({QStringLiteral("2"), QString(14, QChar(0x4E2D))});
    EXPECT_EQ(z.size(), 26 + 4);
    EXPECT_EQ(fromGbk(z.left(26)), QString(13, QChar(0x4E2D)));
}

TEST(StateList, EncodeThenDecodeGivesTheCellBack)
{
    const StateCell cell{QStringLiteral("300"), QStringLiteral("运行")};
    const StateCell back = decodeStateEntry(fromGbk(encodeStateEntry(cell)), 1);
    EXPECT_EQ(back.value, cell.value);
    EXPECT_EQ(back.content, cell.content);
}

TEST(StateList, DuplicatesAreFoundAsText)
{
    EXPECT_EQ(findDuplicateValues({"0", "1", "2"}), 0);
    EXPECT_EQ(findDuplicateValues({"0", "1", "1"}), 2 * 256 + 3);
    EXPECT_EQ(findDuplicateValues({"5", "1", "5", "1"}), 1 * 256 + 3);
    EXPECT_EQ(findDuplicateValues({"07", "7"}), 0);
    EXPECT_EQ(findDuplicateValues({}), 0);
}

TEST(StateList, DuplicateMessagesNameRowsMinusOne)
{
    const Message m = duplicateValueMessage(2, 2 * 256 + 3);
    EXPECT_EQ(m.zh, QStringLiteral("语言二数值栏，有2个数值重复 ！\r看看ID:1  ID:2"));
    EXPECT_EQ(m.en,
              QStringLiteral(
                  "Language 2 numeric Bar, there are 2 numerical repetition!\rLook ID:1  ID:2"));
    EXPECT_TRUE(duplicateValueMessage(1, 257 + 1).zh.startsWith(QStringLiteral("语言一")));
}

TEST(StateList, CapacityBySlot)
{
    EXPECT_EQ(stateCapacity(135), 100);
    EXPECT_EQ(stateCapacity(149), 100);
    EXPECT_EQ(stateCapacity(150), 20);
    EXPECT_EQ(stateCapacity(199), 20);
    EXPECT_EQ(stateCapacity(10), 0);
}

TEST(StateList, RaisedCountRenumbersZeroRows)
{
    EXPECT_EQ(renumberZeroValues({"0", "5", "7", "0", "0"}),
              QStringList({"0", "5", "7", "3", "4"}));
    EXPECT_EQ(renumberZeroValues({"00", "0"}), QStringList({"00", "1"}));
}

TEST(StateList, CellLimits)
{
    EXPECT_EQ(cutStateCell(QStringLiteral("1234567"), true), QStringLiteral("12345"));
    EXPECT_EQ(cutStateCell(QString(30, QLatin1Char('a')), false).size(), 26);
    EXPECT_EQ(cutStateCell(QString(20, QChar(0x4E2D)), false), QString(13, QChar(0x4E2D)));
}

} // namespace
} // namespace brevix
