#include "model/undohistory.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

class UndoHistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.resetToNew();
        history.EditFileBackup(project); // activation: the baseline
    }
    // One change: a new element whose Left tells which change it was.
    void change(int n)
    {
        project.record(1).Kind[n] = 1;
        project.record(1).Left[n] = std::uint16_t(100 + n);
        history.EditFileBackup(project);
    }
    int elementCount() const
    {
        int count = 0;
        for (int s = 0; s < kSlotCount; ++s)
            count += project.record(1).Kind[s] != 0 ? 1 : 0;
        return count;
    }
    Project project;
    UndoHistory history;
};

TEST_F(UndoHistoryTest, ActivationGivesNothingToUndo)
{
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.count(), 0);
    EXPECT_FALSE(history.undo(project));
}

TEST_F(UndoHistoryTest, FiveChangesAndSixUndos)
{
    for (int n = 1; n <= 5; ++n)
        change(n);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(history.undo(project)) << i;
        EXPECT_EQ(elementCount(), 5 - i);
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(project));
    EXPECT_EQ(elementCount(), 0); // the page as it was at activation
    EXPECT_EQ(history.position(), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(history.redo(project));
    EXPECT_EQ(elementCount(), 5);
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo(project));
}

TEST_F(UndoHistoryTest, OnlyFiveStepsAreKept)
{
    for (int n = 1; n <= 7; ++n)
        change(n);
    int undos = 0;
    while (history.undo(project))
        ++undos;
    EXPECT_EQ(undos, 5);
    EXPECT_EQ(elementCount(), 2);
}

TEST_F(UndoHistoryTest, ChangeAfterUndoDropsRedo)
{
    change(1);
    change(2);
    ASSERT_TRUE(history.undo(project)); // back to one element
    EXPECT_TRUE(history.canRedo());
    change(3); // elements 1 and 3
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo(project));
    ASSERT_TRUE(history.undo(project));
    EXPECT_EQ(elementCount(), 1); // the undone state
    EXPECT_EQ(project.record(1).Kind[1], 1);
    EXPECT_EQ(project.record(1).Kind[2], 0);
}

TEST_F(UndoHistoryTest, AnotherPageStartsAFreshHistory)
{
    change(1);
    project.createPage(2, "Window2");
    project.currentPage = 2;
    history.EditFileBackup(project);
    EXPECT_EQ(history.page(), 2);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(project));
    EXPECT_EQ(project.record(1).Kind[1], 1);
}

} // namespace
} // namespace brevix
