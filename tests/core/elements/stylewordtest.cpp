#include "elements/styleword.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

struct StyleCase
{
    std::uint16_t word;
    StyleWord style;
};

class StyleWordTest : public testing::TestWithParam<StyleCase>
{
};

TEST_P(StyleWordTest, UnpacksAndPacksBack)
{
    const StyleCase &c = GetParam();
    const StyleWord s = unpackStyleWord(c.word);
    EXPECT_EQ(s.border, c.style.border);
    EXPECT_EQ(s.font, c.style.font);
    EXPECT_EQ(s.alignment, c.style.alignment);
    EXPECT_EQ(s.level, c.style.level);
    EXPECT_EQ(packStyleWord(c.style), c.word);
}

INSTANTIATE_TEST_SUITE_P(Words, StyleWordTest,
                         testing::Values(StyleCase{0x0000, {0, 0, 0, 0}},
                                         StyleCase{0x2715, {2, 7, 1, 5}},
                                         StyleCase{0x1020, {1, 0, 2, 0}},
                                         StyleCase{0xFFFF, {15, 15, 15, 15}},
                                         StyleCase{0x0310, {0, 3, 1, 0}}));

TEST(StyleWord, TextDialogWritesBorderAndLevelAsZero)
{
    EXPECT_EQ(packFontAndAlignment(3, 2), 3 * 256 + 2 * 16);
    EXPECT_EQ(packFontAndAlignment(7, 0), 0x0700);
}

TEST(StyleWord, FontCellTable)
{
    const int widths[] = {8, 12, 17, 24, 32, 40, 48, 56};
    const int heights[] = {16, 24, 32, 48, 64, 80, 96, 112};
    for (int n = 0; n < kFontCount; ++n)
        EXPECT_EQ(fontCellSize(n), QSize(widths[n], heights[n])) << n;
    EXPECT_EQ(fontCellSize(9), QSize(56, 112));
    EXPECT_EQ(fontCellSize(-1), QSize(8, 16));
}

TEST(StyleWord, ComboIndexOutsideListSelectsNothing)
{
    EXPECT_EQ(comboIndexFor(2, kBorderCount), 2);
    EXPECT_EQ(comboIndexFor(3, kBorderCount), -1);
    EXPECT_EQ(comboIndexFor(5, kLevelCount), 5);
    EXPECT_EQ(comboIndexFor(6, kLevelCount), -1);
}

} // namespace
} // namespace brevix
