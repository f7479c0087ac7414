#include "model/project.h"

#include <gtest/gtest.h>

using namespace brevix;

namespace {

void fill(Project &p, int page, int from, int to, int kind)
{
    for (int s = from; s <= to; ++s)
        p.record(page).Kind[s] = std::uint8_t(kind);
}

} // namespace

TEST(Project, NewProjectHasPageOneAndTheNewValues)
{
    Project p;
    p.resetToNew();
    EXPECT_TRUE(p.PageExists(1));
    EXPECT_EQ(p.record(1).PageStrings[PageName].bytes(), "Window1");
    EXPECT_EQ(p.record(1).PageStrings[BackColorText].bytes(), "16776960");
    EXPECT_EQ(p.currentPage, 1);
    EXPECT_EQ(p.HighestPageInUse(), 1);
    const ProjectRecord &s = p.settings();
    EXPECT_EQ(s.WordA[0], 1);
    EXPECT_EQ(s.TextA[0].bytes(), "5807");
    EXPECT_EQ(s.LongA[3], 1);
    EXPECT_EQ(s.LongA[6], 255);
    EXPECT_EQ(s.LongA[10], 2180);
    EXPECT_EQ(s.LongB[11], 201);
    EXPECT_EQ(s.WordA[12], 2100);
    EXPECT_EQ(s.Height[1], 1);
    EXPECT_EQ(s.ByteB[2], 1);
}

TEST(Project, TwoProjectsAreIndependent)
{
    Project a, b;
    a.resetToNew();
    EXPECT_FALSE(b.PageExists(1));
    Project c = a;
    c.deletePage(1);
    EXPECT_TRUE(a.PageExists(1));
    EXPECT_FALSE(c.PageExists(1));
}

TEST(Project, InUseMarkMustMatchExactly)
{
    Project p;
    for (const char *mark : {"use", "Use ", "USE", "Us"}) {
        p.record(3).PageStrings[InUseMark].setBytes(mark);
        EXPECT_FALSE(p.PageExists(3)) << mark;
    }
    p.record(3).PageStrings[InUseMark].setBytes("Use");
    EXPECT_TRUE(p.PageExists(3));
    EXPECT_EQ(p.HighestPageInUse(), 3);
}

TEST(FindFreeSlot, TwoHundredTextsFillTheUsableSlots)
{
    Project p;
    for (int i = 0; i < 200; ++i) {
        const auto slot = p.FindFreeSlot(1, 1);
        ASSERT_TRUE(slot.has_value());
        EXPECT_EQ(*slot, i);
        p.record(1).Kind[*slot] = 1;
    }
    EXPECT_FALSE(p.FindFreeSlot(1, 1).has_value());
    EXPECT_EQ(p.record(1).Kind[200], 0);
    EXPECT_EQ(Project::pageFullWarning().zh, QStringLiteral("不再有这种类型的部件 ！"));
}

TEST(FindFreeSlot, ListKindsStartAt135)
{
    Project p;
    EXPECT_EQ(p.FindFreeSlot(1, 7), 135);
    fill(p, 1, 135, 149, 7);
    EXPECT_EQ(p.FindFreeSlot(1, 7), 150);            // lists of 20 from here
    EXPECT_FALSE(p.FindFreeSlot(1, 12).has_value()); // reserved kinds stay in 135..149
    p.record(1).Kind[140] = 0;
    EXPECT_EQ(p.FindFreeSlot(1, 7), 140);
    EXPECT_EQ(p.FindFreeSlot(1, 13), 140);
}

TEST(FindFreeSlot, OrdinaryKindsTakeFreeSlotsAbove135)
{
    Project p;
    fill(p, 2, 0, 139, 1);
    EXPECT_EQ(p.FindFreeSlot(2, 2), 140);
}

TEST(SendSlotToBack, MovesTheSlotBelowAllOthers)
{
    Project p;
    for (int s = 0; s <= 5; ++s) {
        p.record(1).Kind[s] = 1;
        p.record(1).Left[s] = std::uint16_t(100 + s);
    }
    p.SendSlotToBack(1, 5);
    EXPECT_EQ(p.record(1).Left[0], 105);
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(p.record(1).Left[s], 100 + s - 1);

    Project q = p;
    q.SendSlotToBack(1, 0);
    EXPECT_EQ(std::memcmp(&q.record(1), &p.record(1), sizeof(PageRecord)), 0);
}

TEST(Pages, RecreatedPageInheritsUntouchedHeaderEntries)
{
    Project p;
    p.resetToNew();
    p.createPage(4, "Alarm");
    p.record(4).PageStrings[KeyJumpTextFirst + 3].setBytes("7");
    p.record(4).PageStrings[CustomSizeMark].setBytes("Y");
    p.record(4).Kind[0] = 1;
    p.deletePage(4);
    EXPECT_FALSE(p.PageExists(4));
    EXPECT_EQ(p.record(4).Kind[0], 1); // only the mark goes
    p.createPage(4, "Again");
    EXPECT_EQ(p.record(4).Kind[0], 0);
    EXPECT_EQ(p.keyJumpTarget(4, 3), 7);
    EXPECT_TRUE(p.record(4).PageStrings[CustomSizeMark].equals("Y"));
}

TEST(Pages, HeaderNumbersFallBack)
{
    Project p;
    p.resetToNew();
    EXPECT_EQ(p.pageBackColor(2), 16777215);
    EXPECT_EQ(p.pageRegisterOffset(2), 0);
    p.record(2).PageStrings[KeyJumpTextFirst].setBytes("x");
    EXPECT_EQ(p.keyJumpTarget(2, 0), 0);
    EXPECT_EQ(p.pageSize(1), QSize(320, 240));
    p.record(1).PageStrings[CustomSizeMark].setBytes("Y");
    p.record(1).PageStrings[CustomWidthText].setBytes("200");
    p.record(1).PageStrings[CustomHeightText].setBytes("bad");
    EXPECT_EQ(p.pageSize(1), QSize(320, 240));
}
