#include "editing/paste.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

class PasteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.resetToNew();
        Project::CopyRecord(clip, project.record(1));
    }
    Project project;
    PageRecord clip{};
    const QSize page{320, 240};
};

TEST_F(PasteTest, RepeatedPastesStepDownRight)
{
    clip.Kind[4] = 3;
    clip.Left[4] = 50;
    clip.Top[4] = 40;
    clip.Width[4] = 20;
    clip.Height[4] = 20;
    clip.TextA[4].setBytes("lamp");
    const int expected[3][2] = {{60, 46}, {70, 52}, {80, 58}};
    for (int i = 0; i < 3; ++i) {
        const auto slot = Paste1PcsOrgan(project, 1, clip, 4, page);
        ASSERT_TRUE(slot.has_value());
        EXPECT_EQ(*slot, i);
        EXPECT_EQ(project.currentSlot, i);
        const PageRecord &r = project.record(1);
        EXPECT_EQ(r.Left[i], expected[i][0]);
        EXPECT_EQ(r.Top[i], expected[i][1]);
        EXPECT_EQ(r.Kind[i], 3);
        EXPECT_EQ(r.TextA[i].bytes(), QByteArray("lamp"));
    }
}

TEST_F(PasteTest, ClippedToThePage)
{
    clip.Kind[0] = 1;
    clip.Left[0] = 300;
    clip.Top[0] = 230;
    clip.Width[0] = 40;
    clip.Height[0] = 20;
    const auto slot = Paste1PcsOrgan(project, 1, clip, 0, page);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(project.record(1).Left[*slot], 280);
    EXPECT_EQ(project.record(1).Top[*slot], 220);
}

TEST_F(PasteTest, ListsAreCutToTheSmallerCapacity)
{
    clip.Kind[140] = 7;
    for (int j = 1; j <= 100; ++j) {
        clip.ListStrings[Project::listPoolIndex(140, 1, j)].setBytes(QByteArray::number(j));
        clip.ListStrings[Project::listPoolIndex(140, 2, j)].setBytes("e" + QByteArray::number(j));
    }
    for (int s = 135; s < 150; ++s)
        project.record(1).Kind[s] = 7;
    const auto slot = Paste1PcsOrgan(project, 1, clip, 140, page);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(*slot, 150);
    EXPECT_EQ(project.ListEntry(1, 150, 1, 20).bytes(), QByteArray("20"));
    EXPECT_EQ(project.ListEntry(1, 150, 2, 1).bytes(), QByteArray("e1"));
    EXPECT_EQ(project.ListEntry(1, 150, 2, 20).bytes(), QByteArray("e20"));
    // The next slot's lists were not written past the capacity of 20.
    EXPECT_TRUE(project.ListEntry(1, 151, 1, 1).isEmpty());
}

TEST_F(PasteTest, FullPageRefusesTheKind)
{
    for (int s = 0; s < 200; ++s)
        project.record(1).Kind[s] = 1;
    clip.Kind[0] = 1;
    EXPECT_FALSE(Paste1PcsOrgan(project, 1, clip, 0, page).has_value());
    EXPECT_EQ(project.record(1).Kind[200], 0);
}

TEST_F(PasteTest, PastePagePrefixesTheName)
{
    clip.PageStrings[PageName].setBytes("Window1");
    ASSERT_TRUE(pastePage(project, clip, 7, Language::English).ok());
    EXPECT_TRUE(project.PageExists(7));
    EXPECT_EQ(project.currentPage, 7);
    EXPECT_EQ(project.record(7).PageStrings[PageName].bytes(), QByteArray("NewWindow1"));
    EXPECT_EQ(project.record(7).PageStrings[PageNumberText].bytes(), QByteArray("7"));

    ASSERT_TRUE(pastePage(project, clip, 8, Language::Chinese).ok());
    EXPECT_EQ(project.record(8).PageStrings[PageName].text(), QStringLiteral("新Window1"));

    clip.PageStrings[PageName].setBytes("ABCDEFGHIJKLMNOPQRST");
    ASSERT_TRUE(pastePage(project, clip, 9, Language::English).ok());
    EXPECT_EQ(project.record(9).PageStrings[PageName].bytes(), QByteArray("NewABCDEFGHIJKLMNOPQ"));
}

TEST_F(PasteTest, PastePageOntoAnExistingPageIsRefused)
{
    const Result r = pastePage(project, clip, 1, Language::Chinese);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message().zh, QStringLiteral("1 号画面已存在 ！"));
    EXPECT_EQ(r.message().en, QStringLiteral("Window1 already exists ！"));
}

} // namespace
} // namespace brevix
