#include "compiler/kxbuilder.h"
#include "compiler/kxlayout.h"
#include "projectbuilder.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

using namespace brevix;
using namespace brevix::testing;

namespace {

class KxBuilderTest : public ::testing::Test
{
protected:
    void SetUp() override { project.resetToNew(); }
    BuildResult build(const BuildInputs &inputs = {}, BuildOptions options = {})
    {
        return BuildDownloadImage(project, inputs, options);
    }
    Project project;
};

TEST_F(KxBuilderTest, OnlyPageThreeGivesOneBlockNumberedThree)
{
    keepOnlyPages(project, {3});
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(u8(r.kx, 800), 1u);
    EXPECT_EQ(r.kx.mid(801, 6), QByteArray("\xEE\xEE\x11\x11\xEE\xEE", 6));
    EXPECT_EQ(u8(r.kx, 807), 3u);
    // No elements: the alarm table and the picture area follow the page block directly.
    EXPECT_EQ(u32(r.kx, 122), std::uint32_t(801 + kx::kPageHeaderSize));
    EXPECT_EQ(u32(r.kx, 0), u32(r.kx, 122));
    EXPECT_EQ(u8(r.kx, 126), 0x16u);
    EXPECT_EQ(u8(r.kx, 127), 0xE9u);
    EXPECT_EQ(r.kx.size(), 801 + kx::kPageHeaderSize + 1); // picture count byte ends the file
}

TEST_F(KxBuilderTest, DateExpandsIntoCountedPrimitiveRecords)
{
    keepOnlyPages(project, {1});
    for (int s = 0; s < 3; ++s)
        place(project, 1, s, element(1, 10 + 70 * s));
    SlotValues date = element(10, 15, 100, 200, 30);
    date.WordC = 0x0100;
    place(project, 1, 3, date);
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(u8(r.kx, kCounters + 0), 4u);  // type 1
    EXPECT_EQ(u8(r.kx, kCounters + 1), 3u);  // type 2
    EXPECT_EQ(u8(r.kx, kCounters + 19), 1u); // type 20
    ASSERT_EQ(r.report.pages.size(), 1u);
    EXPECT_EQ(r.report.pages[0].records, 8);
}

TEST_F(KxBuilderTest, EmptyTextsGetTheirDefaults)
{
    keepOnlyPages(project, {1});
    place(project, 1, 0, element(1));
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const QByteArray rec = r.kx.mid(kFirstRecord);
    EXPECT_EQ(u8(rec, 0), 1u);
    EXPECT_EQ(rec.mid(15, 3), QByteArray("\x02\xD6\xD0", 3)); // "中"
    EXPECT_EQ(rec.mid(18, 3), QByteArray("\x02"
                                         "EN",
                                         3));
}

TEST_F(KxBuilderTest, EmptyLampWritesZeroAndOneAndTheProjectKeepsThem)
{
    keepOnlyPages(project, {1});
    place(project, 1, 4, element(3));
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const QByteArray rec = r.kx.mid(kFirstRecord);
    EXPECT_EQ(u8(rec, 17), 5u); // element number = slot + 1
    EXPECT_EQ(rec.mid(18, 4), QByteArray("\x01"
                                         "0"
                                         "\x01"
                                         "1",
                                         4));
    EXPECT_EQ(applyLampTextDefaults(project), 2);
    EXPECT_TRUE(project.record(1).TextA[4].equals("0"));
    EXPECT_TRUE(project.record(1).TextB[4].equals("1"));
    EXPECT_EQ(build().kx, r.kx);
}

TEST_F(KxBuilderTest, NegativeCoordinateKeepsTruncatingDivision)
{
    keepOnlyPages(project, {1});
    place(project, 1, 0, element(25, 2, 3)); // x - 5 = -3, y - 5 = -2
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const QByteArray rec = r.kx.mid(kFirstRecord);
    EXPECT_EQ(rec.mid(1, 4), QByteArray("\xFD\x00\xFE\x00", 4));
}

TEST_F(KxBuilderTest, SettingsHeaderFields)
{
    ProjectRecord &s = project.settings();
    s.WordA[0] = 0x41;  // only the low 6 bits count
    s.Height[0] = 10;   // written as 9
    s.Top[0] = 2;       // data bits index + 6
    s.Width[0] = 1;     // stop bits index + 1
    s.ByteB[0] = 1;     // page change commanded by the controller
    s.LongA[10] = 4000; // its register
    s.TextA[0].setBytes("123456");
    s.LongA[6] = 0x004080FF; // RGB(255, 128, 64)
    s.ByteC[1] = 1, s.ByteC[5] = 1, s.LongB[18] = 1;
    s.LongB[3] = 1, s.LongB[2] = 1;
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.kx.mid(4, 2), QByteArray("\x01\x00", 2));
    EXPECT_EQ(u8(r.kx, 16), 8u);
    EXPECT_EQ(u8(r.kx, 18), 2u);
    EXPECT_EQ(r.kx.mid(20, 2), QByteArray("\x09\x00", 2));
    EXPECT_EQ(u16(r.kx, 30), 0xFC08u);
    EXPECT_EQ(u8(r.kx, kx::kAutoPageSwitch), 1u);
    EXPECT_EQ(u16(r.kx, kx::kPageSwitchRegister), 4000u);
    EXPECT_EQ(u16(r.kx, 40), 123456u & 0xFFFF);
    EXPECT_EQ(u8(r.kx, 111), (123456u >> 16) & 0xFF);
    EXPECT_EQ(u8(r.kx, 87), 0x11u);
    EXPECT_EQ(u8(r.kx, 113), 1u | 4u | 8u);
}

TEST_F(KxBuilderTest, RegisterOffsetReplacesTheLastKeyJumpsForProtocolsOneTwoFour)
{
    keepOnlyPages(project, {1});
    project.record(1).PageStrings[RegisterOffsetText].setBytes("1000");
    project.record(1).PageStrings[KeyJumpTextFirst + 21].setBytes("7");
    project.record(1).PageStrings[KeyJumpTextFirst + 0].setBytes("2");
    for (int protocol : {0, 1, 2, 3, 4, 5}) {
        project.settings().Height[0] = std::uint16_t(protocol);
        const BuildResult r = build();
        ASSERT_TRUE(r.ok);
        const qsizetype jumps = 801 + 6 + 1 + 50 + 2;
        EXPECT_EQ(u8(r.kx, jumps), 2u);
        if (protocol == 1 || protocol == 2 || protocol == 4)
            EXPECT_EQ(u16(r.kx, jumps + 20), 1000u) << protocol;
        else
            EXPECT_EQ(u16(r.kx, jumps + 20), 7u << 8) << protocol;
    }
}

TEST_F(KxBuilderTest, UnparsableKeyJumpEndsTheBuild)
{
    keepOnlyPages(project, {1});
    project.record(1).PageStrings[KeyJumpTextFirst + 3].setBytes("x");
    const BuildResult r = build();
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.kx.isEmpty());
    EXPECT_FALSE(r.error.en.isEmpty());
}

TEST_F(KxBuilderTest, DateWithThreeDimensionalBorderIsInsetByTwo)
{
    keepOnlyPages(project, {1});
    SlotValues date = element(10, 25, 45, 200, 30);
    date.WordC = 0x1100; // border 1 (3-D), font 1 (cw 12)
    date.ByteA = 0;      // YYYY-MM-DD
    place(project, 1, 0, date);
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const QByteArray b = r.kx.mid(kFirstRecord);
    // Frame: the element's own geometry, attribute 8 + number << 20 + 2^28 + 2^29.
    EXPECT_EQ(u8(b, 0), 20u);
    EXPECT_EQ(u16(b, 1), 20u);
    EXPECT_EQ(u16(b, 3), 40u);
    EXPECT_EQ(u32(b, 11), 8u + (1u << 20) + (1u << 28) + (1u << 29));
    // Text: y + 2, height - 4, x = L + 4cw + 5, width 4cw, style = font << 8 | WordC low byte.
    const QByteArray text = b.mid(19);
    EXPECT_EQ(u8(text, 0), 1u);
    EXPECT_EQ(u16(text, 1), 20u + 48 + 5);
    EXPECT_EQ(u16(text, 3), 42u);
    EXPECT_EQ(u16(text, 5), 48u);
    EXPECT_EQ(u16(text, 7), 26u);
    EXPECT_EQ(u16(text, 9), 0x0100u);
    EXPECT_EQ(text.mid(15, 10), QByteArray("\x04-  -\x04-  -", 10));
    // Year field: register 5016, 4 digits, x = L, width 5cw - 2 - 2f, number byte 196.
    const QByteArray year = text.mid(25);
    EXPECT_EQ(u8(year, 0), 2u);
    EXPECT_EQ(u16(year, 1), 20u);
    EXPECT_EQ(u16(year, 5), 60u - 2 - 2);
    EXPECT_EQ(u16(year, 15), 5016u);
    EXPECT_EQ(u32(year, 17), 0x8040u);
    EXPECT_EQ(u32(year, 21), 2099u);
    EXPECT_EQ(u8(year, 29), 196u);
    const QByteArray month = year.mid(30);
    EXPECT_EQ(u16(month, 1), 20u + 60 + 3);
    EXPECT_EQ(u8(month, 29), 197u);
    const QByteArray day = month.mid(30);
    EXPECT_EQ(u16(day, 1), 20u + 96 + 8);
    EXPECT_EQ(u8(day, 29), 199u);
}

struct TimeCase
{
    int format, font, border;
    int textX, textWidth;
    std::vector<int> fieldX;
    int fieldWidth;
};

class TimeGeometry : public ::testing::TestWithParam<TimeCase>
{
};

TEST_P(TimeGeometry, RoundsHalvesToEven)
{
    const TimeCase &c = GetParam();
    Project project;
    project.resetToNew();
    SlotValues time = element(11, 5, 5, 300, 40); // L = 0
    time.WordC = std::uint16_t((c.border << 12) | (c.font << 8) | 0x23);
    time.ByteA = std::uint8_t(c.format);
    place(project, 1, 0, time);
    const BuildResult r = BuildDownloadImage(project, {});
    ASSERT_TRUE(r.ok);
    const QByteArray text = r.kx.mid(kFirstRecord + 19);
    EXPECT_EQ(u16(text, 1), unsigned(c.textX));
    EXPECT_EQ(u16(text, 5), unsigned(c.textWidth));
    EXPECT_EQ(u16(text, 9), unsigned(c.font * 256 + 3));
    const int textLength = u8(text, 15);
    qsizetype at = 15 + 2 * (1 + textLength);
    for (int x : c.fieldX) {
        EXPECT_EQ(u16(text, at + 1), unsigned(x));
        EXPECT_EQ(u16(text, at + 5), unsigned(c.fieldWidth));
        at += 30;
    }
    EXPECT_EQ(at, text.size() - 1); // then only the picture count byte (no alarm texts)
}

// cw 17 (font 2): 2.5 * 17 = 42.5 -> 42, 6.5 * 17 = 110.5 -> 110; 4 * 17 * 1.037 = 70.5 ->
// 71 (70.516), 2.8 * 17 - 2 - 4 = 41.6 -> 42.
INSTANTIATE_TEST_SUITE_P(Cases, TimeGeometry,
                         ::testing::Values(TimeCase{0, 2, 0, 42, 110, {0, 71}, 42},
                                           TimeCase{0, 2, 1, 44, 110, {2, 73}, 42},
                                           TimeCase{1, 0, 0, 19, 36, {0, 25, 50}, 20},
                                           TimeCase{2, 1, 0, 28, 18, {0, 37}, 30}));

TEST_F(KxBuilderTest, DynamicTextStatesSplitHexadecimalValues)
{
    keepOnlyPages(project, {1});
    SlotValues dyn = element(7);
    dyn.ByteA = 3;
    dyn.WordD = 0x0100; // device 1
    place(project, 1, 150, dyn);
    project.ListEntry(1, 150, 1, 1).setBytes("Run000A");
    project.ListEntry(1, 150, 1, 2).setBytes("Stop01FF"); // value kept modulo 256
    project.ListEntry(1, 150, 2, 1).setBytes("Lauf000A");
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const QByteArray b = r.kx.mid(kFirstRecord);
    EXPECT_EQ(u8(b, 17), 0x10u);
    EXPECT_EQ(u8(b, 18), 151u);
    EXPECT_EQ(u8(b, 19), 3u);
    EXPECT_EQ(u8(b, 20), 4u); // "Stop" and "空2" (3 bytes): longest 4
    const QByteArray expected = QByteArray("\x0A\x03Run", 5) + QByteArray("\xFF\x04Stop", 6) +
                                QByteArray("\x02\x03", 2) + toGbk(QStringLiteral("空2")) +
                                QByteArray("\x00\x04Lauf", 6) + QByteArray("\x01\x02N1", 4) +
                                QByteArray("\x02\x02N2", 4);
    EXPECT_EQ(b.mid(21, expected.size()), expected);
}

TEST_F(KxBuilderTest, RisingAndFallingLines)
{
    keepOnlyPages(project, {1});
    SlotValues line = element(27, 15, 25, 100, 50);
    line.WordC = 3;
    line.ForeColor = 0x0000FF; // red
    place(project, 1, 0, line);
    line.ByteC = 1;
    place(project, 1, 1, line);
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const QByteArray b = r.kx.mid(kFirstRecord);
    EXPECT_EQ(b.mid(0, 12), QByteArray("\x1B\x0B\x00\x16\x00\x6D\x00\x45\x00\x03\x00\xF8", 12));
    EXPECT_EQ(b.mid(12, 12), QByteArray("\x1B\x0B\x00\x45\x00\x6D\x00\x15\x00\x03\x00\xF8", 12));
}

TEST_F(KxBuilderTest, AlarmTextsOfLanguageOne)
{
    project.settings().WordA[102] = 3;
    project.settings().TextA[100].setBytes("Oil low");
    project.settings().TextA[102].setBytes("Door");
    const BuildResult r = build();
    ASSERT_TRUE(r.ok);
    const qsizetype at = u32(r.kx, 122);
    EXPECT_EQ(r.kx.mid(at, 15), QByteArray("\x07Oil low\x01.\x04"
                                           "Door",
                                           15));
    EXPECT_EQ(u32(r.kx, 0), std::uint32_t(at + 15));
    EXPECT_EQ(u8(r.kx, 82), 3u);
}

TEST_F(KxBuilderTest, MacroAreaIsPlacedAt150)
{
    BuildInputs inputs;
    inputs.macro.bytes = QByteArray(650, '\0');
    inputs.macro.bytes.replace(0, 6, QByteArray("\x16\xE9\x01\x01\xE9\x16", 6));
    inputs.macro.bytes.replace(6, 8, QByteArray("\x1D\0\0\0\0\0\0\0", 8));
    const BuildResult r = build(inputs);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.kx.mid(150, 14), inputs.macro.bytes.left(14));
    EXPECT_EQ(r.report.macroBytes, 14);
    EXPECT_EQ(u8(r.kx, 800), 1u);
}

} // namespace

namespace {

MacroRow macroRow(std::uint8_t code, std::uint8_t bits, std::uint8_t t1, std::uint16_t v1,
                  std::uint8_t t2 = 0, std::uint16_t v2 = 0, std::uint8_t t3 = 0,
                  std::uint16_t v3 = 0)
{
    MacroRow row;
    row.Code = code;
    row.BIT = bits;
    row.A1t = t1, row.A1v = v1, row.A2t = t2, row.A2v = v2, row.A3t = t3, row.A3v = v3;
    return row;
}

TEST(KxBuilderMacro, WorkedExampleLandsAt150)
{
    Project project;
    project.resetToNew();
    MacroRows rows = {macroRow(26, 0, 0, 1), macroRow(34, 0, 0, 0),
                      macroRow(1, 0, 1, 10, 1, 10, 0, 1), macroRow(19, 0, 1, 10, 0, 100, 0, 1),
                      macroRow(29, 0, 0, 0)};
    rows[1].setComment(QStringLiteral("count"));
    BuildInputs inputs;
    inputs.macro = ChangeMacCmd(rows);
    const BuildResult r = BuildDownloadImage(project, inputs);
    ASSERT_TRUE(r.ok);
    const QByteArray expected = QByteArray::fromHex("16E90404E916"
                                                    "1A00010000000000"
                                                    "010C0A000A000100"
                                                    "13040A0064000100"
                                                    "1D00000000000000");
    EXPECT_EQ(r.kx.mid(150, expected.size()), expected);
    EXPECT_EQ(r.kx.mid(150 + expected.size(), 800 - 150 - expected.size()),
              QByteArray(800 - 150 - expected.size(), '\0'));
}

} // namespace
