#include "elements/positionrules.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

TEST(PositionRules, MarginOfFivePixels)
{
    const struct
    {
        std::uint16_t stored;
        int shown;
    } cases[] = {{5, 0}, {6, 1}, {325, 320}, {0, -5}};
    for (const auto &c : cases) {
        EXPECT_EQ(shownFromStored(c.stored), c.shown) << c.stored;
        EXPECT_EQ(storedFromShown(c.shown), c.stored) << c.shown;
    }
}

TEST(PositionRules, StoredValueStaysInAWord)
{
    EXPECT_EQ(storedFromShown(70000), 0xFFFF);
    EXPECT_EQ(storedFromShown(-20), 0);
}

TEST(PositionRules, LimitsFromCanvas)
{
    const PositionLimits l = positionLimits(QSize(320, 240));
    EXPECT_EQ(l.maxLeft, 312);
    EXPECT_EQ(l.maxTop, 232);
    EXPECT_EQ(l.maxWidth, 320);
    EXPECT_EQ(l.maxHeight, 240);
    const PositionLimits tiny = positionLimits(QSize(0, 0));
    EXPECT_EQ(tiny.maxLeft, 0);
    EXPECT_EQ(tiny.maxWidth, 8);
}

} // namespace
} // namespace brevix
