#include "editing/placement.h"
#include "model/project.h"

#include <gtest/gtest.h>

namespace brevix {
namespace {

struct SizeCase
{
    int kind;
    int textSize;
    int width, height;
};

class PlacementSizeTest : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(PlacementSizeTest, PreviewSizeOfKind)
{
    const SizeCase c = GetParam();
    EXPECT_EQ(placementSize(c.kind, c.textSize), QSize(c.width, c.height)) << "kind " << c.kind;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlacementSizeTest,
    ::testing::Values(SizeCase{1, 0, 52, 18}, SizeCase{1, 1, 76, 26}, SizeCase{1, 2, 98, 32},
                      SizeCase{1, 3, 148, 48}, SizeCase{1, 4, 196, 64}, SizeCase{1, 5, 288, 96},
                      SizeCase{2, 1, 60, 26}, SizeCase{3, 1, 20, 20}, SizeCase{4, 1, 200, 100},
                      SizeCase{5, 1, 20, 60}, SizeCase{6, 1, 16, 16}, SizeCase{7, 1, 132, 32},
                      SizeCase{8, 1, 80, 32}, SizeCase{9, 1, 132, 32}, SizeCase{10, 1, 180, 28},
                      SizeCase{11, 1, 158, 28}, SizeCase{15, 1, 467, 180}, SizeCase{20, 1, 100, 50},
                      SizeCase{23, 1, 100, 30}, SizeCase{24, 1, 30, 100}, SizeCase{25, 1, 30, 100},
                      SizeCase{26, 1, 50, 50}, SizeCase{27, 1, 50, 50}, SizeCase{34, 1, 80, 32},
                      SizeCase{30, 1, 0, 0}));

TEST(RegisterSampleText, DigitsDecimalsAndSign)
{
    EXPECT_EQ(registerSampleText(4, 0, false), QByteArray("1234"));
    EXPECT_EQ(registerSampleText(1, 0, false), QByteArray("1"));
    EXPECT_EQ(registerSampleText(1, 1, false), QByteArray("0.1"));
    EXPECT_EQ(registerSampleText(3, 1, false), QByteArray("12.3"));
    EXPECT_EQ(registerSampleText(3, 2, false), QByteArray("1.23"));
    EXPECT_EQ(registerSampleText(3, 3, true), QByteArray("-0.123"));
    EXPECT_EQ(registerSampleText(10, 0, false), QByteArray("1234567890"));
}

class PlacedOrganTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.resetToNew();
        page = &project.record(1);
    }
    int place(int kind, int x = 40, int y = 30)
    {
        const auto slot = project.FindFreeSlot(1, kind);
        EXPECT_TRUE(slot.has_value());
        writePlacementDefaults(project, 1, *slot, kind, x, y);
        return *slot;
    }
    Project project;
    PageRecord *page = nullptr;
};

TEST_F(PlacedOrganTest, CommonDefaultsOfAKindWithoutOwnValues)
{
    const int s = place(27, 12, 34);
    EXPECT_EQ(page->Kind[s], 27);
    EXPECT_EQ(page->Left[s], 12);
    EXPECT_EQ(page->Top[s], 34);
    EXPECT_EQ(page->Width[s], 50);
    EXPECT_EQ(page->Height[s], 50);
    EXPECT_EQ(page->BackColor[s], 0xFFFF00); // the page background of a new project
    EXPECT_EQ(page->LongA[s], 65535);
    EXPECT_EQ(page->WordB[s], 1024);
    EXPECT_EQ(page->WordC[s], 1); // the line's own value over the common 0x2100
}

TEST_F(PlacedOrganTest, TextFollowsTheProjectTextDefaults)
{
    project.settings().LongA[51] = 3;
    project.settings().LongA[52] = 0x123456;
    project.settings().LongA[53] = 0x654321;
    const int s = place(1);
    EXPECT_EQ(page->Width[s], 148);
    EXPECT_EQ(page->WordC[s], 3 * 256 + 0x2000);
    EXPECT_EQ(page->BackColor[s], 0x123456);
    EXPECT_EQ(page->ForeColor[s], 0x654321);
    EXPECT_EQ(page->TextA[s].text(), QStringLiteral("文字串"));
    EXPECT_EQ(page->TextB[s].text(), QStringLiteral("Text"));
    EXPECT_EQ(page->WordB[s], 1);
}

TEST_F(PlacedOrganTest, TrendGraphCarriesItsRangeText)
{
    const int s = place(4);
    const QByteArray all = page->TextA[s].bytes() + page->TextB[s].bytes();
    EXPECT_EQ(page->TextA[s].length, 50);
    EXPECT_EQ(page->TextB[s].length, 49);
    EXPECT_EQ(all.mid(84), QByteArray("000003E8FFFFFF0"));
    EXPECT_EQ(all.left(84), QByteArray(84, '0'));
    EXPECT_EQ(page->ForeColor[s], 0x6C6C6C);
    EXPECT_EQ(page->WordB[s], 0x0603);
    EXPECT_EQ(page->ByteE[s], 48);
    EXPECT_EQ(page->LongA[s], 1000);
}

TEST_F(PlacedOrganTest, DynamicTextGetsItsFirstListEntries)
{
    for (int s = 135; s < 150; ++s)
        page->Kind[s] = 1; // lists of 100 taken: the new one lands in a slot with lists of 20
    const int s = place(7);
    EXPECT_EQ(s, 150);
    project.ListEntry(1, s, 1, 2).setBytes("stale");
    writePlacementDefaults(project, 1, s, 7, 10, 10);
    EXPECT_EQ(project.ListEntry(1, s, 1, 1).text(), QStringLiteral("动态文字串0000"));
    EXPECT_EQ(project.ListEntry(1, s, 2, 1).text(), QStringLiteral("D.Text0000"));
    EXPECT_TRUE(project.ListEntry(1, s, 1, 2).isEmpty());
    EXPECT_EQ(page->AuxTextB[s].text(), QStringLiteral("Amend"));
}

struct KindValues
{
    int kind;
    std::int32_t back;
    std::uint16_t wordC;
    const char *textA;
};

class PlacedKindTest : public PlacedOrganTest, public ::testing::WithParamInterface<KindValues>
{
};

TEST_P(PlacedKindTest, KindDefaults)
{
    const KindValues v = GetParam();
    const int s = place(v.kind);
    EXPECT_EQ(page->BackColor[s], v.back);
    EXPECT_EQ(page->WordC[s], v.wordC);
    EXPECT_EQ(page->TextA[s].text(), QString::fromUtf8(v.textA));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlacedKindTest,
    ::testing::Values(KindValues{2, 0xFFFFFF, 0x2100, "1234"},
                      KindValues{3, 0xFFFF00, 0x2100, "OFF"}, KindValues{5, 0x3A3A3A, 0, ""},
                      KindValues{6, 0xFFFFFF, 0, ""}, KindValues{8, 0x00FF00, 0x2100, "功能键"},
                      KindValues{9, 0xFFFFFF, 0x2100, "ASCII中文"},
                      KindValues{10, 0xFFFFFF, 0x0100, "YYYY年MM月DD日"},
                      KindValues{11, 0xFFFFFF, 0x0100, "HH时MM分SS秒"},
                      KindValues{20, 0xD8E9EC, 0, ""}, KindValues{22, 0xD8E9EC, 2, ""},
                      KindValues{26, 0xFFFFFF, 0x2100, ""},
                      KindValues{34, 0xD8E9EC, 0x2100, "1 键"}));

TEST_F(PlacedOrganTest, TwoHundredElementsFillThePageAndTheNextIsRefused)
{
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(place(1), i);
    EXPECT_FALSE(project.FindFreeSlot(1, 1).has_value());
    EXPECT_EQ(page->Kind[200], 0);
}

} // namespace
} // namespace brevix
