#include "text/gbk.h"
#include "model/shortstring.h"
#include "text/numbertext.h"

#include <gtest/gtest.h>

using namespace brevix;

TEST(Gbk, ConvertsChineseBothWays)
{
    EXPECT_EQ(toGbk(QStringLiteral("中")), QByteArray("\xD6\xD0"));
    EXPECT_EQ(fromGbk(QByteArray("\xD6\xD0"
                                 "A")),
              QStringLiteral("中A"));
}

struct CutCase
{
    const char *bytes;
    int max;
    int expected;
};

class GbkCut : public ::testing::TestWithParam<CutCase>
{
};

TEST_P(GbkCut, NeverSplitsATwoByteCharacter)
{
    const CutCase c = GetParam();
    EXPECT_EQ(gbkCutLength(c.bytes, qsizetype(strlen(c.bytes)), c.max), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GbkCut,
    ::testing::Values(CutCase{"abc", 5, 3}, CutCase{"abcdef", 4, 4},
                      CutCase{"a\xD6\xD0", 2, 1},        // cut would fall inside 中
                      CutCase{"a\xD6\xD0", 3, 3},        // exactly fits
                      CutCase{"\xD6\xD0\xD6\xD0", 3, 2}, // second character dropped whole
                      CutCase{"ab\xD6", 3, 3}));         // a lone lead byte at the end stays

TEST(ShortString, StoresAtMostNBytesOnCharacterBoundaries)
{
    ShortString<20> s{};
    s.setText(QString(11, QChar(0x4E2D))); // eleven Chinese characters = 22 bytes
    EXPECT_EQ(s.length, 20);
    EXPECT_EQ(s.text(), QString(10, QChar(0x4E2D)));

    s.setText(QStringLiteral("a") + QString(10, QChar(0x4E2D))); // 21 bytes
    EXPECT_EQ(s.length, 19);
    EXPECT_EQ(s.text(), QStringLiteral("a") + QString(9, QChar(0x4E2D)));
}

TEST(ShortString, DamagedLengthByteIsClamped)
{
    ShortString<20> s{};
    s.length = 250;
    EXPECT_EQ(s.bytes().size(), 20);
}

TEST(NumberText, ParsesWithFallbacks)
{
    EXPECT_EQ(decimalOr("16777215", 0), 16777215);
    EXPECT_EQ(decimalOr("", 7), 7);
    EXPECT_EQ(decimalOr("12x", 7), 7);
    EXPECT_EQ(decimalOr(" 42 ", 7), 42);
    EXPECT_FALSE(parseDecimal("abc").has_value());
}
