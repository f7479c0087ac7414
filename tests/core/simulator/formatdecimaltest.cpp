#include "simulator/formatdecimal.h"

#include <gtest/gtest.h>

using namespace brevix::sim;

namespace {

struct FormatCase
{
    const char *text;
    int d;
    const char *expected;
};

class FormatDecimalTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatDecimalTest, PlacesTheDecimalPoint)
{
    const FormatCase c = GetParam();
    EXPECT_EQ(FormatDecimal(QString::fromLatin1(c.text), c.d), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatDecimalTest,
                         testing::Values(FormatCase{"-5", 1, "-0.5"}, FormatCase{"5", 1, "0.5"},
                                         FormatCase{"123", 0, "123"}, FormatCase{"007", 0, "7"},
                                         FormatCase{"12345", 2, "123.45"},
                                         FormatCase{"-12345", 2, "-123.45"},
                                         FormatCase{"7", 3, "0.007"}, FormatCase{"-7", 3, "-0.007"},
                                         FormatCase{"100", 2, "1.00"},
                                         FormatCase{"1", 9, "0.000000001"},
                                         FormatCase{"55", 10, "55"},
                                         FormatCase{"*****", 2, "*****"}, FormatCase{"", 1, ""}));

struct ParseCase
{
    const char *text;
    int d;
    long long expected; // -1: not a number
};

class KeypadParserTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(KeypadParserTest, ReadsDecimalPlaces)
{
    const ParseCase c = GetParam();
    const auto value = parseKeypadDecimal(QString::fromLatin1(c.text), c.d);
    if (c.expected < 0) {
        EXPECT_FALSE(value.has_value());
    } else {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, KeypadParserTest,
                         testing::Values(ParseCase{"12.3", 1, 123}, ParseCase{"12", 1, 120},
                                         ParseCase{"12.34", 1, 123}, ParseCase{"1.5", 2, 150},
                                         ParseCase{"12.5", 2, 1250}, ParseCase{"123.5", 2, 12350},
                                         ParseCase{"1.25", 2, 125}, ParseCase{"99.99", 2, 9999},
                                         ParseCase{"100.01", 2, 10001}, ParseCase{"7", 2, 700},
                                         ParseCase{"0.", 1, 0}, ParseCase{"12.", 1, 120},
                                         ParseCase{"1.234", 3, 1234}, ParseCase{"1", 3, 1000},
                                         ParseCase{"42", 0, 42}, ParseCase{"", 0, -1},
                                         ParseCase{"", 2, -1}, ParseCase{"1.2.3", 2, -1},
                                         ParseCase{"-", 0, -1}, ParseCase{"1a", 0, -1}));

} // namespace
