#include "editing/areaselection.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

class AreaSelectionTest : public ::testing::Test
{
protected:
    void put(int slot, int l, int t, int w, int h)
    {
        PageRecord &r = project.record(1);
        r.Kind[slot] = 1;
        r.Left[slot] = std::uint16_t(l);
        r.Top[slot] = std::uint16_t(t);
        r.Width[slot] = std::uint16_t(w);
        r.Height[slot] = std::uint16_t(h);
    }
    Project project;
};

TEST_F(AreaSelectionTest, BoundariesOfTheFrame)
{
    put(0, 20, 20, 30, 10); // right edge 50 = frame right: outside
    put(1, 20, 40, 29, 10); // right edge 49: inside
    put(2, 10, 60, 30, 10); // starts left of the frame: outside
    put(3, 30, 70, 10, 10); // bottom 80 = frame bottom: outside
    put(4, 30, 65, 10, 14); // bottom 79: inside
    put(5, 20, 20, 5, 5);   // Kind 0 below: skipped
    project.record(1).Kind[5] = 0;
    const QRect frame(20, 20, 30, 60); // right 50, bottom 80
    EXPECT_EQ(slotsInsideFrame(project.record(1), frame), (std::vector<int>{1, 4}));
}

TEST_F(AreaSelectionTest, FrameShrinksToTheSelectedElements)
{
    put(7, 40, 50, 20, 10);
    put(3, 30, 70, 10, 5);
    const AreaSelection a = selectArea(project.record(1), areaFrameFromDrag({200, 200}, {0, 0}));
    EXPECT_EQ(a.members, (std::vector<int>{3, 7}));
    EXPECT_EQ(a.referenceSlot(), 3);
    EXPECT_EQ(a.frame, QRect(30, 50, 30, 25));
    EXPECT_EQ(slotListHex(a.members), QStringLiteral("0307"));
}

TEST_F(AreaSelectionTest, DragIsKeptInsideThePageArea)
{
    EXPECT_EQ(areaFrameFromDrag({2, 1}, {40, 30}), QRect(5, 5, 35, 25));
    const AreaSelection none = selectArea(project.record(1), QRect(5, 5, 35, 25));
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.referenceSlot(), -1);
}

TEST(AreaSelectionHelpers, MarkersAndShiftGroups)
{
    EXPECT_EQ(markerPositions(QRect(10, 20, 30, 40)),
              (std::vector<QPoint>{{10, 20}, {35, 20}, {10, 55}, {35, 55}}));
    std::vector<int> group;
    toggleGroupSlot(group, 9);
    toggleGroupSlot(group, 2);
    toggleGroupSlot(group, 150);
    EXPECT_EQ(group, (std::vector<int>{2, 9, 150}));
    toggleGroupSlot(group, 9);
    EXPECT_EQ(group, (std::vector<int>{2, 150}));
    EXPECT_EQ(slotListHex(group), QStringLiteral("0296"));
}

} // namespace
} // namespace brevix
