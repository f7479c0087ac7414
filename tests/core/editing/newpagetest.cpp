#include "editing/newpage.h"
#include "editing/statustext.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

TEST(NewPage, ProposesTheNextNumberAndItsName)
{
    Project project;
    project.resetToNew();
    project.createPage(2, "Window2");
    project.currentPage = 2;
    EXPECT_EQ(proposedPageNumber(project), 3);
    EXPECT_EQ(proposedPageName(3), QStringLiteral("Window3"));
    project.currentPage = 240;
    EXPECT_EQ(proposedPageNumber(project), 3); // the lowest free page
}

TEST(NewPage, NameFollowsTheNumberOnlyWhileItIsTheProposedOne)
{
    EXPECT_EQ(pageNameAfterNumberChange(QStringLiteral("Window3"), 7), QStringLiteral("Window7"));
    EXPECT_EQ(pageNameAfterNumberChange(QStringLiteral("Windows"), 7), QStringLiteral("Window7"));
    EXPECT_EQ(pageNameAfterNumberChange(QStringLiteral("Pump"), 7), QStringLiteral("Pump"));
    EXPECT_EQ(pageNameAfterNumberChange(QStringLiteral("window3"), 7), QStringLiteral("window3"));
}

TEST(PageJumpList, AlwaysTwoHundredFiftySixItems)
{
    Project project;
    for (Language language : {Language::Chinese, Language::English}) {
        EXPECT_EQ(pageJumpList(project, language).size(), 256);
    }
    project.resetToNew();
    project.createPage(240, "Last");
    const QStringList zh = pageJumpList(project, Language::Chinese);
    ASSERT_EQ(zh.size(), 256);
    EXPECT_EQ(zh[0], QStringLiteral("当前页"));
    EXPECT_EQ(zh[1], QStringLiteral("1: Window1"));
    EXPECT_EQ(zh[2], QStringLiteral("2: ÷÷÷÷÷÷"));
    EXPECT_EQ(zh[240], QStringLiteral("240: Last"));
    EXPECT_EQ(zh[241], QStringLiteral("241: 系统保留"));
    EXPECT_EQ(zh[250], QStringLiteral("250: 密码输入画面"));
    EXPECT_EQ(zh[255], QStringLiteral("255: 系统保留"));
    const QStringList en = pageJumpList(project, Language::English);
    EXPECT_EQ(en[0], QStringLiteral("Current page"));
    EXPECT_EQ(en[249], QStringLiteral("249: Sys.Reserve"));
    EXPECT_EQ(en[253], QStringLiteral("253: Language Window"));
}

TEST(PageCaption, NumberBeforeTheColon)
{
    Project project;
    project.resetToNew();
    EXPECT_EQ(pageCaption(project, 1), QStringLiteral("1:Window1"));
    EXPECT_EQ(pageNumberFromCaption(QStringLiteral("12:Pump:A")), 12);
    EXPECT_EQ(pageNumberFromCaption(QStringLiteral(":x")), 0);
    EXPECT_EQ(pageNumberFromCaption(QStringLiteral("abc:x")), 0);
}

TEST(StatusText, SelectedElementAndPointer)
{
    Project project;
    PageRecord &r = project.record(1);
    r.Kind[0] = 34;
    r.Left[0] = 25;
    r.Top[0] = 15;
    r.Width[0] = 80;
    r.Height[0] = 32;
    EXPECT_EQ(selectionStatusText(r, 0, Language::English),
              QStringLiteral(" Bit Ope.Switch at[20,10] W:80  H:32"));
    EXPECT_EQ(selectionStatusText(r, 0, Language::Chinese),
              QStringLiteral(" 位操作开关 at[20,10] W:80  H:32"));
    EXPECT_EQ(pointerStatusText(0, 0), QStringLiteral(" X: 0  Y: 0"));
    EXPECT_TRUE(elementKindTitle(21).isEmpty());
}

} // namespace
} // namespace brevix
