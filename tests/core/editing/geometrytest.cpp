#include "editing/geometry.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

const QSize kPage(320, 240);

TEST(RepairGeometry, PositionBeyondThePageAndZeroSize)
{
    Project project;
    PageRecord &r = project.record(1);
    r.Left[3] = 400;
    r.Top[3] = 100;
    r.Width[3] = 0;
    r.Height[3] = 500;
    EXPECT_TRUE(repairGeometry(r, 3, kPage));
    EXPECT_EQ(r.Left[3], 6);
    EXPECT_EQ(r.Top[3], 100);
    EXPECT_EQ(r.Width[3], 16);
    EXPECT_EQ(r.Height[3], 240);
    EXPECT_FALSE(repairGeometry(r, 3, kPage));
}

struct ArrowCase
{
    QRect rect;
    ArrowKey key;
    QPoint expected;
};

class ArrowStepTest : public ::testing::TestWithParam<ArrowCase>
{
};

TEST_P(ArrowStepTest, TwoPixelsAndStopsAtTheEdge)
{
    const ArrowCase c = GetParam();
    EXPECT_EQ(arrowStep(c.rect, c.key, kPage), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ArrowStepTest,
    ::testing::Values(ArrowCase{QRect(50, 50, 20, 10), ArrowKey::Right, QPoint(52, 50)},
                      ArrowCase{QRect(50, 50, 20, 10), ArrowKey::Up, QPoint(50, 48)},
                      // Right edge at 324: one step to 325 (= width + 5), then it stops.
                      ArrowCase{QRect(304, 50, 20, 10), ArrowKey::Right, QPoint(305, 50)},
                      ArrowCase{QRect(305, 50, 20, 10), ArrowKey::Right, QPoint(305, 50)},
                      ArrowCase{QRect(7, 50, 20, 10), ArrowKey::Left, QPoint(5, 50)},
                      ArrowCase{QRect(6, 50, 20, 10), ArrowKey::Left, QPoint(5, 50)},
                      ArrowCase{QRect(5, 50, 20, 10), ArrowKey::Left, QPoint(5, 50)},
                      ArrowCase{QRect(50, 234, 20, 10), ArrowKey::Down, QPoint(50, 235)},
                      ArrowCase{QRect(50, 5, 20, 10), ArrowKey::Up, QPoint(50, 5)}));

TEST(ClampMove, KeepsTheControlInsideTheUsableArea)
{
    // Usable area 6..324 horizontally for a page 320 wide.
    EXPECT_EQ(clampMove(QRect(100, 100, 20, 10), kPage), QPoint(100, 100));
    EXPECT_EQ(clampMove(QRect(310, 100, 20, 10), kPage), QPoint(304, 100));
    EXPECT_EQ(clampMove(QRect(-30, 2, 20, 10), kPage), QPoint(6, 6));
    EXPECT_EQ(clampMove(QRect(100, 300, 20, 10), kPage), QPoint(100, 234));
    // Wider than the page: the left edge would end left of the area, so it goes to the left limit.
    EXPECT_EQ(clampMove(QRect(100, 100, 400, 10), kPage), QPoint(6, 100));
}

TEST(Handles, PositionsAroundTheFrame)
{
    const QRect frame(20, 30, 41, 21);
    EXPECT_EQ(handlePosition(Handle::TopLeft, frame), QPoint(18, 28));
    EXPECT_EQ(handlePosition(Handle::TopCentre, frame), QPoint(38, 28));
    EXPECT_EQ(handlePosition(Handle::TopRight, frame), QPoint(58, 28));
    EXPECT_EQ(handlePosition(Handle::CentreLeft, frame), QPoint(18, 38));
    EXPECT_EQ(handlePosition(Handle::CentreRight, frame), QPoint(58, 38));
    EXPECT_EQ(handlePosition(Handle::BottomLeft, frame), QPoint(18, 48));
    EXPECT_EQ(handlePosition(Handle::BottomCentre, frame), QPoint(38, 48));
    EXPECT_EQ(handlePosition(Handle::BottomRight, frame), QPoint(58, 48));
}

TEST(Handles, LineShowsOnlyItsEnds)
{
    int shown = 0;
    for (int i = 0; i < kHandleCount; ++i)
        shown += handleVisible(Handle(i), 27, 0) ? 1 : 0;
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(handleVisible(Handle::TopLeft, 27, 0));
    EXPECT_TRUE(handleVisible(Handle::BottomRight, 27, 0));
    EXPECT_TRUE(handleVisible(Handle::TopRight, 27, 1));
    EXPECT_TRUE(handleVisible(Handle::BottomLeft, 27, 1));
    EXPECT_FALSE(handleVisible(Handle::TopLeft, 27, 1));
    EXPECT_TRUE(handleVisible(Handle::TopCentre, 1, 0));
    EXPECT_FALSE(isResizable(6));
    EXPECT_TRUE(isResizable(27));
}

struct ResizeCase
{
    Handle handle;
    QPoint to;
    int kind;
    ElementGeometry expected;
};

class ResizeTest : public ::testing::TestWithParam<ResizeCase>
{
};

// Element at 100,100 of 40 x 30: right 140, bottom 130.
TEST_P(ResizeTest, HandleTable)
{
    const ResizeCase c = GetParam();
    const ElementGeometry g{100, 100, 40, 30, 0};
    EXPECT_EQ(resizeByHandle(c.handle, c.to, g, c.kind), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResizeTest,
    ::testing::Values(
        ResizeCase{Handle::TopLeft, {88, 78}, 1, {90, 80, 50, 50, 0}},
        ResizeCase{Handle::TopLeft, {130, 78}, 1, {100, 100, 40, 30, 0}}, // width 8: refused
        ResizeCase{Handle::TopCentre, {118, 118}, 1, {100, 120, 40, 10, 0}},
        ResizeCase{Handle::TopCentre, {118, 120}, 1, {100, 100, 40, 30, 0}}, // height 8
        ResizeCase{Handle::TopRight, {150, 88}, 1, {100, 90, 52, 40, 0}},
        ResizeCase{Handle::CentreLeft, {78, 113}, 1, {80, 100, 60, 30, 0}},
        ResizeCase{Handle::CentreRight, {148, 113}, 1, {100, 100, 50, 30, 0}},
        ResizeCase{Handle::CentreRight, {149, 113}, 1, {100, 100, 50, 30, 0}}, // 51 -> even 50
        ResizeCase{Handle::BottomLeft, {78, 148}, 1, {80, 100, 60, 50, 0}},
        ResizeCase{Handle::BottomCentre, {118, 149}, 1, {100, 100, 40, 50, 0}},
        ResizeCase{Handle::BottomRight, {159, 149}, 1, {100, 100, 60, 50, 0}},
        ResizeCase{Handle::BottomRight, {104, 104}, 1, {100, 100, 40, 30, 0}},
        // A line may become flat: its sizes only have to stay at least 2.
        ResizeCase{Handle::BottomRight, {159, 100}, 27, {100, 100, 60, 2, 0}},
        // Dragged above its upper end, a falling line turns into a rising one.
        ResizeCase{Handle::BottomRight, {159, 78}, 27, {100, 80, 60, 20, 1}}));

TEST(Resize, RisingLineFlipsWhenItsTopEndGoesBelowTheLowerEnd)
{
    const ElementGeometry rising{100, 100, 40, 30, 1};
    EXPECT_EQ(resizeByHandle(Handle::TopRight, {148, 148}, rising, 27),
              (ElementGeometry{100, 130, 50, 20, 0}));
    EXPECT_EQ(resizeByHandle(Handle::TopRight, {148, 88}, rising, 27),
              (ElementGeometry{100, 90, 50, 40, 1}));
}

TEST(EditorPageSize, CustomSizeThatDoesNotParse)
{
    Project project;
    project.resetToNew();
    EXPECT_EQ(editorPageSize(project, 1), QSize(320, 240));
    project.record(1).PageStrings[CustomSizeMark].setBytes("Y");
    project.record(1).PageStrings[CustomWidthText].setBytes("abc");
    project.record(1).PageStrings[CustomHeightText].setBytes("50");
    EXPECT_EQ(editorPageSize(project, 1), QSize(200, 100));
    project.record(1).PageStrings[CustomWidthText].setBytes("640");
    EXPECT_EQ(editorPageSize(project, 1), QSize(640, 50));
}

} // namespace
} // namespace brevix
