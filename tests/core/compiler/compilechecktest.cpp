#include "compiler/compilecheck.h"
#include "compiler/fieldwarnings.h"
#include "projectbuilder.h"

#include <gtest/gtest.h>

using namespace brevix;
using namespace brevix::testing;

namespace {

DeviceLists twoLinks()
{
    DeviceLists lists;
    DeviceList &l1 = lists.link[0];
    l1.words = {{"D", "5000", 5000, 0}, {"T", "255", 255, 0}};
    l1.bits = {
        {"M", "3000", 3000, 0}, {"X", "377", 377, 0}, {"W", "99", 99, 15}, {"R", "8191", 8191, -1}};
    lists.link[1] = l1;
    return lists;
}

class CompileCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.resetToNew();
        project.settings().WordA[10] = 100;
        project.settings().WordA[12] = 200;
    }
    CheckResult check() { return StartCheck(project, lists); }
    std::vector<CheckRow> errors()
    {
        std::vector<CheckRow> out;
        for (const CheckRow &row : check().rows)
            if (row.severity == CheckSeverity::Error)
                out.push_back(row);
        return out;
    }
    Project project;
    DeviceLists lists = twoLinks();
};

TEST_F(CompileCheckTest, CleanProjectHasNoRows)
{
    place(project, 1, 0, element(1));
    SlotValues reg = element(2);
    reg.WordA = 100;
    reg.WordE = 5000;
    reg.WordB = 0x0400;
    place(project, 1, 1, reg);
    const CheckResult r = check();
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(r.keyCellsLowered, 0);
}

TEST_F(CompileCheckTest, LampOnLinkTwoWithoutSecondLink)
{
    SlotValues lamp = element(3);
    lamp.ByteA = 0x80;
    place(project, 1, 7, lamp);
    const auto rows = errors();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].message.zh, QStringLiteral("通道连接设置错误 ！"));
    EXPECT_EQ(rows[0].message.en, QStringLiteral("Channel connection setup error!"));
    EXPECT_EQ(rows[0].typeName.en, QStringLiteral("Lamp"));
    EXPECT_EQ(rows[0].slot, 7);
    EXPECT_EQ(rows[0].pageCaption, QStringLiteral("1:Window1"));
    project.settings().ByteB[5] = 1; // a second link: no finding
    EXPECT_TRUE(errors().empty());
}

TEST_F(CompileCheckTest, DefaultKeyRegisterAboveTheDeviceMaximum)
{
    SlotValues reg = element(2);
    reg.WordE = 59999;
    reg.WordB = 0x0400;
    place(project, 1, 0, reg);
    const auto rows = errors();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].message.en, QStringLiteral("Key register number is wrong!"));
}

TEST_F(CompileCheckTest, SeveralFaultsShowTheLastRule)
{
    SlotValues reg = element(2);
    reg.WordA = 6000; // register
    reg.ByteD = 1;
    reg.LongA = 7000; // indirect upper
    reg.WordD = 4;
    reg.LongB = 9000; // indirect lower: the last failing rule
    reg.WordB = 0x0400;
    place(project, 1, 0, reg);
    const auto rows = errors();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].message.en, QStringLiteral("Indirect lower limit setting error!"));
}

TEST_F(CompileCheckTest, FloatRegisterIsNotALinkFinding)
{
    SlotValues reg = element(2);
    reg.ByteA = 0x81; // Float, 32 bits
    reg.WordB = 0x0502;
    place(project, 1, 0, reg);
    EXPECT_TRUE(errors().empty());
}

TEST_F(CompileCheckTest, DeviceRuleStopsTheOthers)
{
    SlotValues lamp = element(34);
    lamp.ByteA = 0x70 | 0x80; // link 2 (fails) then device 7 (fails and stops)
    lamp.WordA = 60000;
    place(project, 1, 0, lamp);
    const auto rows = errors();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].message.en, QStringLiteral("Element type setting error!"));
}

struct BitCase
{
    int device, bit;
    bool fails;
};

class BitRule : public CompileCheckTest, public ::testing::WithParamInterface<BitCase>
{
};

TEST_P(BitRule, OnlyWordBitDevicesHaveABitRange)
{
    SlotValues lamp = element(3);
    lamp.ByteA = std::uint8_t((GetParam().device << 4) | GetParam().bit);
    lamp.WordA = 10;
    place(project, 1, 0, lamp);
    const auto rows = errors();
    EXPECT_EQ(!rows.empty(), GetParam().fails);
    if (!rows.empty()) {
        EXPECT_EQ(rows[0].message.en, QStringLiteral("Register .Bit error!"));
    }
}

// W has bits 0..15 (15 allowed); M has no bit number, R is hexadecimal (-1): no bit rule.
INSTANTIATE_TEST_SUITE_P(Cases, BitRule,
                         ::testing::Values(BitCase{2, 15, false}, BitCase{0, 5, false},
                                           BitCase{3, 9, false}));

TEST_F(CompileCheckTest, ShapesUseTheDeviceInWordD)
{
    SlotValues rect = element(20);
    rect.WordD = 0x0101; // device 1 (T, max 255), fill
    rect.ByteD = 1;
    rect.WordA = 300;
    place(project, 1, 0, rect);
    const auto rows = errors();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].message.en, QStringLiteral("Visibility register error!"));
}

TEST_F(CompileCheckTest, KeyCellsAboveTheMaximumAreLowered)
{
    project.settings().WordA[10] = 6000;
    project.settings().WordA[16] = 5001;
    const CheckResult r = check();
    EXPECT_EQ(r.keyCellsLowered, 2);
    EXPECT_EQ(project.settings().WordA[10], 5000);
    EXPECT_EQ(project.settings().WordA[16], 5000);
    EXPECT_EQ(project.settings().WordA[12], 200);
}

TEST_F(CompileCheckTest, WarningsForValuesTheRecordsCannotHold)
{
    SlotValues reg = element(2);
    reg.WordE = 8192;
    reg.WordB = 0x0400;
    lists.link[0].words[0] = {"D", "65535", 65535, 0};
    place(project, 1, 0, reg);
    SlotValues trend = element(4);
    trend.WordC = 0x2000; // left with its placement style
    place(project, 1, 1, trend);
    const CheckResult r = check();
    EXPECT_EQ(r.errorCount(), 0);
    ASSERT_EQ(r.warningCount(), 2);
    EXPECT_TRUE(r.rows[0].message.en.contains(QStringLiteral("Key register = 8192")));
    EXPECT_EQ(r.rows[1].slot, 1);
}

TEST_F(CompileCheckTest, TextWiderThanItsElement)
{
    SlotValues text = element(1, 15, 25, 60, 20);
    text.WordC = 0x0100; // font 1: 12 pixels per byte
    text.TextA.setBytes("ABCDEF");
    place(project, 1, 0, text);
    const CheckResult r = check();
    ASSERT_EQ(r.warningCount(), 1);
    EXPECT_TRUE(r.rows[0].message.en.contains(QStringLiteral("72 pixels")));
}

TEST_F(CompileCheckTest, PageWithMoreThan255Records)
{
    for (int s = 0; s < 60; ++s) {
        SlotValues date = element(10);
        place(project, 1, s, date);
    }
    const CheckResult r = check();
    ASSERT_GE(r.warningCount(), 1);
    EXPECT_EQ(r.rows.back().message.en, recordCountWarning(300).en);
}

TEST(ElementTypeNames, BothLanguages)
{
    EXPECT_EQ(elementTypeName(34).zh, QStringLiteral("位操作开关"));
    EXPECT_EQ(elementTypeName(4).en, QStringLiteral("Tendency chart"));
    EXPECT_TRUE(elementTypeName(21).isEmpty());
}

} // namespace
