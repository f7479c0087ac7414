#include "editing/align.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

struct AlignCase
{
    int n;
    // Expected geometry of ids 2 (reference), 5 and 9 after the operation.
    std::array<std::array<int, 4>, 3> expected;
};

class AlignTest : public ::testing::TestWithParam<AlignCase>
{
};

// The reference is slot 2 even though slot 9 is further left and higher up.
TEST_P(AlignTest, LowestSlotIsTheReference)
{
    Project project;
    PageRecord &r = project.record(1);
    const int ids[] = {2, 5, 9};
    const int geometry[3][4] = {{100, 60, 40, 20}, {150, 90, 21, 11}, {20, 10, 60, 30}};
    for (int i = 0; i < 3; ++i) {
        r.Kind[ids[i]] = 1;
        r.Left[ids[i]] = std::uint16_t(geometry[i][0]);
        r.Top[ids[i]] = std::uint16_t(geometry[i][1]);
        r.Width[ids[i]] = std::uint16_t(geometry[i][2]);
        r.Height[ids[i]] = std::uint16_t(geometry[i][3]);
    }
    const AlignCase c = GetParam();
    ASSERT_TRUE(alignElements(r, {9, 2, 5}, c.n));
    for (int i = 0; i < 3; ++i) {
        const int s = ids[i];
        EXPECT_EQ((std::array<int, 4>{r.Left[s], r.Top[s], r.Width[s], r.Height[s]}),
                  c.expected[size_t(i)])
            << "operation " << c.n << " slot " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, AlignTest,
    ::testing::Values(AlignCase{1, {{{100, 60, 40, 20}, {100, 90, 21, 11}, {100, 10, 60, 30}}}},
                      AlignCase{2, {{{100, 60, 40, 20}, {110, 90, 21, 11}, {90, 10, 60, 30}}}},
                      AlignCase{3, {{{100, 60, 40, 20}, {119, 90, 21, 11}, {80, 10, 60, 30}}}},
                      AlignCase{4, {{{100, 60, 40, 20}, {150, 60, 21, 11}, {20, 60, 60, 30}}}},
                      AlignCase{5, {{{100, 60, 40, 20}, {150, 65, 21, 11}, {20, 55, 60, 30}}}},
                      AlignCase{6, {{{100, 60, 40, 20}, {150, 69, 21, 11}, {20, 50, 60, 30}}}},
                      AlignCase{7, {{{100, 60, 40, 20}, {150, 90, 40, 11}, {20, 10, 40, 30}}}},
                      AlignCase{8, {{{100, 60, 40, 20}, {150, 90, 21, 20}, {20, 10, 60, 20}}}},
                      AlignCase{9, {{{100, 60, 40, 20}, {150, 90, 40, 20}, {20, 10, 40, 20}}}}));

TEST(Align, RefusesUnknownOperationsAndEmptySelections)
{
    Project project;
    EXPECT_FALSE(alignElements(project.record(1), {}, 1));
    EXPECT_FALSE(alignElements(project.record(1), {1}, 10));
    EXPECT_FALSE(alignElements(project.record(1), {1}, 0));
}

TEST(Align, NeverWrapsAPositionBelowZero)
{
    Project project;
    PageRecord &r = project.record(1);
    r.Left[0] = 6;
    r.Width[0] = 10;
    r.Left[1] = 100;
    r.Width[1] = 60;
    ASSERT_TRUE(alignElements(r, {0, 1}, 3)); // 6 + 10 - 60 < 0
    EXPECT_EQ(r.Left[1], 0);
}

} // namespace
} // namespace brevix
